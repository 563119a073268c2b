// Running a registered utility on the loaded data: the document goes to the
// hand-over file, the utility edits it, the program reads it back.
#pragma once

#include <string>

#include "score/document.h"
#include "view/view.h"

class ExternalUtilsDialog;
class MessageSink;

// Copies row k (0..4) of the dialog into utilityPaths[k] and
// utilityOptions[k]; an empty field leaves its stored value unchanged.
void takeUtilityRow(const ExternalUtilsDialog& dialog, int k);

// The command line shown for utility k: path, hand-over file and options
// separated by single spaces, exactly as the user typed them.
std::string utilityCommandLine(int k, const std::string& handOverPath);

// Takes row k, writes document to the hand-over file, runs utility k without a shell
// (its path is the program, then the hand-over path, then the options split
// into words) and waits for it to end (see waitForUtility: the user may stop
// it, which keeps the data and the dialog open and returns false without a
// message), then reads the hand-over file back into document, lays it out
// in view and closes the dialog; returns true as the utility ran. A
// hand-over file that cannot be read back is told with its "File Open"
// message and the data from before the run stays loaded. When the hand-over
// file cannot be written or the utility cannot be started, tells so through
// messages (a utility that cannot start with the system's reason on a line
// of its own), keeps the loaded data and the dialog open and returns false.
bool runExternalUtility(ExternalUtilsDialog& dialog, int k, MessageSink& messages,
                        Document& document, View& view);
