#pragma once

#include "ScanRecords.h"

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
 * the scanner could not tell), `actionHint` (empty or undefined when there is none) with its
 * `hintForm` ("command" or "sentence"), `application` (the item's program, or empty) and
 * `deleted` (a Trash entry's deletion date, or undefined).
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
    Q_PROPERTY(QString hintForm READ hintForm WRITE setHintForm NOTIFY textsChanged)
    Q_PROPERTY(QString application READ application WRITE setApplication RESET resetApplication NOTIFY textsChanged)
    Q_PROPERTY(QVariant deleted READ deleted WRITE setDeleted NOTIFY textsChanged)

    Q_PROPERTY(QString explanation READ explanation NOTIFY textsChanged)
    /// "Deleted on <date>" for a Trash entry whose record says when, else "Last modified: <date>",
    /// or empty without a date.
    Q_PROPERTY(QString modifiedText READ modifiedText NOTIFY textsChanged)
    /// "Rebuild: <command>" for build artifacts, "Manage with: <command>" elsewhere, a sentence
    /// on its own, or empty without a hint.
    Q_PROPERTY(QString hintText READ hintText NOTIFY textsChanged)
    /// The category's accent colour, in which the hint is drawn.
    Q_PROPERTY(QColor hintColor READ hintColor NOTIFY kindChanged)
    /// The hint is a command to type, not a sentence.
    Q_PROPERTY(bool hintIsCommand READ hintIsCommand NOTIFY textsChanged)

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
    QString hintForm() const { return hintForm_; }
    void setHintForm(const QString& form);
    QString application() const { return application_; }
    void setApplication(const QString& application);
    void resetApplication() { setApplication(QString()); }
    QVariant deleted() const { return deleted_; }
    void setDeleted(const QVariant& deleted);
    bool hintIsCommand() const { return hintForm_ != QLatin1String("sentence"); }

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
    ScannedItem described() const;

    int kind_ = -1;
    QString safetyReason_;
    QVariant modified_;
    QString actionHint_;
    QString hintForm_ = QStringLiteral("command");
    QString application_;
    QVariant deleted_;
};

} // namespace orvelane
