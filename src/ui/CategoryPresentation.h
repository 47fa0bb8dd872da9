#pragma once

#include "CategoryKind.h"
#include "WindowState.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace orvelane {

/**
 * @brief What one category looks like in a window right now: its sidebar row, and the header,
 * middle and footer of its detail pane.
 *
 * Inputs: `windowState` and `kind` (a Category value). Every output follows the state, the
 * selection and the language, and is re-announced through `changed`, so the views only lay out
 * what this decides. An unknown kind yields empty texts and nothing cleanable.
 */
class CategoryPresentation : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(orvelane::WindowState* windowState READ windowState WRITE setWindowState NOTIFY windowStateChanged)
    Q_PROPERTY(int kind READ kind WRITE setKind NOTIFY kindChanged)

    Q_PROPERTY(QString title READ title NOTIFY changed)
    Q_PROPERTY(QString subtitle READ subtitle NOTIFY changed)
    Q_PROPERTY(QString icon READ icon NOTIFY kindChanged)
    Q_PROPERTY(QColor color READ color NOTIFY kindChanged)
    /// The Trash: deleted for good, drawn in warning red.
    Q_PROPERTY(bool permanent READ permanent NOTIFY kindChanged)
    /// Storage insights: shown, never selected or removed.
    Q_PROPERTY(bool guidanceOnly READ guidanceOnly NOTIFY kindChanged)

    /// The sidebar row's size: "—" before the first scan, else the category's total.
    Q_PROPERTY(QString sizeText READ sizeText NOTIFY changed)
    /// The header's "<size> · <share> of the disk" (the size alone where no share can be
    /// claimed); empty before the first scan, for nothing found, and for guidance.
    Q_PROPERTY(QString shareText READ shareText NOTIFY changed)
    Q_PROPERTY(bool scanning READ scanning NOTIFY changed)
    /// What the detail pane shows: the welcome, or the scanned body's middle.
    Q_PROPERTY(Content content READ content NOTIFY changed)
    /// The size below which the category lists a path as skipped, formatted; empty without one.
    Q_PROPERTY(QString thresholdText READ thresholdText NOTIFY changed)
    Q_PROPERTY(int itemCount READ itemCount NOTIFY changed)
    Q_PROPERTY(int skippedCount READ skippedCount NOTIFY changed)
    /// "Protected / Skipped (n)", or empty when nothing was skipped (no button then).
    Q_PROPERTY(QString skippedButtonText READ skippedButtonText NOTIFY changed)
    Q_PROPERTY(bool showsBulkSelection READ showsBulkSelection NOTIFY changed)
    /// Build artifacts: "Select Untouched for 3 Months", for the period the settings give.
    Q_PROPERTY(bool showsSelectUntouched READ showsSelectUntouched NOTIFY changed)
    Q_PROPERTY(QString selectUntouchedText READ selectUntouchedText NOTIFY changed)
    /// Some listed project has lain untouched that long.
    Q_PROPERTY(bool canSelectUntouched READ canSelectUntouched NOTIFY changed)

    Q_PROPERTY(int selectedCount READ selectedCount NOTIFY changed)
    Q_PROPERTY(qint64 selectedSize READ selectedSize NOTIFY changed)
    /// The footer's left side; `summaryIsSelection` tells the count line from the fixed messages.
    Q_PROPERTY(QString summaryText READ summaryText NOTIFY changed)
    Q_PROPERTY(bool summaryIsSelection READ summaryIsSelection NOTIFY changed)
    Q_PROPERTY(QString cleanButtonText READ cleanButtonText NOTIFY changed)
    Q_PROPERTY(QString cleanButtonSymbol READ cleanButtonSymbol NOTIFY kindChanged)
    Q_PROPERTY(bool canClean READ canClean NOTIFY changed)
    Q_PROPERTY(QString confirmationTitle READ confirmationTitle NOTIFY changed)
    Q_PROPERTY(QString confirmButtonText READ confirmButtonText NOTIFY changed)

public:
    /// Welcome before the first scan; then Scanning, List, NoAccess (the Trash cannot be read),
    /// AllClean, or NoLargeStores (guidance that found nothing large, never "all clean").
    enum class Content { Welcome, Scanning, List, NoAccess, AllClean, NoLargeStores };
    Q_ENUM(Content)

    explicit CategoryPresentation(QObject* parent = nullptr);

    WindowState* windowState() const { return state_; }
    void setWindowState(WindowState* state);
    int kind() const { return kindValue_; }
    void setKind(int kind);

    QString title() const;
    QString subtitle() const;
    QString icon() const;
    QColor color() const;
    bool permanent() const;
    bool guidanceOnly() const;

    QString sizeText() const;
    QString shareText() const;
    bool scanning() const;
    Content content() const;
    QString thresholdText() const;
    int itemCount() const;
    int skippedCount() const;
    QString skippedButtonText() const;
    bool showsBulkSelection() const;
    bool showsSelectUntouched() const;
    QString selectUntouchedText() const;
    bool canSelectUntouched() const;

    int selectedCount() const;
    qint64 selectedSize() const;
    /// The files and folders the selection holds; nothing known when any item's are not.
    ItemContents selectedContents() const;
    QString summaryText() const;
    bool summaryIsSelection() const;
    QString cleanButtonText() const;
    QString cleanButtonSymbol() const;
    bool canClean() const;
    QString confirmationTitle() const;
    QString confirmButtonText() const;

signals:
    void windowStateChanged();
    void kindChanged();
    void changed();

private:
    const std::vector<ScannedItem>& items() const;

    QPointer<WindowState> state_;
    int kindValue_ = -1;
    std::optional<CategoryKind> kind_;
    /// The category listed items when the running clean (or undo) began: emptied meanwhile, it
    /// says "all clean" only once the clean is over and its footer has caught up.
    bool listedWhenCleanBegan_ = false;
};

} // namespace orvelane
