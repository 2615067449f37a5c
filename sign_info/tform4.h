#pragma once

#include <QDialog>

class QToolButton;

// The sign information chooser: the general characteristic of the system chosen in the main
// window's menu, or the text about the user's sign in it, goes into the main window's viewer.
class TForm4 : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm4)

public:
    explicit TForm4(QWidget *parent = nullptr);

    QToolButton *SpeedButton1; // "Общая характеристика"
    QToolButton *SpeedButton3; // "О Вашем знаке"
    QToolButton *SpeedButton4; // "Отмена"

    void FormActivate();
    void SpeedButton1Click();
    void SpeedButton3Click();
    void SpeedButton4Click();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showText(const QString &path);
    void fitToTitleAndButtons();

    static constexpr int DesignWidth = 268, DesignHeight = 127;
    // Room a title bar takes beside its title: the icon, three buttons and margins.
    static constexpr int TitleBarAllowance = 120;
};
