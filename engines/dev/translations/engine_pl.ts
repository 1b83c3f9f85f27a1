<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_GB">
<context>
    <name>Accessories</name>
    <message>
        <source>Communication</source>
        <translation>Komunikacja</translation>
    </message>
    <message>
        <source>Mounting</source>
        <translation>Montaż</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Serwis</translation>
    </message>
    <message>
        <source>Warranty</source>
        <translation>Gwarancja</translation>
    </message>
    <message>
        <source>On request</source>
        <translation>Na zapytanie</translation>
    </message>
</context>
<context>
    <name>LoadInventory</name>
    <message>
        <source>Load inventory</source>
        <translation>Wykaz odbiorników</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Waty</translation>
    </message>
    <message>
        <source>Total: %1 W, %2 VA</source>
        <translation>Razem: %1 W, %2 VA</translation>
    </message>
    <message>
        <source>Use this load</source>
        <translation>Użyj tego obciążenia</translation>
    </message>
    <message>
        <source>The device library cannot be read: %1</source>
        <translation>Nie można odczytać biblioteki urządzeń: %1</translation>
    </message>
</context>
<context>
    <name>NoSolution</name>
    <message>
        <source>No UPS in the product data carries this load, not even in parallel.</source>
        <translation>Żaden UPS w danych produktów nie przeniesie tego obciążenia, nawet równolegle.</translation>
    </message>
    <message>
        <source>No UPS reaches this autonomy with the cabinets it takes; the option UNLIMITED_BATTCAB lifts the limits.</source>
        <translation>Żaden UPS nie osiąga tego czasu podtrzymania z szafami, które obsługuje; opcja UNLIMITED_BATTCAB znosi limity.</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>The file is not a Vantor project: it is not readable as JSON (at character %1).</source>
        <translation>Plik nie jest projektem Vantor: nie można go odczytać jako JSON (przy znaku %1).</translation>
    </message>
    <message>
        <source>The file is not a Vantor project.</source>
        <translation>Plik nie jest projektem Vantor.</translation>
    </message>
    <message>
        <source>The project file is damaged: %1.</source>
        <translation>Plik projektu jest uszkodzony: %1.</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>brak %1</translation>
    </message>
    <message>
        <source>%1 has the wrong type</source>
        <translation>%1 ma niewłaściwy typ</translation>
    </message>
    <message>
        <source>%1 holds an impossible value</source>
        <translation>%1 zawiera niemożliwą wartość</translation>
    </message>
    <message>
        <source>This project was saved by a newer Vantor (project format %1); this version reads format %2.</source>
        <translation>Ten projekt zapisała nowsza wersja Vantor (format projektu %1); ta wersja odczytuje format %2.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened (%2).</source>
        <translation>Nie można otworzyć projektu %1 (%2).</translation>
    </message>
    <message>
        <source>The project could not be saved as %1 (%2); the file there is unchanged.</source>
        <translation>Nie udało się zapisać projektu jako %1 (%2); istniejący plik pozostał bez zmian.</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>nie można utworzyć folderu</translation>
    </message>
    <message>
        <source>Unsaved changes could not be kept for recovery in %1 (%2).</source>
        <translation>Nie udało się zachować niezapisanych zmian do odzyskania w %1 (%2).</translation>
    </message>
    <message>
        <source>Unsaved work on the project %1 from %2 was left behind when Vantor stopped. Restore it?</source>
        <translation>Po zatrzymaniu programu Vantor pozostała niezapisana praca nad projektem %1 z %2. Przywrócić ją?</translation>
    </message>
    <message>
        <source>Unsaved work on a new project from %1 was left behind when Vantor stopped. Restore it?</source>
        <translation>Po zatrzymaniu programu Vantor pozostała niezapisana praca nad nowym projektem z %1. Przywrócić ją?</translation>
    </message>
    <message>
        <source>The list of recent projects cannot be written to %1.</source>
        <translation>Nie można zapisać listy ostatnich projektów w %1.</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the catalogue; size this system again.</source>
        <translation>%1: %2 nie ma już w katalogu; dobierz ten system ponownie.</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the pricelist.</source>
        <translation>%1: %2 nie ma już w cenniku.</translation>
    </message>
    <message>
        <source>%1: the price of %2 is now %4 (%3 when saved).</source>
        <translation>%1: cena %2 wynosi teraz %4 (%3 przy zapisie).</translation>
    </message>
    <message>
        <source>Whole project</source>
        <translation>Cały projekt</translation>
    </message>
    <message>
        <source>System %1</source>
        <translation>System %1</translation>
    </message>
</context>
<context>
    <name>ProjectQuote</name>
    <message>
        <source>This quote is valid until %1.</source>
        <translation>Oferta jest ważna do %1.</translation>
    </message>
    <message>
        <source>Amounts in %1; VAT charged at %2.</source>
        <translation>Kwoty w %1; VAT naliczony według stawki %2.</translation>
    </message>
    <message>
        <source>%1 item(s) priced on request are not included in the totals.</source>
        <translation>Pozycje z ceną na zapytanie (%1) nie są wliczone do sum.</translation>
    </message>
    <message>
        <source>The spreadsheet lists prices, and prices are hidden in this installation.</source>
        <translation>Arkusz zawiera ceny, a w tej instalacji ceny są ukryte.</translation>
    </message>
</context>
<context>
    <name>ProjectScreen</name>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Otwórz…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Zapisz jako…</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Ostatnie</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Brak ostatnich projektów</translation>
    </message>
    <message>
        <source>Project…</source>
        <translation>Projekt…</translation>
    </message>
    <message>
        <source>Add to project</source>
        <translation>Dodaj do projektu</translation>
    </message>
    <message>
        <source>Put back into project</source>
        <translation>Przywróć do projektu</translation>
    </message>
    <message>
        <source>Projects (*%1)</source>
        <translation>Projekty (*%1)</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Nowy projekt</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (niezapisany)</translation>
    </message>
    <message>
        <source>%1 systems</source>
        <translation>systemy: %1</translation>
    </message>
    <message>
        <source>The project %1 has unsaved changes. Save them first?</source>
        <translation>Projekt %1 ma niezapisane zmiany. Zapisać je najpierw?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odrzuć</translation>
    </message>
    <message>
        <source>Unsaved work</source>
        <translation>Niezapisana praca</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Prices changed</source>
        <translation>Ceny się zmieniły</translation>
    </message>
    <message>
        <source>Today&apos;s pricelist differs from the prices saved in the project:</source>
        <translation>Dzisiejszy cennik różni się od cen zapisanych w projekcie:</translation>
    </message>
    <message>
        <source>Take today&apos;s prices</source>
        <translation>Przyjmij dzisiejsze ceny</translation>
    </message>
    <message>
        <source>Keep the saved prices</source>
        <translation>Zachowaj zapisane ceny</translation>
    </message>
    <message>
        <source>Some products are no longer in the catalogue: reopen the marked systems in their selector.</source>
        <translation>Niektórych produktów nie ma już w katalogu: otwórz ponownie zaznaczone systemy w ich selektorze.</translation>
    </message>
    <message>
        <source>no longer in the catalogue</source>
        <translation>nie ma już w katalogu</translation>
    </message>
    <message>
        <source>Added to the project as %1.</source>
        <translation>Dodano do projektu jako %1.</translation>
    </message>
    <message>
        <source>%1 was put back into the project.</source>
        <translation>%1 przywrócono do projektu.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nazwa projektu</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Numer referencyjny</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Warunki</translation>
    </message>
    <message>
        <source>VAT %</source>
        <translation>VAT %</translation>
    </message>
    <message>
        <source>Valid for</source>
        <translation>Ważna przez</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 dni</translation>
    </message>
    <message>
        <source>issued with the first quote</source>
        <translation>nadawany przy pierwszej ofercie</translation>
    </message>
    <message>
        <source>Seller details…</source>
        <translation>Dane sprzedawcy…</translation>
    </message>
    <message>
        <source>Seller details</source>
        <translation>Dane sprzedawcy</translation>
    </message>
    <message>
        <source>Quote number prefix</source>
        <translation>Prefiks numeru oferty</translation>
    </message>
    <message>
        <source>Systems and lines</source>
        <translation>Systemy i pozycje</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Accessories and services</source>
        <translation>Akcesoria i usługi</translation>
    </message>
    <message>
        <source>Choose a system to see its accessories.</source>
        <translation>Wybierz system, aby zobaczyć jego akcesoria.</translation>
    </message>
    <message>
        <source>No accessories for this system.</source>
        <translation>Brak akcesoriów dla tego systemu.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Search the pricelist by code or description</source>
        <translation>Szukaj w cenniku po kodzie lub opisie</translation>
    </message>
    <message>
        <source>Free-text line</source>
        <translation>Pozycja z dowolnym tekstem</translation>
    </message>
    <message>
        <source>Price of one</source>
        <translation>Cena jednostkowa</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Reopen in selector</source>
        <translation>Otwórz ponownie w selektorze</translation>
    </message>
    <message>
        <source>Quote (PDF)</source>
        <translation>Oferta (PDF)</translation>
    </message>
    <message>
        <source>Spreadsheet (.xlsx)</source>
        <translation>Arkusz (.xlsx)</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx)</source>
        <translation>Arkusze (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Pliki CSV (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No systems yet: size one in a selector and add it to the project.</source>
        <translation>Brak systemów: dobierz system w selektorze i dodaj go do projektu.</translation>
    </message>
    <message>
        <source>Project lines</source>
        <translation>Pozycje projektu</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>Quote…</source>
        <translation>Oferta…</translation>
    </message>
    <message>
        <source>Quote for the customer</source>
        <translation>Oferta dla klienta</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Utwórz PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>The quote is saved as %1.</source>
        <translation>Oferta została zapisana jako %1.</translation>
    </message>
    <message>
        <source>Select a solution to quote it.</source>
        <translation>Wybierz rozwiązanie, aby przygotować ofertę.</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Oferta</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Required autonomy</source>
        <translation>Wymagany czas podtrzymania</translation>
    </message>
    <message>
        <source>Runtime at this load</source>
        <translation>Czas podtrzymania przy tym obciążeniu</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Ilość</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Cena jedn.</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Razem</translation>
    </message>
    <message>
        <source>min</source>
        <comment>minutes</comment>
        <translation>min</translation>
    </message>
    <message>
        <source>beyond the battery tables</source>
        <translation>poza zakresem tabel baterii</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
</context>
<context>
    <name>QuoteTerms</name>
    <message>
        <source>Quote number</source>
        <translation>Numer oferty</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Ważna do</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Sprzedawca</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Waluta</translation>
    </message>
    <message>
        <source>Discount %</source>
        <translation>Rabat %</translation>
    </message>
    <message>
        <source>price on request</source>
        <translation>cena na zapytanie</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Suma częściowa</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Rabat</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Razem netto</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>VAT</translation>
    </message>
    <message>
        <source>Total including VAT</source>
        <translation>Razem brutto</translation>
    </message>
    <message>
        <source>Further items</source>
        <translation>Pozostałe pozycje</translation>
    </message>
    <message>
        <source>%1, line %2 (%3): %4</source>
        <translation>%1, pozycja %2 (%3): %4</translation>
    </message>
    <message>
        <source>the quantity must be at least 1</source>
        <translation>ilość musi wynosić co najmniej 1</translation>
    </message>
    <message>
        <source>the discount must be between 0 and 100 %</source>
        <translation>rabat musi wynosić od 0 do 100 %</translation>
    </message>
    <message>
        <source>the unit price must be a number of at least 0</source>
        <translation>cena jednostkowa musi być liczbą nie mniejszą niż 0</translation>
    </message>
    <message>
        <source>The overall discount must be between 0 and 100 %.</source>
        <translation>Rabat łączny musi wynosić od 0 do 100 %.</translation>
    </message>
    <message>
        <source>The VAT rate must be between 0 and 100 %.</source>
        <translation>Stawka VAT musi wynosić od 0 do 100 %.</translation>
    </message>
    <message>
        <source>The currency may have at most %1 decimals.</source>
        <translation>Waluta może mieć najwyżej %1 miejsc po przecinku.</translation>
    </message>
    <message>
        <source>The quote number file %1 is in use by another program; try again.</source>
        <translation>Plik numerów ofert %1 jest używany przez inny program; spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The quote number file %1 is damaged, so no number was given out. Write the last quote number given into it.</source>
        <translation>Plik numerów ofert %1 jest uszkodzony, więc nie nadano numeru. Wpisz do niego ostatni nadany numer oferty.</translation>
    </message>
    <message>
        <source>The quote numbers of %1 are used up.</source>
        <translation>Numery ofert w %1 zostały wyczerpane.</translation>
    </message>
    <message>
        <source>The quote number file %1 cannot be written: %2</source>
        <translation>Nie można zapisać pliku numerów ofert %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Nie można zapisać pliku %1: %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read.</source>
        <translation>Nie można odczytać pliku ustawień %1.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written.</source>
        <translation>Nie można zapisać pliku ustawień %1.</translation>
    </message>
</context>
<context>
    <name>Requirements</name>
    <message>
        <source>Load</source>
        <translation>Obciążenie</translation>
    </message>
    <message>
        <source>Load given in</source>
        <translation>Obciążenie podane w</translation>
    </message>
    <message>
        <source>Power factor</source>
        <translation>Współczynnik mocy</translation>
    </message>
    <message>
        <source>Room for growth</source>
        <translation>Zapas na rozbudowę</translation>
    </message>
    <message>
        <source>Loading limit</source>
        <translation>Limit obciążenia</translation>
    </message>
    <message>
        <source>Autonomy</source>
        <translation>Czas podtrzymania</translation>
    </message>
    <message>
        <source>End voltage</source>
        <translation>Napięcie końcowe</translation>
    </message>
    <message>
        <source>Ambient temperature</source>
        <translation>Temperatura otoczenia</translation>
    </message>
    <message>
        <source>Capacity at end of life</source>
        <translation>Pojemność na koniec żywotności</translation>
    </message>
    <message>
        <source>Redundant units</source>
        <translation>Jednostki redundantne</translation>
    </message>
    <message>
        <source>Output phases</source>
        <translation>Fazy wyjściowe</translation>
    </message>
    <message>
        <source>any</source>
        <comment>output phases</comment>
        <translation>dowolne</translation>
    </message>
    <message>
        <source>Load inventory…</source>
        <translation>Wykaz odbiorników…</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>UPS</translation>
    </message>
    <message>
        <source>Battery cabinets</source>
        <translation>Szafy bateryjne</translation>
    </message>
    <message>
        <source>Enter a load above zero to see the solutions.</source>
        <translation>Wprowadź obciążenie większe od zera, aby zobaczyć rozwiązania.</translation>
    </message>
    <message>
        <source>The battery tables reach at most %1 minutes; ask for less autonomy.</source>
        <translation>Tabele baterii sięgają maksymalnie %1 min; wybierz krótszy czas podtrzymania.</translation>
    </message>
    <message>
        <source>The product data holds no UPS for this selector.</source>
        <translation>Dane produktów nie zawierają żadnego UPS dla tego doboru.</translation>
    </message>
</context>
<context>
    <name>RuntimeCurve</name>
    <message>
        <source>Load (W)</source>
        <translation>Obciążenie (W)</translation>
    </message>
    <message>
        <source>Runtime (min)</source>
        <translation>Czas podtrzymania (min)</translation>
    </message>
    <message>
        <source>%1 cabinets</source>
        <translation>szafy: %1</translation>
    </message>
    <message>
        <source>1 cabinet</source>
        <translation>1 szafa</translation>
    </message>
    <message>
        <source>UPS alone</source>
        <translation>Tylko UPS</translation>
    </message>
</context>
<context>
    <name>RuntimeSelector</name>
    <message>
        <source>Runtime at %1: %2</source>
        <translation>Czas podtrzymania przy %1: %2</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Zapisz jako PNG…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Zapisano w pliku %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Nie można zapisać pliku %1.</translation>
    </message>
</context>
<context>
    <name>SelectorScreen</name>
    <message>
        <source>Requirements</source>
        <translation>Wymagania</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Rozwiązania</translation>
    </message>
    <message>
        <source>Runtime curve</source>
        <translation>Krzywa czasu podtrzymania</translation>
    </message>
    <message>
        <source>Advanced UPS selector</source>
        <translation>Zaawansowany dobór UPS</translation>
    </message>
    <message>
        <source>Base UPS selector</source>
        <translation>Podstawowy dobór UPS</translation>
    </message>
    <message>
        <source>Modular UPS selector</source>
        <translation>Dobór UPS modułowych</translation>
    </message>
    <message>
        <source>Runtime calculator</source>
        <translation>Obliczanie czasu podtrzymania</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Development engine %1</source>
        <translation>Silnik deweloperski %1</translation>
    </message>
    <message>
        <source>Base</source>
        <comment>selector</comment>
        <translation>Podstawowy</translation>
    </message>
    <message>
        <source>Advanced</source>
        <comment>selector</comment>
        <translation>Zaawansowany</translation>
    </message>
    <message>
        <source>Modular</source>
        <comment>selector</comment>
        <translation>Modułowy</translation>
    </message>
    <message>
        <source>Runtime</source>
        <comment>selector</comment>
        <translation>Podtrzymanie</translation>
    </message>
    <message>
        <source>Development engine</source>
        <translation>Silnik deweloperski</translation>
    </message>
    <message>
        <source>No prices can be shown: %1</source>
        <translation>Nie można pokazać cen: %1</translation>
    </message>
</context>
<context>
    <name>SettingsStrip</name>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Catalogue</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Ceny</translation>
    </message>
    <message>
        <source>shown</source>
        <comment>prices</comment>
        <translation>widoczne</translation>
    </message>
    <message>
        <source>hidden</source>
        <comment>prices</comment>
        <translation>ukryte</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no options set</comment>
        <translation>brak</translation>
    </message>
    <message>
        <source>(English texts)</source>
        <translation>(teksty po angielsku)</translation>
    </message>
    <message>
        <source>Pricelist</source>
        <translation>Cennik</translation>
    </message>
    <message>
        <source>%1 priced items</source>
        <translation>Pozycje z ceną: %1</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>nieczytelny</translation>
    </message>
</context>
<context>
    <name>SizingBasis</name>
    <message>
        <source>From the UPS</source>
        <translation>Według UPS</translation>
    </message>
    <message>
        <source>New</source>
        <comment>runtime with new batteries</comment>
        <translation>Nowe</translation>
    </message>
    <message>
        <source>All running</source>
        <comment>runtime with every unit running</comment>
        <translation>Wszystkie pracują</translation>
    </message>
    <message>
        <source>Runtime at end of life (%1 % capacity) at %2 °C, end voltage %3</source>
        <translation>Czas podtrzymania na koniec żywotności (pojemność %1 %) przy %2 °C, napięcie końcowe %3</translation>
    </message>
    <message>
        <source>with %1 redundant out</source>
        <translation>przy %1 redundantnych wyłączonych</translation>
    </message>
    <message>
        <source>“New”: with new batteries</source>
        <translation>„Nowe”: z nowymi bateriami</translation>
    </message>
    <message>
        <source>“All running”: no unit out</source>
        <translation>„Wszystkie pracują”: żadna jednostka nie jest wyłączona</translation>
    </message>
    <message>
        <source>set by each UPS for its load</source>
        <translation>ustalane przez każdy UPS wg obciążenia</translation>
    </message>
    <message>
        <source>%1 V/cell</source>
        <translation>%1 V/ogniwo</translation>
    </message>
    <message>
        <source>%1 V/cell, the UPS&apos;s own at this load</source>
        <translation>%1 V/ogniwo, własne UPS przy tym obciążeniu</translation>
    </message>
    <message>
        <source>%1 V/cell, as chosen</source>
        <translation>%1 V/ogniwo, wg wyboru</translation>
    </message>
    <message>
        <source>%1 °C: %2 % of the capacity (%3)</source>
        <translation>%1 °C: %2 % pojemności (%3)</translation>
    </message>
    <message>
        <source>N+%1: the runtime holds with %1 out</source>
        <translation>N+%1: czas podtrzymania zachowany przy %1 wyłączonych</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no redundant units</comment>
        <translation>brak</translation>
    </message>
    <message>
        <source>Runtime, new batteries</source>
        <translation>Czas podtrzymania, nowe baterie</translation>
    </message>
    <message>
        <source>Runtime at end of life</source>
        <translation>Czas podtrzymania na koniec żywotności</translation>
    </message>
    <message>
        <source>all running</source>
        <translation>wszystkie pracują</translation>
    </message>
    <message>
        <source>%1 out</source>
        <translation>%1 wyłączone</translation>
    </message>
    <message>
        <source>with new batteries: %1</source>
        <translation>z nowymi bateriami: %1</translation>
    </message>
</context>
<context>
    <name>SolutionDetails</name>
    <message>
        <source>Details…</source>
        <translation>Szczegóły…</translation>
    </message>
    <message>
        <source>Details of the solution</source>
        <translation>Szczegóły rozwiązania</translation>
    </message>
    <message>
        <source>Sizing basis</source>
        <translation>Podstawa doboru</translation>
    </message>
    <message>
        <source>Installation data</source>
        <translation>Dane instalacyjne</translation>
    </message>
    <message>
        <source>Heat dissipation</source>
        <translation>Oddawane ciepło</translation>
    </message>
    <message>
        <source>Total weight</source>
        <translation>Masa całkowita</translation>
    </message>
    <message>
        <source>Floor area</source>
        <translation>Powierzchnia podłogi</translation>
    </message>
    <message>
        <source>Output current</source>
        <translation>Prąd wyjściowy</translation>
    </message>
    <message>
        <source>Input current, recharging</source>
        <translation>Prąd wejściowy podczas ładowania</translation>
    </message>
    <message>
        <source>%1 A per phase</source>
        <translation>%1 A na fazę</translation>
    </message>
    <message>
        <source>%1 A per phase on each of %2 inputs</source>
        <translation>%1 A na fazę na każdym z %2 wejść</translation>
    </message>
    <message>
        <source>Input protective device</source>
        <translation>Zabezpieczenie wejścia</translation>
    </message>
    <message>
        <source>%1 A on each input</source>
        <translation>%1 A na każdym wejściu</translation>
    </message>
    <message>
        <source>above %1 A: to be sized by the electrician</source>
        <translation>powyżej %1 A: do doboru przez elektryka</translation>
    </message>
    <message>
        <source>Recharge to 90 %</source>
        <translation>Ładowanie do 90 %</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>SolutionList</name>
    <message>
        <source>Needs %1 W / %2 VA for %3 min</source>
        <translation>Wymagane %1 W / %2 VA przez %3 min</translation>
    </message>
    <message>
        <source>solutions: %1</source>
        <translation>Rozwiązania: %1</translation>
    </message>
    <message>
        <source>No UPS in the product data carries this load for this long.</source>
        <translation>Żaden UPS w danych produktów nie podtrzyma tego obciążenia tak długo.</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>UPS</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Układ</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Bateria</translation>
    </message>
    <message>
        <source>Runtime</source>
        <translation>Czas podtrz.</translation>
    </message>
    <message>
        <source>Load %</source>
        <translation>Obciąż. %</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Cena</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Obliczenia</translation>
    </message>
    <message>
        <source>single unit</source>
        <translation>pojedyncza jednostka</translation>
    </message>
    <message>
        <source>%1 units in parallel (N+%2)</source>
        <translation>%1 jedn. równolegle (N+%2)</translation>
    </message>
    <message>
        <source>%1 modules (N+%2)</source>
        <translation>moduły: %1 (N+%2)</translation>
    </message>
    <message>
        <source>internal batteries</source>
        <translation>baterie wewnętrzne</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1 × %2 blocks</source>
        <translation>łańcuchy: %1, bloki w łańcuchu: %2</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>over %1 min</source>
        <translation>ponad %1 min</translation>
    </message>
    <message>
        <source>under %1 min</source>
        <translation>poniżej %1 min</translation>
    </message>
    <message>
        <source>short of the autonomy</source>
        <translation>za krótki czas podtrzymania</translation>
    </message>
    <message>
        <source>efficiency %1 % · battery %2 W · %3 cells · %4 W/cell · table %5 W/cell</source>
        <translation>sprawność %1 % · bateria %2 W · ogniwa: %3 · %4 W/ogniwo · tabela %5 W/ogniwo</translation>
    </message>
    <message>
        <source>no price</source>
        <translation>brak ceny</translation>
    </message>
    <message>
        <source>The product data cannot be used: %1</source>
        <translation>Nie można użyć danych produktów: %1</translation>
    </message>
</context>
</TS>
