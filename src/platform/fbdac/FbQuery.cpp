#include "platform/fbdac/FbQuery.h"

#include "platform/data/RecordStore.h"
#include "platform/fbdac/FbConnection.h"
#include "platform/fbdac/FbTransaction.h"

namespace {

// A column's default as the server keeps it ("DEFAULT 0") without its keyword.
QString SinPalabraDefault(QString AFuente) {
  AFuente = AFuente.trimmed();
  const QString palabra = QStringLiteral("DEFAULT");
  if (AFuente.startsWith(palabra, Qt::CaseInsensitive)) AFuente = AFuente.mid(palabra.size()).trimmed();
  return AFuente;
}

// A text column's width in characters: its bytes over the widest character of its character set.
int Caracteres(const TFbColumn& AColumna) {
  constexpr short UnicodeFss = 3;
  constexpr short Utf8 = 4;
  const bool texto = AColumna.Kind == TFbValueKind::String || AColumna.Kind == TFbValueKind::FixedChar;
  if (!texto) return 0;
  if (AColumna.CharacterSetId == Utf8) return AColumna.Length / 4;
  if (AColumna.CharacterSetId == UnicodeFss) return AColumna.Length / 3;
  return AColumna.Length;
}

}  // namespace

TFbQuery::TFbQuery(QObject* AOwner, std::unique_ptr<TFbCommand> ACommand, std::unique_ptr<TFbDataSetOptions> AOptions)
    : TDataSet(AOwner),
      FCommand(ACommand ? std::move(ACommand) : std::make_unique<TFbCommand>()),
      FOptions(AOptions ? std::move(AOptions) : std::make_unique<TFbDataSetOptions>()) {}

TFbQuery::~TFbQuery() {
  disconnect(FEnlaceMaestro);
  if (Connection()) Connection()->QuitarDataSet(this);
}

void TFbQuery::SetConnection(TFbConnection* AValue) {
  if (Connection() == AValue) return;
  if (Connection()) Connection()->QuitarDataSet(this);
  FCommand->SetConnection(AValue);
  if (AValue) AValue->RegistrarDataSet(this);
}

TFbTransaction* TFbQuery::UpdateTransaction() const {
  return FUpdateTransaction ? FUpdateTransaction.data() : Transaction();
}

void TFbQuery::SetMasterSource(TDataSource* AValue) {
  disconnect(FEnlaceMaestro);
  FMasterSource = AValue;
  if (!AValue) return;
  FEnlaceMaestro = connect(AValue, &TDataSource::DataSetScrolled, this, [this] {
    if (!Active()) return;
    Close();
    Open();
  });
}

void TFbQuery::TomarDelMaestro() {
  TDataSet* maestro = FMasterSource ? FMasterSource->DataSet() : nullptr;
  if (!maestro || !maestro->Active()) return;
  for (int i = 0; i < Params().Count(); ++i)
    if (TField* campo = maestro->FindField(Params().Items(i).Name())) Params().Items(i).SetValue(campo->Value());
}

void TFbQuery::Execute() {
  FCommand->Prepare();
  if (FCommand->ReturnsRows()) {
    Close();
    Open();
    return;
  }
  FCommand->Execute();
  FRowsAffected = FOptions->QueryRowsAffected ? FCommand->RowsAffected() : -1;
  if (!FOptions->AutoPrepare) FCommand->Unprepare();
  Confirmar(Transaction());
}

void TFbQuery::Confirmar(TFbTransaction* ATransaccion) {
  if (AutoCommit && ATransaccion && ATransaccion->Active()) ATransaccion->CommitRetaining();
}

void TFbQuery::InternalOpen() {
  TomarDelMaestro();
  FCommand->Execute();
  if (!FCommand->ReturnsRows()) {
    if (!FOptions->AutoPrepare) FCommand->Unprepare();
    throw EDatabaseError(QStringLiteral("La instrucción SQL no devuelve registros."));
  }
  FieldDefs().clear();
  QVector<TFieldType> tipos;
  for (const TFbColumn& columna : FCommand->Columns()) {
    tipos << Connection()->FieldTypeOf(columna);
    const QString origen = columna.Relation.isEmpty() ? QString() : columna.Relation + QLatin1Char('.') + columna.Field;
    FieldDefs().push_back({columna.Name, tipos.last(), Caracteres(columna), origen});
  }
  if (FOptions->DefaultValues) LeerDefaults();
  FFormato = std::make_shared<TFbRecordLayout>(FCommand->Columns(), FCommand->MessageSize(), tipos);
  auto filas = std::make_shared<TRecordStore>(FFormato);
  SetRecords(filas);
  // Blobs are read in the transaction that fetched their rows, while it lasts.
  FTransaccionLectura = Transaction();
  FInicioLectura = FTransaccionLectura->Handle().Serial();
  while (FCommand->Fetch()) {
    filas->AppendCopy(FCommand->Message());
    if (!FOptions->DeferredBlobRead) ResolveDeferred(filas->Count() - 1);
  }
  FCommand->CloseCursor();
}

QVariant TFbQuery::LoadDeferred(int AField, const char* AData) {
  if (!FTransaccionLectura || !FTransaccionLectura->Active() ||
      FTransaccionLectura->Handle().Serial() != FInicioLectura)
    throw EDatabaseError(QStringLiteral("No se puede leer el campo '%1': terminó la transacción en que se leyó su "
                                        "registro.")
                             .arg(FieldDefs()[AField].Name));
  return ReadBlobValue(FFormato->Column(AField), AData, FTransaccionLectura->Handle());
}

void TFbQuery::InternalClose() {
  FCommand->CloseCursor();
  if (!FOptions->AutoPrepare) FCommand->Unprepare();
}

// The default of every field that comes from a table column, from the column or else from its domain.
void TFbQuery::LeerDefaults() {
  TFbCommand consulta(Connection(), Transaction(),
                      {QStringLiteral("SELECT TRIM(RF.RDB$FIELD_NAME), COALESCE(RF.RDB$DEFAULT_SOURCE, "
                                      "F.RDB$DEFAULT_SOURCE)"),
                       QStringLiteral("FROM RDB$RELATION_FIELDS RF JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = "
                                      "RF.RDB$FIELD_SOURCE"),
                       QStringLiteral("WHERE RF.RDB$RELATION_NAME = :RELACION")});
  QStringList leidas;
  for (TFieldDef& def : FieldDefs()) {
    const QString relacion = def.Origin.section(QLatin1Char('.'), 0, 0);
    if (relacion.isEmpty() || leidas.contains(relacion)) continue;
    leidas << relacion;
    consulta.Params().ParamByName(QStringLiteral("RELACION")).SetAsString(relacion);
    consulta.Execute();
    QVector<QVariant> fila;
    while (consulta.Fetch(fila)) {
      if (fila[1].isNull()) continue;
      const QString origen = relacion + QLatin1Char('.') + fila[0].toString();
      for (TFieldDef& otro : FieldDefs())
        if (otro.Origin == origen) otro.DefaultExpression = SinPalabraDefault(fila[1].toString());
    }
    consulta.CloseCursor();
  }
}

void TFbQuery::InternalPost(const QVector<QVariant>& ANewValues, const QVector<QVariant>* AOldValues) {
  if (AOldValues)
    EjecutarCambio(SQLUpdate, QStringLiteral("modificar"), ANewValues, AOldValues);
  else
    EjecutarCambio(SQLInsert, QStringLiteral("insertar"), ANewValues, nullptr);
}

void TFbQuery::InternalDelete(const QVector<QVariant>& AValues) {
  EjecutarCambio(SQLDelete, QStringLiteral("borrar"), AValues, &AValues);
}

// Gives the command's ":FIELD" parameters the record's values, and its ":OLD_FIELD" parameters the values
// before the change.
void TFbQuery::TomarDelRegistro(TFbCommand& ACommand, const QVector<QVariant>& ANuevos,
                                const QVector<QVariant>& AAnteriores) const {
  const QString prefijoAnterior = QStringLiteral("OLD_");
  for (int i = 0; i < ACommand.Params().Count(); ++i) {
    TParam& param = ACommand.Params().Items(i);
    const bool anterior = param.Name().startsWith(prefijoAnterior, Qt::CaseInsensitive);
    if (const TField* campo = FindField(anterior ? param.Name().mid(prefijoAnterior.size()) : param.Name()))
      param.SetValue((anterior ? AAnteriores : ANuevos).value(campo->Index()));
  }
}

// Runs an insert, update or delete with the record's values. Without its statement the change cannot
// reach the database, so it is refused rather than kept only in memory.
void TFbQuery::EjecutarCambio(const TStrings& ASql, const QString& AAccion, const QVector<QVariant>& ANuevos,
                              const QVector<QVariant>* AAnteriores) {
  if (ASql.Text().trimmed().isEmpty())
    throw EDatabaseError(QStringLiteral("No se ha definido la instrucción para %1 el registro.").arg(AAccion));
  TFbCommand cambio(Connection(), UpdateTransaction(), ASql.Lines());
  TomarDelRegistro(cambio, ANuevos, AAnteriores ? *AAnteriores : ANuevos);
  for (int i = 0; i < cambio.Params().Count(); ++i) {
    TParam& param = cambio.Params().Items(i);
    if (FOptions->SetEmptyStrToNull && param.Value().typeId() == QMetaType::QString && param.AsString().isEmpty())
      param.Clear();
  }
  cambio.Execute();
  if (FOptions->StrictUpdate && AAnteriores && cambio.RowsAffected() != 1)
    throw EDatabaseError(
        QStringLiteral("No se actualizó el registro: la instrucción afectó %1 registros.").arg(cambio.RowsAffected()));
  Confirmar(UpdateTransaction());
}

void TFbQuery::RefreshRecord() {
  if (!Active() || RecNo() == 0) return;
  if (SQLRefresh.Count() == 0)
    throw EDatabaseError(QStringLiteral("No se ha definido la instrucción para leer de nuevo el registro."));
  const QVector<QVariant> actual = RowValues(RecNo() - 1);
  TFbCommand lectura(Connection(), Transaction(), SQLRefresh.Lines());
  TomarDelRegistro(lectura, actual, actual);
  lectura.Execute();
  QVector<QVariant> fila;
  const bool encontrado = lectura.Fetch(fila);
  const QVector<TFbColumn> columnas = lectura.Columns();
  lectura.CloseCursor();
  if (!encontrado) throw EDatabaseError(QStringLiteral("No se encontró el registro al leerlo de nuevo."));
  QVector<QVariant> valores = actual;
  for (int i = 0; i < columnas.size(); ++i)
    if (const TField* campo = FindField(columnas[i].Name))
      valores[campo->Index()] = ValorDeCampo(campo->DataType(), fila[i]);
  ReplaceCurrentRow(valores);
}
