#include "platform/widgets/button.h"

#include "platform/errors.h"
#include "platform/widgets/form.h"

TButton::TButton(TForm& owner, const std::string& caption)
    : QPushButton(QString::fromStdString(caption), &owner), owner_(owner)
{
    connect(this, &QPushButton::clicked, this, [this] { runClick(); });
}

void TButton::runClick()
{
    try {
        if (OnClick) OnClick();
    } catch (const Exception& error) {
        owner_.ReportError(error);
    } catch (const std::exception& error) {
        owner_.ReportError(error);
    }
}
