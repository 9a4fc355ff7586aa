# The commands the README names: `make run` and `make test`; and for the
# developers `make web`, `make run-web`, `make windows`, `make test-sanitize`,
# `make bench`, `make audit`, `make package`, `make fuzz` and `make mutants`. Each installs what is
# missing, configures and builds before it acts: `make run` only what the
# desktop game needs, in build/game; the others everything the tests need as well.
PRESET ?= default
BUILD  := build/$(PRESET)

# The editions beside the desktop's, each a folder of src/ with a preset and a
# set-up list of the same name: `make NAME` sets up, configures and builds
# one; `make test` builds them all, and runs the tests of each that has a
# test preset of its own.
EDITIONS := web windows

.PHONY: fuzz mutants run test test-sanitize bench audit package game build run-web $(EDITIONS)

run: game
	build/game/src/desktop/brassmoor

# Every edition: the browser's tests run in this build against build/web,
# the Windows edition's under Wine.
test: build $(EDITIONS)
	ctest --preset $(PRESET)
	for edition in $(EDITIONS); do \
	  if ctest --list-presets | grep -q "\"$$edition\""; then ctest --preset $$edition || exit; fi; \
	done

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	$(MAKE) test PRESET=sanitize

# The desktop game alone, in a build folder of its own, and each edition:
# the browser's build/web/index.html with its script and WebAssembly, the
# Windows edition's build/windows/src/windows/brassmoor.exe, cross-built with
# mingw-w64. NAME_configure adds to an edition's configure.
game $(EDITIONS): %: setup-%
	cmake --preset $* $($*_configure)
	cmake --build --preset $*
# The Windows edition's tests hold its simulator to this build's.
windows_configure = -DBRASSMOOR_LINUX_SIM=$(CURDIR)/$(BUILD)/tools/brassmoor-sim

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
fuzz: build setup-fuzz
	bash tests/fuzz/fuzz_replay_reader.sh $(FUZZ_RUNS)

# The tests' strength: a seeded draw of small faults put into the game
# library, one at a time, each built and held to the fast tests; prints the
# share they catch and lists the survivors in build/mutants/.
MUTANTS ?= 150
mutants: build setup-mutants
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

# What a purpose needs, installed where missing (scripts/setup.sh names them).
setup-%:
	@bash scripts/setup.sh $*
