<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Chart</name>
    <message numerus="yes">
        <source>%n price(s)</source>
        <translation>
            <numerusform>%n price</numerusform>
            <numerusform>%n prices</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavedGames</name>
    <message numerus="yes">
        <source>%n trade(s)</source>
        <translation>
            <numerusform>%n trade</numerusform>
            <numerusform>%n trades</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WorthChart</name>
    <message numerus="yes">
        <source>%n figure(s)</source>
        <translation>
            <numerusform>%n figure</numerusform>
            <numerusform>%n figures</numerusform>
        </translation>
    </message>
</context>
</TS>
