// The string tables against the code: every key the interface names or the code looks up has an
// English text, formats take exactly the arguments their callers chain, translations keep the
// placeholders, and the compiled tables in the resources carry the texts.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include <map>
#include <set>
#include <vector>

#include "Section.h"
#include "ThemeManager.h"
#include "engines/TuneUpCommands.h"
#include "models/DiskModels.h"
#include "models/ScanModels.h"
#include "models/ShredModels.h"
#include "models/UninstallModels.h"

namespace tornivo::app {
namespace {

const QString kRoot = QStringLiteral(TORNIVO_SOURCE_DIR);

// --- Reading the sources -------------------------------------------------------------------

// One literal lookup in the code: the key, how many `.arg(` calls follow it (-1 where the key
// is only named, as with QT_TRID_NOOP) and where it stands.
struct KeyUse {
    QString key;
    int args = 0;
    QString where;
};

bool isIdentifierChar(QChar c) {
    return c.isLetterOrNumber() || c == '_' || c == '$';
}

class KeyScanner {
  public:
    explicit KeyScanner(QStringView text) : s_(text) {}

    std::vector<KeyUse> uses(const QString& file) {
        std::vector<KeyUse> found;
        for (qsizetype i = 0; i < s_.size();) {
            if (const qsizetype next = skipCommentOrString(i); next != i) {
                i = next;
            } else if (s_[i].isDigit()) {  // a number, digit separators (1'000) included
                while (i < s_.size() && (isIdentifierChar(s_[i]) || s_[i] == '\'' || s_[i] == '.'))
                    ++i;
            } else if (isIdentifierChar(s_[i])) {
                const qsizetype start = i;
                while (i < s_.size() && isIdentifierChar(s_[i])) ++i;
                const QStringView name = s_.sliced(start, i - start);
                if (name.endsWith('R') && i < s_.size() && s_[i] == '"') {
                    i = skipRawString(i);
                } else if (name == u"qsTrId" || name == u"qtTrId" || name == u"QT_TRID_NOOP") {
                    KeyUse use;
                    if (const qsizetype end = readLookup(i, use); end > i) {
                        if (name == u"QT_TRID_NOOP") use.args = -1;
                        const auto line = s_.first(start).count('\n') + 1;
                        use.where = QStringLiteral("%1:%2").arg(file).arg(line);
                        found.push_back(use);
                        i = end;  // go on inside the arguments: they may look up keys too
                    }
                }
            } else {
                ++i;
            }
        }
        return found;
    }

  private:
    // Past a comment or a string literal starting at i, or i itself.
    qsizetype skipCommentOrString(qsizetype i) const {
        if (s_.sliced(i).startsWith(u"//")) {
            const qsizetype eol = s_.indexOf('\n', i);
            return eol < 0 ? s_.size() : eol + 1;
        }
        if (s_.sliced(i).startsWith(u"/*")) {
            const qsizetype end = s_.indexOf(u"*/", i + 2);
            return end < 0 ? s_.size() : end + 2;
        }
        const QChar c = s_[i];
        if (c == '"' || c == '\'' || c == '`') {
            for (++i; i < s_.size() && s_[i] != c; ++i)
                if (s_[i] == '\\') ++i;
            return std::min(i + 1, s_.size());
        }
        return i;
    }

    // R"delim( ... )delim", starting at its opening quote.
    qsizetype skipRawString(qsizetype quote) const {
        const qsizetype open = s_.indexOf('(', quote);
        if (open < 0) return s_.size();
        const QString close = u')' + s_.sliced(quote + 1, open - quote - 1).toString() + u'"';
        const qsizetype end = s_.indexOf(close, open);
        return end < 0 ? s_.size() : end + close.size();
    }

    qsizetype skipSpace(qsizetype i) const {
        while (i < s_.size()) {
            if (s_[i].isSpace()) {
                ++i;
            } else if (s_[i] == '/' && skipCommentOrString(i) != i) {
                i = skipCommentOrString(i);
            } else {
                break;
            }
        }
        return i;
    }

    // Past the ")" that closes the "(" at `open`, or -1 when it is never closed.
    qsizetype skipBalanced(qsizetype open) const {
        int depth = 0;
        for (qsizetype i = open; i < s_.size();) {
            if (const qsizetype next = skipCommentOrString(i); next != i) {
                i = next;
                continue;
            }
            if (s_[i] == '(') ++depth;
            if (s_[i] == ')' && --depth == 0) return i + 1;
            ++i;
        }
        return -1;
    }

    // `("key")` or `("key", n)` at i, then any chain of `.arg(...)`. Returns the end of the
    // lookup's own parentheses, or i when the argument is not one plain literal.
    qsizetype readLookup(qsizetype i, KeyUse& use) const {
        const qsizetype open = skipSpace(i);
        if (open >= s_.size() || s_[open] != '(') return i;
        const qsizetype quote = skipSpace(open + 1);
        if (quote >= s_.size() || (s_[quote] != '"' && s_[quote] != '\'')) return i;
        const qsizetype afterLiteral = skipCommentOrString(quote);
        const qsizetype next = skipSpace(afterLiteral);
        if (next >= s_.size() || (s_[next] != ')' && s_[next] != ',')) return i;  // "tab." + id
        const qsizetype end = skipBalanced(open);
        if (end < 0) return i;
        use.key = s_.sliced(quote + 1, afterLiteral - quote - 2).toString();

        for (qsizetype p = end;;) {
            const qsizetype dot = skipSpace(p);
            if (dot >= s_.size() || s_[dot] != '.') break;
            const qsizetype name = skipSpace(dot + 1);
            if (!s_.sliced(name).startsWith(u"arg") ||
                (name + 3 < s_.size() && isIdentifierChar(s_[name + 3])))
                break;
            const qsizetype paren = skipSpace(name + 3);
            if (paren >= s_.size() || s_[paren] != '(') break;
            p = skipBalanced(paren);
            if (p < 0) break;
            ++use.args;
        }
        return end;
    }

    QStringView s_;
};

std::vector<KeyUse> scan(const QString& text, const QString& file = QStringLiteral("snippet")) {
    return KeyScanner(text).uses(file);
}

// Every literal lookup in src/ (C++ and QML).
std::vector<KeyUse> codeUses() {
    std::vector<KeyUse> all;
    QDirIterator it(kRoot + "/src", {"*.cpp", "*.h", "*.qml"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly)) continue;
        const QString relative = file.fileName().mid(kRoot.size() + 1);
        for (auto& use : scan(QString::fromUtf8(file.readAll()), relative))
            all.push_back(std::move(use));
    }
    return all;
}

const char* strengthName(ShredStrength strength) {
    switch (strength) {  // no default: a new strength must be named here
        case ShredStrength::quick:
            return "quick";
        case ShredStrength::standard:
            return "standard";
        case ShredStrength::paranoid:
            return "paranoid";
    }
    return "";
}

template <class E>
void addFamily(std::set<QString>& keys, const char* prefix) {
    for (E e : allCases<E>()) keys.insert(prefix + QString::fromUtf8(rawValue(e)));
}

// The keys the code builds at run time from its enumerations.
std::set<QString> familyKeys() {
    std::set<QString> keys;
    for (Section s : tabs()) keys.insert("tab." + QString::fromUtf8(rawValue(s)));
    addFamily<CleanCategory>(keys, "clean.category.");
    addFamily<FileKind>(keys, "kind.");
    addFamily<LeftoverKind>(keys, "un.kind.");
    for (ShredStrength s : allShredStrengths)
        keys.insert(QStringLiteral("shred.strength.") + strengthName(s));
    for (AppearanceMode m : allCases<AppearanceMode>()) keys.insert(titleKey(m));
    for (const auto& preset : ThemeManager::presets())
        keys.insert(QString::fromUtf8(preset.nameKey));
    return keys;
}

// --- Reading the tables --------------------------------------------------------------------

struct Table {
    QString code;                      // from the file name: tornivo_<code>.ts
    std::map<QString, QString> texts;  // key -> translation
    QStringList duplicates, problems;
};

Table readTable(const QString& path) {
    Table table;
    table.code = QFileInfo(path).completeBaseName().section('_', 1);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        table.problems << "cannot open " + path;
        return table;
    }
    QXmlStreamReader xml(&file);
    QString key;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"message") {
            key = xml.attributes().value("id").toString();
            if (key.isEmpty()) table.problems << "a message without an id";
        } else if (xml.name() == u"translation") {
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (table.texts.count(key)) table.duplicates << key;
            table.texts[key] = text;
        }
    }
    if (xml.hasError()) table.problems << xml.errorString();
    return table;
}

std::map<QString, Table> readTables() {
    std::map<QString, Table> tables;
    QDirIterator it(kRoot + "/translations", {"tornivo_*.ts"}, QDir::Files);
    while (it.hasNext()) {
        Table table = readTable(it.next());
        tables[table.code] = std::move(table);
    }
    return tables;
}

std::vector<QString> requiredKeys() {
    std::vector<QString> keys;
    QFile file(kRoot + "/tests/app/data/required-keys.txt");
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return keys;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith('#')) keys.push_back(line);
    }
    return keys;
}

// The numbers of the %N placeholders of a text (%L1 counts as %1).
std::set<int> placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%L?([0-9]{1,2})"));
    std::set<int> numbers;
    for (const auto& m : pattern.globalMatch(text)) numbers.insert(m.captured(1).toInt());
    return numbers;
}

QString describe(const std::set<int>& numbers) {
    QStringList parts;
    for (int n : numbers) parts << QStringLiteral("%%1").arg(n);
    return "{" + parts.join(' ') + "}";
}

std::string listed(const QStringList& lines) {
    return QString::number(lines.size()).toStdString() + ":\n  " + lines.join("\n  ").toStdString();
}

// Everything the checks compare, read once per run.
struct Sources {
    std::map<QString, Table> tables = readTables();
    std::vector<QString> required = requiredKeys();
    std::vector<KeyUse> uses = codeUses();
    std::set<QString> families = familyKeys();

    const Table& english() const { return tables.at("en"); }
    QString englishText(const QString& key) const {
        const auto it = english().texts.find(key);
        return it == english().texts.end() ? QString() : it->second;
    }
};

const Sources& sources() {
    static const Sources s;
    return s;
}

// --- The scanner itself --------------------------------------------------------------------

TEST(KeyScanner, CountsTheArgCallsChainedToALiteralKey) {
    const auto uses = scan(
        "text: qsTrId(\"dup.eachSave\").arg(Fmt.bytes(group.size)).arg(f(a, (b)))\n"
        "auto s = qtTrId( \"clean.skipped\" )\n"
        "    .arg(names.join(QStringLiteral(\", \"))); qsTrId('clean.freed') + x.arg(y)\n"
        "qtTrId(\"banner.foundMessage\").arg(\")\").arg(qtTrId(\"clean.freed\"))");
    ASSERT_EQ(uses.size(), 5u);
    EXPECT_EQ(uses[0].key, "dup.eachSave");
    EXPECT_EQ(uses[0].args, 2);
    EXPECT_EQ(uses[1].key, "clean.skipped");
    EXPECT_EQ(uses[1].args, 1);
    EXPECT_EQ(uses[1].where, "snippet:2");
    EXPECT_EQ(uses[2].key, "clean.freed");
    EXPECT_EQ(uses[2].args, 0);
    EXPECT_EQ(uses[3].key, "banner.foundMessage");
    EXPECT_EQ(uses[3].args, 2);
    EXPECT_EQ(uses[4].key, "clean.freed");  // looked up inside an argument
}

TEST(KeyScanner, SkipsCommentsStringsAndKeysBuiltAtRunTime) {
    const auto uses = scan(
        "// qsTrId(\"in.lineComment\")\n"
        "/* qtTrId(\"in.blockComment\") */ auto s = \"qsTrId(\\\"in.string\\\")\";\n"
        "auto r = R\"x(qsTrId(\"in.rawString\"))x\"; int n = 1'048'576;\n"
        "qsTrId(\"tab.\" + raw); qtTrId(id.constData()); qsTrIdX(\"not.a.lookup\");\n"
        "QT_TRID_NOOP(\"tune.run\") qsTrId(\"common.ok\" /* ) */).arg(a) // .arg(b)\n"
        "  .arg(b)");
    ASSERT_EQ(uses.size(), 2u);
    EXPECT_EQ(uses[0].key, "tune.run");
    EXPECT_EQ(uses[0].args, -1);
    EXPECT_EQ(uses[1].key, "common.ok");
    EXPECT_EQ(uses[1].args, 2);
}

// --- The English table ---------------------------------------------------------------------

TEST(EnglishTable, HasATextForEveryKeyTheInterfaceNames) {
    const auto& s = sources();
    ASSERT_GT(s.required.size(), 100u) << "tests/app/data/required-keys.txt is missing";
    QStringList missing;
    for (const auto& key : s.required)
        if (s.englishText(key).isEmpty()) missing << key;
    EXPECT_TRUE(missing.isEmpty()) << "keys without an English text, " << listed(missing);
}

TEST(EnglishTable, HasATextForEveryKeyTheCodeLooksUp) {
    const auto& s = sources();
    QStringList missing;
    for (const auto& use : s.uses)
        if (s.englishText(use.key).isEmpty()) missing << use.key + "  (" + use.where + ")";
    for (const auto& key : s.families)
        if (s.englishText(key).isEmpty()) missing << key + "  (built from an enumeration)";
    EXPECT_TRUE(missing.isEmpty()) << "keys without an English text, " << listed(missing);
}

TEST(EnglishTable, HoldsOnlyKeysThatAreNamedOrLookedUp) {
    const auto& s = sources();
    std::set<QString> known(s.required.begin(), s.required.end());
    known.insert(s.families.begin(), s.families.end());
    for (const auto& use : s.uses) known.insert(use.key);
    QStringList unknown;
    for (const auto& [key, text] : s.english().texts)
        if (!known.count(key)) unknown << key;
    EXPECT_TRUE(unknown.isEmpty())
        << "texts for keys nobody asks for (a misspelt key, or one missing from "
           "required-keys.txt), "
        << listed(unknown);
}

TEST(EnglishTable, NumbersItsPlaceholdersFromOneWithoutGaps) {
    QStringList wrong;
    for (const auto& [key, text] : sources().english().texts) {
        const auto numbers = placeholders(text);
        if (!numbers.empty() && (*numbers.begin() != 1 || *numbers.rbegin() != int(numbers.size())))
            wrong << key + " " + describe(numbers);
    }
    EXPECT_TRUE(wrong.isEmpty()) << "placeholders other than %1..%n, " << listed(wrong);
}

// --- Lookups against their formats ---------------------------------------------------------

TEST(KeyUses, ChainOneArgumentPerPlaceholder) {
    const auto& s = sources();
    QStringList wrong;
    for (const auto& use : s.uses) {
        const QString text = s.englishText(use.key);
        if (use.args < 0 || text.isEmpty()) continue;
        const auto numbers = placeholders(text);
        if (int(numbers.size()) != use.args)
            wrong << QStringLiteral("%1 at %2: %3 .arg call(s), text has %4")
                         .arg(use.key, use.where, QString::number(use.args), describe(numbers));
    }
    EXPECT_TRUE(wrong.isEmpty()) << "lookups whose arguments do not fit the text, "
                                 << listed(wrong);
}

TEST(KeyUses, PassTheSameNumberOfArgumentsEverywhere) {
    std::map<QString, std::map<int, QStringList>> byKey;
    for (const auto& use : sources().uses)
        if (use.args >= 0) byKey[use.key][use.args] << use.where;
    QStringList wrong;
    for (const auto& [key, counts] : byKey) {
        if (counts.size() < 2) continue;
        QStringList places;
        for (const auto& [args, where] : counts)
            places << QStringLiteral("%1 at %2").arg(args).arg(where.join(", "));
        wrong << key + ": " + places.join("; ");
    }
    EXPECT_TRUE(wrong.isEmpty()) << "keys looked up with differing arguments, " << listed(wrong);
}

// --- The other languages -------------------------------------------------------------------

TEST(Translations, EveryTableReadsCleanlyWithOneTextPerKey) {
    const auto& tables = sources().tables;
    ASSERT_TRUE(tables.count("en"));
    for (const auto& [code, table] : tables) {
        EXPECT_TRUE(table.problems.isEmpty())
            << code.toStdString() << ": " << table.problems.join("; ").toStdString();
        EXPECT_TRUE(table.duplicates.isEmpty())
            << code.toStdString() << " repeats keys, " << listed(table.duplicates);
    }
}

TEST(Translations, KeepTheEnglishPlaceholdersAndKeys) {
    const auto& s = sources();
    QStringList wrong;
    for (const auto& [code, table] : s.tables) {
        if (code == "en") continue;
        for (const auto& [key, text] : table.texts) {
            const auto english = s.english().texts.find(key);
            if (english == s.english().texts.end())
                wrong << code + " " + key + ": not in the English table";
            else if (placeholders(text) != placeholders(english->second))
                wrong << code + " " + key + ": " + describe(placeholders(text)) +
                             " where English has " + describe(placeholders(english->second));
            else if (text.isEmpty())
                wrong << code + " " + key + ": empty";
        }
    }
    EXPECT_TRUE(wrong.isEmpty()) << listed(wrong);
}

// --- The compiled tables -------------------------------------------------------------------

TEST(CompiledTables, CarryTheTextsOfEveryTable) {
    for (const auto& [code, table] : sources().tables) {
        const QString path = ":/i18n/tornivo_" + code.toLower() + ".qm";
        QTranslator translator;
        ASSERT_TRUE(translator.load(path)) << path.toStdString();
        ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
        QStringList wrong;
        for (const auto& [key, text] : table.texts) {
            const QByteArray id = key.toUtf8();
            if (qtTrId(id.constData()) != text) wrong << key;
        }
        QCoreApplication::removeTranslator(&translator);
        EXPECT_TRUE(wrong.isEmpty())
            << path.toStdString() << " differs from its table, " << listed(wrong);
    }
}

}  // namespace
}  // namespace tornivo::app
