#include "shell/commands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

const std::array<MenuDefinition, 5>& menuDefinitions() {
  static const std::array<MenuDefinition, 5> menus = {{
      {"&File",
       {{"&Open SCORE file...\t        Ctrl+O", kOpenCommand},
        {nullptr, 0},
        {"&Save SCORE file...\t        Ctrl+S", kSaveCommand},
        {"Sa&ve SCORE file as...\t        Ctrl+Shift+S", kSaveAsCommand},
        {"Save &As PMX", kSavePmxCommand},
        {nullptr, 0},
        {"File &Info", kFileInfoCommand},
        {nullptr, 0},
        {"E&xit\t        Alt+F4", kExitCommand}}},
      {"&Edit",
       {{"&Undo\t        Ctrl+Z", kUndoCommand},
        {"Re&do\t        Ctrl+Shift+Z", kRedoCommand},
        {nullptr, 0},
        {"&Reset\t        F3", kResetCommand},
        {"&Edit item", kEditItemCommand}}},
      {"&View",
       {{"Zoom &In\t        Ctrl++", kZoomInCommand},
        {"Zoom &Out\t        Ctrl+-", kZoomOutCommand},
        {nullptr, 0},
        {"Fit &Width", kFitWidthCommand, true},
        {"Fit &Page", kFitPageCommand, true},
        {"&Actual Size\t        Ctrl+0", kActualSizeCommand},
        {nullptr, 0},
        {"&Smooth Edges", kSmoothEdgesCommand, true},
        {"&Basic Drawing", kBasicDrawingCommand, true}}},
      {"&Utilities",
       {{"&Run external utils\t        Ctrl+R", kRunUtilitiesCommand},
        {"&Show library items\t        Ctrl+L", kShowLibraryCommand}}},
      {"&Help",
       {{"&Help Topics\t        F1", kHelpCommand},
        {nullptr, 0},
        {"&About MELIBRON...", kAboutCommand}}},
  }};
  return menus;
}

const std::vector<Accelerator>& accelerators() {
  static const std::vector<Accelerator> table = {
      {QKeySequence(Qt::Key_F1), kHelpCommand},
      {QKeySequence(Qt::Key_F2), kOpenCommand},
      {QKeySequence(Qt::Key_F3), kResetCommand},
      {QKeySequence(Qt::ALT | Qt::Key_F4), kExitCommand},
      {QKeySequence(Qt::CTRL | Qt::Key_L), kShowLibraryCommand},
      {QKeySequence(Qt::CTRL | Qt::Key_O), kOpenCommand},
      {QKeySequence(Qt::CTRL | Qt::Key_R), kRunUtilitiesCommand},
      {QKeySequence(Qt::CTRL | Qt::Key_S), kSaveCommand},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), kSaveAsCommand},
      {QKeySequence(Qt::CTRL | Qt::Key_Z), kUndoCommand},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), kRedoCommand},
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), kZoomInCommand},
      {QKeySequence(Qt::CTRL | Qt::Key_Equal), kZoomInCommand},  // + unshifted
      {QKeySequence(Qt::CTRL | Qt::Key_Minus), kZoomOutCommand},
      {QKeySequence(Qt::CTRL | Qt::Key_0), kActualSizeCommand},
  };
  return table;
}

void buildMenuBar(QMenuBar* bar, const CommandHandler& handler) {
  const auto& menus = menuDefinitions();
  // Help stands at the right end: in a bar of its own in the bar's corner,
  // since Qt's styles ignore the separator that once meant "right of here".
  auto* rightBar = new QMenuBar(bar);
  bar->setCornerWidget(rightBar, Qt::TopRightCorner);
  for (size_t m = 0; m < menus.size(); ++m) {
    QMenu* menu = (m + 1 == menus.size() ? rightBar : bar)->addMenu(menus[m].title);
    for (const MenuItem& item : menus[m].items) {
      if (item.id == 0) {
        menu->addSeparator();
        continue;
      }
      // The shortcut text comes from the tab part; the keys themselves are
      // the accelerators, so the action carries none.
      QAction* action = menu->addAction(item.text);
      action->setData(item.id);
      action->setCheckable(item.checkable);
      QObject::connect(action, &QAction::triggered, bar, [handler, id = item.id] { handler(id); });
    }
  }
}

void addAccelerators(QWidget* window, const CommandHandler& handler) {
  for (const Accelerator& accelerator : accelerators()) {
    auto* action = new QAction(window);
    action->setShortcut(accelerator.keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setData(accelerator.command);
    QObject::connect(action, &QAction::triggered, window,
                     [handler, id = accelerator.command] { handler(id); });
    window->addAction(action);
  }
}

QAction* commandAction(const QMenuBar* bar, int id) {
  auto* corner = qobject_cast<const QMenuBar*>(bar->cornerWidget(Qt::TopRightCorner));
  for (const QMenuBar* menus : {bar, corner}) {
    if (menus == nullptr) continue;
    for (const QAction* title : menus->actions()) {
      if (title->menu() == nullptr) continue;
      for (QAction* action : title->menu()->actions()) {
        if (!action->isSeparator() && action->data().toInt() == id) return action;
      }
    }
  }
  return nullptr;
}
