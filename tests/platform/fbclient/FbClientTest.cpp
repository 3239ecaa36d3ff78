#include <gtest/gtest.h>

#include <QDateTime>
#include <QRegularExpression>
#include <QSize>

#include "fixtures/BasesDePrueba.h"
#include "fixtures/CarpetaTrabajo.h"
#include "fixtures/ImprimirQt.h"
#include "platform/fbclient/FbAttachment.h"
#include "platform/fbclient/FbClient.h"
#include "platform/fbclient/FbError.h"
#include "platform/fbclient/FbStatement.h"
#include "platform/fbclient/FbTransactionHandle.h"

namespace {

using Filas = QVector<QVector<QVariant>>;

const QStringList LeerEscribir = {QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                                  QStringLiteral("nowait"), QStringLiteral("write")};

TFbClientLibrary& Biblioteca() { return TFbClientLibrary::Load(QStringLiteral("fbclient.dll")); }

// Every row of a statement run once.
Filas Ejecutar(TFbAttachment& AConexion, TFbTransactionHandle& ATransaccion, const QString& ASql,
               const QVector<QVariant>& AParametros = {}) {
  TFbStatement sentencia;
  sentencia.Prepare(AConexion, ATransaccion, ASql);
  sentencia.Execute(ATransaccion, AParametros);
  Filas filas;
  QVector<QVariant> fila;
  while (sentencia.Fetch(fila)) filas << fila;
  return filas;
}

// The error number of what AAccion raises; fails when it raises nothing.
template <typename F>
int NumeroDeError(F AAccion) {
  try {
    AAccion();
  } catch (const EFbError& e) {
    return e.ErrorNumber();
  }
  ADD_FAILURE() << "no EFbError was raised";
  return -1;
}

// The message of the platform's own EFbError (number 0) that AAccion raises.
template <typename F>
QString MensajeDeError(F AAccion) {
  try {
    AAccion();
  } catch (const EFbError& e) {
    EXPECT_EQ(e.ErrorNumber(), 0);
    return e.Message();
  }
  ADD_FAILURE() << "no EFbError was raised";
  return {};
}

// 190,000 characters, a third of them outside ASCII, and 200 KB of every byte value: each far beyond one
// segment.
QString Texto() { return QStringLiteral("áéíóú ñ 0123456789\n").repeated(10000); }

QByteArray Datos() {
  QByteArray datos(200 * 1024, Qt::Uninitialized);
  for (int i = 0; i < datos.size(); ++i) datos[i] = static_cast<char>(i * 7 % 251);
  return datos;
}

// A database of its own for each test, reached through the embedded engine or the server.
class FbClientTest : public testing::Test {
 protected:
  void SetUp() override { CrearBaseDatos(FRuta, SqlAdicional()); }

  virtual QString SqlAdicional() const { return {}; }

  void Conectar(TFbAttachment& AConexion, const QString& ACharset = QStringLiteral("ISO8859_1")) const {
    AConexion.Attach(Biblioteca(), FRuta, {QStringLiteral("user_name=SYSDBA"), "lc_ctype=" + ACharset});
  }

  void ConectarAlServidor(TFbAttachment& AConexion) const {
    AConexion.Attach(Biblioteca(), QStringLiteral("127.0.0.1:") + FRuta,
                     {QStringLiteral("user_name=SYSDBA"), "password=" + ClaveSysdbaServidor()});
  }

  CarpetaTrabajo FCarpeta;
  const QString FRuta = FCarpeta.Datos() + QStringLiteral("empresa.fdb");
};

}  // namespace

TEST(FbClientLibrary, LoadsFbclientDllByNameOnce) {
  TFbClientLibrary& biblioteca = TFbClientLibrary::Load(QStringLiteral("fbclient.dll"));
  EXPECT_EQ(&TFbClientLibrary::Load(QStringLiteral("FbClient.DLL")), &biblioteca);
  EXPECT_EQ(&TFbClientLibrary::Load(QStringLiteral("libfbclient.so.2")), &biblioteca);
  EXPECT_TRUE(biblioteca.ClientVersion().contains(QStringLiteral("Firebird 3.0")))
      << biblioteca.ClientVersion().toStdString();
}

TEST(FbClientLibrary, ALibraryThatCannotServeRaisesEFbError) {
  EXPECT_TRUE(MensajeDeError([] {
                TFbClientLibrary::Load(QStringLiteral("x.so"));
              }).startsWith(QStringLiteral("No se pudo cargar la biblioteca cliente 'x.so': x.so")));
  EXPECT_EQ(MensajeDeError([] { TFbClientLibrary::Load(QStringLiteral("libc.so.6")); }),
            QStringLiteral("La biblioteca cliente 'libc.so.6' no tiene la función isc_attach_database."));
}

TEST_F(FbClientTest, AttachFailuresCarryTheServerErrorNumber) {
  const QString ods11 = FCarpeta.Datos() + QStringLiteral("antigua.fdb");
  CrearBaseDatos(ods11);
  MarcarComoODS11(ods11);
  const QStringList usuario = {QStringLiteral("user_name=SYSDBA")};
  const struct {
    QString base;
    QStringList parametros;
    int numero;
  } casos[] = {
      {"127.0.0.1:" + FRuta, {"user_name=SYSDBA", "password=incorrecta"}, 335544472},
      {FRuta + "x", usuario, 335544344},
      {ods11, usuario, 335544379},
      {"127.0.0.1/3999:" + FRuta, usuario, 335544721},
  };
  for (const auto& caso : casos) {
    TFbAttachment conexion;
    EXPECT_EQ(NumeroDeError([&] { conexion.Attach(Biblioteca(), caso.base, caso.parametros); }), caso.numero)
        << caso.base.toStdString();
    EXPECT_FALSE(conexion.IsAttached());
  }
}

TEST_F(FbClientTest, ServerErrorsHaveEveryLineAndTheSqlCode) {
  TFbAttachment conexion;
  Conectar(conexion);
  TFbTransactionHandle transaccion;
  transaccion.Start(conexion, BuildTpb(LeerEscribir));
  try {
    Ejecutar(conexion, transaccion, QStringLiteral("INSERT INTO CLIENTES (ID) VALUES (1)"));
    FAIL() << "a duplicate key was accepted";
  } catch (const EFbError& e) {
    EXPECT_EQ(e.ErrorNumber(), 335544665);
    EXPECT_EQ(e.SqlCode(), -803);
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("violation of PRIMARY or UNIQUE KEY constraint ")));
    EXPECT_TRUE(e.Message().endsWith(QStringLiteral("on table \"CLIENTES\"\r\nProblematic key value is (\"ID\" = 1)")))
        << e.Message().toStdString();
  }
}

TEST_F(FbClientTest, ConnectionParametersBecomeTheAttachmentsSettings) {
  TFbAttachment conexion;
  conexion.Attach(Biblioteca(), FRuta, {"user_name=SYSDBA", "", "LC_CTYPE=iso8859_1", " sql_dialect = 1"});
  EXPECT_EQ(conexion.CharacterSet(), QStringLiteral("ISO8859_1"));
  EXPECT_EQ(conexion.Dialect(), 1);
  TFbTransactionHandle transaccion;
  transaccion.Start(conexion, BuildTpb(LeerEscribir));
  // Dialect 1 takes double quotes as a string.
  EXPECT_EQ(Ejecutar(conexion, transaccion, QStringLiteral("SELECT \"texto\" FROM RDB$DATABASE"))[0][0],
            QStringLiteral("texto"));
  transaccion.Commit();
  conexion.Detach();
  EXPECT_FALSE(conexion.IsAttached());

  TFbAttachment predeterminada;
  predeterminada.Attach(Biblioteca(), FRuta, {QStringLiteral("user_name=SYSDBA")});
  EXPECT_EQ(predeterminada.CharacterSet(), QStringLiteral("NONE"));
  EXPECT_EQ(predeterminada.Dialect(), 3);

  const struct {
    QString linea;
    QString mensaje;
  } errores[] = {
      {"usuario=SYSDBA", "Parámetro de conexión desconocido: 'usuario'."},
      {"sql_dialect=4", "El dialecto SQL '4' no es válido."},
      {"password=" + QString(256, 'x'), "El valor del parámetro de conexión 'password' es demasiado largo."},
  };
  for (const auto& error : errores) {
    TFbAttachment otra;
    EXPECT_EQ(MensajeDeError([&] { otra.Attach(Biblioteca(), FRuta, {error.linea}); }), error.mensaje);
    EXPECT_FALSE(otra.IsAttached());
  }
}

TEST_F(FbClientTest, DatabaseInformation) {
  TFbAttachment conexion;
  Conectar(conexion);
  EXPECT_EQ(conexion.DatabaseInfoInteger(isc_info_ods_version), 12);
  EXPECT_EQ(conexion.DatabaseInfoInteger(isc_info_ods_minor_version), 0);
  EXPECT_TRUE(conexion.FirebirdVersion().contains(
      QRegularExpression(QStringLiteral("^..-V3\\.0\\.\\d+\\.\\d+ Firebird 3\\.0$"))))
      << conexion.FirebirdVersion().toStdString();
  EXPECT_EQ(conexion.ServerVersionText(), conexion.FirebirdVersion());
  EXPECT_EQ(conexion.DatabaseInfo(isc_info_page_size).at(0), isc_info_page_size);
  EXPECT_EQ(conexion.DatabaseInfoInteger(isc_info_page_size), 4096);
  conexion.Detach();
  EXPECT_EQ(MensajeDeError([&] { conexion.FirebirdVersion(); }),
            QStringLiteral("La conexión a la base de datos no está abierta."));
}

TEST_F(FbClientTest, UserNamesListEveryAttachmentThroughTheServer) {
  TFbAttachment primera, segunda;
  ConectarAlServidor(primera);
  ConectarAlServidor(segunda);
  EXPECT_EQ(primera.UserNames(), QStringList({"SYSDBA", "SYSDBA"}));
  segunda.Detach();
  EXPECT_EQ(primera.UserNames(), QStringList({"SYSDBA"}));
}

namespace {

// One column of each kind: its type, the value as the server writes it, the value sent and the value
// that comes back.
struct CasoDeValor {
  QString tipo;
  QString literal;
  QVariant enviado;
  QVariant leido;
  TFbValueKind clase;
};

const QString TextoLargo = QStringLiteral("Línea con acentos: áéíóú ñÑ üÜ ¿¡\n");
const QByteArray Binario("\x00\x01\x7f\x80\xfe\xff", 6);

const CasoDeValor CasosDeValor[] = {
    {"VARCHAR(20)", "'Compañía'", QStringLiteral("Compañía"), QStringLiteral("Compañía"), TFbValueKind::String},
    {"CHAR(5)", "'ñu'", QStringLiteral("ñu"), QStringLiteral("ñu   "), TFbValueKind::FixedChar},
    {"CHAR(6) CHARACTER SET OCTETS", "x'00017F80FEFF'", Binario, Binario, TFbValueKind::FixedChar},
    {"VARCHAR(6) CHARACTER SET OCTETS", "x'00017F80FEFF'", Binario, Binario, TFbValueKind::String},
    {"SMALLINT", "-32768", -32768, -32768, TFbValueKind::SmallInt},
    {"INTEGER", "2147483647", 2147483647, 2147483647, TFbValueKind::Integer},
    {"BIGINT", "-9223372036854775807", qlonglong(-9223372036854775807LL), qlonglong(-9223372036854775807LL),
     TFbValueKind::BigInt},
    {"NUMERIC(4,1)", "-12.3", -12.3, -12.3, TFbValueKind::ScaledNumeric},
    {"NUMERIC(9,3)", "123456.789", 123456.789, 123456.789, TFbValueKind::ScaledNumeric},
    {"NUMERIC(18,2)", "1234567890123.45", 1234567890123.45, 1234567890123.45, TFbValueKind::ScaledNumeric},
    {"FLOAT", "1.5", 1.5, 1.5, TFbValueKind::Float},
    {"DOUBLE PRECISION", "0.1", 0.1, 0.1, TFbValueKind::Double},
    {"DATE", "DATE '2024-02-29'", QDate(2024, 2, 29), QDate(2024, 2, 29), TFbValueKind::Date},
    {"DATE", "DATE '0001-01-01'", QDate(1, 1, 1), QDate(1, 1, 1), TFbValueKind::Date},
    {"TIME", "TIME '23:59:59.999'", QTime(23, 59, 59, 999), QTime(23, 59, 59, 999), TFbValueKind::Time},
    {"TIMESTAMP", "TIMESTAMP '1858-11-16 00:00:00.001'", QDateTime(QDate(1858, 11, 16), QTime(0, 0, 0, 1)),
     QDateTime(QDate(1858, 11, 16), QTime(0, 0, 0, 1), Qt::UTC), TFbValueKind::TimeStamp},
    {"BOOLEAN", "FALSE", false, false, TFbValueKind::Boolean},
    {"BLOB SUB_TYPE TEXT", "'" + TextoLargo + "'", TextoLargo, TextoLargo, TFbValueKind::TextBlob},
    {"BLOB SUB_TYPE 0", "x'00017F80FEFF'", Binario, Binario, TFbValueKind::BinaryBlob},
};

class FbValueTest : public FbClientTest {
 protected:
  QString SqlAdicional() const override {
    QStringList columnas;
    for (int i = 0; i < int(std::size(CasosDeValor)); ++i)
      columnas << QStringLiteral("C%1 %2").arg(i).arg(CasosDeValor[i].tipo);
    return "CREATE TABLE VALORES (ORDEN INTEGER, " + columnas.join(", ") + ");\nCOMMIT;\n";
  }
};

}  // namespace

TEST_F(FbValueTest, EveryKindOfValueMakesTheRoundTrip) {
  TFbAttachment conexion;
  Conectar(conexion);
  TFbTransactionHandle transaccion;
  transaccion.Start(conexion, BuildTpb(LeerEscribir));
  const int columnas = int(std::size(CasosDeValor));
  QVector<QVariant> valores = {1}, nulos = {2};
  for (const CasoDeValor& caso : CasosDeValor) {
    valores << caso.enviado;
    nulos << QVariant();
  }
  TFbStatement insercion;
  insercion.Prepare(conexion, transaccion,
                    "INSERT INTO VALORES VALUES (" + QStringList(columnas + 1, QStringLiteral("?")).join(", ") + ")");
  insercion.Execute(transaccion, valores);
  insercion.Execute(transaccion, nulos);

  TFbStatement consulta;
  consulta.Prepare(conexion, transaccion, QStringLiteral("SELECT * FROM VALORES ORDER BY ORDEN"));
  ASSERT_EQ(consulta.Outputs().size(), columnas + 1);
  consulta.Execute(transaccion, {});
  QVector<QVariant> fila;
  ASSERT_TRUE(consulta.Fetch(fila));
  for (int i = 0; i < columnas; ++i) {
    const CasoDeValor& caso = CasosDeValor[i];
    EXPECT_EQ(consulta.Outputs()[i + 1].Kind, caso.clase) << caso.tipo.toStdString();
    EXPECT_EQ(fila[i + 1].typeId(), caso.leido.typeId()) << caso.tipo.toStdString();
    EXPECT_EQ(fila[i + 1], caso.leido) << caso.tipo.toStdString() << ": " << fila[i + 1].toString().toStdString();
  }
  // Writing back what was read gives the bytes the server wrote; a blob's content has no form there.
  const QByteArray mensaje(consulta.Message(), consulta.MessageSize());
  for (int i = 0; i < columnas; ++i) {
    const TFbColumn& columna = consulta.Outputs()[i + 1];
    QByteArray copia(mensaje.size(), '\x55');
    char* datos = copia.data() + columna.Offset;
    if (columna.IsBlob()) {
      EXPECT_FALSE(WriteValue(columna, datos, CasosDeValor[i].leido)) << CasosDeValor[i].tipo.toStdString();
      continue;
    }
    ASSERT_TRUE(WriteValue(columna, datos, CasosDeValor[i].leido)) << CasosDeValor[i].tipo.toStdString();
    EXPECT_EQ(ReadValue(columna, datos), CasosDeValor[i].leido) << CasosDeValor[i].tipo.toStdString();
    const int bytes = columna.SqlType == SQL_VARYING ? 2 + *reinterpret_cast<const short*>(datos) : columna.Length;
    EXPECT_EQ(copia.mid(columna.Offset, bytes), mensaje.mid(columna.Offset, bytes))
        << CasosDeValor[i].tipo.toStdString();
  }
  ASSERT_TRUE(consulta.Fetch(fila));
  for (int i = 0; i < columnas; ++i) EXPECT_FALSE(fila[i + 1].isValid()) << CasosDeValor[i].tipo.toStdString();
  EXPECT_FALSE(consulta.Fetch(fila));
  EXPECT_FALSE(consulta.Fetch(fila));

  // What is read and what is sent are the server's own values, not only each other's mirror.
  for (const CasoDeValor& caso : CasosDeValor) {
    const QString literal = "CAST(" + caso.literal + " AS " + caso.tipo + ")";
    const Filas filas = Ejecutar(
        conexion, transaccion,
        "SELECT " + literal + ", IIF(CAST(? AS " + caso.tipo + ") = " + literal + ", 'S', 'N') FROM RDB$DATABASE",
        {caso.enviado});
    EXPECT_EQ(filas[0][0], caso.leido) << literal.toStdString();
    EXPECT_EQ(filas[0][1], QStringLiteral("S")) << literal.toStdString();
  }
}

TEST_F(FbClientTest, AValueWithoutTheFormOfItsColumnIsNotWritten) {
  TFbAttachment conexion;
  Conectar(conexion);
  TFbTransactionHandle transaccion;
  transaccion.Start(conexion, BuildTpb(LeerEscribir));
  TFbStatement consulta;
  consulta.Prepare(conexion, transaccion,
                   "SELECT CAST(NULL AS VARCHAR(3)), CAST(NULL AS CHAR(2)), CAST(NULL AS SMALLINT), "
                   "CAST(NULL AS NUMERIC(4,2)), CAST(NULL AS DATE), CAST(NULL AS TIMESTAMP) FROM RDB$DATABASE");
  const QVariant casos[] = {QStringLiteral("ABCD"), QStringLiteral("ABC"), 32768, 327.68, QDate(), QDateTime()};
  QByteArray mensaje(consulta.MessageSize(), '\0');
  for (int i = 0; i < consulta.Outputs().size(); ++i)
    EXPECT_FALSE(WriteValue(consulta.Outputs()[i], mensaje.data() + consulta.Outputs()[i].Offset, casos[i])) << i;
  // Each value has room for at least four bytes, and the message's size is a multiple of eight.
  for (const TFbColumn& columna : consulta.Outputs()) EXPECT_GE(columna.NullOffset - columna.Offset, 4);
  EXPECT_EQ(consulta.MessageSize() % 8, 0);
}

TEST_F(FbClientTest, ColumnsAreDescribed) {
  TFbAttachment conexion;
  Conectar(conexion);
  TFbTransactionHandle transaccion;
  transaccion.Start(conexion, BuildTpb(LeerEscribir));
  TFbStatement consulta;
  consulta.Prepare(conexion, transaccion,
                   QStringLiteral("SELECT ID, NOMBRE AS N, SALDO, ID + 1 AS SIGUIENTE FROM CLIENTES WHERE ID = ?"));
  const QVector<TFbColumn>& columnas = consulta.Outputs();
  ASSERT_EQ(columnas.size(), 4);
  EXPECT_EQ(columnas[0].Name, QStringLiteral("ID"));
  EXPECT_EQ(columnas[0].Relation, QStringLiteral("CLIENTES"));
  EXPECT_FALSE(columnas[0].Nullable);
  EXPECT_EQ(columnas[0].SqlType, SQL_LONG);
  EXPECT_EQ(columnas[1].Name, QStringLiteral("N"));
  EXPECT_EQ(columnas[1].Field, QStringLiteral("NOMBRE"));
  EXPECT_TRUE(columnas[1].Nullable);
  EXPECT_EQ(columnas[1].Length, 40);
  EXPECT_EQ(columnas[1].CharacterSetId, 21);  // ISO8859_1
  EXPECT_EQ(columnas[2].Kind, TFbValueKind::ScaledNumeric);
  EXPECT_EQ(columnas[2].Scale, -2);
  EXPECT_EQ(columnas[2].Precision, 18);
  EXPECT_EQ(columnas[3].Name, QStringLiteral("SIGUIENTE"));
  EXPECT_EQ(columnas[3].Relation, QString());
  ASSERT_EQ(consulta.Inputs().size(), 1);
  EXPECT_EQ(consulta.Inputs()[0].Kind, TFbValueKind::Integer);
}

TEST_F(FbClientTest, TextsTravelInTheAttachmentsCharacterSet) {
  // isql wrote the name in ISO8859_1; each attachment reads it in its own character set.
  for (const QString charset : {"ISO8859_1", "UTF8", "NONE"}) {
    TFbAttachment conexion;
    Conectar(conexion, charset);
    TFbTransactionHandle transaccion;
    transaccion.Start(conexion, BuildTpb(LeerEscribir));
    EXPECT_EQ(Ejecutar(conexion, transaccion, QStringLiteral("SELECT NOMBRE FROM CLIENTES"))[0][0],
              QStringLiteral("Compañía del Año"))
        << charset.toStdString();
    // A character that ISO8859_1 lacks reaches a UTF8 text and a UTF8 text blob, also through an
    // attachment without character set, where each text travels in its column's own.
    if (charset == QLatin1String("ISO8859_1")) continue;
    const Filas leidas = Ejecutar(conexion, transaccion,
                                  QStringLiteral("SELECT CAST(? AS VARCHAR(10) CHARACTER SET UTF8), "
                                                 "CAST(? AS BLOB SUB_TYPE TEXT CHARACTER SET UTF8) FROM RDB$DATABASE"),
                                  {QStringLiteral("Año €"), QStringLiteral("Año €")});
    EXPECT_EQ(leidas[0][0], QStringLiteral("Año €")) << charset.toStdString();
    EXPECT_EQ(leidas[0][1], QStringLiteral("Año €")) << charset.toStdString();
  }
}

TEST_F(FbClientTest, BlobsLargerThanOneSegmentAndEmptyOnesReadWhole) {
  {
    TFbAttachment conexion;
    Conectar(conexion);
    TFbTransactionHandle transaccion;
    transaccion.Start(conexion, BuildTpb(LeerEscribir));
    Ejecutar(conexion, transaccion,
             QStringLiteral("CREATE TABLE DOCUMENTOS (TEXTO BLOB SUB_TYPE TEXT, TEXTO_UTF8 BLOB SUB_TYPE TEXT "
                            "CHARACTER SET UTF8, DATOS BLOB, VACIO BLOB SUB_TYPE TEXT)"));
    transaccion.CommitRetaining();
    Ejecutar(conexion, transaccion, QStringLiteral("INSERT INTO DOCUMENTOS VALUES (?, ?, ?, ?)"),
             {Texto(), Texto(), Datos(), QStringLiteral("")});
    transaccion.Commit();
  }
  // The server converts a text blob that is not in the attachment's character set, and its length
  // changes on the way: each is read whole all the same.
  for (const QString charset : {"ISO8859_1", "UTF8", "NONE"}) {
    TFbAttachment conexion;
    Conectar(conexion, charset);
    TFbTransactionHandle transaccion;
    transaccion.Start(conexion, BuildTpb(LeerEscribir));
    const Filas filas = Ejecutar(conexion, transaccion, QStringLiteral("SELECT * FROM DOCUMENTOS"));
    EXPECT_TRUE(filas[0][0] == Texto()) << charset.toStdString();
    EXPECT_TRUE(filas[0][1] == Texto()) << charset.toStdString();
    EXPECT_TRUE(filas[0][2] == Datos()) << charset.toStdString();
    EXPECT_EQ(filas[0][3], QStringLiteral("")) << charset.toStdString();
  }
}

TEST_F(FbClientTest, TheServerConvertsParametersToTheirColumns) {
  TFbAttachment conexion;
  Conectar(conexion);
  TFbTransactionHandle transaccion;
  transaccion.Start(conexion, BuildTpb(LeerEscribir));
  const struct {
    QString tipo;
    QVariant enviado;
    QVariant leido;
  } casos[] = {
      {"INTEGER", QStringLiteral("42"), 42},
      {"NUMERIC(18,2)", QStringLiteral("-7.25"), -7.25},
      {"NUMERIC(18,2)", 7, 7.0},
      {"NUMERIC(18,4)", qlonglong(5), 5.0},
      {"DOUBLE PRECISION", 3, 3.0},
      {"VARCHAR(10)", 42, QStringLiteral("42")},
      {"VARCHAR(10)", QByteArray("bytes"), QStringLiteral("bytes")},
      {"DATE", QStringLiteral("2024-03-01"), QDate(2024, 3, 1)},
      {"TIMESTAMP", QDate(2024, 3, 1), QDateTime(QDate(2024, 3, 1), QTime(0, 0), Qt::UTC)},
      {"BOOLEAN", QStringLiteral("true"), true},
      {"BLOB SUB_TYPE TEXT", 12345, QStringLiteral("12345")},
      {"INTEGER", QDate(), QVariant()},
      {"VARCHAR(10)", QVariant(QMetaType(QMetaType::QString)), QVariant()},
  };
  for (const auto& caso : casos) {
    const Filas filas =
        Ejecutar(conexion, transaccion, "SELECT CAST(? AS " + caso.tipo + ") FROM RDB$DATABASE", {caso.enviado});
    EXPECT_EQ(filas[0][0], caso.leido) << caso.tipo.toStdString() << " <- " << caso.enviado.toString().toStdString();
  }
}

TEST_F(FbClientTest, ParametersThatCannotBeSentRaiseEFbError) {
  TFbAttachment conexion;
  Conectar(conexion);
  TFbTransactionHandle transaccion;
  transaccion.Start(conexion, BuildTpb(LeerEscribir));
  TFbStatement sentencia;
  sentencia.Prepare(conexion, transaccion, QStringLiteral("SELECT CAST(? AS VARCHAR(32765)) FROM RDB$DATABASE"));
  EXPECT_EQ(MensajeDeError([&] { sentencia.Execute(transaccion, {}); }),
            QStringLiteral("La sentencia espera 1 parámetros y recibió 0."));
  EXPECT_EQ(MensajeDeError([&] { sentencia.Execute(transaccion, {QSize(1, 2)}); }),
            QStringLiteral("El parámetro 1 tiene un valor de tipo QSize, que no se puede enviar."));
  EXPECT_EQ(MensajeDeError([&] { sentencia.Execute(transaccion, {QString(32766, 'x')}); }),
            QStringLiteral("El valor del parámetro 1 es demasiado largo."));
  sentencia.Execute(transaccion, {QString(32765, 'x')});
  QVector<QVariant> fila;
  ASSERT_TRUE(sentencia.Fetch(fila));
  EXPECT_EQ(fila[0].toString().size(), 32765);
  // An untyped parameter takes whatever is sent.
  sentencia.Prepare(conexion, transaccion, QStringLiteral("SELECT 1 FROM RDB$DATABASE WHERE ? IS NULL"));
  EXPECT_EQ(sentencia.Inputs()[0].Kind, TFbValueKind::Null);
  sentencia.Execute(transaccion, {QVariant()});
  EXPECT_TRUE(sentencia.Fetch(fila));
  sentencia.Execute(transaccion, {5});
  EXPECT_FALSE(sentencia.Fetch(fila));
}

TEST_F(FbClientTest, StatementTypesAndTheirResults) {
  TFbAttachment conexion;
  Conectar(conexion);
  TFbTransactionHandle transaccion;
  transaccion.Start(conexion, BuildTpb(LeerEscribir));
  Ejecutar(conexion, transaccion,
           QStringLiteral("CREATE PROCEDURE DOBLE (A INTEGER) RETURNS (R INTEGER, S VARCHAR(5)) AS "
                          "BEGIN R = A * 2; S = 'ñ'; END"));
  transaccion.CommitRetaining();
  const struct {
    QString sql;
    TFbStatementType tipo;
    Filas filas;
    qint64 afectados;
  } casos[] = {
      {"SELECT ID FROM CLIENTES", TFbStatementType::Select, {{1}}, 0},
      {"SELECT ID FROM CLIENTES FOR UPDATE", TFbStatementType::SelectForUpdate, {{1}}, 0},
      {"INSERT INTO CLIENTES (ID) VALUES (2)", TFbStatementType::Insert, {}, 1},
      {"INSERT INTO CLIENTES (ID, SALDO) VALUES (3, 1.5) RETURNING ID, SALDO",
       TFbStatementType::ExecProcedure,
       {{3, 1.5}},
       1},
      {"UPDATE CLIENTES SET SALDO = SALDO + 1", TFbStatementType::Update, {}, 3},
      {"DELETE FROM CLIENTES WHERE ID > 1", TFbStatementType::Delete, {}, 2},
      {"EXECUTE PROCEDURE DOBLE(21)", TFbStatementType::ExecProcedure, {{42, QStringLiteral("ñ")}}, 0},
      {"EXECUTE BLOCK RETURNS (X INTEGER) AS BEGIN X = 1; SUSPEND; X = 2; SUSPEND; END",
       TFbStatementType::Select,
       {{1}, {2}},
       0},
      {"EXECUTE BLOCK AS BEGIN INSERT INTO CLIENTES (ID) VALUES (4); INSERT INTO CLIENTES (ID) VALUES (5); END",
       TFbStatementType::ExecProcedure,
       {},
       2},
      {"CREATE TABLE OTRA (A INTEGER)", TFbStatementType::Ddl, {}, 0},
  };
  for (const auto& caso : casos) {
    TFbStatement sentencia;
    sentencia.Prepare(conexion, transaccion, caso.sql);
    EXPECT_EQ(sentencia.Type(), caso.tipo) << caso.sql.toStdString();
    sentencia.Execute(transaccion, {});
    Filas filas;
    QVector<QVariant> fila;
    while (sentencia.Fetch(fila)) filas << fila;
    EXPECT_EQ(filas, caso.filas) << caso.sql.toStdString();
    EXPECT_EQ(sentencia.RowsAffected(), caso.afectados) << caso.sql.toStdString();
  }
  transaccion.Commit();
  transaccion.Start(conexion, BuildTpb(LeerEscribir));
  EXPECT_EQ(Ejecutar(conexion, transaccion, QStringLiteral("SELECT COUNT(*) FROM OTRA"))[0][0], 0);
}

TEST_F(FbClientTest, CursorsCloseAndRestart) {
  TFbAttachment conexion;
  Conectar(conexion);
  TFbTransactionHandle transaccion;
  transaccion.Start(conexion, BuildTpb(LeerEscribir));
  Ejecutar(conexion, transaccion, QStringLiteral("INSERT INTO CLIENTES (ID) VALUES (2)"));
  TFbStatement consulta;
  consulta.Prepare(conexion, transaccion, QStringLiteral("SELECT ID FROM CLIENTES ORDER BY ID"));
  QVector<QVariant> fila;
  for (int vuelta = 0; vuelta < 2; ++vuelta) {
    // Executing again starts over, whether the cursor was open or closed.
    consulta.Execute(transaccion, {});
    ASSERT_TRUE(consulta.Fetch(fila));
    EXPECT_EQ(fila[0], 1);
  }
  consulta.CloseCursor();
  EXPECT_FALSE(consulta.Fetch(fila));
  consulta.Execute(transaccion, {});
  ASSERT_TRUE(consulta.Fetch(fila));
  transaccion.CommitRetaining();
  ASSERT_TRUE(consulta.Fetch(fila));
  EXPECT_EQ(fila[0], 2);
  // The commit closed the cursor; closing it again is no error.
  transaccion.Commit();
  EXPECT_NO_THROW(consulta.CloseCursor());
  EXPECT_EQ(MensajeDeError([&] { TFbStatement().Execute(transaccion, {}); }),
            QStringLiteral("La sentencia no está preparada."));
}

TEST(FbTransactionHandle, BuildTpbGivesOneItemPerName) {
  EXPECT_EQ(BuildTpb({}), QByteArray("\x03"));
  EXPECT_EQ(BuildTpb({"read_committed", "rec_version", "nowait", "write"}), QByteArray("\x03\x0f\x11\x07\x09"));
  EXPECT_EQ(BuildTpb({" Concurrency ", "", "WAIT"}), QByteArray("\x03\x02\x06"));
  EXPECT_EQ(BuildTpb({"consistency", "shared", "protected", "exclusive", "read", "ignore_limbo", "autocommit",
                      "no_rec_version", "restart_requests", "no_auto_undo"}),
            QByteArray("\x03\x01\x03\x04\x05\x08\x0e\x10\x12\x13\x14"));
  EXPECT_EQ(BuildTpb({"wait", "lock_timeout=300"}), QByteArray("\x03\x06\x15\x04\x2c\x01\x00\x00", 8));
  for (const QString linea : {"snapshot", "wait=1", "lock_timeout=x", "isc_tpb_wait"})
    EXPECT_EQ(MensajeDeError([&] {
                BuildTpb({"wait", linea});
              }),
              "Parámetro de transacción desconocido: '" + linea + "'.");
}

TEST_F(FbClientTest, TransactionsCommitRollBackAndKeepSavepoints) {
  TFbAttachment conexion, otra;
  Conectar(conexion);
  Conectar(otra);
  TFbTransactionHandle transaccion, lectura;
  const auto cuantos = [&] {
    lectura.Start(otra, BuildTpb(LeerEscribir));
    const QVariant total = Ejecutar(otra, lectura, QStringLiteral("SELECT COUNT(*) FROM CLIENTES"))[0][0];
    lectura.Commit();
    return total;
  };
  const auto insertar = [&](int AId) {
    Ejecutar(conexion, transaccion, QStringLiteral("INSERT INTO CLIENTES (ID) VALUES (?)"), {AId});
  };

  transaccion.Start(conexion, BuildTpb(LeerEscribir));
  EXPECT_TRUE(transaccion.IsActive());
  insertar(2);
  transaccion.Rollback();
  EXPECT_FALSE(transaccion.IsActive());
  EXPECT_EQ(cuantos(), 1);

  transaccion.Start(conexion, BuildTpb(LeerEscribir));
  insertar(2);
  transaccion.CommitRetaining();
  EXPECT_TRUE(transaccion.IsActive());
  EXPECT_EQ(cuantos(), 2);
  insertar(3);
  transaccion.RollbackRetaining();
  EXPECT_TRUE(transaccion.IsActive());
  transaccion.StartSavepoint(QStringLiteral("Antes_4"));
  insertar(4);
  transaccion.StartSavepoint(QStringLiteral("ANTES_5"));
  insertar(5);
  transaccion.RollbackSavepoint(QStringLiteral("antes_5"));
  transaccion.ReleaseSavepoint(QStringLiteral("ANTES_4"));
  EXPECT_EQ(NumeroDeError([&] { transaccion.RollbackSavepoint(QStringLiteral("ANTES_4")); }), 335544820);
  transaccion.Commit();
  EXPECT_EQ(cuantos(), 3);

  EXPECT_EQ(MensajeDeError([&] { transaccion.Commit(); }), QStringLiteral("La transacción no está activa."));
  EXPECT_EQ(MensajeDeError([&] { transaccion.StartSavepoint(QStringLiteral("A")); }),
            QStringLiteral("La transacción no está activa."));
  transaccion.Start(conexion, BuildTpb(LeerEscribir));
  EXPECT_EQ(MensajeDeError([&] { transaccion.Start(conexion, BuildTpb(LeerEscribir)); }),
            QStringLiteral("La transacción ya está activa."));
  EXPECT_EQ(MensajeDeError([&] { transaccion.StartSavepoint(QStringLiteral("A; DELETE FROM CLIENTES")); }),
            QStringLiteral("El nombre del punto de guardado 'A; DELETE FROM CLIENTES' no es válido."));
}

TEST_F(FbClientTest, LockConflictsBetweenTwoTransactions) {
  const QString actualizar = QStringLiteral("UPDATE CLIENTES SET NOMBRE = 'otro' WHERE ID = 1");
  const struct {
    QStringList primera;
    QStringList segunda;
    int numero;
  } casos[] = {
      // The first one holds the table; the second asks for it.
      {{"consistency", "write"}, {"consistency", "nowait"}, 335544345},
      {{"consistency", "write"}, {"consistency", "wait", "lock_timeout=1"}, 335544510},
      // The first one changed the row; the second changes it too.
      {LeerEscribir, LeerEscribir, 335544336},
      {LeerEscribir, {"concurrency", "wait", "lock_timeout=1"}, 335544336},
  };
  for (const auto& caso : casos) {
    TFbAttachment conexion, otra;
    Conectar(conexion);
    Conectar(otra);
    TFbTransactionHandle primera, segunda;
    primera.Start(conexion, BuildTpb(caso.primera));
    Ejecutar(conexion, primera, actualizar);
    segunda.Start(otra, BuildTpb(caso.segunda));
    EXPECT_EQ(NumeroDeError([&] { Ejecutar(otra, segunda, actualizar); }), caso.numero)
        << caso.segunda.join(QLatin1Char(' ')).toStdString();
  }
}
