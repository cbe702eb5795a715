// Long random sequences of every user event on the in-memory window; after each event the
// invariants of the window must hold and every completed calculation must be exact.
#include "event_driver.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>

namespace quorvel {
namespace {

long eventCount() {
    const char* configured = std::getenv("QUORVEL_RANDOM_EVENTS");
    return configured != nullptr ? std::atol(configured) : 1'000'000;
}

// QUORVEL_RANDOM_SEED replays a walk; otherwise each run walks a new one. The seed is printed
// either way, so a failing walk can be replayed.
std::uint64_t walkSeed() {
    if (const char* configured = std::getenv("QUORVEL_RANDOM_SEED")) {
        return std::strtoull(configured, nullptr, 10);
    }
    std::mt19937_64 fresh(std::random_device{}());
    return fresh();
}

TEST(RandomInput, EveryEventKeepsTheWindowConsistent) {
    const std::uint64_t seed = walkSeed();
    std::mt19937_64 random(seed);
    std::cout << "random walk seed " << seed << " (replay: QUORVEL_RANDOM_SEED=" << seed << ")\n";
    RecordProperty("seed", std::to_string(seed));
    testing::EventDriver driver;
    const long events = eventCount();
    for (long i = 0; i < events; ++i) {
        const auto code = static_cast<std::uint8_t>(random());
        driver.perform(code);
        const std::string broken = driver.brokenInvariant();
        ASSERT_TRUE(broken.empty())
            << broken << " (event " << i << ", code " << int{code} << ", seed " << seed << ")";
    }
    // The walk must complete calculations, not only refuse them (about one per thousand events).
    EXPECT_GT(driver.completedCalculations(), static_cast<std::uint64_t>(events / 5000));
}

} // namespace
} // namespace quorvel
