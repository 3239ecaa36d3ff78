#include "core/session/SesionBDFirebird.h"

#include <QLocale>

#include "core/session/ParametrosLineaComando.h"

namespace {

const QString OperacionConectar = QStringLiteral("Conectar");
const QString Biblioteca = QStringLiteral("fbclient.dll");
const QString CrLf = QStringLiteral("\r\n");

// The text for a database whose on-disk structure the server does not support, by the database's name.
QString TextoEstructuraNoSoportada(const QString& ANombreBD) {
  const QString nombre = QLocale().toUpper(ANombreBD);
  if (nombre == QStringLiteral("METADATOS"))
    return QStringLiteral("La versión de este programa no la reconoce el servidor Tarvolin.") + CrLf +
           QStringLiteral("Instale el nuevo METADATOS.");
  const QString cual = nombre == QStringLiteral("CONFIG")
                           ? QStringLiteral("La base de datos de la Configuración del sistema no es")
                           : QStringLiteral("La base de datos de la empresa ") + ANombreBD + QStringLiteral(" no es");
  return cual + CrLf + QStringLiteral("compatible con el servidor Firebird 5.0.") + CrLf +
         QStringLiteral("Es necesario convertirla a la nueva versión vía un respaldo") + CrLf +
         QStringLiteral("y una restauración en la administración del sistema.");
}

}  // namespace

TqovSesionBDFirebird::TqovSesionBDFirebird() {
  FSemafMaxReintentos = IntentosSemaforo;
  FSemafTiempoEntreReintentos = 500;
  FBD.SetLibraryName(Biblioteca);
  FDBAux.SetLibraryName(Biblioteca);
  FTransaction.SetDefaultDatabase(&FBD);
  FTransactionSemaforo.SetDefaultDatabase(&FBD);
  FBD.SetDefaultTransaction(&FTransaction);
  FBD.SetUseLoginPrompt(false);
  FBD.SQLDialect = 3;
  FDBAux.SetUseLoginPrompt(false);
  FDBAux.SQLDialect = 3;
  FDataSet.SetTransaction(&FTransaction);
  FDataSet.SetDatabase(&FBD);
  FQuery.SetTransaction(&FTransaction);
  FQuery.SetDatabase(&FBD);
  FQuery.Options().QueryRowsAffected = true;
  FQuerySemaforo.SetTransaction(&FTransactionSemaforo);
  FQuerySemaforo.SetDatabase(&FBD);
  FQuerySemaforo.SetParamCheck(true);
  FStoredProcedure.SetDatabase(&FBD);
  FStoredProcedure.SetTransaction(&FTransaction);
  FDataSetProvider.SetDataSet(&FDataSet);
  FDataSetProvider.SetName(QStringLiteral("DataSetProviderName"));
}

// The members go in the reverse order of their declaration: statements and transactions before the
// connections they use.
TqovSesionBDFirebird::~TqovSesionBDFirebird() = default;

bool TqovSesionBDFirebird::SesionConectada() { return FBD.Connected(); }

void TqovSesionBDFirebird::Desconectar() {
  if (!SesionConectada()) return;
  FBD.SetConnected(false);
  FBD.Close();
}

void TqovSesionBDFirebird::PrepararConexion(TqovDADatabase& ABD, const QString& AUsuario, const QString& APassword) {
  ABD.SetDBName(ParametrosDeSesion().DatabasePath() + ParametrosDeSesion().NombreBD() + QStringLiteral(".fdb"));
  ABD.DBParams().Clear();
  ABD.Options().Charset = QStringLiteral("ISO8859_1");
  ABD.DBParams().Add(QStringLiteral("user_name=") + AUsuario);
  ABD.DBParams().Add(QStringLiteral("password=") + APassword);
}

void TqovSesionBDFirebird::Conectar() {
  if (SesionConectada())
    throw TqovExceptionBaseDatos(QStringLiteral("La base de datos '") + ParametrosDeSesion().NombreBD() +
                                     QStringLiteral(".fdb' ya se encuentra abierta.") + CrLf +
                                     QStringLiteral("Consulte al Administrador del Sistema."),
                                 CodigoErrorBD::SesionYaConectada, NombreDeClase(*this), OperacionConectar, QString());
  PrepararConexion(FBD, ParametrosDeSesion().Usuario(), ParametrosDeSesion().Password());
  FBD.DBParams().Add(QStringLiteral("sql_role_name=USUARIO_TARVOLIN"));
  try {
    FBD.Open();
  } catch (const EFbError& e) {
    throw ErrorDeConexion(e, true);
  }
}

bool TqovSesionBDFirebird::ValidarUsuario(const QString& AUsuarioNombre, const QString& AUsuarioPassword) {
  PrepararConexion(FDBAux, AUsuarioNombre, AUsuarioPassword);
  // A failed open leaves the auxiliary connection closed.
  try {
    FDBAux.Open();
  } catch (const EFbError& e) {
    throw ErrorDeConexion(e, false);
  }
  FDBAux.SetConnected(false);
  FDBAux.Close();
  return true;
}

TqovExceptionBaseDatos TqovSesionBDFirebird::ErrorDeConexion(const EFbError& AError, bool AEnConectar) const {
  const QString conexion = TqovParametrosLineaComando().NombreConexion();
  const QString nombreBD = ParametrosDeSesion().NombreBD();
  const QString carpeta = ParametrosDeSesion().DatabasePath();
  int codigo = CodigoErrorBD::Otro;
  QString mensaje = AError.Message();
  switch (ObtenerCodigoError(AError)) {
    case isc_io_error:
      codigo = CodigoErrorBD::ArchivoInaccesible;
      mensaje = QStringLiteral("No se puede accesar la base de datos '") + nombreBD +
                QStringLiteral(".fdb' de la carpeta '") + carpeta + QStringLiteral("'.") + CrLf +
                QStringLiteral("Consulte al Administrador del Sistema.");
      break;
    case isc_login_error:
      if (!AEnConectar) break;
      [[fallthrough]];
    case isc_login:
      codigo = CodigoErrorBD::UsuarioOClaveInvalidos;
      mensaje = QStringLiteral("El nombre de usuario o la contraseña son inválidos para el Servidor de la conexión '") +
                conexion + QStringLiteral("'.") + CrLf +
                QStringLiteral("Escriba los datos correctamente o consulte al Administrador del sistema.");
      break;
    case isc_unavailable:
    case isc_network_error:
      codigo = CodigoErrorBD::ServidorInalcanzable;
      mensaje = QStringLiteral("No se puede hacer contacto con el Servidor de la conexión '") + conexion +
                QStringLiteral("'.") + CrLf +
                QStringLiteral(
                    "La computadora está apagada, no es un recurso compartido, el protocolo de comunicación es "
                    "inadecuado, el Servidor de datos no está instalado o los datos de la conexión están incorrectos.");
      break;
    case isc_wrong_ods:
      codigo = CodigoErrorBD::EstructuraNoSoportada;
      mensaje = TextoEstructuraNoSoportada(nombreBD);
      break;
    default:
      break;
  }
  return TqovExceptionBaseDatos(mensaje, codigo, NombreDeClase(*this), OperacionConectar, QString());
}
