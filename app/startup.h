#pragma once

#include <QString>

// Creates the six windows hidden, in order, into Form1..Form6. When one fails, shows the error,
// creates no more and returns false.
bool createForms(const QString &executablePath);

// Destroys whatever createForms made, last first, and clears the globals.
void destroyForms();
