# make run   installs what is missing, builds, and opens the program on the sample catalogue
# make test  installs what is missing, builds, checks formatting and runs every test,
#            plain and under AddressSanitizer + UndefinedBehaviorSanitizer
# make fuzz  fuzzes the catalogue reader for FUZZ_SECONDS (default 60) with libFuzzer,
#            starting from the committed corpus in fuzz/corpus; findings land in
#            build/fuzz/artifacts and fail the run
# make package  builds the Debian package build/package/vantiq_<version>_<arch>.deb
# make windows-check  cross-builds the core and the CLI for Windows with mingw-w64 and runs
#            the core tests under wine64
.PHONY: run test deps build build-sanitize check-format check-metadata format bench fuzz \
	package windows-check clean

JOBS ?= $(shell nproc)
SAMPLE_DIR := build/dev/data

run: build
	cd $(SAMPLE_DIR) && ../src/gui/vantiq

test: deps check-format check-metadata
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)
	ctest --preset dev
	cmake --preset sanitize
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

FORMATTED := $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

check-format: deps
	@if [ -n "$(FORMATTED)" ]; then clang-format --dry-run --Werror $(FORMATTED); fi

format:
	clang-format -i $(FORMATTED)

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

FUZZ_SECONDS ?= 60
FUZZ_DIR := build/fuzz

# Inputs stay within 2 KB (at most 17 modules) and the target loads only bases
# of one or two modules, because every derivation costs milliseconds. A single
# allocation beyond 64 MB or a run beyond 10 s is a finding.
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	mkdir -p $(FUZZ_DIR)/corpus $(FUZZ_DIR)/artifacts
	$(FUZZ_DIR)/fuzz/vantiq_base_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=2048 \
		-timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=64 -print_final_stats=1 \
		-artifact_prefix=$(FUZZ_DIR)/artifacts/ $(FUZZ_DIR)/corpus fuzz/corpus

clean:
	rm -rf build
