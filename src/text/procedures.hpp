// The text procedures as the library calls them inside; the exported C functions wrap them
// and the public C++ interface (include/funkcja/) describes what each does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace funkcja::text {

// As funkcja/codepage.hpp.
std::string WINTOLATIN_TG(std::string_view text);
std::string LATINTOWIN_TG(std::string_view text);
std::string WINTOMAZOVIA_TG(std::string_view text);
std::string MAZOVIATOWIN_TG(std::string_view text);
std::string WINTOWIN_TG(std::string_view text);

// As funkcja/filters.hpp.
std::string TYLKO_CYFRY(std::string_view text);
std::string OPUSC_ALFANUMERYCZNE(std::string_view text);
std::string OPUSC_ALFANUMERYCZNE_SOFT(std::string_view text);
std::string TYLKO_KWOTY(std::string_view text);
std::string OPUSC_SPACE(std::string_view text);
std::string CLEARFORFILENAME(std::string_view text);
std::string USUN_ZNAKI_STERUJACE(std::string_view text);
std::string USUN_ZNAKI_NIEDRUKOWALNE(std::string_view text);
std::string BEZPL(std::string_view text);
std::string USUN_POLSKIE_ZNAKI(std::string_view text);
std::string FORMATKWOTA(std::string_view number);
std::string FORMATDATA(std::string_view day_number);

// As funkcja/filter_rewrite.hpp.
std::string WYTNIJ_PREFIX(std::string_view filter);
std::string WYTNIJ_PREFIX_WSTAWA(std::string_view filter);
std::string STR_REPLACE_PREFIKS_A(std::string_view table_name, std::string_view expression);
std::string ZAMIEN_KLASYFIKACJA_TRANSAKCJA(std::string_view caption);

// As funkcja/mask.hpp.
std::uint8_t SPR_MASKA(std::string_view value, std::string_view mask);

// As funkcja/strings.hpp.
std::string STR_REPLACE(std::string_view text, std::string_view find, std::string_view replacement);
std::string STR_REPLACEUPPER(std::string_view text, std::string_view find,
                             std::string_view replacement);
std::string TG_REPLACE(std::string_view text, std::string_view find, std::string_view replacement);
std::string ZAMIEN_WYRAZENIE(std::string_view text, std::string_view find,
                             std::string_view replacement);
std::string REPLACEPROC(std::string_view text, std::string_view find, std::string_view replacement);
std::string REPLACEPROC2(std::string_view text, std::string_view find,
                         std::string_view replacement);
std::string ZAMIEN_ZNAK(std::string_view text, std::string_view character,
                        std::string_view replacement);
std::string ZAMIEN_ZNAKI(std::string_view mask);
std::string ZAMIEN_SKOBKI(std::string_view text, std::string_view replacement);
int32_t LICZBA_WYSTAPIEN(std::string_view substring, std::string_view text);
int32_t STR_POZYCJA_WYSTAPIENIA(std::string_view substring, std::string_view text, int32_t n);
int32_t STR_WYSTAPIENIE_ZNAKU(std::string_view text, std::string_view character);
std::string WYTNIJ_STR(std::string_view text, std::string_view field);
std::string STRING_WYTNIJ_DO(std::string_view text, std::string_view character, int32_t n);
std::string STRING_CUT(std::string_view text, int32_t width, std::string_view delimiter);
std::string STRING_GRUPUJ(std::string_view text, int32_t size, std::string_view separator);
std::string STRING_ODWROC(std::string_view text);
std::string STR_REPLICATE(std::string_view text, int32_t count);

}  // namespace funkcja::text
