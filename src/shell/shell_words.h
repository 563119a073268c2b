// Splitting an option string into arguments the way a POSIX shell splits
// words, without running a shell.
#pragma once

#include <string>
#include <vector>

// Words of text separated by blanks (space, tab, newline). Single quotes keep
// everything literally; inside double quotes a backslash escapes only the
// dollar, backquote, double quote, backslash and newline; elsewhere a
// backslash keeps the next character. "" and '' give
// an empty word. Nothing is expanded ($, ~, * and the like stay as written);
// an unclosed quote runs to the end of the text.
std::vector<std::string> splitShellWords(const std::string& text);
