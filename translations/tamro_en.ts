<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CtamroDlg</name>
    <message numerus="yes">
        <source>
… and %n more</source>
        <translation>
            <numerusform>
… and %n more</numerusform>
            <numerusform>
… and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n copies</source>
        <translation>
            <numerusform>%n copy</numerusform>
            <numerusform>%n copies</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RunEnd</name>
    <message numerus="yes">
        <source>%n copies failed.</source>
        <translation>
            <numerusform>%n copy failed.</numerusform>
            <numerusform>%n copies failed.</numerusform>
        </translation>
    </message>
</context>
</TS>
