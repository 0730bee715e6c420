# Shortcuts for developers; the two commands themselves are ./run.sh and ./test.sh
# (they need nothing but bash, so they work on a machine without make).
.PHONY: run test bench clean
run:
	./run.sh
test:
	./test.sh
bench:
	BUILD=build ./test.sh >/dev/null 2>&1 || true; build/gavrosin-bench
clean:
	rm -rf build
