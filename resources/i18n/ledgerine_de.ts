<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AccountEditor</name>
    <message>
        <source>Opening Balance</source>
        <translation>Anfangssaldo</translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Neues Konto</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Konto bearbeiten</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Kontoname</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>USD ($)</source>
        <translation>USD ($)</translation>
    </message>
    <message>
        <source>EUR (€)</source>
        <translation>EUR (€)</translation>
    </message>
    <message>
        <source>GBP (£)</source>
        <translation>GBP (£)</translation>
    </message>
    <message>
        <source>CAD ($)</source>
        <translation>CAD ($)</translation>
    </message>
    <message>
        <source>AUD ($)</source>
        <translation>AUD ($)</translation>
    </message>
    <message>
        <source>JPY (¥)</source>
        <translation>JPY (¥)</translation>
    </message>
    <message>
        <source>Bank name (optional)</source>
        <translation>Name der Bank (optional)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Letzte 4 Ziffern (optional)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Währung:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>&amp;Anfangssaldo:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;Stand vom:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Kreditinstitut:</translation>
    </message>
    <message>
        <source>%1 </source>
        <comment>starting balance prefix; %1 is the currency symbol</comment>
        <translation>%1 </translation>
    </message>
    <message>
        <source>The currency cannot change once the account has transactions.</source>
        <translation>Die Währung lässt sich nicht mehr ändern, sobald das Konto Buchungen hat.</translation>
    </message>
    <message>
        <source>Account N&amp;umber:</source>
        <translation>Kontonu&amp;mmer:</translation>
    </message>
</context>
<context>
    <name>AccountPicker</name>
    <message>
        <source>All Accounts</source>
        <translation>Alle Konten</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>This account cannot be shared: the service would not know it by its id.</source>
        <translation>Dieses Konto kann nicht geteilt werden: Der Dienst kennt es nicht unter seiner Kennung.</translation>
    </message>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Das Konto konnte nicht geteilt werden (HTTP %1)</translation>
    </message>
    <message>
        <source>Failed to share account: the answer did not come from the sharing service.</source>
        <translation>Das Konto konnte nicht geteilt werden: Die Antwort stammte nicht vom Dienst für geteilte Konten.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Datenbankfehler</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

%2</source>
        <translation>Die Datenbank konnte nicht eingerichtet werden.

Datenverzeichnis: %1

%2</translation>
    </message>
    <message>
        <source>Ledgerine Is Already Running</source>
        <translation>Ledgerine läuft bereits</translation>
    </message>
    <message>
        <source>Ledgerine is already running with this data folder:

%1

Switch to its window, or close it before starting Ledgerine again.</source>
        <translation>Ledgerine läuft bereits mit diesem Datenordner:

%1

Wechseln Sie zu seinem Fenster oder schließen Sie es, bevor Sie Ledgerine erneut starten.</translation>
    </message>
</context>
<context>
    <name>BackupArchive</name>
    <message>
        <source>too many entries</source>
        <translation>zu viele Einträge</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 ist zu groß</translation>
    </message>
    <message>
        <source>the contents are too large</source>
        <translation>der Inhalt ist zu groß</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Das ZIP-Archiv konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>%1: damaged entry</source>
        <translation>%1: beschädigter Eintrag</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: ungültiges JSON</translation>
    </message>
    <message>
        <source>Invalid backup: unexpected entry %1</source>
        <translation>Ungültige Sicherung: unerwarteter Eintrag %1</translation>
    </message>
    <message>
        <source>Invalid backup: %1</source>
        <translation>Ungültige Sicherung: %1</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Ungültige Sicherung: manifest.json fehlt</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Nicht unterstützte Version der Sicherung: %1</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>%1: the backup holds %2 of the %3 rows its manifest lists</source>
        <translation>%1: Die Sicherung enthält %2 der %3 Zeilen, die ihr Manifest aufführt</translation>
    </message>
    <message>
        <source>%1: the other side of its transfer, %2, is not restored; it is kept as an ordinary transaction</source>
        <translation>%1: Die Gegenbuchung der Umbuchung, %2, wird nicht wiederhergestellt; die Buchung bleibt als gewöhnliche Buchung erhalten</translation>
    </message>
    <message>
        <source>%1: %2 %3 is not restored from this backup</source>
        <translation>%1: %2 %3 wird aus dieser Sicherung nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>split_lines: the lines of transaction %1 in the backup do not add up to its amount; its lines in the ledger are kept</source>
        <translation>split_lines: Die Aufteilungszeilen der Buchung %1 in der Sicherung ergeben nicht ihren Betrag; ihre Zeilen im Kontobuch bleiben erhalten</translation>
    </message>
    <message>
        <source>%1: id %2 is already in use</source>
        <translation>%1: Die Kennung %2 ist bereits vergeben</translation>
    </message>
    <message>
        <source>%1: id %2 appears more than once</source>
        <translation>%1: Die Kennung %2 kommt mehrfach vor</translation>
    </message>
    <message>
        <source>%1: %2 %3 does not exist</source>
        <translation>%1: %2 %3 existiert nicht</translation>
    </message>
    <message>
        <source>%1: the starting balance would take the account&apos;s balance beyond what a balance can hold</source>
        <translation>%1: Der Anfangssaldo würde den Saldo des Kontos über das darstellbare Maximum hinaus treiben</translation>
    </message>
    <message>
        <source>%1: the amount would take the balance of account %2 beyond what a balance can hold</source>
        <translation>%1: Der Betrag würde den Saldo des Kontos %2 über das darstellbare Maximum hinaus treiben</translation>
    </message>
    <message>
        <source>the database ended the restore&apos;s transaction after an error</source>
        <translation>die Datenbank hat die Transaktion der Wiederherstellung nach einem Fehler beendet</translation>
    </message>
    <message>
        <source>split_lines: the lines of transaction %1 do not add up to its amount, and no line could be added for the difference</source>
        <translation>split_lines: Die Zeilen der Buchung %1 ergeben nicht ihren Betrag, und für die Differenz konnte keine Zeile hinzugefügt werden</translation>
    </message>
    <message>
        <source>%1: the id starting &quot;%2&quot; is longer than %3 characters; the row is not restored</source>
        <translation>%1: Die Kennung, die mit „%2“ beginnt, ist länger als %3 Zeichen; die Zeile wird nicht wiederhergestellt</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>A backup or restore is already running.</source>
        <translation>Eine Sicherung oder Wiederherstellung läuft bereits.</translation>
    </message>
    <message>
        <source>Nothing was restored: database error: %1</source>
        <translation>Es wurde nichts wiederhergestellt: Datenbankfehler: %1</translation>
    </message>
    <message>
        <source>The ledger could not be read into a backup.</source>
        <translation>Das Kontobuch konnte nicht in eine Sicherung gelesen werden.</translation>
    </message>
    <message>
        <source>The backup made does not read back: %1</source>
        <translation>Die erstellte Sicherung lässt sich nicht zurücklesen: %1</translation>
    </message>
    <message>
        <source>%1 of %2 bytes were written: %3</source>
        <translation>%1 von %2 Bytes wurden geschrieben: %3</translation>
    </message>
    <message>
        <source>The file written does not hold the backup made.</source>
        <translation>Die geschriebene Datei enthält nicht die erstellte Sicherung.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Die Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>Die Datei konnte nicht gelesen werden: Sie ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The file is larger than any backup this program writes.</source>
        <translation>Die Datei ist größer als jede Sicherung, die dieses Programm schreibt.</translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation>Die Datei hat sich beim Lesen geändert.</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...und %n weiterer.</numerusform>
            <numerusform>...und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>These rows have an id longer than %1 characters, which no restore takes, and were left out of the backup:</source>
        <translation>Diese Zeilen haben eine Kennung mit mehr als %1 Zeichen, die keine Wiederherstellung annimmt, und wurden nicht in die Sicherung aufgenommen:</translation>
    </message>
    <message>
        <source>These rows are larger than a restore reads and were left out of the backup:</source>
        <translation>Diese Zeilen sind größer, als eine Wiederherstellung liest, und wurden nicht in die Sicherung aufgenommen:</translation>
    </message>
    <message>
        <source>The ledger is too large for one backup: %1.</source>
        <translation>Das Kontobuch ist für eine einzige Sicherung zu groß: %1.</translation>
    </message>
</context>
<context>
    <name>BackupTable</name>
    <message>
        <source>%1: missing %2</source>
        <translation>%1: %2 fehlt</translation>
    </message>
    <message>
        <source>%1: invalid value for %2</source>
        <translation>%1: ungültiger Wert für %2</translation>
    </message>
    <message>
        <source>%1: unknown %2 &quot;%3&quot;</source>
        <translation>%1: unbekannter Wert „%3“ für %2</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Search categories</source>
        <translation>Kategorien suchen</translation>
    </message>
    <message>
        <source>+ &amp;New Category</source>
        <translation>+ &amp;Neue Kategorie</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Neue Kategorie</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>&amp;Unterkategorie hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Category Not Saved</source>
        <translation>Kategorie nicht gespeichert</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be saved.</source>
        <translation>Die Kategorie „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>Die Änderungen an „%1“ konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>„%1“ löschen? Buchungen mit dieser Kategorie sind danach ohne Kategorie.</translation>
    </message>
    <message>
        <source>Category Not Deleted</source>
        <translation>Kategorie nicht gelöscht</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be deleted.</source>
        <translation>Die Kategorie „%1“ konnte nicht gelöscht werden.</translation>
    </message>
</context>
<context>
    <name>CategoryChoices</name>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
    <message>
        <source>Transfer to/from: %1</source>
        <translation>Umbuchung nach/von: %1</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Umbuchung nach %1</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Umbuchung von %1</translation>
    </message>
    <message>
        <source>(unknown category)</source>
        <translation>(unbekannte Kategorie)</translation>
    </message>
</context>
<context>
    <name>CategoryComboBox</name>
    <message>
        <source>There is no category named &quot;%1&quot;. Create it as an income category?</source>
        <translation>Es gibt keine Kategorie „%1“. Als Einnahmenkategorie anlegen?</translation>
    </message>
    <message>
        <source>There is no category named &quot;%1&quot;. Create it as an expense category?</source>
        <translation>Es gibt keine Kategorie „%1“. Als Ausgabenkategorie anlegen?</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>Edit Category</source>
        <translation>Kategorie bearbeiten</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Neue Kategorie</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Neue Unterkategorie</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>&amp;Oberkategorie:</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Name der Kategorie</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Ausgabe</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahme</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Typ:</translation>
    </message>
    <message>
        <source>Tax-&amp;relevant</source>
        <translation>&amp;Steuerrelevant</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Diese Kategorie in Steuerberichte aufnehmen.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>z. B. charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>Steuer&amp;code:</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Umbuchung</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Gehalt</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Zinserträge</translation>
    </message>
    <message>
        <source>Dividends</source>
        <translation>Dividenden</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Erhaltene Geschenke</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Sonstige Einnahmen</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Wohnen</translation>
    </message>
    <message>
        <source>Rent</source>
        <translation>Miete</translation>
    </message>
    <message>
        <source>Mortgage</source>
        <translation>Hypothek</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Grundsteuer</translation>
    </message>
    <message>
        <source>Home Insurance</source>
        <translation>Hausversicherung</translation>
    </message>
    <message>
        <source>Home Maintenance</source>
        <translation>Instandhaltung</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Nebenkosten</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Strom</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>Gas &amp; Heating</source>
        <translation>Gas &amp; Heizung</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Telefon</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Essen &amp; Trinken</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Lebensmittel</translation>
    </message>
    <message>
        <source>Restaurants</source>
        <translation>Restaurants</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Mobilität</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Kraftstoff</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Kfz-Versicherung</translation>
    </message>
    <message>
        <source>Auto Maintenance</source>
        <translation>Kfz-Wartung</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Öffentlicher Nahverkehr</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Gesundheit</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Arztkosten</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>Apotheke</translation>
    </message>
    <message>
        <source>Health Insurance</source>
        <translation>Krankenversicherung</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Persönliches</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Kleidung</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Körperpflege</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Unterhaltung</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Bildung</translation>
    </message>
    <message>
        <source>Giving</source>
        <translation>Zuwendungen</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Geschenke</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Bankgebühren</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>Umbuchungen</translation>
    </message>
    <message>
        <source>Credit Card Payment</source>
        <translation>Kreditkartenabrechnung</translation>
    </message>
    <message>
        <source>Savings Transfer</source>
        <translation>Sparrate</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuercode</translation>
    </message>
</context>
<context>
    <name>CsvPreview</name>
    <message>
        <source>The file holds no rows to import.</source>
        <translation>Die Datei enthält keine Zeilen zum Importieren.</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Sp. %1: %2</translation>
    </message>
</context>
<context>
    <name>DataSyncTexts</name>
    <message>
        <source>Not signed in.
Sign in via File › Tandrel Account to enable sync.</source>
        <translation>Nicht angemeldet.
Melden Sie sich über Datei › Tandrel-Konto an, um die Synchronisierung einzuschalten.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Angemeldet als:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Noch nie synchronisiert</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Zuletzt synchronisiert: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Alles durch die Sicherung ersetzen</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Neuere behalten (Zeitstempel vergleichen)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Vorhandene Einträge überspringen</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sicherung abgeschlossen</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sicherung gespeichert unter:
%1</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Konnte nicht schreiben nach:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Sicherung fehlgeschlagen</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...und %n weiterer.</numerusform>
            <numerusform>...und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Nothing was imported.

%1</source>
        <translation>Es wurde nichts importiert.

%1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n item(s), skipped %1.</source>
        <translation>
            <numerusform>%n Eintrag importiert, %1 übersprungen.</numerusform>
            <numerusform>%n Einträge importiert, %1 übersprungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s) occurred:</source>
        <translation>
            <numerusform>%n Fehler aufgetreten:</numerusform>
            <numerusform>%n Fehler aufgetreten:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message>
        <source>You are not signed in. Sign in via File › Tandrel Account, then try again.</source>
        <translation>Sie sind nicht angemeldet. Melden Sie sich über Datei › Tandrel-Konto an und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>An import or a restore is still writing to your data. Try again when it has finished.</source>
        <translation>Ein Import oder eine Wiederherstellung schreibt noch in Ihre Daten. Versuchen Sie es erneut, wenn er bzw. sie abgeschlossen ist.</translation>
    </message>
    <message>
        <source>Your data could not be prepared for a full sync, so nothing was sent. Try again; if it keeps failing, check that the disk has free space.</source>
        <translation>Ihre Daten konnten nicht für eine vollständige Synchronisierung vorbereitet werden, daher wurde nichts gesendet. Versuchen Sie es erneut; wenn es weiterhin fehlschlägt, prüfen Sie, ob auf dem Datenträger genug Platz frei ist.</translation>
    </message>
    <message>
        <source>Full Sync Not Started</source>
        <translation>Vollständige Synchronisierung nicht gestartet</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) from the sync service cannot be read by this version of Ledgerine yet. They are kept, and tried again at every sync; an update may read them.</source>
        <translation>
            <numerusform>%n Datensatz vom Synchronisierungsdienst kann von dieser Version von Ledgerine noch nicht gelesen werden. Er wird aufbewahrt und bei jeder Synchronisierung erneut versucht; ein Update kann ihn lesen.</numerusform>
            <numerusform>%n Datensätze vom Synchronisierungsdienst können von dieser Version von Ledgerine noch nicht gelesen werden. Sie werden aufbewahrt und bei jeder Synchronisierung erneut versucht; ein Update kann sie lesen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) given an uncategorized line so their lines add up to the total</source>
        <translation>
            <numerusform>%n aufgeteilte Buchung erhielt eine Zeile ohne Kategorie, damit ihre Zeilen die Summe ergeben</numerusform>
            <numerusform>%n aufgeteilte Buchungen erhielten eine Zeile ohne Kategorie, damit ihre Zeilen die Summe ergeben</numerusform>
        </translation>
    </message>
    <message>
        <source>This ledger last synced with another account. Answer whether to upload it to yours first.</source>
        <translation>Dieses Kontobuch wurde zuletzt mit einem anderen Konto synchronisiert. Beantworten Sie zuerst, ob es in Ihr Konto hochgeladen werden soll.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The ledger file is damaged: restore it from a backup and try again.</source>
        <translation>Die Datei des Kontobuchs ist beschädigt: Stellen Sie sie aus einer Sicherung wieder her und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The ledger was written by a newer version of Ledgerine: install that version to open it.</source>
        <translation>Das Kontobuch wurde von einer neueren Version von Ledgerine geschrieben: Installieren Sie diese Version, um es zu öffnen.</translation>
    </message>
    <message>
        <source>The file ledgerine.db there is not a Ledgerine ledger: move it out of the folder to start a new ledger.</source>
        <translation>Die dortige Datei ledgerine.db ist kein Kontobuch von Ledgerine: Verschieben Sie sie aus dem Ordner, um ein neues Kontobuch zu beginnen.</translation>
    </message>
    <message>
        <source>The ledger or its folder is read-only: allow writing to them and try again.</source>
        <translation>Das Kontobuch oder sein Ordner ist schreibgeschützt: Erlauben Sie das Schreiben und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Another program has locked the ledger: close it and try again.</source>
        <translation>Ein anderes Programm hat das Kontobuch gesperrt: Schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The disk is full: free some space and try again.</source>
        <translation>Der Datenträger ist voll: Geben Sie Speicherplatz frei und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Please check file permissions and try again.</source>
        <translation>Bitte prüfen Sie die Dateiberechtigungen und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/TT/JJJJ</translation>
    </message>
    <message>
        <source>Enter the date as month/day/year, for example 12/31/2026.</source>
        <translation>Geben Sie das Datum als Monat/Tag/Jahr ein, zum Beispiel 12/31/2026.</translation>
    </message>
    <message>
        <source>Choose the date from a calendar (Alt+Down)</source>
        <translation>Datum aus einem Kalender wählen (Alt+Unten)</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>DateRange</name>
    <message>
        <source>This Month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Letzter Monat</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Dieses Quartal</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Quartal</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Letztes Jahr</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Letzte 30 Tage</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Letzte 90 Tage</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Letzte 12 Monate</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Gesamter Zeitraum</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
</context>
<context>
    <name>DateRangeEdit</name>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>–</source>
        <translation>–</translation>
    </message>
</context>
<context>
    <name>DirectedAmount</name>
    <message>
        <source>&amp;Payment</source>
        <translation>A&amp;uszahlung</translation>
    </message>
    <message>
        <source>&amp;Deposit</source>
        <translation>&amp;Einzahlung</translation>
    </message>
    <message>
        <source>Type a minus sign to switch between payment and deposit</source>
        <translation>Ein Minuszeichen wechselt zwischen Auszahlung und Einzahlung</translation>
    </message>
    <message>
        <source>Invalid Amount</source>
        <translation>Ungültiger Betrag</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a complete amount. Correct it, or clear it for none.</source>
        <translation>„%1“ ist kein vollständiger Betrag. Korrigieren Sie ihn oder leeren Sie das Feld für keinen Betrag.</translation>
    </message>
</context>
<context>
    <name>ImportFile</name>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Die Datei konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>Die Datei konnte nicht gelesen werden: Sie ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>The file is larger than 100 MB, more than any bank statement holds.</source>
        <translation>Die Datei ist größer als 100 MB, mehr als jeder Kontoauszug enthält.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Die Datei konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation>Die Datei hat sich beim Lesen geändert.</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Auto-detect</source>
        <translation>Automatisch erkennen</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Monat T, JJJJ (May 14, 2026)</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n Duplikat übersprungen</numerusform>
            <numerusform>%n Duplikate übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (nicht lesbar)</numerusform>
            <numerusform>%n Datensätze übersprungen (nicht lesbar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n Metadatensatz übersprungen</numerusform>
            <numerusform>%n Metadatensätze übersprungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n Datensatz übersprungen (Quellkonto nicht zugeordnet)</numerusform>
            <numerusform>%n Datensätze übersprungen (Quellkonto nicht zugeordnet)</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>CSV</source>
        <translation>CSV</translation>
    </message>
    <message>
        <source>QIF</source>
        <translation>QIF</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Durchsuchen...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>First row is &amp;header</source>
        <translation>Erste Zeile enthält &amp;Spaltennamen</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>CSV-Spaltenzuordnung:</translation>
    </message>
    <message>
        <source>&amp;Date column:</source>
        <translation>Da&amp;tumsspalte:</translation>
    </message>
    <message>
        <source>&amp;Payee column:</source>
        <translation>&amp;Empfängerspalte:</translation>
    </message>
    <message>
        <source>A&amp;mount column:</source>
        <translation>&amp;Betragsspalte:</translation>
    </message>
    <message>
        <source>M&amp;emo column:</source>
        <translation>&amp;Notizspalte:</translation>
    </message>
    <message>
        <source>&amp;Category column:</source>
        <translation>K&amp;ategoriespalte:</translation>
    </message>
    <message>
        <source>Date f&amp;ormat:</source>
        <translation>Datumsf&amp;ormat:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %n row(s) of the file.</source>
        <translation>
            <numerusform>Angezeigt wird die erste Zeile der Datei.</numerusform>
            <numerusform>Angezeigt werden die ersten %n Zeilen der Datei.</numerusform>
        </translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>QIF-Quellkonten:</translation>
    </message>
    <message>
        <source>Choose where each QIF source account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Wählen Sie, wohin jedes QIF-Quellkonto importiert werden soll. Umbuchungen zwischen zugeordneten Konten der gewählten Dateien werden automatisch verknüpft.</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>Fe&amp;rtig</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>QIF-Datei(en) auswählen</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>QIF-Dateien (*.qif)</translation>
    </message>
    <message>
        <source>File Not Read</source>
        <translation>Datei nicht gelesen</translation>
    </message>
    <message>
        <source>%1 cannot be imported.

%2</source>
        <translation>%1 kann nicht importiert werden.

%2</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Sp. %1</translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>QIF-Datei(en) werden analysiert...</translation>
    </message>
    <message>
        <source>The chosen files cannot be imported.

%1</source>
        <translation>Die gewählten Dateien können nicht importiert werden.

%1</translation>
    </message>
    <message>
        <source>Nothing to Import</source>
        <translation>Nichts zu importieren</translation>
    </message>
    <message>
        <source>The chosen files hold no transactions.</source>
        <translation>Die gewählten Dateien enthalten keine Buchungen.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n Datei ausgewählt</numerusform>
            <numerusform>%n Dateien ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Kein Zielkonto</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Wählen Sie ein Konto für den Import oder legen Sie jetzt eines an.</translation>
    </message>
    <message>
        <source>Account Not Saved</source>
        <translation>Konto nicht gespeichert</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be saved; nothing was imported.</source>
        <translation>Das Konto „%1“ konnte nicht gespeichert werden; es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Accounts Not Saved</source>
        <translation>Konten nicht gespeichert</translation>
    </message>
    <message>
        <source>The new accounts could not be saved; nothing was imported.

%1</source>
        <translation>Die neuen Konten konnten nicht gespeichert werden; es wurde nichts importiert.

%1</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Import läuft...</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>Import fehlgeschlagen.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back.</source>
        <translation>Ein Datenbankfehler hat den Import abgebrochen; alle Änderungen wurden zurückgenommen.</translation>
    </message>
    <message>
        <source>No transactions were added.</source>
        <translation>Es wurden keine Buchungen hinzugefügt.</translation>
    </message>
    <message numerus="yes">
        <source>%n new account(s) made for this import are kept for importing these files again:</source>
        <translation>
            <numerusform>%n für diesen Import angelegtes Konto bleibt für einen erneuten Import dieser Dateien erhalten:</numerusform>
            <numerusform>%n für diesen Import angelegte Konten bleiben für einen erneuten Import dieser Dateien erhalten:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Import abgeschlossen!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n Buchung importiert</numerusform>
            <numerusform>%n Buchungen importiert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n Umbuchung zwischen Konten verknüpft</numerusform>
            <numerusform>%n Umbuchungen zwischen Konten verknüpft</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (davon %n mit einer früher importierten Zeile verknüpft)</numerusform>
            <numerusform>  (davon %n mit früher importierten Zeilen verknüpft)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) given an uncategorized line so their lines add up to the total</source>
        <translation>
            <numerusform>%n aufgeteilte Buchung erhielt eine Zeile ohne Kategorie, damit ihre Zeilen die Summe ergeben</numerusform>
            <numerusform>%n aufgeteilte Buchungen erhielten eine Zeile ohne Kategorie, damit ihre Zeilen die Summe ergeben</numerusform>
        </translation>
    </message>
    <message>
        <source>Dates read as day/month/year</source>
        <translation>Datumsangaben als Tag/Monat/Jahr gelesen</translation>
    </message>
    <message>
        <source>Dates read as month/day/year</source>
        <translation>Datumsangaben als Monat/Tag/Jahr gelesen</translation>
    </message>
    <message numerus="yes">
        <source>And %n more record(s) not imported for these reasons.</source>
        <translation>
            <numerusform>Und %n weiterer Datensatz aus diesen Gründen nicht importiert.</numerusform>
            <numerusform>Und %n weitere Datensätze aus diesen Gründen nicht importiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %n column(s) of the file; only these can be mapped.</source>
        <translation>
            <numerusform>Angezeigt wird die erste Spalte der Datei; nur sie kann zugeordnet werden.</numerusform>
            <numerusform>Angezeigt werden die ersten %n Spalten der Datei; nur diese können zugeordnet werden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Another import is running.</source>
        <translation>Ein anderer Import läuft bereits.</translation>
    </message>
    <message>
        <source>The account to import into does not exist.</source>
        <translation>Das Zielkonto des Imports existiert nicht.</translation>
    </message>
    <message numerus="yes">
        <source>A quote opened on line %1 is never closed: %n line(s) from line %2 on were not imported.</source>
        <translation>
            <numerusform>Ein in Zeile %1 geöffnetes Anführungszeichen wird nie geschlossen: %n Zeile ab Zeile %2 wurde nicht importiert.</numerusform>
            <numerusform>Ein in Zeile %1 geöffnetes Anführungszeichen wird nie geschlossen: %n Zeilen ab Zeile %2 wurden nicht importiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (ohne Kontokopf)</translation>
    </message>
    <message>
        <source>An account to import into does not exist.</source>
        <translation>Ein Zielkonto des Imports existiert nicht.</translation>
    </message>
    <message>
        <source>The category %1</source>
        <translation>Die Kategorie %1</translation>
    </message>
    <message>
        <source>%1 could not be stored (%2): nothing was imported.</source>
        <translation>%1 konnte nicht gespeichert werden (%2): Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>%1: the amount would take the account&apos;s balance beyond what a balance can hold: nothing was imported.</source>
        <translation>%1: Der Betrag würde den Saldo des Kontos über das darstellbare Maximum hinaus treiben: Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Another program is writing to the ledger and did not finish in time: nothing was imported. Try again once it has finished.</source>
        <translation>Ein anderes Programm schreibt in das Kontobuch und wurde nicht rechtzeitig fertig: Es wurde nichts importiert. Versuchen Sie es erneut, sobald es fertig ist.</translation>
    </message>
    <message>
        <source>The import could not begin: %1</source>
        <translation>Der Import konnte nicht beginnen: %1</translation>
    </message>
    <message>
        <source>The database ended the import after an error (%1): nothing was imported.</source>
        <translation>Die Datenbank hat den Import nach einem Fehler beendet (%1): Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The import stopped; nothing was imported.</source>
        <translation>Der Import wurde abgebrochen; es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The import could not be stored: %1</source>
        <translation>Der Import konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1: the amount has more decimal places than the account&apos;s currency (%2) has; the record was not imported.</source>
        <translation>%1: Der Betrag hat mehr Nachkommastellen, als die Währung des Kontos (%2) kennt; der Datensatz wurde nicht importiert.</translation>
    </message>
    <message>
        <source>%1: the line is longer than %2 characters, more than any transaction takes; its record was not imported.</source>
        <translation>%1: Die Zeile ist länger als %2 Zeichen, mehr als jede Buchung braucht; ihr Datensatz wurde nicht importiert.</translation>
    </message>
    <message>
        <source>%1: the row has no field in the date, payee or amount column; it was not imported.</source>
        <translation>%1: Der Zeile fehlt ein Feld in der Datums-, Empfänger- oder Betragsspalte; sie wurde nicht importiert.</translation>
    </message>
    <message>
        <source>%1: the date does not match the chosen date format; the row was not imported.</source>
        <translation>%1: Das Datum entspricht nicht dem gewählten Datumsformat; die Zeile wurde nicht importiert.</translation>
    </message>
    <message>
        <source>%1: the date cannot be read; the row was not imported.</source>
        <translation>%1: Das Datum ist nicht lesbar; die Zeile wurde nicht importiert.</translation>
    </message>
    <message>
        <source>%1: the amount cannot be read; the row was not imported.</source>
        <translation>%1: Der Betrag ist nicht lesbar; die Zeile wurde nicht importiert.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tandrel Ledgerine</source>
        <translation>Tandrel Ledgerine</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Konten</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Transactions</source>
        <translation>B&amp;uchungen</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>Be&amp;richte</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Import Transactions...</source>
        <translation>Buchungen &amp;importieren...</translation>
    </message>
    <message>
        <source>Tandrel &amp;Account</source>
        <translation>Tandrel-&amp;Konto</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>&amp;Anmelden...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>A&amp;bmelden</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;New Account...</source>
        <translation>&amp;Neues Konto...</translation>
    </message>
    <message>
        <source>&amp;Edit Account...</source>
        <translation>Konto &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Delete Account</source>
        <translation>Konto &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Abgleichen...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>Abgleich&amp;verlauf...</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Neue Buchung...</translation>
    </message>
    <message>
        <source>&amp;Edit Transaction...</source>
        <translation>Buchung &amp;bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Delete Transaction</source>
        <translation>Buchung &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Memorize as Recurring...</source>
        <translation>Als wiederkehrend &amp;merken...</translation>
    </message>
    <message>
        <source>&amp;Recurring Transactions...</source>
        <translation>&amp;Wiederkehrende Buchungen...</translation>
    </message>
    <message>
        <source>&amp;Categories...</source>
        <translation>&amp;Kategorien...</translation>
    </message>
    <message>
        <source>&amp;Payees...</source>
        <translation>&amp;Empfänger...</translation>
    </message>
    <message>
        <source>&amp;Reports...</source>
        <translation>&amp;Berichte...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Nach &amp;Updates suchen...</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New</source>
        <translation>&amp;Neuigkeiten</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>&amp;Feedback senden...</translation>
    </message>
    <message>
        <source>&amp;About Tandrel Ledgerine</source>
        <translation>Ü&amp;ber Tandrel Ledgerine</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisierung abgeschlossen</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Synchronisierung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Wählen Sie zuerst ein Konto aus</translation>
    </message>
    <message>
        <source>Account Not Saved</source>
        <translation>Konto nicht gespeichert</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be saved.</source>
        <translation>Das Konto „%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Account Not Found</source>
        <translation>Konto nicht gefunden</translation>
    </message>
    <message>
        <source>The account could not be read.</source>
        <translation>Das Konto konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>Die Änderungen an „%1“ konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Konto löschen</translation>
    </message>
    <message>
        <source>Delete the account &quot;%1&quot; with all its transactions, recurring transactions and reconciliations?</source>
        <translation>Das Konto „%1“ mit allen Buchungen, wiederkehrenden Buchungen und Abgleichen löschen?</translation>
    </message>
    <message>
        <source>Account Not Deleted</source>
        <translation>Konto nicht gelöscht</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be deleted; nothing was changed.</source>
        <translation>Das Konto „%1“ konnte nicht gelöscht werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Abgleichen — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichverlauf</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message>
        <source>Memorized as a recurring transaction</source>
        <translation>Als wiederkehrende Buchung gemerkt</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Empfängerverwaltung</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Buchungen importieren</translation>
    </message>
    <message>
        <source>About Tandrel Ledgerine</source>
        <translation>Über Tandrel Ledgerine</translation>
    </message>
    <message>
        <source>Tandrel Ledgerine %1

A check register for household finances.</source>
        <translation>Tandrel Ledgerine %1

Ein Kontobuch für die Haushaltsfinanzen.</translation>
    </message>
    <message>
        <source>You are signed in; your accounts appear here once they have synced.</source>
        <translation>Sie sind angemeldet; Ihre Konten erscheinen hier, sobald sie synchronisiert sind.</translation>
    </message>
    <message>
        <source>Finish signing in in your browser...</source>
        <translation>Schließen Sie die Anmeldung in Ihrem Browser ab...</translation>
    </message>
    <message>
        <source>Signed out. Your data stays on this device.</source>
        <translation>Abgemeldet. Ihre Daten bleiben auf diesem Gerät.</translation>
    </message>
    <message>
        <source>Signed in</source>
        <translation>Angemeldet</translation>
    </message>
    <message>
        <source>Sign-In Failed</source>
        <translation>Anmeldung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Signing in did not complete.

%1</source>
        <translation>Die Anmeldung wurde nicht abgeschlossen.

%1</translation>
    </message>
    <message>
        <source>Signed Out</source>
        <translation>Abgemeldet</translation>
    </message>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Ihre Sitzung ist abgelaufen. Melden Sie sich erneut an, um weiter zu synchronisieren.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n wiederkehrende Buchung automatisch gebucht</numerusform>
            <numerusform>%n wiederkehrende Buchungen automatisch gebucht</numerusform>
        </translation>
    </message>
    <message>
        <source>Tandrel &amp;Account...</source>
        <translation>Tandrel-&amp;Konto...</translation>
    </message>
    <message>
        <source>&amp;Share Account...</source>
        <translation>Konto &amp;freigeben...</translation>
    </message>
    <message>
        <source>Tandrel Account</source>
        <translation>Tandrel-Konto</translation>
    </message>
    <message numerus="yes">
        <source>Sync complete; %n record(s) cannot be read by this version yet</source>
        <translation>
            <numerusform>Synchronisierung abgeschlossen; %n Datensatz kann von dieser Version noch nicht gelesen werden</numerusform>
            <numerusform>Synchronisierung abgeschlossen; %n Datensätze können von dieser Version noch nicht gelesen werden</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign-in cancelled. You are not signed in.</source>
        <translation>Anmeldung abgebrochen. Sie sind nicht angemeldet.</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>&amp;Rename Selected</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Merge Selected</source>
        <translation>&amp;Zusammenführen</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Empfängerverwaltung</translation>
    </message>
    <message>
        <source>Search payees...</source>
        <translation>Empfänger suchen...</translation>
    </message>
    <message>
        <source>Search payees</source>
        <translation>Empfänger suchen</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Re&amp;name to:</source>
        <translation>&amp;Neuer Name:</translation>
    </message>
    <message>
        <source>New payee name</source>
        <translation>Empfängername</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Wählen Sie 2 oder mehr Empfänger zum Zusammenführen.</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>The payees could not be renamed; nothing was changed.</source>
        <translation>Die Empfänger konnten nicht umbenannt werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Umbenennen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung umbenannt.</numerusform>
            <numerusform>%n Buchungen umbenannt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Empfänger zusammenführen</translation>
    </message>
    <message numerus="yes">
        <source>Merge %n payee(s) into &quot;%1&quot;?</source>
        <translation>
            <numerusform>%n Empfänger in „%1“ zusammenführen?</numerusform>
            <numerusform>%n Empfänger in „%1“ zusammenführen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Zusammenführen fehlgeschlagen</translation>
    </message>
    <message>
        <source>The payees could not be merged; nothing was changed.</source>
        <translation>Die Empfänger konnten nicht zusammengeführt werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Zusammenführen abgeschlossen</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>%n Buchung zusammengeführt.</numerusform>
            <numerusform>%n Buchungen zusammengeführt.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferenceChoices</name>
    <message>
        <source>System Default</source>
        <translation>Systemvorgabe</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Sehr groß</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Für %1 %2 sind keine Versionshinweise verfügbar</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Suche nach Updates…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 ist auf dem neuesten Stand (Version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Suche nach Updates fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
    <message>
        <source>Page Not Opened</source>
        <translation>Seite nicht geöffnet</translation>
    </message>
    <message>
        <source>This link does not lead to a web page, so it was not opened.</source>
        <translation>Dieser Link führt nicht zu einer Webseite und wurde daher nicht geöffnet.</translation>
    </message>
    <message>
        <source>The page could not be opened in your browser.</source>
        <translation>Die Seite konnte nicht in Ihrem Browser geöffnet werden.</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Konto teilen</translation>
    </message>
    <message>
        <source>Share “%1”</source>
        <translation>„%1“ teilen</translation>
    </message>
    <message>
        <source>Members of your family group whom you share this account with see it and its transactions on their own computers once they sync.</source>
        <translation>Mitglieder Ihrer Familiengruppe, mit denen Sie dieses Konto teilen, sehen es samt seinen Buchungen auf ihren eigenen Computern, sobald sie synchronisieren.</translation>
    </message>
    <message>
        <source>People with access</source>
        <translation>Personen mit Zugriff</translation>
    </message>
    <message>
        <source>Add people from your group</source>
        <translation>Personen aus Ihrer Gruppe hinzufügen</translation>
    </message>
    <message>
        <source>Only you can see this account.</source>
        <translation>Nur Sie sehen dieses Konto.</translation>
    </message>
    <message>
        <source>Nobody else is in your family group yet. Invite people to your group to share accounts with them.</source>
        <translation>In Ihrer Familiengruppe ist noch niemand sonst. Laden Sie Personen in Ihre Gruppe ein, um Konten mit ihnen zu teilen.</translation>
    </message>
    <message>
        <source>Everyone in your group already has access.</source>
        <translation>Alle in Ihrer Gruppe haben bereits Zugriff.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Zugriff entziehen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Could not share the account</source>
        <translation>Das Konto konnte nicht geteilt werden</translation>
    </message>
    <message>
        <source>Could not remove access</source>
        <translation>Der Zugriff konnte nicht entzogen werden</translation>
    </message>
    <message>
        <source>Remove Access</source>
        <translation>Zugriff entziehen</translation>
    </message>
    <message>
        <source>%1 will no longer see this account. Remove their access?</source>
        <translation>%1 wird dieses Konto nicht mehr sehen. Zugriff entziehen?</translation>
    </message>
</context>
<context>
    <name>QifAccountMapping</name>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Neues Konto „%1“ anlegen —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Diese Buchungen überspringen —</translation>
    </message>
</context>
<context>
    <name>QifImportWriter</name>
    <message>
        <source>Imported transaction</source>
        <translation>Importierte Buchung</translation>
    </message>
    <message>
        <source>A transfer stored before changed while the import ran: nothing was imported.</source>
        <translation>Eine zuvor gespeicherte Umbuchung hat sich während des Imports geändert: Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>The other side of a transfer stored before</source>
        <translation>Die Gegenbuchung einer zuvor gespeicherten Umbuchung</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Abgleichverlauf</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Noch keine Abgleiche. Gleichen Sie Ihr Konto im Kontobuch ab, um den Verlauf hier zu sehen.</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Frühere Abgleiche dieses Kontos.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Auszugsdatum</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Auszugssaldo</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Abgeglichener Saldo</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Abgeschlossen</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Abgleichverlauf — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Best.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Transaction Not Saved</source>
        <translation>Buchung nicht gespeichert</translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation>Konto abgleichen</translation>
    </message>
    <message>
        <source>Statement Da&amp;te:</source>
        <translation>Aus&amp;zugsdatum:</translation>
    </message>
    <message>
        <source>Statement &amp;Balance:</source>
        <translation>Auszugs&amp;saldo:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Vorheriger Saldo</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Bestätigte Einzahlungen</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Bestätigte Auszahlungen</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Bestätigter Saldo</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Auszugssaldo</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>&amp;Finish Reconciliation</source>
        <translation>Abgleich a&amp;bschließen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Add Transaction</source>
        <translation>Buchung &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Buchung hinzufügen (%1)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>B&amp;earbeiten</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Ausgewählte Buchung bearbeiten (F2)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Ausgewählte Buchung löschen (Entf)</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Best.</translation>
    </message>
    <message>
        <source>Invalid Date</source>
        <translation>Ungültiges Datum</translation>
    </message>
    <message>
        <source>Enter the statement date as month/day/year, for example 12/31/2026.</source>
        <translation>Geben Sie das Auszugsdatum als Monat/Tag/Jahr ein, zum Beispiel 12/31/2026.</translation>
    </message>
    <message>
        <source>Reconciliation Not Saved</source>
        <translation>Abgleich nicht gespeichert</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved, so nothing was changed. The transactions have been read again: check them and finish again.</source>
        <translation>Der Abgleich konnte nicht gespeichert werden, daher wurde nichts geändert. Die Buchungen wurden neu eingelesen: Prüfen Sie sie und schließen Sie den Abgleich erneut ab.</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Abgleich abgeschlossen</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Das Konto wurde erfolgreich abgeglichen.</translation>
    </message>
</context>
<context>
    <name>RecurringActions</name>
    <message>
        <source>(no payee)</source>
        <translation>(kein Empfänger)</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved: %1.</source>
        <translation>Die wiederkehrende Buchung konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is split into %n line(s).</source>
        <translation>
            <numerusform>„%1“ ist in %n Zeile aufgeteilt.</numerusform>
            <numerusform>„%1“ ist in %n Zeilen aufgeteilt.</numerusform>
        </translation>
    </message>
    <message>
        <source>Memorize Split Transaction</source>
        <translation>Aufgeteilte Buchung merken</translation>
    </message>
    <message>
        <source>A recurring transaction holds one category, so it would repeat the whole %1 without a category and without the split lines. Memorize it anyway?</source>
        <translation>Eine wiederkehrende Buchung hat nur eine Kategorie; sie würde daher die vollen %1 ohne Kategorie und ohne die Aufteilungszeilen wiederholen. Trotzdem merken?</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved: %2.</source>
        <translation>Die Änderungen an „%1“ konnten nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Wiederkehrende Buchung „%1“ löschen?</translation>
    </message>
    <message>
        <source>Not Deleted</source>
        <translation>Nicht gelöscht</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2.</source>
        <translation>„%1“ konnte nicht gelöscht werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be entered: %2.</source>
        <translation>„%1“ konnte nicht gebucht werden: %2.</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>„%1“ jetzt mit Datum %2 buchen? Die Buchung erhält ihr Fälligkeitsdatum; Sie können sie später bearbeiten oder löschen.</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Vorzeitig buchen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be skipped: %2.</source>
        <translation>„%1“ konnte nicht übersprungen werden: %2.</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Nächste 7 Tage buchen</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>Alle in den nächsten 7 Tagen fälligen wiederkehrenden Buchungen buchen? Sie erhalten ihr Fälligkeitsdatum; Sie können sie später bearbeiten oder löschen.</translation>
    </message>
    <message>
        <source>Not Entered</source>
        <translation>Nicht gebucht</translation>
    </message>
    <message>
        <source>Nothing was entered: %1.</source>
        <translation>Es wurde nichts gebucht: %1.</translation>
    </message>
    <message>
        <source>Changed Meanwhile</source>
        <translation>Inzwischen geändert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; changed after you chose it: it may have been entered by itself or on another device. Nothing was done; look at it again.</source>
        <translation>„%1“ hat sich geändert, nachdem Sie es gewählt haben: Es wurde vielleicht automatisch oder auf einem anderen Gerät gebucht. Es wurde nichts getan; sehen Sie es sich noch einmal an.</translation>
    </message>
    <message>
        <source>Nothing Left to Enter</source>
        <translation>Nichts mehr zu buchen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no occurrence left before its end date, so nothing was entered. It is now inactive.</source>
        <translation>„%1“ hat vor seinem Enddatum keinen Termin mehr, daher wurde nichts gebucht. Es ist jetzt inaktiv.</translation>
    </message>
</context>
<context>
    <name>RecurringEditor</name>
    <message>
        <source>the database refused it (%1)</source>
        <translation>die Datenbank hat sie abgelehnt (%1)</translation>
    </message>
    <message>
        <source>it was deleted while the form was open</source>
        <translation>sie wurde gelöscht, während das Formular offen war</translation>
    </message>
    <message>
        <source>its next due date could not be worked out from the new start date</source>
        <translation>ihr nächstes Fälligkeitsdatum ließ sich aus dem neuen Startdatum nicht bestimmen</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Neue wiederkehrende Buchung</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Wiederkehrende Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Buchung merken</translation>
    </message>
    <message>
        <source>End Before Start</source>
        <translation>Ende vor Beginn</translation>
    </message>
    <message>
        <source>The end date, %1, is before the start date, %2. Choose an end date on or after the start.</source>
        <translation>Das Enddatum %1 liegt vor dem Startdatum %2. Wählen Sie ein Enddatum am oder nach dem Start.</translation>
    </message>
    <message>
        <source>No account yet: create one first</source>
        <translation>Noch kein Konto: Legen Sie zuerst eines an</translation>
    </message>
    <message>
        <source>Choose an account</source>
        <translation>Konto wählen</translation>
    </message>
    <message>
        <source>A recurring transaction stays in the account it enters its transactions in</source>
        <translation>Eine wiederkehrende Buchung bleibt in dem Konto, in das sie bucht</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Tippen Sie, um Empfänger zu suchen...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>Has &amp;end date</source>
        <translation>Mit E&amp;nddatum</translation>
    </message>
    <message>
        <source>A&amp;uto-post when due</source>
        <translation>&amp;Automatisch buchen, wenn fällig</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>in advance</comment>
        <translation>
            <numerusform>Tag</numerusform>
            <numerusform>Tage</numerusform>
        </translation>
    </message>
    <message>
        <source>Acti&amp;ve</source>
        <translation>Akt&amp;iv</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>Pa&amp;yee:</source>
        <translation>E&amp;mpfänger:</translation>
    </message>
    <message>
        <source>A&amp;mount:</source>
        <translation>&amp;Betrag:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>Kate&amp;gorie:</translation>
    </message>
    <message>
        <source>Mem&amp;o:</source>
        <translation>N&amp;otiz:</translation>
    </message>
    <message>
        <source>&amp;Frequency:</source>
        <translation>&amp;Häufigkeit:</translation>
    </message>
    <message>
        <source>&amp;Repeat every:</source>
        <translation>&amp;Wiederholen alle:</translation>
    </message>
    <message>
        <source>F&amp;irst day:</source>
        <translation>Erster &amp;Tag:</translation>
    </message>
    <message>
        <source>&amp;Second day:</source>
        <translation>&amp;Zweiter Tag:</translation>
    </message>
    <message>
        <source>S&amp;tart date:</source>
        <translation>&amp;Startdatum:</translation>
    </message>
    <message>
        <source>End date:</source>
        <translation>Enddatum:</translation>
    </message>
    <message>
        <source>Enter i&amp;n advance:</source>
        <translation>&amp;Vorab buchen:</translation>
    </message>
    <message>
        <source>(deleted account)</source>
        <translation>(gelöschtes Konto)</translation>
    </message>
    <message>
        <source>(deleted category)</source>
        <translation>(gelöschte Kategorie)</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>Tag</numerusform>
            <numerusform>Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>Woche</numerusform>
            <numerusform>Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>month(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>Monat</numerusform>
            <numerusform>Monate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>quarter(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>Quartal</numerusform>
            <numerusform>Quartale</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>Jahr</numerusform>
            <numerusform>Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid Date</source>
        <translation>Ungültiges Datum</translation>
    </message>
    <message>
        <source>Enter the date as month/day/year, for example 12/31/2026.</source>
        <translation>Geben Sie das Datum als Monat/Tag/Jahr ein, zum Beispiel 12/31/2026.</translation>
    </message>
    <message>
        <source>More than one category matches &quot;%1&quot;. Choose one from the list.</source>
        <translation>Mehrere Kategorien passen zu „%1“. Wählen Sie eine aus der Liste.</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;. Choose one from the list, or clear the field for none.</source>
        <translation>Es gibt keine Kategorie „%1“. Wählen Sie eine aus der Liste oder leeren Sie das Feld für keine.</translation>
    </message>
    <message>
        <source>Choose a Category</source>
        <translation>Kategorie wählen</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Alle zwei Wochen</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>Halbmonatlich</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Semi-monthly (%1 &amp; %2)</source>
        <translation>Halbmonatlich (%1 &amp; %2)</translation>
    </message>
    <message numerus="yes">
        <source>Every %n day(s)</source>
        <translation>
            <numerusform>Jeden Tag</numerusform>
            <numerusform>Alle %n Tage</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n week(s)</source>
        <translation>
            <numerusform>Jede Woche</numerusform>
            <numerusform>Alle %n Wochen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n month(s)</source>
        <translation>
            <numerusform>Jeden Monat</numerusform>
            <numerusform>Alle %n Monate</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n year(s)</source>
        <translation>
            <numerusform>Jedes Jahr</numerusform>
            <numerusform>Alle %n Jahre</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (×%2)</source>
        <translation>%1 (×%2)</translation>
    </message>
    <message>
        <source>last day</source>
        <translation>letzter Tag</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Aktiv</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inaktiv</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Nächste Fälligkeit</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Autom.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>day of the month</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <comment>day of the month</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <comment>day of the month</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1th</source>
        <comment>day of the month</comment>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Confirm &amp;All Due</source>
        <translation>&amp;Alle fälligen buchen</translation>
    </message>
    <message>
        <source>Enter &amp;Next 7 Days...</source>
        <translation>Nächste &amp;7 Tage buchen...</translation>
    </message>
    <message>
        <source>Ne&amp;w Recurring...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Wiederkehrende Buchungen</translation>
    </message>
    <message numerus="yes">
        <source>(%n due)</source>
        <translation>
            <numerusform>(%n fällig)</numerusform>
            <numerusform>(%n fällig)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>Bu&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>Übers&amp;pringen</translation>
    </message>
    <message>
        <source>E&amp;nter Early...</source>
        <translation>&amp;Vorzeitig buchen...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>RegisterEditor</name>
    <message>
        <source>it was deleted meanwhile</source>
        <translation>sie wurde inzwischen gelöscht</translation>
    </message>
    <message>
        <source>its account was deleted</source>
        <translation>ihr Konto wurde gelöscht</translation>
    </message>
    <message>
        <source>its split lines do not add up to its amount</source>
        <translation>ihre Aufteilungszeilen ergeben nicht ihren Betrag</translation>
    </message>
    <message>
        <source>a split cannot also be a transfer</source>
        <translation>eine Aufteilung kann nicht zugleich eine Umbuchung sein</translation>
    </message>
    <message>
        <source>the new category has no id</source>
        <translation>die neue Kategorie hat keine Kennung</translation>
    </message>
    <message>
        <source>one of its categories cannot be used in this account</source>
        <translation>eine ihrer Kategorien kann in diesem Konto nicht verwendet werden</translation>
    </message>
    <message>
        <source>the other account of the transfer cannot take it</source>
        <translation>das Gegenkonto der Umbuchung kann sie nicht aufnehmen</translation>
    </message>
    <message>
        <source>a transfer between currencies needs the amount the other account receives</source>
        <translation>eine Umbuchung zwischen Währungen braucht den Betrag, den das Gegenkonto erhält</translation>
    </message>
    <message>
        <source>the ledger could not be written (%1)</source>
        <translation>das Kontobuch konnte nicht geschrieben werden (%1)</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>R</source>
        <translation>A</translation>
    </message>
    <message>
        <source>C</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Auszahlung</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Einzahlung</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Best.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>New Transaction...</source>
        <translation>Neue Buchung...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Abgleichen...</translation>
    </message>
    <message>
        <source>Reconcile this account against a bank statement</source>
        <translation>Dieses Konto mit einem Kontoauszug abgleichen</translation>
    </message>
    <message>
        <source>&amp;Memorize as Recurring...</source>
        <translation>Als wiederkehrend &amp;merken...</translation>
    </message>
    <message>
        <source>R</source>
        <translation>A</translation>
    </message>
</context>
<context>
    <name>ReportComparison</name>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Dieses Jahr vs. Vorjahr</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Letztes Jahr vs. vorletztes Jahr</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Dieses Quartal vs. Vorquartal</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
</context>
<context>
    <name>ReportRunner</name>
    <message>
        <source>Checking</source>
        <translation>Girokonto</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Sparkonto</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Kreditkarte</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Ausgaben nach Kategorie</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Übersicht nach Empfänger</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Steuerbericht</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Einnahmen und Ausgaben</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Geldfluss</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Jahresvergleich</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Kontenübersicht</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Buchungen</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Steuercode</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Einnahmen</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Ausgaben</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Netto</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Zuflüsse</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Abflüsse</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Zeitraum 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Zeitraum 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Konto</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Bestätigt</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Unbestätigt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Ohne Kategorie</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Aufteilung</translation>
    </message>
    <message>
        <source>Transfer to/from: </source>
        <translation>Umbuchung nach/von: </translation>
    </message>
</context>
<context>
    <name>ReportTableModel</name>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>CSV e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Not every transaction could be read, so this list is incomplete. Choose the period again to retry.</source>
        <translation>Nicht alle Buchungen konnten gelesen werden, daher ist diese Liste unvollständig. Wählen Sie den Zeitraum erneut, um es noch einmal zu versuchen.</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Konto:</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Co&amp;mpare:</source>
        <translation>&amp;Vergleich:</translation>
    </message>
    <message>
        <source>Period &amp;1:</source>
        <translation>Zeitraum &amp;1:</translation>
    </message>
    <message>
        <source>Period &amp;2:</source>
        <translation>Zeitraum &amp;2:</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;: %2. Nothing was written; choose another place and try again.</source>
        <translation>Der Bericht konnte nicht als „%1“ gespeichert werden: %2. Es wurde nichts geschrieben; wählen Sie einen anderen Ort und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>These results are for the last dates that could be read. Type the dates as month/day/year, or choose them from the calendar, to update them.</source>
        <translation>Diese Ergebnisse gelten für die zuletzt lesbaren Daten. Geben Sie die Daten als Monat/Tag/Jahr ein oder wählen Sie sie im Kalender, um sie zu aktualisieren.</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Kontobuch</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Daten &amp; Sync</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Ctrl+Page Down and Ctrl+Page Up change the page.</source>
        <translation>Strg+Bild ab und Strg+Bild auf wechseln die Seite.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Darstellung</translation>
    </message>
    <message>
        <source>Control how Tandrel Ledgerine looks.</source>
        <translation>Legen Sie fest, wie Tandrel Ledgerine aussieht.</translation>
    </message>
    <message>
        <source>Choose accent color</source>
        <translation>Akzentfarbe wählen</translation>
    </message>
    <message>
        <source>Accent color</source>
        <translation>Akzentfarbe</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Einstellungen für Datum und Kalender.</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>Woche beginnt am</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Wie Buchungen im Kontobuch erscheinen.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Zweizeilige Darstellung</translation>
    </message>
    <message>
        <source>Auto-decimal point</source>
        <translation>Automatischer Dezimalpunkt</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Notiz in einer zweiten Zeile unter dem Empfänger zeigen.</translation>
    </message>
    <message>
        <source>Type 1234 to enter 12.34. The last two digits are always cents.</source>
        <translation>1234 tippen ergibt 12.34. Die letzten beiden Ziffern sind immer Cent.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Sortierung</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Legen Sie die Reihenfolge der Buchungen im Kontobuch fest.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Neueste Buchungen zuerst zeigen</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Wenn eingeschaltet, stehen die jüngsten Buchungen oben.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisierung</translation>
    </message>
    <message>
        <source>Keep your check register in sync across all your devices.</source>
        <translation>Halten Sie Ihr Kontobuch auf allen Ihren Geräten synchron.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Jetzt synchronisieren</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Vollständig synchronisieren</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sicherung &amp; Wiederherstellung</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Sichern Sie Ihre Daten in eine portable Sicherungsdatei oder stellen Sie sie daraus wieder her.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Sicherung exportieren</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Sicherung importieren</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Gelöschte Konten</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Gelöschte Konten lassen sich hier wiederherstellen.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Auswahl wiederherstellen</translation>
    </message>
    <message>
        <source>Tandrel Ledgerine</source>
        <translation>Tandrel Ledgerine</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>A digital check register for tracking household finances.</source>
        <translation>Ein digitales Kontobuch für die Haushaltsfinanzen.</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license.</source>
        <translation>Dieses Programm verwendet das Qt-Framework unter der Lizenz LGPL v3.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Sprache geändert</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Tandrel Ledgerine.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Start von Tandrel Ledgerine.</translation>
    </message>
    <message>
        <source>Account Not Restored</source>
        <translation>Konto nicht wiederhergestellt</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be restored; nothing was changed.</source>
        <translation>Das Konto „%1“ konnte nicht wiederhergestellt werden; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Dabei werden alle lokalen Daten erneut zum Server hochgeladen und alle Daten des Servers erneut heruntergeladen. Verwenden Sie dies, wenn die Daten zwischen Geräten nicht übereinstimmen.

Fortfahren?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Wird synchronisiert...</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>ZIP-Dateien (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Export läuft...</translation>
    </message>
    <message>
        <source>Writing the backup...</source>
        <translation>Sicherung wird geschrieben...</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Importmodus</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Wie sollen vorhandene Daten behandelt werden?</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Import läuft...</translation>
    </message>
    <message>
        <source>Restoring the backup...</source>
        <translation>Sicherung wird wiederhergestellt...</translation>
    </message>
</context>
<context>
    <name>SignInQuestions</name>
    <message>
        <source>Confirm Sign-In</source>
        <translation>Anmeldung bestätigen</translation>
    </message>
    <message>
        <source>Sign in as %1?</source>
        <translation>Als %1 anmelden?</translation>
    </message>
    <message>
        <source>Choose Yes only if this is the account you just signed in with in your browser.</source>
        <translation>Wählen Sie „Ja“ nur, wenn Sie sich gerade mit diesem Konto im Browser angemeldet haben.</translation>
    </message>
    <message>
        <source>Upload Ledger</source>
        <translation>Kontobuch hochladen</translation>
    </message>
    <message>
        <source>Upload this ledger to the account %1?</source>
        <translation>Dieses Kontobuch in das Konto %1 hochladen?</translation>
    </message>
    <message numerus="yes">
        <source>This ledger holds %n transaction(s) and last synced with the account %1.</source>
        <translation>
            <numerusform>Dieses Kontobuch enthält %n Buchung und wurde zuletzt mit dem Konto %1 synchronisiert.</numerusform>
            <numerusform>Dieses Kontobuch enthält %n Buchungen und wurde zuletzt mit dem Konto %1 synchronisiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>If you choose No, %1 is signed out and the ledger stays as it is.</source>
        <translation>Wenn Sie „Nein“ wählen, wird %1 abgemeldet, und das Kontobuch bleibt, wie es ist.</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Buchung aufteilen</translation>
    </message>
    <message>
        <source>Transaction amount:</source>
        <translation>Buchungsbetrag:</translation>
    </message>
    <message>
        <source>Left to assign:</source>
        <translation>Noch zu verteilen:</translation>
    </message>
    <message>
        <source>Set Amount to &amp;Total</source>
        <translation>Betrag auf &amp;Summe setzen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a complete amount. Correct it, or clear it for none.</source>
        <translation>„%1“ ist kein vollständiger Betrag. Korrigieren Sie ihn oder leeren Sie das Feld für keinen Betrag.</translation>
    </message>
    <message>
        <source>More than one category matches &quot;%1&quot;; choose one from the list.</source>
        <translation>Mehrere Kategorien passen zu „%1“; wählen Sie eine aus der Liste.</translation>
    </message>
    <message numerus="yes">
        <source>Total of %n line(s):</source>
        <translation>
            <numerusform>Summe der %n Zeile:</numerusform>
            <numerusform>Summe der %n Zeilen:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>&amp;Add Line</source>
        <translation>Zeile &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Remove Line</source>
        <translation>Zeile entfernen</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message numerus="yes">
        <source>%n recurring transaction(s) due</source>
        <translation>
            <numerusform>%n wiederkehrende Buchung fällig</numerusform>
            <numerusform>%n wiederkehrende Buchungen fällig</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n record(s) not readable yet)</source>
        <translation>
            <numerusform>%1 (%n Datensatz noch nicht lesbar)</numerusform>
            <numerusform>%1 (%n Datensätze noch nicht lesbar)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This version cannot read %n record(s) from the sync service yet. They are kept and tried again at every sync.</source>
        <translation>
            <numerusform>Diese Version kann %n Datensatz vom Synchronisierungsdienst noch nicht lesen. Er wird aufbewahrt und bei jeder Synchronisierung erneut versucht.</numerusform>
            <numerusform>Diese Version kann %n Datensätze vom Synchronisierungsdienst noch nicht lesen. Sie werden aufbewahrt und bei jeder Synchronisierung erneut versucht.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TandAccount::ShareMembersDialog</name>
    <message>
        <source>Could not share with %1.</source>
        <translation>Konnte nicht mit %1 teilen.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Konnte %1 nicht entfernen.</translation>
    </message>
    <message>
        <source>People with access</source>
        <translation>Personen mit Zugriff</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Personen hinzufügen</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Noch mit niemandem geteilt.</translation>
    </message>
    <message>
        <source>Nobody else is in your family group yet. Invite people to your group to share this account with them.</source>
        <translation>In Ihrer Familiengruppe ist noch niemand sonst. Laden Sie Personen in Ihre Gruppe ein, um dieses Konto mit ihnen zu teilen.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Alle Gruppenmitglieder haben bereits Zugriff</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Zugriff entziehen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>Zugriff entziehen?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 hat danach keinen Zugriff mehr. Fortfahren?</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Wird geladen…</translation>
    </message>
    <message>
        <source>Could not load who has access to this account.</source>
        <translation>Es konnte nicht geladen werden, wer Zugriff auf dieses Konto hat.</translation>
    </message>
    <message>
        <source>Could not load your group&apos;s members.</source>
        <translation>Die Mitglieder Ihrer Gruppe konnten nicht geladen werden.</translation>
    </message>
    <message>
        <source>Members can be added once it is known who has access.</source>
        <translation>Mitglieder lassen sich hinzufügen, sobald bekannt ist, wer Zugriff hat.</translation>
    </message>
    <message>
        <source>Sharing with %1…</source>
        <translation>Wird mit %1 geteilt…</translation>
    </message>
    <message>
        <source>Removing %1…</source>
        <translation>%1 wird entfernt…</translation>
    </message>
</context>
<context>
    <name>TandUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Update verfügbar</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Eine neue Version von %1 ist verfügbar.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Sie haben Version %1. Die neueste Version ist %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Versionshinweise werden geladen…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Für diese Version sind keine Versionshinweise verfügbar.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
</context>
<context>
    <name>TandUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Neu in %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Neu in %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Sie verwenden Version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>%1 herunterladen</translation>
    </message>
</context>
<context>
    <name>TransactionActions</name>
    <message>
        <source>The new transaction could not be saved: %1.</source>
        <translation>Die neue Buchung konnte nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>The changes to the transaction could not be saved: %1.</source>
        <translation>Die Änderungen an der Buchung konnten nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>Delete the transfer for %1? Its other side, in %2, is deleted too.</source>
        <translation>Die Umbuchung für %1 löschen? Die Gegenbuchung in %2 wird ebenfalls gelöscht.</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Die Buchung für %1 löschen?</translation>
    </message>
    <message>
        <source>This transaction is reconciled: its statement will no longer add up.</source>
        <translation>Diese Buchung ist abgeglichen: Der zugehörige Kontoauszug geht danach nicht mehr auf.</translation>
    </message>
    <message>
        <source>The other side is reconciled: its statement will no longer add up.</source>
        <translation>Die Gegenbuchung ist abgeglichen: Der zugehörige Kontoauszug geht danach nicht mehr auf.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Buchung löschen</translation>
    </message>
    <message>
        <source>The transaction could not be deleted: %1.</source>
        <translation>Die Buchung konnte nicht gelöscht werden: %1.</translation>
    </message>
    <message>
        <source>This transaction is reconciled</source>
        <translation>Diese Buchung ist abgeglichen</translation>
    </message>
    <message>
        <source>Its other side, in %1, is reconciled</source>
        <translation>Die Gegenbuchung in %1 ist abgeglichen</translation>
    </message>
    <message>
        <source>Change a Reconciled Transaction</source>
        <translation>Abgeglichene Buchung ändern</translation>
    </message>
    <message>
        <source>%1: changing it means its statement will no longer add up. Change it anyway?</source>
        <translation>%1: Nach einer Änderung geht der Kontoauszug nicht mehr auf. Trotzdem ändern?</translation>
    </message>
    <message>
        <source>another account</source>
        <translation>einem anderen Konto</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Neue Buchung</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Buchung bearbeiten</translation>
    </message>
    <message>
        <source>Invalid Date</source>
        <translation>Ungültiges Datum</translation>
    </message>
    <message>
        <source>Enter the date as month/day/year, for example 12/31/2026.</source>
        <translation>Geben Sie das Datum als Monat/Tag/Jahr ein, zum Beispiel 12/31/2026.</translation>
    </message>
    <message>
        <source>Split Does Not Add Up</source>
        <translation>Aufteilung geht nicht auf</translation>
    </message>
    <message>
        <source>The split lines add up to %1, not to the amount of %2. Open the split to correct them.</source>
        <translation>Die Aufteilungszeilen ergeben %1, nicht den Betrag von %2. Öffnen Sie die Aufteilung, um sie zu korrigieren.</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Optional</translation>
    </message>
    <message>
        <source>Divide the amount among several categories</source>
        <translation>Den Betrag auf mehrere Kategorien verteilen</translation>
    </message>
    <message>
        <source>C&amp;leared</source>
        <translation>&amp;Bestätigt</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>&amp;Datum:</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>&amp;Nummer:</translation>
    </message>
    <message>
        <source>Pa&amp;yee:</source>
        <translation>E&amp;mpfänger:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Kategorie:</translation>
    </message>
    <message>
        <source>&amp;Memo:</source>
        <translation>N&amp;otiz:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Art:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>Be&amp;trag:</translation>
    </message>
    <message>
        <source>Reconciled transactions stay cleared</source>
        <translation>Abgeglichene Buchungen bleiben bestätigt</translation>
    </message>
    <message>
        <source>(deleted account)</source>
        <translation>(gelöschtes Konto)</translation>
    </message>
    <message numerus="yes">
        <source>Split into %n line(s)</source>
        <translation>
            <numerusform>In %n Zeile aufgeteilt</numerusform>
            <numerusform>In %n Zeilen aufgeteilt</numerusform>
        </translation>
    </message>
    <message>
        <source>The amount of a split is the sum of its lines</source>
        <translation>Der Betrag einer Aufteilung ist die Summe ihrer Zeilen</translation>
    </message>
    <message>
        <source>Edit &amp;Split...</source>
        <translation>&amp;Aufteilung bearbeiten...</translation>
    </message>
    <message>
        <source>Type a minus sign to switch between payment and deposit</source>
        <translation>Ein Minuszeichen wechselt zwischen Auszahlung und Einzahlung</translation>
    </message>
    <message>
        <source>&amp;Split...</source>
        <translation>&amp;Aufteilen...</translation>
    </message>
    <message>
        <source>Choose a Category</source>
        <translation>Kategorie wählen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no single category. Choose one, or clear the field, before splitting.</source>
        <translation>„%1“ bezeichnet keine eindeutige Kategorie. Wählen Sie eine oder leeren Sie das Feld, bevor Sie aufteilen.</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;: pick one from the list, or OK will offer to create it.</source>
        <translation>Es gibt keine Kategorie „%1“: Wählen Sie eine aus der Liste, oder OK bietet an, sie anzulegen.</translation>
    </message>
    <message>
        <source>More than one category matches &quot;%1&quot;; choose one.</source>
        <translation>Mehrere Kategorien passen zu „%1“; wählen Sie eine.</translation>
    </message>
    <message>
        <source>Amount in %1:</source>
        <translation>Betrag in %1:</translation>
    </message>
    <message>
        <source>Invalid Amount</source>
        <translation>Ungültiger Betrag</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a complete amount. Correct it, or clear it for none.</source>
        <translation>„%1“ ist kein vollständiger Betrag. Korrigieren Sie ihn oder leeren Sie das Feld für keinen Betrag.</translation>
    </message>
    <message>
        <source>Nothing to Save</source>
        <translation>Nichts zu speichern</translation>
    </message>
    <message>
        <source>Enter a payee or an amount.</source>
        <translation>Geben Sie einen Empfänger oder einen Betrag ein.</translation>
    </message>
    <message>
        <source>More than one category matches &quot;%1&quot;; choose one from the list.</source>
        <translation>Mehrere Kategorien passen zu „%1“; wählen Sie eine aus der Liste.</translation>
    </message>
    <message>
        <source>Amount Missing</source>
        <translation>Betrag fehlt</translation>
    </message>
    <message>
        <source>Enter the amount as %1 counts it, in its own currency.</source>
        <translation>Geben Sie den Betrag so ein, wie %1 ihn zählt, in dessen eigener Währung.</translation>
    </message>
</context>
<context>
    <name>TransactionRepository</name>
    <message>
        <source>Split</source>
        <translation>Aufteilung</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Ihre Sitzung ist abgelaufen. Melden Sie sich erneut an, um weiter zu synchronisieren.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Funktioniert vollständig offline. Ihre Daten bleiben auf diesem Gerät.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>So funktioniert es</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Legen Sie ein Konto an (Girokonto, Sparkonto, Kreditkarte oder jedes andere Konto, das Sie führen möchten).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Erfassen Sie Buchungen, während Sie Geld ausgeben.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Gleichen Sie ab, wenn Ihr Kontoauszug eintrifft.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Willkommen zurück</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Melden Sie sich an, um Ihre Daten auf allen Geräten synchron zu halten.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Anmelden</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Stattdessen ein Konto anlegen</translation>
    </message>
    <message>
        <source>Welcome to
Tandrel Ledgerine</source>
        <translation>Willkommen bei
Tandrel Ledgerine</translation>
    </message>
    <message>
        <source>A digital check register.</source>
        <translation>Ein digitales Kontobuch.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Schon ein Tandrel-Konto? Anmelden</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Erstes Konto anlegen</translation>
    </message>
</context>
</TS>
