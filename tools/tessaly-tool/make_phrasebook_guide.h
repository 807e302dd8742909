#pragma once
// The pronunciation guide: every phrase's French read by the voice that
// speaks its clip, turned into a respelling and IPA, and written as
// "Guide.dat" in the current directory.

#include "guide_respelling.h"
#include "make_phrasebook_book.h"

#include <string>
#include <vector>

// The guide of every phrase of `book`, in order. False when a phrase could
// not be read or its reading holds a sound the scheme does not know, or its
// guide does not fit its record; every such phrase is listed in `faults`.
bool ReadGuides(const std::vector<BookPhrase>& book, std::vector<PhraseGuideText>& guides, SourceFaults& faults);

// The guide of one French text, as ReadGuides makes it; false with the
// reason in `fault`.
bool GuideForFrench(const std::string& french, PhraseGuideText& guide, std::string& fault);

bool WriteGuideFile(const std::vector<PhraseGuideText>& guides, std::string& error);
