#include <QLocale>
#include <QSaveFile>
#include <QScopeGuard>

#include "core/engine/ExcepcionesConverBD.h"
#include "core/engine/FirebirdProc.h"
#include "core/engine/FirebirdProcReportes.h"
#include "platform/os/FileAccess.h"
#include "platform/os/Paths.h"
#include "core/engine/VariablesGlobales.h"
#include "core/util/CadenaConexion.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/TextFile.h"

namespace {

// A text for an SQL string literal.
QString LiteralSql(QString ATexto) {
  return QLatin1Char('\'') + ATexto.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
}

}  // namespace

void TqovFirebirdProc::ValidarEstructura(IqovFirebirdProcCaller& ACaller, const QString& ARutaBD,
                                         const QString& ANombreBD, const QString& ARutaGbak, const QString& ADBUser,
                                         const QString& ADBPass) {
  const QString reporte = NombreReporte(ANombreBD, QStringLiteral("VALIDAR_ESTRUCTURA"));
  const QString rutaReporte = RutaReporte(reporte);
  ACaller.Log(QStringLiteral("Ocurrió un error al restaurar el respaldo.\r\nValidando estructura de la empresa %1...")
                  .arg(ANombreBD));
  const QString errorExtraccion =
      QStringLiteral("No fue posible validar la estructura de la base de datos: ocurrió un error al extraer sus "
                     "metadatos con el isql del servidor instalado. Consulte el archivo '") +
      reporte + ColaConsulteLog;
  const QString errorEstructura =
      QStringLiteral("Se han detectado problemas al validar la estructura de la base de datos. Consulte el archivo '") +
      reporte + ColaConsulteLog;

  // The database that the replay creates goes into a folder of this check's own, new and closed to others:
  // a fixed name in a shared temporary folder could be a link that someone planted, which its removal would
  // follow. The folder goes when the check ends, whatever its outcome.
  const QString archivoBD = ExtractFileName(ARutaBD);
  const QString carpetaTemporal = CreatePrivateDir(TempFolder(), QStringLiteral("QovTemporalConversion."));
  if (carpetaTemporal.isEmpty())
    throw EFileError(QStringLiteral("No se puede crear una carpeta en \"%1\".").arg(TempFolder()));
  const auto borrarAlTerminar = qScopeGuard([&carpetaTemporal] { DeleteTree(carpetaTemporal); });
  const QString bdTemporal = JoinPath(
      carpetaTemporal, QStringLiteral("qov_val_") + QLocale().toLower(archivoBD).remove(QStringLiteral(".fdb")));

  const QString script = RutaReporte(NombreLibreEnLog(
      QString(archivoBD).remove(QStringLiteral(".fdb"), Qt::CaseInsensitive) + QStringLiteral("_metadata"),
      QStringLiteral(".sql")));
  const QString isqlAnterior = QString(ARutaGbak).replace(QStringLiteral("gbak"), QStringLiteral("isql"));
  const QString servidor = QString(ServidorFirebirdActual).replace(QLatin1Char(':'), QLatin1Char('/'));

  const CommandLine extraccion = CommandLine()
                                     .Opciones(QStringLiteral("-x -user "))
                                     .Valor(ADBUser)
                                     .Opciones(QStringLiteral(" -password "))
                                     .Valor(ADBPass)
                                     .Opciones(QStringLiteral(" -o "))
                                     .Citado(script)
                                     .Opciones(QStringLiteral(" "))
                                     .Citado(CadenaConexion(servidor, ARutaBD));
  // The report and the script hold the database's metadata: they get its owner and mode.
  const FileAccess acceso = AccessFrom(ARutaBD);
  ProcessHandle proceso = 0;
  if (EjecutarProcesoYEsperar({isqlAnterior, extraccion.Argumentos(), {}, rutaReporte, true, acceso}, proceso) != 0) {
    ApplyAccessOrRaise(rutaReporte, acceso);
    ApplyAccessOrRaise(script, acceso);
    throw TqovExceptionGbak(errorExtraccion);
  }
  DeleteFileOrRaise(rutaReporte);

  // The script gets a statement that creates the scratch database, after its first two lines. The script's
  // text stays in the 8-bit code page that the replay names (ISO8859_1); isql takes a file name in its
  // locale's encoding instead, which the tools are always given as UTF-8, so the scratch path is written so.
  QStringList lineas = LoadAnsiLines(script);
  InsertLine(
      lineas, 2,
      QStringLiteral("CREATE DATABASE %1 PAGE_SIZE 8192 DEFAULT CHARACTER SET NONE;").arg(LiteralSql(bdTemporal)));
  QByteArray texto;
  for (qsizetype i = 0; i < lineas.size(); ++i) texto += (i == 2 ? lineas[i].toUtf8() : lineas[i].toLatin1()) + '\n';
  // The rewritten script keeps the mode of the one it replaces.
  QSaveFile archivo(script);
  if (!archivo.open(QIODevice::WriteOnly) || archivo.write(texto) != texto.size() || !archivo.commit())
    throw EFileError(QStringLiteral("No se puede escribir el archivo \"%1\". %2").arg(script, archivo.errorString()));
  ApplyAccessOrRaise(script, acceso);

  const CommandLine reproduccion = CommandLine()
                                       .Opciones(QStringLiteral("-i "))
                                       .Citado(script)
                                       .Opciones(QStringLiteral(" -ch ISO8859_1 -user "))
                                       .Valor(ADBUser)
                                       .Opciones(QStringLiteral(" -password "))
                                       .Valor(ADBPass);
  const int codigo =
      EjecutarProcesoYEsperar({FRutaIsqlFb3, reproduccion.Argumentos(), {}, rutaReporte, true, acceso}, proceso);
  ApplyAccessOrRaise(rutaReporte, acceso);
  if (codigo != 0) throw Exception(errorEstructura);
}
