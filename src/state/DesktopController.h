#pragma once

#include "ScanRecords.h"

#include <QList>
#include <QObject>
#include <QString>

#include <filesystem>
#include <functional>

namespace orvelane {

class WindowState;

/**
 * @brief The desktop the window runs on, as its layout sees it: the categories it offers and
 * their subtitles, the texts that name the desktop (the welcome's greeting, the item menu's
 * file-manager entry, what the sidebar notice and the Trash placeholder say when the Trash
 * cannot be read), and the hand-overs to the file manager and the settings. Texts follow the
 * language.
 */
class DesktopController : public QObject
{
    Q_OBJECT
    /// The Category values the layout offers, in sidebar order.
    Q_PROPERTY(QList<int> categories READ categories CONSTANT)
    Q_PROPERTY(QString welcomeTitle READ welcomeTitle NOTIFY textsChanged)
    /// The item menu's entry that shows the item in the file manager.
    Q_PROPERTY(QString revealText READ revealText NOTIFY textsChanged)
    Q_PROPERTY(QString accessTitle READ accessTitle NOTIFY textsChanged)
    Q_PROPERTY(QString accessNotice READ accessNotice NOTIFY textsChanged)
    /// The Trash placeholder's description; names the trash folder where the layout's text does.
    Q_PROPERTY(QString accessPlaceholder READ accessPlaceholder NOTIFY textsChanged)
    /// A settings pane grants the access: the notice and the placeholder offer "Open Settings".
    Q_PROPERTY(bool opensAccessSettings READ opensAccessSettings CONSTANT)
    /// Why the last item could not be shown in the file manager, for an alert; empty when it was.
    Q_PROPERTY(QString revealFailure READ revealFailure NOTIFY revealFailureChanged)

public:
    explicit DesktopController(WindowState& window);

    QList<int> categories() const;
    QString welcomeTitle() const;
    QString revealText() const;
    QString accessTitle() const;
    QString accessNotice() const;
    QString accessPlaceholder() const;
    bool opensAccessSettings() const;

    /// The category's subtitle on this layout; `kind` a Category value.
    Q_INVOKABLE QString subtitle(int kind) const;
    /// Asks the file manager to show and select the listed item of this key.
    Q_INVOKABLE void reveal(const QString& itemKey);
    void reveal(const ScannedItem& item);
    /// Opens the settings that grant access to the Trash, where the desktop has them.
    Q_INVOKABLE void openAccessSettings();

    QString revealFailure() const { return revealFailure_; }
    /// The alert was read.
    Q_INVOKABLE void dismissRevealFailure();
    /// Replaces what shows an item in the file manager (tests); false when it could not.
    void setRevealer(std::function<bool(const std::filesystem::path&)> revealer) { revealer_ = std::move(revealer); }

signals:
    void textsChanged();
    void revealFailureChanged();

private:
    WindowState& window_;
    QString revealFailure_;
    std::function<bool(const std::filesystem::path&)> revealer_;
};

} // namespace orvelane
