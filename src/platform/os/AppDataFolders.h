#pragma once

// The machine-wide and the user's application-data folders.

#include <QString>

// The machine-wide application-data folder: the first entry of XDG_CONFIG_DIRS, or /etc/xdg when that is
// unset or does not start with an absolute path.
QString CommonAppDataFolder();

// The user's application-data folder: XDG_CONFIG_HOME, or ~/.config when that is unset or not absolute.
QString LocalAppDataFolder();
