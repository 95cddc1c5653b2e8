// The string tables against the code: every key the interface names or the code looks up has an
// English text, and every lookup chains exactly one .arg() per placeholder of its text.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <map>
#include <set>
#include <vector>

#include "Section.h"
#include "ThemeManager.h"
#include "engines/TuneUpCommands.h"
#include "models/DiskModels.h"
#include "models/ScanModels.h"
#include "models/UninstallModels.h"

namespace tornivo::app {
namespace {

const QString kRoot = QStringLiteral(TORNIVO_SOURCE_DIR);

// One use of a key: the key, the number of `.arg(` calls chained to it (-1 where the key is only
// named, as with QT_TRID_NOOP) and where it stands.
struct KeyUse {
    QString key;
    int args = 0;
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
    for (QString key; !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"message") key = xml.attributes().value("id").toString();
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
                 path.mid(kRoot.size() + 1) + ':' + QString::number(line)});
            break;
        }
    }
    return uses;
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
    std::set<QString> keys;   // every key that must have an English text
    std::set<QString> built;  // the keys the code puts together at run time
    std::size_t required = 0;
    std::map<QString, std::map<QString, QString>> tables;

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
