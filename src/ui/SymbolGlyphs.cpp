#include "SymbolGlyphs.h"

#include "Symbols.h"

namespace orvelane {

QString SymbolGlyphs::ligature(const QString& symbolName) const
{
    const QByteArray name = symbolName.toUtf8();
    const std::string_view ligature = materialLigature(std::string_view(name.constData(), name.size()));
    return QString::fromUtf8(ligature.data(), static_cast<qsizetype>(ligature.size()));
}

} // namespace orvelane
