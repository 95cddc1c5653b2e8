// The string tables against the code and against each other: every key the interface names or
// the code looks up has an English text, every lookup chains exactly one .arg() per placeholder
// of its text and passes a count where the text has plural forms, and every language's table
// holds the English keys, with their placeholders, in the plural forms of its language.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
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
#include "ThemeManager.h"
#include "TsTable.h"
#include "engines/TuneUpCommands.h"
#include "models/DiskModels.h"
#include "models/ScanModels.h"
#include "models/UninstallModels.h"

namespace tornivo::app {
namespace {

using test::readTsTable;
using test::TsMessage;
using test::TsTable;

const QString kRoot = QStringLiteral(TORNIVO_SOURCE_DIR);

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
    const auto pastClose = [&code](qsizetype i, int depth) {
        for (; i < code.size(); ++i) {
            if (code[i] == '(') ++depth;
            if (code[i] == ')' && --depth == 0) return i + 1;
        }
        return code.size();
    };
    int args = 0;
    for (qsizetype p = pastClose(from, 1);; ++args) {
        const auto chained = arg.match(code, p, QRegularExpression::NormalMatch,
                                       QRegularExpression::AnchorAtOffsetMatchOption);
        if (!chained.hasMatch()) return args;
        p = pastClose(chained.capturedEnd(), 1);
    }
}

// Every key the sources name, as Qt's own lupdate finds them, with the `.arg(` calls chained to
// each lookup read at the place lupdate gives.
std::vector<KeyUse> extractKeys() {
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("keys.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(TORNIVO_LUPDATE),
                  {"-silent", "-locations", "absolute", "-extensions", "cpp,h,qml", kRoot + "/src",
                   "-ts", ts});
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0) return {};
    QFile file(ts);
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::map<QString, QString> sources;  // read once each
    std::vector<KeyUse> uses;
    QXmlStreamReader xml(&file);
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
        auto [it, fresh] = sources.try_emplace(path);
        if (fresh) {
            QFile source(path);
            if (source.open(QIODevice::ReadOnly)) it->second = QString::fromUtf8(source.readAll());
        }
        const QString& code = it->second;
        qsizetype at = 0;
        for (int n = 1; n < line && at >= 0; ++n) at = code.indexOf('\n', at) + 1;
        // The lookup on that line: its key literal, then what is chained to it.
        static const QRegularExpression lookup(
            QStringLiteral(R"((qsTrId|qtTrId|QT_TRID_NOOP)\s*\(\s*["']([^"']*)["'])"));
        for (auto m = lookup.match(code, at); m.hasMatch();
             m = lookup.match(code, m.capturedEnd())) {
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

// The table file of a language code and the language its plural rules are taken from.
QString tableCode(const char* code) {
    return QString::fromUtf8(code).toLower();
}
QString tsLanguage(const char* code) {
    static const std::map<QString, QString> regional{
        {"pt-BR", "pt_BR"}, {"zh-Hans", "zh_CN"}, {"zh-Hant", "zh_TW"}};
    const auto it = regional.find(QString::fromUtf8(code));
    return it == regional.end() ? QString::fromUtf8(code) : it->second;
}

// The number of plural forms Qt's own lupdate gives each language.
std::map<QString, int> pluralFormCounts() {
    QTemporaryDir dir;
    QFile source(dir.filePath("counted.cpp"));
    if (!source.open(QIODevice::WriteOnly)) return {};
    source.write("void f(int n) { qtTrId(\"k\", n); }\n");
    source.close();
    QStringList arguments{"-silent", source.fileName(), "-ts"};
    for (const auto& l : LocalizationManager::table())
        arguments << dir.filePath("forms_" + tsLanguage(l.code) + ".ts");
    QProcess lupdate;
    lupdate.start(QStringLiteral(TORNIVO_LUPDATE), arguments);
    std::map<QString, int> counts;
    if (!lupdate.waitForFinished(120000)) return counts;
    for (const auto& l : LocalizationManager::table()) {
        const TsTable made = readTsTable(dir.filePath("forms_" + tsLanguage(l.code) + ".ts"));
        if (!made.messages.empty())
            counts[tsLanguage(l.code)] = int(made.messages.begin()->second.forms.size());
    }
    return counts;
}

std::string listed(const QStringList& lines) {
    return QString::number(lines.size()).toStdString() + ":\n  " + lines.join("\n  ").toStdString();
}

// The code's lookups, the keys it builds from enumerations, the required keys and the tables
// (code -> key -> text), read once per run.
struct Sources {
    std::vector<KeyUse> uses;
    std::set<QString> keys;   // every key that must have an English text
    std::set<QString> built;  // the keys the code puts together at run time
    std::size_t required = 0;
    std::map<QString, TsTable> tables;  // by file code: "de", "pt-br"

    Sources() {
        uses = extractKeys();
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

        QFile list(kRoot + "/tests/app/data/required-keys.txt");
        if (list.open(QIODevice::ReadOnly | QIODevice::Text)) {
            for (const QString& line : QString::fromUtf8(list.readAll()).split('\n')) {
                const QString key = line.trimmed();
                if (key.isEmpty() || key.startsWith('#')) continue;
                keys.insert(key);
                ++required;
            }
        }

        QDirIterator ts(kRoot + "/translations", {"tornivo_*.ts"}, QDir::Files);
        while (ts.hasNext()) {
            const QString path = ts.next();
            tables[QFileInfo(path).completeBaseName().section('_', 1)] = readTsTable(path);
        }
    }

    const std::map<QString, TsMessage>& englishTable() const {
        static const std::map<QString, TsMessage> none;
        const auto it = tables.find("en");
        return it == tables.end() ? none : it->second.messages;
    }
    // The English text of a key (its first form), or empty.
    QString english(const QString& key) const {
        const auto it = englishTable().find(key);
        return it == englishTable().end() ? QString() : it->second.forms.first();
    }
};

const Sources& sources() {
    static const Sources s;
    return s;
}

TEST(EnglishTable, HasATextForEveryKeyTheInterfaceNamesOrTheCodeLooksUp) {
    const auto& s = sources();
    ASSERT_GT(s.required, 100u) << "tests/app/data/required-keys.txt is missing";
    ASSERT_GT(s.uses.size(), 20u) << "the sources were not found";
    QStringList missing;
    for (const auto& key : s.keys)
        if (s.english(key).isEmpty()) missing << key;
    for (const auto& use : s.uses)
        if (s.english(use.key).isEmpty()) missing << use.key + "  (" + use.where + ")";
    EXPECT_TRUE(missing.isEmpty()) << "keys without an English text, " << listed(missing);
}

TEST(BuiltKeys, AreNamedWhereLupdateFindsThem) {
    const auto& s = sources();
    std::set<QString> named;
    for (const auto& use : s.uses) named.insert(use.key);
    QStringList missing;
    for (const auto& key : s.built)
        if (!named.contains(key)) missing << key;
    EXPECT_TRUE(missing.isEmpty())
        << "keys built at run time that no QT_TRID_NOOP names, " << listed(missing);
}

TEST(KeyUses, ChainOneArgumentPerPlaceholderAndPassACountWhereTheTextHasPluralForms) {
    const auto& s = sources();
    QStringList wrong;
    for (const auto& use : s.uses) {
        const auto it = s.englishTable().find(use.key);
        if (use.args < 0 || it == s.englishTable().end()) continue;
        const QString text = it->second.forms.first();
        if (int(placeholders(text).size()) != use.args || use.counted != it->second.numerus)
            wrong << QStringLiteral("%1 at %2: %3 .arg call(s)%4 for \"%5\"%6")
                         .arg(use.key, use.where, QString::number(use.args),
                              use.counted ? " and a count" : "", text,
                              it->second.numerus ? " (plural forms)" : "");
    }
    EXPECT_TRUE(wrong.isEmpty()) << "lookups whose arguments do not fit the text, "
                                 << listed(wrong);
}

TEST(Tables, HoldEveryEnglishKeyAndNoOther) {
    const auto& s = sources();
    ASSERT_FALSE(s.englishTable().empty());
    QStringList wrong;
    for (const auto& [code, table] : s.tables) {
        for (const auto& [key, message] : s.englishTable())
            if (!table.messages.contains(key)) wrong << code + " lacks " + key;
        for (const auto& [key, message] : table.messages)
            if (!s.englishTable().contains(key)) wrong << code + " has " + key + ", unknown";
    }
    EXPECT_TRUE(wrong.isEmpty()) << "keys missing or left over, " << listed(wrong);
}

// Every language of the picker has a table in the sources and a compiled one in the resources.
// Each text, each plural form of it, keeps the English placeholders and is words rather than
// its key; a plural message has the forms its language's rules number, neither more nor fewer.
TEST(Tables, KeepThePlaceholdersAndThePluralFormsOfTheirLanguage) {
    const auto& s = sources();
    const std::map<QString, int> formCounts = pluralFormCounts();
    ASSERT_EQ(formCounts.size(), LocalizationManager::table().size()) << "lupdate did not run";
    std::map<QString, QString> languageOf;
    QStringList wrong;
    for (const auto& l : LocalizationManager::table()) {
        languageOf[tableCode(l.code)] = tsLanguage(l.code);
        QTranslator compiled;
        const bool loads = compiled.load(":/i18n/tornivo_" + tableCode(l.code) + ".qm");
        if (!s.tables.contains(tableCode(l.code)) || !loads || compiled.isEmpty())
            wrong << QString::fromUtf8(l.code) + ": no table, or none compiled";
    }
    for (const auto& [code, table] : s.tables) {
        const QString language = languageOf[code];
        if (table.language != language)
            wrong << code + ": language \"" + table.language + "\", not \"" + language + "\"";
        const int forms = formCounts.contains(language) ? formCounts.at(language) : 0;
        for (const auto& [key, message] : table.messages) {
            const auto english = s.englishTable().find(key);
            if (english == s.englishTable().end()) continue;
            const auto expected = placeholders(english->second.forms.first());
            if (message.numerus != english->second.numerus)
                wrong << code + " " + key + ": plural forms where English has " +
                             (english->second.numerus ? "them" : "none");
            else if (message.numerus && message.forms.size() != forms)
                wrong << code + " " + key + ": " + QString::number(message.forms.size()) +
                             " plural forms, not " + QString::number(forms);
            for (const QString& text : message.forms)
                if (text.trimmed().isEmpty() || text == key || placeholders(text) != expected)
                    wrong << code + " " + key + ": \"" + text + "\"";
        }
    }
    EXPECT_TRUE(wrong.isEmpty()) << "texts that are empty, the key, or with other placeholders "
                                    "or plural forms than their language needs, "
                                 << listed(wrong);
}

}  // namespace
}  // namespace tornivo::app
