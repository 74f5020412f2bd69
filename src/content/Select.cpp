#include "content/Select.h"

#include <cstring>

#include "content/Random.h"
#include "state/State.h"

namespace
{

// The continent groups, as runs of entries (both ends included). East Timor (183) stays out:
// the last group ends where the Asian run of the catalogue ends.
const struct {
    bool *ok;
    int first, last;
} kGroups[] = {
    {&europeOk, 1, 44},
    {&americaOk, 45, 83},
    {&africaOk, 84, 134},
    {&asiaOk, 135, 182},
};

void MarkPossible()
{
    if (easyOk)
        for (int c = 1; c <= 179; c++)
            if (easy[c])
                possible[c] = true;
    for (const auto &g : kGroups)
        if (*g.ok)
            for (int c = g.first; c <= g.last; c++)
                possible[c] = true;
}

} // namespace

void Select()
{
    MarkPossible();
    for (int i = 0; i < noSelected; i++) {
        order[i] = i;
        cityPresent[i] = statePresent[i] = true;
        int c;
        do {
            alreadyPicked = false;
            c = Rand() % 185 + 1;
            cityPicked[i] = c;
            for (int j = 0; j < i; j++)
                if (cityPicked[j] == c)
                    alreadyPicked = true;
        } while (stateVal[c] == kNeverDrawn || alreadyPicked || !possible[c]);
        statePicked[i] = c;
        strcpy(pickedCity$[i], city$[c]);
        strcpy(pickedState$[i], state$[c]);
    }
}

void ShuffleArrays()
{
    for (int i = 0; i < 100; i++) {
        int first = Rand() % noSelected; // drawn before the second, so a seed fixes the board
        int second = Rand() % noSelected;
        int temp = order[first];
        order[first] = order[second];
        order[second] = temp;
    }
    for (int i = 0; i < noSelected; i++)
        cityPickedVal[i] = order[i];
}
