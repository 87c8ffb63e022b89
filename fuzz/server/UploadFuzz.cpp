// Feeds arbitrary upload requests to the exchange's upload handling.
// Input: an optional first line "Content-Type: <value>\n", then the body;
// without it the body is sent under the program's own multipart type.
// Besides crashes it checks that every answer is one well-formed upload
// record and that an upload reported successful can be downloaded unchanged.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "server/ExchangeService.h"
#include "server/Multipart.h"
#include "server/SqliteStore.h"
#include "server/UploadRules.h"

namespace {

using namespace tavrio::server;

constexpr std::string_view kDefaultType =
    "multipart/form-data; boundary=---------------------------24464570528145";

struct cFixture {
  cSqliteStore store{":memory:"};
  cExchangeService service{store, [] {
                             cServiceSettings s;
                             s.maxUploadBytes = 4096;  // small, so the limit is reached
                             return s;
                           }()};
};

std::unique_ptr<cFixture> gFixture;
int gRuns = 0;

void check(bool ok) {
  if (!ok) __builtin_trap();
}

std::string leafValue(const std::string& body, const std::string& name) {
  const std::string open = "<" + name + ">", close = "</" + name + ">";
  std::size_t a = body.find(open);
  if (a == std::string::npos) return {};
  a += open.size();
  std::size_t b = body.find(close, a);
  return b == std::string::npos ? std::string() : body.substr(a, b - a);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A fresh store now and then keeps memory bounded.
  if (!gFixture || ++gRuns % 512 == 0) gFixture = std::make_unique<cFixture>();

  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string_view contentType = kDefaultType;
  constexpr std::string_view kHeader = "Content-Type: ";
  if (input.substr(0, kHeader.size()) == kHeader) {
    std::size_t nl = input.find('\n');
    if (nl == std::string_view::npos) nl = input.size();
    contentType = input.substr(kHeader.size(), nl - kHeader.size());
    input.remove_prefix(std::min(input.size(), nl + 1));
  }
  const bool cut = input.size() > gFixture->service.uploadBodyLimit();

  cReply reply = gFixture->service.upload(contentType, input, cut);

  // One record, nothing outside it, and no "<" inside any value.
  const std::string& body = reply.body;
  check(body.rfind("<upload><result>", 0) == 0);
  check(body.size() >= 9 && body.compare(body.size() - 9, 9, "</upload>") == 0);
  std::size_t tags = 0;
  for (char c : body) tags += c == '<';
  const std::string result = leafValue(body, "result");
  check(result == "successful" || result == "failed");
  check(tags == (result == "successful" ? 6u : 8u));
  check((reply.status == 200) == (result == "successful"));

  if (result == "successful") {
    cFormData form = parseMultipart(input, *multipartBoundary(contentType));
    const cFormPart* wish = form.find("Wunschname");
    const cFormPart* file = form.find("userfile");
    check(wish && file && isSafeFileName(wish->data));
    check(leafValue(body, "filename") == wish->data);
    cListName name;
    check(splitListName(wish->data, name));
    auto stored = gFixture->store.listFile(name.fileName());
    check(stored && *stored == file->data);
    check(file->data.find('\0') == std::string::npos);
    check(file->data.size() <= gFixture->service.settings().maxUploadBytes);
  }
  return 0;
}
