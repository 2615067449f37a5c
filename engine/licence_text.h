#pragma once

#include <QStringList>

// The licence agreement the about window puts into the main window's text viewer.
QStringList licenceText();
