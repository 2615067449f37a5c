// Saving what is shown, the name a save suggests, and the type of document kept for the user.

#include "app/forms.h"
#include "engine/date_words.h"
#include "engine/remembered.h"
#include "engine/text_header.h"
#include "engine/tform2.h"
#include "main_window/text_viewer.h"
#include "main_window/tform1.h"
#include "sky/sky_window.h"
#include "toolkit/error_box.h"
#include "toolkit/text_list.h"

#include <QListWidget>

namespace {

const char *const NothingToSave = "Сохранять нечего: откройте список знаков или текст.";
const char *const TitleWithDate = "Orlenta — %1";
const char *const ListFileName = "Гороскоп %1.txt";

} // namespace

void TForm1::saveAction()
{
    // Only what is on show is saved: say so rather than ask for a name and write nothing.
    if (Memo1->isHidden() && ListBox1->isHidden()) {
        showNoticeBox(QString::fromUtf8(NothingToSave));
        return;
    }
    m_saveFileName = chooseSaveFile();
    if (m_saveFileName.isEmpty())
        return;
    Form2->saveSource = [this] {
        TForm2::SaveSource source;
        source.fileName = m_saveFileName;
        source.encoding = m_saveEncoding;
        // The design's code page is written byte for byte as the design did: no header line.
        const bool headed = m_saveEncoding == TextList::Encoding::Utf8;
        if (headed)
            source.listHeading = TextHeader::forList(m_birthDate);
        source.textVisible = !Memo1->isHidden();
        source.text = memoLines();
        if (const QString header = TextHeader::forText(m_birthDate, m_textPath);
            headed && !header.isEmpty())
            source.text = QStringList{header, QString()} + source.text;
        source.listVisible = !ListBox1->isHidden();
        for (int row = 0; row < ListBox1->count(); ++row)
            source.rows.append(ListBox1->item(row)->text());
        return source;
    };
    if (const Result<> saved = Form2->Button7Click(); !saved)
        showErrorBox(saved.failure());
}

void TForm1::showBirthDate(const QDate &date)
{
    m_birthDate = date;
    m_personName.clear();
    setWindowTitle(date.isValid()
                       ? QString::fromUtf8(TitleWithDate).arg(DateWords::dateInWords(date))
                       : QStringLiteral("Orlenta"));
    if (m_skyWindow)
        m_skyWindow->setPerson(shownPerson());
}

QString TForm1::suggestedSaveName() const
{
    if (!ListBox1->isHidden())
        return m_birthDate.isValid()
                   ? QString::fromUtf8(ListFileName).arg(m_birthDate.toString(Qt::ISODate))
                   : QString();
    return m_textTitle.isEmpty() ? QString() : m_textTitle + QLatin1String(".txt");
}

void TForm1::setSaveEncoding(TextList::Encoding encoding)
{
    if (encoding == m_saveEncoding)
        return;
    m_saveEncoding = encoding;
    const QString path = Form2 ? Form2->userFilePath(Remembered::SaveFormatFile) : QString();
    if (path.isEmpty())
        return;
    if (const Result<> stored = Remembered::storeSaveFormat(path, encoding); !stored)
        showErrorBox(stored.failure());
}
