// Every statement form that the library sends, as its procedures build it for the demo session
// (company 1, user AKOWALSKA, fiscal year 3), run through the gateway on the demo data.
#include <gtest/gtest.h>

#include "frame/cp_literal.hpp"
#include "support/database_fixture.hpp"

namespace funkcja {
namespace {

using namespace funkcja::literals;
using Statements = testing::DemoDatabase;

struct Form {
  std::string_view statement;
  std::vector<std::string_view> rows;  // columns joined by "|"
};

TEST_F(Statements, EveryFormTheLibrarySendsRunsOnTheDemoData) {
  const std::vector<Form> forms = {
      // catalogue (filter rewriting)
      {"select a.name from syscolumns a inner join sysobjects b on a.id = b.id where b.name = "
       "'BANKI'",
       {"id_banku", "numer_banku", "symbol", "nazwa"}},
      // bank accounts and banks
      {"select ID_RACHUNKU from  RACHUNEK_BANKOWY_K_VIEW with (nolock) where ID_RACHUNKU = 1 AND "
       "ID_KARTOTEKI =  1",
       {"1"}},
      {"select NUMER_RACHUNKU_ALL from  RACHUNEK_BANKOWY_P_VIEW with (nolock) where ID_RACHUNKU = "
       "5 AND ID_KARTOTEKI =  1",
       {"88114020049261265206427928"}},
      {"select a.ID_RACHUNKU from KONTRAHENT a with (nolock) inner join RACHUNEK_BANKOWY_K_VIEW b "
       "with (nolock) on a.ID_RACHUNKU = b.ID_RACHUNKU where a.ID_KONTRAHENTA =  2",
       {"2"}},
      {"select a.ID_RACHUNKU from PRACOWNIK a with (nolock) inner join RACHUNEK_BANKOWY_P_VIEW b "
       "with (nolock) on a.ID_RACHUNKU = b.ID_RACHUNKU where a.ID_PRACOWNIKA =  2",
       {"6"}},
      {"select NUMER_RACHUNKU_ALL from RACHUNEK_BANKOWY_K_VIEW with (nolock) where ID_RACHUNKU =  "
       "4",
       {"06109010149232073202152738"}},
      {"select id_banku from BANKI where numer_banku = '10100000'", {"1"}},
      {"select id_banku from BANKI where Substring(numer_banku,1,3)= '101'", {"1"}},
      {"select id_banku from BANKI where upper(symbol) like '%NBP%' OR upper(nazwa) like "
       "'%NARODOWY%' OR upper(nazwa) like '%NBP%'",
       {"1"}},
      {"select symbol, nazwa from BANKI where id_banku=4", {"ING|ING Bank Śląski S.A."_cp}},
      // calendar and dialogs
      {"select datepart(dw,convert(datetime,46360))", {"7"}},
      {"select ID_DEKLARACJE_WZORZEC, lr_nazwa, lr_opis from DEKLARACJE_WZORZEC where typ = "
       "'VAT-7' AND lr_onoff = 1 order by ID_DEKLARACJE_WZORZEC desc",
       {"20|VAT-7(23)|Deklaracja VAT-7 wersja 23", "19|VAT-7(22)|Deklaracja VAT-7 wersja 22"}},
      // logs, options, posting check
      {"select max(id_operacji) from FK_LOG_1", {"42"}},
      {"select nazwa_wartosci from OPCJE_UZYTKOWNIKA with (NOLOCK) where id_firmy=1 AND "
       "id_uzyt='AKOWALSKA' AND id_opcje=30",
       {";"}},
      {"select NAZWA_WARTOSCI from OPCJE_SYSTEMOWE where ID_FIRMY =1 and ID_LATA_OBROT > 0 and "
       "ID_LATA_OBROT =3 and ID_OPCJE =12",
       {"PLN"}},
      {"select DBWER from TEMIXDBSTATE where PRGKOD = 1", {"2026.4.1.17"}},
      {"select 1, konto_wn from DUP_POZ_DOK where id_nag_dok=1001 AND konto_wn<>'' group by "
       "konto_wn",
       {"1|201-1"}},
      {"select 1, konto_ma from DUP_POZ_DOK where id_nag_dok=1005 AND konto_ma<>'' group by "
       "konto_ma",
       {}},
      {"select 1, konto_wn from DUP_POZ_DOK where id_nag_dok=1005 AND konto_wn<>'' group by "
       "konto_wn",
       {}},
      // company, office and contractor lookups
      {"select nazwa+'  '+ulica_lokal+' '+kod_pocztowy+'  '+miejscowosc from URZEDY where "
       "id_urzedu=1",
       {"Urząd Skarbowy Warszawa-Śródmieście  ul. Lindleya 14 02-013  Warszawa"_cp}},
      {"select nazwa from URZEDY where id_urzedu=3", {"Urząd Skarbowy Łódź-Bałuty"_cp}},
      {"select NIP,PESEL from KONTRAHENT (nolock) where id_kontrahenta=7", {"|72030512345"}},
      {"select NIP,PESEL from PRACOWNIK (nolock) where id_pracownika=2",
       {"6345145478|78120398761"}},
      {"select dbo.TG_GetFormaPlatnosci(1,1,2,0,'','')", {"przelew 30 dni"}},
      {"select 1 from LATA_OBROTOWE where id_lata_obrot = 2 AND zamkniety_okres>=82100", {"1"}},
      {"select 1 from LATA_OBROTOWE where id_lata_obrot = 3 AND zamkniety_okres>=82300", {}},
      {"select 1 from LATA_OBROTOWE where id_lata_obrot = 1 AND status='2'", {"1"}},
      {"call USTAL_PRAWO_DOSTEPU_FUNKCJA (1,'AKOWALSKA','ZAMKNIECIE_ROKU')", {"0"}},
      {"select nazwa_wartosci from OPCJE_UZYTKOWNIKA where id_opcje = 69 AND id_firmy=1 AND "
       "id_uzyt = 'AKOWALSKA'",
       {"tak"}},
      {"select nazwa, nazwa_pelna from FIRMA where id_firmy=2",
       {"Biuro Rachunkowe Bilans s.c.|Biuro Rachunkowe BILANS Anna Kowalska, Jan Nowak spółka cywilna"_cp}},
      {"select ULICA, NR_DOMU, NR_LOKALU, KOD_POCZTOWY, MIEJSCOWOSC, POCZTA from ADRESY_FIRMY "
       "where id_firmy=1 AND typ_adresu='S' order by id_firmy asc, data_od desc",
       {"Długa|5|3|00-238|Warszawa|Warszawa"_cp, "Marszałkowska|84||00-514|Warszawa|Warszawa"_cp}},
      {"select ulica_lokal,kod_pocztowy,miejscowosc from KONTRAHENT (nolock) where "
       "id_kontrahenta=3",
       {"Chotowa 45|39-207|Brzeźnica"_cp}},
      {"select ulica_lokal,kod_pocztowy,miejscowosc from URZEDY (nolock) where id_urzedu=2",
       {"ul. Jagiellońska 15|03-719|Warszawa"_cp}},
      {"select top 1 ulica,kod_pocztowy,miejscowosc,nr_domu,nr_lokalu from ADRESY_PRACOWNIKA "
       "(nolock) where id_pracownika=1 order by data_od desc",
       {"ul. Słoneczna|05-500|Piaseczno|7|"_cp}},
      {"select id_urzedu from URZEDY_FIRMY where id_urzedy_firmy=2", {"2"}},
      {"select u.id_urzedu from URZEDY_FIRMY u inner join FIRMA f on (u.id_firmy = f.id_firmy AND "
       "u.id_urzedu = f.id_us) where f.id_firmy=1",
       {"1"}},
      {"select top 1 id_urzedu from URZEDY_FIRMY where id_firmy=1 AND typ_urzedu='US' AND "
       "data_od<=82523 order by id_firmy, typ_urzedu, data_od desc",
       {"2"}},
      {"select kod_us from URZEDY where id_urzedu=3", {"1004"}},
      {"select data_okresu from ZAMKNIETE_OKRESY_VAT where id_firmy = 1",
       {"82184", "82215", "82243"}},
      {"select domyslne_ukrywanie_rozrach from TYP_DOK where id_typ_dok=3", {"1"}},
      {"select czy_ukryty_rozrachunek from KONTA_SYNT where id_firmy=1 AND id_lata_obrot=3 AND "
       "nr_konta_syn=202",
       {"1"}},
      {"select 1 from BT_DZIAL where symbol = '750'", {"1"}},
      {"select 1 from BT_ROZDZIAL where symbol = '75023'", {"1"}},
      {"select 1 from BT_PARAGRAF where symbol = '421' AND typ = 'W'", {"1"}},
      {"select 1 from BT_POZYCJA where symbol = '0001' AND id_firmy =1", {"1"}},
      {"select id_mpk_slownik_drzewo, kod from MPK_SLOWNIK_DRZEWO where id_mpk_slownik_drzewo=1",
       {"1|ZARZĄD"_cp}},
      {"select rok_obrotowy from LATA_OBROTOWE where id_lata_obrot=3", {"2026"}},
      {"select 1,nazwa,sym_waluty from WALUTY order by sym_waluty",
       {"1|frank szwajcarski|CHF", "1|korona czeska|CZK", "1|euro|EUR", "1|funt szterling|GBP",
        "1|złoty polski|PLN"_cp, "1|dolar amerykański|USD"_cp}},
      {"select nr_konta from OBROTY_I_SALDA with (NOLOCK) where id_firmy=1 AND id_lata_obrot=3 AND "
       "Reverse(Substring(Reverse(nr_konta),1,ABS(Charindex('-',Reverse(nr_konta))-1)))=convert("
       "varchar(20),1) "
       "AND  Isnull(Reverse(Stuff(Reverse(nr_konta),1,Charindex('-',Reverse(nr_konta))-1,'x')),'') "
       "in "
       "(select k.nr_konta from WARTOSCI_KONT k with (NOLOCK) where k.id_firmy=1 AND "
       "k.id_lata_obrot=3 AND "
       "k.symbol_kartoteki in (select u.symbol_kartoteki from KARTOTEKA_UZYTKOWNIKA u  with "
       "(NOLOCK) where "
       "u.id_firmy=1 AND u.filtr_kartoteka='PROJEKTY')) group by nr_konta",
       {"501-01-1"}},
      {"CALL OBLICZ_OBROTY_DLA_KONTA (1,3,82184,'PLN','100-01',0, 0)",
       {"12000.00|11250.50|100-01|1520.00|0.00|2269.50|0.00"}},
      // exchange, export, messages, browses, trees
      {"select nazwa_wartosci from OPCJE_UZYTKOWNIKA where id_uzyt='AKOWALSKA' AND id_firmy=2 AND "
       "id_opcje=30",
       {","}},
      {"CALL USTAL_NAZWE_KONTA(1,3,'201-1')", {"1|201-1|Odbiorcy krajowi"}},
      {"select tekst1, tekst2 from KOMUNIKAT with (NOLOCK) where id_uzytkownika=2 AND "
       "kontekst='START'",
       {"Zamknięcie okresu listopad 2026 zaplanowano na 10 grudnia.|1"_cp,
        "Termin wysyłki JPK_V7M za listopad 2026 mija 25 grudnia.|2"_cp}},
      {"select tekst1, tekst4, tekst5, tekst6 from KOMUNIKAT where id_uzytkownika=2 AND "
       "kontekst='ZESTAW'",
       {"Zestawienie obrotów i sald|82184|82518|82523"_cp, "Bilans otwarcia|0|82184|82190"}},
      {"select dbo.TG_GetKontrahentDokument(1001,0,1,0,0)", {"Lubawa S.A.\r\nNIP: 5273021570"}},
      {"select nr_dok_org, data_dok_org, nr_ewid_dok, data_biezaca from NAG_DOK with (NOLOCK) "
       "where id_nag_dok=1001",
       {"FS/2026/12/001|82518|FS/12/001|82520"}},
      {"select top 1 convert(varchar(20),datepart(dd,l.dataczas))+'-'+Right('0'+convert(varchar(20),datepart(mm,l.dataczas)),2)+'-'+convert(varchar(20),datepart(yy,l.dataczas))+'  '+Left(convert(varchar(20),l.dataczas,114),8)+',  użytkownik: '+ u.identyfikator from UZYTKOWNIK_FK_LOG l left outer join UZYTKOWNIK_FK u on l.id_uzytkownika = u.id_uzytkownika where l.id_zapisu = 82488 AND l.id_firmy = 1 AND l.modul_operacji = 'VAT' AND Substring(szczegoly_operacji,1,27)='Aktualizacja rejestru VAT z' order by l.dataczas desc"_cp,
       {"3-12-2026  09:05:41,  użytkownik: JNOWAK"_cp}},
      {"select format_kolumny, czy_aktywna from BROWSER_UZYTKOWNIK_KONF with (NOLOCK) where "
       "id_browsera=1 AND id_uzytkownika=2 order by id_uzytkownika, id_browsera, kolejnosc",
       {"NR_DOK_ORG|Numer dokumentu|120|1", "DATA_DOK_ORG|Data|70|1", "OPIS|Opis|200|0"}},
      {"select "
       "SORTOWANIE_LP,SORTOWANIE_DIR,SORTOWANIE_INTU,VSPLITPOS_1,HSPLITPOS_1,UNI_1,UNI_2,STOPKA_"
       "BROWSER from BROWSER_UZYTKOWNIK_OKNO with (NOLOCK) where ID_BROWSERA=1 AND "
       "ID_UZYTKOWNIKA=2",
       {"2|0|0|320|210|0|0|1"}},
      {"select ID_BROWSER_UZYTKOWNIK_OKNO from BROWSER_UZYTKOWNIK_OKNO with (NOLOCK) where "
       "ID_BROWSERA=1 AND ID_UZYTKOWNIKA=2",
       {"1"}},
      {"update BROWSER_UZYTKOWNIK_OKNO set "
       "SORTOWANIE_LP=3,SORTOWANIE_DIR=1,SORTOWANIE_INTU=0,VSPLITPOS_1=300,HSPLITPOS_1=200,UNI_1=0,"
       "UNI_2=0,STOPKA_BROWSER=1 where  ID_BROWSER_UZYTKOWNIK_OKNO=1",
       {}},
      {"insert into BROWSER_UZYTKOWNIK_OKNO "
       "(ID_BROWSERA,ID_UZYTKOWNIKA,SORTOWANIE_LP,SORTOWANIE_DIR,SORTOWANIE_INTU,VSPLITPOS_1,"
       "HSPLITPOS_1,UNI_1,UNI_2,STOPKA_BROWSER) values (5,2,1,0,0,0,0,0,0,0)",
       {}},
      {"delete from BROWSER_UZYTKOWNIK_KONF where id_browsera=1 AND id_uzytkownika=2", {}},
      {"insert into "
       "BROWSER_UZYTKOWNIK_KONF(ID_BROWSERA,ID_UZYTKOWNIKA,KOLEJNOSC,CZY_AKTYWNA,FORMAT_KOLUMNY) "
       "values(1,2,1,1,'NR|Numer|80')",
       {}},
      {"select nazwa_galezi, ikona, poziom, lp, pole_filtr, wart_pola, warunek, nazwa_drzewa from "
       "BROWSER_KONFIG where id_firmy=1 AND id_browsera=1 AND id_uzyt='AKOWALSKA' AND domyslny=1 "
       "order by id_firmy, id_browsera, id_uzyt, domyslny, lp",
       {"Faktury sprzedaży|2|1|1|ID_TYP_DOK|1|=|Według typu dokumentu"_cp,
        "Faktury zakupu|2|1|2|ID_TYP_DOK|2|=|Według typu dokumentu"_cp}},
      {"select nazwa_drzewa from BROWSER_KONFIG where id_firmy=1 AND id_browsera=1 AND "
       "id_uzyt='AKOWALSKA' group by nazwa_drzewa order by nazwa_drzewa",
       {"Według dziennika"_cp, "Według typu dokumentu"_cp}},
      {"CALL OBSLUGA_KONFIG_BROW(1,'AKOWALSKA',1,1,'Nowe drzewo')", {}},
      {"insert into BROWSER_KONFIG (id_firmy, id_browsera, id_uzyt, nazwa_drzewa, lp, ikona, "
       "nazwa_galezi, poziom, pole_filtr, wart_pola, warunek, zakres_d, zakres_g, domyslny) values "
       "(1,1,'AKOWALSKA','Nowe drzewo',1,2,'Kasa',1,'ID_PACZKA','''K''','=',0,0,1)",
       {}},
      {"select 1 from BROWSER_KONFIG where id_firmy=1 AND id_browsera=1 AND id_uzyt='AKOWALSKA' "
       "AND nazwa_drzewa='Nowe drzewo'",
       {"1"}},
      {"select wart_pola from BROWSER_KONFIG where nazwa_drzewa='Nowe drzewo'", {"'K'"}},
      {"select id_pola, pole_filtr, pole_display from BROWSER_POLA where id_browsera=24 AND "
       "kontekst='D' order by id_browsera, kontekst, id_pola",
       {"1|ID_LATA_OBROT|Rok obrotowy", "3|ID_STAWKI|Stawka VAT", "4|ID_GRUPY|Grupa VAT",
        "6|CECHA_1|Wyróżnik 1"_cp}},
      {"select id_grupy, skrot from VAT_GRUPY where id_vat_grupy_nag=1 AND typ='S'",
       {"1|KRAJ", "2|WDT"}},
      {"select id_stawki, nazwa from VAT_STAWKI where czy_aktywna=1",
       {"1|23%", "2|8%", "3|5%", "4|0%", "5|zw", "6|np"}},
      {"select id_grupy, skrot from VAT_GRUPY where typ='U'", {"7|IU"}},
      {"select symbol from VAT_CECHY where id_firmy=1 AND typ='U' AND nr_cechy=1", {"*", "A", ""}},
      {"select id_lata_obrot, rok_obrotowy from LATA_OBROTOWE where id_firmy=1 order by id_firmy, "
       "poczatek_roku",
       {"1|2024", "2|2025", "3|2026"}},
      {"select id_paczka, kod_paczki from PACZKA where id_firmy=1 AND id_lata_obrot=3 order by "
       "id_firmy, id_lata_obrot, kod_paczki",
       {"3|FS", "4|FZ", "5|PK", "1|RK", "2|WB"}},
      {"select id_typ_dok, sym_typ_dok_uz from TYP_DOK where id_firmy=1 order by id_firmy, "
       "sym_typ_dok_uz",
       {"1|FS", "2|FZ", "5|KP", "4|PK", "3|WB"}},
      {"select identyfikator, imie, nazwisko from UZYTKOWNIK_FK order by identyfikator",
       {"ADMIN|Administrator|Systemu", "AKOWALSKA|Anna|Kowalska", "JNOWAK|Jan|Nowak"}},
      {"select id_klasyfikacji,nazwa from KLASYFIKACJA_KONTRAHENTA where id_firmy=1 order by "
       "id_firmy, nazwa",
       {"2|Dostawcy", "1|Odbiorcy krajowi", "3|Odbiorcy zagraniczni"}},
      {"select top 2 sym_kraju,nazwa from KRAJE order by sym_kraju  ", {"CZ|Czechy", "DE|Niemcy"}},
      {"select top 2 id_banku,nazwa from BANKI order by nazwa",
       {"5|Bank Polska Kasa Opieki S.A.", "4|ING Bank Śląski S.A."_cp}},
      {"select top 2 sym_waluty,nazwa from WALUTY order by nazwa",
       {"USD|dolar amerykański"_cp, "EUR|euro"}},
      {"select id_grupy,nazwa_grupy from GRUPA_SRODKOW where id_firmy=1 order by id_firmy, nr",
       {"1|Budynki i lokale", "2|Maszyny, urządzenia i aparaty ogólnego zastosowania"_cp,
        "3|Środki transportu"_cp}},
      {"select nrklasyf, nazwa from KLASYFIK order by nrklasyf",
       {"101|Budynki przemysłowe"_cp, "491|Zestawy komputerowe", "741|Samochody osobowe"}},
      {"select ID_RACHUNKU, LK, NUMER_RACHUNKU from RACHUNEK_FIRMY where id_firmy=1",
       {"1|1|04102010265481454212472019", "2|2|68109010140675691933505646"}},
      {"select ID_MPK_DRZEWO,NAZWA,CZY_DOMYSLNE from MPK_DRZEWO where id_firmy=1 order by NAZWA",
       {"2|Projekty|0", "1|Struktura organizacyjna|1"}},
      {"select id_mpk_slownik_wskaznik, kod, nazwa from MPK_SLOWNIK_WSKAZNIK where id_firmy=1 AND "
       "nr_wskaznika=1 order by id_firmy, nr_wskaznika, kod ",
       {"1|W1|Wskaźnik powierzchni"_cp, "2|W2|Wskaźnik zatrudnienia"_cp}},
      {"select id_firmy, nazwa from firma where id_firmy<>0 and rovan=1 order by nazwa",
       {"2|Biuro Rachunkowe Bilans s.c.", "1|PHU Żuraw Sp. z o.o."_cp}},
      {"select id_opcje, nazwa_opcji from OPCJE where czy_sys=1 order by sortowanie",
       {"12|Waluta podstawowa", "15|Kontrola zamkniętych okresów"_cp,
        "21|Numeracja dokumentów w dzienniku"_cp}},
      {"select id_typu_dokumentu, sygnatura+' '+nazwa from FK_TYP_DOKUMENTU where sygnatura in "
       "('KW','KP') order by sygnatura asc",
       {"1|KP Kasa przyjmie", "2|KW Kasa wyda"}},
      {"select id_formy_platnosci, nazwa from FK_FORMA_PLATNOSCI order by nazwa asc",
       {"1|gotówka"_cp, "4|karta płatnicza"_cp, "5|kompensata", "2|przelew", "3|przelew"}},
      {"select pole1, id_kartoteki_poz from KARTOTEKA_UZYTKOWNIKA_POZ where id_kartoteki=1 order "
       "by pole1",
       {"Budowa magazynu|1", "Modernizacja linii|2"}},
      {"select kod_paczki from PACZKA (nolock) where id_paczka=2", {"WB"}},
      {"select sym_typ_dok_uz from TYP_DOK (nolock) where id_typ_dok=4", {"PK"}},
      {"select "
       "a.ID_KARTOTEKI_POZ,a.ID_KARTOTEKI,a.KOD_KARTOTEKI,a.POLE1,a.POLE2N,b.ID_KARTOTEKI_P2,a."
       "AKTYWNOSC,a.AKTYWNOSC_OD,a.AKTYWNOSC_DO,b.LP,b.PRZEZNACZENIE_PREDEF,b.PRZEZNACZENIE_STATUS,"
       "b.SYMBOL_KARTOTEKI from KARTOTEKA_UZYTKOWNIKA_POZ a inner join KARTOTEKA_UZYTKOWNIKA b on "
       "(a.id_kartoteki = b.id_kartoteki) where b.przeznaczenie = 3 AND b.id_firmy =1 AND "
       "isnull(b.lp,0)>0 order by b.lp,b.id_kartoteki,a.kod_kartoteki,a.id_kartoteki_poz",
       {"1|1|1|Budowa magazynu|0|0|1|0|0|1|ZADANIE|1|PROJ",
        "2|1|2|Modernizacja linii|0|0|1|0|0|1|ZADANIE|1|PROJ",
        "3|2|01|Funkcjonowanie państwa|0|0|1|0|0|2|FUNKCJA|1|FUN"_cp}},
      {"select isnull(a.ID_KARTOTEKI,0),case isnull(a.ID_KARTOTEKI,0) when 0 then (case b.TYP when 'D' then 'Dział' when 'R' then 'Rozdział' when 'P' then 'Paragraf' when 'S' then 'Subanalityka' end) else a.SYMBOL_KARTOTEKI end,case isnull(a.ID_KARTOTEKI,0) when 0 then (case b.TYP when 'D' then 'Dział klasyfikacji budżetowej tradycyjnej' when 'R' then 'Rozdział klasyfikacji budżetowej tradycyjnej' when 'P' then 'Paragraf klasyfikacji budżetowej tradycyjnej' when 'S' then 'Subanalityka klasyfikacji budżetowej tradycyjnej' end) else a.NAZWA_KARTOTEKI end,case isnull(a.ID_KARTOTEKI,0) when 0 then (case b.TYP when 'D' then 0 when 'R' then 0 when 'P' then 0 when 'S' then 1 end) else a.ANALITYKA_TYP end,case isnull(a.ID_KARTOTEKI,0) when 0 then (case b.TYP when 'D' then 3 when 'R' then 5 when 'P' then 4 when 'S' then 5 end) else a.ANALITYKA_DLUGOSC end,b.TYP,b.NR_KONTA,b.LP from SLOW_PLAN_KONT b left outer join KARTOTEKA_UZYTKOWNIKA a on a.id_kartoteki = b.id_kartoteki where b.id_lata_obrot = 3 order by b.nr_konta, b.lp"_cp,
       {"0|Dział|Dział klasyfikacji budżetowej tradycyjnej|0|3|D|501|1"_cp,
        "0|Rozdział|Rozdział klasyfikacji budżetowej tradycyjnej|0|5|R|501|2"_cp,
        "1|PROJ|Projekty|1|3|S|501|3"}},
      // autocomplete
      {"select top 1 wojewodztwo from WOJEWODZTWO with (NOLOCK) where Substring(wojewodztwo,1,2) = 'ŁÓ' order by wojewodztwo"_cp,
       {"łódzkie"_cp}},
      {"select top 1 nip from KONTRAHENT with (NOLOCK) where id_firmy=1 AND Substring(nip,1,3) = "
       "'527' order by nip",
       {"5273021570"}},
      {"select top 1 pesel from KONTRAHENT with (NOLOCK) where id_firmy=1 AND Substring(pesel,1,2) "
       "= '72' AND platnik_vat=0 order by pesel",
       {"72030512345"}},
      {"select top 1 nip from KONTRAHENT_POMOCNICZY with (NOLOCK) where id_firmy=1 AND "
       "Substring(nip,1,2) = '58' order by nip",
       {"5834056087"}},
      {"select top 1 nazwa from KONTRAHENT where id_firmy=1 AND Substring(nazwa,1,2) = 'ĆW' order by nazwa"_cp,
       {"Ćwikła Usługi Transportowe"_cp}},
      {"select top 1 nazwa from KONTRAHENT where id_firmy=1 AND nazwa like '%ucz%' order by nazwa",
       {"Łucznik S.A."_cp}},
      {"select top 1 nazwa_pelna from KONTRAHENT with (NOLOCK) where id_firmy=1 AND "
       "Substring(nazwa_pelna,1,7) = 'fabryka' order by nazwa_pelna",
       {"Fabryka Broni Łucznik Radom"_cp}},
      {"select top 1 nr_konta from WARTOSCI_KONT with (NOLOCK) where id_firmy=1 AND "
       "id_lata_obrot=3 AND Substring(nr_konta,1,3)='201' AND Len(nr_konta)>Len('201') order by "
       "id_firmy, id_lata_obrot, nr_konta",
       {"201-1"}},
      {"select top 1 opis_dok from OPISY with (NOLOCK) where Substring(opis_dok,1,5) = 'zakup' "
       "order by opis_dok asc",
       {"Zakup materiałów biurowych"_cp}},
      {"select top 1 opis_dok from OPISY with (NOLOCK) where Substring(opis_dok,1,5) = 'sprze' AND "
       "typ='S' order by opis_dok asc",
       {"Sprzedaż towarów"_cp}},
      // desktop
      {"select * from dbo.AZ_Func_SMSDane(1, 82523)",
       {"Długa 5/3|00-238|PHU Żuraw Sp. z o.o.|5269458071|Warszawa"_cp}}};
  for (const Form& f : forms) {
    EXPECT_EQ(rows(f.statement), std::vector<std::string>(f.rows.begin(), f.rows.end()))
        << f.statement;
  }
}

}  // namespace
}  // namespace funkcja
