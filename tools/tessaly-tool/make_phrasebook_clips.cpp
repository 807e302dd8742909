#include "make_phrasebook_clips.h"

#include "cfile.h"
#include "make_phrasebook_mpeg.h"
#include "make_phrasebook_process.h"
#include "make_phrasebook_wave.h"
#include "records.h"
#include "soundarchive.h"
#include "workfile.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <mutex>
#include <thread>

namespace fs = std::filesystem;

namespace {

// The machine is shared: two programs at a time at most.
constexpr int kWorkers = 2;
// Speech quieter than a tenth of full scale is taken for silence.
constexpr int kMinPeak = 3277;

// espeak-ng's French voice at a clear, unhurried pace (words per minute),
// reading UTF-8 text from a file and writing a WAVE file.
std::vector<std::string> SpeakCommand(const fs::path& text, const fs::path& wave)
{
    return {"espeak-ng", "-v", "fr", "-s", "150", "-b", "1", "-f", text.string(), "-w", wave.string()};
}

// lame: 22050 Hz, one channel, constant 48 kbit/s; "-t" leaves out the
// encoder-information frame, and no tag option is given, so no ID3 tag.
std::vector<std::string> EncodeCommand(const fs::path& wave, const fs::path& clip)
{
    return {"lame", "--silent", "--resample", "22.05", "-m", "m", "-b", "48", "--cbr", "-t", "--noreplaygain",
            wave.string(), clip.string()};
}

// A file's bytes; none when it cannot be read (the checks that follow say
// what is wrong with an empty clip or wave).
std::vector<std::uint8_t> ReadBytes(const fs::path& path)
{
    return ReadWholeFile(path.string()).value_or(std::vector<std::uint8_t>{});
}

// A private directory for the work files, removed with everything in it.
class ScratchDir {
public:
    ScratchDir()
    {
        std::string pattern = (fs::temp_directory_path() / "tessaly-speech-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            dir = pattern;
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        if (!dir.empty())
            fs::remove_all(dir, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const fs::path& path() const { return dir; }

private:
    fs::path dir;
};

std::string ProgramFault(const std::string& program, int status, const fs::path& log)
{
    if (status < 0)
        return "could not run " + program + " (tools/install-packages installs it)";
    const std::vector<std::uint8_t> logBytes = ReadBytes(log);
    std::string message(logBytes.begin(), logBytes.end());
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return program + " failed with status " + std::to_string(status) + (message.empty() ? "" : ": " + message);
}

// Speaks one phrase with the work files of one worker; an empty result means
// the clip is good.
std::string SpeakOne(const BookPhrase& phrase, const fs::path& scratch, int worker, SpokenClip& clip)
{
    const std::string stem = "worker" + std::to_string(worker);
    const fs::path text = scratch / (stem + ".txt");
    const fs::path wave = scratch / (stem + ".wav");
    const fs::path mpeg = scratch / (stem + ".mp3");
    const fs::path log = scratch / (stem + ".log");

    if (!WriteWholeFile(text.string(), phrase.spokenFrench))
        return "cannot write " + text.string();
    if (const int status = RunProgram(SpeakCommand(text, wave), log.string()); status != 0)
        return ProgramFault("espeak-ng", status, log);
    std::string fault;
    const std::vector<std::uint8_t> waveBytes = ReadBytes(wave);
    const std::optional<SpokenWave> speech = ReadSpokenWave(waveBytes, fault);
    if (!speech)
        return fault;
    clip.peak = speech->peak;
    if (speech->peak < kMinPeak)
        return "the speech is silent (peak " + std::to_string(speech->peak) + ")";

    if (const int status = RunProgram(EncodeCommand(wave, mpeg), log.string()); status != 0)
        return ProgramFault("lame", status, log);
    clip.bytes = ReadBytes(mpeg);
    const std::optional<ClipStream> stream = CheckClipStream(clip.bytes, fault);
    if (!stream)
        return fault;
    clip.kbps = stream->kbps;
    clip.seconds = stream->Seconds();
    if (clip.seconds >= kClipMaxSeconds)
        return "the clip lasts " + std::to_string(clip.seconds) + " s; it must be shorter than " +
               std::to_string(kClipMaxSeconds) + " s";
    return {};
}

} // namespace

bool SpeakClips(const std::vector<BookPhrase>& book, std::vector<SpokenClip>& clips, SourceFaults& faults)
{
    const ScratchDir scratch;
    if (scratch.path().empty()) {
        faults.push_back({0, "cannot make a work directory for the speech"});
        return false;
    }
    clips.assign(book.size(), SpokenClip{});
    std::vector<std::string> clipFaults(book.size());
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    // Workers take phrases in turn; each clip lands in its phrase's slot, so
    // the result does not depend on which worker made it.
    auto work = [&](int worker) {
        for (std::size_t i = next++; i < book.size(); i = next++) {
            clipFaults[i] = SpeakOne(book[i], scratch.path(), worker, clips[i]);
            if (const std::size_t count = ++done; count % 100 == 0 || count == book.size())
                std::fprintf(stderr, "tessaly-tool: spoken %zu of %zu\n", count, book.size());
        }
    };
    std::vector<std::jthread> workers;
    for (int w = 0; w < kWorkers; ++w)
        workers.emplace_back(work, w);
    workers.clear();

    for (std::size_t i = 0; i < book.size(); ++i) {
        if (!clipFaults[i].empty())
            faults.push_back({book[i].line, "phrase " + std::to_string(book[i].number) + ": " + clipFaults[i]});
    }
    return faults.empty();
}

bool PackClips(const std::vector<SpokenClip>& clips, std::string& error)
{
    std::string archive(SoundArchiveHeader::kSignature.begin(), SoundArchiveHeader::kSignature.end());
    archive.resize(SoundArchiveHeader::kSize);
    WriteLE32(reinterpret_cast<std::uint8_t*>(archive.data()) + SoundArchiveHeader::kSignature.size(),
              std::uint32_t(SoundArchiveHeader::kVersion));
    std::string index;
    for (const SpokenClip& clip : clips) {
        const std::size_t offset = archive.size() - SoundArchiveHeader::kSize;
        if (offset + clip.bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
            error = "the clips do not fit a 32-bit archive";
            return false;
        }
        std::uint8_t entry[SoundIndexEntry::kSize];
        WriteLE32(entry, std::uint32_t(offset));
        WriteLE32(entry + 4, std::uint32_t(clip.bytes.size()));
        index.append(std::begin(entry), std::end(entry));
        archive.append(clip.bytes.begin(), clip.bytes.end());
    }
    if (!WriteWholeFile("data.dat", archive) || !WriteWholeFile("data.idx", index)) {
        error = "cannot write data.dat and data.idx";
        return false;
    }
    return true;
}
