#pragma once

// Virtual-key codes and shift states of the keyboard, and their Qt equivalents.

#include <Qt>

// The shift state of a key or mouse event: the modifiers held.
using TShiftState = Qt::KeyboardModifiers;
constexpr Qt::KeyboardModifier ssShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifier ssCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifier ssAlt = Qt::AltModifier;

// Virtual-key codes. Letters and digits are their upper-case character codes ('A' = 0x41, '0' = 0x30),
// which Qt's key codes share.
constexpr int VK_BACK = 0x08;
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;
constexpr int VK_NEXT = 0x22;
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_APPS = 0x5D;
constexpr int VK_F1 = 0x70;
constexpr int VK_F2 = 0x71;
constexpr int VK_F4 = 0x73;
constexpr int VK_F6 = 0x75;
constexpr int VK_F9 = 0x78;
constexpr int VK_F12 = 0x7B;

// The virtual-key code of a Qt key, or 0 when it has none.
int VirtualKeyFromQt(int AQtKey);
// The Qt key of a virtual-key code, or Qt::Key_unknown when it has none.
Qt::Key QtKeyFromVirtualKey(int AKey);
