// The local MediaWiki of the tests as a program of its own, for exploring it by hand: serves a
// fresh copy of the wiki that tests/wiki/install_wiki.sh built, prints how to reach it, and
// ends with Ctrl+C or SIGTERM, taking its PHP server with it.
#include <signal.h>

#include <cstdio>
#include <exception>

#include "tests/support/engine_environment.h"
#include "tests/support/local_wiki.h"

int main() {
    sigset_t ending;
    sigemptyset(&ending);
    for (const int number : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&ending, number);
    // Blocked before any thread starts, so that every thread leaves them to sigwait below.
    pthread_sigmask(SIG_BLOCK, &ending, nullptr);
    try {
        support::LocalWiki wiki;
        std::printf(
            "The local wiki answers for https://en.wikipedia.org at 127.0.0.1:%u (TLS), and in "
            "plain HTTP at 127.0.0.1:%u, e.g.\n  curl -H 'Host: en.wikipedia.org' "
            "http://127.0.0.1:%u/wiki/Sample_page\nIts account: %s, password %s (the same for "
            "%s, who started the articles whose creator gets a notice).\nThe tool against it:\n"
            "  QTWEBENGINE_CHROMIUM_FLAGS='%s' scripts/run.sh build/bin/afd-nominator\nCtrl+C "
            "ends the wiki.\n",
            static_cast<unsigned>(wiki.port()), static_cast<unsigned>(wiki.serverPort()),
            static_cast<unsigned>(wiki.serverPort()), wiki.userName().c_str(),
            wiki.password().c_str(), wiki.creatorName().c_str(),
            support::EngineFlags(wiki.port()).c_str());
        std::fflush(stdout);
        int number = 0;
        sigwait(&ending, &number);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
