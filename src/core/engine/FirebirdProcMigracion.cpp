#include <QFile>

#include "core/engine/ConexionRevision.h"
#include "core/engine/ExcepcionesConverBD.h"
#include "core/engine/FirebirdProc.h"
#include "core/engine/NombreEmpresa.h"
#include "platform/os/FileAccess.h"
#include "platform/os/Paths.h"
#include "platform/rtl/TextFile.h"

namespace {

constexpr qint64 TamanoGrande = 2000000000;

// Makes sure the folder exists, creating one level with AAcceso; raises TqovExceptionOperacionesArchivo(AError)
// when it cannot. A folder already there is left as it is.
void AsegurarCarpeta(const QString& ACarpeta, const FileAccess& AAcceso, const QString& AError) {
  if (!DirectoryExists(ACarpeta) && !CreateDirWithAccess(ACarpeta, AAcceso))
    throw TqovExceptionOperacionesArchivo(AError);
}

// The number the database gives a connection made now.
int NumeroNuevaConexion(const QString& ARutaBD, const QString& AServer, const QString& ADBUser,
                        const QString& ADBPass) {
  TConexionRevision conexion(ARutaBD, AServer, ADBUser, ADBPass);
  const int numero = conexion.NumeroConexion();
  conexion.Cerrar();
  return numero;
}

}  // namespace

std::function<void(const QString& ARutaBD)> AntesDeArchivarBD;

void TqovFirebirdProc::EscribirLeame(const QString& ARuta, const FileAccess& AAcceso) {
  if (FileExists(ARuta)) return;
  WriteNewFile(
      ARuta,
      AnsiText({QStringLiteral("Las bases de datos contenidas en esta carpeta son una copia de las bases de datos"),
                QStringLiteral("que se tenían originalmente en su directorio de datos antes de ejecutar el proceso"),
                QStringLiteral("de migración a Firebird 3.0."),
                QStringLiteral("En caso de que se desee revertir el proceso de conversión se pueden tomar estas bases"),
                QStringLiteral(
                    "de datos y copiarlas al directorio de datos (Ejemplo: c:\\Tarvolin datos). Al hacer esto se"),
                QStringLiteral("podrá volver a usar su versión previa de Tarvolin.")},
               QStringLiteral("\r\n")),
      AAcceso);
}

void TqovFirebirdProc::MigrarBD(IqovFirebirdProcCaller& ACaller, const QString& ARutaConexion, const QString& ANombreBD,
                                const QString& ADBUser, const QString& ADBPass, const QString& ARutaGBakActual,
                                const QString& AServer, bool AEsConfig) {
  if (!EsNombreDeArchivo(ANombreBD))
    throw TqovExceptionOperacionesArchivo(QStringLiteral("No es posible convertir la empresa '") + ANombreBD +
                                          QStringLiteral("': su nombre no es un nombre de archivo válido."));
  // Config lives in the System folders of the data folder, of the archive and of the backups.
  const QString sub = AEsConfig ? QStringLiteral("System") : QString();
  const auto en = [&sub](const QString& ACarpeta) { return sub.isEmpty() ? ACarpeta : JoinPath(ACarpeta, sub); };
  const QString archivo = JoinPath(ARutaConexion, QStringLiteral("ArchivarBDAnterior2019"));
  const QString respaldos = JoinPath(ARutaConexion, QStringLiteral("Respaldos"));
  const QString origen = JoinPath(en(ARutaConexion), ANombreBD + QStringLiteral(".fdb"));
  const QString nueva = JoinPath(en(ARutaConexion), ANombreBD + QStringLiteral("_ODS12.fdb"));
  const QString carpetaArchivo = en(archivo);
  const QString archivada = JoinPath(carpetaArchivo, ANombreBD + QStringLiteral(".fdb"));
  const QString respaldo = JoinPath(en(respaldos), ANombreBD + QStringLiteral("_MIGRACION_2019.fbk"));
  const QString laBase =
      AEsConfig ? QStringLiteral("la base de datos Config") : QStringLiteral("la empresa ") + ANombreBD;

  if (IsSymLink(origen)) throw TqovExceptionOperacionesArchivo(MotivoEnlace(laBase, origen));
  // An archived file that is the source itself under a second name is what a run stopped between archiving
  // and putting the new file in place leaves: the source still holds the database, so the second name goes
  // and the conversion starts again.
  if (SameFile(archivada, origen)) {
    if (!QFile::remove(archivada))
      throw TqovExceptionOperacionesArchivo(QStringLiteral("Ocurrió un error al archivar la base de datos actual."));
    ACaller.Log(QStringLiteral("Una conversión anterior de ") + laBase +
                QStringLiteral(" se interrumpió antes de poner la base de datos convertida en su lugar; la base de "
                               "datos original sigue en '") +
                origen + QStringLiteral("' y se vuelve a convertir."));
  }
  // The archived original may be the only copy of the database in its old structure: never replaced.
  if (PathTaken(archivada))
    throw TqovExceptionOperacionesArchivo(
        QStringLiteral("No es posible convertir ") + laBase + QStringLiteral(": ya hay una base de datos archivada en '") +
        archivada +
        QStringLiteral("', que no se reemplaza. Si se desea volver a convertir, mueva ese archivo a otra carpeta."));
  // The restore replaces a file of the new file's name: never another company's database.
  if (!AEsConfig && FileExists(JoinPath(ARutaConexion, ANombreBD + QStringLiteral("_ODS12.fdb")))) {
    TCallerSilencioso silencioso;
    const QString otra = ANombreBD + QStringLiteral("_ODS12");
    if (LeerEmpresas(silencioso, ARutaConexion, ADBUser, ADBPass, AServer).contains(otra))
      throw TqovExceptionOperacionesArchivo(QStringLiteral("No es posible convertir la empresa ") + ANombreBD +
                                            QStringLiteral(": el archivo '") + otra +
                                            QStringLiteral(".fdb', en el que se restaura, es la base de datos de la "
                                                           "empresa ") +
                                            otra + QStringLiteral("."));
  }
  // The folders made here, and leame.txt, are closed to others as Config, whose System subfolders they hold too;
  // a server that runs as Config's owner or group still writes the backups and their reports into them.
  const FileAccess accesoCarpetas = AccessFrom(JoinPath(ARutaConexion, QStringLiteral("System/Config.fdb")));
  AsegurarCarpeta(archivo, accesoCarpetas,
                  QStringLiteral("Ocurrió un error al crear la carpeta en donde se van a respaldar las "
                                 "bases de datos anteriores."));
  AsegurarCarpeta(FLogPath, accesoCarpetas, QStringLiteral("Ocurrió un error al crear la carpeta de logs."));
  AsegurarCarpeta(respaldos, accesoCarpetas, QStringLiteral("Ocurrió un error al crear la carpeta de Respaldos."));

  ACaller.Log(GetDelim());
  ACaller.Log(AEsConfig ? QStringLiteral("Convirtiendo base de datos Config")
                        : QStringLiteral("Convirtiendo empresa ") + ANombreBD);
  ACaller.Log(GetDelim());
  if (AEsConfig)
    AsegurarCarpeta(en(respaldos), accesoCarpetas,
                    QStringLiteral("Ocurrió un error al crear la carpeta en donde se va a respaldar la "
                                   "base de datos de Config."));

  if (ObtenerTamanoArchivo(origen) > TamanoGrande)
    ACaller.Log(
        QStringLiteral("La conversión de esta empresa puede tardar más tiempo de lo normal debido a su tamaño."));

  ChecarUsuariosConectados(origen, AServer, ADBUser, ADBPass);

  // Whatever another user commits from here on and the backup misses would stay only in the old file, which
  // goes to the archive. A connection held from here to the swap keeps the database open in the server, so
  // that it numbers the attachments one after another and serves the old file to whoever attaches, even after
  // the new file took its name: the backup takes one number, anybody else another, and whoever is attached or
  // starts a transaction afterwards is seen by this connection.
  TConexionRevision vigilancia(origen, AServer, ADBUser, ADBPass);
  InformarUsuarios(vigilancia.Revisar().Usuarios);  // whoever attached between the check and the watch
  const int numeroVigilancia = vigilancia.NumeroConexion();

  ACaller.MostrarAnimacionAvance(QStringLiteral("Respaldando..."));
  RespaldarEnVersionActual(ACaller, origen, respaldo, ANombreBD, ARutaGBakActual, ADBUser, ADBPass, AEsConfig, AServer);
  ACaller.OcultarAnimacionAvance();

  if (ACaller.GetCancelar()) return;

  const TConexionRevision::TRevision alRespaldar = vigilancia.Revisar();
  InformarUsuarios(alRespaldar.Usuarios);
  // A connection made now gets the number after the backup's; a higher one means others attached meanwhile.
  if (NumeroNuevaConexion(origen, AServer, ADBUser, ADBPass) != numeroVigilancia + 2)
    throw TqovExceptionBDUsuariosConectados(
        QStringLiteral("Otro usuario se conectó a la base de datos durante el respaldo; la conversión se debe "
                       "repetir sin usuarios conectados.\n\r"));

  ACaller.MostrarAnimacionAvance(QStringLiteral("Restaurando..."));
  try {
    RestaurarRespaldoEnFB30(ACaller, respaldo, nueva, ANombreBD, AEsConfig);
  } catch (const TqovExceptionGbak& restauracion) {
    // A structure that Firebird 3.0 refuses raises the check's own error; otherwise the restore's stands,
    // followed by the reason when the check could not run.
    try {
      ValidarEstructura(ACaller, origen, ANombreBD, ARutaGBakActual, ADBUser, ADBPass);
    } catch (const TqovExceptionGbak& validacion) {
      throw TqovExceptionGbak(restauracion.Message() + QStringLiteral("\n\r") + validacion.Message());
    }
    throw;
  }
  ACaller.OcultarAnimacionAvance();
  // The suite's server must open the new database as it opened the old one, and nobody else more.
  if (!CopyOwnerAndMode(origen, nueva))
    throw TqovExceptionOperacionesArchivo(QStringLiteral(
        "Ocurrió un error al dar a la base de datos con formato ODS 12.0 el dueño y los permisos de la anterior."));

  // Between two checks of the watch, someone attached, or a transaction that is not one of the watch's two,
  // means someone else used the database.
  const auto sinCambios = [this](const TConexionRevision::TRevision& AAntes,
                                 const TConexionRevision::TRevision& ADespues) {
    InformarUsuarios(ADespues.Usuarios);
    if (ADespues.Transaccion != AAntes.Transaccion + 2)
      throw TqovExceptionBDUsuariosConectados(
          QStringLiteral("Otro usuario usó la base de datos después de que se respaldó; la conversión se debe "
                         "repetir sin usuarios conectados.\n\r"));
  };
  const TConexionRevision::TRevision alArchivar = vigilancia.Revisar();
  try {
    sinCambios(alRespaldar, alArchivar);
  } catch (const TqovExceptionBDUsuariosConectados&) {
    QFile::remove(nueva);  // the restore's file lacks what the others did: it is of no use
    throw;
  }

  AsegurarCarpeta(
      carpetaArchivo, accesoCarpetas,
      QStringLiteral("Ocurrió un error al crear la carpeta en donde se va a archivar la base de datos anterior."));
  EscribirLeame(JoinPath(archivo, QStringLiteral("leame.txt")), accesoCarpetas);
  if (AntesDeArchivarBD) AntesDeArchivarBD(origen);
  // The old file takes its archived name beside its own, and only then does the new file take its name in one
  // step: at no instant is there no database under the source's name, whatever stops the run.
  if (!SyncToDisk(nueva) || !KeepCopyNoReplace(origen, archivada))
    throw TqovExceptionOperacionesArchivo(QStringLiteral("Ocurrió un error al archivar la base de datos actual."));
  if (!ReplaceFileAtomically(nueva, origen)) {
    QFile::remove(archivada);  // the source keeps the old database; the archived name was this run's own
    throw TqovExceptionOperacionesArchivo(
        QStringLiteral("Ocurrió un error al renombrar el la base de datos con formato ODS 12.0."));
  }
  // Until the watch lets the old file go, the server serves it to whoever attaches under the database's name:
  // whoever came in since the last check is seen now, and the old file takes its name back in one step, which
  // removes the new one. A check that cannot run is no proof that nobody came.
  try {
    sinCambios(alArchivar, vigilancia.Revisar());
  } catch (const Exception&) {
    if (!ReplaceFileAtomically(archivada, origen))
      throw TqovExceptionOperacionesArchivo(
          QStringLiteral("Otro usuario pudo haber usado la base de datos mientras se archivaba y no fue posible "
                         "regresarla a su lugar: la base de datos anterior está en '") +
          archivada + QStringLiteral("'. Regrese ese archivo a '") + origen +
          QStringLiteral("' antes de volver a usar la base de datos."));
    throw;
  }
  vigilancia.Cerrar();
  // Said only now: a check after the restore may still stop the conversion.
  ACaller.Log(AEsConfig ? QStringLiteral("Conversión de base de datos Config exitosa.")
                        : QStringLiteral("Conversión de empresa ") + ANombreBD + QStringLiteral(" exitosa."));
}
