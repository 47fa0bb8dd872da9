#pragma once

#include <QObject>

namespace orvelane {

class WindowState;

/// The space of the home folder's disk, asked again after every scan, clean and restore.
class DiskSpaceController : public QObject
{
    Q_OBJECT
    /// Bytes still free for the user and in all; -1 while unknown.
    Q_PROPERTY(qint64 available READ available NOTIFY changed)
    Q_PROPERTY(qint64 total READ total NOTIFY changed)

public:
    explicit DiskSpaceController(WindowState& window);

    qint64 available() const { return available_; }
    qint64 total() const { return total_; }
    bool known() const { return total_ >= 0; }
    /// Asks the disk, off the UI thread.
    void refresh();

signals:
    void changed();

private:
    WindowState& window_;
    qint64 available_ = -1;
    qint64 total_ = -1;
};

} // namespace orvelane
