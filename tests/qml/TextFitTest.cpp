// Every screen of the panel in every language, at the panel's size, with sample data of
// realistic lengths: no text is cut short or runs out of its box, across or down. Names and
// paths, which the views mark `mayElide`, may end in an ellipsis. A failure names the language,
// the screen, the text and what went wrong, so that either the layout or the wording can be
// mended.

#include <QQuickStyle>
#include <QtQml/QQmlExtensionPlugin>

#include <algorithm>
#include <functional>
#include <set>

#include "PanelFixture.h"

Q_IMPORT_QML_PLUGIN(TornivoPlugin)

namespace tornivo::app {
namespace {

class TextFitTest : public PanelTest {
  protected:
    // The texts below `item` that are cut short or leave their box, with what is wrong.
    void misfits(QQuickItem* item, const std::function<void(QQuickItem*, QString)>& report) {
        for (QQuickItem* child : item->childItems()) {
            if (!child->isVisible() || child->opacity() == 0) continue;
            if (const QString why = misfit(child); !why.isEmpty()) report(child, why);
            misfits(child, report);
        }
    }
    QString misfit(QQuickItem* text) const {
        // Symbols are drawn from a font but are no words; names and paths may be cut.
        if (!(text->inherits("QQuickText") || text->inherits("QQuickTextInput")) ||
            text->property("text").toString().trimmed().isEmpty() ||
            text->property("symbol").isValid() || text->property("mayElide").toBool())
            return {};
        const auto number = [text](const char* name) { return text->property(name).toReal(); };
        const qreal width = text->width() - number("leftPadding") - number("rightPadding");
        const qreal height = text->height() - number("topPadding") - number("bottomPadding");
        if (text->property("truncated").toBool()) return QStringLiteral("cut short");
        if (number("contentWidth") > width + 1)
            return QStringLiteral("%1 wide in %2").arg(number("contentWidth")).arg(width);
        if (number("contentHeight") > height + 1)
            return QStringLiteral("%1 high in %2").arg(number("contentHeight")).arg(height);
        // Its box inside its parent's, inside what clips it and inside the panel; a list that
        // scrolls that way lets its rows run on.
        const QRectF box = text->mapRectToScene(QRectF(0, 0, text->width(), text->height()));
        QRectF bounds(-1e6, -1e6, 2e6, 2e6);
        bool across = true, down = true;
        const auto keepWithin = [&](const QRectF& area) {
            if (across) bounds.setLeft(std::max(bounds.left(), area.left()));
            if (across) bounds.setRight(std::min(bounds.right(), area.right()));
            if (down) bounds.setTop(std::max(bounds.top(), area.top()));
            if (down) bounds.setBottom(std::min(bounds.bottom(), area.bottom()));
        };
        for (QQuickItem* p = text->parentItem(); p; p = p->parentItem()) {
            const bool flickable = p->inherits("QQuickFlickable");
            if (flickable) {
                across = across && p->property("contentWidth").toReal() <= p->width() + 1;
                down = down && p->property("contentHeight").toReal() <= p->height() + 1;
            }
            const bool parent = p == text->parentItem() && p->width() > 0 && p->height() > 0;
            if (flickable || p->clip() || parent)
                keepWithin(p->mapRectToScene(QRectF(0, 0, p->width(), p->height())));
        }
        keepWithin(QRectF(0, 0, panel->width(), panel->height()));
        if (!bounds.adjusted(-1, -1, 1, 1).contains(box)) return QStringLiteral("leaves its box");
        return {};
    }
};

TEST_F(TextFitTest, EveryScreenShowsItsStateAndEveryTextFitsItsBoxInEveryLanguage) {
    QQuickStyle::setStyle(QStringLiteral("Fusion"));  // the application's style
    fillSample();
    ASSERT_TRUE(openPanel());
    ASSERT_EQ(panel->width(), 380);
    const std::vector<Scene> scenes = this->scenes();
    QStringList failures;
    for (const auto& language : LocalizationManager::table()) {
        const QString code = QString::fromUtf8(language.code);
        l10n.setCode(code);
        // The longest advice the strip shows.
        find(panel, "suggestionStrip")
            ->setProperty(
                "advice",
                QVariantMap{
                    {"icon", "opticaldiscdrive.fill"},
                    {"message", qtTrId("suggest.installers", 3).arg(Fmt::bytes(1'240'000'000))},
                    {"actionLabel", qtTrId("suggest.review")},
                    {"action", "openInstallers"}});
        std::set<QString> seen;
        for (const Scene& scene : scenes) {
            // The walk is worth the states it shows: each scene is in the state it names, and
            // shows the figures it derives.
            QQuickItem* screen = show(panel, scene);
            EXPECT_EQ(screen->property("screenState").toString(),
                      QString::fromLatin1(scene.screen).section('/', 1))
                << scene.screen;
            if (code == "en") {
                for (const auto& [name, expected] : scene.texts)
                    EXPECT_EQ(text(screen, name), expected) << scene.screen << ": " << name;
            }
            misfits(panel->contentItem(), [&](QQuickItem* item, const QString& why) {
                const QString text = item->property("text").toString();
                if (seen.insert(text + why).second)
                    failures << code + "  \"" + text + "\": " + why + "  (" + scene.screen + ")";
            });
        }
    }
    EXPECT_TRUE(failures.isEmpty())
        << failures.size() << " texts do not fit:\n  " << failures.join("\n  ").toStdString();
}

}  // namespace
}  // namespace tornivo::app
