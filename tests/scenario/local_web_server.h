#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <utility>

class QTcpSocket;

// The web site a scenario's program talks to: a small HTTP server on 127.0.0.1 inside the
// runner, answering as the last `server` step said. It runs on the runner's own event
// loop, so the runner must let events run while the program waits for it.
class LocalWebServer : public QObject {
    Q_OBJECT
public:
    // Picks a free port; nothing listens until told how to answer.
    LocalWebServer();
    ~LocalWebServer() override;

    // The address the program's web addresses start with.
    QString address() const;

    // Answers every request with status 200 and body, or with status and body.
    void reply(const QByteArray &body) { answerWith(200, body); }
    void status(int code, const QByteArray &body) { answerWith(code, body); }
    // Accepts requests and never answers them.
    void hang();
    // Nothing listens: connections are refused.
    void none();

    // True when requests get an answer or are refused, so a program waiting on one is
    // about to hear back.
    bool answers() const { return m_mode != Mode::Hang; }

    struct Request {
        QByteArray target; // the path with its query
        QList<std::pair<QByteArray, QByteArray>> headers;
        QByteArray header(const QByteArray &name) const;
    };
    int requestCount() const { return int(m_requests.size()); }
    const Request &lastRequest() const { return m_requests.last(); }
    // A connection is open whose request has not been read whole yet.
    bool reading() const;

private:
    enum class Mode { Answer, Hang, None };
    void answerWith(int code, const QByteArray &body);
    void listen();
    void accept();
    void readFrom(QTcpSocket *socket);
    void dropHungConnections();

    QTcpServer m_server;
    quint16 m_port = 0;
    Mode m_mode = Mode::None;
    int m_code = 200;
    QByteArray m_body;
    QList<Request> m_requests;
    QList<QPointer<QTcpSocket>> m_open;
};
