# Tastevolo: the two commands are `make run` and `make test`.
BUILD   ?= build
RUNDIR  ?= run
JOBS    ?= $(shell nproc)
SF2     ?= /usr/share/sounds/sf2/FluidR3_GM.sf2
HEADLESS = QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

.PHONY: run test sanitize setup build rundir screenshots bench clean

setup:
	@tools/setup.sh

build: setup
	@if [ ! -f $(BUILD)/build.ninja ]; then \
	  cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo; fi
	cmake --build $(BUILD) -j $(JOBS)

# The run folder holds the program and every file it reads by relative name.
# What the program writes there (langue.tvo, JOUEURS.MDB, the score files) is kept.
rundir: build
	@mkdir -p $(RUNDIR)
	cp -f $(BUILD)/tastevolo $(RUNDIR)/tastevolo
	ln -sf $(SF2) $(RUNDIR)/piano.sgt
	cp -f docs/run/* $(RUNDIR)/ 2>/dev/null || true

run: rundir
	cd $(RUNDIR) && ./tastevolo

test: build
	cd $(BUILD) && $(HEADLESS) ctest --output-on-failure -j $(JOBS) --timeout 300

screenshots: build
	@mkdir -p $(BUILD)/screenshots
	$(HEADLESS) $(BUILD)/tools/screenshots/tastevolo_screenshots $(BUILD)/screenshots
	$(HEADLESS) $(BUILD)/resources/tv_gen_pictures --contact-sheets $(BUILD)/resources/pictures $(BUILD)/screenshots

# Every test again, in a build of its own with AddressSanitizer and UndefinedBehaviorSanitizer;
# the first report stops the process that made it (its test fails).  Leak detection is off: at
# exit it has to stop every thread of the process (the sound and MIDI libraries run their own),
# and on these machines that fails at random ("LeakSanitizer has encountered a fatal error"),
# failing tests that leaked nothing.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS  = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
SANITIZE_ENV    = ASAN_OPTIONS=halt_on_error=1:detect_leaks=0:print_stacktrace=1 \
                  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

sanitize: setup
	@if [ ! -f $(SANITIZE_BUILD)/build.ninja ]; then \
	  cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_C_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE_FLAGS)"; fi
	$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(HEADLESS) $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS) --timeout 600

# The memory tour first, in a process of its own, then the benchmarks.
bench: build
	$(HEADLESS) $(BUILD)/bench/tastevolo_tour $(SF2)
	$(HEADLESS) $(BUILD)/bench/tastevolo_bench

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
