#include "platform/forms/Button.h"

#include "platform/forms/Application.h"

TButton::TButton(TComponent* AOwner) : QPushButton(), TControl(this, AOwner) {
  // Enter presses the focused button, as Space does.
  setAutoDefault(true);
  SetBounds(0, 0, 75, 25);
  connect(this, &QPushButton::clicked, this, [this] { RunHandler([this] { Click(); }); });
}

void TButton::SetDefault(bool AValue) {
  FDefault = AValue;
  setDefault(AValue);
}

void TButton::SetAction(TAction* AValue) {
  if (FAction) disconnect(FAction, nullptr, this, nullptr);
  FAction = AValue;
  if (!AValue) return;
  AValue->LinkClient(this);
  const auto seguir = [this] {
    setText(FAction->text());
    setEnabled(FAction->isEnabled());
    setVisible(FAction->isVisible());
  };
  connect(AValue, &QAction::changed, this, seguir);
  seguir();
}

void TButton::Click() {
  if (TForm* forma = ParentForm()) forma->SetModalResult(FModalResult);
  if (OnClick)
    OnClick(this);
  else if (FAction)
    FAction->Execute();
}

bool TButton::DialogKey(int AKey, TShiftState AShift) {
  if (AShift != Qt::NoModifier || !CanFocus()) return false;
  const TForm* forma = ParentForm();
  // The default button takes Enter unless another button has the focus.
  const bool activo =
      FDefault && !(forma && qobject_cast<QPushButton*>(forma->ActiveControl()) && forma->ActiveControl() != this);
  if ((AKey == VK_RETURN && activo) || (AKey == VK_ESCAPE && FCancel)) {
    Click();
    return true;
  }
  return false;
}
