#pragma once

#include <QFont>
#include <QString>

class QColor;
class QLabel;
class QWidget;

// A font by pixel size, as the design gives every size.
QFont pixelFont(const QString &family, int pixels, bool bold = false, bool underline = false);

// The family the design gives its windows' own texts; substitutions map it to an installed one.
QString designFontFamily();
// That family by pixel size.
QFont designFont(int pixels, bool bold = false, bool underline = false);

// The font every window of the design starts from: the design's family, 11 pixels.
void setDesignFont(QWidget *window);

// The colour of a label's text.
void setTextColor(QLabel *label, const QColor &color);

// A label takes another's whole font, as the design assigns one: face, size, style and colour.
// Its size is left alone; a label that fits its text calls adjustSize() itself.
void copyFont(const QLabel *from, QLabel *to);

// Puts a window in the middle of the available part of its screen.
void centreOnScreen(QWidget *window);
