# make run   installs what is missing, builds, and opens the program on the sample catalogue
# make test  installs what is missing, builds, checks formatting and runs every test,
#            plain and under AddressSanitizer + UndefinedBehaviorSanitizer
# make fuzz  fuzzes the catalogue file reader, the catalogue source (CSV) reader
#            and the reading of the settings store with libFuzzer (FUZZ_TARGETS
#            picks some); FUZZ_SECONDS (default 60) is the whole run, shared
#            equally among them. Each starts from its committed corpus in
#            fuzz/corpus/<target>; findings land in build/fuzz/artifacts and
#            fail the run
# make package  builds the Debian package build/package/vantiq_<version>_<arch>.deb
# make windows-check  cross-builds the core and the CLI for Windows with mingw-w64 and runs
#            the core tests under wine64
# make windows-app  cross-builds Qt for Windows (once: 25 to 60 minutes, kept in
#            ~/.cache/vantiq), then the window program and the tools, and zips them
#            with what they need as build/windows-app/vantiq-<version>-windows-x64.zip
# make windows-app-check  runs that zip's programs under wine64 on a virtual display:
#            the window, its README pictures, the CLI's output against the Linux
#            build's, and the colours in the registry
.PHONY: run test deps build build-sanitize check-format check-clang-format-version \
	check-metadata format bench bench-stacks bench-fit bench-million fuzz package windows-check \
	windows-app windows-app-check clean

JOBS ?= $(shell nproc)
SAMPLE_DIR := build/dev/data

run: build
	cd $(SAMPLE_DIR) && ../src/gui/vantiq

# The sanitized build takes the plain build's packed sample catalogues (see
# data/CMakeLists.txt). It is clang's; a folder configured for another
# compiler starts afresh, since CMake would drop the -D below when it switches.
PLAIN_DATA := $(CURDIR)/build/dev/data
SANITIZE_CACHE := build/sanitize/CMakeCache.txt

test: deps check-format check-metadata
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)
	ctest --preset dev
	@grep -qs '^CMAKE_CXX_COMPILER:.*clang++' $(SANITIZE_CACHE) || rm -f $(SANITIZE_CACHE)
	cmake --preset sanitize -DVANTIQ_SAMPLE_FROM=$(PLAIN_DATA)
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

bench: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target vantiq-bench
	cd build/release && ./bench/vantiq-bench

bench-stacks: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target vantiq-stack-bench
	cd build/release && ./bench/vantiq-stack-bench

bench-fit: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target vantiq-fit-bench
	cd build/release && ./bench/vantiq-fit-bench

# The window on a million modules: a minute or two, and some 350 MB of memory.
MILLION := million/Base.tmb
bench-million: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS) --target vantiq-million-bench
	cd build/release && mkdir -p million && \
		{ test -f $(MILLION) || ./bench/vantiq-million-bench write $(MILLION); } && \
		./bench/vantiq-million-bench $(MILLION)

FORMATTED := $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

# The layout is clang-format 14's, Debian 12's: other versions break some
# lines differently, so their verdict is not this project's. clang-format-14
# is taken when it is installed beside another default version.
CLANG_FORMAT_VERSION := 14
CLANG_FORMAT ?= $(shell command -v clang-format-$(CLANG_FORMAT_VERSION) 2>/dev/null || echo clang-format)

check-clang-format-version:
	@found=$$($(CLANG_FORMAT) --version 2>/dev/null | sed -n 's/.*clang-format version \([0-9]*\).*/\1/p'); \
	if [ "$$found" != "$(CLANG_FORMAT_VERSION)" ]; then \
		echo "The format check expects clang-format $(CLANG_FORMAT_VERSION) (Debian 12's);" \
			"$(CLANG_FORMAT) is version '$$found'. Install clang-format-$(CLANG_FORMAT_VERSION)" \
			"or name it with CLANG_FORMAT=..." >&2; \
		exit 1; \
	fi

check-format: deps check-clang-format-version
	@if [ -n "$(FORMATTED)" ]; then $(CLANG_FORMAT) --dry-run --Werror $(FORMATTED); fi

format: check-clang-format-version
	$(CLANG_FORMAT) -i $(FORMATTED)

APP_ID := packaging/io.github.kestrin.Vantiq

check-metadata: deps
	desktop-file-validate $(APP_ID).desktop
	appstreamcli validate --no-net $(APP_ID).metainfo.xml

package: deps
	cmake --preset package
	cmake --build --preset package -j $(JOBS)
	cpack --preset package

windows-check:
	@scripts/install-deps.sh --windows
	cmake --preset windows
	cmake --build --preset windows -j $(JOBS)
	ctest --preset windows

# The sample catalogue, the CLI and the screenshot tool to compare with are the
# Linux build's.
windows-app:
	@scripts/install-deps.sh --windows-app
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS) --target sample_base vantiq-cli vantiq-screenshot
	qt=$$(scripts/build-qt-windows.sh) && \
		VANTIQ_QT_WINDOWS=$$qt cmake --preset windows-app && \
		cmake --build --preset windows-app -j $(JOBS) && \
		scripts/package-windows-app.sh "$$qt"

windows-app-check: windows-app
	scripts/check-windows-app.sh

FUZZ_SECONDS ?= 60
FUZZ_DIR := build/fuzz
FUZZ_TARGETS ?= vantiq_base_fuzzer vantiq_csv_fuzzer vantiq_settings_fuzzer
FUZZ_EACH = $(shell echo $$(( $(FUZZ_SECONDS) / $(words $(FUZZ_TARGETS)) > 0 ? \
	$(FUZZ_SECONDS) / $(words $(FUZZ_TARGETS)) : 1 )))

# QSettings keeps every store it read in a cache, so the settings target never
# frees all it allocated in a run, and libFuzzer would search the whole heap
# for a leak after nearly every input.
FUZZ_FLAGS_vantiq_settings_fuzzer := -detect_leaks=0

# Inputs stay within 2 KB (at most 17 modules of a catalogue file) and the
# catalogue target loads only bases of one or two modules, because every
# derivation costs milliseconds. A single allocation beyond 64 MB or a run
# beyond 10 s is a finding. New inputs go to build/fuzz/corpus/<target>.
# One target's run; the targets are chained with && so that a finding stops make.
fuzz_run = mkdir -p $(FUZZ_DIR)/corpus/$(1) && \
	$(FUZZ_DIR)/fuzz/$(1) -max_total_time=$(FUZZ_EACH) -max_len=2048 \
	-timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=64 -print_final_stats=1 $(FUZZ_FLAGS_$(1)) \
	-artifact_prefix=$(FUZZ_DIR)/artifacts/$(1)- $(FUZZ_DIR)/corpus/$(1) fuzz/corpus/$(1)

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	mkdir -p $(FUZZ_DIR)/artifacts
	$(foreach target,$(FUZZ_TARGETS),$(call fuzz_run,$(target)) && ) true

clean:
	rm -rf build
