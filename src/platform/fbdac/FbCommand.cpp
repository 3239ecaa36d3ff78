#include "platform/fbdac/FbCommand.h"

#include "platform/fbdac/FbConnection.h"
#include "platform/fbdac/FbTransaction.h"

namespace {

bool InicioDeNombre(QChar c) { return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('"'); }

bool ParteDeNombre(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$'); }

// Where the text that starts at AInicio with the quote AComilla ends (one past its closing quote); a
// doubled quote stays inside.
qsizetype FinDeCita(const QString& ATexto, qsizetype AInicio, QChar AComilla) {
  qsizetype i = AInicio + 1;
  while (i < ATexto.size()) {
    if (ATexto[i] == AComilla) {
      if (i + 1 < ATexto.size() && ATexto[i + 1] == AComilla) {
        i += 2;
        continue;
      }
      return i + 1;
    }
    ++i;
  }
  return i;
}

}  // namespace

QString MarcarParametros(const QString& ASql, QStringList& ANombres) {
  QString resultado;
  resultado.reserve(ASql.size());
  const qsizetype n = ASql.size();
  qsizetype i = 0;
  while (i < n) {
    const QChar c = ASql[i];
    const QChar siguiente = i + 1 < n ? ASql[i + 1] : QChar();
    qsizetype fin = i + 1;
    if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
      fin = FinDeCita(ASql, i, c);
    } else if (c == QLatin1Char('-') && siguiente == QLatin1Char('-')) {
      fin = ASql.indexOf(QLatin1Char('\n'), i);
      if (fin < 0) fin = n;
    } else if (c == QLatin1Char('/') && siguiente == QLatin1Char('*')) {
      fin = ASql.indexOf(QStringLiteral("*/"), i + 2);
      fin = fin < 0 ? n : fin + 2;
    } else if (c == QLatin1Char(':') && InicioDeNombre(siguiente)) {
      if (siguiente == QLatin1Char('"')) {
        fin = FinDeCita(ASql, i + 1, siguiente);
        ANombres << ASql.mid(i + 2, fin - i - 3).replace(QStringLiteral("\"\""), QStringLiteral("\""));
      } else {
        fin = i + 1;
        while (fin < n && ParteDeNombre(ASql[fin])) ++fin;
        ANombres << ASql.mid(i + 1, fin - i - 1);
      }
      resultado += QLatin1Char('?');
      i = fin;
      continue;
    }
    resultado += QStringView(ASql).mid(i, fin - i);
    i = fin;
  }
  return resultado;
}

TFbCommand::TFbCommand(QObject* AOwner, std::unique_ptr<TParams> AParams)
    : QObject(AOwner), FParams(AParams ? std::move(AParams) : std::make_unique<TParams>(this)) {
  SQL.OnChange = [this] { SqlCambiado(); };
}

TFbCommand::TFbCommand(TFbConnection* AConnection, TFbTransaction* ATransaction, const QStringList& ASql)
    : TFbCommand() {
  SetConnection(AConnection);
  SetTransaction(ATransaction);
  SQL.Assign(ASql);
}

TFbCommand::~TFbCommand() = default;

void TFbCommand::SetParamCheck(bool AValue) {
  FParamCheck = AValue;
  SqlCambiado();
}

void TFbCommand::SetConnection(TFbConnection* AValue) {
  if (FConnection == AValue) return;
  Unprepare();
  FConnection = AValue;
}

TFbTransaction* TFbCommand::Transaction() const {
  if (FTransaction) return FTransaction;
  return FConnection ? FConnection->DefaultTransaction() : nullptr;
}

// A new text: the statement is prepared again, and with ParamCheck the parameters follow its marks,
// keeping the values of those whose names stay.
void TFbCommand::SqlCambiado() {
  Unprepare();
  FNombres.clear();
  if (!FParamCheck) {
    FTextoServidor = SQL.Lines().join(QLatin1Char('\n'));
    return;
  }
  FTextoServidor = MarcarParametros(SQL.Lines().join(QLatin1Char('\n')), FNombres);
  TParams anteriores;
  for (int i = 0; i < FParams->Count(); ++i) anteriores.Add(FParams->Items(i).Name()).AssignValue(FParams->Items(i));
  FParams->Clear();
  for (const QString& nombre : FNombres)
    if (!FParams->FindParam(nombre)) FParams->Add(nombre);
  FParams->AssignValues(anteriores);
}

void TFbCommand::Prepare() {
  // A statement of an attachment that has been closed since is gone with it.
  if (Prepared() && FConnection && FConnection->Attachments() != FAttachment) Unprepare();
  if (Prepared()) return;
  if (!FConnection) throw EDatabaseError(QStringLiteral("No se ha asignado una conexión."));
  TFbTransaction* transaccion = Transaction();
  if (!transaccion) throw EDatabaseError(QStringLiteral("No se ha asignado una transacción."));
  TFbAttachment& conexion = FConnection->Attachment();
  auto sentencia = std::make_unique<TFbStatement>();
  sentencia->Prepare(conexion, transaccion->Handle(), FTextoServidor);
  FStatement = std::move(sentencia);
  FAttachment = FConnection->Attachments();
}

void TFbCommand::Unprepare() { FStatement.reset(); }

void TFbCommand::Execute() {
  Prepare();
  QVector<QVariant> valores;
  if (FParamCheck) {
    for (const QString& nombre : FNombres) valores << FParams->ParamByName(nombre).Value();
  } else {
    for (int i = 0; i < FParams->Count(); ++i)
      if (FParams->Items(i).ParamType() != ptOutput && FParams->Items(i).ParamType() != ptResult)
        valores << FParams->Items(i).Value();
  }
  FStatement->Execute(Transaction()->Handle(), valores);
}

TFbStatement& TFbCommand::Statement() const {
  if (!FStatement) throw EDatabaseError(QStringLiteral("La instrucción no está preparada."));
  return *FStatement;
}

bool TFbCommand::ReturnsRows() const {
  const TFbStatementType tipo = Statement().Type();
  return tipo == TFbStatementType::Select || tipo == TFbStatementType::SelectForUpdate;
}

const QVector<TFbColumn>& TFbCommand::Columns() const { return Statement().Outputs(); }

bool TFbCommand::Fetch(QVector<QVariant>& ARow) { return Statement().Fetch(ARow); }

void TFbCommand::CloseCursor() {
  if (FStatement) FStatement->CloseCursor();
}

int TFbCommand::RowsAffected() const { return static_cast<int>(Statement().RowsAffected()); }
