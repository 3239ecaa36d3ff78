#pragma once

// The connection string of a database of the suite, on the profile's server or on this machine's.

#include <QString>

// The server that a profile without one reaches: the Firebird server of this machine, over the loopback.
// Never the embedded engine, which cannot open the older on-disk structures, cannot open a file that the
// server holds open, and checks no password.
inline const QString ServidorLocal = QStringLiteral("localhost");

// The connection string of the database file ARuta on the server AServer (a host name, possibly followed
// by "/" and a port): AServer + ":" + ARuta; with no server, on ServidorLocal.
QString CadenaConexion(const QString& AServer, const QString& ARuta);
