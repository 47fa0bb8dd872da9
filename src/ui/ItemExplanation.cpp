#include "ItemExplanation.h"

#include "CategoryStyle.h"
#include "Contrast.h"
#include "DisplayText.h"
#include "ItemTexts.h"
#include "Localizer.h"
#include "QmlEnums.h"
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

void ItemExplanation::setHintForm(const QString& form)
{
    if (form == hintForm_)
        return;
    hintForm_ = form;
    emit textsChanged();
}

void ItemExplanation::setApplication(const QString& application)
{
    if (application == application_)
        return;
    application_ = application;
    emit textsChanged();
}

void ItemExplanation::setDeleted(const QVariant& deleted)
{
    if (deleted == deleted_)
        return;
    deleted_ = deleted;
    emit textsChanged();
}

// The record as the shared texts know it: only what they read of it.
ScannedItem ItemExplanation::described() const
{
    ScannedItem item;
    if (const auto reason = safetyReasonFromRawValue(utf8(safetyReason_)))
        item.safetyReason = *reason;
    if (!actionHint_.isEmpty())
        item.actionHint = utf8(actionHint_);
    item.hintForm = hintIsCommand() ? HintForm::command : HintForm::sentence;
    if (!application_.isEmpty())
        item.application = utf8(application_);
    return item;
}

QString ItemExplanation::explanation() const
{
    if (!safetyReasonFromRawValue(utf8(safetyReason_)))
        return safetyReason_;
    return QString::fromStdString(reasonText(described()));
}

QString ItemExplanation::modifiedText() const
{
    // Dates are written the way of the language the window speaks, so that a switch to Turkish
    // turns "12/8/26" into "8.12.2026" with the words around it.
    const QLocale locale = Localizer::shared().locale();
    if (const QDate deleted = dateOf(deleted_); deleted.isValid())
        return QString::fromStdString(localizedFormat(
            DISPLAY_TEXT("Deleted on %@"), {utf8(locale.toString(deleted, QLocale::ShortFormat))}));
    const QDate date = dateOf(modified_);
    if (!date.isValid())
        return {};
    const std::string shown = utf8(locale.toString(date, QLocale::ShortFormat));
    return QString::fromStdString(localizedFormat(DISPLAY_TEXT("Last modified: %@"), {shown}));
}

QString ItemExplanation::hintText() const
{
    // Without a known category the hint names a managing tool, as for every category but one.
    const auto line = orvelane::hintText(described(), qml::categoryKind(kind_).value_or(CategoryKind::caches));
    return line ? QString::fromStdString(*line) : QString();
}

QColor ItemExplanation::hintColor() const
{
    // The category's colour, darkened where it would not read on the row (with room for the
    // hover tint).
    constexpr double kHintContrast = 5.0;
    return Contrast::readable(CategoryStyle::color(qml::categoryKind(kind_)), QColor(Qt::white), kHintContrast);
}

} // namespace orvelane
