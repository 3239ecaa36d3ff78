#pragma once

// The bar manager: a form's toolbars and their layout, docked or floating.

#include <QObject>
#include <memory>
#include <vector>

#include "platform/forms/Component.h"

// Where a toolbar docks: nowhere (floating), or along one edge of the form.
enum TDockingStyle { dsNone, dsLeft, dsTop, dsRight, dsBottom };

// One toolbar's layout.
struct TBar {
  TDockingStyle DockedDockingStyle = dsTop;
  int DockedLeft = 0;
  int DockedTop = 0;
  bool OneOnRow = false;
  int Row = 0;
  int FloatLeft = 0;
  int FloatTop = 0;
  int FloatClientWidth = 0;
  int FloatClientHeight = 0;
  TDockingStyle DockingStyle = dsTop;
  bool Visible = true;
};

// The toolbars of a form, in index order. It keeps their layout, which the form's settings save; this
// platform draws no toolbars.
class TBarManager : public QObject, public TComponent {
 public:
  explicit TBarManager(TComponent* AOwner) : QObject(), TComponent(this, AOwner) {}

  int BarCount() const { return static_cast<int>(FBars.size()); }
  TBar& Bars(int AIndex) const { return *FBars.at(static_cast<size_t>(AIndex)); }
  // Adds a toolbar at the end.
  TBar& AddBar() { return *FBars.emplace_back(std::make_unique<TBar>()); }

 private:
  std::vector<std::unique_ptr<TBar>> FBars;
};
