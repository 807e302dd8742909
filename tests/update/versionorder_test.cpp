// Ordering versions and reading the values of a version file.

#include "versionfile.h"
#include "versionorder.h"

#include <gtest/gtest.h>

TEST(VersionOrder, DottedNumbersCompareAsNumbersAndLettersWithoutCase)
{
    const char* ordered[][2] = {
        {"1.5.2", "1.5.3"}, {"1.5.2", "1.6"}, {"1.9", "1.10"}, {"1.5.2", "1.5.2a"}, {"1.5.2a", "1.5.2B"},
        {"9", "10.0"}, {"1.5.2", "2"},
        // Digits beyond what a number holds still order, by their text.
        {"1.99999999999999999999998", "1.99999999999999999999999"},
    };
    for (const auto& [older, newer] : ordered) {
        EXPECT_TRUE(IsOlderVersion(older, newer)) << older << " < " << newer;
        EXPECT_FALSE(IsOlderVersion(newer, older)) << newer << " < " << older;
    }
    const char* equal[][2] = {{"1.5.2", "1.5.2"}, {"1.5.2A", "1.5.2a"}, {"1.5", "1.5.0"}, {"1.5.2", " 1.5.2 "}, {"", ""}};
    for (const auto& pair : equal)
        EXPECT_FALSE(IsOlderVersion(pair[0], pair[1])) << pair[0] << " = " << pair[1];
}

TEST(VersionFile, QuotedValueAfterAKeyword)
{
    const QByteArray content = "Filename: \"setup-1.6.exe\"\r\nVersion: \"1.6\"\r\n";
    const struct {
        QByteArray text;
        const char* keyword;
        std::optional<QByteArray> value;
    } cases[] = {
        {content, "Version:", "1.6"},
        {content, "Filename:", "setup-1.6.exe"},
        {content, "version:", std::nullopt},   // keywords keep their case
        {"Version:= = \"2\"", "Version:", "2"},
        {"Version: none", "Version:", std::nullopt},
        {"Version: \"2.0 and no end", "Version:", "2.0 and no end"},
        {"Version: \"\"", "Version:", ""},
        {"<img src=\"a.png\">", "src=", "a.png"},
        {"Version: \"" + QByteArray(300, 'v') + "\"", "Version:", QByteArray(259, 'v')},   // held to its buffer
    };
    for (const auto& c : cases)
        EXPECT_EQ(QuotedValueAfter(c.text, c.keyword), c.value) << c.text.left(40).toStdString();
}
