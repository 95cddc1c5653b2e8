#pragma once
// Paths are bytes; text is for people and for files that must hold UTF-8 (JSON). These are the
// only conversions between the two.
//
// The lossless text form keeps every valid UTF-8 sequence as it is, writes each byte that is not
// part of valid UTF-8 as the four characters \xNN (two lower-case hexadecimal digits) and doubles
// every literal backslash, so that decoding gives back exactly the original bytes.

#include <string>
#include <string_view>

#include "models/Types.h"

namespace tornivo {

// For display only: invalid UTF-8 bytes become U+FFFD. Never use the result as a path.
std::string displayText(const Path& path);
std::string displayText(std::string_view bytes);

// The lossless text form of a path, and back. Decoding accepts any text: a backslash that does
// not start "\\" or "\xNN" stands for itself.
std::string encodePathText(const Path& path);
Path decodePathText(std::string_view text);

// Whether the bytes are valid UTF-8.
bool isValidUtf8(std::string_view bytes);

}  // namespace tornivo
