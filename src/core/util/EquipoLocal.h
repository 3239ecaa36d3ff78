#pragma once

// Whether a connection profile's server is this machine.

#include <QString>

// True when AServidor, a profile's server in its "host", "host:port" or "host/port" form (an IPv6 address
// in brackets when it carries a port), names this machine: empty, localhost, 127.0.0.1, ::1 or one of this
// machine's host names, compared without case. Any other name, even one that merely contains these, is not.
bool EsServidorDeEsteEquipo(const QString& AServidor);
