# The two commands: `make run` and `make check`. Both install what is missing
# first (scripts/install-deps), so a fresh Debian 12 machine needs nothing else.

JOBS ?= $(shell nproc)
CHECK_DIR := build/check
RELEASE_DIR := build/release

PREFIX ?= /usr/local
DEB_DIR := build/deb

.PHONY: run check deps build-release bench clean install deb deb-check

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

# Installs under PREFIX (DESTDIR is honoured, as usual).
install: build-release
	cmake --install $(RELEASE_DIR) --prefix $(PREFIX)

# A Debian package in build/deb, installed with `apt install ./build/deb/zarni_*.deb`.
deb: deps
	cmake -S . -B $(DEB_DIR) -DCMAKE_BUILD_TYPE=Release -DZARNI_TESTS=OFF -DZARNI_BENCH=OFF
	cmake --build $(DEB_DIR) -j $(JOBS)
	cd $(DEB_DIR) && cpack -G DEB

# Lintian over the package: slow, so kept out of `make check`.
deb-check: deb
	@dpkg-query -W -f='$${Status}' lintian 2>/dev/null | grep -q "install ok installed" || \
	  { $$( [ $$(id -u) -eq 0 ] || echo sudo ) apt-get install -y -qq --no-install-recommends lintian; }
	lintian --fail-on error $(DEB_DIR)/zarni_*.deb

clean:
	rm -rf build
