#pragma once
// Asks the vendor's site whether a newer release exists: fetches a small JSON manifest, compares
// its version with ours, publishes the outcome and, when asked to, announces a newer release in
// a banner. Downloads and installs nothing. The program's only network access; a default build
// points at a host that never resolves, so it contacts nobody.

#include <QtQml/qqmlregistration.h>
#include <QNetworkAccessManager>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace tornivo::app {

class UpdateChecker : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("owned by AppState")
    // "idle", "checking", "upToDate", "failed" or "available".
    Q_PROPERTY(QString state READ stateId NOTIFY stateChanged)
    Q_PROPERTY(QString newVersion READ newVersion NOTIFY stateChanged)
    Q_PROPERTY(QUrl downloadAddress READ downloadAddress NOTIFY stateChanged)
    Q_PROPERTY(QString currentVersion READ currentVersion CONSTANT)

  public:
    enum class State { available, idle, checking, upToDate, failed };
    static constexpr const char* kVersion = "1.3.1";
    static constexpr qint64 kMaxManifestBytes = 1 << 20;

    using BannerPresenter =
        std::function<void(const QString& icon, const QString& title, const QString& message)>;

    // The manifest at https://<update host>/version.json; the host is set when building.
    explicit UpdateChecker(QObject* parent = nullptr);
    // Tests point it at a local server.
    UpdateChecker(QUrl manifest, QUrl fallbackDownload, QObject* parent = nullptr);

    State state() const { return state_; }
    QString stateId() const;
    QString newVersion() const { return newVersion_; }
    // Where the download link of `available` leads: the manifest's address when it is https,
    // the vendor's site otherwise (a tampered manifest can open neither a file nor a script).
    QUrl downloadAddress() const;
    static QString currentVersion() { return QString::fromLatin1(kVersion); }

    // Starts one check; the outcome lands in `state`. With `announce`, a newer release also
    // shows a banner.
    Q_INVOKABLE void check(bool announce);

    // Dotted numbers compared from the left; a piece that is no number counts as 0.
    static bool isNewer(const QString& candidate, const QString& than);

    void setTimeoutMs(int ms) { timeoutMs_ = ms; }
    void setBannerPresenter(BannerPresenter presenter) { showBanner_ = std::move(presenter); }

  signals:
    void stateChanged();

  private:
    void setState(State state, QString version = {}, QUrl download = {});

    QUrl manifest_, fallback_;
    QNetworkAccessManager network_;
    State state_ = State::idle;
    QString newVersion_;
    QUrl download_;
    int timeoutMs_ = 10'000;
    BannerPresenter showBanner_;
};

}  // namespace tornivo::app
