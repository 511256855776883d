// A one-line input box.
#pragma once

#include <string>

#include <QLineEdit>

class TEdit : public QLineEdit {
public:
    explicit TEdit(QWidget* parent);

    std::string Text() const;
    void SetText(const std::string& text);
    void Clear();
};
