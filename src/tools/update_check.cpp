#include "tools/update_check.h"

#include "core/services.h"
#include "tools/version_compare.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {
constexpr int TickMs = 250;
} // namespace

UpdateCheck::UpdateCheck(const Clock &clock, QObject *parent)
    : QObject(parent), m_network(std::make_unique<QNetworkAccessManager>()), m_clock(clock),
      m_ticks(new QTimer(this)) {
    // The time-out is read from the program's clock, which tests move on at will.
    m_ticks->setInterval(TickMs);
    connect(m_ticks, &QTimer::timeout, this, &UpdateCheck::tick);
}

UpdateCheck::~UpdateCheck() {
    stop();
}

void UpdateCheck::start(const QUrl &address) {
    if (isRunning())
        return;
    QNetworkRequest request(address);
    request.setRawHeader("Accept", "text/html, */*");
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/html"));
    // The manager keeps a cookie jar of its own, so cookies the site sets are accepted.
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateCheck::replyFinished);
    m_deadline = m_clock.now().addMSecs(TimeoutMs);
    m_ticks->start();
}

void UpdateCheck::cancel() {
    stop();
}

void UpdateCheck::stop() {
    m_ticks->stop();
    if (QNetworkReply *reply = m_reply) {
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
}

void UpdateCheck::replyFinished() {
    QNetworkReply *reply = m_reply;
    if (!reply)
        return;
    m_reply = nullptr;
    m_ticks->stop();
    reply->deleteLater();
    // An error status (4xx, 5xx) is a failure, whatever page came with it.
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError || status >= 400) {
        emit finished(Outcome::Failed);
        return;
    }
    const QString answer = QString::fromUtf8(reply->readAll());
    emit finished(VersionCompare::isNewer(answer) ? Outcome::Newer : Outcome::Latest);
}

void UpdateCheck::tick() {
    if (!isRunning() || m_clock.now() < m_deadline)
        return;
    stop();
    emit finished(Outcome::Failed);
}
