#pragma once
// Records what the general error display would show while it is alive.
#include "platform/Forms.h"

#include <QStringList>

struct ErrorRecorder {
  ErrorRecorder() {
    Application->OnException = [this](const QString& text) { Shown << text; };
  }
  ~ErrorRecorder() { Application->OnException = nullptr; }
  ErrorRecorder(const ErrorRecorder&) = delete;
  ErrorRecorder& operator=(const ErrorRecorder&) = delete;
  QStringList Shown;
};
