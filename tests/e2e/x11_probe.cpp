// x11-probe: small X client for the end-to-end tests and the start-up benchmark.
//   x11-probe find TITLE TIMEOUT_MS    id of the mapped top-level window with that title
//   x11-probe size WINDOW              its width and height
//   x11-probe pixel WINDOW X Y         colour at (X, Y) inside it, as RRGGBB
//   x11-probe class WINDOW             its WM_CLASS: the instance name, a tab, the class name
//   x11-probe tap KEYCODE...           real key presses (XTest) of X keycodes, one after another
//   x11-probe chord MOD KEY            KEY pressed while the modifier key MOD is held
//   x11-probe hold KEYCODE MS          KEY held down for MS milliseconds (auto-repeat runs)
//   x11-probe numlock on|off           sets the NumLock state
//   x11-probe time-to-map COMMAND...   starts COMMAND and waits, on X events rather than by
//                                      polling, for its first top-level window to map; prints
//                                      the milliseconds and the pid
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

std::string windowTitle(Display* display, Window window) {
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data != nullptr) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    return title;
}

Window findMapped(Display* display, const std::string& title) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count) != 0) {
        for (unsigned int i = 0; i < count && found == 0; ++i) {
            XWindowAttributes attributes{};
            if (XGetWindowAttributes(display, children[i], &attributes) != 0 &&
                attributes.map_state == IsViewable && windowTitle(display, children[i]) == title) {
                found = children[i];
            }
        }
        XFree(children);
    }
    return found;
}

int find(Display* display, const std::string& title, long timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        if (const Window window = findMapped(display, title)) {
            std::printf("%lu\n", window);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::fprintf(stderr, "x11-probe: no window titled %s\n", title.c_str());
    return 1;
}

int size(Display* display, Window window) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0) {
        return 1;
    }
    std::printf("%d %d\n", attributes.width, attributes.height);
    return 0;
}

int pixel(Display* display, Window window, int x, int y) {
    XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (image == nullptr) {
        return 1;
    }
    const unsigned long value = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    std::printf("%02lX%02lX%02lX\n", (value >> 16U) & 0xFFU, (value >> 8U) & 0xFFU, value & 0xFFU);
    return 0;
}

void key(Display* display, unsigned int keycode, bool down) {
    XTestFakeKeyEvent(display, keycode, down ? True : False, CurrentTime);
    XSync(display, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(15));
}

int windowClass(Display* display, Window window) {
    XClassHint hint{};
    if (XGetClassHint(display, window, &hint) == 0) {
        return 1;
    }
    std::printf("%s\t%s\n", hint.res_name, hint.res_class);
    XFree(hint.res_name);
    XFree(hint.res_class);
    return 0;
}

int tap(Display* display, char** keycodes, int count) {
    for (int i = 0; i < count; ++i) {
        const auto code = static_cast<unsigned int>(std::atoi(keycodes[i]));
        key(display, code, true);
        key(display, code, false);
    }
    return 0;
}

int chord(Display* display, unsigned int modifier, unsigned int code) {
    key(display, modifier, true);
    key(display, code, true);
    key(display, code, false);
    key(display, modifier, false);
    return 0;
}

int hold(Display* display, unsigned int code, long ms) {
    key(display, code, true);
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    key(display, code, false);
    return 0;
}

int numLock(Display* display, bool on) {
    const unsigned int mask = XkbKeysymToModifiers(display, XK_Num_Lock);
    XkbLockModifiers(display, XkbUseCoreKbd, mask, on ? mask : 0);
    XSync(display, False);
    return 0;
}

int timeToMap(Display* display, char** command) {
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(command[0], command);
        std::perror("execvp");
        _exit(127);
    }
    for (;;) {
        XEvent event{};
        XNextEvent(display, &event);
        if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display) &&
            event.xmap.override_redirect == False) {
            const auto elapsed = std::chrono::steady_clock::now() - start;
            std::printf("%.2f %d\n", std::chrono::duration<double, std::milli>(elapsed).count(),
                        pid);
            return 0;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(
            stderr,
            "usage: x11-probe find|size|pixel|class|tap|chord|hold|numlock|time-to-map ...\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "x11-probe: cannot open the display\n");
        return 2;
    }
    const std::string verb = argv[1];
    int status = 2;
    if (verb == "find" && argc == 4) {
        status = find(display, argv[2], std::atol(argv[3]));
    } else if (verb == "size" && argc == 3) {
        status = size(display, std::strtoul(argv[2], nullptr, 0));
    } else if (verb == "pixel" && argc == 5) {
        status = pixel(display, std::strtoul(argv[2], nullptr, 0), std::atoi(argv[3]),
                       std::atoi(argv[4]));
    } else if (verb == "class" && argc == 3) {
        status = windowClass(display, std::strtoul(argv[2], nullptr, 0));
    } else if (verb == "tap") {
        status = tap(display, argv + 2, argc - 2);
    } else if (verb == "chord" && argc == 4) {
        status = chord(display, std::atoi(argv[2]), std::atoi(argv[3]));
    } else if (verb == "hold" && argc == 4) {
        status = hold(display, std::atoi(argv[2]), std::atol(argv[3]));
    } else if (verb == "numlock" && argc == 3) {
        status = numLock(display, std::string(argv[2]) == "on");
    } else if (verb == "time-to-map") {
        status = timeToMap(display, argv + 2);
    }
    XCloseDisplay(display);
    return status;
}
