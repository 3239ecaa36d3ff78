#pragma once

// The library's search grid: a browse grid that finds the record the operator types.

#include "controls/grids/CustomDBGridQov.h"
#include "controls/menus/PopupMenuPropsQov.h"

// In browse state the characters typed into the grid build a search text and move the data set to the first
// record that matches it in the active column; Enter fires OnEnterKey instead of reaching the grid. Folio and
// policy columns search the folio the text stands for; "CUENTA_JT" columns search "CUENTA_PT" and "NUMERO"
// columns the exact number, falling back to the plain prefix search where that field is missing or the text is
// no value for it. A pause of more than 2000 ms since this grid's last search key starts a new search. Left and
// Right scroll the grid by one column while UsarScrollHrz.
class TqovDBGrid : public TqovCustomDBGrid, public TPopupMenuPropsQov {
  Q_OBJECT
  Q_PROPERTY(bool UsarScrollHrz READ UsarScrollHrz WRITE SetUsarScrollHrz)
  Q_PROPERTY(bool PopupMenuStd READ PopupMenuStd WRITE SetPopupMenuStd)
  Q_PROPERTY(bool PopupMenuCtx READ PopupMenuCtx WRITE SetPopupMenuCtx)

 public:
  explicit TqovDBGrid(TComponent* AOwner);

  bool UsarScrollHrz() const { return FUsarScrollHrz; }
  void SetUsarScrollHrz(bool AValue) { FUsarScrollHrz = AValue; }
  TNotifyEvent OnEnterKey;

  // One key of the incremental search.
  void ProcessSearchKey(QChar Key);
  const QString& SearchText() const { return FSearchText; }
  // The tick count (GetTickCount) of this grid's last accepted search key.
  quint32 UltimaTeclaBusqueda = 0;

  void KeyDown(int& AKey, TShiftState AShift) override;
  void KeyPress(QChar& AKey) override;

 protected:
  // The field the search works on: the active column's.
  virtual void AsignarCampoBusqInc();
  QString FNomCampoBusqInc;

 private:
  bool EnBrowse() const;
  // Locates the text by the rule of the field's name; false when no rule applies or the rule cannot be used.
  bool BuscarPorRegla(TDataSet& ADataSet, const QString& ATexto);

  QString FSearchText;
  bool FUsarScrollHrz = true;
};
