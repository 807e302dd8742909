// decode: turns a whole MPEG audio file (bare, or in one of the RIFF layouts
// the player accepts) into a WAV file, frame after frame, with the decoder's
// output options. Damaged stretches are skipped by searching for the next
// frame header; only a file with nothing decodable in it is an error. Each
// frame's PCM goes to the file as soon as it is decoded, so memory holds the
// input and one frame, however long the sound.

#include "cfile.h"
#include "container.h"
#include "decode_wave_writer.h"
#include "mpadecoder.h"
#include "subcommands.h"
#include "wavefile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <variant>
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

constexpr Choice kRateChoices[] = {{"full", 0}, {"half", 1}, {"quarter", 2}};
constexpr Choice kChannelChoices[] = {
    {"both", kMpaChannelsBoth}, {"mix", kMpaChannelsMix}, {"left", kMpaChannelsLeft}, {"right", kMpaChannelsRight}};
constexpr Choice kBitChoices[] = {{"16", 0}, {"8", kMpaOutput8Bit}};

std::optional<int> Pick(std::span<const Choice> choices, const std::string& word)
{
    for (const Choice& choice : choices)
        if (word == choice.word)
            return choice.value;
    return std::nullopt;
}

const QCommandLineOption kRate(QStringLiteral("rate"), QStringLiteral("Output rate: full, half or quarter."),
                               QStringLiteral("full|half|quarter"), QStringLiteral("full"));
const QCommandLineOption kChannels(QStringLiteral("channels"), QStringLiteral("Output channels: both, mix, left or right."),
                                   QStringLiteral("both|mix|left|right"), QStringLiteral("both"));
const QCommandLineOption kBits(QStringLiteral("bits"), QStringLiteral("Bits per output sample: 16 or 8."),
                               QStringLiteral("16|8"), QStringLiteral("16"));

// The options' values, or the first that is not one of its choices.
std::variant<DecodeOptions, QString> ReadOptions(const QCommandLineParser& parser)
{
    struct Named {
        const QCommandLineOption& option;
        std::span<const Choice> choices;
        int* value;
    };
    DecodeOptions options;
    int channels = 0, bits = 0;
    const Named named[] = {{kRate, kRateChoices, &options.decoder.rateShift}, {kChannels, kChannelChoices, &channels},
                           {kBits, kBitChoices, &bits}};
    for (const Named& n : named) {
        const std::string word = parser.value(n.option).toStdString();
        const std::optional<int> picked = Pick(n.choices, word);
        if (!picked)
            return QStringLiteral("--%1 takes %2, not '%3'")
                .arg(n.option.names().constFirst(), n.option.valueName(), parser.value(n.option));
        *n.value = *picked;
    }
    options.input = PathArgument(parser, 0);
    options.output = PathArgument(parser, 1);
    options.decoder.outputFlags = channels | bits;
    return options;
}

// MPEG audio in memory. The decoder takes lengths in 32 bits and never
// needs more than a frame and its successor's header, so it is offered at
// most a window at a time, however long the file.
struct Audio {
    const uint8_t* bytes = nullptr;
    size_t size = 0;

    static constexpr size_t kWindow = size_t(1) << 20;
    int32_t ReadableAt(size_t position) const { return int32_t(std::min(size - position, kWindow)); }
};

// The MPEG audio inside the file: the player's layouts, or the whole file.
Audio AudioOf(const std::vector<uint8_t>& file)
{
    // A RIFF layout describes itself in 32 bits: a larger file is bare audio.
    const auto described = uint32_t(std::min<size_t>(file.size(), std::numeric_limits<uint32_t>::max()));
    const std::optional<ClipAudio> located = LocateAudio(file.data(), described);
    if (!located)
        return {file.data(), file.size()};
    return {file.data() + located->start, located->length};
}

bool SameStream(const MpaFrameInfo& a, const MpaFrameInfo& b)
{
    return a.version == b.version && a.layer == b.layer && a.sampleRateIndex == b.sampleRateIndex &&
           (a.mode == 3) == (b.mode == 3);
}

// The first position at or after `from` where a frame header stands whose
// successor is a header of the same stream: one lone sync pattern in damaged
// data is not taken for a frame.
std::optional<size_t> FindFrame(const Audio& audio, size_t from, const MpaFrameInfo* stream)
{
    while (from + 4 <= audio.size) {
        int32_t offset = 0;
        const int32_t window = audio.ReadableAt(from);
        if (!MpaFindSync(audio.bytes + from, window, &offset)) {
            if (from + size_t(window) >= audio.size)
                return std::nullopt;
            from += size_t(window) - 3; // a pattern may straddle the window's end
            continue;
        }
        const size_t position = from + size_t(offset);
        const int32_t remaining = audio.ReadableAt(position);
        MpaFrameInfo info{}, next{};
        if (MpaGetStreamInfo(audio.bytes + position, remaining, &info, 0) && (!stream || SameStream(info, *stream))) {
            // A frame with no room for a successor is taken only where the
            // data starts with it or where it continues a known stream.
            const int32_t length = MpaFrameLength(&info);
            const bool last = length + 4 > remaining && (stream || position == 0);
            if (last || (MpaGetStreamInfo(audio.bytes + position + length, remaining - length, &next, 0) &&
                         SameStream(info, next)))
                return position;
        }
        from = position + 1;
    }
    return std::nullopt;
}

platform::WaveFormat WaveFormatOf(const MpaFrameInfo& stream)
{
    const auto blockAlign = uint16_t(stream.outChannels * stream.outBits / 8);
    return {platform::kWaveFormatPcm, uint16_t(stream.outChannels),     uint32_t(stream.outRate),
            uint32_t(stream.outRate) * blockAlign, blockAlign, uint16_t(stream.outBits), 0};
}

// One pass over the stream from its first frame, each frame's PCM straight
// into the WAV file.
class FrameLoop {
public:
    FrameLoop(const Audio& audio, const MpaFrameInfo& stream, DecodeWaveWriter& out, bool eightBit)
        : audio(audio), stream(stream), out(out), pcm(size_t(stream.outBytesPerFrame)),
          silence(pcm.size(), eightBit ? 0x80 : 0)
    {
    }

    // False when the file could not take the PCM.
    bool Run(size_t position)
    {
        while (position + 4 <= audio.size) {
            MpaFrameInfo info{};
            const bool parsed = MpaGetStreamInfo(audio.bytes + position, audio.ReadableAt(position), &info, 1);
            if (!parsed || !SameStream(info, stream)) {
                const std::optional<size_t> next = FindFrame(audio, position + 1, &stream);
                if (!next)
                    break;
                position = *next;
                continue;
            }
            const int32_t length = MpaFrameLength(&info);
            // A VBR header frame carries no sound.
            if (!info.headerFrameSize && !DecodeFrame(position, length))
                return false;
            position += size_t(length);
        }
        return true;
    }

    size_t framesDecoded = 0;

private:
    // A frame of the stream that the decoder refuses (its main data lies
    // before the first frame) still takes its time: it is written as silence.
    bool DecodeFrame(size_t position, int32_t length)
    {
        MpaFrameJob job{};
        job.frame = WholeFrame(position, length);
        job.length = length;
        job.output = pcm.data();
        job.outputSize = int32_t(pcm.size());
        const bool decoded = MpaDecodeFrame(&job) != 0;
        framesDecoded += decoded;
        return out.Append(decoded ? pcm.data() : silence.data(), pcm.size());
    }

    // The last frame may be cut short: what it has is decoded, the rest of
    // it reads as zeros.
    const uint8_t* WholeFrame(size_t position, int32_t length)
    {
        const uint8_t* frame = audio.bytes + position;
        const size_t remaining = audio.size - position;
        if (size_t(length) <= remaining)
            return frame;
        shortFrame.assign(frame, frame + remaining);
        shortFrame.resize(size_t(length), 0);
        return shortFrame.data();
    }

    const Audio& audio;
    const MpaFrameInfo& stream;
    DecodeWaveWriter& out;
    std::vector<uint8_t> pcm, silence, shortFrame;
};

int Fail(const char* message, const std::string& path)
{
    std::fprintf(stderr, "tessaly-tool: %s %s\n", message, path.c_str());
    return 1;
}

} // namespace

void DeclareDecode(QCommandLineParser& parser)
{
    parser.addOptions({kRate, kChannels, kBits});
    parser.addPositionalArgument(QStringLiteral("INPUT"), QStringLiteral("The MPEG audio file, bare or in a RIFF layout."));
    parser.addPositionalArgument(QStringLiteral("OUTPUT.wav"), QStringLiteral("The WAVE file to write."));
}

int RunDecode(const QCommandLineParser& parser)
{
    const std::variant<DecodeOptions, QString> read = ReadOptions(parser);
    if (const QString* refusal = std::get_if<QString>(&read))
        return RefuseArgument(parser, *refusal);
    const DecodeOptions* options = &std::get<DecodeOptions>(read);
    const std::optional<std::vector<uint8_t>> file = ReadWholeFile(options->input);
    if (!file)
        return Fail("cannot read", options->input);
    const Audio audio = AudioOf(*file);

    MpaInit();
    MpaSetOptions(&options->decoder);
    const std::optional<size_t> first = FindFrame(audio, 0, nullptr);
    MpaFrameInfo stream{};
    if (!first || !MpaGetStreamInfo(audio.bytes + *first, audio.ReadableAt(*first), &stream, 1))
        return Fail("no MPEG audio frame in", options->input);
    MpaStartStream(audio.bytes + *first, audio.ReadableAt(*first));

    DecodeWaveWriter out(options->output, WaveFormatOf(stream));
    if (!out.Open())
        return Fail("cannot write", options->output);
    FrameLoop loop(audio, stream, out, (options->decoder.outputFlags & kMpaOutput8Bit) != 0);
    const bool written = loop.Run(*first);
    if (out.tooLong) {
        std::fprintf(stderr, "tessaly-tool: the sound in %s is too long for a WAV file (at most %llu bytes of PCM)\n",
                     options->input.c_str(), static_cast<unsigned long long>(kMostWaveDataBytes));
        return 1;
    }
    if (!written)
        return Fail("cannot write", options->output);
    if (loop.framesDecoded == 0) {
        std::fprintf(stderr, "tessaly-tool: nothing in %s could be decoded\n", options->input.c_str());
        return 1;
    }
    if (!out.Finish())
        return Fail("cannot write", options->output);
    return 0;
}
