#include "platform/messagebox.h"
#include "testapp.h"

#include <gtest/gtest.h>

using platform::MessageBoxRecorder;
using platform::ShowMessageBox;

TEST(MessageBox, RecordersTakeTheBoxesAndAnEmptyCaptionIsTheProgramsName)
{
    TestApp();
    MessageBoxRecorder outer;
    ShowMessageBox("No favorite phrase!");
    {
        MessageBoxRecorder inner;
        ShowMessageBox("One item has just added to your favorite category", "Lexavant_French");
        ASSERT_EQ(inner.Boxes().size(), 1u);
        EXPECT_EQ(inner.Boxes()[0].caption, QStringLiteral("Lexavant_French"));
    }
    ShowMessageBox("Can't read file", ""); // the outer recorder takes boxes again
    ASSERT_EQ(outer.Boxes().size(), 2u);
    EXPECT_EQ(outer.Boxes()[0].text, QStringLiteral("No favorite phrase!"));
    EXPECT_EQ((QStringList{outer.Boxes()[0].caption, outer.Boxes()[1].caption}), QStringList(2, "platform_services_test"));
}
