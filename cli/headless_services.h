// SPDX-License-Identifier: GPL-3.0-or-later
// What this build can offer the headless modes beyond the core: the atlas
// for --place and the chart sheet for --export, where they were built.
#pragma once

#include "cli/headless.h"

namespace vellamor {

namespace atlas {
class BuiltInGazetteer;
}

// `gazetteer` is the program's, searched for --place and a births table's
// place column; it must outlive the services. Null in a build without the
// atlas. --export draws within the application object the program made.
HeadlessServices BuiltInHeadlessServices(const atlas::BuiltInGazetteer* gazetteer);

}  // namespace vellamor
