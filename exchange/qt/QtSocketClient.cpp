#include "exchange/qt/QtSocketClient.h"

#include <QTcpSocket>
#include <QTimer>

#include <memory>

namespace tavrio::exchange {

cQtSocketClient::cQtSocketClient(QObject* parent) : QObject(parent) {}

cQtSocketClient::~cQtSocketClient()
{
    for (QTcpSocket* socket : findChildren<QTcpSocket*>())
        socket->disconnect();
    for (QTimer* timer : findChildren<QTimer*>())
        timer->disconnect();
}

namespace {

// One upload exchange; deletes itself once it has reported.
struct SocketJob {
    QTcpSocket* socket = nullptr;
    QTimer* timer = nullptr;
    std::string reply;
    std::size_t maxReply = 0;
    std::function<bool(const std::string&)> complete;
    std::function<void(bool, const std::string&)> done;
    bool finished = false;

    void finish(bool failed)
    {
        if (finished)
            return;
        finished = true;
        timer->stop();
        socket->disconnect();
        socket->abort();
        socket->deleteLater();
        timer->deleteLater();
        auto report = std::move(done);
        const std::string bytes = std::move(reply);
        report(failed, bytes);
    }
};

} // namespace

bool cQtSocketClient::Exchange(const std::string& host, int port, const std::string& request, std::size_t maxReply,
                               std::function<bool(const std::string&)> complete,
                               std::function<void(bool failed, const std::string& reply)> done)
{
    if (host.empty() || port <= 0 || port > 65535)
        return false;
    auto job = std::make_shared<SocketJob>();
    job->socket = new QTcpSocket(this);
    job->timer = new QTimer(this);
    job->maxReply = maxReply;
    job->complete = std::move(complete);
    job->done = std::move(done);
    const QByteArray bytes = QByteArray::fromStdString(request);

    job->timer->setSingleShot(true);
    connect(job->timer, &QTimer::timeout, this, [job] { job->finish(true); });
    connect(job->socket, &QTcpSocket::connected, this, [job, bytes] { job->socket->write(bytes); });
    connect(job->socket, &QTcpSocket::readyRead, this, [job] {
        const qint64 room = static_cast<qint64>(job->maxReply - job->reply.size());
        job->reply += job->socket->read(room).toStdString();
        if (job->reply.size() >= job->maxReply || (job->complete && job->complete(job->reply)))
            job->finish(false);
    });
    connect(job->socket, &QTcpSocket::disconnected, this, [job] {
        job->reply += job->socket->readAll().left(static_cast<qsizetype>(job->maxReply - job->reply.size())).toStdString();
        job->finish(job->reply.empty());
    });
    connect(job->socket, &QTcpSocket::errorOccurred, this, [job](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError)
            return; // handled by disconnected
        job->finish(true);
    });
    job->timer->start(timeoutMs_);
    job->socket->connectToHost(QString::fromStdString(host), static_cast<quint16>(port));
    return true;
}

} // namespace tavrio::exchange
