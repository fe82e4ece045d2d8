// The change rules on worked cases: the reliable-change boundary, the cut-off c between the
// samples, recovery, the first administration, and the split scales with their cut-offs.
#include "history/client_history.h"
#include "history/clinical_change.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace obrix::history;

namespace {

using Items = std::array<std::int16_t, obrix::scoring::kItemCount>;

Administration administration(const Items& items, int total) {
    Administration made;
    made.split = splitScores(items);
    made.scales.back().raw = total;
    return made;
}

TEST(ClinicalChange, CriteriaFollowFromTheNorms) {
    const ChangeCriteria& criteria = changeCriteria();
    EXPECT_NEAR(criteria.standardErrorOfDiff, 8.118, 1e-9);
    EXPECT_EQ(criteria.smallestReliableChange, 16);
    EXPECT_NEAR(criteria.clinicalCutoff, 22.96, 0.005);
    EXPECT_EQ(formatFixed(criteria.clinicalCutoff, 2, ","), "22,96");
}

TEST(ClinicalChange, WorkedCasesFromTheFirstAdministration) {
    struct Case {
        int first, later;
        ReliableChange change;
        bool recovered;
    };
    const std::vector<Case> cases{
        {40, 25, ReliableChange::None, false},     // a fall of 15 is within the noise
        {40, 24, ReliableChange::Improved, false}, // 16 is reliable, but 24 is above c
        {38, 22, ReliableChange::Improved, true},  // reliable, and 22 is below c
        {39, 23, ReliableChange::Improved, false}, // 23 is above c
        {60, 0, ReliableChange::Improved, true},
        {10, 25, ReliableChange::None, false},         // a rise of 15
        {10, 26, ReliableChange::Deteriorated, false}, // a rise of 16
        {20, 20, ReliableChange::None, false},
    };
    for (const Case& each : cases) {
        SCOPED_TRACE(testing::Message() << each.first << " -> " << each.later);
        EXPECT_EQ(reliableChange(each.later - each.first), each.change);
        EXPECT_EQ(recovered(each.first, each.later), each.recovered);

        std::vector<Administration> client{administration({}, each.first),
                                           administration({}, each.later)};
        client[1].file = "b.oci"; // the same date: the file name orders them
        client[0].file = "a.oci";
        orderAdministrations(client);
        EXPECT_EQ(client[0].reliableChangeFromFirst, std::nullopt);
        EXPECT_EQ(client[0].recovered, std::nullopt);
        EXPECT_EQ(client[1].reliableChangeFromFirst, each.change);
        EXPECT_EQ(client[1].recovered, each.recovered);
    }
}

TEST(ClinicalChange, SplitScalesAndTheirCutoffs) {
    struct Case {
        Items items; // items 1 to 18: 1, 7 and 13 make up the Hoarding Disorder subscale
        int ocd, hoarding;
        bool ocdAtOrAbove, hoardingAtOrAbove;
    };
    const std::vector<Case> cases{
        {{4, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0}, 0, 6, false, true},
        {{1, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 2}, 0, 5, false, false},
        {{0, 4, 4, 3, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0}, 11, 4, false, false},
        {{0, 4, 4, 3, 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 1}, 12, 4, true, false},
        {{4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4}, 60, 12, true, true},
    };
    for (const Case& each : cases) {
        const SplitScores scores = administration(each.items, 0).split;
        EXPECT_EQ(scores.ocd, each.ocd);
        EXPECT_EQ(scores.hoardingDisorder, each.hoarding);
        EXPECT_EQ(scores.atOrAboveCutoff(SplitScale::Ocd), each.ocdAtOrAbove);
        EXPECT_EQ(scores.atOrAboveCutoff(SplitScale::HoardingDisorder), each.hoardingAtOrAbove);
    }
}

} // namespace
