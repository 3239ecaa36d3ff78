#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <functional>

#include "fixtures/AccesoArchivos.h"
#include "fixtures/ConversionDePrueba.h"
#include "fixtures/MensajeDeError.h"
#include "fixtures/RelojFijo.h"
#include "platform/fbclient/FbError.h"
#include "platform/fbdac/FbConnection.h"
#include "platform/fbdac/FbQuery.h"
#include "platform/fbdac/FbTransaction.h"
#include "platform/rtl/TextFile.h"

namespace {

const QStringList Leame = {
    "Las bases de datos contenidas en esta carpeta son una copia de las bases de datos",
    "que se tenían originalmente en su directorio de datos antes de ejecutar el proceso",
    "de migración a Firebird 3.0.",
    "En caso de que se desee revertir el proceso de conversión se pueden tomar estas bases",
    "de datos y copiarlas al directorio de datos (Ejemplo: c:\\Tarvolin datos). Al hacer esto se",
    "podrá volver a usar su versión previa de Tarvolin."};

// Runs code of the test when the engine hides its progress animation (after the backup and after the
// restore) and while a tool runs.
class CallerConAvisos : public CallerDePrueba {
 public:
  std::function<void(int)> AlOcultar;  // receives how many times the animation was hidden so far
  std::function<void()> AlBombear;

  void OcultarAnimacionAvance() override {
    CallerDePrueba::OcultarAnimacionAvance();
    if (AlOcultar) AlOcultar(static_cast<int>(Avance.count("-")));
  }
  void ProcessMessages() override {
    CallerDePrueba::ProcessMessages();
    if (AlBombear) AlBombear();
  }
};

class MigrarBD : public ConversionDePrueba {
 protected:
  void Convertir(const QString& AEmpresa, bool AEsConfig = false, const QString& AServer = {},
                 const QString& AClave = ClaveSysdbaServidor()) {
    proc.MigrarBD(avisos, datos.Ruta(), AEmpresa, "SYSDBA", AClave, gbak, AServer, AEsConfig);
  }

  // The data folder's files and folders, as paths relative to it.
  QStringList Contenido() const {
    QStringList contenido;
    QDirIterator it(datos.Ruta(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) contenido << it.next().mid(datos.Ruta().size());
    contenido.sort();
    return contenido;
  }

  // After another user wrote a row during the conversion of EMPRESA1: the old database is still in its place,
  // unconverted and with the row, and nothing that the conversion made for it is left.
  void ComprobarOriginalConLaFila() {
    const QString empresa = datos.Empresa("EMPRESA1");
    EXPECT_FALSE(proc.EsODS12(avisos, empresa, "EMPRESA1"));
    EXPECT_TRUE(ConsultarIsql(empresa, "SELECT NOMBRE FROM CLIENTES WHERE ID = 99;").contains("Escrito durante"));
    EXPECT_FALSE(QFileInfo::exists(Archivo("EMPRESA1.fdb")));
    EXPECT_EQ(Contenido().filter("ODS12"), QStringList());
  }

  CallerConAvisos avisos;
};

TEST_F(MigrarBD, ACompanyBecomesAnOds12FileWithEveryRowAndItsMetadata) {
  const QString empresa = datos.Empresa("COMERCIAL SUR");
  const auto archivoAntes = HuellaDatos(empresa);
  const auto datosAntes = HuellaDatos(empresa);
  const QString metadatosAntes = Metadatos(empresa);
  ASSERT_EQ(datosAntes.size(), 2);

  Convertir("COMERCIAL SUR");

  EXPECT_TRUE(proc.EsODS12(avisos, empresa, "COMERCIAL SUR"));
  EXPECT_EQ(HuellaDatos(empresa), datosAntes);
  EXPECT_EQ(Metadatos(empresa), metadatosAntes);
  EXPECT_EQ(HuellaDatos(Archivo("COMERCIAL SUR.fdb")), archivoAntes);
  EXPECT_TRUE(QFileInfo(Respaldos("COMERCIAL SUR_MIGRACION_2019.fbk")).size() > 0);
  EXPECT_FALSE(QFile::exists(datos.Ruta() + "COMERCIAL SUR_ODS12.fdb"));
  EXPECT_EQ(LoadAnsiLines(Archivo("leame.txt")), Leame);
  QFile leame(Archivo("leame.txt"));
  ASSERT_TRUE(leame.open(QIODevice::ReadOnly));
  EXPECT_TRUE(leame.readAll().endsWith("Tarvolin.\r\n"));
  EXPECT_EQ(
      avisos.Mensajes,
      (QStringList{TqovFirebirdProc::GetDelim(), "Convirtiendo empresa COMERCIAL SUR", TqovFirebirdProc::GetDelim(),
                   "Respaldando la empresa COMERCIAL SUR con la versión actual de Firebird...",
                   "Se respaldó la empresa COMERCIAL SUR correctamente.",
                   "Restaurando respaldo de empresa COMERCIAL SUR a una base de datos con formato de Firebird 3.0...",
                   "Conversión de empresa COMERCIAL SUR exitosa."}));
  EXPECT_EQ(avisos.Avance, (QStringList{"Respaldando...", "-", "Restaurando...", "-"}));
}

TEST_F(MigrarBD, ReportNamesTakenAlreadyLeaveTheEarlierReportsAndStillConvert) {
  const RelojFijo reloj;
  const QString empresa = datos.Empresa("COMERCIAL SUR");
  const auto datosAntes = HuellaDatos(empresa);
  const QStringList pasos{"RESPALDAR", "RESTAURAR"};
  const auto reporte = [this](const QString& APaso, const QString& AOtra = {}) {
    return carpeta.Log() + "/" + RelojFijo::Estampa() + "_COMERCIAL SUR_" + APaso + AOtra + ".txt";
  };
  for (const QString& paso : pasos) SaveAnsiLines(reporte(paso), {"reporte anterior de " + paso});

  Convertir("COMERCIAL SUR");

  EXPECT_TRUE(proc.EsODS12(avisos, empresa, "COMERCIAL SUR"));
  EXPECT_EQ(HuellaDatos(empresa), datosAntes);
  EXPECT_EQ(avisos.Mensajes.last(), "Conversión de empresa COMERCIAL SUR exitosa.");
  for (const QString& paso : pasos) {
    EXPECT_EQ(LoadAnsiLines(reporte(paso)), QStringList{"reporte anterior de " + paso});
    EXPECT_TRUE(QFile::exists(reporte(paso, "_2")));
  }
}

TEST_F(MigrarBD, ConfigLivesInTheSystemFoldersButTheNoteInTheArchiveRoot) {
  const auto datosAntes = HuellaDatos(datos.Config());
  Convertir("Config", true);
  EXPECT_EQ(HuellaDatos(datos.Config()), datosAntes);
  EXPECT_TRUE(QFile::exists(Archivo("System/Config.fdb")));
  EXPECT_TRUE(QFile::exists(Respaldos("System/Config_MIGRACION_2019.fbk")));
  EXPECT_TRUE(QFile::exists(Archivo("leame.txt")));
  EXPECT_FALSE(QFile::exists(Archivo("System/leame.txt")));
  EXPECT_EQ(avisos.Mensajes[1], "Convirtiendo base de datos Config");
  EXPECT_EQ(avisos.Mensajes.last(), "Conversión de base de datos Config exitosa.");
}

// The archived original may be the only copy in the old structure: a second conversion, of the converted
// file or of the old one copied back by hand, stops before anything changes.
TEST_F(MigrarBD, ASecondConversionNeverReplacesTheArchivedOriginal) {
  Convertir("EMPRESA1");
  const auto archivada = HuellaDatos(Archivo("EMPRESA1.fdb"));
  for (const bool copiadaAMano : {false, true}) {
    SCOPED_TRACE(copiadaAMano);
    if (copiadaAMano) {
      QFile::remove(datos.Empresa("EMPRESA1"));
      QFile::copy(Archivo("EMPRESA1.fdb"), datos.Empresa("EMPRESA1"));
    }
    const QStringList antes = Contenido();
    avisos.Mensajes.clear();
    const QString mensaje = MensajeDeError<TqovExceptionOperacionesArchivo>([&] { Convertir("EMPRESA1"); });
    EXPECT_EQ(mensaje, "No es posible convertir la empresa EMPRESA1: ya hay una base de datos archivada en '" +
                           Archivo("EMPRESA1.fdb") +
                           "', que no se reemplaza. Si se desea volver a convertir, mueva ese archivo a otra carpeta.");
    EXPECT_EQ(Contenido(), antes);
    EXPECT_EQ(HuellaDatos(Archivo("EMPRESA1.fdb")), archivada);
    EXPECT_TRUE(avisos.Mensajes.isEmpty());
  }
  // Another company goes beside it, and the administrator's note stays as it was.
  QFile::remove(Archivo("leame.txt"));
  SaveAnsiLines(Archivo("leame.txt"), {"nota del administrador"});
  Convertir("ZAPATERIA");
  EXPECT_EQ(LoadAnsiLines(Archivo("leame.txt")), QStringList{"nota del administrador"});
  // Config's archived original likewise.
  Convertir("Config", true);
  EXPECT_TRUE(MensajeDeError<TqovExceptionOperacionesArchivo>([&] { Convertir("Config", true); })
                  .startsWith("No es posible convertir la base de datos Config: ya hay una base de datos archivada"));
}

TEST_F(MigrarBD, CancelledDuringTheBackupTheEngineStopsAfterIt) {
  const QStringList antes = Contenido();
  const auto original = HuellaDatos(datos.Empresa("EMPRESA1"));
  avisos.AlOcultar = [this](int) { avisos.Cancelar = true; };  // the operator pressed Cancel meanwhile
  Convertir("EMPRESA1");
  EXPECT_EQ(avisos.Avance, (QStringList{"Respaldando...", "-"}));
  EXPECT_EQ(HuellaDatos(datos.Empresa("EMPRESA1")), original);
  EXPECT_TRUE(QFile::exists(Respaldos("EMPRESA1_MIGRACION_2019.fbk")));
  EXPECT_FALSE(QFile::exists(datos.Ruta() + "EMPRESA1_ODS12.fdb"));
  EXPECT_FALSE(QFile::exists(Archivo("EMPRESA1.fdb")));
  QStringList despues =
      antes + QStringList{"ArchivarBDAnterior2019", "Respaldos", "Respaldos/EMPRESA1_MIGRACION_2019.fbk"};
  despues.sort();
  EXPECT_EQ(Contenido(), despues);
}

TEST_F(MigrarBD, FoldersThatCannotBeMadeStopItBeforeAnythingChanges) {
  const struct {
    QString estorbo;  // a file where the engine needs a folder
    bool esConfig;
    QString mensaje;
  } casos[] = {
      {"ArchivarBDAnterior2019", false,
       "Ocurrió un error al crear la carpeta en donde se van a respaldar las bases de datos anteriores."},
      {"Respaldos", false, "Ocurrió un error al crear la carpeta de Respaldos."},
      {"Respaldos/System", true,
       "Ocurrió un error al crear la carpeta en donde se va a respaldar la base de datos de Config."},
  };
  for (const auto& caso : casos) {
    QDir(datos.Ruta() + "Respaldos").removeRecursively();
    QDir(Archivo()).removeRecursively();
    QDir().mkpath(QFileInfo(datos.Ruta() + caso.estorbo).path());
    QFile(datos.Ruta() + caso.estorbo).open(QIODevice::WriteOnly);
    const auto original = HuellaDatos(caso.esConfig ? datos.Config() : datos.Empresa("EMPRESA1"));
    const QString mensaje = MensajeDeError<TqovExceptionOperacionesArchivo>(
        [&] { Convertir(caso.esConfig ? "Config" : "EMPRESA1", caso.esConfig); });
    EXPECT_EQ(mensaje, caso.mensaje);
    EXPECT_EQ(HuellaDatos(caso.esConfig ? datos.Config() : datos.Empresa("EMPRESA1")), original);
    EXPECT_TRUE(avisos.Avance.isEmpty());
    QFile::remove(datos.Ruta() + caso.estorbo);
  }
}

TEST_F(MigrarBD, OtherUsersAttachedStopItBeforeTheBackup) {
  const QString clave = ClaveSysdbaServidor();
  TFbConnection otra;
  otra.Database = "localhost:" + datos.Empresa("EMPRESA1");
  otra.Username = "SYSDBA";
  otra.Password = clave;
  otra.Open();
  const QString mensaje =
      MensajeDeError<TqovExceptionBDUsuariosConectados>([&] { Convertir("EMPRESA1", false, "localhost", clave); });
  EXPECT_TRUE(mensaje.startsWith("Usuario: SYSDBA - Proceso: ")) << mensaje.toStdString();
  EXPECT_TRUE(avisos.Avance.isEmpty());
  EXPECT_FALSE(QFile::exists(Respaldos("EMPRESA1_MIGRACION_2019.fbk")));
}

TEST_F(MigrarBD, AFailedBackupLeavesTheDatabaseWhereItWas) {
  // A folder where the backup file goes makes the installed gbak fail.
  QDir().mkpath(Respaldos("EMPRESA1_MIGRACION_2019.fbk"));
  const auto original = HuellaDatos(datos.Empresa("EMPRESA1"));
  const QString mensaje = MensajeDeError<TqovExceptionGbak>([&] { Convertir("EMPRESA1"); });
  EXPECT_TRUE(mensaje.startsWith("Ocurrió un error al respaldar la empresa. Consulte el archivo '"))
      << mensaje.toStdString();
  EXPECT_EQ(HuellaDatos(datos.Empresa("EMPRESA1")), original);
  EXPECT_FALSE(QFile::exists(datos.Ruta() + "EMPRESA1_ODS12.fdb"));
  EXPECT_FALSE(QFile::exists(Archivo("EMPRESA1.fdb")));
  EXPECT_EQ(avisos.Avance, QStringList{"Respaldando..."});  // the caller hides it when its run ends
}

TEST_F(MigrarBD, AFailedRestoreIsCheckedAndLeavesTheDatabaseWhereItWas) {
  // A folder left where the restore writes its new file makes the real gbak fail.
  QDir().mkdir(datos.Ruta() + "EMPRESA1_ODS12.fdb");
  const auto original = HuellaDatos(datos.Empresa("EMPRESA1"));
  const QString mensaje = MensajeDeError<TqovExceptionGbak>([&] { Convertir("EMPRESA1"); });
  EXPECT_TRUE(mensaje.startsWith("Ocurrió un error al restaurar el respaldo. Consulte el archivo '"))
      << mensaje.toStdString();
  EXPECT_TRUE(mensaje.contains("_EMPRESA1_RESTAURAR.txt'"));
  EXPECT_TRUE(avisos.Mensajes.contains(
      "Ocurrió un error al restaurar el respaldo.\r\nValidando estructura de la empresa EMPRESA1..."));
  EXPECT_EQ(HuellaDatos(datos.Empresa("EMPRESA1")), original);
  EXPECT_FALSE(QFile::exists(Archivo("EMPRESA1.fdb")));
  EXPECT_TRUE(QFile::exists(Respaldos("EMPRESA1_MIGRACION_2019.fbk")));
}

TEST_F(MigrarBD, AFailedRestoreWhoseCheckCannotRunFailsTheDatabaseWithBothReasons) {
  QDir().mkdir(datos.Ruta() + "EMPRESA1_ODS12.fdb");
  // No isql beside this gbak: the check cannot extract the metadata.
  QDir().mkpath(carpeta.Raiz() + "/sin isql");
  const QString sinIsql = carpeta.Raiz() + "/sin isql/gbak";
  ASSERT_TRUE(QFile::link(HerramientaFirebird3("gbak"), sinIsql));
  const auto original = HuellaDatos(datos.Empresa("EMPRESA1"));
  const QStringList lineas =
      MensajeDeError<TqovExceptionGbak>([&] {
        proc.MigrarBD(avisos, datos.Ruta(), "EMPRESA1", "SYSDBA", ClaveSysdbaServidor(), sinIsql, "", false);
      }).split("\n\r");
  ASSERT_EQ(lineas.size(), 2) << lineas.join('|').toStdString();
  EXPECT_TRUE(lineas[0].startsWith("Ocurrió un error al restaurar el respaldo. Consulte el archivo '"));
  EXPECT_TRUE(lineas[0].contains("_EMPRESA1_RESTAURAR.txt'"));
  EXPECT_TRUE(lineas[1].startsWith("No fue posible validar la estructura de la base de datos: ocurrió un error al "
                                   "extraer sus metadatos con el isql del servidor instalado. Consulte el archivo '"));
  EXPECT_TRUE(lineas[1].contains("_EMPRESA1_VALIDAR_ESTRUCTURA.txt'"));
  EXPECT_EQ(HuellaDatos(datos.Empresa("EMPRESA1")), original);
  EXPECT_FALSE(QFile::exists(Archivo("EMPRESA1.fdb")));
}

TEST_F(MigrarBD, AStructureThatFirebird3RefusesEndsTheRunWithTheChecksError) {
  QDir().mkdir(datos.Ruta() + "EMPRESA1_ODS12.fdb");
  const QString anterior =
      InstalarServidorAnterior(carpeta.Raiz() + "/firebird 2.5", HerramientaDePrueba("isql-anterior"));
  const auto original = HuellaDatos(datos.Empresa("EMPRESA1"));
  try {
    proc.MigrarBD(avisos, datos.Ruta(), "EMPRESA1", "SYSDBA", ClaveSysdbaServidor(), anterior, "", false);
    FAIL() << "converted";
  } catch (const TqovExceptionGbak&) {
    FAIL() << "the restore's error instead of the check's";
  } catch (const Exception& e) {
    EXPECT_TRUE(e.Message().startsWith("Se han detectado problemas al validar la estructura de la base de datos."));
  }
  EXPECT_EQ(HuellaDatos(datos.Empresa("EMPRESA1")), original);
  EXPECT_FALSE(QFile::exists(Archivo("EMPRESA1.fdb")));
}

TEST_F(MigrarBD, AnArchiveThatCannotTakeTheOldFileLeavesItInPlaceWithTheNewOneBeside) {
  // Config's archive folder cannot be made; the note cannot be written; the archive folder is read-only.
  QDir().mkpath(Archivo());
  QFile(Archivo("System")).open(QIODevice::WriteOnly);
  const QString mensajeConfig = MensajeDeError<TqovExceptionOperacionesArchivo>([&] { Convertir("Config", true); });
  EXPECT_EQ(mensajeConfig, "Ocurrió un error al crear la carpeta en donde se va a archivar la base de datos anterior.");
  EXPECT_TRUE(QFile::exists(datos.Config()));
  EXPECT_TRUE(QFile::exists(datos.Ruta() + "System/Config_ODS12.fdb"));

  QDir().mkdir(Archivo("leame.txt"));
  EXPECT_THROW(Convertir("EMPRESA1"), EFileError);
  EXPECT_TRUE(QFile::exists(datos.Empresa("EMPRESA1")));
  EXPECT_TRUE(QFile::exists(datos.Ruta() + "EMPRESA1_ODS12.fdb"));
  QDir(Archivo("leame.txt")).removeRecursively();

  SaveAnsiLines(Archivo("leame.txt"), Leame, "\r\n");
  const auto original = HuellaDatos(datos.Empresa("ZAPATERIA"));
  {
    Inmutable soloLectura(Archivo());
    const QString mensaje = MensajeDeError<TqovExceptionOperacionesArchivo>([&] { Convertir("ZAPATERIA"); });
    EXPECT_EQ(mensaje, "Ocurrió un error al archivar la base de datos actual.");
  }
  EXPECT_EQ(HuellaDatos(datos.Empresa("ZAPATERIA")), original);
  EXPECT_TRUE(QFile::exists(datos.Ruta() + "ZAPATERIA_ODS12.fdb"));
  EXPECT_FALSE(QFile::exists(Archivo("ZAPATERIA.fdb")));
}

// The new file takes the old one's name in one step, after the old file got its archived name beside it:
// when that step fails, the old database is still where it was and the archive as it was.
TEST_F(MigrarBD, ANewFileThatCannotTakeTheOldNameLeavesTheOldOneInPlace) {
  const QString nueva = datos.Ruta() + "EMPRESA1_ODS12.fdb";
  const auto original = HuellaDatos(datos.Empresa("EMPRESA1"));
  std::unique_ptr<Inmutable> fija;
  avisos.AlOcultar = [&](int AVeces) {
    if (AVeces == 2) fija = std::make_unique<Inmutable>(nueva);  // right after the restore
  };
  const QString mensaje = MensajeDeError<TqovExceptionOperacionesArchivo>([&] { Convertir("EMPRESA1"); });
  fija.reset();
  EXPECT_EQ(mensaje, "Ocurrió un error al renombrar el la base de datos con formato ODS 12.0.");
  EXPECT_EQ(HuellaDatos(datos.Empresa("EMPRESA1")), original);
  EXPECT_FALSE(QFileInfo::exists(Archivo("EMPRESA1.fdb")));
  EXPECT_TRUE(proc.EsODS12(avisos, nueva, "EMPRESA1"));
}

// A run stopped between the two steps (the old file under its archived name too, the new file beside it)
// leaves no trace that stops the next run: it says what happened and converts again.
TEST_F(MigrarBD, AnInterruptedSwapIsFinishedByTheNextRun) {
  const auto original = HuellaDatos(datos.Empresa("EMPRESA1"));
  QDir().mkpath(Archivo());
  ASSERT_EQ(::link(QFile::encodeName(datos.Empresa("EMPRESA1")).constData(),
                   QFile::encodeName(Archivo("EMPRESA1.fdb")).constData()),
            0);
  CarpetaDatos::CrearEmpresa(datos.Ruta() + "EMPRESA1_ODS12.fdb", 2, 8192);
  Convertir("EMPRESA1");
  EXPECT_TRUE(avisos.Mensajes.contains(
      "Una conversión anterior de la empresa EMPRESA1 se interrumpió antes de poner la base de datos convertida en su "
      "lugar; la base de datos original sigue en '" +
      datos.Empresa("EMPRESA1") + "' y se vuelve a convertir."));
  EXPECT_EQ(HuellaDatos(Archivo("EMPRESA1.fdb")), original);
  EXPECT_EQ(HuellaDatos(datos.Empresa("EMPRESA1")), original);
  EXPECT_TRUE(proc.EsODS12(avisos, datos.Empresa("EMPRESA1"), "EMPRESA1"));
  EXPECT_FALSE(QFileInfo::exists(datos.Ruta() + "EMPRESA1_ODS12.fdb"));
}

TEST_F(MigrarBD, OnlyASourceOfMoreThanTwoBillionBytesIsWarnedAbout) {
  const QString aviso = "La conversión de esta empresa puede tardar más tiempo de lo normal debido a su tamaño.";
  for (const qint64 tamano : {2000000000LL, 2000000001LL}) {
    // A sparse file of that size: the attachment check then refuses it as no database.
    QFile grande(datos.Empresa("GRANDE"));
    ASSERT_TRUE(grande.open(QIODevice::WriteOnly));
    ASSERT_TRUE(grande.resize(tamano));
    grande.close();
    avisos.Mensajes.clear();
    EXPECT_THROW(Convertir("GRANDE"), EFbError);
    EXPECT_EQ(avisos.Mensajes.contains(aviso), tamano > 2000000000LL) << tamano;
    QFile::remove(datos.Empresa("GRANDE"));
  }
}

TEST_F(MigrarBD, BadInputChangesNoDatabase) {
  // A data folder that does not exist: not even its folders are made.
  const QString noHay = carpeta.Raiz() + "/no hay/";
  EXPECT_THROW(proc.MigrarBD(avisos, noHay, "EMPRESA1", "SYSDBA", ClaveSysdbaServidor(), gbak, "", false),
               TqovExceptionOperacionesArchivo);
  EXPECT_FALSE(QFileInfo::exists(noHay));
  // A company whose file is missing fails at the attachment check.
  EXPECT_THROW(Convertir("NO EXISTE"), EFbError);
  EXPECT_FALSE(QFile::exists(Respaldos("NO EXISTE_MIGRACION_2019.fbk")));
}

TEST_F(MigrarBD, AUserWhoStaysAttachedAfterTheCheckStopsItBeforeTheArchive) {
  const QString empresa = datos.Empresa("EMPRESA1");
  // Attached while the backup ran, or while the restore ran.
  for (const int veces : {1, 2}) {
    SCOPED_TRACE(veces);
    QFile::remove(datos.Ruta() + "EMPRESA1_ODS12.fdb");
    QDir(carpeta.Log()).removeRecursively();
    QDir().mkdir(carpeta.Log());
    std::unique_ptr<TFbConnection> otra;
    avisos.AlOcultar = [&](int AVeces) {
      if (AVeces == veces) otra = ConectarPorServidor(empresa);
    };
    avisos.Avance.clear();
    const QString mensaje = MensajeDeError<TqovExceptionBDUsuariosConectados>([&] { Convertir("EMPRESA1"); });
    EXPECT_TRUE(mensaje.startsWith("Usuario: SYSDBA - Proceso: ")) << mensaje.toStdString();
    otra.reset();
    EXPECT_FALSE(QFile::exists(Archivo("EMPRESA1.fdb")));
    EXPECT_TRUE(QFile::exists(empresa));
    EXPECT_EQ(Contenido().filter("ODS12"), QStringList());  // the restore's file, of no use, is gone
  }
}

// Another user attaches through the server, writes a row and commits; the connection stays open while the
// pointer lives.
std::unique_ptr<TFbConnection> EscribirComoOtroUsuario(const QString& ARuta) {
  auto otra = std::make_unique<TFbConnection>();
  auto transaccion = new TFbTransaction(otra.get());
  otra->Database = "localhost:" + ARuta;
  otra->Username = "SYSDBA";
  otra->Password = ClaveSysdbaServidor();
  otra->Options().Charset = "ISO8859_1";
  otra->SetDefaultTransaction(transaccion);
  otra->Open();
  TFbQuery insercion;
  insercion.SetConnection(otra.get());
  insercion.SQL().SetText("INSERT INTO CLIENTES (ID, NOMBRE) VALUES (99, 'Escrito durante la conversión')");
  insercion.Execute();
  transaccion->Commit();
  return otra;
}

TEST_F(MigrarBD, AWriteCommittedAfterTheBackupIsNeverLost) {
  const QString empresa = datos.Empresa("EMPRESA1");
  avisos.AlOcultar = [&](int AVeces) {
    if (AVeces == 2) EscribirComoOtroUsuario(empresa);  // after the backup, gone before the archive
  };
  EXPECT_THROW(Convertir("EMPRESA1"), TqovExceptionBDUsuariosConectados);
  ComprobarOriginalConLaFila();
}

// The backup's snapshot misses what another user commits while it runs: whoever attached meanwhile stops the
// conversion, even when gone before the backup ends.
TEST_F(MigrarBD, AWriteCommittedDuringTheBackupIsNeverLost) {
  const QString empresa = datos.Empresa("EMPRESA1");
  bool escrito = false;
  avisos.AlBombear = [&] {
    if (escrito || avisos.Avance.last() != "Respaldando...") return;
    EscribirComoOtroUsuario(empresa);
    escrito = true;
  };
  EXPECT_EQ(MensajeDeError<TqovExceptionBDUsuariosConectados>([&] { Convertir("EMPRESA1"); }),
            "Otro usuario se conectó a la base de datos durante el respaldo; la conversión se debe repetir sin "
            "usuarios conectados.\n\r");
  EXPECT_TRUE(escrito);
  ComprobarOriginalConLaFila();
}

// The server serves the old file under the database's name until the conversion lets it go, even after the new
// file took that name: whoever came in after the last check before the swap gets the old database back in its
// place, whether gone or still attached.
TEST_F(MigrarBD, AWriteCommittedJustBeforeTheSwapUndoesIt) {
  const struct Quitar {
    ~Quitar() { AntesDeArchivarBD = nullptr; }
  } quitar;
  for (const bool sigueConectado : {false, true}) {
    SCOPED_TRACE(sigueConectado);
    QFile::remove(datos.Empresa("EMPRESA1"));
    CarpetaDatos::CrearEmpresa(datos.Empresa("EMPRESA1"), 2);
    std::unique_ptr<TFbConnection> otra;
    AntesDeArchivarBD = [&](const QString& ARuta) {
      otra = EscribirComoOtroUsuario(ARuta);
      if (!sigueConectado) otra.reset();
    };
    const QString mensaje = MensajeDeError<TqovExceptionBDUsuariosConectados>([&] { Convertir("EMPRESA1"); });
    otra.reset();
    if (sigueConectado)
      EXPECT_TRUE(mensaje.startsWith("Usuario: SYSDBA - Proceso: ")) << mensaje.toStdString();
    else
      EXPECT_EQ(mensaje,
                "Otro usuario usó la base de datos después de que se respaldó; la conversión se debe repetir sin "
                "usuarios conectados.\n\r");
    ComprobarOriginalConLaFila();
    EXPECT_EQ(avisos.Mensajes.filter("exitosa"), QStringList());  // a stopped conversion is never called a success
  }
}

TEST_F(MigrarBD, ANonAsciiCompanyGetsTheSameVerdictAfterAFailedRestore) {
  CarpetaDatos::CrearEmpresa(datos.Empresa("Ñandú"), 5);
  QDir().mkdir(datos.Ruta() + "Ñandú_ODS12.fdb");
  const QString mensaje = MensajeDeError<TqovExceptionGbak>([&] { Convertir("Ñandú"); });
  EXPECT_TRUE(mensaje.startsWith("Ocurrió un error al restaurar el respaldo. Consulte el archivo '"))
      << mensaje.toStdString();
  EXPECT_TRUE(QFile::exists(datos.Empresa("Ñandú")));
}

TEST_F(MigrarBD, TheRestoreNeverReplacesAnotherCompanysDatabase) {
  QFile::remove(datos.Config());
  CarpetaDatos::CrearConfig(datos.Config(), {"EMPRESA1", "EMPRESA1_ODS12"});
  const QString otra = datos.Ruta() + "EMPRESA1_ODS12.fdb";
  CarpetaDatos::CrearEmpresa(otra, 3);
  const QByteArray huella = HuellaArchivo(otra);
  const QStringList antes = Contenido();
  const QString mensaje = MensajeDeError<TqovExceptionOperacionesArchivo>([&] { Convertir("EMPRESA1"); });
  EXPECT_EQ(
      mensaje,
      "No es posible convertir la empresa EMPRESA1: el archivo 'EMPRESA1_ODS12.fdb', en el que se restaura, es la "
      "base de datos de la empresa EMPRESA1_ODS12.");
  EXPECT_EQ(HuellaArchivo(otra), huella);
  EXPECT_EQ(Contenido(), antes);
  EXPECT_TRUE(avisos.Avance.isEmpty());
}

TEST_F(MigrarBD, ACompanyNameThatIsNoPlainFileNameIsRefused) {
  const QString fuera = carpeta.Raiz() + "/fuera";
  CarpetaDatos::CrearEmpresa(fuera + ".fdb", 3);
  const QStringList antes = Contenido();
  for (const QString& nombre : {QString("../fuera"), QString("a/b"), QString("."), QString(".."), QString(""),
                                QString("  "), QString("a\\b")}) {
    const QString mensaje = MensajeDeError<TqovExceptionOperacionesArchivo>([&] { Convertir(nombre); });
    EXPECT_EQ(mensaje,
              "No es posible convertir la empresa '" + nombre + "': su nombre no es un nombre de archivo válido.");
  }
  EXPECT_EQ(Contenido(), antes);
  EXPECT_EQ(QDir(carpeta.Raiz()).entryList({"fuera*"}, QDir::Files), QStringList{"fuera.fdb"});
  EXPECT_TRUE(avisos.Mensajes.isEmpty());
}

// A database file that is a link is not converted: nothing is backed up, archived or moved.
TEST_F(MigrarBD, ADatabaseFileThatIsALinkIsNotConverted) {
  const QString fuera = carpeta.Raiz() + "/fuera.fdb";
  ASSERT_TRUE(QFile::rename(datos.Empresa("EMPRESA1"), fuera));
  ASSERT_TRUE(QFile::link(fuera, datos.Empresa("EMPRESA1")));
  ASSERT_TRUE(QFile::rename(datos.Config(), datos.Ruta() + "System/Config real.fdb"));
  ASSERT_TRUE(QFile::link("Config real.fdb", datos.Config()));
  const QStringList antes = Contenido();
  EXPECT_EQ(MensajeDeError<TqovExceptionOperacionesArchivo>([&] { Convertir("EMPRESA1"); }),
            "No es posible convertir la empresa EMPRESA1: su archivo '" + datos.Empresa("EMPRESA1") +
                "' es un enlace simbólico. Ponga en su lugar el archivo de la base de datos y vuelva a intentarlo.");
  EXPECT_TRUE(MensajeDeError<TqovExceptionOperacionesArchivo>([&] { Convertir("Config", true); })
                  .startsWith("No es posible convertir la base de datos Config: su archivo '"));
  EXPECT_EQ(Contenido(), antes);
  EXPECT_TRUE(avisos.Avance.isEmpty());
}

// The converted database has the old one's owner, group and permissions, whatever the restore gave it.
TEST_F(MigrarBD, TheNewDatabaseGetsTheOldOnesOwnerAndMode) {
  const QByteArray empresa = QFile::encodeName(datos.Empresa("EMPRESA1"));
  if (geteuid() == 0) {
    ASSERT_EQ(chown(empresa.constData(), 1, 1), 0);
  }
  ASSERT_EQ(chmod(empresa.constData(), 0640), 0);
  struct stat antes {};
  ASSERT_EQ(stat(empresa.constData(), &antes), 0);
  Convertir("EMPRESA1");
  struct stat despues {};
  ASSERT_EQ(stat(empresa.constData(), &despues), 0);
  EXPECT_NE(despues.st_ino, antes.st_ino);
  EXPECT_EQ(despues.st_mode & 07777, 0640u);
  EXPECT_EQ(despues.st_uid, antes.st_uid);
  EXPECT_EQ(despues.st_gid, antes.st_gid);
}

// What a conversion makes from a database is no more open than the database and has its owner and group: the
// backup, which the server writes as its own user, and the reports; the folders it creates, and leame.txt,
// follow Config. A folder gives each class that may read or write the database all rights, so that a server
// running as its owner or group writes there; others get none, even where the database gives them some.
TEST_F(MigrarBD, WhatItMakesIsNoMoreOpenThanTheDatabaseAndHasItsOwner) {
  const struct {
    mode_t config, empresa;
    QString deConfig, carpetas, deEmpresa;
  } casos[] = {
      {0600, 0640, "12345:23456 0600", "12345:23456 0700", "12346:23457 0640"},
      {0640, 0660, "12345:23456 0640", "12345:23456 0770", "12346:23457 0660"},
      {0664, 0600, "12345:23456 0660", "12345:23456 0770", "12346:23457 0600"},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(QString::number(caso.config, 8).toStdString());
    const QString ruta = carpeta.Raiz() + "/datos " + QString::number(caso.config, 8) + "/";
    const CarpetaDatos otros(ruta, {"EMPRESA1"}, 5);
    DarAcceso(otros.Config(), 12345, 23456, caso.config);
    DarAcceso(otros.Empresa("EMPRESA1"), 12346, 23457, caso.empresa);
    QDir(carpeta.Log()).removeRecursively();
    for (const bool esConfig : {true, false})
      proc.MigrarBD(avisos, ruta, esConfig ? "Config" : "EMPRESA1", "SYSDBA", ClaveSysdbaServidor(), gbak, "",
                    esConfig);

    for (const QString& creada : {ruta + "Respaldos", ruta + "Respaldos/System", ruta + "ArchivarBDAnterior2019",
                                  ruta + "ArchivarBDAnterior2019/System", carpeta.Log()})
      EXPECT_EQ(AccesoDe(creada), caso.carpetas) << creada.toStdString();
    QStringList deConfig{ruta + "Respaldos/System/Config_MIGRACION_2019.fbk",
                         ruta + "ArchivarBDAnterior2019/leame.txt"};
    QStringList deEmpresa{ruta + "Respaldos/EMPRESA1_MIGRACION_2019.fbk"};
    const QStringList reportes = QDir(carpeta.Log()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    EXPECT_EQ(reportes.size(), 4);  // the backup's and the restore's of each database
    for (const QString& reporte : reportes)
      (reporte.contains("_Config_") ? deConfig : deEmpresa) << carpeta.Log() + "/" + reporte;
    for (const QString& archivo : deConfig) EXPECT_EQ(AccesoDe(archivo), caso.deConfig) << archivo.toStdString();
    for (const QString& archivo : deEmpresa) EXPECT_EQ(AccesoDe(archivo), caso.deEmpresa) << archivo.toStdString();
  }
}

}  // namespace
