// asterix-decode: EUROCONTROL ASTERIX data blocks from files, captures, pipes or a UDP port,
// decoded to text, keyword lines or JSON lines.

#include <csignal>
#include <cstdio>
#include <unistd.h>

#include "Run.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void onSignal(int) {
    g_stop = 1;
}

}  // namespace

int main(int argc, char** argv) {
    asterixdecode::RunOptions options;
    std::string error;
    switch (asterixdecode::parseOptions(argc, argv, &options, &error)) {
        case asterixdecode::ParseResult::Help:
            std::fputs(asterixdecode::usageText().c_str(), stdout);
            return 0;
        case asterixdecode::ParseResult::Error:
            std::fprintf(stderr, "asterix-decode: %s\n", error.c_str());
            return 2;
        case asterixdecode::ParseResult::Run:
            break;
    }
    // Interrupting a live reception ends it and still prints the counts (files end by
    // themselves, and an interrupt ends them at once). A closed pipe ends the output quietly
    // (write fails) instead of killing the process.
    if (options.udp) {
        struct sigaction action = {};
        action.sa_handler = &onSignal;
        sigaction(SIGINT, &action, nullptr);
        sigaction(SIGTERM, &action, nullptr);
    }
    std::signal(SIGPIPE, SIG_IGN);
    asterixdecode::Output out(STDOUT_FILENO);
    asterixdecode::Output err(STDERR_FILENO);
    return asterixdecode::run(options, out, err, &g_stop);
}
