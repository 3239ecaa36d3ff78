#pragma once

// The system's tick count.

#include <QtGlobal>
#include <functional>

// Empty in the program; a test sets it to run the clock itself.
extern std::function<quint32()> OnTickCount;

// Milliseconds since the system started, wrapping at 2^32, as the system's tick count.
quint32 GetTickCount();
