#include "Exception.h"

Exception::Exception(const QString& message) : FMessage(message), FWhat(message.toUtf8()) {}
