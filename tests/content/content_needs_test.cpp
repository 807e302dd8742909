// The list of what a traveller needs to say, held against the book: every
// essential and important need is answered, and the answered needs weigh at
// least 95 % of all of them.

#include "contentdata.h"

#include "searchdata.h"

#include <iostream>
#include <gtest/gtest.h>
#include <map>

TEST(ContentNeeds, EveryEssentialAndImportantNeedIsAnsweredAndCoverageIsAtLeast95Percent)
{
    const std::map<std::string_view, int> weights{{"essential", 3}, {"important", 2}, {"useful", 1}};
    // "IMPORTANCE | need | NUMBER NUMBER", read as make-phrasebook reads it: blank lines and comments left out.
    const std::string text = ReadText(DataPath("source/traveller-needs.txt"));
    const std::vector<TextLine> needs = ContentLines(text);
    ASSERT_GE(needs.size(), 120u);
    int total = 0, answered = 0;
    for (const auto& [number, line] : needs) {
        const std::size_t first = line.find('|'), last = line.rfind('|');
        const std::string_view importance = TrimBlanks(line.substr(0, first));
        const std::string where = "line " + std::to_string(number) + ": " + std::string(line);
        // make-phrasebook refuses an unknown importance or a number that names no phrase (make_phrasebook_test).
        ASSERT_TRUE(first != last && weights.contains(importance) &&
                    !TrimBlanks(line.substr(first + 1, last - first - 1)).empty()) << where;
        const bool isAnswered = !TrimBlanks(line.substr(last + 1)).empty();
        const int weight = weights.at(importance);
        EXPECT_TRUE(isAnswered || weight == 1) << where << ": an unanswered need must be merely useful";
        total += weight;
        answered += isAnswered ? weight : 0;
    }
    const double coverage = 100.0 * answered / total;
    RecordProperty("weighted_coverage_percent", std::to_string(coverage));
    std::cout << "weighted coverage: " << answered << " / " << total << " = " << coverage << " %\n";
    EXPECT_GE(coverage, 95.0);
}
