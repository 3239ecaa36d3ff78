#pragma once

// The library's detail grid: an editable grid for small lists kept in memory.

#include <QPointer>

#include "controls/grids/CustomDBGridQov.h"

class TMenuItem;
class TqovSelImgLst16;

// Tab, Enter (which moves like Tab), F6 and the arrows leave the grid at its edges; a new row at the end left
// blank in its exit column (CampoSalida, edited through a form's edit) is dropped as the grid is left; Alt+Up,
// Alt+Down and F4 open the drop-down of a library combo box or calculator edit shown in the cell; Ctrl+Insert
// appends a row and a plain Insert never inserts one. Its own context menu inserts and deletes rows and shows
// the help; Inicializa installs it unless PopupMenuEsp. In browse state a right click opens the context menu
// without moving the current cell.
class TqovDBGridDetalle : public TqovCustomDBGrid {
  Q_OBJECT
  Q_PROPERTY(bool PopupMenuEsp READ PopupMenuEsp WRITE SetPopupMenuEsp)
  Q_PROPERTY(QString CampoSalida READ CampoSalida WRITE SetCampoSalida)
  Q_PROPERTY(QString UltimoCampo READ UltimoCampo WRITE SetUltimoCampo)

 public:
  explicit TqovDBGridDetalle(TComponent* AOwner);

  bool PopupMenuEsp() const { return FPopupMenuEsp; }
  void SetPopupMenuEsp(bool AValue) { FPopupMenuEsp = AValue; }
  const QString& CampoSalida() const { return FCampoSalida; }
  void SetCampoSalida(const QString& AValue) { FCampoSalida = AValue; }
  const QString& UltimoCampo() const { return FUltimoCampo; }
  void SetUltimoCampo(const QString& AValue) { FUltimoCampo = AValue; }

  // Installs the grid's own menu unless the form gives it one (PopupMenuEsp).
  virtual void Inicializa();
  // Derives the key handling from CampoSalida, UltimoCampo, KeyOptions and the columns; the first key runs
  // it once, later changes are seen only after another call.
  Q_INVOKABLE void DefVars();

  TPopupMenu& MenuPropio() const { return *FPopupMenuStd; }
  TMenuItem& MenuItemInsertar() const { return *FMenuItemInsertar; }
  TMenuItem& MenuItemEliminar() const { return *FMenuItemEliminar; }
  TMenuItem& MenuItemQueEsEsto() const { return *FMenuItemQueEsEsto; }
  void PopupMenuStdPopup(QObject* Sender);

  void KeyDown(int& AKey, TShiftState AShift) override;

 protected:
  void mousePressEvent(QMouseEvent* AEvent) override;

 private:
  // The data set as the key tables read it.
  struct Situacion;
  Situacion Leer() const;
  // The rules of an edit-only grid with an exit column: Shift on the first record's exit column leaves
  // backwards, no Shift on the last record's last column forwards; true when one applied.
  bool SalidaSoloEdit(int& AKey, bool AShift, const Situacion& s);
  void TeclaTab(int& AKey, bool AShift, const Situacion& s);
  void TeclaEnter(int& AKey, bool AShift, const Situacion& s);
  void TeclaF6(int& AKey, bool AShift, const Situacion& s);
  void Flechas(int& AKey, TShiftState AShift, const Situacion& s);
  // Opens the drop-down of a library combo box or calculator edit in the current cell with the key.
  void Desplegar(int& AKey, TShiftState AShift);
  void Salir(int& AKey, bool AForward);
  void DescartarRenglon();

  TqovSelImgLst16* FImageList;
  bool FPopupMenuEsp = false;
  TPopupMenu* FPopupMenuStd;
  TMenuItem* FMenuItemInsertar;
  TMenuItem* FMenuItemEliminar;
  TMenuItem* FMenuItemSep;
  TMenuItem* FMenuItemQueEsEsto;
  bool bDefVars = false;
  QPointer<QWidget> ACustomEdit;      // the form's edit of the exit column
  QPointer<QWidget> ACustomEditCell;  // the form's edit of the current cell
  QString FCampoSalida;
  QString FUltimoCampo;
  bool bCampoSalida = false;
  bool bCampoSalidaEdit = false;
  bool bSoloEdit = false;
  int AColSalida = 0;
  int AUltimaCol = -1;
};
