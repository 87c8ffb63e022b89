#include "exercises/singlequery/ThreeLineList.h"

namespace tavrio::singlequery {
namespace {
enum { Original, Translation, Mark, Phonetic };
bool flagIsDigit(std::string_view mark) { return !mark.empty() && mark[0] >= '0' && mark[0] <= '9'; }
bool flagSelected(std::string_view mark) { return !mark.empty() && mark[0] == '1'; }
} // namespace

cThreeLineList::cThreeLineList(std::vector<cListEntry> entries)
{
    for (const cListEntry& e : entries)
        append(e.original, e.translation, e.mark, e.phonetic);
}

void cThreeLineList::append(std::string_view original, std::string_view translation, std::string_view mark,
                            std::string_view phonetic)
{
    entries_.push_back({original, translation, mark, phonetic});
}

cThreeLineList cThreeLineList::parse(const std::string& bytes)
{
    cThreeLineList list;
    // Counted first, so the table is sized once.
    std::size_t count = 0;
    std::size_t rowBytes = 0;
    ForEachList3(bytes, [&](std::string_view o, std::string_view t, std::string_view m, std::string_view p) {
        ++count;
        rowBytes += cFieldTable::RowBytes({o, t, m, p});
    });
    list.entries_.reserveMore(count, rowBytes);
    ForEachList3(bytes, [&list](std::string_view o, std::string_view t, std::string_view m, std::string_view p) {
        list.append(o, t, m, p);
    });
    return list;
}

std::optional<cThreeLineList> cThreeLineList::read(const std::string& path, cReadResult* result)
{
    std::string bytes;
    const cReadResult r = ReadFileLimited(path, bytes, MaxListBytes);
    if (result)
        *result = r;
    if (r != cReadResult::Ok)
        return std::nullopt;
    return parse(bytes);
}

ListCheck cThreeLineList::check() const
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const std::string_view mark = entries_.field(i, Mark);
        if (!flagIsDigit(mark))
            return ListCheck::BadFormat;
        if (flagSelected(mark))
            return ListCheck::Usable;
    }
    return ListCheck::NothingSelected;
}

int cThreeLineList::countSelected() const
{
    int n = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i)
        n += flagSelected(entries_.field(i, Mark)) ? 1 : 0;
    return n;
}

std::optional<cListEntry> cThreeLineList::selected(int k) const
{
    int seen = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (flagSelected(entries_.field(i, Mark)) && ++seen == k)
            return cListEntry{std::string(entries_.field(i, Original)), std::string(entries_.field(i, Translation)),
                              std::string(entries_.field(i, Mark)), std::string(entries_.field(i, Phonetic))};
    }
    return std::nullopt;
}

} // namespace tavrio::singlequery
