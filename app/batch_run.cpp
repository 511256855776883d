#include "app/batch_run.h"

#include <iostream>
#include <memory>

#include <QString>
#include <QtGlobal>

#include "app/form1.h"

namespace {

void PrintLine(const std::string& line) { std::cout << line << std::endl; }

int StatusOf(TRunOutcome outcome)
{
    switch (outcome) {
    case TRunOutcome::Completed: return kBatchCompleted;
    case TRunOutcome::Refused: return kBatchRefused;
    case TRunOutcome::FileNotWritten: return kBatchFileNotWritten;
    case TRunOutcome::None:
    case TRunOutcome::Interrupted: break;
    }
    return kBatchError;
}

void QtCriticalOnly(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << std::endl;
}

}  // namespace

void KeepStandardErrorForReports() { qInstallMessageHandler(QtCriticalOnly); }

int RunBatch(TTankParameters& parameters, TTankResults& results, const std::string& chartFile)
{
    bool errorReported = false;
    const ErrorReporter toStandardError = [&errorReported](const std::string& text) {
        std::cerr << text << std::endl;
        errorReported = true;
    };

    std::unique_ptr<TForm1> form;
    try {
        form = std::make_unique<TForm1>(parameters, results, TFormSetup{".", PrintLine, toStandardError});
    } catch (const std::exception& error) {
        toStandardError(ErrorReportText(error));
        return kBatchError;
    }
    form->show();
    form->Button1->click();

    int status = errorReported ? kBatchError : StatusOf(form->LastRunOutcome());
    if (!chartFile.empty() && !form->CanvasImage().save(QString::fromStdString(chartFile), "PNG")) {
        std::cerr << "The chart could not be saved as " << chartFile << "." << std::endl;
        if (status == kBatchCompleted) status = kBatchFileNotWritten;
    }
    form->close();
    return status;
}
