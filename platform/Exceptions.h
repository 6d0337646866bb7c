#pragma once
// Errors of the program: one base class with a message, as the windows'
// handlers expect them. They never cross Qt's event loop: the application
// object catches them and shows the general error display.
#include <QString>
#include <QByteArray>
#include <exception>

class Exception : public std::exception {
public:
  explicit Exception(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8()) {}
  const QString& Message() const { return FMessage; }
  const char* what() const noexcept override { return FUtf8.constData(); }

private:
  QString FMessage;
  QByteArray FUtf8;
};

#define MOMENTY_EXCEPTION(Name, Base)   \
  class Name : public Base {            \
  public:                               \
    using Base::Base;                   \
  };

MOMENTY_EXCEPTION(EConvertError, Exception)     // text that is not a number
MOMENTY_EXCEPTION(EStreamError, Exception)      // a stream read or write failed
MOMENTY_EXCEPTION(EReadError, EStreamError)     // a stream ended before the data did
MOMENTY_EXCEPTION(EDecompressionError, Exception)  // the inflater refused the data
MOMENTY_EXCEPTION(EIniFileException, Exception) // a settings file could not be written
MOMENTY_EXCEPTION(EInvalidCast, Exception)      // an object is not of the class asked for
MOMENTY_EXCEPTION(EInvalidOperation, Exception) // an operation the object's state forbids
MOMENTY_EXCEPTION(EOSError, Exception)          // the system refused a request
