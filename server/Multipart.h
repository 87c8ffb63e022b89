#pragma once
// A small multipart/form-data reader for upload bodies. It never trusts the
// body: parts must be closed by the next delimiter, a part cut short is left
// out, and at most kMaxParts parts are read.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrio::server {

struct cFormPart {
  std::string name;       // the form field name
  std::string fileName;   // filename parameter, empty for a plain field
  bool isFile = false;    // a filename parameter was present
  std::string data;       // the part's bytes, unchanged
};

struct cFormData {
  std::vector<cFormPart> parts;
  bool closed = false;    // the closing delimiter was found
  // The body breaks the format: a disposition header with an unterminated
  // quote or an unquoted name, or a delimiter line with other bytes after
  // the delimiter. Such a body is refused as a whole.
  bool malformed = false;

  // First part of that name (ASCII case ignored), or nullptr.
  const cFormPart* find(std::string_view name) const;
  // Number of parts of that name (ASCII case ignored).
  std::size_t count(std::string_view name) const;
};

inline constexpr std::size_t kMaxParts = 16;

// The boundary parameter of a Content-Type value, when it is multipart/form-data.
std::optional<std::string> multipartBoundary(std::string_view contentType);

cFormData parseMultipart(std::string_view body, std::string_view boundary);

}  // namespace tavrio::server
