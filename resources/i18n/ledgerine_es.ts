<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AccountEditor</name>
    <message>
        <source>Opening Balance</source>
        <translation>Saldo inicial</translation>
    </message>
</context>
<context>
    <name>AccountFormDialog</name>
    <message>
        <source>New Account</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Edit Account</source>
        <translation>Editar cuenta</translation>
    </message>
    <message>
        <source>Account name</source>
        <translation>Nombre de la cuenta</translation>
    </message>
    <message>
        <source>Checking</source>
        <translation>Cuenta corriente</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Cuenta de ahorro</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
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
        <translation>Nombre del banco (opcional)</translation>
    </message>
    <message>
        <source>Last 4 digits (optional)</source>
        <translation>Últimos 4 dígitos (opcional)</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>&amp;Currency:</source>
        <translation>&amp;Moneda:</translation>
    </message>
    <message>
        <source>Starting &amp;Balance:</source>
        <translation>Saldo &amp;inicial:</translation>
    </message>
    <message>
        <source>&amp;As of:</source>
        <translation>A &amp;fecha de:</translation>
    </message>
    <message>
        <source>&amp;Institution:</source>
        <translation>&amp;Entidad:</translation>
    </message>
    <message>
        <source>%1 </source>
        <comment>starting balance prefix; %1 is the currency symbol</comment>
        <translation>%1 </translation>
    </message>
    <message>
        <source>The currency cannot change once the account has transactions.</source>
        <translation>La moneda no se puede cambiar una vez que la cuenta tiene transacciones.</translation>
    </message>
    <message>
        <source>Account N&amp;umber:</source>
        <translation>Número de c&amp;uenta:</translation>
    </message>
</context>
<context>
    <name>AccountPicker</name>
    <message>
        <source>All Accounts</source>
        <translation>Todas las cuentas</translation>
    </message>
</context>
<context>
    <name>AccountSharingService</name>
    <message>
        <source>This account cannot be shared: the service would not know it by its id.</source>
        <translation>Esta cuenta no se puede compartir: el servicio no la reconocería por su identificador.</translation>
    </message>
    <message>
        <source>Failed to share account (HTTP %1)</source>
        <translation>No se pudo compartir la cuenta (HTTP %1)</translation>
    </message>
    <message>
        <source>Failed to share account: the answer did not come from the sharing service.</source>
        <translation>No se pudo compartir la cuenta: la respuesta no vino del servicio para compartir.</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Database Error</source>
        <translation>Error de base de datos</translation>
    </message>
    <message>
        <source>Failed to initialize the database.

Data directory: %1

%2</source>
        <translation>No se pudo inicializar la base de datos.

Carpeta de datos: %1

%2</translation>
    </message>
    <message>
        <source>Ledgerine Is Already Running</source>
        <translation>Ledgerine ya se está ejecutando</translation>
    </message>
    <message>
        <source>Ledgerine is already running with this data folder:

%1

Switch to its window, or close it before starting Ledgerine again.</source>
        <translation>Ledgerine ya se está ejecutando con esta carpeta de datos:

%1

Cambie a su ventana o ciérrela antes de volver a iniciar Ledgerine.</translation>
    </message>
</context>
<context>
    <name>BackupArchive</name>
    <message>
        <source>too many entries</source>
        <translation>demasiadas entradas</translation>
    </message>
    <message>
        <source>%1 is too large</source>
        <translation>%1 es demasiado grande</translation>
    </message>
    <message>
        <source>the contents are too large</source>
        <translation>el contenido es demasiado grande</translation>
    </message>
    <message>
        <source>Failed to open ZIP archive</source>
        <translation>No se pudo abrir el archivo ZIP</translation>
    </message>
    <message>
        <source>%1: damaged entry</source>
        <translation>%1: entrada dañada</translation>
    </message>
    <message>
        <source>%1: invalid JSON</source>
        <translation>%1: JSON no válido</translation>
    </message>
    <message>
        <source>Invalid backup: unexpected entry %1</source>
        <translation>Copia de seguridad no válida: entrada inesperada %1</translation>
    </message>
    <message>
        <source>Invalid backup: %1</source>
        <translation>Copia de seguridad no válida: %1</translation>
    </message>
    <message>
        <source>Invalid backup: missing manifest.json</source>
        <translation>Copia de seguridad no válida: falta manifest.json</translation>
    </message>
    <message>
        <source>Unsupported backup version: %1</source>
        <translation>Versión de copia de seguridad no admitida: %1</translation>
    </message>
</context>
<context>
    <name>BackupRestore</name>
    <message>
        <source>%1: the backup holds %2 of the %3 rows its manifest lists</source>
        <translation>%1: la copia de seguridad contiene %2 de las %3 filas que indica su manifiesto</translation>
    </message>
    <message>
        <source>%1: the other side of its transfer, %2, is not restored; it is kept as an ordinary transaction</source>
        <translation>%1: la contrapartida de su transferencia, %2, no se restaura; se conserva como una transacción normal</translation>
    </message>
    <message>
        <source>%1: %2 %3 is not restored from this backup</source>
        <translation>%1: %2 %3 no se restaura desde esta copia de seguridad</translation>
    </message>
    <message>
        <source>split_lines: the lines of transaction %1 in the backup do not add up to its amount; its lines in the ledger are kept</source>
        <translation>split_lines: las líneas de la transacción %1 en la copia de seguridad no suman su importe; se conservan sus líneas del libro de cuentas</translation>
    </message>
    <message>
        <source>%1: id %2 is already in use</source>
        <translation>%1: el id %2 ya está en uso</translation>
    </message>
    <message>
        <source>%1: id %2 appears more than once</source>
        <translation>%1: el id %2 aparece más de una vez</translation>
    </message>
    <message>
        <source>%1: %2 %3 does not exist</source>
        <translation>%1: %2 %3 no existe</translation>
    </message>
    <message>
        <source>%1: the starting balance would take the account&apos;s balance beyond what a balance can hold</source>
        <translation>%1: el saldo inicial llevaría el saldo de la cuenta más allá del máximo que admite un saldo</translation>
    </message>
    <message>
        <source>%1: the amount would take the balance of account %2 beyond what a balance can hold</source>
        <translation>%1: el importe llevaría el saldo de la cuenta %2 más allá del máximo que admite un saldo</translation>
    </message>
    <message>
        <source>the database ended the restore&apos;s transaction after an error</source>
        <translation>la base de datos terminó la transacción de la restauración tras un error</translation>
    </message>
    <message>
        <source>split_lines: the lines of transaction %1 do not add up to its amount, and no line could be added for the difference</source>
        <translation>split_lines: las líneas de la transacción %1 no suman su importe y no se pudo añadir ninguna línea por la diferencia</translation>
    </message>
    <message>
        <source>%1: the id starting &quot;%2&quot; is longer than %3 characters; the row is not restored</source>
        <translation>%1: el identificador que empieza por «%2» tiene más de %3 caracteres; la fila no se restaura</translation>
    </message>
</context>
<context>
    <name>BackupService</name>
    <message>
        <source>A backup or restore is already running.</source>
        <translation>Ya hay una copia de seguridad o una restauración en curso.</translation>
    </message>
    <message>
        <source>Nothing was restored: database error: %1</source>
        <translation>No se restauró nada: error de base de datos: %1</translation>
    </message>
    <message>
        <source>The ledger could not be read into a backup.</source>
        <translation>No se pudo leer el libro de cuentas para crear la copia de seguridad.</translation>
    </message>
    <message>
        <source>The backup made does not read back: %1</source>
        <translation>La copia de seguridad creada no se puede volver a leer: %1</translation>
    </message>
    <message>
        <source>%1 of %2 bytes were written: %3</source>
        <translation>Se escribieron %1 de %2 bytes: %3</translation>
    </message>
    <message>
        <source>The file written does not hold the backup made.</source>
        <translation>El archivo escrito no contiene la copia de seguridad creada.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>No se pudo leer el archivo: %1</translation>
    </message>
    <message>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>No se pudo leer el archivo: no es un archivo normal.</translation>
    </message>
    <message>
        <source>The file is larger than any backup this program writes.</source>
        <translation>El archivo es más grande que cualquier copia de seguridad que crea este programa.</translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation>El archivo cambió mientras se leía.</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...y %n más.</numerusform>
            <numerusform>...y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>These rows have an id longer than %1 characters, which no restore takes, and were left out of the backup:</source>
        <translation>Estas filas tienen un identificador de más de %1 caracteres, que ninguna restauración acepta, y se dejaron fuera de la copia de seguridad:</translation>
    </message>
    <message>
        <source>These rows are larger than a restore reads and were left out of the backup:</source>
        <translation>Estas filas son más grandes de lo que lee una restauración y se dejaron fuera de la copia de seguridad:</translation>
    </message>
    <message>
        <source>The ledger is too large for one backup: %1.</source>
        <translation>El libro de cuentas es demasiado grande para una sola copia de seguridad: %1.</translation>
    </message>
</context>
<context>
    <name>BackupTable</name>
    <message>
        <source>%1: missing %2</source>
        <translation>%1: falta %2</translation>
    </message>
    <message>
        <source>%1: invalid value for %2</source>
        <translation>%1: valor no válido para %2</translation>
    </message>
    <message>
        <source>%1: unknown %2 &quot;%3&quot;</source>
        <translation>%1: valor de %2 desconocido: &quot;%3&quot;</translation>
    </message>
</context>
<context>
    <name>CategoriesScreen</name>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Search categories...</source>
        <translation>Buscar categorías...</translation>
    </message>
    <message>
        <source>Search categories</source>
        <translation>Buscar categorías</translation>
    </message>
    <message>
        <source>+ &amp;New Category</source>
        <translation>+ &amp;Nueva categoría</translation>
    </message>
    <message>
        <source>&amp;New Category</source>
        <translation>&amp;Nueva categoría</translation>
    </message>
    <message>
        <source>Add &amp;Subcategory</source>
        <translation>Añadir &amp;subcategoría</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Category Not Saved</source>
        <translation>Categoría no guardada</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be saved.</source>
        <translation>No se pudo guardar la categoría &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>No se pudieron guardar los cambios de &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Delete Category</source>
        <translation>Eliminar categoría</translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot;? Transactions using this category will become uncategorized.</source>
        <translation>¿Eliminar &quot;%1&quot;? Las transacciones que usan esta categoría quedarán sin categoría.</translation>
    </message>
    <message>
        <source>Category Not Deleted</source>
        <translation>Categoría no eliminada</translation>
    </message>
    <message>
        <source>The category &quot;%1&quot; could not be deleted.</source>
        <translation>No se pudo eliminar la categoría &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>CategoryChoices</name>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>%1 &gt; %2</source>
        <translation>%1 &gt; %2</translation>
    </message>
    <message>
        <source>Transfer to/from: %1</source>
        <translation>Transferencia a/desde: %1</translation>
    </message>
    <message>
        <source>Transfer to %1</source>
        <translation>Transferencia a %1</translation>
    </message>
    <message>
        <source>Transfer from %1</source>
        <translation>Transferencia desde %1</translation>
    </message>
    <message>
        <source>(unknown category)</source>
        <translation>(categoría desconocida)</translation>
    </message>
</context>
<context>
    <name>CategoryComboBox</name>
    <message>
        <source>There is no category named &quot;%1&quot;. Create it as an income category?</source>
        <translation>No hay ninguna categoría llamada &quot;%1&quot;. ¿Crearla como categoría de ingresos?</translation>
    </message>
    <message>
        <source>There is no category named &quot;%1&quot;. Create it as an expense category?</source>
        <translation>No hay ninguna categoría llamada &quot;%1&quot;. ¿Crearla como categoría de gastos?</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
</context>
<context>
    <name>CategoryFormDialog</name>
    <message>
        <source>Edit Category</source>
        <translation>Editar categoría</translation>
    </message>
    <message>
        <source>New Category</source>
        <translation>Nueva categoría</translation>
    </message>
    <message>
        <source>New Subcategory</source>
        <translation>Nueva subcategoría</translation>
    </message>
    <message>
        <source>&amp;Parent:</source>
        <translation>Categoría &amp;superior:</translation>
    </message>
    <message>
        <source>Category name</source>
        <translation>Nombre de la categoría</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>Expense</source>
        <translation>Gasto</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingreso</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>Tax-&amp;relevant</source>
        <translation>Relevante para &amp;impuestos</translation>
    </message>
    <message>
        <source>Mark this category for inclusion in tax-time reports.</source>
        <translation>Marque esta categoría para incluirla en los informes para la declaración de impuestos.</translation>
    </message>
    <message>
        <source>e.g. charitable_contributions, mortgage_interest</source>
        <translation>p. ej. donativos_beneficos, intereses_hipoteca</translation>
    </message>
    <message>
        <source>Tax &amp;Code:</source>
        <translation>&amp;Código fiscal:</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferencia</translation>
    </message>
</context>
<context>
    <name>CategoryService</name>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Salary</source>
        <translation>Salario</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonificaciones</translation>
    </message>
    <message>
        <source>Interest Income</source>
        <translation>Ingresos por intereses</translation>
    </message>
    <message>
        <source>Dividends</source>
        <translation>Dividendos</translation>
    </message>
    <message>
        <source>Gifts Received</source>
        <translation>Regalos recibidos</translation>
    </message>
    <message>
        <source>Other Income</source>
        <translation>Otros ingresos</translation>
    </message>
    <message>
        <source>Housing</source>
        <translation>Vivienda</translation>
    </message>
    <message>
        <source>Rent</source>
        <translation>Alquiler</translation>
    </message>
    <message>
        <source>Mortgage</source>
        <translation>Hipoteca</translation>
    </message>
    <message>
        <source>Property Tax</source>
        <translation>Impuesto sobre la propiedad</translation>
    </message>
    <message>
        <source>Home Insurance</source>
        <translation>Seguro del hogar</translation>
    </message>
    <message>
        <source>Home Maintenance</source>
        <translation>Mantenimiento del hogar</translation>
    </message>
    <message>
        <source>Utilities</source>
        <translation>Servicios básicos</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>Electricidad</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Agua</translation>
    </message>
    <message>
        <source>Gas &amp; Heating</source>
        <translation>Gas y calefacción</translation>
    </message>
    <message>
        <source>Internet</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>Food</source>
        <translation>Alimentación</translation>
    </message>
    <message>
        <source>Groceries</source>
        <translation>Supermercado</translation>
    </message>
    <message>
        <source>Restaurants</source>
        <translation>Restaurantes</translation>
    </message>
    <message>
        <source>Transportation</source>
        <translation>Transporte</translation>
    </message>
    <message>
        <source>Fuel</source>
        <translation>Combustible</translation>
    </message>
    <message>
        <source>Auto Insurance</source>
        <translation>Seguro del vehículo</translation>
    </message>
    <message>
        <source>Auto Maintenance</source>
        <translation>Mantenimiento del vehículo</translation>
    </message>
    <message>
        <source>Public Transit</source>
        <translation>Transporte público</translation>
    </message>
    <message>
        <source>Health</source>
        <translation>Salud</translation>
    </message>
    <message>
        <source>Medical</source>
        <translation>Gastos médicos</translation>
    </message>
    <message>
        <source>Pharmacy</source>
        <translation>Farmacia</translation>
    </message>
    <message>
        <source>Health Insurance</source>
        <translation>Seguro médico</translation>
    </message>
    <message>
        <source>Personal</source>
        <translation>Personal</translation>
    </message>
    <message>
        <source>Clothing</source>
        <translation>Ropa</translation>
    </message>
    <message>
        <source>Personal Care</source>
        <translation>Cuidado personal</translation>
    </message>
    <message>
        <source>Entertainment</source>
        <translation>Entretenimiento</translation>
    </message>
    <message>
        <source>Subscriptions</source>
        <translation>Suscripciones</translation>
    </message>
    <message>
        <source>Education</source>
        <translation>Educación</translation>
    </message>
    <message>
        <source>Giving</source>
        <translation>Donaciones y regalos</translation>
    </message>
    <message>
        <source>Charitable Donations</source>
        <translation>Donaciones benéficas</translation>
    </message>
    <message>
        <source>Gifts</source>
        <translation>Regalos</translation>
    </message>
    <message>
        <source>Bank Fees</source>
        <translation>Comisiones bancarias</translation>
    </message>
    <message>
        <source>Transfers</source>
        <translation>Transferencias</translation>
    </message>
    <message>
        <source>Credit Card Payment</source>
        <translation>Pago de tarjeta de crédito</translation>
    </message>
    <message>
        <source>Savings Transfer</source>
        <translation>Transferencia a ahorro</translation>
    </message>
</context>
<context>
    <name>CategoryTreeModel</name>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
</context>
<context>
    <name>CsvPreview</name>
    <message>
        <source>The file holds no rows to import.</source>
        <translation>El archivo no contiene filas para importar.</translation>
    </message>
    <message>
        <source>Col %1: %2</source>
        <translation>Col. %1: %2</translation>
    </message>
</context>
<context>
    <name>DataSyncTexts</name>
    <message>
        <source>Not signed in.
Sign in via File › Tandrel Account to enable sync.</source>
        <translation>No ha iniciado sesión.
Inicie sesión en Archivo › Cuenta Tandrel para activar la sincronización.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Signed in as:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Status:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</source>
        <translation>&lt;b&gt;Sesión iniciada como:&lt;/b&gt; %1&lt;br&gt;&lt;b&gt;Estado:&lt;/b&gt; &lt;span style=&quot;color:%2&quot;&gt;%3&lt;/span&gt;</translation>
    </message>
    <message>
        <source>Never synced</source>
        <translation>Nunca sincronizado</translation>
    </message>
    <message>
        <source>Last synced: %1</source>
        <translation>Última sincronización: %1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Replace all with backup data</source>
        <translation>Reemplazar todo con los datos de la copia</translation>
    </message>
    <message>
        <source>Keep newer (compare timestamps)</source>
        <translation>Conservar lo más reciente (comparar fechas y horas)</translation>
    </message>
    <message>
        <source>Skip existing items</source>
        <translation>Omitir los elementos existentes</translation>
    </message>
    <message>
        <source>Backup Complete</source>
        <translation>Copia de seguridad completada</translation>
    </message>
    <message>
        <source>Backup saved to:
%1</source>
        <translation>Copia de seguridad guardada en:
%1</translation>
    </message>
    <message>
        <source>Could not write to:
%1</source>
        <translation>No se pudo escribir en:
%1</translation>
    </message>
    <message>
        <source>Backup Failed</source>
        <translation>Error en la copia de seguridad</translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...y %n más.</numerusform>
            <numerusform>...y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error de importación</translation>
    </message>
    <message>
        <source>Nothing was imported.

%1</source>
        <translation>No se importó nada.

%1</translation>
    </message>
    <message numerus="yes">
        <source>Imported %n item(s), skipped %1.</source>
        <translation>
            <numerusform>Se importó %n elemento; omitidos: %1.</numerusform>
            <numerusform>Se importaron %n elementos; omitidos: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s) occurred:</source>
        <translation>
            <numerusform>Se produjo %n error:</numerusform>
            <numerusform>Se produjeron %n errores:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Complete</source>
        <translation>Importación completada</translation>
    </message>
    <message>
        <source>You are not signed in. Sign in via File › Tandrel Account, then try again.</source>
        <translation>No ha iniciado sesión. Inicie sesión en Archivo › Cuenta Tandrel y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>An import or a restore is still writing to your data. Try again when it has finished.</source>
        <translation>Una importación o una restauración todavía está escribiendo en sus datos. Vuelva a intentarlo cuando haya terminado.</translation>
    </message>
    <message>
        <source>Your data could not be prepared for a full sync, so nothing was sent. Try again; if it keeps failing, check that the disk has free space.</source>
        <translation>No se pudieron preparar sus datos para una sincronización completa, así que no se envió nada. Vuelva a intentarlo; si sigue fallando, compruebe que el disco tenga espacio libre.</translation>
    </message>
    <message>
        <source>Full Sync Not Started</source>
        <translation>No se inició la sincronización completa</translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) from the sync service cannot be read by this version of Ledgerine yet. They are kept, and tried again at every sync; an update may read them.</source>
        <translation>
            <numerusform>%n registro del servicio de sincronización aún no se puede leer con esta versión de Ledgerine. Se conserva y se vuelve a intentar en cada sincronización; una actualización podrá leerlo.</numerusform>
            <numerusform>%n registros del servicio de sincronización aún no se pueden leer con esta versión de Ledgerine. Se conservan y se vuelven a intentar en cada sincronización; una actualización podrá leerlos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) given an uncategorized line so their lines add up to the total</source>
        <translation>
            <numerusform>%n transacción dividida recibió una línea sin categoría para que sus líneas sumen el total</numerusform>
            <numerusform>%n transacciones divididas recibieron una línea sin categoría para que sus líneas sumen el total</numerusform>
        </translation>
    </message>
    <message>
        <source>This ledger last synced with another account. Answer whether to upload it to yours first.</source>
        <translation>Este libro de cuentas se sincronizó por última vez con otra cuenta. Responda primero si desea subirlo a la suya.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <source>The ledger file is damaged: restore it from a backup and try again.</source>
        <translation>El archivo del libro de cuentas está dañado: restáurelo desde una copia de seguridad e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The ledger was written by a newer version of Ledgerine: install that version to open it.</source>
        <translation>El libro de cuentas se escribió con una versión más reciente de Ledgerine: instale esa versión para abrirlo.</translation>
    </message>
    <message>
        <source>The file ledgerine.db there is not a Ledgerine ledger: move it out of the folder to start a new ledger.</source>
        <translation>El archivo ledgerine.db de esa carpeta no es un libro de cuentas de Ledgerine: sáquelo de la carpeta para empezar un libro nuevo.</translation>
    </message>
    <message>
        <source>The ledger or its folder is read-only: allow writing to them and try again.</source>
        <translation>El libro de cuentas o su carpeta son de solo lectura: permita la escritura en ellos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Another program has locked the ledger: close it and try again.</source>
        <translation>Otro programa ha bloqueado el libro de cuentas: ciérrelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The disk is full: free some space and try again.</source>
        <translation>El disco está lleno: libere espacio e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Please check file permissions and try again.</source>
        <translation>Compruebe los permisos de los archivos e inténtelo de nuevo.</translation>
    </message>
</context>
<context>
    <name>DateField</name>
    <message>
        <source>MM/DD/YYYY</source>
        <translation>MM/DD/AAAA</translation>
    </message>
    <message>
        <source>Enter the date as month/day/year, for example 12/31/2026.</source>
        <translation>Escriba la fecha como mes/día/año, por ejemplo 12/31/2026.</translation>
    </message>
    <message>
        <source>Choose the date from a calendar (Alt+Down)</source>
        <translation>Elegir la fecha en un calendario (Alt+Abajo)</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
</context>
<context>
    <name>DateRange</name>
    <message>
        <source>This Month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mes pasado</translation>
    </message>
    <message>
        <source>This Quarter</source>
        <translation>Este trimestre</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Trimestre pasado</translation>
    </message>
    <message>
        <source>This Year</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Año pasado</translation>
    </message>
    <message>
        <source>Last 30 Days</source>
        <translation>Últimos 30 días</translation>
    </message>
    <message>
        <source>Last 90 Days</source>
        <translation>Últimos 90 días</translation>
    </message>
    <message>
        <source>Last 12 Months</source>
        <translation>Últimos 12 meses</translation>
    </message>
    <message>
        <source>All Time</source>
        <translation>Todas las fechas</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
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
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
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
        <translation>&amp;Pago</translation>
    </message>
    <message>
        <source>&amp;Deposit</source>
        <translation>&amp;Depósito</translation>
    </message>
    <message>
        <source>Type a minus sign to switch between payment and deposit</source>
        <translation>Escriba un signo menos para cambiar entre pago y depósito</translation>
    </message>
    <message>
        <source>Invalid Amount</source>
        <translation>Importe no válido</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a complete amount. Correct it, or clear it for none.</source>
        <translation>&quot;%1&quot; no es un importe completo. Corríjalo o bórrelo para dejarlo vacío.</translation>
    </message>
</context>
<context>
    <name>ImportFile</name>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>No se pudo abrir el archivo: %1</translation>
    </message>
    <message>
        <source>The file could not be read: it is not a regular file.</source>
        <translation>No se pudo leer el archivo: no es un archivo normal.</translation>
    </message>
    <message>
        <source>The file is larger than 100 MB, more than any bank statement holds.</source>
        <translation>El archivo ocupa más de 100 MB, más de lo que contiene cualquier extracto bancario.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>No se pudo leer el archivo: %1</translation>
    </message>
    <message>
        <source>The file changed while it was read.</source>
        <translation>El archivo cambió mientras se leía.</translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message>
        <source>Auto-detect</source>
        <translation>Detectar automáticamente</translation>
    </message>
    <message>
        <source>Month D, YYYY (May 14, 2026)</source>
        <translation>Mes D, AAAA (May 14, 2026)</translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicado omitido</numerusform>
            <numerusform>%n duplicados omitidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n entrada omitida (ilegible)</numerusform>
            <numerusform>%n entradas omitidas (ilegibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n entrada de metadatos omitida</numerusform>
            <numerusform>%n entradas de metadatos omitidas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n entrada omitida (cuenta de origen sin asignar)</numerusform>
            <numerusform>%n entradas omitidas (cuenta de origen sin asignar)</numerusform>
        </translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
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
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Cuenta:</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>E&amp;xaminar...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>First row is &amp;header</source>
        <translation>La primera fila es el &amp;encabezado</translation>
    </message>
    <message>
        <source>CSV Column Mapping:</source>
        <translation>Asignación de columnas CSV:</translation>
    </message>
    <message>
        <source>&amp;Date column:</source>
        <translation>Columna de fec&amp;ha:</translation>
    </message>
    <message>
        <source>&amp;Payee column:</source>
        <translation>Columna de &amp;beneficiario:</translation>
    </message>
    <message>
        <source>A&amp;mount column:</source>
        <translation>Columna de im&amp;porte:</translation>
    </message>
    <message>
        <source>M&amp;emo column:</source>
        <translation>Columna de &amp;nota:</translation>
    </message>
    <message>
        <source>&amp;Category column:</source>
        <translation>Columna de ca&amp;tegoría:</translation>
    </message>
    <message>
        <source>Date f&amp;ormat:</source>
        <translation>Formato de fech&amp;a:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %n row(s) of the file.</source>
        <translation>
            <numerusform>Se muestra solo %n fila del archivo.</numerusform>
            <numerusform>Se muestran las primeras %n filas del archivo.</numerusform>
        </translation>
    </message>
    <message>
        <source>QIF source accounts:</source>
        <translation>Cuentas de origen QIF:</translation>
    </message>
    <message>
        <source>Choose where each QIF source account should be imported. Accounts mapped across the selected files will have their transfers linked automatically.</source>
        <translation>Elija dónde importar cada cuenta de origen QIF. Las transferencias entre cuentas asignadas en los archivos seleccionados se vincularán automáticamente.</translation>
    </message>
    <message>
        <source>&amp;Done</source>
        <translation>&amp;Listo</translation>
    </message>
    <message>
        <source>No file selected</source>
        <translation>Ningún archivo seleccionado</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Select QIF File(s)</source>
        <translation>Seleccionar archivos QIF</translation>
    </message>
    <message>
        <source>QIF Files (*.qif)</source>
        <translation>Archivos QIF (*.qif)</translation>
    </message>
    <message>
        <source>File Not Read</source>
        <translation>Archivo no leído</translation>
    </message>
    <message>
        <source>%1 cannot be imported.

%2</source>
        <translation>No se puede importar %1.

%2</translation>
    </message>
    <message>
        <source>Col %1</source>
        <translation>Col. %1</translation>
    </message>
    <message>
        <source>Analyzing QIF file(s)...</source>
        <translation>Analizando archivos QIF...</translation>
    </message>
    <message>
        <source>The chosen files cannot be imported.

%1</source>
        <translation>No se pueden importar los archivos elegidos.

%1</translation>
    </message>
    <message>
        <source>Nothing to Import</source>
        <translation>Nada que importar</translation>
    </message>
    <message>
        <source>The chosen files hold no transactions.</source>
        <translation>Los archivos elegidos no contienen transacciones.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n archivo seleccionado</numerusform>
            <numerusform>%n archivos seleccionados</numerusform>
        </translation>
    </message>
    <message>
        <source>No target account</source>
        <translation>Sin cuenta de destino</translation>
    </message>
    <message>
        <source>Pick an account to import into, or create one now.</source>
        <translation>Elija una cuenta en la que importar. ¿Quiere crear una ahora?</translation>
    </message>
    <message>
        <source>Account Not Saved</source>
        <translation>Cuenta no guardada</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be saved; nothing was imported.</source>
        <translation>No se pudo guardar la cuenta &quot;%1&quot;; no se importó nada.</translation>
    </message>
    <message>
        <source>Accounts Not Saved</source>
        <translation>Cuentas no guardadas</translation>
    </message>
    <message>
        <source>The new accounts could not be saved; nothing was imported.

%1</source>
        <translation>No se pudieron guardar las cuentas nuevas; no se importó nada.

%1</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>Import failed.</source>
        <translation>La importación falló.</translation>
    </message>
    <message>
        <source>A database error stopped the import and all changes were rolled back.</source>
        <translation>Un error de la base de datos detuvo la importación y se deshicieron todos los cambios.</translation>
    </message>
    <message>
        <source>No transactions were added.</source>
        <translation>No se añadió ninguna transacción.</translation>
    </message>
    <message numerus="yes">
        <source>%n new account(s) made for this import are kept for importing these files again:</source>
        <translation>
            <numerusform>Se conserva %n cuenta nueva creada para esta importación, para volver a importar estos archivos:</numerusform>
            <numerusform>Se conservan %n cuentas nuevas creadas para esta importación, para volver a importar estos archivos:</numerusform>
        </translation>
    </message>
    <message>
        <source>Import complete!</source>
        <translation>¡Importación completada!</translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n transacción importada</numerusform>
            <numerusform>%n transacciones importadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n transferencia vinculada entre cuentas</numerusform>
            <numerusform>%n transferencias vinculadas entre cuentas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (incluida %n vinculada a filas importadas anteriormente)</numerusform>
            <numerusform>  (incluidas %n vinculadas a filas importadas anteriormente)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) given an uncategorized line so their lines add up to the total</source>
        <translation>
            <numerusform>%n transacción dividida recibió una línea sin categoría para que sus líneas sumen el total</numerusform>
            <numerusform>%n transacciones divididas recibieron una línea sin categoría para que sus líneas sumen el total</numerusform>
        </translation>
    </message>
    <message>
        <source>Dates read as day/month/year</source>
        <translation>Fechas leídas como día/mes/año</translation>
    </message>
    <message>
        <source>Dates read as month/day/year</source>
        <translation>Fechas leídas como mes/día/año</translation>
    </message>
    <message numerus="yes">
        <source>And %n more record(s) not imported for these reasons.</source>
        <translation>
            <numerusform>Y %n entrada más no importada por estos motivos.</numerusform>
            <numerusform>Y %n entradas más no importadas por estos motivos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %n column(s) of the file; only these can be mapped.</source>
        <translation>
            <numerusform>Se muestra solo %n columna del archivo; solo esa puede asignarse.</numerusform>
            <numerusform>Se muestran las primeras %n columnas del archivo; solo esas pueden asignarse.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message>
        <source>Another import is running.</source>
        <translation>Hay otra importación en curso.</translation>
    </message>
    <message>
        <source>The account to import into does not exist.</source>
        <translation>La cuenta en la que importar no existe.</translation>
    </message>
    <message numerus="yes">
        <source>A quote opened on line %1 is never closed: %n line(s) from line %2 on were not imported.</source>
        <translation>
            <numerusform>Unas comillas abiertas en la línea %1 no se cierran nunca: no se importó %n línea a partir de la línea %2.</numerusform>
            <numerusform>Unas comillas abiertas en la línea %1 no se cierran nunca: no se importaron %n líneas a partir de la línea %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Line %1</source>
        <translation>Línea %1</translation>
    </message>
    <message>
        <source>%1 (no account header)</source>
        <translation>%1 (sin encabezado de cuenta)</translation>
    </message>
    <message>
        <source>An account to import into does not exist.</source>
        <translation>Una de las cuentas en las que importar no existe.</translation>
    </message>
    <message>
        <source>The category %1</source>
        <translation>La categoría %1</translation>
    </message>
    <message>
        <source>%1 could not be stored (%2): nothing was imported.</source>
        <translation>%1: no se pudo guardar (%2); no se importó nada.</translation>
    </message>
    <message>
        <source>%1: the amount would take the account&apos;s balance beyond what a balance can hold: nothing was imported.</source>
        <translation>%1: el importe llevaría el saldo de la cuenta más allá del máximo que admite un saldo; no se importó nada.</translation>
    </message>
    <message>
        <source>Another program is writing to the ledger and did not finish in time: nothing was imported. Try again once it has finished.</source>
        <translation>Otro programa está escribiendo en el libro de cuentas y no terminó a tiempo: no se importó nada. Inténtelo de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>The import could not begin: %1</source>
        <translation>No se pudo iniciar la importación: %1</translation>
    </message>
    <message>
        <source>The database ended the import after an error (%1): nothing was imported.</source>
        <translation>La base de datos terminó la importación tras un error (%1): no se importó nada.</translation>
    </message>
    <message>
        <source>The import stopped; nothing was imported.</source>
        <translation>La importación se detuvo; no se importó nada.</translation>
    </message>
    <message>
        <source>The import could not be stored: %1</source>
        <translation>No se pudo guardar la importación: %1</translation>
    </message>
    <message>
        <source>%1: the amount has more decimal places than the account&apos;s currency (%2) has; the record was not imported.</source>
        <translation>%1: el importe tiene más decimales de los que admite la moneda de la cuenta (%2); la entrada no se importó.</translation>
    </message>
    <message>
        <source>%1: the line is longer than %2 characters, more than any transaction takes; its record was not imported.</source>
        <translation>%1: la línea tiene más de %2 caracteres, más de lo que ocupa cualquier transacción; su entrada no se importó.</translation>
    </message>
    <message>
        <source>%1: the row has no field in the date, payee or amount column; it was not imported.</source>
        <translation>%1: a la fila le falta un campo en la columna de fecha, beneficiario o importe; no se importó.</translation>
    </message>
    <message>
        <source>%1: the date does not match the chosen date format; the row was not imported.</source>
        <translation>%1: la fecha no coincide con el formato de fecha elegido; la fila no se importó.</translation>
    </message>
    <message>
        <source>%1: the date cannot be read; the row was not imported.</source>
        <translation>%1: no se puede leer la fecha; la fila no se importó.</translation>
    </message>
    <message>
        <source>%1: the amount cannot be read; the row was not imported.</source>
        <translation>%1: no se puede leer el importe; la fila no se importó.</translation>
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
        <translation>Cuentas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Account</source>
        <translation>&amp;Cuenta</translation>
    </message>
    <message>
        <source>&amp;Transactions</source>
        <translation>&amp;Transacciones</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Import Transactions...</source>
        <translation>&amp;Importar transacciones...</translation>
    </message>
    <message>
        <source>Tandrel &amp;Account</source>
        <translation>&amp;Cuenta Tandrel</translation>
    </message>
    <message>
        <source>&amp;Sign In...</source>
        <translation>&amp;Iniciar sesión...</translation>
    </message>
    <message>
        <source>Sign &amp;Out</source>
        <translation>&amp;Cerrar sesión</translation>
    </message>
    <message>
        <source>&amp;Preferences...</source>
        <translation>&amp;Preferencias...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;New Account...</source>
        <translation>&amp;Nueva cuenta...</translation>
    </message>
    <message>
        <source>&amp;Edit Account...</source>
        <translation>&amp;Editar cuenta...</translation>
    </message>
    <message>
        <source>&amp;Delete Account</source>
        <translation>E&amp;liminar cuenta</translation>
    </message>
    <message>
        <source>&amp;Reconcile...</source>
        <translation>&amp;Conciliar...</translation>
    </message>
    <message>
        <source>Reconciliation &amp;History...</source>
        <translation>&amp;Historial de conciliaciones...</translation>
    </message>
    <message>
        <source>&amp;New Transaction...</source>
        <translation>&amp;Nueva transacción...</translation>
    </message>
    <message>
        <source>&amp;Edit Transaction...</source>
        <translation>&amp;Editar transacción...</translation>
    </message>
    <message>
        <source>&amp;Delete Transaction</source>
        <translation>E&amp;liminar transacción</translation>
    </message>
    <message>
        <source>&amp;Memorize as Recurring...</source>
        <translation>&amp;Memorizar como periódica...</translation>
    </message>
    <message>
        <source>&amp;Recurring Transactions...</source>
        <translation>Transacciones &amp;periódicas...</translation>
    </message>
    <message>
        <source>&amp;Categories...</source>
        <translation>&amp;Categorías...</translation>
    </message>
    <message>
        <source>&amp;Payees...</source>
        <translation>&amp;Beneficiarios...</translation>
    </message>
    <message>
        <source>&amp;Reports...</source>
        <translation>&amp;Informes...</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Buscar &amp;actualizaciones...</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New</source>
        <translation>&amp;Novedades</translation>
    </message>
    <message>
        <source>Send &amp;Feedback...</source>
        <translation>Enviar &amp;comentarios...</translation>
    </message>
    <message>
        <source>&amp;About Tandrel Ledgerine</source>
        <translation>Acerca &amp;de Tandrel Ledgerine</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Transacciones</translation>
    </message>
    <message>
        <source>Sync complete</source>
        <translation>Sincronización completada</translation>
    </message>
    <message>
        <source>Sync failed: %1</source>
        <translation>Error de sincronización: %1</translation>
    </message>
    <message>
        <source>Select an account first</source>
        <translation>Seleccione primero una cuenta</translation>
    </message>
    <message>
        <source>Account Not Saved</source>
        <translation>Cuenta no guardada</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be saved.</source>
        <translation>No se pudo guardar la cuenta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Account Not Found</source>
        <translation>Cuenta no encontrada</translation>
    </message>
    <message>
        <source>The account could not be read.</source>
        <translation>No se pudo leer la cuenta.</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved.</source>
        <translation>No se pudieron guardar los cambios de &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Delete Account</source>
        <translation>Eliminar cuenta</translation>
    </message>
    <message>
        <source>Delete the account &quot;%1&quot; with all its transactions, recurring transactions and reconciliations?</source>
        <translation>¿Eliminar la cuenta &quot;%1&quot; con todas sus transacciones, transacciones periódicas y conciliaciones?</translation>
    </message>
    <message>
        <source>Account Not Deleted</source>
        <translation>Cuenta no eliminada</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be deleted; nothing was changed.</source>
        <translation>No se pudo eliminar la cuenta &quot;%1&quot;; no se cambió nada.</translation>
    </message>
    <message>
        <source>Reconcile — %1</source>
        <translation>Conciliar — %1</translation>
    </message>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones periódicas</translation>
    </message>
    <message>
        <source>Memorized as a recurring transaction</source>
        <translation>Memorizada como transacción periódica</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Import Transactions</source>
        <translation>Importar transacciones</translation>
    </message>
    <message>
        <source>About Tandrel Ledgerine</source>
        <translation>Acerca de Tandrel Ledgerine</translation>
    </message>
    <message>
        <source>Tandrel Ledgerine %1

A check register for household finances.</source>
        <translation>Tandrel Ledgerine %1

Un registro de cuentas para las finanzas del hogar.</translation>
    </message>
    <message>
        <source>You are signed in; your accounts appear here once they have synced.</source>
        <translation>Ha iniciado sesión; sus cuentas aparecerán aquí cuando se hayan sincronizado.</translation>
    </message>
    <message>
        <source>Finish signing in in your browser...</source>
        <translation>Termine de iniciar sesión en su navegador...</translation>
    </message>
    <message>
        <source>Signed out. Your data stays on this device.</source>
        <translation>Sesión cerrada. Sus datos se quedan en este dispositivo.</translation>
    </message>
    <message>
        <source>Signed in</source>
        <translation>Sesión iniciada</translation>
    </message>
    <message>
        <source>Sign-In Failed</source>
        <translation>Error al iniciar sesión</translation>
    </message>
    <message>
        <source>Signing in did not complete.

%1</source>
        <translation>No se completó el inicio de sesión.

%1</translation>
    </message>
    <message>
        <source>Signed Out</source>
        <translation>Sesión cerrada</translation>
    </message>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Su sesión ha terminado. Vuelva a iniciar sesión para seguir sincronizando.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Not Now</source>
        <translation>Ahora no</translation>
    </message>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>Se registró automáticamente %n transacción periódica</numerusform>
            <numerusform>Se registraron automáticamente %n transacciones periódicas</numerusform>
        </translation>
    </message>
    <message>
        <source>Tandrel &amp;Account...</source>
        <translation>Cuenta &amp;Tandrel...</translation>
    </message>
    <message>
        <source>&amp;Share Account...</source>
        <translation>C&amp;ompartir cuenta...</translation>
    </message>
    <message>
        <source>Tandrel Account</source>
        <translation>Cuenta Tandrel</translation>
    </message>
    <message numerus="yes">
        <source>Sync complete; %n record(s) cannot be read by this version yet</source>
        <translation>
            <numerusform>Sincronización completada; %n registro aún no se puede leer con esta versión</numerusform>
            <numerusform>Sincronización completada; %n registros aún no se pueden leer con esta versión</numerusform>
        </translation>
    </message>
    <message>
        <source>Sign-in cancelled. You are not signed in.</source>
        <translation>Inicio de sesión cancelado. No ha iniciado sesión.</translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message>
        <source>&amp;Rename Selected</source>
        <translation>&amp;Renombrar seleccionados</translation>
    </message>
    <message>
        <source>&amp;Merge Selected</source>
        <translation>&amp;Fusionar seleccionados</translation>
    </message>
    <message>
        <source>Payee Management</source>
        <translation>Gestión de beneficiarios</translation>
    </message>
    <message>
        <source>Search payees...</source>
        <translation>Buscar beneficiarios...</translation>
    </message>
    <message>
        <source>Search payees</source>
        <translation>Buscar beneficiarios</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Transacciones</translation>
    </message>
    <message>
        <source>Re&amp;name to:</source>
        <translation>&amp;Nuevo nombre:</translation>
    </message>
    <message>
        <source>New payee name</source>
        <translation>Nombre nuevo del beneficiario</translation>
    </message>
    <message>
        <source>Select 2 or more payees to merge.</source>
        <translation>Seleccione 2 o más beneficiarios para fusionarlos.</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Error al renombrar</translation>
    </message>
    <message>
        <source>The payees could not be renamed; nothing was changed.</source>
        <translation>No se pudo cambiar el nombre de los beneficiarios; no se cambió nada.</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>Cambio de nombre completado</translation>
    </message>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Se cambió el beneficiario de %n transacción.</numerusform>
            <numerusform>Se cambió el beneficiario de %n transacciones.</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionar</translation>
    </message>
    <message>
        <source>Merge Payees</source>
        <translation>Fusionar beneficiarios</translation>
    </message>
    <message numerus="yes">
        <source>Merge %n payee(s) into &quot;%1&quot;?</source>
        <translation>
            <numerusform>¿Fusionar %n beneficiario en &quot;%1&quot;?</numerusform>
            <numerusform>¿Fusionar %n beneficiarios en &quot;%1&quot;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge Failed</source>
        <translation>Error al fusionar</translation>
    </message>
    <message>
        <source>The payees could not be merged; nothing was changed.</source>
        <translation>No se pudieron fusionar los beneficiarios; no se cambió nada.</translation>
    </message>
    <message>
        <source>Merge Complete</source>
        <translation>Fusión completada</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Se actualizó el beneficiario de %n transacción.</numerusform>
            <numerusform>Se actualizó el beneficiario de %n transacciones.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PreferenceChoices</name>
    <message>
        <source>System Default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Extra Large</source>
        <translation>Muy grande</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Lunes</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>No release notes available for %1 %2</source>
        <translation>No hay notas de la versión disponibles para %1 %2</translation>
    </message>
    <message>
        <source>Checking for updates…</source>
        <translation>Buscando actualizaciones…</translation>
    </message>
    <message>
        <source>%1 is up to date (version %2)</source>
        <translation>%1 está actualizado (versión %2)</translation>
    </message>
    <message>
        <source>Update check failed: %1</source>
        <translation>No se pudo comprobar si hay actualizaciones: %1</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando las notas de la versión…</translation>
    </message>
    <message>
        <source>Page Not Opened</source>
        <translation>Página no abierta</translation>
    </message>
    <message>
        <source>This link does not lead to a web page, so it was not opened.</source>
        <translation>Este enlace no lleva a una página web, por lo que no se abrió.</translation>
    </message>
    <message>
        <source>The page could not be opened in your browser.</source>
        <translation>No se pudo abrir la página en su navegador.</translation>
    </message>
    <message>
        <source>Share Account</source>
        <translation>Compartir cuenta</translation>
    </message>
    <message>
        <source>Share “%1”</source>
        <translation>Compartir “%1”</translation>
    </message>
    <message>
        <source>Members of your family group whom you share this account with see it and its transactions on their own computers once they sync.</source>
        <translation>Los miembros de su grupo familiar con quienes comparta esta cuenta la verán, con sus transacciones, en sus propios equipos cuando sincronicen.</translation>
    </message>
    <message>
        <source>People with access</source>
        <translation>Personas con acceso</translation>
    </message>
    <message>
        <source>Add people from your group</source>
        <translation>Añadir personas de su grupo</translation>
    </message>
    <message>
        <source>Only you can see this account.</source>
        <translation>Solo usted puede ver esta cuenta.</translation>
    </message>
    <message>
        <source>Nobody else is in your family group yet. Invite people to your group to share accounts with them.</source>
        <translation>Todavía no hay nadie más en su grupo familiar. Invite a personas a su grupo para compartir cuentas con ellas.</translation>
    </message>
    <message>
        <source>Everyone in your group already has access.</source>
        <translation>Todos los miembros de su grupo ya tienen acceso.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Quitar acceso</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Could not share the account</source>
        <translation>No se pudo compartir la cuenta</translation>
    </message>
    <message>
        <source>Could not remove access</source>
        <translation>No se pudo quitar el acceso</translation>
    </message>
    <message>
        <source>Remove Access</source>
        <translation>Quitar acceso</translation>
    </message>
    <message>
        <source>%1 will no longer see this account. Remove their access?</source>
        <translation>%1 dejará de ver esta cuenta. ¿Quitarle el acceso?</translation>
    </message>
</context>
<context>
    <name>QifAccountMapping</name>
    <message>
        <source>— Create new account &quot;%1&quot; —</source>
        <translation>— Crear la cuenta nueva &quot;%1&quot; —</translation>
    </message>
    <message>
        <source>— Skip these transactions —</source>
        <translation>— Omitir estas transacciones —</translation>
    </message>
</context>
<context>
    <name>QifImportWriter</name>
    <message>
        <source>Imported transaction</source>
        <translation>Transacción importada</translation>
    </message>
    <message>
        <source>A transfer stored before changed while the import ran: nothing was imported.</source>
        <translation>Una transferencia guardada anteriormente cambió durante la importación: no se importó nada.</translation>
    </message>
    <message>
        <source>The other side of a transfer stored before</source>
        <translation>La contrapartida de una transferencia guardada anteriormente</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, línea %2</translation>
    </message>
</context>
<context>
    <name>ReconciliationHistoryScreen</name>
    <message>
        <source>Reconciliation History</source>
        <translation>Historial de conciliaciones</translation>
    </message>
    <message>
        <source>No reconciliations yet. Reconcile your account from the register to see the history here.</source>
        <translation>Todavía no hay conciliaciones. Concilie su cuenta desde el registro para ver aquí el historial.</translation>
    </message>
    <message>
        <source>Past reconciliations for this account.</source>
        <translation>Conciliaciones anteriores de esta cuenta.</translation>
    </message>
    <message>
        <source>Statement Date</source>
        <translation>Fecha del extracto</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Reconciled Balance</source>
        <translation>Saldo conciliado</translation>
    </message>
    <message>
        <source>Completed</source>
        <translation>Completada</translation>
    </message>
    <message>
        <source>Reconciliation History — %1</source>
        <translation>Historial de conciliaciones — %1</translation>
    </message>
</context>
<context>
    <name>ReconciliationModel</name>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>C</source>
        <translation>c</translation>
    </message>
</context>
<context>
    <name>ReconciliationScreen</name>
    <message>
        <source>Transaction Not Saved</source>
        <translation>Transacción no guardada</translation>
    </message>
    <message>
        <source>Reconcile Account</source>
        <translation>Conciliar cuenta</translation>
    </message>
    <message>
        <source>Statement Da&amp;te:</source>
        <translation>Fec&amp;ha del extracto:</translation>
    </message>
    <message>
        <source>Statement &amp;Balance:</source>
        <translation>&amp;Saldo del extracto:</translation>
    </message>
    <message>
        <source>Previous Balance</source>
        <translation>Saldo anterior</translation>
    </message>
    <message>
        <source>Cleared Deposits</source>
        <translation>Depósitos compensados</translation>
    </message>
    <message>
        <source>Cleared Withdrawals</source>
        <translation>Pagos compensados</translation>
    </message>
    <message>
        <source>Cleared Balance</source>
        <translation>Saldo compensado</translation>
    </message>
    <message>
        <source>Statement Balance</source>
        <translation>Saldo del extracto</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>&amp;Finish Reconciliation</source>
        <translation>&amp;Finalizar conciliación</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Add Transaction</source>
        <translation>&amp;Añadir transacción</translation>
    </message>
    <message>
        <source>Add a transaction (%1)</source>
        <translation>Añadir una transacción (%1)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>Edit selected transaction (F2)</source>
        <translation>Editar la transacción seleccionada (F2)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
    <message>
        <source>Delete selected transaction (Del)</source>
        <translation>Eliminar la transacción seleccionada (Supr)</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp.</translation>
    </message>
    <message>
        <source>Invalid Date</source>
        <translation>Fecha no válida</translation>
    </message>
    <message>
        <source>Enter the statement date as month/day/year, for example 12/31/2026.</source>
        <translation>Escriba la fecha del extracto como mes/día/año, por ejemplo 12/31/2026.</translation>
    </message>
    <message>
        <source>Reconciliation Not Saved</source>
        <translation>Conciliación no guardada</translation>
    </message>
    <message>
        <source>The reconciliation could not be saved, so nothing was changed. The transactions have been read again: check them and finish again.</source>
        <translation>No se pudo guardar la conciliación, así que no se cambió nada. Las transacciones se han vuelto a leer: revíselas y vuelva a finalizar.</translation>
    </message>
    <message>
        <source>Reconciliation Complete</source>
        <translation>Conciliación completada</translation>
    </message>
    <message>
        <source>Account reconciled successfully.</source>
        <translation>La cuenta se concilió correctamente.</translation>
    </message>
</context>
<context>
    <name>RecurringActions</name>
    <message>
        <source>(no payee)</source>
        <translation>(sin beneficiario)</translation>
    </message>
    <message>
        <source>Not Saved</source>
        <translation>No guardada</translation>
    </message>
    <message>
        <source>The recurring transaction could not be saved: %1.</source>
        <translation>No se pudo guardar la transacción periódica: %1.</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is split into %n line(s).</source>
        <translation>
            <numerusform>&quot;%1&quot; está dividida en %n línea.</numerusform>
            <numerusform>&quot;%1&quot; está dividida en %n líneas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Memorize Split Transaction</source>
        <translation>Memorizar transacción dividida</translation>
    </message>
    <message>
        <source>A recurring transaction holds one category, so it would repeat the whole %1 without a category and without the split lines. Memorize it anyway?</source>
        <translation>Una transacción periódica tiene una sola categoría, así que repetiría el total de %1 sin categoría y sin las líneas de la división. ¿Memorizarla de todos modos?</translation>
    </message>
    <message>
        <source>The changes to &quot;%1&quot; could not be saved: %2.</source>
        <translation>No se pudieron guardar los cambios de &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete recurring &quot;%1&quot;?</source>
        <translation>¿Eliminar la transacción periódica &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Not Deleted</source>
        <translation>No eliminada</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be deleted: %2.</source>
        <translation>No se pudo eliminar &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be entered: %2.</source>
        <translation>No se pudo registrar &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Enter &quot;%1&quot; now, dated %2? The transaction is dated its due date and you can edit or delete it later.</source>
        <translation>¿Registrar &quot;%1&quot; ahora, con fecha %2? La transacción lleva la fecha de su vencimiento y puede editarla o eliminarla más tarde.</translation>
    </message>
    <message>
        <source>Enter Early</source>
        <translation>Registrar por adelantado</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be skipped: %2.</source>
        <translation>No se pudo omitir &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Enter Next 7 Days</source>
        <translation>Registrar los próximos 7 días</translation>
    </message>
    <message>
        <source>Enter all recurring transactions due in the next 7 days? They are dated their due dates and you can edit or delete them later.</source>
        <translation>¿Registrar todas las transacciones periódicas que vencen en los próximos 7 días? Llevan la fecha de su vencimiento y puede editarlas o eliminarlas más tarde.</translation>
    </message>
    <message>
        <source>Not Entered</source>
        <translation>No registrada</translation>
    </message>
    <message>
        <source>Nothing was entered: %1.</source>
        <translation>No se registró nada: %1.</translation>
    </message>
    <message>
        <source>Changed Meanwhile</source>
        <translation>Cambiada mientras tanto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; changed after you chose it: it may have been entered by itself or on another device. Nothing was done; look at it again.</source>
        <translation>&quot;%1&quot; cambió después de que la eligiera: puede que se haya registrado automáticamente o en otro dispositivo. No se hizo nada; revísela de nuevo.</translation>
    </message>
    <message>
        <source>Nothing Left to Enter</source>
        <translation>Nada más que registrar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no occurrence left before its end date, so nothing was entered. It is now inactive.</source>
        <translation>&quot;%1&quot; no tiene más repeticiones antes de su fecha de fin, así que no se registró nada. Ahora está inactiva.</translation>
    </message>
</context>
<context>
    <name>RecurringEditor</name>
    <message>
        <source>the database refused it (%1)</source>
        <translation>la base de datos la rechazó (%1)</translation>
    </message>
    <message>
        <source>it was deleted while the form was open</source>
        <translation>se eliminó mientras el formulario estaba abierto</translation>
    </message>
    <message>
        <source>its next due date could not be worked out from the new start date</source>
        <translation>no se pudo calcular su próximo vencimiento a partir de la nueva fecha de inicio</translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message>
        <source>New Recurring Transaction</source>
        <translation>Nueva transacción periódica</translation>
    </message>
    <message>
        <source>Edit Recurring Transaction</source>
        <translation>Editar transacción periódica</translation>
    </message>
    <message>
        <source>Memorize Transaction</source>
        <translation>Memorizar transacción</translation>
    </message>
    <message>
        <source>End Before Start</source>
        <translation>Fin anterior al inicio</translation>
    </message>
    <message>
        <source>The end date, %1, is before the start date, %2. Choose an end date on or after the start.</source>
        <translation>La fecha de fin, %1, es anterior a la fecha de inicio, %2. Elija una fecha de fin igual o posterior al inicio.</translation>
    </message>
    <message>
        <source>No account yet: create one first</source>
        <translation>Aún no hay cuentas: cree una primero</translation>
    </message>
    <message>
        <source>Choose an account</source>
        <translation>Elija una cuenta</translation>
    </message>
    <message>
        <source>A recurring transaction stays in the account it enters its transactions in</source>
        <translation>Una transacción periódica permanece en la cuenta en la que registra sus transacciones</translation>
    </message>
    <message>
        <source>Start typing to search payees...</source>
        <translation>Empiece a escribir para buscar beneficiarios...</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Último día</translation>
    </message>
    <message>
        <source>Has &amp;end date</source>
        <translation>Con fecha de &amp;fin</translation>
    </message>
    <message>
        <source>A&amp;uto-post when due</source>
        <translation>Registrar a&amp;utomáticamente al vencer</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>in advance</comment>
        <translation>
            <numerusform>día</numerusform>
            <numerusform>días</numerusform>
        </translation>
    </message>
    <message>
        <source>Acti&amp;ve</source>
        <translation>Acti&amp;va</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Cuenta:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Pa&amp;yee:</source>
        <translation>&amp;Beneficiario:</translation>
    </message>
    <message>
        <source>A&amp;mount:</source>
        <translation>&amp;Importe:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>Ca&amp;tegoría:</translation>
    </message>
    <message>
        <source>Mem&amp;o:</source>
        <translation>N&amp;ota:</translation>
    </message>
    <message>
        <source>&amp;Frequency:</source>
        <translation>F&amp;recuencia:</translation>
    </message>
    <message>
        <source>&amp;Repeat every:</source>
        <translation>Repetir cad&amp;a:</translation>
    </message>
    <message>
        <source>F&amp;irst day:</source>
        <translation>Pri&amp;mer día:</translation>
    </message>
    <message>
        <source>&amp;Second day:</source>
        <translation>S&amp;egundo día:</translation>
    </message>
    <message>
        <source>S&amp;tart date:</source>
        <translation>Fec&amp;ha de inicio:</translation>
    </message>
    <message>
        <source>End date:</source>
        <translation>Fecha de fin:</translation>
    </message>
    <message>
        <source>Enter i&amp;n advance:</source>
        <translation>Registrar con a&amp;ntelación:</translation>
    </message>
    <message>
        <source>(deleted account)</source>
        <translation>(cuenta eliminada)</translation>
    </message>
    <message>
        <source>(deleted category)</source>
        <translation>(categoría eliminada)</translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>día</numerusform>
            <numerusform>días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>semana</numerusform>
            <numerusform>semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>month(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>mes</numerusform>
            <numerusform>meses</numerusform>
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
            <numerusform>año</numerusform>
            <numerusform>años</numerusform>
        </translation>
    </message>
    <message>
        <source>Invalid Date</source>
        <translation>Fecha no válida</translation>
    </message>
    <message>
        <source>Enter the date as month/day/year, for example 12/31/2026.</source>
        <translation>Escriba la fecha como mes/día/año, por ejemplo 12/31/2026.</translation>
    </message>
    <message>
        <source>More than one category matches &quot;%1&quot;. Choose one from the list.</source>
        <translation>Hay más de una categoría que coincide con &quot;%1&quot;. Elija una de la lista.</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;. Choose one from the list, or clear the field for none.</source>
        <translation>No hay ninguna categoría llamada &quot;%1&quot;. Elija una de la lista o vacíe el campo para no usar ninguna.</translation>
    </message>
    <message>
        <source>Choose a Category</source>
        <translation>Elija una categoría</translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Cada dos semanas</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>Dos veces al mes</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestral</translation>
    </message>
    <message>
        <source>Semi-annual</source>
        <translation>Semestral</translation>
    </message>
    <message>
        <source>Annual</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>Semi-monthly (%1 &amp; %2)</source>
        <translation>Dos veces al mes (%1 y %2)</translation>
    </message>
    <message numerus="yes">
        <source>Every %n day(s)</source>
        <translation>
            <numerusform>Cada %n día</numerusform>
            <numerusform>Cada %n días</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n week(s)</source>
        <translation>
            <numerusform>Cada %n semana</numerusform>
            <numerusform>Cada %n semanas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n month(s)</source>
        <translation>
            <numerusform>Cada %n mes</numerusform>
            <numerusform>Cada %n meses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n year(s)</source>
        <translation>
            <numerusform>Cada %n año</numerusform>
            <numerusform>Cada %n años</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (×%2)</source>
        <translation>%1 (×%2)</translation>
    </message>
    <message>
        <source>last day</source>
        <translation>último día</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Active</source>
        <translation>Activa</translation>
    </message>
    <message>
        <source>Inactive</source>
        <translation>Inactiva</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Next Due</source>
        <translation>Próximo vencimiento</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Autom.</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
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
        <translation>Confirmar &amp;todas las pendientes</translation>
    </message>
    <message>
        <source>Enter &amp;Next 7 Days...</source>
        <translation>Registrar los &amp;próximos 7 días...</translation>
    </message>
    <message>
        <source>Ne&amp;w Recurring...</source>
        <translation>&amp;Nueva periódica...</translation>
    </message>
    <message>
        <source>Recurring Transactions</source>
        <translation>Transacciones periódicas</translation>
    </message>
    <message numerus="yes">
        <source>(%n due)</source>
        <translation>
            <numerusform>(%n pendiente)</numerusform>
            <numerusform>(%n pendientes)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Confirm</source>
        <translation>&amp;Confirmar</translation>
    </message>
    <message>
        <source>&amp;Skip</source>
        <translation>&amp;Omitir</translation>
    </message>
    <message>
        <source>E&amp;nter Early...</source>
        <translation>&amp;Registrar por adelantado...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;liminar</translation>
    </message>
</context>
<context>
    <name>RegisterEditor</name>
    <message>
        <source>it was deleted meanwhile</source>
        <translation>se eliminó mientras tanto</translation>
    </message>
    <message>
        <source>its account was deleted</source>
        <translation>su cuenta se eliminó</translation>
    </message>
    <message>
        <source>its split lines do not add up to its amount</source>
        <translation>sus líneas de división no suman su importe</translation>
    </message>
    <message>
        <source>a split cannot also be a transfer</source>
        <translation>una transacción dividida no puede ser también una transferencia</translation>
    </message>
    <message>
        <source>the new category has no id</source>
        <translation>la categoría nueva no tiene id</translation>
    </message>
    <message>
        <source>one of its categories cannot be used in this account</source>
        <translation>una de sus categorías no se puede usar en esta cuenta</translation>
    </message>
    <message>
        <source>the other account of the transfer cannot take it</source>
        <translation>la otra cuenta de la transferencia no puede recibirla</translation>
    </message>
    <message>
        <source>a transfer between currencies needs the amount the other account receives</source>
        <translation>una transferencia entre monedas necesita el importe que recibe la otra cuenta</translation>
    </message>
    <message>
        <source>the ledger could not be written (%1)</source>
        <translation>no se pudo escribir en el libro de cuentas (%1)</translation>
    </message>
</context>
<context>
    <name>RegisterModel</name>
    <message>
        <source>R</source>
        <translation>C</translation>
    </message>
    <message>
        <source>C</source>
        <translation>c</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Num</source>
        <translation>Núm.</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>Deposit</source>
        <translation>Depósito</translation>
    </message>
    <message>
        <source>Clr</source>
        <translation>Comp.</translation>
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
        <translation>Nueva transacción...</translation>
    </message>
    <message>
        <source>Reconcile...</source>
        <translation>Conciliar...</translation>
    </message>
    <message>
        <source>Reconcile this account against a bank statement</source>
        <translation>Conciliar esta cuenta con un extracto bancario</translation>
    </message>
    <message>
        <source>&amp;Memorize as Recurring...</source>
        <translation>&amp;Memorizar como periódica...</translation>
    </message>
    <message>
        <source>R</source>
        <translation>C</translation>
    </message>
</context>
<context>
    <name>ReportComparison</name>
    <message>
        <source>This Year vs Last Year</source>
        <translation>Este año frente al año pasado</translation>
    </message>
    <message>
        <source>Last Year vs Year Before</source>
        <translation>Año pasado frente al anterior</translation>
    </message>
    <message>
        <source>This Quarter vs Last Quarter</source>
        <translation>Este trimestre frente al trimestre pasado</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizada</translation>
    </message>
</context>
<context>
    <name>ReportRunner</name>
    <message>
        <source>Checking</source>
        <translation>Cuenta corriente</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otra</translation>
    </message>
    <message>
        <source>Savings</source>
        <translation>Cuenta de ahorro</translation>
    </message>
    <message>
        <source>Credit Card</source>
        <translation>Tarjeta de crédito</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Efectivo</translation>
    </message>
    <message>
        <source>Investment</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Category Spending</source>
        <translation>Gastos por categoría</translation>
    </message>
    <message>
        <source>Payee Summary</source>
        <translation>Resumen por beneficiario</translation>
    </message>
    <message>
        <source>Tax Report</source>
        <translation>Informe fiscal</translation>
    </message>
    <message>
        <source>Income vs Expenses</source>
        <translation>Ingresos y gastos</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flujo de caja</translation>
    </message>
    <message>
        <source>Year-over-Year</source>
        <translation>Comparación interanual</translation>
    </message>
    <message>
        <source>Account Summary</source>
        <translation>Resumen de cuentas</translation>
    </message>
    <message>
        <source>Transactions</source>
        <translation>Transacciones</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Payee</source>
        <translation>Beneficiario</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Recuento</translation>
    </message>
    <message>
        <source>Tax Code</source>
        <translation>Código fiscal</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mes</translation>
    </message>
    <message>
        <source>Income</source>
        <translation>Ingresos</translation>
    </message>
    <message>
        <source>Expenses</source>
        <translation>Gastos</translation>
    </message>
    <message>
        <source>Net</source>
        <translation>Neto</translation>
    </message>
    <message>
        <source>Inflows</source>
        <translation>Entradas</translation>
    </message>
    <message>
        <source>Outflows</source>
        <translation>Salidas</translation>
    </message>
    <message>
        <source>Period 1</source>
        <translation>Período 1</translation>
    </message>
    <message>
        <source>Period 2</source>
        <translation>Período 2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Cuenta</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Cleared</source>
        <translation>Compensado</translation>
    </message>
    <message>
        <source>Uncleared</source>
        <translation>No compensado</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
</context>
<context>
    <name>ReportService</name>
    <message>
        <source>Uncategorized</source>
        <translation>Sin categoría</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividida</translation>
    </message>
    <message>
        <source>Transfer to/from: </source>
        <translation>Transferencia a/desde: </translation>
    </message>
</context>
<context>
    <name>ReportTableModel</name>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
</context>
<context>
    <name>ReportsScreen</name>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>E&amp;xport CSV...</source>
        <translation>E&amp;xportar CSV...</translation>
    </message>
    <message>
        <source>Not every transaction could be read, so this list is incomplete. Choose the period again to retry.</source>
        <translation>No se pudieron leer todas las transacciones, así que esta lista está incompleta. Vuelva a elegir el período para reintentarlo.</translation>
    </message>
    <message>
        <source>&amp;Account:</source>
        <translation>&amp;Cuenta:</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Período:</translation>
    </message>
    <message>
        <source>Co&amp;mpare:</source>
        <translation>Co&amp;mparar:</translation>
    </message>
    <message>
        <source>Period &amp;1:</source>
        <translation>Período &amp;1:</translation>
    </message>
    <message>
        <source>Period &amp;2:</source>
        <translation>Período &amp;2:</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Error al exportar</translation>
    </message>
    <message>
        <source>The report could not be saved as &quot;%1&quot;: %2. Nothing was written; choose another place and try again.</source>
        <translation>No se pudo guardar el informe como &quot;%1&quot;: %2. No se escribió nada; elija otra ubicación e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>These results are for the last dates that could be read. Type the dates as month/day/year, or choose them from the calendar, to update them.</source>
        <translation>Estos resultados corresponden a las últimas fechas que se pudieron leer. Escriba las fechas como mes/día/año, o elíjalas en el calendario, para actualizarlos.</translation>
    </message>
</context>
<context>
    <name>SettingsScreen</name>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Data &amp; Sync</source>
        <translation>Datos y sincronización</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Ctrl+Page Down and Ctrl+Page Up change the page.</source>
        <translation>Ctrl+Av Pág y Ctrl+Re Pág cambian de página.</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Control how Tandrel Ledgerine looks.</source>
        <translation>Controle el aspecto de Tandrel Ledgerine.</translation>
    </message>
    <message>
        <source>Choose accent color</source>
        <translation>Elegir el color de énfasis</translation>
    </message>
    <message>
        <source>Accent color</source>
        <translation>Color de énfasis</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de letra</translation>
    </message>
    <message>
        <source>Regional</source>
        <translation>Configuración regional</translation>
    </message>
    <message>
        <source>Date and calendar preferences.</source>
        <translation>Preferencias de fecha y calendario.</translation>
    </message>
    <message>
        <source>Week starts on</source>
        <translation>La semana empieza el</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>How transactions appear in the register.</source>
        <translation>Cómo se muestran las transacciones en el registro.</translation>
    </message>
    <message>
        <source>Two-line rows</source>
        <translation>Filas de dos líneas</translation>
    </message>
    <message>
        <source>Auto-decimal point</source>
        <translation>Punto decimal automático</translation>
    </message>
    <message>
        <source>Show memo on a second line below the payee.</source>
        <translation>Muestra la nota en una segunda línea debajo del beneficiario.</translation>
    </message>
    <message>
        <source>Type 1234 to enter 12.34. The last two digits are always cents.</source>
        <translation>Escriba 1234 para introducir 12.34. Las dos últimas cifras son siempre los decimales.</translation>
    </message>
    <message>
        <source>Sorting</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Control the order of transactions in the register.</source>
        <translation>Controle el orden de las transacciones en el registro.</translation>
    </message>
    <message>
        <source>Show newest transactions first</source>
        <translation>Mostrar primero las transacciones más recientes</translation>
    </message>
    <message>
        <source>When enabled, the most recent transactions appear at the top.</source>
        <translation>Si se activa, las transacciones más recientes aparecen arriba.</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sincronización</translation>
    </message>
    <message>
        <source>Keep your check register in sync across all your devices.</source>
        <translation>Mantenga su registro sincronizado en todos sus dispositivos.</translation>
    </message>
    <message>
        <source>Sync Now</source>
        <translation>Sincronizar ahora</translation>
    </message>
    <message>
        <source>Force Full Sync</source>
        <translation>Forzar sincronización completa</translation>
    </message>
    <message>
        <source>Backup &amp; Restore</source>
        <translation>Copia de seguridad y restauración</translation>
    </message>
    <message>
        <source>Save or restore your data to a portable backup file.</source>
        <translation>Guarde sus datos en un archivo de copia de seguridad portátil o restáurelos desde él.</translation>
    </message>
    <message>
        <source>Export Backup</source>
        <translation>Exportar copia de seguridad</translation>
    </message>
    <message>
        <source>Import Backup</source>
        <translation>Importar copia de seguridad</translation>
    </message>
    <message>
        <source>Deleted Accounts</source>
        <translation>Cuentas eliminadas</translation>
    </message>
    <message>
        <source>Accounts you&apos;ve deleted can be restored here.</source>
        <translation>Aquí puede restaurar las cuentas que haya eliminado.</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurar seleccionadas</translation>
    </message>
    <message>
        <source>Tandrel Ledgerine</source>
        <translation>Tandrel Ledgerine</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>A digital check register for tracking household finances.</source>
        <translation>Un registro digital para llevar las finanzas del hogar.</translation>
    </message>
    <message>
        <source>This application uses the Qt framework under the LGPL v3 license.</source>
        <translation>Esta aplicación usa el framework Qt bajo la licencia LGPL v3.</translation>
    </message>
    <message>
        <source>Language Changed</source>
        <translation>Idioma cambiado</translation>
    </message>
    <message>
        <source>The new language will take effect the next time you start Tandrel Ledgerine.</source>
        <translation>El nuevo idioma se aplicará la próxima vez que inicie Tandrel Ledgerine.</translation>
    </message>
    <message>
        <source>Account Not Restored</source>
        <translation>Cuenta no restaurada</translation>
    </message>
    <message>
        <source>The account &quot;%1&quot; could not be restored; nothing was changed.</source>
        <translation>No se pudo restaurar la cuenta &quot;%1&quot;; no se cambió nada.</translation>
    </message>
    <message>
        <source>This will re-upload every local row to the server and re-download all server data. Use this if data appears out of sync between devices.

Continue?</source>
        <translation>Se volverán a subir al servidor todas las filas locales y se volverán a descargar todos los datos del servidor. Úselo si los datos no parecen estar sincronizados entre dispositivos.

¿Continuar?</translation>
    </message>
    <message>
        <source>Syncing...</source>
        <translation>Sincronizando...</translation>
    </message>
    <message>
        <source>ZIP Files (*.zip)</source>
        <translation>Archivos ZIP (*.zip)</translation>
    </message>
    <message>
        <source>Exporting...</source>
        <translation>Exportando...</translation>
    </message>
    <message>
        <source>Writing the backup...</source>
        <translation>Escribiendo la copia de seguridad...</translation>
    </message>
    <message>
        <source>Import Mode</source>
        <translation>Modo de importación</translation>
    </message>
    <message>
        <source>How should existing data be handled?</source>
        <translation>¿Qué hacer con los datos existentes?</translation>
    </message>
    <message>
        <source>Importing...</source>
        <translation>Importando...</translation>
    </message>
    <message>
        <source>Restoring the backup...</source>
        <translation>Restaurando la copia de seguridad...</translation>
    </message>
</context>
<context>
    <name>SignInQuestions</name>
    <message>
        <source>Confirm Sign-In</source>
        <translation>Confirmar inicio de sesión</translation>
    </message>
    <message>
        <source>Sign in as %1?</source>
        <translation>¿Iniciar sesión como %1?</translation>
    </message>
    <message>
        <source>Choose Yes only if this is the account you just signed in with in your browser.</source>
        <translation>Elija Sí solo si esta es la cuenta con la que acaba de iniciar sesión en el navegador.</translation>
    </message>
    <message>
        <source>Upload Ledger</source>
        <translation>Subir libro de cuentas</translation>
    </message>
    <message>
        <source>Upload this ledger to the account %1?</source>
        <translation>¿Subir este libro de cuentas a la cuenta %1?</translation>
    </message>
    <message numerus="yes">
        <source>This ledger holds %n transaction(s) and last synced with the account %1.</source>
        <translation>
            <numerusform>Este libro de cuentas contiene %n transacción y se sincronizó por última vez con la cuenta %1.</numerusform>
            <numerusform>Este libro de cuentas contiene %n transacciones y se sincronizó por última vez con la cuenta %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>If you choose No, %1 is signed out and the ledger stays as it is.</source>
        <translation>Si elige No, se cerrará la sesión de %1 y el libro de cuentas quedará como está.</translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message>
        <source>Split Transaction</source>
        <translation>Dividir transacción</translation>
    </message>
    <message>
        <source>Transaction amount:</source>
        <translation>Importe de la transacción:</translation>
    </message>
    <message>
        <source>Left to assign:</source>
        <translation>Pendiente de asignar:</translation>
    </message>
    <message>
        <source>Set Amount to &amp;Total</source>
        <translation>Usar el &amp;total como importe</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a complete amount. Correct it, or clear it for none.</source>
        <translation>&quot;%1&quot; no es un importe completo. Corríjalo o bórrelo para dejarlo vacío.</translation>
    </message>
    <message>
        <source>More than one category matches &quot;%1&quot;; choose one from the list.</source>
        <translation>Hay más de una categoría que coincide con &quot;%1&quot;; elija una de la lista.</translation>
    </message>
    <message numerus="yes">
        <source>Total of %n line(s):</source>
        <translation>
            <numerusform>Total de %n línea:</numerusform>
            <numerusform>Total de %n líneas:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SplitLinesWidget</name>
    <message>
        <source>&amp;Add Line</source>
        <translation>&amp;Añadir línea</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Memo</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Remove Line</source>
        <translation>Quitar línea</translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message numerus="yes">
        <source>%n recurring transaction(s) due</source>
        <translation>
            <numerusform>%n transacción periódica pendiente</numerusform>
            <numerusform>%n transacciones periódicas pendientes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n record(s) not readable yet)</source>
        <translation>
            <numerusform>%1 (%n registro aún no legible)</numerusform>
            <numerusform>%1 (%n registros aún no legibles)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This version cannot read %n record(s) from the sync service yet. They are kept and tried again at every sync.</source>
        <translation>
            <numerusform>Esta versión aún no puede leer %n registro del servicio de sincronización. Se conserva y se vuelve a intentar en cada sincronización.</numerusform>
            <numerusform>Esta versión aún no puede leer %n registros del servicio de sincronización. Se conservan y se vuelven a intentar en cada sincronización.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TandAccount::ShareMembersDialog</name>
    <message>
        <source>Could not share with %1.</source>
        <translation>No se pudo compartir con %1.</translation>
    </message>
    <message>
        <source>Could not remove %1.</source>
        <translation>No se pudo quitar a %1.</translation>
    </message>
    <message>
        <source>People with access</source>
        <translation>Personas con acceso</translation>
    </message>
    <message>
        <source>Add people</source>
        <translation>Añadir personas</translation>
    </message>
    <message>
        <source>Not shared with anyone yet.</source>
        <translation>Todavía no se comparte con nadie.</translation>
    </message>
    <message>
        <source>Nobody else is in your family group yet. Invite people to your group to share this account with them.</source>
        <translation>Todavía no hay nadie más en su grupo familiar. Invite a personas a su grupo para compartir esta cuenta con ellas.</translation>
    </message>
    <message>
        <source>All group members already have access</source>
        <translation>Todos los miembros del grupo ya tienen acceso</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Remove access</source>
        <translation>Quitar acceso</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Remove access?</source>
        <translation>¿Quitar el acceso?</translation>
    </message>
    <message>
        <source>%1 will no longer have access. Continue?</source>
        <translation>%1 dejará de tener acceso. ¿Continuar?</translation>
    </message>
    <message>
        <source>Loading…</source>
        <translation>Cargando…</translation>
    </message>
    <message>
        <source>Could not load who has access to this account.</source>
        <translation>No se pudo cargar quién tiene acceso a esta cuenta.</translation>
    </message>
    <message>
        <source>Could not load your group&apos;s members.</source>
        <translation>No se pudieron cargar los miembros de su grupo.</translation>
    </message>
    <message>
        <source>Members can be added once it is known who has access.</source>
        <translation>Se podrán añadir miembros cuando se sepa quién tiene acceso.</translation>
    </message>
    <message>
        <source>Sharing with %1…</source>
        <translation>Compartiendo con %1…</translation>
    </message>
    <message>
        <source>Removing %1…</source>
        <translation>Quitando a %1…</translation>
    </message>
</context>
<context>
    <name>TandUpdate::UpdateDialog</name>
    <message>
        <source>Update available</source>
        <translation>Actualización disponible</translation>
    </message>
    <message>
        <source>A new version of %1 is available.</source>
        <translation>Hay una nueva versión de %1 disponible.</translation>
    </message>
    <message>
        <source>You have version %1. The latest version is %2.</source>
        <translation>Tiene la versión %1. La versión más reciente es la %2.</translation>
    </message>
    <message>
        <source>Loading release notes…</source>
        <translation>Cargando las notas de la versión…</translation>
    </message>
    <message>
        <source>*Release notes are not available for this version.*</source>
        <translation>*Las notas de esta versión no están disponibles.*</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
</context>
<context>
    <name>TandUpdate::WhatsNewDialog</name>
    <message>
        <source>What&apos;s New in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>What&apos;s new in %1 %2</source>
        <translation>Novedades de %1 %2</translation>
    </message>
    <message>
        <source>You are running version %1</source>
        <translation>Está usando la versión %1</translation>
    </message>
    <message>
        <source>Download %1</source>
        <translation>Descargar %1</translation>
    </message>
</context>
<context>
    <name>TransactionActions</name>
    <message>
        <source>The new transaction could not be saved: %1.</source>
        <translation>No se pudo guardar la transacción nueva: %1.</translation>
    </message>
    <message>
        <source>The changes to the transaction could not be saved: %1.</source>
        <translation>No se pudieron guardar los cambios de la transacción: %1.</translation>
    </message>
    <message>
        <source>Delete the transfer for %1? Its other side, in %2, is deleted too.</source>
        <translation>¿Eliminar la transferencia de %1? También se elimina su contrapartida, en %2.</translation>
    </message>
    <message>
        <source>Delete the transaction for %1?</source>
        <translation>¿Eliminar la transacción de %1?</translation>
    </message>
    <message>
        <source>This transaction is reconciled: its statement will no longer add up.</source>
        <translation>Esta transacción está conciliada: su extracto dejará de cuadrar.</translation>
    </message>
    <message>
        <source>The other side is reconciled: its statement will no longer add up.</source>
        <translation>La contrapartida está conciliada: su extracto dejará de cuadrar.</translation>
    </message>
    <message>
        <source>Delete Transaction</source>
        <translation>Eliminar transacción</translation>
    </message>
    <message>
        <source>The transaction could not be deleted: %1.</source>
        <translation>No se pudo eliminar la transacción: %1.</translation>
    </message>
    <message>
        <source>This transaction is reconciled</source>
        <translation>Esta transacción está conciliada</translation>
    </message>
    <message>
        <source>Its other side, in %1, is reconciled</source>
        <translation>Su contrapartida, en %1, está conciliada</translation>
    </message>
    <message>
        <source>Change a Reconciled Transaction</source>
        <translation>Cambiar una transacción conciliada</translation>
    </message>
    <message>
        <source>%1: changing it means its statement will no longer add up. Change it anyway?</source>
        <translation>%1: si la cambia, su extracto dejará de cuadrar. ¿Cambiarla de todos modos?</translation>
    </message>
    <message>
        <source>another account</source>
        <translation>otra cuenta</translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message>
        <source>New Transaction</source>
        <translation>Nueva transacción</translation>
    </message>
    <message>
        <source>Edit Transaction</source>
        <translation>Editar transacción</translation>
    </message>
    <message>
        <source>Invalid Date</source>
        <translation>Fecha no válida</translation>
    </message>
    <message>
        <source>Enter the date as month/day/year, for example 12/31/2026.</source>
        <translation>Escriba la fecha como mes/día/año, por ejemplo 12/31/2026.</translation>
    </message>
    <message>
        <source>Split Does Not Add Up</source>
        <translation>La división no cuadra</translation>
    </message>
    <message>
        <source>The split lines add up to %1, not to the amount of %2. Open the split to correct them.</source>
        <translation>Las líneas de la división suman %1, no el importe de %2. Abra la división para corregirlas.</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>Opcional</translation>
    </message>
    <message>
        <source>Divide the amount among several categories</source>
        <translation>Repartir el importe entre varias categorías</translation>
    </message>
    <message>
        <source>C&amp;leared</source>
        <translation>Co&amp;mpensada</translation>
    </message>
    <message>
        <source>Da&amp;te:</source>
        <translation>&amp;Fecha:</translation>
    </message>
    <message>
        <source>&amp;Number:</source>
        <translation>&amp;Número:</translation>
    </message>
    <message>
        <source>Pa&amp;yee:</source>
        <translation>&amp;Beneficiario:</translation>
    </message>
    <message>
        <source>&amp;Category:</source>
        <translation>&amp;Categoría:</translation>
    </message>
    <message>
        <source>&amp;Memo:</source>
        <translation>N&amp;ota:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Importe:</translation>
    </message>
    <message>
        <source>Reconciled transactions stay cleared</source>
        <translation>Las transacciones conciliadas siguen compensadas</translation>
    </message>
    <message>
        <source>(deleted account)</source>
        <translation>(cuenta eliminada)</translation>
    </message>
    <message numerus="yes">
        <source>Split into %n line(s)</source>
        <translation>
            <numerusform>Dividida en %n línea</numerusform>
            <numerusform>Dividida en %n líneas</numerusform>
        </translation>
    </message>
    <message>
        <source>The amount of a split is the sum of its lines</source>
        <translation>El importe de una transacción dividida es la suma de sus líneas</translation>
    </message>
    <message>
        <source>Edit &amp;Split...</source>
        <translation>Editar di&amp;visión...</translation>
    </message>
    <message>
        <source>Type a minus sign to switch between payment and deposit</source>
        <translation>Escriba un signo menos para cambiar entre pago y depósito</translation>
    </message>
    <message>
        <source>&amp;Split...</source>
        <translation>Di&amp;vidir...</translation>
    </message>
    <message>
        <source>Choose a Category</source>
        <translation>Elija una categoría</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no single category. Choose one, or clear the field, before splitting.</source>
        <translation>&quot;%1&quot; no corresponde a una única categoría. Elija una o vacíe el campo antes de dividir.</translation>
    </message>
    <message>
        <source>No category is named &quot;%1&quot;: pick one from the list, or OK will offer to create it.</source>
        <translation>No hay ninguna categoría llamada &quot;%1&quot;: elija una de la lista o Aceptar le ofrecerá crearla.</translation>
    </message>
    <message>
        <source>More than one category matches &quot;%1&quot;; choose one.</source>
        <translation>Hay más de una categoría que coincide con &quot;%1&quot;; elija una.</translation>
    </message>
    <message>
        <source>Amount in %1:</source>
        <translation>Importe en %1:</translation>
    </message>
    <message>
        <source>Invalid Amount</source>
        <translation>Importe no válido</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a complete amount. Correct it, or clear it for none.</source>
        <translation>&quot;%1&quot; no es un importe completo. Corríjalo o bórrelo para dejarlo vacío.</translation>
    </message>
    <message>
        <source>Nothing to Save</source>
        <translation>Nada que guardar</translation>
    </message>
    <message>
        <source>Enter a payee or an amount.</source>
        <translation>Escriba un beneficiario o un importe.</translation>
    </message>
    <message>
        <source>More than one category matches &quot;%1&quot;; choose one from the list.</source>
        <translation>Hay más de una categoría que coincide con &quot;%1&quot;; elija una de la lista.</translation>
    </message>
    <message>
        <source>Amount Missing</source>
        <translation>Falta el importe</translation>
    </message>
    <message>
        <source>Enter the amount as %1 counts it, in its own currency.</source>
        <translation>Escriba el importe tal como lo registra %1, en su propia moneda.</translation>
    </message>
</context>
<context>
    <name>TransactionRepository</name>
    <message>
        <source>Split</source>
        <translation>Dividida</translation>
    </message>
</context>
<context>
    <name>WelcomeScreen</name>
    <message>
        <source>Your session has ended. Sign back in to keep syncing.</source>
        <translation>Su sesión ha terminado. Vuelva a iniciar sesión para seguir sincronizando.</translation>
    </message>
    <message>
        <source>Works fully offline. Your data stays on this device.</source>
        <translation>Funciona completamente sin conexión. Sus datos se quedan en este dispositivo.</translation>
    </message>
    <message>
        <source>How it works</source>
        <translation>Cómo funciona</translation>
    </message>
    <message>
        <source>Add an account (checking, savings, credit card, or any account you&apos;d like to track).</source>
        <translation>Añada una cuenta (corriente, de ahorro, tarjeta de crédito o cualquier otra cuenta que quiera controlar).</translation>
    </message>
    <message>
        <source>Record transactions as you spend.</source>
        <translation>Anote las transacciones a medida que gasta.</translation>
    </message>
    <message>
        <source>Reconcile when your statement arrives.</source>
        <translation>Concilie cuando llegue su extracto.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Hola de nuevo</translation>
    </message>
    <message>
        <source>Sign in to keep your data synced across devices.</source>
        <translation>Inicie sesión para mantener sus datos sincronizados entre dispositivos.</translation>
    </message>
    <message>
        <source>Sign In</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>Create a different account</source>
        <translation>Crear otra cuenta</translation>
    </message>
    <message>
        <source>Welcome to
Tandrel Ledgerine</source>
        <translation>Le damos la bienvenida a
Tandrel Ledgerine</translation>
    </message>
    <message>
        <source>A digital check register.</source>
        <translation>Un registro de cuentas digital.</translation>
    </message>
    <message>
        <source>Already have an account? Sign In</source>
        <translation>¿Ya tiene una cuenta? Inicie sesión</translation>
    </message>
    <message>
        <source>Create Your First Account</source>
        <translation>Crear su primera cuenta</translation>
    </message>
</context>
</TS>
