#pragma once

// The library's data-aware edit with a calculator button: the button, Alt+Down, F4 and the arithmetic
// operators typed after a number open the calculator on the edit's number.

#include <QToolButton>

#include "controls/edits/DBEditQov.h"
#include "controls/icons/ImgLstQov.h"
#include "platform/forms/Panel.h"

// A TqovDBEdit with a small button at its right edge, in a container of its own, showing the "CalcBtn"
// glyph. The calculator opens on the edit's number (its text read with or without thousands separators; 0
// when it is no number) with the typed operation pending, and its result replaces the text only when the
// operator accepts it and the edit may be changed: not read-only, not NoEditable, and, bound, its record
// in edit state.
class TqovDBEditCalc : public TqovDBEdit {
  Q_OBJECT

 public:
  explicit TqovDBEditCalc(TComponent* AOwner);

  // The button's width; 0 is the automatic width, the larger of the scroll-bar arrow's and 15 pixels.
  int ButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int AValue);
  bool ShowButton() const { return FShowButton; }
  void SetShowButton(bool AValue);
  // The container of the button, and the button.
  TPanel& BtnControl() const { return *FBtnControl; }
  QToolButton& Button() const { return *FButton; }

  // Opens the calculator with no operation pending (the button's click, and the edit menu's calculator).
  void BtnClick(QObject* Sender);

  void KeyDown(int& AKey, TShiftState AShift) override;
  void KeyPress(QChar& AKey) override;

 protected:
  void resizeEvent(QResizeEvent* AEvent) override;

 private:
  // Opens the calculator on the edit's number with the operation of AOperador (a null character for none)
  // pending, and writes the accepted result back.
  void EditarConCalculadora(QChar AOperador);
  // Places the container at the right edge of the client area, and keeps the text clear of it.
  void UbicarBoton();
  int AnchoAutomatico() const;

  TqovImgLst16* FImageList;
  TPanel* FBtnControl;
  QToolButton* FButton;
  bool FShowButton = true;
  int FButtonWidth = 0;
};
