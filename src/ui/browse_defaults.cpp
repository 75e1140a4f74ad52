// The built-in column formats of the host's browses, as data. Every column is one
// column format in the host list control's format language: width, alignment and indent,
// "|M" (resizable), the header between "~", the header's alignment, the display picture
// between "@" and the source field between "#" (dates @d17@, amounts @n-16.2@, whole numbers
// @n-14@, texts @sNN@, one-character marks @s1@). The names and their order are the browses'
// own; the configuration matches saved columns to these by name.
#include "ui/browse_defaults.hpp"

#include <algorithm>

#include "frame/cp_literal.hpp"

namespace funkcja::ui::browse_config {
namespace {

using namespace funkcja::literals;

// clang-format off
// The 35 columns shared by the VAT registers (browses 19 to 24); they differ only in which
// columns start hidden.
constexpr std::string_view kVatRegisterColumns =
    ";40L(2)|M~Dziennik~C(0)@s10@#1#"
    ";80L(2)|M~Nr ewidencyjny~C(0)@s30@#2#"
    ";50R(2)|M~Data księg.~C(0)@d17@#3#"
    ";32L(2)|M~Stawka~C(0)@s5@#4#"
    ";64R(2)|M~Netto~C(0)@n-16.2@#5#"
    ";64R(2)|M~VAT~C(0)@n-16.2@#6#"
    ";64R(2)|M~Brutto~C(0)@n-16.2@#7#"
    ";80L(2)|M~Nr dokumentu~C(0)@s30@#8#"
    ";50R(2)|M~Data dokumentu~C(0)@d17@#9#"
    ";50R(2)|M~Data oper. gosp.~C(0)@d17@#10#"
    ";50R(2)|M~Data wpływu~C(0)@d17@#11#"
    ";40L(2)|M~Okres dla VAT~C(0)@s7@#12#"
    ";50R(2)|M~Data obow. pod.~C(0)@d17@#13#"
    ";140L(2)|M~Nazwa kontrahenta~C(0)@s100@#14#"
    ";30L(2)|M~NIP (prefix)~C(0)@s2@#15#"
    ";70L(2)|M~NIP~C(0)@s13@#16#"
    ";80L(2)|M~Wyróżnik1~C(0)@s30@#17#"
    ";80L(2)|M~Wyróżnik2~C(0)@s30@#18#"
    ";80L(2)|M~Wyróżnik3~C(0)@s30@#19#"
    ";80L(2)|M~Wyróżnik4~C(0)@s30@#20#"
    ";16C(2)|M~Odliczenie~C(0)@s1@#21#"
    ";40L(2)|M~Grupa podatkowa~C(0)@s10@#22#"
    ";40L(2)|M~Podgrupa~C(0)@s10@#23#"
    ";16C(2)|M~Art.109.3a~C(0)@s1@#24#"
    ";140L(2)|M~Przedmiot opodatkowania / Nazwa usługi~C(0)@s100@#25#"
    ";16C(2)|M~Metoda kasowa~C(0)@s1@#26#"
    ";64R(2)|M~Marża~C(0)@n-16.2@#27#"
    ";64R(2)|M~Wartość nabycia~C(0)@n-16.2@#28#"
    ";16C(2)|M~Potw. dostawy~C(0)@s1@#29#"
    ";64R(2)|M~Netto w rejestrze~C(0)@n-16.2@#30#"
    ";64R(2)|M~VAT w rejestrze~C(0)@n-16.2@#31#"
    ";64R(2)|M~Brutto w rejestrze~C(0)@n-16.2@#32#"
    ";64R(2)|M~Netto pozostało~C(0)@n-16.2@#33#"
    ";64R(2)|M~VAT pozostało~C(0)@n-16.2@#34#"
    ";64R(2)|M~Brutto pozostało~C(0)@n-16.2@#35#"
    ";"_cp;

const DefaultFormat kDefaults[] = {
    {1, "Dokumenty"_cp, {},
     ";16C(2)|M~Info~C(0)@s1@#1#"
     ";80L(2)|M~Nr ewidencyjny~C(0)@s30@#2#"
     ";80L(2)|M~Nr dokumentu~C(0)@s30@#3#"
     ";50R(2)|M~Data dok.~C(0)@d17@#4#"
     ";140L(2)|M~Opis dokumentu~C(0)@s100@#5#"
     ";50R(2)|M~Data oper.gosp.~C(0)@d17@#6#"
     ";50R(2)|M~Data księg.~C(0)@d17@#7#"
     ";50R(2)|M~Data wpływu~C(0)@d17@#8#"
     ";50R(2)|M~Data zatwierdz.~C(0)@d17@#9#"
     ";40R(2)|M~Okres obrotowy~C(0)@n-14@#10#"
     ";64R(2)|M~Kwota dok.~C(0)@n-16.2@#11#"
     ";40R(2)|M~Nr w dzienniku~C(0)@n-14@#12#"
     ";80L(2)|M~Analityka kontrahenta~C(0)@s30@#13#"
     ";16C(2)|M~Kor~C(0)@s1@#14#"
     ";80L(2)|M~Nr dok. korygowanego~C(0)@s30@#15#"
     ";16C(2)|M~Załączniki~C(0)@s1@#16#"
     ";16C(2)|M~Nie dotyczy KUP~C(0)@s1@#17#"
     ";"_cp},
    {-10, "Dokumenty (wprowadzanie)"_cp, {},
     ";16C(2)|M~Info~C(0)@s1@#1#"
     ";80L(2)|M~Nr ewidencjny~C(0)@s30@#2#"
     ";50R(2)|M~Data dok.~C(0)@d17@#3#"
     ";80L(2)|M~Nr dokumentu~C(0)@s30@#4#"
     ";140L(2)|M~Opis dokumentu~C(0)@s100@#5#"
     ";40R(2)|M~Okres obrotowy~C(0)@n-14@#6#"
     ";16C(2)|M~Załączniki~C(0)@s1@#7#"
     ";"_cp},
    {5, "Kontrahenci"_cp, {},
     ";40R(2)|M~Id~C(0)@n-14@#1#"
     ";140L(2)|M~Nazwa~C(0)@s100@#2#"
     ";70L(2)|M~NIP~C(0)@s13@#3#"
     ";52L(2)|M~Kod pocztowy~C(0)@s10@#4#"
     ";140L(2)|M~Miejscowość~C(0)@s100@#5#"
     ";140L(2)|M~Ulica lokal~C(0)@s100@#6#"
     ";140L(2)|M~Nazwa pełna~C(0)@s100@#7#"
     ";60L(2)|M~REGON~C(0)@s14@#8#"
     ";60L(2)|M~PESEL~C(0)@s11@#9#"
     ";16C(2)|M~Załączniki~C(0)@s1@#10#"
     ";20L(2)|M~Numer analityki - DOS~C(0)@s5@#11#"
     ";"_cp},
    {6, "Pracownicy"_cp, {},
     ";40R(2)|M~Id~C(0)@n-14@#1#"
     ";140L(2)|M~Nazwisko~C(0)@s100@#2#"
     ";140L(2)|M~Imię 1~C(0)@s100@#3#"
     ";140L(2)|M~Imię 2~C(0)@s100@#4#"
     ";70L(2)|M~NIP~C(0)@s13@#5#"
     ";80L(2)|M~Numer ewidencyjny~C(0)@s30@#6#"
     ";50R(2)|M~Data urodzenia~C(0)@d17@#7#"
     ";16C(2)|M~Załączniki~C(0)@s1@#8#"
     ";20L(2)|M~Numer analityki - DOS~C(0)@s5@#9#"
     ";"_cp},
    {7, "Urzędy"_cp, {},
     ";40R(2)|M~Id~C(0)@n-14@#3#"
     ";160L(2)|M~Nazwa~C(0)@s60@#4#"
     ";52R(2)|M~Kod pocztowy~C(0)@s10@#5#"
     ";120L(2)|M~Miejscowość~C(0)@s30@#6#"
     ";20L(2)|M~Numer analityki - DOS~C(0)@s5@#7#"
     ";"_cp},
    {8, "Rachunki bankowe"_cp, {},
     ";40R(2)|M~Id~C(0)@n-14@#1#"
     ";40R(2)|M~LK~C(0)@n-14@#2#"
     ";80L(2)|M~Nr rachunku~C(0)@s30@#3#"
     ";30L(2)|M~Waluta~C(0)@s3@#4#"
     ";140L(2)|M~Bank~C(0)@s100@#5#"
     ";140L(2)|M~Opis~C(0)@s100@#6#"
     ";"_cp},
    {9, "Banki"_cp, {},
     ";140L(2)|M~Nazwa~C(0)@s100@#1#"
     ";52L(2)|M~Kod pocztowy~C(0)@s10@#2#"
     ";140L(2)|M~Miejscowość~C(0)@s100@#3#"
     ";140L(2)|M~Ulica~C(0)@s100@#4#"
     ";60L(2)|M~Symbol~C(0)@s20@#5#"
     ";80L(2)|M~Numer~C(0)@s30@#6#"
     ";50L(2)|M~SWIFT~C(0)@s11@#7#"
     ";"_cp},
    {10, "Środki trwałe"_cp, {},
     ";40R(2)|M~Id~C(0)@n-14@#1#"
     ";140L(2)|M~Nazwa~C(0)@s100@#2#"
     ";80L(2)|M~Nr inwentarzowy~C(0)@s30@#3#"
     ";30L(2)|M~KŚT~C(0)@s8@#4#"
     ";64R(2)|M~Wartość pocz.~C(0)@n-16.2@#5#"
     ";140L(2)|M~Miejsce użytkowania~C(0)@s100@#6#"
     ";140L(2)|M~Osoba odpowiedzialna~C(0)@s100@#7#"
     ";80L(2)|M~Grupa~C(0)@s30@#8#"
     ";20L(2)|M~Numer analityki - DOS~C(0)@s5@#9#"
     ";"_cp},
    {19, "Rejestr VAT"_cp, {},
     kVatRegisterColumns},
    {20, "Rejestr sprzedaży"_cp, {11, 21, 29},
     kVatRegisterColumns},
    {21, "Rejestr zakupu"_cp, {23, 24, 25, 27, 28, 29},
     kVatRegisterColumns},
    {22, "WDT"_cp, {26, 27, 28},
     kVatRegisterColumns},
    {23, "WNT"_cp, {23, 24, 25, 26, 27, 28, 29},
     kVatRegisterColumns},
    {24, "Rejestr importu usług"_cp, {24, 25, 26, 27, 28, 29},
     kVatRegisterColumns},
    {25, "Rejestr VAT BO"_cp, {},
     ";80L(2)|M~Nr ewidencyjny~C(0)@s30@#1#"
     ";50R(2)|M~Data księg.~C(0)@d17@#2#"
     ";32L(2)|M~Stawka~C(0)@s5@#3#"
     ";64R(2)|M~Netto~C(0)@n-16.2@#4#"
     ";64R(2)|M~VAT~C(0)@n-16.2@#5#"
     ";64R(2)|M~Brutto~C(0)@n-16.2@#6#"
     ";80L(2)|M~Nr dokumentu~C(0)@s30@#7#"
     ";50R(2)|M~Data dokumentu~C(0)@d17@#8#"
     ";50R(2)|M~Data oper. gosp.~C(0)@d17@#9#"
     ";50R(2)|M~Data wpływu~C(0)@d17@#10#"
     ";40L(2)|M~Okres dla VAT~C(0)@s7@#11#"
     ";50R(2)|M~Data obow. pod.~C(0)@d17@#12#"
     ";140L(2)|M~Nazwa kontrahenta~C(0)@s100@#13#"
     ";70L(2)|M~Nip kontrahenta~C(0)@s13@#14#"
     ";80L(2)|M~Wyróżnik1~C(0)@s30@#15#"
     ";80L(2)|M~Wyróżnik2~C(0)@s30@#16#"
     ";80L(2)|M~Wyróżnik3~C(0)@s30@#17#"
     ";80L(2)|M~Wyróżnik4~C(0)@s30@#18#"
     ";40L(2)|M~Grupa podatkowa~C(0)@s10@#19#"
     ";16C(2)|M~Odliczenie~C(0)@s1@#20#"
     ";"_cp},
    {30, "Rozrachunki"_cp, {},
     ";140L(2)|M~Nazwa konta~C(0)@s100@#1#"
     ";60L(2)|M~Symbol~C(0)@s20@#2#"
     ";30L(2)|M~Typ~C(0)@s3@#3#"
     ";64R(2)|M~Kwota Dt~C(0)@n-16.2@#4#"
     ";64R(2)|M~Saldo Dt~C(0)@n-16.2@#5#"
     ";64R(2)|M~Kwota Ct~C(0)@n-16.2@#6#"
     ";64R(2)|M~Saldo Ct~C(0)@n-16.2@#7#"
     ";30L(2)|M~Waluta~C(0)@s3@#8#"
     ";64R(2)|M~Kwota Dt/wal./~C(0)@n-16.2@#9#"
     ";64R(2)|M~Saldo Dt/wal./~C(0)@n-16.2@#10#"
     ";64R(2)|M~Kwota Ct/wal./~C(0)@n-16.2@#11#"
     ";64R(2)|M~Saldo Ct/wal./~C(0)@n-16.2@#12#"
     ";80L(2)|M~Forma płatności~C(0)@s30@#13#"
     ";50R(2)|M~Termin płatności~C(0)@d17@#14#"
     ";16C(2)|M~Kor~C(0)@s1@#15#"
     ";16C(2)|M~Rozl~C(0)@s1@#16#"
     ";80L(2)|M~Nr konta~C(0)@s30@#17#"
     ";140L(2)|M~Opis~C(0)@s100@#18#"
     ";80L(2)|M~Transakcja~C(0)@s30@#19#"
     ";80L(2)|M~Klasyfikacja~C(0)@s30@#20#"
     ";80L(2)|M~Nr dokumentu~C(0)@s30@#21#"
     ";50R(2)|M~Data dokumentu~C(0)@d17@#22#"
     ";80L(2)|M~Nr ewidencyjny~C(0)@s30@#23#"
     ";50R(2)|M~Data księgowania~C(0)@d17@#24#"
     ";140L(2)|M~Płatnik dokumentu~C(0)@s100@#25#"
     ";80L(2)|M~Numer rachunku bankowego~C(0)@s30@#26#"
     ";"_cp},
    {1030, "Rozliczanie rozrachunków"_cp, {},
     ";140L(2)|M~Opis~C(0)@s100@"
     ";60L(2)|M~Symbol~C(0)@s20@"
     ";80L(2)|M~Nr dokumentu~C(0)@s30@"
     ";16C(2)|M~Strona~C(0)@s1@"
     ";40L(2)|M~Rodzaj~C(0)@s10@"
     ";16C(2)|M~Korekta~C(0)@s1@"
     ";30L(2)|M~Waluta~C(0)@s3@"
     ";50R(2)|M~Data dok.~C(0)@d17@"
     ";50R(2)|M~Termin płat.~C(0)@d17@"
     ";64R(2)|M~Saldo~C(0)@n-16.2@"
     ";50R(2)|M~Data rozlicz.~C(0)@d17@"
     ";64R(2)|M~Kwota rozliczająca~C(0)@n-16.2@"
     ";"_cp},
    {1130, "Nowy rozrachunek"_cp, {},
     ";175L(2)|M~Opis~C(0)@s100@"
     ";75L(2)|M~Symbol~C(0)@s20@"
     ";100L(2)|M~Nr dokumentu~C(0)@s30@"
     ";20C(2)|M~Strona~C(0)@s1@"
     ";50L(2)|M~Rodzaj~C(0)@s10@"
     ";20C(2)|M~Korekta~C(0)@s1@"
     ";37L(2)|M~Waluta~C(0)@s3@"
     ";62R(2)|M~Data dok.~C(0)@d17@"
     ";62R(2)|M~Termin płat.~C(0)@d17@"
     ";80R(2)|M~Saldo~C(0)@n-16.2@"
     ";62R(2)|M~Data rozlicz.~C(0)@d17@"
     ";80R(2)|M~Kwota rozliczająca~C(0)@n-16.2@"
     ";"_cp},
    {40, "Księga wg kont"_cp, {},
     ";40R(2)|M~Okres~C(0)@n-14@#1#"
     ";80L(2)|M~Nr ewidencyjny~C(0)@s30@#2#"
     ";64R(2)|M~Kwota Dt~C(0)@n-16.2@#3#"
     ";64R(2)|M~Kwota Dt/wal./~C(0)@n-16.2@#4#"
     ";64R(2)|M~Kwota Ct~C(0)@n-16.2@#5#"
     ";64R(2)|M~Kwota Ct/wal./~C(0)@n-16.2@#6#"
     ";40L(2)|M~Dziennik~C(0)@s10@#7#"
     ";50R(2)|M~Data księgowania~C(0)@d17@#8#"
     ";50R(2)|M~Data zatwierdz.~C(0)@d17@#9#"
     ";80L(2)|M~Nr dokumentu~C(0)@s30@#10#"
     ";50R(2)|M~Data dokumentu~C(0)@d17@#11#"
     ";50R(2)|M~Data oper. gosp.~C(0)@d17@#12#"
     ";140L(2)|M~Opis pozycji~C(0)@s100@#13#"
     ";80L(2)|M~Użytkownik~C(0)@s30@#14#"
     ";"_cp},
    {41, "Księga wg okresów"_cp, {},
     ";80L(2)|M~Nr konta~C(0)@s30@#1#"
     ";80L(2)|M~Nr ewidencyjny~C(0)@s30@#2#"
     ";64R(2)|M~Kwota Dt~C(0)@n-16.2@#3#"
     ";64R(2)|M~Kwota Dt/wal./~C(0)@n-16.2@#4#"
     ";64R(2)|M~Kwota Ct~C(0)@n-16.2@#5#"
     ";64R(2)|M~Kwota Ct/wal./~C(0)@n-16.2@#6#"
     ";40L(2)|M~Dziennik~C(0)@s10@#7#"
     ";50R(2)|M~Data księgowania~C(0)@d17@#8#"
     ";50R(2)|M~Data zatwierdz.~C(0)@d17@#9#"
     ";80L(2)|M~Nr dokumentu~C(0)@s30@#10#"
     ";50R(2)|M~Data dokumentu~C(0)@d17@#11#"
     ";50R(2)|M~Data oper. gosp.~C(0)@d17@#12#"
     ";140L(2)|M~Opis pozycji~C(0)@s100@#13#"
     ";140L(2)|M~Nazwa konta~C(0)@s100@#14#"
     ";80L(2)|M~Użytkownik~C(0)@s30@#15#"
     ";80L(2)|M~Kod kontrahenta~C(0)@s30@#16#"
     ";140L(2)|M~Nazwa kontrahenta~C(0)@s100@#17#"
     ";"_cp},
    {42, "Raport z konta"_cp, {},
     ";80L(2)|M~Nr ewidencyjny~C(0)@s30@#1#"
     ";50R(2)|M~Data księg.~C(0)@d17@#2#"
     ";50R(2)|M~Data dok.~C(0)@d17@#3#"
     ";64R(2)|M~Kwota Dt~C(0)@n-16.2@#4#"
     ";64R(2)|M~Kwota Dt /wal./~C(0)@n-16.2@#5#"
     ";64R(2)|M~Kwota Ct~C(0)@n-16.2@#6#"
     ";64R(2)|M~Kwota Ct /wal./~C(0)@n-16.2@#7#"
     ";40R(2)|M~Nr w dzienniku~C(0)@n-14@#8#"
     ";80L(2)|M~Nr dokumentu~C(0)@s30@#9#"
     ";50R(2)|M~Data oper. gosp.~C(0)@d17@#10#"
     ";40R(2)|M~Nr poz.~C(0)@n-14@#11#"
     ";140L(2)|M~Opis pozycji~C(0)@s100@#12#"
     ";80L(2)|M~Użytkownik~C(0)@s30@#13#"
     ";"_cp},
    {32, "MPK"_cp, {},
     ";64R(2)|M~Kwota Dt~C(0)@n-16.2@#1#"
     ";64R(2)|M~Kwota Ct~C(0)@n-16.2@#2#"
     ";80L(2)|M~Konto Dt~C(0)@s30@#3#"
     ";80L(2)|M~Konto Ct~C(0)@s30@#4#"
     ";80L(2)|M~Nr ewidencyjny~C(0)@s30@#5#"
     ";50R(2)|M~Data księg.~C(0)@d17@#6#"
     ";80L(2)|M~Nr dokumentu~C(0)@s30@#7#"
     ";50R(2)|M~Data dok.~C(0)@d17@#8#"
     ";40R(2)|M~Nr poz.~C(0)@n-14@#9#"
     ";140L(2)|M~Opis pozycji~C(0)@s100@#10#"
     ";80L(2)|M~Wskaźnik 1~C(0)@s30@#11#"
     ";80L(2)|M~Wskaźnik 2~C(0)@s30@#12#"
     ";80L(2)|M~Wskaźnik 3~C(0)@s30@#13#"
     ";80L(2)|M~Wskaźnik 4~C(0)@s30@#14#"
     ";80L(2)|M~Wskaźnik 5~C(0)@s30@#15#"
     ";80L(2)|M~Wskaźnik struktury drzewiastej~C(0)@s30@#16#"
     ";"_cp},
    {31, "Przelewy"_cp, {},
     ";16C(2)|M~Zatwierdzono~C(0)@s1@#1#"
     ";16C(2)|M~Zrealizowano~C(0)@s1@#2#"
     ";140L(2)|M~Odbiorca~C(0)@s100@#3#"
     ";50R(2)|M~Data przelewu~C(0)@d17@#4#"
     ";64R(2)|M~Kwota~C(0)@n-16.2@#5#"
     ";30L(2)|M~Waluta~C(0)@s3@#6#"
     ";80L(2)|M~Nr rachunku odbiorcy~C(0)@s30@#7#"
     ";140L(2)|M~Tytułem~C(0)@s100@#8#"
     ";50R(2)|M~Zatwierdzono dnia~C(0)@d17@#9#"
     ";80L(2)|M~Zatwierdzono przez~C(0)@s30@#10#"
     ";140L(2)|M~Adres odbiorcy~C(0)@s100@#11#"
     ";"_cp},
    {34, "Import bilansu otwarcia"_cp, {},
     ";140L(2)|M~Nazwa~C(0)@s100@#1#"
     ";60L(2)|M~Symbol~C(0)@s20@#2#"
     ";30L(2)|M~Typ~C(0)@s3@#3#"
     ";64R(2)|M~Kwota Dt~C(0)@n-16.2@#4#"
     ";64R(2)|M~Saldo Dt~C(0)@n-16.2@#5#"
     ";64R(2)|M~Kwota Ct~C(0)@n-16.2@#6#"
     ";64R(2)|M~Saldo Ct~C(0)@n-16.2@#7#"
     ";30L(2)|M~Waluta~C(0)@s3@#8#"
     ";64R(2)|M~Kwota Dt /wal./~C(0)@n-16.2@#9#"
     ";64R(2)|M~Saldo Dt /wal./~C(0)@n-16.2@#10#"
     ";64R(2)|M~Kwota Ct /wal./~C(0)@n-16.2@#11#"
     ";64R(2)|M~Saldo Ct /wal./~C(0)@n-16.2@#12#"
     ";80L(2)|M~Nr dok.~C(0)@s30@#13#"
     ";50R(2)|M~Data dok.~C(0)@d17@#14#"
     ";140L(2)|M~Opis~C(0)@s100@#15#"
     ";"_cp},
    {35, "Aktywność użytkowników"_cp, {},
     ";40L(2)|M~Firma~C(0)@s10@#1#"
     ";40R(2)|M~Rok obrotowy~C(0)@n-14@#2#"
     ";60L(2)|M~Identyfikator~C(0)@s20@#3#"
     ";50R(2)|M~Data~C(0)@d17@#4#"
     ";40L(2)|M~Godzina~C(0)@s8@#5#"
     ";80L(2)|M~Rodzaj operacji~C(0)@s30@#6#"
     ";40L(2)|M~Moduł~C(0)@s10@#7#"
     ";140L(2)|M~Identyfikacja operacji~C(0)@s100@#8#"
     ";"_cp},
    {36, "Klasyfikacja budżetowa - Dochody"_cp, {},
     ";80L(2)|M~Klasyfikacja~C(0)@s30@#1#"
     ";64R(2)|M~Dochód~C(0)@n-16.2@#2#"
     ";64R(2)|M~Wpływ~C(0)@n-16.2@#3#"
     ";64R(2)|M~Środki pien.~C(0)@n-16.2@#4#"
     ";64R(2)|M~Kwota~C(0)@n-16.2@#5#"
     ";80L(2)|M~Konto Dt~C(0)@s30@#6#"
     ";80L(2)|M~Konto Ct~C(0)@s30@#7#"
     ";80L(2)|M~Nr ewidencyjny~C(0)@s30@#8#"
     ";50R(2)|M~Data księg.~C(0)@d17@#9#"
     ";80L(2)|M~Nr dokumentu~C(0)@s30@#10#"
     ";50R(2)|M~Data dok.~C(0)@d17@#11#"
     ";40R(2)|M~Nr poz.~C(0)@n-14@#12#"
     ";140L(2)|M~Opis pozycji~C(0)@s100@#13#"
     ";"_cp},
    {37, "Korespondencja"_cp, {},
     ";140L(2)|M~Nazwa~C(0)@s100@#1#"
     ";50R(2)|M~Na dzień~C(0)@d17@#2#"
     ";50R(2)|M~Data wydruku~C(0)@d17@#3#"
     ";64R(2)|M~Kwota~C(0)@n-16.2@#4#"
     ";140L(2)|M~Opis~C(0)@s100@#5#"
     ";"_cp},
    {38, "Klasyfikacja budżetowa - Wydatki"_cp, {},
     ";80L(2)|M~Klasyfikacja~C(0)@s30@#1#"
     ";64R(2)|M~Wydatek~C(0)@n-16.2@#2#"
     ";64R(2)|M~Koszt~C(0)@n-16.2@#3#"
     ";64R(2)|M~Zaangaż~C(0)@n-16.2@#4#"
     ";64R(2)|M~Środki pien.~C(0)@n-16.2@#5#"
     ";64R(2)|M~Kwota~C(0)@n-16.2@#6#"
     ";80L(2)|M~Konto Dt~C(0)@s30@#7#"
     ";80L(2)|M~Konto Ct~C(0)@s30@#8#"
     ";80L(2)|M~Nr ewidencyjny~C(0)@s30@#9#"
     ";50R(2)|M~Data księg.~C(0)@d17@#10#"
     ";80L(2)|M~Nr dokumentu~C(0)@s30@#11#"
     ";50R(2)|M~Data dok.~C(0)@d17@#12#"
     ";40R(2)|M~Nr poz.~C(0)@n-14@#13#"
     ";140L(2)|M~Opis pozycji~C(0)@s100@#14#"
     ";"_cp},
    {39, "Dokumenty finansowe"_cp, {},
     ";80L(2)|M~Numer~C(0)@s30@#1#"
     ";50R(2)|M~Data~C(0)@d17@#2#"
     ";40L(2)|M~Kasa~C(0)@s10@#3#"
     ";30L(2)|M~Typ~C(0)@s3@#4#"
     ";140L(2)|M~Płatnik~C(0)@s100@#5#"
     ";64R(2)|M~Przychód~C(0)@n-16.2@#6#"
     ";64R(2)|M~Rozchód~C(0)@n-16.2@#7#"
     ";30L(2)|M~Waluta~C(0)@s3@#8#"
     ";64R(2)|M~Przychód /wal./~C(0)@n-16.2@#9#"
     ";64R(2)|M~Rozchód /wal./~C(0)@n-16.2@#10#"
     ";140L(2)|M~Tytułem~C(0)@s100@#11#"
     ";80L(2)|M~Rodzaj operacji~C(0)@s30@#12#"
     ";"_cp},
    {140, "Dokumenty handlowe"_cp, {},
     ";80L(2)|M~Numer~C(0)@s30@#1#"
     ";50R(2)|M~Data~C(0)@d17@#2#"
     ";140L(2)|M~Kontrahent~C(0)@s100@#3#"
     ";64R(2)|M~Wartość netto~C(0)@n-16.2@#4#"
     ";64R(2)|M~Kwota VAT~C(0)@n-16.2@#5#"
     ";64R(2)|M~Wartość brutto~C(0)@n-16.2@#6#"
     ";50R(2)|M~Data oper.gosp.~C(0)@d17@#7#"
     ";50R(2)|M~Data płatności~C(0)@d17@#8#"
     ";16C(2)|M~Kor.~C(0)@s1@#9#"
     ";80L(2)|M~Forma płatności~C(0)@s30@#10#"
     ";50L(2)|M~Obliczanie wg cen~C(0)@s6@#11#"
     ";"_cp},
    {141, "Raporty kasowe"_cp, {},
     ";80L(2)|M~Numer~C(0)@s30@#1#"
     ";50R(2)|M~Data~C(0)@d17@#2#"
     ";50R(2)|M~Od dnia~C(0)@d17@#3#"
     ";50R(2)|M~Do dnia~C(0)@d17@#4#"
     ";64R(2)|M~Przychód~C(0)@n-16.2@#5#"
     ";64R(2)|M~Rozchód~C(0)@n-16.2@#6#"
     ";64R(2)|M~Saldo otwarcia~C(0)@n-16.2@#7#"
     ";64R(2)|M~Saldo zamknięcia~C(0)@n-16.2@#8#"
     ";"_cp},
    {43, "Noty korygujące"_cp, {},
     ";16C(2)|M~Wysłano~C(0)@s1@#1#"
     ";80L(2)|M~Numer noty~C(0)@s30@#2#"
     ";50R(2)|M~D. wystawienia noty~C(0)@d17@#3#"
     ";140L(2)|M~Odbiorca noty~C(0)@s100@#4#"
     ";80L(2)|M~Numer FV~C(0)@s30@#5#"
     ";50R(2)|M~Data FV~C(0)@d17@#6#"
     ";140L(2)|M~Wystawca FV~C(0)@s100@#7#"
     ";140L(2)|M~Odbiorca FV~C(0)@s100@#8#"
     ";"_cp},
    {44, "Plan finansowy - klasyfikacja tradycyjna "_cp, {},
     ";80L(2)|M~Klasyfikacja~C(0)@s30@#1#"
     ";64R(2)|M~Plan początkowy~C(0)@n-16.2@#2#"
     ";64R(2)|M~Zmiana planu~C(0)@n-16.2@#3#"
     ";64R(2)|M~Plan końcowy~C(0)@n-16.2@#4#"
     ";64R(2)|M~Realizacja~C(0)@n-16.2@#5#"
     ";"_cp},
    {45, "Plan finansowy - klasyfikacja zadaniowa "_cp, {},
     ";140L(2)|M~Działanie~C(0)@s100@"
     ";140L(2)|M~Podzadanie~C(0)@s100@"
     ";140L(2)|M~Zadanie~C(0)@s100@"
     ";140L(2)|M~Funkcja~C(0)@s100@"
     ";64R(2)|M~Plan początkowy~C(0)@n-16.2@"
     ";64R(2)|M~Zmiana planu~C(0)@n-16.2@"
     ";64R(2)|M~Plan końcowy~C(0)@n-16.2@"
     ";64R(2)|M~Realizacja~C(0)@n-16.2@"
     ";140L(2)|M~Działanie (opis)~C(0)@s100@"
     ";140L(2)|M~Podzadanie (opis)~C(0)@s100@"
     ";140L(2)|M~Zadanie (opis)~C(0)@s100@"
     ";140L(2)|M~Funkcja (opis)~C(0)@s100@"
     ";"_cp},
    {1999, "Słowniki użytkownika"_cp, {},
     ";60L(2)|M~Symbol~C(0)@s20@#1#"
     ";140L(2)|M~Nazwa~C(0)@s100@#2#"
     ";140L(2)|M~na pdst. kartoteki...~C(0)@s100@#3#"
     ";"_cp},
    {2000, "Słowniki użytkownika"_cp, {},
     ";40R(2)|M~Id~C(0)@n-14@#1#"
     ";140L(2)|M~Pole nr 1~C(0)@s100@#2#"
     ";140L(2)|M~Pole nr 2~C(0)@s100@#3#"
     ";140L(2)|M~Pole nr 3~C(0)@s100@#4#"
     ";140L(2)|M~Pole nr 4~C(0)@s100@#5#"
     ";16C(2)|M~Aktywność~C(0)@s1@#6#"
     ";50R(2)|M~Aktywność od~C(0)@d17@#7#"
     ";50R(2)|M~Aktywność do~C(0)@d17@#8#"
     ";"_cp},
    {51, "Nierozliczone KUP"_cp, {},
     ";80L(2)|M~Nr dokumentu~C(0)@s30@#1#"
     ";80L(2)|M~Nr ewidencyjny~C(0)@s30@#2#"
     ";50R(2)|M~Data dok.~C(0)@d17@#3#"
     ";50R(2)|M~Data księg.~C(0)@d17@#4#"
     ";50R(2)|M~Termin płatności~C(0)@d17@#5#"
     ";40R(2)|M~Term. plat. (dni)~C(0)@n-14@#6#"
     ";40R(2)|M~Przeterm. (dni)~C(0)@n-14@#7#"
     ";64R(2)|M~Rozrachunek~C(0)@n-16.2@#8#"
     ";64R(2)|M~Rozrach. po korekcie~C(0)@n-16.2@#9#"
     ";64R(2)|M~Saldo~C(0)@n-16.2@#10#"
     ";64R(2)|M~Rozliczono~C(0)@n-16.2@#11#"
     ";48R(2)|M~Rozliczono (%)~C(0)@n10.4@#12#"
     ";64R(2)|M~Suma operacji~C(0)@n-16.2@#13#"
     ";64R(2)|M~KUP~C(0)@n-16.2@#14#"
     ";64R(2)|M~Nadwyżka KUP~C(0)@n-16.2@#15#"
     ";64R(2)|M~Korekta KUP~C(0)@n-16.2@#16#"
     ";140L(2)|M~Kontrahent~C(0)@s100@#17#"
     ";140L(2)|M~Opis dokumentu~C(0)@s100@#18#"
     ";"_cp},
    {52, "Powiązane pozycje"_cp, {},
     ";40R(2)|M~Okres~C(0)@n-14@#1#"
     ";80L(2)|M~Konto~C(0)@s30@#2#"
     ";50R(2)|M~Data księgowania~C(0)@d17@#3#"
     ";80L(2)|M~Nr ewidencyjny~C(0)@s30@#4#"
     ";64R(2)|M~Kwota Dt~C(0)@n-16.2@#5#"
     ";48R(2)|M~Kwota KUP (%)~C(0)@n10.4@#6#"
     ";64R(2)|M~Kwota KUP~C(0)@n-16.2@#7#"
     ";40L(2)|M~Dziennik~C(0)@s10@#8#"
     ";80L(2)|M~Nr dokumentu~C(0)@s30@#9#"
     ";50R(2)|M~Data dokumentu~C(0)@d17@#10#"
     ";50R(2)|M~Data oper. gosp.~C(0)@d17@#11#"
     ";140L(2)|M~Opis pozycji~C(0)@s100@#12#"
     ";"_cp},
    {53, "Korekta VAT"_cp, {},
     ";80L(2)|M~Nr dokumentu~C(0)@s30@#1#"
     ";80L(2)|M~Nr ewidencyjny~C(0)@s30@#2#"
     ";50R(2)|M~Data dok.~C(0)@d17@#3#"
     ";50R(2)|M~Data księg.~C(0)@d17@#4#"
     ";50R(2)|M~Termin płatności~C(0)@d17@#5#"
     ";40R(2)|M~Term. plat. (dni)~C(0)@n-14@#6#"
     ";40R(2)|M~Przeterm. (dni)~C(0)@n-14@#7#"
     ";64R(2)|M~Rozrachunek~C(0)@n-16.2@#8#"
     ";64R(2)|M~Saldo~C(0)@n-16.2@#9#"
     ";64R(2)|M~Rozliczono~C(0)@n-16.2@#10#"
     ";48R(2)|M~Rozliczono (%)~C(0)@n10.4@#11#"
     ";64R(2)|M~Suma operacji Netto~C(0)@n-16.2@#12#"
     ";64R(2)|M~Suma operacji VAT~C(0)@n-16.2@#13#"
     ";64R(2)|M~Suma operacji Brutto~C(0)@n-16.2@#14#"
     ";64R(2)|M~Netto w rejestrze~C(0)@n-16.2@#15#"
     ";64R(2)|M~VAT w rejestrze~C(0)@n-16.2@#16#"
     ";64R(2)|M~Brutto w rejestrze~C(0)@n-16.2@#17#"
     ";64R(2)|M~Netto do rozliczenia~C(0)@n-16.2@#18#"
     ";64R(2)|M~VAT do rozliczenia~C(0)@n-16.2@#19#"
     ";64R(2)|M~Brutto do rozliczenia~C(0)@n-16.2@#20#"
     ";64R(2)|M~Netto korekta~C(0)@n-16.2@#21#"
     ";64R(2)|M~VAT korekta~C(0)@n-16.2@#22#"
     ";64R(2)|M~Brutto korekta~C(0)@n-16.2@#23#"
     ";140L(2)|M~Nazwa kontrahenta~C(0)@s100@#24#"
     ";70L(2)|M~NIP kontrahenta~C(0)@s13@#25#"
     ";140L(2)|M~Opis dokumentu~C(0)@s100@#26#"
     ";"_cp},
    {54, "Deklaracje podatkowe"_cp, {},
     ";30L(2)|M~Typ~C(0)@s3@#1#"
     ";16C(2)|M~Korekta~C(0)@s1@#2#"
     ";50R(2)|M~Data utworzenia~C(0)@d17@#3#"
     ";80L(2)|M~Utworzona przez...~C(0)@s30@#4#"
     ";50R(2)|M~Data modyfikacji~C(0)@d17@#5#"
     ";80L(2)|M~Zmodyfikowana przez...~C(0)@s30@#6#"
     ";16C(2)|M~Wysłana do US~C(0)@s1@#7#"
     ";50R(2)|M~Data wysłania~C(0)@d17@#8#"
     ";16C(2)|M~Zablokowana~C(0)@s1@#9#"
     ";80L(2)|M~Zablokowana przez...~C(0)@s30@#10#"
     ";140L(2)|M~Opis~C(0)@s100@#11#"
     ";16C(2)|M~Załączniki~C(0)@s1@#12#"
     ";"_cp},
    {55, "Magazyn walut"_cp, {},
     ";30L(2)|M~Waluta~C(0)@s3@#1#"
     ";80L(2)|M~Konto~C(0)@s30@#2#"
     ";40R(2)|M~Lp~C(0)@n-14@#3#"
     ";50R(2)|M~Data księg.~C(0)@d17@#4#"
     ";80L(2)|M~Nr ewidencyjny~C(0)@s30@#5#"
     ";40R(2)|M~Nr poz.~C(0)@n-14@#6#"
     ";64R(2)|M~Kwota /wal./~C(0)@n-16.2@#7#"
     ";48R(2)|M~Kurs wyceny~C(0)@n10.4@#8#"
     ";64R(2)|M~Wycena~C(0)@n-16.2@#9#"
     ";64R(2)|M~Rozliczono~C(0)@n-16.2@#10#"
     ";64R(2)|M~Wycena rozliczenia~C(0)@n-16.2@#11#"
     ";64R(2)|M~Wycena rozl. wg mag. wal.~C(0)@n-16.2@#12#"
     ";64R(2)|M~Różnica wycen~C(0)@n-16.2@#13#"
     ";64R(2)|M~Zaksięgowano~C(0)@n-16.2@#14#"
     ";64R(2)|M~Do zaksięgowania~C(0)@n-16.2@#15#"
     ";64R(2)|M~Pozostało~C(0)@n-16.2@#16#"
     ";50R(2)|M~Data dok.~C(0)@d17@#17#"
     ";80L(2)|M~Nr dokumentu~C(0)@s30@#18#"
     ";140L(2)|M~Opis~C(0)@s100@#19#"
     ";"_cp},
    {56, "Oddziały firmy"_cp, {},
     ";40R(2)|M~Liczba zatrudnionych~C(0)@n-14@#1#"
     ";140L(2)|M~Nazwa skrócona~C(0)@s100@#2#"
     ";70L(2)|M~NIP~C(0)@s13@#3#"
     ";60L(2)|M~Regon~C(0)@s14@#4#"
     ";50R(2)|M~Data rozp. dział.~C(0)@d17@#5#"
     ";140L(2)|M~Miejscowość~C(0)@s100@#6#"
     ";140L(2)|M~Ulica~C(0)@s100@#7#"
     ";30L(2)|M~Nr domu~C(0)@s10@#8#"
     ";30L(2)|M~Nr lokalu~C(0)@s10@#9#"
     ";52L(2)|M~Kod pocztowy~C(0)@s10@#10#"
     ";140L(2)|M~Poczta~C(0)@s100@#11#"
     ";50L(2)|M~Kod GUS Gminy~C(0)@s7@#12#"
     ";140L(2)|M~Gmina~C(0)@s100@#13#"
     ";140L(2)|M~Powiat~C(0)@s100@#14#"
     ";140L(2)|M~Województwo~C(0)@s100@#15#"
     ";140L(2)|M~Nazwa pełna~C(0)@s100@#16#"
     ";30L(2)|M~Kraj~C(0)@s2@#17#"
     ";"_cp},
    {1001, "Rejestr VAT (dokument)"_cp, {},
     ";16C(2)|M~Automat~C(0)@s1@#1#"
     ";80L(2)|M~Wyróżnik 1~C(0)@s30@#2#"
     ";80L(2)|M~Wyróżnik 2~C(0)@s30@#3#"
     ";80L(2)|M~Wyróżnik 3~C(0)@s30@#4#"
     ";80L(2)|M~Wyróżnik 4~C(0)@s30@#5#"
     ";50R(2)|M~Data obow. pod.~C(0)@d17@#6#"
     ";64R(2)|M~Netto~C(0)@n-16.2@#7#"
     ";32L(2)|M~Stawka VAT~C(0)@s5@#8#"
     ";64R(2)|M~Kwota podatku~C(0)@n-16.2@#9#"
     ";64R(2)|M~Brutto~C(0)@n-16.2@#10#"
     ";40L(2)|M~Grupa podatkowa~C(0)@s10@#11#"
     ";40L(2)|M~Podgrupa~C(0)@s10@#12#"
     ";16C(2)|M~Odliczenie~C(0)@s1@#13#"
     ";140L(2)|M~Nazwa~C(0)@s100@#14#"
     ";70L(2)|M~NIP~C(0)@s13@#15#"
     ";140L(2)|M~Adres~C(0)@s100@#16#"
     ";48R(2)|M~Kurs waluty~C(0)@n10.4@#17#"
     ";64R(2)|M~Netto /wal./~C(0)@n-16.2@#18#"
     ";64R(2)|M~Kwota podatku /wal./~C(0)@n-16.2@#19#"
     ";64R(2)|M~Brutto /wal./~C(0)@n-16.2@#20#"
     ";16C(2)|M~Art.109.3a~C(0)@s1@#21#"
     ";140L(2)|M~Nazwa usługi~C(0)@s100@#22#"
     ";"_cp},
    {1002, "MPK (dokument)"_cp, {},
     ";40R(2)|M~Nr poz.~C(0)@n-14@#1#"
     ";16C(2)|M~Strona~C(0)@s1@#2#"
     ";64R(2)|M~Kwota~C(0)@n-16.2@#3#"
     ";80L(2)|M~Konto~C(0)@s30@#4#"
     ";80L(2)|M~Wskaźnik struktury drzewiastej~C(0)@s30@#5#"
     ";80L(2)|M~Wskaźnik 1~C(0)@s30@#6#"
     ";80L(2)|M~Wskaźnik 2~C(0)@s30@#7#"
     ";80L(2)|M~Wskaźnik 3~C(0)@s30@#8#"
     ";80L(2)|M~Wskaźnik 4~C(0)@s30@#9#"
     ";80L(2)|M~Wskaźnik 5~C(0)@s30@#10#"
     ";"_cp},
};
// clang-format on

}  // namespace

std::span<const DefaultFormat> default_formats() {
  return kDefaults;
}

const DefaultFormat* find_default(std::int32_t browse) {
  for (const DefaultFormat& d : kDefaults) {
    if (d.browse == browse) return &d;
  }
  return nullptr;
}

std::string_view default_format(std::int32_t browse) {
  const DefaultFormat* d = find_default(browse);
  return d != nullptr ? d->format : std::string_view();
}

std::string_view browse_name(std::int32_t browse) {
  const DefaultFormat* d = find_default(browse);
  return d != nullptr ? d->name : std::string_view();
}

bool hidden_by_default(std::int32_t browse, std::int32_t position) {
  const DefaultFormat* d = find_default(browse);
  if (d == nullptr || position <= 0) return false;
  return std::find(d->hidden.begin(), d->hidden.end(), position) != d->hidden.end();
}

}  // namespace funkcja::ui::browse_config
