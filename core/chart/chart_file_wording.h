// SPDX-License-Identifier: GPL-3.0-or-later
// The English sentences for a refused chart file and a failed save, as the
// windows and the command line show them today.
#pragma once

#include <string>
#include <string_view>

#include "core/chart/chart_format.h"

namespace vellamor {

inline constexpr std::string_view kCheckFileMessage = "Please Check The File.";

// What the windows and the command line say for every refused file.
inline std::string_view ChartFileMessage(const ChartFileError&) {
    return kCheckFileMessage;
}

// Why, so that the user can act: "no such file", "line 2: month 13 is not 1
// to 12". The command line writes it after the sentence in brackets, the
// window as the message box's informative text.
std::string ChartFileReason(const ChartFileError& error);

// The sentence the windows and the command line show for a failed save;
// "PATH: reason" when the file could not be written.
std::string ChartWriteMessage(const ChartWriteError& error);

}  // namespace vellamor
