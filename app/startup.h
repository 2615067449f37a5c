#pragma once

#include <QString>

#include <functional>

// Creates the main, computation and wizard windows hidden, in order, into Form1..Form3; Form4..
// Form6 stay empty until the main window opens one. When one fails, shows the error, creates no
// more and returns false. `settingsLoaded` runs once the computation window has read
// the settings, before the other windows are made.
bool createForms(const QString &executablePath, const std::function<void()> &settingsLoaded = {});

// Destroys whatever createForms made, last first, and clears the globals.
void destroyForms();
