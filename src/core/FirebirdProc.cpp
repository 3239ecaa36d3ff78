#include "FirebirdProc.h"

#include <QLocale>

#include "ExcepcionesConverBD.h"
#include "FormatoRegional.h"
#include "Paths.h"
#include "TextFile.h"
#include "VariablesGlobales.h"

namespace {

// The probe's output, in the current folder.
const QString ArchivoVersion = QStringLiteral("tempVer.txt");

const QString ColaConsulteLog = QStringLiteral("' en la carpeta 'log' en la ruta en donde ") +
                                QStringLiteral("está la herramienta de conversión para ver más detalles.");

// The name of a tool's report file: the time the step starts, the database and the step.
QString NombreReporte(const QString& ANombreBD, const QString& APaso) {
  return FormatearFechaHora(QStringLiteral("yyyy-mm-dd-hh-nn-ss"), Now()) + QLatin1Char('_') + ANombreBD +
         QLatin1Char('_') + APaso + QStringLiteral(".txt");
}

QString RutaReporte(const QString& ANombreReporte) {
  return JoinPath(CurrentFolder(), QStringLiteral("log"), ANombreReporte);
}

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

// A text for an SQL string literal.
QString LiteralSql(QString ATexto) {
  return QLatin1Char('\'') + ATexto.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
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
  CommandLine parametros;
  parametros.Opciones(QStringLiteral("-b "));
  if (!AServer.isEmpty())
    parametros.Opciones(QStringLiteral(" -se "))
        .Valor(AServer + QStringLiteral(":service_mgr"))
        .Opciones(QStringLiteral(" "));
  parametros.Opciones(QStringLiteral("-t -user "));
  return AgregarGbak(parametros, ADBUser, ADBPass, ARutaBD, ARutaDestino, ARutaReporte);
}

CommandLine TqovFirebirdProc::ParametrosRestauracion(const QString& ARutaRespaldo, const QString& ARutaDestino,
                                                     const QString& ARutaReporte) const {
  CommandLine parametros;
  parametros.Opciones(QStringLiteral("-c -replace -p 8192 -user "));
  return AgregarGbak(parametros, FUsuarioBdFb3, FPasswordBDFb3, ARutaRespaldo, ARutaDestino, ARutaReporte);
}

void TqovFirebirdProc::EjecutarGbak(IqovFirebirdProcCaller& ACaller, const QString& ARutaGbak,
                                    const CommandLine& AParametros, const QString& AError) {
  const int codigo =
      EjecutarProceso({ARutaGbak, AParametros.Argumentos()}, FGbakProcess, [&ACaller] { ACaller.ProcessMessages(); });
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
  EjecutarGbak(ACaller, ARutaGbak,
               ParametrosRespaldo(ARutaBD, ARutaDestino, ADBUser, ADBPass, AServer, RutaReporte(reporte)), error);
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
  EjecutarGbak(ACaller, FRutaGbakFb3, ParametrosRestauracion(ARutaRespaldo, ARutaDestino, RutaReporte(reporte)), error);
  ACaller.Log(AEsConfig ? QStringLiteral("Conversión de base de datos Config exitosa.")
                        : QStringLiteral("Conversión de empresa ") + ANombreBD + QStringLiteral(" exitosa."));
}

void TqovFirebirdProc::ValidarEstructura(IqovFirebirdProcCaller& ACaller, const QString& ARutaBD,
                                         const QString& ANombreBD, const QString& ARutaGbak, const QString& ADBUser,
                                         const QString& ADBPass) {
  const QString reporte = NombreReporte(ANombreBD, QStringLiteral("VALIDAR_ESTRUCTURA"));
  const QString rutaReporte = RutaReporte(reporte);
  ACaller.Log(QStringLiteral("Ocurrió un error al restaurar el respaldo.\r\nValidando estructura de la empresa %1...")
                  .arg(ANombreBD));
  const QString errorExtraccion =
      QStringLiteral("Ocurrió un error al respaldar la empresa. Consulte el archivo '") + reporte + ColaConsulteLog;
  const QString errorEstructura =
      QStringLiteral("Se han detectado problemas al validar la estructura de la base de datos. Consulte el archivo '") +
      reporte + ColaConsulteLog;

  // A fresh scratch folder for the database that the replay creates.
  const QString archivoBD = ExtractFileName(ARutaBD);
  const QString carpetaTemporal = JoinPath(TempFolder(), QStringLiteral("QovTemporalConversion"));
  const QString bdTemporal = JoinPath(
      carpetaTemporal, QStringLiteral("qov_val_") + QLocale().toLower(archivoBD).remove(QStringLiteral(".fdb")));
  DeleteTree(carpetaTemporal);
  CreateDir(carpetaTemporal);

  const QString script = JoinPath(
      CurrentFolder(), QStringLiteral("log"),
      QString(archivoBD).remove(QStringLiteral(".fdb"), Qt::CaseInsensitive) + QStringLiteral("_metadata.sql"));
  const QString isqlAnterior = QString(ARutaGbak).replace(QStringLiteral("gbak"), QStringLiteral("isql"));
  const QString prefijoServidor =
      ServidorFirebirdActual.isEmpty()
          ? QString()
          : QString(ServidorFirebirdActual).replace(QLatin1Char(':'), QLatin1Char('/')) + QLatin1Char(':');

  const CommandLine extraccion = CommandLine()
                                     .Opciones(QStringLiteral("-x -user "))
                                     .Valor(ADBUser)
                                     .Opciones(QStringLiteral(" -password "))
                                     .Valor(ADBPass)
                                     .Opciones(QStringLiteral(" -o "))
                                     .Citado(script)
                                     .Opciones(QStringLiteral(" "))
                                     .Citado(prefijoServidor + ARutaBD);
  ProcessHandle proceso = 0;
  if (EjecutarProcesoYEsperar({isqlAnterior, extraccion.Argumentos(), {}, rutaReporte, true}, proceso) != 0)
    throw Exception(errorExtraccion);
  DeleteFileOrRaise(rutaReporte);

  // The script gets a statement that creates the scratch database, after its first two lines.
  QStringList lineas = LoadAnsiLines(script);
  InsertLine(
      lineas, 2,
      QStringLiteral("CREATE DATABASE %1 PAGE_SIZE 8192 DEFAULT CHARACTER SET NONE;").arg(LiteralSql(bdTemporal)));
  SaveAnsiLines(script, lineas);

  const CommandLine reproduccion = CommandLine()
                                       .Opciones(QStringLiteral("-i "))
                                       .Citado(script)
                                       .Opciones(QStringLiteral(" -ch ISO8859_1 -user "))
                                       .Valor(ADBUser)
                                       .Opciones(QStringLiteral(" -password "))
                                       .Valor(ADBPass);
  const int codigo = EjecutarProcesoYEsperar({FRutaIsqlFb3, reproduccion.Argumentos(), {}, rutaReporte, true}, proceso);
  DeleteTree(carpetaTemporal);
  if (codigo != 0) throw Exception(errorEstructura);
}

qint64 TqovFirebirdProc::ObtenerTamanoArchivo(const QString& ARuta) { return FileSize(ARuta); }
