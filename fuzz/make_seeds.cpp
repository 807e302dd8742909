// Builds the fuzz targets' seed folders from the conformance streams and the
// bundled phrase book, so that a campaign starts from real frames, clips and
// records instead of from nothing. The inputs are laid out as each target
// reads them (see the comment at the top of each target).
//
//   make-fuzz-seeds VECTORS DATA OUT
//
// writes OUT/decoder, OUT/sound and OUT/phrase-files afresh. Without the
// VECTORS folder the streams are left out, with a note.

#include "categories.h"
#include "cfile.h"
#include "soundarchive.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Seed sizes: a few frames of each stream or clip (the largest frame, 1,728
// bytes, fits whole). Every byte of a seed is decoded at every execution, so
// longer seeds only slow the fuzzer down.
constexpr std::size_t kMaxSeed = 2048;
// The bundled clips taken as seeds: one phrase in a hundred.
constexpr int kClipStep = 100;

void Save(const fs::path& path, const Bytes& bytes)
{
    FilePtr file = OpenFile(path.c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        std::fprintf(stderr, "make-fuzz-seeds: cannot write %s\n", path.c_str());
        std::exit(1);
    }
}

Bytes Slice(const Bytes& bytes, std::size_t offset, std::size_t size)
{
    if (offset >= bytes.size())
        return {};
    return Bytes(bytes.begin() + long(offset), bytes.begin() + long(std::min(bytes.size(), offset + size)));
}

void Append(Bytes& to, const Bytes& more) { to.insert(to.end(), more.begin(), more.end()); }

void AppendLE32(Bytes& to, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        to.push_back(std::uint8_t(value >> shift));
}

Bytes Need(const fs::path& path)
{
    std::optional<Bytes> bytes = ReadWholeFile(path.string());
    if (!bytes) {
        std::fprintf(stderr, "make-fuzz-seeds: cannot read %s\n", path.c_str());
        std::exit(1);
    }
    return *bytes;
}

// The bundled clips, each whole, one phrase in kClipStep.
std::vector<std::pair<int, Bytes>> SampleClips(const fs::path& data)
{
    const Bytes index = Need(data / "data.idx");
    const Bytes archive = Need(data / "data.dat");
    std::vector<std::pair<int, Bytes>> clips;
    for (std::size_t at = 0; at + SoundIndexEntry::kSize <= index.size(); at += kClipStep * SoundIndexEntry::kSize) {
        const SoundIndexEntry entry = SoundIndexEntry::Decode(index.data() + at);
        clips.emplace_back(int(at / SoundIndexEntry::kSize) + 1,
                           Slice(archive, SoundArchiveHeader::kSize + std::size_t(entry.offset), entry.length));
    }
    return clips;
}

// Decoder inputs: an options byte and a framing byte (0: the stream as it
// is), then the start of a stream.
Bytes DecoderSeed(const Bytes& stream)
{
    Bytes seed{0, 0};
    Append(seed, Slice(stream, 0, kMaxSeed - seed.size()));
    return seed;
}

// Sound input read as an archive lookup: phrase 1 (stored as 3), a valid
// archive header, an index of one entry, then the clip.
Bytes ArchiveSeed(const Bytes& clip)
{
    Bytes seed{3, 1, SoundIndexEntry::kSize, 0};
    const Bytes audio = Slice(clip, 0, kMaxSeed - seed.size() - SoundIndexEntry::kSize);
    AppendLE32(seed, 0);
    AppendLE32(seed, std::uint32_t(audio.size()));
    Append(seed, audio);
    return seed;
}

// One string as the phrase-files target takes it from its input: each
// backslash doubled, the end marked by a backslash and another byte.
void AppendProvidedString(Bytes& to, const Bytes& text)
{
    for (std::uint8_t byte : text) {
        to.push_back(byte);
        if (byte == '\\')
            to.push_back(byte);
    }
    to.push_back('\\');
    to.push_back('.');
}

// Phrase-files input: a few records of each bundled file from one place in
// the book, in the target's order, then a keyword and the selections, with
// the view to show (an index into the categories, one past them for the
// favourites) last.
Bytes PhraseFilesSeed(const fs::path& data, std::size_t firstPhrase, std::uint8_t view)
{
    struct Part {
        const char* file;
        std::size_t recordSize;
        std::size_t records;
    };
    const Part parts[] = {
        {"English.dat", 124, 4}, {"French.dat", 160, 4}, {"MapEngSpec.data", 178, 4}, {"Relate.dat", 104, 4},
        {"English.dat", 124, 2} /* as favourites */,     {"data.idx", 8, 4},
    };
    Bytes seed;
    for (const Part& part : parts)
        AppendProvidedString(seed, Slice(Need(data / part.file), firstPhrase * part.recordSize,
                                         part.records * part.recordSize));
    AppendProvidedString(seed, Slice(Need(data / "data.dat"), 0, 256));
    AppendProvidedString(seed, {'h', 'o', 't', 'e', 'l'});
    AppendProvidedString(seed, {'H', 'e', 'l', 'l', 'o'});
    // Read backwards from the end: the view, the exact-match box, the phrase
    // whose related phrases are listed, the favourite's number and the clip.
    Append(seed, {0, 1, 0, 0, 0, 2, 0, 3, 1, view});
    return seed;
}

fs::path FreshFolder(const fs::path& path)
{
    fs::remove_all(path);
    fs::create_directories(path);
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: make-fuzz-seeds VECTORS DATA OUT\n");
        return 2;
    }
    const fs::path vectors = argv[1];
    const fs::path data = argv[2];
    const fs::path out = argv[3];
    const fs::path decoder = FreshFolder(out / "decoder");
    const fs::path sound = FreshFolder(out / "sound");
    const fs::path phraseFiles = FreshFolder(out / "phrase-files");

    std::error_code missing;
    for (const fs::directory_entry& entry : fs::directory_iterator(vectors, missing)) {
        if (entry.path().extension() != ".bit")
            continue;
        const Bytes stream = Need(entry.path());
        const std::string name = entry.path().stem().string();
        Save(decoder / name, DecoderSeed(stream));
        Save(sound / name, Slice(stream, 0, kMaxSeed));
    }
    if (missing)
        std::fprintf(stderr, "make-fuzz-seeds: no conformance streams in %s; seeds from the phrase book only\n",
                     vectors.c_str());

    for (const auto& [phrase, clip] : SampleClips(data)) {
        const std::string name = "clip-" + std::to_string(phrase);
        Save(decoder / name, DecoderSeed(clip));
        Save(sound / name, Slice(clip, 0, kMaxSeed));
        Save(sound / ("archive-" + name), ArchiveSeed(clip));
    }
    // The first category reads the files from their first record; the
    // favourites view reads the favourites file.
    const std::uint8_t firstCategory = 0;
    const std::uint8_t favourites = std::uint8_t(Categories().size());
    Save(phraseFiles / "book-1-category", PhraseFilesSeed(data, 0, firstCategory));
    Save(phraseFiles / "book-1-favourites", PhraseFilesSeed(data, 0, favourites));
    Save(phraseFiles / "book-301-category", PhraseFilesSeed(data, 300, firstCategory));
    return 0;
}
