# The two commands: `make test` and `make run`.
PRESETS_TESTED := native asan tsan win32 win64

.PHONY: test test-windows run soak setup test-setup dist bench bench-gleaner bench-readings bench-clicks bench-hostile word-frequency $(addprefix test-,$(PRESETS_TESTED))

test: setup test-native test-asan test-tsan test-windows

# The shipped 32-bit build, or the 64-bit one where this machine cannot run
# 32-bit x86 code (scripts/windows-test-preset).
test-windows: setup
	@$(MAKE) --no-print-directory test-$$(scripts/windows-test-preset)

setup:
	@bash scripts/setup

# Not part of `make test` (it downloads the package indexes): scripts/setup
# against a throw-away apt state, silent when nothing is missing, and still
# installing when one index of the mirror is out of sync.
test-setup:
	bash tests/setup/half_synced_mirror.sh

$(addprefix test-,$(PRESETS_TESTED)): test-%: setup
	cmake --preset $* >/dev/null
	cmake --build --preset $*
	scripts/with-display ctest --preset $*

# The dictionary generator is native; the programs are the win32 build.
# dist/ is the folder a user unpacks; Kirimo-<version>-win32.zip holds it.
dist:
	@bash scripts/setup dist
	cmake --preset native >/dev/null
	cmake --build --preset native --target dicgen
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 --target programs kirimo-inspect
	scripts/make-dist --zip

# On the current display, or a demonstration on a private one without a display.
run: dist
	scripts/run-kirimo

# Not part of `make test`: random clicks on the real keypad for SOAK_MINUTES
# (make soak SOAK_MINUTES=1 for a quick look); memory figures and screenshots
# in build/win32/e2e-artifacts/.
SOAK_MINUTES ?= 10
soak: dist
	scripts/with-display python3 tests/e2e/kirimo_soak.py --build build/win32 --minutes $(SOAK_MINUTES)

bench: setup
	cmake --preset native-release >/dev/null
	cmake --build --preset native-release
	scripts/bench

# Gleaner's extraction benchmark on the generated base dictionary (after make run).
bench-gleaner: setup
	scripts/bench-gleaner

# Reading proposals without an input method; needs dist/dic from `make run`.
bench-readings: setup
	cmake --preset native-release >/dev/null
	cmake --build --preset native-release --target kirimo_bench_readings
	scripts/bench-readings

# Not part of `make test`: installs mecab and documentation packages, takes minutes.
bench-clicks: setup
	scripts/bench-clicks

# Regenerates data/word-frequency.tsv (mecab, from documentation the click benchmark never measures).
word-frequency: setup
	scripts/bench-clicks --frequency-only

# Gestures on hostile files (a dictionary of one reading, 100,000 virtual keys).
bench-hostile: setup
	scripts/bench-hostile
