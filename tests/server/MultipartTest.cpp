#include "server/Multipart.h"

#include <gtest/gtest.h>

#include "UploadBody.h"

namespace tavrio::server {
namespace {

using testing::kBoundary;
using testing::uploadBody;
const std::string kDelimiter = "--" + kBoundary;

TEST(Multipart, readsTheProgramsUploadBody) {
  const std::string file = "dog\r\nHund\r\n1\r\n\r\n";
  cFormData form = parseMultipart(uploadBody("x.vok", file), kBoundary);
  ASSERT_TRUE(form.closed);
  ASSERT_EQ(form.parts.size(), 3u);
  EXPECT_EQ(form.find("MAX_FILE_SIZE")->data, "1000000");
  EXPECT_EQ(form.find("wunschname")->data, "x.vok");
  const cFormPart* f = form.find("userfile");
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->isFile);
  EXPECT_EQ(f->fileName, "pelikor.txt");
  EXPECT_EQ(f->data, file);
  EXPECT_FALSE(form.find("MAX_FILE_SIZE")->isFile);
}

TEST(Multipart, fileBytesSurviveUnchanged) {
  // Line ends, a lone CR, a delimiter look-alike without the leading CR LF,
  // and high bytes are all part of the file.
  const std::string file = "a\r\n\r\nb\r" + kDelimiter + "x\xFC\xE4\r\n";
  cFormData form = parseMultipart(uploadBody("x.vok", file), kBoundary);
  ASSERT_NE(form.find("userfile"), nullptr);
  EXPECT_EQ(form.find("userfile")->data, file);
}

TEST(Multipart, emptyFilePartHasNoBytes) {
  cFormData form = parseMultipart(uploadBody("x.vok", ""), kBoundary);
  ASSERT_NE(form.find("userfile"), nullptr);
  EXPECT_EQ(form.find("userfile")->data, "");
  EXPECT_TRUE(form.closed);
}

TEST(Multipart, damagedBodiesKeepOnlyCompleteParts) {
  const std::string full = uploadBody("x.vok", "dog\r\nHund\r\n");
  struct Row { const char* name; std::string body; std::size_t parts; bool closed; };
  const Row rows[] = {
      {"empty", "", 0, false},
      {"noDelimiter", "hello world", 0, false},
      {"cutInsideFile", full.substr(0, full.size() - 30), 2, false},
      {"cutBeforeClosing", full.substr(0, full.size() - 4), 3, false},
      {"headersNeverEnd", kDelimiter + "\r\nContent-Disposition: form-data; name=\"a\"\r\n", 0, false},
      {"preambleBeforeFirstDelimiter", "junk\r\n" + full, 3, true},
  };
  for (const auto& r : rows) {
    cFormData form = parseMultipart(r.body, kBoundary);
    EXPECT_EQ(form.parts.size(), r.parts) << r.name;
    EXPECT_EQ(form.closed, r.closed) << r.name;
  }
}

TEST(Multipart, malformedBodiesAreMarked) {
  const std::string d = kDelimiter;
  auto field = [&](const std::string& disposition, const std::string& value) {
    return d + "\r\nContent-Disposition: " + disposition + "\r\n\r\n" + value + "\r\n";
  };
  const std::string wish = field("form-data; name=\"Wunschname\"", "x.vok");
  const std::string close = d + "--\r\n";
  struct Row { const char* name; std::string body; bool malformed; };
  const Row rows[] = {
      {"wellFormed", uploadBody("x.vok", "a\r\nb\r\n"), false},
      {"unterminatedQuoteInName", field("form-data; name=\"Wunschname", "x.vok") + close, true},
      {"unterminatedQuoteInFileName",
       field("form-data; name=\"userfile\"; filename=\"p.txt", "a") + wish + close, true},
      {"unquotedName", field("form-data; name=Wunschname", "x.vok") + close, true},
      {"fileLineStartsWithDelimiter", uploadBody("x.vok", "a\r\n" + d + "xyz\r\nb\r\n"), true},
      {"fileLineLooksLikeTheClosingDelimiter", uploadBody("x.vok", "a\r\n" + d + "--\r\nb\r\n"), true},
      {"closingDelimiterWithTrailingBytes", wish + d + "--junk\r\n", true},
      {"paddingBlanksAfterDelimiter", d + "  \r\nContent-Disposition: form-data; name=\"a\"\r\n\r\nv\r\n" + close,
       false},
      {"cutRightAfterADelimiter", wish + d, false},
  };
  for (const auto& r : rows) EXPECT_EQ(parseMultipart(r.body, kBoundary).malformed, r.malformed) << r.name;
}

TEST(Multipart, partCountIsBounded) {
  std::string body;
  for (int i = 0; i < 100; ++i)
    body += kDelimiter + "\r\nContent-Disposition: form-data; name=\"f\"\r\n\r\nv\r\n";
  body += kDelimiter + "--\r\n";
  EXPECT_EQ(parseMultipart(body, kBoundary).parts.size(), kMaxParts);
}

TEST(Multipart, boundaryComesFromTheContentType) {
  struct Row { const char* in; std::optional<std::string> boundary; };
  const Row rows[] = {
      {"multipart/form-data; boundary=---------------------------24464570528145", kBoundary},
      {"Multipart/Form-Data; BOUNDARY=\"abc;def\"", std::string("abc;def")},
      {"multipart/form-data; charset=x; boundary=zz", std::string("zz")},
      {"multipart/form-data", std::nullopt},
      {"multipart/form-data; boundary=", std::nullopt},
      {"text/plain; boundary=abc", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& r : rows) EXPECT_EQ(multipartBoundary(r.in), r.boundary) << r.in;
}

TEST(Multipart, quotedParametersMayHoldSemicolons) {
  std::string body = kDelimiter +
                     "\r\nContent-Disposition: form-data; name=\"a;b\"; filename=\"c;d.vok\"\r\n\r\nv\r\n" +
                     kDelimiter + "--\r\n";
  cFormData form = parseMultipart(body, kBoundary);
  ASSERT_EQ(form.parts.size(), 1u);
  EXPECT_EQ(form.parts[0].name, "a;b");
  EXPECT_EQ(form.parts[0].fileName, "c;d.vok");
}

}  // namespace
}  // namespace tavrio::server
