#include "platform/widgets/label.h"

TLabel::TLabel(QWidget* parent, const std::string& caption) : QLabel(QString::fromStdString(caption), parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(false);
}
