// Open Recent: the ten files opened or saved last, in a submenu of File
// right after Open, kept in the recent-files file.
#pragma once

#include <QMenu>
#include <string>
#include <vector>

class QMenuBar;

class RecentMenu : public QMenu {
  Q_OBJECT

 public:
  // Goes into bar's File menu after Open, listing the recent-files file.
  RecentMenu(QMenuBar* bar, QWidget* parent);

  // path was opened or saved: first in the list, which is written at once.
  void remember(const std::string& path);

 signals:
  // One of the files was chosen.
  void fileChosen(const std::string& path);

 private:
  void showFiles();

  std::vector<std::string> files_;
};
