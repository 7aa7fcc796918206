# The two commands of README.md: `make run` and `make test`.
BUILD ?= build
SAN_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= 2
# Warnings as errors in our own checks only: a user's build (make run, make
# package) warns and goes on. Switching between the two rebuilds $(BUILD).
WERROR ?= OFF
test: WERROR = ON

.PHONY: deps test-deps configure build run test sanitize package pictures bench fuzz clean

deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps --test

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUB_WERROR=$(WERROR) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/zubzahlen

# Every test, then every test again under the address, leak and
# undefined-behaviour sanitizers (SANITIZE=no leaves out the second pass).
SANITIZE ?= yes
test: test-deps build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)
	@if [ "$(SANITIZE)" != no ]; then $(MAKE) --no-print-directory sanitize; fi

# Its own build directory; the first finding ends the test with a failure
# (the options are set per test in tests/CMakeLists.txt).
sanitize: test-deps
	@cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZUB_SANITIZE=ON -DZUB_WERROR=ON >/dev/null
	@cmake --build $(SAN_BUILD) -j$(JOBS)
	cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The Debian package, in $(BUILD).
package: build
	cd $(BUILD) && cpack -G DEB

# The pictures of README.md and the handbook, rendered offscreen from fixed
# random seeds, the same on every run.
pictures: test-deps build
	cmake --build $(BUILD) --target screenshots
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/tests/tools/screenshots docs

bench: build
	python3 bench/run.py $(BUILD)

# libFuzzer targets built with clang, each run for $(FUZZ_SECONDS) seconds.
fuzz:
	@scripts/install-deps --fuzz
	@cmake -S fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DZUB_WERROR=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS)
	@scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
