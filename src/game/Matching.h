#pragma once

// A capital was chosen: by its pick index in cityHit, or with scanning on, the one at slot
// flashingButton.
void CityButtonHit();
// A country was chosen: its pick index is in stateHit.
void StateButtonHit();
// The chosen pair matches: remove both buttons.
void DestroyButtons();
// No pair is left: show the final screen.
void ScreenTwo();
