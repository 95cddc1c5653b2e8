#include "UpdateChecker.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkReply>
#include <QNetworkRequest>

#include "BannerCenter.h"

#ifndef TORNIVO_UPDATE_HOST
#define TORNIVO_UPDATE_HOST "updates.tornivo.invalid"
#endif

namespace tornivo::app {

UpdateChecker::UpdateChecker(QObject* parent)
    : UpdateChecker(QUrl(QStringLiteral("https://" TORNIVO_UPDATE_HOST "/version.json")),
                    QUrl(QStringLiteral("https://" TORNIVO_UPDATE_HOST "/")), parent) {}

UpdateChecker::UpdateChecker(QUrl manifest, QUrl fallbackDownload, QObject* parent)
    : QObject(parent),
      manifest_(std::move(manifest)),
      fallback_(std::move(fallbackDownload)),
      showBanner_([](const QString& icon, const QString& title, const QString& message) {
          BannerCenter::shared().show(icon, title, message);
      }) {
    network_.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

QString UpdateChecker::stateId() const {
    switch (state_) {
        case State::available:
            return QStringLiteral("available");
        case State::idle:
            return QStringLiteral("idle");
        case State::checking:
            return QStringLiteral("checking");
        case State::upToDate:
            return QStringLiteral("upToDate");
        case State::failed:
            return QStringLiteral("failed");
    }
    return {};
}

QUrl UpdateChecker::downloadAddress() const {
    const bool safe = download_.isValid() && download_.scheme() == QLatin1String("https") &&
                      !download_.host().isEmpty();
    return safe ? download_ : fallback_;
}

void UpdateChecker::setState(State state, QString version, QUrl download) {
    state_ = state;
    newVersion_ = std::move(version);
    download_ = std::move(download);
    emit stateChanged();
}

bool UpdateChecker::isNewer(const QString& candidate, const QString& than) {
    auto pieces = [](const QString& version) {
        QList<qint64> numbers;
        for (const QString& piece : version.split('.', Qt::SkipEmptyParts)) {
            bool ok = false;
            qint64 n = piece.toLongLong(&ok, 10);
            numbers << (ok ? n : 0);
        }
        return numbers;
    };
    const auto a = pieces(candidate), b = pieces(than);
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const qint64 x = i < a.size() ? a[i] : 0, y = i < b.size() ? b[i] : 0;
        if (x != y) return x > y;
    }
    return false;
}

void UpdateChecker::check(bool announce) {
    setState(State::checking);
    QNetworkRequest request(manifest_);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(timeoutMs_);
    QNetworkReply* reply = network_.get(request);

    // A manifest is a few hundred bytes; anything past the limit is not one.
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64 total) {
        if (received > kMaxManifestBytes || total > kMaxManifestBytes) reply->abort();
    });
    connect(reply, &QNetworkReply::finished, this, [this, reply, announce] {
        reply->deleteLater();
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() != QNetworkReply::NoError || status != 200)
            return setState(State::failed);
        const QByteArray body = reply->read(kMaxManifestBytes + 1);
        if (body.size() > kMaxManifestBytes) return setState(State::failed);
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(body, &error);
        const QJsonObject manifest = doc.object();
        const QJsonValue version = manifest.value(QLatin1String("version")),
                         url = manifest.value(QLatin1String("url")),
                         notes = manifest.value(QLatin1String("notes"));
        // "url" and "notes" may be absent or null; any value but a text makes the manifest
        // malformed, whatever its version says.
        const auto optionalText = [](const QJsonValue& value) {
            return value.isUndefined() || value.isNull() || value.isString();
        };
        if (error.error != QJsonParseError::NoError || !doc.isObject() || !version.isString() ||
            !optionalText(url) || !optionalText(notes))
            return setState(State::failed);
        const QString newest = version.toString();
        if (!isNewer(newest, QString::fromLatin1(kVersion))) return setState(State::upToDate);

        setState(State::available, newest, url.isString() ? QUrl(url.toString()) : QUrl());
        if (announce)
            showBanner_("arrow.down.circle.fill", qtTrId("banner.updateTitle"),
                        qtTrId("banner.updateMsg").arg(newest));
    });
}

}  // namespace tornivo::app
