// The words each level asks, two lists to a level, exactly as the game asks them (odd spellings
// and repeats included: each entry is asked in its turn). A list is as long as its words; only the
// level table (game/Levels.cpp) and tests read this file, so a new list rebuilds nothing else.
#pragma once

#include <string_view>

namespace wordlists {
// Easy, first list.
inline constexpr std::string_view easyFirst[] = {
    "talk", "walk", "stalk", "hide", "ride", "side", "wide", "tide", "like", "hike",
    "pike", "alike", "spike", "trike", "fly", "sky", "why", "try", "cry", "pry",
    "ply", "fry", "ally", "alley", "galley", "gallery", "hail", "rail", "bail", "tail",
    "sail", "sale", "pail", "pale", "whale", "wail", "fail", "fame", "game", "same",
    "name", "tame", "flame", "blame", "brain", "grain", "train", "story", "half", "bath",
    "loud", "pound", "sound", "round", "found", "wound", "cost", "lost", "toast", "roast",
    "coast", "post", "lost", "cost", "hound", "mound", "ground", "groan", "moan", "moon",
};

// Easy, second list.
inline constexpr std::string_view easySecond[] = {
    "holy", "soon", "spoon", "tune", "queen", "king", "thing", "pour", "sore", "pore",
    "poor", "roar", "raw", "paw", "soap", "bead", "drop", "crop", "flop", "slop",
    "hoop", "loop", "coop", "soup", "troop", "rope", "lope", "mope", "tray", "flay",
    "fray", "drey", "bray", "array", "stray", "straw", "draw", "flaw", "floor", "bore",
    "gore", "adore", "ignore", "light", "fight", "right", "alight", "bright", "white", "sight",
    "tight", "kite", "whole", "vowel", "hello", "trowel", "mule", "mouse", "house", "lousy",
    "noisy", "toys", "voice", "annoy", "destroy", "envoy", "joyous", "happy", "snappy", "entrap",
};

// Medium, first list.
inline constexpr std::string_view mediumFirst[] = {
    "dread", "worst", "stealth", "hidden", "rough", "single", "wicked", "tardy", "laughter", "height",
    "pickled", "similar", "sunken", "trinket", "fortunate", "silken", "chandler", "wavering", "trusty", "careful",
    "hasten", "praise", "pliant", "frighten", "alloy", "hearty", "astonish", "glasses", "freight", "taught",
    "battled", "timer", "shale", "selling", "paltry", "poultry", "whipping", "waif", "familiar", "famished",
    "gamble", "gambol", "naughty", "teaser", "flamenco", "brass", "biscuit", "granule", "traverse", "covering",
    "recover", "smother", "mother", "farther", "father", "smoother", "groove", "lather", "laughter", "softer",
    "soften", "cooking", "spoken", "treasure", "golden", "glamour", "weather", "whether", "wetter", "wetten",
};

// Medium, second list.
inline constexpr std::string_view mediumSecond[] = {
    "further", "sweeter", "sweater", "blazer", "brassy", "breather", "heather", "happened", "contour", "sudden",
    "sullen", "perfect", "dangerous", "humbling", "jousting", "holidays", "solidly", "solder", "master", "mistress",
    "hostess", "manners", "mannerism", "conforting", "ballet", "trouble", "bubble", "rubble", "rumble", "grumble",
    "vallet", "wallet", "swallow", "wallow", "furious", "curious", "plural", "rural", "urban", "suburb",
    "rhubarb", "custard", "mustard", "entrust", "robust", "modern", "padlock", "theatre", "striking", "tubular",
    "machine", "lavish", "leather", "invalid", "inquire", "hinder", "adorable", "telephone", "wrestle", "ripple",
    "timbered", "constrain", "magazine", "curtain", "casual", "blizzard", "avenue", "flavour", "inform", "nylon",
};

// Harder, first list.
inline constexpr std::string_view harderFirst[] = {
    "discussion", "meander", "fastness", "homeliness", "ridicule", "position", "width", "tithe", "likeliness", "discussion",
    "paternal", "agility", "spangle", "sacrifice", "elegance", "flight", "dusky", "whey", "tarry", "reasoning",
    "purvey", "convey", "foray", "allot", "clamber", "clamour", "gladiator", "weighty", "prevalence", "battlements",
    "towering", "salivate", "tavern", "putrefy", "pallor", "whisking", "winding", "familiar", "famished", "gravity",
    "seasoning", "nuisance", "terror", "flammable", "wheeling", "brethren", "greatness", "trailing", "conveyance", "annoyance",
    "reliant", "dependant", "depending", "respecting", "forgiving", "laughable", "laudable", "audible", "legible", "literate",
    "illiterate", "illustrate", "compound", "plastered", "mastering", "fantastic", "expensive", "outrageous", "gorgeous", "marvellous",
};

// Harder, second list.
inline constexpr std::string_view harderSecond[] = {
    "blunderbuss", "enormous", "national", "international", "revolution", "smashing", "government", "happiness", "soldiering", "fanciful",
    "thankfully", "merciful", "fortuitous", "unforgivable", "speciality", "blunderingly", "thunderingly", "lightening", "enlightening", "retarding",
    "sumptuous", "fledgeling", "interview", "interchange", "hatchery", "frothiness", "evacuation", "electronics", "documentary", "detachment",
    "concession", "pillory", "overdraft", "nightgown", "machinery", "likelihood", "journalism", "irreversible", "incinerate", "gymnastics",
    "forthright", "erroneous", "doughnut", "decietfully", "convalescence", "commemorate", "bumptious", "baptismal", "autonomous", "aggressively",
    "gargantuan", "functionally", "favouritism", "ergonomically", "dramatize", "patriotically", "sluggishly", "plasticine", "marinade", "interruption",
    "fortification", "excursion", "displeasure", "diagram", "criminally", "columnist", "bureaucracy", "automobile", "apologetically", "eroneous",
};

// Difficult, first list.
inline constexpr std::string_view difficultFirst[] = {
    "devious", "antagonists", "inscrutible", "mountaineering", "combustible", "obnoxious", "horrendous", "conflicting", "similarity", "confusion",
    "apoplexy", "sacrificial", "perplexing", "uninitiate", "chastity", "serendipity", "hastening", "cantankerous", "robustness", "possibility",
    "ingratitude", "ingratiate", "camouflage", "plasticity", "perspicacious", "precocious", "laudability", "venerable", "formidable", "ominous",
    "ambiguity", "convenience", "depravity", "hillarious", "unbelievable", "validity", "consumption", "fragility", "glamorous", "supercilious",
    "superfluous", "pandering", "chamois", "gracefulness", "conquering", "alleviating", "associating", "confirmation", "pragmatism", "fulfilling",
    "empathy", "compassionate", "realigning", "dismembering", "dissecting", "wallowing", "canoeing", "conniving", "carnivorous", "herbivorous",
    "scandalous", "compelling", "consistently", "remarkable", "superfluously", "contaminating", "solidarity", "worryingly", "consequences", "mercifully",
};

// Difficult, second list.
inline constexpr std::string_view difficultSecond[] = {
    "enthusiasm", "lethargy", "permeable", "fanaticism", "engratiate", "pizza", "league", "discord", "familiar", "insatiably",
    "marquee", "playwright", "president", "scholarly", "aerate", "compunction", "condescend", "somnambulist", "tantamount", "ceremonious",
    "henceforward", "fluorescence", "demilitarize", "countenance", "communicative", "bludgeoning", "assassinate", "passionate", "manoeuvrable", "lamentably",
    "intercession", "impecunious", "grammatical", "forethought", "facsimile", "dissemination", "capitalization", "blandishments", "barbarously", "protectionism",
    "naturalism", "luminosity", "knickerbockers", "inopportune", "hypothetically", "gamesmanship", "entanglement", "dissatisfaction", "passionately", "lieutenant",
    "industriously", "handkerchief", "gravitation", "gabardine", "futuristically", "protuberance", "pirouette", "overwrought", "marauding", "manoeuvrable",
    "jurisdiction", "itinery", "indiscriminate", "graciousness", "formulation", "incinerate", "coerce", "ravine", "abstain", "hymn",
};

}  // namespace wordlists
