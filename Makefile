# Quintarel: set-up, build, tests and the demo run on Debian 12.
#   make run    install what is missing, build, open the demo file
#   make test   install what is missing, build, run every test
#   make package  the Debian package, BUILD_DIR/quintarel_<version>_<arch>.deb

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Debian packages the build, the tests and the demo run need.
PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev \
            libgl-dev libbenchmark-dev fonts-dejavu-core xvfb xauth \
            dpkg-dev file desktop-file-utils appstream shared-mime-info libxml2-utils
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
missing = $(shell for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
                  | grep -q '^install ok installed' || echo $$p; done)

.PHONY: all deps build test package bench run fuzz-deps fuzz screenshots format clean

all: build

deps:
	@todo="$(call missing,$(PACKAGES))"; \
	if [ -n "$$todo" ]; then \
	  echo "Installing $$todo"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$todo; \
	fi

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD_DIR)/CMakeCache.txt
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

# The window on the demo file with the demo licence; without a display the
# command-line lister shows the same list.
display_reachable = { [ -n "$$WAYLAND_DISPLAY" ] || { [ -n "$$DISPLAY" ] && \
  case "$$DISPLAY" in :*) n=$${DISPLAY\#:}; [ -S /tmp/.X11-unix/X$${n%%.*} ];; *) true;; esac; }; }

run: build
	@if [ -x $(BUILD_DIR)/bin/quintarel ] && $(display_reachable); then \
	  $(BUILD_DIR)/bin/quintarel samples/demo.fob; \
	else \
	  echo "No display can be reached: listing samples/demo.fob with quintarel-cli instead."; \
	  $(BUILD_DIR)/bin/quintarel-cli samples/demo.fob; \
	fi

fuzz-deps:
	@todo="$(call missing,$(FUZZ_PACKAGES))"; \
	if [ -n "$$todo" ]; then $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$todo; fi

# The fuzzers, built with clang and libFuzzer, each run for FUZZ_SECONDS.
FUZZ_SECONDS ?= 60
fuzz: deps fuzz-deps
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(BUILD_DIR)-fuzz -DQUINTAREL_BUILD_FUZZ=ON \
	  -DQUINTAREL_BUILD_GUI=OFF -DQUINTAREL_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR)-fuzz -j $(JOBS) --target fuzz_index_entry fuzz_index
	$(BUILD_DIR)-fuzz/bin/fuzz_index_entry -max_total_time=$(FUZZ_SECONDS) fuzz/corpus/index_entry
	$(BUILD_DIR)-fuzz/bin/fuzz_index -max_total_time=$(FUZZ_SECONDS) fuzz/corpus/index

screenshots: build
	scripts/screenshot.sh $(BUILD_DIR)

format:
	find core cli ui quintarel platform tests bench fuzz tools -name '*.cpp' -o -name '*.h' \
	  | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(BUILD_DIR)-fuzz $(BUILD_DIR)-release
