#pragma once

// The library's data-aware combo box: a pick list by default, with the library's keys, a read-only state
// that refuses every change, and the editing conventions.

#include "controls/edits/ConvencionesEdicionQov.h"
#include "controls/menus/PopupMenuPropsQov.h"
#include "platform/forms/DBComboBox.h"

// The combo box of the library, a pick list showing its matching text and a list as wide as the control
// unless told otherwise. Home and PgUp choose the first item, End and PgDn the last (UseHomeEndKeys); F4
// opens and closes the list; while the list is open Up and Down take the highlighted item at once. Every
// choice made by a key goes through the data link, so a bound control asks its record into edit state
// and its change is written. Read-only, it refuses keys, the wheel, the clipboard and the list. A paste
// into the pick list must name an item (otherwise the choice stays); the typing style takes any text.
class TqovDBComboBox : public TwwDBComboBox, public TConvencionesEdicionQov, public TPopupMenuPropsQov {
  Q_OBJECT
  Q_PROPERTY(TLabel* Etiqueta READ Etiqueta WRITE SetEtiqueta)
  Q_PROPERTY(bool NoEditable READ NoEditable WRITE SetNoEditable)
  Q_PROPERTY(bool UseHomeEndKeys READ UseHomeEndKeys WRITE SetUseHomeEndKeys)
  Q_PROPERTY(bool PopupMenuStd READ PopupMenuStd WRITE SetPopupMenuStd)
  Q_PROPERTY(bool PopupMenuCtx READ PopupMenuCtx WRITE SetPopupMenuCtx)

 public:
  explicit TqovDBComboBox(TComponent* AOwner);

  bool UseHomeEndKeys() const { return FUseHomeEndKeys; }
  void SetUseHomeEndKeys(bool AValue) { FUseHomeEndKeys = AValue; }

  void DropDown() override;
  void KeyDown(int& AKey, TShiftState AShift) override;
  void Undo() override;
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  void EnabledChanged() override { SeguirHabilitado(); }

 protected:
  void SetReadOnlyEdicion(bool AValue) override { SetReadOnly(AValue); }
  void ListKeyDown(int AKey, TShiftState AShift) override;
  void keyPressEvent(QKeyEvent* AEvent) override;
  void wheelEvent(QWheelEvent* AEvent) override;
  void resizeEvent(QResizeEvent* AEvent) override;

 private:
  // Chooses the item AIndex as the operator's choice: through the data link, flagged as modified, and
  // its text selected.
  void Elegir(int AIndex);

  int FItmIdxAct = -1;  // the item chosen when the list was last opened
  bool FUseHomeEndKeys = true;
};
