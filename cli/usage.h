// SPDX-License-Identifier: GPL-3.0-or-later
// The --help text: how to call the program, then every option of the table
// in cli/options.h with its one line of help.
#pragma once

#include <string>

namespace vellamor {

std::string UsageText();

}  // namespace vellamor
