// What the window shows when it opens, what it says of damaged or missing
// files, and what is left when it closes.

#include "hoverbutton.h"
#include "platform/fontfiles.h"
#include "windowfixture.h"

#include <QTest>

using namespace resources;

class OpeningWindow : public WindowFixture {};

TEST_F(OpeningWindow, OpensOnBasicWithTheFirstPhraseShown)
{
    std::remove("favorite.dat");
    OpenWindow();
    const PhraseBook& book = window->Book();
    EXPECT_EQ(window->windowTitle(), "Lexavant_French");
    EXPECT_EQ(mainWindow, window.get());
    EXPECT_EQ(book.viewCode, 100);
    EXPECT_EQ(book.captionMode, kBrowseMode);
    EXPECT_EQ(TipOf(kFavouriteToggleButton), "Add to Favorite");
    EXPECT_EQ((QStringList{Subcategory()->itemText(0), Subcategory()->itemText(7), Subcategory()->currentText()}),
              (QStringList{"All", "Key words and phrase", "All"}));
    // Basic lists 1 to 171, the family 2-4 as one row.
    EXPECT_EQ(RowCount(), 169);
    EXPECT_EQ(Rows(3), (QStringList{"Phrase 1", "Phrase [two]", "Phrase 5"}));
    EXPECT_EQ((QStringList{CaptionText(kTranslationText), CaptionText(kFirstCaption), CaptionText(kSecondCaption)}),
              (QStringList{"Phrase 1 fr", "Sub category:", ""}));
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(FileExists("favorite.dat"));
    EXPECT_EQ(window->PhraseFont().pixelSize(), 15);
}

TEST_F(OpeningWindow, DamagedOrMissingFilesAreNamedOnceAndNothingWrongIsSpoken)
{
    SKIP_WITHOUT_CLIP();
    const struct {
        const char* what;
        std::vector<const char*> missing;
        std::size_t englishBytes;   // 0: whole
        std::vector<QString> named;
        QString translation;        // of the fifth Shopping phrase
    } cases[] = {
        {"English cut short", {}, 51522, {"\"English.dat\" is damaged (51522 bytes where 103044 are expected"}, ""},
        {"clips missing", {"data.dat"}, 0,
         {"\"data.dat\" is missing: no phrase can be spoken, nor its related phrases listed."}, "Phrase 665 fr"},
        {"texts missing", {"French.dat", "MapEngSpec.data", "Relate.dat"}, 0,
         {"\"French.dat\" is missing: translations cannot be shown.",
          "\"MapEngSpec.data\" is missing: the phrase lists and the keyword search stay empty.",
          "\"Relate.dat\" is missing: related phrases cannot be listed."}, ""},
        {"phrase files missing", {"English.dat", "French.dat"}, 0, {"\"English.dat\" is missing"}, ""},
    };
    const QString folder = QString::fromStdString(dir.path().string());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        window.reset();
        boxes->Clear();
        WriteWindowBook();
        for (const char* name : c.missing)
            std::remove(name);
        if (c.englishBytes) {
            Bytes english = ReadFile("English.dat");
            english.resize(c.englishBytes);
            WriteFile("English.dat", english);
        }
        OpenWindow();
        // One message at start names the files, the folder and what will not work.
        ASSERT_EQ(Boxes().size(), 1u);
        const auto [text, caption] = Boxes()[0];
        EXPECT_EQ(caption, "Lexavant_French");
        EXPECT_TRUE(text.contains("\"" + folder + "\"")) << text.toStdString();
        for (const QString& named : c.named)
            EXPECT_TRUE(text.contains(named)) << named.toStdString() << " in " << text.toStdString();

        // Food's first phrase, 331, loads; Shopping's, from 661, lie past a cut English file.
        Click(kFoodButton);
        Click(kShoppingButton);
        for (int step = 0; step < 4; ++step)
            QTest::keyClick(window->PhraseList(), Qt::Key_Down);
        EXPECT_EQ(Translation(), c.translation);
        Click(kPlayButton);
        Click(kRelatedButton);
        EXPECT_EQ(Plays(), 0u);
        EXPECT_EQ(window->Book().captionMode, kBrowseMode);
        // Nothing more is said: not per selection, nor for the sound or the related phrases.
        EXPECT_EQ(Boxes().size(), 1u) << Boxes().back().first.toStdString();
    }
}

TEST_F(OpeningWindow, EscapeOrTheExitButtonClosesAndReleasesFilesAndTheFont)
{
    for (const auto close : {+[](CTessalyDlg* w) { QTest::keyClick(w, Qt::Key_Escape); },
                             +[](CTessalyDlg* w) { w->Button(kExitButton)->click(); }}) {
        const int fontUsers = platform::FontFiles::UseCount(platform::kArialFontFile);
        OpenWindow(true);
        EXPECT_EQ(platform::FontFiles::UseCount(platform::kArialFontFile), fontUsers + 1);
        close(window.get());
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->result(), QDialog::Rejected);
        const PhraseBook& book = window->Book();
        EXPECT_FALSE(book.englishFile || book.frenchFile || book.favoriteFile);
        EXPECT_TRUE(book.phraseIds.empty());
        EXPECT_EQ(platform::FontFiles::UseCount(platform::kArialFontFile), fontUsers);
        window.reset();
    }
}
