#pragma once
// Bitmap ids of the species photos, by species index. The ids climb with the
// index and skip the ids that other pictures of the game own.

namespace fishphoto {

constexpr int kSpeciesCount = 130;
constexpr int kWidth = 180;
constexpr int kHeight = 120;

// -1 for an index outside the catalogue.
constexpr int PhotoId(int species)
{
    struct Block { int first, last, firstId; };
    constexpr Block blocks[] = {
        {0, 27, 185}, {28, 28, 214}, {29, 42, 218}, {43, 77, 287}, {78, 87, 323},
        {88, 94, 335}, {95, 105, 367}, {106, 124, 391}, {125, 129, 414},
    };
    for (const Block& b : blocks)
        if (species >= b.first && species <= b.last)
            return b.firstId + (species - b.first);
    return -1;
}

} // namespace fishphoto
