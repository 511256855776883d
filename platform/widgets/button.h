// A push button whose click runs a command of its window. The click never lets an error escape
// into Qt: it goes to the window's error report, and the window is idle again.
#pragma once

#include <functional>
#include <string>

#include <QPushButton>

class TForm;

class TButton : public QPushButton {
public:
    TButton(TForm& owner, const std::string& caption);

    std::function<void()> OnClick;

private:
    void runClick();

    TForm& owner_;
};
