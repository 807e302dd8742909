#include "contentdata.h"

#include "codepage.h"
#include "text.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <ranges>

namespace {

ContentData Load()
{
    ContentData data{ReadRecords<PhraseRecord>(DataPath("English.dat")),
                     ReadRecords<TranslationRecord>(DataPath("French.dat")),
                     ReadRecords<MapRecord>(DataPath("MapEngSpec.data")), {}};
    const Bytes relate = ReadFile(DataPath("Relate.dat"));
    for (std::size_t at = 0; at + kRelateRowBytes <= relate.size(); at += kRelateRowBytes)
        std::copy_n(relate.begin() + long(at), kRelateRowBytes, data.related.emplace_back().begin());
    return data;
}

} // namespace

const ContentData& Content()
{
    static const ContentData data = Load();
    return data;
}

std::u16string EnglishKey(int number)
{
    return PhraseKey(Content().english.at(std::size_t(number - 1)).text);
}

std::u16string FrenchShown(int number)
{
    return DropLineEnd(DropByteOrderMark(Content().french.at(std::size_t(number - 1)).text));
}

std::u16string MapText(int number)
{
    return Windows1252ToUtf16(Content().map.at(std::size_t(number - 1)).text);
}

std::optional<GroupedText> GroupOf(const std::u16string& text)
{
    const std::size_t open = text.find(u'['), close = text.find(u']', open);
    if (close == std::u16string::npos)   // also when there is no "[": the search for "]" starts past the end
        return std::nullopt;
    GroupedText group{text.substr(0, open), {}, text.substr(close + 1)};
    for (const auto alternative : std::views::split(text.substr(open + 1, close - open - 1), u'|'))
        group.alternatives.emplace_back(alternative.begin(), alternative.end());
    return group;
}

int Peak(const std::vector<std::uint8_t>& pcm)
{
    int peak = 0;
    for (const int sample : AsSamples16(pcm))
        peak = std::max(peak, std::abs(sample));
    return peak;
}

std::vector<int> ListedPhrases(int first, int last)
{
    std::vector<int> listed;
    for (int n = first; n <= last; n += std::max<int>(1, Content().map.at(std::size_t(n - 1)).variantCount))
        listed.push_back(n);
    return listed;
}

ContentWindow::ContentWindow(ClipPlayer* clipPlayer) : FakeWindowSet(clipPlayer)
{
    for (const char* name : {"English.dat", "French.dat", "MapEngSpec.data", "Relate.dat", "data.idx", "data.dat",
                             "Synonyms.dat", "Keywords.dat"})
        std::filesystem::create_symlink(DataPath(name), name);
    window.list = nullptr;
    book.OpenDataFiles();
}
