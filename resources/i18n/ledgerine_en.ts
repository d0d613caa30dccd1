<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BackupService</name>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...and %n more.</numerusform>
            <numerusform>...and %n more.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataSyncTexts</name>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...and %n more.</numerusform>
            <numerusform>...and %n more.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Imported %n item(s), skipped %1.</source>
        <translation>
            <numerusform>Imported %n item, skipped %1.</numerusform>
            <numerusform>Imported %n items, skipped %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n error(s) occurred:</source>
        <translation>
            <numerusform>%n error occurred:</numerusform>
            <numerusform>%n errors occurred:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) from the sync service cannot be read by this version of Ledgerine yet. They are kept, and tried again at every sync; an update may read them.</source>
        <translation>
            <numerusform>%n record from the sync service cannot be read by this version of Ledgerine yet. It is kept, and tried again at every sync; an update may read it.</numerusform>
            <numerusform>%n records from the sync service cannot be read by this version of Ledgerine yet. They are kept, and tried again at every sync; an update may read them.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) given an uncategorized line so their lines add up to the total</source>
        <translation>
            <numerusform>%n split transaction given an uncategorized line so its lines add up to the total</numerusform>
            <numerusform>%n split transactions given an uncategorized line so their lines add up to the total</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportScreen</name>
    <message numerus="yes">
        <source>Showing the first %n row(s) of the file.</source>
        <translation>
            <numerusform>Showing the first %n row of the file.</numerusform>
            <numerusform>Showing the first %n rows of the file.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n file selected</numerusform>
            <numerusform>%n files selected</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transaction(s) imported</source>
        <translation>
            <numerusform>%n transaction imported</numerusform>
            <numerusform>%n transactions imported</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n transfer(s) linked across accounts</source>
        <translation>
            <numerusform>%n transfer linked across accounts</numerusform>
            <numerusform>%n transfers linked across accounts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  (including %n linked to previously imported row(s))</source>
        <translation>
            <numerusform>  (including %n linked to a previously imported row)</numerusform>
            <numerusform>  (including %n linked to previously imported rows)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n duplicate(s) skipped</source>
        <translation>
            <numerusform>%n duplicate skipped</numerusform>
            <numerusform>%n duplicates skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unparseable)</source>
        <translation>
            <numerusform>%n record skipped (unparseable)</numerusform>
            <numerusform>%n records skipped (unparseable)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n metadata record(s) skipped</source>
        <translation>
            <numerusform>%n metadata record skipped</numerusform>
            <numerusform>%n metadata records skipped</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n record(s) skipped (unmapped source account)</source>
        <translation>
            <numerusform>%n record skipped (unmapped source account)</numerusform>
            <numerusform>%n records skipped (unmapped source account)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new account(s) made for this import are kept for importing these files again:</source>
        <translation>
            <numerusform>The new account made for this import is kept for importing these files again:</numerusform>
            <numerusform>The %n new accounts made for this import are kept for importing these files again:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n split transaction(s) given an uncategorized line so their lines add up to the total</source>
        <translation>
            <numerusform>%n split transaction given an uncategorized line so its lines add up to the total</numerusform>
            <numerusform>%n split transactions given an uncategorized line so their lines add up to the total</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>And %n more record(s) not imported for these reasons.</source>
        <translation>
            <numerusform>And %n more record not imported for these reasons.</numerusform>
            <numerusform>And %n more records not imported for these reasons.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Showing the first %n column(s) of the file; only these can be mapped.</source>
        <translation>
            <numerusform>Showing the first %n column of the file; only it can be mapped.</numerusform>
            <numerusform>Showing the first %n columns of the file; only these can be mapped.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportService</name>
    <message numerus="yes">
        <source>A quote opened on line %1 is never closed: %n line(s) from line %2 on were not imported.</source>
        <translation>
            <numerusform>A quote opened on line %1 is never closed: %n line from line %2 on was not imported.</numerusform>
            <numerusform>A quote opened on line %1 is never closed: %n lines from line %2 on were not imported.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>Auto-posted %n recurring transaction</numerusform>
            <numerusform>Auto-posted %n recurring transactions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Sync complete; %n record(s) cannot be read by this version yet</source>
        <translation>
            <numerusform>Sync complete; %n record cannot be read by this version yet</numerusform>
            <numerusform>Sync complete; %n records cannot be read by this version yet</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PayeeScreen</name>
    <message numerus="yes">
        <source>Renamed %n transaction(s).</source>
        <translation>
            <numerusform>Renamed %n transaction.</numerusform>
            <numerusform>Renamed %n transactions.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Merge %n payee(s) into &quot;%1&quot;?</source>
        <translation>
            <numerusform>Merge %n payee into &quot;%1&quot;?</numerusform>
            <numerusform>Merge %n payees into &quot;%1&quot;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Merged %n transaction(s).</source>
        <translation>
            <numerusform>Merged %n transaction.</numerusform>
            <numerusform>Merged %n transactions.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecurringActions</name>
    <message numerus="yes">
        <source>&quot;%1&quot; is split into %n line(s).</source>
        <translation>
            <numerusform>&quot;%1&quot; is split into %n line.</numerusform>
            <numerusform>&quot;%1&quot; is split into %n lines.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecurringFormDialog</name>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>in advance</comment>
        <translation>
            <numerusform>day</numerusform>
            <numerusform>days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>day(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>day</numerusform>
            <numerusform>days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>week(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>week</numerusform>
            <numerusform>weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>month(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>month</numerusform>
            <numerusform>months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>quarter(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>quarter</numerusform>
            <numerusform>quarters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>year(s)</source>
        <comment>repeat every</comment>
        <translation>
            <numerusform>year</numerusform>
            <numerusform>years</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecurringModel</name>
    <message numerus="yes">
        <source>Every %n day(s)</source>
        <translation>
            <numerusform>Every %n day</numerusform>
            <numerusform>Every %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n week(s)</source>
        <translation>
            <numerusform>Every %n week</numerusform>
            <numerusform>Every %n weeks</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n month(s)</source>
        <translation>
            <numerusform>Every %n month</numerusform>
            <numerusform>Every %n months</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every %n year(s)</source>
        <translation>
            <numerusform>Every %n year</numerusform>
            <numerusform>Every %n years</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecurringScreen</name>
    <message numerus="yes">
        <source>(%n due)</source>
        <translation>
            <numerusform>(%n due)</numerusform>
            <numerusform>(%n due)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SignInQuestions</name>
    <message numerus="yes">
        <source>This ledger holds %n transaction(s) and last synced with the account %1.</source>
        <translation>
            <numerusform>This ledger holds %n transaction and last synced with the account %1.</numerusform>
            <numerusform>This ledger holds %n transactions and last synced with the account %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SplitEditorDialog</name>
    <message numerus="yes">
        <source>Total of %n line(s):</source>
        <translation>
            <numerusform>Total of %n line:</numerusform>
            <numerusform>Total of %n lines:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusBar</name>
    <message numerus="yes">
        <source>%n recurring transaction(s) due</source>
        <translation>
            <numerusform>%n recurring transaction due</numerusform>
            <numerusform>%n recurring transactions due</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n record(s) not readable yet)</source>
        <translation>
            <numerusform>%1 (%n record not readable yet)</numerusform>
            <numerusform>%1 (%n records not readable yet)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This version cannot read %n record(s) from the sync service yet. They are kept and tried again at every sync.</source>
        <translation>
            <numerusform>This version cannot read %n record from the sync service yet. It is kept and tried again at every sync.</numerusform>
            <numerusform>This version cannot read %n records from the sync service yet. They are kept and tried again at every sync.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransactionFormDialog</name>
    <message numerus="yes">
        <source>Split into %n line(s)</source>
        <translation>
            <numerusform>Split into %n line</numerusform>
            <numerusform>Split into %n lines</numerusform>
        </translation>
    </message>
</context>
</TS>
