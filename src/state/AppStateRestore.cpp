// The operations that take a clean back or keep items from being offered: undo, put back,
// never offer again and offer again, and the disk's free space shown beside them.
#include "AppState.h"

#include "CategoryItemsModel.h"
#include "CleanUndo.h"
#include "DisplayText.h"
#include "ExclusionStore.h"
#include "HomeFolder.h"
#include "ItemKey.h"
#include "JunkScanner.h"
#include "Logger.h"
#include "PathText.h"
#include "PlainPath.h"
#include "PublishLater.h"
#include "PutBack.h"

#include <QFutureWatcher>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace orvelane {
namespace {

// The categories besides the Trash whose locations hold `place`: the ones that list it again
// once it is back.
std::vector<CategoryKind> categoriesHolding(const std::filesystem::path& place, const std::filesystem::path& home)
{
    std::vector<CategoryKind> kinds;
    for (CategoryKind kind : AppState::offeredKinds())
        if (kind != CategoryKind::trash && !isGuidanceOnly(kind) && JunkScanner::isAllowed(JunkScanner::activeLayout(), place, kind, home))
            kinds.push_back(kind);
    return kinds;
}

} // namespace

void AppState::setUndoId(std::optional<std::string> id)
{
    const bool could = canUndo();
    undoId_ = std::move(id);
    if (could != canUndo())
        emit canUndoChanged();
}

QFuture<CleanResult> AppState::undoLastClean()
{
    if (!undoId_ || cleaning_ || !scanningKinds_.empty()) {
        if (!undoId_)
            Logger::warning("Undo attempted with no clean to undo");
        return QtFuture::makeReadyFuture(CleanResult::notStarted);
    }
    const std::string id = *undoId_;
    setJustCleaned(std::nullopt); // the card celebrates the clean being taken back: it goes
    return runRestoration(
        [id] {
            const UndoOutcome outcome = orvelane::undoLastClean(homeFolder(), id);
            Restoration done{outcome.errors, outcome.categories, outcome.started, {}, outcome.restored};
            if (!outcome.started) // undone from the command line meanwhile, or replaced by its clean
                done.errors.push_back(localizedText(DISPLAY_TEXT("There is no clean to undo any more.")));
            if (outcome.remaining > 0)
                done.undoId = id;
            return done;
        },
        true);
}

bool AppState::canPutBack(const ScannedItem& item) const
{
    return kindOfItem(item) == CategoryKind::trash && PutBack::originalPlace(item.path, homeFolder()).succeeded();
}

QFuture<CleanResult> AppState::putBack(const ScannedItem& item)
{
    if (kindOfItem(item) != CategoryKind::trash || cleaning_ || !scanningKinds_.empty())
        return QtFuture::makeReadyFuture(CleanResult::notStarted);
    Logger::info("Putting back from the Trash: " + item.name);
    selection_.erase(item.path);
    selectionDidChange();
    return runRestoration(
        [item] {
            const std::filesystem::path home = homeFolder();
            // The scan saw the entry's inode; the device is not part of a scanned item.
            const PutBack::Result result = PutBack::putBack(item.path, {std::nullopt, item.inode}, home);
            Restoration done;
            if (!result.succeeded()) {
                Logger::warning("Could not put back '" + item.name + "': " + *result.failure);
                done.errors.push_back(PutBack::message(item.name, result));
            } else {
                done.rescans = categoriesHolding(result.original, home);
            }
            return done;
        },
        false);
}

QFuture<CleanResult> AppState::runRestoration(std::function<Restoration()> work, bool undo)
{
    setCleaning(true);
    auto promise = std::make_shared<QPromise<CleanResult>>();
    promise->start();
    publishLater(QtConcurrent::run(&pool_, std::move(work)), this, [this, promise, undo](Restoration done) {
        if (undo) {
            setUndoId(done.undoId);
            // What came back was not cleaned after all; the undone clean was this window's own.
            if (done.restored > 0) {
                totalCleaned_ = std::max<qint64>(0, totalCleaned_ - done.restored);
                emit totalCleanedChanged();
            }
        }
        setMessages(done.errors, true);
        std::vector<CategoryKind> rescans = done.rescans;
        rescans.push_back(CategoryKind::trash);
        const auto finish = [this, promise, started = done.started] {
            setCleaning(false);
            refreshDiskSpace();
            promise->addResult(started ? CleanResult::completed : CleanResult::notStarted);
            promise->finish();
        };
        if (!done.started) {
            finish();
            return;
        }
        rescanInTurn(std::move(rescans), finish);
    });
    return promise->future();
}

void AppState::reloadExclusions()
{
    ExclusionList merged = ExclusionStore::load();
    for (const auto& path : unsavedExclusions_.paths())
        merged.add(path);
    exclusions_ = std::move(merged);
}

bool AppState::exclude(const ScannedItem& item, CategoryKind kind)
{
    if (isGuidanceOnly(kind) || item.safetyLevel == SafetyLevel::protected_ || kindOfItem(item) != kind)
        return false;
    if (ExclusionStore::add(item.path))
        unsavedExclusions_.add(item.path);
    exclusions_.add(item.path);
    Logger::info("Never offering again: " + item.name);

    // Before the list changes: `item` may be one of its entries.
    skipAsExcluded(skippedItems_[kind], {item});
    const std::filesystem::path url = item.path;
    std::vector<ScannedItem>& listed = items_[kind];
    std::erase_if(listed, [&](const ScannedItem& other) { return other.path == url; });
    itemModels_[static_cast<std::size_t>(kind)]->setItems(listed);
    ++resultRevision_;
    emit itemsChanged();
    selection_.erase(url);
    selectionDidChange();
    return true;
}

void AppState::skipAsExcluded(std::vector<SkippedItem>& skipped, const std::vector<ScannedItem>& items)
{
    // Entries without a size close the list, as the scanner sorts it; these join them in front,
    // where the sheet's cap cannot hide them.
    std::vector<SkippedItem> entries;
    for (const ScannedItem& item : items)
        entries.push_back({item.path, item.name, std::nullopt, SkipReason::excludedByUser});
    const auto firstUnsized =
        std::find_if(skipped.begin(), skipped.end(), [](const SkippedItem& other) { return !other.size; });
    skipped.insert(firstUnsized, entries.begin(), entries.end());
}

void AppState::offerAgain(CategoryKind kind, const std::filesystem::path& path)
{
    if (ExclusionStore::removeCovering(path))
        Logger::warning("The exclusion of " + displayText(path) + " could not be removed from the settings");
    for (const auto& listed : std::vector(exclusions_.paths()))
        if (isSameOrBelow(path, listed)) {
            exclusions_.remove(listed);
            unsavedExclusions_.remove(listed);
        }
    Logger::info("Offering again: " + displayText(path));
    if (scanningKinds_.contains(kind))
        return; // the running full scan lists it
    rescanInTurn({kind}, [] {});
}

void AppState::refreshDiskSpace()
{
    publishLater(QtConcurrent::run(&pool_, [] { return orvelane::diskSpace(homeFolder()); }), this,
                 [this](std::optional<DiskSpace> space) {
                     if (space == diskSpace_)
                         return;
                     diskSpace_ = space;
                     emit diskSpaceChanged();
                 });
}

void AppState::holdJustCleaned(bool hold)
{
    if (hold == holdingJustCleaned_)
        return;
    holdingJustCleaned_ = hold;
    if (!hold && clearWhenReleased_) {
        clearWhenReleased_ = false;
        clearJustCleanedLater();
    }
}

void AppState::clearJustCleanedLater()
{
    QTimer::singleShot(justCleanedMilliseconds, this, [this] { clearJustCleaned(); });
}

void AppState::clearJustCleaned()
{
    if (holdingJustCleaned_ && justCleaned_) {
        clearWhenReleased_ = true;
        return;
    }
    setJustCleaned(std::nullopt);
}

std::optional<CategoryKind> AppState::kindOfItem(const ScannedItem& item) const
{
    for (const auto& [kind, list] : items_)
        if (std::any_of(list.begin(), list.end(), [&](const ScannedItem& other) { return other.path == item.path; }))
            return kind;
    return std::nullopt;
}

QString AppState::resultName(const QFuture<CleanResult>& future)
{
    const bool completed = future.resultCount() > 0 && future.result() == CleanResult::completed;
    return completed ? QStringLiteral("completed") : QStringLiteral("notStarted");
}

void AppState::startUndo()
{
    auto* watcher = new QFutureWatcher<CleanResult>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        emit undoFinished(resultName(watcher->future()));
        watcher->deleteLater();
    });
    watcher->setFuture(undoLastClean());
}

bool AppState::canPutBack(const QString& itemKey) const
{
    const ScannedItem* item = findItem(itemKey);
    return item && canPutBack(*item);
}

void AppState::startPutBack(const QString& itemKey)
{
    const ScannedItem* item = findItem(itemKey);
    auto* watcher = new QFutureWatcher<CleanResult>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        emit putBackFinished(resultName(watcher->future()));
        watcher->deleteLater();
    });
    watcher->setFuture(item ? putBack(*item) : QtFuture::makeReadyFuture(CleanResult::notStarted));
}

bool AppState::canExclude(const QString& itemKey) const
{
    const ScannedItem* item = findItem(itemKey);
    const auto kind = item ? kindOfItem(*item) : std::nullopt;
    return kind && !isGuidanceOnly(*kind) && item->safetyLevel != SafetyLevel::protected_;
}

void AppState::excludeItem(const QString& itemKey)
{
    const ScannedItem* item = findItem(itemKey);
    const auto kind = item ? kindOfItem(*item) : std::nullopt;
    if (kind)
        exclude(ScannedItem(*item), *kind); // a copy: the listed item goes from the list
}

void AppState::offerAgain(const QString& kind, const QString& key)
{
    const auto found = kindOf(kind);
    const std::filesystem::path path = pathFromItemKey(key);
    if (found && !path.empty())
        offerAgain(*found, path);
}

} // namespace orvelane
