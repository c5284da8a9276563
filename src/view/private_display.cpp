#include "view/private_display.h"

#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace velnor {

namespace {

pid_t g_server = 0;

void StopServer() {
    if (g_server > 0) {
        kill(g_server, SIGTERM);
        waitpid(g_server, nullptr, 0);
        g_server = 0;
    }
}

// Reads the display number that Xvfb writes to -displayfd once it accepts connections.
std::string ReadDisplayNumber(int fd) {
    std::string number;
    char c = 0;
    while (read(fd, &c, 1) == 1 && c != '\n') {
        number += c;
    }
    return number;
}

}  // namespace

bool EnsureDisplay(std::string& error) {
    const char* display = std::getenv("DISPLAY");
    if ((display && *display) || g_server > 0) {
        return true;
    }
    int fds[2];
    if (pipe(fds) != 0) {
        error = "cannot create a pipe for Xvfb";
        return false;
    }
    const pid_t pid = fork();
    if (pid < 0) {
        error = "cannot start Xvfb";
        close(fds[0]);
        close(fds[1]);
        return false;
    }
    if (pid == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1600x1000x24",
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    g_server = pid;
    std::atexit(StopServer);
    const std::string number = ReadDisplayNumber(fds[0]);
    close(fds[0]);
    if (number.empty()) {
        error = "Xvfb did not start (is the xvfb package installed?)";
        return false;
    }
    setenv("DISPLAY", (":" + number).c_str(), 1);
    return true;
}

DisplayHold::DisplayHold(int milliseconds) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!(m_display = XOpenDisplay(nullptr)) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

DisplayHold::~DisplayHold() {
    if (m_display) {
        XCloseDisplay(static_cast<Display*>(m_display));
    }
}

}  // namespace velnor
