#include "core/settings/ConexionesQov.h"

#include <algorithm>

#include "core/settings/XmlRegistryQov.h"
#include "core/util/CadenaConexion.h"
#include "platform/rtl/Exception.h"
#include "platform/xml/XmlFileStorage.h"

std::function<void(const QString& AMensaje)> MostrarAdvertenciaConexiones;

namespace {

const QString RamaConexiones = QStringLiteral("\\Software\\Tarvolin\\Conexiones");
const QString ValorTipoAcceso = QStringLiteral("Tipo de acceso");
const QString ValorServidor = QStringLiteral("Nombre del servidor");
const QString ValorProtocolo = QStringLiteral("Protocolo");
const QString ValorDirectorio = QStringLiteral("Directorio de datos");

// The profile's key: its name in the form the file gives back exactly.
QString RamaDe(const QString& ANombre) { return RamaConexiones + QStringLiteral("\\") + XmlEncodeKeyName(ANombre); }

// The element that holds the profile in the file. Two names with the same element, ignoring case, are
// one profile to the file.
QString ElementoDe(const QString& ANombre) {
  return XmlElementName(NormalizeKeyPath(RamaDe(ANombre)).section(QLatin1Char('\\'), -1));
}

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
  QStringList elementos;
  if (registro.OpenKey(RamaConexiones, false)) elementos = registro.XmlStorage().FolderNames(registro.CurrentPath());
  Clear();
  FCambios.clear();
  FEnLoad = true;
  for (const QString& elemento : elementos) {
    const QString nombre = XmlDecodeKeyName(elemento);
    if (!registro.OpenKey(RamaConexiones + QStringLiteral("\\") + elemento, false)) continue;
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

// The changes made here since the load are applied to the profiles the file holds now, so that profiles
// that other programs saved meanwhile stay; the file is written once.
void TqovConexiones::Save() {
  TxmlRegistry registro;
  registro.SetRootKey(HKEY_LOCAL_MACHINE);
  registro.Update([&] {
    registro.OpenKey(RamaConexiones, true);
    const QString rama = registro.CurrentPath();
    for (const TCambio& cambio : FCambios) {
      for (const QString& guardado : registro.XmlStorage().FolderNames(rama))
        if (guardado.compare(cambio.Elemento, Qt::CaseInsensitive) == 0)
          registro.XmlStorage().DeletePath(rama + QStringLiteral("\\") + guardado);
      if (!cambio.Datos) continue;
      registro.OpenKey(RamaDe(cambio.Nombre), true);
      registro.WriteInteger(ValorTipoAcceso, cambio.Datos->TipoAcceso);
      registro.WriteString(ValorServidor, cambio.Datos->ServerName);
      registro.WriteInteger(ValorProtocolo, cambio.Datos->Protocolo);
      registro.WriteString(ValorDirectorio, cambio.Datos->DirDatos);
    }
  });
  FCambios.clear();
}

bool TqovConexiones::Add(const QString& AConnectName, TTipoAcceso ATipoAcceso, const QString& AServerName,
                         TProtocolo AProtocolo, const QString& ADirDatos) {
  const QString elemento = ElementoDe(AConnectName);
  if (!ValidarDatosConexion(AConnectName, elemento, ATipoAcceso, AServerName, ADirDatos)) return false;
  TDatosConexion datos;
  datos.TipoAcceso = ATipoAcceso;
  if (ATipoAcceso != taLocal) {
    datos.ServerName = AServerName;
    datos.Protocolo = AProtocolo;
  }
  datos.DirDatos = ADirDatos;
  FConexiones.push_back({AConnectName, elemento, datos});
  AnotarCambio(FConexiones.back(), false);
  return true;
}

void TqovConexiones::Delete(const QString& AConnectName) {
  const int indice = IndiceDe(AConnectName);
  if (indice < 0) return;
  AnotarCambio(FConexiones[static_cast<size_t>(indice)], true);
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

// Only the last change of a profile counts.
void TqovConexiones::AnotarCambio(const TConexion& AConexion, bool ABorrada) {
  if (FEnLoad) return;
  std::erase_if(FCambios,
                [&](const TCambio& c) { return c.Elemento.compare(AConexion.Elemento, Qt::CaseInsensitive) == 0; });
  FCambios.push_back(
      {AConexion.Nombre, AConexion.Elemento, ABorrada ? std::nullopt : std::optional<TDatosConexion>(AConexion.Datos)});
}

int TqovConexiones::IndiceDe(const QString& ANombre) const {
  for (size_t i = 0; i < FConexiones.size(); ++i)
    if (FConexiones[i].Nombre.compare(ANombre, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
  return -1;
}

bool TqovConexiones::ValidarDatosConexion(const QString& AName, const QString& AElemento, TTipoAcceso ATipoAcceso,
                                          const QString& AServerName, const QString& ADirDatos) const {
  if (AName.trimmed().isEmpty() || IndiceDe(AName) >= 0 || MismoElemento(AElemento))
    return Invalido(QStringLiteral("El nombre de la conexión no es válido."));
  if (ATipoAcceso == taRemoto && AServerName.trimmed().isEmpty())
    return Invalido(QStringLiteral("El nombre del servidor no es válido."));
  if (ADirDatos.trimmed().isEmpty())
    return Invalido(QStringLiteral("El directorio de datos de la conexión no es válido."));
  return true;
}

bool TqovConexiones::MismoElemento(const QString& AElemento) const {
  return std::any_of(FConexiones.begin(), FConexiones.end(),
                     [&](const TConexion& c) { return c.Elemento.compare(AElemento, Qt::CaseInsensitive) == 0; });
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
