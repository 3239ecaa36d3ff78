#pragma once

// The servers of the local network, offered to the operator for a remote connection profile.

#include <QStringList>

// Appends the names of the servers found on the local network. This system has no network browse, so it
// finds none: the operator types the server's name.
void ObtenerServidoresRed(QStringList& AStrings);
