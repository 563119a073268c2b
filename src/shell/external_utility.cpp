#include "shell/external_utility.h"

#include <QLineEdit>
#include <QProcess>
#include <QStringList>

#include "cli/paths.h"
#include "layout/layout.h"
#include "score/mus_file.h"
#include "score/score_input.h"
#include "shell/dialog_controls.h"
#include "shell/external_utils_dialog.h"
#include "shell/interaction.h"
#include "shell/settings.h"
#include "shell/shell_words.h"
#include "shell/utility_progress.h"

namespace {

void takeField(const ExternalUtilsDialog& dialog, int id, std::string& value) {
  QString text = control<QLineEdit>(&dialog, id)->text().left(kMaxSettingLength);
  if (!text.isEmpty()) value = text.toStdString();
}

// The system's reason a start failed ("No such file or directory"), without
// the name of the call that failed.
std::string startFailureReason(const QProcess& process) {
  QString reason = process.errorString();
  qsizetype colon = reason.lastIndexOf(": ");
  return (colon >= 0 ? reason.mid(colon + 2) : reason).toStdString();
}

enum class RunResult { kEnded, kNotStarted, kStopped };

// Starts the utility and waits for its end; *reason tells why it did not
// start.
RunResult runAndWait(int k, const std::string& handOverPath, QWidget* parent, std::string* reason) {
  QStringList arguments{QString::fromStdString(handOverPath)};
  for (const std::string& word : splitShellWords(utilityOptions[k])) {
    arguments << QString::fromStdString(word);
  }
  QProcess process;
  process.setProgram(QString::fromStdString(utilityPaths[k]));
  process.setArguments(arguments);
  // The utility talks to our terminal, not to pipes that nobody reads.
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.setStandardInputFile(QProcess::nullDevice());
  process.start();
  if (!process.waitForStarted(-1)) {
    *reason = startFailureReason(process);
    return RunResult::kNotStarted;
  }
  return waitForUtility(process, parent) ? RunResult::kEnded : RunResult::kStopped;
}

}  // namespace

void takeUtilityRow(const ExternalUtilsDialog& dialog, int k) {
  takeField(dialog, kUtilityPathField + k, utilityPaths[k]);
  takeField(dialog, kUtilityOptionsField + k, utilityOptions[k]);
}

std::string utilityCommandLine(int k, const std::string& handOverPath) {
  return utilityPaths[k] + " " + handOverPath + " " + utilityOptions[k];
}

bool runExternalUtility(ExternalUtilsDialog& dialog, int k, MessageSink& messages,
                        Document& document, View& view) {
  takeUtilityRow(dialog, k);
  std::string handOverPath = handOverFilePath();
  std::string error;
  if (!writeMusFile(handOverPath, document, &error)) {
    messages.showMessage({error, "MELIBRON", MessageIcon::kExclamation});
    return false;
  }
  std::string reason;
  RunResult result = runAndWait(k, handOverPath, &dialog, &reason);
  if (result == RunResult::kStopped) return false;  // the data stays as it was
  if (result == RunResult::kNotStarted) {
    messages.showMessage(
        {"Unable to run external utility:\n" + utilityCommandLine(k, handOverPath) + "\n" + reason,
         "MELIBRON", MessageIcon::kExclamation});
    return false;
  }
  // The reader replaces the table only when the file reads whole, so a bad
  // hand-over file leaves the data and its components as they were.
  if (readMusFile(handOverPath, document, &error)) {
    layoutScore(document, view);
  } else {
    messages.showMessage(
        {withRealFileName(error, handOverPath), "File Open", MessageIcon::kExclamation});
  }
  // Not accept(): that would take the other rows too.
  dialog.done(QDialog::Accepted);
  return true;
}
