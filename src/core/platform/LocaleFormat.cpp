#include "platform/LocaleFormat.h"

#include <unicode/datefmt.h>
#include <unicode/numberformatter.h>
#include <unicode/reldatefmt.h>
#include <unicode/timezone.h>

#include <memory>

namespace tornivo {

namespace {

icu::Locale icuLocale(std::string_view name) {
    std::string tag(name);
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale loc = icu::Locale::forLanguageTag(tag, status);
    return U_SUCCESS(status) ? loc : icu::Locale(tag.c_str());
}

std::string utf8(const icu::UnicodeString& text) {
    std::string out;
    text.toUTF8String(out);
    return out;
}

double millisSinceEpoch(TimePoint t) {
    return static_cast<double>(
        std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count());
}

}  // namespace

std::string formatRelative(TimePoint date, TimePoint now, std::string_view locale) {
    using std::chrono::duration_cast;
    using std::chrono::seconds;
    const std::int64_t delta = duration_cast<seconds>(date - now).count();
    const std::int64_t magnitude = delta < 0 ? -delta : delta;

    UErrorCode status = U_ZERO_ERROR;
    icu::RelativeDateTimeFormatter formatter(icuLocale(locale), nullptr, UDAT_STYLE_LONG,
                                             UDISPCTX_CAPITALIZATION_NONE, status);
    if (U_FAILURE(status)) return {};
    icu::UnicodeString out;
    if (magnitude < 1) {
        formatter.format(UDAT_DIRECTION_PLAIN, UDAT_ABSOLUTE_NOW, out, status);
        return U_SUCCESS(status) ? utf8(out) : std::string();
    }
    struct Step {
        std::int64_t seconds;
        URelativeDateTimeUnit unit;
    };
    static constexpr Step kSteps[] = {
        {365 * 86400, UDAT_REL_UNIT_YEAR}, {30 * 86400, UDAT_REL_UNIT_MONTH},
        {7 * 86400, UDAT_REL_UNIT_WEEK},   {86400, UDAT_REL_UNIT_DAY},
        {3600, UDAT_REL_UNIT_HOUR},        {60, UDAT_REL_UNIT_MINUTE},
        {1, UDAT_REL_UNIT_SECOND},
    };
    for (const auto& step : kSteps) {
        if (magnitude < step.seconds) continue;
        double amount = static_cast<double>(delta / step.seconds);  // whole units, toward zero
        formatter.formatNumeric(amount, step.unit, out, status);
        break;
    }
    return U_SUCCESS(status) ? utf8(out) : std::string();
}

std::string formatMediumDate(TimePoint date, std::string_view locale, std::string_view timeZone) {
    std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createDateInstance(icu::DateFormat::kMedium, icuLocale(locale)));
    if (!format) return {};
    if (!timeZone.empty())
        format->adoptTimeZone(icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(
            icu::StringPiece(timeZone.data(), static_cast<int32_t>(timeZone.size())))));
    icu::UnicodeString out;
    format->format(millisSinceEpoch(date), out);
    return utf8(out);
}

std::string formatInteger(std::int64_t value, std::string_view locale) {
    UErrorCode status = U_ZERO_ERROR;
    auto formatted =
        icu::number::NumberFormatter::withLocale(icuLocale(locale)).formatInt(value, status);
    if (U_SUCCESS(status)) {
        icu::UnicodeString text = formatted.toString(status);
        if (U_SUCCESS(status)) return utf8(text);
    }
    return std::to_string(value);
}

}  // namespace tornivo
