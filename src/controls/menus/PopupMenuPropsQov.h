#pragma once

// The two settings through which a control asks the menu assigner for a shared menu.

// Mixed into a control class that publishes them (Q_PROPERTY PopupMenuStd and PopupMenuCtx, with PopupMenu
// from the platform): PopupMenuStd asks AsignarPopupMenus for a shared menu, PopupMenuCtx chooses the
// context-help menu rather than the edit menu. Each class gives its own defaults.
class TPopupMenuPropsQov {
 public:
  TPopupMenuPropsQov(bool APopupMenuStd, bool APopupMenuCtx)
      : FPopupMenuStd(APopupMenuStd), FPopupMenuCtx(APopupMenuCtx) {}

  bool PopupMenuStd() const { return FPopupMenuStd; }
  void SetPopupMenuStd(bool AValue) { FPopupMenuStd = AValue; }
  bool PopupMenuCtx() const { return FPopupMenuCtx; }
  void SetPopupMenuCtx(bool AValue) { FPopupMenuCtx = AValue; }

 private:
  bool FPopupMenuStd;
  bool FPopupMenuCtx;
};
