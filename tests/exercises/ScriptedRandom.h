#pragma once
// Replaces the program's random generator for one scope: each Random(n)
// takes the next scripted value and records n. When the script runs out,
// draws return 0 and count as overrun.
#include "engine/Random.h"

#include <deque>
#include <vector>

namespace tavrio::test {

class cScriptedRandom {
public:
    explicit cScriptedRandom(std::vector<int> values = {})
        : values_(values.begin(), values.end())
    {
        SetRandomSource([this](int n) {
            asked.push_back(n);
            if (values_.empty()) {
                ++overrun;
                return 0;
            }
            const int v = values_.front();
            values_.pop_front();
            return v;
        });
    }
    ~cScriptedRandom() { SetRandomSource({}); }
    cScriptedRandom(const cScriptedRandom&) = delete;
    cScriptedRandom& operator=(const cScriptedRandom&) = delete;

    void add(std::vector<int> values) { values_.insert(values_.end(), values.begin(), values.end()); }
    std::size_t left() const { return values_.size(); }

    std::vector<int> asked; // the n of every Random(n), in order
    int overrun = 0;

private:
    std::deque<int> values_;
};

} // namespace tavrio::test
