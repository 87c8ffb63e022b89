#pragma once
// A small pool of database connections shared by the server's threads. A
// thread leases a connection (an idle one, or a new one while fewer than the
// maximum are open, else it waits) and the lease gives it back when it ends.
// A connection the owner no longer trusts is dropped, and the next lease
// opens a new one.
#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace tavrio::server {

template <class Connection>
class cConnectionPool {
 public:
  using Open = std::function<std::unique_ptr<Connection>()>;
  using Reusable = std::function<bool(Connection&)>;

  // `open` makes a new connection (and may throw); `reusable` says whether a
  // connection coming back may serve again (all do when not given).
  cConnectionPool(std::size_t maxConnections, Open open, Reusable reusable = {})
      : maxConnections_(std::max<std::size_t>(1, maxConnections)),
        open_(std::move(open)),
        reusable_(std::move(reusable)) {}

  // Takes a connection opened by the owner (the first one, say) as idle.
  void adopt(std::unique_ptr<Connection> c) {
    std::lock_guard lock(mutex_);
    ++opened_;
    idle_.push_back(std::move(c));
  }

  class cLease {
   public:
    cLease(cConnectionPool& pool, std::unique_ptr<Connection> c) : pool_(pool), c_(std::move(c)) {}
    ~cLease() { pool_.giveBack(std::move(c_)); }
    cLease(const cLease&) = delete;
    cLease& operator=(const cLease&) = delete;
    Connection* operator->() { return c_.get(); }
    Connection& operator*() { return *c_; }

   private:
    cConnectionPool& pool_;
    std::unique_ptr<Connection> c_;
  };

  cLease lease() {
    std::unique_lock lock(mutex_);
    available_.wait(lock, [&] { return !idle_.empty() || opened_ < maxConnections_; });
    if (!idle_.empty()) {
      auto c = std::move(idle_.back());
      idle_.pop_back();
      return cLease(*this, std::move(c));
    }
    ++opened_;
    lock.unlock();
    try {
      return cLease(*this, open_());
    } catch (...) {
      std::lock_guard again(mutex_);
      --opened_;
      available_.notify_one();
      throw;
    }
  }

 private:
  void giveBack(std::unique_ptr<Connection> c) {
    if (c && reusable_ && !reusable_(*c)) c.reset();
    std::lock_guard lock(mutex_);
    if (c) idle_.push_back(std::move(c));
    else --opened_;
    available_.notify_one();
  }

  const std::size_t maxConnections_;
  const Open open_;
  const Reusable reusable_;
  std::size_t opened_ = 0;
  std::vector<std::unique_ptr<Connection>> idle_;
  std::mutex mutex_;
  std::condition_variable available_;
};

}  // namespace tavrio::server
