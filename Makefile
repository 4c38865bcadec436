# Front door for people: `make play` builds and starts the console game,
# `make test` builds everything and runs every test.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
CMAKE_FLAGS ?=
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo "-G Ninja")
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all play play-xb test sanitize bench fuzz referee-long clean

all: $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

$(BUILD)/build.ninja $(BUILD)/Makefile:
	cmake -S . -B $(BUILD) $(GENERATOR) $(CMAKE_FLAGS)

play: all
	./$(BUILD)/quelmaro

play-xb: all
	./$(BUILD)/quelmaro_xb

test:
	cmake -S . -B $(BUILD) $(GENERATOR) -DQUELMARO_WERROR=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

sanitize:
	cmake -S . -B $(SANITIZE_BUILD) $(GENERATOR) -DQUELMARO_WERROR=ON -DQUELMARO_SANITIZE=ON $(CMAKE_FLAGS)
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
	./$(BUILD)/quelmaro_bench bench/positions/*.sav

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) build-fuzz
