# The two commands of README.md. Each first installs what is missing (Debian packages).
.PHONY: run test test-x86 bench fuzz docs check-format format setup clean

run: setup
	tools/run

test: setup
	tools/test-all

# The released 32-bit build run under qemu emulation (root needed; the i386 root and prefix
# are kept under /var/cache/tarnwick for later runs).
test-x86: setup
	tools/test-x86

bench: setup
	tools/bench

# The fuzz targets of the pure code, a minute each (FUZZ_SECONDS to change it).
fuzz: setup
	tools/fuzz $${FUZZ_SECONDS:-60}

# The README's pictures in docs/, made by the program and aerolab themselves.
docs: setup
	tools/docs

# Every C and C++ file formatted as .clang-format says (format: rewrite them so).
check-format: setup
	tools/check-format

format: setup
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

setup:
	tools/setup

clean:
	rm -rf build
