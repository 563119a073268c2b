// The window's conversation with the user: message boxes, the open-file
// dialog and modal dialogs go through one interface, so tests can answer
// them without blocking.
#pragma once

#include <string>

class QDialog;
class QWidget;

enum class MessageIcon { kNone, kExclamation };

struct Message {
  std::string text;
  std::string caption;
  MessageIcon icon = MessageIcon::kNone;
};

// Shows modal messages with an OK button.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void showMessage(const Message& message) = 0;
};

class Interaction : public MessageSink {
 public:
  // Asks for a file to open, starting in startDirectory; empty on Cancel.
  virtual std::string chooseFileToOpen(const std::string& startDirectory) = 0;
  // Runs the dialog modally until it closes.
  virtual void runModal(QDialog& dialog) = 0;
};

// The real thing: Qt message boxes and file dialogs owned by owner.
class WidgetInteraction : public Interaction {
 public:
  explicit WidgetInteraction(QWidget* owner) : owner_(owner) {}
  void showMessage(const Message& message) override;
  std::string chooseFileToOpen(const std::string& startDirectory) override;
  void runModal(QDialog& dialog) override;

 private:
  QWidget* owner_;
};

// The filters of the open-file dialog, in the order shown.
const char* openFileFilters();
