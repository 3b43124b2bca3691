#include "dsp/OpampLimiter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
TEST (OpampLimiter, IsUnityBelowTheKneeAndCeilsAboveIt)
{
    EXPECT_EQ (OpampLimiter::limit (0.0), 0.0);
    EXPECT_EQ (OpampLimiter::limit (4.153867856), (double) (float) 4.153867856);
    EXPECT_EQ (OpampLimiter::limit (-1.25), -1.25);
    EXPECT_EQ (OpampLimiter::limit (10.0), (double) 4.4f);
    EXPECT_EQ (OpampLimiter::limit (-10.0), -(double) 4.4f);
    EXPECT_NEAR (OpampLimiter::limit (4.660716391), 4.4, 1e-6);
}

TEST (OpampLimiter, KneeLosesHalfTheSquaredExcessInDecibels)
{
    for (double x : { 4.2, 4.4, 4.6 })
    {
        const double excessDb = 20.0 * std::log10 (x) - 20.0 * std::log10 (4.153867856);
        const double expected = x * std::pow (10.0, -(excessDb * excessDb) / 2.0 / 20.0);
        EXPECT_NEAR (OpampLimiter::limit (x), expected, 1e-6) << x;
        EXPECT_EQ (OpampLimiter::limit (-x), -OpampLimiter::limit (x));
        EXPECT_EQ (OpampLimiter::limit (x), (double) (float) OpampLimiter::limit (x));
    }

    EXPECT_NEAR (OpampLimiter::limit (4.4), 4.33713, 1e-5);
}
}
