// SPDX-License-Identifier: GPL-3.0-or-later
// What this build can offer the headless modes beyond the core: the atlas
// for --place and the chart sheet for --export, where they were built.
#pragma once

#include "cli/headless.h"

namespace vellamor {

HeadlessServices BuiltInHeadlessServices();

}  // namespace vellamor
