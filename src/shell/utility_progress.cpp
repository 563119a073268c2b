#include "shell/utility_progress.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Most utilities are done before this; their run shows no dialog at all.
constexpr int kDialogDelayMilliseconds = 400;

class ProgressDialog : public QDialog {
 public:
  ProgressDialog(QWidget* parent, const QString& program) : QDialog(parent) {
    setObjectName(kUtilityProgressName);
    setWindowTitle("External Utilities");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Running " + QFileInfo(program).fileName() +
                                 "...\n"
                                 "The data stays as it is if you stop it."));
    auto* buttons = new QDialogButtonBox;
    buttons->addButton("Stop", QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
  }
};

}  // namespace

bool waitForUtility(QProcess& process, QWidget* parent) {
  if (process.state() == QProcess::NotRunning) return true;
  bool stopped = false;
  QEventLoop loop;
  QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
  ProgressDialog dialog(parent, process.program());
  // Closing the dialog in any way stops the utility.
  QObject::connect(&dialog, &QDialog::rejected, &loop, [&] {
    stopped = true;
    process.kill();
  });
  QTimer::singleShot(kDialogDelayMilliseconds, &dialog, [&] { dialog.show(); });
  QApplication::setOverrideCursor(Qt::BusyCursor);
  // The state is checked again: a utility may have ended before the loop.
  if (process.state() != QProcess::NotRunning) loop.exec();
  QApplication::restoreOverrideCursor();
  process.waitForFinished(-1);
  return !stopped;
}
