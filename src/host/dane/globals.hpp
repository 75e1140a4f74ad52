// Session globals of the data library: the $DANE_, $GGG: and $GLO: values that the host sets
// and the library reads at the moment of each call.
//
// They are one instance for the whole process, shared by all threads; every access is guarded,
// so a host thread may set a value while another reads it. Names follow one rule: drop "$" and
// turn ":" into "_" ($GGG:SCIEZKA_SET -> GGG_SCIEZKA_SET). find() accepts either spelling.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace funkcja::dane {

enum class GlobalType {
  kInt32,    // int32
  kDate,     // standard date (int32 day number)
  kByte,     // byte flag or small number
  kText,     // code page 1250 text, optionally of fixed capacity
  kChar,     // one character
  kDecimal4  // decimal with 4 decimal places, held as ten-thousandths
};

// X(name, type, capacity of a text, default)
#define FUNKCJA_GLOBALS(X)                                  \
  X(DANE_ID_FIRMY, kInt32, 0, "0")                          \
  X(DANE_ID_UZYT, kText, 20, "")                            \
  X(DANE_ID_UZYTKOWNIKA_NR, kInt32, 0, "0")                 \
  X(DANE_LATA_OBROTOWE, kInt32, 0, "0")                     \
  X(DANE_DATA_BIEZACA, kDate, 0, "0")                       \
  X(DANE_POCZATEK_ROKU, kDate, 0, "0")                      \
  X(DANE_KONIEC_ROKU, kDate, 0, "0")                        \
  X(DANE_SEPARATOR_MPK, kChar, 1, "-")                      \
  X(DANE_ADMINISTRATOR, kByte, 0, "0")                      \
  X(DANE_CZY_WERSJA_BUDZET, kByte, 0, "0")                  \
  X(DANE_WATKI, kInt32, 0, "0")                             \
  X(DANE_WERSJA_BAZY, kDecimal4, 0, "0")                    \
  X(GLO_LOCALPATH, kText, 260, "")                          \
  X(GLO_MSG_TXT_INF, kText, 100, "Informacja")              \
  X(GLO_MSG_TXT_OST, kText, 100, "Ostrzeżenie")             \
  X(GLO_MSG_TXT_PYT, kText, 100, "Pytanie")                 \
  X(GLO_NAZWA_PROGRAMU, kText, 100, "Finanse i Księgowość") \
  X(GLO_REBRANDING, kInt32, 0, "0")                         \
  X(GLO_DRZEWALINIE, kByte, 0, "0")                         \
  X(GLO_DRZEWAIKONALISCIA, kByte, 0, "0")                   \
  X(GLO_HTM_AKTUALNEZMIANY, kText, 500, "")                 \
  X(GLO_PANELWYSTARTOWANY, kByte, 0, "0")                   \
  X(GLO_RIBBONOFF, kByte, 0, "0")                           \
  X(GLO_STARTPOAKTUALIZACJI, kByte, 0, "0")                 \
  X(GGG_SCIEZKA_SET, kText, 260, "")                        \
  X(GGG_PATH, kText, 300, "")                               \
  X(GGG_PROGCOMMONTEMIX, kText, 260, "")                    \
  X(GGG_UNIWERSALNA_ZMIENNA, kText, 300, "")                \
  X(GGG_WATEKAPP, kInt32, 0, "0")                           \
  X(GGG_AUTOUZUPELNIANIE_KONTA, kByte, 0, "0")              \
  X(GGG_AUTOUZUPELNIANIE_KONTRAHENTA, kByte, 0, "0")        \
  X(GGG_AUTOUZUPELNIANIE_OPISU, kByte, 0, "0")              \
  X(GGG_BT_BUDZET_ZADANIOWY, kByte, 0, "0")                 \
  X(GGG_ISDURAX, kByte, 0, "0")                             \
  X(GGG_METODA_KASOWA_PRN, kByte, 0, "0")                   \
  X(GGG_MAKSYMALIZACJA_ROVAN, kByte, 0, "0")                \
  X(GGG_MAKSYMALIZACJA_ROVAN_BEZWARUNKOWO, kByte, 0, "0")   \
  X(GGG_MAKSYMALIZACJA_MARG_SZER, kInt32, 0, "0")           \
  X(GGG_MAKSYMALIZACJA_MARG_WYS, kInt32, 0, "0")            \
  X(GGG_PARAMETR_UZ_TOOLBAR, kByte, 0, "0")                 \
  X(GGG_SORTOWANIE_LP, kInt32, 0, "0")                      \
  X(GGG_SORTOWANIE_DIR, kInt32, 0, "0")                     \
  X(GGG_SORTOWANIE_INTU, kInt32, 0, "0")                    \
  X(GGG_VSPLITPOS, kInt32, 0, "0")                          \
  X(GGG_HSPLITPOS, kInt32, 0, "0")                          \
  X(GGG_UNI_1, kInt32, 0, "0")                              \
  X(GGG_UNI_2, kInt32, 0, "0")                              \
  X(GGG_STOPKA_BROWSER, kByte, 0, "0")                      \
  X(GGG_STRUKTURA_KONTA_ODSWIEZ_FLAGA, kByte, 0, "0")       \
  X(GGG_KARTOTEKA_U_ODSWIEZ_FLAGA, kByte, 0, "0")

enum class Global {
#define FUNKCJA_GLOBAL_ENUM(name, type, capacity, initial) name,
  FUNKCJA_GLOBALS(FUNKCJA_GLOBAL_ENUM)
#undef FUNKCJA_GLOBAL_ENUM
      kCount
};

struct GlobalInfo {
  std::string_view name;  // by the name rule: GGG_SCIEZKA_SET
  GlobalType type;
  std::size_t capacity;  // texts: the most characters kept (0: no limit)
};

const GlobalInfo& info(Global g);
std::optional<Global> find(std::string_view name);
std::vector<std::string_view> all_names();

// Numbers (int32, date, byte, char as its code, decimal as ten-thousandths). For a text
// global, the text read as a whole number, or 0.
std::int64_t get_number(Global g);
std::int32_t get_int(Global g);
std::string get_text(Global g);  // any global as text: numbers in decimal

void set_number(Global g, std::int64_t value);
// Sets from text: numbers must be decimal (a decimal global takes up to 4 places, a char
// global its first character); a text is cut to its capacity. False when the value does not
// fit the global's type.
bool set_text(Global g, std::string_view value);

// Every global back to its default (tests, and a host that starts a new session).
void reset_all();

}  // namespace funkcja::dane
