#include "platform/fbdac/FbStoredProc.h"

#include "platform/fbdac/FbConnection.h"

TFbStoredProc::TFbStoredProc(QObject* AOwner, std::unique_ptr<TFbCommand> ACommand,
                             std::unique_ptr<TFbDataSetOptions> AOptions)
    : TFbQuery(AOwner, std::move(ACommand), std::move(AOptions)) {
  SetParamCheck(false);
}

void TFbStoredProc::SetStoredProcName(const QString& AValue) {
  if (AValue == FStoredProcName) return;
  Close();
  Unprepare();
  FStoredProcName = AValue;
}

void TFbStoredProc::Unprepare() {
  Command().Unprepare();
  FPrepared = false;
}

void TFbStoredProc::Prepare() {
  if (FPrepared) return;
  if (Options().DescribeParams) DescribirParametros();
  QStringList marcas;
  for (int i = 0; i < Params().Count(); ++i)
    if (Params().Items(i).ParamType() == ptInput) marcas << QStringLiteral("?");
  SQL().Assign(
      {QStringLiteral("EXECUTE PROCEDURE ") + FStoredProcName +
       (marcas.isEmpty() ? QString() : QLatin1Char('(') + marcas.join(QStringLiteral(", ")) + QLatin1Char(')'))});
  Command().Prepare();
  FPrepared = true;
}

// The procedure's parameters as the server lists them: inputs first, then outputs, each in its order.
void TFbStoredProc::DescribirParametros() {
  TFbCommand consulta(Connection(), Transaction(),
                      {QStringLiteral("SELECT TRIM(RDB$PARAMETER_NAME), RDB$PARAMETER_TYPE"),
                       QStringLiteral("FROM RDB$PROCEDURE_PARAMETERS"),
                       QStringLiteral("WHERE RDB$PROCEDURE_NAME = :PROCEDIMIENTO AND RDB$PACKAGE_NAME IS NULL"),
                       QStringLiteral("ORDER BY RDB$PARAMETER_TYPE, RDB$PARAMETER_NUMBER")});
  consulta.Params().ParamByName(QStringLiteral("PROCEDIMIENTO")).SetAsString(FStoredProcName);
  consulta.Execute();
  Params().Clear();
  QVector<QVariant> fila;
  while (consulta.Fetch(fila)) Params().Add(fila[0].toString(), fila[1].toInt() == 0 ? ptInput : ptOutput);
  consulta.CloseCursor();
}

void TFbStoredProc::Execute() {
  Prepare();
  Command().Execute();
  QVector<QVariant> valores;
  Command().Fetch(valores);
  const QVector<TParam*> salidas = Salidas();
  for (int i = 0; i < salidas.size(); ++i) salidas[i]->SetValue(valores.value(i));
}

QVector<TParam*> TFbStoredProc::Salidas() const {
  QVector<TParam*> salidas;
  for (int i = 0; i < Params().Count(); ++i)
    if (Params().Items(i).ParamType() == ptOutput) salidas << &Params().Items(i);
  return salidas;
}
