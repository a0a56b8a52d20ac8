// The 130 species: one block per species, fresh-water block first, then
// the sea block. Each block lists, in order: index, key, Italian and English
// names, photo bitmap; sizes and the weight law; venue types, currents,
// bottoms, water clarity; depth kind and depth over, groundbait base, bait
// families; hook range, hook-link range, bite kind; monthly activity from
// January; activity by day phase (dawn, morning, afternoon, sunset, night)
// and regions; the Italian and the English description.
#include "world/PesciData.h"

// clang-format off
const SpeciesRow kFreshWaterSpecies[] = {
    {   // 0 Landloked Shad
        0, "agone", "Agone", "Landloked Shad", 185,
        15, 25, 16, 0.0f, 0.0f, 1.0f, // sizes cm; weight law k, c, b, m
        {1}, {0}, {3}, 2, // venue types, currents, bottoms, clarity
        200, 0, 2, {4, 8, 13}, // depth kind, depth over, groundbait, baits
        14, 16, 14, 16, 0, // hooks, hook-link, bite
        {0, 0, 0, 0, 50, 100, 100, 50, 0, 0, 0, 0}, // months
        {100, 50, 50, 100, 0}, {0, 2, 3}, // day phases, regions
        "Forma d'acqua dolce dell'alosa, rimasta chiusa nei grandi laghi prealpini e in alcuni laghi del "
        "centro. Corpo alto e compresso, dorso blu-verde, fianchi argentei con una fila di macchie scure "
        "dietro l'opercolo. Vive in branchi in acque aperte e si avvicina alle rive per la frega tra maggio e luglio, "
        "quando si cattura a galla con larve, piccole esche vive o minuscoli cucchiaini. Essiccato e salato "
        "diventa il celebre missoltino del lago di Como.",
        "The fresh-water form of the shad, landlocked in the great pre-Alpine lakes and a few lakes of "
        "central Italy. Deep, flat body, blue-green back and silver flanks with a row of dark spots behind "
        "the gill cover. It roams open water in shoals and comes inshore to spawn from May to July, when it "
        "is taken near the surface on maggots, small live baits or tiny spoons. Dried and salted it becomes "
        "the famous missoltino of Lake Como.",
    },
    {   // 1 Bleak
        1, "alborella", "Alborella", "Bleak", 186,
        6, 20, 8, 0.0f, 0.0f, 1.0f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1, 2}, {1, 3, 0}, 2, // venue types, currents, bottoms, clarity
        1, 0, 2, {4, 3, 5}, // depth kind, depth over, groundbait, baits
        18, 24, 8, 12, 1, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {20, 100, 100, 20, 0}, {1, 2, 3}, // day phases, regions
        "Piccolo ciprinide argenteo dal corpo sottile, con la bocca rivolta verso l'alto per prendere insetti "
        "e plancton a fior d'acqua. Vive in branchi numerosissimi nei laghi e nei fiumi lenti del nord e del "
        "centro. \xC8 la preda classica delle gare al colpo: lenza finissima, amo piccolo e una larva, con "
        "pasturazione continua a mezz'acqua. Abbocca veloce e va ferrata subito. \xC8 anche un pesce foraggio "
        "importante per persici, lucci e trote.",
        "A small, slender silvery cyprinid with an upturned mouth made for taking insects and plankton at the "
        "surface. It lives in huge shoals in the lakes and slow rivers of northern and central Italy. It is "
        "the classic match-fishing target: very fine line, a small hook and a single maggot, with steady "
        "feeding in mid-water. Bites are quick and must be struck at once. It is also a key forage fish for "
        "perch, pike and trout.",
    },
    {   // 2 Allis Shad
        2, "alosaCheppia", "Alosacheppia", "Allis Shad", 187,
        30, 50, 7, 0.0f, 0.0f, 2.14f, // sizes cm; weight law k, c, b, m
        {0}, {1, 2, 3}, {3, 1}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {13, 9, 3}, // depth kind, depth over, groundbait, baits
        6, 12, 16, 22, 0, // hooks, hook-link, bite
        {0, 0, 20, 80, 100, 100, 60, 20, 10, 0, 0, 0}, // months
        {100, 60, 40, 100, 20}, {1, 2, 3}, // day phases, regions
        "Specie migratrice che vive in mare e risale i fiumi in primavera per deporre le uova su fondali di ghiaia. "
        "Corpo alto e argenteo, dorso blu, una o pi\xF9 macchie scure dietro l'opercolo, ventre carenato. "
        "Durante la risalita non si nutre quasi, ma attacca per istinto piccoli cucchiaini, ondulanti e "
        "mosche colorate lanciati nella corrente sotto le dighe. In Italia la si incontra soprattutto nel Po, "
        "nei fiumi toscani e nel Tevere.",
        "A migratory fish that lives at sea and runs up the rivers in spring to spawn on gravel beds. Deep "
        "silvery body, blue back, one or more dark spots behind the gill cover and a keeled belly. During the "
        "run it hardly feeds, yet it strikes by instinct at small spoons, spinners and bright flies cast into "
        "the current below weirs. In Italy it is found mainly in the Po, in the rivers of Tuscany and in the "
        "Tiber.",
    },
    {   // 3 Barbel
        3, "barbo", "Barbo", "Barbel", 188,
        15, 60, 2, 10.0f, 1.5f, 0.11f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1, 2, 3}, {3, 4}, 2, // venue types, currents, bottoms, clarity
        0, 0, 4, {4, 7, 0, 1}, // depth kind, depth over, groundbait, baits
        10, 16, 16, 20, 0, // hooks, hook-link, bite
        {0, 0, 0, 0, 50, 100, 100, 100, 100, 100, 50, 0}, // months
        {50, 100, 100, 50, 0}, {1, 2, 3, 4}, // day phases, regions
        "Ciprinide di fondo dal corpo affusolato e dal muso lungo, con quattro barbigli attorno alla bocca "
        "rivolta verso il basso. Ama le correnti vive e i fondali di ghiaia e sassi, dove fruga in cerca di "
        "larve e piccoli crostacei. Combattente tenace e potente, si pesca a fondo o a passata radente con "
        "bigattini, lombrichi o cubetti di formaggio. Le sue uova sono tossiche: non vanno mai "
        "mangiate.",
        "A bottom-living cyprinid with a streamlined body, a long snout and four barbels around its "
        "down-turned mouth. It loves lively currents over gravel and stones, where it roots for larvae and "
        "small crustaceans. A stubborn, powerful fighter, it is taken on the bottom or with a float trotted "
        "close to the bed, baited with maggots, worms or cubes of cheese. Its roe is poisonous and must never "
        "be eaten.",
    },
    {   // 4 Crucian Carp
        4, "carassio", "Carassio", "Crucian Carp", 189,
        12, 30, 4, 0.0f, 0.0f, 1.83f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {2, 0}, 2, // venue types, currents, bottoms, clarity
        0, 0, 5, {4, 7, 5, 6}, // depth kind, depth over, groundbait, baits
        14, 20, 10, 14, 2, // hooks, hook-link, bite
        {20, 20, 40, 70, 100, 100, 100, 100, 90, 70, 40, 20}, // months
        {60, 80, 80, 60, 20}, {1, 2, 3}, // day phases, regions
        "Piccolo parente della carpa, privo di barbigli, dal corpo alto e tozzo color bronzo. Resiste a "
        "tutto: acque calde, torbide e povere di ossigeno, canali e stagni dove pochi altri pesci "
        "sopravvivono. Ha un'abboccata delicata che fa spostare o alzare il galleggiante prima di affondarlo. "
        "Si insidia con lenze fini, bigattini, lombrichi, pane o mais, pasturando con pane e farine.",
        "A small relative of the carp without barbels, with a deep, stocky bronze body. It copes with almost "
        "anything: warm, murky, oxygen-poor water, ditches and ponds where few other fish survive. Its bite "
        "is delicate, shifting or lifting the float before pulling it under. Fish for it with fine tackle and "
        "maggots, worms, bread or sweetcorn over a bread-based groundbait.",
    },
    {   // 5 Common Carp
        5, "carpa", "Carpa Comune", "Common Carp", 190,
        25, 100, 1, 0.0f, 1.87f, 0.0326f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {2, 0, 1}, 2, // venue types, currents, bottoms, clarity
        0, 0, 3, {6, 5, 7, 4}, // depth kind, depth over, groundbait, baits
        2, 10, 22, 35, 1, // hooks, hook-link, bite
        {20, 20, 40, 70, 100, 100, 100, 100, 90, 70, 40, 20}, // months
        {100, 60, 50, 100, 80}, {1, 2, 3, 4, 5, 6}, // day phases, regions
        "La regina del carpfishing: corpo robusto coperto di grandi squame dorate, due paia di barbigli e "
        "bocca protrattile che aspira il cibo dal fondo. Vive in laghi, canali e fiumi lenti di tutta Italia "
        "e pu\xF2 superare i quindici chili. Diffidente e intelligente, va pasturata con pazienza; mais, patate, "
        "pane e polenta sono le esche classiche. Dopo qualche toccata parte con una fuga potente che mette "
        "alla prova frizione e lenza.",
        "The queen of carp fishing: a sturdy body covered with large golden scales, two pairs of barbels and "
        "a protrusible mouth that sucks food off the bottom. It lives in lakes, canals and slow rivers all "
        "over Italy and can top fifteen kilos. Wary and clever, it needs patient baiting; sweetcorn, potatoes, "
        "bread and polenta are the classic baits. After a few taps it takes off in a powerful run that tests "
        "drag and line.",
    },
    {   // 6 European Chub
        6, "cavedano", "Cavedano", "European Chub", 191,
        15, 60, 1, 0.0f, 1.87f, 0.02f, // sizes cm; weight law k, c, b, m
        {0, 1}, {0, 1, 2, 3}, {3, 4, 1}, 2, // venue types, currents, bottoms, clarity
        0, 0, 5, {5, 1, 2, 3, 4, 7, 13}, // depth kind, depth over, groundbait, baits
        8, 16, 14, 20, 0, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {60, 100, 100, 80, 20}, {0, 1, 2, 3, 4}, // day phases, regions
        "Ciprinide robusto dalla testa larga e dalla bocca grande, con le scaglie bordate di scuro che "
        "formano una rete sui fianchi. Onnivoro e opportunista, mangia di tutto: insetti, larve, frutta "
        "caduta in acqua, pane, piccoli pesci. Vive in quasi tutti i fiumi e laghi d'Italia, dalle correnti "
        "di montagna alla pianura. Sospettoso, si avvicina con cautela; lo si prende a passata, a mosca o con "
        "piccoli artificiali.",
        "A sturdy cyprinid with a broad head and a big mouth, its dark-edged scales forming a net pattern on "
        "the flanks. Omnivorous and opportunistic, it eats almost anything: insects, larvae, fruit fallen "
        "into the water, bread, small fish. It lives in nearly every river and lake in Italy, from mountain "
        "streams to the plain. Shy, it must be approached with care; it is caught on a trotted float, on the "
        "fly or with small lures.",
    },
    {   // 7 Bullhead Catfish
        7, "pesceGatto", "Pescegatto", "Bullhead Catfish", 192,
        12, 35, 3, 0.0f, 0.0f, 1.99f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {2, 0}, 1, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 10, 4}, // depth kind, depth over, groundbait, baits
        6, 12, 16, 22, 0, // hooks, hook-link, bite
        {10, 10, 20, 50, 80, 100, 100, 100, 90, 60, 30, 10}, // months
        {20, 0, 0, 20, 100}, {1, 2, 3}, // day phases, regions
        "Pesce gatto nordamericano introdotto un secolo fa e ormai diffuso in stagni, canali e lanche della "
        "pianura. Pelle nuda e scura, otto barbigli e spine robuste e seghettate sulle pinne pettorali e "
        "dorsale, da maneggiare con attenzione. Vive sul fondo fangoso e si nutre soprattutto di notte. "
        "Abbocca con decisione a lombrichi e pezzetti di carne; d'estate se ne catturano molti nelle serate "
        "calde.",
        "A North American catfish brought in a century ago and now common in ponds, canals and backwaters of "
        "the plain. Smooth dark skin, eight barbels and strong serrated spines on the pectoral and dorsal "
        "fins that must be handled with care. It lives on muddy bottoms and feeds mostly at night. It takes "
        "worms and bits of meat boldly, and on warm summer evenings many can be caught.",
    },
    {   // 8 Gudgeon
        8, "gobione", "Gobione", "Gudgeon", 193,
        8, 18, 1, 0.0f, 0.0f, 1.58f, // sizes cm; weight law k, c, b, m
        {0, 1}, {1, 2, 3}, {1, 3}, 0, // venue types, currents, bottoms, clarity
        0, 0, 2, {4, 7}, // depth kind, depth over, groundbait, baits
        18, 22, 8, 12, 1, // hooks, hook-link, bite
        {30, 30, 50, 80, 100, 100, 100, 100, 100, 80, 50, 30}, // months
        {60, 100, 100, 60, 20}, {0, 1, 2, 3}, // day phases, regions
        "Piccolo ciprinide di fondo dal corpo cilindrico, bruno-grigio con una fila di macchie scure sui "
        "fianchi e due barbigli agli angoli della bocca. Vive in branchi su fondali di sabbia e ghiaia fine, "
        "in acque correnti e pulite. Fruga sul fondo in cerca di larve e vermetti. Si cattura a passata "
        "radente con un bigattino o un pezzetto di lombrico, ed \xE8 spesso la prima preda di chi impara a "
        "pescare in fiume.",
        "A small bottom-living cyprinid with a round body, brownish-grey with a row of dark blotches along "
        "the flanks and two barbels at the corners of its mouth. It lives in shoals over sand and fine gravel "
        "in clean running water, rooting for larvae and small worms. It is taken with a float trotted along "
        "the bed and a single maggot or a piece of worm, and is often the first catch of anyone learning to "
        "fish a river.",
    },
    {   // 9 South European Nase
        9, "lasca", "Lasca", "South European Nase", 194,
        12, 30, 2, 0.0f, 0.0f, 2.04f, // sizes cm; weight law k, c, b, m
        {0}, {2, 3}, {3, 4}, 0, // venue types, currents, bottoms, clarity
        0, 0, 2, {4, 7, 6}, // depth kind, depth over, groundbait, baits
        16, 20, 10, 14, 1, // hooks, hook-link, bite
        {30, 30, 50, 80, 100, 100, 100, 100, 100, 80, 50, 30}, // months
        {60, 100, 100, 60, 20}, {1, 2, 3}, // day phases, regions
        "Ciprinide gregario dei fiumi del nord e del centro, con il muso sporgente e la bocca in posizione "
        "inferiore, adatta a raschiare le alghe dai sassi. Fianchi argentei attraversati da una banda scura, "
        "pinne pari arancio alla base. Preferisce le correnti moderate su fondi di ghiaia pulita. Molto "
        "sensibile all'inquinamento e agli sbarramenti, \xE8 diventata rara. Abbocca a bigattini e vermetti "
        "presentati vicino al fondo.",
        "A shoaling cyprinid of northern and central rivers, with a protruding snout and an underslung mouth "
        "made for scraping algae off stones. Silvery flanks crossed by a dark band and paired fins orange at "
        "the base. It prefers moderate currents over clean gravel. Very sensitive to pollution and dams, it "
        "has become rare. It takes maggots and small worms presented close to the bottom.",
    },
    {   // 10 Pike
        10, "luccio", "Luccio", "Pike", 195,
        40, 130, 1, 0.0f, 1.87f, 0.0132f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {0, 2, 1}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {8, 13, 9}, // depth kind, depth over, groundbait, baits
        -1, 4, 30, 50, 0, // hooks, hook-link, bite
        {60, 50, 30, 60, 80, 70, 60, 60, 80, 100, 100, 80}, // months
        {100, 60, 40, 100, 20}, {0, 1, 2, 3}, // day phases, regions
        "Il grande predatore delle acque dolci: corpo allungato, muso a becco d'anatra e bocca armata di "
        "centinaia di denti. La livrea verde con macchie chiare lo rende invisibile tra la vegetazione, dove "
        "attende immobile la preda e scatta con un'accelerazione fulminea. Vive nei laghi e nei fiumi lenti "
        "ricchi di erbe. Si pesca con il pesce vivo o con cucchiaini, spinner e minnow, sempre con un "
        "terminale in acciaio.",
        "The great predator of fresh water: a long body, a duck-bill snout and a mouth armed with hundreds of "
        "teeth. Its green coat with pale spots makes it invisible among the weeds, where it lies still "
        "waiting for prey and strikes with lightning acceleration. It lives in weedy lakes and slow rivers. "
        "It is fished with live bait or with spoons, spinners and minnows, always on a steel trace.",
    },
    {   // 11 Perch
        11, "pescePersico", "Pesce Persico", "Perch", 196,
        15, 40, 4, 0.0f, 0.0f, 2.05f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {4, 0, 3}, 0, // venue types, currents, bottoms, clarity
        0, 0, 2, {8, 7, 4, 13, 9}, // depth kind, depth over, groundbait, baits
        6, 12, 14, 18, 0, // hooks, hook-link, bite
        {40, 40, 50, 70, 90, 100, 100, 100, 100, 90, 70, 50}, // months
        {80, 100, 80, 80, 10}, {0, 1, 2, 3}, // day phases, regions
        "Predatore gregario dei laghi prealpini e dei fiumi lenti, riconoscibile dalle fasce verticali scure "
        "sui fianchi verdastri, dalle pinne ventrali rosso-arancio e dalla prima dorsale spinosa con una "
        "macchia nera. I giovani cacciano in branco, i grossi esemplari diventano solitari. Abbocca a "
        "lombrichi, bigattini, piccoli pesci vivi e artificiali. I suoi filetti sono tra i pi\xF9 pregiati "
        "d'acqua dolce.",
        "A shoaling predator of the pre-Alpine lakes and slow rivers, easy to know by the dark vertical bars "
        "on its greenish flanks, its red-orange pelvic fins and a spiny first dorsal fin with a black spot. "
        "Young fish hunt in packs, big ones become loners. It takes worms, maggots, small live fish and "
        "lures. Its fillets are among the finest of fresh water.",
    },
    {   // 12 Pumpkinseed
        12, "persicoSole", "Persico Sole", "Pumpkinseed", 197,
        6, 20, 2, 0.0f, 0.0f, 1.25f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {0, 1}, 0, // venue types, currents, bottoms, clarity
        0, 0, 2, {4, 7, 3}, // depth kind, depth over, groundbait, baits
        16, 20, 10, 14, 1, // hooks, hook-link, bite
        {20, 20, 40, 70, 100, 100, 100, 100, 90, 70, 40, 20}, // months
        {20, 100, 100, 20, 0}, {1, 2, 3, 4}, // day phases, regions
        "Piccolo centrarchide nordamericano dal corpo discoidale e dai colori vivaci: fianchi screziati di "
        "azzurro e arancio, ventre giallo e una macchia nera e rossa sull'opercolo. Vive nelle acque calme e "
        "ricche di vegetazione, vicino a riva, e difende con coraggio il nido scavato nella sabbia. Vorace e "
        "curioso, attacca bigattini, vermetti e insetti, ed \xE8 spesso la preda dei pescatori pi\xF9 giovani.",
        "A small North American sunfish with a disc-shaped body and bright colours: flanks mottled with blue "
        "and orange, a yellow belly and a black and red spot on the gill cover. It lives in calm, weedy water "
        "near the bank and bravely guards the nest it digs in the sand. Greedy and curious, it goes for "
        "maggots, small worms and insects, and is often the catch of the youngest anglers.",
    },
    {   // 13 Largemouth Bass
        13, "persicoTrota", "Persico Trota", "Largemouth Bass", 198,
        25, 55, 10, 0.0f, 0.0f, 2.08f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {0, 4}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {8, 9, 13, 7, 3}, // depth kind, depth over, groundbait, baits
        -1, 4, 20, 30, 0, // hooks, hook-link, bite
        {20, 20, 40, 70, 100, 100, 100, 100, 100, 80, 50, 20}, // months
        {100, 60, 40, 100, 40}, {1, 2, 3, 4, 5, 6}, // day phases, regions
        "Il black bass: predatore nordamericano dalla bocca enorme che arriva oltre l'occhio, con una banda "
        "scura irregolare lungo i fianchi verde oliva. Ama le acque calme e calde con canneti, legnaie e "
        "vegetazione sommersa, dove tende agguati a pesci, rane e gamberi. \xC8 il pesce simbolo della pesca con "
        "gli artificiali: worm in gomma, popper di superficie, spinnerbait e crankbait. Combatte con salti "
        "spettacolari.",
        "The black bass: a North American predator with a huge mouth reaching past the eye and an irregular "
        "dark band along its olive-green flanks. It likes calm, warm water with reeds, sunken wood and weed, "
        "where it ambushes fish, frogs and crayfish. It is the signature fish of lure fishing: soft plastic "
        "worms, surface poppers, spinnerbaits and crankbaits. It fights with spectacular jumps.",
    },
    {   // 14 Danube Roach
        14, "pigo", "Pigo", "Danube Roach", 199,
        20, 45, 6, 0.0f, 0.0f, 1.92f, // sizes cm; weight law k, c, b, m
        {1, 0}, {1, 2}, {3, 4}, 2, // venue types, currents, bottoms, clarity
        0, 0, 5, {4, 5, 7}, // depth kind, depth over, groundbait, baits
        12, 16, 12, 18, 1, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {80, 100, 100, 80, 20}, {1, 2}, // day phases, regions
        "Grosso rutilo dei laghi prealpini e del Po, dal corpo alto e argenteo e dalle pinne rossastre. In "
        "primavera i maschi si coprono di tubercoli bianchi per la frega, che avviene in massa sulle rive "
        "sassose. Vive in branchi a buona profondit\xE0 e si avvicina a riva nei mesi caldi. Si pesca a fondo o "
        "con la bolognese, con bigattini, pane e lombrichi, pasturando abbondantemente.",
        "A large roach of the pre-Alpine lakes and the Po, with a deep silvery body and reddish fins. In "
        "spring the males grow white tubercles for spawning, which takes place en masse on stony shores. It "
        "lives in shoals in fairly deep water and moves inshore in the warm months. It is fished on the "
        "bottom or with a running float, with maggots, bread and worms over plenty of groundbait.",
    },
    {   // 15 Char
        15, "salmerino", "Salmerino", "Char", 200,
        20, 45, 6, 0.0f, 0.0f, 1.84f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1, 2, 3}, {4, 3}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {8, 7, 3, 13, 9}, // depth kind, depth over, groundbait, baits
        8, 14, 14, 20, 0, // hooks, hook-link, bite
        {20, 30, 80, 100, 100, 90, 70, 60, 80, 60, 30, 20}, // months
        {100, 60, 40, 100, 20}, {0, 2}, // day phases, regions
        "Salmonide delle acque fredde e limpide d'alta quota, con il dorso scuro vermicolato, i fianchi "
        "punteggiati di chiaro e le pinne inferiori rosso vivo bordate di bianco. Il salmerino alpino vive "
        "nelle profondit\xE0 dei laghi di montagna, quello di fonte nei torrenti e nei laghetti alpini. Si "
        "cattura con esche naturali, mosca e piccoli cucchiaini, nelle ore fresche del mattino e della sera.",
        "A salmonid of cold, clear high-altitude water, with a dark vermiculated back, pale-spotted flanks "
        "and bright red lower fins edged in white. The Arctic char lives deep in mountain lakes, the brook "
        "char in streams and small Alpine lakes. It is taken with natural baits, flies and small spoons in "
        "the cool hours of morning and evening.",
    },
    {   // 16 Minnow
        16, "sanguinerola", "Sanguinerola", "Minnow", 201,
        4, 12, 1, 0.0f, 0.0f, 0.645f, // sizes cm; weight law k, c, b, m
        {0, 1}, {1, 2, 3}, {3, 4}, 0, // venue types, currents, bottoms, clarity
        0, 0, 2, {4, 3, 7}, // depth kind, depth over, groundbait, baits
        20, 24, 8, 10, 1, // hooks, hook-link, bite
        {30, 30, 50, 80, 100, 100, 100, 100, 100, 80, 50, 30}, // months
        {20, 100, 100, 20, 0}, {0, 1, 2, 3}, // day phases, regions
        "Il pi\xF9 piccolo dei nostri ciprinidi, lungo di rado pi\xF9 di dieci centimetri. Fianchi dorati con "
        "macchie scure; in primavera il maschio si tinge di rosso sangue sul ventre, da cui il nome. Vive in "
        "branchi nelle acque fresche e ossigenate dei torrenti e dei laghi di montagna. Abbocca a "
        "piccolissime larve ed \xE8 una preda apprezzata da trote e salmerini, tanto che un tempo era usata come "
        "esca viva.",
        "The smallest of our cyprinids, seldom longer than ten centimetres. Golden flanks with dark blotches; "
        "in spring the male's belly turns blood red, which gives it its Italian name. It lives in shoals in "
        "the cool, well-oxygenated water of streams and mountain lakes. It takes tiny larvae and is a "
        "favourite prey of trout and char, so much so that it was once used as live bait.",
    },
    {   // 17 Italian Nase
        17, "savetta", "Savetta", "Italian Nase", 202,
        20, 45, 5, 0.0f, 0.0f, 1.89f, // sizes cm; weight law k, c, b, m
        {0, 1}, {1, 2, 3}, {4, 3}, 2, // venue types, currents, bottoms, clarity
        0, 0, 2, {4, 6, 7}, // depth kind, depth over, groundbait, baits
        14, 18, 12, 16, 1, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {60, 100, 100, 60, 20}, {1, 2}, // day phases, regions
        "Ciprinide endemico del bacino padano, dal muso arrotondato e dalla bocca inferiore con labbra "
        "cornee, adatte a brucare le alghe dai sassi. Corpo slanciato e argenteo, pinne grigiastre. Forma "
        "grandi branchi nei tratti medi dei fiumi e nei laghi prealpini, e in primavera risale gli affluenti "
        "per la frega. Si pesca a passata con bigattini, vermetti e pastelle vegetali, con lenze leggere.",
        "A cyprinid found only in the Po basin, with a rounded snout and an underslung mouth with horny lips "
        "for grazing algae off the stones. Slim silvery body and greyish fins. It forms large shoals in the "
        "middle reaches of rivers and in the pre-Alpine lakes, and runs up the tributaries to spawn in "
        "spring. It is fished with a trotted float, maggots, small worms and vegetable pastes on light "
        "tackle.",
    },
    {   // 18 Rudd
        18, "scardola", "Scardola", "Rudd", 203,
        15, 35, 4, 0.0f, 0.0f, 1.87f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {0, 2}, 0, // venue types, currents, bottoms, clarity
        1, 0, 5, {5, 4, 3, 6}, // depth kind, depth over, groundbait, baits
        14, 18, 10, 14, 2, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {20, 100, 100, 20, 0}, {1, 2, 3, 4}, // day phases, regions
        "Ciprinide dal corpo alto e dalle pinne rosso vivo, con l'iride dorata e la bocca obliqua rivolta "
        "verso l'alto: caccia insetti e mangia piante a pelo d'acqua. Vive nelle acque ferme e ricche di "
        "vegetazione di laghi, stagni e canali. Nelle giornate calde si vede in branchi a galla tra le "
        "ninfee. Si insidia in superficie con pane galleggiante, bigattini o una mosca secca.",
        "A deep-bodied cyprinid with bright red fins, a golden iris and an oblique, upturned mouth: it hunts "
        "insects and eats plants at the surface. It lives in the still, weedy water of lakes, ponds and "
        "canals. On warm days it can be seen shoaling at the top among the water lilies. It is fished at the "
        "surface with floating bread, maggots or a dry fly.",
    },
    {   // 19 Bullhead
        19, "scazzone", "Scazzone", "Bullhead", 204,
        6, 15, 1, 0.0f, 0.0f, 1.29f, // sizes cm; weight law k, c, b, m
        {0, 1}, {2, 3}, {4, 3}, 0, // venue types, currents, bottoms, clarity
        0, 0, 2, {7, 4, 3}, // depth kind, depth over, groundbait, baits
        16, 20, 8, 12, 0, // hooks, hook-link, bite
        {50, 50, 60, 80, 100, 100, 100, 100, 90, 70, 60, 50}, // months
        {60, 40, 40, 60, 100}, {0, 2, 3}, // day phases, regions
        "Pesciolino dalla testa larga e appiattita e dal corpo senza squame, mimetico sui sassi dei torrenti "
        "alpini e appenninici. Di giorno resta nascosto sotto le pietre, di notte esce a caccia di larve di "
        "insetti. Ha bisogno di acque fredde, pulite e ossigenate ed \xE8 quindi un buon indicatore della salute "
        "del corso d'acqua. Abbocca a vermetti e larve lasciati sul fondo tra i sassi.",
        "A little fish with a broad, flattened head and a scaleless body, perfectly camouflaged on the stones "
        "of Alpine and Apennine streams. By day it hides under rocks, at night it comes out to hunt insect "
        "larvae. It needs cold, clean, oxygen-rich water and so is a good sign of a healthy stream. It takes "
        "small worms and larvae left on the bottom between the stones.",
    },
    {   // 20 Three-spined Stickleback
        20, "spinarello", "Spinarello", "Three-spined Stickleback", 205,
        4, 8, 1, 0.0f, 0.0f, 0.395f, // sizes cm; weight law k, c, b, m
        {0, 1}, {0, 1}, {0, 1}, 0, // venue types, currents, bottoms, clarity
        0, 0, 2, {4, 3, 7}, // depth kind, depth over, groundbait, baits
        22, 24, 8, 8, 1, // hooks, hook-link, bite
        {60, 60, 80, 100, 100, 90, 80, 80, 80, 70, 60, 60}, // months
        {20, 100, 100, 20, 0}, {1, 2, 3, 5}, // day phases, regions
        "Minuscolo pesce dalle tre spine erette davanti alla pinna dorsale e dai fianchi protetti da placche "
        "ossee. In primavera il maschio assume una gola rosso vivo, costruisce un nido di piante e lo difende "
        "con ferocia. Vive nelle acque limpide e lente di risorgive, fossi e canali ricchi di erbe. \xC8 curioso "
        "e vorace e attacca anche esche pi\xF9 grandi di lui.",
        "A tiny fish with three upright spines before its dorsal fin and flanks protected by bony plates. In "
        "spring the male grows a bright red throat, builds a nest of plants and defends it fiercely. It lives "
        "in the clear, slow water of springs, ditches and weedy canals. Curious and greedy, it will attack "
        "baits bigger than itself.",
    },
    {   // 21 Grayling
        21, "temolo", "Temolo", "Grayling", 206,
        25, 45, 6, 0.0f, 0.0f, 1.94f, // sizes cm; weight law k, c, b, m
        {0}, {2, 3}, {3, 4}, 0, // venue types, currents, bottoms, clarity
        0, 0, 2, {3, 4, 9, 7}, // depth kind, depth over, groundbait, baits
        14, 20, 10, 14, 0, // hooks, hook-link, bite
        {80, 70, 40, 40, 60, 80, 80, 80, 100, 100, 100, 90}, // months
        {60, 100, 100, 80, 0}, {0, 2}, // day phases, regions
        "Il signore della corrente: salmonide elegante con la grande pinna dorsale a vela, screziata di viola "
        "e di rosso, e un delicato profumo di timo. Vive nei tratti medi dei fiumi alpini, su ghiaie pulite e "
        "acque fresche e veloci. Si nutre di insetti e ninfe, in superficie e sul fondo. \xC8 il pesce "
        "prediletto dei pescatori a mosca, che lo insidiano soprattutto in autunno e in inverno.",
        "The lord of the current: an elegant salmonid with a great sail-like dorsal fin mottled with purple "
        "and red, and a faint scent of thyme. It lives in the middle reaches of Alpine rivers, over clean "
        "gravel in cool, fast water. It feeds on insects and nymphs, at the surface and on the bottom. It is "
        "the fly angler's favourite, fished above all in autumn and winter.",
    },
    {   // 22 Tench
        22, "tinca", "Tinca", "Tench", 207,
        25, 50, 9, 0.0f, 0.0f, 2.17f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {2, 0}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 4, 6, 5}, // depth kind, depth over, groundbait, baits
        10, 16, 14, 20, 2, // hooks, hook-link, bite
        {20, 20, 40, 70, 100, 100, 100, 100, 90, 70, 40, 20}, // months
        {100, 60, 40, 100, 60}, {1, 2, 3, 4}, // day phases, regions
        "Ciprinide tozzo dalla pelle verde oliva e vischiosa, con scaglie minutissime, piccoli occhi rossi e "
        "due barbigli. Ama le acque calme, calde e fangose di stagni, lanche e canali con fitta vegetazione. "
        "Si nutre sul fondo di larve, vermi e molluschi, e la sua presenza si tradisce con scie di bollicine. "
        "L'abboccata \xE8 lenta: il galleggiante si sposta di lato o si alza prima di affondare. Regala "
        "combattimenti lunghi e testardi.",
        "A stocky cyprinid with olive-green slimy skin, tiny scales, small red eyes and two barbels. It loves "
        "the calm, warm, muddy water of ponds, backwaters and canals with thick weed. It feeds on the bottom "
        "on larvae, worms and molluscs, and gives itself away with trails of bubbles. The bite is slow: the "
        "float slides sideways or lifts before going under. It gives long, stubborn fights.",
    },
    {   // 23 Triotto
        23, "triotto", "Triotto", "Triotto", 208,
        8, 20, 1, 0.0f, 0.0f, 1.94f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {0, 1, 2}, 2, // venue types, currents, bottoms, clarity
        100, 0, 2, {4, 5}, // depth kind, depth over, groundbait, baits
        18, 22, 8, 12, 1, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {80, 100, 100, 80, 20}, {1, 2, 3}, // day phases, regions
        "Piccolo rutilo endemico del nord Italia, argenteo con una sottile banda scura lungo i fianchi e "
        "pinne aranciate. Vive in grandi branchi nei laghi, nei canali e nei fiumi lenti della pianura, "
        "nuotando a mezz'acqua a circa un metro di profondit\xE0. Abbocca volentieri a bigattini e pane ed \xE8 una "
        "presenza abituale nelle gare di pesca al colpo.",
        "A small roach found only in northern Italy, silvery with a thin dark band along the flanks and "
        "orange fins. It lives in large shoals in the lakes, canals and slow rivers of the plain, swimming in "
        "mid-water at about a metre down. It readily takes maggots and bread and is a regular catch in "
        "float-fishing matches.",
    },
    {   // 24 Brown Trout
        24, "trotaFario", "Trota Fario", "Brown Trout", 209,
        20, 70, 1, 0.0f, 1.87f, 0.0183f, // sizes cm; weight law k, c, b, m
        {0, 1}, {2, 3}, {4, 3}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 3, 4, 9, 13, 8}, // depth kind, depth over, groundbait, baits
        6, 14, 14, 20, 0, // hooks, hook-link, bite
        {20, 30, 80, 100, 100, 90, 70, 60, 80, 60, 30, 20}, // months
        {100, 60, 40, 100, 20}, {0, 2, 3, 4, 5}, // day phases, regions
        "La trota dei nostri torrenti: dorso bruno, fianchi dorati punteggiati di nero e di rosso con un "
        "alone chiaro attorno a ogni macchia. Vive nelle acque fredde, limpide e ossigenate, appostata dietro "
        "i massi in attesa di ci\xF2 che porta la corrente. Diffidentissima, va avvicinata senza farsi vedere. "
        "Si pesca con il lombrico, la camola, la mosca o il cucchiaino, soprattutto all'alba e al tramonto.",
        "The trout of our mountain streams: brown back and golden flanks dotted with black and red spots, "
        "each ringed with a pale halo. It lives in cold, clear, oxygen-rich water, lying behind boulders and "
        "waiting for what the current brings. Extremely wary, it must be approached unseen. It is fished with "
        "worms, waxworms, flies or spinners, above all at dawn and dusk.",
    },
    {   // 25 Rainbow Trout
        25, "trotaIridea", "Trota Iridea", "Rainbow Trout", 210,
        20, 70, 1, 0.0f, 1.87f, 0.0195f, // sizes cm; weight law k, c, b, m
        {0, 1}, {0, 1, 2, 3}, {4, 3, 1}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 4, 3, 9, 13, 11}, // depth kind, depth over, groundbait, baits
        8, 14, 14, 20, 0, // hooks, hook-link, bite
        {70, 70, 80, 100, 100, 90, 80, 80, 90, 90, 80, 70}, // months
        {100, 80, 60, 100, 20}, {0, 1, 2, 3, 4, 5, 6}, // day phases, regions
        "Trota di origine nordamericana, allevata e immessa in tutta Italia nei laghetti di pesca sportiva e "
        "in molti fiumi. Si riconosce dalla fascia rosa-violacea iridescente lungo i fianchi e dalle fitte "
        "macchioline nere estese alla coda. Pi\xF9 robusta e meno esigente della fario, sopporta acque pi\xF9 "
        "calde. Vorace, abbocca a lombrichi, camole, pastelle e artificiali, e in canna salta fuori "
        "dall'acqua.",
        "A trout of North American origin, farmed and stocked all over Italy in fishing lakes and many "
        "rivers. It is known by the iridescent pink-violet band along its flanks and the fine black spots "
        "that reach onto the tail. Hardier and less demanding than the brown trout, it tolerates warmer "
        "water. Greedy, it takes worms, waxworms, trout paste and lures, and leaps clear of the water when "
        "hooked.",
    },
    {   // 26 Marble Trout
        26, "trotaMarmorata", "Trota Marmorata", "Marble Trout", 211,
        30, 120, 1, 0.0f, 1.87f, 0.0193f, // sizes cm; weight law k, c, b, m
        {0, 1}, {2, 3}, {4, 3}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {8, 13, 7, 9}, // depth kind, depth over, groundbait, baits
        1, 8, 18, 30, 0, // hooks, hook-link, bite
        {20, 30, 80, 100, 100, 90, 70, 60, 80, 60, 30, 20}, // months
        {100, 40, 30, 100, 60}, {0, 2}, // day phases, regions
        "La grande trota dei fiumi alpini del versante padano e dell'Isonzo, con la livrea marmorizzata di "
        "verde e bruno senza macchie rosse. Pu\xF2 superare il metro e i quindici chili, e da adulta diventa un "
        "predatore che caccia pesci nelle buche profonde e sotto le rive scavate. Rara e protetta in molte "
        "acque, si insidia con pesciolini, grossi artificiali e minnow, all'alba, al tramonto e con l'acqua "
        "velata.",
        "The great trout of the Alpine rivers of the Po basin and the Isonzo, with a marbled green and brown "
        "coat and no red spots. It can exceed a metre and fifteen kilos, and as an adult becomes a predator "
        "hunting fish in deep pools and under undercut banks. Rare and protected in many waters, it is fished "
        "with small fish, big lures and minnows at dawn, at dusk and when the water is slightly coloured.",
    },
    {   // 27 Lake Trout
        27, "trotaLacustre", "Trota Lacustre", "Lake Trout", 212,
        30, 90, 1, 0.0f, 1.87f, 0.0196f, // sizes cm; weight law k, c, b, m
        {1}, {0}, {4, 3}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {8, 13, 9}, // depth kind, depth over, groundbait, baits
        1, 6, 20, 30, 0, // hooks, hook-link, bite
        {60, 60, 70, 100, 100, 80, 60, 60, 80, 90, 70, 60}, // months
        {100, 60, 40, 100, 20}, {0, 2}, // day phases, regions
        "Forma lacustre della trota, argentea con piccole macchie nere a forma di croce, che vive nei grandi "
        "laghi prealpini cacciando agoni e coregoni in acque aperte. Cresce molto e pu\xF2 superare gli otto "
        "chili. In autunno risale gli immissari per deporre le uova. Si pesca soprattutto a traina con "
        "pesciolini, cucchiaini e minnow, ma in primavera e in autunno si avvicina alle rive ed \xE8 "
        "raggiungibile da terra.",
        "The lake form of the trout, silvery with small black cross-shaped spots, living in the great "
        "pre-Alpine lakes where it hunts shad and whitefish in open water. It grows large and can exceed eight "
        "kilos. In autumn it runs up the inflowing streams to spawn. It is fished mostly by trolling with "
        "small fish, spoons and minnows, but in spring and autumn it comes close inshore within reach of the "
        "bank angler.",
    },
    {   // 28 Vairone
        28, "vairone", "Vairone", "Vairone", 214,
        8, 20, 1, 0.0f, 0.0f, 1.84f, // sizes cm; weight law k, c, b, m
        {0}, {1, 2, 3}, {3, 4}, 0, // venue types, currents, bottoms, clarity
        0, 0, 2, {4, 3, 7}, // depth kind, depth over, groundbait, baits
        18, 22, 8, 12, 1, // hooks, hook-link, bite
        {30, 30, 50, 80, 100, 100, 100, 100, 100, 80, 50, 30}, // months
        {60, 100, 100, 60, 20}, {0, 2, 3}, // day phases, regions
        "Piccolo ciprinide dei torrenti e dei fiumi del nord e del centro, dal corpo affusolato con una banda "
        "scura lungo i fianchi bordata di una linea arancio. Vive in branchi nelle correnti moderate e "
        "limpide, spesso insieme a trote e barbi. Si nutre di larve e insetti alla deriva e abbocca "
        "rapidamente a un bigattino presentato a passata. \xC8 sensibile all'inquinamento e protetto in molte "
        "regioni.",
        "A small cyprinid of the streams and rivers of northern and central Italy, with a slim body and a "
        "dark band along the flanks edged by an orange line. It lives in shoals in moderate, clear currents, "
        "often alongside trout and barbel. It feeds on drifting larvae and insects and quickly takes a maggot "
        "trotted down to it. It is sensitive to pollution and protected in many regions.",
    },
    {   // 29 Brook Barbel
        29, "barboCanino", "Barbo Canino", "Brook Barbel", 218,
        10, 25, 2, 0.0f, 0.0f, 1.3f, // sizes cm; weight law k, c, b, m
        {0}, {2, 3}, {4, 3}, 0, // venue types, currents, bottoms, clarity
        0, 0, 2, {4, 7}, // depth kind, depth over, groundbait, baits
        16, 20, 10, 12, 0, // hooks, hook-link, bite
        {30, 30, 50, 80, 100, 100, 100, 100, 100, 80, 50, 30}, // months
        {60, 80, 80, 60, 40}, {0, 2}, // day phases, regions
        "Il pi\xF9 piccolo dei barbi italiani, di rado oltre i venti centimetri, con la livrea bruna fittamente "
        "macchiettata di scuro e quattro barbigli. Vive nei torrenti pedemontani a corrente vivace, tra sassi "
        "e ciottoli, dove si nasconde di giorno e si nutre di larve sul fondo. Endemico del nord Italia e "
        "sempre pi\xF9 raro, si cattura con un bigattino o un vermetto trascinato sul fondo.",
        "The smallest of the Italian barbels, seldom over twenty centimetres, with a brown coat densely "
        "speckled with dark spots and four barbels. It lives in lively foothill streams among stones and "
        "pebbles, hiding by day and feeding on larvae on the bottom. Found only in northern Italy and "
        "becoming ever rarer, it is caught with a maggot or a small worm dragged along the bottom.",
    },
    {   // 30 Burbot
        30, "bottatrice", "Bottatrice", "Burbot", 219,
        30, 70, 1, 0.0f, 1.87f, 0.0127f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {4, 2, 3}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {8, 7, 10}, // depth kind, depth over, groundbait, baits
        2, 8, 18, 25, 0, // hooks, hook-link, bite
        {100, 100, 80, 50, 30, 20, 20, 20, 40, 70, 90, 100}, // months
        {40, 10, 10, 40, 100}, {0, 2}, // day phases, regions
        "L'unico gadide d'acqua dolce: corpo allungato e viscido, marmorizzato di bruno, un solo barbiglio "
        "sul mento e due pinne dorsali, la seconda lunghissima. Vive sul fondo dei laghi profondi e freddi e "
        "nei grandi fiumi del nord, nascosto tra i sassi durante il giorno. \xC8 attivo d'inverno e di notte, "
        "quando caccia pesci e gamberi; si riproduce sotto il ghiaccio. Si pesca a fondo con pesciolini o "
        "lombrichi.",
        "The only fresh-water member of the cod family: a long, slimy body marbled in brown, a single barbel "
        "on the chin and two dorsal fins, the second very long. It lives on the bottom of deep, cold lakes "
        "and large northern rivers, hiding among stones by day. It is active in winter and at night, hunting "
        "fish and crayfish, and spawns under the ice. It is fished on the bottom with small fish or worms.",
    },
    {   // 31 Carp Bream
        31, "breme", "Breme (Abramide)", "Carp Bream", 220,
        20, 70, 1, 0.0f, 1.87f, 0.0237f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {2, 1}, 2, // venue types, currents, bottoms, clarity
        0, 0, 2, {4, 7, 5, 6}, // depth kind, depth over, groundbait, baits
        10, 16, 12, 18, 2, // hooks, hook-link, bite
        {20, 20, 40, 70, 100, 100, 100, 100, 90, 70, 40, 20}, // months
        {100, 60, 50, 100, 80}, {1, 2, 3}, // day phases, regions
        "Ciprinide dal corpo altissimo e compresso lateralmente, bronzeo negli adulti, con la bocca "
        "protrattile che scava il fango in cerca di larve e vermi. Vive in grandi branchi nei laghi, nei "
        "canali e nei tratti lenti dei grandi fiumi. L'abboccata \xE8 tipica: il galleggiante si alza e si "
        "corica prima di partire. Si pesca a fondo o con il feeder, con bigattini, lombrichi e mais, su "
        "abbondante pastura.",
        "A cyprinid with a very deep, flattened body, bronze in the adults, and a protrusible mouth that digs "
        "in the mud for larvae and worms. It lives in big shoals in lakes, canals and the slow stretches of "
        "large rivers. Its bite is typical: the float lifts and lies flat before sliding away. It is fished "
        "on the bottom or with a feeder, with maggots, worms and sweetcorn over plenty of groundbait.",
    },
    {   // 32 Goldfish
        32, "carassioDorato", "Carassio dorato", "Goldfish", 221,
        8, 30, 3, 0.0f, 0.0f, 1.67f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {2, 0}, 2, // venue types, currents, bottoms, clarity
        0, 0, 5, {5, 4, 7, 6}, // depth kind, depth over, groundbait, baits
        16, 20, 10, 14, 1, // hooks, hook-link, bite
        {20, 20, 40, 70, 100, 100, 100, 100, 90, 70, 40, 20}, // months
        {60, 80, 80, 60, 20}, {1, 2, 3, 4, 5, 6}, // day phases, regions
        "Il pesce rosso, forma domestica del carassio, sfuggito o liberato da vasche e acquari e ormai "
        "inselvatichito in stagni, laghetti e canali. In natura molti esemplari tornano al colore bronzeo dei "
        "progenitori, altri restano rossi o chiazzati. Resistente e poco esigente, vive in acque calde e "
        "torbide e si nutre sul fondo. Abbocca con delicatezza a pane, bigattini, vermetti e mais.",
        "The goldfish, the domestic form of the crucian carp, escaped or released from garden ponds and "
        "aquariums and now wild in ponds, small lakes and canals. In the wild many fish go back to the bronze "
        "colour of their ancestors, others stay red or blotched. Hardy and undemanding, it lives in warm, "
        "murky water and feeds on the bottom. It takes bread, maggots, small worms and sweetcorn delicately.",
    },
    {   // 33 Silver Carp
        33, "carpaArgentata", "Carpa Argentata", "Silver Carp", 222,
        40, 110, 1, 0.0f, 1.87f, 0.0224f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {2}, 1, // venue types, currents, bottoms, clarity
        0, 0, 5, {5, 6, 11}, // depth kind, depth over, groundbait, baits
        4, 10, 25, 35, 1, // hooks, hook-link, bite
        {10, 10, 20, 50, 80, 100, 100, 100, 90, 60, 30, 10}, // months
        {80, 100, 100, 80, 20}, {1, 3}, // day phases, regions
        "Ciprinide asiatico introdotto per ripulire le acque dal fitoplancton, di cui si nutre filtrandolo "
        "con le branchie. Corpo argenteo e compresso, occhi molto bassi sotto la linea della bocca, scaglie "
        "minute. Vive in branchi nelle acque calde e torbide dei grandi fiumi e dei bacini di pianura e, "
        "spaventato, compie salti spettacolari fuori dall'acqua. Si cattura con pastelle e pane che si "
        "sciolgono lentamente.",
        "An Asian cyprinid brought in to clear the water of phytoplankton, which it filters through its "
        "gills. Silvery, flattened body, eyes set very low below the line of the mouth and tiny scales. It "
        "lives in shoals in the warm, murky water of large rivers and lowland reservoirs and, when "
        "frightened, leaps spectacularly out of the water. It is caught on pastes and bread that slowly "
        "dissolve.",
    },
    {   // 34 Mirror Carp
        34, "carpaSpecchi", "Carpa a Specchi", "Mirror Carp", 223,
        30, 100, 1, 0.0f, 1.87f, 0.0324f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {2, 0, 1}, 2, // venue types, currents, bottoms, clarity
        0, 0, 3, {6, 5, 7, 4}, // depth kind, depth over, groundbait, baits
        2, 10, 22, 35, 1, // hooks, hook-link, bite
        {20, 20, 40, 70, 100, 100, 100, 100, 90, 70, 40, 20}, // months
        {100, 60, 50, 100, 80}, {1, 2, 3, 4, 5, 6}, // day phases, regions
        "Variet\xE0 selezionata della carpa comune, con poche grandi scaglie lucenti sparse sul corpo nudo come "
        "specchi, spesso lungo il dorso e la linea laterale. Cresce velocemente e raggiunge pesi notevoli, "
        "per questo \xE8 molto presente nei laghi di pesca sportiva. Ha le abitudini della carpa: si nutre sul "
        "fondo soprattutto all'alba, al tramonto e di notte, e si insidia con mais, patate, pane e boiled.",
        "A bred variety of the common carp, with a few large shiny scales scattered like mirrors over its "
        "bare body, often along the back and the lateral line. It grows fast and reaches great weights, which "
        "is why it is stocked in so many fishing lakes. It shares the carp's habits: it feeds on the bottom, "
        "above all at dawn, at dusk and at night, and is fished with sweetcorn, potatoes, bread and boilies.",
    },
    {   // 35 Grass Carp
        35, "carpaErbivora", "Carpa Erbivora", "Grass Carp", 224,
        40, 110, 1, 0.0f, 1.87f, 0.0251f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {0, 2}, 2, // venue types, currents, bottoms, clarity
        0, 0, 5, {6, 2, 5}, // depth kind, depth over, groundbait, baits
        4, 10, 25, 35, 1, // hooks, hook-link, bite
        {10, 10, 20, 40, 70, 100, 100, 100, 90, 60, 30, 10}, // months
        {80, 100, 100, 80, 40}, {1, 2, 3, 4}, // day phases, regions
        "Il carpone erbivoro di origine cinese, dal corpo lungo e cilindrico con grandi scaglie bordate di "
        "scuro e la testa larga senza barbigli. Si nutre quasi solo di piante acquatiche ed \xE8 stato immesso "
        "per tenere pulite le rive dalla vegetazione. Ama l'acqua calda e d'estate mangia moltissimo. Si "
        "cattura con mais, frutta, pane galleggiante e foglie; la sua fuga iniziale \xE8 violentissima.",
        "The plant-eating carp of Chinese origin, with a long, round body, large dark-edged scales and a "
        "broad head without barbels. It feeds almost entirely on water plants and was stocked to keep the "
        "banks clear of weed. It loves warm water and eats a great deal in summer. It is caught on sweetcorn, "
        "fruit, floating bread and leaves; its first run is extremely violent.",
    },
    {   // 36 Carp
        36, "carpaRegina", "Carpa Regina", "Carp", 225,
        30, 100, 1, 0.0f, 1.87f, 0.0275f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {2, 1, 0}, 2, // venue types, currents, bottoms, clarity
        0, 0, 3, {6, 5, 7, 4}, // depth kind, depth over, groundbait, baits
        2, 10, 22, 35, 1, // hooks, hook-link, bite
        {20, 20, 40, 70, 100, 100, 100, 100, 90, 70, 40, 20}, // months
        {100, 60, 50, 100, 80}, {1, 2, 3}, // day phases, regions
        "La carpa selvatica, pi\xF9 slanciata e affusolata della comune, interamente coperta di scaglie regolari "
        "e con la livrea dorata scura. \xC8 la forma originaria da cui derivano le carpe allevate, oggi rara e "
        "ricercata. Vive nei fiumi di pianura e nelle lanche, dove la corrente ne ha modellato il fisico da "
        "nuotatrice. Sospettosa, combatte con una potenza sorprendente per la sua mole.",
        "The wild carp, slimmer and more streamlined than the common carp, fully covered in regular scales "
        "and dark gold in colour. It is the original form from which farmed carp descend, now rare and much "
        "sought after. It lives in lowland rivers and backwaters, where the current has shaped its swimmer's "
        "build. Wary, it fights with surprising power for its size.",
    },
    {   // 37 Carpione
        37, "carpione", "Carpione", "Carpione", 226,
        20, 50, 6, 0.0f, 0.0f, 1.87f, // sizes cm; weight law k, c, b, m
        {1}, {0}, {3, 4}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {8, 13, 3}, // depth kind, depth over, groundbait, baits
        10, 14, 14, 18, 0, // hooks, hook-link, bite
        {40, 40, 50, 60, 70, 80, 80, 80, 70, 60, 50, 40}, // months
        {100, 60, 40, 100, 20}, {0, 2}, // day phases, regions
        "Salmonide che vive soltanto nel lago di Garda, argenteo con il dorso grigio-azzurro e poche piccole "
        "macchie scure. Passa la vita in profondit\xE0, fino a oltre cento metri, dove si nutre di plancton, e "
        "si riproduce due volte l'anno sulle ghiaie profonde. \xC8 una specie preziosissima, oggi molto rara e "
        "tutelata; chi la cattura per caso deve trattarla con ogni cura.",
        "A salmonid that lives only in Lake Garda, silvery with a blue-grey back and a few small dark spots. "
        "It spends its life in deep water, down to over a hundred metres, feeding on plankton, and spawns "
        "twice a year on deep gravel beds. It is a precious species, now very rare and protected; anyone who "
        "catches one by chance must handle it with every care.",
    },
    {   // 38 Spined Loach
        38, "cobite", "Cobite", "Spined Loach", 227,
        5, 12, 1, 0.0f, 0.0f, 0.447f, // sizes cm; weight law k, c, b, m
        {0, 1}, {0, 1, 2}, {1, 2}, 2, // venue types, currents, bottoms, clarity
        0, 0, 2, {4, 7}, // depth kind, depth over, groundbait, baits
        22, 24, 8, 10, 1, // hooks, hook-link, bite
        {30, 30, 50, 80, 100, 100, 100, 100, 100, 80, 50, 30}, // months
        {40, 20, 20, 40, 100}, {1, 2, 3}, // day phases, regions
        "Pesciolino allungato e vermiforme, giallastro con file di macchie scure, sei barbigli attorno alla "
        "bocca e una piccola spina bifida sotto l'occhio che pu\xF2 sollevare per difendersi. Di giorno rimane "
        "sepolto nella sabbia o nel fango con la sola testa fuori, di notte esce a cercare cibo. Vive nei "
        "canali e nei fiumi lenti della pianura, ed \xE8 una preda occasionale di chi pesca a fondo con il "
        "bigattino.",
        "A long, worm-like little fish, yellowish with rows of dark spots, six barbels around the mouth and a "
        "small forked spine under the eye that it can raise in defence. By day it stays buried in sand or mud "
        "with only its head showing, at night it comes out to feed. It lives in the canals and slow rivers of "
        "the plain and is an occasional catch for anyone fishing a maggot on the bottom.",
    },
    {   // 39 Lake whitefish
        39, "coregone", "Coregone", "Lake whitefish", 228,
        25, 55, 1, 0.0f, 1.87f, 0.0163f, // sizes cm; weight law k, c, b, m
        {1}, {0}, {1, 3}, 0, // venue types, currents, bottoms, clarity
        300, 0, 2, {4, 3}, // depth kind, depth over, groundbait, baits
        12, 18, 12, 16, 1, // hooks, hook-link, bite
        {40, 40, 60, 80, 100, 100, 100, 100, 90, 70, 40, 30}, // months
        {60, 100, 100, 60, 0}, {0, 2, 3}, // day phases, regions
        "Il lavarello: salmonide argenteo dal corpo slanciato, con la piccola bocca e la pinna adiposa tipica "
        "dei salmonidi. Introdotto nei grandi laghi del nord e del centro, vive in branchi nelle acque "
        "aperte, a qualche metro di profondit\xE0, nutrendosi di plancton e larve. Si pesca con la tirlindana o "
        "con piccole camole e ninfe su lenze lunghe e leggere. Ha carni bianche e delicate, molto apprezzate.",
        "The lavaret: a slim silvery salmonid with a small mouth and the adipose fin typical of its family. "
        "Stocked in the great lakes of the north and centre, it lives in shoals in open water a few metres "
        "down, feeding on plankton and larvae. It is fished with a long multi-hook line or with small larvae "
        "and nymphs on long, light tackle. Its white, delicate flesh is highly prized.",
    },
    {   // 40 Mosquitofish
        40, "gambusia", "Gambusia", "Mosquitofish", 229,
        4, 7, 1, 0.0f, 0.0f, 0.378f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {0, 2}, 2, // venue types, currents, bottoms, clarity
        1, 0, 2, {4, 3}, // depth kind, depth over, groundbait, baits
        24, 24, 8, 8, 1, // hooks, hook-link, bite
        {10, 10, 20, 50, 80, 100, 100, 100, 90, 60, 30, 10}, // months
        {20, 100, 100, 20, 0}, {1, 3, 4, 5, 6}, // day phases, regions
        "Minuscolo pesce americano, introdotto negli anni Venti del Novecento per combattere la malaria: si "
        "nutre delle larve di zanzara a pelo d'acqua. Le femmine, pi\xF9 grandi, partoriscono piccoli gi\xE0 "
        "formati. Vive in branchi nelle acque calde e ferme di stagni, risaie e canali, sempre in superficie. "
        "Si cattura solo con ami minuscoli e una larva, ed \xE8 pi\xF9 una curiosit\xE0 che una preda.",
        "A tiny American fish introduced in the 1920s to fight malaria: it eats mosquito larvae at the "
        "surface. The larger females give birth to fully formed young. It lives in shoals in the warm, still "
        "water of ponds, rice fields and canals, always at the top. It can only be caught with the tiniest "
        "hooks and a single larva, and is more a curiosity than a quarry.",
    },
    {   // 41 Freshwater Gobiid
        41, "ghiozzoFiume", "Ghiozzo di fiume", "Freshwater Gobiid", 230,
        5, 10, 1, 0.0f, 0.0f, 0.693f, // sizes cm; weight law k, c, b, m
        {0, 1}, {1, 2, 3}, {4, 3}, 0, // venue types, currents, bottoms, clarity
        0, 0, 2, {4, 7}, // depth kind, depth over, groundbait, baits
        20, 24, 8, 10, 0, // hooks, hook-link, bite
        {30, 30, 50, 80, 100, 100, 100, 100, 100, 80, 50, 30}, // months
        {20, 100, 100, 20, 0}, {1, 2, 3}, // day phases, regions
        "Ghiozzo padano dalla testa grossa e dagli occhi sporgenti, bruno con macchie scure, che vive "
        "appoggiato sul fondo sassoso dei fiumi e dei laghi sostenendosi sulle pinne ventrali unite a "
        "ventosa. Il maschio custodisce le uova deposte sotto un sasso. Territoriale e vorace, attacca "
        "qualsiasi larva gli passi davanti e abbocca con decisione anche ad ami sproporzionati.",
        "A Po basin goby with a big head and bulging eyes, brown with dark blotches, that rests on the stony "
        "bottom of rivers and lakes on pelvic fins joined into a sucker. The male guards the eggs laid under "
        "a stone. Territorial and greedy, it attacks any larva that passes in front of it and bites boldly "
        "even at hooks far too big for it.",
    },
    {   // 42 Pike-perch
        42, "luccioPerca", "Luccio Perca", "Pike-perch", 231,
        30, 100, 1, 0.0f, 1.87f, 0.0162f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1, 2}, {1, 3, 4, 2}, 1, // venue types, currents, bottoms, clarity
        0, 0, 0, {8, 13, 9, 7}, // depth kind, depth over, groundbait, baits
        1, 6, 20, 30, 0, // hooks, hook-link, bite
        {50, 40, 40, 40, 60, 80, 80, 80, 100, 100, 90, 70}, // months
        {100, 40, 30, 100, 100}, {1, 2, 3}, // day phases, regions
        "Il sandra: predatore dal corpo slanciato, grigio-verde con fasce scure verticali, due pinne dorsali "
        "di cui la prima spinosa e bocca armata di canini aguzzi. Ha occhi grandi e vitrei adatti alla "
        "penombra: caccia all'alba, al tramonto e di notte, e predilige le acque torbide dei grandi fiumi e "
        "dei bacini di pianura. Si pesca con pesciolini vivi o morti e con esche siliconiche lavorate sul "
        "fondo.",
        "The zander: a slender predator, grey-green with dark vertical bars, two dorsal fins, the first "
        "spiny, and a mouth armed with sharp fangs. Its large glassy eyes are made for dim light: it hunts at "
        "dawn, at dusk and at night and prefers the murky water of big rivers and lowland reservoirs. It is "
        "fished with live or dead small fish and with soft plastic lures worked along the bottom.",
    },
    {   // 43 Wels
        43, "siluro", "Siluro", "Wels", 287,
        60, 220, 1, 0.0f, 1.4f, 0.25f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {1, 3, 0}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {0, 3, 4, 7, 8, 13}, // depth kind, depth over, groundbait, baits
        1, 6, 50, 90, 0, // hooks, hook-link, bite
        {10, 10, 10, 50, 40, 40, 80, 80, 100, 100, 80, 50}, // months
        {20, 0, 0, 20, 100}, {1, 3}, // day phases, regions
        "Il gigante delle acque dolci europee: corpo nudo e viscido, testa larga e piatta, bocca enorme con "
        "due lunghi barbigli e quattro pi\xF9 corti. Introdotto dall'Europa orientale, si \xE8 diffuso nel Po e nei "
        "grandi fiumi del centro, dove supera i due metri e i cento chili. Caccia soprattutto di notte pesci, "
        "uccelli acquatici e qualsiasi preda. Si pesca con grossi vivi, mazzi di lombrichi e il clonk.",
        "The giant of European fresh water: a bare, slimy body, a broad flat head and a huge mouth with two "
        "long barbels and four shorter ones. Brought in from eastern Europe, it has spread through the Po and "
        "the large rivers of central Italy, where it grows past two metres and a hundred kilos. It hunts "
        "mostly at night, taking fish, water birds and anything else. It is fished with big live baits, "
        "bunches of worms and the clonk.",
    },
    {   // 88 European Eel
        88, "anguilla", "Anguilla", "European Eel", 335,
        30, 120, 1, 0.0f, 0.85f, 0.2f, // sizes cm; weight law k, c, b, m
        {1, 0, 2}, {0, 1, 2, 3}, {1, 2}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {8, 7, 4, 3, 0}, // depth kind, depth over, groundbait, baits
        4, 10, 20, 30, 0, // hooks, hook-link, bite
        {10, 10, 20, 40, 60, 80, 100, 100, 100, 80, 60, 40}, // months
        {20, 0, 0, 20, 100}, {1, 2, 3, 4, 5, 6}, // day phases, regions
        "Pesce serpentiforme dalla pelle viscida con scaglie minutissime, che nasce nel Mar dei Sargassi e "
        "arriva da noi come ceca trasparente. Risale fiumi e canali, vive anni in acqua dolce o nelle lagune "
        "e torna al mare per riprodursi. Di giorno resta nascosta nel fango, di notte caccia sul fondo. Si "
        "pesca di notte a fondo con lombrichi e pesciolini. \xC8 una specie in pericolo.",
        "A snake-like fish with slimy skin and tiny scales, born in the Sargasso Sea and reaching our waters "
        "as a transparent glass eel. It swims up rivers and canals, lives for years in fresh water or lagoons "
        "and returns to the sea to spawn. By day it hides in the mud, at night it hunts on the bottom. It is "
        "fished at night on the bottom with worms and small fish. It is an endangered species.",
    },
    {   // 89 Eurasian Ruffe
        89, "acerina", "Acerina", "Eurasian Ruffe", 336,
        8, 20, 1, 0.0f, 1.87f, 0.0191f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {1, 3, 2}, 1, // venue types, currents, bottoms, clarity
        0, 0, 2, {7, 4}, // depth kind, depth over, groundbait, baits
        14, 18, 10, 14, 0, // hooks, hook-link, bite
        {60, 60, 70, 80, 90, 90, 90, 90, 90, 80, 70, 60}, // months
        {80, 60, 60, 80, 60}, {1, 2}, // day phases, regions
        "Piccolo percide dal corpo viscido, bruno-oliva macchiettato di scuro, con un'unica lunga pinna "
        "dorsale spinosa e grandi occhi adatti alla penombra. Introdotto nei laghi del nord, vive in branchi "
        "sul fondo, anche in acque torbide, e mangia larve, uova e piccoli invertebrati. Abbocca con voracit\xE0 "
        "a lombrichi e bigattini, spesso rubandoli a prede pi\xF9 ambite.",
        "A small slimy perch, olive-brown speckled with dark spots, with a single long spiny dorsal fin and "
        "large eyes suited to dim light. Introduced into northern lakes, it lives in shoals on the bottom, "
        "even in murky water, and eats larvae, eggs and small invertebrates. It greedily takes worms and "
        "maggots, often stealing them from more sought-after fish.",
    },
    {   // 90 Cavedano Etrusco
        90, "cavedanoEtrusco", "Cavedano Etrusco", "Cavedano Etrusco", 337,
        12, 30, 2, 0.0f, 0.0f, 2.04f, // sizes cm; weight law k, c, b, m
        {0}, {1, 2}, {3, 4, 1}, 2, // venue types, currents, bottoms, clarity
        0, 0, 5, {5, 4, 3, 7}, // depth kind, depth over, groundbait, baits
        14, 18, 12, 16, 0, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {60, 100, 100, 80, 20}, {3}, // day phases, regions
        "Cavedano endemico dei fiumi della Toscana, dell'Umbria e del Lazio, pi\xF9 piccolo e slanciato del "
        "cavedano comune, con le scaglie punteggiate di scuro. Vive nei tratti medi dei corsi d'acqua a "
        "corrente moderata, spesso in piccoli branchi. Onnivoro, mangia insetti, larve e vegetali. Minacciato "
        "dalla scomparsa degli habitat e dalle specie introdotte, \xE8 protetto.",
        "A chub found only in the rivers of Tuscany, Umbria and Lazio, smaller and slimmer than the common "
        "chub, with dark-speckled scales. It lives in the middle reaches of streams with moderate current, "
        "often in small shoals. Omnivorous, it eats insects, larvae and plant matter. Threatened by the loss "
        "of its habitat and by introduced species, it is protected.",
    },
    {   // 91 Common Roach
        91, "gardon", "Gardon o Rutilo", "Common Roach", 338,
        12, 40, 1, 0.0f, 1.87f, 0.0191f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1, 2}, {1, 2, 0}, 2, // venue types, currents, bottoms, clarity
        0, 0, 2, {4, 5, 7, 6}, // depth kind, depth over, groundbait, baits
        14, 20, 10, 14, 1, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {80, 100, 100, 80, 20}, {1, 2, 3}, // day phases, regions
        "Ciprinide dal corpo alto e argenteo, con l'iride rossa e le pinne arancio-rossastre. Introdotto "
        "dall'Europa centrale, si \xE8 diffuso rapidamente nei laghi e nei fiumi del nord, dove forma grandi "
        "branchi. Si adatta a qualsiasi ambiente e mangia larve, alghe e piccoli molluschi. \xC8 una preda "
        "classica della pesca al colpo: bigattini, caster e pane, con lenze fini e abboccate delicate.",
        "A deep-bodied silvery cyprinid with a red iris and orange-red fins. Brought in from central Europe, "
        "it has spread fast through the lakes and rivers of the north, where it forms large shoals. It adapts "
        "to any water and eats larvae, algae and small molluscs. It is a classic float-fishing catch: "
        "maggots, casters and bread on fine tackle, with delicate bites.",
    },
    {   // 92 Topmouth Gudgeon
        92, "pseudorasbora", "Pseudorasbora", "Topmouth Gudgeon", 339,
        4, 10, 1, 0.0f, 0.0f, 0.548f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1}, {0, 2}, 2, // venue types, currents, bottoms, clarity
        0, 0, 2, {4, 7}, // depth kind, depth over, groundbait, baits
        20, 24, 8, 10, 1, // hooks, hook-link, bite
        {20, 20, 40, 70, 100, 100, 100, 100, 90, 70, 40, 20}, // months
        {20, 100, 100, 20, 0}, {1, 2, 3, 4}, // day phases, regions
        "Piccolo ciprinide asiatico arrivato per caso con le semine di carpe, oggi diffuso in quasi tutte le "
        "acque ferme e lente d'Italia. Corpo argenteo con una banda scura lungo i fianchi e la bocca piccola "
        "rivolta verso l'alto. Prolifico e invadente, compete con le specie native. Abbocca di continuo a "
        "bigattini e vermetti, rubando le esche a chi cerca prede pi\xF9 grandi.",
        "A small Asian cyprinid that arrived by accident with carp stockings and is now found in almost every "
        "still and slow water in Italy. Silvery body with a dark band along the flanks and a small upturned "
        "mouth. Prolific and invasive, it competes with the native species. It bites maggots and small worms "
        "endlessly, stealing baits from anglers after bigger fish.",
    },
    {   // 93 South European Roach
        93, "rovella", "Rovella", "South European Roach", 340,
        8, 20, 1, 0.0f, 0.0f, 1.84f, // sizes cm; weight law k, c, b, m
        {0, 1}, {0, 1, 2}, {3, 0}, 2, // venue types, currents, bottoms, clarity
        0, 0, 2, {4, 5, 3}, // depth kind, depth over, groundbait, baits
        18, 22, 8, 12, 1, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {20, 100, 100, 20, 0}, {3, 4}, // day phases, regions
        "Piccolo rutilo dell'Italia centrale e meridionale, argenteo con una banda scura sui fianchi e le "
        "pinne rossicce. Vive nei fiumi e nei laghi dai fondali misti, dove forma branchi che si nutrono di "
        "larve, alghe e piccoli invertebrati. Abbocca a bigattini, pane e piccoli insetti, ed \xE8 una presenza "
        "tipica nei fiumi della Toscana, del Lazio e della Campania.",
        "A small roach of central and southern Italy, silvery with a dark band along the flanks and reddish "
        "fins. It lives in rivers and lakes with mixed bottoms, where it forms shoals that feed on larvae, "
        "algae and small invertebrates. It takes maggots, bread and small insects, and is a typical fish of "
        "the rivers of Tuscany, Lazio and Campania.",
    },
    {   // 94 Sturgeon
        94, "storione", "Storione", "Sturgeon", 341,
        50, 180, 1, 0.0f, 1.87f, 0.0119f, // sizes cm; weight law k, c, b, m
        {0}, {1, 2}, {1, 2, 3}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 8, 10, 0, 11}, // depth kind, depth over, groundbait, baits
        0, 4, 40, 70, 1, // hooks, hook-link, bite
        {30, 30, 40, 60, 80, 100, 100, 100, 80, 60, 40, 30}, // months
        {80, 60, 60, 80, 100}, {1, 2}, // day phases, regions
        "Lo storione cobice dell'Adriatico e del Po: pesce antichissimo dal corpo allungato protetto da "
        "cinque file di scudi ossei, muso corto e arrotondato e quattro barbigli davanti alla bocca protrattile, senza "
        "denti. Vive sul fondo dei grandi fiumi e scava la sabbia in cerca di vermi, molluschi e crostacei. "
        "Quasi scomparso in natura, sopravvive grazie ai ripopolamenti ed \xE8 protetto: va rilasciato.",
        "The Adriatic sturgeon of the Po: an ancient fish with a long body armoured by five rows of bony "
        "plates, a short, rounded snout and four barbels in front of its toothless, protrusible mouth. It lives on "
        "the bottom of large rivers and digs in the sand for worms, molluscs and crustaceans. Almost gone "
        "from the wild, it survives thanks to restocking and is protected: it must be released.",
    },
    {   // 105 Channel Catfish
        105, "pesceGattoPunt", "Pescegatto Punteggiato", "Channel Catfish", 377,
        30, 100, 1, 0.0f, 1.87f, 0.0186f, // sizes cm; weight law k, c, b, m
        {1, 0}, {0, 1, 2}, {2, 1}, 1, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 10, 8, 4, 1}, // depth kind, depth over, groundbait, baits
        1, 6, 25, 40, 0, // hooks, hook-link, bite
        {10, 10, 20, 50, 80, 100, 100, 100, 90, 60, 30, 10}, // months
        {40, 10, 10, 40, 100}, {1, 2, 3}, // day phases, regions
        "Pesce gatto americano dal corpo slanciato grigio-azzurro, punteggiato di nero nei giovani, con la "
        "coda profondamente forcuta e otto barbigli. Pi\xF9 grande e combattivo del pescegatto comune, vive nei "
        "fiumi e nei laghi di pianura, in acque calde e torbide, e si nutre soprattutto di notte. Si pesca a "
        "fondo con lombrichi, fegatini, pesciolini ed esche profumate al formaggio.",
        "An American catfish with a slim grey-blue body, spotted black in the young, a deeply forked tail and "
        "eight barbels. Bigger and more combative than the bullhead catfish, it lives in lowland rivers and "
        "lakes in warm, murky water and feeds mostly at night. It is fished on the bottom with worms, chicken "
        "liver, small fish and cheese-scented baits.",
    },
    {   // 124 Asp
        124, "aspio", "Aspio", "Asp", 409,
        30, 80, 1, 0.0f, 1.87f, 0.0158f, // sizes cm; weight law k, c, b, m
        {0, 1}, {1, 2, 3}, {1, 3}, 2, // venue types, currents, bottoms, clarity
        1, 0, 0, {13, 9, 8}, // depth kind, depth over, groundbait, baits
        2, 8, 20, 30, 0, // hooks, hook-link, bite
        {30, 30, 40, 60, 80, 100, 100, 100, 100, 80, 50, 30}, // months
        {100, 60, 40, 100, 30}, {1}, // day phases, regions
        "Il ciprinide predatore per eccellenza: corpo slanciato e argenteo, bocca grande con la mandibola che "
        "sporge oltre la mascella superiore. Introdotto dall'Europa orientale nel Po, vi si \xE8 diffuso "
        "velocemente. Caccia in superficie le alborelle con attacchi violenti e rumorosi, soprattutto "
        "all'alba e al tramonto, nelle correnti sotto le dighe. Si pesca a spinning con artificiali veloci.",
        "The predatory cyprinid par excellence: a slim silvery body and a big mouth whose lower jaw juts beyond "
        "the upper. Brought into the Po from eastern Europe, it has spread quickly. It hunts bleak at the "
        "surface with violent, noisy attacks, above all at dawn and dusk in the currents below weirs. It is "
        "fished by spinning with fast lures.",
    },
    {   // 125 European Sturgeon
        125, "storioneLadano", "Storione Ladano", "European Sturgeon", 414,
        70, 270, 1, 25000.0f, 1.05f, 1.9f, // sizes cm; weight law k, c, b, m
        {0}, {1, 2}, {1, 2}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {0, 6, 4, 7, 12, 8, 9}, // depth kind, depth over, groundbait, baits
        0, 3, 50, 90, 0, // hooks, hook-link, bite
        {40, 40, 40, 40, 60, 80, 80, 60, 40, 40, 20, 20}, // months
        {80, 80, 80, 80, 60}, {1}, // day phases, regions
        "Il gigante tra gli storioni: muso corto e appuntito, bocca ampia a mezzaluna e corpo grigio protetto "
        "da scudi ossei. Un tempo risaliva il Po dall'Adriatico superando i cinque metri e la tonnellata; "
        "oggi nei nostri fiumi si trovano solo esemplari immessi, che superano comunque i due metri e i cento "
        "chili. Predatore di fondo, si pesca con grossi pesci e vermi; va rilasciato.",
        "The giant among sturgeons: a short, pointed snout, a wide crescent-shaped mouth and a grey body "
        "armoured with bony plates. It once swam up the Po from the Adriatic, growing past five metres and a "
        "tonne; today only stocked fish are found in our rivers, still topping two metres and a hundred "
        "kilos. A bottom predator, it is fished with big fish and worms, and must be released.",
    },
};
const int kFreshWaterSpeciesCount = static_cast<int>(sizeof kFreshWaterSpecies / sizeof kFreshWaterSpecies[0]);

const SpeciesRow kSeaSpecies[] = {
    {   // 44 Garfish
        44, "aguglia", "Aguglia", "Garfish", 288,
        30, 80, 1, 0.0f, 1.5f, 0.0103f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {1, 4, 0}, 0, // venue types, currents, bottoms, clarity
        1, 0, 0, {10, 0, 13, 9}, // depth kind, depth over, groundbait, baits
        8, 12, 16, 22, 2, // hooks, hook-link, bite
        {30, 30, 50, 80, 100, 90, 70, 70, 90, 100, 80, 50}, // months
        {80, 100, 100, 80, 10}, {2, 3, 4, 5, 6}, // day phases, regions
        "Pesce pelagico dal corpo lunghissimo e sottile, con il becco armato di piccoli denti aguzzi, il "
        "dorso verde-azzurro e le lische che in cottura diventano verdi. Vive in branchi a pelo d'acqua e si "
        "avvicina alla costa in primavera e in autunno. Si pesca con il galleggiante a pochi centimetri dalla "
        "superficie, con striscioline di pesce, o con piccoli artificiali; in canna salta e si divincola di "
        "continuo.",
        "A pelagic fish with a very long, thin body, a beak armed with small sharp teeth, a blue-green back "
        "and bones that turn green when cooked. It swims in shoals just below the surface and comes close "
        "inshore in spring and autumn. It is fished with a float set only a few centimetres deep and strips "
        "of fish, or with small lures; once hooked it leaps and twists without pause.",
    },
    {   // 45 Peacock Blenny
        45, "bavosaPavone", "Bavosa Pavone", "Peacock Blenny", 289,
        6, 13, 1, 0.0f, 1.87f, 0.0183f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {4, 1}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0, 12}, // depth kind, depth over, groundbait, baits
        16, 20, 10, 14, 1, // hooks, hook-link, bite
        {50, 50, 60, 80, 100, 100, 100, 100, 100, 90, 70, 60}, // months
        {20, 100, 100, 20, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Piccola bavosa dai colori vivaci, verde-azzurra con fasce scure e ocelli blu bordati di chiaro; il "
        "maschio porta in testa una vistosa cresta. Vive tra sassi, moli e scogliere in acque bassissime, "
        "anche salmastre, e si nasconde nelle fessure. Curiosa e territoriale, si avvicina all'esca appena "
        "cade sul fondo e la becchetta a lungo prima di prenderla.",
        "A small, colourful blenny, blue-green with dark bars and pale-edged blue eye spots; the male carries "
        "a showy crest on its head. It lives among stones, jetties and breakwaters in very shallow, even "
        "brackish water, and hides in crevices. Curious and territorial, it approaches a bait as soon as it "
        "reaches the bottom and nibbles at it for a long while before taking it.",
    },
    {   // 46 Tompot Blenny
        46, "bavosaRuggine", "Bavosa Ruggine", "Tompot Blenny", 290,
        10, 30, 1, 0.0f, 1.87f, 0.0202f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {4}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0, 12}, // depth kind, depth over, groundbait, baits
        12, 16, 14, 18, 0, // hooks, hook-link, bite
        {50, 50, 60, 80, 100, 100, 100, 100, 100, 90, 70, 60}, // months
        {20, 100, 100, 20, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "La pi\xF9 grande delle nostre bavose, bruno-rossiccia con fasce scure, labbra carnose e due tentacoli "
        "ramificati sopra gli occhi. Vive sulle scogliere e tra i massi dei porti, da pochi centimetri a una "
        "decina di metri, nascosta in tane da cui esce di scatto per afferrare la preda. Abbocca con "
        "decisione a vermi, pezzetti di cozza e gamberetti calati tra gli scogli.",
        "The largest of our blennies, reddish-brown with dark bars, fleshy lips and two branched tentacles "
        "above the eyes. It lives on reefs and among harbour boulders from a few centimetres to about ten "
        "metres down, hidden in holes from which it darts out to seize its prey. It bites boldly at worms, "
        "pieces of mussel and small shrimps lowered among the rocks.",
    },
    {   // 47 Bogue
        47, "boga", "Boga", "Bogue", 291,
        12, 36, 1, 0.0f, 1.83f, 0.0177f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {1, 4, 0}, 2, // venue types, currents, bottoms, clarity
        300, 0, 5, {5, 7, 0, 11}, // depth kind, depth over, groundbait, baits
        14, 18, 12, 16, 1, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {60, 100, 100, 60, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Sparide dal corpo affusolato, dorso verdastro e fianchi argentei percorsi da sottili linee dorate, "
        "con grandi occhi. Vive in branchi numerosi a mezz'acqua, vicino alla costa e nei porti, dove accorre "
        "subito alla pastura di pane. Si pesca con il galleggiante a qualche metro di profondit\xE0, con "
        "mollica, vermetti o pastelle, ed \xE8 una delle prede pi\xF9 comuni della pesca dalla banchina.",
        "A sea bream with a spindle-shaped body, a greenish back and silvery flanks lined with thin golden "
        "stripes, and large eyes. It lives in big shoals in mid-water near the coast and in harbours, where "
        "it rushes at once to bread groundbait. It is fished with a float a few metres deep, with bread "
        "flake, small worms or paste, and is one of the commonest catches from the quay.",
    },
    {   // 48 Thicklip Grey Mullet
        48, "bosega", "Bosega", "Thicklip Grey Mullet", 292,
        25, 75, 1, 0.0f, 1.87f, 0.0181f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {1, 2, 4}, 2, // venue types, currents, bottoms, clarity
        0, 0, 5, {5, 11, 7, 10}, // depth kind, depth over, groundbait, baits
        10, 16, 14, 20, 1, // hooks, hook-link, bite
        {50, 50, 60, 70, 80, 90, 100, 100, 100, 90, 70, 60}, // months
        {80, 100, 100, 80, 20}, {2, 3, 4, 5, 6}, // day phases, regions
        "Il muggine dalle labbra spesse: il labbro superiore \xE8 carnoso e coperto di papille. Corpo "
        "grigio-argenteo con strie longitudinali scure. Vive lungo le coste rocciose, nei porti e nelle "
        "lagune, brucando alghe e detriti. Diffidente e dall'abboccata delicata, si insidia con il "
        "galleggiante e pane o pastella, pasturando con pane. Pu\xF2 superare i quattro chili e tira forte.",
        "The thick-lipped mullet: its upper lip is fleshy and covered in small papillae. Grey-silver body "
        "with dark lengthwise stripes. It lives along rocky coasts, in harbours and lagoons, grazing on algae "
        "and detritus. Wary and a delicate biter, it is fished with a float and bread or paste over bread "
        "groundbait. It can top four kilos and pulls hard.",
    },
    {   // 49 Damsel Fish
        49, "castagnola", "Castagnola", "Damsel Fish", 293,
        6, 15, 1, 0.0f, 1.87f, 0.0243f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {4}, 0, // venue types, currents, bottoms, clarity
        0, 0, 5, {5, 0, 7}, // depth kind, depth over, groundbait, baits
        18, 22, 10, 12, 1, // hooks, hook-link, bite
        {50, 50, 60, 80, 100, 100, 100, 100, 100, 90, 70, 60}, // months
        {20, 100, 100, 20, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Piccolo pesce ovale color castagno scuro, con la coda profondamente forcuta; i giovani sono di un "
        "blu elettrico brillante. Vive in branchi fitti a mezz'acqua sopra le scogliere e le praterie, in "
        "tutti i nostri mari, ed \xE8 tra i pesci pi\xF9 comuni che si vedono facendo il bagno. Mangia plancton e "
        "accorre a qualsiasi pastura, rubando le esche destinate a prede pi\xF9 grosse.",
        "A small oval fish, dark chestnut with a deeply forked tail; the young are a brilliant electric blue. "
        "It lives in dense shoals in mid-water over reefs and seagrass in all our seas and is one of the "
        "commonest fish seen while swimming. It eats plankton and rushes to any groundbait, stealing baits "
        "meant for bigger fish.",
    },
    {   // 50 Flathead Grey Mullet
        50, "cefalo", "Cefalo", "Flathead Grey Mullet", 294,
        25, 80, 1, 0.0f, 1.87f, 0.0185f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {2, 1}, 2, // venue types, currents, bottoms, clarity
        0, 0, 5, {5, 11, 7, 6}, // depth kind, depth over, groundbait, baits
        8, 14, 16, 22, 1, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {80, 100, 100, 80, 20}, {2, 3, 4, 5, 6}, // day phases, regions
        "Il pi\xF9 grande dei muggini, con la testa larga e appiattita e gli occhi coperti da una palpebra "
        "adiposa trasparente. Grigio-argenteo con strie scure sui fianchi, vive lungo le coste, nei porti, "
        "nelle lagune e risale le foci dei fiumi. Si nutre di detriti e alghe sul fondo. Pesce forte e "
        "diffidente, si insidia con pane, pastelle e vermi, e pu\xF2 superare i cinque chili.",
        "The largest of the grey mullets, with a broad, flat head and eyes covered by a transparent fatty "
        "eyelid. Grey-silver with dark stripes along the flanks, it lives along coasts, in harbours and "
        "lagoons and runs up river mouths. It feeds on detritus and algae on the bottom. A strong and wary "
        "fish, it is taken on bread, paste and worms, and can exceed five kilos.",
    },
    {   // 51 Thinlip Grey Mullet
        51, "cefaloCalamita", "Cefalo Calamita", "Thinlip Grey Mullet", 295,
        20, 60, 1, 0.0f, 1.87f, 0.0181f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {2, 1}, 1, // venue types, currents, bottoms, clarity
        0, 0, 5, {5, 11, 7}, // depth kind, depth over, groundbait, baits
        10, 16, 14, 20, 1, // hooks, hook-link, bite
        {50, 50, 60, 70, 80, 90, 100, 100, 100, 90, 70, 60}, // months
        {80, 100, 100, 80, 20}, {2, 3, 4, 5, 6}, // day phases, regions
        "Muggine dal labbro superiore sottile e da una macchia scura alla base delle pinne pettorali. Tollera "
        "bene le acque dolci e salmastre: frequenta porti, canali, lagune e risale a lungo i fiumi, dove si "
        "vede in branchi vicino alla superficie. Si nutre di fango e alghe. Si pesca a galleggiante con pane "
        "e pastella, e nelle acque torbide delle foci si fa prendere con facilit\xE0.",
        "A mullet with a thin upper lip and a dark spot at the base of the pectoral fins. It copes well with "
        "fresh and brackish water: it haunts harbours, canals and lagoons and runs a long way up rivers, "
        "where it is seen in shoals near the surface. It feeds on mud and algae. It is fished with a float "
        "and bread or paste, and in the murky water of river mouths it is easy to catch.",
    },
    {   // 52 Golden Grey Mullet
        52, "cefaloDorato", "Cefalo Dorato", "Golden Grey Mullet", 296,
        20, 55, 1, 0.0f, 1.87f, 0.0169f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {1, 2}, 0, // venue types, currents, bottoms, clarity
        0, 0, 5, {5, 11, 7}, // depth kind, depth over, groundbait, baits
        12, 16, 14, 18, 1, // hooks, hook-link, bite
        {50, 50, 60, 70, 80, 90, 100, 100, 100, 90, 70, 60}, // months
        {80, 100, 100, 80, 20}, {2, 3, 4, 5, 6}, // day phases, regions
        "Muggine elegante e slanciato, riconoscibile dalla macchia dorata sull'opercolo e dalle strie scure "
        "lungo i fianchi argentei. Preferisce le acque pi\xF9 pulite e salate rispetto ai suoi parenti e si "
        "trova lungo spiagge, scogliere e porti. Mangia alghe, piccoli invertebrati e detriti. Si pesca con "
        "lenze fini e pane o pastella; abbocca con delicatezza e combatte con fughe veloci.",
        "An elegant, slim mullet known by the golden patch on its gill cover and the dark stripes along its "
        "silver flanks. It prefers cleaner, saltier water than its relatives and is found along beaches, "
        "reefs and harbours. It eats algae, small invertebrates and detritus. It is fished with fine tackle "
        "and bread or paste; it bites delicately and fights with fast runs.",
    },
    {   // 53 Boxlip Mullet
        53, "cefaloLabbrone", "Cefalo Labbrone", "Boxlip Mullet", 297,
        15, 25, 1, 0.0f, 1.87f, 0.0172f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {4, 1}, 0, // venue types, currents, bottoms, clarity
        0, 0, 5, {5, 11}, // depth kind, depth over, groundbait, baits
        14, 18, 12, 14, 1, // hooks, hook-link, bite
        {50, 50, 60, 70, 80, 90, 100, 100, 100, 90, 70, 60}, // months
        {80, 100, 100, 80, 20}, {2, 3, 4, 5, 6}, // day phases, regions
        "Piccolo muggine di scogliera, di rado oltre i venti centimetri, con labbra spesse e squadrate, quasi "
        "a scatola, e la bocca rivolta verso il basso. Vive in piccoli gruppi nelle acque basse e limpide "
        "lungo le coste rocciose, dove bruca le alghe dai sassi. Si cattura con il galleggiante e minuscoli "
        "pezzi di pane o pastella, pasturando sottoriva.",
        "A small reef mullet, seldom over twenty centimetres, with thick, squared, almost box-like lips and a "
        "down-turned mouth. It lives in small groups in shallow, clear water along rocky coasts, where it "
        "grazes algae off the stones. It is caught with a float and tiny pieces of bread or paste over "
        "groundbait close inshore.",
    },
    {   // 54 Leaping Mullet
        54, "cefaloVerzelata", "Cefalo Verzelata", "Leaping Mullet", 298,
        15, 40, 1, 0.0f, 1.87f, 0.0161f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {1, 2, 0}, 2, // venue types, currents, bottoms, clarity
        0, 0, 5, {5, 11, 7}, // depth kind, depth over, groundbait, baits
        12, 16, 12, 16, 1, // hooks, hook-link, bite
        {50, 50, 60, 70, 80, 90, 100, 100, 100, 90, 70, 60}, // months
        {80, 100, 100, 80, 20}, {2, 3, 4, 5, 6}, // day phases, regions
        "Muggine dal muso appuntito, con una macchia dorata sull'opercolo e sottili strie grigie lungo i "
        "fianchi. Deve il nome inglese all'abitudine di saltare fuori dall'acqua quando viene spaventato. "
        "Vive lungo le coste sabbiose, nelle lagune e nei canali salmastri, in branchi che nuotano vicino "
        "alla superficie. Si pesca con il galleggiante e pane, pastella o vermetti.",
        "A mullet with a pointed snout, a golden patch on the gill cover and thin grey stripes along the "
        "flanks. Its English name comes from its habit of leaping from the water when frightened. It lives "
        "along sandy coasts, in lagoons and brackish canals, in shoals that swim near the surface. It is "
        "fished with a float and bread, paste or small worms.",
    },
    {   // 55 Brown Meagre
        55, "corvina", "Corvina", "Brown Meagre", 299,
        20, 70, 1, 0.0f, 1.8f, 0.0273f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {4, 1}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {0, 7, 12, 8}, // depth kind, depth over, groundbait, baits
        2, 8, 22, 30, 0, // hooks, hook-link, bite
        {50, 50, 60, 70, 80, 90, 100, 100, 100, 90, 70, 60}, // months
        {100, 40, 30, 100, 100}, {2, 3, 4, 5, 6}, // day phases, regions
        "Scienide dal corpo alto e dal dorso arcuato, bruno scuro con riflessi dorati e pinne ventrali nere "
        "bordate di bianco. Vive in piccoli gruppi tra gli scogli e nelle grotte, da pochi metri a una "
        "ventina, e di giorno resta nascosta. Esce a caccia al tramonto e di notte, cercando crostacei, "
        "molluschi e pesciolini. \xC8 protetta in molte aree; si insidia a fondo tra gli scogli con gamberi e "
        "cannolicchi.",
        "A croaker with a deep body and an arched back, dark brown with golden glints and black pelvic fins "
        "edged in white. It lives in small groups among rocks and in caves from a few metres to about twenty, "
        "staying hidden by day. It comes out to hunt at dusk and at night, seeking crustaceans, molluscs and "
        "small fish. Protected in many areas, it is fished on the bottom among the rocks with prawns and "
        "razor clams.",
    },
    {   // 56 Rainbow Wrasse
        56, "donzella", "Donzella", "Rainbow Wrasse", 300,
        10, 25, 1, 0.0f, 1.87f, 0.014f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {4, 0, 1}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0, 12}, // depth kind, depth over, groundbait, baits
        14, 18, 10, 14, 1, // hooks, hook-link, bite
        {50, 50, 60, 80, 100, 100, 100, 100, 100, 90, 70, 60}, // months
        {20, 100, 100, 20, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Il pesce pi\xF9 colorato delle nostre coste: corpo sottile e allungato, con una banda arancio a zig-zag "
        "su fondo verde-azzurro nei maschi adulti, bruno con linee chiare nelle femmine. Vive sulle scogliere "
        "e nelle praterie di posidonia, attiva solo di giorno: di notte si seppellisce nella sabbia. Ruba "
        "abilmente le esche e abbocca a vermetti e pezzetti di cozza.",
        "The most colourful fish of our coasts: a slim, long body, with an orange zig-zag band on a "
        "blue-green ground in the adult males, brown with pale lines in the females. It lives on reefs and in "
        "seagrass meadows and is active only by day: at night it buries itself in the sand. It is a skilled "
        "bait thief and takes small worms and bits of mussel.",
    },
    {   // 57 Common Goby
        57, "ghiozzo", "Ghiozzo", "Common Goby", 301,
        4, 9, 1, 0.0f, 1.56f, 0.0288f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {1, 2}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 4, 0}, // depth kind, depth over, groundbait, baits
        20, 24, 8, 10, 0, // hooks, hook-link, bite
        {50, 50, 60, 80, 100, 100, 100, 100, 100, 90, 70, 60}, // months
        {20, 100, 100, 20, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Minuscolo ghiozzo color sabbia, quasi trasparente, che vive in grandi numeri nelle lagune, negli "
        "estuari e sulle spiagge basse. Si appoggia sul fondo sulle pinne ventrali unite a ventosa e si "
        "sposta a piccoli scatti. Il maschio costruisce il nido sotto una conchiglia vuota e lo sorveglia. "
        "Abbocca a vermetti e larve minuscole, ed \xE8 pi\xF9 spesso esca per i predatori che preda.",
        "A tiny sand-coloured goby, almost see-through, that lives in great numbers in lagoons, estuaries and "
        "shallow beaches. It rests on the bottom on pelvic fins joined into a sucker and moves in short "
        "darts. The male builds his nest under an empty shell and guards it. It takes tiny worms and larvae "
        "and is more often bait for predators than a quarry.",
    },
    {   // 58 Weed Goby
        58, "ghiozzoGo", "Ghiozzo Go", "Weed Goby", 302,
        10, 25, 1, 0.0f, 1.87f, 0.0177f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {0, 2, 1}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0}, // depth kind, depth over, groundbait, baits
        12, 16, 12, 16, 0, // hooks, hook-link, bite
        {30, 30, 40, 70, 100, 100, 100, 100, 100, 90, 60, 40}, // months
        {60, 100, 100, 60, 20}, {2, 3, 4}, // day phases, regions
        "Il grosso ghiozzo delle lagune del nord Adriatico, con la testa larga e appiattita, la bocca ampia e "
        "la livrea bruno-verdastra screziata. Vive nelle praterie di fanerogame e sui fondi fangosi delle "
        "lagune di Venezia e del Delta, scavando tane. Vorace, abbocca con decisione a vermi e gamberetti; \xE8 "
        "ricercato in cucina per il risotto di go.",
        "The big goby of the northern Adriatic lagoons, with a broad, flattened head, a wide mouth and a "
        "mottled brownish-green coat. It lives in the seagrass beds and muddy bottoms of the Venice and Po "
        "Delta lagoons, where it digs burrows. Greedy, it takes worms and small shrimps boldly; it is prized "
        "in the kitchen for the local goby risotto.",
    },
    {   // 59 Black Goby
        59, "ghiozzoNero", "Ghiozzo Nero", "Black Goby", 303,
        6, 15, 1, 0.0f, 1.87f, 0.0182f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {1, 2, 0}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0, 4}, // depth kind, depth over, groundbait, baits
        16, 20, 10, 12, 0, // hooks, hook-link, bite
        {50, 50, 60, 80, 100, 100, 100, 100, 100, 90, 70, 60}, // months
        {20, 100, 100, 20, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Ghiozzo scuro, bruno quasi nero, con la prima pinna dorsale alta e una macchia nera sul suo bordo "
        "anteriore. Vive su fondi sabbiosi e fangosi, nelle praterie, nei porti e nelle lagune, spesso in "
        "acque basse. \xC8 un piccolo predatore che caccia vermi, crostacei e pesciolini, e attacca l'esca "
        "appena la vede. Si cattura facilmente con un vermetto lasciato sul fondo.",
        "A dark goby, brown to almost black, with a tall first dorsal fin with a black spot on its leading "
        "edge. It lives over sand and mud, in seagrass, harbours and lagoons, often in shallow water. It is a "
        "small predator hunting worms, crustaceans and little fish, and attacks a bait as soon as it sees it. "
        "It is easily caught with a small worm left on the bottom.",
    },
    {   // 60 Rock Goby
        60, "ghiozzoPaganello", "Ghiozzo Paganello", "Rock Goby", 304,
        6, 12, 1, 0.0f, 1.87f, 0.0187f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {4}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0}, // depth kind, depth over, groundbait, baits
        16, 20, 10, 12, 0, // hooks, hook-link, bite
        {50, 50, 60, 80, 100, 100, 100, 100, 100, 90, 70, 60}, // months
        {20, 100, 100, 20, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Ghiozzo delle scogliere basse, bruno marmorizzato con una banda chiara, gialla o arancio, sul bordo "
        "della prima pinna dorsale. Vive tra i sassi e nelle pozze di marea, a pochissima profondit\xE0, sempre "
        "nascosto sotto le pietre. Mangia piccoli crostacei, vermi e molluschi. Si cattura pescando a fondo "
        "tra gli scogli con vermetti e pezzetti di gambero.",
        "A goby of shallow reefs, mottled brown with a pale yellow or orange band along the edge of its first "
        "dorsal fin. It lives among stones and in tide pools in very shallow water, always hidden under "
        "rocks. It eats small crustaceans, worms and molluscs. It is caught fishing on the bottom among the "
        "rocks with small worms and bits of prawn.",
    },
    {   // 61 Giant Goby
        61, "ghiozzoBruno", "Ghiozzo Testone (o Bruno)", "Giant Goby", 305,
        10, 27, 1, 0.0f, 1.83f, 0.0222f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {4, 0}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0, 12}, // depth kind, depth over, groundbait, baits
        12, 16, 12, 16, 0, // hooks, hook-link, bite
        {50, 50, 60, 80, 100, 100, 100, 100, 100, 90, 70, 60}, // months
        {20, 100, 100, 20, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Il pi\xF9 grande dei ghiozzi mediterranei, con la testa grossa e larga, labbra spesse e la livrea "
        "olivastra marmorizzata. Vive tra gli scogli coperti di alghe in acque molto basse, anche salmastre, "
        "e ama le zone dove sfociano ruscelli. Si nutre di alghe, crostacei e vermi. Territoriale, difende il "
        "suo sasso e abbocca volentieri a vermi e pezzetti di cozza.",
        "The largest of the Mediterranean gobies, with a big, broad head, thick lips and a mottled olive "
        "coat. It lives among weed-covered rocks in very shallow, even brackish water, and likes places where "
        "streams run into the sea. It feeds on algae, crustaceans and worms. Territorial, it defends its "
        "stone and readily takes worms and bits of mussel.",
    },
    {   // 62 Latterino
        62, "latterino", "Latterino", "Latterino", 306,
        5, 15, 1, 0.0f, 1.87f, 0.0102f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {1, 0}, 0, // venue types, currents, bottoms, clarity
        1, 0, 4, {4, 10, 5, 0}, // depth kind, depth over, groundbait, baits
        20, 24, 8, 10, 1, // hooks, hook-link, bite
        {60, 60, 70, 80, 90, 100, 100, 100, 100, 90, 80, 70}, // months
        {20, 100, 100, 20, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Pesciolino trasparente con una brillante banda argentea lungo i fianchi, dalla testa piccola e dai "
        "grandi occhi. Vive in branchi enormi vicino alla superficie, nei porti, nelle lagune e lungo le "
        "spiagge, spesso in acque salmastre. \xC8 la preda tipica dei ragazzi sulle banchine: pastura di "
        "formaggio grattugiato, galleggiante minuscolo e un bigattino. Ottimo fritto.",
        "A see-through little fish with a bright silver band along its flanks, a small head and large eyes. "
        "It lives in huge shoals near the surface in harbours, lagoons and along beaches, often in brackish "
        "water. It is the typical catch of youngsters on the quay: grated cheese groundbait, a tiny float and "
        "a single maggot. Excellent fried.",
    },
    {   // 63 Mediterranean Pickarel
        63, "menola", "Menola", "Mediterranean Pickarel", 307,
        10, 25, 1, 0.0f, 1.87f, 0.0201f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {1, 0, 4}, 0, // venue types, currents, bottoms, clarity
        0, 0, 5, {7, 0, 5}, // depth kind, depth over, groundbait, baits
        14, 18, 12, 14, 1, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {60, 100, 100, 60, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Pesce ovale e compresso, grigio-azzurro con una macchia nera rettangolare sui fianchi; in estate i "
        "maschi si colorano di blu e argento con striature turchesi. Vive in grandi branchi sopra i fondi "
        "sabbiosi e le praterie di posidonia, dove i maschi scavano nidi nella sabbia. Si pesca con il "
        "galleggiante o a fondo leggero con vermetti e gamberetti.",
        "An oval, flattened fish, grey-blue with a black rectangular blotch on the flanks; in summer the "
        "males turn blue and silver with turquoise streaks. It lives in big shoals over sandy bottoms and "
        "seagrass meadows, where the males dig nests in the sand. It is fished with a float or a light bottom "
        "rig with small worms and shrimps.",
    },
    {   // 64 Striped Sea Bream
        64, "mormora", "Mormora", "Striped Sea Bream", 308,
        15, 45, 1, 0.0f, 1.87f, 0.0213f, // sizes cm; weight law k, c, b, m
        {2}, {1, 2, 3}, {1}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0, 12}, // depth kind, depth over, groundbait, baits
        8, 14, 16, 22, 1, // hooks, hook-link, bite
        {40, 40, 50, 70, 90, 100, 100, 100, 100, 90, 70, 50}, // months
        {100, 60, 60, 100, 100}, {2, 3, 4, 5, 6}, // day phases, regions
        "Sparide allungato con il muso appuntito, argenteo con numerose fasce verticali scure, sottili e "
        "regolari. Vive in branchi sui fondi sabbiosi vicino alla battigia, dove scava con il muso in cerca "
        "di vermi e piccoli molluschi. \xC8 la preda regina del surfcasting: si pesca dalla spiaggia con "
        "arenicole, bibi e cannolicchi, soprattutto con il mare scaduto, all'alba, al tramonto e di notte.",
        "A long sea bream with a pointed snout, silvery with many thin, regular dark vertical bars. It lives "
        "in shoals over sand close to the shoreline, where it digs with its snout for worms and small "
        "molluscs. It is the prize of surfcasting: it is fished from the beach with lugworms, peanut worms "
        "and razor clams, above all as a swell dies down, at dawn, at dusk and at night.",
    },
    {   // 65 Shi Drum
        65, "ombrina", "Ombrina", "Shi Drum", 309,
        25, 100, 1, 0.0f, 1.82f, 0.0252f, // sizes cm; weight law k, c, b, m
        {2}, {1, 2, 3}, {1, 2, 4}, 1, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0, 12, 8}, // depth kind, depth over, groundbait, baits
        0, 6, 25, 35, 0, // hooks, hook-link, bite
        {40, 40, 50, 60, 80, 90, 100, 100, 100, 100, 80, 60}, // months
        {100, 40, 30, 100, 100}, {2, 3, 4, 5, 6}, // day phases, regions
        "Grosso scienide dal dorso arcuato, argento-dorato con linee oblique scure e un corto barbiglio sul "
        "mento. Vive su fondi sabbiosi e misti vicino alla riva, spesso presso foci e scogliere, e caccia "
        "soprattutto di notte e con l'acqua torbida dopo le mareggiate. Emette suoni con la vescica "
        "natatoria. Si pesca a fondo con grossi vermi e crostacei: \xE8 uno dei trofei del surfcasting.",
        "A big croaker with an arched back, silver-gold with dark oblique lines and a short barbel on the "
        "chin. It lives over sand and mixed ground close inshore, often near river mouths and reefs, and "
        "hunts mostly at night and in murky water after a storm. It makes sounds with its swim bladder. It is "
        "fished on the bottom with big worms and crustaceans: one of the trophies of surfcasting.",
    },
    {   // 66 Saddled Bream
        66, "occhiata", "Occhiata", "Saddled Bream", 310,
        12, 34, 1, 0.0f, 1.87f, 0.025f, // sizes cm; weight law k, c, b, m
        {2}, {1, 2, 3}, {4}, 0, // venue types, currents, bottoms, clarity
        150, 0, 5, {5, 0, 7, 11}, // depth kind, depth over, groundbait, baits
        12, 16, 12, 18, 1, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {100, 80, 60, 100, 20}, {2, 3, 4, 5, 6}, // day phases, regions
        "Sparide argenteo dai grandi occhi e con una vistosa macchia nera bordata di bianco sul peduncolo "
        "caudale. Vive in branchi a mezz'acqua lungo le coste rocciose, davanti alle scogliere battute dal "
        "mare, e sale verso la superficie con la schiuma delle onde. Si pesca con il galleggiante e pane, "
        "pasturando con mollica; \xE8 sospettosa e richiede lenze sottili.",
        "A silvery sea bream with large eyes and a striking white-edged black spot on the tail stem. It lives "
        "in shoals in mid-water along rocky coasts, in front of wave-beaten reefs, and rises towards the "
        "surface in the foam. It is fished with a float and bread over a bread-crumb groundbait; it is wary "
        "and needs fine lines.",
    },
    {   // 67 Gill-head Sea Bream
        67, "orata", "Orata", "Gill-head Sea Bream", 311,
        20, 70, 1, 0.0f, 1.87f, 0.029f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {1, 2, 0, 4}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {0, 12, 7}, // depth kind, depth over, groundbait, baits
        2, 8, 20, 30, 1, // hooks, hook-link, bite
        {40, 40, 50, 60, 70, 80, 90, 100, 100, 100, 90, 60}, // months
        {100, 80, 60, 100, 60}, {2, 3, 4, 5, 6}, // day phases, regions
        "La regina degli sparidi: corpo ovale e argenteo, una banda dorata tra gli occhi e una macchia scura "
        "sull'opercolo. Con i suoi denti molariformi frantuma cozze, granchi e ricci. Vive su fondi misti e "
        "nelle lagune, dove entra in primavera, ed \xE8 molto allevata. Abbocca con cautela, facendo tremare il "
        "cimino, poi parte decisa; si insidia con cozze, granchi e bibi, soprattutto in autunno.",
        "The queen of the sea breams: an oval silver body, a golden band between the eyes and a dark spot on "
        "the gill cover. With its molar-like teeth it crushes mussels, crabs and sea urchins. It lives over "
        "mixed ground and in lagoons, which it enters in spring, and is widely farmed. It bites cautiously, "
        "making the rod tip tremble, then moves off firmly; it is fished with mussels, crabs and peanut "
        "worms, above all in autumn.",
    },
    {   // 68 Comber
        68, "perchia", "Perchia", "Comber", 312,
        12, 40, 1, 0.0f, 1.87f, 0.0207f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {4, 0, 1}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0, 12, 8}, // depth kind, depth over, groundbait, baits
        10, 14, 14, 18, 0, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {60, 100, 80, 60, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Piccolo serranide dal corpo slanciato, bruno-rossiccio con fasce scure verticali e linee chiare "
        "longitudinali. Vive sulle scogliere, sulle praterie e sui fondi misti, da pochi metri fino in "
        "profondit\xE0. Predatore vorace e poco diffidente, attacca tutto ci\xF2 che si muove: gamberi, vermi, "
        "pezzi di calamaro. \xC8 ermafrodita, con organi maschili e femminili insieme.",
        "A small slender sea bass, reddish-brown with dark vertical bars and pale lengthwise lines. It lives "
        "on reefs, seagrass and mixed ground from a few metres down to deep water. A greedy and hardly "
        "cautious predator, it attacks anything that moves: prawns, worms, pieces of squid. It is a "
        "hermaphrodite, with male and female organs at the same time.",
    },
    {   // 69 Salema
        69, "salpa", "Salpa", "Salema", 313,
        15, 45, 1, 0.0f, 1.87f, 0.0213f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {0, 4}, 0, // venue types, currents, bottoms, clarity
        0, 0, 5, {6, 5, 11}, // depth kind, depth over, groundbait, baits
        12, 16, 14, 18, 1, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {20, 100, 100, 20, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Sparide erbivoro dal corpo ovale, grigio-argenteo con dieci-undici sottili linee dorate "
        "longitudinali e l'occhio giallo. Vive in grandi branchi che pascolano alghe sulle scogliere e sulle "
        "praterie di posidonia, anche in pochi centimetri d'acqua. Si pesca con il galleggiante, esche di "
        "alghe verdi o pane. Le sue carni, se mal conservate, possono dare allucinazioni.",
        "A plant-eating sea bream with an oval body, grey-silver with ten or eleven thin golden lengthwise "
        "lines and a yellow eye. It lives in big shoals that graze algae on reefs and seagrass meadows, even "
        "in a few centimetres of water. It is fished with a float and baits of green weed or bread. Its "
        "flesh, if badly kept, can cause hallucinations.",
    },
    {   // 70 Zebra Sea Bream
        70, "saragoFaraone", "Sarago Faraone", "Zebra Sea Bream", 314,
        20, 55, 1, 0.0f, 1.87f, 0.029f, // sizes cm; weight law k, c, b, m
        {2}, {1, 2, 3}, {4}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {0, 12, 7}, // depth kind, depth over, groundbait, baits
        6, 10, 20, 25, 1, // hooks, hook-link, bite
        {60, 60, 60, 70, 80, 90, 100, 100, 100, 90, 80, 70}, // months
        {100, 40, 30, 100, 100}, {3, 4, 5, 6}, // day phases, regions
        "Il pi\xF9 grande e pi\xF9 raro dei saraghi, dal corpo alto con cinque larghe fasce verticali nere su fondo "
        "argento-dorato e le labbra carnose. Vive solitario o in piccoli gruppi tra i grossi massi delle "
        "coste rocciose, da qualche metro fino a grandi profondit\xE0, soprattutto nei mari del sud. Astuto e "
        "potente, va cercato nelle tane con granchi e cozze, su lenze robuste.",
        "The largest and rarest of the white breams, with a deep body, five broad black vertical bands on a "
        "silver-gold ground and fleshy lips. It lives alone or in small groups among the big boulders of "
        "rocky coasts, from a few metres down to great depths, above all in the southern seas. Clever and "
        "powerful, it is sought in its holes with crabs and mussels on strong tackle.",
    },
    {   // 71 White Sea Bream
        71, "saragoMaggiore", "Sarago Maggiore", "White Sea Bream", 315,
        15, 45, 1, 0.0f, 1.87f, 0.0318f, // sizes cm; weight law k, c, b, m
        {2}, {1, 2, 3}, {4, 1}, 2, // venue types, currents, bottoms, clarity
        0, 0, 4, {0, 12, 7, 5, 4}, // depth kind, depth over, groundbait, baits
        6, 12, 16, 25, 1, // hooks, hook-link, bite
        {80, 80, 80, 70, 70, 70, 80, 80, 90, 100, 100, 90}, // months
        {100, 40, 30, 100, 100}, {2, 3, 4, 5, 6}, // day phases, regions
        "Il sarago per eccellenza: corpo ovale argenteo con nove sottili fasce verticali scure, alternate "
        "pi\xF9 marcate e pi\xF9 chiare, e una macchia nera sul peduncolo. Vive lungo le coste rocciose e le scogliere "
        "frangiflutti, e si avvicina con il mare mosso e l'acqua bianca di schiuma. Si pesca a fondo o a "
        "galleggiante con cozze, gamberi, bigattini e vermi, soprattutto d'autunno e d'inverno.",
        "The white bream par excellence: an oval silver body with nine thin dark vertical bars, alternately "
        "lighter and darker, and a black spot on the tail stem. It lives along rocky coasts and breakwaters "
        "and comes close in rough seas with white foaming water. It is fished on the bottom or with a float "
        "using mussels, prawns, maggots and worms, above all in autumn and winter.",
    },
    {   // 72 Sharpsnout Sea Bream
        72, "saragoPizzuto", "Sarago Pizzuto", "Sharpsnout Sea Bream", 316,
        15, 50, 1, 0.0f, 1.87f, 0.0272f, // sizes cm; weight law k, c, b, m
        {2}, {1, 2, 3}, {4, 0}, 0, // venue types, currents, bottoms, clarity
        0, 0, 4, {0, 12, 6, 7}, // depth kind, depth over, groundbait, baits
        6, 12, 16, 25, 1, // hooks, hook-link, bite
        {80, 80, 80, 70, 70, 70, 80, 80, 90, 100, 100, 90}, // months
        {100, 80, 60, 100, 60}, {2, 3, 4, 5, 6}, // day phases, regions
        "Sarago dal muso appuntito, con le labbra sottili e i denti incisivi sporgenti, e fianchi argentei "
        "con sei-sette fasce scure verticali. Vive sulle scogliere e sui fondi misti con posidonia, dove "
        "bruca alghe, spugne e piccoli invertebrati. Prudente e scaltro, abbocca con precisione e stacca "
        "l'esca senza toccare l'amo; si pesca con cozze, gamberi e vermi su lenze sottili.",
        "A white bream with a pointed snout, thin lips and protruding incisor teeth, and silver flanks with "
        "six or seven dark vertical bars. It lives on reefs and mixed ground with seagrass, where it browses "
        "on algae, sponges and small invertebrates. Careful and crafty, it bites precisely and strips the "
        "bait without touching the hook; it is fished with mussels, prawns and worms on fine lines.",
    },
    {   // 73 Painted Comber
        73, "sciarrano", "Sciarrano", "Painted Comber", 317,
        10, 35, 1, 0.0f, 1.87f, 0.0205f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {4, 0}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0, 12, 8, 13}, // depth kind, depth over, groundbait, baits
        10, 14, 14, 18, 0, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {60, 100, 80, 60, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Piccolo serranide dai colori vivaci: fasce scure sui fianchi, una macchia blu-viola sul ventre e il "
        "muso disegnato da linee azzurre e rosse come arabeschi. Vive tra scogli e posidonia in acque basse, "
        "appostato in attesa di piccoli pesci e crostacei. Curioso e aggressivo, abbocca senza esitazioni a "
        "gamberi, vermi e piccoli artificiali.",
        "A small, brightly coloured sea bass: dark bars on the flanks, a blue-violet patch on the belly and a "
        "head drawn with blue and red lines like arabesques. It lives among rocks and seagrass in shallow "
        "water, lying in wait for small fish and crustaceans. Curious and aggressive, it takes prawns, worms "
        "and small lures without hesitation.",
    },
    {   // 74 Black Scorpionfish
        74, "scorfanoNero", "Scorfano Nero", "Black Scorpionfish", 318,
        10, 30, 1, 0.0f, 1.87f, 0.0279f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {4, 0}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {0, 12, 7, 8, 10}, // depth kind, depth over, groundbait, baits
        6, 12, 16, 22, 0, // hooks, hook-link, bite
        {60, 60, 70, 80, 90, 100, 100, 100, 90, 80, 70, 60}, // months
        {60, 40, 40, 60, 100}, {2, 3, 4, 5, 6}, // day phases, regions
        "Scorfano bruno scuro marmorizzato, con la testa grande piena di creste e lembi cutanei e le spine "
        "della dorsale collegate a ghiandole velenose: la puntura \xE8 molto dolorosa. Vive tra gli scogli e "
        "nelle praterie in acque basse, perfettamente mimetizzato, e di notte caccia all'agguato. Abbocca con "
        "decisione a gamberi, pezzi di pesce e vermi lasciati sul fondo.",
        "A dark brown mottled scorpionfish, with a big head full of ridges and skin flaps and dorsal spines "
        "linked to venom glands: the sting is very painful. It lives among rocks and seagrass in shallow "
        "water, perfectly camouflaged, and hunts from ambush at night. It bites boldly at prawns, pieces of "
        "fish and worms left on the bottom.",
    },
    {   // 75 Red Scorpionfish
        75, "scorfanoRosso", "Scorfano Rosso", "Red Scorpionfish", 319,
        20, 50, 1, 0.0f, 1.87f, 0.0332f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {4, 1}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {8, 12, 10, 0}, // depth kind, depth over, groundbait, baits
        2, 8, 22, 30, 0, // hooks, hook-link, bite
        {60, 60, 70, 80, 90, 100, 100, 100, 90, 80, 70, 60}, // months
        {60, 40, 40, 60, 100}, {2, 3, 4, 5, 6}, // day phases, regions
        "Il pi\xF9 grande degli scorfani mediterranei, rosso vivo marmorizzato di bruno, con numerose appendici "
        "cutanee sul mento e spine velenose. Vive su fondali rocciosi e misti pi\xF9 profondi dello scorfano "
        "nero, di solito oltre i venti metri. Predatore d'agguato, inghiotte pesci e crostacei con la sua "
        "bocca enorme. Si pesca a fondo dalla barca con pesce, calamaro o esca viva.",
        "The largest of the Mediterranean scorpionfishes, bright red mottled with brown, with many skin flaps "
        "on the chin and venomous spines. It lives over rocky and mixed ground deeper than the black "
        "scorpionfish, usually beyond twenty metres. An ambush predator, it gulps fish and crustaceans with "
        "its huge mouth. It is fished on the bottom from a boat with fish, squid or live bait.",
    },
    {   // 76 Serra
        76, "serra", "Serra", "Serra", 320,
        30, 100, 1, 0.0f, 1.87f, 0.0204f, // sizes cm; weight law k, c, b, m
        {2}, {1, 2, 3}, {1, 4}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {8, 13, 9, 10}, // depth kind, depth over, groundbait, baits
        0, 4, 35, 50, 0, // hooks, hook-link, bite
        {20, 20, 30, 40, 60, 80, 90, 100, 100, 100, 70, 40}, // months
        {100, 60, 40, 100, 40}, {3, 4, 5, 6}, // day phases, regions
        "Il pesce serra, predatore pelagico dal corpo robusto blu-verde sul dorso e argenteo sui fianchi, con "
        "mascelle armate di denti triangolari taglienti come rasoi. Caccia in branchi i pesci foraggio in "
        "superficie e nelle foci, con attacchi furiosi. Si pesca a spinning e a traina con artificiali "
        "robusti o con pesce vivo, sempre con un terminale resistente: taglia il nylon con un morso.",
        "The bluefish, a pelagic predator with a sturdy body, blue-green on the back and silver on the "
        "flanks, and jaws armed with triangular razor-sharp teeth. It hunts bait fish in packs at the surface "
        "and in river mouths, attacking in a frenzy. It is fished by spinning and trolling with strong lures "
        "or live bait, always on a tough trace: it cuts nylon with a single bite.",
    },
    {   // 77 Atlantic Makerel
        77, "sgombro", "Sgombro", "Atlantic Makerel", 321,
        18, 45, 1, 0.0f, 1.87f, 0.015f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {1, 4}, 0, // venue types, currents, bottoms, clarity
        300, 0, 0, {13, 9, 10, 8, 0}, // depth kind, depth over, groundbait, baits
        10, 14, 16, 20, 0, // hooks, hook-link, bite
        {30, 30, 40, 60, 80, 100, 100, 100, 90, 70, 50, 30}, // months
        {100, 80, 60, 100, 20}, {2, 3, 4, 5, 6}, // day phases, regions
        "Pesce pelagico dal corpo affusolato, dorso verde-azzurro attraversato da strisce nere ondulate e "
        "ventre argenteo, senza vescica natatoria. Vive in grandi branchi che si avvicinano alla costa in "
        "primavera e in estate, a caccia di pesciolini e plancton. Si pesca con la sabiki di piumette, con "
        "piccoli cucchiaini o a galleggiante con striscioline di pesce, spesso uno dopo l'altro.",
        "A streamlined pelagic fish with a blue-green back crossed by wavy black stripes and a silver belly, "
        "and no swim bladder. It lives in large shoals that come inshore in spring and summer, hunting small "
        "fish and plankton. It is fished with a string of feathered hooks, small spoons or a float with "
        "strips of fish, often one after another.",
    },
    {   // 78 Annulal Sea Bream
        78, "sparlo", "Sparlo o Sparlotto", "Annulal Sea Bream", 323,
        8, 22, 1, 0.0f, 1.87f, 0.0268f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {0, 1, 4}, 0, // venue types, currents, bottoms, clarity
        0, 0, 5, {7, 0, 5, 12}, // depth kind, depth over, groundbait, baits
        14, 18, 10, 14, 1, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {20, 100, 100, 20, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Il pi\xF9 piccolo dei saraghi, dal corpo ovale argenteo con pinne ventrali gialle e un anello nero "
        "attorno al peduncolo caudale. Vive in gruppi nelle praterie di posidonia, nei porti e sui fondi "
        "misti a bassa profondit\xE0, anche nelle lagune. Vorace e poco diffidente, ruba le esche con abilit\xE0; "
        "si pesca con vermetti, pezzetti di cozza e pane su lenze leggere.",
        "The smallest of the white breams, with an oval silver body, yellow pelvic fins and a black ring "
        "around the tail stem. It lives in groups in seagrass meadows, harbours and shallow mixed ground, "
        "also in lagoons. Greedy and not very cautious, it is a skilled bait thief; it is fished with small "
        "worms, bits of mussel and bread on light tackle.",
    },
    {   // 79 European Seabass
        79, "spigola", "Spigola", "European Seabass", 324,
        25, 100, 1, 0.0f, 1.87f, 0.0187f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {1, 4, 2}, 1, // venue types, currents, bottoms, clarity
        0, 0, 0, {8, 7, 0, 12, 13, 9}, // depth kind, depth over, groundbait, baits
        0, 6, 22, 35, 0, // hooks, hook-link, bite
        {100, 100, 90, 70, 60, 50, 50, 50, 60, 80, 100, 100}, // months
        {100, 40, 30, 100, 100}, {2, 3, 4, 5, 6}, // day phases, regions
        "Il branzino: predatore costiero dal corpo slanciato, dorso grigio-argenteo e fianchi d'argento "
        "brillante, con due dorsali e un opercolo tagliente. Frequenta scogliere, spiagge, foci e lagune, e "
        "caccia soprattutto con il mare mosso, l'acqua torbida e nelle ore di luce scarsa. \xC8 il pesce pi\xF9 "
        "ambito della pesca da riva: si insidia con esche vive, vermi, cannolicchi e artificiali, in autunno "
        "e inverno.",
        "The sea bass: a slender coastal predator with a grey-silver back, bright silver flanks, two dorsal "
        "fins and a sharp gill cover. It haunts reefs, beaches, river mouths and lagoons, and hunts above all "
        "in rough seas, murky water and low light. It is the most sought-after fish of shore angling: it is "
        "fished with live baits, worms, razor clams and lures, in autumn and winter.",
    },
    {   // 80 Spotted Seabass
        80, "spigolaMaculata", "Spigola Maculata", "Spotted Seabass", 325,
        20, 60, 1, 0.0f, 1.87f, 0.0181f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {1, 2, 4}, 1, // venue types, currents, bottoms, clarity
        0, 0, 0, {8, 7, 0, 13}, // depth kind, depth over, groundbait, baits
        2, 8, 20, 30, 0, // hooks, hook-link, bite
        {100, 100, 90, 70, 60, 50, 50, 50, 60, 80, 100, 100}, // months
        {100, 40, 30, 100, 100}, {3, 4, 5, 6}, // day phases, regions
        "Parente stretta della spigola, pi\xF9 piccola, con il dorso e la parte alta dei fianchi cosparsi di "
        "piccole macchie nere. Predilige le acque calde del sud e delle isole, le foci, le lagune e le "
        "spiagge sabbiose. Caccia in piccoli branchi gamberetti e pesciolini nella risacca. Si pesca come la "
        "spigola, con vermi, esche vive e piccoli artificiali, spesso all'imbrunire.",
        "A close relative of the sea bass, smaller, with its back and upper flanks sprinkled with small black "
        "spots. It prefers the warm waters of the south and the islands, river mouths, lagoons and sandy "
        "beaches. It hunts small shrimps and fish in small shoals in the surf. It is fished like the sea "
        "bass, with worms, live baits and small lures, often at nightfall.",
    },
    {   // 81 Atlantic Horse-mackerel
        81, "sugarello", "Sugarello", "Atlantic Horse-mackerel", 326,
        15, 50, 1, 0.0f, 1.87f, 0.0136f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {1, 4}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {10, 0, 8, 13, 9}, // depth kind, depth over, groundbait, baits
        12, 16, 14, 18, 0, // hooks, hook-link, bite
        {50, 50, 60, 70, 80, 90, 100, 100, 100, 90, 70, 60}, // months
        {100, 60, 60, 100, 80}, {2, 3, 4, 5, 6}, // day phases, regions
        "Pesce pelagico affusolato, grigio-azzurro sul dorso e argenteo sui fianchi, con la linea laterale "
        "coperta da una fila di scudi ossei che finisce sulla coda. Vive in branchi numerosi che si "
        "avvicinano alla costa e ai porti, soprattutto di sera e di notte sotto le luci. Si pesca con la "
        "sabiki, con piccoli artificiali o con striscioline di pesce e gamberetti.",
        "A streamlined pelagic fish, grey-blue on the back and silver on the flanks, with its lateral line "
        "covered by a row of bony scutes running to the tail. It lives in big shoals that come close to the "
        "coast and into harbours, above all in the evening and at night under the lights. It is fished with "
        "feathered hooks, small lures or strips of fish and shrimps.",
    },
    {   // 82 Tordo Musolungo
        82, "tordoMusolungo", "Tordo Musolungo", "Tordo Musolungo", 327,
        7, 13, 1, 0.0f, 1.85f, 0.0234f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {0, 4}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0}, // depth kind, depth over, groundbait, baits
        18, 22, 10, 12, 1, // hooks, hook-link, bite
        {50, 50, 60, 80, 100, 100, 100, 100, 100, 90, 70, 60}, // months
        {20, 100, 100, 20, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Piccolo labride dal muso lungo e appuntito e dalla fronte concava, verde o bruno con sfumature che "
        "cambiano con l'ambiente. Vive nelle praterie di posidonia e tra le alghe delle scogliere, dove si "
        "confonde perfettamente e caccia piccoli crostacei con scatti rapidi. Abbocca a vermetti minuscoli; \xE8 "
        "pi\xF9 facile vederlo che pescarlo.",
        "A small wrasse with a long, pointed snout and a concave forehead, green or brown with shades that "
        "change with its surroundings. It lives in seagrass meadows and among reef weed, where it blends in "
        "perfectly and hunts small crustaceans with quick darts. It takes tiny worms; it is easier to see "
        "than to catch.",
    },
    {   // 83 Brown Wrasse
        83, "tordoNero", "Tordo Nero", "Brown Wrasse", 328,
        15, 45, 1, 0.0f, 1.87f, 0.0261f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {4, 0}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {0, 7, 12}, // depth kind, depth over, groundbait, baits
        10, 14, 16, 20, 0, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {60, 100, 100, 60, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Grosso labride dal corpo robusto, bruno-olivastro scuro con le pinne bordate di blu, labbra spesse e "
        "denti forti. Vive sulle scogliere e nelle praterie profonde, solitario, tra massi e fessure dove si "
        "rifugia appena allamato. Si nutre di ricci, granchi e molluschi. Si pesca a fondo tra gli scogli con "
        "granchi e cozze, e bisogna tirarlo fuori dalla tana senza esitare.",
        "A big, sturdy wrasse, dark olive-brown with blue-edged fins, thick lips and strong teeth. It lives "
        "alone on reefs and in deep seagrass, among boulders and crevices where it dives as soon as it is "
        "hooked. It feeds on sea urchins, crabs and molluscs. It is fished on the bottom among the rocks with "
        "crabs and mussels, and must be pulled from its hole without hesitation.",
    },
    {   // 84 Peacock Wrasse
        84, "tordoPavone", "Tordo Pavone", "Peacock Wrasse", 329,
        10, 35, 1, 0.0f, 1.87f, 0.0212f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {4, 0}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0, 12}, // depth kind, depth over, groundbait, baits
        12, 16, 12, 16, 0, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {20, 100, 100, 20, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Il labride pi\xF9 comune delle nostre scogliere: il maschio in livrea nuziale \xE8 un arcobaleno di verde, "
        "azzurro, giallo e rosso, con una macchia scura al centro del fianco, la femmina \xE8 pi\xF9 pallida. Vive "
        "tra le alghe e i sassi in acque basse. Il maschio costruisce un nido di alghe. Abbocca facilmente a "
        "vermi e pezzetti di cozza.",
        "The commonest wrasse of our reefs: the male in breeding dress is a rainbow of green, blue, yellow "
        "and red with a dark blotch in the middle of the flank, the female is paler. It lives among weed and "
        "stones in shallow water, and the male builds a nest of algae. It readily takes worms and bits of "
        "mussel.",
    },
    {   // 85 Axillary Wrasse
        85, "tordoRosso", "Tordo Rosso", "Axillary Wrasse", 330,
        8, 18, 1, 0.0f, 1.87f, 0.0214f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {4, 0}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0}, // depth kind, depth over, groundbait, baits
        16, 20, 10, 12, 1, // hooks, hook-link, bite
        {50, 50, 60, 80, 100, 100, 100, 100, 100, 90, 70, 60}, // months
        {20, 100, 100, 20, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Piccolo labride bruno-rossastro con una macchia scura alla base della pinna pettorale, da cui il "
        "nome inglese, e una macchia sul peduncolo. Vive sulle scogliere e nelle praterie di posidonia, da "
        "pochi metri a qualche decina. I maschi in amore si colorano di rosso e blu. Abbocca a vermetti e "
        "piccoli crostacei calati tra gli scogli.",
        "A small reddish-brown wrasse with a dark spot at the base of the pectoral fin, which gives it its "
        "English name, and another on the tail stem. It lives on reefs and in seagrass meadows from a few "
        "metres to a few tens of metres. Breeding males turn red and blue. It takes small worms and "
        "crustaceans lowered among the rocks.",
    },
    {   // 86 Tordo Verde
        86, "tordoVerde", "Tordo Verde", "Tordo Verde", 331,
        15, 47, 1, 0.0f, 1.87f, 0.0224f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {0, 4}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {0, 7, 12}, // depth kind, depth over, groundbait, baits
        10, 14, 16, 20, 0, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {60, 100, 100, 60, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Grande labride dal muso allungato e dal corpo robusto, verde brillante con linee chiare lungo i "
        "fianchi, che lo rendono invisibile nelle praterie di posidonia. Vive solitario tra le alghe e gli "
        "scogli, fino a una cinquantina di metri, e caccia crostacei e piccoli pesci. Si pesca a fondo "
        "leggero con gamberi, granchi e vermi; in canna scappa verso gli scogli con forza.",
        "A large wrasse with a long snout and a sturdy body, bright green with pale lines along the flanks "
        "that make it invisible in seagrass meadows. It lives alone among weed and rocks down to about fifty "
        "metres and hunts crustaceans and small fish. It is fished on a light bottom rig with prawns, crabs "
        "and worms; once hooked it bolts for the rocks with force.",
    },
    {   // 87 Pickarel Guetteur
        87, "zerro", "Zerro", "Pickarel Guetteur", 332,
        8, 20, 1, 0.0f, 1.87f, 0.0168f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {1, 0}, 0, // venue types, currents, bottoms, clarity
        0, 0, 5, {7, 0, 5}, // depth kind, depth over, groundbait, baits
        16, 20, 10, 12, 1, // hooks, hook-link, bite
        {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}, // months
        {60, 100, 100, 60, 0}, {2, 3, 4, 5, 6}, // day phases, regions
        "Piccolo pesce affusolato, grigio-argenteo con una macchia scura rettangolare sui fianchi; in "
        "primavera i maschi mostrano linee azzurre. Vive in branchi sterminati sopra i fondi sabbiosi e le "
        "praterie, spesso insieme alle menole. Si pesca a galleggiante o con lenze a pi\xF9 ami, con vermetti e "
        "gamberetti; fritto \xE8 un classico della cucina di mare.",
        "A small streamlined fish, grey-silver with a dark rectangular blotch on the flanks; in spring the "
        "males show blue lines. It lives in huge shoals over sandy bottoms and seagrass, often together with "
        "the pickarel. It is fished with a float or a multi-hook rig with small worms and shrimps; fried it "
        "is a classic of seaside cooking.",
    },
    {   // 95 Common Pandora
        95, "pagello", "Pagello (o Fragolino)", "Common Pandora", 367,
        12, 40, 1, 0.0f, 1.87f, 0.0225f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {1, 2, 4}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0, 12}, // depth kind, depth over, groundbait, baits
        10, 14, 14, 18, 1, // hooks, hook-link, bite
        {50, 50, 60, 70, 80, 90, 100, 100, 100, 90, 70, 60}, // months
        {100, 80, 60, 100, 40}, {2, 3, 4, 5, 6}, // day phases, regions
        "Sparide dal corpo ovale color rosa-fragola, con piccoli puntini azzurri sul dorso e il bordo "
        "dell'opercolo rosso. Vive su fondi sabbiosi, fangosi e misti, da pochi metri fino a oltre cento, "
        "spesso vicino alle praterie. Si pesca dalla barca o dalla riva con vermi, gamberi e pezzetti di "
        "calamaro; le sue carni delicate lo rendono tra i pesci pi\xF9 apprezzati.",
        "A sea bream with an oval, strawberry-pink body, small sky-blue dots on the back and a red edge to "
        "the gill cover. It lives over sandy, muddy and mixed ground from a few metres to over a hundred, "
        "often near seagrass. It is fished from a boat or from the shore with worms, prawns and pieces of "
        "squid; its delicate flesh makes it one of the most prized fish.",
    },
    {   // 96 Tub Gurnard
        96, "gallinella", "Gallinella (o Mazzola)", "Tub Gurnard", 368,
        20, 60, 1, 0.0f, 1.87f, 0.0171f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {1, 2}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0, 12, 10}, // depth kind, depth over, groundbait, baits
        6, 12, 18, 25, 0, // hooks, hook-link, bite
        {80, 80, 80, 70, 60, 50, 50, 50, 60, 70, 80, 80}, // months
        {80, 100, 100, 80, 20}, {2, 3, 4, 5, 6}, // day phases, regions
        "Pesce dalla testa corazzata e squadrata e dal corpo rosso, con le grandi pinne pettorali azzurre "
        "bordate di blu che apre come ali. Cammina sul fondo sabbioso con tre raggi liberi delle pinne "
        "pettorali, con cui tasta la sabbia in cerca di crostacei. Emette un grugnito con la vescica "
        "natatoria. Si pesca a fondo dalla barca o da spiaggia con vermi e pezzi di gambero.",
        "A fish with an armoured, square head and a red body, and large blue-edged pectoral fins that it "
        "spreads like wings. It walks on the sandy bottom on three free rays of its pectoral fins, with which "
        "it feels the sand for crustaceans. It grunts with its swim bladder. It is fished on the bottom from "
        "a boat or a beach with worms and pieces of prawn.",
    },
    {   // 97 Leerfish
        97, "leccia", "Leccia", "Leerfish", 369,
        40, 150, 1, 0.0f, 1.86f, 0.0209f, // sizes cm; weight law k, c, b, m
        {2}, {1, 2, 3}, {1, 4}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {8, 13, 9}, // depth kind, depth over, groundbait, baits
        -3, 1, 40, 70, 0, // hooks, hook-link, bite
        {20, 20, 30, 40, 60, 80, 100, 100, 100, 100, 70, 30}, // months
        {100, 60, 40, 100, 40}, {2, 3, 4, 5, 6}, // day phases, regions
        "La leccia amia, grande carangide dal corpo alto e compresso, argenteo con il dorso grigio-verde e "
        "una linea laterale sinuosa. Predatore potente e velocissimo, arriva sottocosta in estate e in "
        "autunno inseguendo cefali e occhiate, spesso vicino alle foci. Si pesca con il vivo, soprattutto "
        "cefali e aguglie, o con grossi artificiali; la sua prima fuga \xE8 irresistibile.",
        "The leerfish, a big jack with a deep, flattened body, silver with a grey-green back and a wavy "
        "lateral line. A powerful and very fast predator, it comes inshore in summer and autumn chasing "
        "mullet and saddled bream, often near river mouths. It is fished with live bait, above all mullet and "
        "garfish, or with big lures; its first run is unstoppable.",
    },
    {   // 98 Common Seabream
        98, "pagroComune", "Pagro Comune", "Common Seabream", 370,
        20, 70, 1, 0.0f, 1.87f, 0.029f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {4, 1}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {0, 12, 7, 8}, // depth kind, depth over, groundbait, baits
        2, 8, 22, 30, 0, // hooks, hook-link, bite
        {50, 50, 60, 70, 80, 90, 100, 100, 100, 90, 70, 60}, // months
        {100, 80, 60, 100, 40}, {3, 4, 5, 6}, // day phases, regions
        "Sparide dal corpo alto e ovale, rosa-argenteo con riflessi dorati e piccoli puntini azzurri, profilo "
        "della testa ripido. Vive sui fondi rocciosi e misti dai venti ai cento metri, e si avvicina alla "
        "costa da giovane. Con i denti robusti frantuma crostacei e molluschi. Si pesca dalla barca a "
        "bolentino con gamberi, calamari e seppie, o a traina lenta con il vivo.",
        "A sea bream with a deep, oval body, pink-silver with golden glints and small blue dots, and a steep "
        "head profile. It lives over rocky and mixed ground from twenty to a hundred metres and comes near "
        "the coast when young. With its strong teeth it crushes crustaceans and molluscs. It is fished from a "
        "boat with a bottom rig using prawns, squid and cuttlefish, or by slow trolling with live bait.",
    },
    {   // 99 Pearly Razorfish
        99, "pescePettine", "Pesce Pettine", "Pearly Razorfish", 371,
        10, 28, 1, 0.0f, 1.87f, 0.0185f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {1}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0}, // depth kind, depth over, groundbait, baits
        12, 16, 12, 16, 1, // hooks, hook-link, bite
        {20, 20, 30, 50, 80, 100, 100, 100, 100, 70, 40, 20}, // months
        {20, 100, 100, 20, 0}, {3, 4, 5, 6}, // day phases, regions
        "Labride dal profilo della testa verticale come una lama, corpo compresso rosa-aranciato con sottili "
        "linee azzurre sul muso. Vive sui fondi sabbiosi puliti vicino alle praterie e, quando \xE8 in pericolo, "
        "si tuffa di testa nella sabbia e sparisce. Attivo solo di giorno e nei mesi caldi, si pesca a fondo "
        "con vermetti; \xE8 molto apprezzato nel sud e nelle isole.",
        "A wrasse with a head profile as steep as a blade and a flattened pink-orange body with thin blue "
        "lines on the face. It lives over clean sand near seagrass and, when in danger, dives head-first into "
        "the sand and vanishes. Active only by day and in the warm months, it is fished on the bottom with "
        "small worms and is much prized in the south and the islands.",
    },
    {   // 100 John Dory
        100, "pesceSanPietro", "Pesce San Pietro", "John Dory", 372,
        20, 60, 1, 0.0f, 1.86f, 0.0247f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {1, 2, 0}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {8, 13}, // depth kind, depth over, groundbait, baits
        2, 8, 22, 30, 0, // hooks, hook-link, bite
        {70, 70, 70, 70, 80, 80, 80, 80, 80, 80, 70, 70}, // months
        {100, 60, 60, 100, 40}, {2, 3, 4, 5, 6}, // day phases, regions
        "Pesce dal corpo altissimo e sottilissimo, grigio-dorato, con una grande macchia nera cerchiata di "
        "chiaro su ogni fianco, che la leggenda vuole impressa dalle dita di San Pietro. Si avvicina alla "
        "preda di taglio, quasi invisibile, e la aspira allungando di colpo la bocca protrattile. Vive su "
        "fondi sabbiosi e fangosi; si pesca con il pesce vivo e a volte con l'artificiale.",
        "A fish with a very deep, very thin grey-golden body and a big pale-ringed black spot on each flank, "
        "said by legend to be the print of Saint Peter's fingers. It approaches its prey edge-on, almost "
        "invisible, and sucks it in by suddenly shooting out its protrusible mouth. It lives over sand and "
        "mud; it is fished with live bait and sometimes with lures.",
    },
    {   // 101 Common Sole
        101, "sogliola", "Sogliola", "Common Sole", 373,
        20, 50, 1, 0.0f, 1.87f, 0.0172f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {1, 2}, 1, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0, 12}, // depth kind, depth over, groundbait, baits
        8, 12, 16, 20, 1, // hooks, hook-link, bite
        {60, 60, 70, 80, 80, 80, 80, 80, 80, 80, 70, 60}, // months
        {40, 10, 10, 40, 100}, {2, 3, 4, 5, 6}, // day phases, regions
        "Pesce piatto ovale con entrambi gli occhi sul lato destro, bruno-grigio e mimetico, con una macchia "
        "nera sulla pinna pettorale. Di giorno resta sepolta nella sabbia o nel fango con i soli occhi fuori, "
        "di notte esce a cercare vermi e piccoli crostacei. Si pesca di notte dalla spiaggia o dalla barca, a "
        "fondo con vermi e piccoli ami, soprattutto con l'acqua torbida.",
        "An oval flatfish with both eyes on its right side, grey-brown and camouflaged, with a black spot on "
        "the pectoral fin. By day it lies buried in sand or mud with only its eyes showing, at night it comes "
        "out to look for worms and small crustaceans. It is fished at night from the beach or a boat, on the "
        "bottom with worms and small hooks, above all in murky water.",
    },
    {   // 102 Greater Weever
        102, "tracina", "Tracina", "Greater Weever", 374,
        15, 45, 1, 0.0f, 1.87f, 0.0151f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {1, 2}, 2, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0, 8, 10}, // depth kind, depth over, groundbait, baits
        8, 12, 16, 20, 0, // hooks, hook-link, bite
        {30, 30, 40, 60, 80, 100, 100, 100, 90, 70, 50, 30}, // months
        {80, 60, 60, 80, 100}, {2, 3, 4, 5, 6}, // day phases, regions
        "Pesce allungato con gli occhi in alto e la bocca obliqua, giallastro con linee oblique azzurre e "
        "marroni. Resta sepolto nella sabbia con i soli occhi e la prima dorsale fuori: le spine della "
        "dorsale e dell'opercolo sono velenose e la puntura \xE8 dolorosissima, anche per chi cammina in acqua "
        "bassa. Si pesca a fondo con vermi e gamberi; va maneggiato con grande attenzione.",
        "A long fish with eyes on top and an oblique mouth, yellowish with slanting blue and brown lines. It "
        "lies buried in sand with only its eyes and first dorsal fin showing: the spines of the dorsal fin "
        "and the gill cover are venomous and the sting is extremely painful, even for people wading in "
        "shallow water. It is fished on the bottom with worms and prawns and must be handled with great care.",
    },
    {   // 103 Striped Red Mullet
        103, "trigliaScoglio", "Triglia di Scoglio", "Striped Red Mullet", 375,
        12, 40, 1, 0.0f, 1.87f, 0.0201f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {4, 1, 0}, 0, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0}, // depth kind, depth over, groundbait, baits
        14, 18, 12, 16, 1, // hooks, hook-link, bite
        {50, 50, 60, 70, 80, 90, 100, 100, 100, 90, 70, 60}, // months
        {40, 100, 100, 40, 20}, {2, 3, 4, 5, 6}, // day phases, regions
        "Triglia dal corpo rosa-rossastro con strisce gialle longitudinali e la prima pinna dorsale striata; "
        "sotto il mento porta due lunghi barbigli con cui fruga nella sabbia. Vive su fondi misti, vicino "
        "alle scogliere e alle praterie, spesso seguita da altri pesci che approfittano del suo scavare. Si "
        "pesca a fondo con vermetti e gamberi; \xE8 tra i pesci pi\xF9 pregiati in cucina.",
        "A red mullet with a pinkish-red body, yellow lengthwise stripes and a striped first dorsal fin; "
        "under its chin it carries two long barbels with which it searches the sand. It lives over mixed "
        "ground near reefs and seagrass, often followed by other fish that take advantage of its digging. It "
        "is fished on the bottom with small worms and prawns and is one of the finest fish for the table.",
    },
    {   // 104 Red Mullet
        104, "trigliaFango", "Triglia di Fango", "Red Mullet", 376,
        10, 30, 1, 0.0f, 1.87f, 0.0193f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {2, 1}, 1, // venue types, currents, bottoms, clarity
        0, 0, 0, {7, 0}, // depth kind, depth over, groundbait, baits
        14, 18, 12, 14, 1, // hooks, hook-link, bite
        {50, 50, 60, 70, 80, 90, 100, 100, 100, 90, 70, 60}, // months
        {40, 100, 100, 40, 20}, {2, 3, 4, 5, 6}, // day phases, regions
        "Triglia dal profilo della testa quasi verticale, rosa uniforme senza strisce gialle, con due "
        "barbigli sotto il mento. Vive su fondi fangosi e sabbiosi, pi\xF9 al largo della triglia di scoglio, in "
        "branchi che rovistano nel fango in cerca di vermi e piccoli crostacei. Si pesca a fondo con "
        "vermetti, soprattutto dalla barca, con lenze leggere e piccoli ami.",
        "A red mullet with an almost vertical head profile, plain pink without yellow stripes, and two "
        "barbels under the chin. It lives over mud and sand, further offshore than the striped red mullet, in "
        "shoals that root in the mud for worms and small crustaceans. It is fished on the bottom with small "
        "worms, mostly from a boat, on light tackle with small hooks.",
    },
    {   // 106 Little Tunny
        106, "alletterato", "Alletterato", "Little Tunny", 391,
        30, 100, 1, 0.0f, 1.22f, 0.25f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {0, 1, 2, 3, 4}, 2, // venue types, currents, bottoms, clarity
        2, 2000, 0, {8, 9, 13}, // depth kind, depth over, groundbait, baits
        -2, 1, 40, 70, 0, // hooks, hook-link, bite
        {75, 50, 50, 50, 50, 75, 75, 75, 100, 100, 100, 100}, // months
        {100, 80, 60, 100, 100}, {3, 4, 5, 6}, // day phases, regions
        "Piccolo tunnide dal corpo fusiforme, con il dorso blu-verde disegnato da linee oblique ondulate e "
        "alcune macchie nere sotto la pettorale. Vive in branchi veloci sottocosta e al largo, e in autunno "
        "insegue acciughe e sardine facendole schizzare in superficie in vere mangianze. Si pesca a spinning "
        "e a traina con artificiali veloci; combatte con una forza sorprendente.",
        "A small tuna with a spindle-shaped body, its blue-green back drawn with wavy oblique lines and a few "
        "black spots below the pectoral fin. It lives in fast shoals both inshore and offshore, and in autumn "
        "it chases anchovies and sardines, driving them to the surface in feeding frenzies. It is fished by "
        "spinning and trolling with fast lures and fights with surprising strength.",
    },
    {   // 107 Ray's Bream
        107, "castagna", "Castagna", "Ray's Bream", 392,
        35, 70, 1, 0.0f, 1.82f, 0.0376f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {1, 2, 4}, 0, // venue types, currents, bottoms, clarity
        0, 5000, 0, {10, 12, 8}, // depth kind, depth over, groundbait, baits
        2, 6, 30, 40, 0, // hooks, hook-link, bite
        {80, 80, 80, 70, 60, 50, 50, 50, 60, 70, 80, 80}, // months
        {60, 20, 20, 60, 100}, {2, 3, 4, 5, 6}, // day phases, regions
        "Pesce d'alto mare dal corpo alto e compresso, bruno-scuro con riflessi argentei e grandi occhi, con "
        "la coda a falce. Vive in acque profonde e di notte sale verso la superficie a cacciare calamari e "
        "pesciolini. Compare lungo le coste soprattutto d'inverno, e si pesca di notte dalla barca con pezzi "
        "di pesce e di calamaro a media profondit\xE0, su fondali oltre i cinquanta metri.",
        "An offshore fish with a deep, flattened body, dark brown with silver glints, large eyes and a "
        "sickle-shaped tail. It lives in deep water and rises towards the surface at night to hunt squid and "
        "small fish. It appears along the coasts mostly in winter and is fished at night from a boat with "
        "pieces of fish and squid at middle depth, over bottoms deeper than fifty metres.",
    },
    {   // 108 White Grouper
        108, "cerniaBianca", "Cernia Bianca", "White Grouper", 393,
        40, 110, 1, 0.0f, 1.8f, 0.0327f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {1, 2, 4}, 0, // venue types, currents, bottoms, clarity
        0, 3000, 0, {8, 12, 10}, // depth kind, depth over, groundbait, baits
        -3, 1, 50, 80, 0, // hooks, hook-link, bite
        {40, 40, 50, 60, 70, 80, 100, 100, 100, 80, 60, 40}, // months
        {100, 80, 60, 100, 40}, {4, 5, 6}, // day phases, regions
        "Cernia dal corpo grigio-bronzeo con linee chiare oblique sulla testa, tipica dei mari caldi del sud. "
        "A differenza delle altre cernie preferisce i fondi sabbiosi e fangosi a quelli rocciosi, tra i "
        "trenta e i cento metri. Caccia pesci, calamari e crostacei. Si pesca dalla barca con il vivo o "
        "grossi calamari, e una volta allamata cerca subito riparo: serve una lenza robusta.",
        "A grouper with a grey-bronze body and pale oblique lines on the head, typical of the warm southern "
        "seas. Unlike other groupers it prefers sand and mud to rock, between thirty and a hundred metres. It "
        "hunts fish, squid and crustaceans. It is fished from a boat with live bait or big squid, and once "
        "hooked it makes at once for cover: strong tackle is needed.",
    },
    {   // 109 Dusky Grouper
        109, "cerniaBruna", "Cernia Bruna", "Dusky Grouper", 394,
        40, 130, 1, 0.0f, 1.87f, 0.0255f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {4}, 0, // venue types, currents, bottoms, clarity
        0, 2000, 0, {8, 12, 10}, // depth kind, depth over, groundbait, baits
        -5, 0, 60, 90, 0, // hooks, hook-link, bite
        {40, 40, 50, 60, 70, 80, 100, 100, 100, 80, 60, 40}, // months
        {100, 80, 60, 100, 40}, {3, 4, 5, 6}, // day phases, regions
        "La cernia per eccellenza: corpo massiccio bruno scuro marmorizzato di macchie chiare, bocca enorme "
        "con la mandibola sporgente. Vive in tane tra i massi e le grotte delle coste rocciose, da pochi "
        "metri a oltre cento, e pu\xF2 vivere cinquant'anni. Nasce femmina e diventa maschio da grande. Si pesca "
        "dalla barca con il vivo e lenza robusta: allamata, si incastra nella tana.",
        "The grouper par excellence: a massive dark brown body marbled with pale blotches and a huge mouth "
        "with a jutting lower jaw. It lives in holes among boulders and caves on rocky coasts, from a few "
        "metres to over a hundred, and can live fifty years. It is born female and becomes male when large. "
        "It is fished from a boat with live bait and strong tackle: once hooked, it wedges itself in its "
        "hole.",
    },
    {   // 110 Goldblotch Grouper
        110, "cerniaDorata", "Cernia Dorata", "Goldblotch Grouper", 395,
        40, 100, 1, 0.0f, 1.8f, 0.0327f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {4, 1}, 0, // venue types, currents, bottoms, clarity
        0, 3000, 0, {8, 12, 10}, // depth kind, depth over, groundbait, baits
        -3, 1, 50, 80, 0, // hooks, hook-link, bite
        {40, 40, 50, 60, 70, 80, 100, 100, 100, 80, 60, 40}, // months
        {100, 80, 60, 100, 40}, {4, 5, 6}, // day phases, regions
        "Cernia dal corpo pi\xF9 slanciato delle altre, bruna con strisce longitudinali scure nei giovani e una "
        "macchia dorata sul fianco negli adulti. Vive sui fondi rocciosi e misti dei mari caldi, soprattutto "
        "nel sud e nelle isole, tra i trenta e i cento metri, e si muove di pi\xF9 della cernia bruna. Si pesca "
        "con il vivo e con i calamari, a bolentino o a traina lenta.",
        "A grouper with a slimmer body than the others, brown with dark lengthwise stripes when young and a "
        "golden patch on the flank as an adult. It lives over rocky and mixed ground in the warm seas, mostly "
        "in the south and the islands, between thirty and a hundred metres, and roams more than the dusky "
        "grouper. It is fished with live bait and squid, on a bottom rig or by slow trolling.",
    },
    {   // 111 Atlantic Wreckfish
        111, "cerniaFondale", "Cernia Fondale", "Atlantic Wreckfish", 396,
        50, 180, 1, 0.0f, 1.87f, 0.0254f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {4, 2}, 0, // venue types, currents, bottoms, clarity
        0, 8000, 0, {8, 12, 10}, // depth kind, depth over, groundbait, baits
        -7, -2, 70, 90, 0, // hooks, hook-link, bite
        {60, 60, 60, 70, 70, 70, 70, 70, 70, 70, 60, 60}, // months
        {100, 80, 80, 100, 60}, {3, 4, 5, 6}, // day phases, regions
        "La cernia di profondit\xE0: corpo massiccio grigio-bruno, testa con una cresta ossea sull'opercolo, "
        "mandibola sporgente. Da giovane segue i relitti galleggianti in superficie, da adulta vive tra i "
        "cento e gli ottocento metri su fondi rocciosi e fangosi. Pu\xF2 superare i settanta chili. Si pesca solo dalla "
        "barca in acque molto profonde, con grossi calamari o pesci vivi e attrezzature pesanti.",
        "The deep-water grouper: a massive grey-brown body, a bony ridge on the gill cover and a jutting "
        "lower jaw. The young follow floating wreckage at the surface, the adults live between a hundred and "
        "eight hundred metres over rock and mud. It can exceed seventy kilos. It is fished only from a boat "
        "in very deep water with big squid or live fish on heavy tackle.",
    },
    {   // 112 Common Dentex
        112, "dentice", "Dentice", "Common Dentex", 397,
        30, 100, 1, 0.0f, 1.87f, 0.0242f, // sizes cm; weight law k, c, b, m
        {2}, {1, 2, 3}, {4, 1}, 0, // venue types, currents, bottoms, clarity
        0, 2000, 0, {8, 12, 13, 9}, // depth kind, depth over, groundbait, baits
        -2, 2, 40, 60, 0, // hooks, hook-link, bite
        {40, 40, 50, 70, 90, 100, 100, 90, 90, 90, 70, 50}, // months
        {100, 80, 40, 100, 20}, {3, 4, 5, 6}, // day phases, regions
        "Sparide predatore dal corpo alto, rosa-argenteo con puntini azzurri, la testa massiccia e la bocca "
        "armata di quattro grandi canini per mascella. Vive sui fondi rocciosi e sulle secche, dai dieci ai "
        "duecento metri, e caccia pesci, calamari e seppie. \xC8 il re della traina col vivo: si insidia "
        "all'alba con calamari e seppie vive, o a jigging sulle secche.",
        "A predatory sea bream with a deep, pink-silver body with blue dots, a massive head and a mouth armed "
        "with four great canines in each jaw. It lives over rocky ground and offshore banks from ten to two "
        "hundred metres and hunts fish, squid and cuttlefish. It is the king of live-bait trolling: it is "
        "fished at dawn with live squid and cuttlefish, or by jigging over the banks.",
    },
    {   // 113 Smallspotted Catshark
        113, "gattuccio", "Gattuccio", "Smallspotted Catshark", 398,
        30, 80, 1, 0.0f, 1.59f, 0.0165f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {1, 2, 4}, 2, // venue types, currents, bottoms, clarity
        0, 1500, 0, {10, 12, 7, 0}, // depth kind, depth over, groundbait, baits
        2, 6, 30, 40, 0, // hooks, hook-link, bite
        {80, 80, 80, 70, 60, 50, 50, 50, 60, 70, 80, 80}, // months
        {60, 20, 20, 60, 100}, {2, 3, 4, 5, 6}, // day phases, regions
        "Piccolo squalo di fondo dal corpo snello, color sabbia fittamente punteggiato di macchioline scure, "
        "con la pelle ruvida come carta vetrata. Vive su fondi sabbiosi e fangosi, dai venti ai quattrocento "
        "metri, e di notte caccia crostacei, molluschi e pesciolini. Abbocca spesso a chi pesca a fondo con "
        "pezzi di pesce e calamaro; innocuo, si avvolge sulla lenza quando viene salpato.",
        "A small bottom shark with a slim, sand-coloured body densely sprinkled with small dark spots and "
        "skin as rough as sandpaper. It lives over sand and mud from twenty to four hundred metres and hunts "
        "crustaceans, molluscs and small fish at night. It often takes baits of fish and squid fished on the "
        "bottom; harmless, it coils around the line as it is hauled in.",
    },
    {   // 114 Common Dolphinfish
        114, "lampuga", "Lampuga", "Common Dolphinfish", 399,
        40, 120, 1, 0.0f, 1.87f, 0.0138f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {0, 1, 2, 3, 4}, 0, // venue types, currents, bottoms, clarity
        1, 3000, 0, {8, 13, 9, 10}, // depth kind, depth over, groundbait, baits
        -2, 2, 35, 55, 0, // hooks, hook-link, bite
        {20, 20, 20, 30, 40, 60, 80, 100, 100, 100, 80, 40}, // months
        {100, 100, 80, 80, 10}, {3, 4, 5, 6}, // day phases, regions
        "La corifena: pesce d'alto mare dai colori incredibili, verde-oro e azzurro elettrico, con una lunga "
        "pinna dorsale dalla testa alla coda; i maschi hanno la fronte alta e squadrata. Vive in superficie e "
        "si raduna sotto qualsiasi oggetto galleggiante. Arriva nei nostri mari a fine estate e in autunno. "
        "Si pesca a traina e a spinning sotto i cannizzi; in canna salta di continuo.",
        "The mahi-mahi: an offshore fish of amazing colours, green-gold and electric blue, with a long dorsal "
        "fin from head to tail; the males have a tall, square forehead. It lives at the surface and gathers "
        "under any floating object. It reaches our seas in late summer and autumn. It is fished by trolling "
        "and spinning around floating rafts; once hooked it jumps again and again.",
    },
    {   // 115 Derbio
        115, "lecciaStella", "Leccia Stella", "Derbio", 400,
        20, 60, 1, 0.0f, 1.85f, 0.0196f, // sizes cm; weight law k, c, b, m
        {2}, {1, 2, 3}, {1}, 0, // venue types, currents, bottoms, clarity
        0, 1000, 0, {8, 13, 9, 0}, // depth kind, depth over, groundbait, baits
        4, 10, 22, 30, 0, // hooks, hook-link, bite
        {20, 20, 30, 40, 60, 90, 100, 100, 100, 90, 60, 30}, // months
        {100, 80, 60, 100, 20}, {2, 3, 4, 5, 6}, // day phases, regions
        "Piccolo carangide dal corpo compresso e argenteo, con una fila di macchie nere rotonde lungo i "
        "fianchi e la coda lunga e forcuta. Vive in branchi lungo le spiagge e nella risacca, cacciando "
        "pesciolini e gamberetti nella schiuma delle onde. Arriva d'estate e si pesca a spinning leggero, con "
        "piccoli artificiali o esche vive, dalle spiagge sabbiose oltre qualche metro di fondo.",
        "A small jack with a flattened silver body, a row of round black spots along the flanks and a long "
        "forked tail. It lives in shoals along beaches and in the surf, hunting small fish and shrimps in the "
        "foam of the waves. It arrives in summer and is fished by light spinning with small lures or live "
        "baits from sandy beaches beyond a few metres of depth.",
    },
    {   // 116 Blackspot Seabream
        116, "occhione", "Occhione", "Blackspot Seabream", 401,
        20, 60, 1, 0.0f, 1.86f, 0.0247f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {4, 2, 1}, 0, // venue types, currents, bottoms, clarity
        0, 8000, 0, {12, 10, 7, 0}, // depth kind, depth over, groundbait, baits
        4, 10, 25, 35, 1, // hooks, hook-link, bite
        {70, 70, 70, 70, 70, 60, 60, 60, 70, 80, 80, 80}, // months
        {100, 60, 60, 100, 80}, {2, 3, 4, 5, 6}, // day phases, regions
        "Il pagello occhione, sparide rosato dai grandi occhi, riconoscibile dalla macchia nera all'inizio "
        "della linea laterale, sopra la pettorale. Da giovane vive sottocosta, da adulto scende sui fondi "
        "profondi, fino a diverse centinaia di metri. Si pesca dalla barca a bolentino di profondit\xE0, oltre "
        "gli ottanta metri, con calamari, pezzi di pesce e gamberi; ottimo in cucina.",
        "The blackspot seabream, a pinkish sea bream with large eyes, known by the black spot at the start of "
        "its lateral line above the pectoral fin. The young live inshore, the adults go down to deep ground, "
        "as far as several hundred metres. It is fished from a boat with a deep bottom rig, beyond eighty "
        "metres, with squid, pieces of fish and prawns; excellent on the table.",
    },
    {   // 117 Atlantic Bonito
        117, "palamita", "Palamita", "Atlantic Bonito", 402,
        35, 80, 1, 0.0f, 1.79f, 0.0295f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {0, 1, 2, 3, 4}, 0, // venue types, currents, bottoms, clarity
        2, 2000, 0, {8, 13, 9, 10}, // depth kind, depth over, groundbait, baits
        -1, 4, 35, 50, 0, // hooks, hook-link, bite
        {40, 40, 40, 50, 60, 60, 70, 80, 100, 100, 100, 80}, // months
        {100, 80, 40, 100, 40}, {2, 3, 4, 5, 6}, // day phases, regions
        "Tunnide slanciato dal dorso blu-acciaio attraversato da strisce oblique scure e dai fianchi "
        "argentei, con la bocca armata di denti conici. Vive in branchi veloci in acque aperte e si avvicina "
        "alla costa in autunno e in inverno, inseguendo acciughe e sardine. Si pesca a traina costiera e a "
        "spinning con artificiali veloci, e dai moli quando entra nei porti.",
        "A slim tuna with a steel-blue back crossed by dark oblique stripes, silver flanks and a mouth armed "
        "with conical teeth. It lives in fast shoals in open water and comes inshore in autumn and winter, "
        "chasing anchovies and sardines. It is fished by coastal trolling and spinning with fast lures, and "
        "from the piers when it enters the harbours.",
    },
    {   // 118 Angler
        118, "ranaPescatrice", "Rana Pescatrice", "Angler", 403,
        30, 130, 1, 0.0f, 1.87f, 0.0279f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1}, {1, 2, 4}, 2, // venue types, currents, bottoms, clarity
        0, 5000, 0, {8, 10, 12}, // depth kind, depth over, groundbait, baits
        -4, 1, 50, 80, 0, // hooks, hook-link, bite
        {80, 80, 80, 70, 60, 50, 50, 50, 60, 70, 80, 80}, // months
        {60, 60, 60, 60, 80}, {2, 3, 4, 5, 6}, // day phases, regions
        "Il pescatore, o coda di rospo: testa enorme e piatta, bocca gigantesca piena di denti ricurvi e "
        "corpo che si assottiglia verso la coda. Il primo raggio della dorsale \xE8 una canna con un'esca "
        "carnosa che agita per attirare le prede. Resta immobile sul fondo, mimetico, dai cinquanta a "
        "centinaia di metri. Si cattura dalla barca a fondo con pesci vivi o interi.",
        "The angler, or monkfish: a huge, flat head, a gigantic mouth full of curved teeth and a body that "
        "tapers towards the tail. The first ray of its dorsal fin is a rod tipped with a fleshy lure that it "
        "waves to attract prey. It lies still and camouflaged on the bottom, from fifty to hundreds of "
        "metres. It is caught from a boat on the bottom with live or whole fish.",
    },
    {   // 119 Greater Amberjack
        119, "ricciola", "Ricciola", "Greater Amberjack", 404,
        40, 170, 1, 0.0f, 1.87f, 0.0219f, // sizes cm; weight law k, c, b, m
        {2}, {1, 2, 3}, {4, 1}, 0, // venue types, currents, bottoms, clarity
        0, 2000, 0, {8, 13, 9, 12}, // depth kind, depth over, groundbait, baits
        -6, 0, 50, 90, 0, // hooks, hook-link, bite
        {20, 20, 30, 40, 60, 80, 100, 100, 100, 100, 70, 30}, // months
        {100, 80, 60, 100, 30}, {3, 4, 5, 6}, // day phases, regions
        "Il pi\xF9 grande carangide del Mediterraneo: corpo potente e affusolato, dorso blu-violaceo, una banda "
        "dorata lungo i fianchi e una fascia scura obliqua sull'occhio. Caccia in branchi attorno a secche, "
        "relitti e scogliere profonde, e pu\xF2 superare il metro e mezzo. Si pesca a traina col vivo e a "
        "jigging verticale; la sua forza mette in crisi qualsiasi attrezzatura.",
        "The largest jack of the Mediterranean: a powerful streamlined body, a blue-violet back, a golden "
        "band along the flanks and a dark oblique stripe through the eye. It hunts in packs around offshore "
        "banks, wrecks and deep reefs and can grow past a metre and a half. It is fished by live-bait "
        "trolling and vertical jigging; its strength puts any tackle to the test.",
    },
    {   // 120 Silver Scabbardfish
        120, "sciabola", "Sciabola", "Silver Scabbardfish", 405,
        60, 200, 1, 0.0f, 1.48f, 0.0103f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {2, 1}, 0, // venue types, currents, bottoms, clarity
        0, 6000, 0, {10, 12, 8}, // depth kind, depth over, groundbait, baits
        0, 4, 40, 60, 0, // hooks, hook-link, bite
        {80, 80, 80, 70, 60, 50, 50, 50, 60, 70, 80, 80}, // months
        {100, 20, 20, 100, 100}, {2, 3, 4, 5, 6}, // day phases, regions
        "Il pesce spatola: corpo lunghissimo e nastriforme, argento lucente, con le pinne ventrali ridotte a due scagliette e una "
        "bocca armata di denti a zanna. Vive in profondit\xE0 e di notte sale verso la superficie a caccia di "
        "pesciolini, calamari e gamberi. D'inverno si avvicina alla costa e si pesca di notte dai porti e "
        "dalle barche con pesce, spesso con una luce, usando terminali resistenti ai denti.",
        "The scabbardfish: a very long, ribbon-like body of shining silver, pelvic fins reduced to two tiny scales and a "
        "mouth armed with fangs. It lives in deep water and rises towards the surface at night to hunt small "
        "fish, squid and prawns. In winter it comes close to the coast and is fished at night from harbours "
        "and boats with fish bait, often with a light, on traces that resist its teeth.",
    },
    {   // 121 Piked Dogfish
        121, "spinarolo", "Spinarolo", "Piked Dogfish", 406,
        50, 120, 1, 0.0f, 1.79f, 0.01f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {2, 1}, 0, // venue types, currents, bottoms, clarity
        0, 4000, 0, {10, 12, 8}, // depth kind, depth over, groundbait, baits
        -1, 4, 40, 60, 0, // hooks, hook-link, bite
        {80, 80, 80, 70, 60, 50, 50, 50, 60, 70, 80, 80}, // months
        {60, 40, 40, 60, 100}, {2, 3, 4, 5, 6}, // day phases, regions
        "Piccolo squalo grigio-ardesia punteggiato di bianco sui fianchi, con una robusta spina davanti a "
        "ciascuna delle due pinne dorsali, legata a una ghiandola velenosa. Vive in branchi sui fondi fangosi "
        "e sabbiosi, dai cinquanta a diverse centinaia di metri, e si nutre di pesci e calamari. Si pesca "
        "dalla barca a fondo con pesce e calamaro; attenzione alle spine.",
        "A small slate-grey shark dotted with white on the flanks, with a strong spine in front of each of "
        "its two dorsal fins, linked to a venom gland. It lives in schools over mud and sand from fifty to "
        "several hundred metres and feeds on fish and squid. It is fished from a boat on the bottom with fish "
        "and squid; beware of the spines.",
    },
    {   // 122 Black Seabream
        122, "tanuta", "Tanuta", "Black Seabream", 407,
        15, 50, 1, 0.0f, 1.87f, 0.0253f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2}, {4, 0, 1}, 0, // venue types, currents, bottoms, clarity
        0, 1500, 0, {7, 0, 12, 10}, // depth kind, depth over, groundbait, baits
        8, 12, 18, 22, 1, // hooks, hook-link, bite
        {50, 50, 60, 70, 80, 90, 100, 100, 100, 90, 70, 60}, // months
        {100, 80, 80, 100, 20}, {2, 3, 4, 5, 6}, // day phases, regions
        "Sparide dal corpo ovale grigio-argenteo, con linee longitudinali dorate e un profilo della testa "
        "concavo; i maschi in amore diventano scuri con una fascia chiara. Vive su fondi misti di roccia, "
        "sabbia e posidonia, dai quindici ai cinquanta metri, spesso in branchi. Il maschio scava nella "
        "sabbia un nido che sorveglia. Si pesca a bolentino con vermi, gamberi e calamaro.",
        "A sea bream with an oval grey-silver body, golden lengthwise lines and a concave head profile; "
        "breeding males turn dark with a pale band. It lives over mixed ground of rock, sand and seagrass "
        "from fifteen to fifty metres, often in shoals. The male digs a nest in the sand and guards it. It is "
        "fished with a bottom rig from a boat using worms, prawns and squid.",
    },
    {   // 123 Bullet Tuna
        123, "tombarello", "Tombarello", "Bullet Tuna", 408,
        25, 50, 1, 0.0f, 1.87f, 0.0254f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {0, 1, 2, 3, 4}, 0, // venue types, currents, bottoms, clarity
        1, 2000, 0, {13, 9, 8, 10}, // depth kind, depth over, groundbait, baits
        2, 8, 30, 40, 0, // hooks, hook-link, bite
        {20, 20, 30, 40, 60, 80, 90, 100, 100, 100, 70, 40}, // months
        {100, 80, 60, 100, 20}, {2, 3, 4, 5, 6}, // day phases, regions
        "Il pi\xF9 piccolo dei tunnidi mediterranei, dal corpo tondeggiante, dorso blu scuro con strisce oblique "
        "ondulate e ventre argenteo. Vive in grandi branchi che cacciano a galla le acciughe, ribollendo in "
        "superficie, e si avvicina alla costa in estate e in autunno. Si pesca a traina costiera e a spinning "
        "con piccoli artificiali veloci lanciati nelle mangianze.",
        "The smallest of the Mediterranean tunas, with a rounded body, a dark blue back with wavy oblique "
        "stripes and a silver belly. It lives in large shoals that hunt anchovies at the top, making the "
        "surface boil, and comes close inshore in summer and autumn. It is fished by coastal trolling and "
        "spinning with small, fast lures cast into the feeding frenzies.",
    },
    {   // 126 Mediterranean Spearfish
        126, "agugliaImperiale", "Aguglia Imperiale", "Mediterranean Spearfish", 415,
        100, 240, 3, 5000.0f, 1.64f, 0.0104f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {0, 1, 2, 3, 4}, 0, // venue types, currents, bottoms, clarity
        2, 0, 0, {8, 13, 9, 12}, // depth kind, depth over, groundbait, baits
        -7, -4, 70, 90, 0, // hooks, hook-link, bite
        {20, 20, 30, 50, 70, 90, 100, 100, 100, 80, 50, 30}, // months
        {100, 80, 60, 80, 40}, {3, 4, 5, 6}, // day phases, regions
        "L'unico pesce della famiglia dei marlin originario del Mediterraneo: corpo lungo e sottile, blu "
        "scuro sul dorso e argenteo sotto, con un rostro breve e una lunga pinna dorsale alta a vela. Vive in "
        "alto mare, vicino alla superficie, e caccia aguglie, sgombri e calamari. Si cattura raramente, a "
        "traina d'altura con esche vive o artificiali, e in canna regala salti acrobatici. Va rilasciato.",
        "The only member of the marlin family native to the Mediterranean: a long, slim body, dark blue above "
        "and silver below, with a short bill and a long, tall sail-like dorsal fin. It lives offshore near "
        "the surface and hunts garfish, mackerel and squid. It is caught only rarely, by offshore trolling "
        "with live baits or lures, and jumps acrobatically when hooked. It should be released.",
    },
    {   // 127 White Marlin
        127, "marlinBianco", "Marlin Bianco", "White Marlin", 416,
        80, 230, 1, 5000.0f, 1.1f, 1.4f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {0, 1, 2, 3, 4}, 2, // venue types, currents, bottoms, clarity
        2, 0, 0, {8, 12, 0, 13}, // depth kind, depth over, groundbait, baits
        -7, -4, 70, 90, 0, // hooks, hook-link, bite
        {30, 30, 60, 80, 100, 100, 100, 100, 100, 80, 60, 40}, // months
        {100, 75, 40, 40, 60}, {2, 4, 6}, // day phases, regions
        "Marlin atlantico dal lungo rostro, dorso blu scuro e fianchi argentei con strisce verticali chiare, "
        "pinne dalle punte arrotondate. Pesce oceanico, entra raramente nel Mediterraneo occidentale seguendo "
        "le correnti calde. Veloce e acrobatico, caccia in superficie sgombri, aguglie e calamari. Si pesca a "
        "traina d'altura con esche vive o artificiali e si rilascia dopo la cattura.",
        "An Atlantic marlin with a long bill, a dark blue back and silver flanks with pale vertical bars, and "
        "round-tipped fins. An ocean fish, it rarely enters the western Mediterranean following the warm "
        "currents. Fast and acrobatic, it hunts mackerel, garfish and squid at the surface. It is fished by "
        "offshore trolling with live baits or lures and released after capture.",
    },
    {   // 128 Swordfish
        128, "spada", "Spada", "Swordfish", 417,
        90, 270, 2, 5000.0f, 1.86f, 0.0128f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {0, 1, 2, 3, 4}, 0, // venue types, currents, bottoms, clarity
        2, 0, 0, {8, 12, 10}, // depth kind, depth over, groundbait, baits
        -7, -3, 80, 90, 0, // hooks, hook-link, bite
        {40, 40, 50, 60, 80, 100, 100, 100, 90, 70, 50, 40}, // months
        {60, 20, 20, 60, 100}, {3, 4, 5, 6}, // day phases, regions
        "Il pesce spada: corpo possente senza squame da adulto, dorso bruno-violaceo e un lungo rostro "
        "piatto, affilato come una spada, che usa per ferire le prede. Di giorno scende a centinaia di metri, "
        "di notte sale in superficie a caccia di calamari e pesci. Lo Stretto di Messina \xE8 famoso per la sua "
        "pesca tradizionale. Si insidia di notte a drifting con calamari e luci.",
        "The swordfish: a powerful body without scales as an adult, a violet-brown back and a long, flat "
        "bill, sharp as a sword, which it uses to wound its prey. By day it goes down hundreds of metres, at "
        "night it rises to the surface to hunt squid and fish. The Strait of Messina is famous for its "
        "traditional swordfish hunt. It is fished at night by drifting with squid and lights.",
    },
    {   // 129 Blue Shark
        129, "verdesca", "Verdesca", "Blue Shark", 418,
        100, 270, 1, 5000.0f, 1.87f, 0.0107f, // sizes cm; weight law k, c, b, m
        {2}, {0, 1, 2, 3}, {0, 1, 2, 3, 4}, 2, // venue types, currents, bottoms, clarity
        2, 0, 0, {10, 8, 12}, // depth kind, depth over, groundbait, baits
        -7, -3, 80, 90, 0, // hooks, hook-link, bite
        {40, 40, 50, 60, 80, 100, 100, 100, 100, 80, 60, 40}, // months
        {80, 60, 60, 80, 100}, {2, 3, 4, 5, 6}, // day phases, regions
        "Lo squalo azzurro: corpo slanciato blu intenso sul dorso e bianco sul ventre, muso lungo e appuntito "
        "e lunghe pinne pettorali a falce. Vive in alto mare in tutto il Mediterraneo, dalla superficie a "
        "centinaia di metri, e segue le scie di pastura anche per chilometri. Si pesca in drifting con "
        "pastura di sarde e tranci di pesce; combatte a lungo e va rilasciato.",
        "The blue shark: a slender body of deep blue on the back and white below, a long, pointed snout and "
        "long sickle-shaped pectoral fins. It lives offshore throughout the Mediterranean, from the surface "
        "down to hundreds of metres, and follows a chum slick even for kilometres. It is fished by drifting "
        "with sardine chum and chunks of fish; it fights for a long time and should be released.",
    },
};
const int kSeaSpeciesCount = static_cast<int>(sizeof kSeaSpecies / sizeof kSeaSpecies[0]);
// clang-format on
