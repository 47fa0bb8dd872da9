// The string tables against the sources: every key the code or QML looks up must be in both
// tables, with a real translation, and the compiled bundle must answer with it.
#include "Localizer.h"
#include "StringBundle.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const QString kSourceDir = QStringLiteral(ORVELANE_SOURCE_DIR);

using Table = std::map<QString, QString>;

Table readTable(const QString& language)
{
    QFile file(kSourceDir + QStringLiteral("/resources/%1.lproj/Localizable.ts").arg(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    Table table;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            EXPECT_TRUE(xml.attributes().value(QLatin1String("type")).isEmpty()) << source.toStdString();
            EXPECT_FALSE(table.contains(source)) << "duplicate key " << source.toStdString();
            table[source] = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return table;
}

// Unescapes the body of a C++ or JavaScript string literal (the escapes our sources use).
QString unescape(const QString& body)
{
    QString out;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body[i] != QLatin1Char('\\') || i + 1 == body.size()) {
            out += body[i];
            continue;
        }
        const QChar next = body[++i];
        if (next == QLatin1Char('n'))
            out += QLatin1Char('\n');
        else if (next == QLatin1Char('u') && i + 4 < body.size()) {
            out += QChar(body.mid(i + 1, 4).toUShort(nullptr, 16));
            i += 4;
        } else
            out += next;
    }
    return out;
}

// Keys in qsTr("…") calls of QML and DISPLAY_TEXT("…" "…") markers of C++ (adjacent literals joined).
std::set<QString> keysUsedInSources()
{
    static const QRegularExpression call(
        QStringLiteral(R"re((?:qsTr|DISPLAY_TEXT)\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+)\))re"));
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    std::set<QString> keys;
    QDirIterator files(kSourceDir + QStringLiteral("/src"), {"*.qml", "*.cpp", "*.h", "*.js"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (auto match = call.globalMatch(text); match.hasNext();) {
            QString key;
            for (auto part = literal.globalMatch(match.next().captured(1)); part.hasNext();)
                key += unescape(part.next().captured(1));
            if (key != QLatin1String("literal")) // the marker's own definition
                keys.insert(key);
        }
    }
    return keys;
}

QStringList placeholdersOf(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral(R"re(%(?:\d+\$)?(lld|ld|d|@))re"));
    QStringList kinds;
    for (auto match = placeholder.globalMatch(text); match.hasNext();)
        kinds << (match.next().captured(1) == QLatin1String("@") ? QStringLiteral("text") : QStringLiteral("integer"));
    kinds.sort();
    return kinds;
}

TEST(StringTables, EveryKeyUsedInTheSourcesIsInBothTables)
{
    const Table english = readTable(QStringLiteral("en"));
    const Table turkish = readTable(QStringLiteral("tr"));
    const std::set<QString> used = keysUsedInSources();
    ASSERT_GT(used.size(), 30u) << "the source scan found suspiciously few keys";
    for (const QString& key : used) {
        EXPECT_TRUE(english.contains(key)) << "missing in en: " << key.toStdString();
        EXPECT_TRUE(turkish.contains(key)) << "missing in tr: " << key.toStdString();
    }
}

TEST(StringTables, BothTablesHoldTheSameKeysAndEnglishMapsToItself)
{
    const Table english = readTable(QStringLiteral("en"));
    const Table turkish = readTable(QStringLiteral("tr"));
    ASSERT_EQ(english.size(), turkish.size());
    for (const auto& [key, text] : english) {
        EXPECT_EQ(text, key);
        EXPECT_TRUE(turkish.contains(key)) << key.toStdString();
    }
}

TEST(StringTables, TurkishIsARealTranslation)
{
    const Table turkish = readTable(QStringLiteral("tr"));
    static const QRegularExpression turkishLetters(QStringLiteral("[ıİşŞğĞçÇöÖüÜ]"));
    std::size_t translated = 0;
    std::size_t withTurkishLetters = 0;
    for (const auto& [key, text] : turkish) {
        EXPECT_FALSE(text.trimmed().isEmpty()) << key.toStdString();
        EXPECT_EQ(placeholdersOf(text), placeholdersOf(key)) << key.toStdString();
        translated += text != key;
        withTurkishLetters += text.contains(turkishLetters);
        // Product names are never translated; a translation must not lose them.
        for (const char* name : {"Orvelane", "node_modules", "npm", "Xcode"}) {
            EXPECT_TRUE(!key.contains(QLatin1String(name)) || text.contains(QLatin1String(name)))
                << key.toStdString();
        }
    }
    EXPECT_GT(translated * 10, turkish.size() * 9) << "more than a tenth of the texts are left in English";
    EXPECT_GT(withTurkishLetters * 2, turkish.size()) << "Turkish letters are missing: ASCII substitutes?";
    EXPECT_EQ(turkish.at(QStringLiteral("Trash")), QStringLiteral("Çöp Kutusu"));
}

TEST(StringTables, CompiledBundleAnswersEveryKeyInEachLanguage)
{
    QTemporaryDir dir;
    auto store = std::make_unique<QSettings>(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    orvelane::Localizer localizer(std::move(store),
                                  orvelane::StringBundle::open(QStringLiteral(ORVELANE_TEST_BUNDLE_PATH)));
    for (const char* language : {"en", "tr"}) {
        localizer.setLanguageRawValue(QLatin1String(language));
        for (const auto& [key, text] : readTable(QLatin1String(language)))
            EXPECT_EQ(localizer.text(key), text) << language << ": " << key.toStdString();
    }
}

} // namespace
