// The phrase sheet as a PDF file, read back as text: printed from the window,
// and made by `tessaly-tool sheet`, what it holds, where its pages break, its
// paper and its refusals.

#include "phrasefixtures.h"
#include "platform/printdialog.h"
#include "processes.h"
#include "programs.h"
#include "windowfixture.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QTest>

using namespace resources;

namespace {

// `tessaly-tool sheet ARGUMENTS` under `locale`: its exit status, and what it said on either stream as its output.
CommandRun Sheet(const std::string& arguments, const std::string& locale = "C.UTF-8")
{
    return RunShell("LC_ALL=" + locale + " '" TESSALY_TOOL "' sheet " + arguments + " 2>&1");
}

QString Output(const std::string& command) { return QString::fromStdString(RunShell(command).out); }

} // namespace

class PrintedFromTheWindow : public WindowFixture {};

TEST_F(PrintedFromTheWindow, CtrlPPrintsTheFavouritesOrElseTheListThroughThePrintDialog)
{
    if (!HaveProgram("pdftotext"))
        GTEST_SKIP() << "pdftotext is needed (tools/install-packages installs poppler-utils)";
    OpenWindow(true);
    int asked = 0;
    const platform::PrinterChooserOverride chooser([&](QPrinter& printer) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName("sheet.pdf");
        return asked != 3;   // the third time the user cancels
    });
    Click(kQuestionButton);
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    const QString list = Output("pdftotext -layout sheet.pdf -");
    // No favourites: the Question list, every phrase with its French and guide.
    EXPECT_TRUE(list.contains("Question") && list.contains("Phrase 765 fr") && list.contains("frahz 831"));
    EXPECT_FALSE(list.contains("Phrase 764"));

    window->PhraseList()->setCurrentRow(4);
    Click(kFavouriteToggleButton);
    Click(kBasicButton);
    Click(kFavouriteToggleButton);
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    const QString favourites = Output("pdftotext -layout sheet.pdf -").simplified();
    EXPECT_EQ(favourites, "French phrases Basic Phrase 1 Phrase 1 fr frahz 1 Question Phrase 769 Phrase 769 fr "
                          "frahz 769 Page 1");
    std::filesystem::remove("sheet.pdf");
    QTest::keyClick(window.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(std::pair(asked, FileExists("sheet.pdf")), std::pair(3, false));
}

class SheetTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!HaveProgram("pdftotext") || !HaveProgram("pdfinfo"))
            GTEST_SKIP() << "pdftotext and pdfinfo are needed (tools/install-packages installs poppler-utils)";
        WriteWindowBook();
    }
    ScopedTempDir dir;
};

TEST_F(SheetTool, EveryPhraseKeepsItsEnglishFrenchAndGuideOnOnePage)
{
    ASSERT_EQ(Sheet("--data . book.pdf").status, 0);
    EXPECT_TRUE(Output("pdfinfo book.pdf").contains(QRegularExpression("Page size: .*A4")));
    const QStringList pages = Output("pdftotext book.pdf -").split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GT(pages.size(), 20);
    std::vector<int> pageOf(832, -1);
    for (int page = 0; page < pages.size(); ++page) {
        const QStringList lines = pages[page].split(u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.last(), QString("Page %1").arg(page + 1));
        for (int i = 0; i < lines.size(); ++i) {
            const QRegularExpressionMatch french = QRegularExpression("^Phrase (\\d+) fr$").match(lines[i]);
            if (!french.hasMatch())
                continue;
            const int number = french.captured(1).toInt();
            EXPECT_EQ(pageOf[number], -1) << "phrase " << number << " printed twice";
            pageOf[number] = page;
            // Its English just above, its guide just under, on the same page.
            EXPECT_TRUE(i > 0 && lines[i - 1].startsWith("Phrase ") && i + 1 < lines.size() &&
                        lines[i + 1] == QString("frahz %1").arg(number))
                << "phrase " << number << " is cut across a page";
        }
    }
    EXPECT_EQ(std::count(pageOf.begin() + 1, pageOf.end(), -1), 0);
    // Every category heading, in the categories' order.
    const QString all = pages.join(u'\n');
    int at = 0;
    for (const char* heading : {"Basic", "Travel", "Food", "Lodging", "Business", "Sightseeing", "Social", "Shopping",
                                "Emergency", "Question"}) {
        const int found = all.indexOf(QRegularExpression(QString("^%1$").arg(heading), QRegularExpression::MultilineOption), at);
        EXPECT_GT(found, at) << heading;
        at = std::max(at, found);
    }
}

TEST_F(SheetTool, TheFavouritesArePrintedOnThePaperOfTheUsersCountryTheFrenchLargest)
{
    WriteFavourites("mine.dat", {700, 3, 12});
    ASSERT_EQ(Sheet("--favourites mine.dat mine.pdf", "en_US.UTF-8").status, 0);
    EXPECT_TRUE(Output("pdfinfo mine.pdf").contains(QRegularExpression("Page size: +612 x 792 .*letter")));
    EXPECT_EQ(Output("pdftotext mine.pdf -").simplified(),
              "French phrases Basic Phrase three Phrase 3 fr frahz 3 Phrase 12 Phrase 12 fr frahz 12 Shopping "
              "Phrase 700 Phrase 700 fr frahz 700 Page 1");
    // Word heights in points: the French stands out from the English and the guide.
    const QString boxes = Output("pdftotext -bbox mine.pdf -");
    const QRegularExpression word("yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">(\\w+)</word>");
    double french = 1e9, other = 0;
    for (auto match = word.globalMatch(boxes); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        const double height = m.captured(2).toDouble() - m.captured(1).toDouble();
        if (m.captured(3) == "fr")
            french = std::min(french, height);
        else if (m.captured(3) == "frahz" || m.captured(3) == "three")
            other = std::max(other, height);
    }
    EXPECT_GT(french, 15.0);
    EXPECT_GT(french, other * 1.2);
}

TEST_F(SheetTool, BadArgumentsAndMissingFilesAreRefusedWithAReason)
{
    // (The command line's own refusals are those toolcommandline_test checks.)
    const struct { std::string arguments; int status; std::string says; } cases[] = {
        {"--favourites none.dat a.pdf", 1, "cannot read \"none.dat\""},
        {"--data nowhere a.pdf", 1, "no phrase book in \"nowhere\""},
        {"--data . no/such/folder/a.pdf", 1, "cannot write \"no/such/folder/a.pdf\""},
    };
    for (const auto& c : cases) {
        const CommandRun ran = Sheet(c.arguments);
        EXPECT_EQ(ran.status, c.status) << c.arguments;
        EXPECT_NE(ran.out.find(c.says), std::string::npos) << ran.out;
    }
    EXPECT_FALSE(FileExists("a.pdf"));
}
