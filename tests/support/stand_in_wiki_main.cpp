// The loopback stand-in for the wiki as a program of its own, for pictures of the window: it
// answers the wiki's API with the given JSON, the wiki's editor with the given page if there is
// one, and every other page with a plain stand-in page, and prints the browser engine's flags
// that lead there. Runs until it is killed.
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/engine_environment.h"
#include "tests/support/stub_wiki_server.h"

int main(int argc, char* argv[]) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s API_ANSWER_JSON [EDITOR_PAGE.html]\n", argv[0]);
        return 2;
    }
    support::StubWikiServer server;
    const std::string answer = argv[1];
    server.answer("/w/api.php", [&answer](const support::ArrivedRequest&) {
        return support::StubAnswer{200, "application/json", "", answer, false};
    });
    if (argc == 3) {
        std::ifstream file(argv[2], std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "cannot read %s\n", argv[2]);
            return 2;
        }
        const std::string page{std::istreambuf_iterator<char>(file),
                               std::istreambuf_iterator<char>()};
        // Every page the panes open in the editor, the article's and the day's log.
        server.answer("/w/index.php", [page](const support::ArrivedRequest&) {
            support::StubAnswer answer;
            answer.body = page;
            return answer;
        });
    }
    std::printf("%s\n", support::EngineFlags(server.port()).c_str());
    std::fflush(stdout);
    for (;;) pause();
}
