#include "CleanController.h"

#include "ByteCount.h"
#include "CleanSession.h"
#include "ExclusionStore.h"
#include "HomeFolder.h"
#include "PublishLater.h"
#include "WindowState.h"

#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace orvelane {

CleanController::CleanController(WindowState& window)
    : QObject(&window), window_(window), remover_(&platformRemover())
{
}

void CleanController::setRunning(bool running)
{
    if (running == running_)
        return;
    running_ = running;
    emit runningChanged();
}

void CleanController::setErrors(const QStringList& errors)
{
    if (errors == errors_)
        return;
    errors_ = errors;
    emit errorsChanged();
}

void CleanController::setMessages(const std::vector<std::string>& messages, bool fromPutBack)
{
    QStringList list;
    for (const std::string& message : messages)
        list << QString::fromStdString(message);
    const bool headingChanged = fromPutBack != errorsFromPutBack_;
    errorsFromPutBack_ = fromPutBack;
    if (list == errors_ && headingChanged && !list.isEmpty())
        emit errorsChanged(); // the same words, now under another heading
    setErrors(list);
}

void CleanController::takeBack(std::int64_t restored)
{
    if (restored <= 0)
        return;
    totalCleaned_ = std::max<qint64>(0, totalCleaned_ - restored);
    emit totalCleanedChanged();
}

void CleanController::returnedFromTrash(const std::filesystem::path& entry, std::optional<std::uint64_t> inode)
{
    const auto found = countedInTrash_.find(entry);
    if (found == countedInTrash_.end() || (inode && *inode != found->second.inode))
        return;
    const std::int64_t size = found->second.size;
    countedInTrash_.erase(found);
    takeBack(size);
}

QFuture<CleanResult> CleanController::cleanSelected(CategoryKind kind)
{
    std::vector<ScannedItem> chosen =
        CleanSession::chooseItems(kind, window_.results()->items(kind), window_.selection()->paths());
    if (chosen.empty() || window_.busy())
        return QtFuture::makeReadyFuture(CleanResult::notStarted);

    setRunning(true);
    stopRequested_ = false;
    auto promise = std::make_shared<QPromise<CleanResult>>();
    promise->start();
    // The pool is waited for before this object goes, so the worker may read the stop flag.
    // Entries of the Trash this window already counted when its clean moved them there.
    std::vector<std::pair<ScannedItem, Counted>> recounted;
    for (const ScannedItem& item : chosen) {
        const auto found = countedInTrash_.find(item.path);
        if (found != countedInTrash_.end() && item.inode == found->second.inode)
            recounted.emplace_back(item, found->second);
    }
    struct Done
    {
        CleanReport report;
        std::int64_t countedBefore = 0;
        std::vector<std::filesystem::path> gone;
    };
    const auto work = [session = CleanSession(window_.layout(), *remover_), kind, chosen, recounted,
                       stop = &stopRequested_] {
        // Read afresh: the command line may have excluded an item since this window listed it.
        Done done{session.run(kind, chosen, homeFolder(), ExclusionStore::load(), stop), 0, {}};
        for (const auto& [item, counted] : recounted) {
            std::error_code error;
            if (!std::filesystem::exists(std::filesystem::symlink_status(item.path, error))) {
                done.countedBefore += counted.size;
                done.gone.push_back(item.path);
            }
        }
        return done;
    };
    publishLater(QtConcurrent::run(&window_.pool(), work), this, [this, chosen, kind, promise](Done done) {
        CleanReport& report = done.report;
        window_.restoring()->cleanRecorded(kind, report.undoId);
        for (const std::filesystem::path& entry : done.gone)
            countedInTrash_.erase(entry);
        for (const UndoEntry& entry : report.outcome.trashed)
            countedInTrash_[entry.trashedAs] = Counted{entry.inode, entry.size};
        const std::int64_t added = std::max<std::int64_t>(0, report.outcome.cleaned - done.countedBefore);
        if (added > 0) {
            totalCleaned_ = addBytes(totalCleaned_, added);
            emit totalCleanedChanged();
        }
        std::vector<std::string> messages = report.outcome.errors;
        if (report.undoFailure)
            messages.push_back(*report.undoFailure);
        setMessages(messages, false);
        window_.selection()->forget(chosen);
        const std::int64_t cleaned = report.outcome.cleaned;
        const auto finish = [this, cleaned, promise] {
            if (cleaned > 0) // no haptic feedback device on this desktop; the card carries the news
                window_.successCard()->show(cleaned);
            setRunning(false);
            window_.diskSpace()->refresh();
            promise->addResult(CleanResult::completed);
            promise->finish();
        };
        if (stopRequested_) {
            finish(); // stopped for quitting: the window is going, nothing would show a rescan
            return;
        }
        window_.scanning()->rescanInTurn(CleanSession::rescansAfter(kind), finish);
    });
    return promise->future();
}

void CleanController::stopAfterCurrentItem()
{
    if (running_)
        stopRequested_ = true;
}

void CleanController::startClean(int kind)
{
    const auto found = qml::categoryKind(kind);
    if (!found) {
        emit cleanFinished(kind, qml::Outcome::NotStarted);
        return;
    }
    reportWhenFinished(this, cleanSelected(*found), CleanResult::notStarted,
                       [this, kind](CleanResult result) { emit cleanFinished(kind, qml::toQml(result)); });
}

} // namespace orvelane
