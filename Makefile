# The two commands of the README, each working on a fresh Debian 12 machine:
#   make run    install what is missing, build, start the simulator in schemes/
#   make test   the same set-up, then every test, headless

BUILD := build
PACKAGES := qt6-base-dev libjpeg62-turbo-dev libgtest-dev libgmock-dev libbenchmark-dev \
	cmake ninja-build pkg-config g++ clang fonts-dejavu-core fonts-liberation2 xvfb xauth x11-utils imagemagick \
	dpkg-dev desktop-file-utils appstream
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: run test build setup package

run: build
	cd schemes && ../$(BUILD)/src/brinell

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

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
