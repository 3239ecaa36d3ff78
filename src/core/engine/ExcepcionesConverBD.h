#pragma once

// The conversion engine's exceptions, one class for each kind of failure.

#include "platform/rtl/Exception.h"

// The conversion's failures, told apart by class; the message is all they carry.

// Other users are attached to the database.
class TqovExceptionBDUsuariosConectados : public Exception {
 public:
  using Exception::Exception;
};

// The installed server's gbak is not at the given path.
class TqovExceptionGbakRutaIncorrecta : public Exception {
 public:
  using Exception::Exception;
};

// The operator cancelled the run.
class TqovExceptionCancelarProcesoConver : public Exception {
 public:
  using Exception::Exception;
};

// A folder could not be created, or a database file could not be archived or moved into place.
class TqovExceptionOperacionesArchivo : public Exception {
 public:
  using Exception::Exception;
};

// A backup or restore with gbak failed, or the metadata extraction of the check after a failed restore.
class TqovExceptionGbak : public Exception {
 public:
  using Exception::Exception;
};

// The check before a run found attached users.
class TqovExceptionValidaInicialSesiones : public Exception {
 public:
  using Exception::Exception;
};
