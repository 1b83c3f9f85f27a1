<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_GB">
<context>
    <name>Accessories</name>
    <message>
        <source>Communication</source>
        <translation>Communication</translation>
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
        <translation>Sur demande</translation>
    </message>
</context>
<context>
    <name>LoadInventory</name>
    <message>
        <source>Load inventory</source>
        <translation>Inventaire des charges</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Watts</source>
        <translation>Watts</translation>
    </message>
    <message>
        <source>Total: %1 W, %2 VA</source>
        <translation>Total : %1 W, %2 VA</translation>
    </message>
    <message>
        <source>Use this load</source>
        <translation>Utiliser cette charge</translation>
    </message>
    <message>
        <source>The device library cannot be read: %1</source>
        <translation>Impossible de lire la bibliothèque d&apos;appareils : %1</translation>
    </message>
</context>
<context>
    <name>NoSolution</name>
    <message>
        <source>No UPS in the product data carries this load, not even in parallel.</source>
        <translation>Aucune ASI des données produit ne supporte cette charge, même en parallèle.</translation>
    </message>
    <message>
        <source>No UPS reaches this autonomy with the cabinets it takes; the option UNLIMITED_BATTCAB lifts the limits.</source>
        <translation>Aucune ASI n&apos;atteint cette autonomie avec les armoires qu&apos;elle accepte ; l&apos;option UNLIMITED_BATTCAB lève les limites.</translation>
    </message>
</context>
<context>
    <name>Project</name>
    <message>
        <source>The file is not a Vantor project: it is not readable as JSON (at character %1).</source>
        <translation>Le fichier n&apos;est pas un projet Vantor : il n&apos;est pas lisible en JSON (au caractère %1).</translation>
    </message>
    <message>
        <source>The file is not a Vantor project.</source>
        <translation>Le fichier n&apos;est pas un projet Vantor.</translation>
    </message>
    <message>
        <source>The project file is damaged: %1.</source>
        <translation>Le fichier du projet est endommagé : %1.</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 manque</translation>
    </message>
    <message>
        <source>%1 has the wrong type</source>
        <translation>%1 n&apos;a pas le bon type</translation>
    </message>
    <message>
        <source>%1 holds an impossible value</source>
        <translation>%1 contient une valeur impossible</translation>
    </message>
    <message>
        <source>This project was saved by a newer Vantor (project format %1); this version reads format %2.</source>
        <translation>Ce projet a été enregistré par un Vantor plus récent (format de projet %1) ; cette version lit le format %2.</translation>
    </message>
    <message>
        <source>The project %1 cannot be opened (%2).</source>
        <translation>Impossible d&apos;ouvrir le projet %1 (%2).</translation>
    </message>
    <message>
        <source>The project could not be saved as %1 (%2); the file there is unchanged.</source>
        <translation>Impossible d&apos;enregistrer le projet sous %1 (%2) ; le fichier existant est inchangé.</translation>
    </message>
    <message>
        <source>the folder cannot be created</source>
        <translation>impossible de créer le dossier</translation>
    </message>
    <message>
        <source>Unsaved changes could not be kept for recovery in %1 (%2).</source>
        <translation>Impossible de conserver les modifications non enregistrées pour la récupération dans %1 (%2).</translation>
    </message>
    <message>
        <source>Unsaved work on the project %1 from %2 was left behind when Vantor stopped. Restore it?</source>
        <translation>Du travail non enregistré sur le projet %1 du %2 est resté à l&apos;arrêt de Vantor. Le restaurer ?</translation>
    </message>
    <message>
        <source>Unsaved work on a new project from %1 was left behind when Vantor stopped. Restore it?</source>
        <translation>Du travail non enregistré sur un nouveau projet du %1 est resté à l&apos;arrêt de Vantor. Le restaurer ?</translation>
    </message>
    <message>
        <source>The list of recent projects cannot be written to %1.</source>
        <translation>Impossible d&apos;écrire la liste des projets récents dans %1.</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the catalogue; size this system again.</source>
        <translation>%1 : %2 ne figure plus au catalogue ; redimensionnez ce système.</translation>
    </message>
    <message>
        <source>%1: %2 is no longer in the pricelist.</source>
        <translation>%1 : %2 ne figure plus dans le tarif.</translation>
    </message>
    <message>
        <source>%1: the price of %2 is now %4 (%3 when saved).</source>
        <translation>%1 : le prix de %2 est maintenant %4 (%3 à l&apos;enregistrement).</translation>
    </message>
    <message>
        <source>Whole project</source>
        <translation>Projet entier</translation>
    </message>
    <message>
        <source>System %1</source>
        <translation>Système %1</translation>
    </message>
</context>
<context>
    <name>ProjectQuote</name>
    <message>
        <source>This quote is valid until %1.</source>
        <translation>Cette offre est valable jusqu&apos;au %1.</translation>
    </message>
    <message>
        <source>Amounts in %1; VAT charged at %2.</source>
        <translation>Montants en %1 ; TVA appliquée à %2.</translation>
    </message>
    <message>
        <source>%1 item(s) priced on request are not included in the totals.</source>
        <translation>%1 article(s) à prix sur demande ne sont pas compris dans les totaux.</translation>
    </message>
    <message>
        <source>The spreadsheet lists prices, and prices are hidden in this installation.</source>
        <translation>Le tableur contient des prix, et les prix sont masqués dans cette installation.</translation>
    </message>
</context>
<context>
    <name>ProjectScreen</name>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Ouvrir…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Récents</translation>
    </message>
    <message>
        <source>No recent projects</source>
        <translation>Aucun projet récent</translation>
    </message>
    <message>
        <source>Project…</source>
        <translation>Projet…</translation>
    </message>
    <message>
        <source>Add to project</source>
        <translation>Ajouter au projet</translation>
    </message>
    <message>
        <source>Put back into project</source>
        <translation>Remettre dans le projet</translation>
    </message>
    <message>
        <source>Projects (*%1)</source>
        <translation>Projets (*%1)</translation>
    </message>
    <message>
        <source>New project</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <source>%1 (unsaved)</source>
        <translation>%1 (non enregistré)</translation>
    </message>
    <message>
        <source>%1 systems</source>
        <translation>%1 systèmes</translation>
    </message>
    <message>
        <source>The project %1 has unsaved changes. Save them first?</source>
        <translation>Le projet %1 comporte des modifications non enregistrées. Les enregistrer d'abord ?</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Unsaved work</source>
        <translation>Travail non enregistré</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Prices changed</source>
        <translation>Prix modifiés</translation>
    </message>
    <message>
        <source>Today&apos;s pricelist differs from the prices saved in the project:</source>
        <translation>La liste de prix du jour diffère des prix enregistrés dans le projet :</translation>
    </message>
    <message>
        <source>Take today&apos;s prices</source>
        <translation>Prendre les prix du jour</translation>
    </message>
    <message>
        <source>Keep the saved prices</source>
        <translation>Garder les prix enregistrés</translation>
    </message>
    <message>
        <source>Some products are no longer in the catalogue: reopen the marked systems in their selector.</source>
        <translation>Certains produits ne sont plus au catalogue : rouvrez les systèmes marqués dans leur sélecteur.</translation>
    </message>
    <message>
        <source>no longer in the catalogue</source>
        <translation>plus au catalogue</translation>
    </message>
    <message>
        <source>Added to the project as %1.</source>
        <translation>Ajouté au projet sous le nom %1.</translation>
    </message>
    <message>
        <source>%1 was put back into the project.</source>
        <translation>%1 a été remis dans le projet.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Project name</source>
        <translation>Nom du projet</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>VAT %</source>
        <translation>TVA %</translation>
    </message>
    <message>
        <source>Valid for</source>
        <translation>Valable</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>issued with the first quote</source>
        <translation>attribué avec le premier devis</translation>
    </message>
    <message>
        <source>Seller details…</source>
        <translation>Coordonnées du vendeur…</translation>
    </message>
    <message>
        <source>Seller details</source>
        <translation>Coordonnées du vendeur</translation>
    </message>
    <message>
        <source>Quote number prefix</source>
        <translation>Préfixe du numéro de devis</translation>
    </message>
    <message>
        <source>Systems and lines</source>
        <translation>Systèmes et lignes</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Article</translation>
    </message>
    <message>
        <source>Accessories and services</source>
        <translation>Accessoires et services</translation>
    </message>
    <message>
        <source>Choose a system to see its accessories.</source>
        <translation>Choisissez un système pour voir ses accessoires.</translation>
    </message>
    <message>
        <source>No accessories for this system.</source>
        <translation>Aucun accessoire pour ce système.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Search the pricelist by code or description</source>
        <translation>Rechercher dans la liste de prix par code ou description</translation>
    </message>
    <message>
        <source>Free-text line</source>
        <translation>Ligne de texte libre</translation>
    </message>
    <message>
        <source>Price of one</source>
        <translation>Prix unitaire</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Reopen in selector</source>
        <translation>Rouvrir dans le sélecteur</translation>
    </message>
    <message>
        <source>Quote (PDF)</source>
        <translation>Devis (PDF)</translation>
    </message>
    <message>
        <source>Spreadsheet (.xlsx)</source>
        <translation>Tableur (.xlsx)</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>Spreadsheets (*.xlsx)</source>
        <translation>Tableurs (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No systems yet: size one in a selector and add it to the project.</source>
        <translation>Aucun système pour l'instant : dimensionnez-en un dans un sélecteur et ajoutez-le au projet.</translation>
    </message>
    <message>
        <source>Project lines</source>
        <translation>Lignes du projet</translation>
    </message>
</context>
<context>
    <name>Quote</name>
    <message>
        <source>Quote…</source>
        <translation>Devis…</translation>
    </message>
    <message>
        <source>Quote for the customer</source>
        <translation>Devis pour le client</translation>
    </message>
    <message>
        <source>Customer</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Create PDF</source>
        <translation>Créer le PDF</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The quote is saved as %1.</source>
        <translation>Le devis est enregistré sous %1.</translation>
    </message>
    <message>
        <source>Select a solution to quote it.</source>
        <translation>Sélectionnez une solution pour établir le devis.</translation>
    </message>
    <message>
        <source>Quotation</source>
        <translation>Devis</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Required autonomy</source>
        <translation>Autonomie requise</translation>
    </message>
    <message>
        <source>Runtime at this load</source>
        <translation>Autonomie à cette charge</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Référence</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Désignation</translation>
    </message>
    <message>
        <source>Qty</source>
        <translation>Qté</translation>
    </message>
    <message>
        <source>Unit price</source>
        <translation>Prix unitaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>min</source>
        <comment>minutes</comment>
        <translation>min</translation>
    </message>
    <message>
        <source>beyond the battery tables</source>
        <translation>au-delà des tables de batteries</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>QuoteTerms</name>
    <message>
        <source>Quote number</source>
        <translation>Numéro de devis</translation>
    </message>
    <message>
        <source>Valid until</source>
        <translation>Valable jusqu&apos;au</translation>
    </message>
    <message>
        <source>Seller</source>
        <translation>Vendeur</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Société</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Discount %</source>
        <translation>Remise %</translation>
    </message>
    <message>
        <source>price on request</source>
        <translation>prix sur demande</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Sous-total</translation>
    </message>
    <message>
        <source>Discount</source>
        <translation>Remise</translation>
    </message>
    <message>
        <source>Net total</source>
        <translation>Total HT</translation>
    </message>
    <message>
        <source>VAT</source>
        <translation>TVA</translation>
    </message>
    <message>
        <source>Total including VAT</source>
        <translation>Total TTC</translation>
    </message>
    <message>
        <source>Further items</source>
        <translation>Autres articles</translation>
    </message>
    <message>
        <source>%1, line %2 (%3): %4</source>
        <translation>%1, ligne %2 (%3) : %4</translation>
    </message>
    <message>
        <source>the quantity must be at least 1</source>
        <translation>la quantité doit être d&apos;au moins 1</translation>
    </message>
    <message>
        <source>the discount must be between 0 and 100 %</source>
        <translation>la remise doit être comprise entre 0 et 100 %</translation>
    </message>
    <message>
        <source>the unit price must be a number of at least 0</source>
        <translation>le prix unitaire doit être un nombre d&apos;au moins 0</translation>
    </message>
    <message>
        <source>The overall discount must be between 0 and 100 %.</source>
        <translation>La remise globale doit être comprise entre 0 et 100 %.</translation>
    </message>
    <message>
        <source>The VAT rate must be between 0 and 100 %.</source>
        <translation>Le taux de TVA doit être compris entre 0 et 100 %.</translation>
    </message>
    <message>
        <source>The currency may have at most %1 decimals.</source>
        <translation>La devise peut avoir au plus %1 décimales.</translation>
    </message>
    <message>
        <source>The quote number file %1 is in use by another program; try again.</source>
        <translation>Le fichier des numéros de devis %1 est utilisé par un autre programme ; réessayez.</translation>
    </message>
    <message>
        <source>The quote number file %1 is damaged, so no number was given out. Write the last quote number given into it.</source>
        <translation>Le fichier des numéros de devis %1 est endommagé, aucun numéro n&apos;a donc été attribué. Inscrivez-y le dernier numéro de devis attribué.</translation>
    </message>
    <message>
        <source>The quote numbers of %1 are used up.</source>
        <translation>Les numéros de devis de %1 sont épuisés.</translation>
    </message>
    <message>
        <source>The quote number file %1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire le fichier des numéros de devis %1 : %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Impossible d&apos;écrire le fichier %1 : %2</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read.</source>
        <translation>Impossible de lire le fichier de paramètres %1.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be written.</source>
        <translation>Impossible d&apos;écrire le fichier de paramètres %1.</translation>
    </message>
</context>
<context>
    <name>Requirements</name>
    <message>
        <source>Load</source>
        <translation>Charge</translation>
    </message>
    <message>
        <source>Load given in</source>
        <translation>Charge exprimée en</translation>
    </message>
    <message>
        <source>Power factor</source>
        <translation>Facteur de puissance</translation>
    </message>
    <message>
        <source>Room for growth</source>
        <translation>Réserve d&apos;extension</translation>
    </message>
    <message>
        <source>Loading limit</source>
        <translation>Limite de charge</translation>
    </message>
    <message>
        <source>Autonomy</source>
        <translation>Autonomie</translation>
    </message>
    <message>
        <source>End voltage</source>
        <translation>Tension de fin de décharge</translation>
    </message>
    <message>
        <source>Ambient temperature</source>
        <translation>Température ambiante</translation>
    </message>
    <message>
        <source>Capacity at end of life</source>
        <translation>Capacité en fin de vie</translation>
    </message>
    <message>
        <source>Redundant units</source>
        <translation>Unités redondantes</translation>
    </message>
    <message>
        <source>Output phases</source>
        <translation>Phases de sortie</translation>
    </message>
    <message>
        <source>any</source>
        <comment>output phases</comment>
        <translation>indifférent</translation>
    </message>
    <message>
        <source>Load inventory…</source>
        <translation>Inventaire des charges…</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>ASI</translation>
    </message>
    <message>
        <source>Battery cabinets</source>
        <translation>Armoires batteries</translation>
    </message>
    <message>
        <source>Enter a load above zero to see the solutions.</source>
        <translation>Saisissez une charge supérieure à zéro pour voir les solutions.</translation>
    </message>
    <message>
        <source>The battery tables reach at most %1 minutes; ask for less autonomy.</source>
        <translation>Les tables de batteries vont au plus jusqu&apos;à %1 minutes ; demandez une autonomie plus courte.</translation>
    </message>
    <message>
        <source>The product data holds no UPS for this selector.</source>
        <translation>Les données produit ne contiennent aucune ASI pour ce sélecteur.</translation>
    </message>
</context>
<context>
    <name>RuntimeCurve</name>
    <message>
        <source>Load (W)</source>
        <translation>Charge (W)</translation>
    </message>
    <message>
        <source>Runtime (min)</source>
        <translation>Autonomie (min)</translation>
    </message>
    <message>
        <source>%1 cabinets</source>
        <translation>%1 armoires</translation>
    </message>
    <message>
        <source>1 cabinet</source>
        <translation>1 armoire</translation>
    </message>
    <message>
        <source>UPS alone</source>
        <translation>ASI seule</translation>
    </message>
</context>
<context>
    <name>RuntimeSelector</name>
    <message>
        <source>Runtime at %1: %2</source>
        <translation>Autonomie à %1 : %2</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Enregistrer en PNG…</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Enregistré dans %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written.</source>
        <translation>Impossible d&apos;écrire le fichier %1.</translation>
    </message>
</context>
<context>
    <name>SelectorScreen</name>
    <message>
        <source>Requirements</source>
        <translation>Exigences</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Solutions</translation>
    </message>
    <message>
        <source>Runtime curve</source>
        <translation>Courbe d&apos;autonomie</translation>
    </message>
    <message>
        <source>Advanced UPS selector</source>
        <translation>Sélecteur ASI avancé</translation>
    </message>
    <message>
        <source>Base UPS selector</source>
        <translation>Sélecteur ASI de base</translation>
    </message>
    <message>
        <source>Modular UPS selector</source>
        <translation>Sélecteur ASI modulaire</translation>
    </message>
    <message>
        <source>Runtime calculator</source>
        <translation>Calcul d&apos;autonomie</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Development engine %1</source>
        <translation>Moteur de développement %1</translation>
    </message>
    <message>
        <source>Base</source>
        <comment>selector</comment>
        <translation>Base</translation>
    </message>
    <message>
        <source>Advanced</source>
        <comment>selector</comment>
        <translation>Avancé</translation>
    </message>
    <message>
        <source>Modular</source>
        <comment>selector</comment>
        <translation>Modulaire</translation>
    </message>
    <message>
        <source>Runtime</source>
        <comment>selector</comment>
        <translation>Autonomie</translation>
    </message>
    <message>
        <source>Development engine</source>
        <translation>Moteur de développement</translation>
    </message>
    <message>
        <source>No prices can be shown: %1</source>
        <translation>Les prix ne peuvent pas être affichés : %1</translation>
    </message>
</context>
<context>
    <name>SettingsStrip</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Catalogue</source>
        <translation>Catalogue</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Prices</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>shown</source>
        <comment>prices</comment>
        <translation>affichés</translation>
    </message>
    <message>
        <source>hidden</source>
        <comment>prices</comment>
        <translation>masqués</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no options set</comment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>(English texts)</source>
        <translation>(textes en anglais)</translation>
    </message>
    <message>
        <source>Pricelist</source>
        <translation>Liste de prix</translation>
    </message>
    <message>
        <source>%1 priced items</source>
        <translation>%1 articles avec prix</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>illisible</translation>
    </message>
</context>
<context>
    <name>SizingBasis</name>
    <message>
        <source>From the UPS</source>
        <translation>Selon l&apos;ASI</translation>
    </message>
    <message>
        <source>New</source>
        <comment>runtime with new batteries</comment>
        <translation>Neuves</translation>
    </message>
    <message>
        <source>All running</source>
        <comment>runtime with every unit running</comment>
        <translation>Toutes en service</translation>
    </message>
    <message>
        <source>Runtime at end of life (%1 % capacity) at %2 °C, end voltage %3</source>
        <translation>Autonomie en fin de vie (capacité %1 %) à %2 °C, tension de fin de décharge %3</translation>
    </message>
    <message>
        <source>with %1 redundant out</source>
        <translation>avec %1 redondante(s) hors service</translation>
    </message>
    <message>
        <source>“New”: with new batteries</source>
        <translation>« Neuves » : avec des batteries neuves</translation>
    </message>
    <message>
        <source>“All running”: no unit out</source>
        <translation>« Toutes en service » : aucune unité hors service</translation>
    </message>
    <message>
        <source>set by each UPS for its load</source>
        <translation>fixée par chaque ASI selon sa charge</translation>
    </message>
    <message>
        <source>%1 V/cell</source>
        <translation>%1 V/élément</translation>
    </message>
    <message>
        <source>%1 V/cell, the UPS&apos;s own at this load</source>
        <translation>%1 V/élément, celle de l&apos;ASI à cette charge</translation>
    </message>
    <message>
        <source>%1 V/cell, as chosen</source>
        <translation>%1 V/élément, comme choisi</translation>
    </message>
    <message>
        <source>%1 °C: %2 % of the capacity (%3)</source>
        <translation>%1 °C : %2 % de la capacité (%3)</translation>
    </message>
    <message>
        <source>N+%1: the runtime holds with %1 out</source>
        <translation>N+%1 : l&apos;autonomie tient avec %1 hors service</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no redundant units</comment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Runtime, new batteries</source>
        <translation>Autonomie, batteries neuves</translation>
    </message>
    <message>
        <source>Runtime at end of life</source>
        <translation>Autonomie en fin de vie</translation>
    </message>
    <message>
        <source>all running</source>
        <translation>toutes en service</translation>
    </message>
    <message>
        <source>%1 out</source>
        <translation>%1 hors service</translation>
    </message>
    <message>
        <source>with new batteries: %1</source>
        <translation>avec des batteries neuves : %1</translation>
    </message>
</context>
<context>
    <name>SolutionDetails</name>
    <message>
        <source>Details…</source>
        <translation>Détails…</translation>
    </message>
    <message>
        <source>Details of the solution</source>
        <translation>Détails de la solution</translation>
    </message>
    <message>
        <source>Sizing basis</source>
        <translation>Base du dimensionnement</translation>
    </message>
    <message>
        <source>Installation data</source>
        <translation>Données d&apos;installation</translation>
    </message>
    <message>
        <source>Heat dissipation</source>
        <translation>Dissipation thermique</translation>
    </message>
    <message>
        <source>Total weight</source>
        <translation>Poids total</translation>
    </message>
    <message>
        <source>Floor area</source>
        <translation>Surface au sol</translation>
    </message>
    <message>
        <source>Output current</source>
        <translation>Courant de sortie</translation>
    </message>
    <message>
        <source>Input current, recharging</source>
        <translation>Courant d&apos;entrée en recharge</translation>
    </message>
    <message>
        <source>%1 A per phase</source>
        <translation>%1 A par phase</translation>
    </message>
    <message>
        <source>%1 A per phase on each of %2 inputs</source>
        <translation>%1 A par phase sur chacune des %2 entrées</translation>
    </message>
    <message>
        <source>Input protective device</source>
        <translation>Protection en entrée</translation>
    </message>
    <message>
        <source>%1 A on each input</source>
        <translation>%1 A sur chaque entrée</translation>
    </message>
    <message>
        <source>above %1 A: to be sized by the electrician</source>
        <translation>au-delà de %1 A : à dimensionner par l&apos;électricien</translation>
    </message>
    <message>
        <source>Recharge to 90 %</source>
        <translation>Recharge à 90 %</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>SolutionList</name>
    <message>
        <source>Needs %1 W / %2 VA for %3 min</source>
        <translation>Besoin : %1 W / %2 VA pendant %3 min</translation>
    </message>
    <message>
        <source>solutions: %1</source>
        <translation>%1 solutions</translation>
    </message>
    <message>
        <source>No UPS in the product data carries this load for this long.</source>
        <translation>Aucune ASI des données produit ne supporte cette charge aussi longtemps.</translation>
    </message>
    <message>
        <source>UPS</source>
        <translation>ASI</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Config.</translation>
    </message>
    <message>
        <source>Battery</source>
        <translation>Batterie</translation>
    </message>
    <message>
        <source>Runtime</source>
        <translation>Autonomie</translation>
    </message>
    <message>
        <source>Load %</source>
        <translation>Charge %</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calcul</translation>
    </message>
    <message>
        <source>single unit</source>
        <translation>unité seule</translation>
    </message>
    <message>
        <source>%1 units in parallel (N+%2)</source>
        <translation>%1 unités en parallèle (N+%2)</translation>
    </message>
    <message>
        <source>%1 modules (N+%2)</source>
        <translation>%1 modules (N+%2)</translation>
    </message>
    <message>
        <source>internal batteries</source>
        <translation>batteries internes</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1 × %2 blocks</source>
        <translation>%1 branches de %2 blocs</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>over %1 min</source>
        <translation>plus de %1 min</translation>
    </message>
    <message>
        <source>under %1 min</source>
        <translation>moins de %1 min</translation>
    </message>
    <message>
        <source>short of the autonomy</source>
        <translation>autonomie insuffisante</translation>
    </message>
    <message>
        <source>efficiency %1 % · battery %2 W · %3 cells · %4 W/cell · table %5 W/cell</source>
        <translation>rendement %1 % · batterie %2 W · %3 éléments · %4 W/élément · table %5 W/élément</translation>
    </message>
    <message>
        <source>no price</source>
        <translation>sans prix</translation>
    </message>
    <message>
        <source>The product data cannot be used: %1</source>
        <translation>Les données produit sont inutilisables : %1</translation>
    </message>
</context>
</TS>
