// bind_keys TEXT: gives each character of TEXT that no key types yet a spare key of its own on the
// display. Otherwise xdotool binds a key for such a character and unbinds it right after the
// stroke, and a busy program that reads the key map only after the unbinding loses the character.
#include <X11/Xlib.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char *argv[])
{
    std::setlocale(LC_ALL, "C.UTF-8");
    const std::size_t length = argc == 2 ? std::mbstowcs(nullptr, argv[1], 0) : std::size_t(-1);
    if (length == std::size_t(-1)) {
        std::fprintf(stderr, "usage: bind_keys UTF-8-TEXT\n");
        return 2;
    }
    std::wstring text(length, L'\0');
    std::mbstowcs(text.data(), argv[1], length);

    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "bind_keys: no display\n");
        return 1;
    }
    int first = 0, last = 0, perKey = 0;
    XDisplayKeycodes(display, &first, &last);
    KeySym *map = XGetKeyboardMapping(display, first, last - first + 1, &perKey);
    KeySym *const end = map + (last - first + 1) * perKey;
    const auto spare = [&](int code) {
        KeySym *const row = map + (code - first) * perKey;
        return std::all_of(row, row + perKey, [](KeySym sym) { return sym == NoSymbol; });
    };

    int code = last;
    int status = 0;
    for (const wchar_t character : text) {
        KeySym sym = 0x1000000 + KeySym(character); // the Unicode keysym
        if (character < 0x80 || std::find(map, end, sym) != end)
            continue;
        while (code >= first && !spare(code))
            --code;
        if (code < first) {
            std::fprintf(stderr, "bind_keys: no spare key left\n");
            status = 1;
            break;
        }
        XChangeKeyboardMapping(display, code, 1, &sym, 1);
        map[(code - first) * perKey] = sym;
    }
    XFree(map);
    XSync(display, False);
    XCloseDisplay(display);
    return status;
}
