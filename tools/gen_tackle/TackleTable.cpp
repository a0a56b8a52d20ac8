#include "tools/gen_tackle/TackleTable.h"

#include "tools/gen_tackle/TacklePainter.h"

namespace tackle {

namespace {

using fish::Hex;

TacklePicture Hook(std::string file, std::string label, bool embedded, int size, int colour, int bend, int shank, bool heavy,
                   bool lure)
{
    HookLook k{size, colour, bend, shank, heavy, lure};
    return {std::move(file), std::move(label), embedded, [k] { return PaintHook(k); }};
}

// The rod colour pairs (light, dark) by rod colour 0..10, as the rod is drawn in the scene.
RodLook RodColours(int colour, int type)
{
    static const float kLight[11][3] = {{0.7f, 0.7f, 0.7f}, {0.5f, 0.5f, 0.5f}, {0.35f, 0.35f, 0.35f}, {0.97f, 0.73f, 0.23f},
                                        {0.74f, 0.46f, 0.24f}, {0.54f, 0.15f, 0.15f}, {0.0f, 0.25f, 0.5f}, {0.35f, 0.67f, 1.0f},
                                        {0.0f, 0.72f, 0.75f}, {0.0f, 0.66f, 0.37f}, {0.0f, 0.41f, 0.22f}};
    static const float kDark[11][3] = {{0.55f, 0.55f, 0.55f}, {0.4f, 0.4f, 0.4f}, {0.25f, 0.25f, 0.25f}, {0.63f, 0.3f, 0.12f},
                                       {0.3f, 0.3f, 0.3f}, {0.37f, 0.37f, 0.37f}, {0.3f, 0.3f, 0.3f}, {0.13f, 0.6f, 1.0f},
                                       {0.1f, 0.31f, 0.31f}, {0.0f, 0.26f, 0.37f}, {0.3f, 0.3f, 0.3f}};
    RodLook k;
    k.type = type;
    k.light = {kLight[colour][0], kLight[colour][1], kLight[colour][2]};
    k.dark = {kDark[colour][0], kDark[colour][1], kDark[colour][2]};
    k.seed = unsigned(colour * 7 + type);
    return k;
}

TacklePicture Rod(std::string file, std::string label, bool embedded, int colour, int type)
{
    RodLook k = RodColours(colour, type);
    return {std::move(file), std::move(label), embedded, [k] { return PaintRod(k); }};
}

TacklePicture Reel(std::string file, std::string label, bool embedded, std::uint32_t body, std::uint32_t trim, float size, bool boat)
{
    ReelLook k{Hex(body), Hex(trim), size, boat};
    return {std::move(file), std::move(label), embedded, [k] { return PaintReel(k); }};
}

TacklePicture BaitPhoto(std::string file, std::string label, bool embedded, Bait b)
{
    return {std::move(file), std::move(label), embedded, [b] { return PaintBait(b); }};
}

// A float's photo and its scene picture (file name + "_s").
void Float(std::vector<TacklePicture>& out, const std::string& stem, const std::string& label, FloatShape shape, float scale,
           std::uint32_t tip, std::uint32_t body)
{
    FloatLook k{shape, scale, Hex(tip), Hex(body)};
    out.push_back({"Galleggianti/" + stem + ".png", label, false, [k] { return PaintFloatPhoto(k); }});
    out.push_back({"Galleggianti/" + stem + "_s.png", label + " (scene)", false, [k] { return PaintFloatScene(k); }});
}

TacklePicture Shot(std::string file, std::string label, bool embedded, Lead kind, int weight)
{
    ShotLook k{kind, weight};
    return {std::move(file), std::move(label), embedded, [k] { return PaintShot(k); }};
}

std::vector<TacklePicture> Build()
{
    std::vector<TacklePicture> t;
    // Built-in pictures: each shows its built-in item and stands in for
    // file items whose photo is missing.
    t.push_back(Hook("170.png", "Crystal, No. 18 (170)", true, 18, 0, 0, 0, false, false));
    t.push_back(Hook("413.png", "Lure hook, n. 06 (413)", true, 6, 0, 2, 1, false, true));
    t.push_back(Rod("246.png", "Norva GRE02 (246)", true, 10, 0));
    for (int i = 0; i < 10; ++i)
        t.push_back(Rod(std::to_string(247 + i) + ".png", "rod colour " + std::to_string(i) + " (" + std::to_string(247 + i) + ")", true, i, 0));
    t.push_back(BaitPhoto("213.png", "Maggot (213)", true, Bait::Maggot));
    t.push_back({"168.png", "Big New (168)", true, [] { return PaintFloatPhoto({FloatShape::Drop, 1.0f, Hex(0xFF3A10), Hex(0x3A2A22)}); }});
    t.push_back({"174.png", "Fiesole (174)", true, [] { return PaintFloatPhoto({FloatShape::Slim, 1.0f, Hex(0xFF8A00), Hex(0xD8C49A)}); }});
    t.push_back({"379.png", "No float (379)", true, [] { return PaintNoFloatPhoto(); }});
    t.push_back({"163.png", "Big New scene (163)", true, [] { return PaintFloatScene({FloatShape::Drop, 1.0f, Hex(0xFF3A10), Hex(0x3A2A22)}); }});
    t.push_back({"175.png", "Fiesole scene (175)", true, [] { return PaintFloatScene({FloatShape::Slim, 1.0f, Hex(0xFF8A00), Hex(0xD8C49A)}); }});
    t.push_back({"378.png", "No float scene (378)", true, [] { return plat::Image(kSceneW, kSceneH, 0); }});
    t.push_back(Reel("355.png", "Norva GR01 (355)", true, 0x5A5E64, 0xA8ACB2, 1.0f, false));
    t.push_back(Shot("171.png", "Soft shot (171)", true, Lead::Shot, 25));
    t.push_back(Shot("244.png", "Tourpille (244)", true, Lead::Torpille, 100));
    t.push_back({"169.png", "line colours 0..12 (169)", true, [] { return PaintLineStrip(); }});

    // Hooks: size, colour, bend, shank, heavy wire, lure.
    struct H { const char* stem; const char* label; int size, colour, bend, shank; bool heavy, lure; };
    const H hooks[] = {
        {"cry24", "Crystal No. 24", 24, 1, 0, 0, false, false}, {"cry22", "Crystal No. 22", 22, 3, 0, 0, false, false},
        {"cry20", "Crystal No. 20", 20, 1, 0, 0, false, false}, {"cry18", "Crystal No. 18", 18, 0, 0, 1, false, false},
        {"ton16", "Round No. 16", 16, 4, 1, 0, false, false},    {"ton14", "Round No. 14", 14, 2, 1, 2, false, false},
        {"ton12", "Round No. 12", 12, 2, 1, 1, false, false},    {"amp10", "Wide No. 10", 10, 0, 2, 0, true, false},
        {"amp08", "Wide No. 8", 8, 2, 2, 1, true, false},        {"amp06", "Wide No. 6", 6, 2, 2, 1, true, false},
        {"amp04", "Wide No. 4", 4, 2, 2, 0, true, false},        {"mar02", "Sea No. 2", 2, 0, 1, 1, true, false},
        {"mar01", "Sea No. 1", 1, 0, 2, 1, true, false},         {"mar1_0", "Sea No. 1/0", 0, 0, 2, 1, true, false},
        {"mar2_0", "Sea No. 2/0", -1, 0, 2, 2, true, false},     {"mar3_0", "Sea No. 3/0", -2, 0, 2, 1, true, false},
        {"mar4_0", "Sea No. 4/0", -3, 0, 2, 1, true, false},     {"mar5_0", "Sea No. 5/0", -4, 0, 2, 1, true, false},
        {"mar6_0", "Sea No. 6/0", -5, 0, 2, 2, true, false},     {"mar7_0", "Sea No. 7/0", -6, 0, 2, 1, true, false},
        {"mar8_0", "Sea No. 8/0", -7, 0, 2, 1, true, false},     {"art14", "Lure hook No. 14", 14, 3, 2, 0, false, true},
        {"art10", "Lure hook No. 10", 10, 3, 2, 1, false, true}, {"art06", "Lure hook No. 6", 6, 0, 2, 1, true, true},
        {"art02", "Lure hook No. 2", 2, 2, 2, 1, true, true},    {"art1_0", "Lure hook No. 1/0", 0, 0, 2, 1, true, true},
        {"art4_0", "Lure hook No. 4/0", -3, 0, 2, 2, true, true}, {"art6_0", "Lure hook No. 6/0", -5, 0, 2, 2, true, true},
    };
    for (const H& h : hooks)
        t.push_back(Hook(std::string("Ami/") + h.stem + ".png", h.label, false, h.size, h.colour, h.bend, h.shank, h.heavy, h.lure));

    t.push_back(Rod("Canne/bolo_light.png", "Veltra Bolo Light", false, 3, 1));
    t.push_back(Rod("Canne/bolo_strong.png", "Veltra Bolo Strong", false, 7, 1));
    t.push_back(Rod("Canne/boat_light.png", "Veltra Boat Light", false, 8, 2));
    t.push_back(Rod("Canne/boat_heavy.png", "Veltra Boat Heavy", false, 2, 2));
    t.push_back(Rod("Canne/spin_river.png", "Veltra Spin River", false, 9, 3));
    t.push_back(Rod("Canne/spin_sea.png", "Veltra Spin Sea", false, 6, 3));

    t.push_back(Reel("Mulinelli/sorvo2500.png", "Sorvo 2500 Bolo", false, 0x2A3A5A, 0xB8BCC2, 0.9f, false));
    t.push_back(Reel("Mulinelli/sorvo5000.png", "Sorvo 5000 Boat", false, 0x1E1E22, 0xC8A040, 1.12f, true));
    t.push_back(Reel("Mulinelli/sorvo3000.png", "Sorvo 3000 Spin", false, 0x7A1A1A, 0x2A2A2E, 0.95f, false));
    t.push_back(Reel("Mulinelli/sorvo6000.png", "Sorvo 6000 Sea", false, 0xC8CCD2, 0x1A3A7A, 1.1f, false));

    struct B { const char* stem; const char* label; Bait look; };
    const B baits[] = {
        {"gamberetto", "River shrimp", Bait::Shrimp}, {"formaggio", "Cheese", Bait::Cheese}, {"ciliegia", "Cherry", Bait::Cherry},
        {"cavalletta", "Grasshopper", Bait::Grasshopper}, {"portasassi", "Caddis grub", Bait::Caddis},
        {"bigattino_rosso", "Red maggot", Bait::RedMaggot}, {"caster", "Caster", Bait::Caster}, {"pane", "Bread flake", Bait::Bread},
        {"polenta", "Polenta", Bait::Polenta}, {"mais", "Sweetcorn", Bait::Corn}, {"lombrico", "Earthworm", Bait::Worm},
        {"vermone", "Lobworm", Bait::Lobworm}, {"pesciolino", "Small live fish", Bait::SmallFish}, {"mosca", "Artificial fly", Bait::Fly},
        {"fegato", "Chicken liver", Bait::Liver}, {"pastella", "Paste", Bait::Paste}, {"cozza_dolce", "Fresh-water mussel", Bait::RiverMussel},
        {"gambero_mare", "Sea shrimp", Bait::SeaShrimp}, {"granchio", "Crab", Bait::Crab}, {"pane_mare", "Bread (sea)", Bait::Bread},
        {"alga", "Green seaweed", Bait::Seaweed}, {"coreano", "Ragworm", Bait::Ragworm}, {"americano", "King ragworm", Bait::KingRagworm},
        {"sardina_viva", "Live sardine", Bait::Sardine}, {"calamaro_gomma", "Rubber squid", Bait::RubberSquid},
        {"filetto", "Sardine strip", Bait::SardineStrip}, {"pastella_mare", "Mullet paste", Bait::SeaPaste}, {"calamaro", "Squid", Bait::Squid},
        {"cozza", "Mussel", Bait::Mussel}, {"rotante2", "Spinner No. 2", Bait::Spinner}, {"ondulante8", "Spoon 8 g", Bait::Spoon},
        {"minnow7", "Minnow 7 cm", Bait::Minnow}, {"gomma10", "Soft shad 10 cm", Bait::SoftShad}, {"spinnerbait", "Spinnerbait 18 g", Bait::Spinnerbait},
        {"ondulante20", "Spoon 20 g", Bait::SeaSpoon}, {"minnow12", "Minnow 12 cm", Bait::SeaMinnow}, {"popper", "Popper 35 g", Bait::Popper},
        {"jig60", "Jig 60 g", Bait::Jig}, {"jig120", "Deep jig 120 g", Bait::DeepJig}, {"teaser", "Offshore lure 200 g", Bait::OffshoreLure},
    };
    for (const B& b : baits)
        t.push_back(BaitPhoto(std::string("Esche/") + b.stem + ".png", b.label, false, b.look));

    Float(t, "goccia05", "Brinoa Drop 0.5 g", FloatShape::Drop, 0.8f, 0xFF3A10, 0x2A2A30);
    Float(t, "goccia1", "Brinoa Drop 1 g", FloatShape::Drop, 0.95f, 0xFFD000, 0x2A2A30);
    Float(t, "fuso15", "Brinoa Spindle 1.5 g", FloatShape::Spindle, 0.9f, 0xFF3A10, 0x3A5A3A);
    Float(t, "fuso2", "Brinoa Spindle 2 g", FloatShape::Spindle, 1.0f, 0xFFD000, 0x3A5A3A);
    Float(t, "pera3", "Brinoa Pear 3 g", FloatShape::Pear, 1.0f, 0xFF3A10, 0x1E2A4A);
    Float(t, "pera4", "Brinoa Pear 4 g", FloatShape::Pear, 1.1f, 0xFF8A00, 0x1E2A4A);
    Float(t, "sfera6", "Brinoa Ball 6 g", FloatShape::Ball, 1.0f, 0xFF3A10, 0x4A2A1E);
    Float(t, "sfera8", "Brinoa Ball 8 g", FloatShape::Ball, 1.15f, 0xFFD000, 0x4A2A1E);
    Float(t, "mare4", "Brinoa Sea 4 g", FloatShape::Sea, 1.0f, 0xFF3A10, 0xF0F0F0);
    Float(t, "mare8", "Brinoa Sea 8 g", FloatShape::Sea, 1.2f, 0xFFD000, 0xF0F0F0);
    Float(t, "scorrevole3", "Brinoa Slider 3 g", FloatShape::Slider, 1.0f, 0xFF3A10, 0x202020);
    Float(t, "scorrevole5", "Brinoa Slider 5 g", FloatShape::Slider, 1.15f, 0xFF8A00, 0x202020);

    for (int w : {10, 20, 40, 60, 100, 150, 200}) {
        char stem[32], label[32];
        std::snprintf(stem, sizeof stem, "Piombi/pallino%03d.png", w);
        std::snprintf(label, sizeof label, "Shot %g g", w / 100.0);
        t.push_back(Shot(stem, label, false, Lead::Shot, w));
    }
    for (int w : {50, 200, 300, 500, 1500}) {
        char stem[32], label[32];
        std::snprintf(stem, sizeof stem, "Piombi/torpille%04d.png", w);
        std::snprintf(label, sizeof label, "Torpille %g g", w / 100.0);
        t.push_back(Shot(stem, label, false, Lead::Torpille, w));
    }
    for (int w : {500, 1000, 2000, 4000, 6000, 8000, 12000}) {
        char stem[32], label[32];
        std::snprintf(stem, sizeof stem, "Piombi/pera%05d.png", w);
        std::snprintf(label, sizeof label, "Pear sinker %g g", w / 100.0);
        t.push_back(Shot(stem, label, false, Lead::Pear, w));
    }
    t.push_back(Shot("Piombi/oliva03000.png", "Barrel sinker 30 g", false, Lead::Barrel, 3000));
    return t;
}

} // namespace

const std::vector<TacklePicture>& TacklePictures()
{
    static const std::vector<TacklePicture> table = Build();
    return table;
}

} // namespace tackle
