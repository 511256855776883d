// The main window: the run and close buttons, the figures memo, the inlet choice, the twelve
// inputs, the status memo, and the chart drawn on the client area during a run.
#pragma once

#include <filesystem>
#include <string>

#include "files/tank_parameters.h"
#include "model/tank_results.h"
#include "model/tank_run.h"
#include "platform/line_sink.h"
#include "platform/widgets/bit_btn.h"
#include "platform/widgets/button.h"
#include "platform/widgets/edit.h"
#include "platform/widgets/error_report.h"
#include "platform/widgets/form.h"
#include "platform/widgets/label.h"
#include "platform/widgets/memo.h"
#include "platform/widgets/radio_group.h"

class TTemperatureChart;

// What the window needs from whoever starts it.
struct TFormSetup {
    std::filesystem::path Folder = ".";  // where ts.dat, ts.out and ondo.out live
    LineSink MemoEcho;                   // told every line appended to either memo
    ErrorReporter ReportError;           // empty: the message box
};

// How the last click on the run button ended.
enum class TRunOutcome { None, Completed, Refused, FileNotWritten, Interrupted };

class TForm1 : public TForm {
public:
    // The records live as long as the program; the window only reads and fills them.
    TForm1(TTankParameters& parameters, TTankResults& results, TFormSetup setup = {});

    TButton* Button1;
    TBitBtn* BitBtn1;
    TMemo* Memo1;
    TRadioGroup* RadioGroup1;
    TEdit* Edit1;
    TLabel* Label2;
    TEdit* Edit2;
    TLabel* Label3;
    TLabel* Label4;
    TLabel* Label5;
    TLabel* Label6;
    TLabel* Label7;
    TLabel* Label8;
    TLabel* Label9;
    TLabel* Label10;
    TLabel* Label11;
    TLabel* Label12;
    TEdit* Edit3;
    TEdit* Edit4;
    TEdit* Edit5;
    TEdit* Edit6;
    TEdit* Edit7;
    TEdit* Edit8;
    TEdit* Edit9;
    TEdit* Edit10;
    TEdit* Edit11;
    TMemo* Memo2;
    TLabel* Label13;
    TEdit* Edit12;
    TLabel* Label1;

    void Button1Click();
    void ShowParameters();

    TRunOutcome LastRunOutcome() const { return lastRun_; }

private:
    void createControls();
    void giveOwnFonts();
    void setTabStops();
    void connectCommands();
    void loadInputs();

    bool RunSimulation();
    bool readInputs();
    bool divisionsRefused();
    TRunNotifications drawingOn(TTemperatureChart& chart);

    LineSink figuresMemo();
    LineSink statusMemo();

    TTankParameters& parameters_;
    TTankResults& results_;
    TFormSetup setup_;
    TRunOutcome lastRun_ = TRunOutcome::None;
};
