#pragma once

// The seven cues, as paths relative to the working directory.
extern const char startCue[];     // program start
extern const char clickCue[];     // settings and every choice of a game button
extern const char continentCue[]; // start refused: no continent ticked
extern const char gameCue[];      // game start, and the end of a game with extra presses
extern const char failCue[];      // a wrong pair
extern const char tingCue[];      // a matched pair
extern const char yesCue[];       // the end of a game without a single extra press

// Start a cue and return at once; it cuts off the one still playing.
void PlayCue(const char *file);
