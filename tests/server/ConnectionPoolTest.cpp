// The stores' connection pool: reuse, the limit, broken connections.
#include <gtest/gtest.h>

#include <future>
#include <memory>
#include <stdexcept>

#include "server/ConnectionPool.h"

namespace {

struct cFake {
    int id;
    bool healthy = true;
};

TEST(ConnectionPool, ReusesWaitsAtTheLimitAndReplacesBrokenOrFailedConnections)
{
    int opened = 0;
    bool failNext = false;
    const auto open = [&] {
        if (failNext)
            throw std::runtime_error("no connection");
        return std::make_unique<cFake>(cFake{++opened});
    };
    tavrio::server::cConnectionPool<cFake> pool(2, open, [](cFake& c) { return c.healthy; });

    { auto a = pool.lease(); EXPECT_EQ(a->id, 1); }
    { auto a = pool.lease(); EXPECT_EQ(a->id, 1); }  // given back, reused

    auto first = pool.lease();
    std::future<int> third;
    {
        auto second = pool.lease();
        EXPECT_EQ(second->id, 2);
        // A third lease waits until one comes back.
        third = std::async(std::launch::async, [&] { return pool.lease()->id; });
        EXPECT_EQ(third.wait_for(std::chrono::milliseconds(50)), std::future_status::timeout);
        second->healthy = false;
    }  // broken: dropped, so the waiting lease opens a new one
    EXPECT_EQ(third.get(), 3);
    EXPECT_EQ(first->id, 1);

    // A failed opening frees its place for the next lease.
    tavrio::server::cConnectionPool<cFake> single(1, open);
    failNext = true;
    EXPECT_THROW(single.lease(), std::runtime_error);
    failNext = false;
    auto later = std::async(std::launch::async, [&] { return single.lease()->id; });
    ASSERT_EQ(later.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(later.get(), 4);
}

} // namespace
