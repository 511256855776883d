// The one place where an error becomes what the user sees: the error's message and a full stop,
// handed to a reporter. The window's reporter is a message box; batch mode and tests plug in
// their own.
#pragma once

#include <exception>
#include <functional>
#include <string>

class QWidget;

using ErrorReporter = std::function<void(const std::string& text)>;

// The message of one of the program's errors (or what() of any other) followed by ".".
std::string ErrorReportText(const std::exception& error);

// A modal message box with the error icon and one OK button, titled with the program's name.
void ShowErrorBox(QWidget* parent, const std::string& text);
