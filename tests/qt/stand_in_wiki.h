#pragma once

#include "tests/support/gui_test_constants.h"
#include "tests/support/local_wiki.h"
#include "tests/support/stub_wiki_server.h"

namespace nominator {

// What this test program's browser engine reaches instead of en.wikipedia.org: either the
// loopback stand-in for the wiki, or the local MediaWiki, whose TLS end can still answer what a
// test tells it to. Each is made on first use, which must come before the first window loads the
// engine, since the engine reads where to go when it starts; a program uses one of the two.
support::StubWikiServer& StandInWiki();
// The clock of the windows that meet either.
using support::kNoonOnMarch7;
support::LocalWiki& LoopbackWiki();

}  // namespace nominator
