#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/desktop.h"
#ifdef VELLAMOR_HAVE_ATLAS
#include "atlas/place_fill.h"
#endif

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // The headless modes never touch the display, the single-instance lock or
    // the settings: they can run beside an open window. Even --export draws
    // on Qt's offscreen platform.
    if (vellamor::IsHeadlessInvocation(args)) {
        std::ios::sync_with_stdio(false);
        vellamor::HeadlessServices services = vellamor::DesktopHeadlessServices();
#ifdef VELLAMOR_HAVE_ATLAS
        services.resolvePlace = vellamor::atlas::ResolvePlace;
#endif
        return vellamor::RunHeadless(args, std::cout, std::cerr, services);
    }
    return vellamor::RunDesktop(argc, argv);
}
