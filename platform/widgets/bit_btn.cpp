#include "platform/widgets/bit_btn.h"

#include <QStyle>

#include "platform/widgets/form.h"

TBitBtn::TBitBtn(TForm& owner, const std::string& caption)
    : QPushButton(QString::fromStdString(caption), &owner)
{
    setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    connect(this, &QPushButton::clicked, &owner, &QWidget::close);
}
