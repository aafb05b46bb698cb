#include "paging.h"

#include <gtest/gtest.h>

using service::Page;
using service::paginate;

TEST(Paging, SlicesPagesAndTellsNothingAndBeyond) {
    struct Case {
        int total;
        long long p, n;
        Page::Outcome outcome;
        int pages, first, count;
    } cases[] = {
        {0, 1, 30, Page::Outcome::Nothing, 0, 0, 0},
        {60, 1, 30, Page::Outcome::Records, 2, 0, 30},
        {60, 2, 30, Page::Outcome::Records, 2, 30, 30},
        {60, 3, 30, Page::Outcome::BeyondLast, 2, 0, 0},
        {61, 3, 30, Page::Outcome::Records, 3, 60, 1},
        {5, 1, 200, Page::Outcome::Records, 1, 0, 5},
        {5, 1000000000, 1, Page::Outcome::BeyondLast, 5, 0, 0},
    };
    for (const Case& c : cases) {
        const Page page = paginate(c.total, c.p, c.n);
        SCOPED_TRACE(testing::Message() << c.total << " p=" << c.p << " n=" << c.n);
        EXPECT_EQ(page.outcome, c.outcome);
        EXPECT_EQ(page.pages, c.pages);
        EXPECT_EQ(page.first, c.first);
        EXPECT_EQ(page.count, c.count);
    }
}
