#pragma once

// The timer component.

#include <QTimer>

#include "platform/forms/Component.h"

// Fires OnTimer every Interval milliseconds (1000 when created) while it is Enabled (true when created)
// and has an OnTimer.
class TTimer : public QTimer, public TComponent {
  Q_OBJECT

 public:
  explicit TTimer(TComponent* AOwner);

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool AValue);
  int Interval() const { return FInterval; }
  void SetInterval(int AValue);
  const TNotifyEvent& OnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent AValue);

 private:
  void UpdateTimer();

  bool FEnabled = true;
  int FInterval = 1000;
  TNotifyEvent FOnTimer;
};
