// decode: turns a whole MPEG audio file (bare, or in one of the RIFF layouts
// the player accepts) into a WAV file, frame after frame, with the decoder's
// output options. Damaged stretches are skipped by searching for the next
// frame header; only a file with nothing decodable in it is an error. Each
// frame's PCM goes to the file as soon as it is decoded, so memory holds the
// input and one frame, however long the sound.

#include "cfile.h"
#include "container.h"
#include "decode_wave_writer.h"
#include "framewalker.h"
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

// MPEG audio in memory.
struct Audio {
    const uint8_t* bytes = nullptr;
    size_t size = 0;
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
    FrameLoop(const Audio& audio, FrameWalker& walker, const MpaFrameInfo& stream, DecodeWaveWriter& out, bool eightBit)
        : audio(audio), walker(walker), out(out), pcm(size_t(stream.outBytesPerFrame)),
          silence(pcm.size(), eightBit ? 0x80 : 0)
    {
    }

    // False when the file could not take the PCM.
    bool Run()
    {
        while (const std::optional<FrameWalker::Frame> frame = walker.Next()) {
            // A VBR header frame carries no sound; a damaged one is skipped.
            if (!frame->damaged && !frame->info.headerFrameSize && !DecodeFrame(frame->position, frame->length))
                return false;
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
    FrameWalker& walker;
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
    FrameWalker walker(audio.bytes, audio.size);
    const std::optional<FrameWalker::Frame> first = walker.FindStream();
    if (!first)
        return Fail("no MPEG audio frame in", options->input);
    const MpaFrameInfo& stream = first->info;
    MpaStartStream(audio.bytes + first->position, walker.ReadableAt(first->position));

    DecodeWaveWriter out(options->output, WaveFormatOf(stream));
    if (!out.Open())
        return Fail("cannot write", options->output);
    FrameLoop loop(audio, walker, stream, out, (options->decoder.outputFlags & kMpaOutput8Bit) != 0);
    const bool written = loop.Run();
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
