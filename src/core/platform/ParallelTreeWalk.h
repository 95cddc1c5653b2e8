#pragma once
// The tree walk of TreeWalker spread over several threads for visitors whose results do not
// depend on the order of entries (sums, counts, per-kind totals). Each thread walks with its own
// visitor; while another thread is idle, a walking thread hands it a folder as an open, verified
// descriptor instead of descending into it: the shallowest one it has listed and not reached
// yet, or else the subdirectory it is at. The same rules hold as for one thread: links never
// followed, other mounts never entered, unreadable folders skipped.
//
//   auto visitors = parallelTreeWalk(root, threads, [] { return SizeSum{}; });
//   // one visitor per thread; merge them.
//
// A visitor that keeps some entries can ask the thread's walker for their order keys (the
// visitor is called as `bool visitor(const TreeWalker& walker, const TreeWalker::Entry& e)`
// when it accepts that form) and sort the merged results by them to get the exact order of a
// single-threaded walk.

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <type_traits>
#include <vector>

#include "platform/TreeWalker.h"

namespace tornivo {

// How many threads walks use by default: the machine's cores, at least one.
unsigned defaultWalkThreads();

// The nice value of the threads a parallel walk starts besides the caller's. Sixteen walking
// threads at the caller's priority leave any other thread of the process (the panel's) a
// sixteenth of the processor, queued for tens of milliseconds at a time; niced, together they
// weigh about as much as two ordinary threads, the caller's own thread keeps its priority (a
// walk still gets its fair share beside other programs), and an idle machine's cores still all
// go to the walk.
constexpr int kWalkHelperNice = 10;

// Lowers the calling thread alone to kWalkHelperNice (never raises it: that needs privileges).
// False when the system refused.
bool lowerWalkHelperPriority();

namespace detail {

// Visitors that want to hear of the folders a walk leaves out define
// `void skipped(const TreeWalker&, const TreeWalker::Entry&, UnreadReason)`.
template <class Visitor>
concept HearsSkips = requires(Visitor& v, const TreeWalker& w, const TreeWalker::Entry& e) {
    v.skipped(w, e, UnreadReason::unreadable);
};

template <class Visitor>
void listenForSkips(Visitor& visitor, TreeWalker& walker) {
    if constexpr (HearsSkips<Visitor>)
        walker.onSkip([&visitor](const TreeWalker& w, const TreeWalker::Entry& e,
                                 UnreadReason reason) { visitor.skipped(w, e, reason); });
}

template <class Visitor>
bool visit(Visitor& visitor, const TreeWalker& walker, const TreeWalker::Entry& e) {
    if constexpr (std::is_invocable_v<Visitor&, const TreeWalker&, const TreeWalker::Entry&>)
        return visitor(walker, e);
    else
        return visitor(e);
}

// Directories waiting for a thread: open descriptors (owned by the queue until taken) with
// their paths.
class WalkQueue {
  public:
    explicit WalkQueue(unsigned threads) : threads_(threads) {}
    ~WalkQueue() {
        for (auto& item : pending_) ::close(item.fd);
    }

    // Whether a thread is waiting for work and the queue cannot feed it.
    bool hungry() const {
        return idle_.load(std::memory_order_relaxed) > queued_.load(std::memory_order_relaxed);
    }

    // A directory with its status as it was opened, and its order key (so that its entries
    // sort where they belong).
    using Item = TreeWalker::SharedFolder;

    void push(Item item) {
        {
            std::lock_guard lock(mutex_);
            pending_.push_back(std::move(item));
            queued_.store(pending_.size(), std::memory_order_relaxed);
        }
        ready_.notify_one();
    }

    // The next directory, or false when every thread is idle and nothing is left.
    bool take(Item& item) {
        std::unique_lock lock(mutex_);
        idle_.fetch_add(1, std::memory_order_relaxed);
        ready_.wait(lock, [&] { return !pending_.empty() || idle_.load() == threads_; });
        if (pending_.empty()) {
            ready_.notify_all();  // everyone is idle: the walk is over
            return false;
        }
        idle_.fetch_sub(1, std::memory_order_relaxed);
        item = std::move(pending_.front());
        pending_.pop_front();
        queued_.store(pending_.size(), std::memory_order_relaxed);
        return true;
    }

  private:
    const std::size_t threads_;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<Item> pending_;
    std::atomic<std::size_t> idle_{0}, queued_{0};
};

}  // namespace detail

// Walks below the directory open as `rootFd` (which stays the caller's); `root` is its path. A
// stop asked through `stop` ends every thread's walk at its next folder.
template <class MakeVisitor>
auto parallelTreeWalk(int rootFd, const Path& root, unsigned threads, MakeVisitor makeVisitor,
                      std::stop_token stop = {}) -> std::vector<decltype(makeVisitor())> {
    using Visitor = decltype(makeVisitor());
    threads = std::max(1u, threads);
    std::vector<Visitor> visitors;
    for (unsigned i = 0; i < threads; ++i) visitors.push_back(makeVisitor());

    auto rootStatus = statDescriptor(rootFd);
    if (!rootStatus || !rootStatus->isDirectory()) return visitors;
    if (threads == 1) {
        TreeWalker walker;
        walker.setStop(stop);
        detail::listenForSkips(visitors[0], walker);
        walker.walk(rootFd, root, [&](const TreeWalker::Entry& e) {
            return detail::visit(visitors[0], walker, e);
        });
        return visitors;
    }
    int ownFd = ::fcntl(rootFd, F_DUPFD_CLOEXEC, 0);
    if (ownFd < 0) return visitors;

    detail::WalkQueue queue(threads);
    queue.push({ownFd, *rootStatus, root, {}});
    auto work = [&](Visitor& visitor) {
        TreeWalker walker;
        walker.setStop(stop);
        detail::listenForSkips(visitor, walker);
        auto visitOne = [&](const TreeWalker::Entry& e) {
            return detail::visit(visitor, walker, e);
        };
        auto handOff = [&](const TreeWalker::Entry& e) {
            bool descend = visitOne(e);
            if (!queue.hungry()) return descend;
            TreeWalker::SharedFolder shared;
            if (walker.shareShallowFolder(visitOne, shared)) {
                queue.push(std::move(shared));
                return descend;
            }
            if (!descend || !e.status.isDirectory()) return descend;
            shared.fd = walker.takeFolder(e);
            if (shared.fd < 0) {  // unreadable, or swapped since it was listed: nowhere to go
                if constexpr (detail::HearsSkips<Visitor>)
                    visitor.skipped(walker, e, UnreadReason::unreadable);
                return false;
            }
            queue.push({shared.fd, e.status, walker.pathOf(e), walker.orderKey(e)});
            return false;
        };
        detail::WalkQueue::Item item;
        while (queue.take(item)) {
            // Stopped: the folders still queued are closed unread.
            if (!stop.stop_requested()) {
                walker.setOrderPrefix(std::move(item.key));
                walker.walk(item.fd, item.path, item.status, handOff);
            }
            ::close(item.fd);
        }
    };
    std::vector<std::thread> pool;
    for (unsigned i = 1; i < threads; ++i)
        pool.emplace_back([&work, &visitor = visitors[i]] {
            lowerWalkHelperPriority();
            work(visitor);
        });
    work(visitors[0]);
    for (auto& t : pool) t.join();
    return visitors;
}

// The same below `root`, which is opened without following a final link.
template <class MakeVisitor>
auto parallelTreeWalk(const Path& root, unsigned threads, MakeVisitor makeVisitor,
                      std::stop_token stop = {}) -> std::vector<decltype(makeVisitor())> {
    int fd = ::open(root.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        std::vector<decltype(makeVisitor())> visitors;
        for (unsigned i = 0; i < std::max(1u, threads); ++i) visitors.push_back(makeVisitor());
        return visitors;
    }
    auto visitors = parallelTreeWalk(fd, root, threads, std::move(makeVisitor), std::move(stop));
    ::close(fd);
    return visitors;
}

}  // namespace tornivo
