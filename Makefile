# The README's commands: `make run` and `make test` set everything up on a fresh Debian machine.
PRESET ?= release
BUILD  := build/$(PRESET)

.PHONY: deps configure game build run test test-asan bench screenshots package clean

deps:
	@tools/install-deps

configure: deps
	@test -f $(BUILD)/build.ninja || cmake --preset $(PRESET)

# The game alone: its libraries, its pictures and its help page, none of the test programs.
game: configure
	cmake --build $(BUILD) --target chromalis

# Everything: the game, the test programs and their tools.
build: configure
	cmake --build $(BUILD)

run: game
	$(BUILD)/bin/chromalis

test: build
	ctest --test-dir $(BUILD) --output-on-failure

test-asan:
	$(MAKE) test PRESET=asan

bench: game
	cmake --build $(BUILD) --target bare_window label_window
	bench/run-bench $(BUILD)

# The pictures of docs/ and of the AppStream description, taken from the game itself under Xvfb.
screenshots: game
	tools/screenshots $(BUILD)/bin/chromalis docs

# A Debian package in $(BUILD), named chromalis_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf build
