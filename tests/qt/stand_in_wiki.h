#pragma once

#include "tests/support/stub_wiki_server.h"

namespace nominator {

// The loopback stand-in for the wiki that this test program's browser engine reaches instead
// of en.wikipedia.org. Made on first use, which must come before the first window loads the
// engine: the engine reads where to go when it starts.
support::StubWikiServer& StandInWiki();

}  // namespace nominator
