#include "exercises/singlequery/ThreeLineList.h"

namespace tavrio::singlequery {
namespace {
bool flagIsDigit(const std::string& mark) { return !mark.empty() && mark[0] >= '0' && mark[0] <= '9'; }
bool flagSelected(const std::string& mark) { return !mark.empty() && mark[0] == '1'; }
} // namespace

cThreeLineList::cThreeLineList(std::vector<cListEntry> entries)
    : entries_(std::move(entries))
{
}

cThreeLineList cThreeLineList::parse(const std::string& bytes) { return cThreeLineList(ParseList3(bytes)); }

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
    for (const cListEntry& e : entries_) {
        if (!flagIsDigit(e.mark))
            return ListCheck::BadFormat;
        if (flagSelected(e.mark))
            return ListCheck::Usable;
    }
    return ListCheck::NothingSelected;
}

int cThreeLineList::countSelected() const
{
    int n = 0;
    for (const cListEntry& e : entries_)
        n += flagSelected(e.mark) ? 1 : 0;
    return n;
}

std::optional<cListEntry> cThreeLineList::selected(int k) const
{
    int seen = 0;
    for (const cListEntry& e : entries_) {
        if (flagSelected(e.mark) && ++seen == k)
            return e;
    }
    return std::nullopt;
}

} // namespace tavrio::singlequery
