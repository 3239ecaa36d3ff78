#include "core/settings/XmlRegistryQov.h"

#include <QFile>

#include "core/util/Utilerias.h"
#include "platform/os/AppDataFolders.h"
#include "platform/os/Paths.h"
#include "platform/os/UserName.h"

namespace {

const QString ArchivoPredeterminado = QStringLiteral("ProgramData.xml");
const QString NodoRaiz = QStringLiteral("ProgramData");
const QString CarpetaSuite = QStringLiteral("Tarvolin");

QString RutaEnCarpeta(int ACsidl, const QString& AFileName) {
  return JoinPath(GetSpecialFolder(ACsidl).trimmed(), CarpetaSuite, AFileName);
}

void CambiarGuionesPorBlancos(QStringList& ANombres) {
  for (QString& nombre : ANombres) nombre.replace(QLatin1Char('_'), QLatin1Char(' '));
}

QByteArray LeerArchivo(const QString& ARuta) {
  QFile archivo(ARuta);
  return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
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
  } catch (const Exception& e) {
    // Only a file that is not XML at all is repaired; with any other fault the store goes on with what
    // could be read.
    if (!e.Message().contains(QStringLiteral("Invalid Document"))) return;
    const QString historia = HistoryFileName(1);
    ReplaceFile(FileExists(historia) ? LeerArchivo(historia) : QByteArray());
    try {
      TXmlFileStorage::LoadFile();
    } catch (const Exception&) {
      // The history copy is damaged as well: the store starts empty.
      ReplaceFile({});
    }
  }
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
