// The states of the keyboard's Caps Lock, Num Lock and Scroll Lock, for the status bar.
#pragma once

struct KeyboardLocks {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// False when the platform does not tell (the indicators then stay off).
bool ReadKeyboardLocks(KeyboardLocks& locks);
