#include "ItemExplanation.h"

#include "CategoryStyle.h"
#include "DisplayText.h"
#include "Localizer.h"
#include "QmlEnums.h"
#include "ReportTexts.h"
#include "SafetyVocabulary.h"

#include <QDateTime>
#include <QLocale>

namespace orvelane {
namespace {

std::string utf8(const QString& text) { return text.toStdString(); }

// A date from QML arrives as a QDateTime (a JS Date) or a QDate; anything else means "unknown".
QDate dateOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDateTime) {
        const QDateTime dateTime = value.toDateTime();
        return dateTime.isValid() ? dateTime.toLocalTime().date() : QDate();
    }
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    return {};
}

} // namespace

ItemExplanation::ItemExplanation(QObject* parent) : QObject(parent)
{
    connect(&Localizer::shared(), &Localizer::bundleChanged, this, &ItemExplanation::textsChanged);
}

void ItemExplanation::setKind(int kind)
{
    if (kind == kind_)
        return;
    kind_ = kind;
    emit kindChanged();
    emit textsChanged();
}

void ItemExplanation::setSafetyReason(const QString& reason)
{
    if (reason == safetyReason_)
        return;
    safetyReason_ = reason;
    emit safetyReasonChanged();
    emit textsChanged();
}

void ItemExplanation::setModified(const QVariant& modified)
{
    if (modified == modified_)
        return;
    modified_ = modified;
    emit modifiedChanged();
    emit textsChanged();
}

void ItemExplanation::setActionHint(const QString& hint)
{
    if (hint == actionHint_)
        return;
    actionHint_ = hint;
    emit actionHintChanged();
    emit textsChanged();
}

QString ItemExplanation::explanation() const
{
    if (const auto reason = safetyReasonFromRawValue(utf8(safetyReason_)))
        return QString::fromStdString(orvelane::explanation(*reason));
    return safetyReason_;
}

QString ItemExplanation::modifiedText() const
{
    const QDate date = dateOf(modified_);
    if (!date.isValid())
        return {};
    // The date is written the system's way, whatever language the words around it are in.
    const std::string shown = utf8(QLocale::system().toString(date, QLocale::ShortFormat));
    return QString::fromStdString(localizedFormat(DISPLAY_TEXT("Last modified: %@"), {shown}));
}

QString ItemExplanation::hintText() const
{
    if (actionHint_.isEmpty())
        return {};
    // Without a known category the hint names a managing tool, as for every category but one.
    const CategoryKind kind = qml::categoryKind(kind_).value_or(CategoryKind::caches);
    return QString::fromStdString(ReportTexts::actionHint(kind, utf8(actionHint_)));
}

QColor ItemExplanation::hintColor() const { return CategoryStyle::color(qml::categoryKind(kind_)); }

} // namespace orvelane
