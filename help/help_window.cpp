#include "help/help_window.h"

#include "print/printout.h"
#include "toolkit/error_box.h"
#include "toolkit/text_list.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString &programDir, QWidget *parent)
    : QDialog(parent), m_programDir(programDir)
{
    setWindowTitle(QStringLiteral("Справка — Orlenta"));
    setAccessibleName(QStringLiteral("Справка"));
    m_text = new QTextBrowser(this);
    m_text->setAccessibleName(QStringLiteral("Текст справки"));
    m_text->setOpenLinks(false);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(620, 640);
    // Printed like any text the program shows.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this), &QShortcut::activated, this,
            [this] {
                if (const Result<QStringList> read = lines(m_programDir))
                    Printing::printWithPreview({QString(), QString(), *read, QString()}, this);
            });
}

QString HelpWindow::path(const QString &programDir)
{
    return programDir + QLatin1String("/Files/spravka.KVETAR");
}

Result<QStringList> HelpWindow::lines(const QString &programDir)
{
    return TextList::load(path(programDir));
}

bool HelpWindow::load()
{
    const Result<QStringList> read = lines(m_programDir);
    if (!read) {
        showErrorBox(read.failure(), parentWidget());
        return false;
    }
    Printing::setUpDocument(*m_text->document(), Printing::paragraphsHtml(*read));
    // Filled behind the browser's back, its cursor would stay at the end and scroll there.
    m_text->moveCursor(QTextCursor::Start);
    return true;
}
