#pragma once
// The demo catalogue a new exchange starts with: three school books with
// real vocabulary, and the change notes of the current program version.
#include "server/ExchangeStore.h"

namespace tavrio::server {

// Fills an empty store; a store that already has books is left alone.
// Returns true when it seeded.
bool seedDemoCatalogue(cExchangeStore& store);

// The four-line list text of one demo chapter (Windows-1252), for tests.
struct cDemoChapter {
  const char* book;     // UTF-8 in the source
  const char* chapter;
  const char* author;
  const char* pairs;    // "original|translation" lines
};
const cDemoChapter* demoChapters(std::size_t& count);
std::string demoListFile(const cDemoChapter& chapter);

}  // namespace tavrio::server
