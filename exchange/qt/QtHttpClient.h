#pragma once
// HTTP GET over QNetworkAccessManager. The URL is sent as encoded; the body
// comes back as raw bytes. A transfer that takes longer than the timeout, or
// whose body grows past the limit, ends with ok = false.
#include "exchange/Transport.h"

#include <QNetworkAccessManager>
#include <QObject>

namespace tavrio::exchange {

class cQtHttpClient final : public QObject, public cHttpClient {
    Q_OBJECT
public:
    static constexpr int DefaultTimeoutMs = 20000;

    explicit cQtHttpClient(QObject* parent = nullptr);
    // Transfers still running are dropped without a report.
    ~cQtHttpClient() override;
    void setTimeoutMs(int ms) { timeoutMs_ = ms; }

    bool Get(const std::string& url, std::size_t maxBody,
             std::function<void(const cHttpReply&)> done) override;

private:
    QNetworkAccessManager manager_;
    int timeoutMs_ = DefaultTimeoutMs;
};

} // namespace tavrio::exchange
