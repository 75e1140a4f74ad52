-- Demo data: PHU Żuraw Sp. z o.o. (Warszawa) and Biuro Rachunkowe Bilans s.c. (Łódź), the
-- fiscal years 2024 to 2026, contractors with valid NIPs, employees, banks and accounts, a chart
-- of accounts with turnovers, documents for the posting check, users with options and rights.
-- Dates are standard dates: 82184 = 1 January 2026, 82523 = 6 December 2026.

INSERT INTO SESJA_DOMYSLNA VALUES (1, 'AKOWALSKA', 2, 3, 82523, 82184, 82548, 0);

INSERT INTO FIRMA VALUES
 (1, 'PHU Żuraw Sp. z o.o.', 'Przedsiębiorstwo Handlowo-Usługowe ŻURAW Spółka z ograniczoną odpowiedzialnością', '5269458071', '146258370', 1, 1),
 (2, 'Biuro Rachunkowe Bilans s.c.', 'Biuro Rachunkowe BILANS Anna Kowalska, Jan Nowak spółka cywilna', '7752129970', '472836150', 3, 1);
INSERT INTO ADRESY_FIRMY (id_adresu, id_firmy, typ_adresu, data_od, ULICA, NR_DOMU, NR_LOKALU, KOD_POCZTOWY, MIEJSCOWOSC, POCZTA, WOJEWODZTWO) VALUES
 (1, 1, 'S', 81453, 'Marszałkowska', '84', '', '00-514', 'Warszawa', 'Warszawa', 'mazowieckie'),
 (2, 1, 'S', 82184, 'Długa', '5', '3', '00-238', 'Warszawa', 'Warszawa', 'mazowieckie'),
 (3, 1, 'K', 81453, '', '12', '', '01-388', 'Wola', 'Warszawa', 'mazowieckie'),
 (4, 2, 'S', 81453, 'Ulica Polna', '17', '', '90-001', 'Łódź', 'Łódź', 'łódzkie');
INSERT INTO URZEDY VALUES
 (1, 'Urząd Skarbowy Warszawa-Śródmieście', 'ul. Lindleya 14', '02-013', 'Warszawa', '1438', 'US'),
 (2, 'Drugi Urząd Skarbowy Warszawa-Śródmieście', 'ul. Jagiellońska 15', '03-719', 'Warszawa', '1449', 'US'),
 (3, 'Urząd Skarbowy Łódź-Bałuty', 'ul. Smugowa 10/12', '91-433', 'Łódź', '1004', 'US'),
 (4, 'Zakład Ubezpieczeń Społecznych I Oddział w Warszawie', 'ul. Senatorska 6', '00-917', 'Warszawa', '', 'ZUS');
INSERT INTO URZEDY_FIRMY VALUES
 (1, 1, 1, 'US', 81453), (2, 1, 2, 'US', 82184), (3, 1, 4, 'ZUS', 81453), (4, 2, 3, 'US', 81453);
INSERT INTO WOJEWODZTWO VALUES ('dolnośląskie'), ('kujawsko-pomorskie'), ('lubelskie'), ('lubuskie'),
 ('łódzkie'), ('małopolskie'), ('mazowieckie'), ('opolskie'), ('podkarpackie'), ('podlaskie'),
 ('pomorskie'), ('śląskie'), ('świętokrzyskie'), ('warmińsko-mazurskie'), ('wielkopolskie'),
 ('zachodniopomorskie');
INSERT INTO KRAJE VALUES ('PL', 'Polska'), ('DE', 'Niemcy'), ('CZ', 'Czechy'), ('SK', 'Słowacja'),
 ('LT', 'Litwa'), ('UA', 'Ukraina'), ('FR', 'Francja'), ('GB', 'Wielka Brytania');

INSERT INTO UZYTKOWNIK_FK VALUES
 (1, 'ADMIN', 'Administrator', 'Systemu', 1), (2, 'AKOWALSKA', 'Anna', 'Kowalska', 0),
 (3, 'JNOWAK', 'Jan', 'Nowak', 0);
INSERT INTO OPCJE VALUES
 (12, 'Waluta podstawowa', 1, 1), (15, 'Kontrola zamkniętych okresów', 1, 2),
 (21, 'Numeracja dokumentów w dzienniku', 1, 3), (30, 'Separator pól eksportu do pliku CSV', 0, 10),
 (69, 'Pełna nazwa firmy na wydrukach', 0, 11), (70, 'Ostatnio używany dziennik', 0, 12);
INSERT INTO OPCJE_UZYTKOWNIKA VALUES
 (1, 'AKOWALSKA', 30, ';'), (2, 'AKOWALSKA', 30, ','), (1, 'AKOWALSKA', 69, 'tak'),
 (1, 'AKOWALSKA', 70, 'WB'), (2, 'AKOWALSKA', 70, 'RK'), (1, 'JNOWAK', 30, '|'), (1, 'ADMIN', 30, ';');
INSERT INTO OPCJE_SYSTEMOWE VALUES
 (1, 2, 12, 'PLN'), (1, 3, 12, 'PLN'), (1, 3, 15, '1'), (1, 3, 21, 'miesięczna'), (2, 4, 12, 'PLN');
-- Rights to accounts (K: synthetic account): 0 no right to post, 2 locked, other values allowed.
INSERT INTO UPRAWNIENIA_ZASOB (id_firmy, id_lata_obrot, id_uzyt, rodzaj_zasobu, zasob, prawo) VALUES
 (1, 3, 'AKOWALSKA', 'K', '234', 0), (1, 3, 'AKOWALSKA', 'K', '851', 2),
 (1, 3, 'AKOWALSKA', 'K', '201', 1), (1, 3, 'JNOWAK', 'K', '100', 0);
INSERT INTO UPRAWNIENIA_FUNKCJA (id_firmy, id_uzyt, funkcja, prawo) VALUES
 (1, 'AKOWALSKA', 'KSIEGOWANIE', 1), (1, 'AKOWALSKA', 'ZAMKNIECIE_ROKU', 0),
 (1, 'JNOWAK', 'KSIEGOWANIE', 0), (1, 'JNOWAK', 'ZAMKNIECIE_ROKU', 0);
INSERT INTO TEMIXDBSTATE VALUES
 (1, 'Finanse i Księgowość', '2026.4.1.17'), (2, 'Kadry i Płace', '2026.4.0.9'),
 (3, 'Środki Trwałe', '2026.3.2.1');

INSERT INTO FK_LOG_1 (id_firmy, id_uzytkownika_n, id_uzytkownika, id_operacji, data_operacji, rodzaj_operacji, miejsce_wywolania, tekst_1, tekst_2, tekst_3, tekst_4, tekst_5) VALUES
 (1, 2, 'AKOWALSKA', 41, 82520, 'KSIĘGOWANIE', 'Dokumenty', 'FS/2026/12/001', '', '', '', ''),
 (1, 2, 'AKOWALSKA', 42, 82522, 'ZAMKNIĘCIE OKRESU', 'Okresy', 'listopad 2026', '', '', '', '');
INSERT INTO UZYTKOWNIK_FK_LOG (id_firmy, id_lata_obrot, id_uzytkownika, id_zapisu, rodzaj_operacji, modul_operacji, szczegoly_operacji, dataczas) VALUES
 (1, 3, 2, 82488, 'P', 'VAT', 'Aktualizacja rejestru VAT sprzedaży za listopad 2026', '2026-12-02 14:35:12.250'),
 (1, 3, 3, 82488, 'P', 'VAT', 'Aktualizacja rejestru VAT zakupu za listopad 2026', '2026-12-03 09:05:41.000'),
 (1, 3, 2, 1001, 'D', 'DOK', 'Dodano dokument FS/2026/12/001', '2026-12-03 10:12:00.000');

INSERT INTO LATA_OBROTOWE VALUES
 (1, 1, '2024', 81453, 81818, 81818, '2'), (2, 1, '2025', 81819, 82183, 82152, '1'),
 (3, 1, '2026', 82184, 82548, 82214, '0'), (4, 2, '2026', 82184, 82548, 0, '0');
INSERT INTO ZAMKNIETE_OKRESY_VAT (id_firmy, data_okresu) VALUES (1, 82184), (1, 82215), (1, 82243);
INSERT INTO PACZKA VALUES
 (1, 1, 3, 'RK', 'Raporty kasowe'), (2, 1, 3, 'WB', 'Wyciągi bankowe'), (3, 1, 3, 'FS', 'Faktury sprzedaży'),
 (4, 1, 3, 'FZ', 'Faktury zakupu'), (5, 1, 3, 'PK', 'Polecenia księgowania'), (6, 1, 2, 'PK', 'Polecenia księgowania 2025');
INSERT INTO TYP_DOK VALUES
 (1, 1, 'FS', 'Faktura sprzedaży', 0), (2, 1, 'FZ', 'Faktura zakupu', 0), (3, 1, 'WB', 'Wyciąg bankowy', 1),
 (4, 1, 'PK', 'Polecenie księgowania', 0), (5, 1, 'KP', 'Kasa przyjmie', 0);
INSERT INTO FK_TYP_DOKUMENTU VALUES
 (1, 'KP', 'Kasa przyjmie', 'K'), (2, 'KW', 'Kasa wyda', 'K'), (3, 'FV', 'Faktura VAT', 'H'),
 (4, 'PA', 'Paragon', 'H'), (5, 'WZ', 'Wydanie zewnętrzne', 'H');
INSERT INTO FK_KASA VALUES (1, 1, 'KASA1', 'Kasa główna'), (2, 1, 'KASA2', 'Kasa walutowa EUR');
INSERT INTO FK_FORMA_PLATNOSCI VALUES
 (1, 'gotówka', 0), (2, 'przelew', 14), (3, 'przelew', 30), (4, 'karta płatnicza', 0), (5, 'kompensata', 0);
INSERT INTO TRANSAKCJA_INFO VALUES
 (1, 1, 'Sprzedaż krajowa'), (2, 1, 'Wewnątrzwspólnotowa dostawa towarów'), (3, 1, 'Import usług');
INSERT INTO OPISY (opis_dok, typ) VALUES
 ('Zakup materiałów biurowych', 'Z'), ('Zakup paliwa', 'Z'), ('Opłata za energię elektryczną', 'Z'),
 ('Czynsz za lokal', 'Z'), ('Sprzedaż usług księgowych', 'S'), ('Sprzedaż towarów', 'S');

INSERT INTO KLASYFIKACJA_KONTRAHENTA VALUES
 (1, 1, 'Odbiorcy krajowi'), (2, 1, 'Dostawcy'), (3, 1, 'Odbiorcy zagraniczni');
INSERT INTO KONTRAHENT (id_kontrahenta, id_firmy, nazwa, nazwa_pelna, nip, pesel, regon, platnik_vat, ulica_lokal, kod_pocztowy, miejscowosc, sym_kraju, ID_RACHUNKU, id_formy_platnosci, termin_platnosci, id_klasyfikacji) VALUES
 (1, 1, 'Lubawa S.A.', 'Lubawa Spółka Akcyjna', '5273021570', '', '510293847', 1, 'ul. Staszica 6A', '14-260', 'Lubawa', 'PL', 1, 2, 14, 1),
 (2, 1, 'Łucznik S.A.', 'Fabryka Broni Łucznik Radom', '7013681939', '', '670125836', 1, 'ul. Przemysłowa 13', '26-600', 'Radom', 'PL', 2, 3, 30, 2),
 (3, 1, 'Śnieżka S.A.', 'Fabryka Farb i Lakierów Śnieżka Spółka Akcyjna', '9510364266', '', '690518721', 1, 'Chotowa 45', '39-207', 'Brzeźnica', 'PL', 3, 2, 14, 2),
 (4, 1, 'Sokół Sp. j.', 'Przedsiębiorstwo Sokół Sp. j.', '8962200338', '', '931215482', 1, 'ul. Ogrodowa 58', '50-210', 'Wrocław', 'PL', 0, 1, 0, 1),
 (5, 1, 'Żabka Polska Sp. z o.o.', 'Żabka Polska Spółka z ograniczoną odpowiedzialnością', '6792245386', '', '365011842', 1, 'ul. Stanisława Matyi 8', '61-586', 'Poznań', 'PL', 4, 3, 30, 1),
 (6, 1, 'Ćwikła Usługi Transportowe', 'Usługi Transportowe Ćwikła Zbigniew', '1183236402', '', '140583921', 1, 'ul. Graniczna 2', '05-092', 'Łomianki', 'PL', 0, 2, 14, 2),
 (7, 1, 'Celina Nowak Handel', 'Handel Obwoźny Celina Nowak', '', '72030512345', '', 0, 'ul. Lipowa 1', '21-040', 'Świdnik', 'PL', 0, 1, 0, 1),
 (8, 1, 'O''Brien Consulting Ltd', 'O''Brien Consulting Limited', '1135499090', '', '', 1, 'ul. Złota 59', '00-120', 'Warszawa', 'PL', 0, 3, 30, 3),
 (9, 1, 'Apteka Pod Orłem', 'Apteka Pod Orłem Maria Ząbek', '6345145478', '', '272839120', 1, 'Rynek 12', '40-003', 'Katowice', 'PL', 0, 2, 14, 1),
 (10, 2, 'Hurtownia Elektryczna Iskra', 'Hurtownia Elektryczna ISKRA Sp. z o.o.', '7785277204', '', '630291847', 1, 'ul. Głogowska 31', '60-702', 'Poznań', 'PL', 0, 2, 14, 0);
INSERT INTO KONTRAHENT_POMOCNICZY VALUES (1, 1, 'Hurtownia Pomocnicza Sp. z o.o.', '5834056087');
INSERT INTO PRACOWNIK VALUES
 (1, 1, 'Agnieszka', 'Wiśniewska', '', '90031512348', 5),
 (2, 1, 'Piotr', 'Zieliński', '6345145478', '78120398761', 6),
 (3, 1, 'Katarzyna', 'Wójcik', '', '85071723455', 0);
INSERT INTO ADRESY_PRACOWNIKA (id_pracownika, ulica, nr_domu, nr_lokalu, kod_pocztowy, miejscowosc, data_od) VALUES
 (1, 'ul. Kwiatowa', '12', '4', '02-495', 'Warszawa', 81453),
 (1, 'ul. Słoneczna', '7', '', '05-500', 'Piaseczno', 82184),
 (2, 'ul. Leśna', '3', '', '80-180', 'Gdańsk', 81453);
INSERT INTO BANKI VALUES
 (1, '10100000', 'NBP', 'Narodowy Bank Polski'),
 (2, '10201026', 'PKO BP', 'Powszechna Kasa Oszczędności Bank Polski S.A.'),
 (3, '11402004', 'mBank', 'mBank S.A.'),
 (4, '10501445', 'ING', 'ING Bank Śląski S.A.'),
 (5, '12401037', 'Pekao', 'Bank Polska Kasa Opieki S.A.'),
 (6, '10901014', 'Santander', 'Santander Bank Polska S.A.');
INSERT INTO RACHUNEK_BANKOWY VALUES
 (1, 'K', 1, 2, '25102010268603954762007532', 'rachunek główny'),
 (2, 'K', 2, 5, '15124010374565275582823574', 'rachunek główny'),
 (3, 'K', 3, 4, '15105014451748885159045847', 'rachunek główny'),
 (4, 'K', 5, 6, '06109010149232073202152738', 'rachunek główny'),
 (7, 'K', 1, 3, '12114020047757447621682752', 'rachunek VAT'),
 (5, 'P', 1, 3, '88114020049261265206427928', 'wynagrodzenie'),
 (6, 'P', 2, 4, '73105014454452907845474855', 'wynagrodzenie'),
 (8, 'U', 1, 1, '65101000006569070293137585', 'mikrorachunek podatkowy'),
 (9, 'U', 3, 1, '39101000008471954061358952', 'rachunek urzędu');
INSERT INTO RACHUNEK_FIRMY VALUES
 (1, 1, '1', '04102010265481454212472019', 2), (2, 1, '2', '68109010140675691933505646', 6),
 (3, 2, '1', '76124010371629986498403297', 5);
INSERT INTO WALUTY VALUES
 ('PLN', 'złoty polski'), ('EUR', 'euro'), ('USD', 'dolar amerykański'), ('CHF', 'frank szwajcarski'),
 ('GBP', 'funt szterling'), ('CZK', 'korona czeska');
INSERT INTO KURSY_WALUT (zrodlo, nr_tabeli, data_kursu, sym_waluty, przelicznik, kurs) VALUES
 ('NBP', '235/A/NBP/2026', 82521, 'EUR', 1, 4.2312), ('NBP', '235/A/NBP/2026', 82521, 'USD', 1, 3.6589),
 ('NBP', '235/A/NBP/2026', 82521, 'CHF', 1, 4.512), ('NBP', '235/A/NBP/2026', 82521, 'GBP', 1, 4.8433),
 ('NBP', '235/A/NBP/2026', 82521, 'CZK', 1, 0.1726);

-- Chart of accounts of 2026 (company 1) and a little of 2025.
INSERT INTO KONTA_SYNT VALUES
 (1, 3, '100', 'Kasa', 0), (1, 3, '130', 'Rachunek bankowy', 0), (1, 3, '201', 'Rozrachunki z odbiorcami', 0),
 (1, 3, '202', 'Rozrachunki z dostawcami', 1), (1, 3, '221', 'Rozrachunki publicznoprawne', 0),
 (1, 3, '234', 'Pozostałe rozrachunki z pracownikami', 0), (1, 3, '401', 'Zużycie materiałów i energii', 0),
 (1, 3, '402', 'Usługi obce', 0), (1, 3, '501', 'Koszty działalności podstawowej', 0),
 (1, 3, '700', 'Sprzedaż produktów', 0), (1, 3, '851', 'Zakładowy fundusz świadczeń socjalnych', 0),
 (1, 2, '100', 'Kasa', 0), (1, 2, '130', 'Rachunek bankowy', 0), (1, 2, '201', 'Rozrachunki z odbiorcami', 0);
INSERT INTO WARTOSCI_KONT (id_firmy, id_lata_obrot, nr_konta, nazwa_konta, symbol_kartoteki) VALUES
 (1, 3, '100', 'Kasa', ''), (1, 3, '100-01', 'Kasa główna', ''), (1, 3, '130', 'Rachunek bankowy', ''),
 (1, 3, '130-01', 'Rachunek bieżący PKO BP', ''), (1, 3, '130-02', 'Rachunek pomocniczy Santander', ''),
 (1, 3, '201', 'Rozrachunki z odbiorcami', ''), (1, 3, '201-1', 'Odbiorcy krajowi', ''),
 (1, 3, '201-2', 'Odbiorcy zagraniczni', ''), (1, 3, '202', 'Rozrachunki z dostawcami', ''),
 (1, 3, '202-1', 'Dostawcy krajowi', ''), (1, 3, '221', 'Rozrachunki publicznoprawne', ''),
 (1, 3, '221-1', 'VAT należny', ''), (1, 3, '221-2', 'VAT naliczony', ''),
 (1, 3, '234', 'Pozostałe rozrachunki z pracownikami', ''), (1, 3, '234-1', 'Zaliczki pracowników', ''),
 (1, 3, '401', 'Zużycie materiałów i energii', ''), (1, 3, '402', 'Usługi obce', ''),
 (1, 3, '501', 'Koszty działalności podstawowej', ''), (1, 3, '501-01', 'Koszty projektów', 'PROJ'),
 (1, 3, '501-01-x', 'Koszty projektów według kartoteki', 'PROJ'), (1, 3, '501-01-1', 'Budowa magazynu', 'PROJ'), (1, 3, '501-01-2', 'Modernizacja linii', 'PROJ'),
 (1, 3, '700', 'Sprzedaż produktów', ''), (1, 3, '700-01', 'Sprzedaż usług', ''),
 (1, 3, '851', 'Zakładowy fundusz świadczeń socjalnych', ''),
 (1, 2, '100', 'Kasa', ''), (1, 2, '130', 'Rachunek bankowy', ''), (1, 2, '201', 'Rozrachunki z odbiorcami', '');
-- Opening balances in January, turnovers by month (82184 January, 82215 February ...).
INSERT INTO OBROTY_I_SALDA (id_firmy, id_lata_obrot, nr_konta, sym_waluty, data_okresu, bo_wn, bo_ma, obroty_wn, obroty_ma) VALUES
 (1, 3, '100-01', 'PLN', 82184, 1520.00, 0, 12000.00, 11250.50),
 (1, 3, '100-01', 'PLN', 82215, 0, 0, 8300.00, 9100.00),
 (1, 3, '130-01', 'PLN', 82184, 48210.35, 0, 95400.00, 87320.12),
 (1, 3, '130-01', 'PLN', 82215, 0, 0, 74200.00, 80111.40),
 (1, 3, '201-1', 'PLN', 82184, 15300.00, 0, 61500.00, 58200.00),
 (1, 3, '202-1', 'PLN', 82184, 0, 22840.10, 31200.00, 33900.00),
 (1, 3, '700-01', 'PLN', 82184, 0, 0, 0, 50000.00),
 (1, 3, '501-01-1', 'PLN', 82184, 0, 0, 18250.00, 0),
 (1, 3, '501-01-2', 'PLN', 82184, 0, 0, 7340.00, 0),
 (1, 3, '501-01-1', 'PLN', 82215, 0, 0, 4100.00, 350.00),
 (1, 3, '201-2', 'EUR', 82184, 2000.00, 0, 5000.00, 4500.00);
INSERT INTO NAG_DOK VALUES
 (1001, 1, 3, 1, 3, 1, 'FS/2026/12/001', 82518, 'FS/12/001', 82520, 'Sprzedaż usług księgowych', 2),
 (1002, 1, 3, 2, 4, 2, 'FZ 4471/12/2026', 82519, 'FZ/12/014', 82521, 'Zakup materiałów i paczki świątecznej', 3),
 (1003, 1, 3, 4, 5, 0, 'PK/2026/12/003', 82520, 'PK/12/003', 82521, 'Przeksięgowanie kosztów', 0),
 (1004, 1, 3, 5, 1, 0, 'KW 118/2026', 82521, 'RK/12/008', 82522, 'Zaliczka dla pracownika', 1),
 (1005, 1, 3, 4, 5, 0, 'PK/2026/12/005', 82522, 'PK/12/005', 82522, 'Dokument bez dekretacji', 0),
 (1006, 1, 3, 1, 3, 8, 'FS/2026/12/006', 82522, 'FS/12/006', 82523, 'Sprzedaż zagraniczna', 3);
INSERT INTO DUP_POZ_DOK (id_nag_dok, lp, konto_wn, konto_ma, kwota, opis) VALUES
 (1001, 1, '201-1', '700-01', 1230.00, 'Usługi księgowe - grudzień'),
 (1001, 2, '201-1', '221-1', 282.90, 'VAT należny 23%'),
 (1002, 1, '401', '202-1', 812.50, 'Materiały biurowe'),
 (1002, 2, '851', '202-1', 1500.00, 'Paczki świąteczne'),
 (1003, 1, '404-01', '130-01', 250.00, 'Konto spoza planu kont'),
 (1003, 2, '402', '130-01', 99.99, 'Opłata bankowa'),
 (1004, 1, '234-1', '100-01', 500.00, 'Zaliczka na zakupy'),
 (1005, 1, '', '', 0, 'Pozycja bez kont'),
 (1005, 2, '   ', '', 0, 'Pozycja bez kont'),
 (1006, 1, '  201-2', '700-01', 4000.00, 'Konto z odstępem na początku');

INSERT INTO VAT_STAWKI VALUES
 (1, '23%', 23, 1), (2, '8%', 8, 1), (3, '5%', 5, 1), (4, '0%', 0, 1), (5, 'zw', 0, 1), (6, 'np', 0, 1),
 (7, '22%', 22, 0), (8, '7%', 7, 0);
INSERT INTO VAT_GRUPY VALUES
 (1, 1, 'S', 'KRAJ', 'Sprzedaż krajowa'), (2, 1, 'S', 'WDT', 'Wewnątrzwspólnotowa dostawa towarów'),
 (3, 2, 'S', 'EKSP', 'Eksport towarów'), (4, 1, 'Z', 'ŚT', 'Nabycie środków trwałych'),
 (5, 1, 'Z', 'POZ', 'Pozostałe nabycia'), (6, 2, 'Z', 'WNT', 'Wewnątrzwspólnotowe nabycie towarów'),
 (7, 0, 'U', 'IU', 'Import usług'), (141, 0, 'Z', 'OO', 'Odwrotne obciążenie');
INSERT INTO VAT_CECHY (id_firmy, typ, nr_cechy, symbol) VALUES
 (1, 'U', 1, '*'), (1, 'U', 1, 'A'), (1, 'U', 1, ''), (1, 'U', 2, 'B'), (1, 'S', 1, 'MPP');
INSERT INTO REJESTR_VAT (id_firmy, id_lata_obrot, typ, data_okresu, id_nag_dok, id_kontrahenta, nr_dok, data_dok, data_zaplaty, id_stawki, id_grupy, netto, vat) VALUES
 (1, 3, 'S', 82488, 0, 1, 'FS/2026/11/014', 82495, 82503, 1, 1, 5000.00, 1150.00),
 (1, 3, 'S', 82488, 0, 5, 'FS/2026/11/015', 82500, 0, 2, 1, 1200.00, 96.00),
 (1, 3, 'Z', 82488, 0, 2, 'FZ 4211/11/2026', 82490, 82496, 1, 5, 812.50, 186.88),
 (1, 3, 'S', 82518, 1001, 1, 'FS/2026/12/001', 82518, 0, 1, 1, 1230.00, 282.90);
INSERT INTO DEKLARACJE_WZORZEC VALUES
 (18, 'VAT-7', 'VAT-7(21)', 'Deklaracja VAT-7 wersja 21', 0),
 (19, 'VAT-7', 'VAT-7(22)', 'Deklaracja VAT-7 wersja 22', 1),
 (20, 'VAT-7', 'VAT-7(23)', 'Deklaracja VAT-7 wersja 23', 1),
 (21, 'JPK_V7M', 'JPK_V7M(3)', 'Jednolity plik kontrolny VAT (miesięczny)', 1);

INSERT INTO KOMUNIKAT (id_uzytkownika, kontekst, tekst1, tekst2, tekst3, tekst4, tekst5, tekst6) VALUES
 (2, 'START', 'Zamknięcie okresu listopad 2026 zaplanowano na 10 grudnia.', '1', '', '', '', ''),
 (2, 'START', 'Termin wysyłki JPK_V7M za listopad 2026 mija 25 grudnia.', '2', '', '', '', ''),
 (2, 'ZESTAW', 'Zestawienie obrotów i sald', '', '', '82184', '82518', '82523'),
 (2, 'ZESTAW', 'Bilans otwarcia', '', '', '0', '82184', '82190'),
 (2, 'MWONLAKTOUT', 'Dostępna jest nowa wersja programu 2026.4.2.', '1', '', '', '', ''),
 (3, 'START', 'Nie masz uprawnień do księgowania w roku 2026.', '2', '', '', '', '');

INSERT INTO BROWSER_KONFIG (id_firmy, id_browsera, id_uzyt, nazwa_drzewa, lp, ikona, nazwa_galezi, poziom, pole_filtr, wart_pola, warunek, zakres_d, zakres_g, domyslny) VALUES
 (1, 1, 'AKOWALSKA', 'Według typu dokumentu', 1, 2, 'Faktury sprzedaży', 1, 'ID_TYP_DOK', '1', '=', 0, 0, 1),
 (1, 1, 'AKOWALSKA', 'Według typu dokumentu', 2, 2, 'Faktury zakupu', 1, 'ID_TYP_DOK', '2', '=', 0, 0, 1),
 (1, 1, 'AKOWALSKA', 'Według dziennika', 1, 2, 'Raporty kasowe', 1, 'ID_PACZKA', '1', '=', 0, 0, 0),
 (1, 1, 'AKOWALSKA', 'Według dziennika', 2, 2, 'Wyciągi bankowe', 1, 'ID_PACZKA', '2', '=', 0, 0, 0);
INSERT INTO BROWSER_POLA VALUES
 (24, 1, 'ID_LATA_OBROT', 'Rok obrotowy', 'D'), (24, 3, 'ID_STAWKI', 'Stawka VAT', 'D'),
 (24, 4, 'ID_GRUPY', 'Grupa VAT', 'D'), (24, 6, 'CECHA_1', 'Wyróżnik 1', 'D'),
 (1, 1, 'ID_LATA_OBROT', 'Rok obrotowy', 'D'), (1, 2, 'ID_PACZKA', 'Dziennik', 'D'),
 (1, 4, 'ID_TYP_DOK', 'Typ dokumentu', 'D');
INSERT INTO BROWSER_UZYTKOWNIK_KONF (ID_BROWSERA, ID_UZYTKOWNIKA, KOLEJNOSC, CZY_AKTYWNA, FORMAT_KOLUMNY) VALUES
 (1, 2, 1, 1, 'NR_DOK_ORG|Numer dokumentu|120'), (1, 2, 2, 1, 'DATA_DOK_ORG|Data|70'),
 (1, 2, 3, 0, 'OPIS|Opis|200');
INSERT INTO BROWSER_UZYTKOWNIK_OKNO VALUES (1, 1, 2, 2, 0, 0, 320, 210, 0, 0, 1);

INSERT INTO BT_DZIAL VALUES ('010', 'Rolnictwo i łowiectwo'), ('600', 'Transport i łączność'),
 ('750', 'Administracja publiczna'), ('801', 'Oświata i wychowanie'), ('852', 'Pomoc społeczna');
INSERT INTO BT_ROZDZIAL VALUES ('60016', 'Drogi publiczne gminne'), ('75023', 'Urzędy gmin'),
 ('80101', 'Szkoły podstawowe');
INSERT INTO BT_PARAGRAF VALUES ('401', 'W', 'Wynagrodzenia osobowe pracowników'),
 ('421', 'W', 'Zakup materiałów i wyposażenia'), ('430', 'W', 'Zakup usług pozostałych'),
 ('069', 'D', 'Wpływy z różnych opłat'), ('083', 'D', 'Wpływy z usług');
INSERT INTO BT_POZYCJA VALUES ('0001', 1, 'Budowa magazynu'), ('0002', 1, 'Remont szkoły');
INSERT INTO MPK_SLOWNIK_DRZEWO VALUES (1, 1, 'ZARZĄD', 'Zarząd'), (2, 1, 'PROD', 'Produkcja'),
 (3, 1, 'HALA-A', 'Hala A'), (4, 1, 'SPRZ', 'Sprzedaż');
INSERT INTO MPK_DRZEWO VALUES (1, 1, 'Struktura organizacyjna', 1), (2, 1, 'Projekty', 0);
INSERT INTO MPK_SLOWNIK_WSKAZNIK VALUES (1, 1, 1, 'W1', 'Wskaźnik powierzchni'),
 (2, 1, 1, 'W2', 'Wskaźnik zatrudnienia'), (3, 1, 2, 'P1', 'Udział w przychodach');
INSERT INTO KARTOTEKA_UZYTKOWNIKA VALUES
 (1, 1, 'PROJ', 'Projekty', 'PROJEKTY', 3, 1, 0, 'ZADANIE', 1, 1, 3),
 (2, 1, 'FUN', 'Funkcje', 'BUDZET', 3, 2, 0, 'FUNKCJA', 1, 1, 2),
 (3, 1, 'SAM', 'Samochody', 'FLOTA', 1, 0, 0, '', 0, 1, 7);
INSERT INTO KARTOTEKA_UZYTKOWNIKA_POZ VALUES
 (1, 1, '1', 'Budowa magazynu', 0, 1, 0, 0), (2, 1, '2', 'Modernizacja linii', 0, 1, 0, 0),
 (3, 2, '01', 'Funkcjonowanie państwa', 0, 1, 0, 0), (4, 3, 'WX12345', 'Skoda Octavia WX 12345', 0, 1, 0, 0);
INSERT INTO SLOW_PLAN_KONT (id_lata_obrot, id_kartoteki, TYP, NR_KONTA, LP) VALUES
 (3, NULL, 'D', '501', 1), (3, NULL, 'R', '501', 2), (3, 1, 'S', '501', 3);
INSERT INTO GRUPA_SRODKOW VALUES (1, 1, 1, 'Budynki i lokale'),
 (2, 1, 4, 'Maszyny, urządzenia i aparaty ogólnego zastosowania'), (3, 1, 7, 'Środki transportu');
INSERT INTO KLASYFIK VALUES ('101', 'Budynki przemysłowe'), ('491', 'Zestawy komputerowe'),
 ('741', 'Samochody osobowe');

-- ---- Bank accounts --------------------------------------------------------------------------
-- A contractor's default account stored in display form, and an employee's account that is
-- not her default (she has none).
INSERT INTO RACHUNEK_BANKOWY VALUES
 (21, 'K', 6, 4, '67 1050 1445 0000 0071 2198 1287', 'rachunek główny'),
 (22, 'P', 3, 6, '24109010140000223344556677', 'rachunek prywatny');
UPDATE KONTRAHENT SET ID_RACHUNKU = 21 WHERE id_kontrahenta = 6;
-- ---- End of bank accounts -------------------------------------------------------------------

-- ---- Company, office and contractor lookups ----
-- An employee living in a flat: the street line of the address lookup shows house and flat.
INSERT INTO ADRESY_PRACOWNIKA (id_pracownika, ulica, nr_domu, nr_lokalu, kod_pocztowy, miejscowosc, data_od) VALUES
 (3, 'ul. Długa', '5', '3', '00-238', 'Warszawa', 82184);
-- ---- end of company, office and contractor lookups ----
-- ---- Program desktop ----
-- The desktop's settings are user options; the desktop adds a user's rows when it first saves.
INSERT INTO OPCJE VALUES
 (260, 'Pulpit informacyjny: ukryj listę po wybraniu opcji', 0, 13),
 (261, 'Pulpit informacyjny: uruchom na starcie', 0, 14);
-- ---- end of program desktop ----

-- ---- Tree filters ----
-- The filterable fields of the VAT register D (22), the documents (1), contractors (5),
-- settlements (30) and the budget (36), and a saved default tree of settlements whose branch
-- values carry their own apostrophes.
INSERT INTO BROWSER_POLA VALUES
 (22, 1, 'ID_LATA_OBROT', 'Rok obrotowy', 'D'), (22, 2, 'DATA_OKRESU', 'Okres', 'D'),
 (22, 3, 'ID_STAWKI', 'Stawka VAT', 'D'), (22, 4, 'ID_GRUPY', 'Grupa VAT', 'D'),
 (22, 6, 'CECHA_1', 'Wyróżnik 1', 'D'), (22, 7, 'CECHA_2', 'Wyróżnik 2', 'D'),
 (22, 17, 'CZY_MP', 'Rodzaj faktury', 'D'), (22, 18, 'ID_LATA_OBROT', 'Rok obrotowy (lista)', 'D'),
 (22, 19, 'ID_PACZKA', 'Dziennik', 'D'), (22, 20, 'ID_TYP_DOK', 'Typ dokumentu', 'D'),
 (22, 24, 'KWARTAL', 'Kwartał', 'D'),
 (1, 3, 'ID_UZYT', 'Użytkownik', 'D'), (1, 5, 'ZRODLO', 'Pochodzenie dokumentu', 'D'),
 (5, 1, 'ID_KLASYFIKACJI', 'Klasyfikacja', 'D'), (5, 2, 'PLATNIK_VAT', 'Płatnik VAT', 'D'),
 (5, 3, 'SYM_KRAJU', 'Kraj', 'D'),
 (30, 1, 'TYP_KARTOTEKI', 'Rodzaj rozrachunku', 'D'), (30, 2, 'RODZAJ', 'Należność / zobowiązanie', 'D'),
 (30, 3, 'STRONA', 'Strona', 'D'), (30, 5, 'SYM_WALUTY', 'Waluta', 'D'),
 (30, 10, 'RNV:PRZELEW_INTER_ROZRACHUNEK', 'Przelew', 'D'),
 (36, 1, 'BT_KLASYFIKACJA', 'Słownik budżetu', 'D'), (36, 2, 'BT_RODZAJ', 'Wydatki / dochody', 'D'),
 (36, 5, 'ID_PACZKA', 'Dziennik', 'D'), (36, 6, 'ID_TYP_DOK', 'Typ dokumentu', 'D');
INSERT INTO BROWSER_KONFIG (id_firmy, id_browsera, id_uzyt, nazwa_drzewa, lp, ikona, nazwa_galezi, poziom, pole_filtr, wart_pola, warunek, zakres_d, zakres_g, domyslny) VALUES
 (1, 30, 'AKOWALSKA', 'Rozrachunki z kontrahentami', 1, 2, 'Kontrahenci', 1, 'TYP_KARTOTEKI', '''K''', '=', 0, 0, 1),
 (1, 30, 'AKOWALSKA', 'Rozrachunki z kontrahentami', 2, 2, 'Należności', 2, 'RODZAJ', '''N''', '=', 0, 0, 1),
 (1, 30, 'AKOWALSKA', 'Rozrachunki z kontrahentami', 3, 2, 'W euro', 2, 'SYM_WALUTY', '''EUR''', '=', 0, 0, 1),
 (1, 30, 'AKOWALSKA', 'Pracownicy', 1, 2, 'Pracownicy', 1, 'TYP_KARTOTEKI', '''P''', '=', 0, 0, 0);
-- ---- End of tree filters ----

-- ---- Browse column configuration ----
-- ADMIN's contractors (5): NIP moved to the front, REGON and PESEL hidden. JNOWAK's tax
-- offices (7): three columns of an older default, so "Domyślna" tells of new columns.
INSERT INTO BROWSER_UZYTKOWNIK_KONF (ID_BROWSERA, ID_UZYTKOWNIKA, KOLEJNOSC, CZY_AKTYWNA, FORMAT_KOLUMNY) VALUES
 (5, 1, 1, 1, '70L(2)|M~NIP~C(0)@s13@#3#'), (5, 1, 2, 1, '40R(2)|M~Id~C(0)@n-14@#1#'),
 (5, 1, 3, 1, '200L(2)|M~Nazwa~C(0)@s100@#2#'), (5, 1, 4, 1, '52L(2)|M~Kod pocztowy~C(0)@s10@#4#'),
 (5, 1, 5, 1, '140L(2)|M~Miejscowość~C(0)@s100@#5#'), (5, 1, 6, 1, '140L(2)|M~Ulica lokal~C(0)@s100@#6#'),
 (5, 1, 7, 1, '140L(2)|M~Nazwa pełna~C(0)@s100@#7#'), (5, 1, 8, 0, '60L(2)|M~REGON~C(0)@s14@#8#'),
 (5, 1, 9, 0, '60L(2)|M~PESEL~C(0)@s11@#9#'), (5, 1, 10, 1, '16C(2)|M~Załączniki~C(0)@s1@#10#'),
 (5, 1, 11, 1, '20L(2)|M~Numer analityki - DOS~C(0)@s5@#11#'),
 (7, 3, 1, 1, '40R(2)|M~Id~C(0)@n-14@#3#'), (7, 3, 2, 1, '200L(2)|M~Nazwa~C(0)@s60@#4#'),
 (7, 3, 3, 0, '120L(2)|M~Miejscowość~C(0)@s30@#6#');
INSERT INTO BROWSER_UZYTKOWNIK_OKNO (ID_BROWSERA, ID_UZYTKOWNIKA, SORTOWANIE_LP, SORTOWANIE_DIR, SORTOWANIE_INTU, VSPLITPOS_1, HSPLITPOS_1, UNI_1, UNI_2, STOPKA_BROWSER) VALUES
 (21, 3, 8, 2, 0, 240, 0, 0, 0, 0), (5, 1, 3, 1, 0, 0, 180, 0, 0, 0);
-- ---- end of browse column configuration ----
