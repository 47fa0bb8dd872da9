#include "ScanDocument.h"

#include "DisplayText.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <limits>
#include <set>

namespace orvelane::cli {
namespace {

// JSON numbers are doubles to most readers: larger file IDs travel as decimal text.
constexpr std::uint64_t kLargestExactInteger = 1ULL << 53;

QString latin(std::string_view text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }

QJsonValue dateValue(const std::optional<Date>& date)
{
    if (!date)
        return QJsonValue::Null;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(date->time_since_epoch()).count();
    return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODateWithMs);
}

QJsonValue inodeValue(const std::optional<std::uint64_t>& id)
{
    if (!id)
        return QJsonValue::Null;
    if (*id <= kLargestExactInteger)
        return static_cast<qint64>(*id);
    return QString::number(*id);
}

// A sentence is written out in English with its program put in: the document is read by scripts
// as well as by a later clean.
std::string hintAsWritten(const ScannedItem& item)
{
    if (item.hintForm == HintForm::command)
        return *item.actionHint;
    return substitutePlaceholders(*item.actionHint, {item.application.value_or(std::string())});
}

QJsonObject itemObject(const ScannedItem& item)
{
    QJsonObject object;
    writePath(object, item.path);
    object["name"] = QString::fromStdString(item.name);
    object["size"] = static_cast<qint64>(item.size);
    object["modified"] = dateValue(item.modified);
    object["safetyLevel"] = latin(rawValue(item.safetyLevel));
    object["safetyReason"] = latin(rawValue(item.safetyReason));
    object["actionHint"] = item.actionHint ? QJsonValue(QString::fromStdString(hintAsWritten(item))) : QJsonValue();
    object["fileID"] = inodeValue(item.inode);
    object["hintForm"] = item.hintForm == HintForm::sentence ? "sentence" : "command";
    object["application"] = item.application ? QJsonValue(QString::fromStdString(*item.application)) : QJsonValue();
    object["deleted"] = dateValue(item.deleted);
    object["projectTouched"] = dateValue(item.projectTouched);
    object["files"] = static_cast<qint64>(item.contents.files);
    object["folders"] = static_cast<qint64>(item.contents.folders);
    return object;
}

QJsonObject skippedObject(const SkippedItem& item)
{
    QJsonObject object;
    writePath(object, item.path);
    object["name"] = QString::fromStdString(item.name);
    object["size"] = item.size ? QJsonValue(static_cast<qint64>(*item.size)) : QJsonValue();
    object["reason"] = latin(rawValue(item.reason));
    return object;
}

std::optional<std::filesystem::path> readPath(const QJsonObject& object)
{
    if (object.contains("pathBytes")) {
        const QByteArray bytes = QByteArray::fromHex(object["pathBytes"].toString().toLatin1());
        if (bytes.isEmpty())
            return std::nullopt;
        return std::filesystem::path(bytes.toStdString());
    }
    if (!object["path"].isString())
        return std::nullopt;
    const std::filesystem::path path(object["path"].toString().toStdString());
    return path.is_absolute() ? std::optional(path) : std::nullopt;
}

std::optional<Date> readDate(const QJsonValue& value, bool& valid)
{
    if (value.isNull() || value.isUndefined())
        return std::nullopt;
    const QDateTime date = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
    valid = valid && date.isValid();
    return Date{std::chrono::milliseconds(date.toMSecsSinceEpoch())};
}

std::optional<std::uint64_t> readInode(const QJsonValue& value, bool& valid)
{
    if (value.isNull() || value.isUndefined())
        return std::nullopt;
    if (value.isString()) {
        bool ok = false;
        const auto id = value.toString().toULongLong(&ok);
        valid = valid && ok;
        return id;
    }
    const double number = value.toDouble(-1);
    valid = valid && value.isDouble() && number >= 0 && number <= double(kLargestExactInteger);
    return static_cast<std::uint64_t>(number);
}

// Documents written before items were counted have no counts: they read as not known.
std::int64_t readCount(const QJsonValue& value, bool& valid)
{
    if (value.isNull() || value.isUndefined())
        return 0;
    const qint64 count = value.toInteger(-1); // -1 also for a fraction or a non-number
    valid = valid && count >= 0 && static_cast<std::uint64_t>(count) <= kLargestExactInteger;
    return std::max<qint64>(count, 0);
}

std::optional<ScannedItem> readItem(const QJsonObject& object)
{
    const auto url = readPath(object);
    const auto level = safetyLevelFromRawValue(object["safetyLevel"].toString().toStdString());
    const auto reason = safetyReasonFromRawValue(object["safetyReason"].toString().toStdString());
    bool valid = url && level && reason && object["name"].isString() && object["size"].isDouble() &&
                 object["size"].toDouble() >= 0;
    ScannedItem item;
    item.modified = readDate(object["modified"], valid);
    item.inode = readInode(object["fileID"], valid);
    item.deleted = readDate(object["deleted"], valid);
    item.projectTouched = readDate(object["projectTouched"], valid);
    item.contents = {readCount(object["files"], valid), readCount(object["folders"], valid)};
    if (!valid)
        return std::nullopt;
    item.path = *url;
    item.name = object["name"].toString().toStdString();
    item.size = object["size"].toInteger();
    item.safetyLevel = *level;
    item.safetyReason = *reason;
    if (object["actionHint"].isString())
        item.actionHint = object["actionHint"].toString().toStdString();
    if (object["application"].isString())
        item.application = object["application"].toString().toStdString();
    item.hintForm = object["hintForm"].toString() == "sentence" ? HintForm::sentence : HintForm::command;
    return item;
}

} // namespace

void writePath(QJsonObject& object, const std::filesystem::path& path)
{
    const std::string& bytes = path.native();
    const QByteArray raw(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const QString text = QString::fromUtf8(raw);
    object["path"] = text;
    if (text.toUtf8() != raw)
        object["pathBytes"] = QString::fromLatin1(raw.toHex());
}

namespace {

void put(std::FILE* out, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), out);
}

void put(std::FILE* out, const QJsonObject& object)
{
    put(out, QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// A JSON list written one record per line.
template <typename Record, typename ToObject>
void putList(std::FILE* out, const char* key, const std::vector<Record>& records, ToObject toObject)
{
    std::fprintf(out, "\"%s\": [", key);
    for (std::size_t i = 0; i < records.size(); ++i) {
        put(out, QByteArray(i == 0 ? "\n      " : ",\n      "));
        put(out, toObject(records[i]));
    }
    put(out, QByteArray(records.empty() ? "]" : "\n    ]"));
}

} // namespace

void writeScanDocument(std::FILE* out, const std::filesystem::path& home, bool trashReadable,
                       const CategoryResults& results, const std::optional<DiskSpace>& space)
{
    QJsonObject header;
    writePath(header, home);
    put(out, QByteArray("{\n  \"home\": "));
    put(out, QJsonDocument(QJsonArray{header["path"]}).toJson(QJsonDocument::Compact).chopped(1).mid(1));
    if (header.contains("pathBytes"))
        std::fprintf(out, ",\n  \"homeBytes\": \"%s\"", header["pathBytes"].toString().toLatin1().constData());
    // The key scripts already read; on every layout it says whether the Trash could be listed.
    std::fprintf(out, ",\n  \"hasFullDiskAccess\": %s", trashReadable ? "true" : "false");
    if (space)
        std::fprintf(out, ",\n  \"diskSpace\": {\"available\": %lld, \"total\": %lld}",
                     static_cast<long long>(space->available), static_cast<long long>(space->total));
    else
        std::fputs(",\n  \"diskSpace\": null", out);
    std::fputs(",\n  \"categories\": [", out);
    bool first = true;
    for (const auto& [kind, result] : results) {
        std::fprintf(out, "%s\n    {\"kind\": \"%s\",\n    ", first ? "" : ",", std::string(rawValue(kind)).c_str());
        putList(out, "items", result.items, itemObject);
        put(out, QByteArray(",\n    "));
        putList(out, "skipped", result.skipped, skippedObject);
        put(out, QByteArray("}"));
        first = false;
    }
    put(out, QByteArray("\n  ]\n}\n"));
}

std::optional<SavedScan> readScanDocument(const QByteArray& json, std::string& error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (document.isNull()) {
        error = "not a JSON document: " + parseError.errorString().toStdString();
        return std::nullopt;
    }
    if (!document.isObject() || !document.object()["categories"].isArray()) {
        error = "not a saved scan: the \"categories\" list is missing";
        return std::nullopt;
    }
    SavedScan saved;
    for (const QJsonValue& entry : document.object()["categories"].toArray()) {
        const QJsonObject category = entry.toObject();
        const auto kind = categoryKindFromRawValue(category["kind"].toString().toStdString());
        if (!kind || !category["items"].isArray()) {
            error = "not a saved scan: a category has no known \"kind\" or no \"items\" list";
            return std::nullopt;
        }
        std::vector<ScannedItem>& items = saved.items[*kind];
        std::set<std::filesystem::path> listed; // a category may appear twice in a crafted document
        for (const ScannedItem& earlier : items)
            listed.insert(earlier.path);
        for (const QJsonValue& value : category["items"].toArray()) {
            const auto item = readItem(value.toObject());
            if (!item) {
                error = "not a saved scan: an item of '" + std::string(rawValue(*kind)) +
                        "' lacks a valid path, name, size, date, level, reason or file ID";
                return std::nullopt;
            }
            if (listed.insert(item->path).second)
                items.push_back(*item);
        }
    }
    return saved;
}

std::optional<QByteArray> readScanDocumentFile(const std::filesystem::path& file, std::string& error)
{
    QFile input(QString::fromStdString(file.string()));
    if (!input.open(QIODevice::ReadOnly)) {
        error = "cannot read " + file.string() + ": " + input.errorString().toStdString();
        return std::nullopt;
    }
    // Read up to the limit, never by the size the file claims: a pipe or a device has none
    // (/dev/zero never ends).
    constexpr qint64 kChunk = 1 << 20;
    QByteArray bytes;
    for (;;) {
        const QByteArray chunk = input.read(kChunk);
        if (chunk.isEmpty())
            break;
        bytes.append(chunk);
        if (bytes.size() > kMaxScanDocumentBytes) {
            error = file.string() + ": larger than " + std::to_string(kMaxScanDocumentBytes / (1024 * 1024)) +
                    " MiB, not a saved scan";
            return std::nullopt;
        }
    }
    if (input.error() != QFileDevice::NoError) {
        error = "cannot read " + file.string() + ": " + input.errorString().toStdString();
        return std::nullopt;
    }
    return bytes;
}

} // namespace orvelane::cli
