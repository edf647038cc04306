#include "forms/random.h"

#include <gtest/gtest.h>

using forms::Random;

TEST(Random, DrawsLieInZeroToOneAndRepeatForTheSameSeed) {
    Random first(42), second(42);
    for (int i = 0; i < 10000; ++i) {
        const double value = first.next();
        ASSERT_GE(value, 0.0);
        ASSERT_LT(value, 1.0);
        ASSERT_EQ(second.next(), value);
    }
}

TEST(Random, ReseedingWithTheSameValueNeverRestartsTheSequence) {
    Random random(1);
    random.reseed(7);
    const double afterFirst = random.next();
    random.reseed(7);
    EXPECT_NE(random.next(), afterFirst);  // with a draw in between

    Random other(1);
    other.reseed(7);
    const double first = other.next();
    other.reseed(7);
    other.reseed(7);
    EXPECT_NE(other.next(), first);  // twice in a row
}

TEST(Random, ReseedingMixesTheValueIn) {
    Random a(3), b(3), c(3);
    a.reseed(1.5);
    b.reseed(2.5);
    c.reseed(1.5);
    const double drawA = a.next();
    EXPECT_NE(drawA, b.next());
    EXPECT_EQ(drawA, c.next());
}
