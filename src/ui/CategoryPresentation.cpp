#include "CategoryPresentation.h"

#include "ByteCount.h"
#include "ByteFormatter.h"
#include "CategoryStyle.h"
#include "DiskUsage.h"
#include "DisplayText.h"
#include "SizeThresholds.h"
#include "Localizer.h"
#include "ProjectAgeText.h"
#include "QmlEnums.h"
#include "ReportTexts.h"
#include "WindowBinding.h"
#include "ShareText.h"

namespace orvelane {
namespace {

QString text(const std::string& utf8) { return QString::fromStdString(utf8); }

std::string count(qint64 value) { return std::to_string(value); }

} // namespace

CategoryPresentation::CategoryPresentation(QObject* parent) : QObject(parent)
{
    connect(&Localizer::shared(), &Localizer::bundleChanged, this, &CategoryPresentation::changed);
}

void CategoryPresentation::setWindowState(WindowState* state)
{
    // Everything shown derives from these; one notice redraws the lot.
    const bool rebound = WindowBinding::rebind(*this, state_, state, [this](WindowState& next) {
        WindowBinding::followTotals(next, this); // the header's share of the disk too
        connect(next.selection(), &SelectionController::changed, this, &CategoryPresentation::changed);
        connect(next.selection(), &SelectionController::untouchedDaysChanged, this, &CategoryPresentation::changed);
        connect(&next, &WindowState::busyChanged, this, &CategoryPresentation::changed);
        connect(next.scanning(), &ScanController::scanningKindsChanged, this, &CategoryPresentation::changed);
        connect(next.scanning(), &ScanController::trashReadableChanged, this, &CategoryPresentation::changed);
        connect(next.cleaning(), &CleanController::runningChanged, this, [this] {
            listedWhenCleanBegan_ = state_ && state_->cleaning()->running() && itemCount() > 0;
            emit changed();
        });
    });
    if (!rebound)
        return;
    emit windowStateChanged();
    emit changed();
}

void CategoryPresentation::setKind(int kind)
{
    if (kind == kindValue_)
        return;
    listedWhenCleanBegan_ = false;
    kindValue_ = kind;
    kind_ = qml::categoryKind(kind);
    emit kindChanged();
    emit changed();
}

QString CategoryPresentation::title() const { return kind_ ? text(orvelane::title(*kind_)) : QString(); }

QString CategoryPresentation::subtitle() const { return state_ ? state_->desktop()->subtitle(kindValue_) : QString(); }

QString CategoryPresentation::icon() const { return kind_ ? CategoryStyle::icon(*kind_) : QString(); }

QColor CategoryPresentation::color() const { return CategoryStyle::color(kind_); }

bool CategoryPresentation::permanent() const { return kind_ && isDeletedPermanently(*kind_); }

bool CategoryPresentation::guidanceOnly() const { return kind_ && isGuidanceOnly(*kind_); }

const std::vector<ScannedItem>& CategoryPresentation::items() const
{
    static const std::vector<ScannedItem> none;
    return state_ && kind_ ? state_->results()->items(*kind_) : none;
}

QString CategoryPresentation::sizeText() const
{
    if (!state_ || !kind_ || !state_->scanning()->hasScanned())
        return QStringLiteral("—");
    return text(formatBytes(state_->results()->totalSize(*kind_)));
}

QString CategoryPresentation::shareText() const
{
    if (!state_ || !kind_ || guidanceOnly() || !state_->scanning()->hasScanned())
        return {};
    const std::int64_t bytes = state_->results()->totalSize(*kind_);
    if (bytes <= 0)
        return {};
    const auto usage = diskUsageOf(*state_);
    const auto share = usage ? usage->shareOfDisk(bytes) : std::nullopt;
    if (!share)
        return text(formatBytes(bytes));
    return text(localizedFormat(DISPLAY_TEXT("%@ · %@ of the disk"), {formatBytes(bytes), ShareText::percent(*share)}));
}

bool CategoryPresentation::scanning() const
{
    return state_ && kind_ && state_->scanning()->scanningKinds().contains(*kind_);
}

CategoryPresentation::Content CategoryPresentation::content() const
{
    if (!state_ || !kind_)
        return Content::AllClean;
    if (!state_->scanning()->hasScanned() && !state_->scanning()->scanning())
        return Content::Welcome;
    if (scanning())
        return Content::Scanning;
    if (itemCount() > 0)
        return Content::List;
    if (listedWhenCleanBegan_ && state_->cleaning()->running())
        return Content::Scanning; // the rescans that follow a clean still run

    if (*kind_ == CategoryKind::trash && !state_->scanning()->trashReadable())
        return Content::NoAccess;
    // Guidance has nothing to clean by design: it says what it found, never "all clean".
    if (isGuidanceOnly(*kind_))
        return Content::NoLargeStores;
    return Content::AllClean;
}

QString CategoryPresentation::thresholdText() const
{
    const auto threshold = kind_ ? sizeThreshold(*kind_) : std::nullopt;
    return threshold ? text(formatBytes(*threshold)) : QString();
}

int CategoryPresentation::itemCount() const { return static_cast<int>(items().size()); }

int CategoryPresentation::skippedCount() const
{
    return state_ && kind_ ? static_cast<int>(state_->results()->skipped(*kind_).size()) : 0;
}

QString CategoryPresentation::skippedButtonText() const
{
    const int skipped = skippedCount();
    return skipped > 0 ? text(ReportTexts::skippedCount(skipped)) : QString();
}

bool CategoryPresentation::showsBulkSelection() const { return !guidanceOnly() && itemCount() > 0; }

bool CategoryPresentation::showsSelectUntouched() const
{
    return kind_ == CategoryKind::devArtifacts && showsBulkSelection();
}

QString CategoryPresentation::selectUntouchedText() const
{
    return state_ ? text(orvelane::selectUntouchedText(state_->selection()->untouchedDays())) : QString();
}

bool CategoryPresentation::canSelectUntouched() const
{
    return showsSelectUntouched() && !state_->selection()->untouchedItems(*kind_).empty();
}

int CategoryPresentation::selectedCount() const
{
    return state_ && kind_ ? static_cast<int>(state_->selection()->selectedItems(*kind_).size()) : 0;
}

qint64 CategoryPresentation::selectedSize() const
{
    return state_ && kind_ ? sumOfSizes(state_->selection()->selectedItems(*kind_)) : 0;
}

ItemContents CategoryPresentation::selectedContents() const
{
    ItemContents total;
    if (!state_ || !kind_)
        return total;
    for (const auto& item : state_->selection()->selectedItems(*kind_)) {
        if (!item.contents.known())
            return {}; // a count short of what goes would mislead more than none
        total += item.contents;
    }
    return total;
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

bool CategoryPresentation::canClean() const { return state_ && !state_->busy() && selectedCount() > 0; }

QString CategoryPresentation::confirmationTitle() const
{
    const int selected = selectedCount();
    const std::string shown = count(selected);
    // "(12,408 files and 310 folders, 5.5 MB)": what goes, not only how many rows were ticked.
    const std::string contents = ReportTexts::contents(selectedContents());
    const std::string size = contents.empty() ? formatBytes(selectedSize()) : contents + ", " + formatBytes(selectedSize());
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
