#pragma once
// The spoken clips: every phrase's French spoken by espeak-ng's French voice,
// encoded by lame as MPEG-2 Layer III, checked, and packed into the sound
// archive "data.idx" and "data.dat" in the current directory.

#include "make_phrasebook_book.h"

#include <cstdint>
#include <string>
#include <vector>

// A clip lasts less than this: the player decodes at most 300 frames
// (7.8 s at 22050 Hz) into its block.
constexpr double kClipMaxSeconds = 7.5;

// espeak-ng's French voice at a clear, unhurried pace (words per minute),
// reading UTF-8 text: the program and options every phrase is spoken with,
// and read with for its pronunciation guide, so that guide and sound agree.
std::vector<std::string> SpeechVoice();

struct SpokenClip {
    std::vector<std::uint8_t> bytes;
    double seconds = 0;   // as the player times it, from the frame count
    int kbps = 0;
    int peak = 0;         // of the speech before encoding, 0 to 32768
};

// One clip per phrase of `book`, in order, made by at most two programs at a
// time. False when any phrase could not be spoken or its clip has the wrong
// form; every such phrase is listed in `faults`.
bool SpeakClips(const std::vector<BookPhrase>& book, std::vector<SpokenClip>& clips, SourceFaults& faults);

// "data.dat": the 12-byte header, then the clips in order; "data.idx": for
// each clip its offset after the header and its length.
bool PackClips(const std::vector<SpokenClip>& clips, std::string& error);
