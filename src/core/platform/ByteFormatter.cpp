#include "platform/ByteFormatter.h"

#include <unicode/numberformatter.h>

#include <cmath>
#include <cstdio>

namespace tornivo {

namespace {

struct Unit {
    const char* name;
    double size;
    int fractionDigits;
};
constexpr Unit kUnits[] = {{"KB", 1e3, 0}, {"MB", 1e6, 1}, {"GB", 1e9, 2}, {"TB", 1e12, 2}};

double roundHalfUp(double value, int digits) {
    double scale = std::pow(10.0, digits);
    return std::floor(value * scale + 0.5) / scale;
}

std::string formatNumber(double value, int fractionDigits, std::string_view locale) {
    using namespace icu::number;
    UErrorCode status = U_ZERO_ERROR;
    UErrorCode tagStatus = U_ZERO_ERROR;
    icu::Locale loc = icu::Locale::forLanguageTag(std::string(locale), tagStatus);
    if (U_FAILURE(tagStatus)) loc = icu::Locale(std::string(locale).c_str());
    auto formatted = NumberFormatter::withLocale(loc)
                         .precision(Precision::maxFraction(fractionDigits))
                         .roundingMode(UNUM_ROUND_HALFUP)
                         .formatDouble(value, status);
    std::string out;
    if (U_SUCCESS(status)) {
        icu::UnicodeString text = formatted.toString(status);
        if (U_SUCCESS(status)) text.toUTF8String(out);
    }
    if (out.empty()) {  // plain digits when the locale cannot format
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.*f", fractionDigits, value);
        out = buf;
    }
    return out;
}

}  // namespace

std::string formatBytes(ByteCount bytes, std::string_view locale) {
    if (bytes <= 0) return formatNumber(0, 0, locale) + " KB";
    const double amount = static_cast<double>(bytes);
    std::size_t u = 0;
    while (u + 1 < std::size(kUnits) && amount >= kUnits[u + 1].size) ++u;
    double value = roundHalfUp(amount / kUnits[u].size, kUnits[u].fractionDigits);
    // Rounding within KB, MB or GB can reach 1000: that is 1 of the next unit.
    if (value >= 1000.0 && u + 1 < std::size(kUnits)) {
        ++u;
        value = roundHalfUp(amount / kUnits[u].size, kUnits[u].fractionDigits);
    }
    if (value < 1.0) value = 1.0;  // something is never shown as nothing
    return formatNumber(value, kUnits[u].fractionDigits, locale) + " " + kUnits[u].name;
}

}  // namespace tornivo
