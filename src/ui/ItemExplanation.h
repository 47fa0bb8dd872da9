#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

namespace orvelane {

/**
 * @brief The texts that explain one found item under its name.
 *
 * Inputs, as the records give them: `kind` (a Category value), `safetyReason` (raw value, or
 * an explanation already in words, shown as given), `modified` (a date, or undefined/null when
 * the scanner could not tell) and `actionHint` (empty or undefined when there is none).
 * Outputs are empty when their line is not shown. Texts follow the chosen language; the date
 * is written in the system's own short form.
 */
class ItemExplanation : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int kind READ kind WRITE setKind NOTIFY kindChanged)
    Q_PROPERTY(QString safetyReason READ safetyReason WRITE setSafetyReason NOTIFY safetyReasonChanged)
    Q_PROPERTY(QVariant modified READ modified WRITE setModified NOTIFY modifiedChanged)
    Q_PROPERTY(QString actionHint READ actionHint WRITE setActionHint RESET resetActionHint NOTIFY actionHintChanged)

    Q_PROPERTY(QString explanation READ explanation NOTIFY textsChanged)
    /// "Last modified: <date>", or empty without a date.
    Q_PROPERTY(QString modifiedText READ modifiedText NOTIFY textsChanged)
    /// "Rebuild: <hint>" for build artifacts, "Manage with: <hint>" elsewhere, or empty without a hint.
    Q_PROPERTY(QString hintText READ hintText NOTIFY textsChanged)
    /// The category's accent colour, in which the hint is drawn.
    Q_PROPERTY(QColor hintColor READ hintColor NOTIFY kindChanged)

public:
    explicit ItemExplanation(QObject* parent = nullptr);

    int kind() const { return kind_; }
    void setKind(int kind);
    QString safetyReason() const { return safetyReason_; }
    void setSafetyReason(const QString& reason);
    QVariant modified() const { return modified_; }
    void setModified(const QVariant& modified);
    QString actionHint() const { return actionHint_; }
    void setActionHint(const QString& hint);
    void resetActionHint() { setActionHint(QString()); }

    QString explanation() const;
    QString modifiedText() const;
    QString hintText() const;
    QColor hintColor() const;

signals:
    void kindChanged();
    void safetyReasonChanged();
    void modifiedChanged();
    void actionHintChanged();
    void textsChanged();

private:
    int kind_ = -1;
    QString safetyReason_;
    QVariant modified_;
    QString actionHint_;
};

} // namespace orvelane
