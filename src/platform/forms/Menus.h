#pragma once

// Popup menus with their items, and the opening of a control's context menu.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>

#include "platform/forms/Component.h"

class TControl;
class TVirtualImageList;

// A menu item: a caption ("&" marks the accelerator; "-" makes a separator), an image index into its menu's
// image list, a help topic and a shortcut, which works anywhere on the form that holds the menu.
class TMenuItem : public QAction, public TComponent {
  Q_OBJECT
  Q_PROPERTY(int HelpContext READ HelpContext WRITE SetHelpContext)

 public:
  explicit TMenuItem(TComponent* AOwner);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& AValue);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int AValue) { FImageIndex = AValue; }
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int AValue) { FHelpContext = AValue; }
  QKeySequence ShortCut() const { return shortcut(); }
  void SetShortCut(const QKeySequence& AValue);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool AValue) { setEnabled(AValue); }
  bool Visible() const { return isVisible(); }
  void SetVisible(bool AValue) { setVisible(AValue); }

  // Chosen from the menu or by its shortcut: OnClick.
  virtual void Click();
  TNotifyEvent OnClick;

 private:
  QString FCaption;
  int FImageIndex = -1;
  int FHelpContext = 0;
};

// A popup menu, opened over a control by a right click or the menu key, or by Popup. It remembers the
// control it was opened over (PopupComponent) until that control is destroyed, and fires OnPopup before
// it opens. It does not block: an item's OnClick runs when the operator chooses it. Each time it opens, its
// items take their icons from its image list (Images) at the list's current size.
class TPopupMenu : public QMenu, public TComponent {
  Q_OBJECT

 public:
  explicit TPopupMenu(TComponent* AOwner);

  // Appends an item (owned by whoever created it) to the menu.
  void Add(TMenuItem* AItem);
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int AIndex) const { return FItems.at(static_cast<size_t>(AIndex)); }

  // The image list of the items' icons; not owned, forgotten when it is destroyed.
  TVirtualImageList* Images() const;
  void SetImages(TVirtualImageList* AValue);
  // The size of the items' icons in Qt's pixels: the image list's drawing size; 0 without a list.
  int IconSize() const;

  TComponent* PopupComponent() const { return TComponent::Of(FPopupComponent); }
  void SetPopupComponent(TComponent* AValue) { FPopupComponent = AValue ? AValue->Self() : nullptr; }

  // Opens the menu with its top left corner at a point of the screen (system pixels): OnPopup, then the
  // menu. When OnPopup raises, the menu stays closed.
  void Popup(int X, int Y);
  // Opens the menu over a control at a point of the screen (Qt's pixels), the control being remembered.
  void PopupFor(TControl* AControl, const QPoint& AGlobalPos);
  TNotifyEvent OnPopup;

 protected:
  virtual void DoPopup(QObject* Sender);

 private:
  void ApplyImages();

  std::vector<TMenuItem*> FItems;
  QPointer<QObject> FImages;
  QPointer<QObject> FPopupComponent;
};
