# The two everyday commands: `make run` starts the tool, `make test` tests it.
# Both install whatever Debian packages are missing first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
# CI builds with warnings as errors; a developer's build only shows them.
CMAKE_FLAGS ?= $(if $(CI),-DWARNINGS_AS_ERRORS=ON)

.PHONY: deps configure build run test format screenshot bench wiki

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	./scripts/run.sh $(BUILD_DIR)/bin/afd-nominator

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --no-tests=error --parallel $(JOBS)

# Start-up, click-to-request and memory, measured from outside under Xvfb; not part of `test`.
bench: build
	./bench/run_bench.sh $(BUILD_DIR)

# The tests' local MediaWiki, built anew and served on loopback until Ctrl+C, for exploring it
# by hand; it prints how to point the tool at it.
wiki: build
	./tests/wiki/install_wiki.sh $(BUILD_DIR)/local-wiki
	$(BUILD_DIR)/bin/local_wiki

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

screenshot: build
	./scripts/screenshot.sh $(BUILD_DIR) docs/form1.png docs/form1-notice.png

# The whole suite again, everything built with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitize/. The test preset sets the sanitizers' options and the leak suppressions.
.PHONY: test-sanitize package
test-sanitize: deps
	cmake --preset sanitize $(CMAKE_FLAGS)
	cmake --build --preset sanitize --parallel $(JOBS)
	ctest --preset sanitize --parallel $(JOBS)

# The Debian package of the everyday build, written to $(BUILD_DIR)/packages/.
package: build
	cpack -G DEB --config $(BUILD_DIR)/CPackConfig.cmake -B $(BUILD_DIR)/packages
