#pragma once

#include "WindowState.h"

#include <QObject>
#include <QPointer>

namespace orvelane::WindowBinding {

/**
 * @brief Points a presenter at another window's state: it stops listening to the old state and
 * its controllers, keeps the new one, and `follow` connects what it redraws on.
 *
 * Returns whether anything changed (the presenter then says so).
 */
template <class Follow>
bool rebind(QObject& presenter, QPointer<WindowState>& held, WindowState* next, Follow follow)
{
    if (next == held)
        return false;
    if (held) {
        QObject::disconnect(held, nullptr, &presenter, nullptr);
        for (QObject* source : held->children())
            QObject::disconnect(source, nullptr, &presenter, nullptr);
    }
    held = next;
    if (held)
        follow(*held);
    return true;
}

/// What the window's totals derive from: the scan's results, whether a scan ran, the disk's
/// space. The sidebar's totals and the disk's bar both redraw on exactly these, so a clean, an
/// undo or a put back moves them together.
template <class Presenter>
void followTotals(WindowState& state, Presenter* presenter)
{
    QObject::connect(state.results(), &ScanResults::changed, presenter, &Presenter::changed);
    QObject::connect(state.scanning(), &ScanController::hasScannedChanged, presenter, &Presenter::changed);
    QObject::connect(state.diskSpace(), &DiskSpaceController::changed, presenter, &Presenter::changed);
}

} // namespace orvelane::WindowBinding
