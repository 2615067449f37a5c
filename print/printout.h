#pragma once

#include <QString>
#include <QStringList>

class QTextDocument;
class QWidget;

// What a window prints: a title and a header line on the first page, then its text. The text is
// one paragraph a line, as the horoscope texts keep it; heading lines print bold.
struct Printout {
    QString title;  // whose: the person's name, else what the text is
    QString header; // «Дата рождения: 21 марта 1985 г. — Овен (знак зодиака)»; may be empty
    QStringList lines;
    QString html; // printed instead of the lines when given (the sky's own formatting)
};

namespace Printing {

// The design's text face, which the printout keeps.
QString textFamily();

// Paragraphs as HTML: a line each, heading lines bold, empty lines dropped.
QString paragraphsHtml(const QStringList &lines);

// The whole printout as HTML.
QString printoutHtml(const Printout &printout);

// Fills a document for printing: the text face at a reading size.
void setUpDocument(QTextDocument &document, const QString &html);

// Shows the print dialog with its preview of the printout; the user prints from there.
void printWithPreview(const Printout &printout, QWidget *parent);

} // namespace Printing
