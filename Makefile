# Two commands do everything on a fresh Debian 12 machine:
#   make run   — install what is missing, build a Release, start the program
#   make test  — install what is missing, build, run every test
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test build deps configure bench clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		$(BUILD)/gavrosin $(ARGS); \
	else \
		echo "No display found: starting the program under xvfb-run (invisible virtual screen)."; \
		echo "To see the window, run 'make run' from a desktop session."; \
		xvfb-run -a $(BUILD)/gavrosin $(ARGS); \
	fi

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD)/gavrosin-bench

clean:
	rm -rf $(BUILD)
