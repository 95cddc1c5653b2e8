<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name></name>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>Bereinigen</translation>
    </message>
</context>
</TS>
