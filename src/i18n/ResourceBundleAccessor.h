#pragma once

#include <QString>

#include <memory>

namespace orvelane {

class StringBundle;

/// Where the resource bundle is looked for, in order: beside the executable, then the build output.
struct ResourceBundleLocations
{
    QString besideExecutable;
    QString buildOutput;
};

ResourceBundleLocations resourceBundleLocations();

/**
 * @brief The application's resource bundle, opened once on first use.
 *
 * Stops the program with "could not load resource bundle: from <first> or <second>" when the
 * bundle opens at neither location: without its string tables the program cannot show a text.
 */
std::shared_ptr<const StringBundle> resourceBundle();

/// The directory of the running executable.
QString executableDirectory();

} // namespace orvelane
