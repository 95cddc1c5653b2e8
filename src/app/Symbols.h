#pragma once
// The symbols of the interface. Code names a symbol by its identifier ("trash.fill",
// "sparkles"); this one table maps each to a glyph of the Material Icons font, which is embedded
// in the program at build time.

#include <QtQml/qqmlregistration.h>
#include <QObject>
#include <QString>

namespace tornivo::app {

class Symbols : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString fontFamily READ fontFamily CONSTANT)
  public:
    using QObject::QObject;

    // Loads the embedded font once; the family to draw glyphs with.
    static QString fontFamily();
    // The glyph of a symbol; an unknown identifier gets the "help" glyph, never nothing.
    Q_INVOKABLE static QString glyph(const QString& symbol);
    static bool isKnown(const QString& symbol);
    // Whether the symbol points along the line of reading (a chevron), so that a right-to-left
    // layout draws it mirrored.
    Q_INVOKABLE static bool isDirectional(const QString& symbol);
    // Every identifier in the table.
    static QStringList identifiers();
};

}  // namespace tornivo::app
