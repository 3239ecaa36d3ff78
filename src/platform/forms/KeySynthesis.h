#pragma once

// Key presses made by the program: sent to a control at once, or queued as the keyboard would queue them.

#include <QEvent>

#include "platform/forms/VirtualKeys.h"

class QWidget;

// AShift is the modifiers held once the event has happened (a press of Ctrl carries ssCtrl, its release
// not).
// Sends a key event (QEvent::KeyPress or KeyRelease) to the widget at once, through the widget's own key
// handling, as the system's SendMessage of a key message does.
void SendKey(QWidget& AWidget, QEvent::Type AType, int AKey, TShiftState AShift);

// Queues a key event as the keyboard would: when its turn comes it reaches whatever takes keys then (an
// open popup menu, else the widget with the focus). Events queued one after another arrive in that order.
void PostKey(QEvent::Type AType, int AKey, TShiftState AShift);
