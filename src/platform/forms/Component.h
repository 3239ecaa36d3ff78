#pragma once

// Components: owners that keep the components they own in creation order, names, tags, removal notices.

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

enum TOperation { opInsert, opRemove };

// An event with the object that fired it.
using TNotifyEvent = std::function<void(QObject* Sender)>;

// What every component of the visual platform is, mixed into a Qt class (the Qt class comes first among
// the bases, so that the object is still whole while this part is destroyed):
//   class TButton : public QPushButton, public TControl  ->  TButton(TComponent* AOwner) : TControl(this, AOwner)
// An owner keeps its own list of the components it owns, in creation order, and destroys them (the last
// first) when it is destroyed; the Qt parent only places and draws, so a control inside a panel is still
// owned by the form. `Name` is the object name. When a component goes, its owner and every component
// that asked for it (FreeNotification) are told through Notification, and an owner passes every notice
// on to all it owns, so a reference to a sibling never dangles.
class TComponent {
 public:
  TComponent(QObject* ASelf, TComponent* AOwner);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // The Qt object that this component is.
  QObject* Self() const { return FSelf; }
  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int AIndex) const { return FComponents.at(static_cast<size_t>(AIndex)); }
  // The first owned component of that name (ignoring case), or null.
  TComponent* FindComponent(const QString& AName) const;
  // The component with that Qt object, or null when the object is no component.
  static TComponent* Of(const QObject* AObject);

  QString Name() const { return FSelf->objectName(); }
  void SetName(const QString& AName) { FSelf->setObjectName(AName); }
  int Tag() const { return FTag; }
  void SetTag(int AValue) { FTag = AValue; }

  // Moves this component to another owner's list (or to none).
  void SetOwner(TComponent* AOwner);
  // AComponent, owned by another, is told through its Notification when this one goes.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // Run by the owner once the component and its settings are in place (after construction).
  virtual void Loaded() {}
  // True from the moment the component starts being destroyed.
  bool Destroying() const { return FDestroying; }

 protected:
  // A component was inserted into or is being removed from this one's list, or a component this one
  // asked about is being destroyed. The base passes the notice on to every owned component.
  virtual void Notification(TComponent* AComponent, TOperation AOperation);

 private:
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);

  QObject* FSelf;
  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  int FTag = 0;
  bool FDestroying = false;
};
