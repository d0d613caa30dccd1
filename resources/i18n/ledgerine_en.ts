<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>Auto-posted %n recurring transaction(s)</source>
        <translation>
            <numerusform>Auto-posted %n recurring transaction</numerusform>
            <numerusform>Auto-posted %n recurring transactions</numerusform>
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
