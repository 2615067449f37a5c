#include "app/startup.h"

#include "about/tform5.h"
#include "app/forms.h"
#include "engine/tform2.h"
#include "main_window/tform1.h"
#include "settings/tform6.h"
#include "sign_info/tform4.h"
#include "toolkit/error_box.h"
#include "toolkit/exception.h"
#include "toolkit/window_owner.h"
#include "wizard/tform3.h"

namespace {

// The chooser, about and settings windows are made afresh for each use, so their globals move on;
// the instances made at start-up are kept here to be destroyed at the end.
TForm4 *startupForm4 = nullptr;
TForm5 *startupForm5 = nullptr;
TForm6 *startupForm6 = nullptr;

} // namespace

bool createForms(const QString &executablePath, const std::function<void()> &settingsLoaded)
{
    try {
        Form1 = new TForm1;
        setMainWindow(Form1);
        Form2 = new TForm2(executablePath);
        if (settingsLoaded)
            settingsLoaded();
        Form3 = new TForm3;
        Form2->resetWizard = [] { Form3->reset(); };
        Form4 = startupForm4 = new TForm4;
        Form5 = startupForm5 = new TForm5;
        Form6 = startupForm6 = new TForm6;
    } catch (const Exception &error) {
        showErrorBox(error.message());
        return false;
    } catch (const std::exception &error) {
        showErrorBox(QString::fromLocal8Bit(error.what()));
        return false;
    } catch (...) {
        showErrorBox(QString());
        return false;
    }
    return true;
}

void destroyForms()
{
    delete startupForm6;
    delete startupForm5;
    delete startupForm4;
    startupForm6 = nullptr;
    startupForm5 = nullptr;
    startupForm4 = nullptr;
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
