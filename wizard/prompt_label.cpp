#include "wizard/prompt_label.h"

#include <QPainter>
#include <QTextLayout>

namespace {

// Lays the text out in lines of the given width and height; returns the height used.
int layOut(QTextLayout &layout, int width, int lineHeight)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    int y = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y + (lineHeight - line.height()) / 2));
        y += lineHeight;
    }
    layout.endLayout();
    return y;
}

} // namespace

int PromptLabel::lineHeight() const
{
    const int pixels = font().pixelSize() > 0 ? font().pixelSize() : fontMetrics().height();
    return qRound(pixels * 1.2);
}

int PromptLabel::heightForWidth(int width) const
{
    QTextLayout layout(text(), font());
    return layOut(layout, width, lineHeight());
}

void PromptLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    QTextLayout layout(text(), font());
    layOut(layout, width(), lineHeight());
    layout.draw(&painter, QPointF(0, 0));
}
