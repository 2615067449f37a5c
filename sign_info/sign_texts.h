#pragma once

#include "data/sign_keys.h"

#include <QString>

class TForm2;

// The engine field that holds the user's sign key in the system.
QString TForm2::*signKeyField(System system);

// The text about the user's own sign in the system, as the engine's fields name it.
QString userSignTextPath(const TForm2 &engine, System system);
