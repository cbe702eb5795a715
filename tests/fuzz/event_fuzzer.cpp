// Coverage-guided fuzzing of the window's logic: every input byte is one user event on the
// in-memory window; a broken invariant or an inexact result aborts.
#include "event_driver.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quorvel::testing::EventDriver driver;
    for (std::size_t i = 0; i < size; ++i) {
        driver.perform(data[i]);
        const std::string broken = driver.brokenInvariant();
        if (!broken.empty()) {
            std::fprintf(stderr, "after event %zu: %s\n", i, broken.c_str());
            std::abort();
        }
    }
    return 0;
}
