# The commands the README names: `make run`, `make test` and `make package`.
# Each installs what is missing, configures and builds before it acts.
PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: run test package setup build

run: build
	$(BUILD)/src/brassmoor

test: build
	ctest --preset $(PRESET)

# The Debian package, written to $(BUILD)/.
package: build
	cmake --build --preset $(PRESET) --target package

build: setup
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

setup:
	@bash scripts/setup.sh
