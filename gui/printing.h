// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the chart sheet.
#pragma once

#include "core/chart/pipeline.h"
#include "render/chakra_painter.h"

class QPrinter;

namespace vellamor {

// One page, the sheet across the printable width, with the reading's marks
// when the overlay is shown.
void PrintChartSheet(QPrinter& printer, const Chart& chart, const ReadingOverlay& overlay = {});

}  // namespace vellamor
