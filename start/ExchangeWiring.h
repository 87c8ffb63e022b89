#pragma once
// Puts the exchange onto the start screen in one call: creates the
// program's query and file transfer clients from the exchange configuration
// (owned by the start screen), builds pages 4 and 5 and the editor page's
// Button20 on their containers, loads the exchange background whenever
// page 4 is entered, and answers the start screen's version check.
class TFormStart;

namespace tavrio::exchange {
class cExchangeClients;

cExchangeClients& installExchange(TFormStart& start);

} // namespace tavrio::exchange
