#include "make_phrasebook_guide.h"

#include "guidefile.h"
#include "make_phrasebook_clips.h"
#include "make_phrasebook_files.h"
#include "make_phrasebook_process.h"
#include "text.h"
#include "workfile.h"

namespace fs = std::filesystem;

namespace {

// The voice prints its phonemes instead of speaking: "-x" names them,
// "--sep=z" puts U+200C between them so that each is read whole.
std::vector<std::string> ReadCommand(const fs::path& text)
{
    std::vector<std::string> command = SpeechVoice();
    command.insert(command.end(), {"-q", "-x", "--sep=z", "-f", text.string()});
    return command;
}

std::string GuideOf(const std::string& french, const fs::path& scratch, int worker, PhraseGuideText& guide)
{
    const std::string stem = "reader" + std::to_string(worker);
    const fs::path text = scratch / (stem + ".txt");
    const fs::path reading = scratch / (stem + ".phonemes");
    if (!WriteWholeFile(text.string(), french))
        return "cannot write " + text.string();
    if (const int status = RunProgram(ReadCommand(text), reading.string()); status != 0)
        return ProgramFault("espeak-ng", status, reading);
    const std::vector<std::uint8_t> bytes = ReadBytes(reading);
    std::string unknown;
    if (!RespellReading(std::string(bytes.begin(), bytes.end()), guide, unknown))
        return "espeak-ng reads \"" + french + "\" with the sound " + unknown +
               ", which the pronunciation guide's scheme (tools/tessaly-tool/guide_scheme.cpp) does not have";
    if (guide.respelling.empty())
        return "espeak-ng reads no sound in \"" + french + "\"";
    const GuideRecord record{Utf8ToUtf16(guide.respelling), Utf8ToUtf16(guide.ipa)};
    if (!record.Fits())
        return "the pronunciation guide \"" + guide.respelling + "\" is too long for its record";
    return {};
}

} // namespace

bool GuideForFrench(const std::string& french, PhraseGuideText& guide, std::string& fault)
{
    const ScratchDir scratch;
    if (scratch.path().empty()) {
        fault = "cannot make a work directory for the guide";
        return false;
    }
    fault = GuideOf(french, scratch.path(), 0, guide);
    return fault.empty();
}

bool ReadGuides(const std::vector<BookPhrase>& book, std::vector<PhraseGuideText>& guides, SourceFaults& faults)
{
    const ScratchDir scratch;
    if (scratch.path().empty()) {
        faults.push_back({0, "cannot make a work directory for the guide"});
        return false;
    }
    guides.assign(book.size(), PhraseGuideText{});
    std::vector<std::string> guideFaults(book.size());
    ForEachInParallel(book.size(), "guide read for", [&](std::size_t i, int worker) {
        guideFaults[i] = GuideOf(book[i].spokenFrench, scratch.path(), worker, guides[i]);
    });
    for (std::size_t i = 0; i < book.size(); ++i)
        if (!guideFaults[i].empty())
            faults.push_back({book[i].line, "phrase " + std::to_string(book[i].number) + ": " + guideFaults[i]});
    return faults.empty();
}

bool WriteGuideFile(const std::vector<PhraseGuideText>& guides, std::string& error)
{
    std::string bytes;
    for (const PhraseGuideText& guide : guides) {
        const auto encoded = GuideRecord{Utf8ToUtf16(guide.respelling), Utf8ToUtf16(guide.ipa)}.Encode();
        bytes.append(encoded.begin(), encoded.end());
    }
    if (!WriteWholeFile(kGuideFileName, bytes)) {
        error = std::string("cannot write ") + kGuideFileName;
        return false;
    }
    return true;
}
