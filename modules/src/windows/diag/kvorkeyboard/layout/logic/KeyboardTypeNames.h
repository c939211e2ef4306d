#pragma once
// The keyboard types the module knows by name: the English name a layout
// library gives as its string 1, and the text the list shows instead, in the
// order they are compared. Names must match exactly, punctuation and the
// libraries' historical misspellings ("T Serries") included. The layout
// builder checks new names against the same list, so it lives here without
// any Windows or host dependency.
#define KVORKEYBOARD_KEYBOARD_TYPES(X)                                \
    X("Media center keyboard.", KBMC)                                 \
    X("USB 99 key keyboard.", KBUSBF99)                               \
    X("Standard 101 enhanced keyboard.", KBStandard101)               \
    X("Standard 104/109 key keyboard.", KBStandard104)                \
    X("Standard 106 key keyboard.", KBStandard106)                    \
    X("B Series (Layout 1)", KBFujiB1)                                \
    X("B Series (Layout 2)", KBFujiB2)                                \
    X("C Series / E Series (Layout 1) / Other Fujitsu Keyboard", KBFujiC) \
    X("E Series (Layout 2)", KBFujiE)                                 \
    X("N Series", KBFujiN)                                            \
    X("P Series (Layout 1)", KBFujiP1)                                \
    X("P Series (Layout 2)", KBFujiP2)                                \
    X("S Series (Layout 1) / T Serries", KBFujiS1)                    \
    X("S Series (Layout 2)", KBFujiS2)                                \
    X("TOUGHBOOK", KBToughBook)
