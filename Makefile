# The two commands of README.md. Each first installs what is missing (Debian packages).
.PHONY: run test test-x86 bench fuzz docs setup clean

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

setup:
	tools/setup

clean:
	rm -rf build
