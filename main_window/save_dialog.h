#pragma once

#include "toolkit/text_list.h"

#include <QFileDialog>

#include <functional>

// Where a save first offers to write: the user's documents folder, else the home folder.
QString documentsFolder();

// The dialog that names the document a save writes. A chosen name gets ".txt" appended unless it
// already ends in it, so the dialog asks about replacing the file that will really be written,
// not the name as typed.
class SaveDialog : public QFileDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SaveDialog)

public:
    explicit SaveDialog(QWidget *parent = nullptr);

    // Runs the dialog with the suggested name; returns the chosen name, or empty when cancelled.
    QString run(const QString &suggestedName = QString());

    // The file type: UTF-8, or the design's code page 1251.
    TextList::Encoding encoding() const;
    void setEncoding(TextList::Encoding encoding);

    // Asks whether to replace an existing file; tests replace it.
    std::function<bool(const QString &target)> confirmReplace;

public slots:
    void accept() override;
};
