// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows reach the gazetteer the program owns (or a test's small
// one): a call that returns it, waiting while the owner still reads it.
#pragma once

#include <functional>

namespace vellamor {

namespace atlas {
class Gazetteer;
}

// Empty in a build without the atlas.
using GazetteerAccess = std::function<const atlas::Gazetteer&()>;

}  // namespace vellamor
