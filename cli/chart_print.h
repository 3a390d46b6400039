// SPDX-License-Identifier: GPL-3.0-or-later
// A chart as a readable printout for the terminal (--print).
#pragma once

#include <string>

#include "core/chart/indian_chart_layout.h"
#include "core/chart/pipeline.h"
#include "core/chart/varga_stability.h"
#include "core/chart/vargas.h"
#include "core/reading/transits.h"

namespace vellamor {

// Birth details, the positions table and the three rings house by house.
std::string ChartPrintout(const Chart& chart);

// The section "Dasha and transits": the running year, month and period with
// each ring's house, the twelve years of the cycle, the transit positions.
std::string ReadingPrintout(const Chart& chart, const ChartReading& reading);

// The sign of every body in the sixteen vargas, a column a varga.
std::string VargaTableText(const VargaTable& vargas);
// For the Ascendant and the Moon in every varga, how far the birth time may
// move before the varga sign changes.
std::string VargaSensitivityText(const VargaSensitivity& sensitivity);
// The line above a printout whose rings are drawn from a varga's signs.
std::string VargaRingsHeading(Varga varga);
// What a sheet names its chart by: "D9 Navamsa, north Indian chart".
std::string SheetChartCaption(Varga varga, ChartStyle style);

}  // namespace vellamor
