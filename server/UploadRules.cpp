#include "server/UploadRules.h"

namespace tavrio::server {

bool isSafeFileName(std::string_view name) {
  if (name.empty() || name.size() > kMaxNameLength) return false;
  if (name.front() == '.' || name.front() == ' ') return false;
  if (name.find("..") != std::string_view::npos) return false;
  for (char c : name) {
    auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F) return false;
    switch (c) {
      case '/': case '\\': case ':': case '*': case '?':
      case '"': case '<': case '>': case '|':
        return false;
      default:
        break;
    }
  }
  return true;
}

bool hasListSuffix(std::string_view name) {
  return name.size() > kListSuffix.size() &&
         name.substr(name.size() - kListSuffix.size()) == kListSuffix;
}

bool splitListName(std::string_view fileName, cListName& out) {
  if (!hasListSuffix(fileName)) return false;
  std::string_view stem = fileName.substr(0, fileName.size() - kListSuffix.size());
  std::size_t sep = stem.find(" - ");
  if (sep == std::string_view::npos) {
    out.book = std::string(kLooseListsBook);
    out.chapter = std::string(stem);
  } else {
    out.book = std::string(stem.substr(0, sep));
    out.chapter = std::string(stem.substr(sep + 3));
  }
  return !out.book.empty() && !out.chapter.empty();
}

}  // namespace tavrio::server
