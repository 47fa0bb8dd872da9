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

// One message of a table: its text, or for a text with a count its forms in the order of the
// language's plural rule (English: one, other; Turkish: a single form).
struct Entry
{
    QStringList forms;
    bool numerus = false;
    const QString& text() const { return forms.front(); }
};
using Table = std::map<QString, Entry>;

Table readTable(const QString& language)
{
    QFile file(kSourceDir + QStringLiteral("/resources/%1.lproj/Localizable.ts").arg(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    Table table;
    QXmlStreamReader xml(&file);
    QString source;
    bool numerus = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message")) {
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            EXPECT_TRUE(xml.attributes().value(QLatin1String("type")).isEmpty()) << source.toStdString();
            EXPECT_FALSE(table.contains(source)) << "duplicate key " << source.toStdString();
            Entry entry{{}, numerus};
            if (numerus) {
                while (xml.readNextStartElement()) {
                    EXPECT_EQ(xml.name(), QLatin1String("numerusform")) << source.toStdString();
                    entry.forms << xml.readElementText();
                }
            } else {
                entry.forms << xml.readElementText();
            }
            EXPECT_FALSE(entry.forms.isEmpty()) << source.toStdString();
            table[source] = entry;
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

// The text of every QML, C++ and JavaScript source under src/.
std::vector<QString> sourceTexts()
{
    std::vector<QString> texts;
    QDirIterator files(kSourceDir + QStringLiteral("/src"), {"*.qml", "*.cpp", "*.h", "*.js"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly))
            texts.push_back(QString::fromUtf8(file.readAll()));
    }
    return texts;
}

// Keys in qsTr("…"[, …]) calls of QML and DISPLAY_TEXT("…" "…") markers of C++ (adjacent literals
// joined).
std::set<QString> keysUsedInSources()
{
    static const QRegularExpression call(
        QStringLiteral(R"re((?:qsTr|DISPLAY_TEXT)\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+)[,)])re"));
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    std::set<QString> keys;
    for (const QString& text : sourceTexts()) {
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
    for (const auto& [key, entry] : english) {
        // A text with a count keeps its key as the English form for many.
        EXPECT_EQ(entry.forms.back(), key);
        ASSERT_TRUE(turkish.contains(key)) << key.toStdString();
        EXPECT_EQ(turkish.at(key).numerus, entry.numerus) << key.toStdString();
    }
}

bool hasCount(const QString& key) { return placeholdersOf(key).contains(QStringLiteral("integer")); }

TEST(StringTables, EveryTextWithACountHasTheFormsOfItsLanguage)
{
    const Table english = readTable(QStringLiteral("en"));
    const Table turkish = readTable(QStringLiteral("tr"));
    std::size_t counted = 0;
    for (const auto& [key, entry] : english) {
        EXPECT_EQ(entry.numerus, hasCount(key)) << "a text with a count needs numerus forms: " << key.toStdString();
        if (!entry.numerus)
            continue;
        ++counted;
        EXPECT_EQ(entry.forms.size(), 2) << "English has one and other: " << key.toStdString();
        EXPECT_EQ(turkish.at(key).forms.size(), 1) << "Turkish has one form: " << key.toStdString();
        for (const QString& form : entry.forms + turkish.at(key).forms)
            EXPECT_EQ(placeholdersOf(form), placeholdersOf(key)) << form.toStdString();
    }
    EXPECT_GE(counted, 4u);
    EXPECT_EQ(english.at(QStringLiteral("%lld items selected — %@")).forms.front(),
              QStringLiteral("%lld item selected — %@"));
}

TEST(StringTables, TextsWithACountAreLookedUpWithTheirCount)
{
    // A plain lookup of a counted key reads its first form ("1 item") whatever the count.
    static const QRegularExpression plainCpp(
        QStringLiteral(R"re(localized(?:Format|Text)\(\s*DISPLAY_TEXT\(\s*"[^"]*%(?:\d+\$)?lld)re"));
    static const QRegularExpression plainQml(QStringLiteral(R"re(qsTr\(\s*"[^"]*%(?:\d+\$)?lld[^"]*"\s*\))re"));
    for (const QString& text : sourceTexts()) {
        const auto cpp = plainCpp.match(text);
        EXPECT_FALSE(cpp.hasMatch()) << cpp.captured(0).toStdString();
        const auto qml = plainQml.match(text);
        EXPECT_FALSE(qml.hasMatch()) << qml.captured(0).toStdString();
    }
}

TEST(StringTables, TurkishIsARealTranslation)
{
    const Table turkish = readTable(QStringLiteral("tr"));
    static const QRegularExpression turkishLetters(QStringLiteral("[ıİşŞğĞçÇöÖüÜ]"));
    std::size_t translated = 0;
    std::size_t withTurkishLetters = 0;
    for (const auto& [key, entry] : turkish) {
        const QString& text = entry.text();
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
    EXPECT_EQ(turkish.at(QStringLiteral("Trash")).text(), QStringLiteral("Çöp Kutusu"));
}

TEST(StringTables, CompiledBundleAnswersEveryKeyInEachLanguage)
{
    QTemporaryDir dir;
    auto store = std::make_unique<QSettings>(dir.filePath(QStringLiteral("s.ini")), QSettings::IniFormat);
    orvelane::Localizer localizer(std::move(store),
                                  orvelane::StringBundle::open(QStringLiteral(ORVELANE_TEST_BUNDLE_PATH)));
    for (const char* language : {"en", "tr"}) {
        localizer.setLanguageRawValue(QLatin1String(language));
        for (const auto& [key, entry] : readTable(QLatin1String(language))) {
            if (!entry.numerus) {
                EXPECT_EQ(localizer.text(key), entry.text()) << language << ": " << key.toStdString();
                continue;
            }
            // The language's plural rule picks the form: English "one" for 1 only, "other" for
            // 0 and every other count; Turkish the same form for all.
            for (const qint64 count : std::initializer_list<qint64>{0, 1, 2, 5, 11, 21, 101, 1'000'000, 5'000'000'000}) {
                const qsizetype form = entry.forms.size() == 2 && count != 1 ? 1 : 0;
                EXPECT_EQ(localizer.countedText(key, count), entry.forms.at(form))
                    << language << ", " << count << ": " << key.toStdString();
            }
        }
    }
}

} // namespace
