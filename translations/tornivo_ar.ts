<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name></name>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>تنظيف</translation>
    </message>
</context>
</TS>
