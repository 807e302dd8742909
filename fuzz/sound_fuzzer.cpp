// Fuzzes what the player and the sound-archive lookup take from outside: a
// clip of any bytes (layouts, trailing tag, first-frame values, then the
// decoding of the block), and arbitrary "data.idx" and "data.dat" files.
//
// Input: byte 0 picks the phrase number, byte 1 bit 0 puts a valid archive
// header in front of "data.dat", bytes 2..3 give the length of "data.idx";
// then "data.idx", then the rest of "data.dat". The whole input is also
// played as one clip.

#include "container.h"
#include "headlessviews.h"
#include "phrasebook.h"
#include "playeradapter.h"
#include "soundarchive.h"
#include "soundplayer.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>

namespace {

// A device that takes every block and plays nothing, touching each byte it is
// given so that a bad block address shows.
class TouchingWaveOut : public platform::WaveOut {
public:
    bool Open(const platform::WaveFormat&) override { return true; }
    void Prepare(platform::WaveBlock& block) override { block.prepared = true; }
    void Write(const platform::WaveBlock& block) override
    {
        for (std::uint32_t i = 0; i < block.length; ++i)
            checksum += block.data[i];
    }
    void Pause() override {}
    void Restart() override {}
    void Reset() override {}
    void Unprepare(platform::WaveBlock& block) override { block.prepared = false; }
    void Close() override {}
    unsigned checksum = 0;
};

class NoMessages : public MessageBoxes {
public:
    void ShowMessage(std::u16string_view, std::u16string_view) override {}
};

bool EnterScratchDirectory()
{
    char pattern[] = "/tmp/tessaly-sound-fuzz-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        std::abort();
    std::filesystem::current_path(pattern);
    return true;
}

void WriteFile(const char* name, const std::uint8_t* header, std::size_t headerSize, const std::uint8_t* bytes,
               std::size_t size)
{
    std::FILE* file = std::fopen(name, "wb");
    if (file == nullptr)
        std::abort();
    std::fwrite(header, 1, headerSize, file);
    std::fwrite(bytes, 1, size, file);
    std::fclose(file);
}

void PlayWholeInputAsAClip(const std::uint8_t* data, std::size_t size)
{
    const std::optional<ClipAudio> audio = LocateAudio(data, std::uint32_t(size));
    if (audio)
        ReadFirstFrame(data + audio->start, audio->length);

    TouchingWaveOut device;
    CSoundPlayer player(device);
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

    std::uint8_t header[SoundArchiveHeader::kSize] = {'q', 'o', 'r', 'v', 'a', 'm', 'u', 'l', 0x36, 0x08, 0, 0};
    WriteFile("data.idx", nullptr, 0, index, indexSize);
    WriteFile("data.dat", header, validHeader ? sizeof header : 0, clips, clipsSize);

    HeadlessRows rows;
    HeadlessSubcategories subcategories;
    NoMessages messages;
    HeadlessWindow window;
    TouchingWaveOut device;
    CSoundPlayer player(device);
    SoundPlayerAdapter adapter(player);
    PhraseBook book({rows, subcategories, messages, window, adapter});
    book.LoadPhraseClip(number);
    player.Stop();
    player.Play();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const bool ready = EnterScratchDirectory();
    (void)ready;
    PlayWholeInputAsAClip(data, size);
    LookUpInArchive(data, size);
    return 0;
}
