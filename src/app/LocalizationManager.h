#pragma once
// The language of the interface, chosen in the settings independently of the system's: which
// string table is bound, the locale that numbers and dates are written in, and the text
// direction. Texts are looked up by their dotted keys through Qt's id-based translations
// (qsTrId in QML, qtTrId in C++); a change of language swaps the tables and retranslates every
// QML engine at once, without a restart. Lives on the main thread.

#include <QtQml/qqmlregistration.h>
#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QTranslator>
#include <QVariantList>

#include <array>
#include <memory>

#include "platform/PreferencesStore.h"
#include "platform/Settings.h"

class QQmlEngine;
class QJSEngine;

namespace tornivo::app {

class LocalizationManager : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString code READ code WRITE setCode NOTIFY codeChanged)
    Q_PROPERTY(QVariantList languages READ languages CONSTANT)
    Q_PROPERTY(Qt::LayoutDirection layoutDirection READ layoutDirection NOTIFY codeChanged)
    Q_PROPERTY(QLocale locale READ locale NOTIFY codeChanged)
    Q_PROPERTY(QString boundTable READ boundTable NOTIFY codeChanged)

  public:
    static constexpr const char* kKey = setting::appLanguage.key;
    static constexpr const char* kSystem = setting::appLanguage.fallback;

    struct Language {
        const char* code;
        const char* nativeName;
    };
    // The languages of the picker, in its order.
    static const std::array<Language, 20>& table();

    // Reads the stored choice ("system" when absent or not a string) and binds its table.
    explicit LocalizationManager(PreferencesStore& store, QObject* parent = nullptr);
    ~LocalizationManager() override;

    // The instance the application and QML use.
    static LocalizationManager* shared();
    static void setShared(LocalizationManager* manager);
    static LocalizationManager* create(QQmlEngine* qml, QJSEngine* engine);

    QString code() const { return code_; }
    // Stores the choice and rebinds; any string is accepted.
    void setCode(const QString& code);
    // The locale numbers and dates are written in: the system's for "system", else `code`'s.
    QLocale locale() const;
    // Right to left for Arabic and Hebrew (also when "system" resolves to one of them).
    Qt::LayoutDirection layoutDirection() const;
    // `code`, or for "system" the language of the system's locale ("en" when it gives none).
    QString effectiveLanguage() const;
    // The table bound now (a language code), or empty when none could be loaded.
    QString boundTable() const { return boundTable_; }
    QVariantList languages() const;

    // The text of a key in the bound table; the key itself when the table lacks it.
    Q_INVOKABLE QString text(const QString& key) const;

    // QML engines whose texts follow a change of language.
    void attach(QQmlEngine* engine);

    // The system's locale and preferred languages (a test, or the screenshot mode, sets them).
    QLocale systemLocale() const { return systemLocale_; }
    void setSystemLocale(const QLocale& locale);

  signals:
    void codeChanged();

  private:
    void rebind();
    bool loadTable(QTranslator& translator, const QString& table);
    QString systemTable() const;

    PreferencesStore& store_;
    QString code_;
    QString boundTable_;
    QLocale systemLocale_;
    std::unique_ptr<QTranslator> primary_, fallback_;
    QList<QPointer<QQmlEngine>> engines_;
};

}  // namespace tornivo::app
