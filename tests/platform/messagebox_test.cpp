#include "platform/messagebox.h"
#include "testapp.h"

#include <QAccessible>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(MessageBox, AShownBoxIsNamedByItsCaptionOrElseTheProgramsNameAndReadsItsText)
{
    TestApp();
    const std::pair<QString, QString> captions[] = {{"", "platform_services_test"}, {"Lexavant_French", "Lexavant_French"}};
    for (const auto& [caption, named] : captions) {
        QStringList read;
        // The box is modal: a timer reads it and presses OK.
        QTimer::singleShot(0, [&read] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            QAccessibleInterface* shown = QAccessible::queryAccessibleInterface(box);
            read << shown->text(QAccessible::Name) << shown->text(QAccessible::Description);
            QTest::keyClick(box, Qt::Key_Return);
        });
        platform::ShowMessageBox("This item can't be found", caption);
        EXPECT_EQ(read, (QStringList{named, "This item can't be found"}));
    }
}
