#pragma once

#include "ExcludedPaths.h"
#include "TidyController.h"

#include <QObject>

namespace orvelane {

/**
 * @brief What the settings window shows and changes beside the language: the never-offer-again
 * list and the weekly tidy. One for the application (the settings window is shared by every main
 * window); the shell hands the exclusions taken out here on to each main window's state.
 */
class SettingsState : public QObject
{
    Q_OBJECT
    Q_PROPERTY(orvelane::ExcludedPaths* exclusions READ exclusions CONSTANT)
    Q_PROPERTY(orvelane::TidyController* tidy READ tidy CONSTANT)

public:
    explicit SettingsState(TidyController::Runner run = {}, QObject* parent = nullptr)
        : QObject(parent), exclusions_(new ExcludedPaths(this)), tidy_(new TidyController(std::move(run), this))
    {
    }

    ExcludedPaths* exclusions() const { return exclusions_; }
    TidyController* tidy() const { return tidy_; }

    /// Reads both again from the settings file, as the window opens.
    void reload()
    {
        exclusions_->reload();
        tidy_->reload();
    }

private:
    ExcludedPaths* exclusions_;
    TidyController* tidy_;
};

} // namespace orvelane
