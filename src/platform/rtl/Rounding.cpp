#include "platform/rtl/Rounding.h"

#include <climits>
#include <cmath>

#include "platform/rtl/Exception.h"

int Round(double AValue) {
  const double entero = std::nearbyint(AValue);
  if (!(entero >= INT_MIN && entero <= INT_MAX))
    throw EInvalidOp(QStringLiteral("Operación de punto flotante no válida."));
  return static_cast<int>(entero);
}
