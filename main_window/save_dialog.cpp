#include "main_window/save_dialog.h"

#include "engine/save_target.h"
#include "engine/tform2.h"
#include "toolkit/error_box.h"
#include "toolkit/modal.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>

namespace {

// The first type is today's text; the second is byte for byte what the design writes.
const char *const Utf8Filter = "Текстовой документ (*.txt)";
const char *const Windows1251Filter = "Текстовой документ (Windows-1251) (*.txt)";

} // namespace

// Never the program folder, which an installed copy cannot write.
QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

SaveDialog::SaveDialog(QWidget *parent) : QFileDialog(parent)
{
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    // Non-native, so it looks and behaves the same everywhere and can be driven by tests.
    setOption(QFileDialog::DontUseNativeDialog);
    setNameFilters({QString::fromUtf8(Utf8Filter), QString::fromUtf8(Windows1251Filter)});
    setDirectory(documentsFolder());
    confirmReplace = [this](const QString &target) {
        const QString question = QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                                     .arg(QDir::toNativeSeparators(target));
        QMessageBox box(QMessageBox::Warning, windowTitle(), question,
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::No);
        return execBox(box) == QMessageBox::Yes;
    };
}

TextList::Encoding SaveDialog::encoding() const
{
    return selectedNameFilter() == QString::fromUtf8(Windows1251Filter)
               ? TextList::Encoding::Windows1251
               : TextList::Encoding::Utf8;
}

void SaveDialog::setEncoding(TextList::Encoding encoding)
{
    selectNameFilter(QString::fromUtf8(
        encoding == TextList::Encoding::Windows1251 ? Windows1251Filter : Utf8Filter));
}

QString SaveDialog::run(const QString &suggestedName)
{
    // selectFile() ignores an empty name; the name field is the dialog's own line edit. The
    // suggestion is selected, so that a name typed replaces it.
    if (auto *name = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
        name->setText(suggestedName);
        name->selectAll();
    }
    if (execModal(*this) != QDialog::Accepted)
        return {};
    const QString chosen = selectedFiles().value(0);
    // A name typed with its folder does not move the dialog there by itself.
    setDirectory(QFileInfo(chosen).absolutePath());
    return chosen;
}

void SaveDialog::accept()
{
    const QStringList files = selectedFiles();
    const QFileInfo chosen(files.value(0));
    if (files.size() != 1 || chosen.isDir()) {
        QFileDialog::accept(); // let the dialog open a folder or refuse an empty name
        return;
    }
    const QString target = TForm2::saveTarget(files.constFirst());
    // A folder, a FIFO, a link leading nowhere or out of the folder cannot be written: say so, as
    // the save would, before asking anything; the dialog stays for another name.
    const Result<SaveTarget> checked = checkSaveTarget(target);
    if (!checked) {
        showErrorBox(checked.failure(), this);
        return;
    }
    if (checked->replaces &&
        !confirmReplace(checked->link.isEmpty()
                            ? target
                            : checked->link + QStringLiteral(" → ") + checked->path))
        return;
    // The question has been asked about the real target; don't ask again about the typed name.
    setOption(QFileDialog::DontConfirmOverwrite, true);
    QFileDialog::accept();
    setOption(QFileDialog::DontConfirmOverwrite, false);
}
