#include "models/Uuid.h"

#include <glib.h>

namespace tornivo {

Uuid Uuid::random() {
    Uuid id;
    gchar* text = g_uuid_string_random();
    id.text_ = text;
    g_free(text);
    return id;
}

Uuid Uuid::fromString(std::string_view text) {
    Uuid id;
    std::string candidate(text);
    if (g_uuid_string_is_valid(candidate.c_str())) {
        for (char& c : candidate) c = static_cast<char>(g_ascii_tolower(c));
        id.text_ = std::move(candidate);
    }
    return id;
}

}  // namespace tornivo
