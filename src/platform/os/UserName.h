#pragma once

// The name of the user the program runs as.

#include <QString>

// The login name of the effective user; empty when the system has no entry for that user.
QString LoginUserName();
