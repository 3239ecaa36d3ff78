#pragma once

// The label: a caption drawn as the system draws texts, sized to it, and the control it gives the focus
// to by its accelerator.

#include <QLabel>
#include <QPointer>

#include "platform/forms/Control.h"
#include "platform/forms/Menus.h"

// A label. Its caption is drawn and measured as the system's texts (TextDrawing.h): "&" marks the
// accelerator, which focuses FocusControl; a lone CR breaks the line. With AutoSize (the default) it takes
// the size of its caption whenever the caption, the font or WordWrap change: the natural size, or with
// WordWrap the wrapped size within its current width. An empty caption measures as one blank. Alignment
// places the caption across a label that is wider than its text.
class TLabel : public QLabel, public TControl {
  Q_OBJECT
  Q_PROPERTY(TPopupMenu* PopupMenu READ PopupMenu WRITE SetPopupMenu)
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)

 public:
  explicit TLabel(TComponent* AOwner);

  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& AValue);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool AValue);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool AValue);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment AValue);
  QWidget* FocusControl() const { return buddy(); }
  void SetFocusControl(QWidget* AValue) { setBuddy(AValue); }

 protected:
  void paintEvent(QPaintEvent* AEvent) override;
  void changeEvent(QEvent* AEvent) override;

 private:
  void AdjustBounds();

  QString FCaption;
  bool FAutoSize = true;
  bool FWordWrap = false;
  TAlignment FAlignment = taLeftJustify;
};
