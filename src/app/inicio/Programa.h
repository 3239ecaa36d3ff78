#pragma once

// The program's start-up: the modules' initialisation, its three forms, the sign-in and the message loop.

class TApplication;

// Makes the process's locale one that uses UTF-8, in which the Firebird client and tools take file names: the
// environment's when it does, else C.UTF-8. Run first, before the application object exists.
void UsarLocaleUtf8();

// Runs the program on the application object until it ends, and returns the process's exit code. The modules
// are initialised, the main window is created hidden, then the dialog base and the sign-in dialog, which is
// shown; the program ends when the main window closes, when its Cancel button is pressed outside a run, or
// when the sign-in dialog closes while the main window is hidden (0). A start-up step that fails, such as a
// missing icon library, is written to the standard error and shown to the operator, and gives 1.
int EjecutarDrevalino(TApplication& AAplicacion);
