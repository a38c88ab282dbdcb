#pragma once
// What the program sets up before its first window: names, look, fonts and icon. The program and
// its start-up benchmark share it, so that what is measured is what runs.

namespace Startup {

void configureApplication();

} // namespace Startup
