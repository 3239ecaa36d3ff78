#include "app/dialogs/UNetResources.h"

void ObtenerServidoresRed(QStringList& /*AStrings*/) {}
