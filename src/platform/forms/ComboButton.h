#pragma once

// The button of the edits with a button (drop-down or dialog edits): its face styles, its flat and
// transparent looks, and its painting through the widget style.

#include <QAbstractButton>
#include <QPixmap>

#include "platform/forms/Control.h"

// How the button's face is drawn: three dots, a drop-down arrow, or the glyph the edit gives it.
enum TwwComboButtonStyle { cbsEllipsis, cbsDownArrow, cbsCustom };

// A small button that never takes the focus. Unless Flat, or while the mouse is over it, it stands on a
// raised (pressed: sunken) button panel; on it, the three dots when Ellipsis, else its glyph, centred.
class TwwComboButton : public QAbstractButton, public TControl {
  Q_OBJECT

 public:
  explicit TwwComboButton(TComponent* AOwner);

  const QPixmap& Glyph() const { return FGlyph; }
  void SetGlyph(const QPixmap& AValue);
  bool Flat() const { return FFlat; }
  void SetFlat(bool AValue);
  bool Ellipsis() const { return FEllipsis; }
  void SetEllipsis(bool AValue) { FEllipsis = AValue; }
  // The mouse is over the button.
  bool MouseInControl() const { return FMouseInControl; }

  // The faces, through the widget style, in ARect (Qt's pixels) of APainter, grey when not AEnabled.
  void DrawPanel(QPainter& APainter, const QRect& ARect, bool ASunken) const;
  void DrawDropDownArrow(QPainter& APainter, const QRect& ARect, bool AEnabled) const;
  // The dots alone when AFlat; on a panel otherwise (unless ATransparent, which leaves the ground).
  void DrawEllipsis(QPainter& APainter, const QRect& ARect, bool AEnabled, bool AFlat, bool ATransparent) const;
  // The drop-down arrow as a glyph of the button's size.
  QPixmap DropDownGlyph() const;

 protected:
  // The button's own painting: the panel and the dots or the glyph.
  virtual void Paint(QPainter& APainter);
  void paintEvent(QPaintEvent* AEvent) override;
  void enterEvent(QEnterEvent* AEvent) override;
  void leaveEvent(QEvent* AEvent) override;

 private:
  QPixmap FGlyph;
  bool FFlat = false;
  bool FEllipsis = false;
  bool FMouseInControl = false;
};

// The flat and transparent looks of an edit's button. A change is reported through Refresh, which repaints
// the button.
class TwwButtonEffects {
 public:
  explicit TwwButtonEffects(TwwComboButton& AButton) : FButton(AButton) {}
  virtual ~TwwButtonEffects() = default;

  bool Flat() const { return FFlat; }
  void SetFlat(bool AValue);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool AValue);

 protected:
  virtual void Refresh();
  TwwComboButton& Button() const { return FButton; }

 private:
  TwwComboButton& FButton;
  bool FFlat = false;
  bool FTransparent = false;
};
