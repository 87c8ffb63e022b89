#include "exercises/frame/Crib.h"

#include "engine/Random.h"

namespace tavrio::exercises {

std::string cribLetters(const std::string& word)
{
    std::string result;
    if (word.empty())
        return result;
    const std::string mask(word.size(), '*');
    std::string work = word;
    const int n = static_cast<int>(work.size());
    do {
        const int pos = Random(n);
        if (work[pos] != '*') {
            result += work[pos];
            work[pos] = '*';
        }
    } while (work != mask);
    return result;
}

} // namespace tavrio::exercises
