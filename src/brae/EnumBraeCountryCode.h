#pragma once
// Country codes of the account messages and records: 247 two-letter codes with their names, index
// 0 "??" NotSpecified, then the codes in alphabetical order. The names are the protocol's own,
// written without blanks except two. A code that no row has is looked up as row 0. Constant data.
#include <cstdint>

#include "fields/DefaultLookupPolicy.h"
#include "fields/MEnumString.h"
#include "fields/MEnumTable.h"

// A row of the country-code table (row 0 is NotSpecified).
enum class EnumBraeCountryCode : int32_t { NotSpecified = 0 };

template <>
struct MEnumTable<EnumBraeCountryCode> {
    static constexpr char kTypeName[] = "EnumBraeCountryCode";
    static constexpr MEnumCodeRow kRows[] = {
        {"??", "NotSpecified"}, {"AD", "Andorra"}, {"AE", "UnitedArabEmirates"}, {"AF", "Afghanistan"},
        {"AG", "AntiguaBarbuda"}, {"AI", "Anguilla"}, {"AL", "Albania"}, {"AM", "Armenia"},
        {"AN", "NetherlandsAntilles"}, {"AO", "Angola"}, {"AQ", "Antarctica"}, {"AR", "Argentina"},
        {"AS", "AmericanSamoa"}, {"AT", "Austria"}, {"AU", "Australia"}, {"AW", "Aruba"}, {"AX", "AlandIslands"},
        {"AZ", "Azerbaijan"}, {"BA", "BosniaHerzegovina"}, {"BB", "Barbados"}, {"BD", "Bangladesh"},
        {"BE", "Belgium"}, {"BF", "BurkinaFaso"}, {"BG", "Bulgaria"}, {"BH", "Bahrain"}, {"BI", "Burundi"},
        {"BJ", "Benin"}, {"BL", "SaintBarthelemy"}, {"BM", "Bermuda"}, {"BN", "BruneiDarussalam"},
        {"BO", "Bolivia"}, {"BR", "Brazil"}, {"BS", "Bahamas"}, {"BT", "Bhutan"}, {"BV", "BouvetIsland"},
        {"BW", "Botswana"}, {"BY", "Belarus"}, {"BZ", "Belize"}, {"CA", "Canada"}, {"CC", "CocosIslands"},
        {"CD", "CongoDemocraticRepublic"}, {"CF", "CentralAfricanRepublic"}, {"CG", "Congo"}, {"CH", "Switzerland"},
        {"CI", "CoteIvoire"}, {"CK", "CookIslands"}, {"CL", "Chile"}, {"CM", "Cameroon"}, {"CN", "China"},
        {"CO", "Colombia"}, {"CR", "CostaRica"}, {"CU", "Cuba"}, {"CV", "CapeVerde"}, {"CX", "ChristmasIsland"},
        {"CY", "Cyprus"}, {"CZ", "CzechRepublic"}, {"DE", "Germany"}, {"DJ", "Djibouti"}, {"DK", "Denmark"},
        {"DM", "Dominica"}, {"DO", "DominicanRepublic"}, {"DZ", "Algeria"}, {"EC", "Ecuador"}, {"EE", "Estonia"},
        {"EG", "Egypt"}, {"EH", "WesternSahara"}, {"ER", "Eritrea"}, {"ES", "Spain"}, {"ET", "Ethiopia"},
        {"FI", "Finland"}, {"FJ", "Fiji"}, {"FK", "FalklandIslands"}, {"FM", "Micronesia"}, {"FO", "FaroeIslands"},
        {"FR", "France"}, {"GA", "Gabon"}, {"GB", "UnitedKingdom"}, {"GD", "Grenada"}, {"GE", "Georgia"},
        {"GF", "FrenchGuiana"}, {"GG", "Guernsey"}, {"GH", "Ghana"}, {"GI", "Gibraltar"}, {"GL", "Greenland"},
        {"GM", "Gambia"}, {"GN", "Guinea"}, {"GP", "Guadeloupe"}, {"GQ", "EquatorialGuinea"}, {"GR", "Greece"},
        {"GS", "SouthGeorgia"}, {"GT", "Guatemala"}, {"GU", "Guam"}, {"GW", "GuineaBissau"}, {"GY", "Guyana"},
        {"HK", "HongKong"}, {"HM", "HeardIslandMcDonaldIslands"}, {"HN", "Honduras"}, {"HR", "Croatia"},
        {"HT", "Haiti"}, {"HU", "Hungary"}, {"ID", "Indonesia"}, {"IE", "Ireland"}, {"IL", "Israel"},
        {"IM", "IsleOfMan"}, {"IN", "India"}, {"IO", "BritishIndianOceanTerritory"}, {"IQ", "Iraq"}, {"IR", "Iran"},
        {"IS", "Iceland"}, {"IT", "Italy"}, {"JE", "Jersey"}, {"JM", "Jamaica"}, {"JO", "Jordan"}, {"JP", "Japan"},
        {"KE", "Kenya"}, {"KG", "Kyrgyzstan"}, {"KH", "Cambodia"}, {"KI", "Kiribati"}, {"KM", "Comoros"},
        {"KN", "SaintKittsNevis"}, {"KP", "NorthKorea"}, {"KR", "SouthKorea"}, {"KW", "Kuwait"},
        {"KY", "CaymanIslands"}, {"KZ", "Kazakhstan"}, {"LA", "Lao"}, {"LB", "Lebanon"}, {"LC", "SaintLucia"},
        {"LI", "Liechtenstein"}, {"LK", "SriLanka"}, {"LR", "Liberia"}, {"LS", "Lesotho"}, {"LT", "Lithuania"},
        {"LU", "Luxembourg"}, {"LV", "Latvia"}, {"LY", "LibyanArabJamahiriya"}, {"MA", "Morocco"}, {"MC", "Monaco"},
        {"MD", "Moldova"}, {"ME", "Montenegro"}, {"MF", "SaintMartin"}, {"MG", "Madagascar"},
        {"MH", "MarshallIslands"}, {"MK", "Macedonia"}, {"ML", "Mali"}, {"MM", "Myanmar"}, {"MN", "Mongolia"},
        {"MO", "Macao"}, {"MP", "NorthernMarianaIslands"}, {"MQ", "Martinique"}, {"MR", "Mauritania"},
        {"MS", "Montserrat"}, {"MT", "Malta"}, {"MU", "Mauritius"}, {"MV", "Maldives"}, {"MW", "Malawi"},
        {"MX", "Mexico"}, {"MY", "Malaysia"}, {"MZ", "Mozambique"}, {"NA", "Namibia"}, {"NC", "NewCaledonia"},
        {"NE", "Niger"}, {"NF", "Norfolk Island"}, {"NG", "Nigeria"}, {"NI", "Nicaragua"}, {"NL", "Netherlands"},
        {"NO", "Norway"}, {"NP", "Nepal"}, {"NR", "Nauru"}, {"NU", "Niue"}, {"NZ", "NewZealand"}, {"OM", "Oman"},
        {"PA", "Panama"}, {"PE", "Peru"}, {"PF", "FrenchPolynesia"}, {"PG", "PapuaNewGuinea"},
        {"PH", "Philippines"}, {"PK", "Pakistan"}, {"PL", "Poland"}, {"PM", "SaintPierreMiquelon"},
        {"PN", "Pitcairn"}, {"PR", "PuertoRico"}, {"PS", "PalestinianTerritory"}, {"PT", "Portugal"},
        {"PW", "Palau"}, {"PY", "Paraguay"}, {"QA", "Qatar"}, {"RE", "Reunion"}, {"RO", "Romania"},
        {"RS", "Serbia"}, {"RU", "RussianFederation"}, {"RW", "Rwanda"}, {"SA", "SaudiArabia"},
        {"SB", "SolomonIslands"}, {"SC", "Seychelles"}, {"SD", "Sudan"}, {"SE", "Sweden"}, {"SG", "Singapore"},
        {"SH", "SaintHelena"}, {"SI", "Slovenia"}, {"SJ", "SvalbardJanMayen"}, {"SK", "Slovakia"},
        {"SL", "SierraLeone"}, {"SM", "SanMarino"}, {"SN", "Senegal"}, {"SO", "Somalia"}, {"SR", "Suriname"},
        {"ST", "SaoTomePrincipe"}, {"SV", "ElSalvador"}, {"SY", "SyrianArabRepublic"}, {"SZ", "Swaziland"},
        {"TC", "TurksCaicosIslands"}, {"TD", "Chad"}, {"TF", "FrenchSouthernTerritories"}, {"TG", "Togo"},
        {"TH", "Thailand"}, {"TJ", "Tajikistan"}, {"TK", "Tokelau"}, {"TL", "TimorLeste"}, {"TM", "Turkmenistan"},
        {"TN", "Tunisia"}, {"TO", "Tonga"}, {"TR", "Turkey"}, {"TT", "Trinidad and Tobago"}, {"TV", "Tuvalu"},
        {"TW", "Taiwan"}, {"TZ", "Tanzania"}, {"UA", "Ukraine"}, {"UG", "Uganda"},
        {"UM", "UnitedStatesMinorOutlyingIslands"}, {"US", "UnitedStates"}, {"UY", "Uruguay"}, {"UZ", "Uzbekistan"},
        {"VA", "Vatican"}, {"VC", "SaintVincentGrenadines"}, {"VE", "Venezuela"}, {"VG", "VirginIslandsBritish"},
        {"VI", "VirginIslandsUS"}, {"VN", "VietNam"}, {"VU", "Vanuatu"}, {"WF", "WallisFutuna"}, {"WS", "Samoa"},
        {"YE", "Yemen"}, {"YT", "Mayotte"}, {"ZA", "SouthAfrica"}, {"ZM", "Zambia"}, {"ZW", "Zimbabwe"}};
};

inline constexpr int kBraeCountryCodeCount = 247;

using BraeCountryCode =
    MEnumString<2, EnumBraeCountryCode, kBraeCountryCodeCount, DefaultLookupPolicy<2, EnumBraeCountryCode, kBraeCountryCodeCount> >;
