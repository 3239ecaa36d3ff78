#include "controls/grids/CustomDBGridQov.h"

#include "controls/basic/StateChangeQov.h"
#include "controls/grids/AjusteColumnasQov.h"
#include "platform/rtl/FloatFormat.h"

QHash<const TqovCustomDBGrid*, TInfoGridQov> RegistroInfoGrid;

TqovCustomDBGrid::TqovCustomDBGrid(TComponent* AOwner)
    : TDBGrid(AOwner), FTmrAjustarCliente(new TTimer(nullptr)), FTmrLanzarAjustarCliente(new TTimer(nullptr)) {
  SetNoEditable(false);
  SetUseTFields(false);
  for (TTimer* t : {FTmrAjustarCliente.get(), FTmrLanzarAjustarCliente.get()}) {
    t->SetEnabled(false);
    t->SetInterval(100);
  }
  FTmrAjustarCliente->SetOnTimer([this](QObject* Sender) { TmrAjustarClienteTimer(Sender); });
  FTmrLanzarAjustarCliente->SetOnTimer([this](QObject* Sender) { TmrLanzarAjustarClienteTimer(Sender); });
}

TqovCustomDBGrid::~TqovCustomDBGrid() {
  RegistroInfoGrid.remove(this);
  FTmrAjustarCliente->SetEnabled(false);
  FTmrLanzarAjustarCliente->SetEnabled(false);
}

void TqovCustomDBGrid::SetEtiqueta(TLabel* AValue) {
  if (FEtiqueta) FEtiqueta->RemoveFreeNotification(this);
  FEtiqueta = AValue;
  if (AValue) AValue->FreeNotification(this);
}

void TqovCustomDBGrid::Notification(TComponent* AComponent, TOperation AOperation) {
  TDBGrid::Notification(AComponent, AOperation);
  if (AOperation == opRemove && FEtiqueta && AComponent == static_cast<TComponent*>(FEtiqueta.data()))
    FEtiqueta = nullptr;
}

void TqovCustomDBGrid::SetNoEditable(bool AValue) {
  FNoEditable = AValue;
  SetTabStop(!AValue);
  SetReadOnly(AValue);
  SetColor(AValue ? clBtnFace : clWindow);
}

void TqovCustomDBGrid::EnabledChanged() {
  SetColor(Enabled() ? clWindow : clBtnFace);
  if (FEtiqueta) FEtiqueta->SetEnabled(Enabled());
}

void TqovCustomDBGrid::CreateWnd() {
  DragAcceptFiles(true);
  if (DataSource() && !FStateQov) {
    FStateQov = std::make_unique<TqovStateChange>(nullptr);
    FStateQov->SetDataSource(DataSource());
    FStateQov->OnStateChange = [this](QObject*) { ReiniciarAjustes(); };
    FStateQov->Loaded();
  }
}

void TqovCustomDBGrid::ObtenerAnchosColumnas() {
  if (!FDisplayWidths.isEmpty()) return;
  if (UseTFields()) {
    if (TDataSet* d = DataSet(); d && d->Active())
      for (int i = 0; i < d->FieldCount(); ++i)
        if (d->Field(i).Visible()) FDisplayWidths << d->Field(i).DisplayWidth();
    return;
  }
  for (const QString& texto : Selected()) FDisplayWidths << StrToInt(texto.section(QLatin1Char('\t'), 1, 1));
}

void TqovCustomDBGrid::AjustarColumnas() {
  try {
    ObtenerAnchosColumnas();
    ScaleColWidths();
  } catch (const Exception&) {
    // A column list that cannot be read leaves the widths as they are.
  }
}

namespace {

TMedidasRejillaQov Medidas(const TDBGrid& AGrid) {
  return {AGrid.AvailableWidth(), AGrid.GridLineWidth(), AGrid.BorderStyle() == bsNone,
          AGrid.Options().testFlag(dgIndicator)};
}

}  // namespace

bool TqovCustomDBGrid::RequiereAjuste() {
  QVector<int> anchos;
  for (int i = 0; i < ColCount(); ++i) anchos << ColWidthsPixels(i);
  const TMedidasRejillaQov medidas = Medidas(*this);
  FColumnasAjustadas = AnchoUsadoQov(anchos, medidas) != medidas.Disponible;
  return FColumnasAjustadas;
}

void TqovCustomDBGrid::ScaleColWidths() {
  if (!HandleAllocated() || !FAjustarColumnasEnEscalamiento) return;
  if (ShowHorzScrollBar() && !Options().testFlag(dgColumnResize)) SetShowHorzScrollBar(false);
  if (!RequiereAjuste()) return;
  const QVector<int> anchos = AjustarAnchosQov(Medidas(*this), FDisplayWidths);
  for (int i = 0; i < std::min(static_cast<int>(anchos.size()), ColCount()); ++i) SetColWidthsPixels(i, anchos[i]);
  FColumnasAjustadas = true;
}

void TqovCustomDBGrid::ReiniciarAjustes() {
  FColumnasAjustadas = false;
  if (!FAjustandoDesplazamiento) FDesplazamientoAjustado = false;
}

void TqovCustomDBGrid::SetColumnAttributes() {
  TDBGrid::SetColumnAttributes();
  if (FAjustarColumnasEnEscalamiento && !FColumnasAjustadas) AjustarColumnas();
}

void TqovCustomDBGrid::ApplySelected() {
  if (FAjustarColumnasEnEscalamiento) FDisplayWidths.clear();
  TDBGrid::ApplySelected();
  if (!FAjustarColumnasEnEscalamiento) return;
  ObtenerAnchosColumnas();
  ScaleColWidths();
}

void TqovCustomDBGrid::ScaleForPPI(int ANewPPI) {
  TDBGrid::ScaleForPPI(ANewPPI);
  if (FAjustarColumnasEnEscalamiento) AjustarDesplazamientoColsQov();
}

void TqovCustomDBGrid::Painted() {
  if (!FAjustarColumnasEnEscalamiento) return;
  if (!FColumnasAjustadas) AjustarColumnas();
  if (!FDesplazamientoAjustado && LeftCol() != 0) {
    FAjustandoDesplazamiento = true;
    FDesplazamientoAjustado = true;
    AjustarDesplazamientoColsQov();
  }
}

void TqovCustomDBGrid::AjustarDesplazamientoColsQov() {
  if (!HandleAllocated() || Options().testFlag(dgColumnResize)) return;
  if (LeftCol() != 0) FTmrLanzarAjustarCliente->SetEnabled(true);
}

void TqovCustomDBGrid::TmrLanzarAjustarClienteTimer(QObject*) {
  FTmrLanzarAjustarCliente->SetEnabled(false);
  const TField* activo = ActiveField();
  if (FAjustarColumnasEnEscalamiento && activo && !activo->FieldName().isEmpty() && RowCount() > 0) {
    RegistroInfoGrid.insert(this, {FixedCols(), false, ColumnReadOnly(0), false, activo->FieldName()});
    SetFixedCols(0);
    SetColumnReadOnly(0, false);
  }
  RestaurarEstadoGrid();
}

void TqovCustomDBGrid::RestaurarEstadoGrid() {
  if (!HandleAllocated() || !RegistroInfoGrid.contains(this)) return;
  const TInfoGridQov info = RegistroInfoGrid.value(this);
  if (!FOnEnterEvent) {
    FOnEnterEvent = OnColEnter;
    OnColEnter = nullptr;
  }
  SetActiveField(ColumnFieldName(0));
  SetColumnReadOnly(0, info.FirstColumnReadOnly);
  SetFixedCols(info.FixedCols);
  FActiveField = info.ActiveFieldName;
  RegistroInfoGrid.remove(this);
  RegistroInfoGrid.squeeze();
  FTmrAjustarCliente->SetEnabled(true);
}

void TqovCustomDBGrid::TmrAjustarClienteTimer(QObject*) {
  if (!HandleAllocated()) return;
  FTmrAjustarCliente->SetEnabled(false);
  if (!FActiveField.isEmpty()) SetActiveField(FActiveField);
  OnColEnter = FOnEnterEvent;
  FOnEnterEvent = nullptr;
  FAjustandoDesplazamiento = false;
}

void TqovCustomDBGrid::FilesDropped(const QStringList& AFiles) {
  if (!FAllowFileDrop || !OnFilesDropped) return;
  try {
    OnFilesDropped(this, AFiles);
  } catch (...) {
    // A drop's handler that fails ends the drop and nothing else.
  }
}
