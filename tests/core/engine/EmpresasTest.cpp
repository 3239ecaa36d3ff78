#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/engine/ConexionRevision.h"
#include "fixtures/ConversionDePrueba.h"
#include "platform/data/MemTable.h"
#include "platform/fbclient/FbError.h"
#include "platform/fbdac/FbConnection.h"

namespace {

class Empresas : public ConversionDePrueba {
 protected:
  Empresas() { tabla.FieldDefs() = {{"SELECCIONADO", ftString, 20}, {"NOMBRE_CORTO", ftString, 50}}; }

  void Listar() { proc.ObtenerEmpresasConfig(caller, tabla, datos.Ruta(), "SYSDBA", ClaveSysdbaServidor(), ""); }

  // The rows as "name:selected".
  QStringList Filas() {
    QStringList filas;
    for (tabla.First(); !tabla.Eof(); tabla.Next())
      filas << tabla.FieldByName("NOMBRE_CORTO").AsString() + ":" + tabla.FieldByName("SELECCIONADO").AsString();
    return filas;
  }

  TMemTable tabla;
};

TEST_F(Empresas, ListsTheCompaniesStillToConvertAllSelected) {
  // One company converted already, one whose file is missing (it still needs converting).
  QFile::remove(datos.Empresa("ZAPATERIA"));
  QFile::remove(datos.Empresa("EMPRESA1"));
  CarpetaDatos::CrearEmpresa(datos.Empresa("EMPRESA1"), 5, 8192);
  tabla.Open();
  tabla.Append();
  tabla.FieldByName("NOMBRE_CORTO").SetAsString("DE ANTES");
  tabla.Post();

  Listar();
  EXPECT_TRUE(tabla.Active());
  EXPECT_EQ(Filas(), (QStringList{"COMERCIAL SUR:S", "ZAPATERIA:S"}));
  EXPECT_EQ(caller.Convertidas, QStringList{"EMPRESA1"});
  EXPECT_TRUE(caller.Mensajes.isEmpty());
}

// Records the rows at every turn the engine gives its caller, and asks to cancel at one of them.
class CallerQueMira : public CallerDePrueba {
 public:
  explicit CallerQueMira(TMemTable& ATabla) : tabla(ATabla) {}
  void ProcessMessages() override {
    CallerDePrueba::ProcessMessages();
    QStringList filas;
    for (int fila = 0; fila < tabla.RecordCount(); ++fila) filas << tabla.RowValue(fila, 1).toString();
    Vistas << filas.join(',');
    Cancelar = Vistas.size() == CancelarEnVuelta;
  }
  TMemTable& tabla;
  QStringList Vistas;
  int CancelarEnVuelta = 0;
};

TEST_F(Empresas, TheCallerSeesEachCompanyAsItComesAndMayStopTheList) {
  // A turn once Config's list is read, then one after each company. EMPRESA1 is converted already: it is no row,
  // but the caller still gets its turn after its probe.
  QFile::remove(datos.Empresa("EMPRESA1"));
  CarpetaDatos::CrearEmpresa(datos.Empresa("EMPRESA1"), 5, 8192);
  CallerQueMira mira(tabla);
  proc.ObtenerEmpresasConfig(mira, tabla, datos.Ruta(), "SYSDBA", ClaveSysdbaServidor(), "");
  EXPECT_EQ(mira.Vistas, (QStringList{"", "COMERCIAL SUR", "COMERCIAL SUR", "COMERCIAL SUR,ZAPATERIA"}));

  CallerQueMira corta(tabla);
  corta.CancelarEnVuelta = 2;
  proc.ObtenerEmpresasConfig(corta, tabla, datos.Ruta(), "SYSDBA", ClaveSysdbaServidor(), "");
  EXPECT_EQ(corta.Vistas, (QStringList{"", "COMERCIAL SUR"}));
  EXPECT_EQ(Filas(), QStringList{"COMERCIAL SUR:S"});
}

TEST_F(Empresas, AConvertedConfigIsReadFromItsArchivedCopy) {
  QDir().mkpath(Archivo("System"));
  QFile::rename(datos.Config(), Archivo("System/Config.fdb"));
  CarpetaDatos::CrearConfig(datos.Config(), {"SOLO EN LA NUEVA"}, 8192);
  Listar();
  EXPECT_EQ(Filas(), (QStringList{"COMERCIAL SUR:S", "EMPRESA1:S", "ZAPATERIA:S"}));
  EXPECT_EQ(caller.Convertidas, QStringList{"Config"});
}

TEST_F(Empresas, NothingLeftToConvertGivesAnOpenEmptyTable) {
  QFile::remove(datos.Config());
  CarpetaDatos::CrearConfig(datos.Config(), {});
  Listar();
  EXPECT_TRUE(tabla.Active());
  EXPECT_TRUE(tabla.IsEmpty());
}

TEST_F(Empresas, AConfigThatCannotBeReadLeavesTheTableEmpty) {
  // A Config without EMPRESAS, and a data folder that does not exist: the client's error, nothing listed.
  QFile::remove(datos.Config());
  CarpetaDatos::CrearEmpresa(datos.Config());
  EXPECT_THROW(Listar(), EFbError);
  EXPECT_TRUE(tabla.Active());
  EXPECT_TRUE(tabla.IsEmpty());
  const QString noHay = carpeta.Raiz() + "/no hay/";
  EXPECT_THROW(proc.ObtenerEmpresasConfig(caller, tabla, noHay, "SYSDBA", ClaveSysdbaServidor(), ""), EFbError);
  EXPECT_TRUE(tabla.IsEmpty());
  EXPECT_FALSE(QFileInfo::exists(noHay));
}

TEST_F(Empresas, TheCheckingConnectionIsNoOtherUser) {
  proc.ChecarUsuariosConectados(datos.Empresa("EMPRESA1"), "", "SYSDBA", ClaveSysdbaServidor());
  EXPECT_TRUE(proc.ListaUsuariosConectados().isEmpty());
}

TEST_F(Empresas, OtherAttachmentsThroughTheServerAreListed) {
  const QString empresa = datos.Empresa("EMPRESA1");
  const QString clave = ClaveSysdbaServidor();
  std::vector<std::unique_ptr<TFbConnection>> otras;
  for (int i = 0; i < 2; ++i) {
    otras.push_back(std::make_unique<TFbConnection>());
    otras.back()->Database = "localhost:" + empresa;
    otras.back()->Username = "SYSDBA";
    otras.back()->Password = clave;
    otras.back()->Open();
  }
  const QString proceso = QFileInfo("/proc/self/exe").canonicalFilePath();
  const QString entrada = "Usuario: SYSDBA - Proceso: " + proceso;
  try {
    proc.ChecarUsuariosConectados(empresa, "localhost", "SYSDBA", clave);
    FAIL() << "no attachment found";
  } catch (const TqovExceptionBDUsuariosConectados& e) {
    EXPECT_EQ(e.Message(), entrada + "\n\r" + entrada + "\n\r");
  }
  EXPECT_EQ(proc.ListaUsuariosConectados(), (QStringList{entrada, entrada}));
  otras.clear();
  proc.ChecarUsuariosConectados(empresa, "localhost", "SYSDBA", clave);
  EXPECT_TRUE(proc.ListaUsuariosConectados().isEmpty());
}

TEST_F(Empresas, TheInstalledGbakMustBeThere) {
  EXPECT_NO_THROW(proc.ChecarGbakActual(gbak));
  try {
    proc.ChecarGbakActual(carpeta.Raiz() + "/no hay/gbak");
    FAIL() << "accepted";
  } catch (const TqovExceptionGbakRutaIncorrecta& e) {
    EXPECT_EQ(e.Message(),
              "No es posible continuar con el proceso de conversión debido a que no se encuentra la herramienta gbak "
              "del Firebird actual.\n\rCorriga la ruta a la herramienta para continuar.");
  }
  EXPECT_THROW(proc.ChecarGbakActual(carpeta.Raiz()), TqovExceptionGbakRutaIncorrecta);  // a folder is no gbak
}

}  // namespace

namespace {

TEST_F(Empresas, AProfileWithoutServerReachesTheServerOfThisMachine) {
  // The server checks the password, which the embedded engine never does.
  EXPECT_THROW(proc.ObtenerEmpresasConfig(caller, tabla, datos.Ruta(), "SYSDBA", "no es la clave", ""), EFbError);
  EXPECT_THROW(proc.ChecarUsuariosConectados(datos.Empresa("EMPRESA1"), "", "SYSDBA", "no es la clave"), EFbError);
  // A file that the server holds open is checked all the same, and its attachment is found.
  TFbConnection otra;
  otra.Database = "localhost:" + datos.Empresa("EMPRESA1");
  otra.Username = "SYSDBA";
  otra.Password = ClaveSysdbaServidor();
  otra.Open();
  Listar();
  EXPECT_EQ(Filas(), (QStringList{"COMERCIAL SUR:S", "EMPRESA1:S", "ZAPATERIA:S"}));
  EXPECT_THROW(proc.ChecarUsuariosConectados(datos.Empresa("EMPRESA1"), "", "SYSDBA", ClaveSysdbaServidor()),
               TqovExceptionBDUsuariosConectados);
}

TEST(UsuariosConectados, TheServersOwnAttachmentsAreLeftOutOnlyWhereTheDatabaseKnowsThem) {
  const QStringList tres = {"SELECT MON$USER, MON$REMOTE_PROCESS ", "FROM MON$ATTACHMENTS ",
                            "WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION "};
  EXPECT_EQ(TqovFirebirdProc::LineasUsuariosConectados(false), tres);
  EXPECT_EQ(TqovFirebirdProc::LineasUsuariosConectados(true), tres + QStringList{"AND MON$SYSTEM_FLAG = 0 "});
}

TEST_F(Empresas, AnOlderDatabaseIsCheckedWithoutTheColumnItLacks) {
  // Where the monitoring table has no MON$SYSTEM_FLAG the probe says so: a column that a database lacks is
  // found missing the same way.
  TConexionRevision bd(datos.Empresa("EMPRESA1"), "", "SYSDBA", ClaveSysdbaServidor());
  EXPECT_TRUE(bd.TieneColumna("MON$ATTACHMENTS", "MON$SYSTEM_FLAG"));
  EXPECT_FALSE(bd.TieneColumna("MON$ATTACHMENTS", "MON$NO_EXISTE"));
  EXPECT_TRUE(bd.TieneColumna("CLIENTES", "RFC"));
  EXPECT_FALSE(bd.TieneColumna("CLIENTES", "MON$SYSTEM_FLAG"));
}

TEST_F(Empresas, ANameThatIsNoPlainFileNameIsLeftOutWithAMessage) {
  QFile::remove(datos.Config());
  CarpetaDatos::CrearConfig(datos.Config(), {"EMPRESA1", "../fuera", "a/b", "..", "."});
  Listar();
  EXPECT_EQ(Filas(), QStringList{"EMPRESA1:S"});
  EXPECT_EQ(caller.Mensajes.size(), 4);
  EXPECT_TRUE(caller.Mensajes.contains(
      "La empresa '../fuera' no se puede convertir: su nombre no es un nombre de archivo válido."));
}

// A company whose file is a link, relative or absolute, is left out with a message naming it; the others
// are listed.
TEST_F(Empresas, ACompanyWhoseFileIsALinkIsLeftOutWithAMessage) {
  const QString fuera = carpeta.Raiz() + "/fuera.fdb";
  ASSERT_TRUE(QFile::rename(datos.Empresa("EMPRESA1"), fuera));
  ASSERT_TRUE(QFile::link(fuera, datos.Empresa("EMPRESA1")));
  ASSERT_TRUE(QFile::rename(datos.Empresa("ZAPATERIA"), datos.Ruta() + "zapateria real.fdb"));
  ASSERT_TRUE(QFile::link("zapateria real.fdb", datos.Empresa("ZAPATERIA")));
  Listar();
  EXPECT_EQ(Filas(), QStringList{"COMERCIAL SUR:S"});
  for (const QString& nombre : {QString("EMPRESA1"), QString("ZAPATERIA")})
    EXPECT_TRUE(caller.Mensajes.contains("No es posible convertir la empresa " + nombre + ": su archivo '" +
                                         datos.Empresa(nombre) +
                                         "' es un enlace simbólico. Ponga en su lugar el archivo de la base de datos "
                                         "y vuelva a intentarlo."))
        << caller.Mensajes.join("|").toStdString();
}

}  // namespace
