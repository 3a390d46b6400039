// Starts the windowed program.
#pragma once

namespace vellamor {
int RunDesktop(int argc, char** argv);
}
