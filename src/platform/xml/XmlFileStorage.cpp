#include "platform/xml/XmlFileStorage.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
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

// The system's reason for the last failed call.
QString Razon() { return QString::fromLocal8Bit(std::strerror(errno)); }

EFileError ErrorAlEscribir(const QString& ARuta, const QString& ARazon) {
  return EFileError(QStringLiteral("No se puede escribir el archivo \"%1\". %2").arg(ARuta, ARazon));
}

// Creates the file anew, never through a link nor over a file that is there, and writes the whole content
// to disk with the permissions AModo; on any failure the partial file goes and EFileError says why.
void EscribirCompleto(const QString& ARuta, const QByteArray& AContenido, mode_t AModo) {
  const QByteArray ruta = QFile::encodeName(ARuta);
  const int descriptor = open(ruta.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, AModo);
  if (descriptor < 0) throw ErrorAlEscribir(ARuta, Razon());
  fchmod(descriptor, AModo);
  qsizetype escrito = 0;
  while (escrito < AContenido.size()) {
    const ssize_t n = write(descriptor, AContenido.constData() + escrito, AContenido.size() - escrito);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    escrito += n;
  }
  QString razon = escrito == AContenido.size() ? QString() : Razon();
  if (razon.isEmpty() && fsync(descriptor) != 0) razon = Razon();
  if (close(descriptor) != 0 && razon.isEmpty()) razon = Razon();
  if (razon.isEmpty()) return;
  unlink(ruta.constData());
  throw ErrorAlEscribir(ARuta, razon);
}

// The permissions of a file written in place of ARuta: read and write for the owner, and whatever more the
// file there allowed.
mode_t ModoDeArchivo(const QString& ARuta) {
  struct stat datos {};
  const mode_t propio = S_IRUSR | S_IWUSR;
  return stat(QFile::encodeName(ARuta).constData(), &datos) == 0 ? (datos.st_mode & 0666) | propio : propio;
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

// Writes the content to the file's ".tmp" and puts it in the file's place in one rename; the file is never
// missing and, on a failure, stays as it was.
void ReemplazarArchivo(const QString& ARuta, const QByteArray& AContenido, mode_t AModo) {
  const QString temporal = ARuta + QStringLiteral(".tmp");
  QFile::remove(temporal);  // a leftover, or a link planted in its place
  EscribirCompleto(temporal, AContenido, AModo);
  if (RenombrarReemplazando(temporal, ARuta)) return;
  const QString razon = Razon();
  QFile::remove(temporal);
  throw ErrorAlEscribir(ARuta, razon);
}

bool EsHexadecimal(QChar c) {
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

// Whether the text at AInicio is "x" and four upper-case hexadecimal digits.
bool EmpiezaCodigo(const QString& ATexto, qsizetype AInicio) {
  if (AInicio + 5 > ATexto.size() || ATexto.at(AInicio) != QLatin1Char('x')) return false;
  for (qsizetype i = AInicio + 1; i < AInicio + 5; ++i)
    if (!EsHexadecimal(ATexto.at(i))) return false;
  return true;
}

QString Codigo(QChar c) {
  return QStringLiteral("_x%1_").arg(QString::number(c.unicode(), 16).toUpper(), 4, QLatin1Char('0'));
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

QString XmlEncodeKeyName(const QString& AName) {
  const QString texto = AName.trimmed();
  QString nombre;
  for (qsizetype i = 0; i < texto.size(); ++i) {
    const QChar c = texto.at(i);
    if (c == QLatin1Char(' '))
      nombre += EmpiezaCodigo(texto, i + 1) ? Codigo(c) : QStringLiteral("_");
    else if (EsCaracterDeNombre(c) && c != QLatin1Char('_'))
      nombre += c;
    else
      nombre += Codigo(c);
  }
  return nombre;
}

QString XmlDecodeKeyName(const QString& AElementName) {
  QString nombre;
  for (qsizetype i = 0; i < AElementName.size(); ++i) {
    const QChar c = AElementName.at(i);
    if (c != QLatin1Char('_')) {
      nombre += c;
    } else if (EmpiezaCodigo(AElementName, i + 1) && i + 6 < AElementName.size() &&
               AElementName.at(i + 6) == QLatin1Char('_')) {
      nombre += QChar(static_cast<char16_t>(AElementName.mid(i + 2, 4).toUShort(nullptr, 16)));
      i += 6;
    } else {
      nombre += QLatin1Char(' ');
    }
  }
  return nombre.trimmed();
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
  FErrorLectura.clear();
  if (!FileExists(FFileName)) return;
  FCargaIntegra = false;
  QFile archivo(FFileName);
  if (!archivo.open(QIODevice::ReadOnly))
    FErrorLectura = QStringLiteral("No se puede abrir el archivo \"%1\". %2").arg(FFileName, archivo.errorString());
  const QByteArray datos = FErrorLectura.isEmpty() ? archivo.readAll() : QByteArray();
  if (FErrorLectura.isEmpty() && archivo.error() != QFileDevice::NoError)
    FErrorLectura = QStringLiteral("No se puede leer el archivo \"%1\". %2").arg(FFileName, archivo.errorString());
  if (!FErrorLectura.isEmpty()) throw EFileError(FErrorLectura);
  bool exacto = true;
  ParseXml(datos, *FRoot, &exacto);
  FCargaIntegra = exacto;
}

void TXmlFileStorage::ConservarArchivoIncompleto() {
  if (FCargaIntegra || !FileExists(FFileName)) return;
  const QByteArray archivo = QFile::encodeName(FFileName);
  for (int numero = 0; numero < 1000; ++numero) {
    const QString copia =
        FFileName + QStringLiteral(".danado") + (numero == 0 ? QString() : QStringLiteral(".%1").arg(numero));
    // A second name of the file itself: it keeps the old content when the file is replaced.
    if (link(archivo.constData(), QFile::encodeName(copia).constData()) == 0) {
      FCargaIntegra = true;
      return;
    }
    if (errno != EEXIST) break;
  }
  throw EFileError(QStringLiteral("No se puede conservar el archivo dañado \"%1\". %2").arg(FFileName, Razon()));
}

void TXmlFileStorage::ReplaceFile(const QByteArray& AContent) {
  if (ArchivoSoloLectura(FFileName)) {
    errno = EACCES;
    throw ErrorAlEscribir(FFileName, Razon());
  }
  const mode_t modo = ModoDeArchivo(FFileName);
  ConservarArchivoIncompleto();
  ReemplazarArchivo(FFileName, AContent, modo);
}

std::optional<QByteArray> TXmlFileStorage::ReadRegularFile(const QString& APath) {
  // Not blocking either: a FIFO planted in the file's place would wait for a writer.
  const int descriptor = open(QFile::encodeName(APath).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (descriptor < 0) return std::nullopt;
  struct stat datos {};
  QFile archivo;
  if (fstat(descriptor, &datos) == 0 && S_ISREG(datos.st_mode) &&
      archivo.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    QByteArray contenido = archivo.readAll();
    if (archivo.error() != QFileDevice::NoError) return std::nullopt;
    return contenido;
  }
  close(descriptor);
  return std::nullopt;
}

bool TXmlFileStorage::AdoptIfWhole(const QByteArray& AData) {
  auto raiz = std::make_unique<TXmlElement>(FRootNodeName);
  bool exacto = true;
  try {
    ParseXml(AData, *raiz, &exacto);
  } catch (const EXmlError&) {
    return false;
  }
  if (exacto) FRoot = std::move(raiz);
  return exacto;
}

QByteArray TXmlFileStorage::DocumentText() const { return SerializeXml(*FRoot); }

QString TXmlFileStorage::CarpetaCreada() const {
  const QString carpeta = QFileInfo(FFileName).absolutePath();
  if (!CrearCarpeta(carpeta))
    throw EFileError(QStringLiteral("No se puede crear la carpeta \"%1\". %2").arg(carpeta, Razon()));
  return carpeta;
}

void TXmlFileStorage::Flush() {
  if (FReadOnly || FFileName.isEmpty() || ArchivoSoloLectura(FFileName)) return;
  try {
    const TFileLock bloqueo(CarpetaCreada(), NombreSincronizacion(FFileName));
    Write();
  } catch (const EFileError&) {
    // A flush reports nothing; the file stays as it was.
  }
}

void TXmlFileStorage::Update(const std::function<void()>& AChange) {
  if (FReadOnly || FFileName.isEmpty() || ArchivoSoloLectura(FFileName)) {
    errno = EACCES;
    throw ErrorAlEscribir(FFileName, Razon());
  }
  const TFileLock bloqueo(CarpetaCreada(), NombreSincronizacion(FFileName));
  LoadFile();
  if (!FErrorLectura.isEmpty()) throw EFileError(FErrorLectura);
  AChange();
  Write();
}

// The history steps' own failures are passed over: the file itself has been written.
void TXmlFileStorage::Write() {
  const bool reemplazaDanado = !FCargaIntegra && FileExists(FFileName);
  ConservarArchivoIncompleto();
  const QByteArray contenido = SerializeXml(*FRoot);
  const mode_t modo = ModoDeArchivo(FFileName);
  // The swap copy is a second name of the old file, kept until the new one is in place.
  const QString intercambio = CambiarExtension(FFileName, QStringLiteral(".~") + Extension(FFileName).mid(1));
  QFile::remove(intercambio);
  link(QFile::encodeName(FFileName).constData(), QFile::encodeName(intercambio).constData());
  try {
    ReemplazarArchivo(FFileName, contenido, modo);
  } catch (const EFileError&) {
    QFile::remove(intercambio);
    throw;
  }
  if (!reemplazaDanado) {
    QFile::remove(HistoryFileName(2));
    RenombrarReemplazando(HistoryFileName(1), HistoryFileName(2));
    QFile::remove(HistoryFileName(1));
    try {
      EscribirCompleto(HistoryFileName(1), contenido, modo);
    } catch (const EFileError&) {
      // The file is written; only its newest history copy is missing.
    }
  }
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
