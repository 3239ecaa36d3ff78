#pragma once

// The Enter-as-Tab component of dialogs.

#include "platform/forms/Control.h"

// Placed on a dialog (its parent is the form), it makes Enter move the focus to the next control as Tab
// does, unless a push button has the focus (Enter then presses it). It is never shown nor enabled.
class TqovEnterAsTab : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(bool EnterAsTab READ EnterAsTab WRITE SetEnterAsTab)

 public:
  explicit TqovEnterAsTab(TComponent* AOwner);

  bool EnterAsTab() const { return FEnterAsTab; }
  void SetEnterAsTab(bool AValue) { FEnterAsTab = AValue; }

  bool DialogKey(int AKey, TShiftState AShift) override;

 private:
  bool FEnterAsTab = true;
};
