#include "WindowState.h"

#include <algorithm>

namespace orvelane {

WindowState::WindowState(const JunkScanner::Layout& layout, QObject* parent)
    : QObject(parent),
      layout_(layout),
      selection_(new SelectionController(*this)),
      exclusions_(new ExclusionController(*this)),
      results_(new ScanResults(*this)),
      scanning_(new ScanController(*this)),
      cleaning_(new CleanController(*this)),
      successCard_(new SuccessCard(*this)),
      restoring_(new RestoreController(*this)),
      diskSpace_(new DiskSpaceController(*this)),
      desktop_(new DesktopController(*this))
{
    // A full scan holds one thread while its categories run on their own; rescans, cleans and
    // the disk's space must not wait behind it.
    pool_.setMaxThreadCount(std::max(4, QThread::idealThreadCount()));
    connect(scanning_, &ScanController::scanningKindsChanged, this, &WindowState::updateBusy);
    connect(cleaning_, &CleanController::runningChanged, this, &WindowState::updateBusy);
    connect(selection_, &SelectionController::changed, results_, &ScanResults::selectionDidChange);
    connect(cleaning_, &CleanController::errorsChanged, successCard_, &SuccessCard::alertDidChange);
    diskSpace_->refresh();
}

WindowState::~WindowState()
{
    // Results of running work are published into the controllers; they stay until it is done.
    scanning_->cancel();
    pool_.waitForDone();
}

void WindowState::updateBusy()
{
    const bool busy = scanning_->scanning() || cleaning_->running();
    if (busy == busy_)
        return;
    busy_ = busy;
    emit busyChanged();
}

} // namespace orvelane
