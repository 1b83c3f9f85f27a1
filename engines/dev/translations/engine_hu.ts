<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU" sourcelanguage="en_GB">
<context>
    <name>Accessories</name>
    <message>
        <source>Communication</source>
        <translation>Kommunikáció</translation>
    </message>
    <message>
        <source>Mounting</source>
        <translation>Szerelés</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Szerviz</translation>
    </message>
    <message>
        <source>Warranty</source>
        <translation>Garancia</translation>
    </message>
    <message>
        <source>On request</source>
        <translation>Kérésre</translation>
    </message>
</context>
<context>
    <name>LoadInventory</name>
    <message>
        <source>Load inventory</source>
        <translation>Fogyasztók listája</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Eszköz</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategória</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Total: %1 W, %2 VA</source>
        <translation>Összesen: %1 W, %2 VA</translation>
    </message>
    <message>
        <source>Use this load</source>
        <translation>Terhelés átvétele</translation>
    </message>
    <message>
        <source>The device library cannot be read: %1</source>
        <translation>Az eszközkönyvtár nem olvasható: %1</translation>
    </message>
</context>
<context>
    <name>NoSolution</name>
    <message>
        <source>No UPS in the product data carries this load, not even in parallel.</source>
        <translation>A termékadatokban egyetlen UPS sem bírja ezt a terhelést, párhuzamosan sem.</translation>
    </message>
    <message>
        <source>No UPS reaches this autonomy with the cabinets it takes; the option UNLIMITED_BATTCAB lifts the limits.</source>
        <translation>Egyik UPS sem éri el ezt az áthidalási időt a hozzá csatlakoztatható szekrényekkel; az UNLIMITED_BATTCAB opció feloldja a korlátokat.</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>The file is not a Vantor project: it is not readable as JSON (at character %1).</source>
        <translation>A fájl nem Vantor-projekt: JSON-ként nem olvasható (a(z) %1. karakternél).</translation>
    </message>
    <message>
        <source>The file is not a Vantor project.</source>
        <translation>A fájl nem Vantor-projekt.</translation>
    </message>
    <message>
        <source>The project file is damaged: %1.</source>
        <translation>A projektfájl sérült: %1.</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>hiányzik: %1</translation>
    </message>
    <message>
        <source>%1 has the wrong type</source>
        <translation>%1 típusa hibás</translation>
    </message>
    <message>
        <source>%1 holds an impossible value</source>
        <translation>%1 lehetetlen értéket tartalmaz</translation>
    </message>
    <message>
        <source>This project was saved by a newer Vantor (project format %1); this version reads format %2.</source>
        <translation>Ezt a projektet egy újabb Vantor mentette (%1. projektformátum); ez a verzió a(z) %2. formátumot olvassa.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened (%2).</source>
        <translation>A(z) %1 projekt nem nyitható meg (%2).</translation>
    </message>
    <message>
        <source>The project could not be saved as %1 (%2); the file there is unchanged.</source>
        <translation>A projektet nem sikerült %1 néven menteni (%2); az ott lévő fájl változatlan.</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>a mappa nem hozható létre</translation>
    </message>
    <message>
        <source>Unsaved changes could not be kept for recovery in %1 (%2).</source>
        <translation>A nem mentett változásokat nem sikerült helyreállításhoz megőrizni itt: %1 (%2).</translation>
    </message>
    <message>
        <source>Unsaved work on the project %1 from %2 was left behind when Vantor stopped. Restore it?</source>
        <translation>A Vantor leállásakor nem mentett munka maradt a(z) %1 projekten (%2). Visszaállítja?</translation>
    </message>
    <message>
        <source>Unsaved work on a new project from %1 was left behind when Vantor stopped. Restore it?</source>
        <translation>A Vantor leállásakor nem mentett munka maradt egy új projekten (%1). Visszaállítja?</translation>
    </message>
    <message>
        <source>The list of recent projects cannot be written to %1.</source>
        <translation>A legutóbbi projektek listája nem írható ide: %1.</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the catalogue; size this system again.</source>
        <translation>%1: %2 már nincs a katalógusban; méretezze újra ezt a rendszert.</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the pricelist.</source>
        <translation>%1: %2 már nincs az árlistában.</translation>
    </message>
    <message>
        <source>%1: the price of %2 is now %4 (%3 when saved).</source>
        <translation>%1: %2 ára most %4 (mentéskor %3).</translation>
    </message>
    <message>
        <source>Whole project</source>
        <translation>Teljes projekt</translation>
    </message>
    <message>
        <source>System %1</source>
        <translation>%1. rendszer</translation>
    </message>
</context>
<context>
    <name>ProjectQuote</name>
    <message>
        <source>This quote is valid until %1.</source>
        <translation>Az ajánlat %1-ig érvényes.</translation>
    </message>
    <message>
        <source>Amounts in %1; VAT charged at %2.</source>
        <translation>Összegek %1 pénznemben; ÁFA %2.</translation>
    </message>
    <message>
        <source>%1 item(s) priced on request are not included in the totals.</source>
        <translation>%1 tétel ára kérésre adható meg, ezek nem szerepelnek az összesenben.</translation>
    </message>
    <message>
        <source>The spreadsheet lists prices, and prices are hidden in this installation.</source>
        <translation>A táblázat árakat tartalmaz, ebben a telepítésben pedig az árak rejtve vannak.</translation>
    </message>
</context>
<context>
    <name>ProjectScreen</name>
    <message>
        <source>New</source>
        <translation>Új</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Megnyitás…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Mentés</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Mentés másként…</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Legutóbbiak</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Nincsenek legutóbbi projektek</translation>
    </message>
    <message>
        <source>Project…</source>
        <translation>Projekt…</translation>
    </message>
    <message>
        <source>Add to project</source>
        <translation>Hozzáadás a projekthez</translation>
    </message>
    <message>
        <source>Put back into project</source>
        <translation>Vissza a projektbe</translation>
    </message>
    <message>
        <source>Projects (*%1)</source>
        <translation>Projektek (*%1)</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Új projekt</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (nincs mentve)</translation>
    </message>
    <message>
        <source>%1 systems</source>
        <translation>%1 rendszer</translation>
    </message>
    <message>
        <source>The project %1 has unsaved changes. Save them first?</source>
        <translation>A(z) %1 projekt nem mentett változásokat tartalmaz. Menti őket előbb?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Elvetés</translation>
    </message>
    <message>
        <source>Unsaved work</source>
        <translation>Nem mentett munka</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Visszaállítás</translation>
    </message>
    <message>
        <source>Prices changed</source>
        <translation>Megváltozott árak</translation>
    </message>
    <message>
        <source>Today&apos;s pricelist differs from the prices saved in the project:</source>
        <translation>A mai árlista eltér a projektben mentett áraktól:</translation>
    </message>
    <message>
        <source>Take today&apos;s prices</source>
        <translation>Mai árak átvétele</translation>
    </message>
    <message>
        <source>Keep the saved prices</source>
        <translation>Mentett árak megtartása</translation>
    </message>
    <message>
        <source>Some products are no longer in the catalogue: reopen the marked systems in their selector.</source>
        <translation>Néhány termék már nincs a katalógusban: nyissa meg újra a jelölt rendszereket a választójukban.</translation>
    </message>
    <message>
        <source>no longer in the catalogue</source>
        <translation>már nincs a katalógusban</translation>
    </message>
    <message>
        <source>Added to the project as %1.</source>
        <translation>Hozzáadva a projekthez: %1.</translation>
    </message>
    <message>
        <source>%1 was put back into the project.</source>
        <translation>%1 visszakerült a projektbe.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Név</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kapcsolattartó</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Cím</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Projekt neve</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Hivatkozás</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Megjegyzések</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Feltételek</translation>
    </message>
    <message>
        <source>VAT %</source>
        <translation>ÁFA %</translation>
    </message>
    <message>
        <source>Valid for</source>
        <translation>Érvényes</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 nap</translation>
    </message>
    <message>
        <source>issued with the first quote</source>
        <translation>az első ajánlattal kerül kiadásra</translation>
    </message>
    <message>
        <source>Seller details…</source>
        <translation>Eladó adatai…</translation>
    </message>
    <message>
        <source>Seller details</source>
        <translation>Eladó adatai</translation>
    </message>
    <message>
        <source>Quote number prefix</source>
        <translation>Ajánlatszám előtagja</translation>
    </message>
    <message>
        <source>Systems and lines</source>
        <translation>Rendszerek és tételek</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Tétel</translation>
    </message>
    <message>
        <source>Accessories and services</source>
        <translation>Tartozékok és szolgáltatások</translation>
    </message>
    <message>
        <source>Choose a system to see its accessories.</source>
        <translation>Válasszon rendszert a tartozékai megtekintéséhez.</translation>
    </message>
    <message>
        <source>No accessories for this system.</source>
        <translation>Ehhez a rendszerhez nincs tartozék.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hozzáadás</translation>
    </message>
    <message>
        <source>Search the pricelist by code or description</source>
        <translation>Keresés az árlistában kód vagy leírás szerint</translation>
    </message>
    <message>
        <source>Free-text line</source>
        <translation>Szabad szöveges tétel</translation>
    </message>
    <message>
        <source>Price of one</source>
        <translation>Egységár</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eltávolítás</translation>
    </message>
    <message>
        <source>Reopen in selector</source>
        <translation>Újranyitás a választóban</translation>
    </message>
    <message>
        <source>Quote (PDF)</source>
        <translation>Ajánlat (PDF)</translation>
    </message>
    <message>
        <source>Spreadsheet (.xlsx)</source>
        <translation>Táblázat (.xlsx)</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx)</source>
        <translation>Táblázatok (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-fájlok (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-fájlok (*.pdf)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No systems yet: size one in a selector and add it to the project.</source>
        <translation>Még nincs rendszer: méretezzen egyet egy választóban, és adja hozzá a projekthez.</translation>
    </message>
    <message>
        <source>Project lines</source>
        <translation>Projekttételek</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>Quote…</source>
        <translation>Árajánlat…</translation>
    </message>
    <message>
        <source>Quote for the customer</source>
        <translation>Árajánlat az ügyfél részére</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Ügyfél</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projekt</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>PDF létrehozása</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>The quote is saved as %1.</source>
        <translation>Az árajánlat mentve: %1.</translation>
    </message>
    <message>
        <source>Select a solution to quote it.</source>
        <translation>Válasszon egy megoldást az árajánlat elkészítéséhez.</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Árajánlat</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Dátum</translation>
    </message>
    <message>
        <source>Required autonomy</source>
        <translation>Szükséges áthidalási idő</translation>
    </message>
    <message>
        <source>Runtime at this load</source>
        <translation>Áthidalási idő ennél a terhelésnél</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Cikkszám</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Megnevezés</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Menny.</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Egységár</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Összeg</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Összesen</translation>
    </message>
    <message>
        <source>min</source>
        <comment>minutes</comment>
        <translation>min</translation>
    </message>
    <message>
        <source>beyond the battery tables</source>
        <translation>az akkumulátortáblázatokon túl</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1/%2. oldal</translation>
    </message>
</context>
<context>
    <name>QuoteTerms</name>
    <message>
        <source>Quote number</source>
        <translation>Ajánlatszám</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Érvényes eddig</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Értékesítő</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Cég</translation>
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
        <translation>Pénznem</translation>
    </message>
    <message>
        <source>Discount %</source>
        <translation>Kedvezmény %</translation>
    </message>
    <message>
        <source>price on request</source>
        <translation>ár kérésre</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Részösszeg</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Kedvezmény</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Nettó összesen</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>ÁFA</translation>
    </message>
    <message>
        <source>Total including VAT</source>
        <translation>Bruttó összesen</translation>
    </message>
    <message>
        <source>Further items</source>
        <translation>Egyéb tételek</translation>
    </message>
    <message>
        <source>%1, line %2 (%3): %4</source>
        <translation>%1, %2. sor (%3): %4</translation>
    </message>
    <message>
        <source>the quantity must be at least 1</source>
        <translation>a mennyiség legalább 1 kell legyen</translation>
    </message>
    <message>
        <source>the discount must be between 0 and 100 %</source>
        <translation>a kedvezmény 0 és 100 % között kell legyen</translation>
    </message>
    <message>
        <source>the unit price must be a number of at least 0</source>
        <translation>az egységár legalább 0 értékű szám kell legyen</translation>
    </message>
    <message>
        <source>The overall discount must be between 0 and 100 %.</source>
        <translation>Az összesített kedvezmény 0 és 100 % között kell legyen.</translation>
    </message>
    <message>
        <source>The VAT rate must be between 0 and 100 %.</source>
        <translation>Az ÁFA-kulcs 0 és 100 % között kell legyen.</translation>
    </message>
    <message>
        <source>The currency may have at most %1 decimals.</source>
        <translation>A pénznemnek legfeljebb %1 tizedesjegye lehet.</translation>
    </message>
    <message>
        <source>The quote number file %1 is in use by another program; try again.</source>
        <translation>A(z) %1 ajánlatszám-fájlt egy másik program használja; próbálja újra.</translation>
    </message>
    <message>
        <source>The quote number file %1 is damaged, so no number was given out. Write the last quote number given into it.</source>
        <translation>A(z) %1 ajánlatszám-fájl sérült, ezért nem adtunk ki számot. Írja bele az utoljára kiadott ajánlatszámot.</translation>
    </message>
    <message>
        <source>The quote numbers of %1 are used up.</source>
        <translation>A(z) %1 ajánlatszámai elfogytak.</translation>
    </message>
    <message>
        <source>The quote number file %1 cannot be written: %2</source>
        <translation>A(z) %1 ajánlatszám-fájl nem írható: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>A(z) %1 fájl nem írható: %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read.</source>
        <translation>A(z) %1 beállításfájl nem olvasható.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written.</source>
        <translation>A(z) %1 beállításfájl nem írható.</translation>
    </message>
</context>
<context>
    <name>Requirements</name>
    <message>
        <source>Load</source>
        <translation>Terhelés</translation>
    </message>
    <message>
        <source>Load given in</source>
        <translation>Terhelés mértékegysége</translation>
    </message>
    <message>
        <source>Power factor</source>
        <translation>Teljesítménytényező</translation>
    </message>
    <message>
        <source>Room for growth</source>
        <translation>Bővítési tartalék</translation>
    </message>
    <message>
        <source>Loading limit</source>
        <translation>Terhelési korlát</translation>
    </message>
    <message>
        <source>Autonomy</source>
        <translation>Áthidalási idő</translation>
    </message>
    <message>
        <source>End voltage</source>
        <translation>Kisütési végfeszültség</translation>
    </message>
    <message>
        <source>Ambient temperature</source>
        <translation>Környezeti hőmérséklet</translation>
    </message>
    <message>
        <source>Capacity at end of life</source>
        <translation>Kapacitás az élettartam végén</translation>
    </message>
    <message>
        <source>Redundant units</source>
        <translation>Redundáns egységek</translation>
    </message>
    <message>
        <source>Output phases</source>
        <translation>Kimeneti fázisok</translation>
    </message>
    <message>
        <source>any</source>
        <comment>output phases</comment>
        <translation>tetszőleges</translation>
    </message>
    <message>
        <source>Load inventory…</source>
        <translation>Fogyasztók listája…</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>UPS</translation>
    </message>
    <message>
        <source>Battery cabinets</source>
        <translation>Akkumulátorszekrények</translation>
    </message>
    <message>
        <source>Enter a load above zero to see the solutions.</source>
        <translation>Adjon meg nullánál nagyobb terhelést a megoldások megjelenítéséhez.</translation>
    </message>
    <message>
        <source>The battery tables reach at most %1 minutes; ask for less autonomy.</source>
        <translation>Az akkumulátortáblázatok legfeljebb %1 percig terjednek; adjon meg rövidebb áthidalási időt.</translation>
    </message>
    <message>
        <source>The product data holds no UPS for this selector.</source>
        <translation>A termékadatok nem tartalmaznak UPS-t ehhez a választóhoz.</translation>
    </message>
</context>
<context>
    <name>RuntimeCurve</name>
    <message>
        <source>Load (W)</source>
        <translation>Terhelés (W)</translation>
    </message>
    <message>
        <source>Runtime (min)</source>
        <translation>Áthidalási idő (min)</translation>
    </message>
    <message>
        <source>%1 cabinets</source>
        <translation>%1 szekrény</translation>
    </message>
    <message>
        <source>1 cabinet</source>
        <translation>1 szekrény</translation>
    </message>
    <message>
        <source>UPS alone</source>
        <translation>Csak UPS</translation>
    </message>
</context>
<context>
    <name>RuntimeSelector</name>
    <message>
        <source>Runtime at %1: %2</source>
        <translation>Áthidalási idő %1 terhelésnél: %2</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Mentés PNG-ként…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Mentve ide: %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Nem írható a fájl: %1.</translation>
    </message>
</context>
<context>
    <name>SelectorScreen</name>
    <message>
        <source>Requirements</source>
        <translation>Követelmények</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Megoldások</translation>
    </message>
    <message>
        <source>Runtime curve</source>
        <translation>Áthidalási idő görbéje</translation>
    </message>
    <message>
        <source>Advanced UPS selector</source>
        <translation>Speciális UPS-választó</translation>
    </message>
    <message>
        <source>Base UPS selector</source>
        <translation>Alap UPS-választó</translation>
    </message>
    <message>
        <source>Modular UPS selector</source>
        <translation>Moduláris UPS-választó</translation>
    </message>
    <message>
        <source>Runtime calculator</source>
        <translation>Áthidalási idő számítása</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Vissza</translation>
    </message>
    <message>
        <source>Development engine %1</source>
        <translation>Fejlesztői motor %1</translation>
    </message>
    <message>
        <source>Base</source>
        <comment>selector</comment>
        <translation>Alap</translation>
    </message>
    <message>
        <source>Advanced</source>
        <comment>selector</comment>
        <translation>Speciális</translation>
    </message>
    <message>
        <source>Modular</source>
        <comment>selector</comment>
        <translation>Moduláris</translation>
    </message>
    <message>
        <source>Runtime</source>
        <comment>selector</comment>
        <translation>Áthidalás</translation>
    </message>
    <message>
        <source>Development engine</source>
        <translation>Fejlesztői motor</translation>
    </message>
    <message>
        <source>No prices can be shown: %1</source>
        <translation>Az árak nem jeleníthetők meg: %1</translation>
    </message>
</context>
<context>
    <name>SettingsStrip</name>
    <message>
        <source>Language</source>
        <translation>Nyelv</translation>
    </message>
    <message>
        <source>Catalogue</source>
        <translation>Katalógus</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciók</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Árak</translation>
    </message>
    <message>
        <source>shown</source>
        <comment>prices</comment>
        <translation>láthatók</translation>
    </message>
    <message>
        <source>hidden</source>
        <comment>prices</comment>
        <translation>rejtettek</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nincs)</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no options set</comment>
        <translation>nincs</translation>
    </message>
    <message>
        <source>(English texts)</source>
        <translation>(angol nyelvű szövegek)</translation>
    </message>
    <message>
        <source>Pricelist</source>
        <translation>Árlista</translation>
    </message>
    <message>
        <source>%1 priced items</source>
        <translation>%1 árazott tétel</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>nem olvasható</translation>
    </message>
</context>
<context>
    <name>SizingBasis</name>
    <message>
        <source>From the UPS</source>
        <translation>Az UPS szerint</translation>
    </message>
    <message>
        <source>New</source>
        <comment>runtime with new batteries</comment>
        <translation>Új</translation>
    </message>
    <message>
        <source>All running</source>
        <comment>runtime with every unit running</comment>
        <translation>Mind üzemel</translation>
    </message>
    <message>
        <source>Runtime at end of life (%1 % capacity) at %2 °C, end voltage %3</source>
        <translation>Áthidalási idő az élettartam végén (%1 % kapacitás), %2 °C, végfeszültség: %3</translation>
    </message>
    <message>
        <source>with %1 redundant out</source>
        <translation>%1 redundáns egység kiesésével</translation>
    </message>
    <message>
        <source>“New”: with new batteries</source>
        <translation>„Új”: új akkumulátorokkal</translation>
    </message>
    <message>
        <source>“All running”: no unit out</source>
        <translation>„Mind üzemel”: egyik egység sem esik ki</translation>
    </message>
    <message>
        <source>set by each UPS for its load</source>
        <translation>minden UPS a terhelése szerint állítja</translation>
    </message>
    <message>
        <source>%1 V/cell</source>
        <translation>%1 V/cella</translation>
    </message>
    <message>
        <source>%1 V/cell, the UPS&apos;s own at this load</source>
        <translation>%1 V/cella, az UPS saját értéke ennél a terhelésnél</translation>
    </message>
    <message>
        <source>%1 V/cell, as chosen</source>
        <translation>%1 V/cella, a választott érték</translation>
    </message>
    <message>
        <source>%1 °C: %2 % of the capacity (%3)</source>
        <translation>%1 °C: a kapacitás %2 %-a (%3)</translation>
    </message>
    <message>
        <source>N+%1: the runtime holds with %1 out</source>
        <translation>N+%1: az áthidalási idő %1 kieső egységgel is teljesül</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no redundant units</comment>
        <translation>nincs</translation>
    </message>
    <message>
        <source>Runtime, new batteries</source>
        <translation>Áthidalási idő, új akkumulátorok</translation>
    </message>
    <message>
        <source>Runtime at end of life</source>
        <translation>Áthidalási idő az élettartam végén</translation>
    </message>
    <message>
        <source>all running</source>
        <translation>mind üzemel</translation>
    </message>
    <message>
        <source>%1 out</source>
        <translation>%1 kiesik</translation>
    </message>
    <message>
        <source>with new batteries: %1</source>
        <translation>új akkumulátorokkal: %1</translation>
    </message>
</context>
<context>
    <name>SolutionDetails</name>
    <message>
        <source>Details…</source>
        <translation>Részletek…</translation>
    </message>
    <message>
        <source>Details of the solution</source>
        <translation>A megoldás részletei</translation>
    </message>
    <message>
        <source>Sizing basis</source>
        <translation>A méretezés alapja</translation>
    </message>
    <message>
        <source>Installation data</source>
        <translation>Telepítési adatok</translation>
    </message>
    <message>
        <source>Heat dissipation</source>
        <translation>Hőleadás</translation>
    </message>
    <message>
        <source>Total weight</source>
        <translation>Össztömeg</translation>
    </message>
    <message>
        <source>Floor area</source>
        <translation>Alapterület</translation>
    </message>
    <message>
        <source>Output current</source>
        <translation>Kimeneti áram</translation>
    </message>
    <message>
        <source>Input current, recharging</source>
        <translation>Bemeneti áram töltés közben</translation>
    </message>
    <message>
        <source>%1 A per phase</source>
        <translation>fázisonként %1 A</translation>
    </message>
    <message>
        <source>%1 A per phase on each of %2 inputs</source>
        <translation>fázisonként %1 A mind a(z) %2 bemeneten</translation>
    </message>
    <message>
        <source>Input protective device</source>
        <translation>Bemeneti védelem</translation>
    </message>
    <message>
        <source>%1 A on each input</source>
        <translation>bemenetenként %1 A</translation>
    </message>
    <message>
        <source>above %1 A: to be sized by the electrician</source>
        <translation>%1 A felett: a villanyszerelő méretezi</translation>
    </message>
    <message>
        <source>Recharge to 90 %</source>
        <translation>Visszatöltés 90 %-ra</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 óra</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
</context>
<context>
    <name>SolutionList</name>
    <message>
        <source>Needs %1 W / %2 VA for %3 min</source>
        <translation>Igény: %1 W / %2 VA, %3 min</translation>
    </message>
    <message>
        <source>solutions: %1</source>
        <translation>%1 megoldás</translation>
    </message>
    <message>
        <source>No UPS in the product data carries this load for this long.</source>
        <translation>A termékadatokban nincs olyan UPS, amely ilyen hosszan táplálná ezt a terhelést.</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>UPS</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Kiépítés</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Akkumulátor</translation>
    </message>
    <message>
        <source>Runtime</source>
        <translation>Áthidalás</translation>
    </message>
    <message>
        <source>Load %</source>
        <translation>Terhelés %</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Ár</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Számítás</translation>
    </message>
    <message>
        <source>single unit</source>
        <translation>önálló egység</translation>
    </message>
    <message>
        <source>%1 units in parallel (N+%2)</source>
        <translation>%1 egység párhuzamosan (N+%2)</translation>
    </message>
    <message>
        <source>%1 modules (N+%2)</source>
        <translation>%1 modul (N+%2)</translation>
    </message>
    <message>
        <source>internal batteries</source>
        <translation>belső akkumulátorok</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1 × %2 blocks</source>
        <translation>%1 ág, áganként %2 blokk</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>over %1 min</source>
        <translation>%1 min felett</translation>
    </message>
    <message>
        <source>under %1 min</source>
        <translation>%1 min alatt</translation>
    </message>
    <message>
        <source>short of the autonomy</source>
        <translation>elégtelen áthidalási idő</translation>
    </message>
    <message>
        <source>efficiency %1 % · battery %2 W · %3 cells · %4 W/cell · table %5 W/cell</source>
        <translation>hatásfok %1 % · akkumulátor %2 W · %3 cella · %4 W/cella · táblázat %5 W/cella</translation>
    </message>
    <message>
        <source>no price</source>
        <translation>nincs ár</translation>
    </message>
    <message>
        <source>The product data cannot be used: %1</source>
        <translation>A termékadatok nem használhatók: %1</translation>
    </message>
</context>
</TS>
