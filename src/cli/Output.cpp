#include "Output.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "platform/LocaleFormat.h"
#include "platform/PathText.h"

namespace tornivo::cli {

namespace {

constexpr char kHex[] = "0123456789abcdef";

void appendEscape(std::string& out, unsigned char byte) {
    out += "\\x";
    out.push_back(kHex[byte >> 4]);
    out.push_back(kHex[byte & 0xf]);
}

// Calls `visit(codePoint, bytes)` for each character of valid UTF-8 text.
template <class Visit>
void forEachCodePoint(std::string_view text, Visit visit) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t i = 0;
    while (i < length) {
        const std::int32_t start = i;
        UChar32 c;
        U8_NEXT(s, i, length, c);
        visit(c, text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(i - start)));
    }
}

int columnsOf(UChar32 c) {
    if (c < 0) return 1;
    const auto category = u_charType(c);
    if (category == U_NON_SPACING_MARK || category == U_ENCLOSING_MARK || category == U_FORMAT_CHAR)
        return 0;
    const auto width = u_getIntPropertyValue(c, UCHAR_EAST_ASIAN_WIDTH);
    return (width == U_EA_WIDE || width == U_EA_FULLWIDTH) ? 2 : 1;
}

}  // namespace

std::string terminalText(std::string_view bytes) {
    const std::string lossless = encodePathText(Path(std::string(bytes)));
    std::string out;
    out.reserve(lossless.size());
    forEachCodePoint(lossless, [&](UChar32 c, std::string_view encoded) {
        if (c < 0x20 || c == 0x7f || (c >= 0x80 && c <= 0x9f)) {
            for (char b : encoded) appendEscape(out, static_cast<unsigned char>(b));
        } else {
            out += encoded;
        }
    });
    return out;
}

std::size_t displayWidth(std::string_view text) {
    std::size_t columns = 0;
    forEachCodePoint(text, [&](UChar32 c, std::string_view) { columns += columnsOf(c); });
    return columns;
}

std::string fitWidth(std::string_view text, std::size_t columns) {
    std::string out;
    std::size_t used = 0;
    bool full = false;
    forEachCodePoint(text, [&](UChar32 c, std::string_view encoded) {
        const auto w = static_cast<std::size_t>(columnsOf(c));
        if (full || used + w > columns) {
            full = true;
            return;
        }
        used += w;
        out += encoded;
    });
    return out;
}

std::string isoDate(TimePoint date) {
    using namespace std::chrono;
    const auto secs = floor<seconds>(date);
    const auto day = floor<days>(secs);
    const year_month_day ymd{day};
    const hh_mm_ss<seconds> time{secs - day};
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02dZ", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

std::string counted(std::int64_t count, std::string_view one, std::string_view many,
                    std::string_view locale) {
    return formatInteger(count, locale) + " " + std::string(count == 1 ? one : many);
}

std::string localeFromEnvironment() {
    std::string name;
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            name = value;
            break;
        }
    }
    name = name.substr(0, name.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX") return "en";
    std::replace(name.begin(), name.end(), '_', '-');
    return name;
}

Table::Table(std::vector<Column> columns) : columns_(std::move(columns)) {}

void Table::add(std::vector<std::string> cells) {
    cells.resize(columns_.size());
    rows_.push_back(std::move(cells));
}

void Table::print(std::ostream& out, std::string_view indent) const {
    std::vector<std::size_t> widths(columns_.size(), 0);
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        widths[c] = displayWidth(columns_[c].title);
        for (const auto& row : rows_) widths[c] = std::max(widths[c], displayWidth(row[c]));
    }
    auto line = [&](auto cellOf) {
        std::string text(indent);
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            const std::string& cell = cellOf(c);
            const std::size_t pad = widths[c] - displayWidth(cell);
            const bool last = c + 1 == columns_.size();
            if (columns_[c].align == Align::right) text.append(pad, ' ');
            text += cell;
            if (!last && columns_[c].align == Align::left) text.append(pad, ' ');
            if (!last) text += "  ";
        }
        // Empty cells at the end of a row leave no trailing blanks.
        text.erase(text.find_last_not_of(' ') + 1);
        out << text << '\n';
    };
    line([&](std::size_t c) -> const std::string& { return columns_[c].title; });
    for (const auto& row : rows_) line([&](std::size_t c) -> const std::string& { return row[c]; });
}

void writeJson(std::ostream& out, const Json& document) {
    out << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace tornivo::cli
