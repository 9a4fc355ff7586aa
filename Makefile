# The commands the README names: `make run`, `make test`, `make test-sanitize`,
# `make bench` and `make package`. Each installs what is missing, configures and
# builds before it acts.
PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: run test test-sanitize bench package setup build

run: build
	$(BUILD)/src/brassmoor

test: build
	ctest --preset $(PRESET)

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	$(MAKE) test PRESET=sanitize

# The tick and tank-figure benchmarks, then the simulator at 51 tanks with its
# speed and peak memory.
BENCH_TICKS ?= 100000
bench: build
	$(BUILD)/bench/brassmoor-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	/usr/bin/time -f "peak memory %M KiB" $(BUILD)/tools/brassmoor-sim --enemies 50 --seed 1 --ticks $(BENCH_TICKS) \
		> $(BUILD)/bench-sim.txt
	@tail -n 2 $(BUILD)/bench-sim.txt

# The Debian package, written to $(BUILD)/.
package: build
	cmake --build --preset $(PRESET) --target package

build: setup
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

setup:
	@bash scripts/setup.sh
