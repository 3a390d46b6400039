// SPDX-License-Identifier: GPL-3.0-or-later
// What the program owns for its whole run and lends to the command line and
// the windows, so that no layer below keeps a global of its own: the
// gazetteer, and the application object the command line draws within.
#pragma once

#include <memory>

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

    // The built-in gazetteer, not read yet; null in a build without the atlas.
    atlas::BuiltInGazetteer* gazetteer();

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
