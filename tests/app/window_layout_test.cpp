// The main window as built: every control where the layout puts it, the window's own
// properties, and the tab order.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "form_fixture.h"

namespace {

struct ControlPlace {
    const char* Name;
    int Left, Top, Width, Height;
    const char* Caption;  // button or label text; empty for the others
};

// The control table of the main window, in its declared order.
const ControlPlace kLayout[] = {
    {"Button1", 512, 19, 52, 20, "実行"},
    {"BitBtn1", 512, 64, 52, 20, "終了"},
    {"Memo1", 406, 13, 91, 90, ""},
    {"RadioGroup1", 406, 109, 148, 52, ""},
    {"Edit1", 499, 165, 45, 23, ""},
    {"Label2", 406, 173, 52, 20, "槽分割数"},
    {"Edit2", 499, 192, 45, 23, ""},
    {"Label3", 406, 197, 60, 12, "時間分割数"},
    {"Label4", 406, 226, 88, 12, "槽内初期温度 ℃"},
    {"Label5", 406, 255, 64, 12, "入力温度 ℃"},
    {"Label6", 406, 285, 88, 12, "送水限界温度 ℃"},
    {"Label7", 406, 314, 56, 12, "流量 m3/h"},
    {"Label8", 406, 343, 56, 12, "槽容量 m3"},
    {"Label9", 406, 372, 49, 12, "槽水深 m"},
    {"Label10", 406, 401, 61, 12, "円管直径 m"},
    {"Label11", 406, 426, 56, 12, "せき高さ m"},
    {"Label12", 406, 455, 48, 12, "せき幅 m"},
    {"Edit3", 499, 221, 45, 23, ""},
    {"Edit4", 499, 250, 45, 23, ""},
    {"Edit5", 499, 280, 45, 23, ""},
    {"Edit6", 499, 309, 45, 23, ""},
    {"Edit7", 499, 338, 45, 23, ""},
    {"Edit8", 499, 367, 45, 23, ""},
    {"Edit9", 499, 396, 45, 23, ""},
    {"Edit10", 499, 421, 45, 23, ""},
    {"Edit11", 499, 450, 45, 23, ""},
    {"Memo2", 9, 519, 455, 58, ""},
    {"Label13", 406, 484, 92, 12, "温度伝導率 m2/h"},
    {"Edit12", 499, 479, 45, 23, ""},
    {"Label1", 102, 13, 142, 20, "槽内温度分布の推移"},
};

QString CaptionOf(const QWidget* control)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    return {};
}

}  // namespace

class WindowLayoutTest : public FormTest {};

TEST_F(WindowLayoutTest, EveryControlStandsAtItsPlaceInDeclaredOrder)
{
    TForm1& form = OpenForm();
    const QObjectList children = form.children();
    int previousIndex = -1;
    for (const ControlPlace& place : kLayout) {
        SCOPED_TRACE(place.Name);
        auto* control = form.findChild<QWidget*>(QString::fromLatin1(place.Name), Qt::FindDirectChildrenOnly);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), QRect(place.Left, place.Top, place.Width, place.Height));
        EXPECT_EQ(CaptionOf(control).toStdString(), place.Caption);
        const int index = static_cast<int>(children.indexOf(control));
        EXPECT_GT(index, previousIndex) << "created out of the declared order";
        previousIndex = index;
    }
}

TEST_F(WindowLayoutTest, WindowHasFixedClientAreaCaptionAndFonts)
{
    TForm1& form = OpenForm();
    EXPECT_EQ(form.size(), QSize(574, 584));
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "the window must not be resizable";
    EXPECT_EQ(form.windowTitle().toStdString(), "温度成層型蓄熱槽の槽内温度分布と効率");
    EXPECT_EQ(form.CanvasImage().size(), QSize(574, 584));

    // "ＭＳ Ｐゴシック" height -12 for the window, "ＭＳ ゴシック" -12 for Memo1, -15 for the title.
    EXPECT_EQ(form.font().family(), "IPAPGothic");
    EXPECT_EQ(form.font().pixelSize(), 12);
    EXPECT_EQ(form.Memo1->font().family(), "IPAGothic");
    EXPECT_EQ(form.Memo1->font().pixelSize(), 12);
    EXPECT_EQ(form.Label1->font().family(), "IPAPGothic");
    EXPECT_EQ(form.Label1->font().pixelSize(), 15);
    EXPECT_EQ(form.Edit5->font().pixelSize(), 12);

    const QRect screen = form.screen()->availableGeometry();
    EXPECT_LE((form.geometry().center() - screen.center()).manhattanLength(), 2) << "not centred";
}

TEST_F(WindowLayoutTest, MemosStartWithOneEmptyLineAndTheirOwnScrollBars)
{
    WriteFile("ts.dat", "");  // read without a status line
    TForm1& form = OpenForm();
    EXPECT_EQ(form.Memo1->Lines(), std::vector<std::string>{""});
    EXPECT_EQ(form.Memo2->Lines(), std::vector<std::string>{""});
    EXPECT_EQ(form.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(form.Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(form.Memo2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(form.Memo2->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(WindowLayoutTest, RadioGroupHasTwoUncaptionedItemsInOneColumn)
{
    TForm1& form = OpenForm();
    EXPECT_TRUE(form.RadioGroup1->title().isEmpty());
    const auto items = form.RadioGroup1->findChildren<QRadioButton*>();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text().toStdString(), "円管入力");
    EXPECT_EQ(items[1]->text().toStdString(), "スロット・せき入力");
    EXPECT_EQ(items[0]->x(), items[1]->x());
    EXPECT_LT(items[0]->y(), items[1]->y());
}

TEST_F(WindowLayoutTest, TabKeyWalksTheInputsWithMemo2BeforeEdit12)
{
    TForm1& form = OpenForm();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    const std::vector<std::pair<const char*, QWidget*>> order = {
        {"Button1", form.Button1}, {"BitBtn1", form.BitBtn1}, {"Memo1", form.Memo1},
        {"RadioGroup1", form.RadioGroup1}, {"Edit1", form.Edit1}, {"Edit2", form.Edit2},
        {"Edit3", form.Edit3}, {"Edit4", form.Edit4}, {"Edit5", form.Edit5}, {"Edit6", form.Edit6},
        {"Edit7", form.Edit7}, {"Edit8", form.Edit8}, {"Edit9", form.Edit9}, {"Edit10", form.Edit10},
        {"Edit11", form.Edit11}, {"Memo2", form.Memo2}, {"Edit12", form.Edit12}, {"Button1", form.Button1}};

    form.Button1->setFocus(Qt::TabFocusReason);
    for (std::size_t i = 1; i < order.size(); ++i) {
        SCOPED_TRACE(std::string("after ") + order[i - 1].first);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_TRUE(focused == order[i].second || order[i].second->isAncestorOf(focused))
            << "focus went to " << focused->objectName().toStdString();
    }
}

TEST_F(WindowLayoutTest, CloseButtonClosesTheWindow)
{
    TForm1& form = OpenForm();
    EXPECT_FALSE(form.BitBtn1->icon().isNull()) << "the close kind carries the standard glyph";
    ASSERT_TRUE(form.isVisible());
    QTest::mouseClick(form.BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
}
