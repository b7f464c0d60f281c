// Test-environment helper for wine under Xvfb. Wine gives each of its X windows a colormap of its
// own; with such a colormap the X server shows black where a window shape cuts the window away,
// instead of what lies below. While the program with the given process id runs, this gives each of
// its windows of the default visual the screen's default colormap, which serves them just as well.
//   default-colormap <pid>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <csignal>
#include <cstdlib>
#include <unistd.h>

namespace {

long window_pid(Display* display, Window window, Atom pid_atom) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pid_atom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data && count == 1 && format == 32)
        pid = *reinterpret_cast<long*>(data);
    if (data) XFree(data);
    return pid;
}

void use_default_colormap(Display* display, Window window) {
    XWindowAttributes attributes;
    int screen = DefaultScreen(display);
    if (!XGetWindowAttributes(display, window, &attributes)) return;
    if (attributes.visual == DefaultVisual(display, screen) && attributes.colormap != DefaultColormap(display, screen))
        XSetWindowColormap(display, window, DefaultColormap(display, screen));
}

// Window managers put top-level windows into frames, so the children of the root's children count too.
void visit(Display* display, Window window, Atom pid_atom, long pid, int depth) {
    if (window_pid(display, window, pid_atom) == pid) use_default_colormap(display, window);
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    if (depth == 0 || !XQueryTree(display, window, &root, &parent, &children, &count)) return;
    for (unsigned int i = 0; i < count; ++i) visit(display, children[i], pid_atom, pid, depth - 1);
    if (children) XFree(children);
}

int ignore_errors(Display*, XErrorEvent*) { return 0; } // windows come and go between the requests

} // namespace

int main(int argc, char** argv) {
    Display* display = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
    if (!display) return 2;
    XSetErrorHandler(ignore_errors);
    long pid = std::strtol(argv[1], nullptr, 10);
    Atom pid_atom = XInternAtom(display, "_NET_WM_PID", False);
    while (kill(static_cast<pid_t>(pid), 0) == 0) {
        visit(display, DefaultRootWindow(display), pid_atom, pid, 2);
        XSync(display, False);
        usleep(50000);
    }
    return 0;
}
