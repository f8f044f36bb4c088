# The two commands of the README, each working on a fresh Debian 12 machine:
#   make run    install what is missing, build, start the simulator in schemes/
#   make test   the same set-up, then every test, headless

BUILD := build
PACKAGES := qt6-base-dev libjpeg62-turbo-dev libgtest-dev libgmock-dev libbenchmark-dev \
	cmake ninja-build pkg-config g++ clang fonts-dejavu-core fonts-liberation2 xvfb xauth x11-utils imagemagick \
	dpkg-dev desktop-file-utils appstream libclang-rt-14-dev xdotool
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test build setup package

run: build
	cd schemes && ../$(BUILD)/src/brinell

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure
	$(MAKE) --no-print-directory sanitizer-test

# The Debian package, in build/.
package: build
	cd $(BUILD) && cpack -G DEB

build: setup
	cmake -S . -B $(BUILD) -G Ninja
	cmake --build $(BUILD)

# Installs only the packages that are not there yet.
setup:
	@missing=$$(for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

# The benchmarks, a real trial's tick timing, and start-up time and peak memory
# beside a bare window under Xvfb, on a Release build of their own (bench/README.md).
.PHONY: bench
bench: setup
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build build-bench --target brinell brinell_bench tick_timing bare_window startup_probe
	build-bench/bench/brinell_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	cd schemes && ../build-bench/bench/tick_timing
	bench/startup.sh build-bench

# The whole suite once more, built with g++ under AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer (cmake/Sanitizers.cmake); any report fails its test. Left
# out, as they would only repeat under the sanitizers: the fuzzing runs (sanitized
# already), the package test and the 16-second trial on the real timer. Only libraries
# that keep what they allocate at start until exit have their leaks suppressed.
SANITIZER_BUILD := build-asan
SANITIZER_OPTIONS := \
	ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/hardening/lsan.supp:print_suppressions=0 \
	GTEST_FILTER=-RealWindowTest.AWholeTrialWithTheRealTimer

.PHONY: sanitizer-build sanitizer-test
sanitizer-test: sanitizer-build
	cd $(SANITIZER_BUILD) && $(SANITIZER_OPTIONS) QT_QPA_PLATFORM=offscreen \
		ctest --output-on-failure -LE fuzz -E '^package_installs_and_starts$$'

sanitizer-build: setup
	cmake -C cmake/Sanitizers.cmake -S . -B $(SANITIZER_BUILD) -G Ninja
	cmake --build $(SANITIZER_BUILD)
