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
#include <vector>

namespace orvelane {

class RestoreSession;
struct UndoableClean;
class WindowState;

/**
 * @brief Taking cleans back in the window (see RestoreSession): this window's cleans as a
 * whole, newest first, or one Trash item. Both run as a clean does: the window is busy
 * meanwhile, items that stay leave their messages, and the categories concerned are scanned
 * again.
 *
 * Undo walks back through this window's own cleans only: a clean made meanwhile from the
 * command line is the command line's to undo. Which of them may still be undone is asked of
 * the journal after every clean, undo, put back and full scan, so a clean whose items all left
 * the Trash is no longer offered.
 */
class RestoreController : public QObject
{
    Q_OBJECT
    /// One of this window's cleans may still be undone.
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY canUndoChanged)
    /// The category of the clean an undo takes back next (a Category value); -1 when none.
    Q_PROPERTY(int undoCategory READ undoCategory NOTIFY canUndoChanged)

public:
    explicit RestoreController(WindowState& window);
    ~RestoreController() override;

    bool canUndo() const { return nextId_.has_value(); }
    int undoCategory() const { return nextCategory_; }

    /// A clean of this window ended; when it was kept in the journal under `id`, it is the one an
    /// undo takes back next. Either way, what it removed may have ended older cleans' chances.
    void cleanRecorded(CategoryKind kind, const std::optional<std::string>& id);
    /// Asks the journal again which of this window's cleans may still be undone.
    void refresh();

    /**
     * @brief Puts the items of this window's newest clean that may still be undone back from
     * the Trash, then rescans the clean's categories and the Trash. `notStarted` when there is
     * nothing to undo or the window is busy.
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
    using Undoable = std::optional<std::vector<UndoableClean>>;
    struct Restoration;
    QFuture<CleanResult> run(std::function<Restoration()> work, bool undo);
    /// Takes the journal's answer, unless a later question is under way.
    void adopt(const Undoable& undoable, quint64 generation);

    WindowState& window_;
    std::unique_ptr<RestoreSession> session_;
    /// This window's cleans that the journal keeps, oldest first.
    std::vector<std::string> cleans_;
    /// The newest of them that may still be undone, and its category (-1 without one).
    std::optional<std::string> nextId_;
    int nextCategory_ = -1;
    /// Counts questions to the journal; only the latest answer counts.
    quint64 generation_ = 0;
};

} // namespace orvelane
