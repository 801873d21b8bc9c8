# Two commands for a newcomer: `make run` and `make check` (see README.md).
JOBS   ?= $(shell nproc)
# BUILD can be set to keep several build trees apart (one Wine prefix each).
BUILD  ?= build
NATIVE := $(BUILD)/native
WIN    := $(BUILD)/win
export WINEPREFIX ?= $(abspath $(BUILD))/wineprefix

.PHONY: all setup native win check check-native check-win run clean

all: native win

setup:
	@tools/setup.sh

native: setup
	@cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DG7K_SANITIZE=ON >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

win: setup
	@cmake -S . -B $(WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake >/dev/null
	@cmake --build $(WIN) -j $(JOBS)

check-native: native
	ctest --test-dir $(NATIVE) --output-on-failure -j $(JOBS)

check-win: win
	tools/with-display.sh ctest --test-dir $(WIN) --output-on-failure -j $(JOBS)

check: check-native check-win

run: win
	@tools/run-app.sh

clean:
	rm -rf $(NATIVE) $(WIN)
