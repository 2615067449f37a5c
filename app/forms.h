#pragma once

// The six windows, each global referring to the instance created last; the chooser, about and
// settings windows live only while the main window has one open, and their globals are null
// otherwise. Windows reach each other through these, calling the other window's operations.
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class PeopleWindow;
class CompatibilityTable;
class CompatibilityWindow;

extern TForm1 *Form1; // main window
extern TForm2 *Form2; // computation window, never shown
extern TForm3 *Form3; // birth-date wizard
extern TForm4 *Form4; // sign information chooser
extern TForm5 *Form5; // about window
extern TForm6 *Form6; // settings window
// Our own windows, open only while the main window runs them.
extern PeopleWindow *PeopleForm;                   // «Мои люди»
extern CompatibilityWindow *CompatibilityForm;     // «Совместимость»
extern CompatibilityTable *CompatibilityTableForm; // «Таблица совместимости»
