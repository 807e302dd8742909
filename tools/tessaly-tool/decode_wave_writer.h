#pragma once
// The WAV file `tessaly-tool decode` writes, as the PCM comes: the header
// first, each frame's PCM, and the header again once the length is known.
//
// It is written through a work file, so a failure leaves whatever was there
// untouched, and replacing a long file costs no truncation. A device or a
// pipe is written in place; one that cannot seek back keeps the header's
// lengths at their largest, the mark of a stream of unknown length.

#include "wavefile.h"
#include "workfile.h"

#include <cstdint>
#include <string>

class DecodeWaveWriter {
public:
    DecodeWaveWriter(std::string path, const platform::WaveFormat& format);

    bool Open();
    // False when the PCM cannot be added: more than a WAV file holds
    // (tooLong is set), or a failed write.
    bool Append(const std::uint8_t* pcm, std::size_t length);
    bool Finish(); // an unfinished file never takes the place of what was there

    bool tooLong = false;

private:
    bool WriteHeader(std::uint64_t length);

    WorkFile work;
    platform::WaveFormat format;
    bool seekable = true;
    std::uint64_t written = 0;
};
