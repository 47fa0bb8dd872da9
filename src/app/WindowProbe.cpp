#include "WindowProbe.h"

#include <QAccessible>
#include <QFile>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace orvelane {
namespace {

constexpr int kSettleMilliseconds = 200;
constexpr int kLongestSilenceMilliseconds = 250;

QString oneLine(QString text) { return text.replace(QLatin1Char('\n'), QLatin1String("\\n")); }

// What the user can act on, by pointer or keyboard: it should say what it is.
bool isInteractive(const QQuickItem* item)
{
    if (item->activeFocusOnTab() || item->inherits("QQuickAbstractButton") || item->inherits("QQuickComboBox") ||
        item->inherits("QQuickTextInput"))
        return true;
    const QObjectList& children = item->children();
    return std::any_of(children.begin(), children.end(),
                       [](const QObject* child) { return child->inherits("QQuickTapHandler"); });
}

struct Accessibility
{
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    bool ignored = false;
};

// As a screen reader hears the item: the Accessible properties QML set, else what Qt says.
Accessibility accessibilityOf(QQuickItem* item)
{
    Accessibility found;
    for (QObject* child : item->children()) {
        if (child->inherits("QQuickAccessibleAttached") && found.role == QAccessible::NoRole) {
            found.role = static_cast<QAccessible::Role>(child->property("role").toInt());
            found.name = child->property("name").toString();
            found.ignored = child->property("ignored").toBool();
        }
    }
    if (found.role == QAccessible::NoRole || found.name.isEmpty()) {
        if (QAccessibleInterface* face = QAccessible::queryAccessibleInterface(item)) {
            if (found.role == QAccessible::NoRole)
                found.role = face->role();
            if (found.name.isEmpty())
                found.name = face->text(QAccessible::Name);
        }
    }
    return found;
}

// An item's name in the focus chain: its objectName, or its type where it has none.
QString nameOf(const QQuickItem* item)
{
    return item->objectName().isEmpty() ? QString::fromLatin1(item->metaObject()->className()) : item->objectName();
}

} // namespace

void WindowProbe::attachIfRequested(QQuickWindow* window)
{
    static bool attached = false;
    const QString path = qEnvironmentVariable("ORVELANE_PROBE");
    if (attached || path.isEmpty() || !window)
        return;
    attached = true;
    new WindowProbe(window, path);
}

WindowProbe::WindowProbe(QQuickWindow* window, QString path)
    : QObject(window), window_(window), path_(std::move(path))
{
    settled_.setSingleShot(true);
    settled_.setInterval(kSettleMilliseconds);
    connect(&settled_, &QTimer::timeout, this, &WindowProbe::write);
    // frameSwapped comes from the render thread when rendering is threaded: count there, react here.
    connect(window, &QQuickWindow::frameSwapped, this, [this] { ++frames_; }, Qt::DirectConnection);
    connect(window, &QQuickWindow::frameSwapped, this, &WindowProbe::frameDrawn, Qt::QueuedConnection);
    sinceWrite_.start();
}

void WindowProbe::frameDrawn()
{
    if (sinceWrite_.elapsed() >= kLongestSilenceMilliseconds)
        write();
    settled_.start();
}

void WindowProbe::write()
{
    if (!window_)
        return;
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    QTextStream out(&file);
    out << "frames " << frames_.load() << '\n';
    out << "window " << window_->width() << ' ' << window_->height() << '\n';
    QStringList chain;
    for (const QQuickItem* item = window_->activeFocusItem(); item; item = item->parentItem())
        chain << nameOf(item);
    out << "focus " << chain.join(QLatin1Char('<')) << '\n';
    describe(out, window_->contentItem());
    int interactive = 0;
    QStringList unnamed;
    listAccessibility(window_->contentItem(), interactive, unnamed);
    out << "accessible " << interactive << " unnamed " << unnamed.size() << '\n';
    out << "overlapping " << overlappingRows(window_->contentItem()) << '\n';
    for (const QString& item : unnamed)
        out << "unnamed " << item << '\n';
    out.flush();
    file.commit();
    sinceWrite_.restart();
}

void WindowProbe::listAccessibility(QQuickItem* item, int& interactive, QStringList& unnamed) const
{
    if (!item || !item->isVisible())
        return;
    if (isInteractive(item)) {
        const Accessibility said = accessibilityOf(item);
        if (!said.ignored) {
            ++interactive;
            if (said.role == QAccessible::NoRole || said.role == QAccessible::Client || said.name.trimmed().isEmpty())
                unnamed << QStringLiteral("%1 role=%2 name=%3").arg(nameOf(item)).arg(int(said.role)).arg(said.name);
        }
    }
    for (QQuickItem* child : item->childItems())
        listAccessibility(child, interactive, unnamed);
}

int WindowProbe::overlappingRows(const QQuickItem* item) const
{
    if (!item || !item->isVisible())
        return 0;
    int overlaps = 0;
    if (item->inherits("QQuickListView")) {
        std::vector<const QQuickItem*> rows;
        const auto* highlight = item->property("highlightItem").value<QQuickItem*>(); // lies under a row by design
        if (const auto* content = item->property("contentItem").value<QQuickItem*>())
            for (const QQuickItem* row : content->childItems())
                if (row != highlight && row->isVisible() && row->height() > 0)
                    rows.push_back(row);
        std::sort(rows.begin(), rows.end(), [](const QQuickItem* a, const QQuickItem* b) { return a->y() < b->y(); });
        for (std::size_t i = 1; i < rows.size(); ++i)
            if (rows[i - 1]->y() + rows[i - 1]->height() > rows[i]->y() + 0.5)
                ++overlaps;
    }
    for (const QQuickItem* child : item->childItems())
        overlaps += overlappingRows(child);
    return overlaps;
}

void WindowProbe::describe(QTextStream& out, const QQuickItem* item) const
{
    if (!item)
        return;
    if (!item->objectName().isEmpty()) {
        const QPointF place = item->mapToScene(QPointF(0, 0));
        out << "item " << item->objectName() << " visible=" << int(item->isVisible())
            << " x=" << qRound(place.x()) << " y=" << qRound(place.y()) << " w=" << qRound(item->width())
            << " h=" << qRound(item->height());
        for (const char* flag : {"truncated", "checked", "enabled"}) {
            const QVariant value = item->property(flag);
            if (value.isValid())
                out << ' ' << flag << '=' << int(value.toBool());
        }
        const QVariant text = item->property("text");
        if (text.isValid())
            out << " text=" << oneLine(text.toString());
        out << '\n';
    }
    for (const QQuickItem* child : item->childItems())
        describe(out, child);
}

} // namespace orvelane
