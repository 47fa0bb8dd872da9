#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace orvelane {

/**
 * @brief Gives QML the icon font's ligature for a symbol name.
 *
 * Views name symbols ("sparkles", "globe", …); the shared table of Symbols.h decides how each is
 * drawn, so QML never spells a ligature itself.
 */
class SymbolGlyphs : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(Symbols)
    QML_SINGLETON
    /// The font family every symbol is drawn with.
    Q_PROPERTY(QString fontFamily READ fontFamily CONSTANT)

public:
    using QObject::QObject;

    static QString fontFamily() { return QStringLiteral("Material Icons"); }

    /// The ligature that draws the named symbol; empty for a name the table does not know.
    Q_INVOKABLE QString ligature(const QString& symbolName) const;
};

} // namespace orvelane
