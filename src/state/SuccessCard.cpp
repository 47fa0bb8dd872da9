#include "SuccessCard.h"

#include "WindowState.h"

namespace orvelane {

SuccessCard::SuccessCard(WindowState& window) : QObject(&window), window_(window)
{
    timer_.setSingleShot(true);
    timer_.setInterval(showMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &SuccessCard::timeIsUp);
}

bool SuccessCard::alertShown() const { return !window_.cleaning()->errors().isEmpty(); }

void SuccessCard::show(qint64 cleaned)
{
    goesWhenReleased_ = false;
    setJustCleaned(cleaned);
    if (alertShown()) {
        timer_.stop();
        setAmount(std::nullopt);
        return;
    }
    setAmount(cleaned);
    timer_.start();
}

void SuccessCard::dismiss()
{
    timer_.stop();
    goesWhenReleased_ = false;
    setAmount(std::nullopt);
    setJustCleaned(std::nullopt);
}

void SuccessCard::alertDidChange()
{
    if (alertShown() || amount_ || !justCleaned_)
        return;
    setAmount(justCleaned_);
    timer_.start();
}

void SuccessCard::hold(bool hold)
{
    if (hold == holding_)
        return;
    holding_ = hold;
    if (!hold && goesWhenReleased_) {
        goesWhenReleased_ = false;
        timer_.start();
    }
}

void SuccessCard::timeIsUp()
{
    if (holding_) {
        goesWhenReleased_ = true;
        return;
    }
    setAmount(std::nullopt);
    setJustCleaned(std::nullopt);
}

void SuccessCard::setAmount(std::optional<qint64> amount)
{
    if (amount == amount_)
        return;
    amount_ = amount;
    emit amountChanged();
}

void SuccessCard::setJustCleaned(std::optional<qint64> cleaned)
{
    if (cleaned == justCleaned_)
        return;
    justCleaned_ = cleaned;
    emit justCleanedChanged();
}

} // namespace orvelane
