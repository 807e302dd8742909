#include "platform/messagebox.h"
#include "testapp.h"

#include <gtest/gtest.h>

using platform::MessageBoxRecorder;
using platform::ShowMessageBox;

TEST(MessageBox, RecordersTakeTheBoxesAndAnEmptyCaptionIsTheProgramsName)
{
    TestApp();
    EXPECT_EQ(platform::DefaultCaption(), QStringLiteral("platform_services_test"));

    MessageBoxRecorder outer;
    ShowMessageBox("No favorite phrase!");
    {
        MessageBoxRecorder inner;
        ShowMessageBox("One item has just added to your favorite category", "Lexavant_French");
        ASSERT_EQ(inner.Boxes().size(), 1u);
        EXPECT_EQ(inner.Boxes()[0].caption, QStringLiteral("Lexavant_French"));
    }
    // Once the inner recorder is gone, the outer one records again.
    ShowMessageBox("Can't read file", "");
    ASSERT_EQ(outer.Boxes().size(), 2u);
    EXPECT_EQ(outer.Boxes()[0].text, QStringLiteral("No favorite phrase!"));
    EXPECT_EQ(outer.Boxes()[0].caption, QStringLiteral("platform_services_test"));
    EXPECT_EQ(outer.Boxes()[1].caption, QStringLiteral("platform_services_test"));
}
