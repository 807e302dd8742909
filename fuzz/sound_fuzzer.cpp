// Fuzzes what the player and the sound-archive lookup take from outside: a
// clip of any bytes (layouts, trailing tag, first-frame values, then the
// decoding of the block), and arbitrary "data.idx" and "data.dat" files.
//
// Input: byte 0 picks the phrase number, byte 1 bit 0 puts a valid archive
// header in front of "data.dat", bytes 2..3 give the length of "data.idx";
// then "data.idx", then the rest of "data.dat". The whole input is also
// played as one clip. The two archive files live in memory (memoryfiles.h).

#include "container.h"
#include "headlessviews.h"
#include "memoryfiles.h"
#include "phrasebook.h"
#include "playeradapter.h"
#include "soundarchive.h"
#include "soundplayer.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include <sanitizer/asan_interface.h>

namespace {

// A device that takes every block and plays nothing, but first has the
// address sanitizer check that every byte of the block may be read, so that
// a bad block address or length shows as it would when played.
class CheckingWaveOut : public platform::WaveOut {
public:
    bool Open(const platform::WaveFormat&) override { return true; }
    void Prepare(platform::WaveBlock& block) override { block.prepared = true; }
    void Write(const platform::WaveBlock& block) override
    {
        void* data = const_cast<std::uint8_t*>(block.data);
        if (void* bad = __asan_region_is_poisoned(data, block.length)) {
            std::fprintf(stderr, "The player gave the device a block it may not read:\n");
            __asan_describe_address(bad);
            std::abort();
        }
    }
    void Pause() override {}
    void Restart() override {}
    void Reset() override {}
    void Unprepare(platform::WaveBlock& block) override { block.prepared = false; }
    void Close() override {}
};

class NoMessages : public MessageBoxes {
public:
    void ShowMessage(std::u16string_view, std::u16string_view) override {}
};

// One player for every input, closed after each, as the window keeps one for
// every selection: its block is reused from clip to clip, which spares each
// input a fresh megabyte and exercises the reuse.
CSoundPlayer& Player()
{
    static CheckingWaveOut device;
    static CSoundPlayer player(device);
    return player;
}

void PlayWholeInputAsAClip(const std::uint8_t* data, std::size_t size)
{
    const std::optional<ClipAudio> audio = LocateAudio(data, std::uint32_t(size));
    if (audio)
        ReadFirstFrame(data + audio->start, audio->length);

    CSoundPlayer& player = Player();
    auto clip = std::make_unique<std::uint8_t[]>(size);
    std::memcpy(clip.get(), data, size);
    player.Open(clip, std::uint32_t(size));
    const std::uint32_t startMs = size > 0 ? data[0] * 10u : 0;
    player.Prepare(startMs, 400000);
    player.Stop();
    player.Play();
    player.Close();
}

void LookUpInArchive(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return;
    const int number = int(data[0]) - 2;
    const bool validHeader = data[1] & 1;
    const std::size_t indexSize = std::min<std::size_t>(data[2] | data[3] << 8, size - 4);
    const std::uint8_t* index = data + 4;
    const std::uint8_t* clips = index + indexSize;
    const std::size_t clipsSize = size - 4 - indexSize;

    const std::string header = {'q', 'o', 'r', 'v', 'a', 'm', 'u', 'l', 0x36, 0x08, 0, 0};
    memoryfiles::Write("data.idx", {reinterpret_cast<const char*>(index), indexSize});
    memoryfiles::Write("data.dat", (validHeader ? header : std::string()) +
                                       std::string(reinterpret_cast<const char*>(clips), clipsSize));

    HeadlessRows rows;
    HeadlessSubcategories subcategories;
    NoMessages messages;
    HeadlessWindow window;
    CSoundPlayer& player = Player();
    SoundPlayerAdapter adapter(player);
    PhraseBook book({rows, subcategories, messages, window, adapter});
    book.LoadPhraseClip(number);
    player.Stop();
    player.Play();
    player.Close();
    memoryfiles::Clear();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    memoryfiles::Manage({"data.idx", "data.dat"});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PlayWholeInputAsAClip(data, size);
    LookUpInArchive(data, size);
    return 0;
}
