# The two everyday commands: `make run` and `make test`.
BUILD_DIR ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build deps test-deps clean fuzz test-asan package bench screenshots

deps:
	@tools/install-deps.sh build

test-deps:
	@tools/install-deps.sh test

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR)

# Only what the program needs beside it: its help viewer, the help file and the default settings.
RUN_TARGETS = brickloom winhelp winhelp_file brickloom_default_settings

run: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) --target $(RUN_TARGETS)
	cd $(BUILD_DIR) && ./brickloom

test: test-deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR)
	ctest --test-dir $(BUILD_DIR) --output-on-failure --timeout 300 -j2

clean:
	rm -rf $(BUILD_DIR)

# Fuzzing: the readers of model files, the settings file and the depth box under libFuzzer with
# AddressSanitizer and UndefinedBehaviorSanitizer, built with clang in a tree of their own. Each
# target runs FUZZ_SECONDS on a copy of its seeds in tests/fuzz (the model reader also on the files
# of tests/files/good and bad), so the committed seeds stay as they are; what breaks a rule is kept
# as $(FUZZ_DIR)/crash-<target>-*.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = model settings depth

fuzz:
	@tools/install-deps.sh fuzz
	cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DBRICKLOOM_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build $(FUZZ_DIR) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@set -e; for t in $(FUZZ_TARGETS); do \
	  rm -rf $(FUZZ_DIR)/corpus/$$t; mkdir -p $(FUZZ_DIR)/corpus; cp -r tests/fuzz/$$t $(FUZZ_DIR)/corpus/$$t; \
	  if [ $$t = model ]; then cp tests/files/good/*.Pic tests/files/bad/*.Pic $(FUZZ_DIR)/corpus/model/; fi; \
	  echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_DIR)/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_DIR)/crash-$$t- $(FUZZ_DIR)/corpus/$$t; \
	done

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer, in a tree of its own.
# Every report fails the run: the sanitizers stop a program at its first report. The tests also
# start the program and the help viewer as child processes, whose end nobody may check, so
# AddressSanitizer and LeakSanitizer write every report to $(ASAN_DIR)/sanitizer/ and the run fails
# when anything lands there. gcc's UndefinedBehaviorSanitizer writes to stderr whatever log_path
# says, so the output of all tests is searched for its reports as well.
# tests/lsan.supp lists the leaks of Qt's and the system's libraries, never ours.
ASAN_DIR ?= build-asan
ASAN_FLAGS = -fsanitize=address,undefined -fno-omit-frame-pointer
# -O1 and line tables only: reports keep their file and line, and the tree builds a third faster.
ASAN_OPT = -O1 -g1 -DNDEBUG
ASAN_REPORTS = $(abspath $(ASAN_DIR))/sanitizer

test-asan: test-deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRICKLOOM_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$(ASAN_OPT)" \
	  -DCMAKE_CXX_FLAGS="$(ASAN_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(ASAN_FLAGS)"
	cmake --build $(ASAN_DIR)
	rm -rf $(ASAN_REPORTS) && mkdir -p $(ASAN_REPORTS)
	@status=0; \
	ASAN_OPTIONS=halt_on_error=1:print_stacktrace=1:detect_leaks=1:log_path=$(ASAN_REPORTS)/report:log_exe_name=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  ctest --test-dir $(ASAN_DIR) --output-on-failure --timeout 600 -j2 || status=$$?; \
	grep -h -A12 'runtime error:' $(ASAN_DIR)/Testing/Temporary/LastTest.log > $(ASAN_REPORTS)/undefined-behaviour || true; \
	[ -s $(ASAN_REPORTS)/undefined-behaviour ] || rm $(ASAN_REPORTS)/undefined-behaviour; \
	if [ -n "$$(ls -A $(ASAN_REPORTS))" ]; then \
	  for f in $(ASAN_REPORTS)/*; do echo "== $$f"; cat "$$f"; done; \
	  echo "test-asan: sanitizer reports above"; exit 1; \
	fi; \
	exit $$status

# The Debian package, from a Release build of its own with Debian's hardening flags (read when
# $(PACKAGE_DIR) is first configured): $(PACKAGE_DIR)/brickloom_<version>_<arch>.deb.
PACKAGE_DIR ?= build-package

package:
	@tools/install-deps.sh package
	CXXFLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	LDFLAGS="$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get LDFLAGS)" \
	cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DBRICKLOOM_BENCH=OFF \
	  -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(PACKAGE_DIR) --target brickloom_package_contents
	cd $(PACKAGE_DIR) && cpack -G DEB

# Benchmarks: the start-up under a private X server and the work area's actions offscreen, each
# next to a bare Qt window measured in the same run, from a Release tree of their own. Prints one
# table (bench/README.md); BENCH_RUNS start-ups of each kind.
BENCH_DIR ?= build-bench
BENCH_RUNS ?= 15

bench: test-deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DBRICKLOOM_BENCH=ON
	cmake --build $(BENCH_DIR) --target bench-programs
	bench/run.sh $(BENCH_DIR) $(BENCH_RUNS)

# The pictures in docs/, made anew from the program as it draws now: its windows on a private X
# server with a window manager, and the palette sheets from the icon generator.
screenshots: test-deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) --target brickloom winhelp winhelp_file brickloom-screenshots brickloom-iconmaker
	tools/with-xserver.sh $(BUILD_DIR)/brickloom-screenshots $(BUILD_DIR) docs/example-house.Pic docs
	$(BUILD_DIR)/brickloom-iconmaker --sheet docs/palette-sheet.png --joins docs/joins-demo.png
