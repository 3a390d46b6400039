// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of a births table, used again once written. A part holds about
// a megabyte of records and charts; made fresh for every 256 rows, its
// strings are allocated and faulted in anew each time, which nearly
// quadrupled the system time of a million-row table and added a third to
// its peak memory. An emptied part keeps its strings' storage.
#pragma once

#include <memory>
#include <vector>

namespace vellamor {

// `Part` empties itself with Clear(), keeping its storage.
template <typename Part>
class PartPool {
  public:
    // An empty part: one given back, or a new one.
    std::unique_ptr<Part> Take() {
        if (m_spare.empty())
            return std::make_unique<Part>();
        std::unique_ptr<Part> part = std::move(m_spare.back());
        m_spare.pop_back();
        return part;
    }

    // A part whose rows are done with, emptied for the next.
    void Give(std::unique_ptr<Part> part) {
        part->Clear();
        m_spare.push_back(std::move(part));
    }

  private:
    std::vector<std::unique_ptr<Part>> m_spare;
};

}  // namespace vellamor
