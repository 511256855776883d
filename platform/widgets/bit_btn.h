// A button of the close kind: the standard close glyph, and a click closes its window.
#pragma once

#include <string>

#include <QPushButton>

class TForm;

class TBitBtn : public QPushButton {
public:
    TBitBtn(TForm& owner, const std::string& caption);
};
