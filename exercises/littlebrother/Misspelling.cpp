#include "exercises/littlebrother/Misspelling.h"

#include "engine/Random.h"

#include <utility>

namespace tavrio::littlebrother {

cOffer offerSpellings(const std::string& translation)
{
    cOffer offer;
    std::string wrong = translation;
    const std::size_t s = translation.find('s');
    if (s != std::string::npos && Random(4) == 1) {
        offer.kind = Misspelling::Sound;
        offer.rightButton = Random(2) + 1;
        wrong[s] = Random(2) == 1 ? 'z' : 'c';
    } else {
        offer.kind = Misspelling::Swapped;
        offer.rightButton = Random(2) + 1;
        const int n = static_cast<int>(translation.size());
        if (n > 0) {
            int a = 0;
            int b = 0;
            do {
                a = Random(n) + 1;
                b = Random(n) + 1;
            } while (a == b && n != 1);
            std::swap(wrong[static_cast<std::size_t>(a - 1)], wrong[static_cast<std::size_t>(b - 1)]);
        }
    }
    offer.answer1 = offer.rightButton == 1 ? translation : wrong;
    offer.answer2 = offer.rightButton == 1 ? wrong : translation;
    return offer;
}

std::string scoreLine(int wrong, int answered)
{
    return "Bis jetzt, " + std::to_string(wrong) + " nicht richtig gesagt von " + std::to_string(answered);
}

} // namespace tavrio::littlebrother
