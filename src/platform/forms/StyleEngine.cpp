#include "platform/forms/StyleEngine.h"

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
  const TStyleHook* gancho = AWidget && AElement == PE_PanelLineEdit ? HookFor(*AWidget) : nullptr;
  const auto* marco = qstyleoption_cast<const QStyleOptionFrame*>(AOption);
  if (!gancho || !marco) return QProxyStyle::drawPrimitive(AElement, AOption, APainter, AWidget);
  const QStyleOptionFrame opcion = ConGancho(*marco, *AWidget, *gancho, {QPalette::Base});
  QProxyStyle::drawPrimitive(AElement, &opcion, APainter, AWidget);
}

void TStyleEngine::drawComplexControl(ComplexControl AControl, const QStyleOptionComplex* AOption, QPainter* APainter,
                                      const QWidget* AWidget) const {
  const TStyleHook* gancho = AWidget && AControl == CC_ComboBox ? HookFor(*AWidget) : nullptr;
  const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(AOption);
  if (!gancho || !combo) return QProxyStyle::drawComplexControl(AControl, AOption, APainter, AWidget);
  const QStyleOptionComboBox opcion = ConGancho(*combo, *AWidget, *gancho, {QPalette::Base, QPalette::Button});
  QProxyStyle::drawComplexControl(AControl, &opcion, APainter, AWidget);
}

int TStyleEngine::pixelMetric(PixelMetric AMetric, const QStyleOption* AOption, const QWidget* AWidget) const {
  const auto* menu = AMetric == PM_SmallIconSize ? dynamic_cast<const TPopupMenu*>(AWidget) : nullptr;
  if (menu && menu->IconSize() > 0) return menu->IconSize();
  return QProxyStyle::pixelMetric(AMetric, AOption, AWidget);
}
