# Quintarel: set-up, build, tests and the demo run on Debian 12.
#   make deps   install the Debian packages the build, the tests and the package need
#   make build  build everything (no package is queried or installed)
#   make run    install what the programs need, build them, open the demo file
#   make test   install what is missing, build, run every test
#   make package  the Debian package, build-package/quintarel_<version>_<arch>.deb
#   make bench    the benchmark in a Release build, its figures in build/bench.json
#   make sanitize   every test under the address, leak and undefined-behaviour sanitizers
#   make fuzz SECONDS=N   each fuzz target for N seconds
#   make update_translations   gather the program's texts into translations/*.ts
# Each build has a CMake preset (CMakePresets.json) and a folder of its own:
# debug in build/ (RelWithDebInfo, what the tests use), release in
# build-release/, package in build-package/, sanitize in build-sanitize/, fuzz
# in build-fuzz/.

JOBS ?= $(shell nproc 2>/dev/null || echo 2)

# Debian packages the two programs and the library need to build and run
# (libxkbcommon-dev only silences CMake's "Could NOT find XKB" from Qt's Gui
# module; nothing here uses it). libdtl-dev: the line difference of two
# object texts (header-only).
RUN_PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev \
                qt6-l10n-tools qt6-translations-l10n libgl-dev libxkbcommon-dev libdtl-dev
# Further, for the tests, the benchmark, the package and its checks (the
# accessibility bus and its Python client: the windows read as a screen
# reader reads them).
TEST_PACKAGES := libbenchmark-dev fonts-dejavu-core xvfb xauth \
                 dpkg-dev file desktop-file-utils appstream shared-mime-info libxml2-utils \
                 scdoc lintian man-db python3 \
                 at-spi2-core dbus-x11 python3-pyatspi
PACKAGES := $(RUN_PACKAGES) $(TEST_PACKAGES)
# The package's build: the programs' packages, scdoc for the manual pages,
# dpkg-dev and file for CPack's dpkg-shlibdeps.
PACKAGE_PACKAGES := $(RUN_PACKAGES) scdoc dpkg-dev file
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
missing = $(shell for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null \
                  | grep -q '^install ok installed' || echo $$p; done)

.PHONY: all deps deps-run deps-package configure build test package bench run fuzz-deps fuzz sanitize \
        update_translations screenshots format clean

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

deps-package:
	@$(call install_missing,$(PACKAGE_PACKAGES),--no-install-recommends)

# The tests' build folder, configured with the benchmark; a folder that
# `make run` configured without it gets it now.
configure:
	@grep -qs '^QUINTAREL_BUILD_BENCH:BOOL=ON$$' build/CMakeCache.txt || cmake --preset debug

# Everything, with the packages already there.
build: configure
	cmake --build --preset debug -j $(JOBS)

test: deps
	@$(MAKE) --no-print-directory build
	ctest --preset debug -j $(JOBS)

# A Release build of its own that holds only what the package installs: the
# two programs, the library, the manual pages and the desktop files; no test,
# benchmark or tool. The tests check the package built in build/.
package: deps-package
	cmake --preset package
	cmake --build --preset package -j $(JOBS)

# The benchmark in a Release build of its own: figures on the console, then
# each set against its target; the figures as JSON in build/bench.json.
bench: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	mkdir -p build
	build-release/bin/bench_quintarel --benchmark_out=build/bench.json \
	  --benchmark_out_format=json $(BENCH_ARGS)

# The window on the demo file with the demo licence, loaded explicitly (no
# licence is active by default); without a display the command-line lister
# shows the same list.
display_reachable = { [ -n "$$WAYLAND_DISPLAY" ] || { [ -n "$$DISPLAY" ] && \
  case "$$DISPLAY" in :*) n=$${DISPLAY\#:}; [ -S /tmp/.X11-unix/X$${n%%.*} ];; *) true;; esac; }; }

# Only the two programs and the library, with only the packages they need.
run: deps-run
	@[ -f build/CMakeCache.txt ] || cmake --preset programs
	cmake --build --preset programs -j $(JOBS)
	@if [ -x build/bin/quintarel ] && $(display_reachable); then \
	  build/bin/quintarel --license samples/demo.flf samples/demo.fob; \
	else \
	  echo "No display can be reached: listing samples/demo.fob with quintarel-cli instead."; \
	  build/bin/quintarel-cli --license samples/demo.flf samples/demo.fob; \
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
FUZZ_DIR := build-fuzz
FUZZ_TARGETS := index_entry index conversions licence textexport
# Longest input per target: an entry of 161 bytes; a dozen entries of an
# object file; a field's text; a licence of a few hundred lines; a few
# objects of a text export.
FUZZ_MAX_LEN_index_entry := 161
FUZZ_MAX_LEN_index := 2048
FUZZ_MAX_LEN_conversions := 64
FUZZ_MAX_LEN_licence := 8192
FUZZ_MAX_LEN_textexport := 4096

fuzz: deps fuzz-deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
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
# stack lies wholly in system libraries are suppressed (tests/lsan.supp); the
# sanitizers' settings are those of the sanitize test preset.
sanitize: deps fuzz-deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

# After changing texts in the code: lupdate over ui/ and core/.
update_translations: configure
	cmake --build --preset debug --target update_translations

screenshots: deps
	@$(MAKE) --no-print-directory build
	scripts/screenshot.sh build

format:
	find core cli ui quintarel platform tests bench fuzz tools -name '*.cpp' -o -name '*.h' \
	  | xargs clang-format -i

clean:
	rm -rf build build-fuzz build-sanitize build-release build-package
