// The string tables against the code: every key the interface names or the code looks up has an
// English text, and every lookup chains exactly one .arg() per placeholder of its text.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <map>
#include <set>
#include <vector>

#include "Section.h"
#include "ThemeManager.h"
#include "models/DiskModels.h"
#include "models/ScanModels.h"
#include "models/UninstallModels.h"

namespace tornivo::app {
namespace {

const QString kRoot = QStringLiteral(TORNIVO_SOURCE_DIR);

// One lookup of a literal key: the key, the number of `.arg(` calls chained to it (-1 where the key
// is only named, as with QT_TRID_NOOP) and where it stands.
struct KeyUse {
    QString key;
    int args = 0;
    QString where;
};

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == '_' || c == '$';
}

// The source with its comments and the insides of its string literals turned to spaces: every
// position and line stays, and nothing in a comment or a string can pass for code.
QString blanked(QString s) {
    s.detach();
    const auto blank = [&s](qsizetype from, qsizetype to) {
        for (qsizetype k = from; k < std::min(to, s.size()); ++k)
            if (s[k] != '\n') s[k] = ' ';
    };
    for (qsizetype i = 0; i < s.size();) {
        if (s[i] == '/' && i + 1 < s.size() && (s[i + 1] == '/' || s[i + 1] == '*')) {
            const bool line = s[i + 1] == '/';
            const qsizetype end = line ? s.indexOf('\n', i) : s.indexOf(u"*/", i + 2);
            const qsizetype stop = end < 0 ? s.size() : end + (line ? 0 : 2);
            blank(i, stop);
            i = stop;
        } else if (isWordChar(s[i])) {  // a name, or a number with digit separators (1'000)
            const bool number = s[i].isDigit();
            while (i < s.size() && (isWordChar(s[i]) || (number && (s[i] == '\'' || s[i] == '.'))))
                ++i;
            if (s[i - 1] == 'R' && i < s.size() && s[i] == '"') {  // R"delim( ... )delim"
                const qsizetype open = s.indexOf('(', i);
                const QString close = u')' + s.mid(i + 1, open - i - 1) + u'"';
                const qsizetype end = open < 0 ? -1 : s.indexOf(close, open);
                const qsizetype stop = end < 0 ? s.size() : end + close.size();
                blank(i + 1, stop - 1);
                i = stop;
            }
        } else if (s[i] == '"' || s[i] == '\'' || s[i] == '`') {
            qsizetype end = i + 1;
            while (end < s.size() && s[end] != s[i]) end += s[end] == '\\' ? 2 : 1;
            blank(i + 1, end);
            i = std::min(end + 1, s.size());
        } else {
            ++i;
        }
    }
    return s;
}

// Every lookup of a literal key in one C++ or QML source, with the `.arg(` calls chained to it.
std::vector<KeyUse> scan(const QString& text, const QString& file = QStringLiteral("snippet")) {
    static const QRegularExpression lookup(
        QStringLiteral(R"((?<![\w$])(qsTrId|qtTrId|QT_TRID_NOOP)\s*(\()\s*(["'])( *)\3\s*[,)])"));
    static const QRegularExpression arg(QStringLiteral(R"(\s*\.\s*arg\s*\()"));
    const QString code = blanked(text);
    const auto pastClose = [&code](qsizetype open) {
        for (qsizetype i = open, depth = 0; i < code.size(); ++i) {
            if (code[i] == '(') ++depth;
            if (code[i] == ')' && --depth == 0) return i + 1;
        }
        return code.size();
    };
    std::vector<KeyUse> found;
    for (const auto& m : lookup.globalMatch(code)) {
        KeyUse use{
            text.mid(m.capturedStart(4), m.capturedLength(4)), 0,
            QStringLiteral("%1:%2").arg(file).arg(code.first(m.capturedStart()).count('\n') + 1)};
        if (m.captured(1) == QLatin1String("QT_TRID_NOOP")) use.args = -1;
        for (qsizetype p = pastClose(m.capturedStart(2)); use.args >= 0;) {
            const auto chained = arg.match(code, p, QRegularExpression::NormalMatch,
                                           QRegularExpression::AnchorAtOffsetMatchOption);
            if (!chained.hasMatch()) break;
            ++use.args;
            p = pastClose(chained.capturedEnd() - 1);
        }
        found.push_back(use);
    }
    return found;
}

template <class E>
void addFamily(std::set<QString>& keys, const char* prefix) {
    for (E e : allCases<E>()) keys.insert(prefix + QString::fromUtf8(rawValue(e)));
}

// The numbers of the %N placeholders of a text (%L1 counts as %1).
std::set<int> placeholders(const QString& text) {
    static const QRegularExpression pattern(QStringLiteral("%L?([0-9]{1,2})"));
    std::set<int> numbers;
    for (const auto& m : pattern.globalMatch(text)) numbers.insert(m.captured(1).toInt());
    return numbers;
}

std::string listed(const QStringList& lines) {
    return QString::number(lines.size()).toStdString() + ":\n  " + lines.join("\n  ").toStdString();
}

// The code's lookups, the keys it builds from enumerations, the required keys and the tables
// (code -> key -> text), read once per run.
struct Sources {
    std::vector<KeyUse> uses;
    std::set<QString> keys;  // every key that must have an English text
    std::size_t required = 0;
    std::map<QString, std::map<QString, QString>> tables;

    Sources() {
        QDirIterator code(kRoot + "/src", {"*.cpp", "*.h", "*.qml"}, QDir::Files,
                          QDirIterator::Subdirectories);
        while (code.hasNext()) {
            QFile file(code.next());
            if (!file.open(QIODevice::ReadOnly)) continue;
            for (auto& use :
                 scan(QString::fromUtf8(file.readAll()), file.fileName().mid(kRoot.size() + 1)))
                uses.push_back(std::move(use));
        }
        for (Section s : tabs()) keys.insert("tab." + QString::fromUtf8(rawValue(s)));
        addFamily<CleanCategory>(keys, "clean.category.");
        addFamily<FileKind>(keys, "kind.");
        addFamily<LeftoverKind>(keys, "un.kind.");
        for (AppearanceMode m : allCases<AppearanceMode>()) keys.insert(titleKey(m));
        for (const auto& preset : ThemeManager::presets())
            keys.insert(QString::fromUtf8(preset.nameKey));

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
            QFile file(ts.next());
            auto& texts = tables[QFileInfo(file.fileName()).completeBaseName().section('_', 1)];
            if (!file.open(QIODevice::ReadOnly)) continue;
            QXmlStreamReader xml(&file);
            for (QString key; !xml.atEnd();) {
                if (xml.readNext() != QXmlStreamReader::StartElement) continue;
                if (xml.name() == u"message")
                    key = xml.attributes().value("id").toString();
                else if (xml.name() == u"translation")
                    texts[key] = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
        }
    }

    QString english(const QString& key) const {
        const auto& texts = tables.at("en");
        const auto it = texts.find(key);
        return it == texts.end() ? QString() : it->second;
    }
};

const Sources& sources() {
    static const Sources s;
    return s;
}

TEST(KeyScanner, FindsLiteralLookupsWithTheirArgCallsButNothingInCommentsOrStrings) {
    QStringList found;
    for (const auto& use :
         scan("text: qsTrId(\"a.two\").arg(Fmt.bytes(group.size)).arg(f(a, (b)))\n"
              "auto s = qtTrId( \"b.one\" )\n"
              "    .arg(names.join(QStringLiteral(\", \"))); qsTrId('c.none') + x.arg(y)\n"
              "qtTrId(\"d.two\").arg(\")\").arg(qtTrId(\"e.inner\"))\n"
              "// qsTrId(\"in.lineComment\")\n"
              "/* qtTrId(\"in.blockComment\") */ auto s = \"qsTrId(\\\"in.string\\\")\";\n"
              "auto r = R\"x(qsTrId(\"in.rawString\"))x\"; int n = 1'048'576;\n"
              "qsTrId(\"tab.\" + raw); qtTrId(id.constData()); qsTrIdX(\"not.a.lookup\");\n"
              "QT_TRID_NOOP(\"f.named\") qsTrId(\"g.two\" /* ) */).arg(a) // .arg(b)\n"
              "  .arg(b)"))
        found << QStringLiteral("%1/%2@%3").arg(use.key).arg(use.args).arg(use.where);
    EXPECT_EQ(found, QStringList({"a.two/2@snippet:1", "b.one/1@snippet:2", "c.none/0@snippet:3",
                                  "d.two/2@snippet:4", "e.inner/0@snippet:4",
                                  "f.named/-1@snippet:9", "g.two/2@snippet:9"}));
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

TEST(KeyUses, ChainOneArgumentPerPlaceholder) {
    const auto& s = sources();
    QStringList wrong;
    for (const auto& use : s.uses) {
        const QString text = s.english(use.key);
        if (use.args >= 0 && !text.isEmpty() && int(placeholders(text).size()) != use.args)
            wrong << QStringLiteral("%1 at %2: %3 .arg call(s) for \"%4\"")
                         .arg(use.key, use.where, QString::number(use.args), text);
    }
    EXPECT_TRUE(wrong.isEmpty()) << "lookups whose arguments do not fit the text, "
                                 << listed(wrong);
}

TEST(Translations, KeepTheEnglishKeysAndPlaceholders) {
    const auto& s = sources();
    ASSERT_GT(s.tables.size(), 1u);
    QStringList wrong;
    for (const auto& [code, texts] : s.tables)
        for (const auto& [key, text] : texts)
            if (code != "en" && (s.english(key).isEmpty() || text.isEmpty() ||
                                 placeholders(text) != placeholders(s.english(key))))
                wrong << code + " " + key + ": \"" + text + "\"";
    EXPECT_TRUE(wrong.isEmpty()) << "translations without an English key, empty or with other "
                                    "placeholders, "
                                 << listed(wrong);
}

}  // namespace
}  // namespace tornivo::app
