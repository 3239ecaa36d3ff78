#include "platform/grids/DBGrid.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QUrl>

#include "platform/forms/Application.h"
#include "platform/forms/CustomEdit.h"
#include "platform/forms/Screen.h"
#include "platform/forms/VirtualImageList.h"

namespace {

constexpr int AnchoIndicador = 11;

// The local files that a drop carries; empty when it carries anything else.
QStringList ArchivosLocales(const QMimeData* ADatos) {
  QStringList archivos;
  if (!ADatos || !ADatos->hasUrls()) return archivos;
  for (const QUrl& url : ADatos->urls()) {
    if (!url.isLocalFile()) return {};
    archivos << url.toLocalFile();
  }
  return archivos;
}

}  // namespace

TDBGrid::TDBGrid(TComponent* AOwner) : QTableView(nullptr), TControl(this, AOwner) {
  // While rows come and go, the view's own moves of the current cell do not move the record: these
  // connections come before the view's own, so that they are told first.
  for (const auto antes : {&QAbstractItemModel::rowsAboutToBeInserted, &QAbstractItemModel::rowsAboutToBeRemoved})
    connect(&FModel, antes, this, [this] { ++FRowsChanging; });
  for (const auto despues : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
    connect(&FModel, despues, this, [this] { --FRowsChanging; });
  setModel(&FModel);
  setItemDelegate(&FDelegate);
  FDelegate.CanEdit = [this](const QModelIndex&) { return CanEditGrid(); };
  FDelegate.OnCreateEditor = [this](QWidget* AEditor) { FCellEditor = AEditor; };
  // A cell editor's keys reach KeyDown through the delegate, before its own handling of Tab, Enter and Esc.
  FDelegate.OnEditorKey = [this](QKeyEvent& AEvent) { return EditorKey(AEvent); };
  setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setHighlightSections(false);
  verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  setTabKeyNavigation(false);
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int AColumn) {
    RunHandler([&] {
      if (FTitleButtons && OnTitleButtonClick) OnTitleButtonClick(this, ColumnFieldName(AColumn));
    });
  });
  connect(&FModel, &TDBGridModel::CurrentMoved, this, &TDBGrid::FollowDataSet);
  connect(&FModel, &QAbstractItemModel::modelReset, this, &TDBGrid::FollowActive);
  SetOptions(FOptions);
  SetBounds(0, 0, 320, 120);
}

TDBGrid::~TDBGrid() {
  // A form's edit shown in a cell goes back to its form before the cells go.
  if (FCustomControl) {
    FCustomControl->removeEventFilter(this);
    FCustomControl->hide();
    FCustomControl->setParent(FCustomParent);
    FCustomControl->setGeometry(FCustomBounds);
  }
  setItemDelegate(nullptr);
  setModel(nullptr);
}

void TDBGrid::SetDataSource(TDataSource* AValue) {
  HideControls();
  FModel.SetDataSource(AValue);
}

void TDBGrid::SetSelected(const QStringList& AValue) {
  FSelected = AValue;
  ApplySelected();
}

void TDBGrid::SetUseTFields(bool AValue) {
  if (FUseTFields == AValue) return;
  FUseTFields = AValue;
  RebuildColumns();
}

void TDBGrid::ApplySelected() { RebuildColumns(); }

void TDBGrid::SetControlType(const QStringList& AValue) {
  FEditors.SetControlType(AValue);
  RebuildColumns();
}

void TDBGrid::RebuildColumns() {
  HideControls();
  TGridColumns columnas;
  if (FUseTFields) {
    if (TDataSet* d = DataSet(); d && d->Active())
      for (int i = 0; i < d->FieldCount(); ++i) {
        const TField& campo = d->Field(i);
        if (!campo.Visible()) continue;
        TGridColumn columna;
        columna.FieldName = campo.FieldName();
        columna.Title = campo.DisplayLabel();
        columna.DisplayWidth = campo.DisplayWidth();
        columnas << columna;
      }
  } else {
    for (const QString& texto : FSelected) columnas << TGridColumn::FromSelected(texto);
  }
  for (TGridColumn& columna : columnas)
    if (const TInPlaceEditor* e = FEditors.Find(columna.FieldName); e && e->Kind == ipCheckBox) {
      columna.CheckBox = true;
      columna.CheckedValue = e->CheckedValue;
      columna.UncheckedValue = e->UncheckedValue;
    }
  FWasActive = FModel.Active();
  FModel.SetColumns(columnas);
  SetColumnAttributes();
  RefreshDisplay();
  LayoutChanged();
}

void TDBGrid::FollowActive() {
  if (FModel.Active() != FWasActive) {
    FWasActive = FModel.Active();
    if (FUseTFields) return RebuildColumns();
    RunHandler([this] {
      RefreshDisplay();
      LayoutChanged();
    });
  }
}

void TDBGrid::SetColumnAttributes() {
  const int caracter = fontMetrics().horizontalAdvance(QLatin1Char('0'));
  for (int c = 0; c < FModel.columnCount(); ++c) setColumnWidth(c, FModel.Columns()[c].DisplayWidth * caracter + 4);
}

void TDBGrid::SetOptions(TDBGridOptions AValue) {
  FOptions = AValue;
  horizontalHeader()->setVisible(AValue.testFlag(dgTitles));
  verticalHeader()->setVisible(AValue.testFlag(dgIndicator));
  verticalHeader()->setFixedWidth(ToQtPixels(AnchoIndicador));
  horizontalHeader()->setSectionResizeMode(AValue.testFlag(dgColumnResize) ? QHeaderView::Interactive
                                                                           : QHeaderView::Fixed);
  setShowGrid(AValue.testFlag(dgColLines) || AValue.testFlag(dgRowLines));
  setSelectionBehavior(AValue.testFlag(dgRowSelect) ? SelectRows : SelectItems);
  setSelectionMode(AValue.testFlag(dgMultiSelect) ? NoSelection : SingleSelection);
  setTextElideMode(AValue.testFlag(dgTrailingEllipsis) ? Qt::ElideRight : Qt::ElideNone);
  setWordWrap(AValue.testFlag(dgWordWrap));
}

void TDBGrid::SetEditControlOptions(TEditControlOptions AValue) {
  FEditControlOptions = AValue;
  FDelegate.SingleClickCheckBox = AValue.testFlag(ecoCheckboxSingleClick);
}

void TDBGrid::SetReadOnly(bool AValue) {
  FReadOnly = AValue;
  if (AValue) HideControls();
}

void TDBGrid::SetBorderStyle(TFormBorderStyle AValue) {
  FBorderStyle = AValue;
  setFrameShape(AValue == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
}

void TDBGrid::SetShowHorzScrollBar(bool AValue) {
  FShowHorzScrollBar = AValue;
  setHorizontalScrollBarPolicy(AValue ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TDBGrid::SetShowVertScrollBar(bool AValue) {
  FShowVertScrollBar = AValue;
  setVerticalScrollBarPolicy(AValue ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

int TDBGrid::ColWidthsPixels(int ACol) const {
  if (ACol < IndicatorOffset()) return ToSystemPixels(verticalHeader()->width());
  return ToSystemPixels(columnWidth(ACol - IndicatorOffset()));
}

void TDBGrid::SetColWidthsPixels(int ACol, int AWidth) {
  if (ACol < IndicatorOffset())
    verticalHeader()->setFixedWidth(ToQtPixels(AWidth));
  else
    setColumnWidth(ACol - IndicatorOffset(), ToQtPixels(AWidth));
}

int TDBGrid::AvailableWidth() const {
  // The indicator column is the vertical header, beside the viewport.
  return ToSystemPixels(viewport()->width() + (IndicatorOffset() ? verticalHeader()->width() : 0));
}

int TDBGrid::LeftCol() const { return std::max(0, columnAt(0)); }

void TDBGrid::ScrollColumns(int ADelta) {
  for (int i = 0; i < std::abs(ADelta); ++i)
    horizontalScrollBar()->triggerAction(ADelta < 0 ? QAbstractSlider::SliderSingleStepSub
                                                    : QAbstractSlider::SliderSingleStepAdd);
}

void TDBGrid::SetColumnReadOnly(int ACol, bool AValue) {
  TGridColumns columnas = FModel.Columns();
  if (ACol < 0 || ACol >= columnas.size() || columnas[ACol].ReadOnly == AValue) return;
  columnas[ACol].ReadOnly = AValue;
  // The same columns: the model is told without losing the view's place.
  const int fila = currentIndex().row();
  const int izquierda = horizontalScrollBar()->value();
  const int arriba = verticalScrollBar()->value();
  QVector<int> anchos;
  for (int c = 0; c < columnas.size(); ++c) anchos << columnWidth(c);
  FModel.SetColumns(columnas);
  for (int c = 0; c < anchos.size(); ++c) setColumnWidth(c, anchos[c]);
  horizontalScrollBar()->setValue(izquierda);
  verticalScrollBar()->setValue(arriba);
  if (fila >= 0) FollowDataSet();
}

int TDBGrid::ActiveCol() const { return currentIndex().isValid() ? currentIndex().column() : FCol; }

int TDBGrid::ActiveRow() const { return currentIndex().isValid() ? currentIndex().row() - std::max(0, rowAt(0)) : 0; }

void TDBGrid::SetActiveField(const QString& AFieldName) {
  const int columna = FModel.ColumnOfField(AFieldName);
  if (columna < 0) return;
  MoveColumn(columna - ActiveCol());
  // A column out of view on the left comes in at the left edge.
  if (columna < LeftCol()) ScrollColumns(columna - LeftCol());
}

void TDBGrid::MoveColumn(int ADelta) {
  if (FModel.columnCount() == 0) return;
  const int columna = qBound(0, ActiveCol() + ADelta, FModel.columnCount() - 1);
  const QModelIndex actual = currentIndex();
  if (actual.isValid()) {
    if (columna != actual.column()) setCurrentIndex(FModel.index(actual.row(), columna));
    return;
  }
  if (columna == FCol) return;
  FCol = columna;
  if (OnColEnter) OnColEnter(this);
}

void TDBGrid::SetTitleButtons(bool AValue) {
  FTitleButtons = AValue;
  horizontalHeader()->setSectionsClickable(AValue);
}

TVirtualImageList* TDBGrid::TitleImageList() const { return qobject_cast<TVirtualImageList*>(FTitleImageList); }

void TDBGrid::SetTitleImageList(TVirtualImageList* AValue) {
  FTitleImageList = AValue;
  RefreshDisplay();
}

void TDBGrid::RefreshDisplay() {
  TVirtualImageList* imagenes = TitleImageList();
  for (int c = 0; c < FModel.columnCount(); ++c) {
    int indice = -1;
    if (OnCalcTitleImage) OnCalcTitleImage(this, FModel.ColumnField(c), indice);
    FModel.SetTitleImage(c, imagenes && indice >= 0 ? imagenes->Icon(indice) : QIcon());
  }
  if (imagenes) horizontalHeader()->setIconSize(ToQtPixels(QRect(QPoint(), imagenes->DrawSize())).size());
  viewport()->update();
}

bool TDBGrid::IsSelected() const {
  const int fila = FModel.CurrentRow();
  return fila >= 0 && selectionModel()->isRowSelected(fila, {});
}

void TDBGrid::SelectRecord() {
  const int fila = FModel.CurrentRow();
  if (fila >= 0)
    selectionModel()->select(FModel.index(fila, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void TDBGrid::UnselectRecord() {
  const int fila = FModel.CurrentRow();
  if (fila >= 0)
    selectionModel()->select(FModel.index(fila, 0), QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
}

bool TDBGrid::CanEditGrid() const { return FOptions.testFlag(dgEditing) && !FReadOnly && FModel.Active(); }

bool TDBGrid::UsesCustomControl(int AGridCol) const {
  return FEditors.Find(ColumnFieldName(AGridCol - IndicatorOffset())) != nullptr;
}

bool TDBGrid::IsCustomEditCell(int AGridCol, int, TCustomEdit*& AEditor) const {
  AEditor = FEditors.CustomEdit(ColumnFieldName(AGridCol - IndicatorOffset()), *this,
                                FEditControlOptions.testFlag(ecoSearchOwnerForm));
  return AEditor != nullptr;
}

bool TDBGrid::Editing() const { return FCellEditor || FCustomControl; }

void TDBGrid::HideControls() {
  if (FCellEditor) {
    QWidget* editor = FCellEditor;
    FCellEditor = nullptr;
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
  if (!FCustomControl) return;
  QWidget* control = FCustomControl;
  FCustomControl = nullptr;
  control->removeEventFilter(this);
  if (auto* edit = dynamic_cast<TCustomEdit*>(TComponent::Of(control));
      edit && FCustomIndex.isValid() && edit->Text() != FCustomIndex.data(Qt::DisplayRole).toString())
    FModel.setData(FCustomIndex, edit->Text().isEmpty() ? QVariant() : QVariant(edit->Text()));
  const bool enfocado = control->hasFocus();
  control->hide();
  control->setParent(FCustomParent);
  control->setGeometry(FCustomBounds);
  if (enfocado) setFocus();
}

void TDBGrid::ShowCustomControl(const QModelIndex& AIndex, TCustomEdit& AEditor) {
  QWidget* control = AEditor.Widget();
  FCustomParent = control->parentWidget();
  FCustomBounds = control->geometry();
  FCustomIndex = AIndex;
  control->setParent(viewport());
  control->setGeometry(visualRect(AIndex));
  AEditor.SetText(AIndex.data(Qt::DisplayRole).toString());
  control->show();
  control->setFocus();
  control->installEventFilter(this);
  FCustomControl = control;
}

bool TDBGrid::edit(const QModelIndex& AIndex, EditTrigger ATrigger, QEvent* AEvent) {
  if (!AIndex.isValid()) return false;
  const bool abrir = ATrigger != NoEditTriggers && ATrigger != CurrentChanged;
  if (abrir && (!CanEditGrid() || !AIndex.flags().testFlag(Qt::ItemIsEditable)))
    return QTableView::edit(AIndex, NoEditTriggers, AEvent);
  TCustomEdit* control = nullptr;
  if (abrir && IsCustomEditCell(AIndex.column() + IndicatorOffset(), AIndex.row(), control)) {
    if (FCustomControl) return false;
    ShowCustomControl(AIndex, *control);
    // The key that opened the control is its first.
    if (AEvent && AEvent->type() == QEvent::KeyPress) QCoreApplication::sendEvent(control->Widget(), AEvent);
    return true;
  }
  return QTableView::edit(AIndex, ATrigger, AEvent);
}

void TDBGrid::CheckBrowseMode() {
  TDataSet* d = DataSet();
  if (!d || !d->Active() || (d->State() != dsEdit && d->State() != dsInsert)) return;
  if (d->Modified())
    d->Post();
  else
    d->Cancel();
}

void TDBGrid::MoveToRow(const QPersistentModelIndex& ATarget) {
  RunHandler([&] {
    HideControls();
    CheckBrowseMode();
    // The row's record once an edited or new record is settled (the rows below a dropped one move up).
    const int registro = ATarget.isValid() ? FModel.RecordOfRow(ATarget.row()) : -1;
    if (registro >= 0) DataSet()->SetRecNo(registro + 1);
  });
  FollowDataSet();
}

void TDBGrid::MoveBy(int ADistance) {
  const int filas = FModel.rowCount();
  if (filas == 0) return;
  const int fila = qBound(0, FModel.CurrentRow() + ADistance, filas - 1);
  MoveToRow(QPersistentModelIndex(FModel.index(fila, 0)));
}

void TDBGrid::FollowDataSet() {
  const int fila = FModel.CurrentRow();
  if (fila < 0 || fila >= FModel.rowCount() || FModel.columnCount() == 0) return;
  const QModelIndex destino = FModel.index(fila, qBound(0, FCol, FModel.columnCount() - 1));
  if (currentIndex() == destino) return;
  FFollowing = true;
  const auto modo =
      FOptions.testFlag(dgMultiSelect)
          ? QItemSelectionModel::NoUpdate
          : QItemSelectionModel::ClearAndSelect |
                (FOptions.testFlag(dgRowSelect) ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate);
  selectionModel()->setCurrentIndex(destino, modo);
  FFollowing = false;
}

void TDBGrid::currentChanged(const QModelIndex& ACurrent, const QModelIndex& APrevious) {
  // The column is taken first: the view writes an open editor's text into the record as it moves, and the
  // record's notice brings the view back to the current column.
  const bool otraColumna = ACurrent.isValid() && ACurrent.column() != FCol;
  if (ACurrent.isValid()) FCol = ACurrent.column();
  // The view's own move off a row being removed scrolls nothing.
  const bool desplazar = hasAutoScroll();
  setAutoScroll(desplazar && FRowsChanging == 0);
  QTableView::currentChanged(ACurrent, APrevious);
  setAutoScroll(desplazar);
  if (!ACurrent.isValid()) return;
  if (!FFollowing && FRowsChanging == 0 && ACurrent.row() != FModel.CurrentRow())
    MoveToRow(QPersistentModelIndex(ACurrent));
  if (otraColumna && OnColEnter) RunHandler([this] { OnColEnter(this); });
}

void TDBGrid::Tab(bool AForward) {
  const int columnas = FModel.columnCount();
  const int fila = FModel.CurrentRow();
  const int ultima = FModel.rowCount() - 1;
  if (AForward && ActiveCol() < columnas - 1) return MoveColumn(1);
  if (!AForward && ActiveCol() > 0) return MoveColumn(-1);
  if (AForward && fila >= ultima) {
    TDataSet* d = DataSet();
    const bool nuevoVacio = d && d->State() == dsInsert && !d->Modified();
    if (!FKeyOptions.testFlag(dgAllowInsert) || !CanEditGrid() || nuevoVacio) return LeaveGrid(true);
    HideControls();
    CheckBrowseMode();
    d->Append();
    return MoveColumn(-ActiveCol());
  }
  if (!AForward && fila <= 0) return LeaveGrid(false);
  FCol = AForward ? 0 : columnas - 1;
  MoveBy(AForward ? 1 : -1);
}

void TDBGrid::LeaveGrid(bool AForward) {
  HideControls();
  if (TForm* forma = ParentForm()) forma->SelectNext(AForward);
}

void TDBGrid::KeyDown(int& AKey, TShiftState AShift) {
  if (AKey == 0) return;
  TDataSet* d = DataSet();
  const bool activo = d && d->Active();
  const bool ctrl = AShift.testFlag(ssCtrl);
  if (AShift.testFlag(ssAlt)) return;
  switch (AKey) {
    case VK_TAB:
      if (ctrl) return;
      if (FOptions.testFlag(dgTabs))
        Tab(!AShift.testFlag(ssShift));
      else
        LeaveGrid(!AShift.testFlag(ssShift));
      break;
    case VK_RETURN:
      if (FKeyOptions.testFlag(dgEnterToTab))
        Tab(!AShift.testFlag(ssShift));
      else if (Editing())
        HideControls();
      else
        edit(currentIndex(), EditKeyPressed, nullptr);
      break;
    case VK_ESCAPE:
      if (FCellEditor) {
        QWidget* editor = FCellEditor;
        FCellEditor = nullptr;
        closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
      }
      if (FCustomControl) FCustomIndex = {};  // hidden without writing its text
      HideControls();
      if (activo) d->Cancel();
      break;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: {
      HideControls();
      if (!activo) break;
      const int pagina = std::max(1, viewport()->height() / std::max(1, verticalHeader()->defaultSectionSize()));
      const int fila = FModel.CurrentRow();
      const bool ultima = fila >= FModel.rowCount() - 1;
      if (AKey == VK_DOWN && ultima) {
        if (FKeyOptions.testFlag(dgAllowInsert) && CanEditGrid() && !(d->State() == dsInsert && !d->Modified())) {
          CheckBrowseMode();
          d->Append();
        }
      } else if (ctrl && (AKey == VK_PRIOR || AKey == VK_NEXT)) {
        MoveBy(AKey == VK_PRIOR ? -FModel.rowCount() : FModel.rowCount());
      } else {
        const int paso = AKey == VK_UP || AKey == VK_DOWN ? 1 : pagina;
        MoveBy(AKey == VK_UP || AKey == VK_PRIOR ? -paso : paso);
      }
      break;
    }
    case VK_HOME:
    case VK_END:
      if (ctrl) {
        HideControls();
        if (activo) MoveBy(AKey == VK_HOME ? -FModel.rowCount() : FModel.rowCount());
      } else {
        MoveColumn(AKey == VK_HOME ? -ActiveCol() : FModel.columnCount());
      }
      break;
    case VK_LEFT:
    case VK_RIGHT:
      MoveColumn(AKey == VK_LEFT ? -1 : 1);
      break;
    case VK_INSERT:
      if (AShift != Qt::NoModifier || !FKeyOptions.testFlag(dgAllowInsert) || !CanEditGrid()) return;
      HideControls();
      CheckBrowseMode();
      d->Insert();
      break;
    case VK_DELETE:
      if (!ctrl || !FKeyOptions.testFlag(dgAllowDelete) || !CanEditGrid() || d->IsEmpty()) return;
      HideControls();
      d->Delete();
      break;
    case VK_F2:
      if (!Editing()) edit(currentIndex(), EditKeyPressed, nullptr);
      break;
    default:
      return;
  }
  AKey = 0;
}

void TDBGrid::KeyPress(QChar&) {}

bool TDBGrid::event(QEvent* AEvent) {
  // Tab and Shift+Tab reach KeyDown like any other key, before Qt would move the focus on.
  if (AEvent->type() == QEvent::KeyPress) {
    auto* tecla = static_cast<QKeyEvent*>(AEvent);
    if ((tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_Backtab) &&
        !(tecla->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      keyPressEvent(tecla);
      return true;
    }
  }
  return QTableView::event(AEvent);
}

void TDBGrid::keyPressEvent(QKeyEvent* AEvent) {
  QChar caracter = AEvent->text().size() == 1 ? AEvent->text().at(0) : QChar();
  const QChar tecleado = caracter;
  bool pasar = false;
  RunHandler([&] {
    const int virtual_ = VirtualKeyFromQt(AEvent->key());
    int tecla = virtual_;
    if (tecla != 0) KeyDown(tecla, AEvent->modifiers());
    if (!caracter.isNull()) KeyPress(caracter);
    pasar = (virtual_ == 0 || tecla != 0) && (tecleado.isNull() || !caracter.isNull());
  });
  AEvent->accept();
  if (!pasar) return;
  if (caracter == tecleado) return QTableView::keyPressEvent(AEvent);
  QKeyEvent cambiado(AEvent->type(), caracter.toUpper().unicode(), AEvent->modifiers(), QString(caracter));
  QTableView::keyPressEvent(&cambiado);
}

bool TDBGrid::EditorKey(QKeyEvent& AEvent) {
  if (FSendingToEditor) return false;
  if (AEvent.matches(QKeySequence::Paste) || AEvent.matches(QKeySequence::Cut) || AEvent.matches(QKeySequence::Undo))
    return !ClipboardCommandAllowed();
  const int virtual_ = VirtualKeyFromQt(AEvent.key());
  const TShiftState cambio = AEvent.modifiers();
  // Keys that edit the text stay in the editor.
  const bool deTexto = virtual_ == VK_LEFT || virtual_ == VK_RIGHT || virtual_ == VK_HOME || virtual_ == VK_END ||
                       virtual_ == VK_BACK || (virtual_ == VK_DELETE && !cambio.testFlag(ssCtrl)) ||
                       (!(cambio & (ssCtrl | ssAlt)) && AEvent.text().size() == 1 && AEvent.text().at(0).isPrint());
  if (virtual_ == 0 || deTexto) return false;
  int tecla = virtual_;
  RunHandler([&] { KeyDown(tecla, cambio); });
  return tecla == 0;
}

void TDBGrid::SendToEditor(QWidget& AEditor, QEvent::Type AType, int AKey, TShiftState AShift) {
  FSendingToEditor = true;
  SendKey(AEditor, AType, AKey, AShift);
  FSendingToEditor = false;
}

bool TDBGrid::eventFilter(QObject* AObject, QEvent* AEvent) {
  if (AObject == FCustomControl && AEvent->type() == QEvent::KeyPress) {
    if (EditorKey(*static_cast<QKeyEvent*>(AEvent))) return true;
  } else if (AObject == FCustomControl && AEvent->type() == QEvent::FocusOut) {
    // The form's edit goes back once the focus leaves the grid.
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (FCustomControl && !FCustomControl->hasFocus() && !hasFocus()) HideControls();
        },
        Qt::QueuedConnection);
  }
  return QTableView::eventFilter(AObject, AEvent);
}

void TDBGrid::keyboardSearch(const QString&) {}

void TDBGrid::DragAcceptFiles(bool AAccept) {
  setAcceptDrops(AAccept);
  viewport()->setAcceptDrops(AAccept);
}

void TDBGrid::showEvent(QShowEvent* AEvent) {
  QTableView::showEvent(AEvent);
  if (FHandleAllocated) return;
  FHandleAllocated = true;
  RunHandler([this] { CreateWnd(); });
}

void TDBGrid::paintEvent(QPaintEvent* AEvent) {
  QTableView::paintEvent(AEvent);
  RunHandler([this] { Painted(); });
}

void TDBGrid::resizeEvent(QResizeEvent* AEvent) {
  QTableView::resizeEvent(AEvent);
  RunHandler([this] { Resize(); });
}

void TDBGrid::dragEnterEvent(QDragEnterEvent* AEvent) {
  if (ArchivosLocales(AEvent->mimeData()).isEmpty()) return AEvent->ignore();
  AEvent->acceptProposedAction();
}

void TDBGrid::dragMoveEvent(QDragMoveEvent* AEvent) {
  if (ArchivosLocales(AEvent->mimeData()).isEmpty()) return AEvent->ignore();
  AEvent->acceptProposedAction();
}

void TDBGrid::dropEvent(QDropEvent* AEvent) {
  const QStringList archivos = ArchivosLocales(AEvent->mimeData());
  if (archivos.isEmpty()) return AEvent->ignore();
  AEvent->acceptProposedAction();
  RunHandler([&] { FilesDropped(archivos); });
}
