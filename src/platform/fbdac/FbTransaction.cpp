#include "platform/fbdac/FbTransaction.h"

#include "platform/data/DataSet.h"
// A transaction joins the connections it spans, and each connection keeps the transactions that joined it.
#include "platform/fbdac/FbConnection.h"

TFbTransaction::TFbTransaction(QObject* AOwner) : QObject(AOwner) {}

TFbTransaction::~TFbTransaction() {
  // A destructor cannot fail: a transaction that cannot be ended here is ended by the server when the
  // attachment goes.
  try {
    Reset();
  } catch (const Exception&) {
  }
}

void TFbTransaction::SetDefaultConnection(TFbConnection* AValue) {
  FDefaultConnection = AValue;
  if (AValue) UnirConexion(AValue);
}

void TFbTransaction::UnirConexion(TFbConnection* AConnection) {
  if (!FConnections.contains(AConnection)) FConnections << AConnection;
  AConnection->RegistrarTransaccion(this);
}

QList<TFbConnection*> TFbTransaction::Connections() const {
  QList<TFbConnection*> conexiones;
  for (const auto& conexion : FConnections)
    if (conexion) conexiones << conexion.data();
  return conexiones;
}

TFbConnection* TFbTransaction::Connection() const {
  if (FDefaultConnection) return FDefaultConnection;
  for (TFbConnection* conexion : Connections())
    if (conexion->DefaultTransaction() == this) return conexion;
  return nullptr;
}

QByteArray TFbTransaction::Tpb() const {
  const QString nowait = QStringLiteral("nowait");
  const QString write = QStringLiteral("write");
  const QString read = QStringLiteral("read");
  const QString readCommitted = QStringLiteral("read_committed");
  const QString recVersion = QStringLiteral("rec_version");
  const QString consistency = QStringLiteral("consistency");
  QStringList elementos;
  switch (IsolationLevel) {
    case iblSnapshot:
      elementos = {QStringLiteral("concurrency"), nowait, write};
      break;
    case iblReadCommitted:
      elementos = {readCommitted, recVersion, nowait, write};
      break;
    case iblReadOnlyReadCommitted:
      elementos = {readCommitted, recVersion, nowait, read};
      break;
    case iblTableStability:
      elementos = {consistency, nowait, write};
      break;
    case iblReadOnlyTableStability:
      elementos = {consistency, nowait, read};
      break;
    case iblCustom:
      break;
  }
  for (const QString& linea : Params.Lines()) {
    const QString elemento = linea.trimmed().toLower();
    if (!elemento.isEmpty() && !elementos.contains(elemento)) elementos << elemento;
  }
  return BuildTpb(elementos);
}

void TFbTransaction::StartTransaction() {
  if (Active()) throw EDatabaseError(QStringLiteral("La transacción ya está activa."));
  TFbConnection* conexion = Connection();
  if (!conexion) throw EDatabaseError(QStringLiteral("No se ha asignado una conexión a la transacción."));
  FHandle.Start(conexion->Attachment(), Tpb());
}

void TFbTransaction::CheckActive() const {
  if (!Active()) throw EDatabaseError(QStringLiteral("La transacción no está activa."));
}

void TFbTransaction::Commit() {
  CheckActive();
  FHandle.Commit();
}

void TFbTransaction::Rollback() {
  CheckActive();
  FHandle.Rollback();
}

void TFbTransaction::CommitRetaining() {
  CheckActive();
  FHandle.CommitRetaining();
}

void TFbTransaction::RollbackRetaining() {
  CheckActive();
  FHandle.RollbackRetaining();
}

void TFbTransaction::StartSavepoint(const QString& AName) {
  CheckActive();
  FHandle.StartSavepoint(AName);
}

void TFbTransaction::RollbackSavepoint(const QString& AName) {
  CheckActive();
  FHandle.RollbackSavepoint(AName);
}

void TFbTransaction::ReleaseSavepoint(const QString& AName) {
  CheckActive();
  FHandle.ReleaseSavepoint(AName);
}

void TFbTransaction::Reset() {
  if (Active()) Terminar(DefaultCloseAction);
}

void TFbTransaction::Terminar(TTransactionAction AAction) {
  if (AAction == taCommit || AAction == taCommitRetaining)
    FHandle.Commit();
  else
    FHandle.Rollback();
}

TFbTransactionHandle& TFbTransaction::Handle() {
  if (!Active()) StartTransaction();
  return FHandle;
}
