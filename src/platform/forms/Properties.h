#pragma once

// Published properties, read and written by name through Qt's property system.

#include <QMetaObject>
#include <QObject>
#include <QVariant>

#include "platform/rtl/Exception.h"

// A property that the object's class does not publish.
class EPropertyError : public Exception {
 public:
  using Exception::Exception;
};

// Published properties are the class's Q_PROPERTY declarations (its own and its ancestors'); Qt's own
// camel-case properties ("enabled") are not the platform's ("Enabled"). Every routine that reads or writes
// a property that is not published raises EPropertyError "Property <name> does not exist", where Qt's
// QObject::property would answer an empty value and setProperty would add a dynamic property.
bool IsPublishedProp(const QObject& AInstance, const char* APropName);
QVariant GetPropValue(const QObject& AInstance, const char* APropName);
void SetPropValue(QObject& AInstance, const char* APropName, const QVariant& AValue);

// Object properties (a pointer to a QObject class). The class the property is declared with, or null when
// the property holds no object.
const QMetaObject* GetObjectPropClass(const QObject& AInstance, const char* APropName);
QObject* GetObjectProp(const QObject& AInstance, const char* APropName);
// Sets the property when the value is null or of its declared class (or a descendant); a value of another
// class leaves the property as it was.
void SetObjectProp(QObject& AInstance, const char* APropName, QObject* AValue);
