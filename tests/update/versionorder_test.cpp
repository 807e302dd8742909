// Ordering versions and reading the values of a version file.

#include "versionfile.h"
#include "versionorder.h"

#include <gtest/gtest.h>

TEST(VersionOrder, DottedNumbersCompareAsNumbersAndLettersWithoutCase)
{
    const char* ordered[][2] = {{"1.5.2", "1.5.3"}, {"1.9", "1.10"}, {"1.5.2", "1.5.2a"}, {"1.5.2a", "1.5.2B"},
        {"9", "10.0"}, {"1.5.2", "2"},
        {"1.99999999999999999999998", "1.99999999999999999999999"}};   // digits beyond a number order by text
    for (const auto& [older, newer] : ordered)
        EXPECT_TRUE(IsOlderVersion(older, newer) && !IsOlderVersion(newer, older)) << older << " < " << newer;
    const char* equal[][2] = {{"1.5.2A", "1.5.2a"}, {"1.5", "1.5.0"}, {"1.5.2", " 1.5.2 "}, {"", ""}};
    for (const auto& [a, b] : equal)
        EXPECT_FALSE(IsOlderVersion(a, b) || IsOlderVersion(b, a)) << a << " = " << b;
}

TEST(VersionFile, QuotedValueAfterAKeyword)
{
    const QByteArray file = "Filename: \"setup-1.6.exe\"\r\nVersion: \"1.6\"\r\n";
    const struct { QByteArray text; const char* keyword; std::optional<QByteArray> value; } cases[] = {
        {file, "Version:", "1.6"}, {file, "Filename:", "setup-1.6.exe"}, {file, "version:", std::nullopt},
        {"Version:= = \"2\"", "Version:", "2"}, {"Version: none", "Version:", std::nullopt},
        {"Version: \"2.0 and no end", "Version:", "2.0 and no end"}, {"Version: \"\"", "Version:", ""},
        {"Version: \"" + QByteArray(300, 'v') + "\"", "Version:", QByteArray(259, 'v')},   // held to its buffer
    };
    for (const auto& c : cases)
        EXPECT_EQ(QuotedValueAfter(c.text, c.keyword), c.value) << c.text.left(40).toStdString();
}
