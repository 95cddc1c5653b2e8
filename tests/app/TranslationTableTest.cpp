// The string tables against the code and against each other: every key the interface names or
// the code looks up has an English text, every lookup passes a count where the text has plural
// forms, and every language's table holds the English keys, with their placeholders, in the
// plural forms of its language.

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <map>
#include <set>

#include "LocalizationManager.h"
#include "TempHome.h"
#include "TsTable.h"

namespace tornivo::app {
namespace {

using namespace test;

const QString kRoot = QStringLiteral(TORNIVO_SOURCE_DIR);

bool runLupdate(const QStringList& arguments) {
    QProcess lupdate;
    lupdate.start(QStringLiteral(TORNIVO_LUPDATE), arguments);
    return lupdate.waitForFinished(120000) && lupdate.exitCode() == 0;
}

// Every key the sources name, as Qt's own lupdate finds them, with whether a count comes with it.
std::map<QString, TsMessage> extractKeys() {
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("keys.ts"));
    if (!runLupdate({"-silent", "-extensions", "cpp,h,qml", kRoot + "/src", "-ts", ts})) return {};
    return readTsTable(ts).messages;
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

// The code's lookups, the keys the interface must have and the tables (code -> key -> text), read
// once per run.
struct Sources {
    std::map<QString, TsMessage> uses = extractKeys();
    std::set<QString> required;         // keys the interface names that must have an English text
    std::map<QString, TsTable> tables;  // by file code: "de", "pt-br"
    std::map<QString, TsMessage> en;    // the English table

    Sources() {
        const std::string list =
            readText(kRoot.toStdString() + "/tests/app/data/required-keys.txt");
        for (const QString& line : QString::fromUtf8(list.c_str()).split('\n'))
            if (const QString key = line.trimmed(); !key.isEmpty() && !key.startsWith('#'))
                required.insert(key);

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

// Every key the interface names or the code looks up has an English text, with plural forms where
// the code passes a count.
TEST(KeyUses, HaveAnEnglishTextWithPluralFormsWhereTheCodePassesACount) {
    const auto& s = sources();
    ASSERT_GT(s.required.size(), 100u) << "tests/app/data/required-keys.txt is missing";
    ASSERT_GT(s.uses.size(), 20u) << "the sources were not found";
    QStringList missing;
    for (const auto& key : s.required)
        if (s.english(key).isEmpty()) missing << key;
    QStringList wrong;
    for (const auto& [key, use] : s.uses) {
        const auto it = s.en.find(key);
        if (it == s.en.end())
            missing << key;
        else if (use.numerus != it->second.numerus)
            wrong << key + (use.numerus ? ": a count for a text without plural forms"
                                        : ": no count for a text with plural forms");
    }
    EXPECT_TRUE(missing.isEmpty()) << "keys without an English text, " << listed(missing);
    EXPECT_TRUE(wrong.isEmpty()) << listed(wrong);
}

// Every language of the picker has a table holding every English key.
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
        if (!s.tables.contains(code)) wrong << QString::fromUtf8(l.code) + ": no table";
    }
    for (const auto& [code, table] : s.tables) {
        const QString language = languageOf[code];
        if (table.language != language)
            wrong << code + ": language \"" + table.language + "\", not \"" + language + "\"";
        for (const auto& [key, message] : s.en)
            if (!table.messages.contains(key)) wrong << code + " lacks " + key;
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
    EXPECT_TRUE(wrong.isEmpty()) << "keys missing, texts empty, the key, or off in placeholders or "
                                    "plural forms, "
                                 << listed(wrong);
}

}  // namespace
}  // namespace tornivo::app
