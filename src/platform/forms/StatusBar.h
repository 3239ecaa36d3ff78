#pragma once

// The status bar: a row of text panels along the bottom of its parent, some drawn by the program.

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/forms/Control.h"

enum TStatusPanelStyle { psText, psOwnerDraw };

// One panel: its text and width in the system's pixels at the form's current resolution.
struct TStatusPanel {
  QString Text;
  int Width = 50;
  TStatusPanelStyle Style = psText;
};

// A status bar 19 high across the bottom of its parent, which it follows when the parent is resized. Its
// panels stand side by side from the left, the last one reaching the right edge. An owner-drawn panel is
// left to OnDrawPanel each time the bar is painted, with the panel's rectangle in the bar (system pixels).
class TStatusBar : public QWidget, public TControl {
  Q_OBJECT
  Q_PROPERTY(QFont Font READ Font WRITE SetFont)

 public:
  explicit TStatusBar(TComponent* AOwner);

  int PanelCount() const { return static_cast<int>(FPanels.size()); }
  TStatusPanel& Panel(int AIndex) { return FPanels.at(static_cast<size_t>(AIndex)); }
  const TStatusPanel& Panel(int AIndex) const { return FPanels.at(static_cast<size_t>(AIndex)); }
  void AddPanel(const TStatusPanel& APanel);
  void SetPanelText(int AIndex, const QString& AText);
  // The panel's rectangle in the bar, in the system's pixels.
  QRect PanelRect(int AIndex) const;

  // Takes its place at the bottom of the parent.
  void SetParent(QWidget* AParent);
  // Scales the panels' widths with the bar.
  void ScaleForPPI(int ANewPPI) override;

  std::function<void(TStatusBar& Sender, int APanel, const QRect& ARect)> OnDrawPanel;

 protected:
  void paintEvent(QPaintEvent* AEvent) override;

 private:
  std::vector<TStatusPanel> FPanels;
};
