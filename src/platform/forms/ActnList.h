#pragma once

// Actions and action lists: commands with a caption, an enabled state and a shortcut, which controls
// follow, and which update themselves while the program waits for input.

#include <QAction>
#include <QKeySequence>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/forms/Component.h"

class TActionList;
class TForm;

// An action. Its shortcut works anywhere on the form that owns it. While the program waits for input,
// an action that a visible control follows updates itself (Update).
class TAction : public QAction, public TComponent {
  Q_OBJECT

 public:
  explicit TAction(TComponent* AOwner);
  ~TAction() override;

  QString Caption() const { return text(); }
  void SetCaption(const QString& AValue) { setText(AValue); }
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool AValue) { setEnabled(AValue); }
  QKeySequence ShortCut() const { return shortcut(); }
  void SetShortCut(const QKeySequence& AValue);

  TActionList* ActionList() const { return FActionList; }
  void SetActionList(TActionList* AValue);

  // OnExecute; false when there is none.
  bool Execute();
  // The list's OnUpdate, or the action's own when the list does not handle it.
  void Update();
  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

  // A control that follows the action (caption, enabled and visible state) and runs it when clicked.
  void LinkClient(QWidget* AClient);
  bool HasVisibleClient() const;

 private:
  QPointer<TActionList> FActionList;
  std::vector<QPointer<QWidget>> FClients;
};

// A list of actions, with the update event that every action of the list passes through first.
class TActionList : public QObject, public TComponent {
  Q_OBJECT

 public:
  explicit TActionList(TComponent* AOwner);

  int ActionCount() const { return static_cast<int>(FActions.size()); }
  TAction* Actions(int AIndex) const { return FActions.at(static_cast<size_t>(AIndex)); }

  std::function<void(TAction* Action, bool& Handled)> OnUpdate;

 private:
  friend class TAction;
  std::vector<TAction*> FActions;
};

// Updates the actions owned by the form that a visible control follows.
void UpdateActions(TForm& AForm);
