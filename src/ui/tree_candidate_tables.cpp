// The candidate builders of the browses, one table per browse, by field number (id_pola of
// BROWSER_POLA). The VAT registers 20 to 24 share one table built for their register type.
#include <map>

#include "frame/cp_literal.hpp"
#include "ui/tree_candidates.hpp"

namespace funkcja::ui::tree {
namespace {

using namespace funkcja::literals;

using Table = std::vector<FieldBuilder>;

FieldBuilder rows(std::int32_t id, const char* statement, std::vector<int> display = {2},
                  ValueForm form = ValueForm::kNumber, int value_column = 1) {
  FieldBuilder b;
  b.id = id;
  b.source = Source::kRows;
  b.statement = statement;
  b.display_columns = std::move(display);
  b.value_form = form;
  b.value_column = value_column;
  return b;
}

FieldBuilder fixed(std::int32_t id, std::vector<FixedCandidate> candidates) {
  FieldBuilder b;
  b.id = id;
  b.source = Source::kFixed;
  b.fixed = std::move(candidates);
  return b;
}

FieldBuilder of(std::int32_t id, Source source) {
  FieldBuilder b;
  b.id = id;
  b.source = source;
  return b;
}

// Sources several browses share.
FieldBuilder fiscal_years(std::int32_t id, bool newest_first = false) {
  FieldBuilder b =
      rows(id, newest_first ? "select id_lata_obrot, rok_obrotowy from LATA_OBROTOWE where "
                              "id_firmy={F} order by id_firmy, poczatek_roku desc"
                            : "select id_lata_obrot, rok_obrotowy from LATA_OBROTOWE where "
                              "id_firmy={F} order by id_firmy, poczatek_roku");
  b.suffix = " (obrotowy)";
  return b;
}
FieldBuilder journals(std::int32_t id) {
  return rows(id,
              "select id_paczka, kod_paczki from PACZKA where id_firmy={F} AND id_lata_obrot={L} "
              "order by id_firmy, id_lata_obrot, kod_paczki");
}
FieldBuilder document_types(std::int32_t id) {
  return rows(id,
              "select id_typ_dok, sym_typ_dok_uz from TYP_DOK where id_firmy={F} order by "
              "id_firmy, sym_typ_dok_uz");
}
FieldBuilder users(std::int32_t id) {
  return rows(id, "select identyfikator, imie, nazwisko from UZYTKOWNIK_FK order by identyfikator",
              {1, 2, 3}, ValueForm::kQuoted);
}
FieldBuilder countries(std::int32_t id) {
  return rows(id, "select sym_kraju,nazwa from KRAJE order by sym_kraju", {1, 2},
              ValueForm::kQuoted);
}
FieldBuilder currencies(std::int32_t id) {
  return rows(id, "select sym_waluty,nazwa from WALUTY order by nazwa", {1, 2}, ValueForm::kQuoted);
}
FieldBuilder banks(std::int32_t id) {
  return rows(id, "select id_banku,nazwa from BANKI order by nazwa");
}
FieldBuilder companies(std::int32_t id) {
  return rows(id, "select id_firmy, nazwa from firma where id_firmy<>0 and rovan=1 order by nazwa");
}
FieldBuilder transactions(std::int32_t id) {
  return rows(id,
              "select id_transakcji, nazwa from TRANSAKCJA_INFO where id_firmy={F} order by nazwa");
}
FieldBuilder import_origins(std::int32_t id) {
  return fixed(id, {{"Dokumenty z modułu importu"_cp, "1"}, {"Dokumenty po konwersji z DOS", "2"}});
}
FieldBuilder counterparty_kinds(std::int32_t id, bool with_others) {
  std::vector<FixedCandidate> kinds = {{"Kontrahenci", "'K'"},
                                       {"Pracownicy", "'P'"},
                                       {"Urzędy"_cp, "'U'"},
                                       {"Rachunki bankowe firmy", "'R'"},
                                       {"Kartoteki użytkownika"_cp, "'X'"}};
  if (with_others) kinds.push_back({"Pozostałe"_cp, "'I'"});
  return fixed(id, std::move(kinds));
}
FieldBuilder yes_no(std::int32_t id, std::string_view yes, std::string_view no) {
  return fixed(id, {{yes, "1"}, {no, "0"}});
}

// A VAT register of type S, Z, D, N or U. The sales and purchase registers (S, Z) offer the
// VAT groups of headers 1 and 2 and no split between MP and ordinary invoices.
Table vat_register(bool sales_or_purchase) {
  FieldBuilder mark = rows(0, "", {1}, ValueForm::kQuoted);
  mark.symbols = true;
  Table t = {of(1, Source::kYear), of(2, Source::kMonths),
             rows(3, "select id_stawki, nazwa from VAT_STAWKI where czy_aktywna=1"),
             rows(4, "select id_grupy, skrot from VAT_GRUPY where typ='{T}'")};
  const char* marks[] = {
      "select symbol from VAT_CECHY where id_firmy={F} AND typ='{T}' AND nr_cechy=1",
      "select symbol from VAT_CECHY where id_firmy={F} AND typ='{T}' AND nr_cechy=2",
      "select symbol from VAT_CECHY where id_firmy={F} AND typ='{T}' AND nr_cechy=3",
      "select symbol from VAT_CECHY where id_firmy={F} AND typ='{T}' AND nr_cechy=4"};
  for (std::int32_t i = 0; i < 4; ++i) {
    mark.id = 6 + i;
    mark.statement = marks[i];
    t.push_back(mark);
  }
  if (!sales_or_purchase) t.push_back(fixed(17, {{"Faktury MP", "1"}, {"Faktury zwykłe"_cp, "0"}}));
  t.push_back(fiscal_years(18));
  t.push_back(journals(19));
  t.push_back(document_types(20));
  t.push_back(of(22, Source::kVatDeduction));
  t.push_back(fixed(24, {{"1 kwartał"_cp, "1"},
                         {"2 kwartał"_cp, "2"},
                         {"3 kwartał"_cp, "3"},
                         {"4 kwartał"_cp, "4"}}));
  if (sales_or_purchase) {
    t.push_back(
        rows(25, "select id_grupy, skrot from VAT_GRUPY where id_vat_grupy_nag=1 AND typ='{T}'"));
    t.push_back(
        rows(26, "select id_grupy, skrot from VAT_GRUPY where id_vat_grupy_nag=2 AND typ='{T}'"));
  }
  return t;
}

const std::map<std::int32_t, Table>& tables() {
  static const std::map<std::int32_t, Table> all = [] {
    std::map<std::int32_t, Table> m;
    m[20] = vat_register(true);
    m[21] = vat_register(true);
    m[22] = vat_register(false);
    m[23] = vat_register(false);
    m[24] = vat_register(false);
    m[1] = {
        fiscal_years(1),
        journals(2),
        users(3),
        document_types(4),
        import_origins(5),
        transactions(6),
        yes_no(7, "Powiązane z notą korygującą"_cp, "Niepowiązane z notą korygującą"_cp),
        yes_no(8, "Nie dotyczy KUP (art.15b ust. o pdop)", "Pozostałe (art.15b ust. o pdop)"_cp)};
    m[5] = {rows(1,
                 "select id_klasyfikacji,nazwa from KLASYFIKACJA_KONTRAHENTA where id_firmy={F} "
                 "order by id_firmy, nazwa"),
            yes_no(2, "Tak", "Nie"), countries(3)};
    m[6] = {fixed(1, {{"Aktualni", "1"}, {"Archiwum", "2"}, {"Pozostali", "3"}}),
            fixed(2, {{"Kobieta", "'Kobieta'"}, {"Mężczyzna"_cp, "'Mężczyzna'"_cp}})};
    m[7] = {fixed(1, {{"Urzędy Skarbowe"_cp, "'US'"}, {"ZUS", "'ZUS'"}})};
    m[8] = {banks(1), countries(2), currencies(3)};
    m[9] = {banks(1)};
    m[10] = {rows(2,
                  "select id_grupy,nazwa_grupy from GRUPA_SRODKOW where id_firmy={F} order by "
                  "id_firmy, nr"),
             rows(3, "select nrklasyf, nazwa from KLASYFIK order by nrklasyf", {1, 2},
                  ValueForm::kQuoted)};
    m[30] = {
        counterparty_kinds(1, false),
        fixed(2, {{"Należność"_cp, "'N'"}, {"Płatność"_cp, "'P'"}, {"Zobowiązanie"_cp, "'Z'"}}),
        fixed(3, {{"Wn", "'WN'"}, {"Ma", "'MA'"}}),
        fixed(4, {{"Rozliczone", "1"},
                  {"Nierozliczone", "2"},
                  {"Częściowo rozliczone"_cp, "3"},
                  {"Nierozliczone i częściowo rozliczone"_cp, "4"},
                  {"Przeterminowane", "5"},
                  {"Pozostałe"_cp, "6"}}),
        currencies(5),
        fixed(6, {{"Korekty", "1"}}),
        fiscal_years(7, true),
        journals(8),
        document_types(9),
        yes_no(10, "Powiązane z przelewem"_cp, "Niepowiązane z przelewem"_cp)};
    m[31] = {
        counterparty_kinds(1, true),
        rows(2, "select ID_RACHUNKU, LK, NUMER_RACHUNKU from RACHUNEK_FIRMY where id_firmy={F}",
             {2, 3}),
        yes_no(3, "Zrealizowane", "Niezrealizowane"),
        yes_no(4, "Zatwierdzone", "Niezatwierdzone"),
        fixed(5, {{"Zwykłe"_cp, "1"}, {"Podatkowe", "2"}}),
        yes_no(6, "Powiązane z rozrachunkiem"_cp, "Niepowiązane z rozrachunkiem"_cp)};
    m[32] = {rows(1,
                  "select ID_MPK_DRZEWO,NAZWA,CZY_DOMYSLNE from MPK_DRZEWO where id_firmy={F} "
                  "order by NAZWA"),
             fiscal_years(2)};
    const char* indicators[] = {
        "select id_mpk_slownik_wskaznik, kod, nazwa from MPK_SLOWNIK_WSKAZNIK where "
        "id_firmy={F} AND nr_wskaznika=1 order by id_firmy, nr_wskaznika, kod ",
        "select id_mpk_slownik_wskaznik, kod, nazwa from MPK_SLOWNIK_WSKAZNIK where "
        "id_firmy={F} AND nr_wskaznika=2 order by id_firmy, nr_wskaznika, kod ",
        "select id_mpk_slownik_wskaznik, kod, nazwa from MPK_SLOWNIK_WSKAZNIK where "
        "id_firmy={F} AND nr_wskaznika=3 order by id_firmy, nr_wskaznika, kod ",
        "select id_mpk_slownik_wskaznik, kod, nazwa from MPK_SLOWNIK_WSKAZNIK where "
        "id_firmy={F} AND nr_wskaznika=4 order by id_firmy, nr_wskaznika, kod ",
        "select id_mpk_slownik_wskaznik, kod, nazwa from MPK_SLOWNIK_WSKAZNIK where "
        "id_firmy={F} AND nr_wskaznika=5 order by id_firmy, nr_wskaznika, kod "};
    for (std::int32_t i = 0; i < 5; ++i) m[32].push_back(rows(3 + i, indicators[i], {2, 3}));
    m[32].push_back(rows(8,
                         "select id_paczka, kod_paczki, opis from PACZKA where id_firmy={F} AND "
                         "id_lata_obrot={L} order by id_firmy, id_lata_obrot, kod_paczki",
                         {2, 3}));
    m[32].push_back(rows(9,
                         "select id_typ_dok, sym_typ_dok_uz, nazwa from TYP_DOK where id_firmy={F} "
                         "order by id_firmy, sym_typ_dok_uz",
                         {2, 3}));
    m[33] = {companies(1),
             fiscal_years(2),
             users(3),
             rows(4, "select id_opcje, nazwa_opcji from OPCJE where czy_sys=1 order by sortowanie"),
             transactions(5),
             import_origins(6)};
    m[35] = {companies(1), fiscal_years(2), users(3),
             fixed(4, {{"System", "'SYS'"},
                       {"Dokumenty księgowe"_cp, "'DOK'"},
                       {"Rozrachunki", "'ROZ'"},
                       {"Księga główna"_cp, "'KSI'"},
                       {"Rejestr VAT", "'VAT'"},
                       {"Kontrahenci", "'KON'"},
                       {"Pracownicy", "'PRA'"},
                       {"Urzędy"_cp, "'URZ'"},
                       {"Rachunki bankowe", "'RAC'"},
                       {"Dokumenty handlowe", "'HAN'"},
                       {"Dokumenty finansowe", "'FIN'"},
                       {"Przelewy", "'PRZ'"},
                       {"Pozostałe"_cp, "'POZ'"}}),
             fixed(5, {{"Dodawanie", "'D'"},
                       {"Poprawianie", "'P'"},
                       {"Usuwanie", "'U'"},
                       {"Zatwierdzanie", "'Z'"},
                       {"Usunięcie logu"_cp, "'X'"},
                       {"Inne", "'I'"}})};
    m[36] = {rows(1,
                  "select a.ID_KARTOTEKI_POZ, a.KOD_KARTOTEKI, a.POLE1 from "
                  "KARTOTEKA_UZYTKOWNIKA_POZ a inner join KARTOTEKA_UZYTKOWNIKA b on "
                  "(a.id_kartoteki = b.id_kartoteki) where b.przeznaczenie = 3 AND b.id_firmy={F} "
                  "order by b.lp, a.kod_kartoteki",
                  {2, 3}),
             fixed(2, {{"Wydatki", "'W'"}, {"Dochody", "'D'"}}),
             fiscal_years(3),
             rows(4,
                  "select id_mpk_slownik_wskaznik, kod, nazwa from MPK_SLOWNIK_WSKAZNIK where "
                  "id_firmy={F} AND nr_wskaznika=1 order by id_firmy, nr_wskaznika, kod ",
                  {2, 3}),
             journals(5),
             document_types(6)};
    m[37] = {fixed(1, {{"Nota odsetkowa", "'N'"},
                       {"Potwierdzenie salda", "'P'"},
                       {"Wezwanie do zapłaty"_cp, "'W'"}}),
             counterparty_kinds(2, false)};
    m[39] = {
        rows(1,
             "select id_typu_dokumentu, sygnatura+' '+nazwa from FK_TYP_DOKUMENTU where "
             "sygnatura in ('KW','KP') order by sygnatura asc"),
        rows(2, "select id_kasy, symbol, nazwa from FK_KASA where id_firmy={F} order by symbol",
             {2, 3})};
    m[40] = {
        rows(1,
             "select id_typu_dokumentu, sygnatura+' '+nazwa from FK_TYP_DOKUMENTU where "
             "rodzaj='H' order by sygnatura asc"),
        rows(2, "select id_formy_platnosci, nazwa from FK_FORMA_PLATNOSCI order by nazwa asc")};
    m[43] = {yes_no(1, "Wysłane"_cp, "Niewysłane"_cp),
             yes_no(2, "Powiązane"_cp, "Niepowiązane"_cp)};
    m[51] = {yes_no(1, "Dodatkowe koszty = TAK", "Dodatkowe koszty = NIE")};
    m[55] = {yes_no(1, "Wpływ"_cp, "Wypływ"_cp),
             yes_no(2, "Dokumenty wykazujące różnicę wyceny"_cp,
                    "Dokumenty nie wykazujące różnicy wyceny"_cp),
             yes_no(3, "Pozostało do zaksięgowania"_cp, "Nie pozostało do zaksięgowania"_cp),
             yes_no(4, "Operacje gdy stan środków < 0"_cp, "Operacje gdy stan środków > 0"_cp),
             yes_no(5, "Istnienie pozycji korygującej"_cp, "Brak pozycji korygującej"_cp)};
    m[kUserDictionaryBrowses] = {
        rows(1,
             "select pole1, id_kartoteki_poz from KARTOTEKA_UZYTKOWNIKA_POZ where id_kartoteki={D} "
             "order by pole1",
             {1}, ValueForm::kNumber, 2),
        fixed(2, {{"Aktywna", "1"}, {"Nieaktywna", "2"}, {"Aktywna okresowo", "3"}})};
    return m;
  }();
  return all;
}

}  // namespace

std::string_view vat_register_type(std::int32_t browse) {
  switch (browse) {
    case 20:
      return "S";
    case 21:
      return "Z";
    case 22:
      return "D";
    case 23:
      return "N";
    case 24:
      return "U";
    default:
      return {};
  }
}

const FieldBuilder* field_builder(std::int32_t browse, std::int32_t id) {
  const auto& all = tables();
  const auto table = all.find(browse >= kUserDictionaryBrowses ? kUserDictionaryBrowses : browse);
  if (table == all.end()) return nullptr;
  for (const FieldBuilder& b : table->second) {
    if (b.id == id) return &b;
  }
  return nullptr;
}

}  // namespace funkcja::ui::tree
