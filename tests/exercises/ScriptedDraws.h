#pragma once
// Scripts the program's generator: Random(n) returns the queued draws in
// order, 0 once the queue is empty. Restores the generator when destroyed.
#include "engine/Random.h"

#include <deque>

namespace tavrio::test {

struct cScriptedDraws {
    explicit cScriptedDraws(std::deque<int> draws = {})
        : queue(std::move(draws))
    {
        SetRandomSource([this](int) {
            if (queue.empty())
                return 0;
            const int v = queue.front();
            queue.pop_front();
            return v;
        });
    }
    ~cScriptedDraws() { SetRandomSource({}); }
    cScriptedDraws(const cScriptedDraws&) = delete;
    cScriptedDraws& operator=(const cScriptedDraws&) = delete;

    std::deque<int> queue;
};

} // namespace tavrio::test
