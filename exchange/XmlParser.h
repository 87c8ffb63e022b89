#pragma once
// cXMLparser: turns the exchange server's tagged answers into a flat table
// of dotted keys (".titel", ".buch.id", ".kapitel[2].autor"). It splits text
// at "<", ">" and "</" only: no attributes, entities or empty-element tags.
// Only leaves produce entries; repeated names under one parent are numbered
// in document order, the first unindexed, the second "[1]".
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class cXMLparser {
public:
    // Elements nested deeper than this are skipped, so hostile input cannot
    // exhaust the stack.
    static constexpr int MaxDepth = 64;
    // Parsing stops, keeping what it has read, once its searches have
    // scanned this many times the text's length: answers of the exchange
    // take a few passes, while tags that never close would otherwise make
    // every element scan the rest of the text.
    static constexpr std::size_t ScanFactor = 32;

    // Empties the table, then parses `text`. Never fails.
    void Parse(std::string_view text);
    // The value of the first entry with exactly this key, or
    // "(" + key + ") EXISTIERT NICHT".
    std::string GetValue(const std::string& key) const;
    // GetValue as a signed 32-bit decimal; 0 for a missing key, an empty
    // value or text that does not convert.
    int GetInt(const std::string& key) const;
    // The smallest n >= 0 for which KeyExists(key, n) is false.
    int CountOf(const std::string& key) const;
    // True when `key` (index 0) or key + "[index]" is a key of the table or
    // a dotted prefix of one.
    bool KeyExists(const std::string& key, int index) const;

    const std::vector<std::string>& Keys() const { return keys_; }
    const std::vector<std::string>& Values() const { return values_; }

private:
    void ParseElements(std::string_view data, const std::string& prefix, int depth);
    // data.find(what), charged to the scan budget.
    std::size_t Find(std::string_view data, std::string_view what);
    void Append(const std::string& key, std::string_view value);
    std::string Indexed(const std::string& key) const;

    std::vector<std::string> keys_;
    std::vector<std::string> values_;
    // Lookup aids over the same table: first position of each key, and every
    // key plus each of its prefixes that ends before a ".".
    std::unordered_map<std::string, std::size_t> first_;
    std::unordered_set<std::string> paths_;
    // CountOf results so far; the table only grows, so a count never shrinks
    // until the next Parse.
    mutable std::unordered_map<std::string, int> counts_;
    std::size_t budget_ = 0; // bytes the searches of this parse may still scan
    bool exhausted_ = false;
};
