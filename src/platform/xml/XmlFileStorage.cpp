#include "platform/xml/XmlFileStorage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <optional>

#include "platform/os/FileLock.h"
#include "platform/os/Paths.h"

namespace {

const QChar Separador = QLatin1Char('\\');
const QString Verdadero = QStringLiteral("1");
const QString Falso = QStringLiteral("0");

bool EsLetraAscii(QChar c) {
  return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool EsCaracterDeNombre(QChar c) {
  return EsLetraAscii(c) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
         c == QLatin1Char('.') || c == QLatin1Char('_');
}

QStringList Segmentos(const QString& APath) { return APath.split(Separador, Qt::SkipEmptyParts); }

// The extension of the file's name, dot included; empty when the name has none.
QString Extension(const QString& ARuta) {
  const qsizetype punto = ARuta.lastIndexOf(QLatin1Char('.'));
  return punto > ARuta.lastIndexOf(QLatin1Char('/')) ? ARuta.mid(punto) : QString();
}

QString CambiarExtension(const QString& ARuta, const QString& AExtension) {
  return ARuta.left(ARuta.size() - Extension(ARuta).size()) + AExtension;
}

// The counterpart of the read-only attribute: an existing file that nobody may write.
bool ArchivoSoloLectura(const QString& ARuta) {
  const QFileInfo archivo(ARuta);
  return archivo.exists() &&
         !(archivo.permissions() & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther));
}

// The lock's name: Base64 of the text that names the file's synchronisation.
QString NombreSincronizacion(const QString& AArchivo) {
  const QByteArray texto =
      "TJvCustomAppStorage.Synchronize:" + QFile::encodeName(QFileInfo(AArchivo).absoluteFilePath());
  return QString::fromLatin1(texto.toBase64());
}

// Creates the file anew, never through a link nor over a file that is there, and writes the whole content
// to disk with the permissions AModo; on any failure the partial file goes and the result is false.
bool EscribirCompleto(const QString& ARuta, const QByteArray& AContenido, mode_t AModo) {
  const QByteArray ruta = QFile::encodeName(ARuta);
  const int descriptor = open(ruta.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, AModo);
  if (descriptor < 0) return false;
  fchmod(descriptor, AModo);
  qsizetype escrito = 0;
  while (escrito < AContenido.size()) {
    const ssize_t n = write(descriptor, AContenido.constData() + escrito, AContenido.size() - escrito);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    escrito += n;
  }
  const bool completo = escrito == AContenido.size() && fsync(descriptor) == 0;
  if (close(descriptor) != 0 || !completo) {
    unlink(ruta.constData());
    return false;
  }
  return true;
}

// The permissions of a file written in place of ARuta: those of the file there, or read and write for the
// owner and reading for the others.
mode_t ModoDeArchivo(const QString& ARuta) {
  struct stat datos {};
  return stat(QFile::encodeName(ARuta).constData(), &datos) == 0 ? datos.st_mode & 0666 : 0644;
}

// Makes the folder and its missing parents, none of them writable by everyone whatever the umask.
bool CrearCarpeta(const QString& ACarpeta) {
  const QString absoluta = QDir::cleanPath(QFileInfo(ACarpeta).absoluteFilePath());
  QString ruta;
  for (const QString& parte : absoluta.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
    ruta += QLatin1Char('/') + parte;
    if (mkdir(QFile::encodeName(ruta).constData(), 0775) != 0 && errno != EEXIST) return false;
  }
  return QFileInfo(absoluta).isDir();
}

bool RenombrarReemplazando(const QString& ADesde, const QString& AHacia) {
  return rename(QFile::encodeName(ADesde).constData(), QFile::encodeName(AHacia).constData()) == 0;
}

}  // namespace

QString XmlElementName(const QString& AName) {
  QString nombre = AName.trimmed();
  if (nombre.isEmpty()) return QStringLiteral("_");
  for (QChar& c : nombre)
    if (!EsCaracterDeNombre(c)) c = QLatin1Char('_');
  if (!EsLetraAscii(nombre.front()) && nombre.front() != QLatin1Char('_')) nombre.prepend(QLatin1Char('_'));
  return nombre;
}

TXmlFileStorage::TXmlFileStorage(const QString& ARootNodeName)
    : FRootNodeName(ARootNodeName), FRoot(std::make_unique<TXmlElement>(ARootNodeName)) {}

void TXmlFileStorage::SetFileName(const QString& AValue) {
  if (AValue == FFileName) return;
  FFileName = AValue;
  Reload();
}

QString TXmlFileStorage::LockFileName(const QString& AFileName) {
  return TFileLock::LockFilePath(QFileInfo(AFileName).absolutePath(), NombreSincronizacion(AFileName));
}

// The old document goes first, so that it can never be written over another file.
void TXmlFileStorage::Reload() {
  FRoot = std::make_unique<TXmlElement>(FRootNodeName);
  FCargaIntegra = true;
  if (FFileName.isEmpty()) return;
  const QString carpeta = QFileInfo(FFileName).absolutePath();
  if (!DirectoryExists(carpeta)) return;  // no file either
  std::optional<TFileLock> bloqueo;
  try {
    bloqueo.emplace(carpeta, NombreSincronizacion(FFileName));
  } catch (const EFileError&) {
    if (access(QFile::encodeName(carpeta).constData(), W_OK) == 0) throw;
  }
  LoadFile();
}

void TXmlFileStorage::LoadFile() {
  FRoot = std::make_unique<TXmlElement>(FRootNodeName);
  FCargaIntegra = true;
  if (!FileExists(FFileName)) return;
  FCargaIntegra = false;
  QFile archivo(FFileName);
  if (!archivo.open(QIODevice::ReadOnly))
    throw EFileError(QStringLiteral("No se puede abrir el archivo \"%1\". %2").arg(FFileName, archivo.errorString()));
  const QByteArray datos = archivo.readAll();
  if (archivo.error() != QFileDevice::NoError)
    throw EFileError(QStringLiteral("No se puede leer el archivo \"%1\". %2").arg(FFileName, archivo.errorString()));
  bool exacto = true;
  ParseXml(datos, *FRoot, &exacto);
  FCargaIntegra = exacto;
}

bool TXmlFileStorage::ConservarArchivoIncompleto() {
  if (FCargaIntegra || !FileExists(FFileName)) return true;
  const QByteArray archivo = QFile::encodeName(FFileName);
  for (int numero = 0; numero < 1000; ++numero) {
    const QString copia =
        FFileName + QStringLiteral(".danado") + (numero == 0 ? QString() : QStringLiteral(".%1").arg(numero));
    // A second name of the file itself: it keeps the old content when the file is replaced.
    if (link(archivo.constData(), QFile::encodeName(copia).constData()) == 0) {
      FCargaIntegra = true;
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

bool TXmlFileStorage::ReplaceFile(const QByteArray& AContent) {
  if (ArchivoSoloLectura(FFileName) || !ConservarArchivoIncompleto()) return false;
  QSaveFile archivo(FFileName);
  return archivo.open(QIODevice::WriteOnly) && archivo.write(AContent) == AContent.size() && archivo.commit();
}

void TXmlFileStorage::Flush() {
  if (FReadOnly || FFileName.isEmpty() || ArchivoSoloLectura(FFileName)) return;
  const QString carpeta = QFileInfo(FFileName).absolutePath();
  if (!CrearCarpeta(carpeta)) return;
  try {
    const TFileLock bloqueo(carpeta, NombreSincronizacion(FFileName));
    Write();
  } catch (const EFileError&) {
    // Without the lock nothing is written, silently, as for any other failed flush.
  }
}

// The steps' own failures end the flush or are passed over: a flush reports nothing.
void TXmlFileStorage::Write() {
  if (!ConservarArchivoIncompleto()) return;
  const QByteArray contenido = SerializeXml(*FRoot);
  const mode_t modo = ModoDeArchivo(FFileName);
  const QString temporal = FFileName + QStringLiteral(".tmp");
  QFile::remove(temporal);  // a leftover, or a link planted in its place
  if (!EscribirCompleto(temporal, contenido, modo)) return;
  // The swap copy is a second name of the old file, so that the file itself is never missing: the new one
  // replaces it in a single rename.
  const QString intercambio = CambiarExtension(FFileName, QStringLiteral(".~") + Extension(FFileName).mid(1));
  QFile::remove(intercambio);
  link(QFile::encodeName(FFileName).constData(), QFile::encodeName(intercambio).constData());
  if (!RenombrarReemplazando(temporal, FFileName)) {
    QFile::remove(temporal);
    QFile::remove(intercambio);
    return;
  }
  QFile::remove(HistoryFileName(2));
  RenombrarReemplazando(HistoryFileName(1), HistoryFileName(2));
  QFile::remove(HistoryFileName(1));
  EscribirCompleto(HistoryFileName(1), contenido, modo);
  QFile::remove(intercambio);
}

QString TXmlFileStorage::HistoryFileName(int ANumber) const {
  return CambiarExtension(FFileName, QStringLiteral(".~%1~").arg(ANumber, 3, 10, QLatin1Char('0')));
}

TXmlElement* TXmlFileStorage::Find(const QString& APath) const {
  TXmlElement* elemento = FRoot.get();
  for (const QString& segmento : Segmentos(APath)) {
    elemento = elemento->Child(XmlElementName(segmento));
    if (elemento == nullptr) return nullptr;
  }
  return elemento;
}

TXmlElement& TXmlFileStorage::FindOrCreate(const QString& APath) {
  const QStringList segmentos = Segmentos(APath);
  // The document element is one level; the path's elements nest below it.
  if (segmentos.size() >= MaxXmlDepth)
    throw EXmlError(QStringLiteral("La ruta \"%1...\" tiene más de %2 niveles y no se puede guardar.")
                        .arg(APath.left(80))
                        .arg(MaxXmlDepth - 1));
  for (const QString& segmento : segmentos)
    if (XmlElementName(segmento).size() > MaxXmlNameLength)
      throw EXmlError(QStringLiteral("El nombre \"%1...\" tiene más de %2 caracteres y no se puede guardar.")
                          .arg(segmento.left(80))
                          .arg(MaxXmlNameLength));
  TXmlElement* elemento = FRoot.get();
  for (const QString& segmento : segmentos) {
    const QString nombre = XmlElementName(segmento);
    TXmlElement* hijo = elemento->Child(nombre);
    elemento = hijo != nullptr ? hijo : &elemento->AddChild(nombre);
  }
  return *elemento;
}

bool TXmlFileStorage::PathExists(const QString& APath) const { return Find(APath) != nullptr; }

QString TXmlFileStorage::ReadString(const QString& APath, const QString& ADefault) const {
  const TXmlElement* elemento = Find(APath);
  return elemento != nullptr ? elemento->Text : ADefault;
}

void TXmlFileStorage::WriteString(const QString& APath, const QString& AValue) {
  if (!FReadOnly) FindOrCreate(APath).Text = AValue;
}

int TXmlFileStorage::ReadInteger(const QString& APath, int ADefault) const {
  const TXmlElement* elemento = Find(APath);
  if (elemento == nullptr) return ADefault;
  bool valido = false;
  const int valor = elemento->Text.toInt(&valido);
  if (!valido) throw EConvertError(QStringLiteral("'%1' no es un valor entero válido.").arg(elemento->Text));
  return valor;
}

void TXmlFileStorage::WriteInteger(const QString& APath, int AValue) { WriteString(APath, QString::number(AValue)); }

bool TXmlFileStorage::ReadBoolean(const QString& APath, bool ADefault) const {
  const TXmlElement* elemento = Find(APath);
  if (elemento == nullptr) return ADefault;
  if (elemento->Text == Verdadero) return true;
  if (elemento->Text == Falso) return false;
  throw EConvertError(QStringLiteral("'%1' no es un valor booleano válido.").arg(elemento->Text));
}

void TXmlFileStorage::WriteBoolean(const QString& APath, bool AValue) {
  WriteString(APath, AValue ? Verdadero : Falso);
}

void TXmlFileStorage::DeletePath(const QString& APath) {
  const QStringList segmentos = Segmentos(APath);
  if (FReadOnly || segmentos.isEmpty()) return;
  TXmlElement* padre = Find(QStringList(segmentos.begin(), segmentos.end() - 1).join(Separador));
  if (padre != nullptr) padre->RemoveChild(XmlElementName(segmentos.last()));
}

QStringList TXmlFileStorage::FolderNames(const QString& APath) const {
  QStringList nombres;
  if (const TXmlElement* elemento = Find(APath))
    for (const auto& hijo : elemento->Children)
      if (!hijo->Children.empty()) nombres << hijo->Name;
  return nombres;
}

QStringList TXmlFileStorage::ValueNames(const QString& APath) const {
  QStringList nombres;
  if (const TXmlElement* elemento = Find(APath))
    for (const auto& hijo : elemento->Children)
      if (hijo->Children.empty()) nombres << hijo->Name;
  return nombres;
}
