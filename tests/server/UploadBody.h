#pragma once
// An upload body in the layout the program writes: the size limit, the
// wished name, then the list under the file name "pelikor.txt".
#include <string>

namespace tavrio::server::testing {

inline const std::string kBoundary = "---------------------------24464570528145";
inline const std::string kContentType = "multipart/form-data; boundary=" + kBoundary;

// Without the file part when withFile is false.
inline std::string uploadBody(const std::string& wish, const std::string& file, bool withFile = true) {
  const std::string d = "--" + kBoundary;
  std::string body = d + "\r\nContent-Disposition: form-data; name=\"MAX_FILE_SIZE\"\r\n\r\n1000000\r\n" +
                     d + "\r\nContent-Disposition: form-data; name=\"Wunschname\"\r\n\r\n" + wish + "\r\n";
  if (withFile)
    body += d + "\r\nContent-Disposition: form-data; name=\"userfile\"; filename=\"pelikor.txt\"\r\n"
                "Content-Type: application/rdf+xml\r\n\r\n" + file + "\r\n";
  return body + d + "--\r\n";
}

}  // namespace tavrio::server::testing
