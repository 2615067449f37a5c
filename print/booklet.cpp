#include "print/booklet.h"

#include "data/sign_keys.h"
#include "engine/date_words.h"
#include "engine/save_target.h"
#include "engine/text_header.h"
#include "engine/tform2.h"
#include "print/printout.h"
#include "sky/moon_picture.h"
#include "toolkit/text_list.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace Booklet {

namespace {

const char *const CardPrefix = "Коротко: ";
const char *const MoonPicture = "orlenta:moon";
const int MoonPixels = 240;

// A sign text: its title, an empty line, the card, then the paragraphs.
struct SignText {
    QString card;
    QStringList body;
};

SignText splitSignText(QStringList lines)
{
    SignText text;
    lines = lines.mid(2);
    if (!lines.isEmpty() && lines.constFirst().startsWith(QString::fromUtf8(CardPrefix)))
        text.card = lines.takeFirst().mid(QString::fromUtf8(CardPrefix).size());
    text.body = lines;
    return text;
}

QString cell(const QString &text, const char *style = "")
{
    return QStringLiteral("<td style=\"%1\">%2</td>")
        .arg(QLatin1String(style), text.toHtmlEscaped());
}

QString moonSection(QTextDocument &document, const Input &input)
{
    const Sky::DaySky sky = Sky::daySky(input.birth, input.place);
    if (!sky.date.isValid())
        return {};
    QImage moon(MoonPixels, MoonPixels, QImage::Format_ARGB32_Premultiplied);
    moon.fill(Qt::transparent);
    {
        QPainter painter(&moon);
        painter.setRenderHint(QPainter::Antialiasing);
        paintMoon(painter, QRectF(4, 4, MoonPixels - 8, MoonPixels - 8), sky.litFraction,
                  brightOnRight(sky.waxing, sky.place.latitude));
    }
    document.addResource(QTextDocument::ImageResource, QUrl(QString::fromLatin1(MoonPicture)),
                         moon);
    QString html = QStringLiteral("<h1 style=\"page-break-before: always\">Небо в день "
                                  "рождения</h1>\n<p align=\"center\"><img src=\"%1\" "
                                  "width=\"120\" height=\"120\"></p>\n")
                       .arg(QLatin1String(MoonPicture));
    for (const QString &line : Sky::reportLines(sky))
        html += QStringLiteral("<p>%1</p>\n").arg(line.toHtmlEscaped());
    return html;
}

} // namespace

Result<> fill(QTextDocument &document, const Input &input)
{
    TForm2 engine;
    engine.setBirthDate(input.birth.year(), input.birth.month(), input.birth.day());
    engine.computeAllSigns();

    // A third of the way down the title page: the layout knows no vertical centring.
    QString html =
        QStringLiteral(
            "<p align=\"center\">%1<span style=\"font-size: 28pt\">Мой гороскоп</span></p>\n")
            .arg(QStringLiteral("<br>").repeated(14));
    if (!input.name.isEmpty())
        html +=
            QStringLiteral("<p align=\"center\"><span style=\"font-size: 20pt\">%1</span></p>\n")
                .arg(input.name.toHtmlEscaped());
    html += QStringLiteral("<p align=\"center\"><span style=\"font-size: 14pt\">%1</span></p>\n")
                .arg(TextHeader::forList(input.birth).toHtmlEscaped());

    QString table = QStringLiteral(
        "<h1 style=\"page-break-before: always\">Семь знаков</h1>\n"
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"5\" width=\"100%\">\n"
        "<tr><th width=\"24%\">Система</th><th width=\"18%\">Знак</th><th>Коротко</th></tr>\n");
    QString sections;
    for (int number = 1; number <= SystemCount; ++number) {
        const System system = System(number);
        const SystemInfo &info = systemInfo(system);
        const QString key = engine.*info.keyField;
        const QString path = signTextPath(input.programDir, system, key);
        const Result<QStringList> lines = TextList::load(path);
        if (!lines)
            return lines.failure();
        const QString sign = textTitle(path);
        const SignText text = splitSignText(*lines);
        table += QStringLiteral("<tr>") + cell(TextHeader::systemPhrase(system)) +
                 cell(sign, "font-weight: bold") + cell(text.card) + QStringLiteral("</tr>\n");

        sections += QStringLiteral("<h1 style=\"page-break-before: always\">%1: %2</h1>\n")
                        .arg(QString::fromUtf8(info.title).toHtmlEscaped(), sign.toHtmlEscaped());
        if (input.generalTexts && system != System::Zodiac) { // the zodiac has none
            const Result<QStringList> general =
                TextList::load(generalTextPath(input.programDir, system));
            if (!general)
                return general.failure();
            sections += Printing::paragraphsHtml(general->mid(1));
        }
        sections += Printing::paragraphsHtml(text.body);
    }
    table += QStringLiteral("</table>\n");

    Printing::setUpDocument(document, QString()); // the face first: images and HTML use it
    const QString moon = moonSection(document, input);
    document.setHtml(html + table + sections + moon);
    return {};
}

Result<> write(const QString &path, const Input &input)
{
    const Result<SaveTarget> target = checkSaveTarget(path);
    if (!target)
        return target.failure();
    QTextDocument document;
    if (const Result<> filled = fill(document, input); !filled)
        return filled;

    // Made whole in memory (a few hundred kilobytes), then written as every user file is.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setTitle(input.name.isEmpty() ? QStringLiteral("Мой гороскоп")
                                          : QStringLiteral("Мой гороскоп: ") + input.name);
        pdf.setCreator(QStringLiteral("Orlenta"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(300);
        // QTextDocument::print() lays the pages out with margins of its own and numbers them.
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        document.print(&pdf);
    }
    return TextList::saveBytes(target->path, bytes.data());
}

} // namespace Booklet
