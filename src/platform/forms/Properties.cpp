#include "platform/forms/Properties.h"

#include <QMetaProperty>

namespace {

QMetaProperty Publicada(const QObject& AInstance, const char* APropName) {
  const QMetaObject* clase = AInstance.metaObject();
  const int indice = clase->indexOfProperty(APropName);
  if (indice < 0) throw EPropertyError(QStringLiteral("Property %1 does not exist").arg(QLatin1String(APropName)));
  return clase->property(indice);
}

}  // namespace

bool IsPublishedProp(const QObject& AInstance, const char* APropName) {
  return AInstance.metaObject()->indexOfProperty(APropName) >= 0;
}

QVariant GetPropValue(const QObject& AInstance, const char* APropName) {
  return Publicada(AInstance, APropName).read(&AInstance);
}

void SetPropValue(QObject& AInstance, const char* APropName, const QVariant& AValue) {
  Publicada(AInstance, APropName).write(&AInstance, AValue);
}

const QMetaObject* GetObjectPropClass(const QObject& AInstance, const char* APropName) {
  return Publicada(AInstance, APropName).metaType().metaObject();
}

QObject* GetObjectProp(const QObject& AInstance, const char* APropName) {
  const QMetaProperty propiedad = Publicada(AInstance, APropName);
  if (!propiedad.metaType().metaObject()) return nullptr;
  return propiedad.read(&AInstance).value<QObject*>();
}

void SetObjectProp(QObject& AInstance, const char* APropName, QObject* AValue) {
  const QMetaProperty propiedad = Publicada(AInstance, APropName);
  const QMetaObject* clase = propiedad.metaType().metaObject();
  if (!clase || (AValue && !AValue->metaObject()->inherits(clase))) return;
  QVariant valor = QVariant::fromValue(AValue);
  valor.convert(propiedad.metaType());
  propiedad.write(&AInstance, valor);
}
