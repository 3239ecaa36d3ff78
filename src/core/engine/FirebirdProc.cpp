#include "core/engine/FirebirdProc.h"

#include <sys/stat.h>

#include <QFile>

#include "core/engine/ExcepcionesConverBD.h"
#include "core/engine/FirebirdProcReportes.h"
#include "platform/os/FileAccess.h"
#include "platform/os/Paths.h"
#include "core/util/CadenaConexion.h"
#include "platform/rtl/TextFile.h"

namespace {

// The probe's output, in the current folder.
const QString ArchivoVersion = QStringLiteral("tempVer.txt");

// What follows "-user " in the parameters of both gbak runs: the credentials, the file read, the file
// written and gbak's report file.
CommandLine& AgregarGbak(CommandLine& AParametros, const QString& AUsuario, const QString& AClave,
                         const QString& AOrigen, const QString& ADestino, const QString& AReporte) {
  return AParametros.Valor(AUsuario)
      .Opciones(QStringLiteral(" "))
      .Opciones(QStringLiteral("-password "))
      .Valor(AClave)
      .Opciones(QStringLiteral(" "))
      .Citado(AOrigen)
      .Opciones(QStringLiteral(" "))
      .Citado(ADestino)
      .Opciones(QStringLiteral(" "))
      .Opciones(QStringLiteral("-y "))
      .Citado(AReporte);
}

// What tells one file from another at a path, and one writing of it from the next: a regular file's
// device, inode, size and time of change.
struct TIdentidadArchivo {
  bool EsArchivo = false;
  dev_t Dispositivo = 0;
  ino_t Nodo = 0;
  off_t Tamano = 0;
  timespec Cambio{};
  bool MismoContenido(const TIdentidadArchivo& AOtro) const {
    return EsArchivo == AOtro.EsArchivo && Dispositivo == AOtro.Dispositivo && Nodo == AOtro.Nodo &&
           Tamano == AOtro.Tamano && Cambio.tv_sec == AOtro.Cambio.tv_sec && Cambio.tv_nsec == AOtro.Cambio.tv_nsec;
  }
};

TIdentidadArchivo IdentidadArchivo(const QString& ARuta) {
  struct stat datos {};
  if (lstat(QFile::encodeName(ARuta).constData(), &datos) != 0 || !S_ISREG(datos.st_mode)) return {};
  return {true, datos.st_dev, datos.st_ino, datos.st_size, datos.st_mtim};
}

// Removes the file at ARuta when a failed step wrote it: it is no longer what was there before the step
// (AAnterior). A file that the step did not write stays.
void QuitarLoEscrito(const QString& ARuta, const TIdentidadArchivo& AAnterior) {
  const TIdentidadArchivo despues = IdentidadArchivo(ARuta);
  if (despues.EsArchivo && !despues.MismoContenido(AAnterior)) QFile::remove(ARuta);
}

// Appends the tool's output, kept in ASalida, to its report, and removes ASalida. When the tool wrote no
// report, the output becomes it, closed to others as it was made.
void AgregarAlReporte(const QString& AReporte, const QString& ASalida) {
  QFile salida(ASalida);
  if (salida.open(QIODevice::ReadOnly)) {
    const QByteArray texto = salida.readAll();
    salida.close();
    if (!texto.isEmpty() && !PathTaken(AReporte) && QFile::rename(ASalida, AReporte)) return;
    QFile reporte(AReporte);
    if (!texto.isEmpty() && reporte.open(QIODevice::Append)) reporte.write(texto);
  }
  salida.close();
  salida.remove();
}

}  // namespace

int EjecutarProcesoYEsperar(const ProcessLaunch& ALanzamiento, ProcessHandle& AProceso) {
  return EjecutarProceso(ALanzamiento, AProceso);
}

TqovFirebirdProc::TqovFirebirdProc()
    : FUsuarioBdFb3(QStringLiteral("SYSDBA")), FPasswordBDFb3(QStringLiteral("quorbiled")) {
  const QString carpeta = CurrentFolder();
  const QString herramientas = JoinPath(carpeta, QStringLiteral("Firebird3"));
  FRutaGstatFb3 = JoinPath(herramientas, QStringLiteral("gstat"));
  FRutaGbakFb3 = JoinPath(herramientas, QStringLiteral("gbak"));
  FRutaIsqlFb3 = JoinPath(herramientas, QStringLiteral("isql"));
  FRutaServerFb3 = JoinPath(herramientas, QStringLiteral("firebird"));
  FLogPath = JoinPath(carpeta, QStringLiteral("log"));
}

QString TqovFirebirdProc::GetDelim() { return QString(64, QLatin1Char('*')); }

bool TqovFirebirdProc::EsODS12(IqovFirebirdProcCaller& ACaller, const QString& ARutaBD, const QString& ANombreBD) {
  const CommandLine parametros = CommandLine().Opciones(QStringLiteral("-h ")).Citado(ARutaBD);
  ProcessHandle proceso = 0;
  if (EjecutarProcesoYEsperar({FRutaGstatFb3, parametros.Argumentos(), {}, ArchivoVersion}, proceso) != 0) return false;
  QString salida;
  try {
    salida = LoadAnsiLines(JoinPath(CurrentFolder(), ArchivoVersion)).join(QString());
  } catch (const EFileError&) {
    ACaller.Log(QStringLiteral("No se pudo procesar la salida de la herramienta de GSTAT."));
    return false;
  }
  if (!salida.contains(QStringLiteral("ODS version\t\t12"), Qt::CaseInsensitive)) return false;
  ACaller.ReportarBDConvertida(ANombreBD);
  return true;
}

CommandLine TqovFirebirdProc::ParametrosRespaldo(const QString& ARutaBD, const QString& ARutaDestino,
                                                 const QString& ADBUser, const QString& ADBPass, const QString& AServer,
                                                 const QString& ARutaReporte) {
  // Without a server the backup still runs in this machine's server, never in gbak's own engine: the server
  // checks the password and reads the file it may hold. Its service manager reads the pages where they lie,
  // instead of sending each one to gbak over the loopback.
  CommandLine parametros;
  parametros.Opciones(QStringLiteral("-b "))
      .Opciones(QStringLiteral(" -se "))
      .Valor((AServer.isEmpty() ? ServidorLocal : AServer) + QStringLiteral(":service_mgr"))
      .Opciones(QStringLiteral(" -t -user "));
  return AgregarGbak(parametros, ADBUser, ADBPass, ARutaBD, ARutaDestino, ARutaReporte);
}

CommandLine TqovFirebirdProc::ParametrosRestauracion(const QString& ARutaRespaldo, const QString& ARutaDestino,
                                                     const QString& ARutaReporte) const {
  CommandLine parametros;
  parametros.Opciones(QStringLiteral("-c -replace -p 8192 -user "));
  return AgregarGbak(parametros, FUsuarioBdFb3, FPasswordBDFb3, ARutaRespaldo, ARutaDestino, ARutaReporte);
}

void TqovFirebirdProc::EjecutarGbak(IqovFirebirdProcCaller& ACaller, const QString& ARutaGbak,
                                    const CommandLine& AParametros, const QString& ARutaReporte,
                                    const FileAccess& AAcceso, const QString& AError) {
  // gbak writes its report itself and refuses to write over a file, so what it prints goes aside first.
  // Through the service manager the server writes the report, as its own user.
  const QString salida = ARutaReporte + SufijoSalidaAparte;
  const int codigo = EjecutarProceso({ARutaGbak, AParametros.Argumentos(), {}, salida, true, AAcceso}, FGbakProcess,
                                     [&ACaller] { ACaller.ProcessMessages(); });
  AgregarAlReporte(ARutaReporte, salida);
  ApplyAccessOrRaise(ARutaReporte, AAcceso);
  if (codigo != 0) throw TqovExceptionGbak(AError);
}

void TqovFirebirdProc::RespaldarEnVersionActual(IqovFirebirdProcCaller& ACaller, const QString& ARutaBD,
                                                const QString& ARutaDestino, const QString& ANombreBD,
                                                const QString& ARutaGbak, const QString& ADBUser,
                                                const QString& ADBPass, bool AEsConfig, const QString& AServer) {
  const QString reporte = NombreReporte(ANombreBD, QStringLiteral("RESPALDAR"));
  ACaller.Log(AEsConfig ? QStringLiteral("Respaldando la base de datos Config con la versión actual de Firebird...")
                        : QStringLiteral("Respaldando la empresa ") + ANombreBD + QStringLiteral(" con la versión ") +
                              QStringLiteral("actual de Firebird..."));
  const QString error =
      (AEsConfig ? QStringLiteral("Ocurrió un error al respaldar la base de datos. Consulte el archivo '")
                 : QStringLiteral("Ocurrió un error al respaldar la empresa. Consulte el archivo '")) +
      reporte + ColaConsulteLog;
  const QString rutaReporte = RutaReporte(reporte);
  const FileAccess acceso = AccessFrom(ARutaBD);
  // A backup that does not end well leaves nothing of what it wrote: a partial backup holds company rows.
  const TIdentidadArchivo anterior = IdentidadArchivo(ARutaDestino);
  try {
    EjecutarGbak(ACaller, ARutaGbak, ParametrosRespaldo(ARutaBD, ARutaDestino, ADBUser, ADBPass, AServer, rutaReporte),
                 rutaReporte, acceso, error);
    // A gbak that ends well without writing (a wrong program at its path) leaves no backup, or an earlier run's.
    const TIdentidadArchivo escrito = IdentidadArchivo(ARutaDestino);
    if (!escrito.EsArchivo || escrito.Tamano == 0 || escrito.MismoContenido(anterior)) throw TqovExceptionGbak(error);
    // The server writes the backup as its own user: it gets the database's owner and mode. This process still
    // reads it for the restore: as root, or as its owner, whose bits the mode always keeps.
    if (!ApplyAccess(ARutaDestino, acceso)) throw TqovExceptionGbak(error);
  } catch (...) {
    QuitarLoEscrito(ARutaDestino, anterior);
    throw;
  }
  ACaller.Log(AEsConfig ? QStringLiteral("Se respaldó la base de datos Config correctamente.")
                        : QStringLiteral("Se respaldó la empresa ") + ANombreBD + QStringLiteral(" correctamente."));
}

void TqovFirebirdProc::RestaurarRespaldoEnFB30(IqovFirebirdProcCaller& ACaller, const QString& ARutaRespaldo,
                                               const QString& ARutaDestino, const QString& ANombreBD, bool AEsConfig) {
  const QString reporte = NombreReporte(ANombreBD, QStringLiteral("RESTAURAR"));
  ACaller.Log(AEsConfig
                  ? QStringLiteral("Restaurando respaldo de base de datos Config a una base de datos con "
                                   "formato de Firebird 3.0...")
                  : QStringLiteral("Restaurando respaldo de empresa ") + ANombreBD + QStringLiteral(" a una base de ") +
                        QStringLiteral("datos con formato de Firebird 3.0..."));
  const QString error =
      QStringLiteral("Ocurrió un error al restaurar el respaldo. Consulte el archivo '") + reporte + ColaConsulteLog;
  const QString rutaReporte = RutaReporte(reporte);
  // A failed restore leaves no partial new file, which would keep a full disk full; a file that was there
  // before and that gbak did not replace is not the restore's to remove.
  const TIdentidadArchivo anterior = IdentidadArchivo(ARutaDestino);
  try {
    // The backup carries its database's owner and mode, and so does what the restore writes.
    EjecutarGbak(ACaller, FRutaGbakFb3, ParametrosRestauracion(ARutaRespaldo, ARutaDestino, rutaReporte), rutaReporte,
                 AccessFrom(ARutaRespaldo), error);
  } catch (const TqovExceptionGbak&) {
    QuitarLoEscrito(ARutaDestino, anterior);
    throw;
  }
}

qint64 TqovFirebirdProc::ObtenerTamanoArchivo(const QString& ARuta) { return FileSize(ARuta); }
