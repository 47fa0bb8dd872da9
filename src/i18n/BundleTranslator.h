#pragma once

#include <QTranslator>

namespace orvelane {

class Localizer;

/**
 * @brief Answers Qt's translation requests (qsTr in QML) from the localizer's current bundle.
 *
 * Every string table holds one context, so the caller's context is ignored: a key means the
 * same text in every view. Installed once; a language change needs no reinstall, only a
 * retranslation of the QML engines.
 */
class BundleTranslator final : public QTranslator
{
public:
    explicit BundleTranslator(const Localizer& localizer, QObject* parent = nullptr);

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override { return false; }

private:
    const Localizer& localizer_;
};

} // namespace orvelane
