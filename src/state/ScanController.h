#pragma once

#include "CategoryKind.h"

#include <QList>
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <set>
#include <vector>

namespace orvelane {

class ScanSession;
class WindowState;

/**
 * @brief The window's scans: the full scan of the layout's categories, each published as it
 * ends, and the rescans that show what a clean or a restore changed, one after the other.
 */
class ScanController : public QObject
{
    Q_OBJECT
    /// The categories of the running full scan not yet published, as Category values.
    Q_PROPERTY(QList<int> scanningKinds READ scanningKindValues NOTIFY scanningKindsChanged)
    /// A full scan has been started at least once.
    Q_PROPERTY(bool hasScanned READ hasScanned NOTIFY hasScannedChanged)
    /// Whether the Trash could be listed when the last full scan started (assumed before the first).
    Q_PROPERTY(bool trashReadable READ trashReadable NOTIFY trashReadableChanged)

public:
    explicit ScanController(WindowState& window);
    ~ScanController() override;

    const std::set<CategoryKind>& scanningKinds() const { return scanningKinds_; }
    bool scanning() const { return !scanningKinds_.empty(); }
    bool hasScanned() const { return hasScanned_; }
    bool trashReadable() const { return trashReadable_; }

    /**
     * @brief Scans every category of the layout at once; refused (with a warning) while one runs.
     * The selection empties and the exclusions are read again first; the old lists stay until
     * their category's new result replaces them.
     */
    Q_INVOKABLE void scanAll();
    /// Scans the categories one after the other, publishing each, then calls `done`.
    void rescanInTurn(std::vector<CategoryKind> kinds, std::function<void()> done);
    /// No result still to come is published: the window is going.
    void cancel() { cancelled_ = true; }

    QList<int> scanningKindValues() const;

signals:
    void scanningKindsChanged();
    void hasScannedChanged();
    void trashReadableChanged();
    /// A full scan starts: what the window offered to undo is no longer on screen.
    void fullScanStarted();
    /// The last category of a full scan was published.
    void fullScanFinished();

private:
    WindowState& window_;
    std::unique_ptr<ScanSession> session_;
    std::set<CategoryKind> scanningKinds_;
    bool hasScanned_ = false;
    bool trashReadable_ = true;
    std::atomic<bool> cancelled_{false};
};

} // namespace orvelane
