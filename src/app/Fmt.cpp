#include "Fmt.h"

#include <QLocale>

#include "LocalizationManager.h"
#include "platform/ByteFormatter.h"
#include "platform/LocaleFormat.h"

namespace tornivo::app {

namespace {
TimePoint toTimePoint(const QDateTime& d) {
    return TimePoint(std::chrono::duration_cast<Clock::duration>(
        std::chrono::milliseconds(d.toMSecsSinceEpoch())));
}
}  // namespace

std::string Fmt::localeTag() {
    return LocalizationManager::shared()->locale().bcp47Name().toStdString();
}

QString Fmt::bytes(qint64 count) {
    return QString::fromStdString(formatBytes(count, QLocale::system().bcp47Name().toStdString()));
}

QString Fmt::relative(const QDateTime& date) {
    if (!date.isValid()) return {};
    return QString::fromStdString(formatRelative(toTimePoint(date), Clock::now(), localeTag()));
}

QString Fmt::date(const QDateTime& date) {
    if (!date.isValid()) return {};
    return QString::fromStdString(formatMediumDate(toTimePoint(date), localeTag()));
}

QString Fmt::integer(qint64 value) {
    return QString::fromStdString(formatInteger(value, localeTag()));
}

}  // namespace tornivo::app
