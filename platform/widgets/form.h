// A window of fixed client size, centred on the screen, with a drawing surface over its whole
// client area. The surface is an image the window keeps: painting only shows that image, so
// whatever was drawn comes back after any repaint.
#pragma once

#include <exception>
#include <string>

#include <QImage>
#include <QWidget>

#include "platform/canvas.h"
#include "platform/image_canvas.h"
#include "platform/widgets/error_report.h"

class TForm : public QWidget {
public:
    // The font is the layout's face name and height in pixels; the controls and the drawing
    // surface start with it.
    TForm(int clientWidth, int clientHeight, const std::string& caption, const std::string& fontFace,
          int fontPixelHeight);

    TCanvas& Canvas() { return canvas_; }
    const QImage& CanvasImage() const { return canvas_.Image(); }

    // Where the errors of this window's commands go; without one, a message box shows them.
    void SetErrorReporter(ErrorReporter reporter) { reporter_ = std::move(reporter); }
    void ReportError(const std::exception& error);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void centreOnScreen();

    TImageCanvas canvas_;
    ErrorReporter reporter_;
};
