#include "windowfixture.h"

#include "phrasefixtures.h"

#include <QTest>
#include <cstdlib>

const std::optional<Bytes>& TestClip()
{
    static const std::optional<Bytes> clip = []() -> std::optional<Bytes> {
        ScopedTempDir scratch;
        const int made = std::system("sox -n -r 22050 -c 1 -b 16 tone.wav synth 1 sine 440 vol 0.5 2>/dev/null && "
                                     "lame --quiet -t --cbr -b 48 -m m tone.wav tone.mp3 2>/dev/null");
        return made == 0 && FileExists("tone.mp3") ? std::optional(ReadFile("tone.mp3")) : std::nullopt;
    }();
    return clip;
}

void WriteWindowBook()
{
    WriteNumberedBook(831);
    std::vector<std::u16string> english;
    std::vector<MapEntry> map;
    for (int n = 1; n <= 831; ++n) {
        english.push_back(NumberedText(n));
        map.push_back({"Phrase " + std::to_string(n)});
    }
    english[1] = u"Phrase [two]";
    english[2] = u"Phrase [three]";
    english[3] = u"Phrase [four]";
    map[1] = {"Phrase [two|three|four]", 3};
    map[2] = {"Phrase [three]", 1};
    map[3] = {"Phrase [four]", 1};
    WriteEnglishTexts(english);
    WriteMap(map);
    std::vector<std::vector<int>> related = {{5, 9}, {1}};
    related.resize(831);
    WriteRelated(related);
    WriteSearchData();
    if (const auto& clip = TestClip())   // every phrase the one clip
        WriteSoundArchive({*clip}, std::vector<ArchiveEntry>(831, {0, std::uint32_t(clip->size())}));
    else
        WriteSoundArchive({});
}

void WindowFixture::OpenWindow(bool shown)
{
    auto recording = std::make_unique<platform::RecordingWaveOut>();
    device = recording.get();
    window = std::make_unique<CTessalyDlg>(std::move(recording));
    window->OnInitDialog();
    if (shown) {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
}
