#include "make_phrasebook_clips.h"

#include "cfile.h"
#include "make_phrasebook_mpeg.h"
#include "make_phrasebook_process.h"
#include "make_phrasebook_wave.h"
#include "records.h"
#include "soundarchive.h"
#include "workfile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <mutex>

namespace fs = std::filesystem;

namespace {

// Speech quieter than a tenth of full scale is taken for silence.
constexpr int kMinPeak = 3277;

// The voice reading the phrase's text from a file and writing a WAVE file.
std::vector<std::string> SpeakCommand(const fs::path& text, const fs::path& wave)
{
    std::vector<std::string> command = SpeechVoice();
    command.insert(command.end(), {"-f", text.string(), "-w", wave.string()});
    return command;
}

// lame: 22050 Hz, one channel, constant 48 kbit/s; "-t" leaves out the
// encoder-information frame, and no tag option is given, so no ID3 tag.
std::vector<std::string> EncodeCommand(const fs::path& wave, const fs::path& clip)
{
    return {"lame", "--silent", "--resample", "22.05", "-m", "m", "-b", "48", "--cbr", "-t", "--noreplaygain",
            wave.string(), clip.string()};
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

std::vector<std::string> SpeechVoice()
{
    return {"espeak-ng", "-v", "fr", "-s", "150", "-b", "1"};
}

bool SpeakClips(const std::vector<BookPhrase>& book, std::vector<SpokenClip>& clips, SourceFaults& faults)
{
    const ScratchDir scratch;
    if (scratch.path().empty()) {
        faults.push_back({0, "cannot make a work directory for the speech"});
        return false;
    }
    clips.assign(book.size(), SpokenClip{});
    std::vector<std::string> clipFaults(book.size());
    ForEachInParallel(book.size(), "spoken", [&](std::size_t i, int worker) {
        clipFaults[i] = SpeakOne(book[i], scratch.path(), worker, clips[i]);
    });

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
