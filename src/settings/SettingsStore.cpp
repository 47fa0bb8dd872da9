#include "SettingsStore.h"

#include "Logger.h"

#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>

namespace orvelane {

QString settingsFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Orvelane/Orvelane.conf");
}

std::unique_ptr<QSettings> openSettingsStore(const QString& file)
{
    // Asked before QSettings opens the file: its constructor reads it at once, and an open of
    // a FIFO without a writer never returns. A link to a regular file is a regular file.
    struct stat status
    {};
    const QByteArray path = file.toLocal8Bit();
    if (::stat(path.constData(), &status) == 0 && !S_ISREG(status.st_mode)) {
        Logger::warning("Settings file " + path.toStdString() +
                        " is not a regular file; using the default settings and not saving them");
        return nullptr;
    }
    // One explicit file, so that no other file is read as a fallback.
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

} // namespace orvelane
