// Command ids, the menu bar (MYMENU) and the accelerator table.
#pragma once

#include <QKeySequence>
#include <array>
#include <functional>
#include <vector>

class QMenuBar;
class QWidget;

enum CommandId {
  kOpenCommand = 100,
  kResetCommand = 101,
  kEditItemCommand = 104,
  kHelpCommand = 105,
  kExitCommand = 106,
  kAboutCommand = 107,
  kSaveCommand = 108,
  kSavePmxCommand = 109,
  kFileInfoCommand = 110,
  kRunUtilitiesCommand = 40003,
  kShowLibraryCommand = 40004,
};

// One menu item; id 0 stands for a separator. The text after the tab is the
// shortcut shown beside the item.
struct MenuItem {
  const char* text;
  int id;
};

struct MenuDefinition {
  const char* title;
  std::vector<MenuItem> items;
};

// The four menus of the bar, left to right; the last (Help) goes to the
// right end.
const std::array<MenuDefinition, 4>& menuDefinitions();

struct Accelerator {
  QKeySequence keys;
  int command;
};

// The eight accelerators.
const std::array<Accelerator, 8>& accelerators();

using CommandHandler = std::function<void(int command)>;

// Builds the menu bar from menuDefinitions(); every item's data is its id and
// choosing it calls handler with the id. The last menu goes into a second
// bar, the corner widget at the bar's right end.
void buildMenuBar(QMenuBar* bar, const CommandHandler& handler);

// Adds the accelerators to window as window-wide shortcuts calling handler.
void addAccelerators(QWidget* window, const CommandHandler& handler);
