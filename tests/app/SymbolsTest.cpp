#include "Symbols.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>

#include "Section.h"

namespace tornivo::app {
namespace {

TEST(SymbolsTest, EveryTableGlyphExistsInTheEmbeddedFont) {
    QFont font(Symbols::fontFamily());
    ASSERT_EQ(QFontInfo(font).family(), Symbols::fontFamily()) << "the font did not load";
    QFontMetrics metrics(font);
    for (const QString& id : Symbols::identifiers())
        EXPECT_TRUE(metrics.inFont(Symbols::glyph(id).at(0))) << id.toStdString();
}

TEST(SymbolsTest, SectionIconsAreKnownAndUnknownNamesStillDrawSomething) {
    for (Section s : allCases<Section>()) {
        QString name = QString::fromUtf8(icon(s).data(), static_cast<qsizetype>(icon(s).size()));
        EXPECT_TRUE(Symbols::isKnown(name)) << name.toStdString();
    }
    EXPECT_FALSE(Symbols::isKnown("no.such.symbol"));
    EXPECT_EQ(Symbols::glyph("no.such.symbol").size(), 1);
    EXPECT_NE(Symbols::glyph("trash.fill"), Symbols::glyph("sparkles"));
}

}  // namespace
}  // namespace tornivo::app
