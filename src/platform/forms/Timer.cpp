#include "platform/forms/Timer.h"

#include "platform/forms/Application.h"

TTimer::TTimer(TComponent* AOwner) : QTimer(), TComponent(this, AOwner) {
  connect(this, &QTimer::timeout, this, [this] {
    RunHandler([this] {
      if (FOnTimer) FOnTimer(this);
    });
  });
}

void TTimer::SetEnabled(bool AValue) {
  FEnabled = AValue;
  UpdateTimer();
}

void TTimer::SetInterval(int AValue) {
  FInterval = AValue;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent AValue) {
  FOnTimer = std::move(AValue);
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (FEnabled && FInterval > 0 && FOnTimer)
    start(FInterval);
  else
    stop();
}
