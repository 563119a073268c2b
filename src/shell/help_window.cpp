#include "shell/help_window.h"

#include <QDir>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "cli/command_line.h"
#include "cli/paths.h"
#include "shell/commands.h"
#include "shell/messages.h"

namespace {

// Keys that are not menu commands.
constexpr const char* kOtherKeys[][2] = {
    {"Up, Down", "move the page up or down by a line"},
    {"Page Up, Page Down", "move the page up or down by half a window"},
    {"Ctrl+Left, Ctrl+Right",
     "move the page left or right by a line (Ctrl+Right then shows the "
     "library items)"},
    {"Right", "show library items"},
    {"Home, End", "show the top or the bottom of the page"},
    {"Ctrl+Page Up, Ctrl+Page Down", "zoom in or out about the window's centre"},
    {"Mouse wheel", "scroll; with Shift sideways; with Ctrl zoom about the mouse"},
    {"Scroll bars", "show where the view is on the page; drag or click them to move it"},
    {"Mouse over the page", "marks the item under it and names it in the status bar"},
    {"Click", "selects the item under the mouse"},
    {"Double click", "opens Item edit at the item under the mouse"},
    {"Tab, Shift+Tab", "select the next or the previous item, in the order of the file"},
    {"Enter", "opens Item edit at the selected item"},
    {"Esc", "ends the selection"},
};

QString escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

// "&Open SCORE file...\t  Ctrl+O" as the command's name and its key.
std::pair<QString, QString> nameAndKey(const char* text) {
  QString item = QString::fromUtf8(text);
  QString name = item.section('\t', 0, 0).remove('&').remove("...");
  return {name, item.section('\t', 1).trimmed()};
}

QString row(const QString& first, const QString& second) {
  return "<tr><td><b>" + first.toHtmlEscaped() + "</b></td><td>" + second.toHtmlEscaped() +
         "</td></tr>";
}

QString commandsSection() {
  QString html = "<h2>Commands and keys</h2><table cellspacing=4>";
  for (const MenuDefinition& menu : menuDefinitions()) {
    QString title = QString::fromUtf8(menu.title).remove('&');
    for (const MenuItem& item : menu.items) {
      if (item.id == 0) continue;
      auto [name, key] = nameAndKey(item.text);
      html += row(key.isEmpty() ? title + " menu" : key, name);
    }
  }
  for (const auto& [keys, meaning] : kOtherKeys) html += row(keys, meaning);
  return html + "</table>";
}

QString filesSection(const std::string& libraryDirectory) {
  QString current = QDir::currentPath();
  return "<h2>Files</h2><table cellspacing=4>" +
         row("Settings (the five utilities)", QString::fromStdString(settingsFilePath())) +
         row("Hand-over file for utilities", QString::fromStdString(handOverFilePath())) +
         row("Recent files", QString::fromStdString(recentFilesFilePath())) +
         row("Window size and place", QString::fromStdString(windowGeometryFilePath())) +
         row("Drawing mode", QString::fromStdString(drawingModeFilePath())) +
         row("Symbol libraries", QString::fromStdString(libraryDirectory)) +
         row("Save As PMX proposes", current + "/" + kPmxFileName) +
         row("Show library items writes", current + "/" + kVectorListFileName) + "</table>";
}

}  // namespace

QString helpHtml(const std::string& libraryDirectory) {
  return "<h1>MELIBRON</h1><p>Views and edits the items of a SCORE page (.mus) or of its PMX "
         "listing. Item edit changes one item's parameters; Undo and Redo step through every "
         "change; Save writes the page.</p>" +
         commandsSection() + filesSection(libraryDirectory) + "<h2>Command line</h2><pre>" +
         escaped(helpText()) + "</pre>";
}

HelpWindow::HelpWindow(QWidget* parent, const std::string& libraryDirectory) : QDialog(parent) {
  setWindowTitle("MELIBRON Help");
  auto* browser = new QTextBrowser;
  browser->setHtml(helpHtml(libraryDirectory));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser);
  resize(720, 640);
}

QString HelpWindow::text() const { return findChild<QTextBrowser*>()->toPlainText(); }
