#pragma once
// The two byte-wise encodings the exchange client puts into URLs. Both work
// on 8-bit Windows-1252 bytes and never convert them.
#include <string>
#include <string_view>

namespace tavrio::exchange {

// A list file name in a download path: letters, digits and ! $ ' ( ) * - . @ _
// stay, a blank becomes "%20", every other byte "%XX" (uppercase hex).
// "Englisch 5 - Unit 1.vok" -> "Englisch%205%20-%20Unit%201.vok".
std::string encodeFileName(std::string_view name);

// Text put into a query string "as typed": every byte that cannot stand in
// an HTTP request line (blank, control bytes, bytes >= 128, and " < > \ ^ `
// { | }) and every byte that would change the query's meaning ("%", "&",
// "#", "+", "=") becomes "%XX"; all else stays, so the server decodes
// exactly the typed bytes.
std::string encodeQueryText(std::string_view text);

} // namespace tavrio::exchange
