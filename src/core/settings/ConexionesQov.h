#pragma once

// The saved connection profiles, read from and written to the settings store.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// Values as stored in the settings file; a stored value outside the list is kept as it was read.
enum TTipoAcceso : int { taRemoto = 0, taLocal = 1 };
enum TProtocolo : int { prTCP = 0, prNetBeui = 1, prSPX = 2 };

// Shows a warning to the operator. Start-up sets it to the warning dialog (GanchosDeProceso.h); while it
// is empty the warnings of the profile checks are shown nowhere.
extern std::function<void(const QString& AMensaje)> MostrarAdvertenciaConexiones;

// One connection profile.
struct TDatosConexion {
  TTipoAcceso TipoAcceso = taRemoto;
  // Empty for local profiles; may end in "/" and a port.
  QString ServerName;
  TProtocolo Protocolo = prTCP;
  QString DirDatos;
};

// The suite's connection profiles, kept in the machine-wide settings under "\Software\Tarvolin\Conexiones",
// one key per profile, and one of them the current profile. Names are compared ignoring case, and come back
// from the file as they were given, without leading and trailing blanks. Changes stay in memory until Save.
class TqovConexiones : public QObject {
  Q_OBJECT

 public:
  explicit TqovConexiones(QObject* AOwner = nullptr);
  ~TqovConexiones() override;

  bool UsarSintaxisLegacy = false;

  const QString& ConexionActual() const { return FConexionActual; }
  // Selects the profile of that name. Raises Exception "Error al seleccionar conexión. <name> no existe."
  // when there is none, and then no profile is current.
  void SetConexionActual(const QString& AValue);

  void Clear();
  // The profile names in list order, loading them first when not yet loaded.
  void GetNames(QStringList& ALista);
  // Reads every profile from the settings file; profiles that cannot be read or fail the checks are left
  // out without a message.
  void Load();
  // Writes the profiles added and deleted since the load into the file as it is now, keeping the profiles
  // that other programs saved meanwhile. Raises EFileError with the reason when the file cannot be read or
  // written; the changes then stay to be saved.
  void Save();
  // Checks the profile (showing the first failure as a warning) and appends it. A local profile keeps no
  // server name and uses prTCP. A name that the file cannot tell apart from a listed one (the same but for
  // case, or for leading and trailing blanks) is refused as a duplicate.
  bool Add(const QString& AConnectName, TTipoAcceso ATipoAcceso, const QString& AServerName, TProtocolo AProtocolo,
           const QString& ADirDatos);
  // Unknown names are ignored. Deleting the current profile leaves none current.
  void Delete(const QString& AConnectName);

  // Of the current profile; each raises Exception "No esta asignada una conexión." when there is none.
  TTipoAcceso TipoAcceso() const;
  // With every "/" as ":" (server/3050 reads server:3050).
  QString ServerName() const;
  TProtocolo Protocolo() const;
  QString DirDatos() const;
  // The database location in the legacy or the current syntax; a local profile on this machine's server
  // over the loopback.
  QString DataBasePath() const;

 private:
  // Elemento: the element that holds the profile in the file.
  struct TConexion {
    QString Nombre;
    QString Elemento;
    TDatosConexion Datos;
  };
  // A profile added (with its data) or deleted (without) since the load.
  struct TCambio {
    QString Nombre;
    QString Elemento;
    std::optional<TDatosConexion> Datos;
  };

  int IndiceDe(const QString& ANombre) const;
  // Whether a listed profile is stored under that element, ignoring case.
  bool MismoElemento(const QString& AElemento) const;
  void AnotarCambio(const TConexion& AConexion, bool ABorrada);
  bool ValidarDatosConexion(const QString& AName, const QString& AElemento, TTipoAcceso ATipoAcceso,
                            const QString& AServerName, const QString& ADirDatos) const;
  bool Invalido(const QString& AMensaje) const;
  // True when a profile is current; otherwise raises.
  bool HayConexionActual() const;
  const TDatosConexion& Actual() const;

  std::vector<TConexion> FConexiones;
  std::vector<TCambio> FCambios;
  QString FConexionActual;
  int FIndex = -1;
  bool FLoaded = false;
  bool FEnLoad = false;
};
