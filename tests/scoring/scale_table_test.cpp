#include "scoring/calculation.h"

#include <gtest/gtest.h>

#include <set>

using namespace obrix::scoring;

TEST(ScaleTable, EveryItemBelongsToExactlyOneSubscale) {
    std::multiset<int> seen;
    for (const auto& info : scaleTable()) {
        if (info.scale == Scale::Total)
            continue;
        seen.insert(info.items.begin(), info.items.end());
    }
    ASSERT_EQ(seen.size(), 18u);
    for (int item = 1; item <= 18; ++item)
        EXPECT_EQ(seen.count(item), 1u) << "item " << item;
}
