// Printing the chart sheet.
#pragma once

#include "core/chart/pipeline.h"

class QPrinter;

namespace vellamor {

// One page, the sheet across the printable width.
void PrintChartSheet(QPrinter& printer, const Chart& chart);

}  // namespace vellamor
