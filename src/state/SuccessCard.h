#pragma once

#include <QObject>
#include <QTimer>
#include <QVariant>

#include <optional>

namespace orvelane {

class WindowState;

/**
 * @brief The card that celebrates a clean that freed space: shown for 1.9 seconds, kept while
 * the pointer rests on it (its Undo button must stay reachable) and shown its full time again
 * once released. A clean that also left messages would put the card under the alert's
 * backdrop: its card waits until the alert is dismissed. The one timer of the card lives here.
 */
class SuccessCard : public QObject
{
    Q_OBJECT
    /// The bytes the card shows now, or undefined for no card.
    Q_PROPERTY(QVariant amount READ amountValue NOTIFY amountChanged)
    /// The bytes the clean that just finished freed, while its card shows or waits for the
    /// alert to go; undefined otherwise.
    Q_PROPERTY(QVariant justCleaned READ justCleanedValue NOTIFY justCleanedChanged)

public:
    static constexpr int showMilliseconds = 1900;

    explicit SuccessCard(WindowState& window);

    std::optional<qint64> amount() const { return amount_; }
    std::optional<qint64> justCleaned() const { return justCleaned_; }
    QVariant amountValue() const { return amount_ ? QVariant(*amount_) : QVariant(); }
    QVariant justCleanedValue() const { return justCleaned_ ? QVariant(*justCleaned_) : QVariant(); }

    /// A clean freed `cleaned` bytes.
    void show(qint64 cleaned);
    /// The clean is being taken back: its card goes at once.
    void dismiss();
    /// The pointer rests on the card (true) or has left it.
    Q_INVOKABLE void hold(bool hold);
    /// The alert of the last clean's messages came or went.
    void alertDidChange();

signals:
    void amountChanged();
    void justCleanedChanged();

private:
    bool alertShown() const;
    void setAmount(std::optional<qint64> amount);
    void setJustCleaned(std::optional<qint64> cleaned);
    void timeIsUp();

    WindowState& window_;
    QTimer timer_;
    std::optional<qint64> amount_;
    std::optional<qint64> justCleaned_;
    bool holding_ = false;
    bool goesWhenReleased_ = false;
};

} // namespace orvelane
