#pragma once

#include <QFuture>
#include <QFutureWatcher>
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

/**
 * @brief Calls `report` on `owner`'s thread with the future's result once it has one, or with
 * `otherwise` when it ends without one.
 *
 * A watcher owned by `owner`, not a continuation: when the window closes mid-clean the
 * abandoned future must not call back into a destroyed state.
 */
template <typename Result, typename Report>
void reportWhenFinished(QObject* owner, QFuture<Result> future, Result otherwise, Report report)
{
    auto* watcher = new QFutureWatcher<Result>(owner);
    QObject::connect(watcher, &QFutureWatcherBase::finished, owner, [watcher, otherwise, report] {
        const QFuture<Result> done = watcher->future();
        report(done.resultCount() > 0 ? done.result() : otherwise);
        watcher->deleteLater();
    });
    watcher->setFuture(future);
}

} // namespace orvelane
