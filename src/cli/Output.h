#pragma once
// How results reach standard output: aligned tables of text for people, one JSON document for
// scripts, and the text forms both use for paths and dates.

#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "models/Types.h"

namespace tornivo::cli {

// Text for a terminal that still names the exact bytes: the lossless path text (PathText.h),
// with every control character (C0, DEL, C1) also written as \xNN, so that a name can neither
// break a table's line nor send escape sequences to the terminal. decodePathText reverses it.
std::string terminalText(std::string_view bytes);
inline std::string terminalText(const std::string& bytes) {
    return terminalText(std::string_view(bytes));
}
inline std::string terminalText(const Path& path) {
    return terminalText(std::string_view(path.native()));
}

// Columns a UTF-8 text takes on a terminal: wide East Asian characters count two, combining
// marks and format characters none.
std::size_t displayWidth(std::string_view text);
// The longest start of `text` that fits in `columns`.
std::string fitWidth(std::string_view text, std::size_t columns);

// A point in time as ISO 8601 in UTC, to the second: "2024-03-04T09:05:00Z".
std::string isoDate(TimePoint date);

// "1 file", "2,345 files": the count in the locale with the right noun.
std::string counted(std::int64_t count, std::string_view one, std::string_view many,
                    std::string_view locale);

// The locale numbers and dates are written in, from the environment (LC_ALL, LC_NUMERIC, LANG):
// "de_DE.UTF-8" gives "de-DE"; C, POSIX and nothing give "en".
std::string localeFromEnvironment();

// An aligned table: a header row and rows of cells, columns two spaces apart, the last column
// never padded.
class Table {
  public:
    enum class Align { left, right };
    struct Column {
        std::string title;
        Align align = Align::left;
    };

    explicit Table(std::vector<Column> columns);
    void add(std::vector<std::string> cells);
    bool empty() const { return rows_.empty(); }
    void print(std::ostream& out, std::string_view indent = {}) const;

  private:
    std::vector<Column> columns_;
    std::vector<std::vector<std::string>> rows_;
};

using Json = nlohmann::ordered_json;

// Writes one JSON document and a line break. Text that is not UTF-8 (never a path: those are
// written in their lossless form) is repaired rather than failing the output.
void writeJson(std::ostream& out, const Json& document);

}  // namespace tornivo::cli
