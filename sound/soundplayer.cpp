// The pronunciation player: state table, stream set-up and the split decoding
// of the block.

#include "soundplayer.h"
#include "playertime.h"
#include "tempo.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace {

// Zeros kept after the clip copy, so that every position inside the audio
// has at least this many readable bytes: a frame header is examined against
// them (a VBR header lies a few dozen bytes in), and a clip shorter than its
// first frame is started on that whole frame. The longest frame is Layer II
// at 160 kbit/s and 8000 Hz: 2,880 bytes and a padding slot.
constexpr std::size_t kReadAhead = 4096;
static_assert(kReadAhead > 160u * 144000 / 8000);

} // namespace

CSoundPlayer::CSoundPlayer(platform::WaveOut& device) : device(device) {}

CSoundPlayer::~CSoundPlayer()
{
    if (state != kClosed)
        Close();
}

std::uint32_t CSoundPlayer::ClipDurationMs() const
{
    if (variableFrames > 0)
        return std::uint32_t(double(variableFrames) * first.frameMs);
    return DurationMs(audioLength, first.kbps);
}

std::uint32_t CSoundPlayer::CountFramesIfVariable() const
{
    FrameWalker counter(audio, audioLength, kReadAhead);
    std::uint32_t frames = 0;
    bool variable = false;
    // Following the first frame's stream leaves the counter standing on that frame.
    if (!counter.Follow(0))
        return 0;
    while (const std::optional<FrameWalker::Frame> frame = counter.Next()) {
        if (frame->damaged || !LiesInsideAudio(*frame))
            continue;
        ++frames;
        variable = variable || frame->info.bitrate != info.bitrate;
    }
    return variable ? frames : 0;
}

bool CSoundPlayer::LiesInsideAudio(const FrameWalker::Frame& frame) const
{
    return std::size_t(frame.length) <= audioLength - frame.position;
}

int CSoundPlayer::Open(std::unique_ptr<std::uint8_t[]>& clipData, std::uint32_t length)
{
    if (state != kClosed)
        return kOpened;

    ResetFields();
    if (!clipData)
        length = 0;
    clip.reset(new (std::nothrow) std::uint8_t[std::size_t(length) + kReadAhead]);
    if (!clip) {
        clipData.reset();
        return kOutOfMemory;
    }
    if (length > 0)
        std::memcpy(clip.get(), clipData.get(), length);
    clipData.reset();

    const std::optional<ClipAudio> located = LocateAudio(clip.get(), length);
    if (!located)
        return Refuse(kUnknownLayout);
    audio = clip.get() + located->start;
    audioLength = located->length;
    // Whatever follows the audio (a dropped tag, then the read-ahead) reads
    // as zeros: no byte past the audio data takes part in decoding.
    std::fill(clip.get() + located->start + audioLength, clip.get() + length + kReadAhead, 0);

    first = ReadFirstFrame(audio, audioLength);
    if (first.version == MpegVersion::None)
        return Refuse(kNoFirstFrame);
    if (!first.IsTimed() || ClipDurationMs() == 0)
        return Refuse(kUntimed);
    format = DeviceFormat(first);

    MpaInit();
    walker = FrameWalker(audio, audioLength, kReadAhead);
    const std::optional<FrameWalker::Frame> firstFrame = walker.Follow(0);
    if (!firstFrame || firstFrame->info.outBytesPerFrame <= 0)
        return Refuse(kNoFirstFrame);
    info = firstFrame->info;
    variableFrames = CountFramesIfVariable();
    // The stream is started on at least its first frame's bytes (the zeros
    // after a very short clip are there to be read), so that a clip shorter
    // than one frame still gets its layer decoder.
    const std::uint32_t streamBytes = std::max<std::uint32_t>(audioLength, first.frameSize);
    MpaStartStream(audio, std::int32_t(std::min<std::uint32_t>(streamBytes, std::numeric_limits<std::int32_t>::max())));
    frameBytes = std::uint32_t(info.outBytesPerFrame);

    pcmSize = std::size_t(frameBytes) * kBlockFrames;
    pcm = TakeBlock(pcmSize);
    if (!pcm)
        return kOutOfMemory; // still closed; the clip copy goes at the next Close or Open

    // Without a sound device the open fails; the player runs on silently.
    device.Open(format);
    state = kOpen;
    return kOpened;
}

int CSoundPlayer::Refuse(OpenResult why)
{
    ResetFields();
    return why;
}

int CSoundPlayer::Prepare(std::uint32_t newStartMs, std::uint32_t newEndMs)
{
    if (state != kOpen)
        return 0;
    startMs = newStartMs;
    endMs = newEndMs;
    const std::uint32_t duration = ClipDurationMs();
    if (startMs > endMs) {
        startMs = 0;
        endMs = duration;
    }
    if (startMs == 0 && endMs == 0)
        endMs = variableFrames > 0 ? duration : WholeFramesMs(audioLength, first.frameSize, first.kbps);
    if (duration < startMs)
        startMs = 0;
    if (duration < endMs)
        endMs = duration;

    framesSkipped = FramesIn(startMs, first.frameMs);
    std::uint32_t endFrame = FramesIn(endMs, first.frameMs) + 1;
    // A clip timed by its frames gets no slot past its last frame.
    if (variableFrames > 0)
        endFrame = std::max(std::min(endFrame, variableFrames), framesSkipped + 1);
    const std::uint32_t wanted = endFrame - framesSkipped;
    framesInBlock = std::min(wanted, kBlockFrames);

    job = MpaFrameJob{};
    // Frames before the start point are stepped over by the first frame's
    // length, without decoding (the walker stands at 0 after Open); frames
    // of changing lengths one by one.
    if (variableFrames > 0)
        for (std::uint32_t skipped = 0; skipped < framesSkipped && walker.Next(); ++skipped) {}
    else
        walker.JumpTo(std::size_t(framesSkipped) * FrameLength());
    DecodeFrames(0, framesInBlock / 4);
    restDecoded = false;
    slowBlock.reset();
    return 0;
}

std::unique_ptr<std::uint8_t[]> CSoundPlayer::TakeBlock(std::size_t size)
{
    if (spareBlock && spareBlockSize >= size)
        return std::move(spareBlock);
    spareBlock.reset();
    return std::unique_ptr<std::uint8_t[]>(new (std::nothrow) std::uint8_t[size]);
}

std::uint32_t CSoundPlayer::FrameLength() const
{
    // A frame that carries a variable-bitrate header describes the stream's
    // shortest and longest frames in its sizes; stepping by either would land
    // inside it, so it is stepped by its own length.
    return std::uint32_t(MpaFrameLength(&info));
}

void CSoundPlayer::DecodeFrames(std::uint32_t from, std::uint32_t to)
{
    for (std::uint32_t slot = from; slot < to; ++slot)
        DecodeFrame(slot);
}

void CSoundPlayer::DecodeFrame(std::uint32_t slot)
{
    ++framesStepped;
    std::uint8_t* const slotBytes = pcm.get() + std::size_t(slot) * frameBytes;
    // A slot is silent unless its frame decodes: past the end of the audio
    // (no header), outside it, or refused by the decoder.
    if (!DecodeFrameInto(slotBytes))
        std::memset(slotBytes, 0, frameBytes);
}

bool CSoundPlayer::DecodeFrameInto(std::uint8_t* slotBytes)
{
    // Past the end of the audio there is no frame; a damaged one keeps its
    // slot, silent.
    const std::optional<FrameWalker::Frame> frame = walker.Next();
    if (!frame || frame->damaged)
        return false;
    info = frame->info;
    MpaCopyHeaderFields(&info, &job);
    job.bitrate = info.bitrate;
    job.frame = audio + frame->position;
    job.length = frame->length;
    job.output = slotBytes;
    job.outputSize = std::int32_t(frameBytes);
    // Only a frame that lies wholly inside the audio data is decoded, and only
    // when it decodes to exactly one slot: a later header that claims more
    // channels or samples than the first must not write past its slot.
    return LiesInsideAudio(*frame) && info.outBytesPerFrame == std::int32_t(frameBytes) && MpaDecodeFrame(&job) != 0;
}

void CSoundPlayer::Play()
{
    if (state == kClosed)
        return;
    DecodeRest();
    const std::span<const std::uint8_t> played = PlayedPart();
    WriteToDevice(played.data(), std::uint32_t(played.size()));
}

void CSoundPlayer::PlaySlowly(double tempo)
{
    if (state == kClosed || !IsStretchableTempo(tempo))
        return;
    DecodeRest();
    // Made once per clip and tempo, from the very samples Play writes; a
    // replay writes it again as it stands.
    if (!slowBlock || slowTempo != tempo) {
        const std::span<const std::uint8_t> played = PlayedPart();
        slowBlock = StretchTempo(played.data(), std::uint32_t(played.size()), format.channels,
                                 format.samplesPerSecond, tempo);
        slowTempo = tempo;
    }
    WriteToDevice(slowBlock->data(), std::uint32_t(slowBlock->size()));
}

void CSoundPlayer::DecodeRest()
{
    if (restDecoded)
        return;
    DecodeFrames(framesInBlock / 4, framesInBlock);
    restDecoded = true;
}

std::span<const std::uint8_t> CSoundPlayer::PlayedPart() const
{
    // The block begins at the start point's byte inside its first frame. The
    // offset is kept inside the block and on a whole sample of every channel,
    // so no start point sends the device outside the buffer or out of step.
    const std::int64_t blockBytes = std::int64_t(frameBytes) * framesInBlock;
    std::int64_t offset = std::int64_t(PcmBytesAt(startMs, first.rate, first.channels)) -
                          std::int64_t(framesSkipped) * frameBytes;
    offset = std::clamp<std::int64_t>(offset, 0, blockBytes);
    offset -= offset % std::max<std::int64_t>(format.blockAlign, 1);
    return {pcm.get() + offset, std::size_t(blockBytes - offset)};
}

void CSoundPlayer::WriteToDevice(const std::uint8_t* data, std::uint32_t length)
{
    state = kPlaying;
    header = platform::WaveBlock{};
    header.data = data;
    header.length = length;
    device.Prepare(header);
    device.Write(header);
}

void CSoundPlayer::Stop()
{
    if (state != kPlaying && state != kPaused)
        return;
    state = kOpen;
    device.Reset();
    device.Unprepare(header);
}

void CSoundPlayer::Pause()
{
    if (state != kPlaying)
        return;
    device.Pause();
    state = kPaused;
}

void CSoundPlayer::Resume()
{
    if (state != kPaused)
        return;
    device.Restart();
    state = kPlaying;
}

void CSoundPlayer::Close()
{
    restDecoded = false;
    if (state == kPlaying || state == kPaused)
        Stop();
    if (state != kClosed)
        device.Close();
    ResetFields();
    state = kClosed;
}

void CSoundPlayer::ResetFields()
{
    restDecoded = false;
    framesInBlock = kBlockFrames;
    clip.reset();
    audio = nullptr;
    walker = FrameWalker(nullptr, 0);
    format = platform::WaveFormat{};
    job = MpaFrameJob{};
    info = MpaFrameInfo{};
    header = platform::WaveBlock{};
    if (pcm) {
        spareBlock = std::move(pcm);
        spareBlockSize = pcmSize;
    }
    pcmSize = 0;
    audioLength = 0;
    variableFrames = 0;
    startMs = 0;
    endMs = 0;
    first = FirstFrame{};
    frameBytes = 0;
    framesSkipped = 0;
    framesStepped = 0;
    slowBlock.reset();
    slowTempo = 0;
}
