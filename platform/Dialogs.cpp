#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QRegularExpression>
#include <QSortFilterProxyModel>

namespace {

bool AsksForPrograms(const QStringList& patterns) {
  for (const QString& p : patterns)
    if (p.compare(QLatin1String("*.exe"), Qt::CaseInsensitive) == 0) return true;
  return false;
}

// Sits between the dialog and its file-system model and lists what
// FileFilterAccepts lets through. The model itself is given "*" so that it
// does not hide programs without ".exe" first.
class TFileFilterProxy : public QSortFilterProxyModel {
public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

  void SetPatterns(const QStringList& patterns) {
    FPatterns = patterns;
    invalidateFilter();
  }

  // The file-system model sorts itself (folders first); the proxy keeps its
  // order instead of sorting by the displayed text.
  void sort(int column, Qt::SortOrder order) override {
    if (sourceModel()) sourceModel()->sort(column, order);
  }

protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    auto* files = qobject_cast<QFileSystemModel*>(sourceModel());
    if (!files) return true;
    const QModelIndex index = files->index(row, 0, parent);
    if (files->isDir(index)) return true;
    return FileFilterAccepts(files->fileInfo(index), FPatterns);
  }

private:
  QStringList FPatterns;
};

}  // namespace

QList<TFileFilter> ParseFileFilter(const QString& filter) {
  QList<TFileFilter> result;
  const QStringList parts = filter.split(QLatin1Char('|'));
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    if (parts[i].isEmpty() && i + 1 >= parts.size()) break;
    TFileFilter entry;
    entry.Description = parts[i];
    if (i + 1 < parts.size())
      for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (!p.trimmed().isEmpty()) entry.Patterns << p.trimmed();
    if (entry.Patterns.isEmpty()) entry.Patterns << QStringLiteral("*");
    result << entry;
  }
  return result;
}

bool FileFilterAccepts(const QFileInfo& info, const QStringList& patterns) {
  if (info.isDir()) return true;
  const QString name = info.fileName();
  for (const QString& p : patterns) {
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(p),
                                QRegularExpression::CaseInsensitiveOption);
    if (re.match(name).hasMatch()) return true;
  }
  return AsksForPrograms(patterns) && info.isFile() && info.isExecutable();
}

QString DialogStartFolder(const QString& initialDir) {
  QString dir = initialDir;
  static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]?"));
  const QRegularExpressionMatch m = drive.match(dir);
  if (!m.hasMatch()) return dir;
  dir = QLatin1Char('/') + dir.mid(m.capturedLength());
  dir.replace(QLatin1Char('\\'), QLatin1Char('/'));
  return dir;
}

TOpenDialog::TOpenDialog(QObject* owner) : QObject(owner) {}

bool TOpenDialog::Execute() {
  QWidget* owner = qobject_cast<QWidget*>(parent());
  if (owner) owner = owner->window();
  if (!owner) owner = QApplication::activeWindow();

  QFileDialog dialog(owner);
  // Our own dialog, not the desktop's: it speaks the program's language and
  // takes the programs filter below.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  if (!Title.isEmpty()) dialog.setWindowTitle(Title);

  const QList<TFileFilter> filters = ParseFileFilter(Filter);
  auto* proxy = new TFileFilterProxy(&dialog);
  dialog.setProxyModel(proxy);
  if (!filters.isEmpty()) {
    QStringList names;
    // Each entry shows its description alone; the model lists everything and
    // the proxy decides.
    for (const TFileFilter& f : filters) names << f.Description + QStringLiteral(" (*)");
    dialog.setNameFilters(names);
    proxy->SetPatterns(filters.front().Patterns);
    QObject::connect(&dialog, &QFileDialog::filterSelected, proxy, [&dialog, proxy, filters] {
      const qsizetype i = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
      proxy->SetPatterns(filters.value(i < 0 ? 0 : i).Patterns);
    });
  } else {
    proxy->SetPatterns({QStringLiteral("*")});
  }

  const QString start = DialogStartFolder(InitialDir);
  if (!start.isEmpty()) dialog.setDirectory(start);
  if (!FileName.isEmpty()) dialog.selectFile(FileName);

  if (dialog.exec() != QDialog::Accepted) return false;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return false;
  FileName = chosen.front();
  return true;
}
