# The commands the README names: `make run` and `make test`; and for the
# developers `make web`, `make run-web`, `make windows`, `make test-sanitize`,
# `make bench`, `make audit`, `make package`, `make fuzz` and `make mutants`. Each installs what is
# missing, configures and builds before it acts: `make run` only what the
# desktop game needs, in build/game; the others everything the tests need as well.
PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: fuzz mutants run test test-sanitize bench audit package setup-game setup-web setup-test setup-windows setup-audit game build web run-web windows

run: game
	build/game/src/desktop/brassmoor

# The desktop game alone, in a build folder of its own.
game: setup-game
	cmake --preset game
	cmake --build --preset game

# Every edition: the browser's tests run against build/web, the Windows
# edition's under Wine.
test: build web windows
	ctest --preset $(PRESET)
	ctest --preset windows

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	$(MAKE) test PRESET=sanitize

# The browser edition: build/web/index.html with its script and WebAssembly.
web: setup-web
	cmake --preset web
	cmake --build --preset web

# The Windows edition, cross-built with mingw-w64: build/windows/src/windows/brassmoor.exe.
# Its tests hold its simulator to this build's.
windows: setup-windows
	cmake --preset windows -DBRASSMOOR_LINUX_SIM=$(CURDIR)/$(BUILD)/tools/brassmoor-sim
	cmake --build --preset windows

# Serves build/web on 127.0.0.1 and prints the address to open.
run-web: web
	node scripts/serve_web.mjs build/web

# The tick and tank-figure benchmarks, the tick in WebAssembly beside the
# native one, the page in headless Chromium, then the simulator at 51 tanks
# with its speed and peak memory, and the replay's figures: its size a busy
# minute, recording's cost a tick and the speed of playing one back.
BENCH_TICKS ?= 100000
bench: build web
	$(BUILD)/bench/brassmoor-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	bash bench/tick_in_both_editions.sh $(BUILD)/bench/tick_timing build/web/bench/tick_timing.js
	node bench/page_benchmark.mjs
	/usr/bin/time -f "peak memory %M KiB" $(BUILD)/tools/brassmoor-sim --enemies 50 --seed 1 --ticks $(BENCH_TICKS) \
		> $(BUILD)/bench-sim.txt
	@tail -n 2 $(BUILD)/bench-sim.txt
	bash bench/replay_figures.sh $(BUILD)/tools/brassmoor-sim $(BENCH_TICKS)

# A million runs of libFuzzer on the replay reader, with clang's sanitizers.
FUZZ_RUNS ?= 1000000
fuzz: build
	@bash scripts/setup.sh fuzz
	bash tests/fuzz/fuzz_replay_reader.sh $(FUZZ_RUNS)

# The tests' strength: a seeded draw of small faults put into the game
# library, one at a time, each built and held to the fast tests; prints the
# share they catch and lists the survivors in build/mutants/.
MUTANTS ?= 150
mutants: build
	@bash scripts/setup.sh mutants
	python3 scripts/mutants.py --count $(MUTANTS)

# Lighthouse 12's four scores of the page as make run-web serves it, on its
# mobile profile and its desktop one. Not a test: scores vary a little from
# run to run.
audit: web setup-audit
	node bench/audit/audit_page.mjs build/web

# The Debian package, written to $(BUILD)/, and the Windows edition's zip,
# written to build/windows/.
package: build windows
	cmake --build --preset $(PRESET) --target package
	cmake --build --preset windows --target package

build: setup-test
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

setup-game:
	@bash scripts/setup.sh game

setup-web:
	@bash scripts/setup.sh web

setup-test:
	@bash scripts/setup.sh test

setup-windows:
	@bash scripts/setup.sh windows

setup-audit:
	@bash scripts/setup.sh audit
