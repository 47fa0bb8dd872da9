#include "DiskUsageBar.h"

#include "ByteFormatter.h"
#include "CategoryStyle.h"
#include "ColorConversion.h"
#include "DiskUsage.h"
#include "DisplayText.h"
#include "Localizer.h"
#include "ShareText.h"
#include "WindowBinding.h"

#include <QVariantMap>

namespace orvelane {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

QString partName(DiskUsageSegment::Part part)
{
    switch (part) {
    case DiskUsageSegment::Part::otherUse: return QStringLiteral("other");
    case DiskUsageSegment::Part::category: return QStringLiteral("category");
    case DiskUsageSegment::Part::free: break;
    }
    return QStringLiteral("free");
}

QString segmentName(const DiskUsageSegment& segment)
{
    switch (segment.part) {
    case DiskUsageSegment::Part::otherUse: return text(localizedText(DISPLAY_TEXT("Everything else")));
    case DiskUsageSegment::Part::category: return text(title(*segment.category));
    case DiskUsageSegment::Part::free: break;
    }
    return text(localizedText(DISPLAY_TEXT("Free")));
}

// Free space is the bar's empty track; the rest in use is the grey of what has no colour.
QColor segmentColor(const DiskUsageSegment& segment)
{
    if (segment.part == DiskUsageSegment::Part::free)
        return QColor(Qt::white);
    return CategoryStyle::color(segment.category);
}

QVariantMap entry(const DiskUsage& usage, const DiskUsageSegment& segment)
{
    // Everything else and free are the disk's own figures: their share always holds.
    const std::optional<double> share = segment.part == DiskUsageSegment::Part::category
                                            ? usage.shareOfDisk(segment.bytes)
                                            : std::optional<double>(static_cast<double>(segment.bytes) / static_cast<double>(usage.total));
    return {
        {QStringLiteral("part"), partName(segment.part)},
        {QStringLiteral("kind"), segment.category ? static_cast<int>(*segment.category) : -1},
        {QStringLiteral("name"), segmentName(segment)},
        {QStringLiteral("bytes"), static_cast<qint64>(segment.bytes)},
        {QStringLiteral("fraction"), segment.fraction},
        {QStringLiteral("color"), segmentColor(segment)},
        {QStringLiteral("sizeText"), text(formatBytes(segment.bytes))},
        {QStringLiteral("shareText"), share ? text(ShareText::percent(*share)) : QString()},
        {QStringLiteral("figuresText"), share ? text(formatBytes(segment.bytes) + " · " + ShareText::percent(*share))
                                              : text(formatBytes(segment.bytes))},
    };
}

} // namespace

DiskUsageBar::DiskUsageBar(QObject* parent) : QObject(parent)
{
    connect(&Localizer::shared(), &Localizer::bundleChanged, this, &DiskUsageBar::changed);
}

void DiskUsageBar::setWindowState(WindowState* state)
{
    if (!WindowBinding::rebind(*this, state_, state, [this](WindowState& next) { WindowBinding::followTotals(next, this); }))
        return;
    emit windowStateChanged();
    emit changed();
}

bool DiskUsageBar::known() const { return state_ && diskUsageOf(*state_).has_value(); }

QVariantList DiskUsageBar::segments() const
{
    const auto usage = state_ ? diskUsageOf(*state_) : std::nullopt;
    QVariantList list;
    if (usage)
        for (const DiskUsageSegment& segment : usage->segments)
            list.append(entry(*usage, segment));
    return list;
}

QVariantList DiskUsageBar::legend() const
{
    // The bar starts with everything else; the legend names the categories first.
    QVariantList categories;
    QVariantList disk;
    for (const QVariant& segment : segments())
        (segment.toMap().value(QStringLiteral("part")) == QStringLiteral("category") ? categories : disk).append(segment);
    return categories + disk;
}

QString DiskUsageBar::accessibleName() const
{
    const auto usage = state_ ? diskUsageOf(*state_) : std::nullopt;
    if (!usage)
        return {};
    if (!state_->scanning()->hasScanned())
        return text(localizedFormat(DISPLAY_TEXT("Disk: %@ used, %@ free"), {formatBytes(usage->used), formatBytes(usage->available)}));
    return text(localizedFormat(DISPLAY_TEXT("Disk: %@ used, %@ reclaimable, %@ free"),
                                {formatBytes(usage->used), formatBytes(usage->reclaimable), formatBytes(usage->available)}));
}

QString DiskUsageBar::noteText() const
{
    const auto usage = state_ ? diskUsageOf(*state_) : std::nullopt;
    if (!usage || usage->reclaimableFits)
        return {};
    return text(localizedText(DISPLAY_TEXT("What can be reclaimed is more than this disk has in use: some of it lies on another disk.")));
}

QVariantList DiskUsageBar::segmentWidths(double width, double minimum) const
{
    const auto usage = state_ ? diskUsageOf(*state_) : std::nullopt;
    std::vector<double> fractions;
    if (usage)
        for (const DiskUsageSegment& segment : usage->segments)
            fractions.push_back(segment.fraction);
    QVariantList list;
    for (double drawn : drawnWidths(fractions, width, minimum))
        list.append(drawn);
    return list;
}

} // namespace orvelane
