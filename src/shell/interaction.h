// The window's conversation with the user: message boxes, the open-file
// dialog and modal dialogs go through one interface, so tests can answer
// them without blocking.
#pragma once

#include <string>

class QDialog;
class QWidget;

enum class MessageIcon { kNone, kExclamation };

// The answers to "Save the changes ...?".
enum class SaveChoice { kSave, kDiscard, kCancel };

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
  // Asks for a file to write, proposing suggestedPath; filter names the
  // type ("MUS Files (*.mus)") and a name typed without an extension gets
  // extension. Empty on Cancel.
  virtual std::string chooseFileToSave(const std::string& suggestedPath, const std::string& filter,
                                       const std::string& extension) = 0;
  // Asks question with Save, Discard and Cancel buttons.
  virtual SaveChoice askToSave(const std::string& question) = 0;
  // Runs the dialog modally until it closes.
  virtual void runModal(QDialog& dialog) = 0;
};

// The real thing: Qt message boxes and file dialogs owned by owner.
class WidgetInteraction : public Interaction {
 public:
  explicit WidgetInteraction(QWidget* owner) : owner_(owner) {}
  void showMessage(const Message& message) override;
  std::string chooseFileToOpen(const std::string& startDirectory) override;
  std::string chooseFileToSave(const std::string& suggestedPath, const std::string& filter,
                               const std::string& extension) override;
  SaveChoice askToSave(const std::string& question) override;
  void runModal(QDialog& dialog) override;

 private:
  QWidget* owner_;
};

// The filters of the open-file dialog, in the order shown.
const char* openFileFilters();
