#pragma once

// The command line's positional parameters, which name the connection in error texts.

#include <QString>
#include <QStringList>

// The five positional parameters of the command line, read when the object is built. The arguments are
// QCoreApplication's when there is an application object; otherwise those given to EstablecerArgumentos
// (none until then). Argument 0 is the program and is not kept; a missing parameter reads as empty.
class TqovParametrosLineaComando {
 public:
  // Raises EConvertError when parameter 2 is given and is not an integer.
  TqovParametrosLineaComando();

  const QString& DatabasePath() const { return FDatabasePath; }
  int EmpresaId() const { return FEmpresaId; }
  const QString& Usuario() const { return FUsuario; }
  const QString& Password() const { return FPassword; }
  const QString& NombreConexion() const { return FNombreConexion; }

  // The process's arguments, program first, for a process without an application object.
  static void EstablecerArgumentos(const QStringList& AArgumentos);

 private:
  QString FDatabasePath;
  int FEmpresaId = 0;
  QString FUsuario;
  QString FPassword;
  QString FNombreConexion;
};
