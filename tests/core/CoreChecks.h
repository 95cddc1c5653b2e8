#pragma once
// Small helpers shared by the core tests: lists mapped to what a check compares, and the skips of
// checks that need the system's help.

#include <gtest/gtest.h>

#include <vector>

#include "SystemFixtures.h"
#include "TempHome.h"

namespace tornivo::test {

// `f` applied to every element, in order.
template <class Range, class F>
auto mapped(const Range& range, F f) {
    std::vector<std::decay_t<decltype(f(*std::begin(range)))>> out;
    for (const auto& e : range) out.push_back(f(e));
    return out;
}

}  // namespace tornivo::test

// Skips the test unless permission bits apply to this thread, until the end of the scope.
#define TORNIVO_SKIP_UNLESS_PERMISSIONS_APPLY()     \
    ::tornivo::test::PermissionsApply permissions_; \
    if (!permissions_.active()) GTEST_SKIP() << permissions_.reason()

// Runs the body (a function of the report) in a private mount namespace; skips when its fixture
// cannot be built there.
#define TORNIVO_EXPECT_IN_MOUNT_NAMESPACE(...)                                \
    do {                                                                      \
        const auto outcome_ = ::tornivo::test::inMountNamespace(__VA_ARGS__); \
        if (outcome_.skipped) GTEST_SKIP() << outcome_.report;                \
        EXPECT_TRUE(outcome_.passed) << outcome_.report;                      \
    } while (false)
