#pragma once

#include "CleanController.h"
#include "DesktopController.h"
#include "DiskSpaceController.h"
#include "ExclusionController.h"
#include "RestoreController.h"
#include "ScanController.h"
#include "ScanResults.h"
#include "SelectionController.h"
#include "SuccessCard.h"

#include <QObject>
#include <QThreadPool>

namespace orvelane {

namespace JunkScanner {
struct Layout;
}

/**
 * @brief Everything one main window shows and does, as controllers with one job each: the
 * found items, the selection, scanning, cleaning with its success card, restoring, exclusions,
 * the disk's space and the desktop's wording and hand-overs.
 *
 * The shell makes one for each main window, with the layout it chose; the window's views read
 * its controllers. Lives on the main thread; work runs on its pool, and every result comes back
 * to the main thread by value. Going, it waits for that work.
 */
class WindowState : public QObject
{
    Q_OBJECT
    Q_PROPERTY(orvelane::ScanResults* results READ results CONSTANT)
    Q_PROPERTY(orvelane::SelectionController* selection READ selection CONSTANT)
    Q_PROPERTY(orvelane::ScanController* scanning READ scanning CONSTANT)
    Q_PROPERTY(orvelane::CleanController* cleaning READ cleaning CONSTANT)
    Q_PROPERTY(orvelane::SuccessCard* successCard READ successCard CONSTANT)
    Q_PROPERTY(orvelane::RestoreController* restoring READ restoring CONSTANT)
    Q_PROPERTY(orvelane::ExclusionController* exclusions READ exclusions CONSTANT)
    Q_PROPERTY(orvelane::DiskSpaceController* diskSpace READ diskSpace CONSTANT)
    Q_PROPERTY(orvelane::DesktopController* desktop READ desktop CONSTANT)
    /// A scan or a clean (an undo, a put-back) runs: no other may start, Scan spins.
    Q_PROPERTY(bool busy READ busy NOTIFY busyChanged)

public:
    explicit WindowState(const JunkScanner::Layout& layout, QObject* parent = nullptr);
    ~WindowState() override;

    const JunkScanner::Layout& layout() const { return layout_; }
    QThreadPool& pool() { return pool_; }
    bool busy() const { return busy_; }

    ScanResults* results() const { return results_; }
    SelectionController* selection() const { return selection_; }
    ScanController* scanning() const { return scanning_; }
    CleanController* cleaning() const { return cleaning_; }
    SuccessCard* successCard() const { return successCard_; }
    RestoreController* restoring() const { return restoring_; }
    ExclusionController* exclusions() const { return exclusions_; }
    DiskSpaceController* diskSpace() const { return diskSpace_; }
    DesktopController* desktop() const { return desktop_; }

signals:
    void busyChanged();

private:
    void updateBusy();

    const JunkScanner::Layout& layout_;
    QThreadPool pool_;
    bool busy_ = false;
    SelectionController* selection_;
    ExclusionController* exclusions_;
    ScanResults* results_;
    ScanController* scanning_;
    CleanController* cleaning_;
    SuccessCard* successCard_;
    RestoreController* restoring_;
    DiskSpaceController* diskSpace_;
    DesktopController* desktop_;
};

} // namespace orvelane
