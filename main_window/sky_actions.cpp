// The main window's way to «Небо»: the window beside it, the person it is shown for, and the start
// straight into it.

#include "app/forms.h"
#include "engine/people.h"
#include "engine/remembered.h"
#include "engine/setting_codes.h"
#include "engine/tform2.h"
#include "main_window/tform1.h"
#include "sky/sky_window.h"
#include "toolkit/modal.h"

#include <QTimer>

Person TForm1::shownPerson() const
{
    if (!m_birthDate.isValid())
        return {};
    // Named when the user keeps someone born that day.
    const QString path = peopleFilePath();
    const PersonList people = path.isEmpty() ? PersonList() : PeopleFile(path).load().people;
    for (const Person &person : people) {
        if (person.birth == m_birthDate)
            return person;
    }
    return {QString(), m_birthDate};
}

SkyWindow *TForm1::skyWindow() const
{
    return m_skyWindow;
}

void TForm1::skyAction()
{
    if (m_skyWindow) {
        raiseWindow(m_skyWindow);
        return;
    }
    auto *window = new SkyWindow(Form2->Edit15, Form2->userFilePath(Remembered::PlaceFile),
                                 shownPerson(), m_textSize);
    window->setAttribute(Qt::WA_DeleteOnClose);
    connect(window, &SkyWindow::saveRequested, this, &TForm1::saveLines);
    connect(window, &SkyWindow::textSizeChanged, this, &TForm1::setTextSize);
    m_skyWindow = window;
    window->show();
    raiseWindow(window);
}

void TForm1::openSkyAtStart()
{
    m_skyAtStart = true;
}

// Instead of the wizard: the remembered date's signs, as if the question had been answered, and
// the sky beside them.
void TForm1::startWithSky()
{
    Timer1->stop();
    const QString datePath = Form2->userFilePath(Remembered::DateFile);
    if (const std::optional<QDate> date =
            datePath.isEmpty() ? std::nullopt : Remembered::loadDate(datePath))
        showSignsOf(*date);
    show();
    Button1Click();
    skyAction();
}
