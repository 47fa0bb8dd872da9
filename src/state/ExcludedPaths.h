#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>

namespace orvelane {

/**
 * @brief The never-offer-again list as the settings window shows it: the settings store's,
 * read afresh by reload() (the command line may have changed it), each path from the home folder
 * for the eye and by its exact bytes (an item key, see ItemKey.h) behind the scenes.
 */
class ExcludedPaths : public QObject
{
    Q_OBJECT
    /// One {key, text} for each excluded path, in the store's order.
    Q_PROPERTY(QVariantList entries READ entries NOTIFY changed)
    /// Why the last Offer Again did not take, in the current language; empty when it did.
    Q_PROPERTY(QString message READ message NOTIFY changed)

public:
    explicit ExcludedPaths(QObject* parent = nullptr);

    QVariantList entries() const { return entries_; }
    QString message() const { return message_; }

    Q_INVOKABLE void reload();
    /// Takes exactly this exclusion out of the store; the main windows then offer what it excluded.
    Q_INVOKABLE void offerAgain(const QString& key);

signals:
    void changed();
    /// The exclusion with this key left the store.
    void offeredAgain(const QString& key);

private:
    QVariantList entries_;
    QString message_;
};

} // namespace orvelane
