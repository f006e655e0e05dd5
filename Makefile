# make run | test | screenshot | bench | fuzz      (see README.md)
SHELL := /bin/bash
.DEFAULT_GOAL := run
.PHONY: run test deps host skin skin-preview win32 win64 winrun native-test wine-test e2e-test screenshot screenshot-menus bench fuzz images mutation clean

JOBS ?= 2
CMAKE_GEN := -G Ninja
# The build this host can execute under Wine: win32, or win64 where the kernel runs no 32-bit code.
WINRUN = $(shell scripts/wine.sh --arch)

deps:
	@scripts/install-deps.sh

host: deps
	@cmake -S . -B build/host $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DVEMORA_SANITIZE=ON >/dev/null
	@cmake --build build/host -j $(JOBS)

# The skin block the Windows builds embed, drawn and packed by host tools.
SKIN_BLOCK := $(CURDIR)/build/tools/skin/Vemora.skin
skin: deps
	@cmake -S . -B build/tools $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build/tools -j $(JOBS) --target vemora_skin_block

# The skin's pictures as PNG files, to look at.
skin-preview: skin
	@mkdir -p build/skin-preview
	@for f in build/tools/skin/*.bmp; do convert "$$f" "build/skin-preview/$$(basename "$${f%.*}").png"; done
	@ls build/skin-preview

win32: deps skin
	@cmake -S . -B build/win32 $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DVEMORA_SKIN_BLOCK=$(SKIN_BLOCK) >/dev/null
	@cmake --build build/win32 -j $(JOBS)

win64: deps skin
	@cmake -S . -B build/win64 $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DVEMORA_SKIN_BLOCK=$(SKIN_BLOCK) >/dev/null
	@cmake --build build/win64 -j $(JOBS)

# The Windows build that runs here (always built besides the 32-bit release).
winrun: win32
	@if [ "$(WINRUN)" = win64 ]; then $(MAKE) --no-print-directory win64; fi

run: winrun
	@if [ "$(WINRUN)" = win64 ]; then echo "note: this host runs no 32-bit code; starting the 64-bit build"; fi
	scripts/wine.sh $(CURDIR)/build/$(WINRUN)/Vemora.exe

native-test: host
	@cd build/host && ctest --output-on-failure -j $(JOBS)

wine-test: winrun
	@scripts/check-imports.sh build/win32/Vemora.exe
	@scripts/check-large-address.sh build/win32/Vemora.exe
	scripts/wine.sh $(CURDIR)/build/$(WINRUN)/vemora_win_tests.exe

e2e-test: winrun
	tests/e2e/run.sh build/$(WINRUN)
	tests/e2e/hot_key.sh build/$(WINRUN)/Vemora.exe
	tests/e2e/frame.sh build/$(WINRUN)/Vemora.exe
	tests/e2e/folder_picker.sh build/$(WINRUN)
	tests/e2e/high_dpi.sh build/$(WINRUN)/Vemora.exe

test: native-test wine-test e2e-test

screenshot: winrun
	scripts/screenshot.sh build/$(WINRUN)/Vemora.exe build/screenshot.png

screenshot-menus: winrun
	scripts/screenshot-menus.sh build/$(WINRUN) build

bench: winrun
	@cmake -S . -B build/bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DVEMORA_BENCH=ON >/dev/null
	@cmake --build build/bench -j $(JOBS) --target vemora_bench vemora_skin_bench vemora_frame_bench vemora_shell_bench
	build/bench/bench/vemora_bench
	build/bench/bench/vemora_skin_bench
	build/bench/bench/vemora_frame_bench
	build/bench/bench/vemora_shell_bench
	scripts/wine.sh $(CURDIR)/build/$(WINRUN)/vemora_win_bench.exe frame
	bench/watch_burst.sh build/$(WINRUN)
	scripts/wine.sh $(CURDIR)/build/$(WINRUN)/vemora_win_bench.exe list 1000000
	scripts/wine.sh $(CURDIR)/build/$(WINRUN)/vemora_win_bench.exe sort 1000000
	scripts/wine.sh $(CURDIR)/build/$(WINRUN)/vemora_win_bench.exe open 1000000
	scripts/wine.sh $(CURDIR)/build/$(WINRUN)/vemora_shell_win_bench.exe 5000
	scripts/wine.sh $(CURDIR)/build/$(WINRUN)/vemora_win_bench.exe repaint 100

# Each fault of tests/mutations.txt planted alone, the Windows tests rebuilt and run: slow,
# so not part of make test (CONTRIBUTING.md says when to run it).
mutation: skin
	scripts/mutation.sh $(SKIN_BLOCK)

FUZZ_SECONDS ?= 60
fuzz: deps
	@CC=clang-14 CXX=clang++-14 cmake -S . -B build/fuzz $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEMORA_FUZZ=ON >/dev/null
	@cmake --build build/fuzz -j $(JOBS)
	@for target in build/fuzz/fuzz/fuzz_*; do \
	  echo "== $$target ($(FUZZ_SECONDS) s)"; \
	  mkdir -p build/fuzz/corpus/$$(basename $$target); \
	  $$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=0 build/fuzz/corpus/$$(basename $$target) fuzz/corpus/$$(basename $$target) 2>&1 | tail -n 2 || exit 1; \
	done

images: host
	build/host/tools/imagegen/vemora-imagegen src/app/win/res

clean:
	rm -rf build
