#pragma once
// Keeps the process's standard error closed to the libraries below SDL
// while a device is being opened: the sound and window system libraries
// report every back end they try and fail, which reads like errors when the
// game simply goes on without sound or reports that it has no window. The
// game says in one line of its own what it could not open.
namespace plat {

class QuietStderr {
public:
    QuietStderr();
    ~QuietStderr();
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int m_saved = -1;
};

} // namespace plat
