#include "core/session/ExceptionQov.h"

TqovException::TqovException(const QString& AMessage, int ACodigoError, const QString& AClase,
                             const QString& AOperacion, const QString& AReferencia)
    : Exception(AMessage),
      FCodigoError(ACodigoError),
      FClase(AClase),
      FOperacion(AOperacion),
      FReferencia(AReferencia) {}

TqovException::TqovException(const QString& AMessage, int ACodigoError, const QString& AReferencia)
    : Exception(AMessage), FCodigoError(ACodigoError), FReferencia(AReferencia) {}
