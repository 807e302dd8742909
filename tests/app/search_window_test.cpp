// The keyword search in the window: the row of a family shows the member that
// matched, nothing found leaves the keyword ready to be typed over, and the
// keyword box completes the book's own words.

#include "phrasefixtures.h"
#include "windowfixture.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QTest>

using namespace resources;

class SearchWindow : public WindowFixture {
protected:
    void Search(const QString& keyword)
    {
        Keyword()->setText(keyword);
        QTest::keyClick(Keyword(), Qt::Key_Return);
    }
};

TEST_F(SearchWindow, ARowShowsTheMemberThatMatchedAndSelectsItsPhrase)
{
    OpenWindow(true);
    Click(kSearchModeButton);
    const struct { QString keyword; QStringList rows; QString french; } cases[] = {
        {"four", {"Phrase [four]"}, "Phrase 4 fr"},
        {"Phrase three", {"Phrase [three]"}, "Phrase 3 fr"},   // a word every phrase holds brings no row
        {"phrase [two|three", {"Phrase [two]"}, "Phrase 2 fr"},   // only the list text holds this
    };
    for (const auto& c : cases) {
        Search(c.keyword);
        EXPECT_EQ(Rows(), c.rows) << c.keyword.toStdString();
        EXPECT_EQ(Translation(), c.french) << c.keyword.toStdString();
    }
}

TEST_F(SearchWindow, AfterNothingIsFoundTheNextWordsTypedReplaceTheKeyword)
{
    OpenWindow(true);
    Click(kSearchModeButton);
    QTest::keyClicks(Focused(), "zebra crossing");
    QTest::keyClick(Focused(), Qt::Key_Return);
    EXPECT_EQ(Boxes(), (Boxed{{"This item can't be found", "Lexavant_French"}}));
    ASSERT_EQ(Focused(), Keyword());
    EXPECT_EQ(Keyword()->selectedText(), "zebra crossing");
    QTest::keyClicks(Focused(), "phrase 7 ");
    QTest::keyClick(Focused(), Qt::Key_Return);
    EXPECT_EQ(Keyword()->text(), "phrase 7 ");
    EXPECT_EQ(Rows(1), QStringList{"Phrase 7"});
    EXPECT_EQ(Focused(), window->PhraseList());
}

TEST_F(SearchWindow, TheKeywordBoxCompletesTheBooksWordsWithoutCaseOrAccents)
{
    std::vector<std::u16string> french;
    for (int n = 1; n <= 831; ++n)
        french.push_back(NumberedText(n) + u" fr\r");
    french[0] = u"Un caf\u00E9 cr\u00E8me\r";
    WriteFrench(french);
    OpenWindow(true);
    Click(kSearchModeButton);
    QCompleter* completer = Keyword()->completer();
    ASSERT_NE(completer, nullptr);
    const struct { const char* typed; QStringList offered; QString taken; } cases[] = {
        {"CAFE", {"caf\u00E9"}, "caf\u00E9"},
        {"un cre", {"cr\u00E8me"}, "un cr\u00E8me"},
        {"phr", {"phrase"}, "phrase"},
        {"zz", {}, "zz"},
    };
    for (const auto& c : cases) {
        Keyword()->clear();
        QTest::keyClicks(Keyword(), c.typed);
        QStringList offered;
        for (int row = 0; row < completer->completionModel()->rowCount(); ++row)
            offered << completer->completionModel()->index(row, 0).data().toString();
        EXPECT_EQ(offered, c.offered) << c.typed;
        // The arrow keys choose in the popup and Enter takes the word in place of what was typed.
        if (completer->popup()->isVisible()) {
            QTest::keyClick(completer->popup(), Qt::Key_Down);
            QTest::keyClick(completer->popup(), Qt::Key_Return);
        }
        EXPECT_EQ(Keyword()->text(), c.taken) << c.typed;
        EXPECT_FALSE(completer->popup()->isVisible()) << c.typed;
    }
    EXPECT_TRUE(Boxes().empty());
}
