// Statements and stored procedures of the Firebird session.

#include <QLocale>

#include "core/session/SesionBDFirebird.h"
#include "core/util/Utilerias.h"
#include "platform/forms/Screen.h"

namespace {

const QString Verdadero = QStringLiteral("S");
const QString Falso = QStringLiteral("N");

// Shows the SQL wait cursor while it lives, then the cursor shown before. Each call keeps its own saved
// cursor, so that a call made while another runs does not leave the wait cursor behind.
class CursorDeEspera {
 public:
  CursorDeEspera() : FAnterior(Screen.Cursor()) { Screen.SetCursor(crSQLWait); }
  ~CursorDeEspera() { Screen.SetCursor(FAnterior); }
  CursorDeEspera(const CursorDeEspera&) = delete;
  CursorDeEspera& operator=(const CursorDeEspera&) = delete;

 private:
  TCursor FAnterior;
};

}  // namespace

void TqovSesionBDFirebird::SetQuery(const QString& ASQL) {
  qsizetype inicio = 0;
  while (inicio < ASQL.size() && ASQL[inicio].unicode() < 33) ++inicio;
  QChar primeras[6];
  RellenarFijo(primeras, 5, ASQL.mid(inicio));
  FQuerySelect = QLocale().toUpper(QString(primeras, 6)) == QStringLiteral("SELECT");
  Consulta().Close();
  Consulta().SQL().SetText(ASQL);
}

TqovDADataset& TqovSesionBDFirebird::Consulta() {
  if (FQuerySelect) return FDataSet;
  return FQuery;
}

void TqovSesionBDFirebird::SetQueryParamAsString(const QString& ANombreParam, const QString& AValor) {
  Consulta().ParamByName(ANombreParam).SetAsString(AValor);
}

void TqovSesionBDFirebird::SetQueryParamAsInteger(const QString& ANombreParam, int AValor) {
  Consulta().ParamByName(ANombreParam).SetAsInteger(AValor);
}

void TqovSesionBDFirebird::SetQueryParamAsDouble(const QString& ANombreParam, double AValor) {
  Consulta().ParamByName(ANombreParam).SetAsFloat(AValor);
}

void TqovSesionBDFirebird::SetQueryParamAsBoolean(const QString& ANombreParam, bool AValor) {
  Consulta().ParamByName(ANombreParam).SetAsString(AValor ? Verdadero : Falso);
}

void TqovSesionBDFirebird::SetQueryParamAsDate(const QString& ANombreParam, TDateTime AValor) {
  Consulta().ParamByName(ANombreParam).SetAsDate(AValor);
}

void TqovSesionBDFirebird::SetQueryParamAsDateTime(const QString& ANombreParam, TDateTime AValor) {
  Consulta().ParamByName(ANombreParam).SetAsDateTime(AValor);
}

void TqovSesionBDFirebird::SetQueryParamAsVariant(const QString& ANombreParam, const QVariant& AValor) {
  Consulta().ParamByName(ANombreParam).SetValue(AValor);
}

void TqovSesionBDFirebird::SetQueryParamToNull(const QString& ANombreParam) {
  Consulta().ParamByName(ANombreParam).SetValue(QVariant());
}

void TqovSesionBDFirebird::SetQueryParamAsStream(const QString& ANombreParam, QIODevice& AValor) {
  AValor.seek(0);
  Consulta().ParamByName(ANombreParam).LoadFromStream(AValor);
}

void TqovSesionBDFirebird::EjecutarQuery(TClientDataSet* ADataSet) {
  const CursorDeEspera cursor;
  if (!ADataSet && FQuerySelect)
    throw Exception(
        QStringLiteral("Método: TqovSesionBDFirebird.EjecutarQuery, Error: Se intentó ejecutar un query "
                       "de SELECT sin proporcionar un TClientDataSet"));
  if (ADataSet && !FQuerySelect)
    throw Exception(
        QStringLiteral("Método: TqovSesionBDFirebird.EjecutarQuery, Error: Se proporcionó un "
                       "TClientDataSet al intentar ejecutar un query que no es de SELECT"));
  try {
    if (FQuerySelect) {
      ADataSet->Close();
      ADataSet->SetProvider(&FDataSetProvider);
      FDataSet.Open();
      ADataSet->Open();
      FDataSet.Close();
      ADataSet->SetProviderName(QString());
    } else {
      FQuery.ExecQuery();
      FLastRowsAffected = FQuery.RowsAffected();
      FQuery.Close();
    }
  } catch (const EFbError& e) {
    throw ErrorDeEjecucion(e, QStringLiteral("EjecutarQuery"));
  }
}

void TqovSesionBDFirebird::SetProc(const QString& AProc) { FStoredProcedure.SetStoredProcName(AProc); }

void TqovSesionBDFirebird::SetProcParamAsString(const QString& ANombreParam, const QString& AValor) {
  FStoredProcedure.ParamByName(ANombreParam).SetAsString(AValor);
}

void TqovSesionBDFirebird::SetProcParamAsInteger(const QString& ANombreParam, int AValor) {
  FStoredProcedure.ParamByName(ANombreParam).SetAsInteger(AValor);
}

void TqovSesionBDFirebird::SetProcParamAsDouble(const QString& ANombreParam, double AValor) {
  FStoredProcedure.ParamByName(ANombreParam).SetAsFloat(AValor);
}

void TqovSesionBDFirebird::SetProcParamAsBoolean(const QString& ANombreParam, bool AValor) {
  FStoredProcedure.ParamByName(ANombreParam).SetAsString(AValor ? Verdadero : Falso);
}

void TqovSesionBDFirebird::SetProcParamAsDate(const QString& ANombreParam, TDateTime AValor) {
  FStoredProcedure.ParamByName(ANombreParam).SetAsDate(AValor);
}

void TqovSesionBDFirebird::SetProcParamAsDateTime(const QString& ANombreParam, TDateTime AValor) {
  FStoredProcedure.ParamByName(ANombreParam).SetAsDateTime(AValor);
}

void TqovSesionBDFirebird::SetProcParamToNull(const QString& ANombreParam) {
  FStoredProcedure.ParamByName(ANombreParam).SetValue(QVariant());
}

void TqovSesionBDFirebird::EjecutarProc() {
  const CursorDeEspera cursor;
  try {
    FStoredProcedure.ExecProc();
  } catch (const EFbError& e) {
    throw ErrorDeEjecucion(e, QStringLiteral("EjecutarProc"));
  }
}

QString TqovSesionBDFirebird::GetProcParamAsString(const QString& ANombreParam) {
  return FStoredProcedure.ParamByName(ANombreParam).AsString();
}

int TqovSesionBDFirebird::GetProcParamAsInteger(const QString& ANombreParam) {
  return FStoredProcedure.ParamByName(ANombreParam).AsInteger();
}

double TqovSesionBDFirebird::GetProcParamAsDouble(const QString& ANombreParam) {
  return FStoredProcedure.ParamByName(ANombreParam).AsFloat();
}

bool TqovSesionBDFirebird::GetProcParamAsBoolean(const QString& ANombreParam) {
  return FStoredProcedure.ParamByName(ANombreParam).AsString() == Verdadero;
}

TDateTime TqovSesionBDFirebird::GetProcParamAsDate(const QString& ANombreParam) {
  return FStoredProcedure.ParamByName(ANombreParam).AsDateTime();
}

TDateTime TqovSesionBDFirebird::GetProcParamAsDateTime(const QString& ANombreParam) {
  return FStoredProcedure.ParamByName(ANombreParam).AsDateTime();
}

TqovExceptionBaseDatos TqovSesionBDFirebird::ErrorDeEjecucion(const EFbError& AError, const QString& AOperacion) const {
  const int error = ObtenerCodigoError(AError);
  int codigo = CodigoErrorBD::Otro;
  if (EsErrorDeBloqueo(error))
    codigo = CodigoErrorBD::Bloqueo;
  else if (error == isc_no_dup || error == isc_unique_key_violation)
    codigo = CodigoErrorBD::ValorDuplicado;
  else if (error == isc_unavailable || error == isc_network_error)
    codigo = CodigoErrorBD::ServidorInalcanzable;
  else if (error == isc_foreign_key)
    codigo = CodigoErrorBD::LlaveForanea;
  else if (error == isc_except)
    codigo = CodigoErrorBD::ExcepcionDeProcedimiento;
  return TqovExceptionBaseDatos(AError.Message(), codigo, NombreDeClase(*this), AOperacion, QString());
}
