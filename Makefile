# The two commands of README.md. Each first installs what is missing (Debian packages).
.PHONY: run test bench setup clean

run: setup
	tools/run

test: setup
	tools/test-all

bench: setup
	tools/bench

setup:
	tools/setup

clean:
	rm -rf build
