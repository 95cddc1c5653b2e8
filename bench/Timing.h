#pragma once
// What the timing programs share: reading numbers from their command lines, timing one call,
// the median and minimum of the runs, and checking the folder they are given.

#include <charconv>
#include <chrono>
#include <string_view>
#include <system_error>
#include <vector>

namespace tornivo::bench {

// Reads all of `text` as a number; false when it is not one or does not fit in `out`.
template <class Number>
bool parseNumber(std::string_view text, Number& out) {
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

// The same for a count, which must be above zero too.
template <class Number>
bool parseCount(std::string_view text, Number& out) {
    return parseNumber(text, out) && out > 0;
}

// The wall time `call()` takes, in seconds, on the steady clock.
template <class Call>
double secondsOf(Call&& call) {
    auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct RunTimes {
    double median;
    double min;
};

// The median and the minimum of the run times, of which there is at least one.
RunTimes summarizeRuns(std::vector<double> seconds);

// True when `path` is a folder (through a link only with `followLink`). Otherwise says why on
// standard error, as "PROGRAM: PATH: reason", and answers false.
bool checkFolder(const char* program, const char* path, bool followLink);

}  // namespace tornivo::bench
