#include "core/engine/ConexionRevision.h"

#include "core/engine/FirebirdProc.h"
#include "core/util/CadenaConexion.h"

TConexionRevision::TConexionRevision(const QString& ARutaBD, const QString& AServer, const QString& ADBUser,
                                     const QString& ADBPass) {
  FTransaccion.SetDefaultDatabase(&FBD);
  FBD.SetDefaultTransaction(&FTransaccion);
  FBD.SetLibraryName(QStringLiteral("fbclient.dll"));
  FBD.Database = CadenaConexion(AServer, ARutaBD);
  FBD.Username = ADBUser;
  FBD.Password = ADBPass;
  FConsulta.SetTransaction(&FTransaccion);
  FConsulta.SetDatabase(&FBD);
  FBD.Open();
}

TConexionRevision::~TConexionRevision() {
  try {
    if (FTransaccion.InTransaction()) FTransaccion.Commit();
    if (FBD.Connected()) FBD.Close();
  } catch (const Exception&) {
  }
}

void TConexionRevision::EnTransaccion(const std::function<void()>& AAccion) {
  FTransaccion.StartTransaction();
  AAccion();
  FTransaccion.Commit();
}

void TConexionRevision::Leer(const QStringList& ALineas, const std::function<void(TqovDAQuery&)>& APorFila) {
  FConsulta.SQL().Clear();
  for (const QString& linea : ALineas) FConsulta.SQL().Add(linea);
  FConsulta.ExecQuery();
  for (FConsulta.First(); !FConsulta.Eof(); FConsulta.Next()) APorFila(FConsulta);
  FConsulta.Close();
}

void TConexionRevision::Consultar(const QStringList& ALineas, const std::function<void(TqovDAQuery&)>& APorFila) {
  EnTransaccion([&] { Leer(ALineas, APorFila); });
}

bool TConexionRevision::TieneColumna(const QString& ARelacion, const QString& ACampo) {
  bool tiene = false;
  const auto literal = [](QString ATexto) {
    return QLatin1Char('\'') + ATexto.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
  };
  Consultar({QStringLiteral("SELECT COUNT(*) FROM RDB$RELATION_FIELDS WHERE RDB$RELATION_NAME = %1 AND "
                            "RDB$FIELD_NAME = %2")
                 .arg(literal(ARelacion), literal(ACampo))},
            [&tiene](TqovDAQuery& AConsulta) { tiene = AConsulta.Field(0).AsInteger() > 0; });
  return tiene;
}

TConexionRevision::TRevision TConexionRevision::Revisar() {
  // Only the monitoring tables of ODS 12 have MON$SYSTEM_FLAG; an older database is asked without it.
  const bool conColumna = TieneColumna(QStringLiteral("MON$ATTACHMENTS"), QStringLiteral("MON$SYSTEM_FLAG"));
  TRevision revision;
  EnTransaccion([&] {
    Leer(TqovFirebirdProc::LineasUsuariosConectados(conColumna), [&revision](TqovDAQuery& AConsulta) {
      revision.Usuarios << QStringLiteral("Usuario: ") + AConsulta.FieldByName(QStringLiteral("MON$USER")).AsString() +
                               QStringLiteral(" - Proceso: ") +
                               AConsulta.FieldByName(QStringLiteral("MON$REMOTE_PROCESS")).AsString();
    });
    Leer({QStringLiteral("SELECT CURRENT_TRANSACTION FROM RDB$DATABASE")},
         [&revision](TqovDAQuery& AConsulta) { revision.Transaccion = AConsulta.Field(0).AsLargeInt(); });
  });
  return revision;
}

int TConexionRevision::NumeroConexion() { return FBD.Attachment().DatabaseInfoInteger(isc_info_attachment_id); }

void TConexionRevision::Cerrar() {
  FConsulta.Close();
  if (FTransaccion.InTransaction()) FTransaccion.Commit();
  FBD.Close();
}
