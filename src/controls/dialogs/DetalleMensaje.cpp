#include "controls/dialogs/DetalleMensaje.h"

TDetalleMensaje DetalleMensaje;
