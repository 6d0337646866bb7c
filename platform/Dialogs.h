#pragma once
// The open-file dialog.
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QFileInfo;

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

// --- How the dialog reads its settings ---------------------------------------

// One entry of the filter: "Файлы exe" with the patterns {"*.exe"}.
struct TFileFilter {
  QString Description;
  QStringList Patterns;
};

// "Description|pattern[;pattern]|..." as a list of entries; an entry without
// patterns lists every file.
QList<TFileFilter> ParseFileFilter(const QString& filter);

// Whether the dialog lists an entry under the given patterns: every folder;
// a file whose name matches a pattern, case ignored as on the system the
// patterns come from; and, where a pattern asks for programs ("*.exe"), any
// file the user may execute, since programs here carry no ".exe".
bool FileFilterAccepts(const QFileInfo& info, const QStringList& patterns);

// The folder the dialog opens at: a drive letter ("C:\") stands for the root
// of the file system, backslashes for slashes.
QString DialogStartFolder(const QString& initialDir);
