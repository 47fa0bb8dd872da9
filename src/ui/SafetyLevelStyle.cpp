#include "SafetyLevelStyle.h"

#include "ColorConversion.h"
#include "Contrast.h"
#include "Localizer.h"
#include "QmlEnums.h"

namespace orvelane {
namespace {

// The platform's standard named colours, light appearance.
const QColor kGreen = QColor::fromRgb(52, 199, 89);
const QColor kOrange = QColor::fromRgb(255, 149, 0);
const QColor kBlue = QColor::fromRgb(0, 122, 255);
// Above 4.5:1, so that the title still reads on a hovered row.
constexpr double kBadgeContrast = 5.0;

} // namespace

SafetyLevelStyle::SafetyLevelStyle(QObject* parent) : QObject(parent)
{
    connect(&Localizer::shared(), &Localizer::bundleChanged, this, &SafetyLevelStyle::titleChanged);
}

void SafetyLevelStyle::setLevel(int level)
{
    if (level == level_)
        return;
    level_ = level;
    parsed_ = qml::safetyLevel(level);
    emit levelChanged();
    emit titleChanged();
}

QString SafetyLevelStyle::title() const
{
    return parsed_ ? QString::fromStdString(orvelane::title(*parsed_)) : QString();
}

QColor SafetyLevelStyle::color() const { return parsed_ ? colorOf(*parsed_) : neutralGrey(); }

QColor SafetyLevelStyle::textColor() const
{
    // The badge's fill is the colour at 12 % over the row; a hovered row is a shade darker.
    QColor fill = color();
    fill.setAlphaF(0.12f);
    return Contrast::readable(color(), Contrast::composite(fill, QColor(Qt::white)), kBadgeContrast);
}

QColor SafetyLevelStyle::colorOf(SafetyLevel level)
{
    switch (level) {
    case SafetyLevel::safe:
        return kGreen;
    case SafetyLevel::review:
        return kOrange;
    case SafetyLevel::protected_:
        return kBlue;
    }
    return neutralGrey();
}

} // namespace orvelane
