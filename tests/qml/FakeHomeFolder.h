#pragma once

#include "FakeHome.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <optional>

namespace orvelane::testing {

/**
 * A throw-away home folder for QML tests: while it lives, HOME points into a temporary folder
 * (and the trash with it, XDG_DATA_HOME included). Create it before the window state that should scan it.
 */
class FakeHomeFolder : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString path READ path CONSTANT)

public:
    explicit FakeHomeFolder(QObject* parent = nullptr);
    ~FakeHomeFolder() override;

    QString path() const;

    /// A file of `bytes` allocated bytes, its folders created; aged `days` days (0: now).
    Q_INVOKABLE void file(const QString& relative, double bytes, int days = 0);
    Q_INVOKABLE void folder(const QString& relative);
    /// A file holding `text` (UTF-8), its folders created: a Trash record, say.
    Q_INVOKABLE void write(const QString& relative, const QString& text);
    Q_INVOKABLE void age(const QString& relative, int days);
    Q_INVOKABLE bool exists(const QString& relative) const;
    Q_INVOKABLE void remove(const QString& relative);
    /// Entries of a folder inside the home, sorted.
    Q_INVOKABLE QStringList list(const QString& relative) const;

private:
    std::unique_ptr<FakeHome> home_;
    std::optional<QByteArray> previousDataHome_;
};

} // namespace orvelane::testing
