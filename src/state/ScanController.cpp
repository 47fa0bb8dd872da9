#include "ScanController.h"

#include "Logger.h"
#include "PublishLater.h"
#include "QmlEnums.h"
#include "ScanSession.h"
#include "WindowState.h"

#include <QtConcurrent/QtConcurrentRun>

namespace orvelane {

ScanController::ScanController(WindowState& window)
    : QObject(&window), window_(window), session_(std::make_unique<ScanSession>(window.layout()))
{
}

ScanController::~ScanController() = default;

void ScanController::scanAll()
{
    if (scanning()) {
        Logger::warning("Scan already in progress");
        return;
    }
    const std::vector<CategoryKind> categories = session_->categories();
    window_.selection()->clear();
    // Every field first, the notices after: whoever any of them wakes sees all categories being
    // scanned already, so no sidebar row shows a size (zero) that nobody measured.
    window_.exclusions()->reload(); // the command line may have changed them
    const bool firstScan = !hasScanned_;
    hasScanned_ = true;
    const bool readable = session_->trashReadable();
    const bool readableChanged = readable != trashReadable_;
    trashReadable_ = readable;
    scanningKinds_ = {categories.begin(), categories.end()};
    emit scanningKindsChanged();
    if (firstScan)
        emit hasScannedChanged();
    if (readableChanged)
        emit trashReadableChanged();
    emit fullScanStarted();

    const ScanSession* session = session_.get();
    const std::atomic<bool>* cancelled = &cancelled_;
    (void)QtConcurrent::run(&window_.pool(), [this, session, categories, cancelled, exclusions = window_.exclusions()->list()] {
        session->scanEach(categories, exclusions, [this](CategoryKind kind, ScanResult result) {
            QMetaObject::invokeMethod(this, [this, kind, result = std::move(result)]() mutable {
                window_.results()->publish(kind, std::move(result));
                scanningKinds_.erase(kind);
                emit scanningKindsChanged();
                if (scanningKinds_.empty())
                    emit fullScanFinished();
            }, Qt::QueuedConnection);
        }, cancelled);
    });
}

void ScanController::rescanInTurn(std::vector<CategoryKind> kinds, std::function<void()> done)
{
    if (kinds.empty()) {
        done();
        return;
    }
    const CategoryKind kind = kinds.front();
    kinds.erase(kinds.begin());
    Logger::debug("Rescanning category: " + title(kind));
    const ScanSession* session = session_.get();
    publishLater(QtConcurrent::run(&window_.pool(), [session, kind, exclusions = window_.exclusions()->list()] {
        return session->scanCategory(kind, exclusions);
    }), this, [this, kind, kinds, done](ScanResult result) {
        window_.results()->publish(kind, std::move(result));
        rescanInTurn(kinds, done);
    });
}

QList<int> ScanController::scanningKindValues() const
{
    QList<int> values;
    for (CategoryKind kind : scanningKinds_)
        values << qml::toQml(kind);
    return values;
}

} // namespace orvelane
