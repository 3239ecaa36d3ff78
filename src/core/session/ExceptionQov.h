#pragma once

// The suite's exception with error code, class, operation and reference, and the error codes.

#include <QString>

#include "platform/rtl/Exception.h"

// The suite's exception: besides the message, a numeric code that tells the kind of failure, the class
// and operation that raised it, and what the operation worked on.
class TqovException : public Exception {
 public:
  TqovException(const QString& AMessage, int ACodigoError, const QString& AClase, const QString& AOperacion,
                const QString& AReferencia);
  // Leaves Clase and Operacion empty.
  TqovException(const QString& AMessage, int ACodigoError, const QString& AReferencia);

  int CodigoError() const { return FCodigoError; }
  void SetCodigoError(int AValue) { FCodigoError = AValue; }
  const QString& Clase() const { return FClase; }
  void SetClase(const QString& AValue) { FClase = AValue; }
  const QString& Operacion() const { return FOperacion; }
  void SetOperacion(const QString& AValue) { FOperacion = AValue; }
  const QString& Referencia() const { return FReferencia; }
  void SetReferencia(const QString& AValue) { FReferencia = AValue; }

 private:
  int FCodigoError;
  QString FClase;
  QString FOperacion;
  QString FReferencia;
};
