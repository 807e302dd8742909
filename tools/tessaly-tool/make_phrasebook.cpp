// make-phrasebook: turns the phrase book's source into every data file the
// program reads, in one run that gives the same bytes every time.

#include "cfile.h"
#include "make_phrasebook_book.h"
#include "make_phrasebook_clips.h"
#include "make_phrasebook_files.h"
#include "make_phrasebook_guide.h"
#include "make_phrasebook_related.h"
#include "make_phrasebook_search.h"
#include "make_phrasebook_source.h"
#include "subcommands.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

struct Options {
    fs::path source;
    fs::path outputDir;
    bool clips = true;
};

const QCommandLineOption kNoClips(QStringLiteral("no-clips"),
                                  QStringLiteral("Leave out what the voice makes: the sound archive and the pronunciation guide."));

void PrintFaults(const fs::path& source, SourceFaults faults)
{
    std::stable_sort(faults.begin(), faults.end(),
                     [](const SourceFault& a, const SourceFault& b) { return a.line < b.line; });
    for (const SourceFault& fault : faults) {
        if (fault.line > 0)
            std::fprintf(stderr, "%s:%d: %s\n", source.string().c_str(), fault.line, fault.message.c_str());
        else
            std::fprintf(stderr, "%s: %s\n", source.string().c_str(), fault.message.c_str());
    }
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "tessaly-tool: %s\n", message.c_str());
    return 1;
}

// The builders and the program work in the current directory; the command
// goes back to where it was started whatever happens.
class InDirectory {
public:
    explicit InDirectory(const fs::path& dir) : previous(fs::current_path()) { fs::current_path(dir); }
    ~InDirectory()
    {
        std::error_code ignored;
        fs::current_path(previous, ignored);
    }
    InDirectory(const InDirectory&) = delete;
    InDirectory& operator=(const InDirectory&) = delete;

private:
    fs::path previous;
};

int WriteDataFiles(const std::vector<BookPhrase>& book, const SearchSources& search, const Options& options)
{
    std::error_code error;
    fs::create_directories(options.outputDir, error);
    if (error)
        return Fail("cannot make " + options.outputDir.string() + ": " + error.message());
    const InDirectory inOutput(options.outputDir);

    std::string problem;
    if (!WriteTextSources(book, problem) || !RunBuilders(problem) || !WriteCategoryMap(book, problem) ||
        !WriteRelatedTable(ChooseRelatedPhrases(book), problem) || !WriteSearchFiles(search, problem))
        return Fail(problem);
    std::printf("wrote English.txt, Orlenic.txt, English.dat, French.dat, MapEngSpec.data, Relate.dat, "
                "Synonyms.dat (%zu lines), Keywords.dat (%zu phrases)\n",
                search.synonyms.size(), search.keywords.size());
    if (!options.clips)
        return 0;

    std::vector<PhraseGuideText> guides;
    SourceFaults faults;
    if (!ReadGuides(book, guides, faults)) {
        PrintFaults(options.source, faults);
        return Fail("no pronunciation guide written");
    }
    if (!WriteGuideFile(guides, problem))
        return Fail(problem);
    std::printf("wrote Guide.dat\n");

    std::vector<SpokenClip> clips;
    if (!SpeakClips(book, clips, faults)) {
        PrintFaults(options.source, faults);
        return Fail("no sound archive written");
    }
    if (!PackClips(clips, problem))
        return Fail(problem);
    const auto [shortest, longest] = std::minmax_element(
        clips.begin(), clips.end(), [](const SpokenClip& a, const SpokenClip& b) { return a.seconds < b.seconds; });
    const auto [lowest, highest] = std::minmax_element(
        clips.begin(), clips.end(), [](const SpokenClip& a, const SpokenClip& b) { return a.kbps < b.kbps; });
    std::printf("wrote data.idx, data.dat: %zu clips of %.2f s (phrase %td) to %.2f s (phrase %td), %d to %d kbit/s\n",
                clips.size(), shortest->seconds, shortest - clips.begin() + 1, longest->seconds,
                longest - clips.begin() + 1, lowest->kbps, highest->kbps);
    return 0;
}

} // namespace

void DeclareMakePhrasebook(QCommandLineParser& parser)
{
    parser.addOption(kNoClips);
    parser.addPositionalArgument(QStringLiteral("SOURCE"), QStringLiteral("The phrase book's source text."));
    parser.addPositionalArgument(QStringLiteral("OUTDIR"), QStringLiteral("The folder to write the data files into."));
}

int RunMakePhrasebook(const QCommandLineParser& parser)
{
    const Options options{fs::absolute(PathArgument(parser, 0)), fs::absolute(PathArgument(parser, 1)),
                          !parser.isSet(kNoClips)};
    const std::optional<std::vector<std::uint8_t>> bytes = ReadWholeFile(options.source.string());
    if (!bytes)
        return Fail("cannot read " + options.source.string());
    const std::string source(bytes->begin(), bytes->end());

    SourceFaults faults;
    const std::vector<SourceLine> lines = ReadSourceLines(source, faults);
    const std::vector<BookPhrase> book = MakeBook(lines, faults);
    std::vector<SearchSourceFaults> searchFaults;
    const SearchSources search = ReadSearchSources(options.source.parent_path(), lines, searchFaults);
    std::size_t faultCount = faults.size();
    PrintFaults(options.source, faults);
    for (const SearchSourceFaults& file : searchFaults) {
        PrintFaults(file.file, file.faults);
        faultCount += file.faults.size();
    }
    if (faultCount > 0)
        return Fail(std::to_string(faultCount) + " fault(s) in the sources; nothing written");
    return WriteDataFiles(book, search, options);
}
