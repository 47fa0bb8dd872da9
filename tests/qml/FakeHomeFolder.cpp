#include "FakeHomeFolder.h"

#include <algorithm>
#include <chrono>
#include <fstream>

namespace orvelane::testing {
namespace {

std::filesystem::path relativePath(const QString& relative) { return relative.toStdString(); }

} // namespace

FakeHomeFolder::FakeHomeFolder(QObject* parent) : QObject(parent), home_(std::make_unique<FakeHome>())
{
    // The trash follows XDG_DATA_HOME where it is set: it must lie in the fake home too.
    if (qEnvironmentVariableIsSet("XDG_DATA_HOME"))
        previousDataHome_ = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString((home_->root() / ".local/share").string()));
}

FakeHomeFolder::~FakeHomeFolder()
{
    if (previousDataHome_)
        qputenv("XDG_DATA_HOME", *previousDataHome_);
    else
        qunsetenv("XDG_DATA_HOME");
}

QString FakeHomeFolder::path() const { return QString::fromStdString(home_->root().string()); }

void FakeHomeFolder::file(const QString& relative, double bytes, int days)
{
    // Whole blocks are reserved cheaply; anything else is written out.
    const auto size = static_cast<std::int64_t>(bytes);
    if (size > 0 && size % 4096 == 0)
        home_->allocated(relativePath(relative), size);
    else
        home_->file(relativePath(relative), static_cast<std::size_t>(size));
    if (days > 0)
        age(relative, days);
}

void FakeHomeFolder::folder(const QString& relative) { home_->folder(relativePath(relative)); }

void FakeHomeFolder::write(const QString& relative, const QString& text)
{
    const std::filesystem::path file = home_->file(relativePath(relative), 0);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text.toStdString();
}

void FakeHomeFolder::age(const QString& relative, int days)
{
    home_->setModified(relativePath(relative), std::chrono::system_clock::now() - std::chrono::hours(24 * days));
}

bool FakeHomeFolder::exists(const QString& relative) const
{
    std::error_code ignored;
    return std::filesystem::exists(std::filesystem::symlink_status(*home_ / relativePath(relative), ignored));
}

void FakeHomeFolder::remove(const QString& relative) { home_->remove(relativePath(relative)); }

QStringList FakeHomeFolder::list(const QString& relative) const
{
    QStringList names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(*home_ / relativePath(relative), error))
        names << QString::fromStdString(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace orvelane::testing
