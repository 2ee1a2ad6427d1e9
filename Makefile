# The two everyday commands: `make run` and `make test`.
JOBS ?= $(shell nproc)

.PHONY: deps build run test sanitize-test bench clean

deps:
	./scripts/install-deps.sh

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

run: build
	./build/src/cli/kinloom-cli info samples/sample.ged

test: build
	ctest --preset default -j $(JOBS)

sanitize-test: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

bench: build
	./bench/run.sh

clean:
	rm -rf build build-sanitize
