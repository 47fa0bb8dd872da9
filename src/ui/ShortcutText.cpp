#include "ShortcutText.h"

#include <QKeySequence>

namespace orvelane {

QString ShortcutText::of(const QVariant& shortcut)
{
    QKeySequence sequence;
    if (shortcut.typeId() == QMetaType::QKeySequence) {
        sequence = shortcut.value<QKeySequence>();
    } else if (shortcut.typeId() == QMetaType::QString) {
        sequence = QKeySequence(shortcut.toString());
    } else if (shortcut.canConvert<int>()) {
        bool isNumber = false;
        const int standardKey = shortcut.toInt(&isNumber);
        if (isNumber && standardKey > QKeySequence::UnknownKey)
            sequence = QKeySequence(static_cast<QKeySequence::StandardKey>(standardKey));
    }
    return sequence.toString(QKeySequence::NativeText);
}

} // namespace orvelane
