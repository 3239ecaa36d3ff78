#include "platform/fbdac/FbConnection.h"

#include "platform/fbclient/FbClient.h"
// The connection owns the command behind ExecSQL, and every command names the connection it runs on.
#include "platform/fbdac/FbCommand.h"
#include "platform/fbdac/FbTransaction.h"

TFbConnection::TFbConnection(QObject* AOwner)
    : TFbConnection(AOwner, std::make_unique<TFbConnectionOptions>(), std::make_unique<TFbCommand>()) {}

TFbConnection::TFbConnection(QObject* AOwner, std::unique_ptr<TFbConnectionOptions> AOptions,
                             std::unique_ptr<TFbCommand> ACommand)
    : QObject(AOwner), FOptions(std::move(AOptions)), FCommand(std::move(ACommand)) {
  FCommand->SetConnection(this);
}

TFbConnection::~TFbConnection() {
  FCommand.reset();
  Close();
}

void TFbConnection::ExecSQL(const QString& ASql) {
  FCommand->SQL.SetText(ASql);
  FCommand->Execute();
}

void TFbConnection::SetDefaultTransaction(TFbTransaction* AValue) {
  FDefaultTransaction = AValue;
  if (AValue) AValue->UnirConexion(this);
}

void TFbConnection::RegistrarTransaccion(TFbTransaction* ATransaction) {
  if (!FTransactions.contains(ATransaction)) FTransactions << ATransaction;
}

void TFbConnection::RegistrarDataSet(TDataSet* ADataSet) { FDataSets << ADataSet; }

void TFbConnection::QuitarDataSet(TDataSet* ADataSet) { FDataSets.removeAll(ADataSet); }

QList<TDataSet*> TFbConnection::DataSets() const {
  QList<TDataSet*> dataSets;
  for (const auto& dataSet : FDataSets) dataSets << dataSet.data();
  return dataSets;
}

TFieldType TFbConnection::FieldTypeOf(const TFbColumn& AColumn) const {
  for (const TDataTypeRule& regla : FDataTypeMap)
    if (regla.DBType == AColumn.Kind) return regla.FieldType;
  switch (AColumn.Kind) {
    case TFbValueKind::String:
      return ftString;
    case TFbValueKind::FixedChar:
      return ftFixedChar;
    case TFbValueKind::SmallInt:
      return ftSmallint;
    case TFbValueKind::Integer:
      return ftInteger;
    case TFbValueKind::BigInt:
      return ftLargeint;
    case TFbValueKind::ScaledNumeric:
      return FOptions->EnableBCD ? ftBCD : ftFloat;
    case TFbValueKind::Float:
    case TFbValueKind::Double:
      return ftFloat;
    case TFbValueKind::Date:
      return ftDate;
    case TFbValueKind::Time:
      return ftTime;
    case TFbValueKind::TimeStamp:
      return ftDateTime;
    case TFbValueKind::Boolean:
      return ftBoolean;
    case TFbValueKind::TextBlob:
      return ftWideMemo;
    case TFbValueKind::BinaryBlob:
      return ftBlob;
    case TFbValueKind::Null:
      break;
  }
  return ftUnknown;
}

// The connection's parameter lines, with the user, password, character set and dialect of the
// connection's own settings where the lines do not give them.
QStringList TFbConnection::ParametrosDeConexion() const {
  QStringList lineas = Params.Lines();
  const auto agregar = [&lineas](const QString& nombre, const QString& valor) {
    const QString prefijo = nombre + QLatin1Char('=');
    for (const QString& linea : lineas)
      if (linea.startsWith(prefijo, Qt::CaseInsensitive)) return;
    if (!valor.isEmpty()) lineas << prefijo + valor;
  };
  agregar(QStringLiteral("user_name"), Username);
  agregar(QStringLiteral("password"), Password);
  agregar(QStringLiteral("lc_ctype"), FOptions->Charset);
  agregar(QStringLiteral("sql_dialect"), QString::number(SQLDialect));
  return lineas;
}

void TFbConnection::SetConnected(bool AValue) {
  if (AValue == Connected()) return;
  if (AValue) {
    FAttachment.Attach(TFbClientLibrary::Load(ClientLibrary), Database, ParametrosDeConexion());
    ++FAttachments;
    return;
  }
  for (int i = FDataSets.size() - 1; i >= 0; --i)
    if (FDataSets[i]) FDataSets[i]->Close();
  for (const auto& transaccion : FTransactions)
    if (transaccion && transaccion->Connection() == this && transaccion->Active())
      transaccion->Terminar(transaccion->DefaultCloseAction);
  FAttachment.Detach();
}

TFbAttachment& TFbConnection::Attachment() {
  if (!Connected()) throw EDatabaseError(QStringLiteral("La conexión con la base de datos no está abierta."));
  return FAttachment;
}

QString TFbConnection::ClientVersion() const { return TFbClientLibrary::Load(ClientLibrary).ClientVersion(); }

QString TFbConnection::ServerVersion() {
  // "LI-V3.0.11.33637 Firebird 3.0": the number after the platform's prefix.
  const QString texto = Attachment().ServerVersionText();
  const qsizetype inicio = texto.indexOf(QLatin1Char('-')) + 2;
  return texto.mid(inicio).section(QLatin1Char(' '), 0, 0);
}

int TFbConnection::ServerMajorVersion() { return ServerVersion().section(QLatin1Char('.'), 0, 0).toInt(); }

int TFbConnection::ServerMinorVersion() { return ServerVersion().section(QLatin1Char('.'), 1, 1).toInt(); }
