#include "platform/grids/DBGridModel.h"

#include "platform/forms/Application.h"

namespace {

// The record of a row being announced as removed, which the data set no longer holds.
constexpr int RegistroIdo = -2;

}  // namespace

TDBGridModel::TDBGridModel(QObject* AParent) : QAbstractTableModel(AParent) {}

void TDBGridModel::SetDataSource(TDataSource* AValue) {
  if (FDataSource == AValue) return;
  if (FDataSource) disconnect(FDataSource, nullptr, this, nullptr);
  FDataSource = AValue;
  if (AValue)
    connect(AValue, &TDataSource::DataSetChanged, this, [this] {
      if (FDataSource->DataSet() != FDataSet) LinkDataSet();
    });
  LinkDataSet();
}

void TDBGridModel::LinkDataSet() {
  for (const auto& conexion : FConnections) disconnect(conexion);
  FConnections.clear();
  FDataSet = FDataSource ? FDataSource->DataSet() : nullptr;
  if (TDataSet* d = FDataSet) {
    FConnections = {connect(d, &TDataSet::RowInserted, this, &TDBGridModel::RowInserted),
                    connect(d, &TDataSet::RowRemoved, this, &TDBGridModel::RowRemoved),
                    connect(d, &TDataSet::RowChanged, this, &TDBGridModel::RowChanged),
                    connect(d, &TDataSet::StateChanged, this, &TDBGridModel::StateChanged),
                    connect(d, &TDataSet::DataSetChanged, this, &TDBGridModel::WholeChanged),
                    connect(d, &TDataSet::RecordChanged, this, &TDBGridModel::CurrentRecordChanged),
                    connect(d, &TDataSet::DataSetScrolled, this, &TDBGridModel::Scrolled),
                    connect(d, &QObject::destroyed, this, [this] { Reset(); })};
  }
  Reset();
}

void TDBGridModel::SetColumns(const TGridColumns& AValue) {
  beginResetModel();
  FColumns = AValue;
  FTitleImages = QVector<QIcon>(AValue.size());
  endResetModel();
  Reset();
}

void TDBGridModel::Reset() {
  beginResetModel();
  FFieldIndex.fill(-1, FColumns.size());
  FRows = 0;
  FInsertRow = -1;
  if (Active()) {
    for (int c = 0; c < FColumns.size(); ++c)
      if (const TField* campo = FDataSet->FindField(FColumns[c].FieldName)) FFieldIndex[c] = campo->Index();
    FRows = FDataSet->RecordCount();
    FInsertRow = FDataSet->InsertRow();
  }
  FOpen = Active();
  FMarkedRow = CurrentRow();
  FRowNotice = false;
  endResetModel();
  emit CurrentMoved();
}

TField* TDBGridModel::ColumnField(int AColumn) const {
  const int campo = FFieldIndex.value(AColumn, -1);
  return campo >= 0 && Active() ? &FDataSet->Field(campo) : nullptr;
}

int TDBGridModel::ColumnOfField(const QString& AFieldName) const {
  for (int c = 0; c < FColumns.size(); ++c)
    if (FColumns[c].FieldName.compare(AFieldName, Qt::CaseInsensitive) == 0) return c;
  return -1;
}

void TDBGridModel::SetTitleImage(int AColumn, const QIcon& AIcon) {
  if (AColumn < 0 || AColumn >= FTitleImages.size()) return;
  FTitleImages[AColumn] = AIcon;
  emit headerDataChanged(Qt::Horizontal, AColumn, AColumn);
}

int TDBGridModel::CurrentRow() const {
  if (!Active()) return -1;
  return FInsertRow >= 0 ? FInsertRow : FDataSet->RecNo() - 1;
}

int TDBGridModel::RecordOfRow(int ARow) const {
  int registro = ARow;
  if (FInsertRow >= 0 && ARow >= FInsertRow) {
    if (ARow == FInsertRow) return -1;
    --registro;
  }
  // While a row that the data set already inserted or removed is announced, the rows read as before.
  if (FAnnouncedInsert >= 0 && registro >= FAnnouncedInsert) ++registro;
  if (FAnnouncedRemove >= 0 && registro >= FAnnouncedRemove)
    registro = registro == FAnnouncedRemove ? RegistroIdo : registro - 1;
  return registro;
}

int TDBGridModel::rowCount(const QModelIndex& AParent) const {
  return AParent.isValid() ? 0 : FRows + (FInsertRow >= 0 ? 1 : 0);
}

int TDBGridModel::columnCount(const QModelIndex& AParent) const {
  return AParent.isValid() ? 0 : static_cast<int>(FColumns.size());
}

QVariant TDBGridModel::Value(int ARow, int AColumn) const {
  const int campo = FFieldIndex[AColumn];
  if (campo < 0) return {};
  const int registro = RecordOfRow(ARow);
  if (registro == RegistroIdo) return {};
  return registro < 0 ? FDataSet->Field(campo).Value() : FDataSet->RowValue(registro, campo);
}

QVariant TDBGridModel::data(const QModelIndex& AIndex, int ARole) const {
  if (!AIndex.isValid() || !Active()) return {};
  const TGridColumn& columna = FColumns[AIndex.column()];
  try {
    switch (ARole) {
      case Qt::DisplayRole:
        return columna.CheckBox ? QVariant() : QVariant(ValueText(Value(AIndex.row(), AIndex.column())));
      case Qt::EditRole:
        return Value(AIndex.row(), AIndex.column());
      case Qt::CheckStateRole:
        if (!columna.CheckBox) return {};
        return ValueText(Value(AIndex.row(), AIndex.column())) == columna.CheckedValue ? Qt::Checked : Qt::Unchecked;
      default:
        return {};
    }
  } catch (const Exception&) {
    // A value that cannot be read (a blob whose read failed) shows as an empty cell.
    return {};
  }
}

QVariant TDBGridModel::headerData(int ASection, Qt::Orientation AOrientation, int ARole) const {
  if (AOrientation == Qt::Vertical) {
    if (ARole != Qt::DisplayRole) return {};
    if (ASection == FInsertRow) return QStringLiteral("*");
    return ASection == FMarkedRow ? QStringLiteral("\u25B8") : QString();
  }
  if (ASection < 0 || ASection >= FColumns.size()) return {};
  if (ARole == Qt::DisplayRole) return FColumns[ASection].Title;
  if (ARole == Qt::DecorationRole && !FTitleImages[ASection].isNull()) return FTitleImages[ASection];
  return {};
}

Qt::ItemFlags TDBGridModel::flags(const QModelIndex& AIndex) const {
  if (!AIndex.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags banderas = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  const TGridColumn& columna = FColumns[AIndex.column()];
  if (columna.ReadOnly || FFieldIndex[AIndex.column()] < 0) return banderas;
  return banderas | (columna.CheckBox ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool TDBGridModel::setData(const QModelIndex& AIndex, const QVariant& AValue, int ARole) {
  if (!AIndex.isValid() || AIndex.row() != CurrentRow() ||
      !(flags(AIndex) & (Qt::ItemIsEditable | Qt::ItemIsUserCheckable)))
    return false;
  const TGridColumn& columna = FColumns[AIndex.column()];
  QVariant valor = AValue;
  if (ARole == Qt::CheckStateRole) {
    if (!columna.CheckBox) return false;
    valor = AValue.value<Qt::CheckState>() == Qt::Checked ? columna.CheckedValue : columna.UncheckedValue;
  } else if (ARole != Qt::EditRole) {
    return false;
  }
  bool escrito = false;
  RunHandler([&] {
    TField& campo = FDataSet->Field(FFieldIndex[AIndex.column()]);
    if (FDataSet->State() == dsBrowse) FDataSet->Edit();
    campo.SetValue(valor);
    escrito = true;
  });
  return escrito;
}

bool TDBGridModel::InStep() const {
  if (!Active()) return FRows == 0 && FInsertRow < 0;
  return FRows == FDataSet->RecordCount() && (FInsertRow >= 0) == (FDataSet->State() == dsInsert);
}

void TDBGridModel::RowInserted(int ARow) {
  FRowNotice = true;
  if (FDataSet->RecordCount() == FRows) return RowChanged(ARow);  // the unsaved row, already shown, was posted
  if (FDataSet->RecordCount() != FRows + 1 || FInsertRow >= 0) return Reset();
  FAnnouncedInsert = ARow;
  beginInsertRows({}, ARow, ARow);
  FAnnouncedInsert = -1;
  ++FRows;
  endInsertRows();
}

void TDBGridModel::RowRemoved(int ARow) {
  FRowNotice = true;
  if (FDataSet->RecordCount() != FRows - 1 || FInsertRow >= 0) return Reset();
  FAnnouncedRemove = ARow;
  beginRemoveRows({}, ARow, ARow);
  FAnnouncedRemove = -1;
  --FRows;
  endRemoveRows();
}

void TDBGridModel::RowChanged(int ARow) {
  FRowNotice = true;
  const int fila = FInsertRow >= 0 && ARow >= FInsertRow ? ARow + 1 : ARow;
  if (!FColumns.isEmpty()) emit dataChanged(index(fila, 0), index(fila, columnCount() - 1));
}

void TDBGridModel::StateChanged() {
  const bool insertando = Active() && FDataSet->State() == dsInsert;
  if (Active() != FOpen) return Reset();
  if (insertando && FInsertRow < 0) {
    const int fila = FDataSet->InsertRow();
    if (fila < 0 || fila > FRows) return Reset();
    beginInsertRows({}, fila, fila);
    FInsertRow = fila;
    endInsertRows();
  } else if (!insertando && FInsertRow >= 0) {
    const int fila = FInsertRow;
    if (FDataSet->RecordCount() == FRows + 1) {  // posted: the unsaved row becomes the record
      ++FRows;
      FInsertRow = -1;
      if (!FColumns.isEmpty()) emit dataChanged(index(fila, 0), index(fila, columnCount() - 1));
    } else if (FDataSet->RecordCount() == FRows) {  // cancelled
      beginRemoveRows({}, fila, fila);
      FInsertRow = -1;
      endRemoveRows();
    } else {
      return Reset();
    }
  }
  Scrolled();
}

void TDBGridModel::WholeChanged() {
  const bool avisado = FRowNotice;
  FRowNotice = false;
  if (!InStep()) return Reset();
  // Opened again or re-read with as many rows: the cells are read anew, the rows stay.
  if (!avisado && rowCount() > 0 && !FColumns.isEmpty())
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  Scrolled();
}

void TDBGridModel::CurrentRecordChanged() {
  const int fila = CurrentRow();
  if (fila >= 0 && fila < rowCount() && !FColumns.isEmpty())
    emit dataChanged(index(fila, 0), index(fila, columnCount() - 1));
}

void TDBGridModel::Scrolled() {
  const int anterior = FMarkedRow;
  FMarkedRow = CurrentRow();
  if (anterior != FMarkedRow) {
    if (anterior >= 0 && anterior < rowCount()) emit headerDataChanged(Qt::Vertical, anterior, anterior);
    if (FMarkedRow >= 0 && FMarkedRow < rowCount()) emit headerDataChanged(Qt::Vertical, FMarkedRow, FMarkedRow);
  }
  emit CurrentMoved();
}
