// Launches a program and watches the X screen from outside: how long after the
// launch the program's first window is mapped, and how long until one pixel of that
// window, at a given offset from its top-left corner, shows a given colour. Prints
// both times in milliseconds on one line, then ends the program.
//
//   startup_probe X Y RRGGBB TOLERANCE program [argument...]
//
// The program's windows are told apart from others by their _NET_WM_PID. Polling
// reads a single pixel, so the probe costs the X server next to nothing.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto PollInterval = std::chrono::milliseconds(1);
constexpr auto GiveUpAfter = std::chrono::seconds(60);

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
};

std::optional<pid_t> WindowPid(Display* display, Window window, Atom pidAtom)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &remaining, &data) != Success ||
        !data)
        return std::nullopt;
    std::optional<pid_t> pid;
    if (type == XA_CARDINAL && format == 32 && count == 1)
        pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
    XFree(data);
    return pid;
}

// A mapped top-level window of the process.
std::optional<Window> MappedWindowOf(Display* display, pid_t pid, Atom pidAtom)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return std::nullopt;
    std::optional<Window> found;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display, children[i], &attributes) &&
            attributes.map_state == IsViewable && WindowPid(display, children[i], pidAtom) == pid)
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

std::optional<Colour> ScreenPixel(Display* display, Window window, int x, int y)
{
    const Window root = DefaultRootWindow(display);
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, root, x, y, &rootX, &rootY, &child);
    XImage* image = XGetImage(display, root, rootX, rootY, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return std::nullopt;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    // Xvfb's 24-bit screens are TrueColor with 8 bits a channel.
    return Colour{int(pixel >> 16 & 0xff), int(pixel >> 8 & 0xff), int(pixel & 0xff)};
}

bool Near(const Colour& a, const Colour& b, int tolerance)
{
    return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
           std::abs(a.blue - b.blue) <= tolerance;
}

// A window may be destroyed between the listing and the look at it; such errors
// are expected and change nothing.
int IgnoreError(Display*, XErrorEvent*)
{
    return 0;
}

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: startup_probe X Y RRGGBB TOLERANCE program [argument...]\n");
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const unsigned long rgb = std::stoul(argv[3], nullptr, 16);
    const Colour expected{int(rgb >> 16 & 0xff), int(rgb >> 8 & 0xff), int(rgb & 0xff)};
    const int tolerance = std::atoi(argv[4]);

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreError);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);

    const Clock::time_point launch = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[5], argv + 5);
        std::perror("startup_probe: exec");
        _exit(127);
    }

    std::optional<Window> window;
    double mapped = 0;
    double visible = 0;
    while (Clock::now() - launch < GiveUpAfter) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "startup_probe: the program ended before it showed\n");
            return 1;
        }
        if (!window) {
            window = MappedWindowOf(display, pid, pidAtom);
            if (window)
                mapped = MillisecondsSince(launch);
        }
        if (window) {
            const std::optional<Colour> pixel = ScreenPixel(display, *window, x, y);
            if (pixel && Near(*pixel, expected, tolerance)) {
                visible = MillisecondsSince(launch);
                break;
            }
        }
        std::this_thread::sleep_for(PollInterval);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    if (visible == 0) {
        std::fprintf(stderr, "startup_probe: the pixel never showed the colour\n");
        return 1;
    }
    std::printf("%.1f %.1f\n", mapped, visible);
    return 0;
}
