// The entry points of the tavrio_io module (ui/IoModule.h loads it). Each
// returns a new adapter; the caller owns it.
#include "exchange/qt/QtHttpClient.h"
#include "exchange/qt/QtSocketClient.h"
#include "ui/io/QtSound.h"

extern "C" {

Q_DECL_EXPORT tavrio::SoundSeam* tavrioCreateSound() { return tavrio::newQtSound(); }

Q_DECL_EXPORT tavrio::exchange::cHttpClient* tavrioCreateHttpClient(int timeoutMs)
{
    auto* client = new tavrio::exchange::cQtHttpClient;
    client->setTimeoutMs(timeoutMs);
    return client;
}

Q_DECL_EXPORT tavrio::exchange::cSocketClient* tavrioCreateSocketClient(int timeoutMs)
{
    auto* client = new tavrio::exchange::cQtSocketClient;
    client->setTimeoutMs(timeoutMs);
    return client;
}

} // extern "C"
