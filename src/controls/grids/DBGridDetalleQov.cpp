#include "controls/grids/DBGridDetalleQov.h"

#include <QMouseEvent>
#include <algorithm>

#include "controls/edits/DBComboBoxQov.h"
#include "controls/edits/DBEditCalcQov.h"
#include "controls/icons/ImgLstQov.h"
#include "controls/menus/RutinasMenusQov.h"
#include "core/util/Utilerias.h"
#include "platform/forms/CustomEdit.h"
#include "platform/forms/Menus.h"

struct TqovDBGridDetalle::Situacion {
  TDataSetState State = dsInactive;
  bool Empty = true;
  bool Eof = true;
  bool Bof = true;
  int RecNo = 0;
  int Count = 0;
  int Col = 0;
  int Row = 0;
  // The exit column's form edit holds nothing but blanks and control characters.
  bool Blank = false;
};

TqovDBGridDetalle::TqovDBGridDetalle(TComponent* AOwner) : TqovCustomDBGrid(AOwner) {
  SetKeyOptions(KeyOptions() | dgEnterToTab);
  SetOptions((Options() & ~TDBGridOptions(dgIndicator | dgColumnResize | dgConfirmDelete | dgWordWrap)) |
             dgPerfectRowFit | dgNoLimitColSize | dgTrailingEllipsis | dgShowCellHint);
  SetEditControlOptions(EditControlOptions() | ecoCheckboxSingleClick | ecoDisableDateTimePicker);
  SetShowHorzScrollBar(false);

  FImageList = new TqovSelImgLst16(this);
  FPopupMenuStd = new TPopupMenu(this);
  FPopupMenuStd->SetImages(FImageList);
  FPopupMenuStd->OnPopup = [this](QObject* Sender) { PopupMenuStdPopup(Sender); };
  const auto elemento = [this](const QString& ACaption, int AHelpContext, int AImageIndex,
                               const std::function<void()>& AClick) {
    auto* item = new TMenuItem(this);
    item->SetCaption(ACaption);
    item->SetHelpContext(AHelpContext);
    item->SetImageIndex(AImageIndex);
    if (AClick) item->OnClick = [AClick](QObject*) { AClick(); };
    FPopupMenuStd->Add(item);
    return item;
  };
  FMenuItemInsertar = elemento(QStringLiteral("&Insertar renglón"), 1053, -1, [this] {
    if (TDataSet* d = DataSet(); d && d->Active()) d->Append();
  });
  FMenuItemEliminar = elemento(QStringLiteral("&Eliminar renglón"), 1054, -1, [this] {
    if (TDataSet* d = DataSet(); d && d->Active()) d->Delete();
  });
  FMenuItemSep = elemento(QStringLiteral("-"), 0, -1, nullptr);
  FMenuItemQueEsEsto =
      elemento(QStringLiteral("¿&Qué es esto?"), 1384, 0, [this] { MostrarAyudaContexto(ParentForm(), this); });
}

void TqovDBGridDetalle::Inicializa() {
  if (!FPopupMenuEsp) SetPopupMenu(FPopupMenuStd);
}

void TqovDBGridDetalle::DefVars() {
  bCampoSalida = !FCampoSalida.isEmpty();
  bSoloEdit = !(KeyOptions() & (dgAllowInsert | dgAllowDelete));
  AColSalida = 0;
  AUltimaCol = -1;
  if (bCampoSalida)
    for (int i = 0; i < Selected().size(); ++i) {
      QStringList partes;
      SepararTexto(Selected()[i], QStringLiteral("\t"), partes);
      const QString campo = partes.value(0).toUpper();
      if (campo == FCampoSalida.toUpper()) AColSalida = i;
      if (campo == FUltimoCampo.toUpper()) AUltimaCol = i;
    }
  const int columna = AColSalida + IndicatorOffset();
  TCustomEdit* editor = nullptr;
  bCampoSalidaEdit = UsesCustomControl(columna) && CanEditGrid() && IsCustomEditCell(columna, ActiveRow(), editor);
  ACustomEdit = editor ? editor->Widget() : nullptr;
  bDefVars = true;
}

TqovDBGridDetalle::Situacion TqovDBGridDetalle::Leer() const {
  Situacion s;
  if (TDataSet* d = DataSet(); d && d->Active()) {
    s.State = d->State();
    s.Count = d->RecordCount();
    s.Empty = d->IsEmpty();
    s.Eof = d->Eof();
    s.Bof = d->Bof();
    s.RecNo = d->RecNo();
  }
  s.Col = ActiveCol();
  s.Row = ActiveRow();
  if (const auto* edit = ACustomEdit ? dynamic_cast<TCustomEdit*>(TComponent::Of(ACustomEdit)) : nullptr) {
    const QString texto = edit->Text();
    s.Blank =
        bCampoSalidaEdit && std::all_of(texto.begin(), texto.end(), [](QChar c) { return c <= QLatin1Char(' '); });
  }
  return s;
}

void TqovDBGridDetalle::Salir(int& AKey, bool AForward) {
  AKey = 0;
  LeaveGrid(AForward);
}

void TqovDBGridDetalle::DescartarRenglon() {
  HideControls();
  if (TDataSet* d = DataSet(); d && d->Active()) d->Cancel();
}

bool TqovDBGridDetalle::SalidaSoloEdit(int& AKey, bool AShift, const Situacion& s) {
  if (!bCampoSalida || !bSoloEdit) return false;
  if (AShift && s.RecNo == 1 && s.Col == AColSalida) {
    Salir(AKey, false);
    return true;
  }
  if (!AShift && s.RecNo == s.Count && s.Col == AUltimaCol) {
    Salir(AKey, true);
    return true;
  }
  return false;
}

void TqovDBGridDetalle::TeclaTab(int& AKey, bool AShift, const Situacion& s) {
  const bool enSalida = !bCampoSalida || s.Col == AColSalida;
  const bool primeraCelda = s.Col == 0 && s.Row == 0;
  if (enSalida && s.Empty && s.State == dsBrowse) return Salir(AKey, !AShift);
  if (s.State == dsInsert && s.Blank && s.Eof) {
    if (s.Col < AColSalida) return;
    DescartarRenglon();
    AKey = 0;
    // With Shift the focus stays in the grid.
    if (!AShift) Salir(AKey, true);
    return;
  }
  if (s.State == dsBrowse && AShift && primeraCelda) return Salir(AKey, false);
  if (SalidaSoloEdit(AKey, AShift, s)) return;
  if (AShift && s.State == dsInsert && s.Count == 0 && primeraCelda) {
    DescartarRenglon();
    Salir(AKey, false);
  }
}

void TqovDBGridDetalle::TeclaEnter(int& AKey, bool AShift, const Situacion& s) {
  const bool enSalida = !bCampoSalida || s.Col == AColSalida;
  if (enSalida && s.Empty && s.State == dsBrowse) return Salir(AKey, !AShift);
  if (s.State == dsInsert && s.Blank && s.Eof) {
    if (s.Col < AColSalida) return;
    DescartarRenglon();
    return Salir(AKey, !AShift);
  }
  if (bCampoSalida) {
    SalidaSoloEdit(AKey, AShift, s);
  } else if (s.State == dsBrowse && AShift && s.Col == 0 && s.Row == 0) {
    Salir(AKey, false);
  }
}

void TqovDBGridDetalle::TeclaF6(int& AKey, bool AShift, const Situacion& s) {
  if (s.State == dsInsert && s.Blank && s.Eof) {
    DescartarRenglon();
    Salir(AKey, !AShift);
  } else if (s.State == dsBrowse) {
    Salir(AKey, !AShift);
  }
}

void TqovDBGridDetalle::Flechas(int& AKey, TShiftState AShift, const Situacion& s) {
  if (AShift.testFlag(ssAlt)) return Desplegar(AKey, AShift);
  if (AKey == VK_UP) {
    if ((s.State == dsInsert && s.Count == 0 && s.Eof) || (s.State == dsBrowse && (s.Empty || s.Bof || s.RecNo == 1))) {
      DescartarRenglon();
      Salir(AKey, false);
    }
  } else if (s.State == dsInsert && s.Blank && s.Eof) {
    DescartarRenglon();
    Salir(AKey, !AShift.testFlag(ssShift));
  } else if (bSoloEdit && (s.Eof || s.RecNo == s.Count)) {
    Salir(AKey, true);
  }
}

void TqovDBGridDetalle::Desplegar(int& AKey, TShiftState AShift) {
  const int columna = ActiveCol() + IndicatorOffset();
  if (!UsesCustomControl(columna) || !CanEditGrid()) return;
  TCustomEdit* editor = nullptr;
  if (IsCustomEditCell(columna, ActiveRow(), editor)) {
    QWidget* control = editor->Widget();
    ACustomEditCell = control;
    // Only the library's combo box and calculator edit have a drop-down to open.
    const bool desplegable = dynamic_cast<TqovDBComboBox*>(editor) || dynamic_cast<TqovDBEditCalc*>(editor);
    if (desplegable && control->isVisible()) {
      control->setFocus();
      SendToEditor(*control, QEvent::KeyPress, AKey, AShift);
    }
  }
  AKey = 0;
}

void TqovDBGridDetalle::KeyDown(int& AKey, TShiftState AShift) {
  if (!bDefVars) DefVars();
  const Situacion s = Leer();
  const bool mayusculas = AShift.testFlag(ssShift);
  const bool ctrl = AShift.testFlag(ssCtrl);
  switch (AKey) {
    case VK_TAB:
      TeclaTab(AKey, mayusculas, s);
      break;
    case VK_RETURN:
      TeclaEnter(AKey, mayusculas, s);
      break;
    case VK_F6:
      TeclaF6(AKey, mayusculas, s);
      break;
    case VK_UP:
    case VK_DOWN:
      Flechas(AKey, AShift, s);
      break;
    case VK_F4:
      if (AShift == TShiftState()) Desplegar(AKey, AShift);
      break;
    case VK_ESCAPE:
      // The grid closes an open editor without its text; the record is cancelled in any case.
      TqovCustomDBGrid::KeyDown(AKey, AShift);
      if (TDataSet* d = DataSet(); d && d->Active()) d->Cancel();
      AKey = 0;
      return;
    case VK_PRIOR:
    case VK_NEXT:
      if ((ctrl || AShift == TShiftState()) && s.State == dsInsert) DescartarRenglon();
      break;
    case VK_END:
    case VK_HOME:
      if (ctrl && s.State == dsInsert) DescartarRenglon();
      break;
    case VK_INSERT:
      if (ctrl && s.State == dsBrowse && KeyOptions().testFlag(dgAllowInsert) && !ReadOnly())
        DataSet()->Append();
      else
        AKey = 0;  // a plain Insert never inserts a row in the middle
      break;
    case VK_DELETE:
      if (ctrl && KeyOptions().testFlag(dgAllowDelete) && (s.Empty || ReadOnly())) AKey = 0;
      break;
    case VK_APPS:
      if (s.State == dsBrowse) AKey = 0;
      break;
    default:
      break;
  }
  TqovCustomDBGrid::KeyDown(AKey, AShift);
}

void TqovDBGridDetalle::PopupMenuStdPopup(QObject*) {
  const bool enfocada = hasFocus();
  const TDataSet* d = DataSet();
  FMenuItemInsertar->SetEnabled(enfocada && KeyOptions().testFlag(dgAllowInsert) && !ReadOnly());
  FMenuItemEliminar->SetEnabled(enfocada && KeyOptions().testFlag(dgAllowDelete) && d && d->Active() && !d->IsEmpty() &&
                                !ReadOnly());
  // The opening menu highlights its first enabled item.
  SimularTecla(VK_DOWN, {}, false);
}

void TqovDBGridDetalle::mousePressEvent(QMouseEvent* AEvent) {
  // In browse state a right click only opens the context menu: the current cell stays.
  if (AEvent->button() == Qt::RightButton && DataSet() && DataSet()->State() == dsBrowse) return AEvent->accept();
  TqovCustomDBGrid::mousePressEvent(AEvent);
}
