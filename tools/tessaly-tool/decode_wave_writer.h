#pragma once
// The WAV file `tessaly-tool decode` writes, as the PCM comes: the header
// first, each frame's PCM, and the header again once the length is known.
//
// A regular file (or a new one) is written beside its place and renamed
// over it at the end, so a failure leaves whatever was there untouched, and
// replacing a long file costs no truncation. A device or a pipe is written
// in place; one that cannot seek back keeps the header's lengths at their
// largest, the mark of a stream of unknown length.

#include "wavefile.h"

#include <cstdint>
#include <cstdio>
#include <string>

class DecodeWaveWriter {
public:
    DecodeWaveWriter(std::string path, const platform::WaveFormat& format);
    DecodeWaveWriter(const DecodeWaveWriter&) = delete;
    DecodeWaveWriter& operator=(const DecodeWaveWriter&) = delete;
    ~DecodeWaveWriter(); // an unfinished file is removed; the place keeps what it had

    bool Open();
    // False when the PCM cannot be added: more than a WAV file holds
    // (tooLong is set), or a failed write.
    bool Append(const std::uint8_t* pcm, std::size_t length);
    bool Finish();

    bool tooLong = false;

private:
    bool WriteHeader(std::uint64_t length);

    std::string path;     // where the file belongs
    std::string writing;  // the file being written: path itself, or one beside it
    platform::WaveFormat format;
    std::FILE* file = nullptr;
    bool seekable = true;
    std::uint64_t written = 0;
};
