// SPDX-License-Identifier: GPL-3.0-or-later
// What the program owns for its whole run and lends to the command line and
// the windows, so that no layer below keeps a global of its own: the
// gazetteer, and the application object (the windows', or the one the
// command line draws within).
#pragma once

#include <memory>

class QApplication;

namespace vellamor {

namespace atlas {
class BuiltInGazetteer;
}

class ProgramObjects {
  public:
    ProgramObjects();
    ~ProgramObjects();
    ProgramObjects(const ProgramObjects&) = delete;
    ProgramObjects& operator=(const ProgramObjects&) = delete;

    // The built-in gazetteer, lent read-only; null in a build without the
    // atlas. It is read on first use, or from startReadingPlaces on.
    const atlas::BuiltInGazetteer* gazetteer() const;
    // Starts reading the gazetteer on another thread; nothing without the
    // atlas or when the reading has begun.
    void startReadingPlaces();

    // Makes the windows' application object from the program's arguments
    // (Qt takes its own options out of them); `argc` and `argv` outlive it.
    // Only in a build with the windows.
    QApplication& startDesktop(int& argc, char** argv);

    // Makes the application object that --export draws within, the first
    // time: Qt's offscreen platform, which never looks for a display, with
    // the platform's start-up chatter (runtime folder, fonts) kept off the
    // terminal; real failures still show. Nothing in a build without drawing.
    void startDrawing();

  private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

}  // namespace vellamor
