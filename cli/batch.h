// SPDX-License-Identifier: GPL-3.0-or-later
// Charts in bulk: a table of births computed on several cores, written in the
// table's order, with memory that does not grow with the table.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <ostream>
#include <thread>
#include <vector>

#include "cli/headless.h"

namespace vellamor {

// Work done on parts of a stream by `jobs` threads, the parts coming back in
// the order they went in. With one job the work runs in the caller's thread.
// The caller bounds memory by taking the oldest part back (which waits for
// it) before handing in more than it wants in flight.
template <typename Part>
class OrderedWork {
  public:
    OrderedWork(int jobs, std::function<void(Part&)> work) : m_work(std::move(work)) {
        if (jobs > 1)
            for (int i = 0; i < jobs; ++i)
                m_threads.emplace_back([this] { Serve(); });
    }
    ~OrderedWork() {
        {
            std::lock_guard lock(m_mutex);
            m_stopping = true;
        }
        m_ready.notify_all();
        for (std::thread& t : m_threads)
            t.join();
    }
    OrderedWork(const OrderedWork&) = delete;
    OrderedWork& operator=(const OrderedWork&) = delete;

    void Submit(std::unique_ptr<Part> part) {
        if (m_threads.empty()) {
            m_work(*part);
            m_slots.push_back({std::move(part), true});
            return;
        }
        {
            std::lock_guard lock(m_mutex);
            m_slots.push_back({std::move(part), false});
            m_todo.push_back(&m_slots.back());
        }
        m_ready.notify_one();
    }

    std::size_t InFlight() const {
        std::lock_guard lock(m_mutex);
        return m_slots.size();
    }

    // The oldest part handed in, once its work is done; null when none is
    // left.
    std::unique_ptr<Part> TakeOldest() {
        std::unique_lock lock(m_mutex);
        if (m_slots.empty())
            return nullptr;
        m_done.wait(lock, [this] { return m_slots.front().done; });
        std::unique_ptr<Part> part = std::move(m_slots.front().part);
        m_slots.pop_front();
        return part;
    }

  private:
    struct Slot {
        std::unique_ptr<Part> part;
        bool done = false;
    };

    void Serve() {
        for (;;) {
            Slot* slot = nullptr;
            {
                std::unique_lock lock(m_mutex);
                m_ready.wait(lock, [this] { return m_stopping || !m_todo.empty(); });
                if (m_todo.empty())
                    return;
                slot = m_todo.front();
                m_todo.pop_front();
            }
            m_work(*slot->part);
            {
                std::lock_guard lock(m_mutex);
                slot->done = true;
            }
            m_done.notify_all();
        }
    }

    std::function<void(Part&)> m_work;
    mutable std::mutex m_mutex;
    std::condition_variable m_ready;
    std::condition_variable m_done;
    std::deque<Slot> m_slots;  // in order; references stay valid at both ends
    std::deque<Slot*> m_todo;
    std::vector<std::thread> m_threads;
    bool m_stopping = false;
};

// --births: one chart per row of the table, in the invocation's mode. Rows
// that fail are reported as "FILE:LINE: message" (standard input is "-") and
// the rest go on. Returns 0, 1 when a row failed, 2 for a table that cannot
// be read or whose header is wrong.
int RunBirthsTable(const Invocation& inv, const HeadlessServices& services, std::ostream& out,
                   std::ostream& err);

}  // namespace vellamor
