<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="xx">
<context>
    <name>wizard</name>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Skip setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate:</source>
        <translation type="obsolete">Rate:</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation type="vanished">Versatz</translation>
    </message>
</context>
<context>
    <name>ConsoleOptions</name>
    <message>
        <source>There is no language %1; give one of %2.</source>
        <translation>Keine Sprache %1.</translation>
    </message>
    <message numerus="yes">
        <source>Give one game folder, not %n.</source>
        <translation>
            <numerusform>Ein Ordner, nicht %n.</numerusform>
            <numerusform>Ein Ordner, nicht viele.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%2 &amp;&amp; %1 %1</translation>
    </message>
</context>
</TS>
