#pragma once
// The open-file dialog.
#include <QObject>
#include <QString>

class TOpenDialog : public QObject {
  Q_OBJECT
public:
  explicit TOpenDialog(QObject* owner);
  // "Description|pattern[;pattern]|Description|pattern..."
  QString Filter;
  QString InitialDir;
  QString FileName;
  QString Title;
  // Shows the dialog modally; true when the user confirmed a file, whose full
  // name is then in FileName.
  bool Execute();
};
