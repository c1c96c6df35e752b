// The environment that points the browser engine of a program under test at the loopback
// stand-in for the wiki, and nowhere else.
#pragma once

#include <cstdint>
#include <string>

#include "tests/support/child_process.h"

namespace support {

// The engine's flags: en.wikipedia.org maps to the stand-in's loopback port, every other name
// fails to resolve, only loopback is left alone, and the stand-in's throwaway certificate is
// accepted. QtWebEngine splits flags at spaces unless an argument is quoted from its start.
std::string EngineFlags(uint16_t port);

// The flags above, the engine's sandbox off (tests run as root), and no proxy from the
// environment that could carry a request elsewhere.
Environment EngineEnvironment(uint16_t port);

}  // namespace support
