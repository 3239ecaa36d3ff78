#pragma once

// The library's data-aware edit: key filters for numbers, names and read-only edits, a paste check, and
// the rule that a bound edit never keeps text its field does not hold while the record is not edited.

#include "controls/edits/ConvencionesEdicionQov.h"
#include "controls/edits/ValidadoresQov.h"
#include "controls/menus/PopupMenuPropsQov.h"
#include "platform/forms/DBEdit.h"

// The data-aware edit of the library. Bound to a numeric field (Smallint, Integer, Word, Largeint, Float,
// BCD) it refuses "+" and exponents, takes one minus sign at the start (when AceptaNegativos) and one
// decimal separator (the process's), and undoes a paste that leaves no number of the field's kind (nor a
// negative one without AceptaNegativos). A read-only edit beeps at every typed character. With TipoNombre a
// lower-case letter typed first becomes upper case. Unbound it is a plain edit with those last two rules.
class TqovDBEdit : public TwwDBEdit, public TConvencionesEdicionQov, public TPopupMenuPropsQov {
  Q_OBJECT
  Q_PROPERTY(bool TipoNombre READ TipoNombre WRITE SetTipoNombre)
  Q_PROPERTY(TLabel* Etiqueta READ Etiqueta WRITE SetEtiqueta)
  Q_PROPERTY(bool NoEditable READ NoEditable WRITE SetNoEditable)
  Q_PROPERTY(bool PopupMenuStd READ PopupMenuStd WRITE SetPopupMenuStd)
  Q_PROPERTY(bool PopupMenuCtx READ PopupMenuCtx WRITE SetPopupMenuCtx)
  Q_PROPERTY(bool AceptaNegativos READ AceptaNegativos WRITE SetAceptaNegativos)

 public:
  explicit TqovDBEdit(TComponent* AOwner);

  bool TipoNombre() const { return FTipoNombre; }
  void SetTipoNombre(bool AValue) { FTipoNombre = AValue; }
  bool AceptaNegativos() const { return FAceptaNegativos; }
  void SetAceptaNegativos(bool AValue) { FAceptaNegativos = AValue; }
  // The edit is bound to a field.
  bool Bounded() const { return Field() != nullptr; }
  // Its record is being edited or inserted.
  bool Editando() const { return DataLink().Editing(); }
  // Shows the field's text again with the caret at the start.
  void _Reset();

  // The modifiers of the last key down.
  TShiftState KeyShift;

  void KeyDown(int& AKey, TShiftState AShift) override;
  void KeyPress(QChar& AKey) override;
  void Change() override;
  void Undo() override;
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  void DoExit() override;
  void EnabledChanged() override { SeguirHabilitado(); }

 protected:
  void SetReadOnlyEdicion(bool AValue) override { SetReadOnly(AValue); }
  void keyPressEvent(QKeyEvent* AEvent) override;

 private:
  // The edit cannot be changed at all.
  bool Bloqueado() const { return NoEditable() || ReadOnly(); }
  // After a change of the text: a bound edit whose record is not being edited shows its field again.
  void SeguirCampo();
  // The text after a paste holds a number of the field's kind.
  bool TextoValido() const;

  bool FTipoNombre = false;
  bool FAceptaNegativos = true;
  bool FReiniciando = false;
};
