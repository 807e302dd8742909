// What the window looks like when it opens, and what is left when it closes.

#include "hoverbutton.h"
#include "mylistbox.h"
#include "platform/fontfiles.h"
#include "resources/buttonstrips.h"
#include "soundplayer.h"
#include "transparentstatic.h"
#include "resources/controlids.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QTest>

using namespace resources;

TEST_F(WindowTest, OpensOnBasicWithTheFirstPhraseShown)
{
    std::remove("favorite.dat");
    OpenWindow();
    PhraseBook& book = window->Book();
    EXPECT_EQ(book.viewCode, 100);
    EXPECT_EQ(book.captionMode, kBrowseMode);
    EXPECT_TRUE(book.favoriteButtonAdds);
    EXPECT_EQ(window->windowTitle(), "Lexavant_French");
    EXPECT_EQ(mainWindow, window.get());

    auto* combo = qobject_cast<QComboBox*>(window->Control(kSubcategoryBox));
    ASSERT_EQ(combo->count(), 8);
    EXPECT_EQ(combo->itemText(0), "All");
    EXPECT_EQ(combo->itemText(7), "Key words and phrase");
    EXPECT_EQ(combo->currentIndex(), 0);

    // Basic lists 1 to 171, the family 2-4 as one row.
    EXPECT_EQ(window->PhraseList()->count(), 169);
    EXPECT_EQ(window->PhraseList()->currentRow(), 0);
    EXPECT_EQ(RowText(1), "Phrase [two]");
    EXPECT_EQ(book.selectedPhrase, 1);
    EXPECT_EQ(book.translationText, u"Phrase 1 fr");
    EXPECT_EQ(qobject_cast<QLabel*>(window->Control(kTranslationText))->text(), "Phrase 1 fr");
    EXPECT_EQ(CaptionText(kFirstCaption), "Sub category:");
    EXPECT_EQ(CaptionText(kSecondCaption), "");
    EXPECT_TRUE(Boxes().empty());

    // The favourites store is created, and the data files stay open.
    EXPECT_TRUE(FileExists("favorite.dat"));
    EXPECT_TRUE(book.englishFile);
    EXPECT_TRUE(book.frenchFile);
    EXPECT_TRUE(book.favoriteFileOpen);
}

TEST_F(WindowTest, ButtonsTakeOnePictureOfTheirStripAndTheirTips)
{
    OpenWindow();
    for (const ButtonStrip& strip : kButtonStrips) {
        CHoverButton* button = window->Button(strip.controlId);
        ASSERT_NE(button, nullptr) << strip.controlId;
        EXPECT_EQ(button->size(), QSize(strip.width / 3, strip.height)) << strip.controlId;
        ASSERT_NE(button->Tip(), nullptr) << strip.controlId;
    }
    EXPECT_EQ(static_cast<CTransparentStatic*>(window->Control(kVersionText))->textColour, QColor(255, 255, 255));
    EXPECT_EQ(static_cast<CTransparentStatic*>(window->Control(kTranslationText))->textColour, QColor(0, 0, 0));
    EXPECT_EQ(window->PhraseFont().pixelSize(), 15);
    EXPECT_EQ(window->PhraseList()->font().pixelSize(), 15);
    // The list lies on the pattern brush; static texts paint no background.
    EXPECT_EQ(window->PhraseList()->palette().base().texture().size(), QSize(170, 86));
    EXPECT_TRUE(window->PhraseList()->viewport()->autoFillBackground());
    EXPECT_EQ(window->ChildBackground(window->Control(kFirstCaption), ControlKind::Static, QBrush(Qt::red)).style(),
              Qt::NoBrush);
    EXPECT_EQ(window->ChildBackground(window->Control(kExactMatchBox), ControlKind::AutoCheckBox, QBrush(Qt::red)),
              QBrush(Qt::red));
}

TEST_F(WindowTest, TheFirstPhrasesClipIsReadyAtOnce)
{
    if (!TestClip())
        GTEST_SKIP() << "sox and lame are needed to make a clip";
    OpenWindow();
    EXPECT_EQ(window->Book().loadedPhrase, 1);
    EXPECT_EQ(window->Player().CurrentState(), CSoundPlayer::kOpen);
    // The phrase on screen plays without another selection.
    Click(kPlayButton);
    ASSERT_EQ(device->Written().size(), 1u);
    EXPECT_GT(device->Written()[0].size(), 22050u);
}

TEST_F(WindowTest, WithoutPhraseFilesTheWindowStillOpens)
{
    std::remove("English.dat");
    std::remove("French.dat");
    OpenWindow();
    EXPECT_EQ(window->PhraseList()->count(), 0);
    EXPECT_TRUE(window->Book().translationText.empty());
    Click(kTravelButton);
    EXPECT_EQ(window->PhraseList()->count(), 0);
}

TEST_F(WindowTest, DamagedOrMissingFilesAreNamedOnceAndNothingWrongIsSpoken)
{
    if (!TestClip())
        GTEST_SKIP() << "sox and lame are needed to make a clip";
    struct Case {
        const char* what;
        std::vector<const char*> missing;
        std::size_t englishBytes;   // 0: whole
        std::vector<std::string> named;
        QString translation;        // of the fifth Shopping phrase
    };
    const Case cases[] = {
        {"English cut short", {}, 51522, {"\"English.dat\" is damaged (51522 bytes where 103044 are expected"}, ""},
        {"clips missing", {"data.dat"}, 0, {"\"data.dat\" is missing: no phrase can be spoken, nor its related phrases listed."}, "Phrase 665 fr"},
        {"texts missing",
         {"French.dat", "MapEngSpec.data", "Relate.dat"},
         0,
         {"\"French.dat\" is missing: translations cannot be shown.",
          "\"MapEngSpec.data\" is missing: the phrase lists and the keyword search stay empty.",
          "\"Relate.dat\" is missing: related phrases cannot be listed."},
         ""},
    };
    const QString folder = QString::fromStdString(dir.path().string());
    for (const Case& c : cases) {
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
        EXPECT_EQ(Boxes()[0].second, "Lexavant_French");
        EXPECT_TRUE(Boxes()[0].first.contains("\"" + folder + "\"")) << Boxes()[0].first.toStdString();
        for (const std::string& named : c.named)
            EXPECT_TRUE(Boxes()[0].first.contains(QString::fromStdString(named))) << named;

        // Food's first phrase, 331, loads; Shopping's, from 661, lie past a cut English file.
        Click(kFoodButton);
        Click(kShoppingButton);
        for (int step = 0; step < 4; ++step)
            QTest::keyClick(window->PhraseList(), Qt::Key_Down);
        EXPECT_EQ(QString::fromStdU16String(window->Book().translationText), c.translation);
        Click(kPlayButton);
        Click(kRelatedButton);
        EXPECT_TRUE(device->Written().empty());
        EXPECT_EQ(window->Book().captionMode, kBrowseMode);
        // Nothing more is said: not once per selection, nor for the sound or the related phrases.
        EXPECT_EQ(Boxes().size(), 1u) << Boxes().back().first.toStdString();
    }
}

TEST_F(WindowTest, ClosingReleasesFilesAndTheFont)
{
    OpenWindow();
    const int fontUsers = platform::FontFiles::UseCount(platform::kArialFontFile);
    EXPECT_GE(fontUsers, 1);
    window->show();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_FALSE(window->Book().englishFile);
    EXPECT_FALSE(window->Book().frenchFile);
    EXPECT_FALSE(window->Book().favoriteFile);
    EXPECT_TRUE(window->Book().phraseIds.empty());
    EXPECT_EQ(platform::FontFiles::UseCount(platform::kArialFontFile), fontUsers - 1);
}

TEST_F(WindowTest, TheExitButtonClosesTheWindow)
{
    OpenWindow();
    window->show();
    Click(kExitButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->Book().englishFile);
}
