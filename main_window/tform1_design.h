#pragma once

// What the main window's files share: the design tables of the tool buttons and the system menu,
// and what start over keeps (complete wherever the window is built or destroyed).

#include "data/sign_keys.h"
#include "engine/tform2.h"
#include "main_window/tform1.h"

#include <QKeyCombination>
#include <QPointer>

namespace MainWindowDesign {

using Handler = void (TForm1::*)();

// One tool button: its three pictures and hover flag; the design's handlers of the pointer over
// the idle picture, of a press and a click on the highlighted one (that click is the button's
// action) and of a click on the pressed one; its resource name, its hint and its shortcut. The
// pointer, the shortcut and a screen reader all start the action through these handlers.
struct ToolDesign {
    QLabel *TForm1::*idle;
    QLabel *TForm1::*highlighted;
    QLabel *TForm1::*pressed;
    QString TForm1::*hoverFlag;
    Handler idleMouseMove;
    Handler highlightedMouseDown;
    Handler highlightedClick;
    Handler pressedClick;
    const char *picture;
    const char *hint;
    QKeyCombination keys;
};

extern const ToolDesign ToolDesigns[5];

// The menu labels from top to bottom, and the design's handlers of each.
extern QLabel *TForm1::*const MenuLabels[SystemCount];
extern const Handler MenuMouseMoves[SystemCount];
extern const Handler MenuClicks[SystemCount];

} // namespace MainWindowDesign

// What start over changes, kept so that Escape in the wizard can put it back.
struct TForm1::BeforeStartOver {
    TForm2 engine;
    QList<std::pair<QWidget *, bool>> hidden;
    QList<bool> pressedEnabled;
    QString counter;
    QStringList rows;
    int row = -1;
    QString text;
    QString textTitle;
    QString textPath;
    int textScroll = 0;
    QPointer<QWidget> focus;
    bool menuTabbed = false;
};
