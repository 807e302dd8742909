#include "aboutdlg.h"
#include "hoverbutton.h"
#include "label.h"
#include "platform/fontfiles.h"
#include "resources/controlids.h"
#include "resources/dialogtemplate.h"
#include "resources/resourceids.h"
#include "skinneddialog.h"
#include "tessalyversion.h"
#include "testapp.h"
#include "transparentstatic.h"

#include <QAccessible>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// A parent painted one plain colour, standing in for the skin, with one text on it.
struct Backdrop : QWidget {
    CTransparentStatic* text = new CTransparentStatic(this);
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(20, 90, 60)); }

    // The columns and rows holding `colour`, or anything but the backdrop.
    QRect Ink(QColor colour = QColor())
    {
        const QImage image = grab().toImage();
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (colour.isValid() ? image.pixelColor(x, y) == colour : image.pixelColor(x, y) != QColor(20, 90, 60))
                    ink |= QRect(x, y, 1, 1);
        return ink;
    }
};

} // namespace

TEST(SkinnedDialog, TheSkinIsTheWholeBackgroundEveryTimeAndGivesTheShape)
{
    TestApp();
    SkinnedDialog window;
    ASSERT_TRUE(window.LoadSkin(resources::kAboutSkin));
    EXPECT_EQ(window.size(), QSize(496, 412));
    ASSERT_TRUE(window.WindowShape());
    EXPECT_FALSE(window.WindowShape()->contains(QPoint(0, 0)));   // black corners are outside
    EXPECT_TRUE(window.WindowShape()->contains(QPoint(248, 200)));
    window.ApplyShape();
    EXPECT_EQ(window.mask(), *window.WindowShape());
    for (int repaint = 0; repaint < 2; ++repaint)
        EXPECT_EQ(window.grab().toImage().convertToFormat(QImage::Format_RGB32),
                  window.Skin().convertToFormat(QImage::Format_RGB32));
    SkinnedDialog plain;   // without its skin a window keeps its rectangle and background
    plain.resize(200, 100);
    EXPECT_FALSE(plain.LoadSkin(4242) || plain.WindowShape());
    plain.ApplyShape();
    EXPECT_TRUE(plain.mask().isEmpty());
    EXPECT_EQ(plain.size(), QSize(200, 100));
    EXPECT_EQ(plain.grab().toImage().pixelColor(100, 50), plain.palette().color(QPalette::Window));
}

TEST(AboutBox, ItsTextsLieOnTheSkinOnlyItsButtonClosesItADragMovesItAndItLeavesTheMainWindowsFont)
{
    TestApp();
    platform::FontFiles::Add(platform::kArialFontFile);   // the main window's
    {
        CAboutDlg box;
        EXPECT_EQ(box.Label(resources::kAboutProductName)->text(), "Lexavant_French");
        EXPECT_EQ(box.Label(resources::kAboutVersion)->text(), "Version " TESSALY_VERSION);
        // A screen reader announces the box, and its button by the word on it.
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(&box);
        QAccessibleInterface* close = QAccessible::queryAccessibleInterface(box.findChild<CHoverButton*>());
        EXPECT_EQ((QStringList{read->text(QAccessible::Name), read->text(QAccessible::Description),
                               close->text(QAccessible::Name)}),
                  (QStringList{"About Lexavant_French", "Version " TESSALY_VERSION, "Cancel"}));
        box.move(100, 100);
        box.show();
        const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage skin = box.Skin().convertToFormat(QImage::Format_RGB32);
        for (int id : {0, resources::kAboutProductName, resources::kAboutVersion, resources::kAboutNoticeFirst,
                       resources::kAboutNoticeSecond}) {
            QWidget* target = id ? box.Label(id) : static_cast<QWidget*>(&box);
            ASSERT_NE(target, nullptr) << id;
            const QPoint corner = target->geometry().bottomRight() - QPoint(1, 1);   // beside the letters
            EXPECT_TRUE(id == 0 || shown.pixel(corner) == skin.pixel(corner)) << id;
            // A click, on the panel or a label, that moves less than the drag distance leaves it open and in place.
            SendMouse(target, QEvent::MouseButtonPress, QPoint(5, 5));
            SendMouse(target, QEvent::MouseMove, QPoint(6, 5));
            SendMouse(target, QEvent::MouseButtonRelease, QPoint(6, 5));
            EXPECT_TRUE(box.isVisible() && box.result() == QDialog::Rejected && box.pos() == QPoint(100, 100)) << id;
        }
        for (QWidget* target : std::initializer_list<QWidget*>{&box, box.Label(resources::kAboutVersion)}) {
            SendMouse(target, QEvent::MouseButtonPress, QPoint(5, 5));   // a drag on the panel or a label moves it
            SendMouse(target, QEvent::MouseMove, QPoint(45, 25));
            SendMouse(target, QEvent::MouseButtonRelease, QPoint(45, 25));
        }
        EXPECT_TRUE(box.pos() == QPoint(180, 140) && box.isVisible());
        box.CloseButton()->click();
        EXPECT_TRUE(box.result() == QDialog::Accepted && !box.isVisible());
    }
    EXPECT_EQ(platform::FontFiles::UseCount(platform::kArialFontFile), 1);
    platform::FontFiles::Remove(platform::kArialFontFile);
}

TEST(TransparentStatic, OnlyTheLettersArePaintedInTheirColourAndCentredTextStartsAtTheTopAndWraps)
{
    TestApp();
    Backdrop backdrop;
    backdrop.resize(220, 120);
    backdrop.text->setGeometry(10, 10, 200, 100);
    backdrop.text->setText("Bonjour");
    backdrop.text->textColour = Qt::white;
    backdrop.show();
    EXPECT_FALSE(backdrop.Ink().contains(QPoint(205, 105)));   // beside the letters the backdrop shows
    EXPECT_FALSE(backdrop.Ink(Qt::white).isEmpty());
    backdrop.text->setText("");
    EXPECT_TRUE(backdrop.Ink().isEmpty());
    backdrop.text->SetStaticStyle(resources::style::kStaticCentre);
    backdrop.text->setText("Merci");
    const QRect ink = backdrop.Ink();
    EXPECT_NEAR(ink.left() - 10, 209 - ink.right(), 3);
    EXPECT_LT(ink.top(), 20);   // from the top
    backdrop.text->setText("Je voudrais une chambre pour deux nuits, s'il vous plait.");
    EXPECT_GT(backdrop.Ink().height(), 25);   // wrapped onto more than one line
}
