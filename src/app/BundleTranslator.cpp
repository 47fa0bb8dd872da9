#include "BundleTranslator.h"

#include "Localizer.h"

namespace orvelane {

BundleTranslator::BundleTranslator(const Localizer& localizer, QObject* parent)
    : QTranslator(parent), localizer_(localizer)
{
}

QString BundleTranslator::translate(const char*, const char* sourceText, const char*, int) const
{
    if (!sourceText)
        return {};
    return localizer_.translation(QString::fromUtf8(sourceText));
}

} // namespace orvelane
