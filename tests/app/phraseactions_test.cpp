// The pronunciation guide under the French, the row menu and copying.

#include "guidepanel.h"
#include "phraseactions.h"
#include "phrasefixtures.h"
#include "windowfixture.h"

#include <QClipboard>
#include <QMenu>
#include <QTest>
#include <functional>

using namespace resources;

namespace {

// The commands of a menu as shown: text and the keys after a tab.
QStringList Commands(QMenu* menu)
{
    QStringList commands;
    for (QAction* action : menu->actions())
        commands << action->text();
    return commands;
}

} // namespace

class PhraseActionsTest : public WindowFixture {
protected:
    QString GuideShown() const { return window->Guide()->isVisible() ? window->Guide()->text() : QString(); }
    void TriggerCommand(const QString& startsWith)
    {
        std::unique_ptr<QMenu> menu(window->Actions()->MakeRowMenu());
        for (QAction* action : menu->actions())
            if (action->text().startsWith(startsWith))
                return action->trigger();
        ADD_FAILURE() << "no command " << startsWith.toStdString();
    }
};

TEST_F(PhraseActionsTest, TheGuideFollowsTheSelectedPhraseInEveryView)
{
    OpenWindow(true);
    const struct {
        std::function<void()> act;
        QString guide;
    } steps[] = {
        {[] {}, "frahz 1"},
        {[&] { window->PhraseList()->setCurrentRow(2); }, "frahz 5"},
        {[&] { Click(kTravelButton); }, "frahz 172"},
        {[&] { Click(kFavouriteToggleButton); Click(kFavouritesViewButton); }, "frahz 172"},
        {[&] { Click(kSearchModeButton); Keyword()->setText("phrase 12"); Click(kRunSearchButton); }, "frahz 12"},
        {[&] { Click(kBasicButton); Click(kRelatedButton); }, "frahz 5"},
        {[&] { window->PhraseList()->setCurrentRow(-1); }, ""},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(GuideShown(), step.guide);
        if (step.guide.isEmpty())
            continue;
        // Under the French, inside the translation's place. (What a screen reader hears of it,
        // accessibility_bus_test checks.)
        const QRect french = window->Control(kTranslationText)->geometry();
        const QRect guide = window->Guide()->geometry();
        EXPECT_TRUE(guide.top() > french.top() + 10 && guide.bottom() <= french.bottom() + 1 &&
                    guide.left() == french.left())
            << guide.top() << " " << guide.bottom();
    }
    boxes.Clear();

    // Without the guide file the program opens, names it once and shows no guide.
    window.reset();
    std::filesystem::remove(kGuideFileName);
    OpenWindow();
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_TRUE(Boxes()[0].first.contains("\"Guide.dat\" is missing: no pronunciation guide is shown."));
    EXPECT_EQ(std::pair(Translation(), GuideShown()), std::pair(QString("Phrase 1 fr"), QString()));
}

// Ctrl+C, Ctrl+Shift+C, the Menu key (handled as Shift+F10 is) and the menu's
// Copy French run on a real X server in clipboard_x11_test.sh.
TEST_F(PhraseActionsTest, TheRightButtonOpensTheRowMenuOnItsRowWithThePhraseCommandsAndTheirKeysAndTheyRun)
{
    SKIP_WITHOUT_CLIP();
    OpenWindow(true);
    CMyListBox* list = window->PhraseList();
    list->setCurrentRow(1);
    const QPoint at = list->visualItemRect(list->item(2)).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &click);
    auto* opened = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(opened);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(Commands(opened),
              (QStringList{"&Play\tReturn", "Play &slowly\tShift+Return", "&Copy French\tCtrl+C",
                           "Copy &English and French with the guide\tCtrl+Shift+C", "Add to &favourites",
                           "&Related phrases"}));
    opened->close();

    TriggerCommand("&Play\t");
    EXPECT_EQ(Plays(), 1u);
    TriggerCommand("Copy &English");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "Phrase 5\nPhrase 5 fr\nfrahz 5  /fʁɑz 5/");
    TriggerCommand("Add to");
    EXPECT_EQ(ReadRecords<PhraseRecord>("favorite.dat").size(), 1u);
    Click(kFavouritesViewButton);
    std::unique_ptr<QMenu> menu(window->Actions()->MakeRowMenu());
    EXPECT_EQ(Commands(menu.get())[4], "&Remove from favourites");
    Click(kRelatedButton);   // related phrases of a favourite are added, as the button does
    menu.reset(window->Actions()->MakeRowMenu());
    EXPECT_EQ(Commands(menu.get())[4], "Add to &favourites");
    Click(kBasicButton);
    TriggerCommand("&Related");
    EXPECT_EQ(std::pair(window->Book().captionMode, Rows()), std::pair(int(kRelatedMode), QStringList{"Phrase 5", "Phrase 9"}));

    // With no phrase shown every command is there but does nothing.
    window->PhraseList()->setCurrentRow(-1);
    menu.reset(window->Actions()->MakeRowMenu());
    for (QAction* action : menu->actions())
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
}
