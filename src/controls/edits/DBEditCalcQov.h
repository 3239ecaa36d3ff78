#pragma once

// The library's data-aware edit with a calculator button: the button, Alt+Down, F4 and the arithmetic
// operators typed after a number open the calculator on the edit's number.

#include <QWidget>
#include <memory>

#include "controls/edits/DBEditQov.h"
#include "controls/icons/ImgLstQov.h"
#include "platform/forms/ComboButton.h"

class TqovDBEditCalc;

namespace DBEditCalcQov {

// The edit's button: its face follows the edit's ButtonStyle, its effects, its focus and the mouse.
class TwwEditComboButton : public TwwComboButton {
  Q_OBJECT

 public:
  explicit TwwEditComboButton(TqovDBEditCalc& AEdit);

 protected:
  void Paint(QPainter& APainter) override;

 private:
  TqovDBEditCalc& FEdit;
};

// The container of the button inside the edit's client area: it erases its ground in the edit's colour,
// or leaves the ground showing when the effects are transparent.
class TBtnWinControl : public QWidget, public TControl {
  Q_OBJECT

 public:
  explicit TBtnWinControl(TqovDBEditCalc& AEdit);
  TqovDBEditCalc& EditControl;

 protected:
  void paintEvent(QPaintEvent* AEvent) override;
  void leaveEvent(QEvent* AEvent) override;
};

// The effects of the edit's button; a change refreshes the glyph (ActualizarGlifo).
class TwwEditButtonEffects : public TwwButtonEffects {
 public:
  TwwEditButtonEffects(TqovDBEditCalc& AEdit, TwwComboButton& AButton) : TwwButtonEffects(AButton), FEdit(AEdit) {}

 protected:
  void Refresh() override;

 private:
  TqovDBEditCalc& FEdit;
};

}  // namespace DBEditCalcQov

// A TqovDBEdit with a small button at its right edge, in a container of its own, showing the "CalcBtn"
// glyph (ButtonStyle cbsCustom), or three dots or a drop-down arrow. The calculator opens on the edit's
// number (its text read with or without thousands separators; 0 when it is no number) with the typed
// operation pending, and its result replaces the text only when the operator accepts it and the edit may be
// changed: not read-only, not NoEditable, and, bound, its record in edit state.
class TqovDBEditCalc : public TqovDBEdit {
  Q_OBJECT

 public:
  explicit TqovDBEditCalc(TComponent* AOwner);
  ~TqovDBEditCalc() override;

  TwwComboButtonStyle ButtonStyle() const { return FButtonStyle; }
  void SetButtonStyle(TwwComboButtonStyle AValue);
  TwwButtonEffects& ButtonEffects() const { return *FButtonEffects; }
  // The button's width; 0 is the automatic width, the larger of the scroll-bar arrow's and 15 pixels.
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int AValue);
  bool ShowButton() const { return FShowButton; }
  void SetShowButton(bool AValue);
  // The container of the button, and the button.
  DBEditCalcQov::TBtnWinControl& BtnControl() const { return *FBtnControl; }
  TwwComboButton& Button() const { return *FButton; }
  // Whether the mouse was over the button when it was last painted.
  bool MouseInButtonControl() const { return FMouseInButtonControl; }

  // Opens the calculator with no operation pending (the button's click, and the edit menu's calculator).
  void BtnClick(QObject* Sender);
  // The button's glyph: the drop-down arrow for cbsDownArrow with flat or transparent effects, else the
  // "CalcBtn" icon.
  void ActualizarGlifo();

  void KeyDown(int& AKey, TShiftState AShift) override;
  void KeyPress(QChar& AKey) override;

 protected:
  void resizeEvent(QResizeEvent* AEvent) override;

 private:
  friend class DBEditCalcQov::TwwEditComboButton;
  friend class DBEditCalcQov::TBtnWinControl;

  // Opens the calculator on the edit's number with the operation of AOperador (a null character for none)
  // pending, and writes the accepted result back.
  void EditarConCalculadora(QChar AOperador);
  // Places the container at the right edge of the client area, and keeps the text clear of it.
  void UbicarBoton();
  int AnchoAutomatico() const;
  // Draws the face of the ellipsis and arrow styles and clears ADefaultDraw; cbsCustom leaves the button's
  // own painting.
  void DrawButton(QPainter& APainter, const QRect& ARect, bool& ADefaultDraw) const;
  // The edit is a grid's in-place control.
  bool EnRejilla() const;
  // The container's area in the edit's parent, which transparent effects show through.
  QRect AreaEnPadre() const;
  // With transparent effects, the ground under a pressed button is painted again at once, the button and
  // its container left out meanwhile.
  void RepintarFondo();

  TqovImgLst16* FImageList;
  DBEditCalcQov::TBtnWinControl* FBtnControl;
  DBEditCalcQov::TwwEditComboButton* FButton;
  TwwComboButtonStyle FButtonStyle = cbsCustom;
  std::unique_ptr<TwwButtonEffects> FButtonEffects;
  bool skipUpdate = false;
  bool FMouseInButtonControl = false;
  bool FShowButton = true;
  int FButtonWidth = 0;
};
