#include "Interruption.h"

#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <thread>

namespace tornivo::cli {
namespace {

std::atomic<int> received{0};

// Never destroyed: the waiting thread may still hold it while the program exits.
std::stop_source& source() {
    static auto* stop = new std::stop_source;
    return *stop;
}

}  // namespace

void Interruption::install() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    source();
    // Only the first signal counts; later ones stay pending and blocked, so that a second
    // Ctrl-C cannot cut short the item being removed. The work ends within moments anyway.
    std::thread([set] {
        int signal = 0;
        if (sigwait(&set, &signal) != 0) return;
        received.store(signal);
        source().request_stop();
    }).detach();
}

std::stop_token Interruption::token() {
    return source().get_token();
}

int Interruption::signal() {
    return received.load();
}

const char* Interruption::name(int signal) {
    return signal == SIGTERM ? "SIGTERM" : "SIGINT";
}

}  // namespace tornivo::cli
