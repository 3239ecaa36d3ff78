#pragma once

// The data-aware grid: a table view over a data source, with its columns, titles, in-place controls,
// record selection, keys and file drops.

#include <QFlags>
#include <QPointer>
#include <QStringList>
#include <QTableView>
#include <functional>

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/KeySynthesis.h"
#include "platform/grids/DBGridDelegate.h"
#include "platform/grids/DBGridModel.h"
#include "platform/grids/InPlaceEditors.h"

class TCustomEdit;
class TVirtualImageList;

enum TDBGridOption {
  dgEditing = 0x1,
  dgTitles = 0x2,
  dgIndicator = 0x4,
  dgColumnResize = 0x8,
  dgColLines = 0x10,
  dgRowLines = 0x20,
  dgTabs = 0x40,
  dgRowSelect = 0x80,
  dgAlwaysShowSelection = 0x100,
  dgConfirmDelete = 0x200,
  dgCancelOnExit = 0x400,
  dgMultiSelect = 0x800,
  dgWordWrap = 0x1000,
  dgPerfectRowFit = 0x2000,
  dgNoLimitColSize = 0x4000,
  dgTrailingEllipsis = 0x8000,
  dgShowCellHint = 0x10000,
};
Q_DECLARE_FLAGS(TDBGridOptions, TDBGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDBGridOptions)

enum TDBGridKeyOption { dgEnterToTab = 0x1, dgAllowDelete = 0x2, dgAllowInsert = 0x4 };
Q_DECLARE_FLAGS(TDBGridKeyOptions, TDBGridKeyOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDBGridKeyOptions)

enum TEditControlOption { ecoCheckboxSingleClick = 0x1, ecoSearchOwnerForm = 0x2, ecoDisableDateTimePicker = 0x4 };
Q_DECLARE_FLAGS(TEditControlOptions, TEditControlOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TEditControlOptions)

// A grid over a data source's data set. Its columns come from the column list (Selected), or, with
// UseTFields, from the data set's visible fields, titled by their labels; each time they are rebuilt the grid sizes
// them from their widths in characters (SetColumnAttributes) and then tells LayoutChanged. Grid columns count the
// indicator column first when dgIndicator shows it; data columns (ActiveCol, column settings) count from 0. The current
// cell follows the data set's current record and moving it moves the record, posting an edited one first (or dropping a
// new one left untouched). Keys reach KeyDown, then KeyPress (its character), before the view's own handling, also
// while a cell editor or an in-place control is open; KeyDown handles the moves, insertions, deletions and the cancel
// of the data set. Widths are the system's pixels.
class TDBGrid : public QTableView, public TControl {
  Q_OBJECT
  Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)
  Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)
  Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
  Q_PROPERTY(TDataSource* DataSource READ DataSource WRITE SetDataSource)

 public:
  explicit TDBGrid(TComponent* AOwner);
  ~TDBGrid() override;

  TDataSource* DataSource() const { return FModel.DataSource(); }
  void SetDataSource(TDataSource* AValue);
  TDataSet* DataSet() const { return FModel.DataSet(); }
  const TDBGridModel& Model() const { return FModel; }

  // Column list: "FIELD<TAB>width<TAB>title<TAB>flags" per column.
  const QStringList& Selected() const { return FSelected; }
  void SetSelected(const QStringList& AValue);
  bool UseTFields() const { return FUseTFields; }
  void SetUseTFields(bool AValue);
  // Rebuilds the columns from the column list or the fields.
  virtual void ApplySelected();
  // The in-place controls: "FIELD;CheckBox;ticked;unticked" or "FIELD;CustomEdit;control name".
  QStringList ControlType() const { return FEditors.ControlType(); }
  void SetControlType(const QStringList& AValue);

  TDBGridOptions Options() const { return FOptions; }
  void SetOptions(TDBGridOptions AValue);
  TDBGridKeyOptions KeyOptions() const { return FKeyOptions; }
  void SetKeyOptions(TDBGridKeyOptions AValue) { FKeyOptions = AValue; }
  TEditControlOptions EditControlOptions() const { return FEditControlOptions; }
  void SetEditControlOptions(TEditControlOptions AValue);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool AValue);
  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle AValue);
  bool ShowHorzScrollBar() const { return FShowHorzScrollBar; }
  void SetShowHorzScrollBar(bool AValue);
  bool ShowVertScrollBar() const { return FShowVertScrollBar; }
  void SetShowVertScrollBar(bool AValue);
  // Kept for the grid's settings; the columns do not freeze.
  int FixedCols() const { return FFixedCols; }
  void SetFixedCols(int AValue) { FFixedCols = AValue; }

  // Grid columns (the indicator first when shown) and their widths.
  int IndicatorOffset() const { return FOptions.testFlag(dgIndicator) ? 1 : 0; }
  int ColCount() const { return FModel.columnCount() + IndicatorOffset(); }
  int ColWidthsPixels(int ACol) const;
  void SetColWidthsPixels(int ACol, int AWidth);
  // The width of the line between two columns: 1 with dgColLines, else 0.
  int GridLineWidth() const { return FOptions.testFlag(dgColLines) ? 1 : 0; }
  // The width the columns have to fill: the viewport's.
  int AvailableWidth() const;
  // The data column at the left edge of the view.
  int LeftCol() const;
  // Scrolls the view by whole columns (negative: to the left).
  void ScrollColumns(int ADelta);
  // Rows of the grid: the titles' and the data set's.
  int RowCount() const { return FModel.rowCount() + (FOptions.testFlag(dgTitles) ? 1 : 0); }
  int DataColumnCount() const { return FModel.columnCount(); }
  QString ColumnFieldName(int ACol) const { return FModel.Columns().value(ACol).FieldName; }
  bool ColumnReadOnly(int ACol) const { return FModel.Columns().value(ACol).ReadOnly; }
  void SetColumnReadOnly(int ACol, bool AValue);

  // The current cell: its data column, its row among the rows shown (0 the top one), its field.
  int ActiveCol() const;
  int ActiveRow() const;
  TField* ActiveField() const { return FModel.ColumnField(ActiveCol()); }
  // Moves to the column of that field, scrolling it into view.
  void SetActiveField(const QString& AFieldName);
  // The current column changed.
  TNotifyEvent OnColEnter;

  // Title clicks and title images, with the images of TitleImageList.
  bool TitleButtons() const { return FTitleButtons; }
  void SetTitleButtons(bool AValue);
  std::function<void(QObject* Sender, const QString& AFieldName)> OnTitleButtonClick;
  TVirtualImageList* TitleImageList() const;
  void SetTitleImageList(TVirtualImageList* AValue);
  // Asked for each title's image index (-1: none) when the titles are drawn anew.
  std::function<void(QObject* Sender, TField* AField, int& AImageIndex)> OnCalcTitleImage;
  // Draws the titles and the cells anew.
  void RefreshDisplay();

  // Record selection (dgMultiSelect): the current record.
  bool IsSelected() const;
  void SelectRecord();
  void UnselectRecord();

  // Cells may be changed: dgEditing, not ReadOnly, the data set open.
  bool CanEditGrid() const;
  // The column (grid column) is shown or edited through an in-place control: a check box or a form's edit.
  bool UsesCustomControl(int AGridCol) const;
  // True, with its edit control, when the cell (grid column, any row) is edited through a form's edit.
  bool IsCustomEditCell(int AGridCol, int ARow, TCustomEdit*& AEditor) const;
  // Closes the cell editor and hides the in-place control, keeping what was typed.
  void HideControls();
  // A cell editor or in-place control is open.
  bool Editing() const;

  // Keys, before the view's own handling.
  virtual void KeyDown(int& AKey, TShiftState AShift);
  virtual void KeyPress(QChar& AKey);

  // Sends a key to an open editor without passing it to KeyDown again.
  void SendToEditor(QWidget& AEditor, QEvent::Type AType, int AKey, TShiftState AShift);

  // The grid has been shown: its window exists.
  bool HandleAllocated() const { return FHandleAllocated; }
  // Takes local files dropped on it (FilesDropped), or refuses every drop.
  void DragAcceptFiles(bool AAccept);

 protected:
  QPalette::ColorRole ColorRole() const override { return QPalette::Base; }

  // Sizes the columns from their widths in characters.
  virtual void SetColumnAttributes();
  // Runs after the columns were rebuilt or the data set opened or closed.
  virtual void LayoutChanged() {}
  // Runs when the window first exists (the first show).
  virtual void CreateWnd() {}
  // After each paint of the cells.
  virtual void Painted() {}
  // After each change of size.
  virtual void Resize() {}
  // Local files dropped on the grid, in drop order.
  virtual void FilesDropped(const QStringList& /*AFiles*/) {}
  // A clipboard command (cut, paste, undo) typed in a cell editor; false swallows it.
  virtual bool ClipboardCommandAllowed() const { return true; }
  // Moves the focus to the form's next (or previous) control.
  void LeaveGrid(bool AForward);

  bool event(QEvent* AEvent) override;
  void keyPressEvent(QKeyEvent* AEvent) override;
  void showEvent(QShowEvent* AEvent) override;
  void paintEvent(QPaintEvent* AEvent) override;
  void resizeEvent(QResizeEvent* AEvent) override;
  void dragEnterEvent(QDragEnterEvent* AEvent) override;
  void dragMoveEvent(QDragMoveEvent* AEvent) override;
  void dropEvent(QDropEvent* AEvent) override;
  bool eventFilter(QObject* AObject, QEvent* AEvent) override;
  bool edit(const QModelIndex& AIndex, EditTrigger ATrigger, QEvent* AEvent) override;
  void currentChanged(const QModelIndex& ACurrent, const QModelIndex& APrevious) override;
  // Typing never moves to a row that begins with the text.
  void keyboardSearch(const QString& ASearch) override;

 private:
  void RebuildColumns();
  void FollowDataSet();
  void FollowActive();
  void UpdateEditTriggers();
  // Posts an edited record, or drops an inserted one left untouched.
  void CheckBrowseMode();
  // Moves to another record from the view (the row of a model index), or by a distance.
  void MoveToRow(const QPersistentModelIndex& ATarget);
  void MoveBy(int ADistance);
  void MoveColumn(int ADelta);
  void Tab(bool AForward);
  void ShowCustomControl(const QModelIndex& AIndex, TCustomEdit& AEditor);
  // Passes a key of an open editor to KeyDown; true when KeyDown took it.
  bool EditorKey(QKeyEvent& AEvent);

  TDBGridModel FModel;
  TDBGridDelegate FDelegate;
  TInPlaceEditors FEditors;
  QStringList FSelected;
  bool FUseTFields = false;
  TDBGridOptions FOptions = TDBGridOptions(dgEditing) | dgTitles | dgIndicator | dgColumnResize | dgColLines |
                            dgRowLines | dgTabs | dgConfirmDelete | dgCancelOnExit;
  TDBGridKeyOptions FKeyOptions = TDBGridKeyOptions(dgAllowDelete) | dgAllowInsert;
  TEditControlOptions FEditControlOptions;
  bool FReadOnly = false;
  TFormBorderStyle FBorderStyle = bsSingle;
  bool FShowHorzScrollBar = true;
  bool FShowVertScrollBar = true;
  int FFixedCols = 0;
  bool FTitleButtons = false;
  QPointer<QObject> FTitleImageList;
  bool FHandleAllocated = false;
  bool FFollowing = false;  // the view is being moved to the data set's current record
  int FRowsChanging = 0;    // rows are being inserted or removed
  bool FWasActive = false;
  int FCol = 0;  // the current data column, also without rows
  bool FSendingToEditor = false;
  QPointer<QWidget> FCellEditor;
  QPointer<QWidget> FCustomControl;  // the form's edit shown in a cell
  QPointer<QWidget> FCustomParent;   // where that edit stands on its form
  QRect FCustomBounds;
  QModelIndex FCustomIndex;
};
