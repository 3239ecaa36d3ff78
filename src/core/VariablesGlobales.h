#pragma once

#include <QString>

// The server name of the connection profile the operator signed in with ("localhost", possibly
// followed by ":" and a port); empty for a profile without a server.
extern QString ServidorFirebirdActual;
