// A build without Qt: the desktop program is not available.
#include <iostream>

#include "app/desktop.h"

namespace vellamor {
int RunDesktop(int, char**) {
    std::cerr << "vellamor: this build has no desktop program; see vellamor --help\n";
    return 2;
}

HeadlessServices DesktopHeadlessServices() {
    return {};
}
}  // namespace vellamor
