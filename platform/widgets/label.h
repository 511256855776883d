// A caption of fixed size: the text neither resizes the label nor wraps.
#pragma once

#include <string>

#include <QLabel>

class TLabel : public QLabel {
public:
    TLabel(QWidget* parent, const std::string& caption);
};
