#pragma once

#include "CategoryKind.h"
#include "CleanResult.h"
#include "DiskSpace.h"
#include "ExclusionList.h"
#include "ScanRecords.h"

#include <QFuture>
#include <QPromise>
#include <QObject>
#include <QStringList>
#include <QThreadPool>
#include <QVariant>

#include <array>
#include <atomic>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>

namespace orvelane {

class CategoryItemsModel;
class ItemRemover;

/**
 * @brief Everything one main window shows: found and skipped items per category, scan and clean
 * progress, the selection, the last clean's messages and the bytes cleaned this run.
 *
 * Lives on the main thread. Scans and cleans run on a pool; each result is published here in
 * one step. Assigning an equal value notifies nobody; an in-place change always notifies.
 * QML reaches items by category through `itemsModel(kind)` and item keys (see CategoryItemsModel)
 * instead of copying whole maps; skipped paths are copied out only when the sheet asks for them.
 */
class AppState : public QObject
{
    Q_OBJECT
    /// The categories this desktop's layout offers, by raw value in catalogue order.
    Q_PROPERTY(QStringList offeredKinds READ offeredKindNames CONSTANT)
    Q_PROPERTY(QStringList scanningKinds READ scanningKindNames NOTIFY scanningKindsChanged)
    Q_PROPERTY(bool cleaning READ cleaning NOTIFY cleaningChanged)
    Q_PROPERTY(QStringList errors READ errors WRITE setErrors NOTIFY errorsChanged)
    /// The messages are of items an undo or a put-back left in the Trash, not of a clean.
    Q_PROPERTY(bool errorsFromPutBack READ errorsFromPutBack NOTIFY errorsChanged)
    Q_PROPERTY(qint64 totalCleaned READ totalCleaned NOTIFY totalCleanedChanged)
    Q_PROPERTY(bool hasFullDiskAccess READ hasFullDiskAccess NOTIFY hasFullDiskAccessChanged)
    Q_PROPERTY(bool hasScanned READ hasScanned NOTIFY hasScannedChanged)
    /// The bytes freed by the clean that just finished, or undefined.
    Q_PROPERTY(QVariant justCleaned READ justCleanedValue NOTIFY justCleanedChanged)
    Q_PROPERTY(qint64 grandTotal READ grandTotal NOTIFY itemsChanged)
    /// Bumped on every change of the selection, for bindings that read selection-derived values.
    Q_PROPERTY(int selectionRevision READ selectionRevision NOTIFY selectionChanged)
    /// Bumped whenever a category's result (items and skipped paths) is published.
    Q_PROPERTY(int resultRevision READ resultRevision NOTIFY itemsChanged)
    /// This window's last clean moved items to the Trash and no scan or clean came since.
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY canUndoChanged)
    /// The home folder's disk: bytes still free for the user and in all; -1 while unknown.
    Q_PROPERTY(qint64 diskAvailable READ diskAvailable NOTIFY diskSpaceChanged)
    Q_PROPERTY(qint64 diskTotal READ diskTotal NOTIFY diskSpaceChanged)

public:
    using ItemMap = std::map<CategoryKind, std::vector<ScannedItem>>;
    using SkippedMap = std::map<CategoryKind, std::vector<SkippedItem>>;
    using Selection = std::set<std::filesystem::path>;

    explicit AppState(QObject* parent = nullptr);
    ~AppState() override;

    const ItemMap& items() const { return items_; }
    const SkippedMap& skippedItems() const { return skippedItems_; }
    const std::set<CategoryKind>& scanningKinds() const { return scanningKinds_; }
    bool cleaning() const { return cleaning_; }
    const Selection& selection() const { return selection_; }
    QStringList errors() const { return errors_; }
    void setErrors(const QStringList& errors);
    bool errorsFromPutBack() const { return errorsFromPutBack_; }
    qint64 totalCleaned() const { return totalCleaned_; }
    bool hasFullDiskAccess() const { return hasFullDiskAccess_; }
    bool hasScanned() const { return hasScanned_; }
    std::optional<qint64> justCleaned() const { return justCleaned_; }

    std::int64_t totalSize(CategoryKind kind) const;
    std::int64_t grandTotal() const;
    std::vector<ScannedItem> selectedItems(CategoryKind kind) const;

    void setSelection(Selection selection);
    void select(const std::filesystem::path& url, bool selected);

    void scanAll();
    QFuture<CleanResult> cleanSelected(CategoryKind kind);

    /**
     * @brief Puts the items of this window's last clean back from the Trash (see
     * undoLastClean in CleanUndo.h), then rescans the clean's categories and the Trash. Items
     * that stay in the Trash leave their messages in `errors`. `notStarted` when there is
     * nothing to undo or the window is busy; runs as a clean does (`cleaning` is set).
     */
    QFuture<CleanResult> undoLastClean();
    bool canUndo() const { return undoId_.has_value(); }

    /// Whether a Trash item has a record that names a place it can go back to.
    bool canPutBack(const ScannedItem& item) const;
    /// Puts one Trash item back to its recorded place, then rescans the Trash and the
    /// categories that place belongs to; as a clean, with a message when it stays.
    QFuture<CleanResult> putBack(const ScannedItem& item);

    /**
     * @brief Never offers the item again: its path joins the exclusion list of the settings
     * store and the item moves to the category's skipped list at once, deselected. When the
     * store cannot be written the exclusion holds for this run only (the log says why).
     * Protected items and insights cannot be cleaned, and so are not excluded either.
     */
    bool exclude(const ScannedItem& item, CategoryKind kind);
    /// Offers a skipped path again: every exclusion that covers it goes, the category is rescanned.
    void offerAgain(CategoryKind kind, const std::filesystem::path& path);
    const ExclusionList& exclusions() const { return exclusions_; }

    std::optional<DiskSpace> diskSpace() const { return diskSpace_; }
    qint64 diskAvailable() const { return diskSpace_ ? diskSpace_->available : -1; }
    qint64 diskTotal() const { return diskSpace_ ? diskSpace_->total : -1; }
    /// Asks the home folder's disk for its space, off the UI thread; done after every scan and clean.
    void refreshDiskSpace();

    /// Keeps the success card up while the pointer rests on it (its Undo button must stay
    /// reachable); the 1.9 seconds run again from the moment it is released.
    void holdJustCleaned(bool hold);
    void revealInFinder(const ScannedItem& item);
    void openFullDiskAccessSettings();

    /**
     * @brief Ends a running clean early and safely, for quitting: the item being removed is
     * finished, the items after it are left untouched, and no rescan follows once the worker has
     * stopped. Does nothing when no clean runs. Returns at once; the destructor waits.
     */
    void stopCleaningAfterCurrentItem();

    /// Replaces what removes items (tests); the platform remover by default.
    void setRemover(ItemRemover* remover) { remover_ = remover; }

    // QML-facing: categories by raw value, items by key.
    Q_INVOKABLE QObject* itemsModel(const QString& kind) const;
    /// The category's skipped paths as {name, url, size (undefined when unknown), reason} for the sheet.
    Q_INVOKABLE QVariantList skippedEntries(const QString& kind) const;
    Q_INVOKABLE int skippedCount(const QString& kind) const;
    Q_INVOKABLE qint64 totalSize(const QString& kind) const;
    Q_INVOKABLE bool hasResult(const QString& kind) const;
    Q_INVOKABLE bool isScanning(const QString& kind) const;
    Q_INVOKABLE int selectedCount(const QString& kind) const;
    Q_INVOKABLE qint64 selectedSize(const QString& kind) const;
    Q_INVOKABLE bool isSelected(const QString& itemKey) const;
    Q_INVOKABLE void setSelected(const QString& itemKey, bool selected);
    Q_INVOKABLE void selectAll(const QString& kind);
    Q_INVOKABLE void deselectAll(const QString& kind);
    Q_INVOKABLE void startScan() { scanAll(); }
    /// Starts a clean; `cleanFinished` reports its result.
    Q_INVOKABLE void startClean(const QString& kind);
    Q_INVOKABLE void reveal(const QString& itemKey);
    Q_INVOKABLE void openAccessSettings() { openFullDiskAccessSettings(); }
    /// Starts an undo; `undoFinished` reports its result.
    Q_INVOKABLE void startUndo();
    Q_INVOKABLE bool canPutBack(const QString& itemKey) const;
    /// Starts putting a Trash item back; `putBackFinished` reports its result.
    Q_INVOKABLE void startPutBack(const QString& itemKey);
    /// Whether the row may be excluded (it could be cleaned).
    Q_INVOKABLE bool canExclude(const QString& itemKey) const;
    Q_INVOKABLE void excludeItem(const QString& itemKey);
    /// `key`: the skipped entry's "key" from skippedEntries.
    Q_INVOKABLE void offerAgain(const QString& kind, const QString& key);
    Q_INVOKABLE void holdSuccessCard(bool hold) { holdJustCleaned(hold); }

    QStringList scanningKindNames() const;
    static QStringList offeredKindNames();
    /// The categories a full scan covers: the layout's, in catalogue order.
    static const std::vector<CategoryKind>& offeredKinds();
    QVariant justCleanedValue() const;
    int selectionRevision() const { return selectionRevision_; }
    int resultRevision() const { return resultRevision_; }

signals:
    void itemsChanged();
    void scanningKindsChanged();
    void cleaningChanged();
    void selectionChanged();
    void errorsChanged();
    void totalCleanedChanged();
    void hasFullDiskAccessChanged();
    void hasScannedChanged();
    void justCleanedChanged();
    /// "completed" or "notStarted", for clean requests made from QML.
    void cleanFinished(const QString& kind, const QString& result);
    void canUndoChanged();
    void diskSpaceChanged();
    void undoFinished(const QString& result);
    void putBackFinished(const QString& result);

private:
    /// How long the success card shows a clean's freed bytes, unless the pointer holds it.
    static constexpr int justCleanedMilliseconds = 1900;

    void publish(CategoryKind kind, ScanResult result);
    /// Skipped entries for items the user excluded, in front of the other entries without a size.
    static void skipAsExcluded(std::vector<SkippedItem>& skipped, const std::vector<ScannedItem>& items);
    void setCleaning(bool cleaning);
    void setMessages(const std::vector<std::string>& messages, bool fromPutBack);
    void setJustCleaned(std::optional<qint64> value);
    void selectionDidChange();
    void rescanInTurn(std::vector<CategoryKind> remaining, std::function<void()> done);
    void finishClean(std::int64_t cleaned, const std::shared_ptr<QPromise<CleanResult>>& promise);
    const ScannedItem* findItem(const QString& itemKey) const;
    std::optional<CategoryKind> kindOfItem(const ScannedItem& item) const;
    void setUndoId(std::optional<std::string> id);
    void clearJustCleaned();
    /// The success card's own time: clearJustCleaned once it has passed.
    void clearJustCleanedLater();
    void reloadExclusions();
    /// Runs `work` like a clean: `cleaning` set, messages into `errors`, the categories it
    /// names rescanned in turn, then the disk space asked again.
    struct Restoration
    {
        std::vector<std::string> errors;
        std::vector<CategoryKind> rescans;
        bool started = true;
        std::optional<std::string> undoId; ///< an undo: the journal's id while items remain
        std::int64_t restored = 0;         ///< an undo: the cleaned bytes that came back
    };
    QFuture<CleanResult> runRestoration(std::function<Restoration()> work, bool undo);
    static QString resultName(const QFuture<CleanResult>& future);
    static std::optional<CategoryKind> kindOf(const QString& raw);

    ItemMap items_;
    SkippedMap skippedItems_;
    std::set<CategoryKind> scanningKinds_;
    bool cleaning_ = false;
    Selection selection_;
    QStringList errors_;
    bool errorsFromPutBack_ = false;
    qint64 totalCleaned_ = 0;
    bool hasFullDiskAccess_ = true;
    bool hasScanned_ = false;
    std::optional<qint64> justCleaned_;
    int selectionRevision_ = 0;
    int resultRevision_ = 0;
    std::optional<std::string> undoId_; // the journal id of this window's last clean
    bool holdingJustCleaned_ = false;
    bool clearWhenReleased_ = false;
    std::optional<DiskSpace> diskSpace_;
    ExclusionList exclusions_;
    ExclusionList unsavedExclusions_; // kept for this run: the store could not take them

    std::array<CategoryItemsModel*, 8> itemModels_{};
    ItemRemover* remover_;
    std::atomic<bool> stopRequested_{false};
    QThreadPool pool_;
};

} // namespace orvelane
