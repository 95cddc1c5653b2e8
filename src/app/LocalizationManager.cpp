#include "LocalizationManager.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QJSEngine>
#include <QQmlEngine>

#include "platform/Layout.h"

namespace tornivo::app {

namespace {

LocalizationManager* g_shared = nullptr;

// Compiled tables live in the resources as :/i18n/tornivo_<code in lower case>.qm.
QString tablePath(const QString& code) {
    return QStringLiteral(":/i18n/tornivo_%1.qm").arg(code);
}

bool isRightToLeft(const QString& language) {
    return language == QLatin1String("ar") || language == QLatin1String("he");
}

}  // namespace

const std::array<LocalizationManager::Language, 20>& LocalizationManager::table() {
    static const std::array<Language, 20> languages{{
        {"en", "English"},
        {"tr", "Türkçe"},
        {"de", "Deutsch"},
        {"fr", "Français"},
        {"es", "Español"},
        {"it", "Italiano"},
        {"pt-BR", "Português (Brasil)"},
        {"nl", "Nederlands"},
        {"sv", "Svenska"},
        {"pl", "Polski"},
        {"cs", "Čeština"},
        {"el", "Ελληνικά"},
        {"ru", "Русский"},
        {"uk", "Українська"},
        {"zh-Hans", "简体中文"},
        {"zh-Hant", "繁體中文"},
        {"ja", "日本語"},
        {"ko", "한국어"},
        {"ar", "العربية"},
        {"he", "עברית"},
    }};
    return languages;
}

LocalizationManager::LocalizationManager(PreferencesStore& store, QObject* parent)
    : QObject(parent), store_(store), systemLocale_(QLocale::system()) {
    code_ = QString::fromStdString(*setting::read(store_, setting::appLanguage));
    rebind();
}

LocalizationManager::~LocalizationManager() {
    if (primary_) QCoreApplication::removeTranslator(primary_.get());
    if (fallback_) QCoreApplication::removeTranslator(fallback_.get());
    if (g_shared == this) g_shared = nullptr;
}

LocalizationManager* LocalizationManager::shared() {
    // Made on first use when the application did not set one: the current user's preferences.
    if (!g_shared) {
        static PreferencesStore store(Layout::currentUser().settingsFile);
        static LocalizationManager* fallback = new LocalizationManager(store);
        g_shared = fallback;
    }
    return g_shared;
}

void LocalizationManager::setShared(LocalizationManager* manager) {
    g_shared = manager;
}

LocalizationManager* LocalizationManager::create(QQmlEngine* qml, QJSEngine* engine) {
    LocalizationManager* manager = shared();
    Q_ASSERT(engine->thread() == manager->thread());
    QJSEngine::setObjectOwnership(manager, QJSEngine::CppOwnership);
    manager->attach(qml);
    return manager;
}

void LocalizationManager::attach(QQmlEngine* engine) {
    for (const auto& e : engines_)
        if (e == engine) return;
    engines_.append(engine);
}

void LocalizationManager::setSystemLocale(const QLocale& locale) {
    systemLocale_ = locale;
    rebind();
}

void LocalizationManager::setCode(const QString& code) {
    store_.set(kKey, code.toStdString());
    if (code == code_) return;
    code_ = code;
    rebind();
}

QLocale LocalizationManager::locale() const {
    return code_ == QLatin1String(kSystem) ? systemLocale_ : QLocale(code_);
}

QString LocalizationManager::effectiveLanguage() const {
    if (code_ != QLatin1String(kSystem)) return code_;
    const QStringList preferred = systemLocale_.uiLanguages();
    QString language = preferred.isEmpty() ? QString() : preferred.first().section('-', 0, 0);
    if (language.isEmpty() || language == QLatin1String("C")) language = QStringLiteral("en");
    return language;
}

Qt::LayoutDirection LocalizationManager::layoutDirection() const {
    return isRightToLeft(effectiveLanguage()) ? Qt::RightToLeft : Qt::LeftToRight;
}

QVariantList LocalizationManager::languages() const {
    QVariantList list;
    for (const auto& l : table())
        list << QVariantMap{{"code", QString::fromUtf8(l.code)},
                            {"name", QString::fromUtf8(l.nativeName)}};
    return list;
}

QString LocalizationManager::text(const QString& key) const {
    const QByteArray id = key.toUtf8();
    return qtTrId(id.constData());
}

bool LocalizationManager::loadTable(QTranslator& translator, const QString& table) {
    return QFile::exists(tablePath(table)) && translator.load(tablePath(table));
}

// The table that the system's preferred languages choose: for each preferred language, from
// the most to the least specific form of its tag ("zh-Hans-CN", "zh-Hans", "zh"), the first
// table whose code matches regardless of case; a bare language also matches the one table of
// that language ("pt" finds "pt-BR").
QString LocalizationManager::systemTable() const {
    for (QString tag : systemLocale_.uiLanguages()) {
        tag.replace('_', '-');
        for (QString candidate = tag; !candidate.isEmpty();
             candidate = candidate.contains('-') ? candidate.section('-', 0, -2) : QString()) {
            QString onlyMatch;
            int matches = 0;
            for (const auto& l : table()) {
                const QString code = QString::fromUtf8(l.code);
                if (code.compare(candidate, Qt::CaseInsensitive) == 0) return code.toLower();
                if (code.section('-', 0, 0).compare(candidate, Qt::CaseInsensitive) == 0) {
                    onlyMatch = code.toLower();
                    ++matches;
                }
            }
            if (!candidate.contains('-') && matches == 1) return onlyMatch;
        }
    }
    return QStringLiteral("en");
}

void LocalizationManager::rebind() {
    for (auto* t : {primary_.get(), fallback_.get()})
        if (t) QCoreApplication::removeTranslator(t);
    primary_ = std::make_unique<QTranslator>();
    fallback_.reset();
    boundTable_.clear();

    // A chosen language binds its own table only, so a key it lacks shows as the key. Without
    // one (the system's choice, or a code with no table), the system's languages pick the table
    // and English fills what it lacks.
    bool specific = false;
    if (code_ != QLatin1String(kSystem)) {
        for (const QString& candidate : {code_, code_.toLower()}) {
            if (loadTable(*primary_, candidate)) {
                boundTable_ = candidate;
                specific = true;
                break;
            }
        }
    }
    if (!specific) {
        const QString table = systemTable();
        if (loadTable(*primary_, table)) boundTable_ = table;
        if (table != QLatin1String("en")) {
            fallback_ = std::make_unique<QTranslator>();
            if (!loadTable(*fallback_, QStringLiteral("en"))) fallback_.reset();
        }
    }
    if (fallback_) QCoreApplication::installTranslator(fallback_.get());
    QCoreApplication::installTranslator(primary_.get());

    QLocale::setDefault(locale());
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(layoutDirection());
    for (const auto& engine : engines_)
        if (engine) engine->retranslate();
    emit codeChanged();
}

}  // namespace tornivo::app
