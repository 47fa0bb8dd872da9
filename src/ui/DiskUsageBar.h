#pragma once

#include "WindowState.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

namespace orvelane {

/**
 * @brief What the disk's bar and its legend show: the stretches of the home's disk (see
 * DiskUsage) with their colours and worded figures.
 *
 * Input: `windowState`. Outputs follow the scan's totals, the disk's space and the language, on
 * the same signals as the sidebar's totals.
 */
class DiskUsageBar : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(orvelane::WindowState* windowState READ windowState WRITE setWindowState NOTIFY windowStateChanged)
    /// The disk's size is known: without it there is no bar.
    Q_PROPERTY(bool known READ known NOTIFY changed)
    /// In drawing order, each {part ("other", "category", "free"), kind (-1 but for categories),
    /// name, bytes, fraction, color, sizeText, shareText (empty where no share can be claimed),
    /// figuresText (the size and the share, as the legend writes them)}.
    Q_PROPERTY(QVariantList segments READ segments NOTIFY changed)
    /// The same in the legend's order: the categories, then everything else and free.
    Q_PROPERTY(QVariantList legend READ legend NOTIFY changed)
    /// "Disk: 120 GB used, 8.4 GB reclaimable, 50 GB free"; before a scan without the middle.
    Q_PROPERTY(QString accessibleName READ accessibleName NOTIFY changed)
    /// Why shares are missing, when the reclaimable sizes outgrow what the disk has in use.
    Q_PROPERTY(QString noteText READ noteText NOTIFY changed)

public:
    explicit DiskUsageBar(QObject* parent = nullptr);

    WindowState* windowState() const { return state_; }
    void setWindowState(WindowState* state);

    bool known() const;
    QVariantList segments() const;
    QVariantList legend() const;
    QString accessibleName() const;
    QString noteText() const;

    /// Pixel widths of `segments` across `width`, none thinner than `minimum` (see drawnWidths).
    Q_INVOKABLE QVariantList segmentWidths(double width, double minimum) const;

signals:
    void windowStateChanged();
    void changed();

private:
    QPointer<WindowState> state_;
};

} // namespace orvelane
