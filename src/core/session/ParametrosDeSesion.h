#pragma once

// The parameters a session connects with: user, password, database path and name, role.

#include <QString>

// What a session connects with. DatabasePath is prefixed as it is to NombreBD and ".fdb", so it ends with
// the path separator (a server name and a colon may precede the folder).
class TqovParametrosDeSesion {
 public:
  const QString& Usuario() const { return FUsuario; }
  void SetUsuario(const QString& AValue) { FUsuario = AValue; }
  const QString& Password() const { return FPassword; }
  void SetPassword(const QString& AValue) { FPassword = AValue; }
  const QString& DatabasePath() const { return FDatabasePath; }
  void SetDatabasePath(const QString& AValue) { FDatabasePath = AValue; }
  // The database's name without extension: "CONFIG", "METADATOS" or a company's database.
  const QString& NombreBD() const { return FNombreBD; }
  void SetNombreBD(const QString& AValue) { FNombreBD = AValue; }
  // Kept for the caller; the Firebird session always connects under its own role.
  const QString& RoleName() const { return FRoleName; }
  void SetRoleName(const QString& AValue) { FRoleName = AValue; }

 private:
  QString FUsuario;
  QString FPassword;
  QString FDatabasePath;
  QString FNombreBD;
  QString FRoleName;
};
