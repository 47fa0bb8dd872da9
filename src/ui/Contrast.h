#pragma once

#include <QColor>
#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace orvelane {

/**
 * @brief Legibility of text colours, as WCAG measures it: the contrast ratio of two colours and
 * the nearest darker shade of a colour that reaches a ratio. Colours with opacity are taken as
 * drawn over the other colour.
 *
 * The look keeps its hues (the category colours, the level colours, the accent) and only
 * darkens them where text would otherwise be hard to read.
 */
class Contrast : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    /// The ratio body text must reach (WCAG AA).
    static constexpr double kText = 4.5;

    explicit Contrast(QObject* parent = nullptr) : QObject(parent) {}

    /// `over` drawn over `under` (which is taken as opaque).
    static QColor composite(const QColor& over, const QColor& under);
    static double luminance(const QColor& color);
    /// From 1 (the same) to 21 (black on white); `foreground` may be translucent.
    Q_INVOKABLE static double ratio(const QColor& foreground, const QColor& background);
    /**
     * @brief `color`, darkened in its own hue just enough to stand `minimum` against `other`
     * (text on a background, or a fill under white text); unchanged when it already does. A
     * translucent colour is first made opaque over `other`.
     */
    Q_INVOKABLE static QColor readable(const QColor& color, const QColor& other, double minimum = kText);
};

} // namespace orvelane
