// SPDX-License-Identifier: GPL-3.0-or-later
// The printable sheet's words in the command line's English.
#pragma once

#include "core/chart/pipeline.h"
#include "render/chart_sheet.h"

namespace vellamor {

SheetTexts EnglishSheetTexts(const Chart& chart);

}  // namespace vellamor
