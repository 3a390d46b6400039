// SPDX-License-Identifier: GPL-3.0-or-later
// The chart sheet from the windows: printed, and its words in the window's
// language (the command line's sheet is English).
#pragma once

#include "core/chart/pipeline.h"
#include "render/chakra_painter.h"
#include "render/chart_sheet.h"

class QPrinter;

namespace vellamor {

// The sheet's words and the chart's details in the window's language.
SheetTexts WindowSheetTexts(const Chart& chart);

// One page, the sheet across the printable width, with the reading's marks
// when the overlay is shown.
void PrintChartSheet(QPrinter& printer, const Chart& chart, const ReadingOverlay& overlay = {});

}  // namespace vellamor
