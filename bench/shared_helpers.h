// The helpers the bench shares with the tests, used here under the bench's own names.
#pragma once

#include "tests/support/child_process.h"
#include "tests/support/clock.h"
#include "tests/support/process_tree.h"
#include "tests/support/stub_wiki_server.h"
#include "tests/support/x_map_watcher.h"

namespace bench {

using namespace support;

}  // namespace bench
