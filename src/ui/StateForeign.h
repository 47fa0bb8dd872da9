#pragma once

#include "CategoryItemsModel.h"
#include "CategoryItemsView.h"
#include "QmlEnums.h"
#include "SettingsState.h"
#include "WindowState.h"

#include <QQmlEngine>

// The window's state as QML types: the shell gives each main window its WindowState; its
// controllers are reached as its typed properties, never created in QML.
namespace orvelane {

struct WindowStateForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::WindowState)
    QML_NAMED_ELEMENT(WindowState)
    QML_UNCREATABLE("The shell gives each main window its own")
};

struct ScanResultsForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::ScanResults)
    QML_NAMED_ELEMENT(ScanResults)
    QML_UNCREATABLE("A property of WindowState")
};

struct SelectionControllerForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::SelectionController)
    QML_NAMED_ELEMENT(SelectionController)
    QML_UNCREATABLE("A property of WindowState")
};

struct ScanControllerForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::ScanController)
    QML_NAMED_ELEMENT(ScanController)
    QML_UNCREATABLE("A property of WindowState")
};

struct CleanControllerForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::CleanController)
    QML_NAMED_ELEMENT(CleanController)
    QML_UNCREATABLE("A property of WindowState")
};

struct SuccessCardForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::SuccessCard)
    QML_NAMED_ELEMENT(SuccessCard)
    QML_UNCREATABLE("A property of WindowState")
};

struct RestoreControllerForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::RestoreController)
    QML_NAMED_ELEMENT(RestoreController)
    QML_UNCREATABLE("A property of WindowState")
};

struct ExclusionControllerForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::ExclusionController)
    QML_NAMED_ELEMENT(ExclusionController)
    QML_UNCREATABLE("A property of WindowState")
};

struct DiskSpaceControllerForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::DiskSpaceController)
    QML_NAMED_ELEMENT(DiskSpaceController)
    QML_UNCREATABLE("A property of WindowState")
};

struct DesktopControllerForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::DesktopController)
    QML_NAMED_ELEMENT(DesktopController)
    QML_UNCREATABLE("A property of WindowState")
};

// The settings window's state, one for the application, given by the shell.
struct SettingsStateForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::SettingsState)
    QML_NAMED_ELEMENT(SettingsState)
    QML_UNCREATABLE("The shell gives the settings window its own")
};

struct ExcludedPathsForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::ExcludedPaths)
    QML_NAMED_ELEMENT(ExcludedPaths)
    QML_UNCREATABLE("A property of SettingsState")
};

struct TidyControllerForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::TidyController)
    QML_NAMED_ELEMENT(TidyController)
    QML_UNCREATABLE("A property of SettingsState")
};

// The list's view of a category's items: sorted and searched (created by the list).
struct CategoryItemsViewForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::CategoryItemsView)
    QML_NAMED_ELEMENT(CategoryItemsView)
};

struct CategoryItemsModelForeign
{
    Q_GADGET
    QML_FOREIGN(orvelane::CategoryItemsModel)
    QML_NAMED_ELEMENT(CategoryItemsModel)
    QML_UNCREATABLE("Obtained from ScanResults.itemsModel(kind)")
};

namespace CategoryForeign {
Q_NAMESPACE
QML_FOREIGN_NAMESPACE(orvelane::qml::Category)
QML_NAMED_ELEMENT(Category)
} // namespace CategoryForeign

namespace SafetyLevelForeign {
Q_NAMESPACE
QML_FOREIGN_NAMESPACE(orvelane::qml::Safety)
QML_NAMED_ELEMENT(SafetyLevel)
} // namespace SafetyLevelForeign

namespace CleanResultForeign {
Q_NAMESPACE
QML_FOREIGN_NAMESPACE(orvelane::qml::Outcome)
QML_NAMED_ELEMENT(CleanResult)
} // namespace CleanResultForeign

} // namespace orvelane
