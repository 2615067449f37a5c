#include "print/printout.h"

#include "toolkit/modal.h"
#include "toolkit/text_list.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

namespace Printing {

QString textFamily()
{
    return QStringLiteral("Times New Roman");
}

QString paragraphsHtml(const QStringList &lines)
{
    QString html;
    for (const QString &line : lines) {
        if (line.trimmed().isEmpty())
            continue;
        if (TextList::isHeading(line))
            html += QStringLiteral("<h3>%1</h3>").arg(line.toHtmlEscaped());
        else
            html += QStringLiteral("<p>%1</p>").arg(line.toHtmlEscaped());
    }
    return html;
}

QString printoutHtml(const Printout &printout)
{
    QString html;
    if (!printout.title.isEmpty())
        html += QStringLiteral("<h2>%1</h2>\n").arg(printout.title.toHtmlEscaped());
    if (!printout.header.isEmpty())
        html += QStringLiteral("<p><i>%1</i></p>\n").arg(printout.header.toHtmlEscaped());
    return html + (printout.html.isEmpty() ? paragraphsHtml(printout.lines) : printout.html);
}

void setUpDocument(QTextDocument &document, const QString &html)
{
    QFont font(textFamily());
    font.setPointSizeF(11.5);
    document.setDefaultFont(font);
    // Paragraphs apart as the screen shows them, headings a little further.
    document.setDefaultStyleSheet(
        QStringLiteral("p { margin-bottom: 6px; } h2 { margin-bottom: 4px; } "
                       "h3 { margin-top: 10px; margin-bottom: 3px; font-size: medium; }"));
    document.setHtml(html);
}

void printWithPreview(const Printout &printout, QWidget *parent)
{
    QTextDocument document;
    setUpDocument(document, printoutHtml(printout));
    QPrintPreviewDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("Печать"));
    dialog.printer()->setDocName(printout.title);
    // The document breaks itself into the printer's pages and numbers them.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document](QPrinter *printer) { document.print(printer); });
    execModal(dialog);
}

} // namespace Printing
