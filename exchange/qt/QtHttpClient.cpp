#include "exchange/qt/QtHttpClient.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace tavrio::exchange {

cQtHttpClient::cQtHttpClient(QObject* parent) : QObject(parent) {}

cQtHttpClient::~cQtHttpClient()
{
    for (QNetworkReply* reply : manager_.findChildren<QNetworkReply*>()) {
        reply->disconnect();
        reply->abort();
    }
}

bool cQtHttpClient::Get(const std::string& url, std::size_t maxBody, std::function<void(const cHttpReply&)> done)
{
    const QUrl target = QUrl::fromEncoded(QByteArray::fromStdString(url), QUrl::StrictMode);
    if (!target.isValid() || target.scheme() != QLatin1String("http") || target.host().isEmpty())
        return false;
    QNetworkRequest request(target);
    request.setTransferTimeout(timeoutMs_);
    QNetworkReply* reply = manager_.get(request);
    if (!reply)
        return false;
    auto tooLarge = std::make_shared<bool>(false);
    // The transfer timeout above only counts silence; a server that sends a
    // byte now and then is cut when the whole transfer takes too long.
    auto tooSlow = std::make_shared<bool>(false);
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, reply, [reply, tooSlow] {
        *tooSlow = true;
        reply->abort();
    });
    deadline->start(timeoutMs_);
    if (maxBody > 0) {
        connect(reply, &QNetworkReply::readyRead, reply, [reply, maxBody, tooLarge] {
            if (static_cast<std::size_t>(reply->bytesAvailable()) > maxBody && !*tooLarge) {
                *tooLarge = true;
                reply->abort();
            }
        });
    }
    connect(reply, &QNetworkReply::finished, this, [reply, tooLarge, tooSlow, done = std::move(done)] {
        cHttpReply result;
        result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        result.ok = !*tooLarge && !*tooSlow && result.status > 0
                    && (reply->error() == QNetworkReply::NoError || reply->error() >= QNetworkReply::ContentAccessDenied);
        if (result.ok)
            result.body = reply->readAll().toStdString();
        reply->deleteLater();
        done(result);
    });
    return true;
}

} // namespace tavrio::exchange
