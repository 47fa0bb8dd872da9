#pragma once

#include "CleanResult.h"
#include "QmlEnums.h"
#include "ScanRecords.h"

#include <QFuture>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace orvelane {

class RestoreSession;
class WindowState;

/**
 * @brief Taking cleans back in the window (see RestoreSession): this window's last clean as a
 * whole, or one Trash item. Both run as a clean does: the window is busy meanwhile, items that
 * stay leave their messages, and the categories concerned are scanned again.
 */
class RestoreController : public QObject
{
    Q_OBJECT
    /// This window's last clean moved items to the Trash and no scan or clean came since.
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY canUndoChanged)

public:
    explicit RestoreController(WindowState& window);
    ~RestoreController() override;

    bool canUndo() const { return undoId_.has_value(); }
    /// The journal of this window's last clean, while it can be undone.
    void setUndoId(std::optional<std::string> id);

    /**
     * @brief Puts the items of this window's last clean back from the Trash, then rescans the
     * clean's categories and the Trash. `notStarted` when there is nothing to undo or the
     * window is busy.
     */
    QFuture<CleanResult> undoLastClean();
    /// Starts an undo; `undoFinished` reports its result.
    Q_INVOKABLE void startUndo();

    /// Whether a listed Trash item has a record that names a place it can go back to.
    bool canPutBack(const ScannedItem& item) const;
    Q_INVOKABLE bool canPutBack(const QString& itemKey) const;
    /// Puts one Trash item back to its recorded place, then rescans the Trash and the
    /// categories that place belongs to.
    QFuture<CleanResult> putBack(const ScannedItem& item);
    /// Starts putting a Trash item back; `putBackFinished` reports its result.
    Q_INVOKABLE void startPutBack(const QString& itemKey);

signals:
    void canUndoChanged();
    void undoFinished(orvelane::qml::Outcome::Result result);
    void putBackFinished(orvelane::qml::Outcome::Result result);

private:
    struct Restoration
    {
        std::vector<std::string> errors;
        std::vector<CategoryKind> rescans;
        bool started = true;
        std::optional<std::string> undoId; ///< an undo: the journal's id while items remain
        std::int64_t restored = 0;         ///< an undo: the cleaned bytes that came back
    };
    QFuture<CleanResult> run(std::function<Restoration()> work, bool undo);

    WindowState& window_;
    std::unique_ptr<RestoreSession> session_;
    std::optional<std::string> undoId_;
};

} // namespace orvelane
