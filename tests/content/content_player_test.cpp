// Every clip, looked up as the window looks it up, is taken by the player and
// played as speech.

#include "contentdata.h"

#include "playeradapter.h"
#include "recordingwaveout.h"
#include "soundplayer.h"

#include <gtest/gtest.h>

namespace {

// Hands the window's clips to whichever player is current, so that each
// clip gets a fresh player and device (a recording device keeps every block).
struct CurrentPlayer : ClipPlayer {
    void Close() override { target->Close(); }
    int Open(std::unique_ptr<std::uint8_t[]>& clip, std::uint32_t size) override { return target->Open(clip, size); }
    int Prepare(std::uint32_t startMs, std::uint32_t endMs) override { return target->Prepare(startMs, endMs); }

    ClipPlayer* target = nullptr;
};

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
        ASSERT_EQ(std::pair(adapter.LastOpenResult(), player.CurrentState()),
                  std::pair(int(CSoundPlayer::kOpened), CSoundPlayer::kOpen));
        EXPECT_EQ(std::pair(device.Format().samplesPerSecond, int(device.Format().channels)), std::pair(22050u, 1));
        // The whole clip fits the block: none of it is cut off.
        EXPECT_LT(player.FramesInBlock(), CSoundPlayer::kBlockFrames);
        EXPECT_EQ(player.EndMs(), player.ClipDurationMs());

        // The play button: stop, then play.
        player.Stop();
        player.Play();
        ASSERT_EQ(device.Written().size(), 1u);
        const std::vector<std::uint8_t>& block = device.Written().front();
        EXPECT_EQ(block.size(), std::size_t(player.FramesInBlock()) * player.FrameBytes());
        EXPECT_GT(Peak(block), kSpeechPeak);
        player.Close();
    }
    EXPECT_TRUE(window.messages.shown.empty());
}
