#pragma once
// The user's choice of appearance (follow the system, always light, always dark) and of one of
// six accent colours. Both are persisted at once when they change and notify, so every view that
// tints controls, icons and gradients re-tints immediately. Lives on the main thread.

#include <QtQml/qqmlregistration.h>
#include <QColor>
#include <QDBusVariant>
#include <QObject>
#include <QString>
#include <QVariantList>

#include <array>
#include <string_view>

#include "models/RawEnum.h"
#include "platform/PreferencesStore.h"
#include "platform/Settings.h"

class QQmlEngine;
class QJSEngine;

namespace tornivo::app {

// Declaration order is the order of the settings picker; the raw value is the persisted form.
enum class AppearanceMode { system, light, dark };

}  // namespace tornivo::app

namespace tornivo {
template <>
struct RawEnumTable<app::AppearanceMode> {
    using M = app::AppearanceMode;
    static constexpr std::array<std::pair<M, std::string_view>, 3> cases{
        {{M::system, "system"}, {M::light, "light"}, {M::dark, "dark"}}};
};
}  // namespace tornivo

namespace tornivo::app {

// "settings.mode." followed by the raw value.
QString titleKey(AppearanceMode mode);

class ThemeManager : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    // The raw value of the appearance ("system", "light" or "dark").
    Q_PROPERTY(QString appearance READ appearanceId WRITE setAppearanceId NOTIFY appearanceChanged)
    // The modes in picker order, each {id, titleKey}.
    Q_PROPERTY(QVariantList appearances READ appearanceList CONSTANT)
    Q_PROPERTY(QString accentID READ accentIdText WRITE setAccentIdText NOTIFY accentIDChanged)
    Q_PROPERTY(QColor accent READ accent NOTIFY accentChanged)
    // The presets in picker order, each {id, nameKey, color}.
    Q_PROPERTY(QVariantList presets READ presetList CONSTANT)
    // Whether the user forced light or dark; and whether the panel is dark now: the forced
    // choice, or with "system" the desktop's preference (below).
    Q_PROPERTY(bool forcesColorScheme READ forcesColorScheme NOTIFY appearanceChanged)
    Q_PROPERTY(bool dark READ dark NOTIFY darkChanged)

  public:
    static constexpr const char* kAppearanceKey = setting::themeAppearance.key;
    static constexpr const char* kAccentKey = setting::themeAccent.key;
    static constexpr const char* kDefaultAccent = setting::themeAccent.fallback;

    struct Preset {
        const char* id;
        const char* nameKey;
        double red, green, blue;  // sRGB, fully opaque
        QColor color() const { return QColor::fromRgbF(float(red), float(green), float(blue)); }
    };
    // The accent presets, in the order of the colour picker.
    static const std::array<Preset, 6>& presets();

    // Reads both choices; reading never rewrites what is stored.
    explicit ThemeManager(PreferencesStore& store, QObject* parent = nullptr);
    ~ThemeManager() override;

    // The instance the application and QML use.
    static ThemeManager* shared();
    static void setShared(ThemeManager* manager);
    static ThemeManager* create(QQmlEngine*, QJSEngine* engine);

    AppearanceMode appearance() const { return appearance_; }
    void setAppearance(AppearanceMode mode);
    QString appearanceId() const {
        auto raw = rawValue(appearance_);
        return QString::fromLatin1(raw.data(), static_cast<qsizetype>(raw.size()));
    }
    // Unknown words are ignored: the picker offers only the three modes.
    void setAppearanceId(const QString& id);
    QVariantList appearanceList() const;

    const std::string& accentID() const { return accentID_; }
    // Stores any id as given; one that names no preset makes `accent` the system's.
    void setAccentID(const std::string& id);
    QString accentIdText() const { return QString::fromStdString(accentID_); }
    void setAccentIdText(const QString& id) { setAccentID(id.toStdString()); }

    // The colour of the preset named by `accentID`, else the system's accent colour (the
    // application palette's highlight), which follows later changes of that palette.
    QColor accent() const;
    QVariantList presetList() const;

    bool forcesColorScheme() const { return appearance_ != AppearanceMode::system; }
    bool dark() const;

    // The desktop's preference, as the settings portal's "color-scheme" gives it: 1 prefer dark,
    // 2 prefer light, 0 (or anything else) no preference, in which case the lightness of the
    // application palette's window colour decides. Qt 6.4 has no colour-scheme hint of its own,
    // so the portal is read at construction and followed while the session bus is there.
    bool systemPrefersDark() const;
    void setPortalColorScheme(uint value);

  signals:
    void appearanceChanged();
    void darkChanged();
    void accentIDChanged();
    void accentChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    void onPortalSettingChanged(const QString& group, const QString& key,
                                const QDBusVariant& value);

  private:
    const Preset* preset() const;
    void watchPortal();
    // Announces `darkChanged` when the effective darkness is not what was last announced.
    void updateDark();

    PreferencesStore& store_;
    AppearanceMode appearance_ = AppearanceMode::system;
    std::string accentID_;
    uint portalScheme_ = 0;
    bool announcedDark_ = false;
};

}  // namespace tornivo::app
