#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>

#include "fixtures/ImprimirQt.h"
#include "fixtures/SesionDePrueba.h"
#include "platform/forms/Screen.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

// Runs AAccion, which must raise TqovExceptionBaseDatos, and gives the exception.
template <typename F>
TqovExceptionBaseDatos Falla(F AAccion) {
  try {
    AAccion();
  } catch (const TqovExceptionBaseDatos& e) {
    return e;
  }
  ADD_FAILURE() << "no TqovExceptionBaseDatos was raised";
  return TqovExceptionBaseDatos(QString(), -1, QString());
}

// Runs AAccion, which must raise the base Exception and no subclass, and gives its message.
template <typename F>
QString FallaDeUso(F AAccion) {
  try {
    AAccion();
  } catch (const Exception& e) {
    EXPECT_EQ(typeid(e), typeid(Exception));
    return e.Message();
  }
  ADD_FAILURE() << "no Exception was raised";
  return {};
}

// Records the cursors the screen shows until it goes.
class CursoresVistos {
 public:
  CursoresVistos() {
    Screen.SetCursor(crDefault);
    Screen.OnCursorChange = [this](TCursor ACursor) { FVistos << ACursor; };
  }
  ~CursoresVistos() {
    Screen.OnCursorChange = nullptr;
    Screen.SetCursor(crDefault);
  }
  QList<TCursor> FVistos;
};

const QString SinClientDataSet = QStringLiteral(
    "Método: TqovSesionBDFirebird.EjecutarQuery, Error: Se intentó ejecutar un query de SELECT sin proporcionar un "
    "TClientDataSet");
const QString ConClientDataSet = QStringLiteral(
    "Método: TqovSesionBDFirebird.EjecutarQuery, Error: Se proporcionó un TClientDataSet al intentar ejecutar un "
    "query que no es de SELECT");

TEST(SesionBDFirebird, StartsWithTheProductionSemaphoreBudget) {
  const SesionDePrueba sesion;
  EXPECT_EQ(sesion.IntentosRestantes(), 100);
  EXPECT_EQ(sesion.EsperaEntreIntentos(), 500);
  EXPECT_EQ(sesion.RowsAffected(), 0);
}

TEST(SesionBDFirebird, ConnectionErrorsAreTranslatedByTheirFirebirdCode) {
  const ArgumentosDePrueba argumentos({"programa", "", "", "", "", "Matriz"});
  SesionDePrueba sesion;
  sesion.ParametrosDeSesion().SetNombreBD("Empresa1");
  sesion.ParametrosDeSesion().SetDatabasePath("/datos/");
  const QString usuario =
      "El nombre de usuario o la contraseña son inválidos para el Servidor de la conexión "
      "'Matriz'." +
      CrLf + "Escriba los datos correctamente o consulte al Administrador del sistema.";
  const QString servidor =
      "No se puede hacer contacto con el Servidor de la conexión 'Matriz'." + CrLf +
      "La computadora está apagada, no es un recurso compartido, el protocolo de comunicación es inadecuado, el "
      "Servidor de datos no está instalado o los datos de la conexión están incorrectos.";
  const struct {
    int firebird;
    bool enConectar;
    int codigo;
    QString mensaje;
  } casos[] = {
      {335544344, true, 2,
       "No se puede accesar la base de datos 'Empresa1.fdb' de la carpeta '/datos/'." + CrLf +
           "Consulte al Administrador del Sistema."},
      {335544472, true, 3, usuario},
      {335544472, false, 3, usuario},
      {335545106, true, 3, usuario},
      {335545106, false, 0, "texto del cliente"},
      {335544375, true, 4, servidor},
      {335544721, false, 4, servidor},
      {335544379, false, 12,
       "La base de datos de la empresa Empresa1 no es" + CrLf + "compatible con el servidor Firebird 5.0." + CrLf +
           "Es necesario convertirla a la nueva versión vía un respaldo" + CrLf +
           "y una restauración en la administración del sistema."},
      {335544665, true, 0, "texto del cliente"},
  };
  for (const auto& caso : casos) {
    const TqovExceptionBaseDatos e =
        sesion.ErrorDeConexion(EFbError("texto del cliente", caso.firebird), caso.enConectar);
    EXPECT_EQ(e.CodigoError(), caso.codigo) << caso.firebird << " " << caso.enConectar;
    EXPECT_EQ(e.Message(), caso.mensaje) << caso.firebird << " " << caso.enConectar;
    EXPECT_EQ(e.Clase(), "TqovSesionBDFirebird");
    EXPECT_EQ(e.Operacion(), "Conectar");
    EXPECT_TRUE(e.Referencia().isEmpty());
  }
}

TEST(SesionBDFirebird, StatementErrorsAreTranslatedByTheirFirebirdCode) {
  const SesionDePrueba sesion;
  const struct {
    int firebird;
    int codigo;
  } casos[] = {{335544336, 7}, {335544345, 7}, {335544451, 7}, {335544510, 7}, {335544349, 6}, {335544665, 6},
               {335544375, 4}, {335544721, 4}, {335544466, 5}, {335544517, 8}, {335544344, 0}, {0, 0}};
  for (const auto& caso : casos) {
    const TqovExceptionBaseDatos e =
        sesion.ErrorDeEjecucion(EFbError("texto del cliente", caso.firebird), "EjecutarProc");
    EXPECT_EQ(e.CodigoError(), caso.codigo) << caso.firebird;
    EXPECT_EQ(e.Message(), "texto del cliente");
    EXPECT_EQ(e.Operacion(), "EjecutarProc");
    EXPECT_EQ(e.Clase(), "TqovSesionBDFirebird");
  }
}

TEST(SesionBDFirebird, TheFirstSixCharactersAfterControlCharactersTellASelect) {
  const struct {
    QString sql;
    bool select;
  } casos[] = {
      {"SELECT 1 FROM RDB$DATABASE", true},
      {" \t\r\n\x01sElEcT * FROM CLIENTES", true},
      {"select", true},
      {"SEL", false},
      {"", false},
      {"(SELECT 1 FROM RDB$DATABASE)", false},
      {"WITH X AS (SELECT 1 AS N FROM RDB$DATABASE) SELECT N FROM X", false},
      {"EXECUTE BLOCK RETURNS (N INTEGER) AS BEGIN N = 1; SUSPEND; END", false},
  };
  const CursoresVistos cursores;
  SesionDePrueba sesion;
  TClientDataSet filas;
  for (const auto& caso : casos) {
    sesion.SetQuery(caso.sql);
    if (caso.select)
      EXPECT_EQ(FallaDeUso([&] { sesion.EjecutarQuery(nullptr); }), SinClientDataSet) << caso.sql.toStdString();
    else
      EXPECT_EQ(FallaDeUso([&] { sesion.EjecutarQuery(&filas); }), ConClientDataSet) << caso.sql.toStdString();
  }
  EXPECT_EQ(Screen.Cursor(), crDefault);
  EXPECT_EQ(cursores.FVistos.count(crSQLWait), static_cast<qsizetype>(std::size(casos)));
}

TEST(SesionBDFirebird, NestedCallsLeaveTheCursorThatWasShownBefore) {
  SesionDePrueba externa, interna;
  externa.SetQuery("SELECT 1 FROM RDB$DATABASE");
  interna.SetQuery("SELECT 1 FROM RDB$DATABASE");
  const CursoresVistos cursores;
  constexpr TCursor crHourGlass = -11;
  Screen.SetCursor(crHourGlass);
  // A call made while the outer one shows the wait cursor, as from an event handler.
  Screen.OnCursorChange = [&](TCursor ACursor) {
    if (ACursor == crSQLWait) FallaDeUso([&] { interna.EjecutarQuery(nullptr); });
  };
  FallaDeUso([&] { externa.EjecutarQuery(nullptr); });
  EXPECT_EQ(Screen.Cursor(), crHourGlass);
}

using SesionFirebird = BaseDeSesion;

TEST_F(SesionFirebird, ConnectsUnderTheRoleWithLatin1TextAndDialect3) {
  Conectar(sesion);
  ASSERT_TRUE(sesion.SesionConectada());
  TqovDADatabase& bd = sesion.GetDatabase();
  EXPECT_EQ(bd.DBName(), carpeta.Datos() + "EMPRESA1.fdb");
  EXPECT_EQ(bd.DBParams().Lines(),
            (QStringList{"user_name=SYSDBA", "password=masterkey", "sql_role_name=USUARIO_TARVOLIN"}));
  EXPECT_EQ(bd.SQLDialect, 3);
  TClientDataSet filas;
  Consultar(sesion,
            "SELECT CURRENT_ROLE, TRIM(C.RDB$CHARACTER_SET_NAME), (SELECT NOMBRE FROM CLIENTES WHERE ID = 1) "
            "FROM MON$ATTACHMENTS A JOIN RDB$CHARACTER_SETS C ON C.RDB$CHARACTER_SET_ID = A.MON$CHARACTER_SET_ID "
            "WHERE A.MON$ATTACHMENT_ID = CURRENT_CONNECTION",
            filas);
  ASSERT_EQ(filas.RecordCount(), 1);
  EXPECT_EQ(filas.Field(0).AsString(), "USUARIO_TARVOLIN");
  EXPECT_EQ(filas.Field(1).AsString(), "ISO8859_1");
  EXPECT_EQ(filas.Field(2).AsString(), "Compañía del Año");

  sesion.Desconectar();
  EXPECT_FALSE(sesion.SesionConectada());
  sesion.Desconectar();  // nothing to do
  sesion.Conectar();
  EXPECT_TRUE(sesion.SesionConectada());
  EXPECT_EQ(bd.DBParams().Count(), 3);
}

TEST_F(SesionFirebird, ConnectingAgainIsCodeOneAndKeepsTheConnection) {
  Conectar(sesion);
  sesion.ParametrosDeSesion().SetNombreBD("OTRA");
  const TqovExceptionBaseDatos e = Falla([&] { sesion.Conectar(); });
  EXPECT_EQ(e.CodigoError(), 1);
  EXPECT_EQ(e.Message(),
            "La base de datos 'OTRA.fdb' ya se encuentra abierta." + CrLf + "Consulte al Administrador del Sistema.");
  EXPECT_EQ(e.Operacion(), "Conectar");
  EXPECT_TRUE(sesion.SesionConectada());
  EXPECT_EQ(sesion.GetDatabase().DBName(), carpeta.Datos() + "EMPRESA1.fdb");
  EXPECT_EQ(Valor(sesion, "SELECT COUNT(*) FROM CLIENTES").toInt(), 1);
}

TEST_F(SesionFirebird, ConnectionFailuresFromRealCausesCarryTheirCodes) {
  const QString servidor = "127.0.0.1:" + carpeta.Datos();
  const QString mensajeUsuario =
      "El nombre de usuario o la contraseña son inválidos para el Servidor de la conexión '%1'." + CrLf +
      "Escriba los datos correctamente o consulte al Administrador del sistema.";
  const QString mensajeServidor =
      "No se puede hacer contacto con el Servidor de la conexión '%1'." + CrLf +
      "La computadora está apagada, no es un recurso compartido, el protocolo de comunicación es inadecuado, el "
      "Servidor de datos no está instalado o los datos de la conexión están incorrectos.";
  const struct {
    QStringList argumentos;
    QString carpetaBD, nombreBD, clave;
    int codigo;
    QString mensaje;
  } casos[] = {
      {{},
       carpeta.Datos(),
       "NO_EXISTE",
       "masterkey",
       2,
       "No se puede accesar la base de datos 'NO_EXISTE.fdb' de la carpeta '" + carpeta.Datos() + "'." + CrLf +
           "Consulte al Administrador del Sistema."},
      {{"programa", "", "", "", "", "Oficina central"},
       servidor,
       "EMPRESA1",
       "incorrecta",
       3,
       mensajeUsuario.arg("Oficina central")},
      {{"programa", "/datos/", "3", "ANA", "x", "Sucursal"},
       "127.0.0.1/3999:" + carpeta.Datos(),
       "EMPRESA1",
       ClaveSysdbaServidor(),
       4,
       mensajeServidor.arg("Sucursal")},
      // Without parameters the connection has no name.
      {{}, "127.0.0.1/3999:" + carpeta.Datos(), "EMPRESA1", ClaveSysdbaServidor(), 4, mensajeServidor.arg("")},
  };
  for (const auto& caso : casos) {
    const ArgumentosDePrueba argumentos(caso.argumentos);
    SesionDePrueba otra;
    otra.ParametrosDeSesion().SetDatabasePath(caso.carpetaBD);
    otra.ParametrosDeSesion().SetNombreBD(caso.nombreBD);
    otra.ParametrosDeSesion().SetUsuario("SYSDBA");
    otra.ParametrosDeSesion().SetPassword(caso.clave);
    const TqovExceptionBaseDatos e = Falla([&] { otra.Conectar(); });
    EXPECT_EQ(e.CodigoError(), caso.codigo) << caso.carpetaBD.toStdString();
    EXPECT_EQ(e.Message(), caso.mensaje);
    EXPECT_EQ(e.Clase(), "TqovSesionBDFirebird");
    EXPECT_EQ(e.Operacion(), "Conectar");
    EXPECT_FALSE(otra.SesionConectada());
  }
}

TEST_F(SesionFirebird, AnOldOnDiskStructureIsCodeTwelveWithTheTextOfTheDatabase) {
  const QString antigua = carpeta.Datos() + "antigua.fdb";
  CrearBaseDatos(antigua);
  MarcarComoODS11(antigua);
  const QString restoDelTexto = CrLf + "compatible con el servidor Firebird 5.0." + CrLf +
                                "Es necesario convertirla a la nueva versión vía un respaldo" + CrLf +
                                "y una restauración en la administración del sistema.";
  const QString config = "La base de datos de la Configuración del sistema no es" + restoDelTexto;
  const struct {
    QString nombreBD, mensaje;
  } casos[] = {
      {"config", config},
      {"Config", config},
      {"Metadatos",
       "La versión de este programa no la reconoce el servidor Tarvolin." + CrLf + "Instale el nuevo METADATOS."},
      {"Empresa1", "La base de datos de la empresa Empresa1 no es" + restoDelTexto},
  };
  for (const auto& caso : casos) {
    ASSERT_TRUE(QFile::copy(antigua, carpeta.Datos() + caso.nombreBD + ".fdb"));
    SesionDePrueba otra;
    otra.ParametrosDeSesion().SetDatabasePath(carpeta.Datos());
    otra.ParametrosDeSesion().SetNombreBD(caso.nombreBD);
    otra.ParametrosDeSesion().SetUsuario("SYSDBA");
    const TqovExceptionBaseDatos e = Falla([&] { otra.Conectar(); });
    EXPECT_EQ(e.CodigoError(), 12) << caso.nombreBD.toStdString();
    EXPECT_EQ(e.Message(), caso.mensaje);
  }
}

TEST_F(SesionFirebird, ValidarUsuarioChecksOnTheAuxiliaryConnectionAndClosesIt) {
  // Attachments to the database other than the session's own.
  const QString otras =
      "SELECT COUNT(*) FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION "
      "AND MON$SYSTEM_FLAG = 0";
  const ArgumentosDePrueba argumentos({"programa", "", "", "", "", "Matriz"});
  Conectar(sesion, "SYSDBA", "127.0.0.1");
  EXPECT_TRUE(sesion.ValidarUsuario("SYSDBA", ClaveSysdbaServidor()));
  EXPECT_TRUE(sesion.SesionConectada());
  EXPECT_EQ(Valor(sesion, otras).toInt(), 0);

  const TqovExceptionBaseDatos e = Falla([&] { sesion.ValidarUsuario("SYSDBA", "incorrecta"); });
  EXPECT_EQ(e.CodigoError(), 3);
  EXPECT_EQ(e.Operacion(), "Conectar");
  EXPECT_TRUE(e.Message().contains("'Matriz'"));
  EXPECT_TRUE(sesion.SesionConectada());
  EXPECT_EQ(Valor(sesion, otras).toInt(), 0);

  SesionDePrueba sinConexion;
  Parametros(sinConexion, "SYSDBA", "127.0.0.1");
  EXPECT_TRUE(sinConexion.ValidarUsuario("SYSDBA", ClaveSysdbaServidor()));
  EXPECT_FALSE(sinConexion.SesionConectada());
  EXPECT_EQ(Valor(sesion, otras).toInt(), 0);
}

TEST_F(SesionFirebird, TypedQueryParametersReachTheDatabase) {
  Conectar(sesion);
  const TDateTime fecha = DateTimeFromQDateTime(QDateTime(QDate(2024, 5, 10), QTime(0, 0)));
  const TDateTime momento = DateTimeFromQDateTime(QDateTime(QDate(2024, 5, 10), QTime(13, 30, 15)));
  QByteArray foto("\x89PNG\0\x01\x02", 7);
  QBuffer flujo(&foto);
  flujo.open(QIODevice::ReadOnly);
  flujo.seek(4);  // the whole stream goes, wherever it stands

  sesion.StartTransaction(remitente);
  sesion.SetQuery(
      "INSERT INTO DOCTOS (ID, CLIENTE_ID, FOLIO, IMPORTE, ACTIVO, FECHA, MOMENTO, NOTAS, FOTO) "
      "VALUES (:ID, :CLIENTE_ID, :FOLIO, :IMPORTE, :ACTIVO, :FECHA, :MOMENTO, :NOTAS, :FOTO)");
  sesion.SetQueryParamAsInteger("ID", 10);
  sesion.SetQueryParamAsId("CLIENTE_ID", 0);
  sesion.SetQueryParamAsString("FOLIO", "Año-1");
  sesion.SetQueryParamAsDouble("IMPORTE", 12.75);
  sesion.SetQueryParamAsBoolean("ACTIVO", true);
  sesion.SetQueryParamAsDate("FECHA", fecha);
  sesion.SetQueryParamAsDateTime("MOMENTO", momento);
  const QVariant nota("nota");
  sesion.SetQueryParamAsVariant("NOTAS", nota);
  sesion.SetQueryParamAsStream("FOTO", flujo);
  sesion.EjecutarQuery(nullptr);
  EXPECT_EQ(sesion.RowsAffected(), 1);
  // The same statement again, with other values.
  sesion.SetQueryParamAsInteger("ID", 11);
  sesion.SetQueryParamAsId("CLIENTE_ID", 1);
  sesion.SetQueryParamAsBoolean("ACTIVO", false);
  sesion.SetQueryParamToNull("NOTAS");
  sesion.SetQueryParamToNull("FOTO");
  sesion.EjecutarQuery(nullptr);
  sesion.CommitTransaction(remitente);

  TClientDataSet filas;
  Consultar(sesion, "SELECT * FROM DOCTOS ORDER BY ID", filas);
  ASSERT_EQ(filas.RecordCount(), 2);
  EXPECT_TRUE(filas.FieldByName("CLIENTE_ID").IsNull());
  EXPECT_EQ(filas.FieldByName("FOLIO").AsString(), "Año-1");
  EXPECT_DOUBLE_EQ(filas.FieldByName("IMPORTE").AsFloat(), 12.75);
  EXPECT_EQ(filas.FieldByName("ACTIVO").AsString(), "S");
  EXPECT_DOUBLE_EQ(filas.FieldByName("FECHA").AsDateTime(), fecha);
  EXPECT_DOUBLE_EQ(filas.FieldByName("MOMENTO").AsDateTime(), momento);
  EXPECT_EQ(filas.FieldByName("NOTAS").AsString(), "nota");
  EXPECT_EQ(filas.FieldByName("FOTO").AsBytes(), foto);
  filas.Next();
  EXPECT_EQ(filas.FieldByName("CLIENTE_ID").AsInteger(), 1);
  EXPECT_EQ(filas.FieldByName("ACTIVO").AsString(), "N");
  EXPECT_TRUE(filas.FieldByName("NOTAS").IsNull());
  EXPECT_TRUE(filas.FieldByName("FOTO").IsNull());

  // An open client data set is filled again; only 0 is no identifier.
  sesion.StartTransaction(remitente);
  sesion.SetQuery("SELECT CAST(:V AS INTEGER) AS V FROM RDB$DATABASE");
  sesion.SetQueryParamAsId("V", -1);
  sesion.EjecutarQuery(&filas);
  ASSERT_EQ(filas.RecordCount(), 1);
  EXPECT_EQ(filas.FieldByName("V").AsInteger(), -1);
  sesion.SetQueryParamAsId("V", 0);
  sesion.EjecutarQuery(&filas);
  EXPECT_TRUE(filas.FieldByName("V").IsNull());
  sesion.CommitTransaction(remitente);
  EXPECT_TRUE(filas.Active());
  EXPECT_EQ(filas.Provider(), nullptr);
  EXPECT_TRUE(filas.ProviderName().isEmpty());
}

TEST_F(SesionFirebird, RowsAffectedCountsOnlyStatementsThatAreNoSelect) {
  Conectar(sesion);
  sesion.StartTransaction(remitente);
  sesion.SetQuery("INSERT INTO CLIENTES (ID, NOMBRE) SELECT ID + 1, 'Otro' FROM CLIENTES");
  sesion.EjecutarQuery(nullptr);
  EXPECT_EQ(sesion.RowsAffected(), 1);
  sesion.SetQuery("UPDATE CLIENTES SET SALDO = 0");
  sesion.EjecutarQuery(nullptr);
  EXPECT_EQ(sesion.RowsAffected(), 2);
  sesion.SetQuery("UPDATE CLIENTES SET SALDO = 1 WHERE ID < 0");
  sesion.EjecutarQuery(nullptr);
  EXPECT_EQ(sesion.RowsAffected(), 0);
  TClientDataSet filas;
  sesion.SetQuery("SELECT * FROM CLIENTES");
  sesion.EjecutarQuery(&filas);
  EXPECT_EQ(filas.RecordCount(), 2);
  EXPECT_EQ(sesion.RowsAffected(), 0);
  // A statement that returns rows but does not begin with SELECT runs without a client data set.
  sesion.SetQuery("WITH X AS (SELECT ID FROM CLIENTES) SELECT COUNT(*) FROM X");
  EXPECT_NO_THROW(sesion.EjecutarQuery(nullptr));
  sesion.CommitTransaction(remitente);
}

TEST_F(SesionFirebird, StatementFailuresFromRealCausesCarryTheirCodes) {
  Conectar(sesion);
  const struct {
    QString sql;
    int codigo;
    QString texto;
  } casos[] = {
      {"INSERT INTO DOCTOS (ID, CLIENTE_ID) VALUES (1, 99)", 5, "violation of FOREIGN KEY constraint"},
      {"INSERT INTO CLIENTES (ID) VALUES (1)", 6, "violation of PRIMARY or UNIQUE KEY constraint"},
      {"EXECUTE PROCEDURE VENDER('X')", 8, "No hay existencia del artículo"},
      {"UPDATE NO_EXISTE SET X = 1", 0, "Table unknown"},
  };
  sesion.StartTransaction(remitente);
  for (const auto& caso : casos) {
    sesion.SetQuery(caso.sql);
    const TqovExceptionBaseDatos e = Falla([&] { sesion.EjecutarQuery(nullptr); });
    EXPECT_EQ(e.CodigoError(), caso.codigo) << caso.sql.toStdString();
    EXPECT_TRUE(e.Message().contains(caso.texto)) << e.Message().toStdString();
    EXPECT_EQ(e.Operacion(), "EjecutarQuery");
    EXPECT_EQ(e.Clase(), "TqovSesionBDFirebird");
    EXPECT_TRUE(e.Referencia().isEmpty());
  }
  // The failures leave the transaction and its guard to the caller.
  EXPECT_TRUE(sesion.TranUnica());
  EXPECT_TRUE(sesion.GetDatabase().DefaultTransaction()->InTransaction());

  sesion.SetProc("VENDER");
  sesion.SetProcParamAsString("ARTICULO", "X");
  const TqovExceptionBaseDatos e = Falla([&] { sesion.EjecutarProc(); });
  EXPECT_EQ(e.CodigoError(), 8);
  EXPECT_EQ(e.Operacion(), "EjecutarProc");
  EXPECT_TRUE(e.Message().contains("No hay existencia del artículo")) << e.Message().toStdString();
  sesion.RollbackTransaction(remitente);
}

TEST_F(SesionFirebird, ALockConflictBetweenTwoSessionsIsCodeSeven) {
  SesionDePrueba otra;
  Conectar(sesion);
  Conectar(otra);
  for (SesionDePrueba* s : {&sesion, &otra}) {
    s->SetTransactionType(trntpReadCommitted, false);
    s->StartTransaction(remitente);
    s->SetQuery("UPDATE CLIENTES SET NOMBRE = 'X' WHERE ID = 1");
  }
  sesion.EjecutarQuery(nullptr);
  const TqovExceptionBaseDatos e = Falla([&] { otra.EjecutarQuery(nullptr); });
  EXPECT_EQ(e.CodigoError(), 7) << e.Message().toStdString();
  EXPECT_EQ(e.Operacion(), "EjecutarQuery");
  otra.RollbackTransaction(remitente);
  sesion.RollbackTransaction(remitente);
}

TEST_F(SesionFirebird, ProceduresTakeTypedInputsAndGiveTypedOutputs) {
  Conectar(sesion);
  const TDateTime fecha = DateTimeFromQDateTime(QDateTime(QDate(2024, 5, 10), QTime(0, 0)));
  const TDateTime momento = DateTimeFromQDateTime(QDateTime(QDate(2024, 5, 10), QTime(13, 30, 15)));
  sesion.StartTransaction(remitente);
  sesion.SetProc("ECO");
  sesion.SetProcParamAsString("TEXTO", "Compañía");
  sesion.SetProcParamAsInteger("ENTERO", 42);
  sesion.SetProcParamAsDouble("FLOTANTE", 2.5);
  sesion.SetProcParamAsBoolean("BANDERA", true);
  sesion.SetProcParamAsDate("FECHA", fecha);
  sesion.SetProcParamAsDateTime("MOMENTO", momento);
  sesion.EjecutarProc();
  EXPECT_EQ(sesion.GetProcParamAsString("O_TEXTO"), "Compañía");
  EXPECT_EQ(sesion.GetProcParamAsInteger("O_ENTERO"), 42);
  EXPECT_DOUBLE_EQ(sesion.GetProcParamAsDouble("O_FLOTANTE"), 2.5);
  EXPECT_TRUE(sesion.GetProcParamAsBoolean("O_BANDERA"));
  EXPECT_DOUBLE_EQ(sesion.GetProcParamAsDate("O_FECHA"), fecha);
  EXPECT_DOUBLE_EQ(sesion.GetProcParamAsDate("O_MOMENTO"), momento);  // not cut to the date
  EXPECT_DOUBLE_EQ(sesion.GetProcParamAsDateTime("O_MOMENTO"), momento);

  // Only an upper-case S is true; NULL dates read as 0.
  for (const QString& bandera : {QString("s"), QString("N"), QString("")}) {
    sesion.SetProcParamAsString("BANDERA", bandera);
    sesion.SetProcParamToNull("FECHA");
    sesion.EjecutarProc();
    EXPECT_FALSE(sesion.GetProcParamAsBoolean("O_BANDERA")) << bandera.toStdString();
    EXPECT_EQ(sesion.GetProcParamAsDate("O_FECHA"), 0.0);
  }
  sesion.SetProcParamAsBoolean("BANDERA", false);
  sesion.EjecutarProc();
  EXPECT_EQ(sesion.GetProcParamAsString("O_BANDERA"), "N");
  sesion.CommitTransaction(remitente);
}

TEST_F(SesionFirebird, TheWaitCursorShowsWhileAStatementRunsAndTheFormerOneComesBack) {
  Conectar(sesion);
  const CursoresVistos cursores;
  TClientDataSet filas;
  Consultar(sesion, "SELECT * FROM CLIENTES", filas);
  EXPECT_EQ(cursores.FVistos, (QList<TCursor>{crSQLWait, crDefault}));

  sesion.SetQuery("INSERT INTO CLIENTES (ID) VALUES (1)");
  Falla([&] { sesion.EjecutarQuery(nullptr); });
  sesion.SetProc("VENDER");
  sesion.SetProcParamAsString("ARTICULO", "X");
  Falla([&] { sesion.EjecutarProc(); });
  EXPECT_EQ(cursores.FVistos, (QList<TCursor>{crSQLWait, crDefault, crSQLWait, crDefault, crSQLWait, crDefault}));
  EXPECT_EQ(Screen.Cursor(), crDefault);
}

}  // namespace
