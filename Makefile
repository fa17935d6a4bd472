# The README's commands: `make run` and `make test`; also `make install`,
# `make package`, `make fuzz`, `make bench` and `make screenshot`.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
SANITIZE := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
FUZZ_SECONDS ?= 60

.PHONY: run test build deps test-deps asan fuzz-build fuzz bench screenshot examples icons install package clean

# What building needs (run, install, package), and what the tests add.
deps:
	@./tools/install-deps.sh build

test-deps:
	@./tools/install-deps.sh test

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "Plenvik is a desktop program and needs a display (DISPLAY is not set)."; \
		echo "Start it from a desktop session, or on a virtual display: xvfb-run -a make run"; \
		exit 1; \
	fi
	./$(BUILD)/plenvik

# The tests built with AddressSanitizer (LeakSanitizer on) and
# UndefinedBehaviorSanitizer, in a build folder of their own.
$(ASAN_BUILD)/build.ninja: | test-deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)"

asan: test-deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD)

$(FUZZ_BUILD)/build.ninja: | test-deps
	cmake -S fuzz -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++

fuzz-build: test-deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD)

# The sanitizer run leaves out the soak, and the tests of installing and
# of the print queue, which test the system around the program.
test: test-deps build asan fuzz-build
	cd $(BUILD) && ctest --output-on-failure
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -E 'test_soak|test_cups|test_install|package_contents|_valid'
	cd $(FUZZ_BUILD) && ctest --output-on-failure

# A full run of each fuzzer; new corpus entries stay in the build folder.
fuzz: fuzz-build
	./tools/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Configured again, so a build made before the test tools were there
# finds Google Benchmark now.
bench: test-deps build
	cmake $(BUILD) >/dev/null && cmake --build $(BUILD)
	./tools/bench.sh $(BUILD)

screenshot: build
	./tools/screenshot.sh $(BUILD)/plenvik docs/screenshot.png nl
	./tools/screenshot.sh $(BUILD)/plenvik docs/screenshot-en.png en

examples: build
	./tools/make-examples.sh $(BUILD)/plenvik examples

# Installs under /usr/local, or PREFIX=...; DESTDIR=... stages it.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --strip $(if $(PREFIX),--prefix "$(PREFIX)")

# A Debian package in build/package/: apt install ./build/package/plenvik_*.deb
package: build
	cd $(BUILD) && cpack -B "$(CURDIR)/$(BUILD)/package"

icons:
	./tools/make-icons.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
