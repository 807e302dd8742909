// The pronunciation guide: the respelling of phrases chosen for their hard
// sounds, the reading of espeak-ng's phonemes, the scheme against every sound
// the book's French is read with, and the committed "Guide.dat".

#include "contentdata.h"
#include "guide_scheme.h"
#include "guidefile.h"
#include "make_phrasebook_clips.h"
#include "make_phrasebook_guide.h"
#include "processes.h"
#include "programs.h"
#include "text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>

namespace {

#define SKIP_WITHOUT_ESPEAK() \
    if (!HaveProgram("espeak-ng")) GTEST_SKIP() << "espeak-ng is needed (tools/install-packages installs it)"

// A reading as espeak-ng prints it, with "." for the phoneme separator.
std::string Reading(const char* text) { return std::regex_replace(text, std::regex("\\."), "\u200C"); }

std::vector<BookPhrase> SourceBook()
{
    SourceFaults faults;
    const std::vector<BookPhrase> book = MakeBook(ReadSourceLines(ReadText(DataPath("source/phrasebook.txt")), faults), faults);
    EXPECT_TRUE(faults.empty());
    return book;
}

} // namespace

TEST(Guide, HardSoundsAreRespelledAsTheVoiceSaysThem)
{
    SKIP_WITHOUT_ESPEAK();
    const struct {
        const char* french;
        const char* respelling;
        const char* ipa;
    } phrases[] = {
        {"Où sont les toilettes ?", "oo sohn lay twah-LET", "u sɔ̃ le twaˈlɛt"},
        // the four nasal vowels, apart from an n that is said
        {"Un bon vin blanc.", "uhn bohn van blahn", "œ̃ bɔ̃ vɛ̃ blɑ̃"},
        {"Bonne nuit.", "bon nwee", "bɔn nɥi"},
        // the French r, after a vowel and in a cluster
        {"Il faut rentrer.", "eel foh rahn-TRAY", "il fo ʁɑ̃ˈtʁe"},
        // u against ou
        {"Dessus ou dessous ?", "duh-SEW oo duh-SOO", "dəˈsy u dəˈsu"},
        // liaisons: the sounded ending starts the next word
        {"Vous avez des amis.", "voo zah-VAY day zah-MEE", "vu zaˈve de zaˈmi"},
        {"J'ai besoin d'un interprète.", "zhay buh-ZWAN duhn nan-tehr-PRET", "ʒe bəˈzwɛ̃ dœ̃ nɛ̃tɛʁˈpʁɛt"},
        // silent endings
        {"Ils parlent trop.", "eel pahrl troh", "il paʁl tʁo"},
        // elision
        {"J'aime l'hôtel.", "zhem loh-TEL", "ʒɛm loˈtɛl"},
        // an English word, as the voice says it
        {"Bon week-end !", "bohn wee-KEND", "bɔ̃ wiːˈkɛnd"},
        // clauses
        {"Très bien, merci. Et vous ?", "treh byan, mehr-SEE, ay voo", "tʁɛ bjɛ̃ | mɛʁˈsi | e vu"},
    };
    for (const auto& phrase : phrases) {
        PhraseGuideText guide;
        std::string fault;
        ASSERT_TRUE(GuideForFrench(phrase.french, guide, fault)) << phrase.french << ": " << fault;
        EXPECT_EQ(std::pair(guide.respelling, guide.ipa), std::pair(std::string(phrase.respelling), std::string(phrase.ipa)))
            << phrase.french;
    }
}

TEST(Guide, ReadingsBecomeSyllablesWithTheirStressOrNameTheUnknownSound)
{
    const struct {
        const char* reading;   // "." separates phonemes
        const char* respelling;
        const char* ipa;
        const char* unknown;
    } readings[] = {
        // pause and boundary marks are not sounds
        {"_|.w.'i", "wee", "wi", ""},
        // a liaison consonant moves to the word it is said with, only before a vowel
        {"l.e-.z2", "layz", "lez", ""},
        // two stressed vowels in a word: the last one is marked
        {"E.k.s.k.y.z.'e.m.w.'a", "eks-kew-zay-MWAH", "ɛkskyzeˈmwa", ""},
        // obstruent with liquid and glides open a syllable
        {"b.E.n.j.'w.a.r", "beh-NYWAHR", "bɛˈnjwaʁ", ""},
        // a word without a vowel leans on the one before when none follows
        {"a.m.'i l", "ah-MEEL", "aˈmil", ""},
        // the voice switches to English and back
        {"(en).T.'I.N", "thing", "θɪŋ", ""},
        {"(en)b.'E(fr) b.'E", "be beh", "bɛ bɛ", ""},
        // a sound the scheme does not know is named with its language
        {"(en).w.'Y", "", "", "Y (en)"},
    };
    for (const auto& r : readings) {
        PhraseGuideText guide;
        std::string unknown;
        const bool read = RespellReading(Reading(r.reading), guide, unknown);
        EXPECT_EQ(std::tuple(read, guide.respelling, guide.ipa, unknown),
                  std::tuple(*r.unknown == '\0', std::string(r.respelling), std::string(r.ipa), std::string(r.unknown)))
            << r.reading;
    }
}

TEST(Guide, SchemeHasEverySoundTheBookIsReadWithAndTheReadmeShowsIt)
{
    SKIP_WITHOUT_ESPEAK();
    // The whole book in one reading, a phrase a line, with the clips' voice.
    const ScopedTempDir dir;
    std::ofstream text("book.txt");
    for (const BookPhrase& phrase : SourceBook())
        text << phrase.spokenFrench << "\n";
    text.close();
    std::string command;
    for (const std::string& word : SpeechVoice())
        command += word + " ";
    const std::string reading = RunShell(command + "-q -x --sep=z -f book.txt").out;
    ASSERT_GT(reading.size(), 10000u);
    PhraseGuideText guide;
    std::string unknown;
    EXPECT_TRUE(RespellReading(reading, guide, unknown)) << unknown;

    // Each sound is one row of the table in data/README.md.
    const std::string shown = ReadText(DataPath("README.md"));
    for (const GuideSound& sound : GuideSounds()) {
        std::string spelling(sound.spelling);
        if (!sound.closedSpelling.empty())
            spelling += ", " + std::string(sound.closedSpelling) + " before a consonant";
        if (!sound.glideSpelling.empty())
            spelling += ", " + std::string(sound.glideSpelling) + " before a vowel";
        const std::string row = "| " + std::string(sound.language) + " | `" + std::string(sound.phoneme) + "` | " +
                                std::string(sound.ipa) + " | " + spelling + " | " + std::string(sound.example) + " |";
        EXPECT_NE(shown.find(row), std::string::npos) << row;
    }
}

TEST(Guide, CommittedGuideHoldsEveryPhraseAsTheToolMakesIt)
{
    SKIP_WITHOUT_ESPEAK();
    const Bytes bytes = ReadFile(DataPath(kGuideFileName));
    ASSERT_EQ(bytes.size(), std::size_t(kPhraseCount) * GuideRecord::kSize);
    const std::vector<BookPhrase> book = SourceBook();
    ASSERT_EQ(book.size(), std::size_t(kPhraseCount));
    for (int number = 1; number <= kPhraseCount; ++number) {
        const std::optional<GuideRecord> record = ReadPhraseGuide(TESSALY_DATA_DIR, number);
        ASSERT_TRUE(record && !record->ipa.empty()) << "phrase " << number;
        // A sample is read again: the file matches the source and the voice.
        if (number % 97 != 1)
            continue;
        PhraseGuideText guide;
        std::string fault;
        ASSERT_TRUE(GuideForFrench(book[std::size_t(number - 1)].spokenFrench, guide, fault)) << fault;
        EXPECT_EQ(std::pair(Utf16ToUtf8(record->respelling), Utf16ToUtf8(record->ipa)), std::pair(guide.respelling, guide.ipa))
            << "phrase " << number;
    }
}
