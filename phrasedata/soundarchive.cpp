// Finding a phrase's clip in the sound archive and handing it to the player.

#include "phrasebook.h"
#include "soundarchive.h"

#include <algorithm>
#include <new>

bool SoundArchiveHeader::IsValid(const std::uint8_t* bytes)
{
    return std::equal(kSignature.begin(), kSignature.end(), bytes) &&
           std::int32_t(ReadLE32(bytes + kSignature.size())) == kVersion;
}

SoundIndexEntry SoundIndexEntry::Decode(const std::uint8_t* bytes)
{
    return SoundIndexEntry{ReadLE32(bytes), ReadLE32(bytes + 4)};
}

void PhraseBook::LoadPhraseClip(int number)
{
    if (number == loadedPhrase)
        return;
    // From here on the player holds this phrase's clip or none: a lookup that
    // fails leaves it silent rather than speaking the phrase shown before.
    loadedPhrase = -1;
    views.player.Close();
    std::unique_ptr<std::uint8_t[]> clip;
    const std::uint32_t length = ReadClip(number, clip);
    if (length == 0)
        return;
    loadedPhrase = number;
    views.player.Open(clip, length);
    views.player.Prepare(0, 400000);
}

std::uint32_t PhraseBook::ReadClip(int number, std::unique_ptr<std::uint8_t[]>& clip)
{
    FilePtr clips = OpenFile("data.dat", "rb");
    if (!clips) {
        ShowFailureOnce(u"Can't find sound file!");
        return 0;
    }
    FilePtr index = OpenFile("data.idx", "rb");
    if (!index)
        return 0;
    const long indexSize = FileSize(index.get());
    const long entries = indexSize > 0 ? indexSize / long(SoundIndexEntry::kSize) : 0;
    if (number < 1 || number > entries)
        return 0;
    std::uint8_t header[SoundArchiveHeader::kSize];
    if (!ReadAt(clips.get(), 0, header, sizeof header) || !SoundArchiveHeader::IsValid(header)) {
        ShowFailureOnce(u"This file is not in right format!");
        return 0;
    }
    std::uint8_t entryBytes[SoundIndexEntry::kSize];
    if (!ReadAt(index.get(), long(number - 1) * long(SoundIndexEntry::kSize), entryBytes, sizeof entryBytes))
        return 0;
    const SoundIndexEntry entry = SoundIndexEntry::Decode(entryBytes);

    // An entry that is empty or reaches past the end of the clips is refused
    // silently: the player gets only bytes that were read, and nothing is
    // allocated beyond what the file holds.
    const long clipsSize = FileSize(clips.get());
    const std::uint64_t start = std::uint64_t(entry.offset) + SoundArchiveHeader::kSize;
    if (entry.length == 0 || clipsSize < 0 || start + entry.length > std::uint64_t(clipsSize))
        return 0;
    clip.reset(new (std::nothrow) std::uint8_t[entry.length]);
    if (!clip || !ReadAt(clips.get(), long(start), clip.get(), entry.length))
        return 0;
    return entry.length;
}
