#include "exercises/quiz/QuizShow.h"

#include "engine/Random.h"
#include "engine/Session.h"

#include <charconv>

namespace tavrio::quiz {
namespace {

constexpr char kCR = '\r';

bool usableDraw(const std::string& original, const std::string& translation)
{
    return !original.empty() && !translation.empty();
}

bool differsFromAll(const std::string& translation, const std::array<std::string, kAnswers>& answers, int count)
{
    for (int i = 0; i < count; ++i)
        if (translation == answers[i])
            return false;
    return true;
}

} // namespace

bool settle(cClimb& climb)
{
    if (climb.arrowY == rowY(5))
        climb.secured = "500";
    else if (climb.arrowY == rowY(10))
        climb.secured = "16000";
    else if (climb.arrowY == kWonY)
        climb.secured = "1000000";
    if (climb.secured != "1000000")
        return false;
    climb.balance += 1000000;
    climb.secured = "0";
    climb.arrowY = kBottomY;
    return true;
}

void climbUp(cClimb& climb) { climb.arrowY -= kRowPitch; }

std::string fallDown(cClimb& climb)
{
    std::string paid = climb.secured;
    climb.balance += amountOf(paid);
    climb.arrowY = kBottomY;
    climb.secured = "0";
    return paid;
}

std::string payoutMessage(const std::string& paid) { return "Leider falsch! Du hast " + paid + " dazu bekommen!"; }

std::string millionMessage(const std::string& learner)
{
    return "Gratulation " + learner + "!" + kCR + "Du hast die MILLION" + kCR + "gewonnen. Bravo.";
}

long long amountOf(const std::string& text)
{
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end ? value : 0;
}

cQuestion buildQuestion(cSession* session, const std::string& previousFirst, int redraws)
{
    using exercises::DrawResult;
    cQuestion q;
    if (!session || session->CountWords(3) == 0)
        return q;
    q.right = Random(kAnswers);
    for (int slot = 0; slot < kAnswers; ++slot) {
        // Button 1 avoids its own previous caption, button 2 avoids button 1,
        // buttons 3 and 4 avoid every button before them.
        auto fits = [&](const std::string& translation) {
            return slot == 0 ? translation != previousFirst : differsFromAll(translation, q.answers, slot);
        };
        // When no draw fits, the last usable one stays (a repeat).
        std::string kept;
        std::string keptOriginal;
        for (int i = 0; i <= redraws; ++i) {
            std::string original;
            std::string translation;
            exercises::drawWord(session, original, translation);
            if (!usableDraw(original, translation))
                continue;
            kept = translation;
            keptOriginal = original;
            if (fits(translation))
                break;
        }
        if (kept.empty()) {
            q.result = DrawResult::NoFitting;
            return q;
        }
        q.answers[slot] = kept;
        if (slot == q.right)
            q.original = keptOriginal;
    }
    q.result = DrawResult::Drawn;
    return q;
}

std::array<int, 2> fiftyFifty(int right)
{
    // Drawn until they fit; with a generator that keeps repeating itself
    // the first fitting buttons are taken instead of drawing forever.
    auto drawOther = [](auto allowed) {
        for (int tries = 0; tries < 1000; ++tries) {
            const int k = Random(kAnswers);
            if (allowed(k))
                return k;
        }
        for (int k = 0;; ++k)
            if (allowed(k))
                return k;
    };
    const int a = drawOther([right](int k) { return k != right; });
    const int b = drawOther([right, a](int k) { return k != right && k != a; });
    return {a, b};
}

std::string telephoneMessage(const std::string& answer)
{
    char letters[3] = {};
    for (char& c : letters) {
        c = answer.empty() ? ' ' : answer[Random(static_cast<int>(answer.size()))];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    auto quoted = [](char c) { return std::string("\"") + c + "\""; };
    return std::string("Ihr Telefonjoker verriet ihnen, ") + kCR + "Da ist ein" + kCR + quoted(letters[0]) + ", " +
           quoted(letters[1]) + " und " + quoted(letters[2]) + kCR + "im Wort drin!";
}

std::array<int, kAnswers> audienceShares(int right, const std::array<bool, kAnswers>& hidden)
{
    std::array<int, kAnswers> votes{100, 100, 100, 100};
    const int x = Random(3);
    votes[right] = x == 0 ? 50 + Random(200) : 100 + Random(1600);
    for (int k = 0; k < kAnswers; ++k)
        if (k != right)
            votes[k] = 100 + Random(200) - 100;
    // "50/50" never hides the right button, which keeps the total above 0.
    for (int k = 0; k < kAnswers; ++k)
        if (hidden[k] && k != right)
            votes[k] = 0;
    int total = 0;
    for (int v : votes)
        total += v;
    std::array<int, kAnswers> shares{};
    int others = 0;
    for (int k = 0; k < kAnswers; ++k) {
        if (k == right)
            continue;
        shares[k] = votes[k] * 100 / total;
        others += shares[k];
    }
    shares[right] = 100 - others;
    return shares;
}

std::string audienceMessage(const std::array<int, kAnswers>& shares, const std::array<std::string, kAnswers>& answers)
{
    std::string text = std::string("Publikums-Joker") + kCR + "Er ergab :" + kCR;
    for (int k = 0; k < kAnswers; ++k)
        text += std::to_string(shares[k]) + "% " + answers[k] + kCR;
    return text;
}

} // namespace tavrio::quiz
