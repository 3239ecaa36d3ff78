#include "platform/rtl/Exception.h"

Exception::Exception(const QString& message) : FMessage(message), FWhat(message.toUtf8()) {}
