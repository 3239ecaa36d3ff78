#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "core/engine/ExcepcionesConverBD.h"
#include "fixtures/BasesDePrueba.h"
#include "fixtures/CallerDePrueba.h"
#include "fixtures/CarpetaTrabajo.h"
#include "fixtures/MensajeDeError.h"
#include "fixtures/RelojFijo.h"

namespace {

const QString Estampa = QStringLiteral("\\d{4}-\\d{2}-\\d{2}-\\d{2}-\\d{2}-\\d{2}");
const QString Cola = QStringLiteral(
    "' en la carpeta 'log' en la ruta en donde está la herramienta de conversión para "
    "ver más detalles.");

class RespaldoRestauracion : public ::testing::Test {
 protected:
  QStringList Reportes() const { return QDir(carpeta.Log()).entryList(QDir::Files, QDir::Name); }

  CarpetaTrabajo carpeta;
  CallerDePrueba caller;
  TqovFirebirdProc proc;
  const QString gbakInstalado = HerramientaFirebird3(QStringLiteral("gbak"));
};

TEST_F(RespaldoRestauracion, ParameterStrings) {
  EXPECT_EQ(TqovFirebirdProc::ParametrosRespaldo("/d/E.fdb", "/d/Respaldos/E_MIGRACION_2019.fbk", "SYSDBA", "clave", "",
                                                 "/c/log/r.txt")
                .Texto(),
            "-b  -se localhost:service_mgr -t -user SYSDBA -password clave \"/d/E.fdb\" "
            "\"/d/Respaldos/E_MIGRACION_2019.fbk\" -y \"/c/log/r.txt\"");
  EXPECT_EQ(
      TqovFirebirdProc::ParametrosRespaldo("/d/E.fdb", "/d/E.fbk", "SYSDBA", "clave", "localhost", "/c/r.txt").Texto(),
      "-b  -se localhost:service_mgr -t -user SYSDBA -password clave \"/d/E.fdb\" \"/d/E.fbk\" -y \"/c/r.txt\"");
  EXPECT_EQ(proc.ParametrosRestauracion("/d/E.fbk", "/d/E_ODS12.fdb", "/c/log/r.txt").Texto(),
            "-c -replace -p 8192 -user SYSDBA -password quorbiled \"/d/E.fbk\" \"/d/E_ODS12.fdb\" -y \"/c/log/r.txt\"");
}

TEST_F(RespaldoRestauracion, AnOlderDatabaseBecomesAnOds12FileWithItsData) {
  // Shell characters in the company name and blanks in every folder reach gbak intact.
  const QString nombre = QStringLiteral("Mi \"Empresa\" $1;&`x`");
  const QString bd = carpeta.Datos() + nombre + QStringLiteral(".fdb");
  const QString respaldo = carpeta.Datos() + nombre + QStringLiteral("_MIGRACION_2019.fbk");
  const QString nueva = carpeta.Datos() + nombre + QStringLiteral("_ODS12.fdb");
  CrearBaseDatos(bd);

  proc.RespaldarEnVersionActual(caller, bd, respaldo, nombre, gbakInstalado, "SYSDBA", ClaveSysdbaServidor(), false,
                                "");
  proc.RestaurarRespaldoEnFB30(caller, respaldo, nueva, nombre, false);

  EXPECT_EQ(caller.Mensajes, (QStringList{"Respaldando la empresa " + nombre + " con la versión actual de Firebird...",
                                          "Se respaldó la empresa " + nombre + " correctamente.",
                                          "Restaurando respaldo de empresa " + nombre +
                                              " a una base de datos con formato de Firebird 3.0..."}));
  EXPECT_GE(caller.Bombeos, 2);
  const QStringList reportes = Reportes();
  ASSERT_EQ(reportes.size(), 2);
  const QString nombreEscapado = QRegularExpression::escape(nombre);
  EXPECT_TRUE(
      QRegularExpression("^" + Estampa + "_" + nombreEscapado + "_RESPALDAR\\.txt$").match(reportes[0]).hasMatch())
      << reportes[0].toStdString();
  EXPECT_TRUE(
      QRegularExpression("^" + Estampa + "_" + nombreEscapado + "_RESTAURAR\\.txt$").match(reportes[1]).hasMatch())
      << reportes[1].toStdString();

  const QString encabezado = EncabezadoGstat(nueva);
  EXPECT_TRUE(encabezado.contains("ODS version\t\t12")) << encabezado.toStdString();
  EXPECT_TRUE(encabezado.contains("Page size\t\t8192")) << encabezado.toStdString();
  EXPECT_TRUE(ConsultarIsql(nueva, "SELECT NOMBRE FROM CLIENTES;").contains(QStringLiteral("Compañía del Año")));
}

TEST_F(RespaldoRestauracion, ConfigHasItsOwnWording) {
  const QString bd = carpeta.Datos() + QStringLiteral("Config.fdb");
  const QString respaldo = carpeta.Datos() + QStringLiteral("Config_MIGRACION_2019.fbk");
  CrearBaseDatos(bd);
  proc.RespaldarEnVersionActual(caller, bd, respaldo, "Config", gbakInstalado, "SYSDBA", ClaveSysdbaServidor(), true,
                                "");
  proc.RestaurarRespaldoEnFB30(caller, respaldo, carpeta.Datos() + QStringLiteral("Config_ODS12.fdb"), "Config", true);
  EXPECT_EQ(
      caller.Mensajes,
      (QStringList{"Respaldando la base de datos Config con la versión actual de Firebird...",
                   "Se respaldó la base de datos Config correctamente.",
                   "Restaurando respaldo de base de datos Config a una base de datos con formato de Firebird 3.0..."}));
}

TEST_F(RespaldoRestauracion, TheRestoreReplacesALeftoverNewFile) {
  const QString bd = carpeta.Datos() + QStringLiteral("EMPRESA.fdb");
  const QString respaldo = carpeta.Datos() + QStringLiteral("EMPRESA.fbk");
  const QString nueva = carpeta.Datos() + QStringLiteral("EMPRESA_ODS12.fdb");
  CrearBaseDatos(bd);
  QFile sobrante(nueva);
  ASSERT_TRUE(sobrante.open(QIODevice::WriteOnly));
  sobrante.write("un intento anterior");
  sobrante.close();
  proc.RespaldarEnVersionActual(caller, bd, respaldo, "EMPRESA", gbakInstalado, "SYSDBA", ClaveSysdbaServidor(), false,
                                "");
  proc.RestaurarRespaldoEnFB30(caller, respaldo, nueva, "EMPRESA", false);
  EXPECT_TRUE(EncabezadoGstat(nueva).contains("ODS version\t\t12"));
}

TEST_F(RespaldoRestauracion, ABackupThroughTheServersServiceManager) {
  // The test server's password holds blanks, quotes and shell characters.
  const RelojFijo reloj;
  const QString bd = carpeta.Datos() + QStringLiteral("EMPRESA.fdb");
  const QString respaldo = carpeta.Datos() + QStringLiteral("EMPRESA.fbk");
  CrearBaseDatos(bd);
  proc.RespaldarEnVersionActual(caller, bd, respaldo, "EMPRESA", gbakInstalado, "SYSDBA", ClaveSysdbaServidor(), false,
                                "localhost");
  EXPECT_EQ(caller.Mensajes.last(), "Se respaldó la empresa EMPRESA correctamente.");
  EXPECT_TRUE(QFile::exists(respaldo));

  // The embedded engine would take any password: this one fails because the server checks it.
  caller.Mensajes.clear();
  const QString error = MensajeDeError<TqovExceptionGbak>([&] {
    proc.RespaldarEnVersionActual(caller, bd, carpeta.Datos() + QStringLiteral("otro.fbk"), "EMPRESA", gbakInstalado,
                                  "SYSDBA", "no es la clave", false, "localhost");
  });
  // Both backups started in the same second: the second report takes the next name.
  EXPECT_EQ(error, "Ocurrió un error al respaldar la empresa. Consulte el archivo '" + RelojFijo::Estampa() +
                       "_EMPRESA_RESPALDAR_2.txt" + Cola);
  EXPECT_EQ(caller.Mensajes, QStringList{"Respaldando la empresa EMPRESA con la versión actual de Firebird..."});
}

TEST_F(RespaldoRestauracion, FailuresRaiseTheStepsErrorNamingItsReport) {
  const RelojFijo reloj;
  const QString bd = carpeta.Datos() + QStringLiteral("EMPRESA.fdb");
  CrearBaseDatos(bd);

  // An installed gbak that is not there fails as a gbak that ends with an error.
  const QString errorRespaldo = MensajeDeError<TqovExceptionGbak>([&] {
    proc.RespaldarEnVersionActual(caller, bd, carpeta.Datos() + QStringLiteral("E.fbk"), "Config",
                                  carpeta.Raiz() + QStringLiteral("/no hay/gbak"), "SYSDBA", ClaveSysdbaServidor(),
                                  true, "");
  });
  EXPECT_EQ(errorRespaldo, "Ocurrió un error al respaldar la base de datos. Consulte el archivo '" +
                               RelojFijo::Estampa() + "_Config_RESPALDAR.txt" + Cola);

  const QString danado = carpeta.Datos() + QStringLiteral("EMPRESA.fbk");
  QFile respaldo(danado);
  ASSERT_TRUE(respaldo.open(QIODevice::WriteOnly));
  respaldo.write(QByteArray(4096, 'x'));
  respaldo.close();
  for (const bool esConfig : {false, true}) {
    caller.Mensajes.clear();
    const QString errorRestauracion = MensajeDeError<TqovExceptionGbak>([&] {
      proc.RestaurarRespaldoEnFB30(caller, danado, carpeta.Datos() + QStringLiteral("EMPRESA_ODS12.fdb"), "EMPRESA",
                                   esConfig);
    });
    EXPECT_EQ(errorRestauracion, "Ocurrió un error al restaurar el respaldo. Consulte el archivo '" +
                                     RelojFijo::Estampa() + "_EMPRESA_RESTAURAR" + (esConfig ? "_2" : "") + ".txt" +
                                     Cola);
    EXPECT_EQ(caller.Mensajes.size(), 1);  // the start line, no success line
  }
}

}  // namespace

namespace {

// A program that ends well without writing a backup is no backup: neither with no file there, nor with an
// empty one, nor with an earlier run's backup left in place.
TEST_F(RespaldoRestauracion, AGbakThatWritesNoBackupFailsTheBackup) {
  const QString bd = carpeta.Datos() + QStringLiteral("EMPRESA.fdb");
  CrearBaseDatos(bd);
  const QString respaldo = carpeta.Datos() + QStringLiteral("EMPRESA.fbk");
  for (const QByteArray& anterior : {QByteArray(), QByteArray(""), QByteArray("respaldo de otra corrida")}) {
    SCOPED_TRACE(anterior.isNull() ? "sin archivo" : anterior.constData());
    QFile::remove(respaldo);
    if (!anterior.isNull()) {
      QFile archivo(respaldo);
      ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
      archivo.write(anterior);
    }
    caller.Mensajes.clear();
    const QString error = MensajeDeError<TqovExceptionGbak>([&] {
      proc.RespaldarEnVersionActual(caller, bd, respaldo, "EMPRESA", QStringLiteral("/bin/true"), "SYSDBA",
                                    ClaveSysdbaServidor(), false, "");
    });
    EXPECT_TRUE(error.startsWith("Ocurrió un error al respaldar la empresa. Consulte el archivo '")) << error.toStdString();
    EXPECT_EQ(caller.Mensajes, QStringList{"Respaldando la empresa EMPRESA con la versión actual de Firebird..."});
  }
}

TEST_F(RespaldoRestauracion, AFailedGbakLeavesItsOutputInTheReportAndNoPartialNewFile) {
  // A backup cut short: gbak creates the new file, then fails reading the backup.
  const QString bd = carpeta.Datos() + QStringLiteral("EMPRESA.fdb");
  const QString respaldo = carpeta.Datos() + QStringLiteral("EMPRESA.fbk");
  const QString nueva = carpeta.Datos() + QStringLiteral("EMPRESA_ODS12.fdb");
  CrearBaseDatos(bd);
  proc.RespaldarEnVersionActual(caller, bd, respaldo, "EMPRESA", gbakInstalado, "SYSDBA", ClaveSysdbaServidor(), false,
                                "");
  QFile completo(respaldo);
  ASSERT_TRUE(completo.resize(completo.size() / 2));
  const QString error = MensajeDeError<TqovExceptionGbak>(
      [&] { proc.RestaurarRespaldoEnFB30(caller, respaldo, nueva, "EMPRESA", false); });
  EXPECT_FALSE(QFile::exists(nueva));
  const QStringList restauraciones = QDir(carpeta.Log()).entryList({"*_RESTAURAR.txt"}, QDir::Files);
  ASSERT_EQ(restauraciones.size(), 1);
  EXPECT_TRUE(error.contains(restauraciones[0]));
  QFile reporte(carpeta.Log() + QLatin1Char('/') + restauraciones[0]);
  ASSERT_TRUE(reporte.open(QIODevice::ReadOnly));
  EXPECT_FALSE(reporte.readAll().trimmed().isEmpty());

  // A gbak that cannot even start says why in the report that the error names.
  QDir(carpeta.Log()).removeRecursively();
  QDir().mkdir(carpeta.Log());
  const QString sinGbak = MensajeDeError<TqovExceptionGbak>([&] {
    proc.RespaldarEnVersionActual(caller, bd, carpeta.Datos() + QStringLiteral("E.fbk"), "EMPRESA",
                                  carpeta.Raiz() + QStringLiteral("/no hay/gbak"), "SYSDBA", ClaveSysdbaServidor(),
                                  false, "");
  });
  const QStringList respaldos = QDir(carpeta.Log()).entryList({"*_RESPALDAR.txt"}, QDir::Files);
  ASSERT_EQ(respaldos.size(), 1);
  QFile sinSalida(carpeta.Log() + QLatin1Char('/') + respaldos[0]);
  ASSERT_TRUE(sinSalida.open(QIODevice::ReadOnly));
  EXPECT_TRUE(sinGbak.contains(respaldos[0]));
  EXPECT_TRUE(sinSalida.readAll().contains("no hay/gbak"));
}

// Within one second a second run of a step finds its report name taken: by an earlier report, by a link
// (even one to nothing) or by the output a gbak run keeps aside. It takes the next free name, and the error
// names the file really written; nothing that was there changes.
TEST_F(RespaldoRestauracion, ATakenReportNameGivesWayToTheNextFreeOne) {
  const RelojFijo reloj;
  const QString bd = carpeta.Datos() + QStringLiteral("EMPRESA.fdb");
  CrearBaseDatos(bd);
  const QString base = carpeta.Log() + "/" + RelojFijo::Estampa() + "_EMPRESA_RESPALDAR";
  QFile anterior(base + ".txt");
  ASSERT_TRUE(anterior.open(QIODevice::WriteOnly));
  anterior.write("un reporte anterior\n");
  anterior.close();
  ASSERT_TRUE(QFile::link("no existe", base + "_2.txt"));
  QFile aparte(base + "_3.txt.salida");
  ASSERT_TRUE(aparte.open(QIODevice::WriteOnly));
  aparte.write("salida de un gbak interrumpido\n");
  aparte.close();

  const QString error = MensajeDeError<TqovExceptionGbak>([&] {
    proc.RespaldarEnVersionActual(caller, bd, carpeta.Datos() + QStringLiteral("E.fbk"), "EMPRESA",
                                  carpeta.Raiz() + QStringLiteral("/no hay/gbak"), "SYSDBA", ClaveSysdbaServidor(),
                                  false, "");
  });
  EXPECT_EQ(error, "Ocurrió un error al respaldar la empresa. Consulte el archivo '" + RelojFijo::Estampa() +
                       "_EMPRESA_RESPALDAR_4.txt" + Cola);
  QFile cuarto(base + "_4.txt");
  ASSERT_TRUE(cuarto.open(QIODevice::ReadOnly));
  EXPECT_TRUE(cuarto.readAll().contains("no hay/gbak"));

  proc.RespaldarEnVersionActual(caller, bd, carpeta.Datos() + QStringLiteral("E.fbk"), "EMPRESA", gbakInstalado,
                                "SYSDBA", ClaveSysdbaServidor(), false, "");
  EXPECT_TRUE(QFile::exists(base + "_5.txt"));
  ASSERT_TRUE(anterior.open(QIODevice::ReadOnly));
  EXPECT_EQ(anterior.readAll(), "un reporte anterior\n");
  EXPECT_EQ(QFile::symLinkTarget(base + "_2.txt"), QDir(carpeta.Log()).filePath("no existe"));
  ASSERT_TRUE(aparte.open(QIODevice::ReadOnly));
  EXPECT_EQ(aparte.readAll(), "salida de un gbak interrumpido\n");
  EXPECT_FALSE(QFile::exists(base + "_3.txt"));
}

// A backup that fails leaves no partial backup file (it holds company rows): neither a new one nor one that it
// wrote over. A backup file that the failed run did not write stays as it was.
TEST_F(RespaldoRestauracion, AFailedBackupLeavesNothingItWrote) {
  const QString bd = carpeta.Datos() + QStringLiteral("EMPRESA.fdb");
  const QString respaldo = carpeta.Datos() + QStringLiteral("EMPRESA.fbk");
  CrearBaseDatos(bd);
  const struct {
    QString gbak, clave;
    QByteArray anterior;  // null: no file there
    bool queda;
  } casos[] = {
      {HerramientaDePrueba("gbak-cortado"), ClaveSysdbaServidor(), QByteArray(), false},
      {HerramientaDePrueba("gbak-cortado"), ClaveSysdbaServidor(), "respaldo de otra corrida", false},
      {gbakInstalado, "no es la clave", "respaldo de otra corrida", true},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(caso.gbak.toStdString() + " " + caso.anterior.constData());
    QFile::remove(respaldo);
    if (!caso.anterior.isNull()) {
      QFile archivo(respaldo);
      ASSERT_TRUE(archivo.open(QIODevice::WriteOnly));
      archivo.write(caso.anterior);
    }
    EXPECT_THROW(
        proc.RespaldarEnVersionActual(caller, bd, respaldo, "EMPRESA", caso.gbak, "SYSDBA", caso.clave, false, ""),
        TqovExceptionGbak);
    QFile queda(respaldo);
    EXPECT_EQ(queda.exists(), caso.queda);
    if (caso.queda) {
      ASSERT_TRUE(queda.open(QIODevice::ReadOnly));
      EXPECT_EQ(queda.readAll(), caso.anterior);
    }
  }
}

}  // namespace
