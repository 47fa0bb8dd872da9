#include "RestoreController.h"

#include "DisplayText.h"
#include "HomeFolder.h"
#include "ItemKey.h"
#include "Logger.h"
#include "PublishLater.h"
#include "RestoreSession.h"
#include "WindowState.h"

#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

namespace orvelane {

RestoreController::RestoreController(WindowState& window)
    : QObject(&window), window_(window), session_(std::make_unique<RestoreSession>(window.layout()))
{
    // The window offers an undo only until its next scan.
    connect(window.scanning(), &ScanController::fullScanStarted, this, [this] { setUndoId(std::nullopt); });
}

RestoreController::~RestoreController() = default;

void RestoreController::setUndoId(std::optional<std::string> id)
{
    const bool could = canUndo();
    undoId_ = std::move(id);
    if (could != canUndo())
        emit canUndoChanged();
}

QFuture<CleanResult> RestoreController::undoLastClean()
{
    if (!undoId_ || window_.busy()) {
        if (!undoId_)
            Logger::warning("Undo attempted with no clean to undo");
        return QtFuture::makeReadyFuture(CleanResult::notStarted);
    }
    window_.successCard()->dismiss(); // the card celebrates the clean being taken back: it goes
    return run(
        [session = session_.get(), id = *undoId_] {
            const UndoOutcome outcome = session->undo(homeFolder(), id);
            Restoration done{outcome.errors, outcome.categories, outcome.started, {}, outcome.restored};
            if (!outcome.started) // undone from the command line meanwhile, or replaced by its clean
                done.errors.push_back(localizedText(DISPLAY_TEXT("There is no clean to undo any more.")));
            if (outcome.remaining > 0)
                done.undoId = id;
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
            done.rescans = report.rescans;
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
    publishLater(QtConcurrent::run(&window_.pool(), std::move(work)), this, [this, promise, undo](Restoration done) {
        CleanController& cleaning = *window_.cleaning();
        if (undo) {
            setUndoId(done.undoId);
            cleaning.takeBack(done.restored); // the undone clean was this window's own
        }
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
