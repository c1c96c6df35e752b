// The loopback stand-in for the wiki as a program of its own, for pictures of the window: it
// answers the wiki's API with the given JSON and every page with a plain stand-in page, and
// prints the browser engine's flags that lead there. Runs until it is killed.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "tests/support/engine_environment.h"
#include "tests/support/stub_wiki_server.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s API_ANSWER_JSON\n", argv[0]);
        return 2;
    }
    support::StubWikiServer server;
    const std::string answer = argv[1];
    server.answer("/w/api.php", [&answer](const support::ArrivedRequest&) {
        return support::StubAnswer{200, "application/json", "", answer, false};
    });
    std::printf("%s\n", support::EngineFlags(server.port()).c_str());
    std::fflush(stdout);
    for (;;) pause();
}
