# Quintarel: set-up, build, tests and the demo run on Debian 12.
#   make run    install what the programs need, build them, open the demo file
#   make test   install what is missing, build, run every test
#   make package  the Debian package, BUILD_DIR/quintarel_<version>_<arch>.deb
#   make bench    the benchmark in a Release build, its figures in BUILD_DIR/bench.json
#   make sanitize   every test under the address, leak and undefined-behaviour sanitizers
#   make fuzz SECONDS=N   each fuzz target for N seconds

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Debian packages the two programs and the library need to build and run
# (libxkbcommon-dev only silences CMake's "Could NOT find XKB" from Qt's Gui
# module; nothing here uses it).
RUN_PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev \
                qt6-l10n-tools qt6-translations-l10n libgl-dev libxkbcommon-dev
# Further, for the tests, the benchmark, the package and its checks.
TEST_PACKAGES := libbenchmark-dev fonts-dejavu-core xvfb xauth \
                 dpkg-dev file desktop-file-utils appstream shared-mime-info libxml2-utils \
                 scdoc lintian man-db python3
PACKAGES := $(RUN_PACKAGES) $(TEST_PACKAGES)
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
missing = $(shell for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
                  | grep -q '^install ok installed' || echo $$p; done)

.PHONY: all deps deps-run build test package bench run fuzz-deps fuzz sanitize screenshots format clean

all: build

install_missing = todo="$(call missing,$(1))"; \
	if [ -n "$$todo" ]; then \
	  echo "Installing $$todo"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $(2) $$todo; \
	fi

deps:
	@$(call install_missing,$(PACKAGES))

# Without the packages Qt only recommends (Vulkan drivers, the GTK theme, Qt's
# translations): the programs neither build with them nor need them to run.
deps-run:
	@$(call install_missing,$(RUN_PACKAGES),--no-install-recommends)

configure = cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

# Everything; a build folder that `make run` configured without the
# benchmark gets it now.
build: deps
	@grep -qs '^QUINTAREL_BUILD_BENCH:BOOL=ON$$' $(BUILD_DIR)/CMakeCache.txt || \
	  $(configure) -DQUINTAREL_BUILD_BENCH=ON
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

package: build
	cmake --build $(BUILD_DIR) --target package

# The benchmark in a Release build of its own: figures on the console, then
# each set against its target; the figures as JSON in $(BUILD_DIR)/bench.json.
bench: deps
	cmake -S . -B $(BUILD_DIR)-release -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR)-release -j $(JOBS) --target bench_quintarel
	mkdir -p $(BUILD_DIR)
	$(BUILD_DIR)-release/bin/bench_quintarel --benchmark_out=$(BUILD_DIR)/bench.json \
	  --benchmark_out_format=json $(BENCH_ARGS)

# The window on the demo file with the demo licence, loaded explicitly (no
# licence is active by default); without a display the command-line lister
# shows the same list.
display_reachable = { [ -n "$$WAYLAND_DISPLAY" ] || { [ -n "$$DISPLAY" ] && \
  case "$$DISPLAY" in :*) n=$${DISPLAY\#:}; [ -S /tmp/.X11-unix/X$${n%%.*} ];; *) true;; esac; }; }

# Only the two programs and the library, with only the packages they need.
run: deps-run
	@[ -f $(BUILD_DIR)/CMakeCache.txt ] || $(configure) -DQUINTAREL_BUILD_BENCH=OFF
	cmake --build $(BUILD_DIR) -j $(JOBS) --target quintarel quintarel-cli cfront
	@if [ -x $(BUILD_DIR)/bin/quintarel ] && $(display_reachable); then \
	  $(BUILD_DIR)/bin/quintarel --license samples/demo.flf samples/demo.fob; \
	else \
	  echo "No display can be reached: listing samples/demo.fob with quintarel-cli instead."; \
	  $(BUILD_DIR)/bin/quintarel-cli --license samples/demo.flf samples/demo.fob; \
	fi

fuzz-deps:
	@todo="$(call missing,$(FUZZ_PACKAGES))"; \
	if [ -n "$$todo" ]; then $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$todo; fi

# The fuzzers, built with clang and libFuzzer, each run for SECONDS (or
# FUZZ_SECONDS) seconds. New inputs go to a working corpus in the fuzz build
# folder; the committed seeds in fuzz/corpus are only read.
FUZZ_SECONDS ?= 60
SECONDS ?= $(FUZZ_SECONDS)
FUZZ_DIR := $(BUILD_DIR)-fuzz
FUZZ_TARGETS := index_entry index conversions licence
# Longest input per target: an entry of 161 bytes; a dozen entries of an
# object file; a field's text; a licence of a few hundred lines.
FUZZ_MAX_LEN_index_entry := 161
FUZZ_MAX_LEN_index := 2048
FUZZ_MAX_LEN_conversions := 64
FUZZ_MAX_LEN_licence := 8192
fuzz: deps fuzz-deps
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_DIR) -DQUINTAREL_BUILD_FUZZ=ON \
	  -DQUINTAREL_BUILD_GUI=OFF -DQUINTAREL_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_DIR) -j $(JOBS) $(foreach t,$(FUZZ_TARGETS),--target fuzz_$(t))
	@$(MAKE) --no-print-directory -j $(JOBS) $(addprefix fuzz-run-,$(FUZZ_TARGETS))

# One fuzzer; as many run side by side as there are processors, each on one.
fuzz-run-%:
	@mkdir -p $(FUZZ_DIR)/corpus/$*
	@echo "fuzz_$* for $(SECONDS) s"
	@$(FUZZ_DIR)/bin/fuzz_$* -max_total_time=$(SECONDS) -print_final_stats=1 \
	    -max_len=$(FUZZ_MAX_LEN_$*) -artifact_prefix=$(FUZZ_DIR)/ \
	    $(FUZZ_DIR)/corpus/$* fuzz/corpus/$* > $(FUZZ_DIR)/$*-smoke.log 2>&1 || \
	  { tail -n 60 $(FUZZ_DIR)/$*-smoke.log; exit 1; }
	@grep -E '^(Done|stat::number_of_executed_units)' $(FUZZ_DIR)/$*-smoke.log | sed 's/^/fuzz_$*: /'

# Every test, the window tests included, built with clang under
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer. Leaks whose
# stack lies wholly in system libraries are suppressed (tests/lsan.supp).
SANITIZE_DIR := $(BUILD_DIR)-sanitize
sanitize: deps fuzz-deps
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(SANITIZE_DIR) -DQUINTAREL_SANITIZE=ON \
	  -DQUINTAREL_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure -j $(JOBS)

screenshots: build
	scripts/screenshot.sh $(BUILD_DIR)

format:
	find core cli ui quintarel platform tests bench fuzz tools -name '*.cpp' -o -name '*.h' \
	  | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-fuzz $(BUILD_DIR)-sanitize $(BUILD_DIR)-release
