#include "game/Matching.h"

#include <cstring>

#include "audio/Sound.h"
#include "game/Board.h"
#include "state/State.h"

void CityButtonHit()
{
    PlayCue(clickCue);
    k = 0;
    flashingQuestion = false;
    butSelected = repeatKey; // the half changed: nothing is chosen before the next blink
    if (scanOn) {
        for (int i = 0; i < noSelected; i++)
            if (order[i] == flashingButton)
                cityPlace = i;
        cityHit = cityPlace;
    }
    strcpy(cityString, pickedCity$[cityHit]);
    buttonsClicked++;
    questionSet = true;
    InvalidateRect(hwnd, NULL, TRUE);
    cityChosenVal = cityPickedVal[cityHit];
    if (answerSet && stateHit != cityHit)
        PlayCue(failCue);
    if (stateHit == cityHit)
        DestroyButtons();
    else if (flashingButton < noSelected && cityPresent[flashingButton])
        ShowWindow(hwndCityButs[flashingButton], SW_SHOWNORMAL); // caught hidden by a blink
}

void StateButtonHit()
{
    PlayCue(clickCue);
    k = 0;
    flashingQuestion = true;
    butSelected = repeatKey;
    strcpy(stateString, pickedState$[stateHit]);
    buttonsClicked++;
    answerSet = true;
    InvalidateRect(hwnd, NULL, TRUE);
    if (questionSet && stateHit != cityHit)
        PlayCue(failCue);
    if (stateHit == cityHit)
        DestroyButtons();
    else if (flashingButton < noSelected && statePresent[flashingButton])
        ShowWindow(hwndStateButs[flashingButton], SW_SHOWNORMAL);
}

void DestroyButtons()
{
    DestroyGameButton(hwndStateButs[stateHit]);
    statePresent[stateHit] = false;
    DestroyGameButton(hwndCityButs[cityChosenVal]);
    cityPresent[cityChosenVal] = false;
    PlayCue(tingCue);
    cityHit = kNoCity;
    stateHit = kNoState;
    cityChosenVal = kNoCity;
    questionSet = answerSet = false;
    buttonsLeft -= 2;
    flashingQuestion = true;
    if (buttonsLeft <= 0)
        ScreenTwo();
}

void ScreenTwo()
{
    currentScreen = kFinalScreen;
    InvalidateRect(hwnd, NULL, TRUE);
    PlayCue(buttonsClicked == 2 * noSelected ? yesCue : gameCue);
}
