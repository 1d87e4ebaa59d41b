# The README's commands: `make run` and `make test` set everything up on a fresh Debian machine.
PRESET ?= release
BUILD  := build/$(PRESET)

.PHONY: deps configure build run test test-asan bench package clean

deps:
	@tools/install-deps

configure: deps
	@test -f $(BUILD)/build.ninja || cmake --preset $(PRESET)

build: configure
	cmake --build $(BUILD)

run: build
	$(BUILD)/bin/chromalis

test: build
	ctest --test-dir $(BUILD) --output-on-failure

test-asan:
	$(MAKE) test PRESET=asan

bench: build
	cmake --build $(BUILD) --target bare_window label_window
	bench/run-bench $(BUILD)

# A Debian package in $(BUILD), named chromalis_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf build
