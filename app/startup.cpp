#include "app/startup.h"

#include "app/forms.h"
#include "engine/tform2.h"
#include "main_window/tform1.h"
#include "toolkit/error_box.h"
#include "toolkit/window_owner.h"
#include "wizard/tform3.h"

bool createForms(const QString &executablePath, const std::function<void()> &settingsLoaded)
{
    Form1 = new TForm1;
    setMainWindow(Form1);
    Form2 = new TForm2(executablePath);
    if (!Form2->settingsRead) {
        const Failure failure = Form2->settingsRead.failure();
        delete Form2;
        Form2 = nullptr;
        showErrorBox(failure);
        return false;
    }
    // A user's settings file that could not be read is said once, before any window shows: the
    // installed default stands in for it.
    if (!Form2->userSettingsRead)
        showErrorBox(Form2->userSettingsRead.failure());
    if (settingsLoaded)
        settingsLoaded();
    Form3 = new TForm3;
    Form2->resetWizard = [] { Form3->reset(); };
    // The chooser, about and settings windows are made by the main window for each use and
    // destroyed after it; one made now would never be shown.
    return true;
}

void destroyForms()
{
    delete Form3;
    delete Form2;
    delete Form1;
    Form6 = nullptr;
    Form5 = nullptr;
    Form4 = nullptr;
    Form3 = nullptr;
    Form2 = nullptr;
    Form1 = nullptr;
}
