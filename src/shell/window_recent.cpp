// Open Recent: the ten files opened or saved last, in a submenu of File.
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "cli/paths.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/recent_files.h"

void MainWindow::buildRecentMenu() {
  QAction* open = commandAction(menuBar(), kOpenCommand);
  recentMenu_ = new QMenu("Open &Recent", this);
  QMenu* file = qobject_cast<QMenu*>(open->parent());
  QList<QAction*> actions = file->actions();
  qsizetype next = actions.indexOf(open) + 1;
  file->insertMenu(next < actions.size() ? actions[next] : nullptr, recentMenu_);
  recentFiles_ = readRecentFiles(recentFilesFilePath());
  showRecentFiles();
}

void MainWindow::showRecentFiles() {
  recentMenu_->clear();
  for (size_t i = 0; i < recentFiles_.size(); ++i) {
    // A & in a path would otherwise read as a mnemonic; the tenth is &0.
    QString path = QString::fromStdString(recentFiles_[i]).replace("&", "&&");
    QAction* action = recentMenu_->addAction(QString("&%1 %2").arg((i + 1) % 10).arg(path));
    connect(action, &QAction::triggered, this,
            [this, file = recentFiles_[i]] { openRecent(file); });
  }
  recentMenu_->addSeparator();
  QAction* clear = recentMenu_->addAction("&Clear List");
  clear->setEnabled(!recentFiles_.empty());
  connect(clear, &QAction::triggered, this, [this] {
    recentFiles_.clear();
    writeRecentFiles(recentFilesFilePath(), recentFiles_);
    showRecentFiles();
  });
}

void MainWindow::rememberRecent(const std::string& path) {
  QString absolute = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
  recentFiles_ = withRecentFile(recentFiles_, absolute.toStdString());
  writeRecentFiles(recentFilesFilePath(), recentFiles_);
  showRecentFiles();
}

void MainWindow::openRecent(const std::string& path) {
  if (mayLoseChanges("before opening another file")) openFile(path);
}
