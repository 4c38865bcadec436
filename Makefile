# Front door for people: `make play` builds and starts the console game
# (a C++ compiler, CMake and make are enough), `make test` installs what the
# test suite needs (as root; .ci/deps.sh), builds everything and runs every
# test, `make deb` builds the Debian package, `make win` the Windows zip and
# `make win-test` runs the Windows build's tests under wine.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
WIN_BUILD ?= build-win
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Ninja when it is there, for a build folder configured afresh (an existing
# one keeps its generator). Evaluated when the recipe runs, after .ci/deps.sh.
generator = $$(test -f $(1)/CMakeCache.txt || ! command -v ninja >/dev/null 2>&1 || echo -G Ninja)

.PHONY: all play play-xb test deb win win-test sanitize bench fuzz referee-long clean

all: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(call generator,$(BUILD)) $(CMAKE_FLAGS)

play: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target quelmaro
	$(BUILD)/quelmaro

play-xb: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target quelmaro_xb
	$(BUILD)/quelmaro_xb

test:
	bash .ci/deps.sh
	cmake -S . -B $(BUILD) $(call generator,$(BUILD)) -DQUELMARO_WERROR=ON -DQUELMARO_TESTS=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The Debian package, left in $(BUILD) (quelmaro_VERSION_ARCH.deb).
deb: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS) --target quelmaro quelmaro_xb quelmaro_paginas_gz
	cd $(BUILD) && cpack -G DEB

# Windows: both programs cross-compiled with Debian's MinGW-w64 (the
# posix-threads g++, cmake/mingw-w64.cmake) into $(WIN_BUILD)/*.exe, and the
# zip $(WIN_BUILD)/quelmaro-VERSION-win64.zip (packaging/win.cmake).
MINGW_CXX = x86_64-w64-mingw32-g++-posix
win_configure = command -v $(MINGW_CXX) >/dev/null 2>&1 || { \
	  echo "$(MINGW_CXX) missing: apt-get install g++-mingw-w64-x86-64-posix" >&2; exit 1; }; \
	cmake -S . -B $(WIN_BUILD) $(call generator,$(WIN_BUILD)) \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DQUELMARO_WERROR=ON $(CMAKE_FLAGS)
win:
	$(win_configure)
	cmake --build $(WIN_BUILD) -j $(JOBS) --target quelmaro quelmaro_xb quelmaro_textos_windows
	cd $(WIN_BUILD) && cpack -G ZIP

# The Windows build's tests under wine (tests/wine/): .ci/deps.sh installs the
# cross compiler and wine as it installs the rest.
win-test:
	bash .ci/deps.sh
	$(win_configure) -DQUELMARO_TESTS=ON
	cmake --build $(WIN_BUILD) -j $(JOBS)
	ctest --test-dir $(WIN_BUILD) --output-on-failure -j $(JOBS)

sanitize:
	cmake -S . -B $(SANITIZE_BUILD) $(call generator,$(SANITIZE_BUILD)) -DQUELMARO_WERROR=ON -DQUELMARO_SANITIZE=ON -DQUELMARO_TESTS=ON $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS)

# Each fuzzing target for FUZZ_SECONDS (default 30), built with clang.
fuzz:
	bash fuzz/run.sh

# The referee's long run: GAMES whole games from seed SEED.
GAMES ?= 3000
SEED ?= 1
referee-long: all
	sh tests/referee/install.sh
	node tests/referee/referee.js --engine $(BUILD)/quelmaro_xb --games $(GAMES) --seed $(SEED)

bench: all
	$(BUILD)/quelmaro_bench bench/positions/*.sav

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(WIN_BUILD) build-fuzz
