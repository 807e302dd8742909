#include "platform/messagebox.h"
#include "testapp.h"

#include <QAccessible>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(MessageBox, AnEmptyCaptionIsTheProgramsName)
{
    TestApp();
    platform::MessageBoxRecorder boxes;
    platform::ShowMessageBox("No favorite phrase!");
    platform::ShowMessageBox("Can't read file", "");
    platform::ShowMessageBox("One item has just added to your favorite category", "Lexavant_French");
    ASSERT_EQ(boxes.Boxes().size(), 3u);
    EXPECT_EQ((QStringList{boxes.Boxes()[0].caption, boxes.Boxes()[1].caption, boxes.Boxes()[2].caption}),
              (QStringList{"platform_services_test", "platform_services_test", "Lexavant_French"}));
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
    platform::ShowMessageBox("This item can't be found", "Lexavant_French");
    EXPECT_EQ(read, (QStringList{"Lexavant_French", "This item can't be found"}));
}
