#pragma once

#include "engine/setting_codes.h"

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;

// The about window: credits over the top-left corner of the main background, and links that
// send mail, open the credited site, or put the licence or the help text into the main window.
// Made afresh for each use; the main window stays hidden while it is open.
class QWindow;

class TForm5 : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm5)

public:
    explicit TForm5(QWidget *parent = nullptr);

    static constexpr char AuthorName[] = "проект Orlenta";
    static constexpr char AuthorMail[] = "orlenta@example.org";
    static constexpr char SiteName[] = "Звездочёт";
    static constexpr char SiteAddress[] = "https://zvezdochet.example.org/";

    // The desktop's open operation for a mail or web address; what it returns is not looked at.
    // Tests replace it to see what would have been opened.
    static std::function<void(const QString &address)> shellOpen;

    // Hands a drag of the window to the window system; false where it cannot take one. Tests
    // replace it.
    static std::function<bool(QWindow *window)> startSystemMove;

    QLabel *Image2;  // a copy of the main background, unstretched
    QLabel *Label1;  // mail address
    QLabel *Label2;  // "Закрыть окно"
    QLabel *Label3;  // "Лицензия"
    QLabel *Label4;  // "Справка"
    QLabel *Label5;  // hot font of the four links
    QLabel *Label6;  // normal font of the four links
    QLabel *Label7;  // product line
    QLabel *Label8;  // author line
    QLabel *Label9;  // credit line, the link to the site
    QLabel *Label10; // normal font of the credit line
    QLabel *Label11; // hot font of the credit line

    // Hidden state: the last pointer position over the window, client pixels.
    QString Edit1 = QStringLiteral("0");
    QString Edit2 = QStringLiteral("0");
    // Dragging the window: where the left button went down (client pixels), the window's new
    // top-left corner, and the mode (Codes::DragNone, DragPressed, Dragging).
    QString Edit3 = QStringLiteral("0");
    QString Edit4 = QStringLiteral("0");
    QString Edit5 = QStringLiteral("0");
    QString Edit6 = QStringLiteral("0");
    QString Edit7 = Codes::DragNone;

    void FormActivate();
    void Image2MouseMove(Qt::MouseButtons buttons, const QPoint &pos, const QPoint &globalPos);
    void Image2MouseDown(Qt::MouseButton button, const QPoint &pos);
    void Image2MouseUp(Qt::MouseButton button, const QPoint &pos);
    void Image2Click();
    void Image2ContextPopup();

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    // The labels take no pointer input of their own: it reaches the window, which treats it all
    // as input on the picture.
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setLinkHints(bool on);
    // `title` names the text, as a saved copy's suggested name does.
    void showInViewer(const QStringList &lines, const QString &title);
};
