#include "platform/widgets/error_report.h"

#include <QMessageBox>

#include "platform/errors.h"

std::string ErrorReportText(const std::exception& error)
{
    if (const auto* own = dynamic_cast<const Exception*>(&error)) return own->Message() + ".";
    return std::string(error.what()) + ".";
}

void ShowErrorBox(QWidget* parent, const std::string& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Thermocline"), QString::fromStdString(text),
                    QMessageBox::Ok, parent);
    box.exec();
}
