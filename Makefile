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

# Every test again, built by clang with AddressSanitizer and
# UndefinedBehaviorSanitizer: the first report of either, or a leak that
# LeakSanitizer finds when a test program ends, fails the run (no leak needs
# a suppression). The monkey plays fewer drills here, as the sanitizers slow
# it down.
SANITIZE_BUILD_DIR ?= build-asan
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
SANITIZE_ENV = \
	ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	MONKEY_DRILLS=$(SANITIZE_MONKEY_DRILLS)
SANITIZE_MONKEY_DRILLS ?= 50

.PHONY: sanitize fuzz

sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ "-DCMAKE_CXX_FLAGS=$(SANITIZE_FLAGS)" $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD_DIR)
	$(SANITIZE_ENV) ctest --test-dir $(SANITIZE_BUILD_DIR) --output-on-failure

# The entry fuzzer (libFuzzer, clang) over the seed corpus, then for
# FUZZ_SECONDS; any finding fails and is kept in $(FUZZ_BUILD_DIR)/findings/.
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DCMAKE_CXX_COMPILER=clang++ -DOHM_DRILL_CORE_ONLY=ON -DOHM_DRILL_FUZZ=ON
	cmake --build $(FUZZ_BUILD_DIR)
	ctest --test-dir $(FUZZ_BUILD_DIR) --output-on-failure
	@bash fuzz/run.sh $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD_DIR)
