# The README's commands: `make run` and `make test` set everything up on a fresh Debian machine.
PRESET ?= release
BUILD  := build/$(PRESET)

.PHONY: deps deps-tests configure game build run test test-asan bench screenshots package clean

# What the game needs; deps-tests adds what only the tests need (Xvfb, Orca, weston...).
deps:
	@tools/install-deps

deps-tests:
	@tools/install-deps tests

configure:
	@test -f $(BUILD)/build.ninja || cmake --preset $(PRESET)

# The game alone: its libraries, its pictures and its help page, none of the test programs.
game: deps configure
	cmake --build $(BUILD) --target chromalis

# Everything: the game, the test programs and their tools.
build: deps-tests configure
	cmake --build $(BUILD)

run: game
	$(BUILD)/bin/chromalis

test: build
	ctest --test-dir $(BUILD) --output-on-failure

test-asan:
	$(MAKE) test PRESET=asan

bench: deps-tests game
	cmake --build $(BUILD) --target bare_window label_window
	bench/run-bench $(BUILD)

# The pictures of docs/ and of the AppStream description, taken from the game itself under Xvfb.
screenshots: deps-tests game
	tools/screenshots $(BUILD)/bin/chromalis docs

# A Debian package in $(BUILD), named chromalis_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf build
