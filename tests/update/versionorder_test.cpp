// Ordering versions and reading the values of a version file.

#include "versionfile.h"
#include "versionorder.h"

#include <gtest/gtest.h>

TEST(VersionOrder, DottedNumbersCompareAsNumbers)
{
    EXPECT_TRUE(IsOlderVersion("1.5.2", "1.5.3"));
    EXPECT_TRUE(IsOlderVersion("1.5.2", "1.6"));
    EXPECT_TRUE(IsOlderVersion("1.9", "1.10"));
    EXPECT_FALSE(IsOlderVersion("1.10", "1.9"));
    EXPECT_TRUE(IsOlderVersion("1.5.2", "1.5.2a"));
    EXPECT_TRUE(IsOlderVersion("1.5.2a", "1.5.2B"));
    EXPECT_TRUE(IsOlderVersion("9", "10.0"));
    EXPECT_TRUE(IsOlderVersion("1.5.2", "2"));
}

TEST(VersionOrder, EqualVersionsAreNotNewer)
{
    EXPECT_FALSE(IsOlderVersion("1.5.2", "1.5.2"));
    EXPECT_FALSE(IsOlderVersion("1.5.2A", "1.5.2a"));
    EXPECT_FALSE(IsOlderVersion("1.5", "1.5.0"));
    EXPECT_FALSE(IsOlderVersion("1.5.2", " 1.5.2 "));
    EXPECT_FALSE(IsOlderVersion("", ""));
    EXPECT_FALSE(IsOlderVersion("1.5.3", "1.5.2"));
    // Digits beyond what a number holds still order, by their text.
    EXPECT_TRUE(IsOlderVersion("1.99999999999999999999998", "1.99999999999999999999999"));
}

TEST(VersionFile, QuotedValues)
{
    const QByteArray content = "Filename: \"setup-1.6.exe\"\r\nVersion: \"1.6\"\r\n";
    EXPECT_EQ(QuotedValueAfter(content, "Version:"), QByteArray("1.6"));
    EXPECT_EQ(QuotedValueAfter(content, "Filename:"), QByteArray("setup-1.6.exe"));
    EXPECT_EQ(QuotedValueAfter(content, "version:"), std::nullopt);   // keywords keep their case
    EXPECT_EQ(QuotedValueAfter("Version:= = \"2\"", "Version:"), QByteArray("2"));
    EXPECT_EQ(QuotedValueAfter("Version: none", "Version:"), std::nullopt);
    EXPECT_EQ(QuotedValueAfter("Version: \"2.0 and no end", "Version:"), QByteArray("2.0 and no end"));
    EXPECT_EQ(QuotedValueAfter("Version: \"\"", "Version:"), QByteArray(""));
    EXPECT_EQ(QuotedValueAfter("<img src=\"a.png\">", "src="), QByteArray("a.png"));

    const QByteArray longValue(300, 'v');
    const auto cut = QuotedValueAfter("Version: \"" + longValue + "\"", "Version:");
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->size(), 259);
}
