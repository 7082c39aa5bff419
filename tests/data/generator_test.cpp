#include <gtest/gtest.h>

#include "fixtures.h"
#include "vexmora/data/rng.h"

namespace vex {
namespace {

TEST(Generator, FirstDrawsFromTheInitialState) {
    const auto vectors = test::fixtureJson("rng-vectors.json");
    Rng rng;
    EXPECT_EQ(rng.state(), vectors["initialState"].get<uint32_t>());
    for (const auto& d : vectors["initialDraws"]) {
        EXPECT_EQ(rng.draw(), d["value"].get<float>());
        EXPECT_EQ(rng.state(), d["state"].get<uint32_t>());
    }
}

TEST(Generator, ResetsDependOnTheNumberAlone) {
    const auto vectors = test::fixtureJson("rng-vectors.json");
    for (const auto& r : vectors["resets"]) {
        Rng rng;
        rng.draw();  // whatever came before does not matter
        rng.reset(r["n"].get<double>());
        EXPECT_EQ(rng.state(), r["stateAfter"].get<uint32_t>()) << r["n"];
        EXPECT_EQ(static_cast<float>(rng.state()) / 16777216.0f, r["yield"].get<float>());
        for (const auto& d : r["draws"]) EXPECT_EQ(rng.draw(), d.get<float>());
    }
}

TEST(Generator, ReseedsMixTheNumberIntoTheState) {
    const auto vectors = test::fixtureJson("rng-vectors.json");
    for (const auto& r : vectors["reseeds"]) {
        Rng rng;
        rng.reset(r["reset"].get<double>());
        ASSERT_EQ(rng.state(), r["stateBefore"].get<uint32_t>());
        rng.reseed(r["reseed"].get<double>());
        EXPECT_EQ(rng.state(), r["stateAfter"].get<uint32_t>()) << r["reseed"];
        for (const auto& d : r["draws"]) EXPECT_EQ(rng.draw(), d.get<float>());
    }
}

TEST(Generator, SameResetAndSeedGiveTheSameSequence) {
    Rng a, b;
    b.draw();
    b.draw();
    a.reset(-1);
    a.reseed(987654.321);
    b.reset(-1);
    b.reseed(987654.321);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(a.draw(), b.draw());
}

TEST(Generator, DrawsStayBelowOne) {
    Rng rng;
    rng.setState(0xFFFFFF);
    for (int i = 0; i < 100000; ++i) {
        const float d = rng.draw();
        ASSERT_GE(d, 0.0f);
        ASSERT_LT(d, 1.0f);
    }
}

}  // namespace
}  // namespace vex
