# The two commands of the README: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build deps configure screenshot clean

deps:
	@./tools/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "Plenvik is a desktop program and needs a display (DISPLAY is not set)."; \
		echo "Start it from a desktop session, or under Xvfb: xvfb-run -a make run"; \
		exit 1; \
	fi
	./$(BUILD)/plenvik

test: build
	cd $(BUILD) && ctest --output-on-failure

screenshot: build
	./tools/screenshot.sh $(BUILD)/plenvik docs/screenshot.png

clean:
	rm -rf $(BUILD)
