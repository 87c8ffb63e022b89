#include "server/Multipart.h"

#include "server/TextBytes.h"

namespace tavrio::server {

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string asciiLower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return out;
}

// Value of a parameter such as name="x" in a header value; quotes removed.
// A quoted value may hold ";" and ends at the next quote. `quoted` tells
// whether the value stood in quotes; an unterminated quote sets `broken`.
std::optional<std::string> headerParam(std::string_view value, std::string_view param,
                                       bool* quoted = nullptr, bool* broken = nullptr) {
  std::size_t pos = 0;
  while (pos < value.size()) {
    std::size_t eq = value.find('=', pos);
    std::size_t semi = value.find(';', pos);
    if (eq == std::string_view::npos) return std::nullopt;
    if (semi != std::string_view::npos && semi < eq) {  // item without "="
      pos = semi + 1;
      continue;
    }
    std::string_view key = trim(value.substr(pos, eq - pos));
    std::size_t v = eq + 1;
    while (v < value.size() && (value[v] == ' ' || value[v] == '\t')) ++v;
    std::string result;
    std::size_t next;
    const bool inQuotes = v < value.size() && value[v] == '"';
    if (inQuotes) {
      std::size_t close = value.find('"', v + 1);
      if (close == std::string_view::npos) {
        if (broken) *broken = true;
        close = value.size();
      }
      result = std::string(value.substr(v + 1, close - v - 1));
      next = value.find(';', close);
    } else {
      next = value.find(';', v);
      result = std::string(trim(value.substr(v, (next == std::string_view::npos ? value.size() : next) - v)));
    }
    if (equalsAsciiNoCase(key, param)) {
      if (quoted) *quoted = inQuotes;
      return result;
    }
    if (next == std::string_view::npos) return std::nullopt;
    pos = next + 1;
  }
  return std::nullopt;
}

// After a delimiter inside the body only "--" (the closing one) or optional
// blanks and CR LF may follow. Returns the position after that line, or npos
// when other bytes follow or the line never ends.
std::size_t delimiterLineEnd(std::string_view body, std::size_t pos) {
  while (pos < body.size() && (body[pos] == ' ' || body[pos] == '\t')) ++pos;
  if (body.substr(pos, 2) != "\r\n") return std::string_view::npos;
  return pos + 2;
}

}  // namespace

const cFormPart* cFormData::find(std::string_view name) const {
  for (const auto& p : parts)
    if (equalsAsciiNoCase(p.name, name)) return &p;
  return nullptr;
}

std::size_t cFormData::count(std::string_view name) const {
  std::size_t n = 0;
  for (const auto& p : parts) n += equalsAsciiNoCase(p.name, name) ? 1 : 0;
  return n;
}

std::optional<std::string> multipartBoundary(std::string_view contentType) {
  std::size_t semi = contentType.find(';');
  std::string_view type = trim(contentType.substr(0, semi));
  if (!equalsAsciiNoCase(type, "multipart/form-data") || semi == std::string_view::npos)
    return std::nullopt;
  auto b = headerParam(contentType.substr(semi + 1), "boundary");
  if (!b || b->empty() || b->size() > 200) return std::nullopt;
  return b;
}

cFormData parseMultipart(std::string_view body, std::string_view boundary) {
  cFormData form;
  if (boundary.empty()) return form;
  const std::string delimiter = "--" + std::string(boundary);
  const std::string inner = "\r\n" + delimiter;

  // The first delimiter opens the body, either at its very start or after a
  // preamble ending in CR LF.
  std::size_t pos;
  if (body.substr(0, delimiter.size()) == delimiter) {
    pos = delimiter.size();
  } else {
    std::size_t found = body.find(inner);
    if (found == std::string_view::npos) return form;
    pos = found + inner.size();
  }

  while (form.parts.size() < kMaxParts) {
    if (body.substr(pos, 2) == "--") {
      // The closing delimiter: blanks and a line end may follow, then an
      // epilogue that must not hold another delimiter (a file line that
      // looked like the closing one would otherwise cut the file short).
      std::size_t after = pos + 2;
      while (after < body.size() && (body[after] == ' ' || body[after] == '\t')) ++after;
      if (after == body.size() ||
          (body.substr(after, 2) == "\r\n" && body.find(inner, after) == std::string_view::npos)) {
        form.closed = true;
      } else {
        form.malformed = true;
      }
      return form;
    }
    // Rest of the delimiter line (blanks only), then the part headers.
    std::size_t headersStart = delimiterLineEnd(body, pos);
    if (headersStart == std::string_view::npos) {
      // A delimiter followed by other bytes; at the very end of a cut body
      // it is only incomplete.
      form.malformed = body.find("\r\n", pos) != std::string_view::npos;
      return form;
    }
    std::size_t lineEnd = headersStart - 2;
    std::size_t headersEnd = body.find("\r\n\r\n", lineEnd);
    std::size_t dataStart;
    std::string_view headers;
    if (headersEnd == lineEnd) {  // no headers at all
      dataStart = lineEnd + 4;
    } else {
      if (headersEnd == std::string_view::npos) return form;
      headers = body.substr(headersStart, headersEnd - headersStart);
      dataStart = headersEnd + 4;
    }
    std::size_t dataEnd = body.find(inner, dataStart);
    if (dataEnd == std::string_view::npos) return form;  // part cut short

    cFormPart part;
    for (std::size_t h = 0; h <= headers.size();) {
      std::size_t e = headers.find("\r\n", h);
      if (e == std::string_view::npos) e = headers.size();
      std::string_view line = headers.substr(h, e - h);
      std::size_t colon = line.find(':');
      if (colon != std::string_view::npos &&
          asciiLower(trim(line.substr(0, colon))) == "content-disposition") {
        std::string_view value = line.substr(colon + 1);
        bool quoted = false, broken = false;
        if (auto n = headerParam(value, "name", &quoted, &broken)) {
          part.name = *n;
          if (!quoted) broken = true;
        }
        if (auto f = headerParam(value, "filename", nullptr, &broken)) {
          part.fileName = *f;
          part.isFile = true;
        }
        if (broken) {
          form.malformed = true;
          return form;
        }
      }
      h = e + 2;
    }
    part.data = std::string(body.substr(dataStart, dataEnd - dataStart));
    form.parts.push_back(std::move(part));
    pos = dataEnd + inner.size();
  }
  return form;
}

}  // namespace tavrio::server
