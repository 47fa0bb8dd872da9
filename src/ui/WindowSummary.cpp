#include "WindowSummary.h"

#include "ByteFormatter.h"
#include "DisplayText.h"
#include "Localizer.h"
#include "ReportTexts.h"
#include "WindowBinding.h"

namespace orvelane {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

} // namespace

WindowSummary::WindowSummary(QObject* parent) : QObject(parent)
{
    connect(&Localizer::shared(), &Localizer::bundleChanged, this, &WindowSummary::changed);
}

void WindowSummary::setWindowState(WindowState* state)
{
    const bool rebound = WindowBinding::rebind(*this, state_, state, [this](WindowState& next) {
        WindowBinding::followTotals(next, this);
        connect(next.cleaning(), &CleanController::totalCleanedChanged, this, &WindowSummary::changed);
        connect(next.cleaning(), &CleanController::errorsChanged, this, &WindowSummary::changed);
    });
    if (!rebound)
        return;
    emit windowStateChanged();
    emit changed();
}

QString WindowSummary::totalText() const
{
    if (!state_ || !state_->scanning()->hasScanned())
        return text(localizedText(DISPLAY_TEXT("Not scanned yet")));
    return text(ReportTexts::totalFound(state_->results()->grandTotal()));
}

QString WindowSummary::cleanedText() const
{
    if (!state_ || state_->cleaning()->totalCleaned() <= 0)
        return {};
    return text(localizedFormat(DISPLAY_TEXT("Cleaned this session: %@"), {formatBytes(state_->cleaning()->totalCleaned())}));
}

QString WindowSummary::diskSpaceText() const
{
    if (!state_ || !state_->diskSpace()->known())
        return {};
    return text(ReportTexts::freeSpace(state_->diskSpace()->available(), state_->diskSpace()->total()));
}

bool WindowSummary::showsAlert() const { return state_ && !state_->cleaning()->errors().isEmpty(); }

QString WindowSummary::alertMessage() const
{
    if (!state_)
        return {};
    return state_->cleaning()->errors().mid(0, alertMessageLimit).join(QLatin1Char('\n'));
}

} // namespace orvelane
