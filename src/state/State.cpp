#include "state/State.h"

int currentScreen = kSelectionScreen;

HWND hwnd;
HWND questions[3];
HWND hwndBlinks[4];
HWND hwndBye;
HWND hwndCityButs[kButtonPlaces];
HWND hwndStateButs[kButtonPlaces];
HINSTANCE childinst;

int noSelected = 20;
int buttonsLeft = 40;
int fontSize = 17;
bool europeOk, americaOk, africaOk, asiaOk, easyOk;

char state$[kCatalogueSize][kNameSize];
char city$[kCatalogueSize][kNameSize];
int stateVal[kCatalogueSize];
bool easy[kCatalogueSize];

char pickedState$[kMaxPairs][kNameSize];
char pickedCity$[kMaxPairs][kNameSize];
int statePicked[kMaxPairs];
int cityPicked[kMaxPairs];
int order[kMaxPairs];
int cityPickedVal[kMaxPairs];
bool possible[kCatalogueSize];
bool alreadyPicked;

int cityHit = kNoCity, stateHit = kNoState, cityChosenVal = kNoCity;
bool questionSet, answerSet;
char cityString[kNameSize + 1] = "------------------";
char stateString[kNameSize + 1] = "------------------";
bool cityPresent[kMaxPairs];
bool statePresent[kMaxPairs];
int buttonsClicked;
int cityPlace;

bool scanOn, flashOn;
int blinks = 4;
int blinkCounter;
bool flipFlop = true;
bool flashingQuestion = true;
int flashingButton;
int butSelected;
int k;
const int repeatKey = 1000;
