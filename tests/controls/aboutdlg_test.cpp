#include "aboutdlg.h"
#include "controlid.h"
#include "hoverbutton.h"
#include "label.h"
#include "platform/fontfiles.h"
#include "resources/controlids.h"
#include "testapp.h"

#include <gtest/gtest.h>

TEST(AboutBox, TemplateLayoutSkinAndLabels)
{
    TestApp();
    CAboutDlg box;
    EXPECT_EQ(box.size(), QSize(496, 412));
    ASSERT_TRUE(box.WindowShape());
    EXPECT_FALSE(box.WindowShape()->contains(QPoint(1, 1)));
    EXPECT_TRUE(box.WindowShape()->contains(QPoint(250, 200)));

    EXPECT_EQ(box.CloseButton()->geometry(), QRect(296, 271, 127, 34));
    struct Expected {
        int id;
        QRect place;
        QColor colour;
        int height;
    };
    const Expected expected[] = {
        {resources::kAboutProductName, QRect(89, 115, 351, 41), QColor(0, 128, 192), 22},
        {resources::kAboutVersion, QRect(93, 166, 228, 21), QColor(0, 125, 251), 14},
        {resources::kAboutNoticeFirst, QRect(93, 200, 323, 24), QColor(0, 125, 251), 14},
        {resources::kAboutNoticeSecond, QRect(93, 237, 168, 28), QColor(0, 125, 251), 14},
    };
    for (const Expected& e : expected) {
        CLabel* label = box.Label(e.id);
        ASSERT_NE(label, nullptr) << e.id;
        EXPECT_EQ(label->geometry(), e.place) << e.id;
        EXPECT_EQ(label->TextColour(), e.colour) << e.id;
        EXPECT_EQ(label->DrawingFont().pixelSize(), e.height) << e.id;
        EXPECT_TRUE(label->DrawingFont().bold()) << e.id;
    }
    EXPECT_EQ(box.Label(resources::kAboutProductName)->text(), "Lexavant_French");
    EXPECT_EQ(box.Label(resources::kAboutVersion)->text(), "Version 1.5.2");

    // Nothing is filled behind the texts: beside the letters the skin shows.
    box.show();
    const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage skin = box.Skin().convertToFormat(QImage::Format_RGB32);
    for (const Expected& e : expected) {
        const QPoint corner = e.place.bottomRight() - QPoint(1, 1);
        EXPECT_EQ(shown.pixel(corner), skin.pixel(corner)) << e.id;
    }
}

TEST(AboutBox, TheCloseButtonOrAClickAnywhereClosesIt)
{
    TestApp();
    {
        CAboutDlg box;
        box.show();
        box.CloseButton()->click();
        EXPECT_EQ(box.result(), QDialog::Accepted);
        EXPECT_FALSE(box.isVisible());
    }
    {
        CAboutDlg box;
        box.show();
        // A click on a label goes on to the box.
        Click(box.Label(resources::kAboutVersion), QPoint(5, 5));
        EXPECT_EQ(box.result(), QDialog::Accepted);
        EXPECT_FALSE(box.isVisible());
    }
}

TEST(AboutBox, ClosingItLeavesTheMainWindowsFontRegistration)
{
    TestApp();
    platform::FontFiles::Add(platform::kArialFontFile); // the main window's
    {
        CAboutDlg box;
        EXPECT_EQ(platform::FontFiles::UseCount(platform::kArialFontFile), 2);
    }
    EXPECT_EQ(platform::FontFiles::UseCount(platform::kArialFontFile), 1);
    platform::FontFiles::Remove(platform::kArialFontFile);
    EXPECT_EQ(platform::FontFiles::UseCount(platform::kArialFontFile), 0);
}
