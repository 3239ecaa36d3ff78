#pragma once

// The system's beep.

#include <functional>

// Empty in the program; a test sets it to hear the beeps without sound.
extern std::function<void()> OnBeep;

void Beep();
