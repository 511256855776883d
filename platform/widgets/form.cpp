#include "platform/widgets/form.h"

#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QStyle>

#include "platform/widgets/screen_font.h"

namespace {

TColor ToTColor(const QColor& colour)
{
    return static_cast<TColor>(colour.red()) | static_cast<TColor>(colour.green()) << 8 |
           static_cast<TColor>(colour.blue()) << 16;
}

// Layout heights are pixels at 96 pixels per inch; the surface's font sizes are points.
int PointsFromPixels(int pixels) { return pixels * 72 / 96; }

}  // namespace

TForm::TForm(int clientWidth, int clientHeight, const std::string& caption, const std::string& fontFace,
             int fontPixelHeight)
    : canvas_(clientWidth, clientHeight, ToTColor(palette().color(QPalette::Window)))
{
    setWindowTitle(QString::fromStdString(caption));
    setFont(ScreenFont(fontFace, fontPixelHeight));
    setFixedSize(clientWidth, clientHeight);
    canvas_.Font.Name = fontFace;
    canvas_.Font.Size = PointsFromPixels(fontPixelHeight);
    canvas_.Font.Color = clWindowText;
    centreOnScreen();
}

void TForm::ReportError(const std::exception& error)
{
    // What the interrupted command drew (a frame without its curves) shows behind the report.
    repaint();
    const std::string text = ErrorReportText(error);
    if (reporter_) reporter_(text);
    else ShowErrorBox(this, text);
}

void TForm::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawImage(0, 0, canvas_.Image());
}

void TForm::centreOnScreen()
{
    if (const QScreen* where = screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), where->availableGeometry()));
}
