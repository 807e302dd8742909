#include "platform/messagebox.h"
#include "platform/shell.h"
#include "testapp.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Shell, AWebAddressNoBrowserOpensIsShownInAMessageToCopy)
{
    TestApp();
    QTemporaryDir dir;
    const QByteArray path = qgetenv("PATH");
    const QString address = "http://www.example.test/support/index.html";
    // The desktop's opener as the system may have it: one that hands the
    // page on, one that finds no browser, none at all.
    const struct { const char* opener; bool said; } cases[] = {
        {"[ \"$1\" = http://www.example.test/support/index.html ] && : > handed; exit 0", false},
        {": > handed; exit 3", true},
        {nullptr, true},
    };
    for (const auto& c : cases) {
        QFile::remove(dir.filePath("xdg-open"));
        QFile::remove(dir.filePath("handed"));
        if (c.opener) {
            QFile script(dir.filePath("xdg-open"));
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(QByteArray("#!/bin/sh\ncd '") + dir.path().toUtf8() + "'\n" + c.opener + "\n");
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", dir.path().toUtf8());
        platform::MessageBoxRecorder boxes;
        platform::OpenWebAddress(address);
        qputenv("PATH", path);
        const QString handed = dir.filePath("handed");
        for (int waited = 0; waited < 5000 && boxes.Boxes().empty() && !QFile::exists(handed); waited += 20)
            RunEventsFor(20);
        RunEventsFor(100);   // the opener's end, after its file
        ASSERT_EQ(boxes.Boxes().size(), std::size_t(c.said)) << (c.opener ? c.opener : "no opener");
        if (c.said) {
            EXPECT_TRUE(boxes.Boxes().front().text.contains("\n" + address + "\n"));
        }
        EXPECT_EQ(QFile::exists(handed), c.opener != nullptr);
    }
}
