#include "Symbols.h"

#include <QFontDatabase>

#include <map>

namespace tornivo::app {

namespace {

// Symbol identifier -> Material Icons code point (the icon's Material name beside it).
const std::map<QString, char16_t>& table() {
    static const std::map<QString, char16_t> symbols{
        {"app.fill", 0xe5c3},                       // apps
        {"archivebox.fill", 0xe1a1},                // inventory_2
        {"arrow.down.circle.fill", 0xf000},         // download_for_offline
        {"arrow.triangle.2.circlepath", 0xe627},    // sync
        {"arrow.uturn.backward", 0xe166},           // undo
        {"bolt.fill", 0xea0b},                      // bolt
        {"chart.pie.fill", 0xe6c4},                 // pie_chart
        {"checkmark", 0xe5ca},                      // check
        {"checkmark.circle.fill", 0xe86c},          // check_circle
        {"checkmark.seal.fill", 0xef76},            // verified
        {"checkmark.shield.fill", 0xe8e8},          // verified_user
        {"chevron.down", 0xe5cf},                   // expand_more
        {"chevron.left", 0xe5cb},                   // chevron_left
        {"chevron.right", 0xe5cc},                  // chevron_right
        {"chevron.up.chevron.down", 0xe5d7},        // unfold_more
        {"circle", 0xe836},                         // radio_button_unchecked
        {"clock.badge.checkmark.fill", 0xe8b5},     // schedule
        {"cpu", 0xe30d},                            // developer_board
        {"dial.high.fill", 0xe9e4},                 // speed
        {"doc.fill", 0xe24d},                       // insert_drive_file
        {"doc.on.doc.fill", 0xe173},                // file_copy
        {"doc.text.fill", 0xe873},                  // description
        {"exclamationmark.triangle.fill", 0xe002},  // warning
        {"externaldrive.fill", 0xe1db},             // storage
        {"eye.fill", 0xe8f4},                       // visibility
        {"film.fill", 0xe02c},                      // movie
        {"flame.fill", 0xef55},                     // local_fire_department
        {"folder.fill", 0xe2c7},                    // folder
        {"gearshape.fill", 0xe8b8},                 // settings
        {"globe", 0xe894},                          // language
        {"hammer.fill", 0xe869},                    // build
        {"info.circle.fill", 0xe88e},               // info
        {"internaldrive", 0xe1db},                  // storage
        {"internaldrive.fill", 0xe1db},             // storage
        {"lock.fill", 0xe897},                      // lock
        {"lock.shield", 0xe9e0},                    // shield
        {"lock.shield.fill", 0xf013},               // gpp_good
        {"magnifyingglass", 0xe8b6},                // search
        {"memorychip", 0xe322},                     // memory
        {"memorychip.fill", 0xe322},                // memory
        {"menubar.dock.rectangle", 0xe30e},         // dock
        {"minus.circle.fill", 0xe15c},              // remove_circle
        {"music.note", 0xe405},                     // music_note
        {"network", 0xeb2f},                        // lan
        {"opticaldiscdrive.fill", 0xe019},          // album
        {"paintpalette.fill", 0xe40a},              // palette
        {"photo.fill", 0xe410},                     // photo
        {"plus", 0xe145},                           // add
        {"power", 0xe8ac},                          // power_settings_new
        {"questionmark.folder.fill", 0xe880},       // find_in_page
        {"shield.fill", 0xe9e0},                    // shield
        {"shield.lefthalf.filled", 0xeb37},         // contrast
        {"shippingbox.fill", 0xe179},               // inventory
        {"sparkles", 0xe65f},                       // auto_awesome
        {"speaker.slash.fill", 0xe04f},             // volume_off
        {"speaker.wave.2.fill", 0xe050},            // volume_up
        {"terminal.fill", 0xeb8e},                  // terminal
        {"textformat", 0xe165},                     // text_format
        {"trash", 0xe92e},                          // delete_outline
        {"trash.fill", 0xe872},                     // delete
        {"tray.and.arrow.down.fill", 0xe168},       // move_to_inbox
        {"trash.slash.fill", 0xe92b},               // delete_forever
        {"wand.and.stars", 0xe663},                 // auto_fix_high
        {"xmark.circle.fill", 0xe5c9},              // cancel
    };
    return symbols;
}

constexpr char16_t kUnknown = 0xf1c0;  // help_center

}  // namespace

QString Symbols::fontFamily() {
    static const QString family = [] {
        int id =
            QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/MaterialIcons-Regular.ttf"));
        QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QStringLiteral("Material Icons") : families.first();
    }();
    return family;
}

QString Symbols::glyph(const QString& symbol) {
    auto it = table().find(symbol);
    return QString(QChar(it == table().end() ? kUnknown : it->second));
}

bool Symbols::isKnown(const QString& symbol) {
    return table().count(symbol) > 0;
}

bool Symbols::isDirectional(const QString& symbol) {
    // Symbols that point along the line of reading: drawn mirrored right to left.
    return symbol == QLatin1String("chevron.left") || symbol == QLatin1String("chevron.right");
}

QStringList Symbols::identifiers() {
    QStringList ids;
    for (const auto& [id, glyph] : table()) ids << id;
    return ids;
}

}  // namespace tornivo::app
