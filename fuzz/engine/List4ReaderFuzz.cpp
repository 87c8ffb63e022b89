// The four-line list reader, directly and through the learner session: any
// bytes load, and a formatted list reads back as the same entries.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/ListFile.h"
#include "engine/Session.h"
#include "fuzz/engine/FuzzCheck.h"
#include "fuzz/engine/ScratchDir.h"

namespace {
bool same(const std::vector<cListEntry>& a, const std::vector<cListEntry>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].original != b[i].original || a[i].translation != b[i].translation || a[i].mark != b[i].mark ||
            a[i].phonetic != b[i].phonetic)
            return false;
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const cScratchDir scratch;
    const auto entries = ParseList4(bytes);
    FUZZ_CHECK(same(ParseList4(FormatList4(entries)), entries));

    // A fresh session now and then, so statistics do not pile up.
    static std::unique_ptr<cSession> session;
    static int runs = 0;
    if (runs++ % 1000 == 0) {
        WriteFileAtomic("list.pfl", std::string("\x04" "list"));
        session = std::make_unique<cSession>("list");
    }
    FUZZ_CHECK(WriteFileAtomic("fuzz.vok", bytes));
    session->ClearWords();
    session->AddVocabularyFile("fuzz.vok");
    int marked = 0;
    for (const auto& e : entries)
        marked += e.mark == "1";
    FUZZ_CHECK(session->CountWords(3) == marked);
    FUZZ_CHECK(session->CountWords(0) + session->CountWords(1) + session->CountWords(2) == marked);
    for (const auto& e : entries) {
        if (e.mark != "1")
            continue;
        FUZZ_CHECK(session->IstDasRichtig(e.translation, e.original, e.original));
        FUZZ_CHECK(session->IstDasRichtigNoCase(e.original, e.translation, e.translation));
    }
    std::string o, t, p;
    for (int d = 0; d < 4; ++d)
        session->GetRandomWord(o, t, p, d);
    return 0;
}
