#pragma once
// The upload POST over a plain QTcpSocket: connect, write the request, read
// the reply until it is whole, the peer closes, or the byte limit is reached.
// A connection that fails, or no complete reply within the timeout, ends the
// exchange as failed with what has come so far.
#include "exchange/Transport.h"

#include <QObject>

namespace tavrio::exchange {

class cQtSocketClient final : public QObject, public cSocketClient {
    Q_OBJECT
public:
    static constexpr int DefaultTimeoutMs = 20000;

    explicit cQtSocketClient(QObject* parent = nullptr);
    // Transfers still running are dropped without a report.
    ~cQtSocketClient() override;
    void setTimeoutMs(int ms) { timeoutMs_ = ms; }

    bool Exchange(const std::string& host, int port, const std::string& request, std::size_t maxReply,
                  std::function<bool(const std::string&)> complete,
                  std::function<void(bool failed, const std::string& reply)> done) override;

private:
    int timeoutMs_ = DefaultTimeoutMs;
};

} // namespace tavrio::exchange
