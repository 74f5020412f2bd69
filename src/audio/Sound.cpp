#include "audio/Sound.h"

#include <windows.h>
#include <mmsystem.h>

const char startCue[] = "Sounds\\success2.wav";
const char clickCue[] = "Sounds\\click.wav";
const char continentCue[] = "Sounds\\continent.wav";
const char gameCue[] = "Sounds\\success1.wav";
const char failCue[] = "Sounds\\fail.wav";
const char tingCue[] = "Sounds\\ting.wav";
const char yesCue[] = "Sounds\\yes.wav";

void PlayCue(const char *file)
{
    // No SND_NODEFAULT: a missing file gives the system's sound, and nothing is checked.
    PlaySoundA(file, NULL, SND_FILENAME | SND_ASYNC);
}
