#include "BundleTranslator.h"

#include "Localizer.h"

namespace orvelane {

BundleTranslator::BundleTranslator(const Localizer& localizer, QObject* parent)
    : QTranslator(parent), localizer_(localizer)
{
}

QString BundleTranslator::translate(const char*, const char* sourceText, const char*, int n) const
{
    if (!sourceText)
        return {};
    // qsTr(key, "", count) hands the count on, so a text with a count gets its fitting form.
    return localizer_.translation(QString::fromUtf8(sourceText), n < 0 ? -1 : Localizer::pluralCount(n));
}

} // namespace orvelane
