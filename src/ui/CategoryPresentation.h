#pragma once

#include "AppState.h"
#include "CategoryKind.h"

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
 * Inputs: `state` (the window's AppState) and `kind` (the category's raw value). Every output
 * follows the state, the selection and the language, and is re-announced through `changed`, so
 * the views only lay out what this decides. An unknown kind yields empty texts and nothing
 * cleanable.
 */
class CategoryPresentation : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(orvelane::AppState* state READ state WRITE setState NOTIFY stateChanged)
    Q_PROPERTY(QString kind READ kind WRITE setKind NOTIFY kindChanged)

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
    Q_PROPERTY(bool scanning READ scanning NOTIFY changed)
    /// What the detail pane shows: "welcome", or the scanned body's middle: "scanning", "list",
    /// "noAccess" (the Trash without Full Disk Access) or "allClean".
    Q_PROPERTY(QString content READ content NOTIFY changed)
    /// The size below which the category lists a path as skipped, formatted; empty without one.
    Q_PROPERTY(QString thresholdText READ thresholdText NOTIFY changed)
    Q_PROPERTY(int itemCount READ itemCount NOTIFY changed)
    Q_PROPERTY(int skippedCount READ skippedCount NOTIFY changed)
    /// "Protected / Skipped (n)", or empty when nothing was skipped (no button then).
    Q_PROPERTY(QString skippedButtonText READ skippedButtonText NOTIFY changed)
    Q_PROPERTY(bool showsBulkSelection READ showsBulkSelection NOTIFY changed)

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
    explicit CategoryPresentation(QObject* parent = nullptr);

    AppState* state() const { return state_; }
    void setState(AppState* state);
    QString kind() const { return kindText_; }
    void setKind(const QString& kind);

    QString title() const;
    QString subtitle() const;
    QString icon() const;
    QColor color() const;
    bool permanent() const;
    bool guidanceOnly() const;

    QString sizeText() const;
    bool scanning() const;
    QString content() const;
    QString thresholdText() const;
    int itemCount() const;
    int skippedCount() const;
    QString skippedButtonText() const;
    bool showsBulkSelection() const;

    int selectedCount() const;
    qint64 selectedSize() const;
    QString summaryText() const;
    bool summaryIsSelection() const;
    QString cleanButtonText() const;
    QString cleanButtonSymbol() const;
    bool canClean() const;
    QString confirmationTitle() const;
    QString confirmButtonText() const;

signals:
    void stateChanged();
    void kindChanged();
    void changed();

private:
    QPointer<AppState> state_;
    QString kindText_;
    std::optional<CategoryKind> kind_;
};

} // namespace orvelane
