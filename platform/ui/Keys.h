#pragma once
// Key codes and shift masks as the handlers see them, and simulated keystrokes.
#include <string>
#include <vector>

namespace pf {

enum KeyCode : int {
    vbKeyBack = 8,
    vbKeyTab = 9,
    vbKeyReturn = 13,
    vbKeyShift = 16,
    vbKeyControl = 17,
    vbKeyMenu = 18,  // Alt
    vbKeyPause = 19,
    vbKeyCapital = 20,  // Caps Lock
    vbKeyEscape = 27,
    vbKeySpace = 32,
    vbKeyPageUp = 33,
    vbKeyPageDown = 34,
    vbKeyEnd = 35,
    vbKeyHome = 36,
    vbKeyLeft = 37,
    vbKeyUp = 38,
    vbKeyRight = 39,
    vbKeyDown = 40,
    vbKeySnapshot = 44,  // Print Screen
    vbKeyInsert = 45,
    vbKeyDelete = 46,
    vbKeyF1 = 112,  // to F24 at 135
    vbKeyNumlock = 144,
    vbKeyScrollLock = 145,
    vbKeyPacket = 231,  // a character with no key of its own
};
enum ShiftMask : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

inline bool isArrowKey(int keyCode) {
    return keyCode == vbKeyLeft || keyCode == vbKeyRight || keyCode == vbKeyUp || keyCode == vbKeyDown;
}

// One keystroke: the key code for KeyDown and the character (0 for none) for KeyPress.
struct KeyStroke {
    int keyCode = 0;
    int shift = 0;
    int ascii = 0;
};

// The key code a character is typed with on the keyboard the program was made for: a
// letter's or digit's own, Space, the digit a shifted digit shares its key with, the
// punctuation keys' codes from 186; any other character comes as a packet. None of them
// is a key that moves.
int keyCodeForCharacter(unsigned ch);

// Parses "12{ENTER}{TAB}" style text into keystrokes. Braced names: ENTER, TAB,
// S-TAB (Shift+Tab), BKSP (BACKSPACE, BS), DEL (DELETE), INS (INSERT), SPACE, ESC,
// F1 to F12, ALT (the Alt key alone), and UP, DOWN, LEFT, RIGHT, HOME, END, PGUP,
// PGDN, alone or held with Shift, Ctrl or Alt (S-HOME, C-END, A-DOWN); "^a" is
// Ctrl+A (any letter). Raises error 5 on an unknown name.
std::vector<KeyStroke> parseKeys(const std::string& text);

// Sends keystrokes to the focused control: waiting runs them now through the
// same handlers; otherwise they are queued until pending events run.
void SendKeys(const std::string& keys, bool wait = false);
void flushPendingKeys();
bool hasPendingKeys();

}  // namespace pf
