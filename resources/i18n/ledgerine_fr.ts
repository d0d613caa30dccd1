<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AccountEditor</name>
    <message>
        <source>Opening Balance</source>
        <translation>Solde initial</translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Nouveau compte</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Modifier le compte</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nom du compte</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Compte d&apos;épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investissement</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
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
        <translation>Nom de la banque (facultatif)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>4 derniers chiffres (facultatif)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Devise&#xa0;:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Solde &amp;initial&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>&amp;En date du&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>Éta&amp;blissement&#xa0;:</translation>
    </message>
    <message>
        <source>%1 </source>
        <comment>starting balance prefix; %1 is the currency symbol</comment>
        <translation>%1 </translation>
    </message>
    <message>
        <source>The currency cannot change once the account has transactions.</source>
        <translation>La devise ne peut plus être modifiée une fois que le compte contient des opérations.</translation>
    </message>
    <message>
        <source>Account N&amp;umber:</source>
        <translation>Numéro de &amp;compte&#xa0;:</translation>
    </message>
</context>
<context>
    <name>AccountPicker</name>
    <message>
        <source>All Accounts</source>
        <translation>Tous les comptes</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>This account cannot be shared: the service would not know it by its id.</source>
        <translation>Ce compte ne peut pas être partagé&#xa0;: le service ne pourrait pas le retrouver par son identifiant.</translation>
    </message>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>Échec du partage du compte (HTTP %1)</translation>
    </message>
    <message>
        <source>Failed to share account: the answer did not come from the sharing service.</source>
        <translation>Échec du partage du compte&#xa0;: la réponse ne venait pas du service de partage.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Erreur de base de données</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

%2</source>
        <translation>Impossible d&apos;initialiser la base de données.

Dossier des données&#xa0;: %1

%2</translation>
    </message>
    <message>
        <source>Ledgerine Is Already Running</source>
        <translation>Ledgerine est déjà ouvert</translation>
    </message>
    <message>
        <source>Ledgerine is already running with this data folder:

%1

Switch to its window, or close it before starting Ledgerine again.</source>
        <translation>Ledgerine est déjà ouvert avec ce dossier de données&#xa0;:

%1

Passez à sa fenêtre, ou fermez-le avant de relancer Ledgerine.</translation>
    </message>
</context>
<context>
    <name>BackupArchive</name>
    <message>
        <source>too many entries</source>
        <translation>trop d&apos;entrées</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 est trop volumineux</translation>
    </message>
    <message>
        <source>the contents are too large</source>
        <translation>le contenu est trop volumineux</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>Impossible d&apos;ouvrir l&apos;archive ZIP</translation>
    </message>
    <message>
        <source>%1: damaged entry</source>
        <translation>%1&#xa0;: entrée endommagée</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1&#xa0;: JSON non valide</translation>
    </message>
    <message>
        <source>Invalid backup: unexpected entry %1</source>
        <translation>Sauvegarde non valide&#xa0;: entrée inattendue %1</translation>
    </message>
    <message>
        <source>Invalid backup: %1</source>
        <translation>Sauvegarde non valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Sauvegarde non valide&#xa0;: manifest.json manquant</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Version de sauvegarde non prise en charge&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>%1: the backup holds %2 of the %3 rows its manifest lists</source>
        <translation>%1&#xa0;: la sauvegarde contient %2 lignes sur les %3 que son manifeste annonce</translation>
    </message>
    <message>
        <source>%1: the other side of its transfer, %2, is not restored; it is kept as an ordinary transaction</source>
        <translation>%1&#xa0;: la contrepartie de son virement, %2, n&apos;est pas restaurée&#xa0;; l&apos;opération est conservée comme opération ordinaire</translation>
    </message>
    <message>
        <source>%1: %2 %3 is not restored from this backup</source>
        <translation>%1&#xa0;: %2 %3 n&apos;est pas restauré depuis cette sauvegarde</translation>
    </message>
    <message>
        <source>split_lines: the lines of transaction %1 in the backup do not add up to its amount; its lines in the ledger are kept</source>
        <translation>split_lines&#xa0;: les lignes de ventilation de l&apos;opération %1 dans la sauvegarde ne correspondent pas à son montant&#xa0;; ses lignes dans le fichier des comptes sont conservées</translation>
    </message>
    <message>
        <source>%1: id %2 is already in use</source>
        <translation>%1&#xa0;: l&apos;identifiant %2 est déjà utilisé</translation>
    </message>
    <message>
        <source>%1: id %2 appears more than once</source>
        <translation>%1&#xa0;: l&apos;identifiant %2 apparaît plusieurs fois</translation>
    </message>
    <message>
        <source>%1: %2 %3 does not exist</source>
        <translation>%1&#xa0;: %2 %3 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1: the starting balance would take the account&apos;s balance beyond what a balance can hold</source>
        <translation>%1&#xa0;: le solde initial porterait le solde du compte au-delà de ce qu&apos;un solde peut contenir</translation>
    </message>
    <message>
        <source>%1: the amount would take the balance of account %2 beyond what a balance can hold</source>
        <translation>%1&#xa0;: le montant porterait le solde du compte %2 au-delà de ce qu&apos;un solde peut contenir</translation>
    </message>
    <message>
        <source>the database ended the restore&apos;s transaction after an error</source>
        <translation>la base de données a mis fin à la transaction de la restauration après une erreur</translation>
    </message>
    <message>
        <source>split_lines: the lines of transaction %1 do not add up to its amount, and no line could be added for the difference</source>
        <translation>split_lines&#xa0;: les lignes de l&apos;opération %1 n&apos;égalent pas son montant, et aucune ligne n&apos;a pu être ajoutée pour la différence</translation>
    </message>
    <message>
        <source>%1: the id starting &quot;%2&quot; is longer than %3 characters; the row is not restored</source>
        <translation>%1&#xa0;: l&apos;identifiant commençant par «&#xa0;%2&#xa0;» dépasse %3 caractères&#xa0;; la ligne n&apos;est pas restaurée</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>A backup or restore is already running.</source>
        <translation>Une sauvegarde ou une restauration est déjà en cours.</translation>
    </message>
    <message>
        <source>Nothing was restored: database error: %1</source>
        <translation>Rien n&apos;a été restauré&#xa0;: erreur de base de données&#xa0;: %1</translation>
    </message>
    <message>
        <source>The ledger could not be read into a backup.</source>
        <translation>Le fichier des comptes n&apos;a pas pu être lu pour en faire une sauvegarde.</translation>
    </message>
    <message>
        <source>The backup made does not read back: %1</source>
        <translation>La sauvegarde créée ne peut pas être relue&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 of %2 bytes were written: %3</source>
        <translation>%1 octets sur %2 ont été écrits&#xa0;: %3</translation>
    </message>
    <message>
        <source>The file written does not hold the backup made.</source>
        <translation>Le fichier écrit ne contient pas la sauvegarde créée.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Le fichier n&apos;a pas pu être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>Le fichier n&apos;a pas pu être lu&#xa0;: ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file is larger than any backup this program writes.</source>
        <translation>Le fichier est plus volumineux que toute sauvegarde écrite par ce programme.</translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation>Le fichier a été modifié pendant sa lecture.</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...et %n autre.</numerusform>
            <numerusform>...et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>These rows have an id longer than %1 characters, which no restore takes, and were left out of the backup:</source>
        <translation>Ces lignes ont un identifiant de plus de %1 caractères, qu&apos;aucune restauration n&apos;accepte, et ont été laissées hors de la sauvegarde&#xa0;:</translation>
    </message>
    <message>
        <source>These rows are larger than a restore reads and were left out of the backup:</source>
        <translation>Ces lignes sont plus grandes que ce qu&apos;une restauration lit et ont été laissées hors de la sauvegarde&#xa0;:</translation>
    </message>
    <message>
        <source>The ledger is too large for one backup: %1.</source>
        <translation>Le fichier des comptes est trop volumineux pour une seule sauvegarde&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>BackupTable</name>
    <message>
        <source>%1: missing %2</source>
        <translation>%1&#xa0;: %2 manquant</translation>
    </message>
    <message>
        <source>%1: invalid value for %2</source>
        <translation>%1&#xa0;: valeur non valide pour %2</translation>
    </message>
    <message>
        <source>%1: unknown %2 &quot;%3&quot;</source>
        <translation>%1&#xa0;: %2 inconnu &quot;%3&quot;</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Rechercher des catégories...</translation>
    </message>
    <message>
        <source>Search categories</source>
        <translation>Rechercher des catégories</translation>
    </message>
    <message>
        <source>+ &amp;New Category</source>
        <translation>+ &amp;Nouvelle catégorie</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nouvelle catégorie</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>Ajouter une sous-&amp;catégorie</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Category Not Saved</source>
        <translation>Catégorie non enregistrée</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be saved.</source>
        <translation>La catégorie &quot;%1&quot; n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>Les modifications de &quot;%1&quot; n&apos;ont pas pu être enregistrées.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Supprimer la catégorie</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>Supprimer &quot;%1&quot;&#xa0;? Les opérations de cette catégorie n&apos;auront plus de catégorie.</translation>
    </message>
    <message>
        <source>Category Not Deleted</source>
        <translation>Catégorie non supprimée</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be deleted.</source>
        <translation>La catégorie &quot;%1&quot; n&apos;a pas pu être supprimée.</translation>
    </message>
</context>
<context>
    <name>CategoryChoices</name>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
    <message>
        <source>Transfer to/from: %1</source>
        <translation>Virement de/vers&#xa0;: %1</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Virement vers %1</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Virement de %1</translation>
    </message>
    <message>
        <source>(unknown category)</source>
        <translation>(catégorie inconnue)</translation>
    </message>
</context>
<context>
    <name>CategoryComboBox</name>
    <message>
        <source>There is no category named &quot;%1&quot;. Create it as an income category?</source>
        <translation>Il n&apos;existe aucune catégorie nommée &quot;%1&quot;. La créer comme catégorie de revenus&#xa0;?</translation>
    </message>
    <message>
        <source>There is no category named &quot;%1&quot;. Create it as an expense category?</source>
        <translation>Il n&apos;existe aucune catégorie nommée &quot;%1&quot;. La créer comme catégorie de dépenses&#xa0;?</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>Edit Category</source>
        <translation>Modifier la catégorie</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nouvelle catégorie</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nouvelle sous-catégorie</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Catégorie &amp;parente&#xa0;:</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nom de la catégorie</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Dépense</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenu</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type&#xa0;:</translation>
    </message>
    <message>
        <source>Tax-&amp;relevant</source>
        <translation>Concerne les &amp;impôts</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Inclure cette catégorie dans les rapports préparant la déclaration d&apos;impôts.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>p. ex. charitable_contributions, mortgage_interest</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>&amp;Code fiscal&#xa0;:</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Virement</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Salaire</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Primes</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Intérêts perçus</translation>
    </message>
    <message>
        <source>Dividends</source>
        <translation>Dividendes</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Cadeaux reçus</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Autres revenus</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Logement</translation>
    </message>
    <message>
        <source>Rent</source>
        <translation>Loyer</translation>
    </message>
    <message>
        <source>Mortgage</source>
        <translation>Prêt immobilier</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Taxe foncière</translation>
    </message>
    <message>
        <source>Home Insurance</source>
        <translation>Assurance habitation</translation>
    </message>
    <message>
        <source>Home Maintenance</source>
        <translation>Entretien du logement</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Charges courantes</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Électricité</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Eau</translation>
    </message>
    <message>
        <source>Gas &amp; Heating</source>
        <translation>Gaz et chauffage</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Téléphone</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimentation</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Courses</translation>
    </message>
    <message>
        <source>Restaurants</source>
        <translation>Restaurants</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transports</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Carburant</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Assurance auto</translation>
    </message>
    <message>
        <source>Auto Maintenance</source>
        <translation>Entretien auto</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transports en commun</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Santé</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Frais médicaux</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>Pharmacie</translation>
    </message>
    <message>
        <source>Health Insurance</source>
        <translation>Assurance santé</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Dépenses personnelles</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Vêtements</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Soins personnels</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Loisirs</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Abonnements</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Éducation</translation>
    </message>
    <message>
        <source>Giving</source>
        <translation>Dons et cadeaux</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>Dons aux associations</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Cadeaux</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Frais bancaires</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>Virements</translation>
    </message>
    <message>
        <source>Credit Card Payment</source>
        <translation>Remboursement de carte de crédit</translation>
    </message>
    <message>
        <source>Savings Transfer</source>
        <translation>Virement vers l&apos;épargne</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
</context>
<context>
    <name>CsvPreview</name>
    <message>
        <source>The file holds no rows to import.</source>
        <translation>Le fichier ne contient aucune ligne à importer.</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>DataSyncTexts</name>
    <message>
        <source>Not signed in.
Sign in via File › Tandrel Account to enable sync.</source>
        <translation>Non connecté.
Connectez-vous via Fichier › Compte Tandrel pour activer la synchronisation.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Connecté en tant que&#xa0;:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;État&#xa0;:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Jamais synchronisé</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Dernière synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erreur&#xa0;: %1</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Tout remplacer par les données de la sauvegarde</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Garder le plus récent (comparer les horodatages)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Ignorer les éléments existants</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Sauvegarde terminée</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Sauvegarde enregistrée dans&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>Impossible d&apos;écrire dans&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Échec de la sauvegarde</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...et %n autre.</numerusform>
            <numerusform>...et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l&apos;importation</translation>
    </message>
    <message>
        <source>Nothing was imported.

%1</source>
        <translation>Rien n&apos;a été importé.

%1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n item(s), skipped %1.</source>
        <translation>
            <numerusform>%n élément importé, %1 ignoré(s).</numerusform>
            <numerusform>%n éléments importés, %1 ignoré(s).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s) occurred:</source>
        <translation>
            <numerusform>%n erreur s&apos;est produite&#xa0;:</numerusform>
            <numerusform>%n erreurs se sont produites&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>You are not signed in. Sign in via File › Tandrel Account, then try again.</source>
        <translation>Vous n&apos;êtes pas connecté. Connectez-vous via Fichier › Compte Tandrel, puis réessayez.</translation>
    </message>
    <message>
        <source>An import or a restore is still writing to your data. Try again when it has finished.</source>
        <translation>Une importation ou une restauration écrit encore dans vos données. Réessayez lorsqu&apos;elle sera terminée.</translation>
    </message>
    <message>
        <source>Your data could not be prepared for a full sync, so nothing was sent. Try again; if it keeps failing, check that the disk has free space.</source>
        <translation>Vos données n&apos;ont pas pu être préparées pour une synchronisation complète&#xa0;; rien n&apos;a été envoyé. Réessayez&#xa0;; si l&apos;échec persiste, vérifiez qu&apos;il reste de l&apos;espace libre sur le disque.</translation>
    </message>
    <message>
        <source>Full Sync Not Started</source>
        <translation>Synchronisation complète non lancée</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) from the sync service cannot be read by this version of Ledgerine yet. They are kept, and tried again at every sync; an update may read them.</source>
        <translation>
            <numerusform>%n enregistrement du service de synchronisation ne peut pas encore être lu par cette version de Ledgerine. Il est conservé et réessayé à chaque synchronisation&#xa0;; une mise à jour pourra le lire.</numerusform>
            <numerusform>%n enregistrements du service de synchronisation ne peuvent pas encore être lus par cette version de Ledgerine. Ils sont conservés et réessayés à chaque synchronisation&#xa0;; une mise à jour pourra les lire.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) given an uncategorized line so their lines add up to the total</source>
        <translation>
            <numerusform>%n opération ventilée a reçu une ligne sans catégorie pour que ses lignes égalent le total</numerusform>
            <numerusform>%n opérations ventilées ont reçu une ligne sans catégorie pour que leurs lignes égalent le total</numerusform>
        </translation>
    </message>
    <message>
        <source>This ledger last synced with another account. Answer whether to upload it to yours first.</source>
        <translation>Ce fichier des comptes a été synchronisé pour la dernière fois avec un autre compte. Indiquez d&apos;abord s&apos;il faut l&apos;envoyer vers le vôtre.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The ledger file is damaged: restore it from a backup and try again.</source>
        <translation>Le fichier des comptes est endommagé&#xa0;: restaurez-le à partir d&apos;une sauvegarde et réessayez.</translation>
    </message>
    <message>
        <source>The ledger was written by a newer version of Ledgerine: install that version to open it.</source>
        <translation>Le fichier des comptes a été écrit par une version plus récente de Ledgerine&#xa0;: installez cette version pour l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>The file ledgerine.db there is not a Ledgerine ledger: move it out of the folder to start a new ledger.</source>
        <translation>Le fichier ledgerine.db de ce dossier n&apos;est pas un fichier de comptes Ledgerine&#xa0;: sortez-le du dossier pour commencer un nouveau fichier de comptes.</translation>
    </message>
    <message>
        <source>The ledger or its folder is read-only: allow writing to them and try again.</source>
        <translation>Le fichier des comptes ou son dossier est en lecture seule&#xa0;: autorisez-y l&apos;écriture et réessayez.</translation>
    </message>
    <message>
        <source>Another program has locked the ledger: close it and try again.</source>
        <translation>Un autre programme a verrouillé le fichier des comptes&#xa0;: fermez-le et réessayez.</translation>
    </message>
    <message>
        <source>The disk is full: free some space and try again.</source>
        <translation>Le disque est plein&#xa0;: libérez de l&apos;espace et réessayez.</translation>
    </message>
    <message>
        <source>Please check file permissions and try again.</source>
        <translation>Vérifiez les droits d&apos;accès aux fichiers et réessayez.</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/JJ/AAAA</translation>
    </message>
    <message>
        <source>Enter the date as month/day/year, for example 12/31/2026.</source>
        <translation>Saisissez la date sous la forme mois/jour/année, par exemple 12/31/2026.</translation>
    </message>
    <message>
        <source>Choose the date from a calendar (Alt+Down)</source>
        <translation>Choisir la date dans un calendrier (Alt+Bas)</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
</context>
<context>
    <name>DateRange</name>
    <message>
        <source>This Month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mois dernier</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Ce trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre dernier</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Année dernière</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>30 derniers jours</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>90 derniers jours</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>12 derniers mois</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Toute la période</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
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
        <translation>Début</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Fin</translation>
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
        <translation>&amp;Paiement</translation>
    </message>
    <message>
        <source>&amp;Deposit</source>
        <translation>&amp;Dépôt</translation>
    </message>
    <message>
        <source>Type a minus sign to switch between payment and deposit</source>
        <translation>Tapez un signe moins pour basculer entre paiement et dépôt</translation>
    </message>
    <message>
        <source>Invalid Amount</source>
        <translation>Montant non valide</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a complete amount. Correct it, or clear it for none.</source>
        <translation>&quot;%1&quot; n&apos;est pas un montant complet. Corrigez-le, ou effacez-le pour n&apos;en indiquer aucun.</translation>
    </message>
</context>
<context>
    <name>ImportFile</name>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Le fichier n&apos;a pas pu être ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>Le fichier n&apos;a pas pu être lu&#xa0;: ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>The file is larger than 100 MB, more than any bank statement holds.</source>
        <translation>Le fichier dépasse 100 Mo, bien plus que n&apos;importe quel relevé bancaire.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>Le fichier n&apos;a pas pu être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation>Le fichier a été modifié pendant sa lecture.</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Auto-detect</source>
        <translation>Détection automatique</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Mois J, AAAA (en anglais&#xa0;: May 14, 2026)</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n doublon ignoré</numerusform>
            <numerusform>%n doublons ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (illisible)</numerusform>
            <numerusform>%n enregistrements ignorés (illisibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n enregistrement de métadonnées ignoré</numerusform>
            <numerusform>%n enregistrements de métadonnées ignorés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n enregistrement ignoré (compte source non associé)</numerusform>
            <numerusform>%n enregistrements ignorés (compte source non associé)</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
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
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Compte&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>First row is &amp;header</source>
        <translation>La première ligne est l&apos;&amp;en-tête</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Correspondance des colonnes CSV&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Date column:</source>
        <translation>Colonne &amp;date&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Payee column:</source>
        <translation>Colonne &amp;bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>A&amp;mount column:</source>
        <translation>Colonne &amp;montant&#xa0;:</translation>
    </message>
    <message>
        <source>M&amp;emo column:</source>
        <translation>Colonne mém&amp;o&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Category column:</source>
        <translation>Colonne ca&amp;tégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Date f&amp;ormat:</source>
        <translation>Fo&amp;rmat de date&#xa0;:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %n row(s) of the file.</source>
        <translation>
            <numerusform>Aperçu limité à %n ligne au début du fichier.</numerusform>
            <numerusform>Aperçu limité aux %n premières lignes du fichier.</numerusform>
        </translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>Comptes sources QIF&#xa0;:</translation>
    </message>
    <message>
        <source>Choose where each QIF source account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Choisissez où importer chaque compte source QIF. Les virements entre les comptes associés dans les fichiers choisis seront reliés automatiquement.</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Aucun fichier choisi</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Choisir un fichier</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Choisir un ou plusieurs fichiers QIF</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>Fichiers QIF (*.qif)</translation>
    </message>
    <message>
        <source>File Not Read</source>
        <translation>Fichier non lu</translation>
    </message>
    <message>
        <source>%1 cannot be imported.

%2</source>
        <translation>%1 ne peut pas être importé.

%2</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Col. %1</translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analyse du ou des fichiers QIF...</translation>
    </message>
    <message>
        <source>The chosen files cannot be imported.

%1</source>
        <translation>Les fichiers choisis ne peuvent pas être importés.

%1</translation>
    </message>
    <message>
        <source>Nothing to Import</source>
        <translation>Rien à importer</translation>
    </message>
    <message>
        <source>The chosen files hold no transactions.</source>
        <translation>Les fichiers choisis ne contiennent aucune opération.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n fichier sélectionné</numerusform>
            <numerusform>%n fichiers sélectionnés</numerusform>
        </translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Aucun compte de destination</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Choisissez un compte dans lequel importer, ou créez-en un dès maintenant.</translation>
    </message>
    <message>
        <source>Account Not Saved</source>
        <translation>Compte non enregistré</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be saved; nothing was imported.</source>
        <translation>Le compte &quot;%1&quot; n&apos;a pas pu être enregistré&#xa0;; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Accounts Not Saved</source>
        <translation>Comptes non enregistrés</translation>
    </message>
    <message>
        <source>The new accounts could not be saved; nothing was imported.

%1</source>
        <translation>Les nouveaux comptes n&apos;ont pas pu être enregistrés&#xa0;; rien n&apos;a été importé.

%1</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>L&apos;importation a échoué.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back.</source>
        <translation>Une erreur de base de données a interrompu l&apos;importation et toutes les modifications ont été annulées.</translation>
    </message>
    <message>
        <source>No transactions were added.</source>
        <translation>Aucune opération n&apos;a été ajoutée.</translation>
    </message>
    <message numerus="yes">
        <source>%n new account(s) made for this import are kept for importing these files again:</source>
        <translation>
            <numerusform>%n nouveau compte créé pour cette importation est conservé pour importer de nouveau ces fichiers&#xa0;:</numerusform>
            <numerusform>%n nouveaux comptes créés pour cette importation sont conservés pour importer de nouveau ces fichiers&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>Importation terminée&#xa0;!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n opération importée</numerusform>
            <numerusform>%n opérations importées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n virement relié entre comptes</numerusform>
            <numerusform>%n virements reliés entre comptes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (dont %n relié à une ligne importée précédemment)</numerusform>
            <numerusform>  (dont %n reliés à des lignes importées précédemment)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) given an uncategorized line so their lines add up to the total</source>
        <translation>
            <numerusform>%n opération ventilée a reçu une ligne sans catégorie pour que ses lignes égalent le total</numerusform>
            <numerusform>%n opérations ventilées ont reçu une ligne sans catégorie pour que leurs lignes égalent le total</numerusform>
        </translation>
    </message>
    <message>
        <source>Dates read as day/month/year</source>
        <translation>Dates lues au format jour/mois/année</translation>
    </message>
    <message>
        <source>Dates read as month/day/year</source>
        <translation>Dates lues au format mois/jour/année</translation>
    </message>
    <message numerus="yes">
        <source>And %n more record(s) not imported for these reasons.</source>
        <translation>
            <numerusform>Et %n autre enregistrement non importé pour ces raisons.</numerusform>
            <numerusform>Et %n autres enregistrements non importés pour ces raisons.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %n column(s) of the file; only these can be mapped.</source>
        <translation>
            <numerusform>Aperçu limité à %n colonne au début du fichier&#xa0;; seule celle-ci peut être associée.</numerusform>
            <numerusform>Aperçu limité aux %n premières colonnes du fichier&#xa0;; seules celles-ci peuvent être associées.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Another import is running.</source>
        <translation>Une autre importation est en cours.</translation>
    </message>
    <message>
        <source>The account to import into does not exist.</source>
        <translation>Le compte de destination n&apos;existe pas.</translation>
    </message>
    <message numerus="yes">
        <source>A quote opened on line %1 is never closed: %n line(s) from line %2 on were not imported.</source>
        <translation>
            <numerusform>Un guillemet ouvert à la ligne %1 n&apos;est jamais fermé&#xa0;: %n ligne à partir de la ligne %2 n&apos;a pas été importée.</numerusform>
            <numerusform>Un guillemet ouvert à la ligne %1 n&apos;est jamais fermé&#xa0;: %n lignes à partir de la ligne %2 n&apos;ont pas été importées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Ligne %1</translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (sans en-tête de compte)</translation>
    </message>
    <message>
        <source>An account to import into does not exist.</source>
        <translation>Un compte de destination n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The category %1</source>
        <translation>La catégorie %1</translation>
    </message>
    <message>
        <source>%1 could not be stored (%2): nothing was imported.</source>
        <translation>%1&#xa0;: enregistrement impossible (%2)&#xa0;; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>%1: the amount would take the account&apos;s balance beyond what a balance can hold: nothing was imported.</source>
        <translation>%1&#xa0;: le montant porterait le solde du compte au-delà de ce qu&apos;un solde peut contenir&#xa0;; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>Another program is writing to the ledger and did not finish in time: nothing was imported. Try again once it has finished.</source>
        <translation>Un autre programme écrit dans le fichier des comptes et n&apos;a pas terminé à temps&#xa0;: rien n&apos;a été importé. Réessayez une fois qu&apos;il aura terminé.</translation>
    </message>
    <message>
        <source>The import could not begin: %1</source>
        <translation>L&apos;importation n&apos;a pas pu commencer&#xa0;: %1</translation>
    </message>
    <message>
        <source>The database ended the import after an error (%1): nothing was imported.</source>
        <translation>La base de données a mis fin à l&apos;importation après une erreur (%1)&#xa0;: rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The import stopped; nothing was imported.</source>
        <translation>L&apos;importation s&apos;est arrêtée&#xa0;; rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The import could not be stored: %1</source>
        <translation>L&apos;importation n&apos;a pas pu être enregistrée&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: the amount has more decimal places than the account&apos;s currency (%2) has; the record was not imported.</source>
        <translation>%1&#xa0;: le montant a plus de décimales que n&apos;en a la devise du compte (%2)&#xa0;; l&apos;enregistrement n&apos;a pas été importé.</translation>
    </message>
    <message>
        <source>%1: the line is longer than %2 characters, more than any transaction takes; its record was not imported.</source>
        <translation>%1&#xa0;: la ligne dépasse %2 caractères, plus qu&apos;aucune opération n&apos;en occupe&#xa0;; son enregistrement n&apos;a pas été importé.</translation>
    </message>
    <message>
        <source>%1: the row has no field in the date, payee or amount column; it was not imported.</source>
        <translation>%1&#xa0;: il manque à la ligne un champ dans la colonne de date, de bénéficiaire ou de montant&#xa0;; elle n&apos;a pas été importée.</translation>
    </message>
    <message>
        <source>%1: the date does not match the chosen date format; the row was not imported.</source>
        <translation>%1&#xa0;: la date ne correspond pas au format de date choisi&#xa0;; la ligne n&apos;a pas été importée.</translation>
    </message>
    <message>
        <source>%1: the date cannot be read; the row was not imported.</source>
        <translation>%1&#xa0;: la date est illisible&#xa0;; la ligne n&apos;a pas été importée.</translation>
    </message>
    <message>
        <source>%1: the amount cannot be read; the row was not imported.</source>
        <translation>%1&#xa0;: le montant est illisible&#xa0;; la ligne n&apos;a pas été importée.</translation>
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
        <translation>Comptes</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Compte</translation>
    </message>
    <message>
        <source>&amp;Transactions</source>
        <translation>&amp;Opérations</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Rapports</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>O&amp;utils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Import Transactions...</source>
        <translation>&amp;Importer des opérations...</translation>
    </message>
    <message>
        <source>Tandrel &amp;Account</source>
        <translation>Compte &amp;Tandrel</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>&amp;Se connecter...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>Se &amp;déconnecter</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;New Account...</source>
        <translation>&amp;Nouveau compte...</translation>
    </message>
    <message>
        <source>&amp;Edit Account...</source>
        <translation>&amp;Modifier le compte...</translation>
    </message>
    <message>
        <source>&amp;Delete Account</source>
        <translation>&amp;Supprimer le compte</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Rapprocher...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historique des rapprochements...</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nouvelle opération...</translation>
    </message>
    <message>
        <source>&amp;Edit Transaction...</source>
        <translation>&amp;Modifier l&apos;opération...</translation>
    </message>
    <message>
        <source>&amp;Delete Transaction</source>
        <translation>&amp;Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>&amp;Memorize as Recurring...</source>
        <translation>Mémoriser en opération &amp;périodique...</translation>
    </message>
    <message>
        <source>&amp;Recurring Transactions...</source>
        <translation>&amp;Opérations périodiques...</translation>
    </message>
    <message>
        <source>&amp;Categories...</source>
        <translation>&amp;Catégories...</translation>
    </message>
    <message>
        <source>&amp;Payees...</source>
        <translation>&amp;Bénéficiaires...</translation>
    </message>
    <message>
        <source>&amp;Reports...</source>
        <translation>&amp;Rapports...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Rechercher des &amp;mises à jour...</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New</source>
        <translation>&amp;Nouveautés</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Envoyer des &amp;commentaires...</translation>
    </message>
    <message>
        <source>&amp;About Tandrel Ledgerine</source>
        <translation>À &amp;propos de Tandrel Ledgerine</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Synchronisation terminée</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Échec de la synchronisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Choisissez d&apos;abord un compte</translation>
    </message>
    <message>
        <source>Account Not Saved</source>
        <translation>Compte non enregistré</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be saved.</source>
        <translation>Le compte &quot;%1&quot; n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>Account Not Found</source>
        <translation>Compte introuvable</translation>
    </message>
    <message>
        <source>The account could not be read.</source>
        <translation>Le compte n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>Les modifications de &quot;%1&quot; n&apos;ont pas pu être enregistrées.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Supprimer le compte</translation>
    </message>
    <message>
        <source>Delete the account &quot;%1&quot; with all its transactions, recurring transactions and reconciliations?</source>
        <translation>Supprimer le compte &quot;%1&quot; avec toutes ses opérations, opérations périodiques et rapprochements&#xa0;?</translation>
    </message>
    <message>
        <source>Account Not Deleted</source>
        <translation>Compte non supprimé</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be deleted; nothing was changed.</source>
        <translation>Le compte &quot;%1&quot; n&apos;a pas pu être supprimé&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Rapprocher — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations périodiques</translation>
    </message>
    <message>
        <source>Memorized as a recurring transaction</source>
        <translation>Mémorisée en opération périodique</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importer des opérations</translation>
    </message>
    <message>
        <source>About Tandrel Ledgerine</source>
        <translation>À propos de Tandrel Ledgerine</translation>
    </message>
    <message>
        <source>Tandrel Ledgerine %1

A check register for household finances.</source>
        <translation>Tandrel Ledgerine %1

Un registre de comptes pour les finances du foyer.</translation>
    </message>
    <message>
        <source>You are signed in; your accounts appear here once they have synced.</source>
        <translation>Vous êtes connecté&#xa0;; vos comptes apparaîtront ici une fois synchronisés.</translation>
    </message>
    <message>
        <source>Finish signing in in your browser...</source>
        <translation>Terminez la connexion dans votre navigateur...</translation>
    </message>
    <message>
        <source>Signed out. Your data stays on this device.</source>
        <translation>Déconnecté. Vos données restent sur cet appareil.</translation>
    </message>
    <message>
        <source>Signed in</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Sign-In Failed</source>
        <translation>Échec de la connexion</translation>
    </message>
    <message>
        <source>Signing in did not complete.

%1</source>
        <translation>La connexion n&apos;a pas abouti.

%1</translation>
    </message>
    <message>
        <source>Signed Out</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Votre session a pris fin. Reconnectez-vous pour continuer à synchroniser.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Plus tard</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>%n opération périodique saisie automatiquement</numerusform>
            <numerusform>%n opérations périodiques saisies automatiquement</numerusform>
        </translation>
    </message>
    <message>
        <source>Tandrel &amp;Account...</source>
        <translation>Compte &amp;Tandrel...</translation>
    </message>
    <message>
        <source>&amp;Share Account...</source>
        <translation>&amp;Partager le compte...</translation>
    </message>
    <message>
        <source>Tandrel Account</source>
        <translation>Compte Tandrel</translation>
    </message>
    <message numerus="yes">
        <source>Sync complete; %n record(s) cannot be read by this version yet</source>
        <translation>
            <numerusform>Synchronisation terminée&#xa0;; %n enregistrement ne peut pas encore être lu par cette version</numerusform>
            <numerusform>Synchronisation terminée&#xa0;; %n enregistrements ne peuvent pas encore être lus par cette version</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign-in cancelled. You are not signed in.</source>
        <translation>Connexion annulée. Vous n&apos;êtes pas connecté.</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>&amp;Rename Selected</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>&amp;Merge Selected</source>
        <translation>&amp;Fusionner</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestion des bénéficiaires</translation>
    </message>
    <message>
        <source>Search payees...</source>
        <translation>Rechercher des bénéficiaires...</translation>
    </message>
    <message>
        <source>Search payees</source>
        <translation>Rechercher des bénéficiaires</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Re&amp;name to:</source>
        <translation>Renommer &amp;en&#xa0;:</translation>
    </message>
    <message>
        <source>New payee name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Sélectionnez au moins 2 bénéficiaires à fusionner.</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <source>The payees could not be renamed; nothing was changed.</source>
        <translation>Les bénéficiaires n&apos;ont pas pu être renommés&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Renommage terminé</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>%n opération renommée.</numerusform>
            <numerusform>%n opérations renommées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Fusionner des bénéficiaires</translation>
    </message>
    <message numerus="yes">
        <source>Merge %n payee(s) into &quot;%1&quot;?</source>
        <translation>
            <numerusform>Fusionner %n bénéficiaire en &quot;%1&quot;&#xa0;?</numerusform>
            <numerusform>Fusionner %n bénéficiaires en &quot;%1&quot;&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Échec de la fusion</translation>
    </message>
    <message>
        <source>The payees could not be merged; nothing was changed.</source>
        <translation>Les bénéficiaires n&apos;ont pas pu être fusionnés&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Fusion terminée</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Fusion appliquée à %n opération.</numerusform>
            <numerusform>Fusion appliquée à %n opérations.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferenceChoices</name>
    <message>
        <source>System Default</source>
        <translation>Selon le système</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Petite</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Très grande</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lundi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samedi</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>Aucune note de version disponible pour %1 %2</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Recherche de mises à jour…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 est à jour (version %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>Échec de la recherche de mises à jour&#xa0;: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
    <message>
        <source>Page Not Opened</source>
        <translation>Page non ouverte</translation>
    </message>
    <message>
        <source>This link does not lead to a web page, so it was not opened.</source>
        <translation>Ce lien ne mène pas à une page web&#xa0;; il n&apos;a donc pas été ouvert.</translation>
    </message>
    <message>
        <source>The page could not be opened in your browser.</source>
        <translation>La page n&apos;a pas pu être ouverte dans votre navigateur.</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Partager le compte</translation>
    </message>
    <message>
        <source>Share “%1”</source>
        <translation>Partager “%1”</translation>
    </message>
    <message>
        <source>Members of your family group whom you share this account with see it and its transactions on their own computers once they sync.</source>
        <translation>Les membres de votre groupe familial avec qui vous partagez ce compte le voient, avec ses opérations, sur leur propre ordinateur après synchronisation.</translation>
    </message>
    <message>
        <source>People with access</source>
        <translation>Personnes ayant accès</translation>
    </message>
    <message>
        <source>Add people from your group</source>
        <translation>Ajouter des personnes de votre groupe</translation>
    </message>
    <message>
        <source>Only you can see this account.</source>
        <translation>Vous seul pouvez voir ce compte.</translation>
    </message>
    <message>
        <source>Nobody else is in your family group yet. Invite people to your group to share accounts with them.</source>
        <translation>Personne d&apos;autre ne fait encore partie de votre groupe familial. Invitez des personnes dans votre groupe pour partager des comptes avec elles.</translation>
    </message>
    <message>
        <source>Everyone in your group already has access.</source>
        <translation>Tous les membres de votre groupe y ont déjà accès.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Retirer l&apos;accès</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Could not share the account</source>
        <translation>Impossible de partager le compte</translation>
    </message>
    <message>
        <source>Could not remove access</source>
        <translation>Impossible de retirer l&apos;accès</translation>
    </message>
    <message>
        <source>Remove Access</source>
        <translation>Retirer l&apos;accès</translation>
    </message>
    <message>
        <source>%1 will no longer see this account. Remove their access?</source>
        <translation>%1 ne verra plus ce compte. Retirer son accès&#xa0;?</translation>
    </message>
</context>
<context>
    <name>QifAccountMapping</name>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Créer le nouveau compte &quot;%1&quot; —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Ignorer ces opérations —</translation>
    </message>
</context>
<context>
    <name>QifImportWriter</name>
    <message>
        <source>Imported transaction</source>
        <translation>Opération importée</translation>
    </message>
    <message>
        <source>A transfer stored before changed while the import ran: nothing was imported.</source>
        <translation>Un virement enregistré auparavant a changé pendant l&apos;importation&#xa0;: rien n&apos;a été importé.</translation>
    </message>
    <message>
        <source>The other side of a transfer stored before</source>
        <translation>La contrepartie d&apos;un virement enregistré auparavant</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, ligne %2</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historique des rapprochements</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Aucun rapprochement pour l&apos;instant. Rapprochez votre compte depuis le registre pour en voir l&apos;historique ici.</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Rapprochements précédents de ce compte.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Date du relevé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Solde rapproché</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Terminé le</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historique des rapprochements — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>P</translation>
    </message>
    <message>
        <source>C</source>
        <translation>P</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Transaction Not Saved</source>
        <translation>Opération non enregistrée</translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation>Rapprocher le compte</translation>
    </message>
    <message>
        <source>Statement Da&amp;te:</source>
        <translation>Date du &amp;relevé&#xa0;:</translation>
    </message>
    <message>
        <source>Statement &amp;Balance:</source>
        <translation>S&amp;olde du relevé&#xa0;:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Solde précédent</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Dépôts pointés</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Paiements pointés</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Solde pointé</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Solde du relevé</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>&amp;Finish Reconciliation</source>
        <translation>&amp;Terminer le rapprochement</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Add Transaction</source>
        <translation>A&amp;jouter une opération</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Ajouter une opération (%1)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Modifier l&apos;opération sélectionnée (F2)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Supprimer l&apos;opération sélectionnée (Del)</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Invalid Date</source>
        <translation>Date non valide</translation>
    </message>
    <message>
        <source>Enter the statement date as month/day/year, for example 12/31/2026.</source>
        <translation>Saisissez la date du relevé sous la forme mois/jour/année, par exemple 12/31/2026.</translation>
    </message>
    <message>
        <source>Reconciliation Not Saved</source>
        <translation>Rapprochement non enregistré</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved, so nothing was changed. The transactions have been read again: check them and finish again.</source>
        <translation>Le rapprochement n&apos;a pas pu être enregistré&#xa0;; rien n&apos;a donc été modifié. Les opérations ont été relues&#xa0;: vérifiez-les et terminez de nouveau.</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Rapprochement terminé</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>Compte rapproché avec succès.</translation>
    </message>
</context>
<context>
    <name>RecurringActions</name>
    <message>
        <source>(no payee)</source>
        <translation>(aucun bénéficiaire)</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>Échec de l&apos;enregistrement</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved: %1.</source>
        <translation>L&apos;opération périodique n&apos;a pas pu être enregistrée&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is split into %n line(s).</source>
        <translation>
            <numerusform>L&apos;opération &quot;%1&quot; est ventilée en %n ligne.</numerusform>
            <numerusform>L&apos;opération &quot;%1&quot; est ventilée en %n lignes.</numerusform>
        </translation>
    </message>
    <message>
        <source>Memorize Split Transaction</source>
        <translation>Mémoriser une opération ventilée</translation>
    </message>
    <message>
        <source>A recurring transaction holds one category, so it would repeat the whole %1 without a category and without the split lines. Memorize it anyway?</source>
        <translation>Une opération périodique n&apos;a qu&apos;une catégorie&#xa0;: elle répéterait donc le montant total de %1 sans catégorie ni lignes de ventilation. La mémoriser quand même&#xa0;?</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved: %2.</source>
        <translation>Les modifications de &quot;%1&quot; n&apos;ont pas pu être enregistrées&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>Supprimer l&apos;opération périodique &quot;%1&quot;&#xa0;?</translation>
    </message>
    <message>
        <source>Not Deleted</source>
        <translation>Échec de la suppression</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2.</source>
        <translation>L&apos;opération périodique &quot;%1&quot; n&apos;a pas pu être supprimée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be entered: %2.</source>
        <translation>L&apos;opération périodique &quot;%1&quot; n&apos;a pas pu être saisie&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>Saisir &quot;%1&quot; maintenant, à la date du %2&#xa0;? L&apos;opération est datée de son échéance et vous pourrez la modifier ou la supprimer plus tard.</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Saisir en avance</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be skipped: %2.</source>
        <translation>L&apos;échéance de &quot;%1&quot; n&apos;a pas pu être ignorée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Saisir les 7 prochains jours</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>Saisir toutes les opérations périodiques à échéance dans les 7 prochains jours&#xa0;? Elles sont datées de leur échéance et vous pourrez les modifier ou les supprimer plus tard.</translation>
    </message>
    <message>
        <source>Not Entered</source>
        <translation>Échec de la saisie</translation>
    </message>
    <message>
        <source>Nothing was entered: %1.</source>
        <translation>Rien n&apos;a été saisi&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Changed Meanwhile</source>
        <translation>Modifiée entre-temps</translation>
    </message>
    <message>
        <source>&quot;%1&quot; changed after you chose it: it may have been entered by itself or on another device. Nothing was done; look at it again.</source>
        <translation>L&apos;opération périodique &quot;%1&quot; a changé après votre choix&#xa0;: elle a peut-être été saisie automatiquement ou depuis un autre appareil. Rien n&apos;a été fait&#xa0;; examinez-la de nouveau.</translation>
    </message>
    <message>
        <source>Nothing Left to Enter</source>
        <translation>Plus rien à saisir</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no occurrence left before its end date, so nothing was entered. It is now inactive.</source>
        <translation>L&apos;opération périodique &quot;%1&quot; n&apos;a plus d&apos;échéance avant sa date de fin&#xa0;; rien n&apos;a donc été saisi. Elle est maintenant inactive.</translation>
    </message>
</context>
<context>
    <name>RecurringEditor</name>
    <message>
        <source>the database refused it (%1)</source>
        <translation>la base de données l&apos;a refusée (%1)</translation>
    </message>
    <message>
        <source>it was deleted while the form was open</source>
        <translation>elle a été supprimée pendant que le formulaire était ouvert</translation>
    </message>
    <message>
        <source>its next due date could not be worked out from the new start date</source>
        <translation>sa prochaine échéance n&apos;a pas pu être calculée à partir de la nouvelle date de début</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nouvelle opération périodique</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Modifier l&apos;opération périodique</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Mémoriser l&apos;opération</translation>
    </message>
    <message>
        <source>End Before Start</source>
        <translation>Fin avant le début</translation>
    </message>
    <message>
        <source>The end date, %1, is before the start date, %2. Choose an end date on or after the start.</source>
        <translation>La date de fin, %1, précède la date de début, %2. Choisissez une date de fin identique ou postérieure à la date de début.</translation>
    </message>
    <message>
        <source>No account yet: create one first</source>
        <translation>Aucun compte pour l&apos;instant&#xa0;: créez-en un d&apos;abord</translation>
    </message>
    <message>
        <source>Choose an account</source>
        <translation>Choisissez un compte</translation>
    </message>
    <message>
        <source>A recurring transaction stays in the account it enters its transactions in</source>
        <translation>Une opération périodique reste dans le compte où elle saisit ses opérations</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Rechercher un bénéficiaire...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Dernier jour</translation>
    </message>
    <message>
        <source>Has &amp;end date</source>
        <translation>Avec date de f&amp;in</translation>
    </message>
    <message>
        <source>A&amp;uto-post when due</source>
        <translation>Saisir &amp;automatiquement à l&apos;échéance</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>in advance</comment>
        <translation>
            <numerusform>jour</numerusform>
            <numerusform>jours</numerusform>
        </translation>
    </message>
    <message>
        <source>Acti&amp;ve</source>
        <translation>Acti&amp;ve</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>C&amp;ompte&#xa0;:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>Pa&amp;yee:</source>
        <translation>&amp;Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>A&amp;mount:</source>
        <translation>Mo&amp;ntant&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>Mem&amp;o:</source>
        <translation>&amp;Mémo&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Frequency:</source>
        <translation>&amp;Fréquence&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Repeat every:</source>
        <translation>Inte&amp;rvalle&#xa0;:</translation>
    </message>
    <message>
        <source>F&amp;irst day:</source>
        <translation>Premier &amp;jour&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Second day:</source>
        <translation>&amp;Second jour&#xa0;:</translation>
    </message>
    <message>
        <source>S&amp;tart date:</source>
        <translation>Da&amp;te de début&#xa0;:</translation>
    </message>
    <message>
        <source>End date:</source>
        <translation>Date de fin&#xa0;:</translation>
    </message>
    <message>
        <source>Enter i&amp;n advance:</source>
        <translation>Saisir &amp;en avance&#xa0;:</translation>
    </message>
    <message>
        <source>(deleted account)</source>
        <translation>(compte supprimé)</translation>
    </message>
    <message>
        <source>(deleted category)</source>
        <translation>(catégorie supprimée)</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>jour</numerusform>
            <numerusform>jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>semaine</numerusform>
            <numerusform>semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>month(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>mois</numerusform>
            <numerusform>mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>quarter(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>trimestre</numerusform>
            <numerusform>trimestres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>an</numerusform>
            <numerusform>ans</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid Date</source>
        <translation>Date non valide</translation>
    </message>
    <message>
        <source>Enter the date as month/day/year, for example 12/31/2026.</source>
        <translation>Saisissez la date sous la forme mois/jour/année, par exemple 12/31/2026.</translation>
    </message>
    <message>
        <source>More than one category matches &quot;%1&quot;. Choose one from the list.</source>
        <translation>Plusieurs catégories correspondent à &quot;%1&quot;. Choisissez-en une dans la liste.</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;. Choose one from the list, or clear the field for none.</source>
        <translation>Aucune catégorie ne s&apos;appelle &quot;%1&quot;. Choisissez-en une dans la liste, ou videz le champ pour n&apos;en indiquer aucune.</translation>
    </message>
    <message>
        <source>Choose a Category</source>
        <translation>Choisir une catégorie</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Daily</source>
        <translation>Quotidienne</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Toutes les deux semaines</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuelle</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>Deux fois par mois</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestrielle</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestrielle</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Annuelle</translation>
    </message>
    <message>
        <source>Semi-monthly (%1 &amp; %2)</source>
        <translation>Deux fois par mois (%1 et %2)</translation>
    </message>
    <message numerus="yes">
        <source>Every %n day(s)</source>
        <translation>
            <numerusform>Chaque jour</numerusform>
            <numerusform>Tous les %n jours</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n week(s)</source>
        <translation>
            <numerusform>Chaque semaine</numerusform>
            <numerusform>Toutes les %n semaines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n month(s)</source>
        <translation>
            <numerusform>Chaque mois</numerusform>
            <numerusform>Tous les %n mois</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n year(s)</source>
        <translation>
            <numerusform>Chaque année</numerusform>
            <numerusform>Tous les %n ans</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (×%2)</source>
        <translation>%1 (×%2)</translation>
    </message>
    <message>
        <source>last day</source>
        <translation>dernier jour</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Prochaine échéance</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>%1st</source>
        <comment>day of the month</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1nd</source>
        <comment>day of the month</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1rd</source>
        <comment>day of the month</comment>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1th</source>
        <comment>day of the month</comment>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message>
        <source>Confirm &amp;All Due</source>
        <translation>&amp;Valider toutes les échéances</translation>
    </message>
    <message>
        <source>Enter &amp;Next 7 Days...</source>
        <translation>Saisir les 7 &amp;prochains jours...</translation>
    </message>
    <message>
        <source>Ne&amp;w Recurring...</source>
        <translation>&amp;Nouvelle opération périodique...</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Opérations périodiques</translation>
    </message>
    <message numerus="yes">
        <source>(%n due)</source>
        <translation>
            <numerusform>(%n à échéance)</numerusform>
            <numerusform>(%n à échéance)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Ignorer</translation>
    </message>
    <message>
        <source>E&amp;nter Early...</source>
        <translation>Saisir en &amp;avance...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>RegisterEditor</name>
    <message>
        <source>it was deleted meanwhile</source>
        <translation>elle a été supprimée entre-temps</translation>
    </message>
    <message>
        <source>its account was deleted</source>
        <translation>son compte a été supprimé</translation>
    </message>
    <message>
        <source>its split lines do not add up to its amount</source>
        <translation>ses lignes de ventilation ne correspondent pas à son montant</translation>
    </message>
    <message>
        <source>a split cannot also be a transfer</source>
        <translation>une opération ventilée ne peut pas être aussi un virement</translation>
    </message>
    <message>
        <source>the new category has no id</source>
        <translation>la nouvelle catégorie n&apos;a pas d&apos;identifiant</translation>
    </message>
    <message>
        <source>one of its categories cannot be used in this account</source>
        <translation>l&apos;une de ses catégories ne peut pas être utilisée dans ce compte</translation>
    </message>
    <message>
        <source>the other account of the transfer cannot take it</source>
        <translation>l&apos;autre compte du virement ne peut pas la recevoir</translation>
    </message>
    <message>
        <source>a transfer between currencies needs the amount the other account receives</source>
        <translation>un virement entre devises nécessite le montant que reçoit l&apos;autre compte</translation>
    </message>
    <message>
        <source>the ledger could not be written (%1)</source>
        <translation>le fichier des comptes n&apos;a pas pu être écrit (%1)</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>C</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Dépôt</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>P/R</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Solde</translation>
    </message>
</context>
<context>
    <name>RegisterScreen</name>
    <message>
        <source>New Transaction...</source>
        <translation>Nouvelle opération...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Rapprocher...</translation>
    </message>
    <message>
        <source>Reconcile this account against a bank statement</source>
        <translation>Rapprocher ce compte avec un relevé bancaire</translation>
    </message>
    <message>
        <source>&amp;Memorize as Recurring...</source>
        <translation>&amp;Mémoriser en opération périodique...</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
</context>
<context>
    <name>ReportComparison</name>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Cette année / l&apos;année dernière</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>L&apos;année dernière / l&apos;année d&apos;avant</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Ce trimestre / le trimestre dernier</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
</context>
<context>
    <name>ReportRunner</name>
    <message>
        <source>Checking</source>
        <translation>Compte courant</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Compte d&apos;épargne</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Carte de crédit</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Espèces</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Investissement</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Dépenses par catégorie</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Synthèse par bénéficiaire</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Rapport fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Revenus et dépenses</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>D&apos;une année sur l&apos;autre</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Synthèse des comptes</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Bénéficiaire</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Code fiscal</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Revenus</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Dépenses</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Sorties</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Période 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Période 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Écart</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Compte</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Pointé</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>Non pointé</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Sans catégorie</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Ventilation</translation>
    </message>
    <message>
        <source>Transfer to/from: </source>
        <translation>Virement de/vers&#xa0;: </translation>
    </message>
</context>
<context>
    <name>ReportTableModel</name>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>E&amp;xporter en CSV...</translation>
    </message>
    <message>
        <source>Not every transaction could be read, so this list is incomplete. Choose the period again to retry.</source>
        <translation>Toutes les opérations n&apos;ont pas pu être lues&#xa0;: cette liste est donc incomplète. Choisissez de nouveau la période pour réessayer.</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Compte&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Période&#xa0;:</translation>
    </message>
    <message>
        <source>Co&amp;mpare:</source>
        <translation>Co&amp;mparer&#xa0;:</translation>
    </message>
    <message>
        <source>Period &amp;1:</source>
        <translation>Période &amp;1&#xa0;:</translation>
    </message>
    <message>
        <source>Period &amp;2:</source>
        <translation>Période &amp;2&#xa0;:</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Échec de l&apos;exportation</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;: %2. Nothing was written; choose another place and try again.</source>
        <translation>Le rapport n&apos;a pas pu être enregistré sous &quot;%1&quot;&#xa0;: %2. Rien n&apos;a été écrit&#xa0;; choisissez un autre emplacement et réessayez.</translation>
    </message>
    <message>
        <source>These results are for the last dates that could be read. Type the dates as month/day/year, or choose them from the calendar, to update them.</source>
        <translation>Ces résultats portent sur les dernières dates lisibles. Saisissez les dates sous la forme mois/jour/année, ou choisissez-les dans le calendrier, pour les mettre à jour.</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registre</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Données et synchronisation</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Ctrl+Page Down and Ctrl+Page Up change the page.</source>
        <translation>Ctrl+Page Down et Ctrl+Page Up changent de page.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Control how Tandrel Ledgerine looks.</source>
        <translation>Choisissez l&apos;apparence de Tandrel Ledgerine.</translation>
    </message>
    <message>
        <source>Choose accent color</source>
        <translation>Choisir la couleur d&apos;accentuation</translation>
    </message>
    <message>
        <source>Accent color</source>
        <translation>Couleur d&apos;accentuation</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Paramètres régionaux</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Préférences de date et de calendrier.</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>Premier jour de la semaine</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Présentation des opérations dans le registre.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Affichage sur deux lignes</translation>
    </message>
    <message>
        <source>Auto-decimal point</source>
        <translation>Séparateur décimal automatique</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Afficher le mémo sur une deuxième ligne, sous le bénéficiaire.</translation>
    </message>
    <message>
        <source>Type 1234 to enter 12.34. The last two digits are always cents.</source>
        <translation>Tapez 1234 pour saisir 12.34. Les deux derniers chiffres sont toujours les centimes.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Tri</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Choisissez l&apos;ordre des opérations dans le registre.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Afficher les opérations les plus récentes en premier</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Lorsque cette option est activée, les opérations les plus récentes apparaissent en haut.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Synchronisation</translation>
    </message>
    <message>
        <source>Keep your check register in sync across all your devices.</source>
        <translation>Gardez votre registre synchronisé sur tous vos appareils.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Synchroniser maintenant</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forcer une synchronisation complète</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Sauvegarde et restauration</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Enregistrez vos données dans un fichier de sauvegarde portable, ou restaurez-les à partir de celui-ci.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exporter une sauvegarde</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importer une sauvegarde</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Comptes supprimés</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Les comptes que vous avez supprimés peuvent être restaurés ici.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurer la sélection</translation>
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
        <translation>Un registre de comptes numérique pour suivre les finances du foyer.</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license.</source>
        <translation>Cette application utilise le framework Qt sous licence LGPL v3.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Langue modifiée</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Tandrel Ledgerine.</source>
        <translation>La nouvelle langue s&apos;appliquera au prochain démarrage de Tandrel Ledgerine.</translation>
    </message>
    <message>
        <source>Account Not Restored</source>
        <translation>Compte non restauré</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be restored; nothing was changed.</source>
        <translation>Le compte &quot;%1&quot; n&apos;a pas pu être restauré&#xa0;; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Toutes les lignes locales vont être renvoyées au serveur et toutes les données du serveur téléchargées de nouveau. Utilisez cette option si les données semblent différer d&apos;un appareil à l&apos;autre.

Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Synchronisation...</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Fichiers ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportation...</translation>
    </message>
    <message>
        <source>Writing the backup...</source>
        <translation>Écriture de la sauvegarde...</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Mode d&apos;importation</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>Que faire des données existantes&#xa0;?</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importation...</translation>
    </message>
    <message>
        <source>Restoring the backup...</source>
        <translation>Restauration de la sauvegarde...</translation>
    </message>
</context>
<context>
    <name>SignInQuestions</name>
    <message>
        <source>Confirm Sign-In</source>
        <translation>Confirmer la connexion</translation>
    </message>
    <message>
        <source>Sign in as %1?</source>
        <translation>Se connecter en tant que %1&#xa0;?</translation>
    </message>
    <message>
        <source>Choose Yes only if this is the account you just signed in with in your browser.</source>
        <translation>Choisissez Oui uniquement s&apos;il s&apos;agit du compte avec lequel vous venez de vous connecter dans votre navigateur.</translation>
    </message>
    <message>
        <source>Upload Ledger</source>
        <translation>Envoyer le fichier des comptes</translation>
    </message>
    <message>
        <source>Upload this ledger to the account %1?</source>
        <translation>Envoyer ce fichier des comptes vers le compte %1&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>This ledger holds %n transaction(s) and last synced with the account %1.</source>
        <translation>
            <numerusform>Ce fichier des comptes contient %n opération et a été synchronisé pour la dernière fois avec le compte %1.</numerusform>
            <numerusform>Ce fichier des comptes contient %n opérations et a été synchronisé pour la dernière fois avec le compte %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>If you choose No, %1 is signed out and the ledger stays as it is.</source>
        <translation>Si vous choisissez Non, %1 est déconnecté et le fichier des comptes reste tel quel.</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Ventiler l&apos;opération</translation>
    </message>
    <message>
        <source>Transaction amount:</source>
        <translation>Montant de l&apos;opération&#xa0;:</translation>
    </message>
    <message>
        <source>Left to assign:</source>
        <translation>Reste à répartir&#xa0;:</translation>
    </message>
    <message>
        <source>Set Amount to &amp;Total</source>
        <translation>Reporter le &amp;total dans le montant</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a complete amount. Correct it, or clear it for none.</source>
        <translation>&quot;%1&quot; n&apos;est pas un montant complet. Corrigez-le, ou effacez-le pour n&apos;en indiquer aucun.</translation>
    </message>
    <message>
        <source>More than one category matches &quot;%1&quot;; choose one from the list.</source>
        <translation>Plusieurs catégories correspondent à &quot;%1&quot;&#xa0;; choisissez-en une dans la liste.</translation>
    </message>
    <message numerus="yes">
        <source>Total of %n line(s):</source>
        <translation>
            <numerusform>Total de %n ligne&#xa0;:</numerusform>
            <numerusform>Total des %n lignes&#xa0;:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>&amp;Add Line</source>
        <translation>&amp;Ajouter une ligne</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Mémo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Remove Line</source>
        <translation>Supprimer la ligne</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message numerus="yes">
        <source>%n recurring transaction(s) due</source>
        <translation>
            <numerusform>%n opération périodique à échéance</numerusform>
            <numerusform>%n opérations périodiques à échéance</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n record(s) not readable yet)</source>
        <translation>
            <numerusform>%1 (%n enregistrement pas encore lisible)</numerusform>
            <numerusform>%1 (%n enregistrements pas encore lisibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This version cannot read %n record(s) from the sync service yet. They are kept and tried again at every sync.</source>
        <translation>
            <numerusform>Cette version ne peut pas encore lire %n enregistrement du service de synchronisation. Il est conservé et réessayé à chaque synchronisation.</numerusform>
            <numerusform>Cette version ne peut pas encore lire %n enregistrements du service de synchronisation. Ils sont conservés et réessayés à chaque synchronisation.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TandAccount::ShareMembersDialog</name>
    <message>
        <source>Could not share with %1.</source>
        <translation>Impossible de partager avec %1.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>Impossible de retirer %1.</translation>
    </message>
    <message>
        <source>People with access</source>
        <translation>Personnes ayant accès</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Ajouter des personnes</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Ce compte n&apos;est encore partagé avec personne.</translation>
    </message>
    <message>
        <source>Nobody else is in your family group yet. Invite people to your group to share this account with them.</source>
        <translation>Personne d&apos;autre ne fait encore partie de votre groupe familial. Invitez des personnes dans votre groupe pour partager ce compte avec elles.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Tous les membres du groupe ont déjà accès</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Retirer l&apos;accès</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>Retirer l&apos;accès&#xa0;?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 n&apos;aura plus accès. Continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Chargement…</translation>
    </message>
    <message>
        <source>Could not load who has access to this account.</source>
        <translation>Impossible de savoir qui a accès à ce compte.</translation>
    </message>
    <message>
        <source>Could not load your group&apos;s members.</source>
        <translation>Impossible de charger les membres de votre groupe.</translation>
    </message>
    <message>
        <source>Members can be added once it is known who has access.</source>
        <translation>Des membres pourront être ajoutés une fois connues les personnes ayant accès.</translation>
    </message>
    <message>
        <source>Sharing with %1…</source>
        <translation>Partage avec %1…</translation>
    </message>
    <message>
        <source>Removing %1…</source>
        <translation>Retrait de %1…</translation>
    </message>
</context>
<context>
    <name>TandUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Mise à jour disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Une nouvelle version de %1 est disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Vous avez la version %1. La dernière version est la %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Chargement des notes de version…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Les notes de version ne sont pas disponibles pour cette version.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
</context>
<context>
    <name>TandUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Nouveautés de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Vous utilisez la version %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Télécharger %1</translation>
    </message>
</context>
<context>
    <name>TransactionActions</name>
    <message>
        <source>The new transaction could not be saved: %1.</source>
        <translation>La nouvelle opération n&apos;a pas pu être enregistrée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The changes to the transaction could not be saved: %1.</source>
        <translation>Les modifications de l&apos;opération n&apos;ont pas pu être enregistrées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Delete the transfer for %1? Its other side, in %2, is deleted too.</source>
        <translation>Supprimer le virement &quot;%1&quot;&#xa0;? Sa contrepartie, dans %2, sera aussi supprimée.</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>Supprimer l&apos;opération &quot;%1&quot;&#xa0;?</translation>
    </message>
    <message>
        <source>This transaction is reconciled: its statement will no longer add up.</source>
        <translation>Cette opération est rapprochée&#xa0;: son relevé ne sera plus équilibré.</translation>
    </message>
    <message>
        <source>The other side is reconciled: its statement will no longer add up.</source>
        <translation>Sa contrepartie est rapprochée&#xa0;: son relevé ne sera plus équilibré.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Supprimer l&apos;opération</translation>
    </message>
    <message>
        <source>The transaction could not be deleted: %1.</source>
        <translation>L&apos;opération n&apos;a pas pu être supprimée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>This transaction is reconciled</source>
        <translation>Cette opération est rapprochée</translation>
    </message>
    <message>
        <source>Its other side, in %1, is reconciled</source>
        <translation>Sa contrepartie, dans %1, est rapprochée</translation>
    </message>
    <message>
        <source>Change a Reconciled Transaction</source>
        <translation>Modifier une opération rapprochée</translation>
    </message>
    <message>
        <source>%1: changing it means its statement will no longer add up. Change it anyway?</source>
        <translation>%1&#xa0;: si vous la modifiez, son relevé ne sera plus équilibré. La modifier quand même&#xa0;?</translation>
    </message>
    <message>
        <source>another account</source>
        <translation>un autre compte</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Nouvelle opération</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Modifier l&apos;opération</translation>
    </message>
    <message>
        <source>Invalid Date</source>
        <translation>Date non valide</translation>
    </message>
    <message>
        <source>Enter the date as month/day/year, for example 12/31/2026.</source>
        <translation>Saisissez la date sous la forme mois/jour/année, par exemple 12/31/2026.</translation>
    </message>
    <message>
        <source>Split Does Not Add Up</source>
        <translation>Ventilation déséquilibrée</translation>
    </message>
    <message>
        <source>The split lines add up to %1, not to the amount of %2. Open the split to correct them.</source>
        <translation>Les lignes de ventilation totalisent %1, et non le montant de %2. Ouvrez la ventilation pour les corriger.</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Facultatif</translation>
    </message>
    <message>
        <source>Divide the amount among several categories</source>
        <translation>Répartir le montant entre plusieurs catégories</translation>
    </message>
    <message>
        <source>C&amp;leared</source>
        <translation>P&amp;ointée</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>Da&amp;te&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>&amp;Numéro&#xa0;:</translation>
    </message>
    <message>
        <source>Pa&amp;yee:</source>
        <translation>&amp;Bénéficiaire&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Catégorie&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Memo:</source>
        <translation>&amp;Mémo&#xa0;:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Type&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>Mont&amp;ant&#xa0;:</translation>
    </message>
    <message>
        <source>Reconciled transactions stay cleared</source>
        <translation>Les opérations rapprochées restent pointées</translation>
    </message>
    <message>
        <source>(deleted account)</source>
        <translation>(compte supprimé)</translation>
    </message>
    <message numerus="yes">
        <source>Split into %n line(s)</source>
        <translation>
            <numerusform>Ventilée en %n ligne</numerusform>
            <numerusform>Ventilée en %n lignes</numerusform>
        </translation>
    </message>
    <message>
        <source>The amount of a split is the sum of its lines</source>
        <translation>Le montant d&apos;une opération ventilée est la somme de ses lignes</translation>
    </message>
    <message>
        <source>Edit &amp;Split...</source>
        <translation>Modifier la &amp;ventilation...</translation>
    </message>
    <message>
        <source>Type a minus sign to switch between payment and deposit</source>
        <translation>Tapez un signe moins pour basculer entre paiement et dépôt</translation>
    </message>
    <message>
        <source>&amp;Split...</source>
        <translation>&amp;Ventiler...</translation>
    </message>
    <message>
        <source>Choose a Category</source>
        <translation>Choisir une catégorie</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no single category. Choose one, or clear the field, before splitting.</source>
        <translation>&quot;%1&quot; ne désigne pas une seule catégorie. Choisissez-en une, ou videz le champ, avant de ventiler.</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;: pick one from the list, or OK will offer to create it.</source>
        <translation>Aucune catégorie ne s&apos;appelle &quot;%1&quot;&#xa0;: choisissez-en une dans la liste, ou OK proposera de la créer.</translation>
    </message>
    <message>
        <source>More than one category matches &quot;%1&quot;; choose one.</source>
        <translation>Plusieurs catégories correspondent à &quot;%1&quot;&#xa0;; choisissez-en une.</translation>
    </message>
    <message>
        <source>Amount in %1:</source>
        <translation>Montant dans %1&#xa0;:</translation>
    </message>
    <message>
        <source>Invalid Amount</source>
        <translation>Montant non valide</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a complete amount. Correct it, or clear it for none.</source>
        <translation>&quot;%1&quot; n&apos;est pas un montant complet. Corrigez-le, ou effacez-le pour n&apos;en indiquer aucun.</translation>
    </message>
    <message>
        <source>Nothing to Save</source>
        <translation>Rien à enregistrer</translation>
    </message>
    <message>
        <source>Enter a payee or an amount.</source>
        <translation>Saisissez un bénéficiaire ou un montant.</translation>
    </message>
    <message>
        <source>More than one category matches &quot;%1&quot;; choose one from the list.</source>
        <translation>Plusieurs catégories correspondent à &quot;%1&quot;&#xa0;; choisissez-en une dans la liste.</translation>
    </message>
    <message>
        <source>Amount Missing</source>
        <translation>Montant manquant</translation>
    </message>
    <message>
        <source>Enter the amount as %1 counts it, in its own currency.</source>
        <translation>Saisissez le montant tel que le compte %1 l&apos;enregistre, dans sa propre devise.</translation>
    </message>
</context>
<context>
    <name>TransactionRepository</name>
    <message>
        <source>Split</source>
        <translation>Ventilation</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Votre session a pris fin. Reconnectez-vous pour continuer à synchroniser.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Fonctionne entièrement hors ligne. Vos données restent sur cet appareil.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Comment ça marche</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Ajoutez un compte (compte courant, épargne, carte de crédit ou tout autre compte que vous souhaitez suivre).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Enregistrez vos opérations au fil de vos dépenses.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Faites le rapprochement à l&apos;arrivée de votre relevé.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Bon retour parmi nous</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Connectez-vous pour garder vos données synchronisées entre vos appareils.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Créer un autre compte</translation>
    </message>
    <message>
        <source>Welcome to
Tandrel Ledgerine</source>
        <translation>Bienvenue dans
Tandrel Ledgerine</translation>
    </message>
    <message>
        <source>A digital check register.</source>
        <translation>Un registre de comptes numérique.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>Vous avez déjà un compte&#xa0;? Connectez-vous</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Créer votre premier compte</translation>
    </message>
</context>
</TS>
