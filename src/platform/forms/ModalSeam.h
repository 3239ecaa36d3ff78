#pragma once

// The test seam of modal windows: answering a modal window instead of an operator.

#include <QDialog>
#include <functional>

// Empty in the program. When a test sets it, it runs once a modal window (a form shown modally, the
// default error box, a file dialog) is shown and its loop waits for the operator: the test answers the
// window there with keys, clicks or its close box. A window still open afterwards is closed as its close
// box would close it, so that a test that does not answer fails instead of hanging.
extern std::function<void(QWidget& AWindow)> OnModalShown;

// Has the seam, when set, answer a window that has just become modal: AOpen tells whether it still waits,
// AClose closes it as its close box would.
void ScheduleModalAnswer(QWidget& AWindow, std::function<bool()> AOpen, std::function<void()> AClose);

// Runs a Qt dialog modally, through the seam.
int ExecModal(QDialog& ADialog);
