# The two everyday commands: `make run` starts the tool, `make test` tests it.
# Both install whatever Debian packages are missing first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
# CI builds with warnings as errors; a developer's build only shows them.
CMAKE_FLAGS ?= $(if $(CI),-DWARNINGS_AS_ERRORS=ON)

.PHONY: deps configure build run test format screenshot

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	./scripts/run.sh $(BUILD_DIR)/app/afd-nominator

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --no-tests=error --parallel $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

screenshot: build
	./scripts/screenshot.sh $(BUILD_DIR) docs/form1.png
