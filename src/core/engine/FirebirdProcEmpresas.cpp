#include "core/dataaccess/DAIBCQuery.h"
#include "core/engine/ExcepcionesConverBD.h"
#include "core/engine/FirebirdProc.h"
#include "platform/data/MemTable.h"
#include "platform/os/Paths.h"

void TqovFirebirdProc::Consultar(const QString& ARutaBD, const QString& AServer, const QString& ADBUser,
                                 const QString& ADBPass, const QStringList& ALineas,
                                 const std::function<void(TqovDAQuery&)>& APorFila) {
  TqovDADatabase bd;
  TqovDATransaction transaccion;
  transaccion.SetDefaultDatabase(&bd);
  bd.SetDefaultTransaction(&transaccion);
  bd.SetLibraryName(QStringLiteral("fbclient.dll"));
  bd.Database = AServer.isEmpty() ? ARutaBD : AServer + QLatin1Char(':') + ARutaBD;
  bd.Username = ADBUser;
  bd.Password = ADBPass;
  TqovDAQuery consulta;
  consulta.SetTransaction(&transaccion);
  consulta.SetDatabase(&bd);
  const auto limpiar = [&] {
    if (transaccion.InTransaction()) transaccion.Commit();
    if (bd.Connected()) bd.Close();
  };
  try {
    bd.Open();
    transaccion.StartTransaction();
    for (const QString& linea : ALineas) consulta.SQL().Add(linea);
    consulta.ExecQuery();
    for (consulta.First(); !consulta.Eof(); consulta.Next()) APorFila(consulta);
    consulta.Close();
    transaccion.Commit();
    bd.Close();
  } catch (const Exception&) {
    // The failure that ended the reading is the one to report, not one of the clean-up after it.
    try {
      limpiar();
    } catch (const Exception&) {
    }
    throw;
  }
  limpiar();
}

void TqovFirebirdProc::ObtenerEmpresasConfig(IqovFirebirdProcCaller& ACaller, TMemTable& ATable,
                                             const QString& ARutaConexion, const QString& ADBUser,
                                             const QString& ADBPass, const QString& AServer) {
  ATable.EmptyTable();
  ATable.Open();
  const QString config = JoinPath(ARutaConexion, QStringLiteral("System/Config.fdb"));
  const QString origen = EsODS12(ACaller, config, QStringLiteral("Config"))
                             ? JoinPath(ARutaConexion, QStringLiteral("ArchivarBDAnterior2019/System/Config.fdb"))
                             : config;
  QStringList pendientes;
  Consultar(origen, AServer, ADBUser, ADBPass,
            {QStringLiteral("SELECT NOMBRE_CORTO "), QStringLiteral("FROM EMPRESAS "),
             QStringLiteral("ORDER BY NOMBRE_CORTO")},
            [&](TqovDAQuery& AConsulta) {
              const QString nombre = AConsulta.FieldByName(QStringLiteral("NOMBRE_CORTO")).AsString();
              if (!EsODS12(ACaller, JoinPath(ARutaConexion, nombre + QStringLiteral(".fdb")), nombre))
                pendientes << nombre;
            });
  for (const QString& nombre : pendientes) {
    ATable.Append();
    ATable.FieldByName(QStringLiteral("NOMBRE_CORTO")).SetAsString(nombre);
    ATable.FieldByName(QStringLiteral("SELECCIONADO")).SetAsString(QStringLiteral("S"));
    ATable.Post();
  }
}

void TqovFirebirdProc::ChecarUsuariosConectados(const QString& ARutaBD, const QString& AServer, const QString& ADBUser,
                                                const QString& ADBPass) {
  FListaUsuariosConectados.clear();
  // Firebird 3.0 lists its own cache writer and garbage collector as attachments too: they are nobody.
  Consultar(
      ARutaBD, AServer, ADBUser, ADBPass,
      {QStringLiteral("SELECT MON$USER, MON$REMOTE_PROCESS "), QStringLiteral("FROM MON$ATTACHMENTS "),
       QStringLiteral("WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION "), QStringLiteral("AND MON$SYSTEM_FLAG = 0 ")},
      [this](TqovDAQuery& AConsulta) {
        FListaUsuariosConectados << QStringLiteral("Usuario: ") +
                                        AConsulta.FieldByName(QStringLiteral("MON$USER")).AsString() +
                                        QStringLiteral(" - Proceso: ") +
                                        AConsulta.FieldByName(QStringLiteral("MON$REMOTE_PROCESS")).AsString();
      });
  if (FListaUsuariosConectados.isEmpty()) return;
  QString mensaje;
  for (const QString& entrada : FListaUsuariosConectados) mensaje += entrada + QStringLiteral("\n\r");
  throw TqovExceptionBDUsuariosConectados(mensaje);
}

void TqovFirebirdProc::ChecarGbakActual(const QString& ARuta) {
  if (!FileExists(ARuta))
    throw TqovExceptionGbakRutaIncorrecta(
        QStringLiteral("No es posible continuar con el proceso de conversión debido a que no se encuentra la "
                       "herramienta gbak del Firebird actual.\n\rCorriga la ruta a la herramienta para continuar."));
}
