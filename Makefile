# Everything goes through scripts/, which install what is missing first.
.PHONY: play test dist bench

play:
	@sh scripts/play.sh

test:
	@sh scripts/test.sh

dist:
	@sh scripts/dist.sh

bench:
	@sh scripts/bench.sh
