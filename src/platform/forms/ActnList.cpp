#include "platform/forms/ActnList.h"

#include <algorithm>

#include "platform/forms/Application.h"
#include "platform/forms/Form.h"

TAction::TAction(TComponent* AOwner) : QAction(), TComponent(this, AOwner) {
  connect(this, &QAction::triggered, this, [this] { RunHandler([this] { Execute(); }); });
}

TAction::~TAction() { SetActionList(nullptr); }

void TAction::SetShortCut(const QKeySequence& AValue) {
  setShortcut(AValue);
  if (TForm* forma = OwnerForm(this)) forma->addAction(this);
}

void TAction::SetActionList(TActionList* AValue) {
  if (FActionList) {
    auto& lista = FActionList->FActions;
    lista.erase(std::remove(lista.begin(), lista.end(), this), lista.end());
  }
  FActionList = AValue;
  if (AValue) AValue->FActions.push_back(this);
}

bool TAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

void TAction::Update() {
  bool atendida = false;
  if (FActionList && FActionList->OnUpdate) FActionList->OnUpdate(this, atendida);
  if (!atendida && OnUpdate) OnUpdate(this);
}

void TAction::LinkClient(QWidget* AClient) { FClients.emplace_back(AClient); }

bool TAction::HasVisibleClient() const {
  return std::any_of(FClients.begin(), FClients.end(), [](const QPointer<QWidget>& c) { return c && c->isVisible(); });
}

TActionList::TActionList(TComponent* AOwner) : QObject(), TComponent(this, AOwner) {}

void UpdateActions(TForm& AForm) {
  for (int i = 0; i < AForm.ComponentCount(); ++i)
    if (auto* accion = dynamic_cast<TAction*>(AForm.Components(i)->Self()); accion && accion->HasVisibleClient())
      RunHandler([accion] { accion->Update(); });
}
