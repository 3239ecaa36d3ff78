#include "platform/data/DataSet.h"

#include <utility>

#include "platform/data/MemRecordLayout.h"
#include "platform/data/RecordStore.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/VariantConvert.h"

namespace {

// A default expression's value when it is a literal: a quoted text or a number; otherwise none.
QVariant ValorLiteral(const QString& AExpresion) {
  const QString texto = AExpresion.trimmed();
  if (texto.size() >= 2 && texto.startsWith(QLatin1Char('\'')) && texto.endsWith(QLatin1Char('\'')))
    return texto.mid(1, texto.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
  bool numero = false;
  const qlonglong entero = texto.toLongLong(&numero);
  if (numero) return entero;
  const double real = texto.toDouble(&numero);
  return numero ? QVariant(real) : QVariant();
}

// The value as the field's type keeps it; raises EDatabaseError when it does not convert.
QVariant Convertir(const TField& AField, const QVariant& AValor) {
  if (AValor.isNull()) return QVariant();
  QMetaType tipo;
  switch (AField.DataType()) {
    case ftString:
    case ftFixedChar:
    case ftMemo:
    case ftWideMemo:
      tipo = QMetaType::fromType<QString>();
      break;
    case ftSmallint:
    case ftInteger:
    case ftWord:
      tipo = QMetaType::fromType<int>();
      break;
    case ftLargeint:
      tipo = QMetaType::fromType<qlonglong>();
      break;
    case ftBoolean:
      tipo = QMetaType::fromType<bool>();
      break;
    case ftFloat:
    case ftBCD:
    case ftCurrency:
      tipo = QMetaType::fromType<double>();
      break;
    case ftDate:
      tipo = QMetaType::fromType<QDate>();
      break;
    case ftTime:
      tipo = QMetaType::fromType<QTime>();
      break;
    case ftDateTime:
      tipo = QMetaType::fromType<QDateTime>();
      break;
    case ftBlob:
      tipo = QMetaType::fromType<QByteArray>();
      break;
    case ftUnknown:
      return AValor;
  }
  QVariant valor = AValor;
  if (valor.metaType() == tipo) return valor;
  // Texts take the process-wide decimal separator; the conversion itself expects a point.
  if (valor.metaType() == QMetaType::fromType<QString>() && (tipo == QMetaType::fromType<double>()))
    valor = valor.toString().replace(FormatSettings.DecimalSeparator, QLatin1Char('.'));
  if (!valor.convert(tipo))
    throw EDatabaseError(
        QStringLiteral("'%1' no es un valor válido para el campo '%2'.").arg(AValor.toString(), AField.FieldName()));
  return valor;
}

}  // namespace

// --- TField

QString ValueText(const QVariant& AValue) {
  if (AValue.isNull()) return QString();
  switch (AValue.typeId()) {
    case QMetaType::QDate: {
      const QDate fecha = AValue.toDate();
      if (!fecha.isValid()) return {};
      return ShortPatterns().Date.Format(DateTimeParts(DaysFromJulianDay(fecha.toJulianDay()), 0));
    }
    case QMetaType::QTime: {
      const QTime hora = AValue.toTime();
      if (!hora.isValid()) return {};
      return ShortPatterns().Time.Format(DateTimeParts(0, hora.msecsSinceStartOfDay()));
    }
    case QMetaType::QDateTime: {
      const QDateTime momento = AValue.toDateTime();
      if (!momento.isValid()) return {};
      return ShortPatterns().DateTime.Format(
          DateTimeParts(DaysFromJulianDay(momento.date().toJulianDay()), momento.time().msecsSinceStartOfDay()));
    }
    case QMetaType::Bool:
      return AValue.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
      return FloatToStrF(AValue.toDouble(), TFloatFormat::General, 15, 0);
    case QMetaType::QByteArray:
      return QString::fromLatin1(AValue.toByteArray());
    default:
      return AValue.toString();
  }
}

TField::TField(TDataSet& ADataSet, const TFieldDef& ADef, int AIndex)
    : FDataSet(ADataSet),
      FDef(ADef),
      FIndex(AIndex),
      FDisplayWidth(ADef.Size > 0 ? ADef.Size : 10),
      FDefaultExpression(ADef.DefaultExpression) {}

QVariant TField::Value() const { return FDataSet.CurrentValue(FIndex); }

void TField::SetValue(const QVariant& AValue) { FDataSet.SetCurrentValue(*this, Convertir(*this, AValue)); }

bool TField::CanModify() const { return !FReadOnly && FDataSet.CanModify(); }

bool TField::IsValidChar(QChar AChar) const {
  const bool digitoOSigno = (AChar >= QLatin1Char('0') && AChar <= QLatin1Char('9')) || AChar == QLatin1Char('+') ||
                            AChar == QLatin1Char('-');
  switch (DataType()) {
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftLargeint:
      return digitoOSigno;
    case ftFloat:
    case ftBCD:
    case ftCurrency:
      return digitoOSigno || AChar == FormatSettings.DecimalSeparator || AChar == QLatin1Char('E') ||
             AChar == QLatin1Char('e');
    default:
      return true;
  }
}

void TField::SetAsString(const QString& AValue) {
  const bool texto = DataType() == ftString || DataType() == ftFixedChar || DataType() == ftMemo ||
                     DataType() == ftWideMemo || DataType() == ftUnknown;
  SetValue(AValue.isEmpty() && !texto ? QVariant() : QVariant(AValue));
}

QString TField::AsString() const { return FDataSet.CurrentText(FIndex); }

int TField::AsInteger() const { return static_cast<int>(AsLargeInt()); }

qint64 TField::AsLargeInt() const { return VarToInt64(Value()); }

double TField::AsFloat() const { return VarToFloat(Value()); }

bool TField::AsBoolean() const { return Value().toBool(); }

TDateTime TField::AsDateTime() const { return VarToDateTime(Value()); }

QByteArray TField::AsBytes() const { return Value().toByteArray(); }

// --- TDataSet

TDataSet::TDataSet(QObject* AOwner) : QObject(AOwner) {}

TDataSet::~TDataSet() = default;

void TDataSet::SetActive(bool AValue) {
  if (AValue == Active()) return;
  if (AValue) {
    DoBeforeOpen();
    OpenCursor();
    DoAfterOpen();
  } else {
    DoBeforeClose();
    CloseCursor();
    DoAfterClose();
  }
}

void TDataSet::OpenCursor() {
  FRecords.reset();
  try {
    InternalOpen();
  } catch (...) {
    FRecords.reset();
    throw;
  }
  if (!FRecords) FRecords = std::make_shared<TRecordStore>(std::make_shared<TMemRecordLayout>(FFieldDefs));
  FFields.clear();
  for (const TFieldDef& def : FFieldDefs)
    FFields.push_back(std::make_unique<TField>(*this, def, static_cast<int>(FFields.size())));
  FCurrent = IsEmpty() ? -1 : 0;
  FBof = true;
  FEof = IsEmpty();
  FModified = false;
  SetState(dsBrowse);
  emit DataSetChanged();
}

void TDataSet::CloseCursor() {
  InternalClose();
  FRecords.reset();
  FBuffer.clear();
  FCurrent = -1;
  FBof = FEof = true;
  FModified = false;
  SetState(dsInactive);
  FFields.clear();
  emit DataSetChanged();
}

void TDataSet::SetState(TDataSetState AState) {
  if (FState == AState) return;
  FState = AState;
  emit StateChanged();
}

void TDataSet::CheckActive() const {
  if (!Active())
    throw EDatabaseError(QStringLiteral("No se puede realizar esta operación en un conjunto de datos cerrado."));
}

void TDataSet::CheckBrowse(const char* AOperation) const {
  CheckActive();
  if (FState != dsBrowse)
    throw EDatabaseError(QStringLiteral("No se puede %1: el conjunto de datos está en modo de edición o inserción.")
                             .arg(QString::fromUtf8(AOperation)));
}

TField& TDataSet::Field(int AIndex) const {
  if (AIndex < 0 || AIndex >= FieldCount())
    throw EDatabaseError(QStringLiteral("Índice de campo fuera de límites (%1).").arg(AIndex));
  return *FFields[AIndex];
}

TField* TDataSet::FindField(const QString& AFieldName) const {
  for (const auto& campo : FFields)
    if (campo->FieldName().compare(AFieldName, Qt::CaseInsensitive) == 0) return campo.get();
  return nullptr;
}

TField& TDataSet::FieldByName(const QString& AFieldName) const {
  TField* campo = FindField(AFieldName);
  if (!campo) throw EDatabaseError(QStringLiteral("Campo '%1' no encontrado.").arg(AFieldName));
  return *campo;
}

int TDataSet::RecordCount() const { return FRecords ? FRecords->Count() : 0; }

QVariant TDataSet::RowValue(int ARow, int AField) {
  CheckActive();
  if (ARow < 0 || ARow >= RecordCount() || AField < 0 || AField >= FieldCount())
    throw EDatabaseError(QStringLiteral("El registro %1 o el campo %2 está fuera de límites.").arg(ARow).arg(AField));
  if (FState == dsEdit && ARow == FCurrent) return FBuffer.value(AField);
  return StoredValue(ARow, AField);
}

QVariant TDataSet::StoredValue(int ARow, int AField) {
  Resolve(ARow, AField);
  return FRecords->Value(ARow, AField);
}

void TDataSet::Resolve(int ARow, int AField) {
  if (FRecords->Deferred(ARow, AField))
    FRecords->Resolve(ARow, AField, LoadDeferred(AField, FRecords->Data(ARow, AField)));
}

void TDataSet::ResolveDeferred(int ARow) {
  for (int i = 0; i < FRecords->Layout()->FieldCount(); ++i) Resolve(ARow, i);
}

QVector<QVariant> TDataSet::RowValues(int ARow) {
  QVector<QVariant> valores(FRecords->Layout()->FieldCount());
  for (int i = 0; i < valores.size(); ++i) valores[i] = StoredValue(ARow, i);
  return valores;
}

std::shared_ptr<TRecordStore> TDataSet::ShareRecords() {
  CheckActive();
  for (int i = 0; i < RecordCount(); ++i) ResolveDeferred(i);
  return FRecords;
}

TRecordStore& TDataSet::Writable() {
  if (FRecords.use_count() > 1) FRecords = std::make_shared<TRecordStore>(*FRecords);
  return *FRecords;
}

QVariant TDataSet::LoadDeferred(int AField, const char*) {
  throw EDatabaseError(QStringLiteral("El campo '%1' no se puede leer.").arg(FFieldDefs[AField].Name));
}

int TDataSet::RecNo() const { return FCurrent + 1; }

bool TDataSet::Locate(const QString& AKeyFields, const QVariant& AKeyValues, TLocateOptions AOptions) {
  CheckBrowse("buscar");
  std::vector<TField*> campos;
  for (const QString& nombre : AKeyFields.split(QLatin1Char(';'), Qt::SkipEmptyParts))
    campos.push_back(&FieldByName(nombre.trimmed()));
  const QVariantList valores = campos.size() == 1 ? QVariantList{AKeyValues} : AKeyValues.toList();
  if (valores.size() != static_cast<qsizetype>(campos.size()))
    throw EDatabaseError(QStringLiteral("Se esperaban %1 valores para buscar.").arg(campos.size()));
  std::vector<QVariant> claves;
  for (size_t i = 0; i < campos.size(); ++i)
    claves.push_back(Convertir(*campos[i], valores[static_cast<qsizetype>(i)]));
  const Qt::CaseSensitivity mayusculas = AOptions.testFlag(loCaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;
  const auto coincide = [&](int AFila, size_t ACampo) {
    const QVariant valor = StoredValue(AFila, campos[ACampo]->Index());
    const QVariant& clave = claves[ACampo];
    if (valor.isNull() || clave.isNull()) return valor.isNull() && clave.isNull();
    if (clave.typeId() != QMetaType::QString) return valor == clave;
    const QString texto = valor.toString();
    return AOptions.testFlag(loPartialKey) ? texto.startsWith(clave.toString(), mayusculas)
                                           : texto.compare(clave.toString(), mayusculas) == 0;
  };
  for (int fila = 0; fila < RecordCount(); ++fila) {
    bool todos = true;
    for (size_t i = 0; i < campos.size() && todos; ++i) todos = coincide(fila, i);
    if (!todos) continue;
    FCurrent = fila;
    FBof = FEof = false;
    Scrolled();
    return true;
  }
  return false;
}

void TDataSet::SetRecNo(int AValue) {
  CheckActive();
  if (IsEmpty()) return;
  MoveBy(qBound(1, AValue, RecordCount()) - RecNo());
}

void TDataSet::First() {
  CheckBrowse("ir al primer registro");
  FCurrent = IsEmpty() ? -1 : 0;
  FBof = true;
  FEof = IsEmpty();
  Scrolled();
}

void TDataSet::Last() {
  CheckBrowse("ir al último registro");
  FCurrent = RecordCount() - 1;
  FBof = IsEmpty();
  FEof = true;
  Scrolled();
}

int TDataSet::MoveBy(int ADistance) {
  CheckBrowse("moverse");
  if ((ADistance > 0 && FEof) || (ADistance < 0 && FBof) || ADistance == 0) return 0;
  const int destino = qBound(0, FCurrent + ADistance, RecordCount() - 1);
  const int movidos = destino - FCurrent;
  FCurrent = destino;
  FBof = ADistance < 0 && movidos != ADistance;
  FEof = ADistance > 0 && movidos != ADistance;
  Scrolled();
  return movidos;
}

void TDataSet::Scrolled() {
  emit DataSetScrolled();
  DoAfterScroll();
}

void TDataSet::Edit() {
  CheckActive();
  if (FState == dsEdit || FState == dsInsert) return;
  CheckCanModify();
  if (IsEmpty()) {
    Insert();
    return;
  }
  FBuffer = RowValues(FCurrent);
  FModified = false;
  SetState(dsEdit);
}

void TDataSet::Insert() { StartInsert(FCurrent < 0 ? 0 : FCurrent); }

void TDataSet::Append() {
  StartInsert(RecordCount());
  FEof = true;
}

void TDataSet::CheckCanModify() const {
  if (!CanModify()) throw EDatabaseError(QStringLiteral("No se puede modificar un conjunto de datos de solo lectura."));
}

void TDataSet::StartInsert(int APosition) {
  CheckBrowse("insertar");
  CheckCanModify();
  FEofAntesInsertar = FEof;
  FBuffer = QVector<QVariant>(FieldCount());
  for (const auto& campo : FFields)
    if (!campo->DefaultExpression().isEmpty())
      FBuffer[campo->Index()] = Convertir(*campo, ValorLiteral(campo->DefaultExpression()));
  FInsertAt = APosition;
  FModified = false;
  SetState(dsInsert);
  emit RecordChanged(nullptr);
}

void TDataSet::Post() {
  CheckActive();
  if (FState != dsEdit && FState != dsInsert)
    throw EDatabaseError(QStringLiteral("El conjunto de datos no está en modo de edición o inserción."));
  UpdateRecord();
  DoBeforePost();
  const bool editado = FState == dsEdit;
  if (editado) {
    const QVector<QVariant> anteriores = RowValues(FCurrent);
    InternalPost(FBuffer, &anteriores);
    Writable().Replace(FCurrent, FBuffer);
  } else {
    InternalPost(FBuffer, nullptr);
    Writable().Insert(FInsertAt, FBuffer);
    FCurrent = FInsertAt;
    FBof = FEof = false;
  }
  FBuffer.clear();
  FModified = false;
  SetState(dsBrowse);
  if (editado)
    emit RowChanged(FCurrent);
  else
    emit RowInserted(FCurrent);
  emit RecordChanged(nullptr);
  DoAfterPost();
}

void TDataSet::Cancel() {
  if (FState != dsEdit && FState != dsInsert) return;
  if (FState == dsInsert) FEof = FEofAntesInsertar;
  FBuffer.clear();
  FModified = false;
  SetState(dsBrowse);
  emit RecordChanged(nullptr);
}

void TDataSet::Delete() {
  CheckActive();
  if (FState == dsInsert) {
    Cancel();
    return;
  }
  if (IsEmpty())
    throw EDatabaseError(QStringLiteral("No se puede realizar esta operación en un conjunto de datos vacío."));
  Cancel();
  InternalDelete(RowValues(FCurrent));
  const int borrado = FCurrent;
  Writable().Remove(borrado);
  FCurrent = qMin(FCurrent, RecordCount() - 1);
  FBof = FEof = IsEmpty();
  emit RowRemoved(borrado);
  Scrolled();
}

void TDataSet::UpdateRecord() {
  if (FState != dsEdit && FState != dsInsert)
    throw EDatabaseError(QStringLiteral("El conjunto de datos no está en modo de edición o inserción."));
  emit RecordUpdating();
}

void TDataSet::EnableControls() {
  if (FDisableCount == 0 || --FDisableCount > 0) return;
  emit StateChanged();
  emit DataSetChanged();
}

void TDataSet::InternalPost(const QVector<QVariant>&, const QVector<QVariant>*) {}

void TDataSet::InternalDelete(const QVector<QVariant>&) {}

void TDataSet::DoBeforeOpen() {
  if (BeforeOpen) BeforeOpen(*this);
}

void TDataSet::DoAfterOpen() {
  if (AfterOpen) AfterOpen(*this);
  if (!IsEmpty()) DoAfterScroll();
}

void TDataSet::DoBeforeClose() {
  if (BeforeClose) BeforeClose(*this);
}

void TDataSet::DoAfterClose() {
  if (AfterClose) AfterClose(*this);
}

void TDataSet::DoBeforePost() {
  if (BeforePost) BeforePost(*this);
}

void TDataSet::DoAfterPost() {
  if (AfterPost) AfterPost(*this);
}

void TDataSet::DoAfterScroll() {
  if (AfterScroll) AfterScroll(*this);
}

void TDataSet::EmptyRows() {
  Cancel();
  if (FRecords) FRecords = std::make_shared<TRecordStore>(FRecords->Layout());
  FCurrent = -1;
  FBof = FEof = true;
  emit DataSetChanged();
}

void TDataSet::ReplaceCurrentRow(const QVector<QVariant>& AValues) {
  if (FCurrent < 0) return;
  Writable().Replace(FCurrent, AValues);
  emit RowChanged(FCurrent);
  emit RecordChanged(nullptr);
}

QVariant TDataSet::CurrentValue(int AIndex) {
  if (FState == dsEdit || FState == dsInsert) return FBuffer.value(AIndex);
  return FCurrent < 0 ? QVariant() : StoredValue(FCurrent, AIndex);
}

QString TDataSet::CurrentText(int AIndex) {
  if (FState == dsEdit || FState == dsInsert) return ValueText(FBuffer.value(AIndex));
  if (FCurrent < 0) return {};
  Resolve(FCurrent, AIndex);
  return FRecords->Text(FCurrent, AIndex);
}

void TDataSet::SetCurrentValue(TField& AField, const QVariant& AValue) {
  if (FState != dsEdit && FState != dsInsert)
    throw EDatabaseError(QStringLiteral("El conjunto de datos no está en modo de edición o inserción."));
  FBuffer[AField.Index()] = AValue;
  FModified = true;
  emit RecordChanged(&AField);
  if (AField.OnChange) AField.OnChange(AField);
}

// --- TDataSource

void TDataSource::SetDataSet(TDataSet* AValue) {
  if (FDataSet == AValue) return;
  for (const auto& conexion : FConexiones) disconnect(conexion);
  FConexiones.clear();
  FDataSet = AValue;
  if (AValue) {
    // A notice passed on while the data set's controls are enabled.
    const auto pasar = [this, AValue](auto ASignal, auto AAviso) {
      return connect(AValue, ASignal, this, [this, AValue, AAviso](auto... AArgs) {
        if (!AValue->ControlsDisabled()) emit(this->*AAviso)(AArgs...);
      });
    };
    FConexiones = {pasar(&TDataSet::DataSetChanged, &TDataSource::DataSetChanged),
                   pasar(&TDataSet::DataSetScrolled, &TDataSource::DataSetScrolled),
                   pasar(&TDataSet::RecordChanged, &TDataSource::RecordChanged),
                   pasar(&TDataSet::StateChanged, &TDataSource::StateChanged),
                   pasar(&TDataSet::RowInserted, &TDataSource::RowInserted),
                   pasar(&TDataSet::RowRemoved, &TDataSource::RowRemoved),
                   pasar(&TDataSet::RowChanged, &TDataSource::RowChanged),
                   connect(AValue, &TDataSet::RecordUpdating, this, &TDataSource::RecordUpdating),
                   connect(AValue, &QObject::destroyed, this, [this] { SetDataSet(nullptr); })};
  }
  emit StateChanged();
  emit DataSetChanged();
}

void TDataSource::Edit() {
  if (FAutoEdit && FDataSet && FDataSet->State() == dsBrowse) FDataSet->Edit();
}

// --- TDataLink

void TDataLink::SetDataSource(TDataSource* AValue) {
  if (FDataSource == AValue) return;
  for (const auto& conexion : FConexiones) disconnect(conexion);
  FConexiones.clear();
  FDataSource = AValue;
  if (AValue) {
    FConexiones = {connect(AValue, &TDataSource::DataSetChanged, this, [this] { DataSetChanged(); }),
                   connect(AValue, &TDataSource::DataSetScrolled, this, [this] { DataSetScrolled(); }),
                   connect(AValue, &TDataSource::RecordChanged, this, [this](TField* f) { RecordChanged(f); }),
                   connect(AValue, &TDataSource::StateChanged, this, [this] { EstadoCambiado(); }),
                   connect(AValue, &TDataSource::RowInserted, this, [this](int f) { RowInserted(f); }),
                   connect(AValue, &TDataSource::RowRemoved, this, [this](int f) { RowRemoved(f); }),
                   connect(AValue, &TDataSource::RowChanged, this, [this](int f) { RowChanged(f); }),
                   connect(AValue, &TDataSource::RecordUpdating, this, [this] { UpdateData(); }),
                   connect(AValue, &QObject::destroyed, this, [this] { SetDataSource(nullptr); })};
  }
  EstadoCambiado();
}

void TDataLink::EstadoCambiado() {
  if (Active() != FActivo) {
    FActivo = Active();
    ActiveChanged();
  }
  StateChanged();
}
