#include "core/settings/ConexionesQov.h"

#include "core/settings/XmlRegistryQov.h"
#include "core/util/CadenaConexion.h"
#include "platform/rtl/Exception.h"

std::function<void(const QString& AMensaje)> MostrarAdvertenciaConexiones;

namespace {

const QString RamaConexiones = QStringLiteral("\\Software\\Tarvolin\\Conexiones");
const QString ValorTipoAcceso = QStringLiteral("Tipo de acceso");
const QString ValorServidor = QStringLiteral("Nombre del servidor");
const QString ValorProtocolo = QStringLiteral("Protocolo");
const QString ValorDirectorio = QStringLiteral("Directorio de datos");

QString RamaDe(const QString& ANombre) { return RamaConexiones + QStringLiteral("\\") + ANombre; }

QString ConDosPuntos(const QString& AServidor) {
  return QString(AServidor).replace(QLatin1Char('/'), QLatin1Char(':'));
}

}  // namespace

TqovConexiones::TqovConexiones(QObject* AOwner) : QObject(AOwner) {}

TqovConexiones::~TqovConexiones() { Clear(); }

void TqovConexiones::SetConexionActual(const QString& AValue) {
  FIndex = IndiceDe(AValue);
  if (FIndex < 0)
    throw Exception(QStringLiteral("Error al seleccionar conexión. ") + AValue + QStringLiteral(" no existe."));
  FConexionActual = AValue;
}

// Leaves no profile current: the index would point at nothing.
void TqovConexiones::Clear() {
  FConexiones.clear();
  FIndex = -1;
}

void TqovConexiones::GetNames(QStringList& ALista) {
  if (!FLoaded) Load();
  ALista.clear();
  for (const TConexion& conexion : FConexiones) ALista << conexion.Nombre;
}

void TqovConexiones::Load() {
  TxmlRegistry registro;
  registro.SetAccess(KEY_READ);
  registro.SetRootKey(HKEY_LOCAL_MACHINE);
  QStringList nombres;
  if (registro.OpenKey(RamaConexiones, false)) {
    registro.GetKeyNames(nombres);
    registro.CloseKey();
  }
  Clear();
  FEnLoad = true;
  for (const QString& nombre : nombres) {
    if (!registro.OpenKey(RamaDe(nombre), false)) continue;
    try {
      const QString servidor = registro.ReadString(ValorServidor);
      const int protocolo = registro.ReadInteger(ValorProtocolo);
      const QString directorio = registro.ReadString(ValorDirectorio);
      const int tipo = registro.ReadInteger(ValorTipoAcceso);
      Add(nombre, static_cast<TTipoAcceso>(tipo), servidor, static_cast<TProtocolo>(protocolo), directorio);
    } catch (const Exception&) {
      // A profile that cannot be read is left out, like one that fails the checks.
    }
    registro.CloseKey();
  }
  FEnLoad = false;
  FLoaded = true;
}

// The branch is rebuilt in memory and the file written once, at the end.
void TqovConexiones::Save() {
  TxmlRegistry registro;
  registro.SetRootKey(HKEY_LOCAL_MACHINE);
  registro.OpenKey(RamaConexiones, true);
  registro.XmlStorage().DeletePath(registro.CurrentPath());
  for (const TConexion& conexion : FConexiones) {
    registro.OpenKey(RamaDe(conexion.Nombre), true);
    registro.WriteInteger(ValorTipoAcceso, conexion.Datos.TipoAcceso);
    registro.WriteString(ValorServidor, conexion.Datos.ServerName);
    registro.WriteInteger(ValorProtocolo, conexion.Datos.Protocolo);
    registro.WriteString(ValorDirectorio, conexion.Datos.DirDatos);
  }
  registro.CloseKey();
}

bool TqovConexiones::Add(const QString& AConnectName, TTipoAcceso ATipoAcceso, const QString& AServerName,
                         TProtocolo AProtocolo, const QString& ADirDatos) {
  if (!ValidarDatosConexion(AConnectName, ATipoAcceso, AServerName, ADirDatos)) return false;
  TDatosConexion datos;
  datos.TipoAcceso = ATipoAcceso;
  if (ATipoAcceso != taLocal) {
    datos.ServerName = AServerName;
    datos.Protocolo = AProtocolo;
  }
  datos.DirDatos = ADirDatos;
  FConexiones.push_back({AConnectName, datos});
  return true;
}

void TqovConexiones::Delete(const QString& AConnectName) {
  const int indice = IndiceDe(AConnectName);
  if (indice < 0) return;
  FConexiones.erase(FConexiones.begin() + indice);
  if (indice == FIndex)
    FIndex = -1;
  else if (indice < FIndex)
    --FIndex;
}

TTipoAcceso TqovConexiones::TipoAcceso() const { return Actual().TipoAcceso; }

QString TqovConexiones::ServerName() const { return ConDosPuntos(Actual().ServerName); }

TProtocolo TqovConexiones::Protocolo() const { return Actual().Protocolo; }

QString TqovConexiones::DirDatos() const { return Actual().DirDatos; }

// A local profile is reached on this machine's server over the loopback, as a remote TCP profile on that
// server would be.
QString TqovConexiones::DataBasePath() const {
  const TDatosConexion& datos = Actual();
  const bool local = datos.TipoAcceso == taLocal;
  const QString servidor = local ? ServidorLocal : datos.ServerName;
  if (!UsarSintaxisLegacy)
    return QStringLiteral("inet://") + ConDosPuntos(servidor) + QLatin1Char('/') + datos.DirDatos;
  if (!local && datos.Protocolo == prNetBeui)
    return QStringLiteral("\\\\") + datos.ServerName + QLatin1Char('\\') + datos.DirDatos;
  return CadenaConexion(servidor, datos.DirDatos);
}

int TqovConexiones::IndiceDe(const QString& ANombre) const {
  for (size_t i = 0; i < FConexiones.size(); ++i)
    if (FConexiones[i].Nombre.compare(ANombre, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
  return -1;
}

bool TqovConexiones::ValidarDatosConexion(const QString& AName, TTipoAcceso ATipoAcceso, const QString& AServerName,
                                          const QString& ADirDatos) const {
  if (AName.trimmed().isEmpty() || IndiceDe(AName) >= 0)
    return Invalido(QStringLiteral("El nombre de la conexión no es válido."));
  if (ATipoAcceso == taRemoto && AServerName.trimmed().isEmpty())
    return Invalido(QStringLiteral("El nombre del servidor no es válido."));
  if (ADirDatos.trimmed().isEmpty())
    return Invalido(QStringLiteral("El directorio de datos de la conexión no es válido."));
  return true;
}

// Shows the check's message, except while loading; always false.
bool TqovConexiones::Invalido(const QString& AMensaje) const {
  if (!FEnLoad && MostrarAdvertenciaConexiones) MostrarAdvertenciaConexiones(AMensaje);
  return false;
}

bool TqovConexiones::HayConexionActual() const {
  if (FIndex < 0) throw Exception(QStringLiteral("No esta asignada una conexión."));
  return true;
}

const TDatosConexion& TqovConexiones::Actual() const {
  HayConexionActual();
  return FConexiones[static_cast<size_t>(FIndex)].Datos;
}
