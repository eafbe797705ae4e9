# Kestrun 2: the two commands are `make run` and `make test`.
# Every target installs what is missing first (tools/install-deps.sh is idempotent).

BUILD_DIR     ?= build
SANITIZE_DIR  ?= build-sanitize
FUZZ_DIR      ?= build-fuzz
BENCH_DIR     ?= build-bench
JOBS          ?= 2
FUZZ_SECONDS  ?= 60
# Warnings are errors under CI.
WERROR        ?= $(if $(CI),ON,OFF)

.PHONY: all deps configure build run editor test sanitize fuzz bench format clean

all: build

deps:
	@./tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DKESTRUN_WERROR=$(WERROR) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/kestrun

editor: build
	./$(BUILD_DIR)/kestrun_editor

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The sanitizer run checks for leaks too (tests/leak/lsan.supp would list any
# tolerated, inside system libraries only). The window tests run the programs on an
# X server, where the desktop-bus library loaded by SDL keeps memory to the end
# from code already unloaded, which LeakSanitizer cannot name; they run with
# the address and behaviour checks only. Their code paths are leak-checked
# headless by the other tests.
SANITIZE_ENV  = UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
                LSAN_OPTIONS=suppressions=$(CURDIR)/tests/leak/lsan.supp:print_suppressions=0

sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DKESTRUN_SANITIZE=ON -DKESTRUN_WERROR=$(WERROR) \
	    -DCMAKE_BUILD_TYPE=Debug > /dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ASAN_OPTIONS=detect_leaks=1 \
	    ctest --output-on-failure -j $(JOBS) -E '^window\.'
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ASAN_OPTIONS=detect_leaks=0 \
	    ctest --output-on-failure -j $(JOBS) -R '^window\.'

fuzz: deps
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DKESTRUN_FUZZ=ON > /dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers
	./tools/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

bench: deps
	@cmake -S . -B $(BENCH_DIR) -DKESTRUN_BENCH=ON -DCMAKE_BUILD_TYPE=Release > /dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS)
	./tools/run-benchmarks.sh $(BENCH_DIR)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(BENCH_DIR)
