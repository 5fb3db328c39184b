#pragma once

#include <QDateTime>
#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <memory>

class Clock;
class QNetworkAccessManager;
class QTimer;

// One version check at a time: a GET of the check address, the whole answer compared with
// the program's version token. It runs while the window goes on; finished() says how it
// ended, except after cancel(), which says nothing.
class UpdateCheck : public QObject {
    Q_OBJECT
public:
    enum class Outcome {
        Newer,  // the answer sorts after the program's token
        Latest, // it does not
        Failed, // no answer: no connection, an error status, the time-out
    };
    // How long the check waits for the whole answer, by the program's clock.
    static constexpr int TimeoutMs = 15000;

    explicit UpdateCheck(const Clock &clock, QObject *parent = nullptr);
    ~UpdateCheck() override;

    // Starts a check; does nothing while one runs.
    void start(const QUrl &address);
    void cancel();
    bool isRunning() const { return m_reply != nullptr; }

signals:
    void finished(UpdateCheck::Outcome outcome);

private:
    void replyFinished();
    void tick();
    void stop();

    // Not a child: its replies' timers are its own business, and only the time-out below
    // is this check's.
    std::unique_ptr<QNetworkAccessManager> m_network;
    QPointer<QNetworkReply> m_reply;
    const Clock &m_clock;
    QDateTime m_deadline;
    QTimer *m_ticks = nullptr; // looks at the clock while a check runs
};
