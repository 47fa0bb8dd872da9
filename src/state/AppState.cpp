#include "AppState.h"

#include "ByteCount.h"
#include "ByteFormatter.h"
#include "SecondsText.h"
#include "CategoryItemsModel.h"
#include "CleanSelection.h"
#include "CleaningWorker.h"
#include "CleanUndo.h"
#include "DesktopServices.h"
#include "ExclusionStore.h"
#include "HomeFolder.h"
#include "ItemKey.h"
#include "JunkScanner.h"
#include "Layout.h"
#include "Localizer.h"
#include "Logger.h"
#include "PublishLater.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>


namespace orvelane {
namespace {

std::size_t slot(CategoryKind kind) { return static_cast<std::size_t>(kind); }

std::string raw(CategoryKind kind) { return std::string(rawValue(kind)); }

// Scans one category for a full scan: timed and logged, run on the pool.
ScanResult timedScan(CategoryKind kind, const ExclusionList& exclusions)
{
    Logger::debug("Scanning category: " + raw(kind));
    QElapsedTimer timer;
    timer.start();
    ScanResult result = JunkScanner::scan(JunkScanner::activeLayout(), kind, exclusions);
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    Logger::info("Category '" + raw(kind) + "' scan completed - " + std::to_string(result.items.size()) +
                 " items found in " + secondsText(elapsed, 2) + "s");
    return result;
}

} // namespace

AppState::AppState(QObject* parent) : QObject(parent), remover_(&platformRemover())
{
    for (CategoryKind kind : allCategoryKinds) {
        itemModels_[slot(kind)] = new CategoryItemsModel(kind, selection_, this);
    }
    connect(&Localizer::shared(), &Localizer::bundleChanged, this, [this] {
        for (auto* model : itemModels_)
            model->textsDidChange();
    });
    reloadExclusions();
    refreshDiskSpace();
}

AppState::~AppState()
{
    // Results of running scans are published into this object; let them finish first.
    pool_.waitForDone();
}

void AppState::setMessages(const std::vector<std::string>& messages, bool fromPutBack)
{
    QStringList list;
    for (const std::string& message : messages)
        list << QString::fromStdString(message);
    const bool kindChanged = fromPutBack != errorsFromPutBack_;
    errorsFromPutBack_ = fromPutBack;
    if (list == errors_ && kindChanged && !list.isEmpty())
        emit errorsChanged(); // the same words, now under another heading
    setErrors(list);
}

void AppState::setErrors(const QStringList& errors)
{
    if (errors == errors_)
        return;
    errors_ = errors;
    emit errorsChanged();
}

std::int64_t AppState::totalSize(CategoryKind kind) const
{
    const auto found = items_.find(kind);
    return found == items_.end() ? 0 : sumOfSizes(found->second);
}

std::int64_t AppState::grandTotal() const
{
    std::int64_t total = 0;
    for (CategoryKind kind : allCategoryKinds)
        if (!isGuidanceOnly(kind))
            total = addBytes(total, totalSize(kind));
    return total;
}

std::vector<ScannedItem> AppState::selectedItems(CategoryKind kind) const
{
    const auto found = items_.find(kind);
    if (found == items_.end())
        return {};
    return cleanableSelection(kind, found->second, selection_);
}

void AppState::setSelection(Selection selection)
{
    if (selection == selection_)
        return;
    selection_ = std::move(selection);
    selectionDidChange();
}

void AppState::select(const std::filesystem::path& url, bool selected)
{
    if (selected)
        selection_.insert(url);
    else
        selection_.erase(url);
    selectionDidChange();
}

void AppState::selectionDidChange()
{
    ++selectionRevision_;
    for (auto* model : itemModels_)
        model->selectionDidChange();
    emit selectionChanged();
}

void AppState::scanAll()
{
    if (!scanningKinds_.empty()) {
        Logger::warning("Scan already in progress");
        return;
    }
    const auto& offered = offeredKinds();
    Logger::info("Starting full system scan - " + std::to_string(offered.size()) + " categories");
    selection_.clear();
    selectionDidChange();
    // Every field first, the notices after: whoever any of them wakes sees all categories being
    // scanned already, so no sidebar row shows a size (zero) that nobody measured.
    reloadExclusions(); // the command line may have changed them
    const bool firstScan = !hasScanned_;
    hasScanned_ = true;
    const bool access = JunkScanner::hasFullDiskAccess();
    const bool accessChanged = access != hasFullDiskAccess_;
    hasFullDiskAccess_ = access;
    scanningKinds_ = {offered.begin(), offered.end()};
    emit scanningKindsChanged();
    if (firstScan)
        emit hasScannedChanged();
    if (accessChanged)
        emit hasFullDiskAccessChanged();
    setUndoId(std::nullopt); // the window offers an undo only until the next scan
    for (CategoryKind kind : offered) {
        publishLater(QtConcurrent::run(&pool_, timedScan, kind, exclusions_), this, [this, kind](ScanResult result) {
            const std::int64_t total = sumOfSizes(result.items);
            publish(kind, std::move(result));
            scanningKinds_.erase(kind);
            emit scanningKindsChanged();
            Logger::debug("Category '" + title(kind) + "' total size: " + formatBytes(total));
            if (scanningKinds_.empty())
                refreshDiskSpace();
        });
    }
}

void AppState::publish(CategoryKind kind, ScanResult result)
{
    // A scan looks with the exclusions of its start. What the user excluded since leaves its
    // result here; what was offered again since needs the category scanned once more.
    std::vector<ScannedItem> excludedSince;
    std::erase_if(result.items, [&](const ScannedItem& item) {
        if (!exclusions_.excludes(item.path))
            return false;
        excludedSince.push_back(item);
        return true;
    });
    skipAsExcluded(result.skipped, excludedSince);
    const bool offeredSince = std::any_of(result.skipped.begin(), result.skipped.end(), [&](const SkippedItem& item) {
        return item.reason == SkipReason::excludedByUser && !exclusions_.excludes(item.path);
    });
    if (offeredSince)
        rescanInTurn({kind}, [] {});
    itemModels_[slot(kind)]->setItems(result.items);
    items_[kind] = std::move(result.items);
    skippedItems_[kind] = std::move(result.skipped);
    ++resultRevision_;
    emit itemsChanged();
}

void AppState::setCleaning(bool cleaning)
{
    if (cleaning == cleaning_)
        return;
    cleaning_ = cleaning;
    emit cleaningChanged();
}

void AppState::setJustCleaned(std::optional<qint64> value)
{
    if (value == justCleaned_)
        return;
    justCleaned_ = value;
    emit justCleanedChanged();
}

QFuture<CleanResult> AppState::cleanSelected(CategoryKind kind)
{
    std::vector<ScannedItem> chosen = selectedItems(kind);
    if (chosen.empty()) {
        Logger::warning("Clean attempted with no items selected");
        return QtFuture::makeReadyFuture(CleanResult::notStarted);
    }
    if (cleaning_ || !scanningKinds_.empty())
        return QtFuture::makeReadyFuture(CleanResult::notStarted);

    const bool permanent = isDeletedPermanently(kind);
    Logger::info("Starting " + std::string(permanent ? "permanent delete" : "move to trash") + " for " +
                 std::to_string(chosen.size()) + " items in '" + title(kind) + "' (" +
                 formatBytes(sumOfSizes(chosen)) + ")");
    setCleaning(true);
    setUndoId(std::nullopt);
    stopRequested_ = false;

    auto promise = std::make_shared<QPromise<CleanResult>>();
    promise->start();
    ItemRemover* remover = remover_;
    // The pool is waited for before this object goes, so the worker may read the stop flag.
    const std::atomic<bool>* stop = &stopRequested_;
    const auto work = [chosen, kind, remover, stop] {
        const std::filesystem::path home = homeFolder();
        CleanOutcome outcome = runCleaningWorker(JunkScanner::activeLayout(), chosen, kind, home, *remover, stop);
        return std::pair(outcome, recordCleanForUndo(outcome, kind, home));
    };
    publishLater(QtConcurrent::run(&pool_, work), this, [this, chosen, kind, promise](std::pair<CleanOutcome, std::optional<std::string>> done) {
        CleanOutcome& outcome = done.first;
        setUndoId(done.second);
        totalCleaned_ = addBytes(totalCleaned_, outcome.cleaned);
        emit totalCleanedChanged();
        setMessages(outcome.errors, false);
        for (const ScannedItem& item : chosen)
            selection_.erase(item.path);
        selectionDidChange();
        if (!outcome.errors.empty())
            Logger::warning("Clean completed with " + std::to_string(outcome.errors.size()) +
                            " errors - cleaned " + formatBytes(outcome.cleaned));
        else
            Logger::info("Clean completed successfully - cleaned " + formatBytes(outcome.cleaned));

        std::vector<CategoryKind> rescans{kind};
        if (kind != CategoryKind::trash)
            rescans.push_back(CategoryKind::trash);
        const std::int64_t cleaned = outcome.cleaned;
        if (stopRequested_) {
            // Stopped for quitting: the window is going, nothing would show a rescan.
            finishClean(cleaned, promise);
            return;
        }
        rescanInTurn(std::move(rescans), [this, cleaned, promise] { finishClean(cleaned, promise); });
    });
    return promise->future();
}

void AppState::stopCleaningAfterCurrentItem()
{
    if (cleaning_)
        stopRequested_ = true;
}

void AppState::rescanInTurn(std::vector<CategoryKind> remaining, std::function<void()> done)
{
    if (remaining.empty()) {
        done();
        return;
    }
    const CategoryKind kind = remaining.front();
    remaining.erase(remaining.begin());
    Logger::debug("Rescanning category: " + title(kind));
    publishLater(QtConcurrent::run(&pool_, [kind, exclusions = exclusions_] { return JunkScanner::scan(JunkScanner::activeLayout(), kind, exclusions); }), this,
                 [this, kind, remaining, done](ScanResult result) {
                     publish(kind, std::move(result));
                     rescanInTurn(remaining, done);
                 });
}

void AppState::finishClean(std::int64_t cleaned, const std::shared_ptr<QPromise<CleanResult>>& promise)
{
    if (cleaned > 0) {
        // No haptic feedback device on this desktop; the success card carries the news.
        setJustCleaned(cleaned);
        clearJustCleanedLater();
    }
    setCleaning(false);
    refreshDiskSpace();
    promise->addResult(CleanResult::completed);
    promise->finish();
}

void AppState::revealInFinder(const ScannedItem& item)
{
    Logger::debug("Revealing in Finder: " + item.name);
    DesktopServices::revealInFileManager(item.path);
}

void AppState::openFullDiskAccessSettings() { DesktopServices::openFullDiskAccessSettings(); }

std::optional<CategoryKind> AppState::kindOf(const QString& raw)
{
    return categoryKindFromRawValue(raw.toStdString());
}

QObject* AppState::itemsModel(const QString& kind) const
{
    const auto found = kindOf(kind);
    return found ? itemModels_[slot(*found)] : nullptr;
}

QVariantList AppState::skippedEntries(const QString& kind) const
{
    QVariantList entries;
    const auto found = kindOf(kind);
    if (!found || !skippedItems_.contains(*found))
        return entries;
    for (const SkippedItem& item : skippedItems_.at(*found)) {
        QVariantMap entry{{"name", QString::fromStdString(item.name)},
                          {"url", displayPath(item.path)},
                          {"reason", QString::fromLatin1(rawValue(item.reason).data(),
                                                         static_cast<qsizetype>(rawValue(item.reason).size()))}};
        if (item.size)
            entry.insert("size", static_cast<qint64>(*item.size));
        entry.insert("key", itemKey(item.path));
        entries.append(entry);
    }
    return entries;
}

int AppState::skippedCount(const QString& kind) const
{
    const auto found = kindOf(kind);
    return found && skippedItems_.contains(*found) ? static_cast<int>(skippedItems_.at(*found).size()) : 0;
}

qint64 AppState::totalSize(const QString& kind) const
{
    const auto found = kindOf(kind);
    return found ? totalSize(*found) : 0;
}

bool AppState::hasResult(const QString& kind) const
{
    const auto found = kindOf(kind);
    return found && items_.contains(*found);
}

bool AppState::isScanning(const QString& kind) const
{
    const auto found = kindOf(kind);
    return found && scanningKinds_.contains(*found);
}

int AppState::selectedCount(const QString& kind) const
{
    const auto found = kindOf(kind);
    return found ? static_cast<int>(selectedItems(*found).size()) : 0;
}

qint64 AppState::selectedSize(const QString& kind) const
{
    const auto found = kindOf(kind);
    return found ? sumOfSizes(selectedItems(*found)) : 0;
}

const ScannedItem* AppState::findItem(const QString& itemKey) const
{
    const std::filesystem::path url = pathFromItemKey(itemKey);
    for (const auto& [kind, list] : items_)
        for (const ScannedItem& item : list)
            if (item.path == url)
                return &item;
    return nullptr;
}

bool AppState::isSelected(const QString& itemKey) const { return selection_.contains(pathFromItemKey(itemKey)); }

void AppState::setSelected(const QString& itemKey, bool selected) { select(pathFromItemKey(itemKey), selected); }

void AppState::selectAll(const QString& kind)
{
    const auto found = kindOf(kind);
    if (!found || isGuidanceOnly(*found) || !items_.contains(*found))
        return;
    for (const ScannedItem& item : items_.at(*found))
        if (item.safetyLevel != SafetyLevel::protected_)
            selection_.insert(item.path);
    selectionDidChange();
}

void AppState::deselectAll(const QString& kind)
{
    const auto found = kindOf(kind);
    if (!found || !items_.contains(*found))
        return;
    for (const ScannedItem& item : items_.at(*found))
        selection_.erase(item.path);
    selectionDidChange();
}

void AppState::startClean(const QString& kind)
{
    const auto found = kindOf(kind);
    if (!found) {
        emit cleanFinished(kind, QStringLiteral("notStarted"));
        return;
    }
    // A watcher owned by this object, not a continuation: when the window closes mid-clean the
    // abandoned future must not call back into a destroyed state.
    auto* watcher = new QFutureWatcher<CleanResult>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, kind] {
        const QFuture<CleanResult> future = watcher->future();
        const bool completed = future.resultCount() > 0 && future.result() == CleanResult::completed;
        emit cleanFinished(kind, completed ? QStringLiteral("completed") : QStringLiteral("notStarted"));
        watcher->deleteLater();
    });
    watcher->setFuture(cleanSelected(*found));
}

void AppState::reveal(const QString& itemKey)
{
    if (const ScannedItem* item = findItem(itemKey))
        revealInFinder(*item);
}

const std::vector<CategoryKind>& AppState::offeredKinds()
{
    return JunkScanner::activeLayout().categories;
}

QStringList AppState::offeredKindNames()
{
    QStringList names;
    for (CategoryKind kind : offeredKinds())
        names << QString::fromLatin1(rawValue(kind).data(), static_cast<qsizetype>(rawValue(kind).size()));
    return names;
}

QStringList AppState::scanningKindNames() const
{
    QStringList names;
    for (CategoryKind kind : scanningKinds_)
        names << QString::fromLatin1(rawValue(kind).data(), static_cast<qsizetype>(rawValue(kind).size()));
    return names;
}

QVariant AppState::justCleanedValue() const { return justCleaned_ ? QVariant(*justCleaned_) : QVariant(); }

} // namespace orvelane
