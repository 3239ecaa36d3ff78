#pragma once

// The database session's exception, recognised by its error code.

#include "core/session/ExceptionQov.h"

// A failure of the database layer; callers catch it by class and branch on CodigoError.
class TqovExceptionBaseDatos : public TqovException {
 public:
  using TqovException::TqovException;
};

// The codes of TqovExceptionBaseDatos. There is no code 9.
namespace CodigoErrorBD {
// Any other database error, with the driver's message.
constexpr int Otro = 0;
constexpr int SesionYaConectada = 1;
constexpr int ArchivoInaccesible = 2;
constexpr int UsuarioOClaveInvalidos = 3;
constexpr int ServidorInalcanzable = 4;
constexpr int LlaveForanea = 5;
constexpr int ValorDuplicado = 6;
constexpr int Bloqueo = 7;
// An exception raised by a stored procedure or a trigger.
constexpr int ExcepcionDeProcedimiento = 8;
constexpr int TomarSemaforo = 10;
constexpr int LiberarSemaforo = 11;
// The database's on-disk structure is not supported by the server.
constexpr int EstructuraNoSoportada = 12;
}  // namespace CodigoErrorBD
