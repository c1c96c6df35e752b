#include "tests/support/engine_environment.h"

namespace support {

std::string EngineFlags(uint16_t port) {
    return "\"--host-resolver-rules=MAP en.wikipedia.org 127.0.0.1:" + std::to_string(port) +
           ", MAP * ~NOTFOUND, EXCLUDE 127.0.0.1\" --no-proxy-server --ignore-certificate-errors";
}

Environment EngineEnvironment(uint16_t port) {
    Environment environment{{"QTWEBENGINE_DISABLE_SANDBOX", "1"},
                            {"QTWEBENGINE_CHROMIUM_FLAGS", EngineFlags(port)}};
    for (const char* proxy :
         {"http_proxy", "https_proxy", "all_proxy", "HTTP_PROXY", "HTTPS_PROXY", "ALL_PROXY"}) {
        environment[proxy] = "";
    }
    return environment;
}

}  // namespace support
