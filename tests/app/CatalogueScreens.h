#pragma once
// What the tests of the venues, fishes and baits screens share: where each
// list is drawn, clicks on a row, its arrows and over its rows with the
// wheel, and venue files written for a test.
#include "gui/ListBox.h"
#include "tests/app/Journey.h"

#include <string>
#include <vector>

// Where a screen draws one of its lists (its top-left corner and width).
struct ListPlace {
    int x, y, width;
};

class CatalogueTest : public JourneyTest {
protected:
    // Brings the row into view with the list's down and up arrows, then
    // clicks it.
    void ClickRow(CListBox& list, const ListPlace& at, int index);
    void ClickArrow(const ListPlace& at, int height, bool down);
    // Wheel notches with the pointer over the list's rows.
    void WheelOver(const ListPlace& at, int delta);
    // The row index of the key (-1 when none).
    static int IndexOfKey(CListBox& list, const std::string& key);
    static int IndexOfId(CListBox& list, int id);
    // One probed frame: each caption is drawn and fits its box. Catalogue
    // rows are left out: the lists clip a long name on purpose.
    void ExpectCaptions(const std::vector<std::string>& captions);
    // The device lost, then reset by the frames that follow; false when it
    // stays lost.
    bool LoseAndResetDevice();
    // A venue file's text: the keys after the section line, one per entry.
    static std::string VenueText(const std::string& name, const std::string& keys);
};
