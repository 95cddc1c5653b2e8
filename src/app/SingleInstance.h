#pragma once
// One Tornivo per user session. The first process claims a well-known name: the application ID
// on the session bus, or, without a bus, a local socket named after the ID in
// $XDG_RUNTIME_DIR. A later process finds the name taken, asks the first to show its panel and
// exits. Claiming happens before anything else is built, so a second process never scans,
// schedules or draws.

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace tornivo::app {

class SingleInstance : public QObject {
    Q_OBJECT
  public:
    enum class Transport { sessionBus, localSocket };
    enum class Outcome {
        claimed,     // this process is the one: go on
        forwarded,   // another process holds the name and was asked to show its panel: exit 0
        unanswered,  // another process holds the name but did not answer
        unavailable  // no name could be claimed at all: go on without the guarantee
    };

    // `appId` is the reverse-DNS application ID; the socket lives in `socketFolder`.
    SingleInstance(QString appId, QString socketFolder, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The session bus when one is reachable, else the local socket.
    static Transport defaultTransport();
    // $XDG_RUNTIME_DIR, or the temporary folder when the session sets none.
    static QString defaultSocketFolder();

    // Claims the name, or asks the process that holds it to show its panel. Blocking, and only
    // briefly: it runs once, before the event loop.
    Outcome claim(Transport transport);

    // The object path and method the first process answers on the bus.
    static constexpr const char* kObjectPath = "/org/tornivo/Tornivo";
    static constexpr const char* kShowMethod = "ShowPanel";
    QString socketPath() const;

  signals:
    // Another start asked for the panel.
    void showRequested();

  public slots:
    // What a later start calls on the bus (the name follows the bus's conventions).
    void ShowPanel() { emit showRequested(); }

  private:
    Outcome claimBus();
    Outcome claimSocket();
    // Asks whoever listens on the socket to show the panel: true when it answered.
    bool askSocket() const;
    void answer(class QLocalSocket* socket);

    const QString appId_;
    const QString socketFolder_;
    QLocalServer* server_ = nullptr;
    bool registeredOnBus_ = false;
};

}  // namespace tornivo::app
