#include "guidefile.h"

#include "cfile.h"
#include "records.h"

GuideRecord GuideRecord::Decode(const std::uint8_t* bytes)
{
    return GuideRecord{DecodeText16(bytes, kRespellingUnits), DecodeText16(bytes + 2 * kRespellingUnits, kIpaUnits)};
}

std::array<std::uint8_t, GuideRecord::kSize> GuideRecord::Encode() const
{
    std::array<std::uint8_t, kSize> bytes{};
    EncodeText16(bytes.data(), kRespellingUnits, respelling);
    EncodeText16(bytes.data() + 2 * kRespellingUnits, kIpaUnits, ipa);
    return bytes;
}

std::optional<GuideRecord> ReadPhraseGuide(const std::filesystem::path& dataFolder, int number)
{
    if (number < 1 || number > kPhraseCount)
        return std::nullopt;
    FilePtr file = OpenFile((dataFolder / kGuideFileName).c_str(), "rb");
    // A file of another size was made for another phrase book, or is torn:
    // its records cannot be trusted to be the phrases'.
    if (!file || FileSize(file.get()) != long(kPhraseCount) * long(GuideRecord::kSize))
        return std::nullopt;
    std::uint8_t bytes[GuideRecord::kSize];
    if (!ReadAt(file.get(), long(number - 1) * long(GuideRecord::kSize), bytes, sizeof bytes))
        return std::nullopt;
    GuideRecord record = GuideRecord::Decode(bytes);
    if (record.respelling.empty())
        return std::nullopt;
    return record;
}
