// What the window shows when it opens, what it says of damaged or missing
// files, and how it closes on Escape.

#include "windowfixture.h"

#include <QTest>
#include <filesystem>

using namespace resources;

class OpeningWindow : public WindowFixture {};

TEST_F(OpeningWindow, OpensOnBasicWithTheFavouritesStoreMadeAndClosesOnEscape)
{
    std::remove("favorite.dat");
    OpenWindow();
    EXPECT_EQ((QStringList{window->windowTitle(), Subcategory()->itemText(0), Subcategory()->itemText(7),
                           Subcategory()->currentText()}),
              (QStringList{"Lexavant_French", "All", "Key words and phrase", "All"}));
    EXPECT_TRUE(Boxes().empty() && FileExists("favorite.dat"));

    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(std::pair(window->isVisible(), window->result()), std::pair(false, int(QDialog::Rejected)));
}

TEST_F(OpeningWindow, DamagedOrMissingFilesAreNamedOnceAndNothingWrongIsSpoken)
{
    SKIP_WITHOUT_CLIP();
    // The files removed, the length English.dat is cut to (0: whole), what the message names, and the
    // translation of the fifth Shopping phrase.
    const struct {
        std::vector<const char*> missing; std::size_t englishBytes; QStringList named; QString french;
    } cases[] = {
        {{}, 51522, {"\"English.dat\" is damaged (51522 bytes where 103044 are expected"}, ""},
        {{"data.dat"}, 0, {"\"data.dat\" is missing: no phrase can be spoken, nor its related phrases listed."},
         "Phrase 665 fr"},
        {{"French.dat", "MapEngSpec.data", "Relate.dat"}, 0,
         {"\"French.dat\" is missing: translations cannot be shown.",
          "\"MapEngSpec.data\" is missing: the phrase lists and the keyword search stay empty.",
          "\"Relate.dat\" is missing: related phrases cannot be listed."}, ""},
        {{"English.dat", "French.dat"}, 0, {"\"English.dat\" is missing"}, ""},
    };
    const QString folder = "\"" + QString::fromStdString(dir.path().string()) + "\"";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named[0].toStdString());
        window.reset();
        boxes.Clear();
        WriteWindowBook();
        for (const char* name : c.missing)
            std::remove(name);
        if (c.englishBytes)
            std::filesystem::resize_file("English.dat", c.englishBytes);
        OpenWindow();
        // One message at start names the files, the folder and what will not work.
        ASSERT_EQ(Boxes().size(), 1u);
        const auto [text, caption] = Boxes()[0];
        EXPECT_EQ(caption, "Lexavant_French");
        for (const QString& named : c.named + QStringList{folder})
            EXPECT_TRUE(text.contains(named)) << named.toStdString() << " in " << text.toStdString();

        // Food's first phrase, 331, loads; Shopping's, from 661, lie past a cut English file.
        Click(kFoodButton);
        Click(kShoppingButton);
        window->PhraseList()->setCurrentRow(4);
        EXPECT_EQ(Translation(), c.french);
        Click(kPlayButton);
        Click(kRelatedButton);
        EXPECT_EQ(std::pair(Plays(), window->Book().captionMode), std::pair(std::size_t(0), int(kBrowseMode)));
        // Nothing more is said: not per selection, nor for the sound or the related phrases.
        EXPECT_EQ(Boxes().size(), 1u) << Boxes().back().first.toStdString();
    }
}
