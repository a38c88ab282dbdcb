#pragma once
// What the program sets up before its first window: names, look, fonts and icon. The program and
// its start-up benchmark share it, so that what is measured is what runs.

#include <condition_variable>
#include <mutex>
#include <thread>

namespace Startup {

void configureApplication();

// Finding the fonts is the largest single cost of the first paint: the system's font
// configuration is parsed and every installed font listed. This does it on a second processor
// while the application connects to the display and the windows are built and mapped. Made before
// the application object, told when that exists, and finished before it goes.
class FontPreload {
public:
    FontPreload();
    ~FontPreload() { finish(); }
    FontPreload(const FontPreload &) = delete;
    FontPreload &operator=(const FontPreload &) = delete;

    // The application exists: the font database may be filled now. Waits until the font
    // configuration has been read, so that a font needed at once does not read it a second time.
    void applicationReady();
    // Waits for the thread; call it before the application object goes.
    void finish();

private:
    enum class Step { Reading, ConfigurationRead, Fill, Stop };
    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    Step step_ = Step::Reading;
    std::thread thread_;
};

} // namespace Startup
