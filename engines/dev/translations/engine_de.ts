<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_GB">
<context>
    <name>Accessories</name>
    <message>
        <source>Communication</source>
        <translation>Kommunikation</translation>
    </message>
    <message>
        <source>Mounting</source>
        <translation>Montage</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Warranty</source>
        <translation>Garantie</translation>
    </message>
    <message>
        <source>On request</source>
        <translation>Auf Anfrage</translation>
    </message>
</context>
<context>
    <name>LoadInventory</name>
    <message>
        <source>Load inventory</source>
        <translation>Lastaufstellung</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Total: %1 W, %2 VA</source>
        <translation>Gesamt: %1 W, %2 VA</translation>
    </message>
    <message>
        <source>Use this load</source>
        <translation>Diese Last übernehmen</translation>
    </message>
    <message>
        <source>The device library cannot be read: %1</source>
        <translation>Die Gerätebibliothek kann nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>NoSolution</name>
    <message>
        <source>No UPS in the product data carries this load, not even in parallel.</source>
        <translation>Keine USV in den Produktdaten trägt diese Last, auch nicht parallel.</translation>
    </message>
    <message>
        <source>No UPS reaches this autonomy with the cabinets it takes; the option UNLIMITED_BATTCAB lifts the limits.</source>
        <translation>Keine USV erreicht diese Überbrückungszeit mit den Schränken, die sie aufnimmt; die Option UNLIMITED_BATTCAB hebt die Grenzen auf.</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>The file is not a Vantor project: it is not readable as JSON (at character %1).</source>
        <translation>Die Datei ist kein Vantor-Projekt: Sie ist als JSON nicht lesbar (bei Zeichen %1).</translation>
    </message>
    <message>
        <source>The file is not a Vantor project.</source>
        <translation>Die Datei ist kein Vantor-Projekt.</translation>
    </message>
    <message>
        <source>The project file is damaged: %1.</source>
        <translation>Die Projektdatei ist beschädigt: %1.</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 has the wrong type</source>
        <translation>%1 hat den falschen Typ</translation>
    </message>
    <message>
        <source>%1 holds an impossible value</source>
        <translation>%1 enthält einen unmöglichen Wert</translation>
    </message>
    <message>
        <source>This project was saved by a newer Vantor (project format %1); this version reads format %2.</source>
        <translation>Dieses Projekt wurde von einem neueren Vantor gespeichert (Projektformat %1); diese Version liest Format %2.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened (%2).</source>
        <translation>Das Projekt %1 kann nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>The project could not be saved as %1 (%2); the file there is unchanged.</source>
        <translation>Das Projekt konnte nicht als %1 gespeichert werden (%2); die Datei dort ist unverändert.</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Unsaved changes could not be kept for recovery in %1 (%2).</source>
        <translation>Ungespeicherte Änderungen konnten nicht zur Wiederherstellung in %1 abgelegt werden (%2).</translation>
    </message>
    <message>
        <source>Unsaved work on the project %1 from %2 was left behind when Vantor stopped. Restore it?</source>
        <translation>Ungespeicherte Arbeit am Projekt %1 vom %2 blieb zurück, als Vantor beendet wurde. Wiederherstellen?</translation>
    </message>
    <message>
        <source>Unsaved work on a new project from %1 was left behind when Vantor stopped. Restore it?</source>
        <translation>Ungespeicherte Arbeit an einem neuen Projekt vom %1 blieb zurück, als Vantor beendet wurde. Wiederherstellen?</translation>
    </message>
    <message>
        <source>The list of recent projects cannot be written to %1.</source>
        <translation>Die Liste der zuletzt verwendeten Projekte kann nicht in %1 geschrieben werden.</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the catalogue; size this system again.</source>
        <translation>%1: %2 ist nicht mehr im Katalog; dieses System bitte neu auslegen.</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the pricelist.</source>
        <translation>%1: %2 ist nicht mehr in der Preisliste.</translation>
    </message>
    <message>
        <source>%1: the price of %2 is now %4 (%3 when saved).</source>
        <translation>%1: Der Preis von %2 beträgt jetzt %4 (%3 beim Speichern).</translation>
    </message>
    <message>
        <source>Whole project</source>
        <translation>Gesamtes Projekt</translation>
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
        <translation>Dieses Angebot gilt bis %1.</translation>
    </message>
    <message>
        <source>Amounts in %1; VAT charged at %2.</source>
        <translation>Beträge in %1; MwSt. zu %2.</translation>
    </message>
    <message>
        <source>%1 item(s) priced on request are not included in the totals.</source>
        <translation>%1 Position(en) mit Preis auf Anfrage sind in den Summen nicht enthalten.</translation>
    </message>
    <message>
        <source>The spreadsheet lists prices, and prices are hidden in this installation.</source>
        <translation>Die Tabelle enthält Preise, und in dieser Installation sind Preise ausgeblendet.</translation>
    </message>
</context>
<context>
    <name>ProjectScreen</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Zuletzt</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Keine zuletzt verwendeten Projekte</translation>
    </message>
    <message>
        <source>Project…</source>
        <translation>Projekt…</translation>
    </message>
    <message>
        <source>Add to project</source>
        <translation>Zum Projekt hinzufügen</translation>
    </message>
    <message>
        <source>Put back into project</source>
        <translation>Ins Projekt zurücklegen</translation>
    </message>
    <message>
        <source>Projects (*%1)</source>
        <translation>Projekte (*%1)</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (nicht gespeichert)</translation>
    </message>
    <message>
        <source>%1 systems</source>
        <translation>%1 Anlagen</translation>
    </message>
    <message>
        <source>The project %1 has unsaved changes. Save them first?</source>
        <translation>Das Projekt %1 hat ungespeicherte Änderungen. Zuerst speichern?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Unsaved work</source>
        <translation>Ungespeicherte Arbeit</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Prices changed</source>
        <translation>Preise geändert</translation>
    </message>
    <message>
        <source>Today&apos;s pricelist differs from the prices saved in the project:</source>
        <translation>Die heutige Preisliste weicht von den im Projekt gespeicherten Preisen ab:</translation>
    </message>
    <message>
        <source>Take today&apos;s prices</source>
        <translation>Heutige Preise übernehmen</translation>
    </message>
    <message>
        <source>Keep the saved prices</source>
        <translation>Gespeicherte Preise behalten</translation>
    </message>
    <message>
        <source>Some products are no longer in the catalogue: reopen the marked systems in their selector.</source>
        <translation>Einige Produkte sind nicht mehr im Katalog: Öffnen Sie die markierten Anlagen erneut in ihrem Selektor.</translation>
    </message>
    <message>
        <source>no longer in the catalogue</source>
        <translation>nicht mehr im Katalog</translation>
    </message>
    <message>
        <source>Added to the project as %1.</source>
        <translation>Als %1 zum Projekt hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 was put back into the project.</source>
        <translation>%1 wurde ins Projekt zurückgelegt.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projektname</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Konditionen</translation>
    </message>
    <message>
        <source>VAT %</source>
        <translation>MwSt. %</translation>
    </message>
    <message>
        <source>Valid for</source>
        <translation>Gültig für</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>issued with the first quote</source>
        <translation>wird mit dem ersten Angebot vergeben</translation>
    </message>
    <message>
        <source>Seller details…</source>
        <translation>Verkäuferdaten…</translation>
    </message>
    <message>
        <source>Seller details</source>
        <translation>Verkäuferdaten</translation>
    </message>
    <message>
        <source>Quote number prefix</source>
        <translation>Präfix der Angebotsnummer</translation>
    </message>
    <message>
        <source>Systems and lines</source>
        <translation>Anlagen und Positionen</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Accessories and services</source>
        <translation>Zubehör und Dienstleistungen</translation>
    </message>
    <message>
        <source>Choose a system to see its accessories.</source>
        <translation>Wählen Sie eine Anlage, um ihr Zubehör zu sehen.</translation>
    </message>
    <message>
        <source>No accessories for this system.</source>
        <translation>Kein Zubehör für diese Anlage.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Search the pricelist by code or description</source>
        <translation>Preisliste nach Code oder Beschreibung durchsuchen</translation>
    </message>
    <message>
        <source>Free-text line</source>
        <translation>Freitextposition</translation>
    </message>
    <message>
        <source>Price of one</source>
        <translation>Einzelpreis</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Reopen in selector</source>
        <translation>Im Selektor erneut öffnen</translation>
    </message>
    <message>
        <source>Quote (PDF)</source>
        <translation>Angebot (PDF)</translation>
    </message>
    <message>
        <source>Spreadsheet (.xlsx)</source>
        <translation>Tabelle (.xlsx)</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx)</source>
        <translation>Tabellen (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No systems yet: size one in a selector and add it to the project.</source>
        <translation>Noch keine Anlagen: Legen Sie eine in einem Selektor aus und fügen Sie sie zum Projekt hinzu.</translation>
    </message>
    <message>
        <source>Project lines</source>
        <translation>Projektpositionen</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>Quote…</source>
        <translation>Angebot…</translation>
    </message>
    <message>
        <source>Quote for the customer</source>
        <translation>Angebot für den Kunden</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Kunde</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>PDF erstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The quote is saved as %1.</source>
        <translation>Das Angebot wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <source>Select a solution to quote it.</source>
        <translation>Wählen Sie eine Lösung, um ein Angebot zu erstellen.</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Angebot</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Required autonomy</source>
        <translation>Geforderte Überbrückungszeit</translation>
    </message>
    <message>
        <source>Runtime at this load</source>
        <translation>Überbrückungszeit bei dieser Last</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Art.-Nr.</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Einzelpreis</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>min</source>
        <comment>minutes</comment>
        <translation>min</translation>
    </message>
    <message>
        <source>beyond the battery tables</source>
        <translation>außerhalb der Batterietabellen</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>QuoteTerms</name>
    <message>
        <source>Quote number</source>
        <translation>Angebotsnummer</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Gültig bis</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Verkäufer</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Discount %</source>
        <translation>Rabatt %</translation>
    </message>
    <message>
        <source>price on request</source>
        <translation>Preis auf Anfrage</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Zwischensumme</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Rabatt</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Nettobetrag</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>MwSt.</translation>
    </message>
    <message>
        <source>Total including VAT</source>
        <translation>Gesamtbetrag inkl. MwSt.</translation>
    </message>
    <message>
        <source>Further items</source>
        <translation>Weitere Positionen</translation>
    </message>
    <message>
        <source>%1, line %2 (%3): %4</source>
        <translation>%1, Position %2 (%3): %4</translation>
    </message>
    <message>
        <source>the quantity must be at least 1</source>
        <translation>die Menge muss mindestens 1 sein</translation>
    </message>
    <message>
        <source>the discount must be between 0 and 100 %</source>
        <translation>der Rabatt muss zwischen 0 und 100 % liegen</translation>
    </message>
    <message>
        <source>the unit price must be a number of at least 0</source>
        <translation>der Stückpreis muss eine Zahl von mindestens 0 sein</translation>
    </message>
    <message>
        <source>The overall discount must be between 0 and 100 %.</source>
        <translation>Der Gesamtrabatt muss zwischen 0 und 100 % liegen.</translation>
    </message>
    <message>
        <source>The VAT rate must be between 0 and 100 %.</source>
        <translation>Der MwSt.-Satz muss zwischen 0 und 100 % liegen.</translation>
    </message>
    <message>
        <source>The currency may have at most %1 decimals.</source>
        <translation>Die Währung darf höchstens %1 Nachkommastellen haben.</translation>
    </message>
    <message>
        <source>The quote number file %1 is in use by another program; try again.</source>
        <translation>Die Angebotsnummerndatei %1 wird von einem anderen Programm verwendet; bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>The quote number file %1 is damaged, so no number was given out. Write the last quote number given into it.</source>
        <translation>Die Angebotsnummerndatei %1 ist beschädigt, daher wurde keine Nummer vergeben. Tragen Sie die zuletzt vergebene Angebotsnummer darin ein.</translation>
    </message>
    <message>
        <source>The quote numbers of %1 are used up.</source>
        <translation>Die Angebotsnummern von %1 sind aufgebraucht.</translation>
    </message>
    <message>
        <source>The quote number file %1 cannot be written: %2</source>
        <translation>Die Angebotsnummerndatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Die Datei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written.</source>
        <translation>Die Einstellungsdatei %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>Requirements</name>
    <message>
        <source>Load</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>Load given in</source>
        <translation>Last angegeben in</translation>
    </message>
    <message>
        <source>Power factor</source>
        <translation>Leistungsfaktor</translation>
    </message>
    <message>
        <source>Room for growth</source>
        <translation>Erweiterungsreserve</translation>
    </message>
    <message>
        <source>Loading limit</source>
        <translation>Auslastungsgrenze</translation>
    </message>
    <message>
        <source>Autonomy</source>
        <translation>Überbrückungszeit</translation>
    </message>
    <message>
        <source>End voltage</source>
        <translation>Entladeschlussspannung</translation>
    </message>
    <message>
        <source>Ambient temperature</source>
        <translation>Umgebungstemperatur</translation>
    </message>
    <message>
        <source>Capacity at end of life</source>
        <translation>Kapazität am Lebensdauerende</translation>
    </message>
    <message>
        <source>Redundant units</source>
        <translation>Redundante Einheiten</translation>
    </message>
    <message>
        <source>Output phases</source>
        <translation>Ausgangsphasen</translation>
    </message>
    <message>
        <source>any</source>
        <comment>output phases</comment>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>Load inventory…</source>
        <translation>Lastaufstellung…</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>USV</translation>
    </message>
    <message>
        <source>Battery cabinets</source>
        <translation>Batterieschränke</translation>
    </message>
    <message>
        <source>Enter a load above zero to see the solutions.</source>
        <translation>Geben Sie eine Last größer als null ein, um die Lösungen zu sehen.</translation>
    </message>
    <message>
        <source>The battery tables reach at most %1 minutes; ask for less autonomy.</source>
        <translation>Die Batterietabellen reichen höchstens bis %1 Minuten; wählen Sie eine kürzere Überbrückungszeit.</translation>
    </message>
    <message>
        <source>The product data holds no UPS for this selector.</source>
        <translation>Die Produktdaten enthalten keine USV für diese Auswahl.</translation>
    </message>
</context>
<context>
    <name>RuntimeCurve</name>
    <message>
        <source>Load (W)</source>
        <translation>Last (W)</translation>
    </message>
    <message>
        <source>Runtime (min)</source>
        <translation>Überbrückungszeit (min)</translation>
    </message>
    <message>
        <source>%1 cabinets</source>
        <translation>%1 Schränke</translation>
    </message>
    <message>
        <source>1 cabinet</source>
        <translation>1 Schrank</translation>
    </message>
    <message>
        <source>UPS alone</source>
        <translation>Nur USV</translation>
    </message>
</context>
<context>
    <name>RuntimeSelector</name>
    <message>
        <source>Runtime at %1: %2</source>
        <translation>Überbrückungszeit bei %1: %2</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Als PNG speichern…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Gespeichert unter %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>SelectorScreen</name>
    <message>
        <source>Requirements</source>
        <translation>Anforderungen</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Runtime curve</source>
        <translation>Überbrückungszeitkurve</translation>
    </message>
    <message>
        <source>Advanced UPS selector</source>
        <translation>USV-Auswahl Erweitert</translation>
    </message>
    <message>
        <source>Base UPS selector</source>
        <translation>USV-Auswahl Basis</translation>
    </message>
    <message>
        <source>Modular UPS selector</source>
        <translation>Modulare USV-Auswahl</translation>
    </message>
    <message>
        <source>Runtime calculator</source>
        <translation>Überbrückungszeit berechnen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Development engine %1</source>
        <translation>Entwicklungs-Engine %1</translation>
    </message>
    <message>
        <source>Base</source>
        <comment>selector</comment>
        <translation>Basis</translation>
    </message>
    <message>
        <source>Advanced</source>
        <comment>selector</comment>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Modular</source>
        <comment>selector</comment>
        <translation>Modular</translation>
    </message>
    <message>
        <source>Runtime</source>
        <comment>selector</comment>
        <translation>Überbrückung</translation>
    </message>
    <message>
        <source>Development engine</source>
        <translation>Entwicklungs-Engine</translation>
    </message>
    <message>
        <source>No prices can be shown: %1</source>
        <translation>Preise können nicht angezeigt werden: %1</translation>
    </message>
</context>
<context>
    <name>SettingsStrip</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Catalogue</source>
        <translation>Katalog</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Preise</translation>
    </message>
    <message>
        <source>shown</source>
        <comment>prices</comment>
        <translation>angezeigt</translation>
    </message>
    <message>
        <source>hidden</source>
        <comment>prices</comment>
        <translation>ausgeblendet</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no options set</comment>
        <translation>keine</translation>
    </message>
    <message>
        <source>(English texts)</source>
        <translation>(englische Texte)</translation>
    </message>
    <message>
        <source>Pricelist</source>
        <translation>Preisliste</translation>
    </message>
    <message>
        <source>%1 priced items</source>
        <translation>%1 Artikel mit Preis</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>nicht lesbar</translation>
    </message>
</context>
<context>
    <name>SizingBasis</name>
    <message>
        <source>From the UPS</source>
        <translation>Von der USV</translation>
    </message>
    <message>
        <source>New</source>
        <comment>runtime with new batteries</comment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>All running</source>
        <comment>runtime with every unit running</comment>
        <translation>Alle in Betrieb</translation>
    </message>
    <message>
        <source>Runtime at end of life (%1 % capacity) at %2 °C, end voltage %3</source>
        <translation>Überbrückungszeit am Lebensdauerende (Kapazität %1 %) bei %2 °C, Entladeschlussspannung %3</translation>
    </message>
    <message>
        <source>with %1 redundant out</source>
        <translation>mit %1 redundanten außer Betrieb</translation>
    </message>
    <message>
        <source>“New”: with new batteries</source>
        <translation>„Neu“: mit neuen Batterien</translation>
    </message>
    <message>
        <source>“All running”: no unit out</source>
        <translation>„Alle in Betrieb“: keine Einheit außer Betrieb</translation>
    </message>
    <message>
        <source>set by each UPS for its load</source>
        <translation>von jeder USV je nach Last</translation>
    </message>
    <message>
        <source>%1 V/cell</source>
        <translation>%1 V/Zelle</translation>
    </message>
    <message>
        <source>%1 V/cell, the UPS&apos;s own at this load</source>
        <translation>%1 V/Zelle, die der USV bei dieser Last</translation>
    </message>
    <message>
        <source>%1 V/cell, as chosen</source>
        <translation>%1 V/Zelle, wie gewählt</translation>
    </message>
    <message>
        <source>%1 °C: %2 % of the capacity (%3)</source>
        <translation>%1 °C: %2 % der Kapazität (%3)</translation>
    </message>
    <message>
        <source>N+%1: the runtime holds with %1 out</source>
        <translation>N+%1: die Überbrückungszeit gilt mit %1 außer Betrieb</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no redundant units</comment>
        <translation>keine</translation>
    </message>
    <message>
        <source>Runtime, new batteries</source>
        <translation>Überbrückungszeit, neue Batterien</translation>
    </message>
    <message>
        <source>Runtime at end of life</source>
        <translation>Überbrückungszeit am Lebensdauerende</translation>
    </message>
    <message>
        <source>all running</source>
        <translation>alle in Betrieb</translation>
    </message>
    <message>
        <source>%1 out</source>
        <translation>%1 außer Betrieb</translation>
    </message>
    <message>
        <source>with new batteries: %1</source>
        <translation>mit neuen Batterien: %1</translation>
    </message>
</context>
<context>
    <name>SolutionDetails</name>
    <message>
        <source>Details…</source>
        <translation>Details…</translation>
    </message>
    <message>
        <source>Details of the solution</source>
        <translation>Details der Lösung</translation>
    </message>
    <message>
        <source>Sizing basis</source>
        <translation>Auslegungsgrundlage</translation>
    </message>
    <message>
        <source>Installation data</source>
        <translation>Installationsdaten</translation>
    </message>
    <message>
        <source>Heat dissipation</source>
        <translation>Wärmeabgabe</translation>
    </message>
    <message>
        <source>Total weight</source>
        <translation>Gesamtgewicht</translation>
    </message>
    <message>
        <source>Floor area</source>
        <translation>Stellfläche</translation>
    </message>
    <message>
        <source>Output current</source>
        <translation>Ausgangsstrom</translation>
    </message>
    <message>
        <source>Input current, recharging</source>
        <translation>Eingangsstrom beim Laden</translation>
    </message>
    <message>
        <source>%1 A per phase</source>
        <translation>%1 A je Phase</translation>
    </message>
    <message>
        <source>%1 A per phase on each of %2 inputs</source>
        <translation>%1 A je Phase an jedem der %2 Eingänge</translation>
    </message>
    <message>
        <source>Input protective device</source>
        <translation>Eingangsabsicherung</translation>
    </message>
    <message>
        <source>%1 A on each input</source>
        <translation>%1 A an jedem Eingang</translation>
    </message>
    <message>
        <source>above %1 A: to be sized by the electrician</source>
        <translation>über %1 A: vom Elektroplaner auszulegen</translation>
    </message>
    <message>
        <source>Recharge to 90 %</source>
        <translation>Wiederaufladung auf 90 %</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>SolutionList</name>
    <message>
        <source>Needs %1 W / %2 VA for %3 min</source>
        <translation>Bedarf: %1 W / %2 VA für %3 min</translation>
    </message>
    <message>
        <source>solutions: %1</source>
        <translation>%1 Lösungen</translation>
    </message>
    <message>
        <source>No UPS in the product data carries this load for this long.</source>
        <translation>Keine USV in den Produktdaten trägt diese Last so lange.</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>USV</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Aufbau</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Runtime</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Load %</source>
        <translation>Last %</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Berechnung</translation>
    </message>
    <message>
        <source>single unit</source>
        <translation>Einzelgerät</translation>
    </message>
    <message>
        <source>%1 units in parallel (N+%2)</source>
        <translation>%1 Geräte parallel (N+%2)</translation>
    </message>
    <message>
        <source>%1 modules (N+%2)</source>
        <translation>%1 Module (N+%2)</translation>
    </message>
    <message>
        <source>internal batteries</source>
        <translation>interne Batterien</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1 × %2 blocks</source>
        <translation>%1 Stränge zu je %2 Blöcken</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>over %1 min</source>
        <translation>über %1 min</translation>
    </message>
    <message>
        <source>under %1 min</source>
        <translation>unter %1 min</translation>
    </message>
    <message>
        <source>short of the autonomy</source>
        <translation>Überbrückungszeit nicht erreicht</translation>
    </message>
    <message>
        <source>efficiency %1 % · battery %2 W · %3 cells · %4 W/cell · table %5 W/cell</source>
        <translation>Wirkungsgrad %1 % · Batterie %2 W · %3 Zellen · %4 W/Zelle · Tabelle %5 W/Zelle</translation>
    </message>
    <message>
        <source>no price</source>
        <translation>kein Preis</translation>
    </message>
    <message>
        <source>The product data cannot be used: %1</source>
        <translation>Die Produktdaten sind nicht verwendbar: %1</translation>
    </message>
</context>
</TS>
