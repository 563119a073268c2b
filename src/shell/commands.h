// Command ids, the menu bar (MYMENU) and the accelerator table.
#pragma once

#include <QKeySequence>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QMenuBar;
class QWidget;

enum CommandId {
  kOpenCommand = 100,
  kResetCommand = 101,
  kUndoCommand = 102,
  kRedoCommand = 103,
  kEditItemCommand = 104,
  kHelpCommand = 105,
  kExitCommand = 106,
  kAboutCommand = 107,
  kSaveCommand = 108,
  kSavePmxCommand = 109,
  kFileInfoCommand = 110,
  kSaveAsCommand = 111,
  kZoomInCommand = 120,
  kZoomOutCommand = 121,
  kFitWidthCommand = 122,
  kFitPageCommand = 123,
  kActualSizeCommand = 124,
  kSmoothEdgesCommand = 125,
  kBasicDrawingCommand = 126,
  kRunUtilitiesCommand = 40003,
  kShowLibraryCommand = 40004,
};

// One menu item; id 0 stands for a separator. The text after the tab is the
// shortcut shown beside the item.
struct MenuItem {
  const char* text;
  int id;
  bool checkable = false;  // shows a check mark the window sets
};

struct MenuDefinition {
  const char* title;
  std::vector<MenuItem> items;
};

// The menus of the bar, left to right; the last (Help) goes to the right end.
const std::array<MenuDefinition, 5>& menuDefinitions();

struct Accelerator {
  QKeySequence keys;
  int command;
};

// The accelerators.
const std::vector<Accelerator>& accelerators();

using CommandHandler = std::function<void(int command)>;

// Builds the menu bar from menuDefinitions(); every item's data is its id and
// choosing it calls handler with the id. The last menu goes into a second
// bar, the corner widget at the bar's right end.
void buildMenuBar(QMenuBar* bar, const CommandHandler& handler);

// The menu action of command id in the bar or its corner bar, or null.
QAction* commandAction(const QMenuBar* bar, int id);

// Adds the accelerators to window as window-wide shortcuts calling handler.
void addAccelerators(QWidget* window, const CommandHandler& handler);
