// decode: turns a whole MPEG audio file (bare, or in one of the RIFF layouts
// the player accepts) into a WAV file, frame after frame, with the decoder's
// output options. Damaged stretches are skipped by searching for the next
// frame header; only a file with nothing decodable in it is an error.

#include "cfile.h"
#include "container.h"
#include "mpadecoder.h"
#include "subcommands.h"

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

struct DecodeOptions {
    std::string input, output;
    MpaOptions decoder{0, 0, 24000};
};

struct Choice {
    const char* word;
    int value;
};

constexpr Choice kRates[] = {{"full", 0}, {"half", 1}, {"quarter", 2}};
constexpr Choice kChannels[] = {
    {"both", kMpaChannelsBoth}, {"mix", kMpaChannelsMix}, {"left", kMpaChannelsLeft}, {"right", kMpaChannelsRight}};
constexpr Choice kBits[] = {{"16", 0}, {"8", kMpaOutput8Bit}};

template <size_t N>
std::optional<int> Pick(const Choice (&choices)[N], const std::string& word)
{
    for (const Choice& choice : choices)
        if (word == choice.word)
            return choice.value;
    return std::nullopt;
}

std::optional<DecodeOptions> ParseArguments(const Arguments& args)
{
    DecodeOptions options;
    std::vector<std::string> files;
    int channels = 0, bits = 0;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (word.rfind("--", 0) != 0) {
            files.push_back(word);
            continue;
        }
        if (i + 1 >= args.size())
            return std::nullopt;
        const std::string& value = args[++i];
        std::optional<int> picked;
        if (word == "--rate" && (picked = Pick(kRates, value)))
            options.decoder.rateShift = *picked;
        else if (word == "--channels" && (picked = Pick(kChannels, value)))
            channels = *picked;
        else if (word == "--bits" && (picked = Pick(kBits, value)))
            bits = *picked;
        else
            return std::nullopt;
    }
    if (files.size() != 2)
        return std::nullopt;
    options.input = files[0];
    options.output = files[1];
    options.decoder.outputFlags = channels | bits;
    return options;
}

// The bytes a frame occupies: a frame that carries a VBR header has a length
// of its own; any other frame is long or short by its padding bit.
int32_t FrameLength(const MpaFrameInfo& info)
{
    if (info.headerFrameSize)
        return info.headerFrameSize;
    return info.padding ? info.frameSizePadded : info.frameSize;
}

bool SameStream(const MpaFrameInfo& a, const MpaFrameInfo& b)
{
    return a.version == b.version && a.layer == b.layer && a.sampleRateIndex == b.sampleRateIndex &&
           (a.mode == 3) == (b.mode == 3);
}

// The first position at or after `from` where a frame header stands whose
// successor is a header of the same stream: one lone sync pattern in damaged
// data is not taken for a frame.
std::optional<size_t> FindFrame(const std::vector<uint8_t>& audio, size_t from, const MpaFrameInfo* stream)
{
    while (from + 4 <= audio.size()) {
        int32_t offset = 0;
        const uint8_t* at = audio.data() + from;
        if (!MpaFindSync(at, int32_t(audio.size() - from), &offset))
            return std::nullopt;
        const size_t position = from + size_t(offset);
        const int32_t remaining = int32_t(audio.size() - position);
        MpaFrameInfo info{}, next{};
        if (MpaGetStreamInfo(audio.data() + position, remaining, &info, 0) && (!stream || SameStream(info, *stream))) {
            // A frame with no room for a successor is taken only where the
            // data starts with it or where it continues a known stream.
            const int32_t length = FrameLength(info);
            const bool last = length + 4 > remaining && (stream || position == 0);
            if (last || (MpaGetStreamInfo(audio.data() + position + length, remaining - length, &next, 0) &&
                         SameStream(info, next)))
                return position;
        }
        from = position + 1;
    }
    return std::nullopt;
}

void PutLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(uint8_t(value >> (8 * i)));
}

bool WriteWave(const std::string& path, const std::vector<uint8_t>& pcm, const MpaFrameInfo& format)
{
    const uint32_t blockAlign = uint32_t(format.outChannels * format.outBits / 8);
    std::vector<uint8_t> header;
    header.insert(header.end(), {'R', 'I', 'F', 'F'});
    PutLittleEndian(header, uint32_t(36 + pcm.size()), 4);
    header.insert(header.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLittleEndian(header, 16, 4);
    PutLittleEndian(header, 1, 2); // integer PCM
    PutLittleEndian(header, uint32_t(format.outChannels), 2);
    PutLittleEndian(header, uint32_t(format.outRate), 4);
    PutLittleEndian(header, uint32_t(format.outRate) * blockAlign, 4);
    PutLittleEndian(header, blockAlign, 2);
    PutLittleEndian(header, uint32_t(format.outBits), 2);
    header.insert(header.end(), {'d', 'a', 't', 'a'});
    PutLittleEndian(header, uint32_t(pcm.size()), 4);

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(header.data(), 1, header.size(), file) == header.size() &&
                         std::fwrite(pcm.data(), 1, pcm.size(), file) == pcm.size();
    return std::fclose(file) == 0 && written;
}

// The MPEG audio inside the file: the player's layouts, or the whole file.
std::vector<uint8_t> AudioOf(const std::vector<uint8_t>& file)
{
    const std::optional<ClipAudio> located = LocateAudio(file.data(), uint32_t(file.size()));
    if (!located)
        return file;
    const auto start = file.begin() + located->start;
    return std::vector<uint8_t>(start, start + located->length);
}

} // namespace

int RunDecode(const Arguments& args)
{
    const std::optional<DecodeOptions> options = ParseArguments(args);
    if (!options) {
        std::fprintf(stderr, "usage: tessaly-tool decode INPUT OUTPUT.wav [--rate full|half|quarter] "
                             "[--channels both|mix|left|right] [--bits 16|8]\n");
        return 2;
    }
    const std::optional<std::vector<uint8_t>> file = ReadWholeFile(options->input);
    if (!file) {
        std::fprintf(stderr, "tessaly-tool: cannot read %s\n", options->input.c_str());
        return 1;
    }
    std::vector<uint8_t> audio = AudioOf(*file);

    MpaInit();
    MpaSetOptions(&options->decoder);
    const std::optional<size_t> first = FindFrame(audio, 0, nullptr);
    MpaFrameInfo stream{};
    if (!first || !MpaGetStreamInfo(audio.data() + *first, int32_t(audio.size() - *first), &stream, 1)) {
        std::fprintf(stderr, "tessaly-tool: no MPEG audio frame in %s\n", options->input.c_str());
        return 1;
    }
    MpaStartStream(audio.data() + *first, int32_t(audio.size() - *first));

    std::vector<uint8_t> pcm;
    size_t frames = 0;
    size_t position = *first;
    while (position + 4 <= audio.size()) {
        const int32_t remaining = int32_t(audio.size() - position);
        MpaFrameInfo info{};
        const bool parsed = MpaGetStreamInfo(audio.data() + position, remaining, &info, 1);
        if (!parsed || !SameStream(info, stream)) {
            const std::optional<size_t> next = FindFrame(audio, position + 1, &stream);
            if (!next)
                break;
            position = *next;
            continue;
        }
        const int32_t length = FrameLength(info);
        if (info.headerFrameSize) { // a VBR header frame carries no sound
            position += size_t(length);
            continue;
        }
        // The last frame may be cut short: what it has is decoded, the rest
        // of it reads as zeros.
        std::vector<uint8_t> shortFrame;
        const uint8_t* frame = audio.data() + position;
        if (length > remaining) {
            shortFrame.assign(frame, frame + remaining);
            shortFrame.resize(size_t(length), 0);
            frame = shortFrame.data();
        }
        const size_t at = pcm.size();
        pcm.resize(at + size_t(stream.outBytesPerFrame), options->decoder.outputFlags & kMpaOutput8Bit ? 0x80 : 0);
        MpaFrameJob job{};
        job.frame = frame;
        job.length = length;
        job.output = pcm.data() + at;
        job.outputSize = stream.outBytesPerFrame;
        if (!MpaDecodeFrame(&job)) {
            pcm.resize(at);
            const std::optional<size_t> next = FindFrame(audio, position + 1, &stream);
            if (!next)
                break;
            position = *next;
            continue;
        }
        ++frames;
        position += size_t(length);
    }

    if (frames == 0) {
        std::fprintf(stderr, "tessaly-tool: nothing in %s could be decoded\n", options->input.c_str());
        return 1;
    }
    if (!WriteWave(options->output, pcm, stream)) {
        std::fprintf(stderr, "tessaly-tool: cannot write %s\n", options->output.c_str());
        return 1;
    }
    return 0;
}
