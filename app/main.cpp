// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "app/program_objects.h"
#include "cli/checked_output.h"
#include "cli/headless.h"
#include "cli/headless_services.h"
#include "cli/options.h"
#include "core/io/temporary_cleanup.h"
#ifdef VELLAMOR_HAVE_GUI
#include "gui/desktop.h"
#ifdef VELLAMOR_HAVE_ATLAS
#include "atlas/gazetteer.h"
#endif
#else
namespace vellamor {
int SayNoDesktop();  // headless_only.cpp
}
#endif

namespace {

#ifdef VELLAMOR_HAVE_GUI
// The windows: the application object and the gazetteer are the program's,
// lent to them.
int RunWindows(vellamor::ProgramObjects& owned, int& argc, char** argv) {
    QApplication& app = owned.startDesktop(argc, argv);
    vellamor::DesktopPlaces places;
#ifdef VELLAMOR_HAVE_ATLAS
    places.startReading = [&owned] { owned.startReadingPlaces(); };
    const vellamor::atlas::BuiltInGazetteer& gazetteer = *owned.gazetteer();
    places.access = [&gazetteer]() -> const vellamor::atlas::Gazetteer& { return gazetteer.Get(); };
#endif
    return vellamor::RunDesktop(app, places);
}
#else
int RunWindows(vellamor::ProgramObjects&, int&, char**) {
    return vellamor::SayNoDesktop();
}
#endif

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // Stopped while saving or exporting, from the command line or the
    // window: no temporary file stays. Before any thread starts, so that
    // every thread has the handlers.
    vellamor::RemoveTemporaryFileOnSignals();
    vellamor::ProgramObjects owned;
    // The headless modes never touch the display, the single-instance lock or
    // the settings: they can run beside an open window. Even --export draws
    // on Qt's offscreen platform.
    if (vellamor::IsHeadlessInvocation(args)) {
        std::ios::sync_with_stdio(false);
        vellamor::HeadlessServices services = vellamor::BuiltInHeadlessServices(owned.gazetteer());
        services.progressOnTerminal = ::isatty(STDERR_FILENO) == 1;
        services.prepareDrawing = [&owned] { owned.startDrawing(); };
        // Every write checked, a failure kept with the system's reason.
        vellamor::CheckedOutput checked(STDOUT_FILENO);
        std::ostream out(&checked);
        return vellamor::RunHeadless(args, out, std::cerr, services);
    }
    return RunWindows(owned, argc, argv);
}
