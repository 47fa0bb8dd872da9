#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace orvelane {

/// The per-user settings file: `$XDG_CONFIG_HOME/Orvelane/Orvelane.conf` (~/.config by default).
QString settingsFilePath();

/**
 * @brief The per-user settings store, or nothing when the file is there but is not a regular
 * file (a FIFO would block every start for ever, a device or folder cannot hold settings).
 * Without a store the defaults apply and nothing is written, so whatever is there stays as it
 * is; a warning in the log says why.
 */
std::unique_ptr<QSettings> openSettingsStore(const QString& file = settingsFilePath());

} // namespace orvelane
