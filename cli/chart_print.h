// SPDX-License-Identifier: GPL-3.0-or-later
// A chart as a readable printout for the terminal (--print).
#pragma once

#include <string>

#include "core/chart/pipeline.h"
#include "core/reading/transits.h"

namespace vellamor {

// Birth details, the positions table and the three rings house by house.
std::string ChartPrintout(const Chart& chart);

// The section "Dasha and transits": the running year, month and period with
// each ring's house, the twelve years of the cycle, the transit positions.
std::string ReadingPrintout(const Chart& chart, const ChartReading& reading);

}  // namespace vellamor
