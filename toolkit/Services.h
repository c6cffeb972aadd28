#pragma once

namespace tarovin {

class SettingsStore;
class SoundPlayer;
class Dialogs;
class Scheduler;
class Navigator;
class Clock;
class TickCounter;
class RandomSource;
class FrameCounter;
class Web;

// Everything a screen reaches outside itself. The real program and the test
// harness each build one set and hand it to every screen.
struct Services {
    SettingsStore& store;
    SoundPlayer& sound;
    Dialogs& dialogs;
    Scheduler& scheduler;
    Navigator& navigator;
    Clock& clock;
    TickCounter& ticks;
    RandomSource& random;
    FrameCounter& frames;
    Web& web;
};

} // namespace tarovin
