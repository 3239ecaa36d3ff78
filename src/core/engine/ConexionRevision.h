#pragma once

// The engine's connection to a database of the data folder, for its reads: company list, attachments.

#include <QString>
#include <QStringList>
#include <functional>

#include "core/dataaccess/DAIBCDatabase.h"
#include "core/dataaccess/DAIBCQuery.h"

// A connection to a database of the data folder through the profile's server, or through this machine's
// server for a profile without one (never the embedded engine), with its transaction and query. Each read
// runs in a transaction of its own.
class TConexionRevision {
 public:
  // The attachments found by a check, and the number of the transaction it ran in.
  struct TRevision {
    QStringList Usuarios;
    qint64 Transaccion = 0;
  };

  // Opens the connection; raises the client's error.
  TConexionRevision(const QString& ARutaBD, const QString& AServer, const QString& ADBUser, const QString& ADBPass);
  // Ends what is still open; a failure there is dropped, since an error that ended a read is the one to tell.
  ~TConexionRevision();
  TConexionRevision(const TConexionRevision&) = delete;
  TConexionRevision& operator=(const TConexionRevision&) = delete;

  // Runs the statement whose lines ALineas are, handing each row to APorFila.
  void Consultar(const QStringList& ALineas, const std::function<void(TqovDAQuery&)>& APorFila);
  // Whether the table (or view) ARelacion of the database has the column ACampo.
  bool TieneColumna(const QString& ARelacion, const QString& ACampo);
  // The other attachments of the database, "Usuario: <user> - Proceso: <process>" each, leaving out the
  // server's own where the database marks them.
  TRevision Revisar();
  // The number the database gave this connection when it attached: one more than the attachment before it
  // got, in every server version, while the database stays open in the server.
  int NumeroConexion();
  // Commits and closes the connection; raises the client's error.
  void Cerrar();

 private:
  // Runs AAccion in a transaction of its own, committed afterwards.
  void EnTransaccion(const std::function<void()>& AAccion);
  void Leer(const QStringList& ALineas, const std::function<void(TqovDAQuery&)>& APorFila);

  TqovDADatabase FBD;
  TqovDATransaction FTransaccion;
  TqovDAQuery FConsulta;
};
