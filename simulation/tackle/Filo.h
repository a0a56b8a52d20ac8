#pragma once
// CFilo: one piece of line material (main line, leader or dropper): colour,
// diameter in hundredths of a millimetre, kind, and the breaking-load table
// that turns kind and diameter into grams.
#include <cstdint>

class CFilo {
public:
    static constexpr int kKinds = 4;
    static constexpr int kColours = 13;
    static constexpr int kMaxDiameter = 90;

    CFilo();

    void Init();
    void BuildLoadTable();
    void SetDiameter(int hundredths); // clamped to 6..90
    // Grams for the current kind and diameter; a kind or diameter outside the
    // table reads as kind 0 and the nearest diameter.
    float GetLoad() const;
    // "2.5 Kg" or "5.512 lb"; a static buffer the caller copies at once.
    const char* FormatLoad() const;

    static const char* GetKindLabel(int kind);
    static const char* GetKindDescription(int kind);
    static const char* GetColourName(int colour);

    // Fields, in order.
    std::int32_t m_colour;
    float m_colours[kColours][4];
    std::int32_t m_diameter;
    std::int32_t m_kind;
    float m_load[kKinds][kMaxDiameter + 1];
};
