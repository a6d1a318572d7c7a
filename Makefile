# make check   installs what is missing, builds everything and runs every test
# make demo    runs the demo host, which opens the dialog
# make bench   measures the dialog against a bare Win32 dialog: times and server requests
# make stress  runs the random-block test with many more blocks
# make dist    builds the release archive and its symbols
# make screenshots renews the README's pictures of the dialog
.PHONY: all deps build check test demo bench stress dist screenshots clean format

VERSION := $(shell grep -o 'project[[:punct:]]Scrubwell VERSION [0-9.]*' CMakeLists.txt | cut -d' ' -f3)

BUILD := build
NINJA := cmake --build
CONFIGURE := cmake -G Ninja -Wno-dev

all: build

deps:
	@bash tools/install-deps.sh

$(BUILD)/native/build.ninja:
	$(CONFIGURE) -S . -B $(BUILD)/native
$(BUILD)/x64/build.ninja:
	$(CONFIGURE) -S . -B $(BUILD)/x64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
$(BUILD)/x86/build.ninja:
	$(CONFIGURE) -S . -B $(BUILD)/x86 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DSCRUBWELL_TESTS=OFF
# The 32-bit test programs, apart from the shipped build; they test dist/x86/TidwexUI.dll.
$(BUILD)/x86-tests/build.ninja:
	$(CONFIGURE) -S . -B $(BUILD)/x86-tests -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
I386_TESTS := settings_tests exports_tests dialog_tests robustness_tests shared_runtime_host

build: deps $(BUILD)/native/build.ninja $(BUILD)/x64/build.ninja $(BUILD)/x86/build.ninja $(BUILD)/x86-tests/build.ninja
	$(NINJA) $(BUILD)/native
	$(NINJA) $(BUILD)/x64
	$(NINJA) $(BUILD)/x86
	$(NINJA) $(BUILD)/x86-tests --target $(I386_TESTS)
	@mkdir -p dist/x86 dist/x64
	cp $(BUILD)/x86/bin/TidwexUI.dll dist/x86/TidwexUI.dll
	cp $(BUILD)/x64/bin/TidwexUI.dll dist/x64/TidwexUI.dll

dist: build
	tools/make-dist.sh $(BUILD) $(VERSION)

screenshots: build
	tools/demo.sh
	mkdir -p docs/screenshots
	for page in page1-pops-and-clicks page2-hum page3-hiss page4-noise-gate page2-hum-help; do \
		convert demo-output/$$page.png -crop 548x478+242+152 +repage docs/screenshots/$$page.png; done

test:
	tools/check-dll.sh $(BUILD)/x86/bin/TidwexUI.dll dist/x86/TidwexUI.dll
	tools/check-dll.sh $(BUILD)/x64/bin/TidwexUI.dll dist/x64/TidwexUI.dll
	ctest --test-dir $(BUILD)/native --output-on-failure
	tools/run-windows-tests.sh $(BUILD)/x64
	tools/run-i386-tests.sh $(BUILD)/x86-tests dist/x86/TidwexUI.dll

check: dist test

demo: build
	tools/demo.sh

bench: build
	cd $(BUILD)/x64/bin && ../../../tools/with-wine-display.sh ../../../tools/wine-run.sh scrubwell-bench.exe 200 \
		"$$(winepath -w $(CURDIR)/dist/x86 2>/dev/null)" "$$(winepath -w $(CURDIR)/dist/x64 2>/dev/null)"
	cd $(BUILD)/x64/bin && ../../../tools/with-wine-display.sh ../../../tools/count-server-requests.sh scrubwell-bench.exe

STRESS_BLOCKS ?= 20000
stress: build
	cd $(BUILD)/x64/bin && SCRUBWELL_STRESS_BLOCKS=$(STRESS_BLOCKS) \
		../../../tools/with-wine-display.sh ../../../tools/wine-run.sh robustness_tests.exe

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) dist demo-output
