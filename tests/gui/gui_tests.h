// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests, each a QtTest object, collected into one program.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

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
