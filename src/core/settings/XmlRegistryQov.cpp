#include "core/settings/XmlRegistryQov.h"

#include <QFile>

#include "core/util/Utilerias.h"
#include "platform/os/AppDataFolders.h"
#include "platform/os/Paths.h"
#include "platform/os/UserName.h"

std::function<void(const QString& AMensaje)> MostrarAvisoAjustes;

namespace {

// The history copies that a repair may take the file from, the newest first.
constexpr int CopiasHistoria = 2;
const QString ArchivoPredeterminado = QStringLiteral("ProgramData.xml");
const QString NodoRaiz = QStringLiteral("ProgramData");
const QString CarpetaSuite = QStringLiteral("Tarvolin");

QString RutaEnCarpeta(int ACsidl, const QString& AFileName) {
  return JoinPath(GetSpecialFolder(ACsidl).trimmed(), CarpetaSuite, AFileName);
}

void CambiarGuionesPorBlancos(QStringList& ANombres) {
  for (QString& nombre : ANombres) nombre.replace(QLatin1Char('_'), QLatin1Char(' '));
}

}  // namespace

QString GetSpecialFolder(int ACsidl) {
  switch (ACsidl) {
    case CSIDL_COMMON_APPDATA:
      return CommonAppDataFolder();
    case CSIDL_LOCAL_APPDATA:
      return LocalAppDataFolder();
    default:
      return {};
  }
}

QString GetWindowsUserName() { return LoginUserName(); }

QString NormalizeKeyPath(const QString& APath) {
  const QString separador = QStringLiteral("\\");
  QStringList segmentos;
  SepararTexto(QString(APath).replace(QStringLiteral("\\\\"), separador), separador, segmentos);
  QString resultado;
  for (const QString& segmento : segmentos) {
    if (segmento.isEmpty()) continue;
    resultado +=
        segmento.front().isDigit() ? separador + QLatin1Char('_') + segmento + QLatin1Char('_') : separador + segmento;
  }
  return resultado;
}

void TqovAppXMLFileStorage::LoadFile() {
  try {
    TXmlFileStorage::LoadFile();
  } catch (const EXmlError& e) {
    Reparar(e.Message());
  } catch (const Exception&) {
    // A file that cannot be read leaves the store empty; Update refuses to write over it.
  }
}

// The damaged file is kept beside it by ReplaceFile before its place is taken.
void TqovAppXMLFileStorage::Reparar(const QString& AFalla) {
  const QString danado =
      QStringLiteral("El archivo de configuración \"%1\" estaba dañado (%2)").arg(FileName(), AFalla);
  QString aviso;
  try {
    for (int numero = 1; numero <= CopiasHistoria && aviso.isEmpty(); ++numero) {
      const QString copia = HistoryFileName(numero);
      const std::optional<QByteArray> datos = ReadRegularFile(copia);
      if (!datos || !AdoptIfWhole(*datos)) continue;
      ReplaceFile(*datos);
      aviso = danado + QStringLiteral(" y se reparó con su copia \"%1\".").arg(copia);
    }
    if (aviso.isEmpty()) {
      ReplaceFile(DocumentText());
      aviso = danado + QStringLiteral(" y no tiene una copia íntegra: se conservó lo que pudo leerse.");
    }
    aviso += QStringLiteral(" El archivo dañado se conservó a su lado con la extensión \".danado\".");
  } catch (const EFileError& e) {
    aviso = danado + QStringLiteral(" y no fue posible repararlo. ") + e.Message();
  }
  if (MostrarAvisoAjustes) MostrarAvisoAjustes(aviso);
}

TxmlRegistry::TxmlRegistry() : TxmlRegistry(ArchivoPredeterminado) {}

TxmlRegistry::TxmlRegistry(const QString& AFileName)
    : TxmlRegistry(RutaEnCarpeta(CSIDL_COMMON_APPDATA, AFileName), NodoRaiz) {
  FCommonAppData = RutaEnCarpeta(CSIDL_COMMON_APPDATA, AFileName);
  FLocalAppData = RutaEnCarpeta(CSIDL_LOCAL_APPDATA, AFileName);
}

TxmlRegistry::TxmlRegistry(const QString& AFileName, const QString& ARootNodeName)
    : FsCurrentKey(QStringLiteral("\\LocalMachine\\")),
      FXmlStorage(ARootNodeName),
      FCurrentKey(HKEY_LOCAL_MACHINE),
      FRootKey(HKEY_LOCAL_MACHINE),
      FAccess(KEY_ALL_ACCESS),
      FFlush(false) {
  FXmlStorage.SetFileName(AFileName);
}

TxmlRegistry::~TxmlRegistry() {
  if (FFlush) FXmlStorage.Flush();
}

void TxmlRegistry::SetRootKey(HKEY AValue) {
  FRootKey = AValue;
  FCurrentKey = AValue;
  if (AValue == HKEY_CURRENT_USER) {
    FXmlStorage.SetFileName(FLocalAppData);
    FsCurrentKey = QStringLiteral("\\CurrentUser\\") + GetWindowsUserName().trimmed() + QStringLiteral("\\");
  } else {
    FXmlStorage.SetFileName(FCommonAppData);
    FsCurrentKey = AValue == HKEY_LOCAL_MACHINE ? QStringLiteral("\\LocalMachine\\") : QStringLiteral("\\Unknown\\");
  }
}

void TxmlRegistry::SetAccess(quint32 AValue) {
  FAccess = AValue;
  FXmlStorage.SetReadOnly(AValue != KEY_ALL_ACCESS);
}

bool TxmlRegistry::Exists() const { return FileExists(FXmlStorage.FileName()); }

bool TxmlRegistry::OpenKey(const QString& AKey, bool ACanCreate) {
  FCurrentPath = NormalizeKeyPath(FsCurrentKey + AKey);
  if (!ACanCreate) return KeyExists(FCurrentPath);
  FFlush = true;
  return true;
}

void TxmlRegistry::CloseKey() {
  if (!FFlush) return;
  FXmlStorage.Flush();
  FFlush = false;
}

QString TxmlRegistry::GetValuePath(const QString& AName) const {
  return NormalizeKeyPath(FCurrentPath + QStringLiteral("\\") + AName);
}

void TxmlRegistry::WriteString(const QString& AName, const QString& AValue) {
  FXmlStorage.WriteString(GetValuePath(AName), AValue);
}

QString TxmlRegistry::ReadString(const QString& AName) { return FXmlStorage.ReadString(GetValuePath(AName), {}); }

void TxmlRegistry::WriteInteger(const QString& AName, int AValue) {
  FXmlStorage.WriteInteger(GetValuePath(AName), AValue);
}

int TxmlRegistry::ReadInteger(const QString& AName) { return FXmlStorage.ReadInteger(GetValuePath(AName), 0); }

void TxmlRegistry::WriteBool(const QString& AName, bool AValue) {
  FXmlStorage.WriteBoolean(GetValuePath(AName), AValue);
}

bool TxmlRegistry::ReadBool(const QString& AName) { return FXmlStorage.ReadBoolean(GetValuePath(AName), true); }

bool TxmlRegistry::KeyExists(const QString& AKey) { return FXmlStorage.PathExists(NormalizeKeyPath(AKey)); }

bool TxmlRegistry::ValueExists(const QString& AName) { return FXmlStorage.PathExists(GetValuePath(AName)); }

void TxmlRegistry::GetKeyNames(QStringList& AStrings) {
  AStrings = FXmlStorage.FolderNames(FCurrentPath);
  CambiarGuionesPorBlancos(AStrings);
  for (QString& nombre : AStrings) nombre = nombre.trimmed();
}

void TxmlRegistry::GetValueNames(QStringList& AStrings) {
  AStrings = FXmlStorage.ValueNames(FCurrentPath);
  CambiarGuionesPorBlancos(AStrings);
}

bool TxmlRegistry::DeleteKey(const QString& AKey) {
  FXmlStorage.DeletePath(NormalizeKeyPath(FsCurrentKey + AKey));
  FXmlStorage.Flush();
  return true;
}

bool TxmlRegistry::DeleteValue(const QString& AName) {
  FXmlStorage.DeletePath(GetValuePath(AName));
  FXmlStorage.Flush();
  return true;
}

bool TxmlRegistry::HasSubKeys() {
  return !FXmlStorage.FolderNames(FCurrentPath).isEmpty() || !FXmlStorage.ValueNames(FCurrentPath).isEmpty();
}

void TxmlRegistry::Update(const std::function<void()>& AChange) {
  FXmlStorage.Update(AChange);
  FFlush = false;
}
