<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_GB">
<context>
    <name>Accessories</name>
    <message>
        <source>Communication</source>
        <translation>Comunicazione</translation>
    </message>
    <message>
        <source>Mounting</source>
        <translation>Montaggio</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servizio</translation>
    </message>
    <message>
        <source>Warranty</source>
        <translation>Garanzia</translation>
    </message>
    <message>
        <source>On request</source>
        <translation>Su richiesta</translation>
    </message>
</context>
<context>
    <name>LoadInventory</name>
    <message>
        <source>Load inventory</source>
        <translation>Inventario carichi</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watt</translation>
    </message>
    <message>
        <source>Total: %1 W, %2 VA</source>
        <translation>Totale: %1 W, %2 VA</translation>
    </message>
    <message>
        <source>Use this load</source>
        <translation>Usa questo carico</translation>
    </message>
    <message>
        <source>The device library cannot be read: %1</source>
        <translation>Impossibile leggere la libreria dispositivi: %1</translation>
    </message>
</context>
<context>
    <name>NoSolution</name>
    <message>
        <source>No UPS in the product data carries this load, not even in parallel.</source>
        <translation>Nessun UPS nei dati di prodotto sostiene questo carico, nemmeno in parallelo.</translation>
    </message>
    <message>
        <source>No UPS reaches this autonomy with the cabinets it takes; the option UNLIMITED_BATTCAB lifts the limits.</source>
        <translation>Nessun UPS raggiunge questa autonomia con gli armadi che accetta; l&apos;opzione UNLIMITED_BATTCAB toglie i limiti.</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>The file is not a Vantor project: it is not readable as JSON (at character %1).</source>
        <translation>Il file non è un progetto Vantor: non è leggibile come JSON (al carattere %1).</translation>
    </message>
    <message>
        <source>The file is not a Vantor project.</source>
        <translation>Il file non è un progetto Vantor.</translation>
    </message>
    <message>
        <source>The project file is damaged: %1.</source>
        <translation>Il file del progetto è danneggiato: %1.</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>manca %1</translation>
    </message>
    <message>
        <source>%1 has the wrong type</source>
        <translation>%1 ha il tipo sbagliato</translation>
    </message>
    <message>
        <source>%1 holds an impossible value</source>
        <translation>%1 contiene un valore impossibile</translation>
    </message>
    <message>
        <source>This project was saved by a newer Vantor (project format %1); this version reads format %2.</source>
        <translation>Questo progetto è stato salvato da un Vantor più recente (formato di progetto %1); questa versione legge il formato %2.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened (%2).</source>
        <translation>Impossibile aprire il progetto %1 (%2).</translation>
    </message>
    <message>
        <source>The project could not be saved as %1 (%2); the file there is unchanged.</source>
        <translation>Impossibile salvare il progetto come %1 (%2); il file esistente è invariato.</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>impossibile creare la cartella</translation>
    </message>
    <message>
        <source>Unsaved changes could not be kept for recovery in %1 (%2).</source>
        <translation>Impossibile conservare le modifiche non salvate per il ripristino in %1 (%2).</translation>
    </message>
    <message>
        <source>Unsaved work on the project %1 from %2 was left behind when Vantor stopped. Restore it?</source>
        <translation>Alla chiusura di Vantor è rimasto lavoro non salvato sul progetto %1 del %2. Ripristinarlo?</translation>
    </message>
    <message>
        <source>Unsaved work on a new project from %1 was left behind when Vantor stopped. Restore it?</source>
        <translation>Alla chiusura di Vantor è rimasto lavoro non salvato su un nuovo progetto del %1. Ripristinarlo?</translation>
    </message>
    <message>
        <source>The list of recent projects cannot be written to %1.</source>
        <translation>Impossibile scrivere l&apos;elenco dei progetti recenti in %1.</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the catalogue; size this system again.</source>
        <translation>%1: %2 non è più nel catalogo; dimensionare di nuovo questo sistema.</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the pricelist.</source>
        <translation>%1: %2 non è più nel listino.</translation>
    </message>
    <message>
        <source>%1: the price of %2 is now %4 (%3 when saved).</source>
        <translation>%1: il prezzo di %2 ora è %4 (%3 al salvataggio).</translation>
    </message>
    <message>
        <source>Whole project</source>
        <translation>Intero progetto</translation>
    </message>
    <message>
        <source>System %1</source>
        <translation>Sistema %1</translation>
    </message>
</context>
<context>
    <name>ProjectQuote</name>
    <message>
        <source>This quote is valid until %1.</source>
        <translation>Questa offerta è valida fino al %1.</translation>
    </message>
    <message>
        <source>Amounts in %1; VAT charged at %2.</source>
        <translation>Importi in %1; IVA applicata al %2.</translation>
    </message>
    <message>
        <source>%1 item(s) priced on request are not included in the totals.</source>
        <translation>%1 voci con prezzo su richiesta non sono incluse nei totali.</translation>
    </message>
    <message>
        <source>The spreadsheet lists prices, and prices are hidden in this installation.</source>
        <translation>Il foglio di calcolo riporta i prezzi, e in questa installazione i prezzi sono nascosti.</translation>
    </message>
</context>
<context>
    <name>ProjectScreen</name>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Apri…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salva con nome…</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Recenti</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Nessun progetto recente</translation>
    </message>
    <message>
        <source>Project…</source>
        <translation>Progetto…</translation>
    </message>
    <message>
        <source>Add to project</source>
        <translation>Aggiungi al progetto</translation>
    </message>
    <message>
        <source>Put back into project</source>
        <translation>Rimetti nel progetto</translation>
    </message>
    <message>
        <source>Projects (*%1)</source>
        <translation>Progetti (*%1)</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Nuovo progetto</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (non salvato)</translation>
    </message>
    <message>
        <source>%1 systems</source>
        <translation>%1 sistemi</translation>
    </message>
    <message>
        <source>The project %1 has unsaved changes. Save them first?</source>
        <translation>Il progetto %1 ha modifiche non salvate. Salvarle prima?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarta</translation>
    </message>
    <message>
        <source>Unsaved work</source>
        <translation>Lavoro non salvato</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Prices changed</source>
        <translation>Prezzi cambiati</translation>
    </message>
    <message>
        <source>Today&apos;s pricelist differs from the prices saved in the project:</source>
        <translation>Il listino di oggi differisce dai prezzi salvati nel progetto:</translation>
    </message>
    <message>
        <source>Take today&apos;s prices</source>
        <translation>Usa i prezzi di oggi</translation>
    </message>
    <message>
        <source>Keep the saved prices</source>
        <translation>Mantieni i prezzi salvati</translation>
    </message>
    <message>
        <source>Some products are no longer in the catalogue: reopen the marked systems in their selector.</source>
        <translation>Alcuni prodotti non sono più a catalogo: riapri i sistemi segnati nel loro selettore.</translation>
    </message>
    <message>
        <source>no longer in the catalogue</source>
        <translation>non più a catalogo</translation>
    </message>
    <message>
        <source>Added to the project as %1.</source>
        <translation>Aggiunto al progetto come %1.</translation>
    </message>
    <message>
        <source>%1 was put back into the project.</source>
        <translation>%1 è stato rimesso nel progetto.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contatto</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nome del progetto</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Riferimento</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Condizioni</translation>
    </message>
    <message>
        <source>VAT %</source>
        <translation>IVA %</translation>
    </message>
    <message>
        <source>Valid for</source>
        <translation>Validità</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 giorni</translation>
    </message>
    <message>
        <source>issued with the first quote</source>
        <translation>assegnato con la prima offerta</translation>
    </message>
    <message>
        <source>Seller details…</source>
        <translation>Dati del venditore…</translation>
    </message>
    <message>
        <source>Seller details</source>
        <translation>Dati del venditore</translation>
    </message>
    <message>
        <source>Quote number prefix</source>
        <translation>Prefisso del numero d'offerta</translation>
    </message>
    <message>
        <source>Systems and lines</source>
        <translation>Sistemi e righe</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Accessories and services</source>
        <translation>Accessori e servizi</translation>
    </message>
    <message>
        <source>Choose a system to see its accessories.</source>
        <translation>Scegli un sistema per vederne gli accessori.</translation>
    </message>
    <message>
        <source>No accessories for this system.</source>
        <translation>Nessun accessorio per questo sistema.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Search the pricelist by code or description</source>
        <translation>Cerca nel listino per codice o descrizione</translation>
    </message>
    <message>
        <source>Free-text line</source>
        <translation>Riga di testo libero</translation>
    </message>
    <message>
        <source>Price of one</source>
        <translation>Prezzo unitario</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Reopen in selector</source>
        <translation>Riapri nel selettore</translation>
    </message>
    <message>
        <source>Quote (PDF)</source>
        <translation>Offerta (PDF)</translation>
    </message>
    <message>
        <source>Spreadsheet (.xlsx)</source>
        <translation>Foglio di calcolo (.xlsx)</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx)</source>
        <translation>Fogli di calcolo (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>File CSV (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No systems yet: size one in a selector and add it to the project.</source>
        <translation>Ancora nessun sistema: dimensionane uno in un selettore e aggiungilo al progetto.</translation>
    </message>
    <message>
        <source>Project lines</source>
        <translation>Righe del progetto</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>Quote…</source>
        <translation>Offerta…</translation>
    </message>
    <message>
        <source>Quote for the customer</source>
        <translation>Offerta per il cliente</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Progetto</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Crea PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The quote is saved as %1.</source>
        <translation>L&apos;offerta è stata salvata come %1.</translation>
    </message>
    <message>
        <source>Select a solution to quote it.</source>
        <translation>Selezionare una soluzione per creare l&apos;offerta.</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Offerta</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Required autonomy</source>
        <translation>Autonomia richiesta</translation>
    </message>
    <message>
        <source>Runtime at this load</source>
        <translation>Autonomia con questo carico</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Codice</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Q.tà</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Prezzo unitario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Totale</translation>
    </message>
    <message>
        <source>min</source>
        <comment>minutes</comment>
        <translation>min</translation>
    </message>
    <message>
        <source>beyond the battery tables</source>
        <translation>oltre le tabelle batterie</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>QuoteTerms</name>
    <message>
        <source>Quote number</source>
        <translation>Numero offerta</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Valida fino al</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Venditore</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Azienda</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefono</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Valuta</translation>
    </message>
    <message>
        <source>Discount %</source>
        <translation>Sconto %</translation>
    </message>
    <message>
        <source>price on request</source>
        <translation>prezzo su richiesta</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Subtotale</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Sconto</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Totale netto</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>IVA</translation>
    </message>
    <message>
        <source>Total including VAT</source>
        <translation>Totale IVA inclusa</translation>
    </message>
    <message>
        <source>Further items</source>
        <translation>Altre voci</translation>
    </message>
    <message>
        <source>%1, line %2 (%3): %4</source>
        <translation>%1, riga %2 (%3): %4</translation>
    </message>
    <message>
        <source>the quantity must be at least 1</source>
        <translation>la quantità deve essere almeno 1</translation>
    </message>
    <message>
        <source>the discount must be between 0 and 100 %</source>
        <translation>lo sconto deve essere compreso tra 0 e 100 %</translation>
    </message>
    <message>
        <source>the unit price must be a number of at least 0</source>
        <translation>il prezzo unitario deve essere un numero non inferiore a 0</translation>
    </message>
    <message>
        <source>The overall discount must be between 0 and 100 %.</source>
        <translation>Lo sconto complessivo deve essere compreso tra 0 e 100 %.</translation>
    </message>
    <message>
        <source>The VAT rate must be between 0 and 100 %.</source>
        <translation>L&apos;aliquota IVA deve essere compresa tra 0 e 100 %.</translation>
    </message>
    <message>
        <source>The currency may have at most %1 decimals.</source>
        <translation>La valuta può avere al massimo %1 decimali.</translation>
    </message>
    <message>
        <source>The quote number file %1 is in use by another program; try again.</source>
        <translation>Il file dei numeri d&apos;offerta %1 è in uso da parte di un altro programma; riprovare.</translation>
    </message>
    <message>
        <source>The quote number file %1 is damaged, so no number was given out. Write the last quote number given into it.</source>
        <translation>Il file dei numeri d&apos;offerta %1 è danneggiato, quindi non è stato assegnato alcun numero. Scrivervi l&apos;ultimo numero d&apos;offerta assegnato.</translation>
    </message>
    <message>
        <source>The quote numbers of %1 are used up.</source>
        <translation>I numeri d&apos;offerta di %1 sono esauriti.</translation>
    </message>
    <message>
        <source>The quote number file %1 cannot be written: %2</source>
        <translation>Impossibile scrivere il file dei numeri d&apos;offerta %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Impossibile scrivere il file %1: %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read.</source>
        <translation>Impossibile leggere il file delle impostazioni %1.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written.</source>
        <translation>Impossibile scrivere il file delle impostazioni %1.</translation>
    </message>
</context>
<context>
    <name>Requirements</name>
    <message>
        <source>Load</source>
        <translation>Carico</translation>
    </message>
    <message>
        <source>Load given in</source>
        <translation>Carico espresso in</translation>
    </message>
    <message>
        <source>Power factor</source>
        <translation>Fattore di potenza</translation>
    </message>
    <message>
        <source>Room for growth</source>
        <translation>Riserva per ampliamenti</translation>
    </message>
    <message>
        <source>Loading limit</source>
        <translation>Limite di carico</translation>
    </message>
    <message>
        <source>Autonomy</source>
        <translation>Autonomia</translation>
    </message>
    <message>
        <source>End voltage</source>
        <translation>Tensione di fine scarica</translation>
    </message>
    <message>
        <source>Ambient temperature</source>
        <translation>Temperatura ambiente</translation>
    </message>
    <message>
        <source>Capacity at end of life</source>
        <translation>Capacità a fine vita</translation>
    </message>
    <message>
        <source>Redundant units</source>
        <translation>Unità ridondanti</translation>
    </message>
    <message>
        <source>Output phases</source>
        <translation>Fasi in uscita</translation>
    </message>
    <message>
        <source>any</source>
        <comment>output phases</comment>
        <translation>qualsiasi</translation>
    </message>
    <message>
        <source>Load inventory…</source>
        <translation>Inventario carichi…</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>UPS</translation>
    </message>
    <message>
        <source>Battery cabinets</source>
        <translation>Armadi batterie</translation>
    </message>
    <message>
        <source>Enter a load above zero to see the solutions.</source>
        <translation>Inserire un carico maggiore di zero per vedere le soluzioni.</translation>
    </message>
    <message>
        <source>The battery tables reach at most %1 minutes; ask for less autonomy.</source>
        <translation>Le tabelle delle batterie arrivano al massimo a %1 minuti; richiedere un&apos;autonomia minore.</translation>
    </message>
    <message>
        <source>The product data holds no UPS for this selector.</source>
        <translation>I dati di prodotto non contengono UPS per questo selettore.</translation>
    </message>
</context>
<context>
    <name>RuntimeCurve</name>
    <message>
        <source>Load (W)</source>
        <translation>Carico (W)</translation>
    </message>
    <message>
        <source>Runtime (min)</source>
        <translation>Autonomia (min)</translation>
    </message>
    <message>
        <source>%1 cabinets</source>
        <translation>%1 armadi</translation>
    </message>
    <message>
        <source>1 cabinet</source>
        <translation>1 armadio</translation>
    </message>
    <message>
        <source>UPS alone</source>
        <translation>Solo UPS</translation>
    </message>
</context>
<context>
    <name>RuntimeSelector</name>
    <message>
        <source>Runtime at %1: %2</source>
        <translation>Autonomia con %1: %2</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Salva come PNG…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Salvato in %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Impossibile scrivere il file %1.</translation>
    </message>
</context>
<context>
    <name>SelectorScreen</name>
    <message>
        <source>Requirements</source>
        <translation>Requisiti</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Soluzioni</translation>
    </message>
    <message>
        <source>Runtime curve</source>
        <translation>Curva di autonomia</translation>
    </message>
    <message>
        <source>Advanced UPS selector</source>
        <translation>Selettore UPS avanzato</translation>
    </message>
    <message>
        <source>Base UPS selector</source>
        <translation>Selettore UPS base</translation>
    </message>
    <message>
        <source>Modular UPS selector</source>
        <translation>Selettore UPS modulare</translation>
    </message>
    <message>
        <source>Runtime calculator</source>
        <translation>Calcolo autonomia</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Development engine %1</source>
        <translation>Motore di sviluppo %1</translation>
    </message>
    <message>
        <source>Base</source>
        <comment>selector</comment>
        <translation>Base</translation>
    </message>
    <message>
        <source>Advanced</source>
        <comment>selector</comment>
        <translation>Avanzato</translation>
    </message>
    <message>
        <source>Modular</source>
        <comment>selector</comment>
        <translation>Modulare</translation>
    </message>
    <message>
        <source>Runtime</source>
        <comment>selector</comment>
        <translation>Autonomia</translation>
    </message>
    <message>
        <source>Development engine</source>
        <translation>Motore di sviluppo</translation>
    </message>
    <message>
        <source>No prices can be shown: %1</source>
        <translation>Impossibile mostrare i prezzi: %1</translation>
    </message>
</context>
<context>
    <name>SettingsStrip</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Catalogue</source>
        <translation>Catalogo</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Prezzi</translation>
    </message>
    <message>
        <source>shown</source>
        <comment>prices</comment>
        <translation>visibili</translation>
    </message>
    <message>
        <source>hidden</source>
        <comment>prices</comment>
        <translation>nascosti</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no options set</comment>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>(English texts)</source>
        <translation>(testi in inglese)</translation>
    </message>
    <message>
        <source>Pricelist</source>
        <translation>Listino prezzi</translation>
    </message>
    <message>
        <source>%1 priced items</source>
        <translation>%1 articoli con prezzo</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>non leggibile</translation>
    </message>
</context>
<context>
    <name>SizingBasis</name>
    <message>
        <source>From the UPS</source>
        <translation>Dall&apos;UPS</translation>
    </message>
    <message>
        <source>New</source>
        <comment>runtime with new batteries</comment>
        <translation>Nuove</translation>
    </message>
    <message>
        <source>All running</source>
        <comment>runtime with every unit running</comment>
        <translation>Tutte attive</translation>
    </message>
    <message>
        <source>Runtime at end of life (%1 % capacity) at %2 °C, end voltage %3</source>
        <translation>Autonomia a fine vita (capacità %1 %) a %2 °C, tensione di fine scarica %3</translation>
    </message>
    <message>
        <source>with %1 redundant out</source>
        <translation>con %1 ridondanti fuori servizio</translation>
    </message>
    <message>
        <source>“New”: with new batteries</source>
        <translation>«Nuove»: con batterie nuove</translation>
    </message>
    <message>
        <source>“All running”: no unit out</source>
        <translation>«Tutte attive»: nessuna unità fuori servizio</translation>
    </message>
    <message>
        <source>set by each UPS for its load</source>
        <translation>impostata da ogni UPS secondo il carico</translation>
    </message>
    <message>
        <source>%1 V/cell</source>
        <translation>%1 V/cella</translation>
    </message>
    <message>
        <source>%1 V/cell, the UPS&apos;s own at this load</source>
        <translation>%1 V/cella, quella dell&apos;UPS con questo carico</translation>
    </message>
    <message>
        <source>%1 V/cell, as chosen</source>
        <translation>%1 V/cella, come scelto</translation>
    </message>
    <message>
        <source>%1 °C: %2 % of the capacity (%3)</source>
        <translation>%1 °C: %2 % della capacità (%3)</translation>
    </message>
    <message>
        <source>N+%1: the runtime holds with %1 out</source>
        <translation>N+%1: l&apos;autonomia è garantita con %1 fuori servizio</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no redundant units</comment>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Runtime, new batteries</source>
        <translation>Autonomia, batterie nuove</translation>
    </message>
    <message>
        <source>Runtime at end of life</source>
        <translation>Autonomia a fine vita</translation>
    </message>
    <message>
        <source>all running</source>
        <translation>tutte attive</translation>
    </message>
    <message>
        <source>%1 out</source>
        <translation>%1 fuori servizio</translation>
    </message>
    <message>
        <source>with new batteries: %1</source>
        <translation>con batterie nuove: %1</translation>
    </message>
</context>
<context>
    <name>SolutionDetails</name>
    <message>
        <source>Details…</source>
        <translation>Dettagli…</translation>
    </message>
    <message>
        <source>Details of the solution</source>
        <translation>Dettagli della soluzione</translation>
    </message>
    <message>
        <source>Sizing basis</source>
        <translation>Base del dimensionamento</translation>
    </message>
    <message>
        <source>Installation data</source>
        <translation>Dati di installazione</translation>
    </message>
    <message>
        <source>Heat dissipation</source>
        <translation>Dissipazione termica</translation>
    </message>
    <message>
        <source>Total weight</source>
        <translation>Peso totale</translation>
    </message>
    <message>
        <source>Floor area</source>
        <translation>Ingombro a pavimento</translation>
    </message>
    <message>
        <source>Output current</source>
        <translation>Corrente di uscita</translation>
    </message>
    <message>
        <source>Input current, recharging</source>
        <translation>Corrente di ingresso in ricarica</translation>
    </message>
    <message>
        <source>%1 A per phase</source>
        <translation>%1 A per fase</translation>
    </message>
    <message>
        <source>%1 A per phase on each of %2 inputs</source>
        <translation>%1 A per fase su ciascuno dei %2 ingressi</translation>
    </message>
    <message>
        <source>Input protective device</source>
        <translation>Protezione in ingresso</translation>
    </message>
    <message>
        <source>%1 A on each input</source>
        <translation>%1 A su ogni ingresso</translation>
    </message>
    <message>
        <source>above %1 A: to be sized by the electrician</source>
        <translation>oltre %1 A: da dimensionare a cura dell&apos;elettricista</translation>
    </message>
    <message>
        <source>Recharge to 90 %</source>
        <translation>Ricarica al 90 %</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>SolutionList</name>
    <message>
        <source>Needs %1 W / %2 VA for %3 min</source>
        <translation>Richiesti %1 W / %2 VA per %3 min</translation>
    </message>
    <message>
        <source>solutions: %1</source>
        <translation>%1 soluzioni</translation>
    </message>
    <message>
        <source>No UPS in the product data carries this load for this long.</source>
        <translation>Nessun UPS nei dati di prodotto sostiene questo carico così a lungo.</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>UPS</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Config.</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batteria</translation>
    </message>
    <message>
        <source>Runtime</source>
        <translation>Autonomia</translation>
    </message>
    <message>
        <source>Load %</source>
        <translation>Carico %</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prezzo</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calcolo</translation>
    </message>
    <message>
        <source>single unit</source>
        <translation>unità singola</translation>
    </message>
    <message>
        <source>%1 units in parallel (N+%2)</source>
        <translation>%1 unità in parallelo (N+%2)</translation>
    </message>
    <message>
        <source>%1 modules (N+%2)</source>
        <translation>%1 moduli (N+%2)</translation>
    </message>
    <message>
        <source>internal batteries</source>
        <translation>batterie interne</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1 × %2 blocks</source>
        <translation>%1 stringhe da %2 blocchi</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>over %1 min</source>
        <translation>oltre %1 min</translation>
    </message>
    <message>
        <source>under %1 min</source>
        <translation>meno di %1 min</translation>
    </message>
    <message>
        <source>short of the autonomy</source>
        <translation>autonomia insufficiente</translation>
    </message>
    <message>
        <source>efficiency %1 % · battery %2 W · %3 cells · %4 W/cell · table %5 W/cell</source>
        <translation>rendimento %1 % · batteria %2 W · %3 celle · %4 W/cella · tabella %5 W/cella</translation>
    </message>
    <message>
        <source>no price</source>
        <translation>senza prezzo</translation>
    </message>
    <message>
        <source>The product data cannot be used: %1</source>
        <translation>I dati di prodotto non sono utilizzabili: %1</translation>
    </message>
</context>
</TS>
