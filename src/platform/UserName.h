#pragma once

#include <QString>

// The login name of the effective user; empty when the system has no entry for that user.
QString LoginUserName();
