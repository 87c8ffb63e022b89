#pragma once
// Reads the flat tagged answers of the exchange in tests: records are the
// top-level elements of one name, fields the leaves inside them.
#include <string>
#include <vector>

namespace tavrio::server::testing {

inline std::vector<std::string> records(const std::string& body, const std::string& name) {
  std::vector<std::string> out;
  const std::string open = "<" + name + ">", close = "</" + name + ">";
  std::size_t pos = 0;
  while ((pos = body.find(open, pos)) != std::string::npos) {
    std::size_t start = pos + open.size();
    std::size_t end = body.find(close, start);
    if (end == std::string::npos) break;
    out.push_back(body.substr(start, end - start));
    pos = end + close.size();
  }
  return out;
}

// The first leaf of that name; "<missing>" when there is none.
inline std::string field(const std::string& text, const std::string& name) {
  auto r = records(text, name);
  return r.empty() ? std::string("<missing>") : r.front();
}

}  // namespace tavrio::server::testing
