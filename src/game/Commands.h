#pragma once

// The WM_COMMAND handler, by control ID.
void CommandHandler(int id);
// The final screen's "RETURN TO CHOOSER" button.
void CreateByeButton();
