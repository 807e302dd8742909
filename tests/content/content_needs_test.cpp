// The list of what a traveller needs to say, held against the book: every
// essential and important need is answered, and the answered needs weigh at
// least 95 % of all of them.

#include "contentdata.h"

#include "searchdata.h"

#include <iostream>
#include <iterator>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {

struct Need {
    int line;
    std::string importance, text, numbers;
};

// Read as make-phrasebook reads it: blank lines and comments left out.
std::vector<Need> ReadNeeds()
{
    std::vector<Need> needs;
    const std::string text = ReadText(DataPath("source/traveller-needs.txt"));
    for (const auto& [number, line] : ContentLines(text)) {
        const std::size_t first = line.find('|'), last = line.rfind('|');
        const bool split = first != last;
        needs.push_back({number, std::string(TrimBlanks(line.substr(0, first))),
                         split ? std::string(TrimBlanks(line.substr(first + 1, last - first - 1))) : "",
                         split ? std::string(line.substr(last + 1)) : ""});
    }
    return needs;
}

} // namespace

TEST(ContentNeeds, EveryEssentialAndImportantNeedIsAnsweredAndCoverageIsAtLeast95Percent)
{
    const std::map<std::string, int> weights{{"essential", 3}, {"important", 2}, {"useful", 1}};
    const std::vector<Need> needs = ReadNeeds();
    ASSERT_GE(needs.size(), 120u);
    int total = 0, answered = 0;
    for (const Need& need : needs) {
        const std::string where = "line " + std::to_string(need.line) + ": " + need.text;
        // make-phrasebook refuses an unknown importance or a number that names no phrase (make_phrasebook_test).
        ASSERT_TRUE(weights.contains(need.importance) && !need.text.empty()) << where;
        std::istringstream numbers(need.numbers);
        const auto count = std::distance(std::istream_iterator<std::string>(numbers), {});
        const int weight = weights.at(need.importance);
        EXPECT_TRUE(count > 0 || weight == 1) << where << " is " << need.importance << " and unanswered";
        total += weight;
        answered += count > 0 ? weight : 0;
    }
    const double coverage = 100.0 * answered / total;
    RecordProperty("weighted_coverage_percent", std::to_string(coverage));
    std::cout << "weighted coverage: " << answered << " / " << total << " = " << coverage << " %\n";
    EXPECT_GE(coverage, 95.0);
}
