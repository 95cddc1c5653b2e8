#pragma once
// Formatting for people: dates and numbers in the locale of the chosen language, byte counts
// through the program's one byte formatter.
//
// In QML a formatted value inside a localized format follows a change of language with the
// format's qsTrId; a value shown on its own reads the language in its binding so that it is
// formatted again: `text: LocalizationManager.code, Fmt.integer(count)`.

#include <QtQml/qqmlregistration.h>
#include <QDateTime>
#include <QObject>
#include <QString>

#include "models/Types.h"

namespace tornivo::app {

class Fmt : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
  public:
    using QObject::QObject;

    // Decimal units, KB to TB. Like the system's own file sizes, the number follows the
    // system's locale rather than the chosen language.
    Q_INVOKABLE static QString bytes(qint64 count);
    // "2 hours ago", with full unit names, as seen from now.
    Q_INVOKABLE static QString relative(const QDateTime& date);
    // The date alone, medium style.
    Q_INVOKABLE static QString date(const QDateTime& date);
    // Digits with grouping separators; plain digits on failure.
    Q_INVOKABLE static QString integer(qint64 value);
    // The fraction as a whole percentage, halves away from zero (1.2 gives "120%", 0.125
    // "13%"), with the digits and the percent sign where the language writes them.
    Q_INVOKABLE static QString percent(double fraction);

    // A path for display with the home written "~", replaced only as whole leading components:
    // with the home /home/al, /home/al/.cache is "~/.cache" and /home/alice stays as it is.
    static QString homeRelativePath(const Path& path, const Path& home);

    // The locale of the chosen language as a BCP 47 tag.
    static std::string localeTag();
};

}  // namespace tornivo::app
