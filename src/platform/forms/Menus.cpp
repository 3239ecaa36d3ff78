#include "platform/forms/Menus.h"

#include "platform/forms/Application.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Screen.h"
#include "platform/forms/VirtualImageList.h"

TMenuItem::TMenuItem(TComponent* AOwner) : QAction(), TComponent(this, AOwner) {
  connect(this, &QAction::triggered, this, [this] { RunHandler([this] { Click(); }); });
}

void TMenuItem::SetCaption(const QString& AValue) {
  FCaption = AValue;
  // A separator shows no text: some styles would draw it as a heading.
  setSeparator(AValue == QLatin1String("-"));
  setText(isSeparator() ? QString() : AValue);
}

void TMenuItem::SetShortCut(const QKeySequence& AValue) {
  setShortcut(AValue);
  if (TForm* forma = OwnerForm(this)) forma->addAction(this);
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : QMenu(), TComponent(this, AOwner) {}

void TPopupMenu::Add(TMenuItem* AItem) {
  FItems.push_back(AItem);
  addAction(AItem);
  if (!AItem->shortcut().isEmpty())
    if (TForm* forma = OwnerForm(this)) forma->addAction(AItem);
}

TVirtualImageList* TPopupMenu::Images() const { return qobject_cast<TVirtualImageList*>(FImages); }

void TPopupMenu::SetImages(TVirtualImageList* AValue) { FImages = AValue; }

int TPopupMenu::IconSize() const { return Images() ? ToQtPixels(Images()->DrawSize().width()) : 0; }

void TPopupMenu::ApplyImages() {
  for (TMenuItem* item : FItems) item->setIcon(Images() ? Images()->Icon(item->ImageIndex()) : QIcon());
}

void TPopupMenu::Popup(int X, int Y) {
  RunHandler([&] {
    DoPopup(this);
    ApplyImages();
    popup(ToQtPixels(QRect(X, Y, 0, 0)).topLeft());
  });
}

void TPopupMenu::PopupFor(TControl* AControl, const QPoint& AGlobalPos) {
  SetPopupComponent(AControl);
  const QPoint punto = ToSystemPixels(QRect(AGlobalPos, QSize())).topLeft();
  Popup(punto.x(), punto.y());
}

void TPopupMenu::DoPopup(QObject* Sender) {
  if (OnPopup) OnPopup(Sender);
}
