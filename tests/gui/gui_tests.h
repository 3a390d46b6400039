// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests, each a QtTest object, collected into one program.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "core/chart/chakra_model.h"
#include "gui/gazetteer_access.h"
#ifdef VELLAMOR_HAVE_ATLAS
#include "built_in_places.h"
#endif

namespace vellamor {

// The gazetteer the tests' entry windows search: the built-in one, read once
// for the test program; none in a build without the atlas.
inline GazetteerAccess TestPlaces() {
#ifdef VELLAMOR_HAVE_ATLAS
    return []() -> const atlas::Gazetteer& { return BuiltInPlaces(); };
#else
    return {};
#endif
}

// Occupants written as the chakra writes them, "S Me (R)  V Asc", for
// tables of crowded houses.
inline Occupants OccupantsOf(const QString& labels) {
    std::vector<Occupant> read;
    for (const QString& word : labels.split(u' ', Qt::SkipEmptyParts)) {
        if (word == QStringLiteral("(R)")) {
            read.back().retrograde = true;
            continue;
        }
        const auto at = std::find(kBaseLabels.begin(), kBaseLabels.end(), word.toStdString());
        read.push_back({static_cast<Body>(at - kBaseLabels.begin()), false, false});
    }
    Occupants out;
    for (const Occupant& o : read)
        out.push_back(o);
    return out;
}

using GuiTestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<GuiTestFactory>& GuiTestRegistry() {
    static std::vector<GuiTestFactory> tests;
    return tests;
}

template <typename T>
struct RegisterGuiTest {
    RegisterGuiTest() {
        GuiTestRegistry().push_back([] { return std::make_unique<T>(); });
    }
};

}  // namespace vellamor

#define VELLAMOR_GUI_TEST(Class) static const ::vellamor::RegisterGuiTest<Class> kRegister##Class;
