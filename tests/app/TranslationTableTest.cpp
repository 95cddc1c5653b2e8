// The string tables against the code and against each other: every key the interface names or
// the code looks up has an English text, every lookup chains exactly one .arg() per placeholder
// of its text and passes a count where the text has plural forms, and every language's table
// holds the English keys, with their placeholders, in the plural forms of its language.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <map>
#include <set>
#include <vector>

#include "LocalizationManager.h"
#include "Section.h"
#include "TempHome.h"
#include "ThemeManager.h"
#include "TsTable.h"
#include "engines/TuneUpCommands.h"
#include "models/DiskModels.h"
#include "models/ScanModels.h"
#include "models/UninstallModels.h"

namespace tornivo::app {
namespace {

using namespace test;

const QString kRoot = QStringLiteral(TORNIVO_SOURCE_DIR);

bool runLupdate(const QStringList& arguments) {
    QProcess lupdate;
    lupdate.start(QStringLiteral(TORNIVO_LUPDATE), arguments);
    return lupdate.waitForFinished(120000) && lupdate.exitCode() == 0;
}

// One use of a key: the key, the number of `.arg(` calls chained to it (-1 where the key is only
// named, as with QT_TRID_NOOP), whether a count comes with it and where it stands.
struct KeyUse {
    QString key;
    int args = 0;
    bool counted = false;
    QString where;
};

// The `.arg(` calls chained to the lookup whose key literal ends at `from`.
int chainedArgs(const QString& code, qsizetype from) {
    static const QRegularExpression arg(QStringLiteral(R"(\s*\.\s*arg\s*\()"));
    int args = 0;
    for (qsizetype p = from;; ++args) {
        for (int depth = 1; depth > 0 && p < code.size(); ++p)  // past the closing parenthesis
            depth += code[p] == '(' ? 1 : code[p] == ')' ? -1 : 0;
        const auto chained = arg.match(code, p, QRegularExpression::NormalMatch,
                                       QRegularExpression::AnchorAtOffsetMatchOption);
        if (!chained.hasMatch()) return args;
        p = chained.capturedEnd();
    }
}

// Every key the sources name, as Qt's own lupdate finds them, with the `.arg(` calls chained to
// each lookup read at the place lupdate gives.
std::vector<KeyUse> extractKeys() {
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("keys.ts"));
    if (!runLupdate({"-silent", "-locations", "absolute", "-extensions", "cpp,h,qml",
                     kRoot + "/src", "-ts", ts}))
        return {};
    std::map<QString, QString> sources;  // read once each
    std::vector<KeyUse> uses;
    QXmlStreamReader xml(QByteArray::fromStdString(readText(ts.toStdString())));
    QString key;
    bool counted = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"message") {
            key = xml.attributes().value("id").toString();
            counted = xml.attributes().value("numerus") == u"yes";
        }
        if (xml.name() != u"location") continue;
        const QString path = QDir::cleanPath(
            QDir(dir.path()).filePath(xml.attributes().value("filename").toString()));
        const int line = xml.attributes().value("line").toInt();
        if (!sources.contains(path))
            sources[path] = QString::fromUtf8(readText(path.toStdString()).c_str());
        const QString& code = sources[path];
        qsizetype at = 0;
        for (int n = 1; n < line && at >= 0; ++n) at = code.indexOf('\n', at) + 1;
        // The lookup on that line: its key literal, then what is chained to it.
        static const QRegularExpression lookup(
            QStringLiteral(R"((qsTrId|qtTrId|QT_TRID_NOOP)\s*\(\s*["']([^"']*)["'])"));
        for (const auto& m : lookup.globalMatch(code, at)) {
            if (m.captured(2) != key) continue;
            uses.push_back(
                {key, m.captured(1) == u"QT_TRID_NOOP" ? -1 : chainedArgs(code, m.capturedEnd()),
                 counted, path.mid(kRoot.size() + 1) + ':' + QString::number(line)});
            break;
        }
    }
    return uses;
}

template <class E>
void addFamily(std::set<QString>& keys, const char* prefix) {
    for (E e : allCases<E>()) keys.insert(prefix + QString::fromUtf8(rawValue(e)));
}

// The %N placeholders of a text (%L1 counts as %1), and "%n" where the count would be written
// without the language's digits (a plural form writes it %Ln).
std::set<QString> placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%L?([0-9]{1,2})|%n"));
    std::set<QString> found;
    for (const auto& m : pattern.globalMatch(text))
        found.insert(m.captured(1).isEmpty() ? m.captured(0) : '%' + m.captured(1));
    return found;
}

// The language a table's plural rules are taken from (its file is named by the code in lower case).
QString tsLanguage(const char* code) {
    const QString c = QString::fromUtf8(code);
    return c == "pt-BR" ? "pt_BR" : c == "zh-Hans" ? "zh_CN" : c == "zh-Hant" ? "zh_TW" : c;
}

// The number of plural forms Qt's own lupdate gives each language.
std::map<QString, int> pluralFormCounts() {
    QTemporaryDir dir;
    const QString source = dir.filePath("counted.cpp");
    writeText(source.toStdString(), "void f(int n) { qtTrId(\"k\", n); }\n");
    QStringList arguments{"-silent", source, "-ts"};
    for (const auto& l : LocalizationManager::table())
        arguments << dir.filePath("forms_" + tsLanguage(l.code) + ".ts");
    std::map<QString, int> counts;
    if (runLupdate(arguments))
        for (const auto& l : LocalizationManager::table())
            for (const auto& [key, message] :
                 readTsTable(dir.filePath("forms_" + tsLanguage(l.code) + ".ts")).messages)
                counts[tsLanguage(l.code)] = int(message.forms.size());
    return counts;
}

std::string listed(const QStringList& lines) {
    return QString::number(lines.size()).toStdString() + ":\n  " + lines.join("\n  ").toStdString();
}

// The code's lookups, the keys it builds from enumerations, the required keys and the tables
// (code -> key -> text), read once per run.
struct Sources {
    std::vector<KeyUse> uses = extractKeys();
    std::set<QString> keys;   // every key that must have an English text
    std::set<QString> built;  // the keys the code puts together at run time
    std::size_t required = 0;
    std::map<QString, TsTable> tables;  // by file code: "de", "pt-br"
    std::map<QString, TsMessage> en;    // the English table

    Sources() {
        for (Section s : tabs()) built.insert("tab." + QString::fromUtf8(rawValue(s)));
        addFamily<CleanCategory>(built, "clean.category.");
        addFamily<FileKind>(built, "kind.");
        addFamily<LeftoverKind>(built, "un.kind.");
        for (AppearanceMode m : allCases<AppearanceMode>()) built.insert(titleKey(m));
        for (const auto& preset : ThemeManager::presets())
            built.insert(QString::fromUtf8(preset.nameKey));
        for (const Layout& layout :
             {Layout::freedesktop("/home/u", processEnvironment()), Layout::macos("/Users/u")})
            for (const auto& action : allTuneUpActions(layout, processEnvironment()))
                for (const char* part : {".title", ".subtitle"})
                    built.insert(QString::fromStdString("tune." + action.id + part));
        keys.insert(built.begin(), built.end());

        const std::string list =
            readText(kRoot.toStdString() + "/tests/app/data/required-keys.txt");
        for (const QString& line : QString::fromUtf8(list.c_str()).split('\n'))
            if (const QString key = line.trimmed(); !key.isEmpty() && !key.startsWith('#')) {
                keys.insert(key);
                ++required;
            }

        for (const QFileInfo& ts :
             QDir(kRoot + "/translations").entryInfoList({"tornivo_*.ts"}, QDir::Files))
            tables[ts.completeBaseName().section('_', 1)] = readTsTable(ts.filePath());
        if (tables.contains("en")) en = tables.at("en").messages;
    }

    // The English text of a key (its first form), or empty.
    QString english(const QString& key) const {
        const auto it = en.find(key);
        return it == en.end() ? QString() : it->second.forms.first();
    }
};

const Sources& sources() {
    static const Sources s;
    return s;
}

// Every key the interface names or the code looks up has an English text; the keys built at run
// time are named where lupdate finds them; every lookup chains one .arg() per placeholder and
// passes a count where the text has plural forms.
TEST(KeyUses, HaveAnEnglishTextWithOneArgumentPerPlaceholderAndACountWhereItHasPluralForms) {
    const auto& s = sources();
    ASSERT_GT(s.required, 100u) << "tests/app/data/required-keys.txt is missing";
    ASSERT_GT(s.uses.size(), 20u) << "the sources were not found";
    QStringList missing;
    for (const auto& key : s.keys)
        if (s.english(key).isEmpty()) missing << key;
    std::set<QString> named;
    QStringList wrong;
    for (const auto& use : s.uses) {
        named.insert(use.key);
        if (s.english(use.key).isEmpty()) missing << use.key + "  (" + use.where + ")";
        const auto it = s.en.find(use.key);
        if (use.args < 0 || it == s.en.end()) continue;
        const QString text = it->second.forms.first();
        if (int(placeholders(text).size()) != use.args || use.counted != it->second.numerus)
            wrong << QStringLiteral("%1 at %2: %3 .arg call(s)%4 for \"%5\"%6")
                         .arg(use.key, use.where, QString::number(use.args),
                              use.counted ? " and a count" : "", text,
                              it->second.numerus ? " (plural forms)" : "");
    }
    EXPECT_TRUE(missing.isEmpty()) << "keys without an English text, " << listed(missing);
    EXPECT_TRUE(wrong.isEmpty()) << "lookups whose arguments do not fit the text, "
                                 << listed(wrong);
    QStringList unnamed;
    for (const auto& key : s.built)
        if (!named.contains(key)) unnamed << key;
    EXPECT_TRUE(unnamed.isEmpty())
        << "keys built at run time that no QT_TRID_NOOP names, " << listed(unnamed);
}

// Every language of the picker has a table in the sources and a compiled one in the resources,
// holding every English key and no other.
// Each text, each plural form of it, keeps the English placeholders and is words rather than
// its key; a plural message has the forms its language's rules number, neither more nor fewer.
TEST(Tables, HoldEveryEnglishKeyWithItsPlaceholdersAndThePluralFormsOfTheirLanguage) {
    const auto& s = sources();
    ASSERT_FALSE(s.en.empty());
    std::map<QString, int> forms = pluralFormCounts();  // by language
    EXPECT_EQ(forms.size(), LocalizationManager::table().size()) << "lupdate did not run";
    std::map<QString, QString> languageOf;
    QStringList wrong;
    for (const auto& l : LocalizationManager::table()) {
        const QString code = QString::fromUtf8(l.code).toLower();
        languageOf[code] = tsLanguage(l.code);
        QTranslator compiled;
        if (!s.tables.contains(code) || !compiled.load(":/i18n/tornivo_" + code + ".qm") ||
            compiled.isEmpty())
            wrong << QString::fromUtf8(l.code) + ": no table, or none compiled";
    }
    for (const auto& [code, table] : s.tables) {
        const QString language = languageOf[code];
        if (table.language != language)
            wrong << code + ": language \"" + table.language + "\", not \"" + language + "\"";
        for (const auto& [key, message] : s.en)
            if (!table.messages.contains(key)) wrong << code + " lacks " + key;
        for (const auto& [key, message] : table.messages)
            if (!s.en.contains(key)) wrong << code + " has " + key + ", unknown";
        for (const auto& [key, message] : table.messages) {
            const auto english = s.en.find(key);
            if (english == s.en.end()) continue;
            const auto expected = placeholders(english->second.forms.first());
            if (message.numerus != english->second.numerus)
                wrong << code + " " + key + ": plural forms where English has " +
                             (english->second.numerus ? "them" : "none");
            else if (message.numerus && message.forms.size() != forms[language])
                wrong << code + " " + key + ": " + QString::number(message.forms.size()) +
                             " plural forms, not " + QString::number(forms[language]);
            for (const QString& text : message.forms)
                if (text.trimmed().isEmpty() || text == key || placeholders(text) != expected)
                    wrong << code + " " + key + ": \"" + text + "\"";
        }
    }
    EXPECT_TRUE(wrong.isEmpty()) << "keys missing or left over, texts empty, the key, or off in "
                                    "placeholders or plural forms, "
                                 << listed(wrong);
}

}  // namespace
}  // namespace tornivo::app
