#include "tests/common/FileDialogAnswer.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>

FileDialogAnswer::FileDialogAnswer(QString file, std::function<void(QFileDialog*)> inspect)
    : FFile(std::move(file)), FInspect(std::move(inspect)) {
  FTimer.setInterval(10);
  QObject::connect(&FTimer, &QTimer::timeout, [this] { Poll(); });
  FTimer.start();
}

// Like a user: wait for the dialog, go to the file's folder, click the file
// once it is listed, press "Открыть". A file the list never shows (one the
// filter hides) is typed into the name field instead.
void FileDialogAnswer::Poll() {
  auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
  if (!dialog || !dialog->isVisible()) return;
  if (!FAnswered) {
    FAnswered = true;
    if (FInspect) FInspect(dialog);
    if (FFile.isEmpty()) {
      FTimer.stop();
      dialog->reject();
      return;
    }
    dialog->setDirectory(QFileInfo(FFile).absolutePath());
    FWaited = 0;
    return;
  }
  auto* files = dialog->findChild<QFileSystemModel*>();
  auto* list = dialog->findChild<QListView*>(QStringLiteral("listView"));
  if (!files || !list) return;
  const QModelIndex source = files->index(FFile);
  QModelIndex shown = source;
  if (auto* proxy = dialog->proxyModel()) shown = proxy->mapFromSource(source);
  const bool listed = shown.isValid() && list->model()->rowCount(list->rootIndex()) > 0;
  if (!listed && ++FWaited < 100) return;
  FTimer.stop();
  if (listed) {
    list->selectionModel()->setCurrentIndex(shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  } else {
    if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) edit->setText(FFile);
  }
  static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as the Open button
}
