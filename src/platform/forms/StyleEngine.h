#pragma once

// The style engine: the application's style, through which hooks registered per control class paint parts
// of those controls.

#include <QColor>
#include <QProxyStyle>
#include <QString>
#include <memory>

// A hook of the style engine for the controls of one class.
class TStyleHook {
 public:
  virtual ~TStyleHook() = default;
  // The colour the control's edit background is erased with; it comes in as the style's own.
  virtual void EraseBackground(const QWidget& AControl, QColor& AColor) const = 0;
  // Whether the style paints the control's border (its non-client area).
  virtual bool PaintBorder(const QWidget& /*AControl*/) const { return true; }
};

// The application's style, set by the application object. It paints as the system style does, except the
// edit background of a control whose class (or nearest ancestor class, by class name) has a registered
// hook: line edits, the edit field of combo boxes, and of spin boxes and date-time edits, whose border the
// hook also decides; and a popup menu's icons take its image list's size.
class TStyleEngine : public QProxyStyle {
  Q_OBJECT

 public:
  TStyleEngine();

  // A later registration for the same class replaces the earlier one.
  static void RegisterStyleHook(const QString& AClassName, std::shared_ptr<const TStyleHook> AHook);
  // The hook of the control's class or of its nearest ancestor class that has one, or null.
  static const TStyleHook* HookFor(const QWidget& AControl);

  void drawPrimitive(PrimitiveElement AElement, const QStyleOption* AOption, QPainter* APainter,
                     const QWidget* AWidget) const override;
  void drawComplexControl(ComplexControl AControl, const QStyleOptionComplex* AOption, QPainter* APainter,
                          const QWidget* AWidget) const override;
  int pixelMetric(PixelMetric AMetric, const QStyleOption* AOption, const QWidget* AWidget) const override;
};
