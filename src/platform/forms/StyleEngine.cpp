#include "platform/forms/StyleEngine.h"

#include <QAbstractSpinBox>
#include <QHash>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include "platform/forms/Menus.h"

namespace {

QHash<QString, std::shared_ptr<const TStyleHook>>& Ganchos() {
  static QHash<QString, std::shared_ptr<const TStyleHook>> ganchos;
  return ganchos;
}

// The option with the hook's background colour in the roles that paint an edit field.
template <class Opcion>
Opcion ConGancho(const Opcion& AOption, const QWidget& AControl, const TStyleHook& AHook,
                 std::initializer_list<QPalette::ColorRole> APapeles) {
  Opcion opcion = AOption;
  for (const QPalette::ColorRole papel : APapeles) {
    QColor color = opcion.palette.color(papel);
    AHook.EraseBackground(AControl, color);
    opcion.palette.setColor(papel, color);
  }
  return opcion;
}

}  // namespace

TStyleEngine::TStyleEngine() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void TStyleEngine::RegisterStyleHook(const QString& AClassName, std::shared_ptr<const TStyleHook> AHook) {
  Ganchos().insert(AClassName, std::move(AHook));
}

const TStyleHook* TStyleEngine::HookFor(const QWidget& AControl) {
  for (const QMetaObject* clase = AControl.metaObject(); clase; clase = clase->superClass())
    if (const auto gancho = Ganchos().value(QString::fromLatin1(clase->className()))) return gancho.get();
  return nullptr;
}

void TStyleEngine::drawPrimitive(PrimitiveElement AElement, const QStyleOption* AOption, QPainter* APainter,
                                 const QWidget* AWidget) const {
  // The edit field of a spin box is a line edit inside it, painted by the spin box's hook.
  const QWidget* control = AWidget;
  if (AWidget && qobject_cast<const QAbstractSpinBox*>(AWidget->parentWidget())) control = AWidget->parentWidget();
  const TStyleHook* gancho = control && AElement == PE_PanelLineEdit ? HookFor(*control) : nullptr;
  const auto* marco = qstyleoption_cast<const QStyleOptionFrame*>(AOption);
  if (!gancho || !marco) return QProxyStyle::drawPrimitive(AElement, AOption, APainter, AWidget);
  const QStyleOptionFrame opcion = ConGancho(*marco, *control, *gancho, {QPalette::Base});
  QProxyStyle::drawPrimitive(AElement, &opcion, APainter, AWidget);
}

void TStyleEngine::drawComplexControl(ComplexControl AControl, const QStyleOptionComplex* AOption, QPainter* APainter,
                                      const QWidget* AWidget) const {
  const TStyleHook* gancho = AWidget && (AControl == CC_ComboBox || AControl == CC_SpinBox) ? HookFor(*AWidget) : nullptr;
  const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(AOption);
  const auto* giro = qstyleoption_cast<const QStyleOptionSpinBox*>(AOption);
  if (gancho && combo) {
    const QStyleOptionComboBox opcion = ConGancho(*combo, *AWidget, *gancho, {QPalette::Base, QPalette::Button});
    return QProxyStyle::drawComplexControl(AControl, &opcion, APainter, AWidget);
  }
  if (gancho && giro) {
    QStyleOptionSpinBox opcion = ConGancho(*giro, *AWidget, *gancho, {QPalette::Base});
    opcion.frame = opcion.frame && gancho->PaintBorder(*AWidget);
    return QProxyStyle::drawComplexControl(AControl, &opcion, APainter, AWidget);
  }
  QProxyStyle::drawComplexControl(AControl, AOption, APainter, AWidget);
}

int TStyleEngine::pixelMetric(PixelMetric AMetric, const QStyleOption* AOption, const QWidget* AWidget) const {
  const auto* menu = AMetric == PM_SmallIconSize ? dynamic_cast<const TPopupMenu*>(AWidget) : nullptr;
  if (menu && menu->IconSize() > 0) return menu->IconSize();
  return QProxyStyle::pixelMetric(AMetric, AOption, AWidget);
}
