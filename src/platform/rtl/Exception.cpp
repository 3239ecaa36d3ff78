#include "platform/rtl/Exception.h"

Exception::Exception(const QString& message) : FMessage(message), FWhat(message.toUtf8()) {}

QString ExceptionMessage(std::exception_ptr AException) {
  try {
    std::rethrow_exception(AException);
  } catch (const Exception& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return QString::fromLocal8Bit(e.what());
  } catch (...) {
    return QStringLiteral("Unknown exception");
  }
}
