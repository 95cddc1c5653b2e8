#include "Symbols.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include "Section.h"
#include "TempHome.h"
#include "engines/TuneUpCommands.h"

namespace tornivo::app {
namespace {

// The views name symbols in `symbol` bindings (`symbol: on ? "a.fill" : "b"`) and in the
// `symbol:` keys of their tables; the tune-up tasks name theirs in the task list, the sections
// theirs in code.
TEST(SymbolsTest, EverySymbolTheViewsAndTasksNameIsInTheTable) {
    static const QRegularExpression binding(
        QStringLiteral(R"(\b(?:symbol|buttonSymbol|placeholder)\s*:\s*([^\n]*))"));
    static const QRegularExpression literal(QStringLiteral(R"re("([a-z][a-z0-9.]*)")re"));
    QStringList named;
    QDirIterator views(QStringLiteral(TORNIVO_SOURCE_DIR "/src/qml"), {"*.qml"}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (views.hasNext()) {
        QFile file(views.next());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        for (const auto& b : binding.globalMatch(QString::fromUtf8(file.readAll())))
            for (const auto& l : literal.globalMatch(b.captured(1))) named << l.captured(1);
    }
    test::TempHome home;
    for (const auto& action : allTuneUpActions(home.layout(), {}))
        named << QString::fromStdString(action.icon);
    for (Section s : allCases<Section>())
        named << QString::fromUtf8(icon(s).data(), qsizetype(icon(s).size()));
    EXPECT_GT(named.size(), 60) << "the views were not read";
    QStringList unknown;
    for (const QString& name : named)
        if (!Symbols::isKnown(name)) unknown << name;
    EXPECT_TRUE(unknown.isEmpty()) << unknown.join(", ").toStdString();
}

}  // namespace
}  // namespace tornivo::app
