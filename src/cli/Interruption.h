#pragma once
// Ctrl-C (SIGINT) and SIGTERM ask the running command to stop rather than killing it: the
// engines check the stop at their marks, so a removal ends between two items and an overwrite
// never leaves a half-written file behind. The command then says what it did, and the program
// ends with 128 + the signal's number, as a shell expects.

#include <stop_token>

namespace tornivo::cli {

class Interruption {
  public:
    // Blocks SIGINT and SIGTERM in the calling thread, and so in every thread started after it,
    // and waits for the first of them on a thread of its own. Call once, before any thread.
    static void install();
    // Stopped once a signal has arrived.
    static std::stop_token token();
    // The signal that arrived, or 0.
    static int signal();
    // "SIGINT", "SIGTERM".
    static const char* name(int signal);
};

}  // namespace tornivo::cli
