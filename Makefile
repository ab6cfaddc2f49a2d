# The two commands a newcomer needs: `make test` and `make run`.
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
# How long `make bench` lets a run animate in the window for the CPU figure.
BENCH_SECONDS ?= 60
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps configure build test run bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

run: build
	@$(BUILD_DIR)/ui/qt/sliding-window-demo

# Release build of its own, then every measurement with a met / not met line
# per target. -O2: GCC 12 at -O3 reports a false -Wrestrict in std::string.
bench: deps
	@cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
		-DSWD_BUILD_BENCH=ON -DSWD_BUILD_TESTS=OFF -DSWD_BUILD_RELIABILITY=OFF >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS)
	@bench/run-all $(BENCH_DIR) $(BENCH_SECONDS)

clean:
	@rm -rf $(BUILD_DIR) $(BENCH_DIR)
