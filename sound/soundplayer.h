#pragma once
// The pronunciation player: holds one clip, decodes up to 300 of its frames
// into one PCM block and hands that block to the wave output in one write.
// Selecting a phrase opens and prepares the clip, which decodes the first
// quarter of the block; the first Play decodes the rest; later Plays replay
// the block without decoding again.
//
// A plain class with no virtual operations. It works on the caller's thread
// and never waits for the device, which reports nothing back.

#include "container.h"
#include "framewalker.h"
#include "mpadecoder.h"
#include "waveout.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class CSoundPlayer {
public:
    enum State : std::int32_t { kClosed = 0, kOpen = 1, kPlaying = 2, kPaused = 3 };

    // Open's results. 0 and 3 are the ones the program knows; the others
    // name clips refused before any device is opened (the player stays
    // closed, and the clip is dropped).
    enum OpenResult : int {
        kOpened = 0,            // also: nothing done, the player was not closed
        kOutOfMemory = 3,
        kUnknownLayout = 4,     // a RIFF file of no known layout
        kUntimed = 5,           // no bitrate, rate or duration to time it by
        kNoFirstFrame = 7,      // no decodable frame header at the audio start
    };

    static constexpr std::uint32_t kBlockFrames = 300;
    static constexpr double kSlowTempo = 0.7;

    // The player reaches the sound card only through `device`, which must
    // outlive it.
    explicit CSoundPlayer(platform::WaveOut& device);
    ~CSoundPlayer();
    CSoundPlayer(const CSoundPlayer&) = delete;
    CSoundPlayer& operator=(const CSoundPlayer&) = delete;

    // Takes `clipData` (a whole sound file of `length` bytes) when the player
    // is closed: copies it and frees the caller's buffer. When the player is
    // not closed, does nothing and leaves the buffer to the caller.
    int Open(std::unique_ptr<std::uint8_t[]>& clipData, std::uint32_t length);
    // Fixes the play range (clamped to the clip) and decodes the first
    // quarter of the block. Only when open and stopped; result 0.
    int Prepare(std::uint32_t startMs, std::uint32_t endMs);
    void Play();
    // Plays the same part of the block at `tempo` times its speed with its
    // pitch kept (the default is a learner's pace, 70 %). In the player's
    // states it is a Play: Stop ends it, and Stop then PlaySlowly replays it.
    // A tempo outside kMinTempo..kMaxTempo plays nothing.
    void PlaySlowly(double tempo = kSlowTempo);
    void Pause();
    void Resume();
    void Stop();
    void Close();

    // What the player holds, for tests and tools.
    State CurrentState() const { return state; }
    std::uint32_t FramesInBlock() const { return framesInBlock; }
    std::uint32_t StartMs() const { return startMs; }
    std::uint32_t EndMs() const { return endMs; }
    std::uint32_t ClipDurationMs() const;
    // The frames of a clip whose bitrate changes; 0 when every frame has the first one's.
    std::uint32_t CountFramesIfVariable() const;
    // The frame's bytes all lie in the audio data, none in the zeros after it.
    bool LiesInsideAudio(const FrameWalker::Frame& frame) const;
    const FirstFrame& FirstFrameValues() const { return first; }
    const platform::WaveFormat& Format() const { return format; }
    // PCM bytes of one frame, and the block (kBlockFrames frames of them).
    std::uint32_t FrameBytes() const { return frameBytes; }
    const std::uint8_t* Block() const { return pcm.get(); }
    // Frames stepped through (decoded or left silent) since Open.
    std::uint32_t FramesStepped() const { return framesStepped; }

private:
    int Refuse(OpenResult why);
    void DecodeRest();
    // The bytes of the block from the start point on: what Play writes.
    std::span<const std::uint8_t> PlayedPart() const;
    void WriteToDevice(const std::uint8_t* data, std::uint32_t length);
    void DecodeFrames(std::uint32_t from, std::uint32_t to);
    void DecodeFrame(std::uint32_t slot);
    // Decodes the stream's next frame into one slot and steps over it; false
    // when nothing was written there.
    bool DecodeFrameInto(std::uint8_t* slotBytes);
    std::uint32_t FrameLength() const;
    // A block of `size` bytes, the spare one when it is large enough.
    std::unique_ptr<std::uint8_t[]> TakeBlock(std::size_t size);
    void ResetFields();

    platform::WaveOut& device;

    bool restDecoded = false;
    State state = kClosed;
    std::uint32_t framesInBlock = kBlockFrames;
    // The player's copy of the clip, followed by zeros: bytes read past the
    // audio data (a header check near the end) are zeros, never another
    // buffer's bytes.
    std::unique_ptr<std::uint8_t[]> clip;
    const std::uint8_t* audio = nullptr;
    FrameWalker walker{nullptr, 0};
    platform::WaveFormat format;
    MpaFrameJob job{};
    MpaFrameInfo info{};
    platform::WaveBlock header;
    std::unique_ptr<std::uint8_t[]> pcm;
    std::size_t pcmSize = 0;
    // The last clip's block, kept when the player closes so that the next
    // clip of the same format reuses it instead of mapping and faulting in a
    // fresh megabyte on every selection. Never read: Block() is empty while
    // closed, and every slot a clip plays is written before it is played.
    std::unique_ptr<std::uint8_t[]> spareBlock;
    std::size_t spareBlockSize = 0;
    std::uint32_t audioLength = 0;
    // A clip whose frames change bitrate is timed by the frames it holds, not
    // by its length at the first frame's bitrate; 0 for a constant bitrate.
    std::uint32_t variableFrames = 0;
    std::uint32_t startMs = 0;
    std::uint32_t endMs = 0;
    FirstFrame first;
    // Fixed at Open from the first frame: every slot of the block has this
    // size, whatever a later (perhaps damaged) header claims.
    std::uint32_t frameBytes = 0;
    std::uint32_t framesSkipped = 0;
    std::uint32_t framesStepped = 0;
    // The played part stretched to `slowTempo`, once PlaySlowly has made it.
    std::optional<std::vector<std::uint8_t>> slowBlock;
    double slowTempo = 0;
};
