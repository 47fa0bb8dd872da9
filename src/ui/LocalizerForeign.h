#pragma once

#include "Localizer.h"

#include <QQmlEngine>

namespace orvelane {

/// Makes the process-wide localizer the QML singleton `Localizer`.
struct LocalizerForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::Localizer)
    QML_NAMED_ELEMENT(Localizer)
    QML_SINGLETON

public:
    static Localizer* create(QQmlEngine*, QJSEngine*)
    {
        Localizer* localizer = &Localizer::shared();
        QJSEngine::setObjectOwnership(localizer, QJSEngine::CppOwnership);
        return localizer;
    }
};

} // namespace orvelane
