#include "platform/widgets/memo.h"

#include <QTextCursor>

// The text holds every line followed by a line break, so an empty text has no lines and a lone
// line break is one empty line; a last line typed without a break still counts.

TMemo::TMemo(QWidget* parent, TScrollStyle scrollBars) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    // The small inner margin of a classic edit box: a 90-pixel memo holds seven 12-pixel lines.
    document()->setDocumentMargin(1);
    if (scrollBars == ssBoth) {
        setLineWrapMode(QPlainTextEdit::NoWrap);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    } else {
        setLineWrapMode(QPlainTextEdit::WidgetWidth);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
}

void TMemo::SetLines(const std::vector<std::string>& lines)
{
    QString text;
    for (const std::string& line : lines) text += QString::fromStdString(line) + QLatin1Char('\n');
    setPlainText(text);
}

void TMemo::Append(const std::string& line)
{
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    const QString held = toPlainText();
    if (!held.isEmpty() && !held.endsWith(QLatin1Char('\n'))) end.insertText(QStringLiteral("\n"));
    end.insertText(QString::fromStdString(line) + QLatin1Char('\n'));
    // Keep the new line in view; the empty one after its break need not be.
    end.movePosition(QTextCursor::PreviousCharacter);
    setTextCursor(end);
    ensureCursorVisible();
    if (OnLineAppended) OnLineAppended(line);
}

void TMemo::Clear() { clear(); }

std::vector<std::string> TMemo::Lines() const
{
    QStringList pieces = toPlainText().split(QLatin1Char('\n'));
    if (pieces.back().isEmpty()) pieces.removeLast();
    std::vector<std::string> lines;
    lines.reserve(pieces.size());
    for (const QString& piece : pieces) lines.push_back(piece.toStdString());
    return lines;
}
