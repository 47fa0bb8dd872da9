#include "CategoryPresentation.h"

#include "ByteCount.h"
#include "ByteFormatter.h"
#include "ColorConversion.h"
#include "DisplayText.h"
#include "Layout.h"
#include "SizeThresholds.h"
#include "Localizer.h"

namespace orvelane {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

std::string count(qint64 value) { return std::to_string(value); }

} // namespace

CategoryPresentation::CategoryPresentation(QObject* parent) : QObject(parent)
{
    connect(&Localizer::shared(), &Localizer::bundleChanged, this, &CategoryPresentation::changed);
}

void CategoryPresentation::setState(AppState* state)
{
    if (state == state_)
        return;
    if (state_)
        disconnect(state_, nullptr, this, nullptr);
    state_ = state;
    if (state_) {
        // Everything shown derives from these; one notice redraws the lot.
        for (auto signal : {&AppState::itemsChanged, &AppState::scanningKindsChanged, &AppState::selectionChanged,
                            &AppState::cleaningChanged, &AppState::hasScannedChanged,
                            &AppState::hasFullDiskAccessChanged})
            connect(state_, signal, this, &CategoryPresentation::changed);
    }
    emit stateChanged();
    emit changed();
}

void CategoryPresentation::setKind(const QString& kind)
{
    if (kind == kindText_)
        return;
    kindText_ = kind;
    kind_ = categoryKindFromRawValue(kind.toStdString());
    emit kindChanged();
    emit changed();
}

QString CategoryPresentation::title() const { return kind_ ? text(orvelane::title(*kind_)) : QString(); }

QString CategoryPresentation::subtitle() const
{
    return kind_ ? text(JunkScanner::layoutSubtitle(JunkScanner::activeLayout(), *kind_)) : QString();
}

QString CategoryPresentation::icon() const
{
    return kind_ ? QString::fromLatin1(orvelane::icon(*kind_).data(), static_cast<qsizetype>(orvelane::icon(*kind_).size()))
                 : QString();
}

QColor CategoryPresentation::color() const
{
    return kind_ ? toQColor(orvelane::color(*kind_)) : QColor::fromRgb(142, 142, 147);
}

bool CategoryPresentation::permanent() const { return kind_ && isDeletedPermanently(*kind_); }

bool CategoryPresentation::guidanceOnly() const { return kind_ && isGuidanceOnly(*kind_); }

QString CategoryPresentation::sizeText() const
{
    if (!state_ || !kind_ || !state_->hasScanned())
        return QStringLiteral("—");
    return text(formatBytes(state_->totalSize(*kind_)));
}

bool CategoryPresentation::scanning() const { return state_ && kind_ && state_->scanningKinds().contains(*kind_); }

QString CategoryPresentation::content() const
{
    if (!state_ || !kind_)
        return QStringLiteral("allClean");
    if (!state_->hasScanned() && state_->scanningKinds().empty())
        return QStringLiteral("welcome");
    if (scanning())
        return QStringLiteral("scanning");
    if (itemCount() > 0)
        return QStringLiteral("list");
    if (*kind_ == CategoryKind::trash && !state_->hasFullDiskAccess())
        return QStringLiteral("noAccess");
    // Guidance has nothing to clean by design: it says what it found, never "all clean".
    if (isGuidanceOnly(*kind_))
        return QStringLiteral("noLargeStores");
    return QStringLiteral("allClean");
}

QString CategoryPresentation::thresholdText() const
{
    const auto threshold = kind_ ? sizeThreshold(*kind_) : std::nullopt;
    return threshold ? text(formatBytes(*threshold)) : QString();
}

int CategoryPresentation::itemCount() const
{
    if (!state_ || !kind_)
        return 0;
    const auto found = state_->items().find(*kind_);
    return found == state_->items().end() ? 0 : static_cast<int>(found->second.size());
}

int CategoryPresentation::skippedCount() const
{
    if (!state_ || !kind_)
        return 0;
    const auto found = state_->skippedItems().find(*kind_);
    return found == state_->skippedItems().end() ? 0 : static_cast<int>(found->second.size());
}

QString CategoryPresentation::skippedButtonText() const
{
    const int skipped = skippedCount();
    return skipped > 0 ? text(localizedCountedFormat(DISPLAY_TEXT("Protected / Skipped (%lld)"), skipped,
                                                     {count(skipped)}))
                       : QString();
}

bool CategoryPresentation::showsBulkSelection() const { return !guidanceOnly() && itemCount() > 0; }

int CategoryPresentation::selectedCount() const
{
    return state_ && kind_ ? static_cast<int>(state_->selectedItems(*kind_).size()) : 0;
}

qint64 CategoryPresentation::selectedSize() const
{
    if (!state_ || !kind_)
        return 0;
    return sumOfSizes(state_->selectedItems(*kind_));
}

bool CategoryPresentation::summaryIsSelection() const { return !guidanceOnly() && selectedCount() > 0; }

QString CategoryPresentation::summaryText() const
{
    if (guidanceOnly())
        return text(localizedText(DISPLAY_TEXT("Read-only guidance — Orvelane never deletes these items.")));
    if (const int selected = selectedCount(); selected > 0)
        return text(localizedCountedFormat(DISPLAY_TEXT("%lld items selected — %@"), selected,
                                           {count(selected), formatBytes(selectedSize())}));
    return permanent() ? text(localizedText(DISPLAY_TEXT("Selected items are deleted permanently.")))
                       : text(localizedText(DISPLAY_TEXT("Selected items are moved to the Trash and can be restored.")));
}

QString CategoryPresentation::cleanButtonText() const
{
    return permanent() ? text(localizedText(DISPLAY_TEXT("Delete Permanently")))
                       : text(localizedText(DISPLAY_TEXT("Clean")));
}

QString CategoryPresentation::cleanButtonSymbol() const
{
    return permanent() ? QStringLiteral("trash.slash") : QStringLiteral("sparkles");
}

bool CategoryPresentation::canClean() const
{
    return state_ && kind_ && !guidanceOnly() && selectedCount() > 0 && !state_->cleaning() &&
           state_->scanningKinds().empty();
}

QString CategoryPresentation::confirmationTitle() const
{
    const int selected = selectedCount();
    const std::string shown = count(selected);
    const std::string size = formatBytes(selectedSize());
    return permanent()
               ? text(localizedCountedFormat(DISPLAY_TEXT("Permanently delete %lld items (%@)? This cannot be undone."),
                                             selected, {shown, size}))
               : text(localizedCountedFormat(DISPLAY_TEXT("Move %lld items (%@) to the Trash?"), selected,
                                             {shown, size}));
}

QString CategoryPresentation::confirmButtonText() const
{
    return permanent() ? text(localizedText(DISPLAY_TEXT("Delete Permanently")))
                       : text(localizedText(DISPLAY_TEXT("Move to Trash")));
}

} // namespace orvelane
