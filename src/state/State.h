// Program-wide state: every variable the program keeps, shared by all of its parts.
#pragma once

#include <windows.h>

enum {
    kNameSize = 18,       // a name of up to 16 characters, its NUL and a spare byte
    kCatalogueSize = 186, // entries 0 to 185
    kMaxPairs = 20,       // the largest game
    kButtonPlaces = 32,   // handle tables of the board, of which at most 20 are used
    kNoCity = 1032,       // cityHit and cityChosenVal when no capital is chosen
    kNoState = 1042,      // stateHit when no country is chosen
    kNeverDrawn = 30000,  // the country number of an entry withdrawn from play
};

enum Screen { kSelectionScreen = 0, kGameScreen = 1, kFinalScreen = 2 };

// screen
extern int currentScreen;

// windows
extern HWND hwnd;
extern HWND questions[3];
extern HWND hwndBlinks[4];
extern HWND hwndBye;
extern HWND hwndCityButs[kButtonPlaces];
extern HWND hwndStateButs[kButtonPlaces];
extern HINSTANCE childinst;

// settings
extern int noSelected;
extern int buttonsLeft;
extern int fontSize;
extern bool europeOk, americaOk, africaOk, asiaOk, easyOk;

// catalogue
extern char state$[kCatalogueSize][kNameSize];
extern char city$[kCatalogueSize][kNameSize];
extern int stateVal[kCatalogueSize];
extern bool easy[kCatalogueSize];

// one game
extern char pickedState$[kMaxPairs][kNameSize];
extern char pickedCity$[kMaxPairs][kNameSize];
extern int statePicked[kMaxPairs];
extern int cityPicked[kMaxPairs];
extern int order[kMaxPairs];
extern int cityPickedVal[kMaxPairs];
extern bool possible[kCatalogueSize];
extern bool alreadyPicked;

// matching
extern int cityHit, stateHit, cityChosenVal;
extern bool questionSet, answerSet;
extern char cityString[kNameSize + 1];
extern char stateString[kNameSize + 1];
extern bool cityPresent[kMaxPairs];
extern bool statePresent[kMaxPairs];
extern int buttonsClicked;
extern int cityPlace;

// scanning
extern bool scanOn, flashOn;
extern int blinks;
extern int blinkCounter;
extern bool flipFlop;
extern bool flashingQuestion;
extern int flashingButton;
extern int butSelected;
extern int k;
extern const int repeatKey;
