#include "exchange/XmlParser.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

void cXMLparser::Parse(std::string_view text)
{
    keys_.clear();
    values_.clear();
    first_.clear();
    paths_.clear();
    counts_.clear();
    budget_ = ScanFactor * (text.size() + 64);
    exhausted_ = false;
    ParseElements(text, std::string(), 0);
}

std::size_t cXMLparser::Find(std::string_view data, std::string_view what)
{
    const std::size_t at = data.find(what);
    const std::size_t scanned = at == std::string_view::npos ? data.size() : at + what.size();
    if (scanned > budget_) {
        budget_ = 0;
        exhausted_ = true;
    } else {
        budget_ -= scanned;
    }
    return at;
}

std::string cXMLparser::GetValue(const std::string& key) const
{
    const auto it = first_.find(key);
    if (it == first_.end())
        return "(" + key + ") EXISTIERT NICHT";
    return values_[it->second];
}

int cXMLparser::GetInt(const std::string& key) const
{
    const std::string text = GetValue(key);
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'))
        ++pos;
    if (pos < text.size() && text[pos] == '+')
        ++pos;
    std::int32_t value = 0;
    const char* begin = text.data() + pos;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end || begin == end)
        return 0;
    return value;
}

bool cXMLparser::KeyExists(const std::string& key, int index) const
{
    const std::string k = index == 0 ? key : key + "[" + std::to_string(index) + "]";
    return paths_.count(k) != 0;
}

int cXMLparser::CountOf(const std::string& key) const
{
    int& n = counts_[key];
    while (KeyExists(key, n))
        ++n;
    return n;
}

std::string cXMLparser::Indexed(const std::string& key) const
{
    const int n = CountOf(key);
    return n == 0 ? key : key + "[" + std::to_string(n) + "]";
}

void cXMLparser::Append(const std::string& key, std::string_view value)
{
    keys_.push_back(key);
    values_.emplace_back(value);
    first_.emplace(key, keys_.size() - 1);
    paths_.insert(key);
    for (std::size_t dot = key.find('.', 1); dot != std::string::npos; dot = key.find('.', dot + 1))
        paths_.insert(key.substr(0, dot));
}

void cXMLparser::ParseElements(std::string_view data, const std::string& prefix, int depth)
{
    // Siblings are handled in this loop; only children recurse.
    for (;;) {
        const std::size_t open = Find(data, "<");
        if (open == std::string_view::npos || exhausted_)
            return;
        data.remove_prefix(open);
        const std::size_t close = Find(data, ">");
        if (close == std::string_view::npos || exhausted_)
            return; // an unterminated tag ends the text
        const std::string name(data.substr(1, close - 1));
        data.remove_prefix(close + 1);

        const std::string closing = "</" + name + ">";
        const std::size_t nextOpen = Find(data, "<");
        const std::size_t nextClosing = Find(data, "</");
        const std::size_t end = Find(data, closing);
        if (exhausted_)
            return;
        const std::string key = prefix + "." + name;
        if (nextOpen == nextClosing) {
            const std::string_view content =
                nextClosing == std::string_view::npos ? std::string_view() : data.substr(0, nextClosing);
            Append(Indexed(key), content);
        } else {
            const std::string_view inner = end == std::string_view::npos ? std::string_view() : data.substr(0, end);
            if (depth < MaxDepth)
                ParseElements(inner, Indexed(key), depth + 1);
            if (exhausted_)
                return;
        }

        if (end != std::string_view::npos)
            data.remove_prefix(end + closing.size());
        else
            data.remove_prefix(std::min(closing.size() - 1, data.size()));
    }
}
