#pragma once

#include <QFuture>
#include <QMetaObject>
#include <QObject>

#include <utility>

namespace orvelane {

/**
 * @brief Hands a background result to `receiver`'s thread through its event queue, even when the
 * task has already finished as this is called.
 *
 * A continuation bound to a context object runs at once, inside the caller, when its future is
 * already done (a scan of an empty category can finish before scanAll has returned). Here a
 * result is never published inside the call that asked for the work, so that call's own changes
 * always come first. Whoever owns the work must wait for it before `receiver` goes; what was
 * posted to a destroyed receiver is dropped by its queue.
 */
template <typename Result, typename Publish>
void publishLater(QFuture<Result> future, QObject* receiver, Publish publish)
{
    future.then([receiver, publish](Result result) {
        QMetaObject::invokeMethod(
            receiver, [publish, result = std::move(result)]() mutable { publish(std::move(result)); },
            Qt::QueuedConnection);
    });
}

} // namespace orvelane
