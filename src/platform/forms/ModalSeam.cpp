#include "platform/forms/ModalSeam.h"

#include <QPointer>
#include <QTimer>

std::function<void(QWidget& AWindow)> OnModalShown;

void ScheduleModalAnswer(QWidget& AWindow, std::function<bool()> AOpen, std::function<void()> AClose) {
  if (!OnModalShown) return;
  QPointer<QWidget> ventana = &AWindow;
  QTimer::singleShot(0, &AWindow, [ventana, AOpen = std::move(AOpen), AClose = std::move(AClose)] {
    OnModalShown(*ventana);
    if (ventana && AOpen()) AClose();
  });
}

int ExecModal(QDialog& ADialog) {
  ScheduleModalAnswer(
      ADialog, [&ADialog] { return ADialog.isVisible(); }, [&ADialog] { ADialog.reject(); });
  return ADialog.exec();
}
