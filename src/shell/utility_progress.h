// Waiting for a running utility without freezing the program: the windows
// keep painting under a busy cursor, and a small dialog can stop the utility.
#pragma once

class QProcess;
class QWidget;

// The object name of the dialog, for tests that press its Stop button.
inline constexpr char kUtilityProgressName[] = "utilityProgress";

// Waits until the started process has ended. After a moment a modal dialog
// over parent names the program and offers Stop, which kills the process.
// Returns false when the user stopped it.
bool waitForUtility(QProcess& process, QWidget* parent);
