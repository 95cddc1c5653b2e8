#pragma once
// Random identifier carried by every result record, made when an engine creates the record.

#include <compare>
#include <string>

namespace tornivo {

class Uuid {
  public:
    // A fresh random (version 4) identifier.
    static Uuid random();
    // The canonical lower-case text form; an identifier made from invalid text is empty.
    static Uuid fromString(std::string_view text);

    const std::string& toString() const { return text_; }
    bool isNull() const { return text_.empty(); }

    auto operator<=>(const Uuid&) const = default;

  private:
    std::string text_;
};

}  // namespace tornivo
