// The catalogue of countries and capitals, with its easy set of well-known countries.
#include "content/Catalogue.h"

#include <cstring>

#include "state/State.h"

namespace
{

struct Entry {
    const char *state;
    const char *city;
};

// Indexed by entry. The continent groups are runs of this table (see Select).
const Entry kEntries[kCatalogueSize] = {
    {"blankState", "blankCapital"},      // 0 withdrawn
    {"Germany", "Berlin"},               // 1
    {"Spain", "Madrid"},                 // 2
    {"Italy", "Rome"},                   // 3
    {"Belgium", "Brussels"},             // 4
    {"Wales", "Cardiff"},                // 5
    {"Scotland", "Edinburgh"},           // 6
    {"England", "London"},               // 7
    {"N.Ireland", "Belfast"},            // 8
    {"Greece", "Athens"},                // 9
    {"Denmark", "Copenhagen"},           // 10
    {"Iceland", "Reykjavik"},            // 11
    {"Norway", "Oslo"},                  // 12
    {"Sweden", "Stockholm"},             // 13
    {"Finland", "Helsinki"},             // 14
    {"Estonia", "Tallinn"},              // 15
    {"Latvia", "Riga"},                  // 16
    {"Lithuania", "Vilnyus"},            // 17
    {"Poland", "Warsaw"},                // 18
    {"Netherlands", "Amsterdam"},        // 19
    {"Czech Republic", "Prague"},        // 20
    {"Austria", "Vienna"},               // 21
    {"Ireland", "Dublin"},               // 22
    {"Portugal", "Lisbon"},              // 23
    {"Switzerland", "Bern"},             // 24
    {"Hungary", "Budapest"},             // 25
    {"Romania", "Bucharest"},            // 26
    {"Bulgaria", "Sofia"},               // 27
    {"Albania", "Tirane"},               // 28
    {"Russia", "Moscow"},                // 29
    {"France", "Paris"},                 // 30
    {"Belarus", "Minsk"},                // 31
    {"Bosnia", "Sarajevo"},              // 32
    {"Croatia", "Zagreb"},               // 33
    {"Cypress", "Nicosia"},              // 34
    {"Faroe Islands", "Torshavn"},       // 35
    {"Macedonia", "Skopje"},             // 36
    {"Serbia", "Belgrade"},              // 37
    {"Slovakia", "Bratislava"},          // 38
    {"Slovenia", "Ljubljana"},           // 39
    {"Liechtenstein", "Vaduz"},          // 40
    {"Georgia", "Tbilisi"},              // 41
    {"Malta", "Valletta"},               // 42
    {"Maldova", "Chisinau"},             // 43
    {"Ukraine", "Kiev"},                 // 44
    {"Canada", "Ottawa"},                // 45
    {"U.S.A.", "Washington DC"},         // 46
    {"Mexico", "Mexico City"},           // 47
    {"Guatemala", "Guatemala City"},     // 48
    {"Honduras", "Tegucigalpa"},         // 49
    {"Belize", "Belmopan"},              // 50
    {"El Salvador", "San Salvador"},     // 51
    {"Nicaragua", "Managua"},            // 52
    {"Costa Rica", "San Jose"},          // 53
    {"Panama", "Panama City"},           // 54
    {"Cuba", "Havana"},                  // 55
    {"Jamaica", "Kingston"},             // 56
    {"Brazil", "Brasilia"},              // 57
    {"Bolivia", "La Paz"},               // 58
    {"Peru", "Lima"},                    // 59
    {"Ecuador", "Quito"},                // 60
    {"Colombia", "Bogota"},              // 61
    {"Venezuela", "Caracas"},            // 62
    {"Guyana", "Georgetown"},            // 63
    {"Surinam", "Paramaribo"},           // 64
    {"French Guiana", "Cayenne"},        // 65
    {"Argentina", "Buenos Aires"},       // 66
    {"Chile", "Santiago"},               // 67
    {"Paraguay", "Asuncion"},            // 68
    {"Uruguay", "Montevideo"},           // 69
    {"Falkland Islands", "Stanley"},     // 70
    {"Bermuda", "Hamilton"},             // 71
    {"blankCountry", "blankCapital"},    // 72 withdrawn
    {"blankCountry", "blankCapital"},    // 73 withdrawn
    {"blankCountry", "blankCapital"},    // 74 withdrawn
    {"blankCountry", "blankCapital"},    // 75 withdrawn
    {"Bahamas", "Nassau"},               // 76
    {"Barbados", "Bridgetown"},          // 77
    {"Dominica", "Roseau"},              // 78
    {"Dominican Rep.", "Santo Domingo"}, // 79
    {"Greenland", "Nuuk"},               // 80
    {"Grenada", "St George's"},          // 81
    {"Puerto Rico", "San Juan"},         // 82
    {"Haiti", "Port-au-Prince"},         // 83
    {"Western Sahara", "Laayoune"},      // 84
    {"Algeria", "Algiers"},              // 85
    {"Libya", "Tripoli"},                // 86
    {"Tunisia", "Tunis"},                // 87
    {"Egypt", "Cairo"},                  // 88
    {"Mauritania", "Nouakchott"},        // 89
    {"Senegal", "Dakar"},                // 90
    {"Guinea", "Conakry"},               // 91
    {"Sierra Leone", "Freetown"},        // 92
    {"Liberia", "Monrovia"},             // 93
    {"Ivory Coast", "Yamoussoukro"},     // 94
    {"Ghana", "Accra"},                  // 95
    {"Mali", "Bamako"},                  // 96
    {"Benin", "Porto-Novo"},             // 97
    {"Togo", "Lome"},                    // 98
    {"Nigeria", "Abuja"},                // 99
    {"Cameroon", "Yaounde"},             // 100
    {"Equ. Guinea", "Malabo"},           // 101
    {"Gabon", "Libreville"},             // 102
    {"Niger", "Niamey"},                 // 103
    {"Chad", "N'Djamena"},               // 104
    {"Sudan", "Khartoum"},               // 105
    {"Eritrea", "Asmara"},               // 106
    {"Ethiopia", "Addis Ababa"},         // 107
    {"Somalia", "Mogadishu"},            // 108
    {"Congo", "Brazzaville"},            // 109
    {"Cen African Rep", "Bangui"},       // 110
    {"Zaire", "Kinshasa"},               // 111
    {"Uganda", "Kampala"},               // 112
    {"Kenya", "Nairobi"},                // 113
    {"Rwanda", "Kigali"},                // 114
    {"Burundi", "Bujumbura"},            // 115
    {"Tanzania", "Dar es Salaam"},       // 116
    {"Zambia", "Lusaka"},                // 117
    {"Zimbabwe", "Harare"},              // 118
    {"Mozambique", "Maputo"},            // 119
    {"Namibia", "Windhoek"},             // 120
    {"Angola", "Luanda"},                // 121
    {"Botswana", "Gaborone"},            // 122
    {"South Africa", "Pretoria"},        // 123
    {"Lesotho", "Maseru"},               // 124
    {"Madagascar", "Antananarivo"},      // 125
    {"Morocco", "Rabat"},                // 126
    {"Burkina Faso", "Ouagadougou"},     // 127
    {"Cape Verde", "Praia"},             // 128
    {"Equ. Guinea", "Milabo"},           // 129
    {"Gambia", "Banjul"},                // 130
    {"Guinea-Bissau", "Bissau"},         // 131
    {"Mauritius", "Port Louis"},         // 132
    {"Seychelles", "Victoria"},          // 133
    {"Swaziland", "Mbabane"},            // 134
    {"blankCountry", "blankCapital"},    // 135 withdrawn
    {"Turkey", "Ankara"},                // 136
    {"Syria", "Damascus"},               // 137
    {"Lebanon", "Beirut"},               // 138
    {"Israel", "Jerusalem"},             // 139
    {"Jordan", "Amman"},                 // 140
    {"Saudi Arabia", "Riyadh"},          // 141
    {"Iraq", "Baghdad"},                 // 142
    {"Kuwait", "Kuwait"},                // 143
    {"Bahrain", "Manama"},               // 144
    {"Southern Yemen", "Aden"},          // 145 withdrawn
    {"Oman", "Muscat"},                  // 146
    {"Yemen", "San'a"},                  // 147
    {"Iran", "Tehran"},                  // 148
    {"Afghanistan", "Kabul"},            // 149
    {"Pakistan", "Islamabad"},           // 150
    {"India", "New Delhi"},              // 151
    {"Nepal", "Katmandu"},               // 152
    {"Bangladesh", "Dhaka"},             // 153
    {"Burma", "Rangoon"},                // 154
    {"Thailand", "Bangkok"},             // 155
    {"Vietnam", "Hanoi"},                // 156
    {"Laos", "Vientiane"},               // 157
    {"Malaysia", "Kuala Lumpur"},        // 158
    {"Indonesia", "Jakarta"},            // 159
    {"Cambodia", "Phnom Penh"},          // 160
    {"China", "Beijing"},                // 161
    {"Taiwan", "Taipei"},                // 162
    {"Philippines", "Manila"},           // 163
    {"Japan", "Tokyo"},                  // 164
    {"North Korea", "Pyongyang"},        // 165
    {"South Korea", "Seoul"},            // 166
    {"Mongolia", "Ulan Bator"},          // 167
    {"Sri Lanka", "Colombo"},            // 168
    {"Armenia", "Yerevan"},              // 169
    {"Azerbaijan", "Baku"},              // 170
    {"Bhutan", "Thimphu"},               // 171
    {"Kazakstan", "Astana"},             // 172
    {"Kyrgyzstan", "Bishkek"},           // 173
    {"Maldives", "Male"},                // 174
    {"Papua N. Guinea", "Port Moresby"}, // 175
    {"Australia", "Canberra"},           // 176
    {"New Zealand", "Wellington"},       // 177
    {"Qatar", "Doha"},                   // 178
    {"Tajikstan", "Dushanbe"},           // 179
    {"Turkmenistan", "Ashgabat"},        // 180
    {"Utd. Arab Emir.", "Abu Dhabi"},    // 181
    {"Uzbekistan", "Tashkent"},          // 182
    {"East Timor", "Dili"},              // 183
    {"blankCountry", "blankCapital"},    // 184 withdrawn
    {"blankCountry", "blankCapital"},    // 185 withdrawn
};

// Entries kept in the catalogue but never put into a game.
const int kWithdrawn[] = {0, 72, 73, 74, 75, 135, 145, 184, 185};

// The easy set, as runs of entries (both ends included).
const struct {
    int first, last;
} kEasyRuns[] = {
    {1, 14},    {18, 24},   {29, 30},   {45, 47},   {54, 57},   {66, 66},
    {85, 85},   {88, 88},   {113, 113}, {118, 118}, {123, 123}, {136, 139},
    {142, 142}, {151, 151}, {161, 161}, {163, 164}, {176, 177},
};

int CountryNumber(int entry)
{
    for (int w : kWithdrawn)
        if (w == entry)
            return kNeverDrawn;
    return entry;
}

} // namespace

void LoadArrays()
{
    for (int i = 0; i < kCatalogueSize; i++) {
        strcpy(state$[i], kEntries[i].state);
        strcpy(city$[i], kEntries[i].city);
        stateVal[i] = CountryNumber(i);
    }
}

void setEasy()
{
    for (const auto &run : kEasyRuns)
        for (int i = run.first; i <= run.last; i++)
            easy[i] = true;
}
