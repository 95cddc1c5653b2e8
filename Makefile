# Two commands do all the set-up on a fresh Debian 12 machine:
#   make run    install dependencies, build, start the application
#   make test   install dependencies, build, run the whole test suite
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
RELEASE_DIR ?= build-release
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test sanitize release deb release-check bench clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DTORNIVO_WERROR=ON

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/src/app/tornivo

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The whole suite built with the address and undefined-behaviour sanitizers, in a build of its own.
sanitize: deps
	cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTORNIVO_SANITIZE=address,undefined \
		-DTORNIVO_WERROR=ON
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && ctest --output-on-failure -j $(JOBS)

# A packager's build: Release with the default options (warnings are not errors), for /usr. Only
# what ships is built: the tests and benchmarks run in the project's own build.
release: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
		-DBUILD_TESTING=OFF
	cmake --build $(RELEASE_DIR) -j $(JOBS)

# The Debian package from the Release build: $(RELEASE_DIR)/tornivo_VERSION_ARCH.deb
deb: release
	scripts/install-deps --package
	rm -f $(RELEASE_DIR)/tornivo_*.deb
	cd $(RELEASE_DIR) && cpack -G DEB

# The package checked as a user's machine would see it (unpacked, not installed).
release-check: deb
	scripts/check-package $(RELEASE_DIR)/tornivo_*.deb

bench: configure
	scripts/install-deps --bench
	cmake --build $(BUILD_DIR) -j $(JOBS) --target bench-tools tornivo
	bench/run-directory-size.sh $(BUILD_DIR)
	bench/run-xray.sh $(BUILD_DIR)
	bench/run-duplicates.sh $(BUILD_DIR)
	bench/run-large-files.sh $(BUILD_DIR)
	bench/run-trash.sh $(BUILD_DIR)
	bench/run-shred.sh $(BUILD_DIR)
	bench/run-developer.sh $(BUILD_DIR)
	bench/run-panel.sh $(BUILD_DIR)
	bench/run-screens.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
