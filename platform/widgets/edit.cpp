#include "platform/widgets/edit.h"

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {}

std::string TEdit::Text() const { return text().toStdString(); }

void TEdit::SetText(const std::string& text) { setText(QString::fromStdString(text)); }

void TEdit::Clear() { clear(); }
