#include "ItemKey.h"

#include <QByteArray>

namespace orvelane {

QString itemKey(const std::filesystem::path& path)
{
    const std::string& bytes = path.native();
    return QString::fromLatin1(
        QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())).toPercentEncoding("/"));
}

std::filesystem::path pathFromItemKey(const QString& key)
{
    const QByteArray bytes = QByteArray::fromPercentEncoding(key.toLatin1());
    return std::filesystem::path(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString displayPath(const std::filesystem::path& path)
{
    const std::string& bytes = path.native();
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString fileUriOf(const std::filesystem::path& path) { return QStringLiteral("file://") + itemKey(path); }

} // namespace orvelane
