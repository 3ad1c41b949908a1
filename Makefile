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

# The benchmark table (start-up, memory, handlers, entries, endurance), in a
# build directory of its own.
BENCH_BUILD_DIR ?= build-bench

bench: deps
	cmake -S . -B $(BENCH_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DOHM_DRILL_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BENCH_BUILD_DIR) --target bench_programs
	@bash bench/run.sh $(BENCH_BUILD_DIR)

# The Debian package, $(BUILD_DIR)/ohm-drill_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD_DIR) --target package

# docs/screenshot.png: the window showing its first question, taken on a
# virtual display.
screenshot: build
	@bash scripts/screenshot.sh $(BUILD_DIR)/app/ohm-drill docs/screenshot.png

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR)
