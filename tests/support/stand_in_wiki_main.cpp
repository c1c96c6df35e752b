// The loopback stand-in for the wiki as a program of its own, for pictures of the window: it
// answers the wiki's API with the given JSON, the wiki's editor with the given page if there is
// one (and user talk pages' editor with the second page, if there is one), and every other page
// with a plain stand-in page, and prints the browser engine's flags that lead there. Runs until
// it is killed.
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "tests/support/engine_environment.h"
#include "tests/support/stub_wiki_server.h"

namespace {

std::optional<std::string> Contents(const char* path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

support::StubAnswer Page(const std::string& body) {
    support::StubAnswer answer;
    answer.body = body;
    return answer;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr,
                     "usage: %s API_ANSWER_JSON [EDITOR_PAGE.html [TALK_EDITOR_PAGE.html]]\n",
                     argv[0]);
        return 2;
    }
    support::StubWikiServer server;
    const std::string answer = argv[1];
    server.answer("/w/api.php", [&answer](const support::ArrivedRequest&) {
        return support::StubAnswer{200, "application/json", "", answer, false};
    });
    std::string editor;
    std::string talkEditor;
    for (int file = 2; file < argc; ++file) {
        const std::optional<std::string> page = Contents(argv[file]);
        if (!page) {
            std::fprintf(stderr, "cannot read %s\n", argv[file]);
            return 2;
        }
        (file == 2 ? editor : talkEditor) = *page;
    }
    if (!editor.empty()) {
        // Every page the panes open in the editor: the article's, the day's log, a talk page.
        server.answer("/w/index.php", [editor, talkEditor](const support::ArrivedRequest& request) {
            const bool talk = request.target.find("title=User%20talk") != std::string::npos;
            return Page(talk && !talkEditor.empty() ? talkEditor : editor);
        });
    }
    std::printf("%s\n", support::EngineFlags(server.port()).c_str());
    std::fflush(stdout);
    for (;;) pause();
}
