# The front door: `make run` builds and starts the game, `make test` builds and runs the tests.
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 10

.PHONY: run test test-asan test-tsan fuzz bench screenshots package deps build-release build-dev build-asan build-fuzz clean

# The tests that use threads, and what they need, built with ThreadSanitizer.
TSAN_TARGETS = data_tests battle_tests rules_tests editor_tests ui_report_forms_tests

deps:
	@bash tools/install-deps.sh

build/%/build.ninja:
	cmake --preset $*

build-release: deps build/release/build.ninja
	cmake --build --preset release -j $(JOBS)

build-dev: deps build/dev/build.ninja
	cmake --build --preset dev -j $(JOBS)

build-asan: deps build/asan/build.ninja
	cmake --build --preset asan -j $(JOBS)

build-fuzz: deps build/fuzz/build.ninja
	cmake --build --preset fuzz -j $(JOBS)

run: build-release
	@tools/run-game.sh build/release/game

test: build-dev
	ctest --preset dev -j $(JOBS)

test-asan: build-asan
	ctest --preset asan -j $(JOBS)
	$(MAKE) fuzz

test-tsan: deps build/tsan/build.ninja
	cmake --build --preset tsan -j $(JOBS) --target $(TSAN_TARGETS)
	ctest --preset tsan -j $(JOBS)

fuzz: build-fuzz
	@tools/run-fuzzers.sh build/fuzz/fuzz $(FUZZ_SECONDS)

bench: build-release-bench
	@tools/run-benchmarks.sh build/release/bench

# The Debian package of the release build: build/release/vexmora_VERSION_ARCH.deb (CPack).
package: build-release
	cd build/release && cpack -G DEB

screenshots: build-release
	@tools/make-screenshots.sh build/release docs/images

clean:
	rm -rf build

build-release-bench: deps
	@bash tools/install-bench-peers.sh
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
