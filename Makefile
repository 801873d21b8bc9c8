# Two commands for a newcomer: `make run` and `make check` (see README.md).
JOBS   ?= $(shell nproc)
# BUILD can be set to keep several build trees apart (one Wine prefix each).
BUILD  ?= build
NATIVE := $(BUILD)/native
WIN    := $(BUILD)/win
FUZZ   := $(BUILD)/fuzz
export WINEPREFIX ?= $(abspath $(BUILD))/wineprefix
# TARGETS limits the build to some targets, TESTS the test run to a regex.
TARGETS ?=
TESTS   ?=
build_targets := $(if $(TARGETS),--target $(TARGETS))
test_filter   := $(if $(TESTS),-R '$(TESTS)')

.PHONY: all setup native win check check-native check-win check-fuzz bench run clean

all: native win

setup:
	@tools/setup.sh

native: setup
	@cmake -S . -B $(NATIVE) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DG7K_SANITIZE=ON >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS) $(build_targets)

configure_win = cmake -S . -B $(WIN) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake >/dev/null

win: setup
	@$(configure_win)
	@cmake --build $(WIN) -j $(JOBS) $(build_targets)

check-native: native
	ctest --test-dir $(NATIVE) --output-on-failure -j $(JOBS) $(test_filter)

check-win: win
	tools/with-display.sh ctest --test-dir $(WIN) --output-on-failure -j $(JOBS) $(test_filter)

# Fuzz targets under libFuzzer (clang): FUZZ_SECONDS each.
FUZZ_SECONDS ?= 10
check-fuzz: setup
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DG7K_FUZZ=ON -DG7K_FUZZ_SECONDS=$(FUZZ_SECONDS) >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS) --target fuzz_all
	ctest --test-dir $(FUZZ) --output-on-failure -j $(JOBS) -L fuzz

check: check-native check-win check-fuzz

# Benchmarks, optimised and without sanitizers (not part of check); the
# window benchmark runs the win build under Wine on a virtual screen.
BENCH := $(BUILD)/bench
bench: setup
	@cmake -S . -B $(BENCH) -G Ninja -DCMAKE_BUILD_TYPE=Release -DG7K_SANITIZE=OFF >/dev/null
	@cmake --build $(BENCH) -j $(JOBS) --target zmodem_bench design_bench chart_bench framework_bench array_bench project_bench lists_bench tree_bench conversion_bench
	cd $(BENCH) && bench/zmodem/zmodem_bench
	cd $(BENCH) && bench/design/design_bench
	cd $(BENCH) && chart/chart_bench
	cd $(BENCH) && bench/framework/framework_bench
	cd $(BENCH) && bench/framework/array_bench
	cd $(BENCH) && bench/project/project_bench
	cd $(BENCH) && bench/lists/lists_bench
	cd $(BENCH) && bench/tree/tree_bench
	cd $(BENCH) && bench/conversion/conversion_bench
	@$(configure_win)
	@cmake --build $(WIN) -j $(JOBS) --target window_bench G7K
	cd $(WIN)/bench/window && $(CURDIR)/tools/with-display.sh wine ./window_bench.exe 'Z:$(abspath $(WIN))/app/G7K.exe'

# Builds only what it runs (the application and the instrument simulator);
# the tests and benchmarks are built by `make check` and `make bench`.
run: setup
	@$(configure_win)
	@cmake --build $(WIN) -j $(JOBS) --target G7K d7izuvi instrument-sim-host
	@BUILD=$(abspath $(BUILD)) tools/run-app.sh

clean:
	rm -rf $(NATIVE) $(WIN) $(FUZZ) $(BENCH)
