#include "Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace orvelane {

void Clipboard::setText(const QString& text)
{
    // The selection buffer too: a middle click pastes the path into a terminal.
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
    if (QGuiApplication::clipboard()->supportsSelection())
        QGuiApplication::clipboard()->setText(text, QClipboard::Selection);
}

QString Clipboard::text() const { return QGuiApplication::clipboard()->text(); }

} // namespace orvelane
