// SPDX-License-Identifier: GPL-3.0-or-later
// Chart files on the disk: reading one by its path, and saving one without
// ever losing the old file. The bytes themselves: chart_format.h.
#pragma once

#include <string>

#include "core/astro/birth_data.h"
#include "core/astro/expected.h"
#include "core/chart/chart_format.h"

namespace vellamor {

// Checks the extension, refuses anything but a regular readable file, reads
// at most 64 KiB and parses.
ChartReadResult ReadChartFile(const std::string& path);

// Encodes the whole file in memory, then replaces the target as ReplaceFile
// does; on any failure the old file is untouched.
Expected<void, ChartWriteError> WriteChartFile(const std::string& path, const BirthData& birth);

}  // namespace vellamor
