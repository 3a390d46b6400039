// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in gazetteer for the tests that search real places: read once,
// on first use, and owned by the test program.
#pragma once

#include "atlas/gazetteer.h"

namespace vellamor {

inline const atlas::BuiltInGazetteer& BuiltInAtlas() {
    static const atlas::BuiltInGazetteer places;
    return places;
}

inline const atlas::Gazetteer& BuiltInPlaces() {
    return BuiltInAtlas().Get();
}

}  // namespace vellamor
