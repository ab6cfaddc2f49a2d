# The two commands a newcomer needs: `make test` and `make run`.
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
# How long each animated measurement of `make bench` lasts (the window's and
# the page's CPU figures are taken in interleaved rounds of such, twice over).
BENCH_SECONDS ?= 10
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# The engine and its tests again under AddressSanitizer and UBSan, and the
# fuzzer (clang). `make soak` drives EVENTS random events through the former;
# `make fuzz` runs the latter for FUZZ_SECONDS.
SANITIZE_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
EVENTS ?= 200000000
# How long `make soak` lets a monkey abuse the real window under Xvfb.
SOAK_SECONDS ?= 300
FUZZ_SECONDS ?= 600
CMAKE_FLAGS ?=
# Where `make install` puts the program (with the page's site, which a
# classroom session serves: both build it first).
PREFIX ?= /usr/local
# The browser edition: Emscripten's build tree, the site inside it, and the
# port `make web-serve` serves it on. Debian's Emscripten finds its node
# modules only with NODE_PATH.
WEB_DIR ?= build-web
WEB_SITE = $(WEB_DIR)/site
# `make bench` measures a site of its own, built with the benchmarks' hooks.
WEB_BENCH_DIR ?= build-web-bench
WEB_PORT ?= 8000
export NODE_PATH ?= /usr/share/nodejs

.PHONY: all deps configure build test run bench clean sanitized-build sanitized-test fuzz-build fuzz-smoke fuzz soak \
	install package web web-serve

all: build

# Each goal installs only the tools it needs (scripts/install-deps says which).
DEPS_GROUPS ?= run
test: DEPS_GROUPS = run test web
sanitized-build sanitized-test fuzz-build fuzz-smoke fuzz soak: DEPS_GROUPS = run test
bench: DEPS_GROUPS = run bench web
web web-serve: DEPS_GROUPS = run web
package: DEPS_GROUPS = run package web
install: DEPS_GROUPS = run web

deps:
	@scripts/install-deps $(DEPS_GROUPS)

# The tests join the build tree with the first `make test`; until then it
# holds only what `make run` needs, built without any test tool installed.
BUILD_TESTS ?= $(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,OFF)
test soak: BUILD_TESTS = ON

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(if $(BUILD_TESTS),-DSWD_BUILD_TESTS=$(BUILD_TESTS) \
		-DSWD_BUILD_RELIABILITY=$(BUILD_TESTS)) -DSWD_WEB_SITE=$(abspath $(WEB_SITE)) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build web
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory sanitized-test fuzz-smoke

sanitized-build: deps
	@cmake -S . -B $(SANITIZE_DIR) -DSWD_SANITIZE=ON -DSWD_BUILD_WINDOW=OFF >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)

# Includes ten million random events with every invariant checked after each.
sanitized-test: sanitized-build
	@cd $(SANITIZE_DIR) && ctest --output-on-failure -j $(JOBS)

fuzz-build: deps
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_CXX_COMPILER=clang++ -DSWD_SANITIZE=ON -DSWD_BUILD_FUZZER=ON \
		-DSWD_BUILD_RELIABILITY=OFF -DSWD_BUILD_TESTS=OFF -DSWD_BUILD_WINDOW=OFF >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS)

fuzz-smoke: fuzz-build
	@cd $(FUZZ_DIR) && ctest --output-on-failure

# New inputs collect in the build tree; the seed corpus in the repository is only read.
fuzz: fuzz-build
	@mkdir -p $(FUZZ_DIR)/corpus
	@$(FUZZ_DIR)/tests/reliability/event_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		$(FUZZ_DIR)/corpus tests/reliability/corpus

# Two marathons side by side, EVENTS events between them, under the
# sanitizers; then the window, clicked at random for SOAK_SECONDS.
soak: sanitized-build build
	@half=$$(( $(EVENTS) / 2 )); \
	$(SANITIZE_DIR)/tests/reliability/reliability_marathon $$half 100000 & first=$$!; \
	$(SANITIZE_DIR)/tests/reliability/reliability_marathon $$half 200000 & second=$$!; \
	status=0; wait $$first || status=1; wait $$second || status=1; exit $$status
	@xvfb-run -a -s '-screen 0 1280x1024x24' $(BUILD_DIR)/tests/qt_soak/window_soak $(SOAK_SECONDS)

run: build
	@$(BUILD_DIR)/ui/qt/sliding-window-demo

# The program, its menu entry, icons, metadata and manual page under PREFIX.
install: build web
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A Debian package of the same, in BUILD_DIR.
package: build web
	@cd $(BUILD_DIR) && cpack

# Release build of its own, then every measurement with a met / not met line
# per target, and the count of each; exits 1 when any line is not met.
# -O2: GCC 12 at -O3 reports a false -Wrestrict in std::string. The page's
# size, start-up and main thread are measured on the site people get (`make
# web`); its busy tick on a site of the bench's own, built with the hook
# that times it.
bench: deps web
	@emcmake cmake -S . -B $(WEB_BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DSWD_BUILD_WINDOW=OFF \
		-DSWD_BUILD_TESTS=OFF -DSWD_BUILD_RELIABILITY=OFF -DSWD_WEB_BENCH_HOOKS=ON >/dev/null
	@cmake --build $(WEB_BENCH_DIR) -j $(JOBS)
	@cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
		-DSWD_BUILD_BENCH=ON -DSWD_BUILD_TESTS=OFF -DSWD_BUILD_RELIABILITY=OFF >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS)
	@bench/run-all $(BENCH_DIR) $(BENCH_SECONDS) $(abspath $(WEB_SITE)) $(abspath $(WEB_BENCH_DIR)/site)

# The static site: index.html and the two scripts it loads, the engine with
# its WebAssembly inside, so that the page also works opened from disk.
web: deps
	@emcmake cmake -S . -B $(WEB_DIR) -DCMAKE_BUILD_TYPE=Release -DSWD_BUILD_WINDOW=OFF \
		-DSWD_BUILD_TESTS=OFF -DSWD_BUILD_RELIABILITY=OFF >/dev/null
	@cmake --build $(WEB_DIR) -j $(JOBS)
	@echo "The site is in $(WEB_SITE)/ (open index.html, or: make web-serve)"

web-serve: web
	@echo "Serving $(WEB_SITE) at http://localhost:$(WEB_PORT)/ (Ctrl+C stops)"
	@cd $(WEB_SITE) && python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

clean:
	@rm -rf $(BUILD_DIR) $(BENCH_DIR) $(SANITIZE_DIR) $(FUZZ_DIR) $(WEB_DIR) $(WEB_BENCH_DIR)
