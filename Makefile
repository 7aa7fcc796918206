# The two commands of README.md: `make run` and `make test`.
BUILD ?= build
JOBS ?= 2

.PHONY: deps test-deps configure build run test bench clean

deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps --test

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/zubzahlen

test: test-deps build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	python3 bench/run.py $(BUILD)

clean:
	rm -rf $(BUILD)
