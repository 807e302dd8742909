// Frame after frame through MPEG audio, and finding the stream again after damage.

#include "framewalker.h"

#include <algorithm>

namespace {

constexpr std::size_t kWindow = std::size_t(1) << 20;

bool SameStream(const MpaFrameInfo& a, const MpaFrameInfo& b)
{
    return a.version == b.version && a.layer == b.layer && a.sampleRateIndex == b.sampleRateIndex &&
           (a.mode == 3) == (b.mode == 3);
}

} // namespace

FrameWalker::FrameWalker(const std::uint8_t* audio, std::size_t size, std::size_t zerosAfter)
    : audio(audio), size(size), zerosAfter(zerosAfter)
{
}

std::int32_t FrameWalker::ReadableAt(std::size_t at) const
{
    return at > size ? 0 : std::int32_t(std::min(size - at + zerosAfter, kWindow));
}

std::optional<FrameWalker::Frame> FrameWalker::ReadFrame(std::size_t at, bool primary) const
{
    Frame frame;
    frame.position = at;
    if (at + 4 > size || !MpaGetStreamInfo(audio + at, ReadableAt(at), &frame.info, primary))
        return std::nullopt;
    frame.length = MpaFrameLength(&frame.info);
    return frame;
}

std::optional<FrameWalker::Frame> FrameWalker::FindStream(std::size_t from)
{
    const std::optional<std::size_t> found = Search(from, nullptr);
    return found ? Follow(*found) : std::nullopt;
}

std::optional<FrameWalker::Frame> FrameWalker::Follow(std::size_t at)
{
    const std::optional<Frame> frame = ReadFrame(at, true);
    if (frame) {
        stream = last = frame->info;
        position = at;
    }
    return frame;
}

bool FrameWalker::StreamGoesOnAt(std::size_t at) const
{
    const std::optional<Frame> frame = ReadFrame(at, false);
    return frame && SameStream(frame->info, stream);
}

// The last frame's length, long or short by the padding slot, where the
// stream goes on after it. A frame that carries a VBR header has a length of
// its own, which says nothing of the next.
std::optional<FrameWalker::Frame> FrameWalker::DamagedFrame() const
{
    if (last.headerFrameSize != 0)
        return std::nullopt;
    for (const std::int32_t length : {last.frameSize, last.frameSizePadded}) {
        if (length > 0 && StreamGoesOnAt(position + std::size_t(length)))
            return Frame{position, last, length, true};
    }
    return std::nullopt;
}

std::optional<FrameWalker::Frame> FrameWalker::Next()
{
    std::optional<Frame> frame = ReadFrame(position, true);
    if (!frame || !SameStream(frame->info, stream))
        frame = DamagedFrame();
    if (!frame) {
        const std::optional<std::size_t> found = Search(position + 1, &stream);
        frame = found ? ReadFrame(*found, true) : std::nullopt;
    }
    if (!frame) {
        position = size;
        return std::nullopt;
    }
    if (!frame->damaged)
        last = frame->info;
    position = frame->position + std::size_t(frame->length);
    return frame;
}

// The first position at or after `from` where a frame header stands whose
// successor is a header of the same stream.
std::optional<std::size_t> FrameWalker::Search(std::size_t from, const MpaFrameInfo* wanted) const
{
    while (from + 4 <= size) {
        std::int32_t offset = 0;
        const auto window = std::int32_t(std::min(size - from, kWindow));
        if (!MpaFindSync(audio + from, window, &offset)) {
            if (from + std::size_t(window) >= size)
                return std::nullopt;
            from += std::size_t(window) - 3; // a pattern may straddle the window's end
            continue;
        }
        const std::size_t at = from + std::size_t(offset);
        const std::optional<Frame> candidate = ReadFrame(at, false);
        if (candidate && (!wanted || SameStream(candidate->info, *wanted))) {
            // A frame with no room for a successor is taken only where the
            // data starts with it or where it continues a known stream.
            const std::size_t next = at + std::size_t(candidate->length);
            const bool last = next + 4 > size && (wanted || at == 0);
            const std::optional<Frame> successor = last ? std::nullopt : ReadFrame(next, false);
            if (last || (successor && SameStream(candidate->info, successor->info)))
                return at;
        }
        from = at + 1;
    }
    return std::nullopt;
}
