#pragma once

// Controls: components that are widgets, with bounds in the system's pixels, colour, font, help topic,
// context menu, anchors, tab order, and the dialog keys their form offers them.

#include <QFlags>
#include <QPalette>
#include <QPointer>
#include <QWidget>

#include "platform/forms/Component.h"
#include "platform/forms/Graphics.h"
#include "platform/forms/Menus.h"
#include "platform/forms/VirtualKeys.h"

class TForm;

enum TAnchorKind { akLeft = 0x1, akTop = 0x2, akRight = 0x4, akBottom = 0x8 };
Q_DECLARE_FLAGS(TAnchors, TAnchorKind)
Q_DECLARE_OPERATORS_FOR_FLAGS(TAnchors)

// Where a caption sits across its control.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// What a widget is as a control of the form layer, mixed in after the widget class:
//   class TButton : public QPushButton, public TControl  ->  TButton(TComponent* AOwner) : TControl(this, AOwner)
// Bounds are in the system's pixels (Screen.h); Enabled and Visible are the control's own settings, not
// its parent's. A control published through Q_PROPERTY offers, where its class publishes them, the
// properties `HelpContext`, `PopupMenu` and `Font`.
class TControl : public TComponent {
 public:
  TControl(QWidget* ASelf, TComponent* AOwner);
  ~TControl() override;

  QWidget* Widget() const { return static_cast<QWidget*>(Self()); }
  QWidget* Parent() const { return Widget()->parentWidget(); }
  // Places the control in a parent widget; it shows there unless it was hidden.
  void SetParent(QWidget* AParent);
  // The form the control is on, or null.
  TForm* ParentForm() const;

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int AValue) { SetBounds(AValue, Top(), Width(), Height()); }
  void SetTop(int AValue) { SetBounds(Left(), AValue, Width(), Height()); }
  void SetWidth(int AValue) { SetBounds(Left(), Top(), AValue, Height()); }
  void SetHeight(int AValue) { SetBounds(Left(), Top(), Width(), AValue); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  QRect BoundsRect() const { return {Left(), Top(), Width(), Height()}; }

  bool Enabled() const;
  void SetEnabled(bool AValue);
  virtual bool Visible() const;
  virtual void SetVisible(bool AValue);

  // clDefault (the start) leaves the parent's colour.
  TColor Color() const { return FColor; }
  void SetColor(TColor AValue);
  QFont Font() const { return Widget()->font(); }
  void SetFont(const QFont& AValue) { Widget()->setFont(AValue); }

  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int AValue) { FHelpContext = AValue; }

  // The menu a right click (or the menu key) opens over the control; null leaves the widget's own.
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* AValue);

  // The edges of the parent the control keeps its distance to when the parent is resized.
  TAnchors Anchors() const { return FAnchors; }
  void SetAnchors(TAnchors AValue);

  bool TabStop() const;
  void SetTabStop(bool AValue);
  // Position in the parent's tab order; controls reached by Tab come in TabOrder, then creation order.
  int TabOrder() const { return FTabOrder; }
  void SetTabOrder(int AValue);

  bool CanFocus() const;
  bool Focused() const { return Widget()->hasFocus(); }
  void SetFocus();

  // A dialog key (Enter, Esc, Tab from Enter-as-Tab) that the focused control did not take, offered by
  // the form to its controls (CM_DIALOGKEY). True takes the key and ends the offer.
  virtual bool DialogKey(int AKey, TShiftState AShift);
  // Controls without a window of their own are offered dialog keys before windowed ones.
  virtual bool Windowed() const { return true; }
  // Scales bounds and (own) font from the form's current resolution to ANewPPI.
  virtual void ScaleForPPI(int ANewPPI);

  // The control got the focus (CM_ENTER) or lost it (CM_EXIT): OnEnter, OnExit.
  virtual void DoEnter();
  virtual void DoExit();
  // The control's enabled state changed (CM_ENABLEDCHANGED), its own or its parent's.
  virtual void EnabledChanged() {}
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  // The palette role that the control's Color paints: the window by default, the text area of edits.
  virtual QPalette::ColorRole ColorRole() const { return QPalette::Window; }
  // Multiplies bounds and own font by M / D.
  void ChangeScale(int M, int D);
  // Places the anchored controls within this one after its size changed; Qt reports the resize of a
  // widget that is not shown only once it shows.
  void ApplyChildAnchors();

 private:
  friend class TForm;
  class TFiltroAnclas;
  class TFiltroEventos;
  // Records where the control stands in its parent, for the anchors.
  void RecordAnchorRules();
  void ApplyAnchors();

  TColor FColor = clDefault;
  int FHelpContext = 0;
  QPointer<TPopupMenu> FPopupMenu;
  TAnchors FAnchors = TAnchors(akLeft) | akTop;
  QRect FAnchorRect;  // the control's bounds and its parent's size (in Qt's pixels) when last placed
  QSize FAnchorParent;
  TFiltroAnclas* FFiltroAnclas = nullptr;
  int FTabOrder = -1;
  Qt::FocusPolicy FFocusPolicy = Qt::NoFocus;  // the widget's own policy, which TabStop false narrows
  TFiltroEventos* FFiltroEventos;
};

// A control without a window: it never takes the focus, and dialog keys reach it first.
class TGraphicControl : public QWidget, public TControl {
  Q_OBJECT

 public:
  explicit TGraphicControl(TComponent* AOwner);

  bool Windowed() const override { return false; }
};
