#include "Arguments.h"

#include <charconv>
#include <filesystem>
#include <system_error>

#include "Output.h"
#include "platform/PathText.h"

namespace tornivo::cli {

std::string quote(std::string_view word) {
    return "'" + terminalText(word) + "'";
}

ParsedArguments::ParsedArguments(std::span<const std::string> words,
                                 std::span<const OptionDecl> options) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word == "-" || !word.starts_with('-')) {
            positionals_.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const auto eq = word.find('=');
        const std::string_view name = std::string_view(word).substr(0, eq);
        const OptionDecl* declared = nullptr;
        for (const auto& o : options)
            if (o.name == name) declared = &o;
        if (!declared) throw UsageError("unknown option " + quote(name));
        std::string value;
        if (declared->takesValue) {
            if (eq != std::string::npos) {
                value = word.substr(eq + 1);
            } else if (i + 1 < words.size()) {
                value = words[++i];
            } else {
                throw UsageError(std::string(name) + " needs a value");
            }
        } else if (eq != std::string::npos) {
            throw UsageError(std::string(name) + " takes no value");
        }
        values_[std::string(name)].push_back(std::move(value));
    }
}

std::optional<std::string> ParsedArguments::value(std::string_view option) const {
    auto it = values_.find(std::string(option));
    if (it == values_.end() || it->second.empty()) return std::nullopt;
    return it->second.back();
}

std::optional<std::int64_t> ParsedArguments::integer(std::string_view option, std::int64_t minimum,
                                                     std::int64_t maximum,
                                                     std::string_view what) const {
    auto text = value(option);
    if (!text) return std::nullopt;
    const std::string prefix = std::string(option) + " " + quote(*text);
    // Digits only: no sign, no spaces, no suffix, so that "-5", "+5", "5k" and "" all fail.
    const bool digits =
        !text->empty() && text->find_first_not_of("0123456789") == std::string::npos;
    if (!digits) {
        const bool negative = text->size() > 1 && (*text)[0] == '-' &&
                              text->find_first_not_of("0123456789", 1) == std::string::npos;
        throw UsageError(prefix + (negative ? " is negative" : " is not a whole number") +
                         ": give " + std::string(what));
    }
    std::int64_t number = 0;
    auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), number);
    if (error == std::errc::result_out_of_range || number > maximum)
        throw UsageError(prefix + " is too large: give " + std::string(what));
    if (number < minimum) throw UsageError(prefix + " is too small: give " + std::string(what));
    return number;
}

Path pathArgument(std::string_view text, std::string_view what) {
    if (text.empty()) throw UsageError(std::string(what) + " is empty");
    Path path = decodePathText(text);
    if (path.is_relative()) {
        std::error_code error;
        Path here = std::filesystem::current_path(error);
        if (error)
            throw UsageError(std::string(what) + " " + quote(text) +
                             " is relative and the current folder is unknown");
        path = here / path;
    }
    return path;
}

}  // namespace tornivo::cli
