# The two commands of README.md. Each first installs what is missing (Debian packages).
.PHONY: run test setup clean

run: setup
	tools/run

test: setup
	tools/test-all

setup:
	tools/setup

clean:
	rm -rf build
