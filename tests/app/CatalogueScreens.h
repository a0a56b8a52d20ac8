#pragma once
// What the tests of the venues, fishes and baits screens share: clicks on a
// list's arrows, and venue files written for a test.
#include "gui/ListBox.h"
#include "tests/app/Journey.h"

#include <string>
#include <vector>

class CatalogueTest : public JourneyTest {
protected:
    void ClickArrow(const ListPlace& at, int height, bool down);
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
