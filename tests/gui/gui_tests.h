// SPDX-License-Identifier: GPL-3.0-or-later
// The window tests, each a QtTest object, collected into one program.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace vellamor {

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
