#pragma once

// Fill the catalogue and mark its easy set; both give the same content at every call.
void LoadArrays();
void setEasy();
