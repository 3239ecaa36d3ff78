#pragma once

// The root of the system's exceptions and the run-time library's own errors.

#include <QByteArray>
#include <QString>
#include <exception>

// Root of every exception of the system: a message for the operator, nothing more.
class Exception : public std::exception {
 public:
  explicit Exception(const QString& message);

  const QString& Message() const { return FMessage; }
  const char* what() const noexcept override { return FWhat.constData(); }

 private:
  QString FMessage;
  QByteArray FWhat;
};

// The message of any exception: an Exception's own, else what the C++ library says.
QString ExceptionMessage(std::exception_ptr AException);

// A file that cannot be opened, read, written or deleted.
class EFileError : public Exception {
 public:
  using Exception::Exception;
};

// An index outside a list.
class EListError : public Exception {
 public:
  using Exception::Exception;
};

// An invalid floating-point operation, such as rounding an infinite value.
class EInvalidOp : public Exception {
 public:
  using Exception::Exception;
};

// A text that cannot be converted to the value asked for.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};
