#include "LanguageBinding.h"

#include "BundleTranslator.h"
#include "Localizer.h"

#include <QCoreApplication>
#include <QQmlEngine>

namespace orvelane {

void bindEngineToLocalizer(QQmlEngine& engine)
{
    Localizer& localizer = Localizer::shared();
    static BundleTranslator* const translator = [&localizer] {
        auto* installed = new BundleTranslator(localizer, QCoreApplication::instance());
        QCoreApplication::installTranslator(installed);
        return installed;
    }();
    Q_UNUSED(translator);
    QObject::connect(&localizer, &Localizer::bundleChanged, &engine, &QQmlEngine::retranslate);
    engine.retranslate();
}

} // namespace orvelane
