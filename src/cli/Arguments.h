#pragma once
// Command-line parsing for the commands: options declared up front, "--name VALUE" and
// "--name=VALUE" both accepted, "--" ends the options. Anything wrong becomes a UsageError whose
// text names the bad option or value.

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "models/Types.h"

namespace tornivo::cli {

// A mistake on the command line: the message is one line, without the program's or the
// command's name.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct OptionDecl {
    std::string_view name;  // "--min-size"
    bool takesValue = false;
};

class ParsedArguments {
  public:
    // Parses the words after the command's name against the command's options.
    ParsedArguments(std::span<const std::string> words, std::span<const OptionDecl> options);

    bool has(std::string_view option) const { return values_.contains(std::string(option)); }
    // The last value given to an option.
    std::optional<std::string> value(std::string_view option) const;
    const std::vector<std::string>& positionals() const { return positionals_; }

    // The whole number given to `option`, if given; `what` says what is expected ("a whole
    // number of bytes") in the message for anything outside [minimum, maximum].
    std::optional<std::int64_t> integer(std::string_view option, std::int64_t minimum,
                                        std::int64_t maximum, std::string_view what) const;

  private:
    std::map<std::string, std::vector<std::string>> values_;
    std::vector<std::string> positionals_;
};

// A word as it may be quoted in a message: the lossless text with control characters escaped.
std::string quote(std::string_view word);

// A path argument in the lossless text form (see PathText.h), made absolute against the current
// folder without resolving links. Empty text is a usage error naming `what`.
Path pathArgument(std::string_view text, std::string_view what);

}  // namespace tornivo::cli
