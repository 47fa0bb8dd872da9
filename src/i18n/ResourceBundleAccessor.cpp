#include "ResourceBundleAccessor.h"

#include "StringBundle.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#ifdef __APPLE__
#include <mach-o/dyld.h>
#endif

#ifndef ORVELANE_BUILD_BUNDLE_PATH
#error "ORVELANE_BUILD_BUNDLE_PATH must name the resource bundle in the build output"
#endif

namespace orvelane {
namespace {

constexpr const char* kBundleName = "Orvelane_Orvelane.bundle";

QString executablePath()
{
#ifdef __APPLE__
    char buffer[4096];
    uint32_t size = sizeof buffer;
    if (_NSGetExecutablePath(buffer, &size) == 0)
        return QString::fromLocal8Bit(buffer);
    return {};
#else
    std::error_code error;
    const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? QString() : QString::fromLocal8Bit(path.c_str());
#endif
}

[[noreturn]] void stopWithMissingBundle(const ResourceBundleLocations& locations)
{
    const QByteArray message = QStringLiteral("could not load resource bundle: from %1 or %2\n")
                                   .arg(locations.besideExecutable, locations.buildOutput)
                                   .toLocal8Bit();
    std::fputs(message.constData(), stderr);
    std::fflush(stderr);
    std::abort();
}

} // namespace

QString executableDirectory()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(executablePath()).absolutePath();
}

ResourceBundleLocations resourceBundleLocations()
{
    return {QDir(executableDirectory()).filePath(QString::fromLatin1(kBundleName)),
            QStringLiteral(ORVELANE_BUILD_BUNDLE_PATH)};
}

std::shared_ptr<const StringBundle> resourceBundle()
{
    static const std::shared_ptr<const StringBundle> module = [] {
        const ResourceBundleLocations locations = resourceBundleLocations();
        if (auto bundle = StringBundle::open(locations.besideExecutable))
            return bundle;
        if (auto bundle = StringBundle::open(locations.buildOutput))
            return bundle;
        stopWithMissingBundle(locations);
    }();
    return module;
}

} // namespace orvelane
