#pragma once

#include "CategoryKind.h"
#include "CleanResult.h"
#include "QmlEnums.h"

#include <QFuture>
#include <QObject>
#include <QStringList>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvelane {

class ItemRemover;
class WindowState;

/**
 * @brief The window's cleans (see CleanSession) and what they leave on screen: whether removal
 * or restoring runs, the messages of the last one, and the bytes cleaned this run.
 *
 * Undo and put-back run "as a clean" through the same flag and messages (RestoreController).
 */
class CleanController : public QObject
{
    Q_OBJECT
    /// Items are being removed or restored.
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)
    /// One message per item the last clean (undo, put-back) left, "name: reason".
    Q_PROPERTY(QStringList errors READ errors WRITE setErrors NOTIFY errorsChanged)
    /// The messages are of items an undo or a put-back left in the Trash, not of a clean.
    Q_PROPERTY(bool errorsFromPutBack READ errorsFromPutBack NOTIFY errorsChanged)
    /// Bytes cleaned since the window opened; only an undo of its own clean takes from it.
    Q_PROPERTY(qint64 totalCleaned READ totalCleaned NOTIFY totalCleanedChanged)

public:
    explicit CleanController(WindowState& window);

    bool running() const { return running_; }
    QStringList errors() const { return errors_; }
    bool errorsFromPutBack() const { return errorsFromPutBack_; }
    qint64 totalCleaned() const { return totalCleaned_; }

    /**
     * @brief Cleans the ticked, cleanable items of the category, then rescans it and the Trash.
     * `notStarted` when nothing cleanable is ticked or the window is busy.
     */
    QFuture<CleanResult> cleanSelected(CategoryKind kind);
    /// Starts a clean of a Category value; `cleanFinished` reports its result.
    Q_INVOKABLE void startClean(int kind);
    /// Forgets the messages: the user has read the alert.
    Q_INVOKABLE void dismissErrors() { setErrors({}); }
    void setErrors(const QStringList& errors);

    /**
     * @brief Ends a running clean early and safely, for quitting: the item being removed is
     * finished, the items after it are left untouched, and no rescan follows. Does nothing when
     * no clean runs. Returns at once; the window waits for the worker as it goes.
     */
    void stopAfterCurrentItem();
    /// Replaces what removes items (tests); the platform remover by default.
    void setRemover(ItemRemover* remover) { remover_ = remover; }

    // For restoring, which runs as a clean does.
    void setRunning(bool running);
    void setMessages(const std::vector<std::string>& messages, bool fromPutBack);
    /// Bytes of this window's clean that came back: they were not cleaned after all.
    void takeBack(std::int64_t restored);
    /// A Trash entry went back to its place: when this window's clean put it there, its bytes
    /// come off the session's total.
    void returnedFromTrash(const std::filesystem::path& entry, std::optional<std::uint64_t> inode);

signals:
    void runningChanged();
    void errorsChanged();
    void totalCleanedChanged();
    void cleanFinished(int kind, orvelane::qml::Outcome::Result result);

private:
    WindowState& window_;
    bool running_ = false;
    QStringList errors_;
    bool errorsFromPutBack_ = false;
    qint64 totalCleaned_ = 0;
    ItemRemover* remover_;
    std::atomic<bool> stopRequested_{false};
    /// What this window's cleans moved to the Trash and counted: entry → identity and size. An
    /// emptied Trash frees them again, and a put-back returns them; neither may count twice.
    struct Counted
    {
        std::uint64_t inode = 0;
        std::int64_t size = 0;
    };
    std::map<std::filesystem::path, Counted> countedInTrash_;
};

} // namespace orvelane
