#include "WindowSummary.h"

#include "ByteFormatter.h"
#include "CategoryKind.h"
#include "DisplayText.h"
#include "Localizer.h"

namespace orvelane {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

} // namespace

WindowSummary::WindowSummary(QObject* parent) : QObject(parent)
{
    connect(&Localizer::shared(), &Localizer::bundleChanged, this, &WindowSummary::changed);
    heldCardTimer_.setSingleShot(true);
    heldCardTimer_.setInterval(heldCardMilliseconds);
    connect(&heldCardTimer_, &QTimer::timeout, this, [this] {
        if (holding_)
            restartWhenReleased_ = true;
        else
            setCard(std::nullopt, false);
    });
}

void WindowSummary::setState(AppState* state)
{
    if (state == state_)
        return;
    if (state_)
        disconnect(state_, nullptr, this, nullptr);
    state_ = state;
    if (state_) {
        for (auto signal : {&AppState::itemsChanged, &AppState::hasScannedChanged, &AppState::totalCleanedChanged,
                            &AppState::errorsChanged, &AppState::diskSpaceChanged})
            connect(state_, signal, this, &WindowSummary::changed);
        connect(state_, &AppState::cleaningChanged, this, &WindowSummary::updateBusy);
        connect(state_, &AppState::scanningKindsChanged, this, &WindowSummary::updateBusy);
        connect(state_, &AppState::justCleanedChanged, this, &WindowSummary::justCleanedDidChange);
        connect(state_, &AppState::errorsChanged, this, &WindowSummary::errorsDidChange);
    }
    emit stateChanged();
    emit changed();
    updateBusy();
    justCleanedDidChange();
}

QStringList WindowSummary::kinds()
{
    return AppState::offeredKindNames();
}

QString WindowSummary::totalText() const
{
    if (!state_ || !state_->hasScanned())
        return text(localizedText(DISPLAY_TEXT("Not scanned yet")));
    return text(localizedFormat(DISPLAY_TEXT("Total found: %@"), {formatBytes(state_->grandTotal())}));
}

QString WindowSummary::cleanedText() const
{
    if (!state_ || state_->totalCleaned() <= 0)
        return {};
    return text(localizedFormat(DISPLAY_TEXT("Cleaned this session: %@"), {formatBytes(state_->totalCleaned())}));
}

QString WindowSummary::diskSpaceText() const
{
    const auto space = state_ ? state_->diskSpace() : std::nullopt;
    if (!space)
        return {};
    return text(localizedFormat(DISPLAY_TEXT("%@ free of %@"), {formatBytes(space->available), formatBytes(space->total)}));
}

bool WindowSummary::busy() const { return busy_; }

void WindowSummary::updateBusy()
{
    const bool busy = state_ && (state_->cleaning() || !state_->scanningKinds().empty());
    if (busy == busy_)
        return;
    busy_ = busy;
    emit busyChanged();
}

bool WindowSummary::showsAlert() const { return state_ && !state_->errors().isEmpty(); }

QString WindowSummary::alertMessage() const
{
    if (!state_)
        return {};
    return state_->errors().mid(0, alertMessageLimit).join(QLatin1Char('\n'));
}

void WindowSummary::justCleanedDidChange()
{
    const std::optional<qint64> amount = state_ ? state_->justCleaned() : std::nullopt;
    if (amount && showsAlert()) {
        held_ = amount;
        return;
    }
    if (amount || !cardReleased_)
        setCard(amount, false);
}

void WindowSummary::errorsDidChange()
{
    if (showsAlert() || !held_)
        return;
    const qint64 amount = *held_;
    held_.reset();
    setCard(amount, true);
    heldCardTimer_.start();
}

void WindowSummary::setCard(std::optional<qint64> amount, bool released)
{
    cardReleased_ = amount && released;
    if (!cardReleased_)
        heldCardTimer_.stop();
    if (amount == card_)
        return;
    card_ = amount;
    emit cardAmountChanged();
}

void WindowSummary::holdCard(bool hold)
{
    if (hold == holding_)
        return;
    holding_ = hold;
    if (state_)
        state_->holdJustCleaned(hold);
    if (!hold && restartWhenReleased_) {
        restartWhenReleased_ = false;
        heldCardTimer_.start();
    }
}

void WindowSummary::dismissAlert()
{
    if (state_)
        state_->setErrors({});
}

} // namespace orvelane
