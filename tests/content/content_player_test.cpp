// Every clip, looked up as the window looks it up, is taken by the player and played as speech; played slowly,
// it lasts longer in the same voice.

#include "contentdata.h"

#include "files.h"
#include "playeradapter.h"
#include "recordingwaveout.h"
#include "soundplayer.h"
#include "wavefile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <tuple>

namespace {

using Samples = std::vector<std::int16_t>;

// Pitch by normalised autocorrelation over a 40 ms frame, 60 to 400 Hz; the shortest lag within 90 % of the best
// match wins, so a frame is not heard an octave low. 0 for a frame quieter than `floor` (RMS) or not periodic.
constexpr int kRate = 22050, kFrame = kRate * 40 / 1000, kMinLag = kRate / 400, kMaxLag = kRate / 60;

double Product(const Samples& x, std::size_t at, std::size_t lag = 0)
{
    double sum = 0;
    for (std::size_t i = at; i < at + kFrame; ++i)
        sum += double(x[i]) * x[i + lag];
    return sum;
}

double PitchAt(const Samples& x, std::size_t at, double floor)
{
    if (at + kFrame + kMaxLag + 1 > x.size() || std::sqrt(Product(x, at) / kFrame) < floor)
        return 0;
    std::vector<double> match(kMaxLag + 2);
    for (std::size_t lag = kMinLag; lag <= kMaxLag + 1; ++lag)
        match[lag] = Product(x, at, lag) / std::sqrt(Product(x, at) * Product(x, at + lag) + 1e-9);
    const double best = *std::max_element(match.begin() + kMinLag + 1, match.begin() + kMaxLag + 1);
    for (int lag = kMinLag + 1; best >= 0.6 && lag <= kMaxLag; ++lag)
        if (match[lag] >= 0.9 * best && match[lag] >= match[lag - 1] && match[lag] >= match[lag + 1])
            return kRate / double(lag);
    return 0;
}

// The median, over the voiced frames of the slowed clip, of their pitch over the pitch of the normal clip at
// the same point of the phrase (time x tempo); 0 when fewer than ten frames pair up.
double PitchRatio(const Samples& normal, const Samples& slowed, double tempo)
{
    double loudest = 0;
    for (std::size_t at = 0; at + kFrame <= normal.size(); at += kFrame / 2)
        loudest = std::max(loudest, std::sqrt(Product(normal, at) / kFrame));
    std::vector<double> ratios;
    for (std::size_t at = 0; at < slowed.size(); at += kRate / 50) {
        const double slow = PitchAt(slowed, at, loudest / 5);
        const double plain = slow > 0 ? PitchAt(normal, std::size_t(at * tempo), loudest / 5) : 0;
        if (plain > 0)
            ratios.push_back(slow / plain);
    }
    std::nth_element(ratios.begin(), ratios.begin() + long(ratios.size() / 2), ratios.end());
    return ratios.size() < 10 ? 0 : ratios[ratios.size() / 2];
}

// The largest step between samples, and the longest run at or below `level` between the first and the last
// sample above it: a pause inside the phrase.
std::pair<int, std::size_t> JumpAndPause(const Samples& x, int level)
{
    int jump = 0;
    std::size_t longest = 0, run = 0;
    bool begun = false;
    for (std::size_t i = 0; i < x.size(); ++i) {
        jump = i == 0 ? 0 : std::max(jump, std::abs(x[i] - x[i - 1]));
        const bool loud = std::abs(x[i]) > level;
        longest = loud && begun ? std::max(longest, run) : longest;
        begun = begun || loud;
        run = loud ? 0 : run + 1;
    }
    return {jump, longest};
}

} // namespace

TEST(ContentPlayer, EveryClipIsTakenWholeAndPlaysAsSpeechAndSlowlyInTheSameVoiceWithoutClicksOrGaps)
{
    constexpr double tempo = CSoundPlayer::kSlowTempo;
    for (int n = 1; n <= 831; ++n) {
        SCOPED_TRACE("phrase " + std::to_string(n));
        platform::RecordingWaveOut device;   // a fresh player and device for each clip: the device keeps every block
        CSoundPlayer player(device);
        SoundPlayerAdapter adapter(player);
        ContentWindow window(&adapter);
        window.book.LoadPhraseClip(n);
        ASSERT_EQ(std::tuple(window.book.loadedPhrase, adapter.LastOpenResult(), player.CurrentState()),
                  std::tuple(n, int(CSoundPlayer::kOpened), CSoundPlayer::kOpen));
        EXPECT_TRUE(window.messages.shown.empty());
        EXPECT_EQ(std::pair(device.Format().samplesPerSecond, int(device.Format().channels)), std::pair(22050u, 1));
        // The whole clip fits the block: none of it is cut off.
        EXPECT_TRUE(player.FramesInBlock() < CSoundPlayer::kBlockFrames && player.EndMs() == player.ClipDurationMs());
        player.Stop();   // the play button: stop, then play
        player.Play();
        ASSERT_EQ(device.Written().size(), 1u);
        const std::vector<std::uint8_t>& block = device.Written().front();
        EXPECT_EQ(block.size(), std::size_t(player.FramesInBlock()) * player.FrameBytes());
        EXPECT_GT(Peak(block), kSpeechPeak);
        if (n % 40 != 1 && n != 500 && n != 831)   // slowly: every fortieth, the longest clip and the last
            continue;
        // Slowly, slowly again, normally again, each stopped first as the window does: a replay gives the
        // same sound, and slow play leaves normal play as it was. (The device calls of a stop and a play are
        // the state table's, checked with the player.)
        for (int slowly = 0; slowly < 2; ++slowly) {
            player.Stop();
            player.PlaySlowly();
        }
        player.Stop();
        player.Play();
        const auto& written = device.Written();
        ASSERT_EQ(written.size(), 4u);
        EXPECT_TRUE(written[1] == written[2] && written[3] == written[0]);
        const Samples normal = AsSamples16(written[0]), slowed = AsSamples16(written[1]);
        EXPECT_NEAR(double(slowed.size()) * tempo / double(normal.size()), 1.0, 0.03);
        EXPECT_NEAR(PitchRatio(normal, slowed, tempo), 1.0, 0.03);
        // A splice that does not line up is a jump no speech sound makes; pauses stretch with the phrase by
        // little more than one splice (20 ms), where a gap in the speech would be longer.
        const int quiet = Peak(written[0]) / 300;   // 50 dB below the peak
        const auto [normalJump, normalPause] = JumpAndPause(normal, quiet);
        const auto [slowedJump, slowedPause] = JumpAndPause(slowed, quiet);
        EXPECT_LE(slowedJump, normalJump * 1.01);
        EXPECT_LE(double(slowedPause), double(normalPause) / tempo + kRate / 50);
        if (n == 500) {   // tessaly-tool writes the same slowed block
            EXPECT_EQ(std::system((std::string(TESSALY_TOOL) + " clip 500 slow.wav --tempo 0.7").c_str()), 0);
            EXPECT_EQ(ReadFile("slow.wav"),
                      PcmWaveFile(device.Format(), written[1].data(), std::uint32_t(written[1].size())));
        }
    }
}
