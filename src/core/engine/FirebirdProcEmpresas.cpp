#include "core/engine/ConexionRevision.h"
#include "core/engine/ExcepcionesConverBD.h"
#include "core/engine/FirebirdProc.h"
#include "core/engine/NombreEmpresa.h"
#include "platform/data/MemTable.h"
#include "platform/os/Paths.h"

QString TqovFirebirdProc::ConfigDeEmpresas(IqovFirebirdProcCaller& ACaller, const QString& ARutaConexion) {
  const QString config = JoinPath(ARutaConexion, QStringLiteral("System/Config.fdb"));
  return EsODS12(ACaller, config, QStringLiteral("Config"))
             ? JoinPath(ARutaConexion, QStringLiteral("ArchivarBDAnterior2019/System/Config.fdb"))
             : config;
}

QStringList TqovFirebirdProc::LeerEmpresas(IqovFirebirdProcCaller& ACaller, const QString& ARutaConexion,
                                           const QString& ADBUser, const QString& ADBPass, const QString& AServer) {
  TConexionRevision bd(ConfigDeEmpresas(ACaller, ARutaConexion), AServer, ADBUser, ADBPass);
  QStringList nombres;
  bd.Consultar({QStringLiteral("SELECT NOMBRE_CORTO "), QStringLiteral("FROM EMPRESAS "),
                QStringLiteral("ORDER BY NOMBRE_CORTO")},
               [&nombres](TqovDAQuery& AConsulta) {
                 nombres << AConsulta.FieldByName(QStringLiteral("NOMBRE_CORTO")).AsString();
               });
  bd.Cerrar();
  return nombres;
}

void TqovFirebirdProc::ObtenerEmpresasConfig(IqovFirebirdProcCaller& ACaller, TMemTable& ATable,
                                             const QString& ARutaConexion, const QString& ADBUser,
                                             const QString& ADBPass, const QString& AServer) {
  ATable.EmptyTable();
  ATable.Open();
  const QStringList nombres = LeerEmpresas(ACaller, ARutaConexion, ADBUser, ADBPass, AServer);
  // The caller handles its input once the list is read and after each company, which it sees as it comes; a
  // cancel stops the list at the next company.
  ACaller.ProcessMessages();
  for (const QString& nombre : nombres) {
    if (ACaller.GetCancelar()) return;
    // A name that would lead out of the data folder is not even probed.
    if (!EsNombreDeArchivo(nombre))
      ACaller.Log(QStringLiteral("La empresa '") + nombre +
                  QStringLiteral("' no se puede convertir: su nombre no es un nombre de archivo válido."));
    else if (const QString ruta = JoinPath(ARutaConexion, nombre + QStringLiteral(".fdb")); IsSymLink(ruta))
      ACaller.Log(MotivoEnlace(QStringLiteral("la empresa ") + nombre, ruta));
    else if (!EsODS12(ACaller, ruta, nombre)) {
      ATable.Append();
      ATable.FieldByName(QStringLiteral("NOMBRE_CORTO")).SetAsString(nombre);
      ATable.FieldByName(QStringLiteral("SELECCIONADO")).SetAsString(QStringLiteral("S"));
      ATable.Post();
    }
    ACaller.ProcessMessages();
  }
}

QStringList TqovFirebirdProc::LineasUsuariosConectados(bool AConColumnaSistema) {
  QStringList lineas{QStringLiteral("SELECT MON$USER, MON$REMOTE_PROCESS "), QStringLiteral("FROM MON$ATTACHMENTS "),
                     QStringLiteral("WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION ")};
  // Firebird 3.0 lists its own cache writer and garbage collector as attachments too: they are nobody.
  if (AConColumnaSistema) lineas << QStringLiteral("AND MON$SYSTEM_FLAG = 0 ");
  return lineas;
}

void TqovFirebirdProc::InformarUsuarios(const QStringList& AUsuarios) {
  FListaUsuariosConectados = AUsuarios;
  if (AUsuarios.isEmpty()) return;
  QString mensaje;
  for (const QString& entrada : AUsuarios) mensaje += entrada + QStringLiteral("\n\r");
  throw TqovExceptionBDUsuariosConectados(mensaje);
}

void TqovFirebirdProc::ChecarUsuariosConectados(const QString& ARutaBD, const QString& AServer, const QString& ADBUser,
                                                const QString& ADBPass) {
  FListaUsuariosConectados.clear();
  TConexionRevision bd(ARutaBD, AServer, ADBUser, ADBPass);
  const QStringList usuarios = bd.Revisar().Usuarios;
  bd.Cerrar();
  InformarUsuarios(usuarios);
}

void TqovFirebirdProc::ChecarGbakActual(const QString& ARuta) {
  if (!FileExists(ARuta))
    throw TqovExceptionGbakRutaIncorrecta(
        QStringLiteral("No es posible continuar con el proceso de conversión debido a que no se encuentra la "
                       "herramienta gbak del Firebird actual.\n\rCorriga la ruta a la herramienta para continuar."));
}
