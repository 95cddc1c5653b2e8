#include "ThemeManager.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEvent>
#include <QGuiApplication>
#include <QJSEngine>
#include <QPalette>
#include <QVariantMap>

namespace tornivo::app {

namespace {

ThemeManager* g_shared = nullptr;

constexpr auto kModes = allCases<AppearanceMode>();

QLatin1String raw(AppearanceMode mode) {
    auto text = rawValue(mode);
    return QLatin1String(text.data(), static_cast<qsizetype>(text.size()));
}

// Only the two forced modes are recognised; a missing value, another type or an unknown word
// all mean following the system.
AppearanceMode readAppearance(const PreferencesStore& store) {
    return setting::readChoice<AppearanceMode>(store, setting::themeAppearance);
}

constexpr const char* kPortalService = "org.freedesktop.portal.Desktop";
constexpr const char* kPortalPath = "/org/freedesktop/portal/desktop";
constexpr const char* kPortalSettings = "org.freedesktop.portal.Settings";
constexpr const char* kAppearanceGroup = "org.freedesktop.appearance";
constexpr const char* kColorSchemeKey = "color-scheme";

// The portal's Read wraps the value in a second variant (older portals) or not (newer ones).
uint unwrapScheme(QVariant value) {
    while (value.canConvert<QDBusVariant>() && value.userType() == qMetaTypeId<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    bool ok = false;
    const uint scheme = value.toUInt(&ok);
    return ok ? scheme : 0;
}

}  // namespace

QString titleKey(AppearanceMode mode) {
    return QStringLiteral("settings.mode.") + raw(mode);
}

const std::array<ThemeManager::Preset, 6>& ThemeManager::presets() {
    static const std::array<Preset, 6> table{{
        {"blue", QT_TRID_NOOP("theme.blue"), 0.20, 0.48, 1.00},
        {"purple", QT_TRID_NOOP("theme.purple"), 0.58, 0.35, 0.95},
        {"pink", QT_TRID_NOOP("theme.pink"), 0.95, 0.32, 0.55},
        {"orange", QT_TRID_NOOP("theme.orange"), 0.98, 0.55, 0.18},
        {"green", QT_TRID_NOOP("theme.green"), 0.18, 0.72, 0.42},
        {"graphite", QT_TRID_NOOP("theme.graphite"), 0.45, 0.48, 0.53},
    }};
    return table;
}

ThemeManager::ThemeManager(PreferencesStore& store, QObject* parent)
    : QObject(parent),
      store_(store),
      appearance_(readAppearance(store)),
      accentID_(*setting::read(store, setting::themeAccent)) {
    // The system's accent is the palette's highlight: a palette change (a new desktop theme)
    // reaches the application object as an event.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        app->installEventFilter(this);
    announcedDark_ = dark();
    watchPortal();
}

void ThemeManager::watchPortal() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    bus.connect(kPortalService, kPortalPath, kPortalSettings, QStringLiteral("SettingChanged"),
                this, SLOT(onPortalSettingChanged(QString, QString, QDBusVariant)));
    // Asked without waiting: the answer (or the error of a desktop without the portal) arrives
    // through the event loop, and until then the palette decides.
    QDBusMessage read = QDBusMessage::createMethodCall(kPortalService, kPortalPath, kPortalSettings,
                                                       QStringLiteral("Read"));
    read << QString::fromLatin1(kAppearanceGroup) << QString::fromLatin1(kColorSchemeKey);
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        QDBusPendingReply<QDBusVariant> reply = *w;
        if (!reply.isError()) setPortalColorScheme(unwrapScheme(reply.argumentAt(0)));
        w->deleteLater();
    });
}

void ThemeManager::onPortalSettingChanged(const QString& group, const QString& key,
                                          const QDBusVariant& value) {
    if (group == QLatin1String(kAppearanceGroup) && key == QLatin1String(kColorSchemeKey))
        setPortalColorScheme(unwrapScheme(value.variant()));
}

void ThemeManager::updateDark() {
    if (dark() == announcedDark_) return;
    announcedDark_ = dark();
    emit darkChanged();
}

bool ThemeManager::dark() const {
    switch (appearance_) {
        case AppearanceMode::light:
            return false;
        case AppearanceMode::dark:
            return true;
        case AppearanceMode::system:
            break;
    }
    return systemPrefersDark();
}

bool ThemeManager::systemPrefersDark() const {
    if (portalScheme_ == 1) return true;
    if (portalScheme_ == 2) return false;
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

void ThemeManager::setPortalColorScheme(uint value) {
    portalScheme_ = value;
    updateDark();
}

ThemeManager::~ThemeManager() {
    if (g_shared == this) g_shared = nullptr;
}

ThemeManager* ThemeManager::shared() {
    return g_shared;
}

void ThemeManager::setShared(ThemeManager* manager) {
    g_shared = manager;
}

ThemeManager* ThemeManager::create(QQmlEngine*, QJSEngine* engine) {
    Q_ASSERT(g_shared && engine->thread() == g_shared->thread());
    QJSEngine::setObjectOwnership(g_shared, QJSEngine::CppOwnership);
    return g_shared;
}

void ThemeManager::setAppearance(AppearanceMode mode) {
    store_.set(kAppearanceKey, std::string(rawValue(mode)));
    if (mode == appearance_) return;
    appearance_ = mode;
    updateDark();
    emit appearanceChanged();
}

void ThemeManager::setAppearanceId(const QString& id) {
    for (AppearanceMode mode : kModes)
        if (id == raw(mode)) return setAppearance(mode);
}

QVariantList ThemeManager::appearanceList() const {
    QVariantList list;
    for (AppearanceMode mode : kModes)
        list << QVariantMap{{"id", QString(raw(mode))}, {"titleKey", titleKey(mode)}};
    return list;
}

void ThemeManager::setAccentID(const std::string& id) {
    store_.set(kAccentKey, id);
    if (id == accentID_) return;
    accentID_ = id;
    emit accentIDChanged();
    emit accentChanged();
}

const ThemeManager::Preset* ThemeManager::preset() const {
    for (const Preset& p : presets())
        if (accentID_ == p.id) return &p;
    return nullptr;
}

QColor ThemeManager::accent() const {
    if (const Preset* p = preset()) return p->color();
    return QGuiApplication::palette().color(QPalette::Highlight);
}

QVariantList ThemeManager::presetList() const {
    QVariantList list;
    for (const Preset& p : presets())
        list << QVariantMap{{"id", QString::fromLatin1(p.id)},
                            {"nameKey", QString::fromLatin1(p.nameKey)},
                            {"color", p.color()}};
    return list;
}

bool ThemeManager::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() &&
        event->type() == QEvent::ApplicationPaletteChange) {
        if (!preset()) emit accentChanged();
        updateDark();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tornivo::app
