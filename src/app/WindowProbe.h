#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <atomic>

class QQuickItem;
class QQuickWindow;
class QTextStream;

namespace orvelane {

/**
 * @brief Reports what a window shows, for the end-to-end journey that drives the real binary.
 *
 * Off unless the environment variable ORVELANE_PROBE names a file. The report holds the frames
 * the window has drawn so far, its size, the chain of items that hold the keyboard focus, and
 * for each named item its place, size, visibility and text (with whether the text is elided),
 * and the shown items a user can act on that have no accessible role or name.
 * It is rewritten a moment after the window stops drawing, and at least four times a second
 * while it keeps drawing, so an idle window writes nothing and wakes nobody.
 */
class WindowProbe final : public QObject
{
public:
    /// Probes `window` when ORVELANE_PROBE is set (the first window only); otherwise nothing.
    static void attachIfRequested(QQuickWindow* window);

    WindowProbe(QQuickWindow* window, QString path);

private:
    void frameDrawn();
    void write();
    void describe(QTextStream& out, const QQuickItem* item) const;
    /// Counts the shown items a user can act on, and lists those a screen reader cannot name.
    void listAccessibility(QQuickItem* item, int& interactive, QStringList& unnamed) const;
    /// Rows of a visible list drawn over one another (a row whose height changed after the list
    /// placed it): pairs of neighbours, counted over every list in the window.
    int overlappingRows(const QQuickItem* item) const;

    QPointer<QQuickWindow> window_;
    QString path_;
    std::atomic<qint64> frames_{0};
    QTimer settled_;
    QElapsedTimer sinceWrite_;
};

} // namespace orvelane
