#include "shell/recent_menu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenuBar>

#include "cli/paths.h"
#include "shell/commands.h"
#include "shell/recent_files.h"

RecentMenu::RecentMenu(QMenuBar* bar, QWidget* parent) : QMenu("Open &Recent", parent) {
  QAction* open = commandAction(bar, kOpenCommand);
  QMenu* file = qobject_cast<QMenu*>(open->parent());
  QList<QAction*> actions = file->actions();
  qsizetype next = actions.indexOf(open) + 1;
  file->insertMenu(next < actions.size() ? actions[next] : nullptr, this);
  files_ = readRecentFiles(recentFilesFilePath());
  showFiles();
}

void RecentMenu::showFiles() {
  clear();
  for (size_t i = 0; i < files_.size(); ++i) {
    // A & in a path would otherwise read as a mnemonic; the tenth is &0.
    QString path = QString::fromStdString(files_[i]).replace("&", "&&");
    QAction* action = addAction(QString("&%1 %2").arg((i + 1) % 10).arg(path));
    connect(action, &QAction::triggered, this, [this, file = files_[i]] { emit fileChosen(file); });
  }
  addSeparator();
  QAction* clearList = addAction("&Clear List");
  clearList->setEnabled(!files_.empty());
  connect(clearList, &QAction::triggered, this, [this] {
    files_.clear();
    writeRecentFiles(recentFilesFilePath(), files_);
    showFiles();
  });
}

void RecentMenu::remember(const std::string& path) {
  QString absolute = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
  files_ = withRecentFile(files_, absolute.toStdString());
  writeRecentFiles(recentFilesFilePath(), files_);
  showFiles();
}
