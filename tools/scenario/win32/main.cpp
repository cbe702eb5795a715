// quorvel-scenario.exe: runs a text scenario against the real calculator window on Win32 and
// prints what the window shows and says as JSON lines, exactly as the Linux runner does. A test
// tool.
#include "driver.h"
#include "win32_driver.h"

#include "ui/win32/calculator_window.h"

#include <objbase.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <fstream>
#include <iostream>

int main(int argc, char* argv[]) {
    if (argc > 2) {
        std::cerr << "usage: quorvel-scenario [SCENARIO-FILE]\n";
        return 2;
    }
    std::ifstream file;
    if (argc == 2) {
        file.open(argv[1]);
        if (!file) {
            std::cerr << "quorvel-scenario: cannot read " << argv[1] << '\n';
            return 2;
        }
    }
    std::istream& input = argc == 2 ? file : std::cin;
    // The transcript's bytes as they are: UTF-8, lines ending in a line feed alone.
    _setmode(_fileno(stdout), _O_BINARY);

    // The runner reads the window as a screen reader does, through COM, which the calculator
    // itself initialises only when a screen reader first asks.
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
        std::cerr << "quorvel-scenario: COM cannot be initialised\n";
        return 2;
    }
    quorvel::ui::win32::CalculatorWindow window(GetModuleHandleW(nullptr));
    window.show(SW_SHOWNORMAL);
    SetForegroundWindow(window.handle());
    quorvel::scenario::Transcript transcript([](const std::string& line) {
        std::cout << line << '\n' << std::flush;
    });
    quorvel::scenario::Win32Driver driver(window, transcript);
    driver.settle();
    quorvel::scenario::play(input, driver, transcript);
    return 0;
}
