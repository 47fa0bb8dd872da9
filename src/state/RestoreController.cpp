#include "RestoreController.h"

#include "DisplayText.h"
#include "HomeFolder.h"
#include "ItemKey.h"
#include "Logger.h"
#include "PublishLater.h"
#include "RestoreSession.h"
#include "WindowState.h"

#include <QPromise>
#include <algorithm>
#include <QtConcurrent/QtConcurrentRun>

namespace orvelane {

struct RestoreController::Restoration
{
    std::vector<std::string> errors;
    std::vector<CategoryKind> rescans;
    bool started = true;
    std::int64_t restored = 0; ///< an undo: the cleaned bytes that came back
    Undoable undoable;         ///< what the journal holds afterwards
    std::optional<ScannedItem> returned = std::nullopt; ///< a put-back: the Trash entry that went back
};

RestoreController::RestoreController(WindowState& window)
    : QObject(&window), window_(window), session_(std::make_unique<RestoreSession>(window.layout()))
{
    // Items may have left the Trash meanwhile (emptied here or by another tool).
    connect(window.scanning(), &ScanController::fullScanFinished, this, &RestoreController::refresh);
}

RestoreController::~RestoreController() = default;

void RestoreController::cleanRecorded(CategoryKind kind, const std::optional<std::string>& id)
{
    if (id) {
        cleans_.push_back(*id);
        nextId_ = id;
        nextCategory_ = static_cast<int>(kind);
        emit canUndoChanged();
    }
    refresh();
}

void RestoreController::refresh()
{
    if (cleans_.empty())
        return;
    const quint64 generation = ++generation_;
    publishLater(QtConcurrent::run(&window_.pool(), [] { return RestoreSession::undoable(homeFolder()); }), this,
                 [this, generation](Undoable undoable) { adopt(undoable, generation); });
}

void RestoreController::adopt(const Undoable& undoable, quint64 generation)
{
    if (generation != generation_ || !undoable) // a busy journal tells nothing new
        return;
    const bool could = canUndo();
    const int category = undoCategory();
    // Ids are kept even when the journal no longer lists them: one that could not be read for a
    // moment lists them again later.
    nextId_.reset();
    nextCategory_ = -1;
    for (const UndoableClean& clean : *undoable) // newest first
        if (std::find(cleans_.begin(), cleans_.end(), clean.id) != cleans_.end()) {
            nextId_ = clean.id;
            nextCategory_ = static_cast<int>(clean.category);
            break;
        }
    if (could != canUndo() || category != undoCategory())
        emit canUndoChanged();
}

QFuture<CleanResult> RestoreController::undoLastClean()
{
    if (!nextId_ || window_.busy()) {
        if (!nextId_)
            Logger::warning("Undo attempted with no clean to undo");
        return QtFuture::makeReadyFuture(CleanResult::notStarted);
    }
    window_.successCard()->dismiss(); // the card celebrates the clean being taken back: it goes
    return run(
        [session = session_.get(), id = *nextId_] {
            const UndoOutcome outcome = session->undo(homeFolder(), id);
            Restoration done{outcome.errors, outcome.categories, outcome.started, outcome.restored,
                             RestoreSession::undoable(homeFolder())};
            if (!outcome.started && outcome.errors.empty()) // undone from the command line meanwhile
                done.errors.push_back(localizedText(DISPLAY_TEXT("There is no clean to undo any more.")));
            return done;
        },
        true);
}

void RestoreController::startUndo()
{
    reportWhenFinished(this, undoLastClean(), CleanResult::notStarted,
                       [this](CleanResult result) { emit undoFinished(qml::toQml(result)); });
}

bool RestoreController::canPutBack(const ScannedItem& item) const
{
    return window_.results()->kindOf(item.path) == CategoryKind::trash &&
           RestoreSession::canPutBack(item.path, homeFolder());
}

bool RestoreController::canPutBack(const QString& itemKey) const
{
    const ScannedItem* item = window_.results()->find(pathFromItemKey(itemKey));
    return item && canPutBack(*item);
}

QFuture<CleanResult> RestoreController::putBack(const ScannedItem& item)
{
    if (window_.results()->kindOf(item.path) != CategoryKind::trash || window_.busy())
        return QtFuture::makeReadyFuture(CleanResult::notStarted);
    window_.selection()->forget(item.path);
    return run(
        [session = session_.get(), item] {
            const PutBackReport report = session->putBack(item.path, item.name, item.inode, homeFolder());
            Restoration done;
            if (report.message)
                done.errors.push_back(*report.message);
            if (!report.original.empty())
                done.returned = item;
            done.rescans = report.rescans;
            done.undoable = RestoreSession::undoable(homeFolder()); // a clean may have lost its last item
            return done;
        },
        false);
}

void RestoreController::startPutBack(const QString& itemKey)
{
    const ScannedItem* item = window_.results()->find(pathFromItemKey(itemKey));
    reportWhenFinished(this, item ? putBack(*item) : QtFuture::makeReadyFuture(CleanResult::notStarted),
                       CleanResult::notStarted, [this](CleanResult result) { emit putBackFinished(qml::toQml(result)); });
}

QFuture<CleanResult> RestoreController::run(std::function<Restoration()> work, bool undo)
{
    CleanController& cleaning = *window_.cleaning();
    cleaning.setRunning(true);
    auto promise = std::make_shared<QPromise<CleanResult>>();
    promise->start();
    const quint64 generation = ++generation_;
    publishLater(QtConcurrent::run(&window_.pool(), std::move(work)), this, [this, promise, undo, generation](Restoration done) {
        CleanController& cleaning = *window_.cleaning();
        adopt(done.undoable, generation);
        if (undo)
            cleaning.takeBack(done.restored); // the undone clean was this window's own
        if (done.returned)
            cleaning.returnedFromTrash(done.returned->path, done.returned->inode);
        cleaning.setMessages(done.errors, true);
        std::vector<CategoryKind> rescans = done.rescans;
        rescans.push_back(CategoryKind::trash);
        const auto finish = [this, promise, started = done.started] {
            window_.cleaning()->setRunning(false);
            window_.diskSpace()->refresh();
            promise->addResult(started ? CleanResult::completed : CleanResult::notStarted);
            promise->finish();
        };
        if (!done.started) {
            finish();
            return;
        }
        window_.scanning()->rescanInTurn(std::move(rescans), finish);
    });
    return promise->future();
}

} // namespace orvelane
