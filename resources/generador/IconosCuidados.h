#pragma once

// The pictures that the program itself shows, drawn one by one for each size: the check boxes of the selection
// column, the calculator button, the seven edit-menu pictures, "what is this" and the suite's mark.

#include <QHash>
#include <QString>

#include "Lienzo.h"

// Each picture by its icon name.
const QHash<QString, void (*)(Lienzo&)>& IconosCuidados();
