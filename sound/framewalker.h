#pragma once
// Steps through MPEG audio frame by frame, for the player and for
// `tessaly-tool decode`. Where the bytes at its position are no frame of the
// stream it follows (a damaged header, a frame of another stream, bytes
// inserted or lost), it looks one frame further on: when the stream goes on
// there, the bytes between are a damaged frame, which keeps its place.
// Otherwise it searches onward for the stream's next frame: a header of the
// stream whose successor is one too, so that a lone sync pattern in damaged
// data is not taken for a frame.

#include "mpadecoder.h"

#include <cstddef>
#include <cstdint>
#include <optional>

class FrameWalker {
public:
    struct Frame {
        std::size_t position = 0; // of its header, from the start of the audio
        MpaFrameInfo info{};      // read as the primary stream
        std::int32_t length = 0;  // the bytes it occupies
        // No frame of the stream, where one would stand: `info` is the last
        // frame's, and `length` what it takes for the stream to go on.
        bool damaged = false;
    };

    // `size` bytes of MPEG audio at `audio`, followed by `zerosAfter` bytes
    // that may be read and read as zeros (the decoder is told so).
    FrameWalker(const std::uint8_t* audio, std::size_t size, std::size_t zerosAfter = 0);

    // The first frame of a stream at or after `from`: one that a frame of
    // the same stream follows, or that starts the data with no room after it
    // for another. The walker follows that stream, from that frame on.
    std::optional<Frame> FindStream(std::size_t from = 0);
    // Follows the stream of the frame at `position`, from that frame on,
    // whatever comes after it; nothing when no frame header stands there.
    std::optional<Frame> Follow(std::size_t position);
    // The stream's next frame, searched for where needed; the walker then
    // stands after it. Nothing once the audio ends.
    std::optional<Frame> Next();
    // Moves on to `position` without looking at what lies between.
    void JumpTo(std::size_t newPosition) { position = newPosition; }

    // Bytes the decoder may read at `at`: what the audio and the zeros after
    // it hold from there, at most a window of 1 MiB (the decoder takes
    // lengths in 32 bits and never needs more than a frame and the header of
    // its successor).
    std::int32_t ReadableAt(std::size_t at) const;

private:
    // A frame header at `at`, read as the primary stream or as a probe.
    std::optional<Frame> ReadFrame(std::size_t at, bool primary) const;
    bool StreamGoesOnAt(std::size_t at) const;
    std::optional<Frame> DamagedFrame() const;
    std::optional<std::size_t> Search(std::size_t from, const MpaFrameInfo* stream) const;

    const std::uint8_t* audio;
    std::size_t size;
    std::size_t zerosAfter;
    std::size_t position = 0;
    MpaFrameInfo stream{};
    MpaFrameInfo last{}; // the last frame of the stream read
};
