#include "platform/messagebox.h"
#include "testapp.h"

#include <QAccessible>
#include <QTest>
#include <QTimer>
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

TEST(MessageBox, AShownBoxIsNamedByItsCaptionAndReadsItsText)
{
    TestApp();
    QStringList read;
    // The box is modal: a timer reads it and presses OK.
    QTimer::singleShot(0, [&read] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(box);
        read << shown->text(QAccessible::Name) << shown->text(QAccessible::Description);
        QTest::keyClick(box, Qt::Key_Return);
    });
    ShowMessageBox("This item can't be found", "Lexavant_French");
    EXPECT_EQ(read, (QStringList{"Lexavant_French", "This item can't be found"}));
}
