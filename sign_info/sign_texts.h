#pragma once

#include "data/sign_keys.h"

#include <QString>

class TForm2;

// The text about the user's own sign in the system, as the engine's fields name it.
QString userSignTextPath(const TForm2 &engine, System system);
