# The two set-up commands are `make run` and `make test`; each installs what
# is missing first. Everything builds out of the source tree under build/.

BUILD_DIR ?= build
CMAKE_FLAGS ?=

.PHONY: deps configure build run test bench package screenshot format clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR)

run: build
	@bash scripts/run.sh $(BUILD_DIR)/app/ohm-drill

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR)
