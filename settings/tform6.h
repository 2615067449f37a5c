#pragma once

#include <QDialog>

#include <memory>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;

namespace Ui {
class TForm6;
}

// The settings window: whether tool tips show and how fast the animations run. It edits the
// engine's two setting fields and writes them to the settings file; made afresh for each use.
class TForm6 : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm6)

public:
    explicit TForm6(QWidget *parent = nullptr);
    ~TForm6() override;

    QCheckBox *CheckBox1;
    QGroupBox *RadioGroup1;
    QButtonGroup *RadioGroup1Items; // ids 0, 1, 2: slow, normal, fast; none checked at first
    QPushButton *Button1;           // "Сохранить"
    QPushButton *Button2;           // "Отмена"

    void FormActivate();
    void Button1Click();
    void Button2Click();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::unique_ptr<Ui::TForm6> m_ui;
    // What activation showed: a save writes only what the user changed from it.
    bool m_shownHints = false;
    int m_shownSpeed = -1;
};
