#include "app/window_run.h"

#include <memory>

#include <QApplication>

#include "app/form1.h"
#include "platform/widgets/error_report.h"

int RunWindow(TTankParameters& parameters, TTankResults& results)
{
    std::unique_ptr<TForm1> form;
    try {
        form = std::make_unique<TForm1>(parameters, results);
    } catch (const std::exception& error) {
        ShowErrorBox(nullptr, ErrorReportText(error));
        return 0;
    }
    form->show();
    QApplication::exec();
    return 0;
}
