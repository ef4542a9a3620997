# Thin entry points; the work is done by CMake, CTest and the scripts in scripts/.
#
#   make run    install dependencies, build, run the program's main job
#   make test   install dependencies, build and run every test twice: a normal build and an
#               AddressSanitizer + UndefinedBehaviorSanitizer build
#   make fuzz   build the libFuzzer targets with clang and fuzz each one for a while
#   make bench  build and run the benchmarks

JOBS ?= 2
BUILD ?= build

.PHONY: run test fuzz bench deps build clean

deps:
	scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	scripts/run.sh $(BUILD)

test: deps
	scripts/test.sh

fuzz: deps
	scripts/fuzz.sh

bench: build
	scripts/bench.sh $(BUILD)

clean:
	rm -rf build build-asan build-fuzz
