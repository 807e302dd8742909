#include "contentdata.h"

#include "codepage.h"
#include "text.h"

#include <algorithm>
#include <cstdlib>

namespace {

template <typename Record>
std::vector<Record> DecodeAll(const Bytes& bytes)
{
    std::vector<Record> records;
    for (std::size_t at = 0; at + Record::kSize <= bytes.size(); at += Record::kSize)
        records.push_back(Record::Decode(bytes.data() + at));
    return records;
}

ContentData Load()
{
    ContentData data;
    data.englishFile = ReadFile(DataPath("English.dat"));
    data.frenchFile = ReadFile(DataPath("French.dat"));
    data.mapFile = ReadFile(DataPath("MapEngSpec.data"));
    data.relateFile = ReadFile(DataPath("Relate.dat"));
    data.english = DecodeAll<PhraseRecord>(data.englishFile);
    data.french = DecodeAll<TranslationRecord>(data.frenchFile);
    data.map = DecodeAll<MapRecord>(data.mapFile);
    for (std::size_t at = 0; at + kRelateRowBytes <= data.relateFile.size(); at += kRelateRowBytes) {
        RelateRow row;
        std::copy_n(data.relateFile.begin() + long(at), kRelateRowBytes, row.begin());
        data.related.push_back(row);
    }
    return data;
}

} // namespace

std::string DataPath(const std::string& name)
{
    return std::string(TESSALY_DATA_DIR) + "/" + name;
}

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
    const std::size_t open = text.find(u'[');
    const std::size_t close = text.find(u']', open);
    if (open == std::u16string::npos || close == std::u16string::npos)
        return std::nullopt;
    GroupedText group{text.substr(0, open), {}, text.substr(close + 1)};
    const std::u16string inside = text.substr(open + 1, close - open - 1);
    for (std::size_t start = 0;;) {
        const std::size_t bar = inside.find(u'|', start);
        group.alternatives.push_back(inside.substr(start, bar - start));
        if (bar == std::u16string::npos)
            break;
        start = bar + 1;
    }
    return group;
}

int Peak(const std::vector<std::uint8_t>& pcm)
{
    int peak = 0;
    for (std::size_t i = 0; i + 1 < pcm.size(); i += 2)
        peak = std::max(peak, std::abs(int(std::int16_t(pcm[i] | pcm[i + 1] << 8))));
    return peak;
}

std::vector<int> ListedPhrases(int first, int last)
{
    std::vector<int> listed;
    for (int n = first; n <= last; n += std::max<int>(1, Content().map.at(std::size_t(n - 1)).variantCount))
        listed.push_back(n);
    return listed;
}
