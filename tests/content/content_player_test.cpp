// Every clip, looked up as the window looks it up, is taken by the player and
// played as speech; played slowly, it lasts longer in the same voice.

#include "contentwindow.h"

#include "playeradapter.h"
#include "recordingwaveout.h"
#include "files.h"
#include "soundplayer.h"
#include "wavefile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <sys/wait.h>

namespace {

// Hands the window's clips to whichever player is current, so that each
// clip gets a fresh player and device (a recording device keeps every block).
class CurrentPlayer : public ClipPlayer {
public:
    void Close() override { target->Close(); }
    int Open(std::unique_ptr<std::uint8_t[]>& clip, std::uint32_t length) override
    {
        return target->Open(clip, length);
    }
    int Prepare(std::uint32_t startMs, std::uint32_t endMs) override { return target->Prepare(startMs, endMs); }

    ClipPlayer* target = nullptr;
};

int Peak(const std::vector<std::uint8_t>& pcm)
{
    int peak = 0;
    for (std::size_t i = 0; i + 1 < pcm.size(); i += 2)
        peak = std::max(peak, std::abs(int(std::int16_t(pcm[i] | pcm[i + 1] << 8))));
    return peak;
}

std::vector<std::int16_t> Samples(const std::vector<std::uint8_t>& pcm)
{
    std::vector<std::int16_t> samples(pcm.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = std::int16_t(pcm[2 * i] | pcm[2 * i + 1] << 8);
    return samples;
}

// Pitch by normalised autocorrelation over one 40 ms frame of 22050 Hz mono,
// lags for 60 to 400 Hz; the shortest lag within 90 % of the best match wins,
// so a frame is not heard an octave low. Nothing for a frame quieter than
// `floor` (RMS) or not clearly periodic.
constexpr int kRate = 22050;
constexpr int kFrame = kRate * 40 / 1000;
constexpr int kMinLag = kRate / 400;
constexpr int kMaxLag = kRate / 60;

double FrameRms(const std::vector<std::int16_t>& x, std::size_t at)
{
    double energy = 0;
    for (int i = 0; i < kFrame; ++i)
        energy += double(x[at + i]) * x[at + i];
    return std::sqrt(energy / kFrame);
}

std::optional<double> PitchAt(const std::vector<std::int16_t>& x, std::size_t at, double floor)
{
    if (at + kFrame + kMaxLag + 1 > x.size() || FrameRms(x, at) < floor)
        return std::nullopt;
    std::vector<double> match(kMaxLag + 2);
    for (int lag = kMinLag; lag <= kMaxLag + 1; ++lag) {
        double product = 0, e0 = 0, e1 = 0;
        for (int i = 0; i < kFrame; ++i) {
            product += double(x[at + i]) * x[at + i + lag];
            e0 += double(x[at + i]) * x[at + i];
            e1 += double(x[at + i + lag]) * x[at + i + lag];
        }
        match[lag] = product / std::sqrt(e0 * e1 + 1e-9);
    }
    const double best = *std::max_element(match.begin() + kMinLag + 1, match.begin() + kMaxLag + 1);
    if (best < 0.6)
        return std::nullopt;
    for (int lag = kMinLag + 1; lag <= kMaxLag; ++lag) {
        if (match[lag] >= 0.9 * best && match[lag] >= match[lag - 1] && match[lag] >= match[lag + 1]) {
            const double bend = match[lag - 1] - 2 * match[lag] + match[lag + 1];
            const double offset = bend == 0 ? 0 : (match[lag - 1] - match[lag + 1]) / (2 * bend);
            return kRate / (lag + offset);
        }
    }
    return std::nullopt;
}

// The median, over the voiced frames of the slowed clip, of their pitch over
// the pitch of the normal clip at the same point of the phrase (time x tempo).
// 0 when fewer than ten frames pair up.
double PitchRatio(const std::vector<std::int16_t>& normal, const std::vector<std::int16_t>& slowed, double tempo)
{
    double loudest = 0;
    for (std::size_t at = 0; at + kFrame <= normal.size(); at += kFrame / 2)
        loudest = std::max(loudest, FrameRms(normal, at));
    std::vector<double> ratios;
    for (std::size_t at = 0; at < slowed.size(); at += kRate / 50) {
        const std::optional<double> slow = PitchAt(slowed, at, loudest / 5);
        const std::optional<double> plain = slow ? PitchAt(normal, std::size_t(at * tempo), loudest / 5) : std::nullopt;
        if (plain)
            ratios.push_back(*slow / *plain);
    }
    if (ratios.size() < 10)
        return 0;
    std::nth_element(ratios.begin(), ratios.begin() + ratios.size() / 2, ratios.end());
    return ratios[ratios.size() / 2];
}

int LargestJump(const std::vector<std::int16_t>& x)
{
    int largest = 0;
    for (std::size_t i = 1; i < x.size(); ++i)
        largest = std::max(largest, std::abs(x[i] - x[i - 1]));
    return largest;
}

// The longest run of samples at or below `level` between the first and the
// last sample above it: a pause inside the phrase.
std::size_t LongestPause(const std::vector<std::int16_t>& x, int level)
{
    std::size_t longest = 0, run = 0;
    bool begun = false;
    for (std::int16_t sample : x) {
        if (std::abs(sample) > level) {
            if (begun)
                longest = std::max(longest, run);
            begun = true;
            run = 0;
        } else {
            ++run;
        }
    }
    return longest;
}

} // namespace

TEST(ContentPlayer, EveryClipIsTakenWholeByThePlayerAndPlaysSpeech)
{
    CurrentPlayer current;
    ContentWindow window(&current);
    for (int n = 1; n <= 831; ++n) {
        SCOPED_TRACE("phrase " + std::to_string(n));
        platform::RecordingWaveOut device;
        CSoundPlayer player(device);
        SoundPlayerAdapter adapter(player);
        current.target = &adapter;

        window.book.LoadPhraseClip(n);
        ASSERT_EQ(window.book.loadedPhrase, n);
        ASSERT_EQ(adapter.LastOpenResult(), CSoundPlayer::kOpened);
        ASSERT_EQ(player.CurrentState(), CSoundPlayer::kOpen);
        EXPECT_EQ(device.Format().samplesPerSecond, 22050u);
        EXPECT_EQ(device.Format().channels, 1);
        // The whole clip fits the block: none of it is cut off.
        EXPECT_LT(player.FramesInBlock(), CSoundPlayer::kBlockFrames);
        EXPECT_EQ(player.EndMs(), player.ClipDurationMs());

        // The play button: stop, then play.
        player.Stop();
        player.Play();
        ASSERT_EQ(device.Written().size(), 1u);
        const std::vector<std::uint8_t>& block = device.Written().front();
        EXPECT_EQ(block.size(), std::size_t(player.FramesInBlock()) * player.FrameBytes());
        // Speech peaks well above a tenth of full scale; silence does not.
        EXPECT_GT(Peak(block), 3277);
        player.Close();
    }
    EXPECT_TRUE(window.messages.shown.empty());
}

TEST(ContentPlayer, PlayedSlowlyAClipLastsLongerInTheSameVoiceWithoutClicksOrGaps)
{
    CurrentPlayer current;
    ContentWindow window(&current);
    const double tempo = CSoundPlayer::kSlowTempo;
    std::vector<int> phrases = {500, 831}; // the longest clip, the last
    for (int n = 1; n <= 831; n += 40)
        phrases.push_back(n);
    for (int n : phrases) {
        SCOPED_TRACE("phrase " + std::to_string(n));
        platform::RecordingWaveOut device;
        CSoundPlayer player(device);
        SoundPlayerAdapter adapter(player);
        current.target = &adapter;
        window.book.LoadPhraseClip(n);
        ASSERT_EQ(player.CurrentState(), CSoundPlayer::kOpen);

        // Play, slowly, slowly again, normally again: each one stopped first,
        // as the window does. A replay restarts the same sound; slow play
        // leaves normal play as it was.
        player.Stop();
        player.Play();
        device.ClearCalls();
        for (int i = 0; i < 2; ++i) {
            player.Stop();
            player.PlaySlowly();
        }
        using platform::WaveCall;
        const std::vector<WaveCall> restarted = {WaveCall::Reset, WaveCall::Unprepare, WaveCall::Prepare,
                                                 WaveCall::Write};
        EXPECT_TRUE(std::equal(restarted.begin(), restarted.end(), device.Calls().end() - 4, device.Calls().end()));
        player.Stop();
        player.Play();
        const auto& written = device.Written();
        ASSERT_EQ(written.size(), 4u);
        EXPECT_EQ(written[1], written[2]);
        EXPECT_EQ(written[3], written[0]);

        const std::vector<std::int16_t> normal = Samples(written[0]);
        const std::vector<std::int16_t> slowed = Samples(written[1]);
        EXPECT_NEAR(double(slowed.size()) * tempo / double(normal.size()), 1.0, 0.03);
        EXPECT_NEAR(PitchRatio(normal, slowed, tempo), 1.0, 0.03);
        // A splice that does not line up shows as a jump no speech sound makes.
        EXPECT_LE(LargestJump(slowed), LargestJump(normal) * 1.01);
        // Pauses stretch with the phrase, by little more than one splice
        // (20 ms); a gap in the speech would be longer.
        int peak = 0;
        for (std::int16_t sample : normal)
            peak = std::max(peak, std::abs(int(sample)));
        const int quiet = peak / 300; // 50 dB below the peak
        EXPECT_LE(double(LongestPause(slowed, quiet)), double(LongestPause(normal, quiet)) / tempo + kRate / 50);

        // tessaly-tool writes the same slowed block; it refuses tempos it cannot play.
        if (n != 500)
            continue;
        const std::string tool = std::string(TESSALY_TOOL) + " clip 500 ";
        EXPECT_EQ(std::system((tool + "slow.wav --tempo 0.7").c_str()), 0);
        EXPECT_EQ(ReadFile("slow.wav"),
                  PcmWaveFile(device.Format(), written[1].data(), std::uint32_t(written[1].size())));
        for (const char* refused :
             {"--tempo 0.2", "--tempo 4.5", "--tempo fast", "--tempo nan", "--tempo", "--speed 0.7"}) {
            const int status = std::system((tool + "refused.wav " + refused + " 2>/dev/null").c_str());
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << refused;
            EXPECT_FALSE(FileExists("refused.wav")) << refused;
        }
    }
}
