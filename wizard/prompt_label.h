#pragma once

#include <QLabel>

// The wizard's prompt: word-wrapped like a label, but with the tight line spacing of the design's
// font, so the greeting and a wrapped prompt stay clear of the list box and the button below them
// whatever font stands in for it.
class PromptLabel : public QLabel
{
public:
    using QLabel::QLabel;

    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int lineHeight() const;
};
