# Kestrun 2: the two commands are `make run` and `make test`.
# Every target installs what is missing of the packages it needs first and builds
# only what it uses (tools/install-deps.sh PURPOSE is idempotent).

BUILD_DIR     ?= build
SANITIZE_DIR  ?= build-sanitize
FUZZ_DIR      ?= build-fuzz
BENCH_DIR     ?= build-bench
PACKAGE_DIR   ?= build-package
JOBS          ?= 2
FUZZ_SECONDS  ?= 60
# Warnings are errors under CI.
WERROR        ?= $(if $(CI),ON,OFF)

DEPS          = ./tools/install-deps.sh
CONFIGURE     = cmake -S . -B $(BUILD_DIR) -DKESTRUN_WERROR=$(WERROR) > /dev/null

.PHONY: all deps configure build run editor test sanitize fuzz bench package format clean

all: build

deps:
	@$(DEPS) test

configure: deps
	@$(CONFIGURE)

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# Playing needs the game alone: the tests and tools are built by `make build`.
run:
	@$(DEPS) run
	@$(CONFIGURE)
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target kestrun
	./$(BUILD_DIR)/kestrun

editor:
	@$(DEPS) run
	@$(CONFIGURE)
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target kestrun_editor
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

fuzz:
	@$(DEPS) fuzz
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DKESTRUN_FUZZ=ON > /dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers
	./tools/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

bench:
	@$(DEPS) bench
	@cmake -S . -B $(BENCH_DIR) -DKESTRUN_BENCH=ON -DKESTRUN_TESTS=OFF \
	    -DCMAKE_BUILD_TYPE=Release > /dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS) --target kestrun_benchmarks kestrun_path_driver
	./tools/run-benchmarks.sh $(BENCH_DIR)

# The Debian package, from a build of the programs alone: $(PACKAGE_DIR)/*.deb.
package:
	@$(DEPS) package
	@cmake -S . -B $(PACKAGE_DIR) -DKESTRUN_TESTS=OFF -DCMAKE_BUILD_TYPE=Release > /dev/null
	@cmake --build $(PACKAGE_DIR) -j $(JOBS)
	cd $(PACKAGE_DIR) && cpack -G DEB
	@ls $(PACKAGE_DIR)/*.deb

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(BENCH_DIR) $(PACKAGE_DIR)
