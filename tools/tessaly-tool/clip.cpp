// tessaly-tool clip NUMBER OUTPUT.wav [--tempo T]: what selecting phrase
// NUMBER and pressing play does (with --tempo, play slowly at that tempo), with
// the recording device in place of the sound card.
// The sound archive is read from the current directory, as the program does;
// the block the device was given is written as a PCM WAVE file in the
// device's format. Where the program would stay silent, this says why and
// fails.

#include "subcommands.h"

#include "headlessviews.h"
#include "phrasebook.h"
#include "playeradapter.h"
#include "recordingwaveout.h"
#include "soundplayer.h"
#include "tempo.h"
#include "wavefile.h"
#include "workfile.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

namespace {

// A message box becomes a line on standard error.
class MessagesToStandardError : public MessageBoxes {
public:
    void ShowMessage(std::u16string_view text, std::u16string_view) override
    {
        std::string ascii;
        for (char16_t unit : text)
            ascii += unit < 0x80 ? char(unit) : '?';
        std::fprintf(stderr, "tessaly-tool clip: %s\n", ascii.c_str());
        ++shown;
    }
    int shown = 0;
};

struct Refusal {
    int result;
    const char* reason;
};

const Refusal refusals[] = {
    {CSoundPlayer::kOutOfMemory, "not enough memory for the clip"},
    {CSoundPlayer::kUnknownLayout, "a RIFF file of no known layout"},
    {CSoundPlayer::kUntimed, "its first frame gives no bitrate, sampling rate or duration"},
    {CSoundPlayer::kNoFirstFrame, "no usable frame header at the start of its audio"},
};

const char* ReasonFor(int result)
{
    for (const Refusal& r : refusals) {
        if (r.result == result)
            return r.reason;
    }
    return "the player did not open it";
}

int Fail(const char* format, int number)
{
    std::fprintf(stderr, "tessaly-tool clip: ");
    std::fprintf(stderr, format, number);
    std::fprintf(stderr, "\n");
    return 1;
}

const QCommandLineOption kTempo(QStringLiteral("tempo"),
                                QStringLiteral("Play slowly at tempo T, as slow play does (it uses 0.7)."),
                                QStringLiteral("T"));

} // namespace

void DeclareClip(QCommandLineParser& parser)
{
    parser.addOption(kTempo);
    parser.addPositionalArgument(QStringLiteral("NUMBER"), QStringLiteral("The phrase's number."));
    parser.addPositionalArgument(QStringLiteral("OUTPUT.wav"), QStringLiteral("The WAVE file to write."));
}

int RunClip(const QCommandLineParser& parser)
{
    const QStringList args = parser.positionalArguments();
    bool isNumber = false;
    const int number = args[0].toInt(&isNumber);
    if (!isNumber)
        return RefuseArgument(parser, QStringLiteral("the phrase number must be a whole number, not '%1'").arg(args[0]));
    std::optional<double> tempo;
    if (parser.isSet(kTempo)) {
        bool isDecimal = false;
        tempo = parser.value(kTempo).toDouble(&isDecimal);
        if (!isDecimal || !IsStretchableTempo(*tempo))
            return RefuseArgument(parser, QStringLiteral("the tempo must be a number from %1 to %2, not '%3'")
                                              .arg(kMinTempo)
                                              .arg(kMaxTempo)
                                              .arg(parser.value(kTempo)));
    }

    HeadlessRows rows;
    HeadlessSubcategories subcategories;
    MessagesToStandardError messages;
    HeadlessWindow window;
    platform::RecordingWaveOut device;
    CSoundPlayer player(device);
    SoundPlayerAdapter adapter(player);
    PhraseBook book({rows, subcategories, messages, window, adapter});

    book.LoadPhraseClip(number);
    if (messages.shown > 0)
        return 1;
    if (book.loadedPhrase != number) {
        if (!std::filesystem::exists("data.idx"))
            return Fail("no data.idx in the current directory (phrase %d)", number);
        return Fail("phrase %d has no clip: outside data.idx, or its entry is empty or reaches past "
                    "the end of data.dat",
                    number);
    }
    if (player.CurrentState() == CSoundPlayer::kClosed) {
        std::fprintf(stderr, "tessaly-tool clip: the player refused phrase %d's clip: %s\n", number,
                     ReasonFor(adapter.LastOpenResult()));
        return 1;
    }

    player.Stop();
    if (tempo)
        player.PlaySlowly(*tempo);
    else
        player.Play();
    if (device.Written().empty())
        return Fail("nothing was written to the device for phrase %d", number);
    const std::vector<std::uint8_t>& block = device.Written().back();
    const std::string output = PathArgument(parser, 1);
    if (!WriteWholeFile(output, PcmWaveFile(device.Format(), block.data(), std::uint32_t(block.size())))) {
        std::fprintf(stderr, "tessaly-tool clip: cannot write %s\n", output.c_str());
        return 1;
    }
    return 0;
}
