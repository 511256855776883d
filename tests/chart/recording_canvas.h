// A canvas that draws nothing and keeps every call with the font, brush and pen in force at
// that moment, so a test can check the order of the drawing and the state it used.
#pragma once

#include <string>
#include <vector>

#include "platform/canvas.h"

struct TCanvasCall {
    enum Kind { Text, Box, Move, Line } kind;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    std::string text;
    TFont font;
    TBrush brush;
    TPen pen;
};

class TRecordingCanvas : public TCanvas {
public:
    std::vector<TCanvasCall> calls;

    void TextOut(int x, int y, const std::string& text) override
    {
        Record(TCanvasCall::Text, x, y, 0, 0, text);
    }
    void Rectangle(int x1, int y1, int x2, int y2) override
    {
        Record(TCanvasCall::Box, x1, y1, x2, y2);
    }
    void MoveTo(int x, int y) override { Record(TCanvasCall::Move, x, y); }
    void LineTo(int x, int y) override { Record(TCanvasCall::Line, x, y); }

    std::vector<TCanvasCall> Of(TCanvasCall::Kind kind) const
    {
        std::vector<TCanvasCall> found;
        for (const TCanvasCall& call : calls)
            if (call.kind == kind) found.push_back(call);
        return found;
    }

private:
    void Record(TCanvasCall::Kind kind, int x1, int y1, int x2 = 0, int y2 = 0,
                const std::string& text = {})
    {
        calls.push_back(TCanvasCall{kind, x1, y1, x2, y2, text, Font, Brush, Pen});
    }
};
