#pragma once

// The start-up of the control library.

// Run once by the program's start-up, after the application object exists: creates the scaling object,
// registers the style hooks of the library's edits, and sets the process-wide hooks of the lower layers
// (EstablecerGanchosDeProceso): the connection-profile check warns through MostrarAdvertencia, and the
// screen's cursor shows over the program's windows.
void InicializarControlesQov();
