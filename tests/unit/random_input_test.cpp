// Long random sequences of every user event on the in-memory window; after each event the
// invariants of the window must hold and every completed calculation must be exact.
#include "event_driver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace quorvel {
namespace {

long eventCount() {
    const char* configured = std::getenv("QUORVEL_RANDOM_EVENTS");
    return configured != nullptr ? std::atol(configured) : 1'000'000;
}

TEST(RandomInput, EveryEventKeepsTheWindowConsistent) {
    std::mt19937_64 random(std::random_device{}());
    const auto seed = random();
    random.seed(seed);
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
