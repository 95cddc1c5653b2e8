#include "Fmt.h"

#include <QLocale>

#include <unicode/measunit.h>
#include <unicode/numberformatter.h>

#include <cmath>

#include "LocalizationManager.h"
#include "platform/ByteFormatter.h"
#include "platform/LocaleFormat.h"
#include "platform/PathText.h"

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
    return QString::fromStdString(formatBytes(
        count, LocalizationManager::shared()->systemLocale().bcp47Name().toStdString()));
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

QString Fmt::percent(double fraction) {
    const qint64 whole = std::isfinite(fraction) ? std::llround(fraction * 100.0) : 0;
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale locale = icu::Locale::forLanguageTag(localeTag(), status);
    if (U_SUCCESS(status)) {
        auto formatted = icu::number::NumberFormatter::withLocale(locale)
                             .unit(icu::MeasureUnit::getPercent())
                             .formatInt(whole, status);
        icu::UnicodeString text = formatted.toString(status);
        if (U_SUCCESS(status))
            return QString::fromUtf16(reinterpret_cast<const char16_t*>(text.getBuffer()),
                                      text.length());
    }
    return QString::number(whole) + QLatin1Char('%');
}

QString Fmt::homeRelativePath(const Path& path, const Path& home) {
    std::string full = path.native();
    std::string root = home.native();
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    // A home of "/" (or none) would turn every path into "~/...": nothing is replaced then.
    if (root.size() > 1 && full.starts_with(root) &&
        (full.size() == root.size() || full[root.size()] == '/'))
        full = "~" + full.substr(root.size());
    return QString::fromStdString(displayText(std::string_view(full)));
}

}  // namespace tornivo::app
