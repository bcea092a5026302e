<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>MenuPanel</name>
    <message>
        <source>Quillon speaks the chosen language from its next start on.</source>
        <translation>Quillon spricht die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
</context>
</TS>
