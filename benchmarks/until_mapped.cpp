// until_mapped [-n COUNT] [-w MILLISECONDS] PROGRAM [ARGS...]: starts the program and returns once
// it has mapped COUNT top-level windows (default 1) and then run MILLISECONDS more (default 0),
// ending it; so timing this command times a program's start-up to that window, and its peak
// memory is the program's with that window up. Orlenta maps its loading screen first and the
// wizard second.
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

int main(int argc, char *argv[])
{
    int count = 1;
    int settle = 0;
    int option;
    while ((option = getopt(argc, argv, "+n:w:")) != -1) {
        if (option == 'n')
            count = std::atoi(optarg);
        else if (option == 'w')
            settle = std::atoi(optarg);
        else
            return 2;
    }
    if (optind >= argc || count < 1) {
        std::fprintf(stderr,
                     "usage: until_mapped [-n COUNT] [-w MILLISECONDS] PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "until_mapped: no display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[optind], argv + optind);
        _exit(127);
    }
    for (int mapped = 0; mapped < count;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify)
            ++mapped;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settle));
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
