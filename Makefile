# Two commands matter: `make run` and `make test`. Everything else is a step of theirs.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
# How long `make fuzz` runs each fuzz target; `make test` runs each for 15 s.
FUZZ_SECONDS ?= 300
JOBS       ?= $(shell nproc)
# What `make run` starts on: the virtual board, or the real links (BOARD=hardware).
BOARD      ?= virtual

# libqt6opengl6-dev: Qt Charts' CMake files need Qt OpenGL's, which Debian's
# qt6-charts-dev does not pull in.
PACKAGES := cmake ninja-build g++ pkg-config clang-format \
            libgtest-dev libgmock-dev libbenchmark-dev \
            qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libusb-1.0-0-dev \
            libdbus-1-dev dbus-daemon clang libclang-rt-dev srecord sigrok-cli python3 \
            python3-pyvisa python3-pyvisa-py lxi-tools
# What `make package` needs besides: dpkg-shlibdeps (and the file command it
# runs) for the dependencies, lintian to check the result.
PACKAGE_TOOLS := dpkg-dev file lintian

.PHONY: deps configure build test test-plain test-asan test-fuzz fuzz run bench format install package clean

deps:
	@scripts/install-deps.sh $(PACKAGES)

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test-plain: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZQF_SANITIZE=ON -DZQF_BUILD_BENCH=OFF

test-asan: deps $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS)

# The fuzz targets need clang's libFuzzer; the build uses nothing else of this one.
$(FUZZ_BUILD)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DZQF_FUZZ=ON -DZQF_BUILD_QT=OFF -DZQF_BUILD_BENCH=OFF -DZQF_BUILD_TESTS=OFF

fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) --target fuzzers -j $(JOBS)
	cd $(FUZZ_BUILD) && ZQF_FUZZ_SECONDS=$(FUZZ_SECONDS) \
	  ctest -L fuzz --output-on-failure --timeout $$(( $(FUZZ_SECONDS) + 300 )) -j $(JOBS)

# A short smoke run of every fuzz target, where clang is at hand.
test-fuzz: deps
	@if command -v clang++ >/dev/null; then $(MAKE) fuzz FUZZ_SECONDS=15; \
	 else echo "clang++ not found: fuzz smoke skipped"; fi

test: test-plain test-asan test-fuzz

run: build
	$(if $(filter-out virtual hardware,$(BOARD)),$(error BOARD is virtual or hardware, not $(BOARD)))
	$(BUILD)/src/qt/zqfeval $(if $(filter hardware,$(BOARD)),,--virtual)

bench: build
	$(BUILD)/bench/zqf_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/hop_timing 5
	bench/scpi_compare.sh $(BUILD) 5

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

install: build
	cmake --install $(BUILD)

# The Debian package (zqfeval_VERSION_ARCH.deb in $(BUILD)), checked by lintian.
package: build
	@scripts/install-deps.sh $(PACKAGE_TOOLS)
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error $(BUILD)/zqfeval_*.deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
