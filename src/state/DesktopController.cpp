#include "DesktopController.h"

#include "DesktopServices.h"
#include "DisplayText.h"
#include "HomeFolder.h"
#include "ItemKey.h"
#include "Layout.h"
#include "Localizer.h"
#include "Logger.h"
#include "PathText.h"
#include "QmlEnums.h"
#include "TrashLocation.h"
#include "WindowState.h"

namespace orvelane {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

// The trash folder as the user would type it: below the home folder it starts with "~/".
std::string trashFolderAsTyped()
{
    const auto home = homeFolder();
    const auto trash = trashRootFolder(home).lexically_normal();
    const auto relative = trash.lexically_relative(home);
    if (!relative.empty() && *relative.begin() != "..")
        return "~/" + displayText(relative);
    return displayText(trash);
}

} // namespace

DesktopController::DesktopController(WindowState& window) : QObject(&window), window_(window)
{
    connect(&Localizer::shared(), &Localizer::bundleChanged, this, &DesktopController::textsChanged);
}

QList<int> DesktopController::categories() const
{
    QList<int> values;
    for (CategoryKind kind : window_.layout().categories)
        values << qml::toQml(kind);
    return values;
}

QString DesktopController::welcomeTitle() const { return text(localizedText(window_.layout().texts.welcomeTitle)); }

QString DesktopController::revealText() const
{
    return text(localizedText(window_.layout().texts.revealInFileManager));
}

QString DesktopController::accessTitle() const { return text(localizedText(window_.layout().texts.accessTitle)); }

QString DesktopController::accessNotice() const { return text(localizedText(window_.layout().texts.accessNotice)); }

QString DesktopController::accessPlaceholder() const
{
    return text(localizedFormat(window_.layout().texts.accessPlaceholder, {trashFolderAsTyped()}));
}

bool DesktopController::opensAccessSettings() const { return window_.layout().texts.opensAccessSettings; }

QString DesktopController::subtitle(int kind) const
{
    const auto found = qml::categoryKind(kind);
    return found ? text(JunkScanner::layoutSubtitle(window_.layout(), *found)) : QString();
}

void DesktopController::reveal(const QString& itemKey)
{
    if (const ScannedItem* item = window_.results()->find(pathFromItemKey(itemKey)))
        reveal(*item);
}

void DesktopController::reveal(const ScannedItem& item)
{
    Logger::debug("Showing in the file manager: " + item.name);
    const bool shown = revealer_ ? revealer_(item.path) : DesktopServices::revealInFileManager(item.path);
    if (shown)
        return;
    Logger::warning("Neither a file manager nor the desktop's opener could show: " + item.name);
    // Says where to look instead, from the home folder as the rows show places.
    const std::string folder = pathFromHome(item.path.parent_path(), homeFolder());
    revealFailure_ = text(localizedFormat(
        DISPLAY_TEXT("No file manager could show “%@”. It is in %@."), {item.name, folder}));
    emit revealFailureChanged();
}

void DesktopController::dismissRevealFailure()
{
    if (revealFailure_.isEmpty())
        return;
    revealFailure_.clear();
    emit revealFailureChanged();
}

void DesktopController::openAccessSettings() { DesktopServices::openAccessSettings(); }

} // namespace orvelane
