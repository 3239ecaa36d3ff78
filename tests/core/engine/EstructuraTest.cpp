#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <typeinfo>

#include "core/engine/ExcepcionesConverBD.h"
#include "core/engine/VariablesGlobales.h"
#include "fixtures/AccesoArchivos.h"
#include "fixtures/BasesDePrueba.h"
#include "fixtures/CallerDePrueba.h"
#include "fixtures/CarpetaTrabajo.h"
#include "fixtures/RelojFijo.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/TextFile.h"

namespace {

const QString Cola = QStringLiteral(
    "' en la carpeta 'log' en la ruta en donde está la herramienta de conversión para "
    "ver más detalles.");

class Estructura : public ::testing::Test {
 protected:
  void SetUp() override {
    ServidorFirebirdActual.clear();
    CrearBaseDatos(bd);
  }
  void TearDown() override { ServidorFirebirdActual.clear(); }

  // What the check left in the temporary folder.
  QStringList Temporales() const { return QDir(carpeta.Temporal()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System); }
  QString Script() const { return carpeta.Log() + QStringLiteral("/EMPRESA1_metadata.sql"); }
  // A link under the scratch folder's old fixed name, pointing at another data folder.
  void PlantarEnlace() const {
    ASSERT_TRUE(QDir().mkpath(Otros()));
    ASSERT_TRUE(QFile(Otros() + QStringLiteral("/EMPRESA2.FDB")).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(Otros(), carpeta.Temporal() + QStringLiteral("/QovTemporalConversion")));
  }
  // The link is still there, and the folder it points at keeps its file.
  void EnlaceIntacto() const {
    EXPECT_EQ(Temporales(), QStringList{QStringLiteral("QovTemporalConversion")});
    EXPECT_TRUE(QFileInfo(carpeta.Temporal() + QStringLiteral("/QovTemporalConversion")).isSymLink());
    EXPECT_TRUE(QFile::exists(Otros() + QStringLiteral("/EMPRESA2.FDB")));
  }
  QString Otros() const { return carpeta.Raiz() + QStringLiteral("/otros datos"); }
  QString Anterior() const { return carpeta.Raiz() + QStringLiteral("/firebird anterior"); }

  // The one report of the check in the log folder.
  QString Reporte() const {
    const QStringList reportes = QDir(carpeta.Log()).entryList({"*_VALIDAR_ESTRUCTURA.txt"}, QDir::Files);
    EXPECT_EQ(reportes.size(), 1);
    EXPECT_TRUE(QRegularExpression("^\\d{4}(-\\d{2}){5}_EMPRESA1_VALIDAR_ESTRUCTURA\\.txt$")
                    .match(reportes.value(0))
                    .hasMatch());
    return reportes.value(0);
  }

  // Runs the check, which must raise an exception of the class, and returns its message.
  template <class E = Exception>
  QString Falla(const QString& AGbak, const QString& AClave = ClaveSysdbaServidor()) {
    try {
      proc.ValidarEstructura(caller, bd, QStringLiteral("EMPRESA1"), AGbak, QStringLiteral("SYSDBA"), AClave);
    } catch (const Exception& e) {
      EXPECT_EQ(typeid(e), typeid(E));
      return e.Message();
    }
    ADD_FAILURE() << "no exception";
    return {};
  }
  // What a failed extraction says, the check not having run.
  static QString ErrorExtraccion(const QString& AReporte) {
    return QStringLiteral("No fue posible validar la estructura de la base de datos: ocurrió un error al extraer sus "
                          "metadatos con el isql del servidor instalado. Consulte el archivo '") +
           AReporte + Cola;
  }

  CarpetaTrabajo carpeta;
  CallerDePrueba caller;
  TqovFirebirdProc proc;
  const QString bd = carpeta.Datos() + QStringLiteral("EMPRESA1.FDB");
};

TEST_F(Estructura, MetadataThatReplaysCleanly) {
  const QString gbak = InstalarServidorAnterior(Anterior(), HerramientaFirebird3(QStringLiteral("isql")));
  proc.ValidarEstructura(caller, bd, QStringLiteral("EMPRESA1"), gbak, QStringLiteral("SYSDBA"), ClaveSysdbaServidor());

  EXPECT_EQ(caller.Mensajes,
            QStringList{QStringLiteral(
                "Ocurrió un error al restaurar el respaldo.\r\nValidando estructura de la empresa EMPRESA1...")});
  const QStringList script = LoadAnsiLines(Script());
  ASSERT_GT(script.size(), 3);
  EXPECT_EQ(script[1], QStringLiteral("SET SQL DIALECT 3; "));
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^CREATE DATABASE '%1/QovTemporalConversion\\.\\w{6}/qov_val_empresa1' "
                                                "PAGE_SIZE 8192 DEFAULT CHARACTER SET NONE;$")
                                     .arg(QRegularExpression::escape(carpeta.Temporal())))
                  .match(script[2])
                  .hasMatch())
      << script[2].toStdString();
  EXPECT_TRUE(script.join('\n').contains(QStringLiteral("CREATE TABLE CLIENTES")));
  Reporte();
  EXPECT_EQ(Temporales(), QStringList());
}

TEST_F(Estructura, MetadataThatFirebird3Refuses) {
  const QString gbak = InstalarServidorAnterior(Anterior(), HerramientaDePrueba(QStringLiteral("isql-anterior")));
  const QString error = Falla(gbak);
  const QString reporte = Reporte();
  EXPECT_EQ(error,
            QStringLiteral("Se han detectado problemas al validar la estructura de la base de datos. Consulte el "
                           "archivo '") +
                reporte + Cola);
  QFile salida(carpeta.Log() + QLatin1Char('/') + reporte);
  ASSERT_TRUE(salida.open(QIODevice::ReadOnly));
  EXPECT_TRUE(salida.readAll().contains("OFFSET"));
  EXPECT_TRUE(QFile::exists(Script()));
  EXPECT_EQ(Temporales(), QStringList());
}

// The scratch folder is the check's own: a link planted under the old fixed name, pointing at a data folder,
// is neither followed nor removed.
TEST_F(Estructura, AFailedExtractionKeepsItsOutputAndFollowsNoPlantedLink) {
  PlantarEnlace();
  // Written in capitals, the gbak path does not lead to an isql: gbak itself gets isql's parameters.
  const QString gbak =
      InstalarServidorAnterior(Anterior(), HerramientaFirebird3(QStringLiteral("isql")), QStringLiteral("GBAK"));
  const QString error = Falla<TqovExceptionGbak>(gbak);
  const QString reporte = Reporte();
  EXPECT_EQ(error, ErrorExtraccion(reporte));
  QFile salida(carpeta.Log() + QLatin1Char('/') + reporte);
  ASSERT_TRUE(salida.open(QIODevice::ReadOnly));
  EXPECT_TRUE(salida.readAll().contains("gbak"));
  EXPECT_FALSE(QFile::exists(Script()));
  EnlaceIntacto();
}

TEST_F(Estructura, AReplayThatFailsRemovesTheScratchFolderButNotAPlantedLink) {
  PlantarEnlace();
  Falla(InstalarServidorAnterior(Anterior(), HerramientaDePrueba(QStringLiteral("isql-anterior"))));
  EnlaceIntacto();
}

TEST_F(Estructura, TheExtractionGoesThroughTheServerSignedInTo) {
  const QString gbak = InstalarServidorAnterior(Anterior(), HerramientaFirebird3(QStringLiteral("isql")));
  for (const QString& servidor : {QStringLiteral("localhost"), QStringLiteral("127.0.0.1:3050")}) {
    ServidorFirebirdActual = servidor;
    proc.ValidarEstructura(caller, bd, QStringLiteral("EMPRESA1"), gbak, QStringLiteral("SYSDBA"),
                           ClaveSysdbaServidor());
    QDir(carpeta.Log()).removeRecursively();
    QDir().mkpath(carpeta.Log());
    // The embedded engine would take any password: this one fails because the server checks it.
    const QString error = Falla<TqovExceptionGbak>(gbak, QStringLiteral("no es la clave"));
    EXPECT_EQ(error, ErrorExtraccion(Reporte()));
    QDir(carpeta.Log()).removeRecursively();
    QDir().mkpath(carpeta.Log());
  }
}

// A second check within the same second, or after an earlier one left its script, writes beside them.
TEST_F(Estructura, AnEarlierChecksReportAndScriptStayAsTheyWere) {
  const RelojFijo reloj;
  const QString reporte = RelojFijo::Estampa() + "_EMPRESA1_VALIDAR_ESTRUCTURA";
  for (const QString& nombre : {reporte + ".txt", QStringLiteral("EMPRESA1_metadata.sql")}) {
    QFile anterior(carpeta.Log() + "/" + nombre);
    ASSERT_TRUE(anterior.open(QIODevice::WriteOnly));
    anterior.write("de la revisión anterior\n");
  }
  const QString gbak = InstalarServidorAnterior(Anterior(), HerramientaDePrueba(QStringLiteral("isql-anterior")));
  EXPECT_EQ(Falla(gbak), "Se han detectado problemas al validar la estructura de la base de datos. Consulte el "
                         "archivo '" +
                             reporte + "_2.txt" + Cola);
  for (const QString& nombre : {reporte + ".txt", QStringLiteral("EMPRESA1_metadata.sql")}) {
    QFile anterior(carpeta.Log() + "/" + nombre);
    ASSERT_TRUE(anterior.open(QIODevice::ReadOnly));
    EXPECT_EQ(anterior.readAll(), "de la revisión anterior\n");
  }
  QFile salida(carpeta.Log() + "/" + reporte + "_2.txt");
  ASSERT_TRUE(salida.open(QIODevice::ReadOnly));
  EXPECT_TRUE(salida.readAll().contains("OFFSET"));
  EXPECT_TRUE(LoadAnsiLines(carpeta.Log() + "/EMPRESA1_metadata_2.sql").join('\n').contains("CREATE DATABASE"));
}

// The report and the script hold the database's metadata: they get its owner, group and mode, whether the
// replay fails or the extraction does.
TEST_F(Estructura, ItsReportAndScriptHaveTheDatabasesOwnerAndMode) {
  DarAcceso(bd, 12345, 23456, 0640);
  const QString gbakReproduceMal =
      InstalarServidorAnterior(Anterior(), HerramientaDePrueba(QStringLiteral("isql-anterior")));
  const QString gbakSinIsql =
      InstalarServidorAnterior(carpeta.Raiz() + "/sin isql", HerramientaFirebird3(QStringLiteral("isql")), "GBAK");
  for (const QString& gbak : {gbakReproduceMal, gbakSinIsql}) {
    SCOPED_TRACE(gbak.toStdString());
    QDir(carpeta.Log()).removeRecursively();
    QDir().mkpath(carpeta.Log());
    EXPECT_THROW(proc.ValidarEstructura(caller, bd, QStringLiteral("EMPRESA1"), gbak, QStringLiteral("SYSDBA"),
                                        ClaveSysdbaServidor()),
                 Exception);
    const QStringList archivos = QDir(carpeta.Log()).entryList(QDir::Files);
    EXPECT_EQ(archivos.size(), gbak == gbakReproduceMal ? 2 : 1);
    for (const QString& archivo : archivos)
      EXPECT_EQ(AccesoDe(carpeta.Log() + "/" + archivo), "12345:23456 0640") << archivo.toStdString();
  }
}

}  // namespace
