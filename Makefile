# The two commands: `make run` and `make check`. Both install what is missing
# first (scripts/install-deps), so a fresh Debian 12 machine needs nothing else.

JOBS ?= $(shell nproc)
CHECK_DIR := build/check
RELEASE_DIR := build/release

.PHONY: run check deps build-release bench clean

deps:
	./scripts/install-deps

check: deps
	cmake -S . -B $(CHECK_DIR) -DCMAKE_BUILD_TYPE=Debug -DZARNI_SANITIZE=ON
	cmake --build $(CHECK_DIR) -j $(JOBS)
	cd $(CHECK_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build-release: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(RELEASE_DIR) -j $(JOBS)

run: build-release
	$(RELEASE_DIR)/zarni

bench: build-release
	$(RELEASE_DIR)/bench/zarni_bench

clean:
	rm -rf build
