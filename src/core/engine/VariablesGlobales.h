#pragma once

// Process-wide values that the sign-in leaves for the engine.

#include <QString>

// The server name of the connection profile the operator signed in with ("localhost", possibly
// followed by ":" and a port); empty for a profile without a server.
extern QString ServidorFirebirdActual;
