#pragma once
// The fixture of the phrase-data tests. The fakes it wires live apart, in
// fakeviews.h, so that the fuzz targets can use them without the test library.

#include "fakeviews.h"
#include "tempdir.h"

#include <gtest/gtest.h>

// A phrase book wired to fakes, in a fresh current directory of its own.
class PhraseBookTest : public ::testing::Test {
protected:
    ScopedTempDir dir;
    FakeWindowSet w;
    PhraseBook& book = w.book;
};
