# Front door for people: `make play` builds and starts the console game
# (a C++ compiler, CMake and make are enough), `make test` installs what the
# test suite needs (as root; .ci/deps.sh), builds everything and runs every
# test, `make deb` builds the Debian package, `make win` the Windows zip and
# `make win-test` runs the Windows build's tests under wine, `make web` the web
# page in $(WEB_BUILD)/site, `make serve-web` serves it on 127.0.0.1 and
# `make web-test` checks it under node and in headless Chromium.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
WIN_BUILD ?= build-win
WEB_BUILD ?= build-web
WEB_PORT ?= 8000
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Ninja when it is there, for a build folder configured afresh (an existing
# one keeps its generator). Evaluated when the recipe runs, after .ci/deps.sh.
generator = $$(test -f $(1)/CMakeCache.txt || ! command -v ninja >/dev/null 2>&1 || echo -G Ninja)

.PHONY: all play play-xb test deb win win-test web serve-web web-test sanitize bench fuzz referee-long clean

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

# The web page: the program built to WebAssembly with Debian's emscripten
# (its node found by NODE_PATH when another node comes first on the PATH),
# the page bundled with the npm packages of web/package-lock.json.
web:
	@command -v emcmake >/dev/null 2>&1 || { echo "emcmake missing: apt-get install emscripten" >&2; exit 1; }
	test -f $(WEB_BUILD)/CMakeCache.txt || emcmake cmake -S . -B $(WEB_BUILD) $(call generator,$(WEB_BUILD)) \
	  -DCMAKE_BUILD_TYPE=Release -DQUELMARO_TESTS=OFF -DQUELMARO_WERROR=ON $(CMAKE_FLAGS)
	NODE_PATH=/usr/share/nodejs cmake --build $(WEB_BUILD) -j $(JOBS) --target quelmaro_web
	cd web && { test -d node_modules/esbuild || npm ci --no-audit --no-fund; } && node build.mjs ../$(WEB_BUILD) ../$(WEB_BUILD)/site

serve-web:
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(WEB_BUILD)/site

# The web page's tests: the WebAssembly engine's UCI lines against the native
# engine build's, and whole games through the page in headless Chromium.
web-test:
	bash .ci/deps.sh
	$(MAKE) web
	cmake -S . -B $(BUILD) $(call generator,$(BUILD)) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target quelmaro_xb quelmaro_bench
	NODE_PATH=/usr/share/nodejs cmake --build $(WEB_BUILD) -j $(JOBS) --target quelmaro_bench
	cd web && node test/run.mjs --native ../$(BUILD) --module ../$(WEB_BUILD) --site ../$(WEB_BUILD)/site --out ../$(WEB_BUILD)/test

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
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(WIN_BUILD) $(WEB_BUILD) build-fuzz
