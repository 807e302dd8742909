#pragma once
// The player as the sound-archive lookup sees it. CSoundPlayer has no base
// class, so the window (and tessaly-tool) hand the lookup this adapter.

#include "soundplayer.h"
#include "windowviews.h"

class SoundPlayerAdapter : public ClipPlayer {
public:
    explicit SoundPlayerAdapter(CSoundPlayer& player) : player(player) {}

    void Close() override { player.Close(); }
    int Open(std::unique_ptr<std::uint8_t[]>& clip, std::uint32_t length) override
    {
        lastOpenResult = player.Open(clip, length);
        return lastOpenResult;
    }
    int Prepare(std::uint32_t startMs, std::uint32_t endMs) override { return player.Prepare(startMs, endMs); }

    // The result of the last Open (the lookup does not look at it; a tool
    // that explains a silence does).
    int LastOpenResult() const { return lastOpenResult; }

private:
    CSoundPlayer& player;
    int lastOpenResult = CSoundPlayer::kOpened;
};
