# The two commands the README names: `make run` and `make test`.
# Each installs what is missing, configures and builds before it acts.
PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: run test setup build

run: build
	$(BUILD)/src/brassmoor

test: build
	ctest --preset $(PRESET)

build: setup
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

setup:
	@bash scripts/setup.sh
