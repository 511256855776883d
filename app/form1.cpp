#include "app/form1.h"

#include <QPalette>
#include <QWidget>

#include "chart/temperature_chart.h"
#include "files/parameter_file.h"
#include "files/result_files.h"
#include "platform/checked_math.h"
#include "platform/conversions.h"
#include "platform/widgets/screen_font.h"

namespace {

constexpr int kClientWidth = 574;
constexpr int kClientHeight = 584;

const std::string kDivisionLimitMessage = "槽分割数が上限1000を越えています。";
const std::string kDivisionsBelowOneMessage = "槽分割数は1以上にしてください。";

template <typename Control>
Control* Place(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}

float ReadReal(const TEdit* edit) { return StoreSingle(StrToFloat(edit->Text())); }

std::string ShowReal(float value, int precision, int digits)
{
    return FloatToStrF(value, ffFixed, precision, digits);
}

}  // namespace

TForm1::TForm1(TTankParameters& parameters, TTankResults& results, TFormSetup setup)
    : TForm(kClientWidth, kClientHeight, "温度成層型蓄熱槽の槽内温度分布と効率", "ＭＳ Ｐゴシック", 12),
      parameters_(parameters),
      results_(results),
      setup_(std::move(setup))
{
    SetErrorReporter(setup_.ReportError);
    createControls();
    giveOwnFonts();
    setTabStops();
    connectCommands();
    loadInputs();
}

void TForm1::createControls()
{
    Button1 = Place(new TButton(*this, "実行"), "Button1", 512, 19, 52, 20);
    BitBtn1 = Place(new TBitBtn(*this, "終了"), "BitBtn1", 512, 64, 52, 20);
    Memo1 = Place(new TMemo(this, ssNone), "Memo1", 406, 13, 91, 90);
    RadioGroup1 = Place(new TRadioGroup(this, {"円管入力", "スロット・せき入力"}), "RadioGroup1", 406, 109, 148, 52);
    Edit1 = Place(new TEdit(this), "Edit1", 499, 165, 45, 23);
    Label2 = Place(new TLabel(this, "槽分割数"), "Label2", 406, 173, 52, 20);
    Edit2 = Place(new TEdit(this), "Edit2", 499, 192, 45, 23);
    Label3 = Place(new TLabel(this, "時間分割数"), "Label3", 406, 197, 60, 12);
    Label4 = Place(new TLabel(this, "槽内初期温度 ℃"), "Label4", 406, 226, 88, 12);
    Label5 = Place(new TLabel(this, "入力温度 ℃"), "Label5", 406, 255, 64, 12);
    Label6 = Place(new TLabel(this, "送水限界温度 ℃"), "Label6", 406, 285, 88, 12);
    Label7 = Place(new TLabel(this, "流量 m3/h"), "Label7", 406, 314, 56, 12);
    Label8 = Place(new TLabel(this, "槽容量 m3"), "Label8", 406, 343, 56, 12);
    Label9 = Place(new TLabel(this, "槽水深 m"), "Label9", 406, 372, 49, 12);
    Label10 = Place(new TLabel(this, "円管直径 m"), "Label10", 406, 401, 61, 12);
    Label11 = Place(new TLabel(this, "せき高さ m"), "Label11", 406, 426, 56, 12);
    Label12 = Place(new TLabel(this, "せき幅 m"), "Label12", 406, 455, 48, 12);
    Edit3 = Place(new TEdit(this), "Edit3", 499, 221, 45, 23);
    Edit4 = Place(new TEdit(this), "Edit4", 499, 250, 45, 23);
    Edit5 = Place(new TEdit(this), "Edit5", 499, 280, 45, 23);
    Edit6 = Place(new TEdit(this), "Edit6", 499, 309, 45, 23);
    Edit7 = Place(new TEdit(this), "Edit7", 499, 338, 45, 23);
    Edit8 = Place(new TEdit(this), "Edit8", 499, 367, 45, 23);
    Edit9 = Place(new TEdit(this), "Edit9", 499, 396, 45, 23);
    Edit10 = Place(new TEdit(this), "Edit10", 499, 421, 45, 23);
    Edit11 = Place(new TEdit(this), "Edit11", 499, 450, 45, 23);
    Memo2 = Place(new TMemo(this, ssBoth), "Memo2", 9, 519, 455, 58);
    Label13 = Place(new TLabel(this, "温度伝導率 m2/h"), "Label13", 406, 484, 92, 12);
    Edit12 = Place(new TEdit(this), "Edit12", 499, 479, 45, 23);
    Label1 = Place(new TLabel(this, "槽内温度分布の推移"), "Label1", 102, 13, 142, 20);
    Memo1->SetLines({""});
    Memo2->SetLines({""});
}

void TForm1::giveOwnFonts()
{
    Memo1->setFont(ScreenFont("ＭＳ ゴシック", 12));
    Label1->setFont(ScreenFont("ＭＳ Ｐゴシック", 15));
    QPalette title = Label1->palette();
    title.setColor(QPalette::WindowText, Qt::black);
    Label1->setPalette(title);
}

// Memo2 comes before Edit12.
void TForm1::setTabStops()
{
    QWidget* const order[] = {Button1, BitBtn1, Memo1, RadioGroup1, Edit1,  Edit2,  Edit3, Edit4, Edit5,
                              Edit6,   Edit7,   Edit8, Edit9,       Edit10, Edit11, Memo2, Edit12};
    for (std::size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void TForm1::connectCommands()
{
    Button1->OnClick = [this] { Button1Click(); };
    Memo1->OnLineAppended = setup_.MemoEcho;
    Memo2->OnLineAppended = setup_.MemoEcho;
}

void TForm1::loadInputs()
{
    if (LoadParameters(parameters_, statusMemo(), setup_.Folder)) ShowParameters();
}

void TForm1::ShowParameters()
{
    RadioGroup1->SetItemIndex(parameters_.InletType != 0 ? 1 : 0);
    Edit1->SetText(IntToStr(parameters_.TankDivisions));
    if (parameters_.TankDivisions > kMaxTankDivisions) {
        Memo2->Append(kDivisionLimitMessage);
        return;
    }
    Edit2->SetText(IntToStr(parameters_.TimeDivisions));
    Edit3->SetText(ShowReal(parameters_.InitialTemp, 5, 1));
    Edit4->SetText(ShowReal(parameters_.InletTemp, 5, 1));
    Edit5->SetText(ShowReal(parameters_.LimitTemp, 5, 1));
    Edit6->SetText(ShowReal(parameters_.FlowRate, 8, 3));
    Edit7->SetText(ShowReal(parameters_.TankVolume, 8, 3));
    Edit8->SetText(ShowReal(parameters_.WaterDepth, 8, 3));
    if (parameters_.InletType == 0) {
        Edit9->SetText(ShowReal(parameters_.InletSize, 8, 3));
    } else {
        Edit10->SetText(ShowReal(parameters_.InletSize, 8, 3));
        Edit11->SetText(ShowReal(parameters_.WeirWidth, 8, 3));
    }
    Edit12->SetText(ShowReal(parameters_.Diffusivity, 8, 4));
}

void TForm1::Button1Click()
{
    lastRun_ = TRunOutcome::Interrupted;  // stays so when an error ends the click
    Memo1->Clear();
    const bool accepted = RunSimulation();
    const bool resultsWritten = WriteResults(parameters_, results_, figuresMemo(), setup_.Folder);
    const bool parametersSaved = SaveParameters(parameters_, figuresMemo(), setup_.Folder);
    Memo2->Append("計算終了");
    if (!resultsWritten || !parametersSaved) lastRun_ = TRunOutcome::FileNotWritten;
    else lastRun_ = accepted ? TRunOutcome::Completed : TRunOutcome::Refused;
}

// Returns false when the tank divisions were refused; the model has not run then.
bool TForm1::RunSimulation()
{
    Memo2->Append("計算開始");
    if (!readInputs()) return false;

    TTemperatureChart chart(Canvas(), parameters_, results_);
    chart.DrawChartFrame();
    chart.FillNodeHeights();
    repaint();

    RunTankModel(parameters_, results_, figuresMemo(), drawingOn(chart));
    return true;
}

// Every field is stored right after its conversion, so an error leaves the ones before it set.
bool TForm1::readInputs()
{
    parameters_.InletType = RadioGroup1->ItemIndex() == 0 ? 0 : 1;
    parameters_.TankDivisions = StrToInt(Edit1->Text());
    if (divisionsRefused()) return false;
    parameters_.TimeDivisions = StrToInt(Edit2->Text());
    parameters_.InitialTemp = ReadReal(Edit3);
    parameters_.InletTemp = ReadReal(Edit4);
    parameters_.LimitTemp = ReadReal(Edit5);
    parameters_.FlowRate = ReadReal(Edit6);
    parameters_.TankVolume = ReadReal(Edit7);
    parameters_.WaterDepth = ReadReal(Edit8);
    if (parameters_.InletType == 0) {
        parameters_.InletSize = ReadReal(Edit9);
        Edit10->Clear();
        Edit11->Clear();
    } else {
        parameters_.InletSize = ReadReal(Edit10);
        parameters_.WeirWidth = ReadReal(Edit11);
        Edit9->Clear();
    }
    parameters_.Diffusivity = ReadReal(Edit12);
    return true;
}

// The profiles hold 1001 nodes; a negative count would leave the chart and the model without any.
// Zero is let through: it faults in the node heights like any other arithmetic fault.
bool TForm1::divisionsRefused()
{
    if (parameters_.TankDivisions > kMaxTankDivisions) {
        Memo2->Append(kDivisionLimitMessage);
        return true;
    }
    if (parameters_.TankDivisions < 0) {
        Memo2->Append(kDivisionsBelowOneMessage);
        return true;
    }
    return false;
}

// Each drawing is shown at once, so the chart grows on the screen while the model steps.
TRunNotifications TForm1::drawingOn(TTemperatureChart& chart)
{
    TRunNotifications notifications;
    notifications.OnSnapshotTaken = [this, &chart](int row) {
        chart.DrawSnapshotCurve(row);
        chart.DrawTimeLabels();
        repaint();
    };
    notifications.OnLimitProfileStored = [this, &chart] {
        chart.DrawLimitCurve();
        repaint();
    };
    notifications.OnLimitFiguresStored = [this, &chart] {
        chart.DrawLimitLabel();
        repaint();
    };
    return notifications;
}

LineSink TForm1::figuresMemo()
{
    return [this](const std::string& line) { Memo1->Append(line); };
}

LineSink TForm1::statusMemo()
{
    return [this](const std::string& line) { Memo2->Append(line); };
}
