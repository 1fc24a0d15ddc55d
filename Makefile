# The front door: `make run` plays the game, `make test` runs every test. Both install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps build run test test-debian13 bench clean package-debian12 package-debian13 package-reproducible package-arm64

all: build

deps:
	@scripts/install-deps.sh

# The compiler cache (installed by deps) is looked for when the recipe runs, after deps.
$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  $$(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/scallywise

test: build
	scripts/run-tests.sh $(BUILD)

# The same `make test` in a Debian 13 chroot (root and debootstrap: see the README).
test-debian13:
	scripts/test-debian13.sh

# The Debian package built from its source package alone in a clean chroot, then lintian and its
# installed tests (scripts/build-package.sh; root). The results land in dist/RELEASE-ARCH/.
package-debian12:
	scripts/build-package.sh bookworm
package-debian13:
	scripts/build-package.sh trixie
# Built twice with another path, time zone, locale, umask and clock: the packages must not differ.
package-reproducible:
	scripts/build-package.sh trixie --twice --no-autopkgtest
# For arm64 under qemu: slow (see the README), so not part of CI.
package-arm64:
	scripts/build-package.sh bookworm arm64

bench: build
	scripts/run-bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD)-asan
