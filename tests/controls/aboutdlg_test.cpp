#include "aboutdlg.h"
#include "hoverbutton.h"
#include "label.h"
#include "platform/fontfiles.h"
#include "resources/controlids.h"
#include "testapp.h"

#include <gtest/gtest.h>

TEST(AboutBox, ShapedSkinWithItsTextsPaintedOnNothingButTheSkin)
{
    TestApp();
    CAboutDlg box;
    ASSERT_TRUE(box.WindowShape());
    EXPECT_FALSE(box.WindowShape()->contains(QPoint(1, 1)));
    EXPECT_TRUE(box.WindowShape()->contains(QPoint(250, 200)));
    EXPECT_EQ(box.Label(resources::kAboutProductName)->text(), "Lexavant_French");
    EXPECT_EQ(box.Label(resources::kAboutVersion)->text(), "Version 1.5.2");
    box.show();
    const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage skin = box.Skin().convertToFormat(QImage::Format_RGB32);
    for (int id : {resources::kAboutProductName, resources::kAboutVersion, resources::kAboutNoticeFirst,
                   resources::kAboutNoticeSecond}) {
        ASSERT_NE(box.Label(id), nullptr) << id;
        const QPoint corner = box.Label(id)->geometry().bottomRight() - QPoint(1, 1);   // beside the letters
        EXPECT_EQ(shown.pixel(corner), skin.pixel(corner)) << id;
    }
}

TEST(AboutBox, TheCloseButtonOrAClickOnALabelClosesIt)
{
    TestApp();
    for (bool onLabel : {false, true}) {
        CAboutDlg box;
        box.show();
        onLabel ? Click(box.Label(resources::kAboutVersion), QPoint(5, 5)) : box.CloseButton()->click();
        EXPECT_EQ(box.result(), QDialog::Accepted) << onLabel;
        EXPECT_FALSE(box.isVisible()) << onLabel;
    }
}

TEST(AboutBox, ClosingItLeavesTheMainWindowsFontRegistration)
{
    TestApp();
    platform::FontFiles::Add(platform::kArialFontFile);   // the main window's
    {
        CAboutDlg box;
        EXPECT_EQ(platform::FontFiles::UseCount(platform::kArialFontFile), 2);
    }
    EXPECT_EQ(platform::FontFiles::UseCount(platform::kArialFontFile), 1);
    platform::FontFiles::Remove(platform::kArialFontFile);
}
