// SPDX-License-Identifier: GPL-3.0-or-later
// Charts in bulk: a table of births computed on several cores, written in the
// table's order, with memory that does not grow with the table.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "cli/headless.h"

namespace vellamor {

// Work done on parts of a stream by `jobs` threads, the parts coming back in
// the order they went in: each part handed in is a task in a queue that the
// threads take from, and the caller keeps the tasks' futures in order. With
// one job the work runs in the caller's thread. The caller bounds memory by
// taking the oldest part back (which waits for it) before handing in more
// than it wants in flight. An exception thrown by the work comes out of
// TakeOldest.
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
            // Work nobody will take back (the output failed) is dropped.
            m_todo.clear();
        }
        m_ready.notify_all();
        // The threads finish the parts they hold, then are joined.
    }
    OrderedWork(const OrderedWork&) = delete;
    OrderedWork& operator=(const OrderedWork&) = delete;

    void Submit(std::unique_ptr<Part> part) {
        Task task([this, part = std::move(part)]() mutable {
            m_work(*part);
            return std::move(part);
        });
        m_inOrder.push_back(task.get_future());
        if (m_threads.empty()) {
            task();
            return;
        }
        {
            std::lock_guard lock(m_mutex);
            m_todo.push_back(std::move(task));
        }
        m_ready.notify_one();
    }

    std::size_t InFlight() const { return m_inOrder.size(); }

    // The oldest part handed in, once its work is done; null when none is
    // left.
    std::unique_ptr<Part> TakeOldest() {
        if (m_inOrder.empty())
            return nullptr;
        std::future<std::unique_ptr<Part>> oldest = std::move(m_inOrder.front());
        m_inOrder.pop_front();
        return oldest.get();
    }

  private:
    using Task = std::packaged_task<std::unique_ptr<Part>()>;

    void Serve() {
        for (;;) {
            Task task;
            {
                std::unique_lock lock(m_mutex);
                m_ready.wait(lock, [this] { return m_stopping || !m_todo.empty(); });
                if (m_todo.empty())
                    return;
                task = std::move(m_todo.front());
                m_todo.pop_front();
            }
            task();
        }
    }

    std::function<void(Part&)> m_work;
    std::deque<std::future<std::unique_ptr<Part>>> m_inOrder;  // the caller's thread only
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<Task> m_todo;  // guarded by m_mutex
    bool m_stopping = false;  // guarded by m_mutex
    // Last, so that the threads are joined before the queue goes.
    std::vector<std::jthread> m_threads;
};

// --jobs beyond this many a core is taken as this many: more would only
// hold more rows in memory.
inline constexpr int kJobsPerCore = 4;

// The progress line a births table shows on a terminal: "12,345 rows,
// 150,000 rows/s" after `seconds`, and ", 0:07 left" when the table's size
// is known and `bytes` of it are read.
std::string ProgressText(std::uint64_t rows, double seconds,
                         std::optional<std::uint64_t> totalBytes, std::uint64_t bytes);

// --births: one chart per row of the table, in the invocation's mode. Rows
// that fail are reported as "FILE:LINE: message" (standard input is "-") and
// the rest go on. Returns 0, 1 when a row failed or the table could not be
// read to its end, 2 for a table that cannot be opened or whose header is
// wrong.
int RunBirthsTable(const Invocation& inv, const HeadlessServices& services, std::ostream& out,
                   std::ostream& err);

}  // namespace vellamor
