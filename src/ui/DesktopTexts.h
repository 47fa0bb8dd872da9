#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace orvelane {

/**
 * @brief The texts that name the desktop the window runs on, as the active layout words them:
 * the welcome's greeting, the item menu's file-manager entry, and what the sidebar notice and
 * the Trash placeholder say when the Trash cannot be read. QML shows them as given; they follow
 * the language.
 */
class DesktopTexts : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QString welcomeTitle READ welcomeTitle NOTIFY changed)
    Q_PROPERTY(QString revealInFileManager READ revealInFileManager NOTIFY changed)
    Q_PROPERTY(QString accessTitle READ accessTitle NOTIFY changed)
    Q_PROPERTY(QString accessNotice READ accessNotice NOTIFY changed)
    /// The Trash placeholder's description; names the trash folder where the layout's text does.
    Q_PROPERTY(QString accessPlaceholder READ accessPlaceholder NOTIFY changed)
    /// A settings pane grants the access: the notice and the placeholder offer "Open Settings".
    Q_PROPERTY(bool opensAccessSettings READ opensAccessSettings CONSTANT)

public:
    explicit DesktopTexts(QObject* parent = nullptr);

    QString welcomeTitle() const;
    QString revealInFileManager() const;
    QString accessTitle() const;
    QString accessNotice() const;
    QString accessPlaceholder() const;
    bool opensAccessSettings() const;

signals:
    void changed();
};

} // namespace orvelane
