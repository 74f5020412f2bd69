# Everything goes through scripts/, which install what is missing first.
.PHONY: play test

play:
	@sh scripts/play.sh

test:
	@sh scripts/test.sh
