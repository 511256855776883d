#include "platform/widgets/edit.h"

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {}

std::string TEdit::Text() const { return text().toStdString(); }

// A narrow box shows the beginning of its text, as one expects of a value just filled in.
void TEdit::SetText(const std::string& text)
{
    setText(QString::fromStdString(text));
    setCursorPosition(0);
}

void TEdit::Clear() { clear(); }
