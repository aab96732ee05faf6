# make run   installs what is missing, builds, and opens the program on the sample catalogue
# make test  installs what is missing, builds, checks formatting and runs every test,
#            plain and under AddressSanitizer + UndefinedBehaviorSanitizer
.PHONY: run test deps build build-sanitize check-format format bench clean

JOBS ?= $(shell nproc)
SAMPLE_DIR := build/dev/data

run: build
	cd $(SAMPLE_DIR) && ../src/gui/vantiq

test: deps check-format
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
	cmake --build --preset release -j $(JOBS)
	cd build/release && ./bench/vantiq-bench

FORMATTED := $(shell git ls-files '*.cpp' '*.h' 2>/dev/null)

check-format: deps
	@if [ -n "$(FORMATTED)" ]; then clang-format --dry-run --Werror $(FORMATTED); fi

format:
	clang-format -i $(FORMATTED)

clean:
	rm -rf build
