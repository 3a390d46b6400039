// SPDX-License-Identifier: GPL-3.0-or-later
// A build without Qt Widgets: the desktop program is not available.
#include <iostream>

namespace vellamor {

int SayNoDesktop() {
    std::cerr << "vellamor: this build has no desktop program; see vellamor --help\n";
    return 2;
}
}  // namespace vellamor
