# envolvente: build, tests, demo, sanitizers, fuzzing and installation.
MAKEFLAGS += --no-print-directory
BUILD      ?= build
BUILD_SAN  ?= build-sanitize
BUILD_FUZZ ?= build-fuzz
BUILD_COV  ?= build-coverage
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX     ?= /usr/local
FUZZ_SECONDS ?= 60
EJEMPLO    := examples

.PHONY: all deps build test demo sanitize coverage install bench fuzz fuzz-engine format clean

all: build

deps:
	@tools/instalar-dependencias.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

test: deps build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

demo: deps build
	@tools/demo.sh $(BUILD)/envolvente $(EJEMPLO)

sanitize: deps
	cmake -S . -B $(BUILD_SAN) -DCMAKE_BUILD_TYPE=Debug -DENVOLVENTE_SANITIZE=ON -DENVOLVENTE_BENCH=OFF
	cmake --build $(BUILD_SAN) -j $(JOBS)
	cd $(BUILD_SAN) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# Line and branch coverage of src/ by the unit tests and the integration runs (gcc --coverage,
# no optimisation), per folder; the detailed report goes to $(BUILD_COV)/cobertura/index.html.
coverage: deps
	cmake -S . -B $(BUILD_COV) -DCMAKE_BUILD_TYPE=Debug -DENVOLVENTE_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="--coverage -O0" -DCMAKE_EXE_LINKER_FLAGS=--coverage
	cmake --build $(BUILD_COV) -j $(JOBS)
	find $(BUILD_COV) -name '*.gcda' -delete
	cd $(BUILD_COV) && ctest --output-on-failure -j $(JOBS)
	@tools/cobertura.py $(BUILD_COV) --html $(BUILD_COV)/cobertura

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

bench: deps build
	@for b in $(BUILD)/*_bench; do echo "== $$b"; $$b; done

$(BUILD_FUZZ)/CMakeCache.txt:
	CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DENVOLVENTE_TESTS=OFF -DENVOLVENTE_BENCH=OFF -DENVOLVENTE_FUZZ=ON \
	  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"

fuzz: deps $(BUILD_FUZZ)/CMakeCache.txt
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target LeerBDL_fuzz
	@tools/fuzz.sh $(BUILD_FUZZ)/LeerBDL_fuzz fuzz/corpus/LeerBDL $(FUZZ_SECONDS)

fuzz-engine: deps $(BUILD_FUZZ)/CMakeCache.txt
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target motor_fuzz
	@tools/fuzz.sh $(BUILD_FUZZ)/motor_fuzz fuzz/corpus/motor $(FUZZ_SECONDS)

format:
	clang-format -i $$(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'fuzz/*.cpp')

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_FUZZ) $(BUILD_COV)
