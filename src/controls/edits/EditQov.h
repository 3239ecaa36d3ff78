#pragma once

// The library's plain edit with input types: free text that may capitalise a name, or a number with its
// digits, decimals, key filter and formats.

#include <QObject>

#include "controls/edits/ConvencionesEdicionQov.h"
#include "controls/menus/PopupMenuPropsQov.h"
#include "platform/forms/Edit.h"

enum TTipoEdit { teDefault, teNumerico };

// The input type of a TqovEdit, published as its TipoEdit sub-properties. Integer digits are forced into
// 1..18, decimals into 0..8 with at most 18 digits in all, and the fewest decimals shown into 0..decimals.
class TqovTipoEdit : public QObject {
  Q_OBJECT
  Q_PROPERTY(int teTipo READ teTipo WRITE SetteTipo)
  Q_PROPERTY(bool teNombre READ teNombre WRITE SetteNombre)
  Q_PROPERTY(bool teIntJustCeros READ teIntJustCeros WRITE SetteIntJustCeros)
  Q_PROPERTY(bool teAceptaNegativos READ teAceptaNegativos WRITE SetteAceptaNegativos)
  Q_PROPERTY(int teNumLongitud READ teNumLongitud WRITE SetteNumLongitud)
  Q_PROPERTY(int teNumEscala READ teNumEscala WRITE SetteNumEscala)
  Q_PROPERTY(int teNumEscalaMin READ teNumEscalaMin WRITE SetteNumEscalaMin)
  Q_PROPERTY(bool teLeftAlignment READ teLeftAlignment WRITE SetteLeftAlignment)
  Q_PROPERTY(bool teNumComas READ teNumComas WRITE SetteNumComas)
  Q_PROPERTY(bool tePresentaCero READ tePresentaCero WRITE SettePresentaCero)

 public:
  explicit TqovTipoEdit(QObject* AParent = nullptr) : QObject(AParent) {}

  TTipoEdit teTipo() const { return FTipo; }
  void SetteTipo(int AValue) { FTipo = static_cast<TTipoEdit>(AValue); }
  // Free text: a lower-case letter typed first becomes upper case.
  bool teNombre() const { return FNombre; }
  void SetteNombre(bool AValue) { FNombre = AValue; }
  // A number without decimals is shown zero-padded to its full width.
  bool teIntJustCeros() const { return FIntJustCeros; }
  void SetteIntJustCeros(bool AValue) { FIntJustCeros = AValue; }
  // A minus sign may be typed; without it the stored value is never negative.
  bool teAceptaNegativos() const { return FAceptaNegativos; }
  void SetteAceptaNegativos(bool AValue) { FAceptaNegativos = AValue; }
  int teNumLongitud() const { return FNumLongitud; }
  void SetteNumLongitud(int AValue);
  int teNumEscala() const { return FNumEscala; }
  void SetteNumEscala(int AValue);
  int teNumEscalaMin() const { return FNumEscalaMin; }
  void SetteNumEscalaMin(int AValue);
  bool teLeftAlignment() const { return FLeftAlignment; }
  void SetteLeftAlignment(bool AValue) { FLeftAlignment = AValue; }
  // The current number; a negative one is stored as its magnitude unless negatives are accepted.
  long double teNumValue() const { return FNumValue; }
  void SetteNumValue(long double AValue);
  // Thousands separators while the edit does not have the focus.
  bool teNumComas() const { return FNumComas; }
  void SetteNumComas(bool AValue) { FNumComas = AValue; }
  // False: zero shows as empty text.
  bool tePresentaCero() const { return FPresentaCero; }
  void SettePresentaCero(bool AValue) { FPresentaCero = AValue; }

 private:
  TTipoEdit FTipo = teDefault;
  bool FNombre = false;
  bool FIntJustCeros = false;
  bool FAceptaNegativos = false;
  int FNumLongitud = 15;
  int FNumEscala = 2;
  int FNumEscalaMin = 2;
  bool FLeftAlignment = true;
  long double FNumValue = 0;
  bool FNumComas = true;
  bool FPresentaCero = true;
};

// The plain edit. A numeric edit keeps its number in TipoEdit's teNumValue: on entry it shows it plainly
// for editing, on exit it reads the typed text back (text that is no number counts as 0) and shows it
// formatted (FormatearNumero). Keys that cannot be part of the number beep; a paste that leaves no number
// is undone. The decimal separator is always the process's (FormatSettings), the one the text is read with.
class TqovEdit : public TEdit, public TConvencionesEdicionQov, public TPopupMenuPropsQov {
  Q_OBJECT
  Q_PROPERTY(TLabel* Etiqueta READ Etiqueta WRITE SetEtiqueta)
  Q_PROPERTY(bool NoEditable READ NoEditable WRITE SetNoEditable)
  Q_PROPERTY(bool PopupMenuStd READ PopupMenuStd WRITE SetPopupMenuStd)
  Q_PROPERTY(bool PopupMenuCtx READ PopupMenuCtx WRITE SetPopupMenuCtx)
  Q_PROPERTY(TqovTipoEdit* TipoEdit READ TipoEdit)

 public:
  explicit TqovEdit(TComponent* AOwner);

  TqovTipoEdit* TipoEdit() const { return FTipoEdit; }
  long double Value() const { return FTipoEdit->teNumValue(); }
  // The number truncated toward zero.
  qint64 ValueInt() const;
  // Stores the number and shows it (a free-text edit then shows empty text).
  void SetValue(long double ANumValue);
  // The text the edit shows for the value in its current state; empty for free text.
  QString SetTextFormat(long double AValue) const;

  // True while the last key down was Ctrl+C, Ctrl+V, Ctrl+X or Ctrl+Z.
  bool EsCtrlEdicion = false;

  void Loaded() override;
  void KeyDown(int& AKey, TShiftState AShift) override;
  void KeyPress(QChar& AKey) override;
  void Undo() override;
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  void DoEnter() override;
  void DoExit() override;
  void EnabledChanged() override { SeguirHabilitado(); }

 protected:
  void SetReadOnlyEdicion(bool AValue) override { SetReadOnly(AValue); }
  void paintEvent(QPaintEvent* AEvent) override;

 private:
  bool Numerico() const { return FTipoEdit->teTipo() == teNumerico; }
  // The text read as the edit's number: an integer without decimals, else a real; false when it is none.
  bool LeerNumero(long double& AValor) const;
  // Stores the number read from the text (0 when it is none) and shows the number stored.
  void GuardarTexto();
  void MostrarNumero();

  TqovTipoEdit* FTipoEdit;
};
