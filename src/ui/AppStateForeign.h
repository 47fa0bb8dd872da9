#pragma once

#include "AppState.h"
#include "CategoryItemsModel.h"

#include <QQmlEngine>

namespace orvelane {

/// Each main window creates its own `AppState { }` in QML.
struct AppStateForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::AppState)
    QML_NAMED_ELEMENT(AppState)
};

/// The per-category item lists handed out by AppState.itemsModel(kind).
struct CategoryItemsModelForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::CategoryItemsModel)
    QML_NAMED_ELEMENT(CategoryItemsModel)
    QML_UNCREATABLE("Obtained from AppState.itemsModel(kind)")
};

} // namespace orvelane
