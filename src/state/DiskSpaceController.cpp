#include "DiskSpaceController.h"

#include "DiskSpace.h"
#include "HomeFolder.h"
#include "PublishLater.h"
#include "WindowState.h"

#include <QtConcurrent/QtConcurrentRun>

namespace orvelane {

DiskSpaceController::DiskSpaceController(WindowState& window) : QObject(&window), window_(window)
{
    connect(window.scanning(), &ScanController::fullScanFinished, this, &DiskSpaceController::refresh);
}

void DiskSpaceController::refresh()
{
    publishLater(QtConcurrent::run(&window_.pool(), [] { return diskSpace(homeFolder()); }), this,
                 [this](std::optional<DiskSpace> space) {
                     const qint64 available = space ? space->available : -1;
                     const qint64 total = space ? space->total : -1;
                     if (available == available_ && total == total_)
                         return;
                     available_ = available;
                     total_ = total;
                     emit changed();
                 });
}

} // namespace orvelane
