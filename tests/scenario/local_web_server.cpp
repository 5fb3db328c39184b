#include "local_web_server.h"

#include "step_failure.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace {

QByteArray reasonPhrase(int code) {
    switch (code) {
    case 200:
        return "OK";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

} // namespace

QByteArray LocalWebServer::Request::header(const QByteArray &name) const {
    for (const auto &[key, value] : headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

LocalWebServer::LocalWebServer() {
    connect(&m_server, &QTcpServer::newConnection, this, &LocalWebServer::accept);
    if (!m_server.listen(QHostAddress::LocalHost, 0))
        fail(QStringLiteral("expected a free port for the local web server, found %1")
                 .arg(m_server.errorString()));
    m_port = m_server.serverPort();
    m_server.close();
}

LocalWebServer::~LocalWebServer() {
    dropHungConnections();
}

QString LocalWebServer::address() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

void LocalWebServer::listen() {
    if (m_server.isListening())
        return;
    if (!m_server.listen(QHostAddress::LocalHost, m_port))
        fail(QStringLiteral("expected the local web server to listen on port %1, found %2")
                 .arg(m_port)
                 .arg(m_server.errorString()));
}

void LocalWebServer::answerWith(int code, const QByteArray &body) {
    dropHungConnections();
    m_mode = Mode::Answer;
    m_code = code;
    m_body = body;
    listen();
}

void LocalWebServer::hang() {
    m_mode = Mode::Hang;
    listen();
}

void LocalWebServer::none() {
    dropHungConnections();
    m_mode = Mode::None;
    m_server.close();
}

void LocalWebServer::dropHungConnections() {
    for (const QPointer<QTcpSocket> &socket : std::as_const(m_open))
        if (socket)
            socket->abort();
    m_open.clear();
}

bool LocalWebServer::reading() const {
    for (const QPointer<QTcpSocket> &socket : m_open)
        if (socket && socket->property("reading").toBool())
            return true;
    return false;
}

void LocalWebServer::accept() {
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        socket->setProperty("reading", true);
        m_open << socket;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void LocalWebServer::readFrom(QTcpSocket *socket) {
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0 || !socket->property("reading").toBool()) {
        socket->setProperty("buffer", buffer);
        return;
    }
    socket->setProperty("reading", false);
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    Request request;
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.target = first.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    m_requests << request;

    if (m_mode == Mode::Hang)
        return;
    socket->write("HTTP/1.1 " + QByteArray::number(m_code) + ' ' + reasonPhrase(m_code) +
                  "\r\nContent-Type: text/plain; charset=utf-8\r\nContent-Length: " +
                  QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body);
    socket->disconnectFromHost();
}
