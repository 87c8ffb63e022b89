#include "server/ListText.h"

namespace tavrio::server {

std::vector<std::string_view> splitLines(std::string_view content) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string_view::npos) end = content.size();
    std::size_t stop = end;
    if (stop > start && content[stop - 1] == '\r') --stop;
    lines.push_back(content.substr(start, stop - start));
    start = end + 1;
  }
  return lines;
}

int countPairs(std::string_view content) {
  auto lines = splitLines(content);
  // Trailing empty lines carry no entry.
  std::size_t n = lines.size();
  while (n > 0 && lines[n - 1].empty()) --n;
  return static_cast<int>((n + 3) / 4);
}

std::string listWords(std::string_view content) {
  auto lines = splitLines(content);
  std::string words;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i % 4 > 1) continue;
    words.append(lines[i]);
    words.push_back('\n');
  }
  return words;
}

}  // namespace tavrio::server
