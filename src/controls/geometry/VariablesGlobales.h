#pragma once

// The suite's process-wide configuration key, which the per-form settings keys are built from.

#include <QString>

// The configuration key number and name; nothing in this program assigns them, so they stay 0 and empty.
extern int NumeroClaveConfig;
extern QString NombreClaveConfig;
