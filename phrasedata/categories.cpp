#include "categories.h"

namespace {

// The values are exactly those of the phrase book, including its irregular
// ones: Travel's "Signs" lies after "Train/Bus" in the numbers but before it in
// the box, Business "Basic" starts at 550 so phrase 549 is listed only under
// "All", and the lodging button reads "Logding".
constexpr Subcategory kBasic[] = {
    {u"All", {1, 171}},          {u"Greetings", {1, 7}},     {u"Language", {8, 25}},
    {u"Weather", {26, 43}},      {u"Signs", {44, 52}},       {u"Date and Time", {53, 85}},
    {u"Numbers", {86, 97}},      {u"Key words and phrase", {98, 171}},
};
constexpr Subcategory kTravel[] = {
    {u"All", {172, 330}},        {u"Arrival", {172, 178}},   {u"Loss and damage", {179, 182}},
    {u"Directions", {183, 189}}, {u"Plane", {190, 262}},     {u"Signs", {268, 293}},
    {u"Train/Bus", {263, 267}},  {u"Car rental", {294, 311}}, {u"Gas and Parking", {312, 315}},
    {u"Problems", {316, 321}},   {u"Taxi", {322, 330}},
};
constexpr Subcategory kFood[] = {
    {u"All", {331, 474}},        {u"Finding Restaurant", {331, 338}}, {u"At Restaurant", {339, 353}},
    {u"Personal Needs", {354, 408}}, {u"Complains", {409, 415}},      {u"Menu Reader", {416, 474}},
};
constexpr Subcategory kLodging[] = {
    {u"All", {475, 548}},        {u"Reservation", {475, 479}}, {u"At Hotel", {480, 490}},
    {u"Check in", {491, 514}},   {u"About Hotel", {515, 519}}, {u"Personal Needs", {520, 530}},
    {u"Problems", {531, 540}},   {u"Check out", {541, 548}},
};
constexpr Subcategory kBusiness[] = {
    {u"All", {549, 567}}, {u"Basic", {550, 558}}, {u"Exchange Information", {559, 567}},
};
constexpr Subcategory kSightseeing[] = {
    {u"All", {568, 611}}, {u"Questions", {568, 591}}, {u"Useful Words", {592, 597}},
    {u"Leisure", {598, 611}},
};
constexpr Subcategory kSocial[] = {
    {u"All", {612, 660}}, {u"Conversation", {612, 650}}, {u"Get Together", {651, 656}},
    {u"Exchange Information", {657, 660}},
};
constexpr Subcategory kShopping[] = {
    {u"All", {661, 714}}, {u"Finding places", {661, 673}}, {u"Purchase", {674, 702}},
    {u"Return", {703, 706}}, {u"Banking", {707, 714}},
};
constexpr Subcategory kEmergency[] = {
    {u"All", {715, 764}}, {u"Medical", {715, 744}}, {u"Loss and missing", {745, 753}},
    {u"Help", {754, 764}},
};
constexpr Subcategory kQuestion[] = {
    {u"All", {765, 831}},        {u"Where", {765, 772}}, {u"When", {773, 790}},
    {u"How much/many", {791, 803}}, {u"Why", {804, 807}},  {u"Who/Which", {808, 831}},
};

constexpr Category kCategories[] = {
    {kBasicCode, u"Basic", kBasic},
    {kTravelCode, u"Travel", kTravel},
    {kFoodCode, u"Food", kFood},
    {kLodgingCode, u"Logding", kLodging},
    {kBusinessCode, u"Business", kBusiness},
    {kSightseeingCode, u"SightSeeing", kSightseeing},
    {kSocialCode, u"Social", kSocial},
    {kShoppingCode, u"Shopping", kShopping},
    {kEmergencyCode, u"Emergency", kEmergency},
    {kQuestionCode, u"Question", kQuestion},
};

} // namespace

std::span<const Category> Categories()
{
    return kCategories;
}

const Category* CategoryOf(int viewCode)
{
    for (const Category& category : kCategories) {
        if (category.code / 100 == viewCode / 100)
            return &category;
    }
    return nullptr;
}

std::optional<PhraseRange> RangeOfCode(int code)
{
    if (code < 0)
        return std::nullopt;
    const Category* category = CategoryOf(code);
    const std::size_t index = std::size_t(code % 100);
    if (category == nullptr || index >= category->subcategories.size())
        return std::nullopt;
    return category->subcategories[index].phrases;
}
