// A multi-line text box used as a list of lines: a line is appended after the last one, and the
// box can be emptied. The user may type into it freely; Lines() reads what it holds then.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QPlainTextEdit>

enum TScrollStyle { ssNone, ssBoth };

class TMemo : public QPlainTextEdit {
public:
    TMemo(QWidget* parent, TScrollStyle scrollBars);

    void SetLines(const std::vector<std::string>& lines);
    void Append(const std::string& line);
    void Clear();
    std::vector<std::string> Lines() const;

    // Told every appended line, after it is shown.
    std::function<void(const std::string& line)> OnLineAppended;
};
