#pragma once

#include "engine/sky.h"
#include "toolkit/result.h"

#include <QDate>
#include <QString>

class QTextDocument;

// «Мой гороскоп» as an A4 PDF: a title page with the name and the birth date, the seven signs
// in a table with their short cards, each system's text about the sign under its heading, and
// the sky of the birth day; pages numbered, fonts embedded, text searchable.
namespace Booklet {

struct Input {
    QString name; // may be empty
    QDate birth;
    QString programDir;        // holds Files/
    Sky::Place place;          // where the birth day's sky is seen from
    bool generalTexts = false; // each system's general text before the sign's
};

// The booklet's content, its pictures added to the document; fails on a text that cannot be read.
Result<> fill(QTextDocument &document, const Input &input);

// Writes the PDF through a save file: an old file stays whole unless the new one is complete.
Result<> write(const QString &path, const Input &input);

} // namespace Booklet
