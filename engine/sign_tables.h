#pragma once

#include "data/sign_keys.h"
#include "engine/sign_table.h"

// The rule of each system: which sign of the system's list (data/sign_keys) a date falls in.
namespace SignTables {

const SignTable &zodiac();       // day-of-year number
const SignTable &yearAnimal();   // day number; Chinese and Japanese share it
const SignTable &druid();        // day-of-year number
const SignTable &flower();       // day-of-year number
const SignTable &mythological(); // day-of-year number
const SignTable &aryan();        // day number

} // namespace SignTables
