#include "platform/forms/Component.h"

#include <algorithm>

namespace {

void Quitar(std::vector<TComponent*>& ALista, TComponent* AComponent) {
  ALista.erase(std::remove(ALista.begin(), ALista.end(), AComponent), ALista.end());
}

}  // namespace

TComponent::TComponent(QObject* ASelf, TComponent* AOwner) : FSelf(ASelf) {
  if (AOwner) AOwner->Insert(this);
}

TComponent::~TComponent() {
  FDestroying = true;
  while (!FFreeNotifies.empty()) {
    TComponent* otro = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    Quitar(otro->FFreeNotifies, this);
    otro->Notification(this, opRemove);
  }
  while (!FComponents.empty()) {
    TComponent* ultimo = FComponents.back();
    Remove(ultimo);
    delete ultimo->FSelf;
  }
  if (FOwner) FOwner->Remove(this);
}

TComponent* TComponent::FindComponent(const QString& AName) const {
  if (AName.isEmpty()) return nullptr;
  for (TComponent* c : FComponents)
    if (c->Name().compare(AName, Qt::CaseInsensitive) == 0) return c;
  return nullptr;
}

TComponent* TComponent::Of(const QObject* AObject) { return dynamic_cast<TComponent*>(const_cast<QObject*>(AObject)); }

void TComponent::SetOwner(TComponent* AOwner) {
  if (AOwner == FOwner) return;
  if (FOwner) FOwner->Remove(this);
  if (AOwner) AOwner->Insert(this);
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) != FFreeNotifies.end()) return;
  FFreeNotifies.push_back(AComponent);
  AComponent->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  Quitar(FFreeNotifies, AComponent);
  Quitar(AComponent->FFreeNotifies, this);
}

void TComponent::Notification(TComponent* AComponent, TOperation AOperation) {
  if (AOperation == opRemove) RemoveFreeNotification(AComponent);
  // A copy: a component told of a removal may free others of this list.
  const std::vector<TComponent*> propios = FComponents;
  for (auto it = propios.rbegin(); it != propios.rend(); ++it)
    if (std::find(FComponents.begin(), FComponents.end(), *it) != FComponents.end())
      (*it)->Notification(AComponent, AOperation);
}

void TComponent::Insert(TComponent* AComponent) {
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
  Notification(AComponent, opInsert);
}

void TComponent::Remove(TComponent* AComponent) {
  Notification(AComponent, opRemove);
  Quitar(FComponents, AComponent);
  AComponent->FOwner = nullptr;
}
