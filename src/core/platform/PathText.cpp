#include "platform/PathText.h"

#include <glib.h>

namespace tornivo {

bool isValidUtf8(std::string_view bytes) {
    return g_utf8_validate_len(bytes.data(), bytes.size(), nullptr);
}

std::string displayText(std::string_view bytes) {
    if (isValidUtf8(bytes)) return std::string(bytes);
    gchar* valid = g_utf8_make_valid(bytes.data(), static_cast<gssize>(bytes.size()));
    std::string out(valid);
    g_free(valid);
    return out;
}

std::string displayText(const Path& path) {
    return displayText(std::string_view(path.native()));
}

std::string encodePathText(const Path& path) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string_view rest(path.native());
    std::string out;
    out.reserve(rest.size());
    while (!rest.empty()) {
        const gchar* end = nullptr;
        g_utf8_validate_len(rest.data(), rest.size(), &end);
        std::size_t valid = static_cast<std::size_t>(end - rest.data());
        for (char c : rest.substr(0, valid)) {
            if (c == '\\') out.push_back('\\');
            out.push_back(c);
        }
        rest.remove_prefix(valid);
        if (!rest.empty()) {
            auto byte = static_cast<unsigned char>(rest.front());
            out += "\\x";
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 0xf]);
            rest.remove_prefix(1);
        }
    }
    return out;
}

Path decodePathText(std::string_view text) {
    auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            if (text[i + 1] == '\\') {
                out.push_back('\\');
                ++i;
                continue;
            }
            // A NUL byte cannot be part of a path: "\x00" stays as written.
            if (text[i + 1] == 'x' && i + 3 < text.size() && hex(text[i + 2]) >= 0 &&
                hex(text[i + 3]) >= 0 && (hex(text[i + 2]) | hex(text[i + 3])) != 0) {
                out.push_back(static_cast<char>(hex(text[i + 2]) * 16 + hex(text[i + 3])));
                i += 3;
                continue;
            }
        }
        out.push_back(c);
    }
    return Path(std::move(out));
}

}  // namespace tornivo
