#include "DesktopTexts.h"

#include "DisplayText.h"
#include "HomeFolder.h"
#include "Layout.h"
#include "Localizer.h"
#include "PathText.h"
#include "TrashLocation.h"

namespace orvelane {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

const JunkScanner::PlatformTexts& texts() { return JunkScanner::activeLayout().texts; }

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

DesktopTexts::DesktopTexts(QObject* parent) : QObject(parent)
{
    connect(&Localizer::shared(), &Localizer::bundleChanged, this, &DesktopTexts::changed);
}

QString DesktopTexts::welcomeTitle() const { return text(localizedText(texts().welcomeTitle)); }

QString DesktopTexts::revealInFileManager() const { return text(localizedText(texts().revealInFileManager)); }

QString DesktopTexts::accessTitle() const { return text(localizedText(texts().accessTitle)); }

QString DesktopTexts::accessNotice() const { return text(localizedText(texts().accessNotice)); }

QString DesktopTexts::accessPlaceholder() const
{
    return text(localizedFormat(texts().accessPlaceholder, {trashFolderAsTyped()}));
}

bool DesktopTexts::opensAccessSettings() const { return texts().opensAccessSettings; }

} // namespace orvelane
