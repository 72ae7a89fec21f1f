<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>Über Varnel Ticora</translation>
    </message>
    <message>
        <source>OK</source>
        <translatorcomment>same on purpose</translatorcomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Varnel Ticora V1.0</source>
        <translatorcomment>same on purpose</translatorcomment>
        <translation>Varnel Ticora V1.0</translation>
    </message>
    <message>
        <source>Feel free to be the sponsore of the next version.</source>
        <translation>Werden Sie gern Sponsor der nächsten Version.</translation>
    </message>
    <message>
        <source>Your advertisment will be placed on the starting screen.</source>
        <translation>Ihre Werbung erscheint dann auf dem Startbildschirm.</translation>
    </message>
</context>
<context>
    <name>AddAssetDialog</name>
    <message>
        <source>Add Asset</source>
        <translation>Aktie hinzufügen</translation>
    </message>
    <message>
        <source>Stock Name</source>
        <translation>Aktienname</translation>
    </message>
    <message>
        <source>Stock Symbol</source>
        <translation>Aktienkürzel</translation>
    </message>
    <message>
        <source>Stock current price</source>
        <translation>Aktueller Aktienkurs</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Tief</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Fill the necessary information</source>
        <translation>Füllen Sie die nötigen Angaben aus</translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source>Free some space on its disk, or give the folder write permission, then start the program again.</source>
        <translation>Schaffen Sie Platz auf dem Datenträger oder geben Sie dem Ordner Schreibrechte, und starten Sie das Programm dann erneut.</translation>
    </message>
    <message>
        <source>The starter market cannot be copied to %1 (%2). %3</source>
        <translation>Der Startmarkt kann nicht nach %1 kopiert werden (%2). %3</translation>
    </message>
    <message>
        <source>The folder %1, where %2 keeps the market and the games, cannot be made. %3</source>
        <translation>Der Ordner %1, in dem %2 den Markt und die Spiele ablegt, kann nicht angelegt werden. %3</translation>
    </message>
</context>
<context>
    <name>Assets</name>
    <message>
        <source>This stock already exist in your game!</source>
        <translation>Diese Aktie gibt es in Ihrem Spiel schon!</translation>
    </message>
    <message>
        <source>The stock %1 could not be added; the market is as it was</source>
        <translation>Die Aktie %1 konnte nicht hinzugefügt werden; der Markt ist unverändert</translation>
    </message>
    <message>
        <source>The stock could not be changed; the market is as it was</source>
        <translation>Die Aktie konnte nicht geändert werden; der Markt ist unverändert</translation>
    </message>
    <message>
        <source>No changes were made!</source>
        <translation>Es wurde nichts geändert!</translation>
    </message>
    <message>
        <source>Type the current price as a number above 0, for example %1.</source>
        <translation>Geben Sie den aktuellen Kurs als Zahl über 0 ein, zum Beispiel %1.</translation>
    </message>
    <message>
        <source>Type the day&apos;s lowest price as a number of 0 or more, for example %1, or leave it empty.</source>
        <translation>Geben Sie das Tagestief als Zahl ab 0 ein, zum Beispiel %1, oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>Type the day&apos;s highest price as a number of 0 or more, for example %1, or leave it empty.</source>
        <translation>Geben Sie das Tageshoch als Zahl ab 0 ein, zum Beispiel %1, oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>Type the volume as a number of 0 or more, for example 1000, or leave it empty.</source>
        <translation>Geben Sie das Volumen als Zahl ab 0 ein, zum Beispiel 1000, oder lassen Sie das Feld leer.</translation>
    </message>
    <message>
        <source>it is a word of the database language</source>
        <translation>es ist ein Wort der Datenbanksprache</translation>
    </message>
    <message>
        <source>the database could not try it (%1)</source>
        <translation>die Datenbank konnte es nicht prüfen (%1)</translation>
    </message>
    <message>
        <source>The symbol &quot;%1&quot; cannot be used: a symbol starts with a letter and holds only the letters A to Z, digits and &quot;_&quot;, without blanks.</source>
        <translation>Das Kürzel „%1“ kann nicht verwendet werden: Ein Kürzel beginnt mit einem Buchstaben und enthält nur die Buchstaben A bis Z, Ziffern und „_“, ohne Leerzeichen.</translation>
    </message>
    <message>
        <source>The symbol &quot;%1&quot; cannot be used: a symbol has at most %2 characters.</source>
        <translation>Das Kürzel „%1“ kann nicht verwendet werden: Ein Kürzel hat höchstens %2 Zeichen.</translation>
    </message>
    <message>
        <source>The symbol &quot;%1&quot; cannot be used: names starting with &quot;sqlite_&quot; are the database&apos;s own.</source>
        <translation>Das Kürzel „%1“ kann nicht verwendet werden: Namen, die mit „sqlite_“ beginnen, gehören der Datenbank selbst.</translation>
    </message>
    <message>
        <source>The symbol &quot;%1&quot; cannot be used: %2.</source>
        <translation>Das Kürzel „%1“ kann nicht verwendet werden: %2.</translation>
    </message>
    <message>
        <source>The symbol &quot;%1&quot; cannot be used: its table or query &quot;%2&quot; would clash with &quot;%3&quot;, which the market already holds.</source>
        <translation>Das Kürzel „%1“ kann nicht verwendet werden: Seine Tabelle oder Abfrage „%2“ stieße mit „%3“ zusammen, das der Markt schon enthält.</translation>
    </message>
    <message>
        <source>The symbol &quot;%1&quot; cannot be used: the market keeps the name &quot;%2&quot; for its own tables.</source>
        <translation>Das Kürzel „%1“ kann nicht verwendet werden: Den Namen „%2“ hält der Markt für seine eigenen Tabellen frei.</translation>
    </message>
</context>
<context>
    <name>BalanceWindow</name>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Stocks</source>
        <translation>Aktien</translation>
    </message>
    <message>
        <source>View Portfolio</source>
        <translation>Depot zeigen</translation>
    </message>
    <message>
        <source>Not listed in the market, valued at 0: %1</source>
        <translation>Nicht am Markt notiert, mit 0 bewertet: %1</translation>
    </message>
    <message>
        <source>The balance cannot be worked out</source>
        <translation>Der Saldo kann nicht berechnet werden</translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message>
        <source>Tick %1: no price</source>
        <translation>Bewegung %1: kein Kurs</translation>
    </message>
    <message>
        <source>Price %1 of %2: %3</source>
        <translation>Kurs %1 von %2: %3</translation>
    </message>
    <message>
        <source>Tick</source>
        <translation>Bewegung</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>, change %1%2 %</source>
        <translation>, Veränderung %1%2 %</translation>
    </message>
    <message>
        <source>Left and Right move through the figures one by one, Page Up and Page Down by ten, Home and End to the first and the last.</source>
        <translation>Links und Rechts gehen die Werte einzeln durch, Bild auf und Bild ab in Zehnerschritten, Pos1 und Ende zum ersten und zum letzten.</translation>
    </message>
    <message numerus="yes">
        <source>%n price(s)</source>
        <translation>
            <numerusform>%n Kurs</numerusform>
            <numerusform>%n Kurse</numerusform>
        </translation>
    </message>
    <message>
        <source>no prices</source>
        <translation>keine Kurse</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translatorcomment>same on purpose</translatorcomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, first %3, last %4, lowest %5, highest %6</source>
        <translation>%1: %2, erster %3, letzter %4, niedrigster %5, höchster %6</translation>
    </message>
</context>
<context>
    <name>ClockMenu</name>
    <message>
        <source>Pa&amp;use</source>
        <translatorcomment>same on purpose</translatorcomment>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation>&amp;Langsamer</translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation>&amp;Schneller</translation>
    </message>
    <message>
        <source>Quarter speed</source>
        <translation>Viertelgeschwindigkeit</translation>
    </message>
    <message>
        <source>Half speed</source>
        <translation>Halbe Geschwindigkeit</translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation>Normale Geschwindigkeit</translation>
    </message>
    <message>
        <source>Double speed</source>
        <translation>Doppelte Geschwindigkeit</translation>
    </message>
    <message>
        <source>Four times speed</source>
        <translation>Vierfache Geschwindigkeit</translation>
    </message>
    <message>
        <source>Ten times speed</source>
        <translation>Zehnfache Geschwindigkeit</translation>
    </message>
    <message>
        <source>C&amp;lock</source>
        <translation>&amp;Uhr</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Fortgesetzt</translation>
    </message>
</context>
<context>
    <name>ContinueDialog</name>
    <message>
        <source>Continue a game</source>
        <translation>Spiel fortsetzen</translation>
    </message>
    <message>
        <source>&amp;Games that were never closed</source>
        <translation>Nie beendete &amp;Spiele</translation>
    </message>
    <message>
        <source>Games that were never closed</source>
        <translation>Nie beendete Spiele</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the game of %1 for good?</source>
        <translation>Das Spiel von %1 endgültig löschen?</translation>
    </message>
    <message>
        <source>The game file &quot;%1&quot; could not be deleted</source>
        <translation>Die Spieldatei „%1“ konnte nicht gelöscht werden</translation>
    </message>
</context>
<context>
    <name>EditStockDialog</name>
    <message>
        <source>Edit stock</source>
        <translation>Aktie bearbeiten</translation>
    </message>
    <message>
        <source>Choose stock symbol</source>
        <translation>Aktienkürzel wählen</translation>
    </message>
    <message>
        <source>Stock name</source>
        <translation>Aktienname</translation>
    </message>
    <message>
        <source>Current price</source>
        <translation>Aktueller Kurs</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Tief</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The stock cannot be shown</source>
        <translation>Die Aktie kann nicht angezeigt werden</translation>
    </message>
</context>
<context>
    <name>EndGame</name>
    <message>
        <source>End the game of %1 for good? Its result goes into the hall of fame.</source>
        <translation>Das Spiel von %1 endgültig beenden? Sein Ergebnis kommt in die Ruhmeshalle.</translation>
    </message>
    <message>
        <source>The game&apos;s result could not be entered in the hall of fame</source>
        <translation>Das Ergebnis des Spiels konnte nicht in die Ruhmeshalle eingetragen werden</translation>
    </message>
    <message>
        <source>

The game file &quot;%1&quot; was kept: continue the game later and close it again.</source>
        <translation>

Die Spieldatei „%1“ bleibt erhalten: Setzen Sie das Spiel später fort und schließen Sie es erneut.</translation>
    </message>
    <message>
        <source>Your game ranks %1 of %2</source>
        <translation>Ihr Spiel ist auf Platz %1 von %2</translation>
    </message>
    <message>
        <source>Your game ended with a return of %1 %, the market&apos;s %2 %: %3 points apart. It did not enter the hall of fame&apos;s best %4.</source>
        <translation>Ihr Spiel endete mit einer Rendite von %1 %, der Markt mit %2 %: %3 Punkte Unterschied. Es kam nicht unter die besten %4 der Ruhmeshalle.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>the disk that holds %1 is full</source>
        <translation>der Datenträger, auf dem %1 liegt, ist voll</translation>
    </message>
    <message>
        <source>Free some space on it.</source>
        <translation>Schaffen Sie dort Platz.</translation>
    </message>
    <message>
        <source>the file %1 is read-only</source>
        <translation>die Datei %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Give the file write permission.</source>
        <translation>Geben Sie der Datei Schreibrechte.</translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation>in den Ordner %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Start the program from a folder you can write.</source>
        <translation>Starten Sie das Programm aus einem Ordner, in den Sie schreiben dürfen.</translation>
    </message>
    <message>
        <source>the file %1 cannot be read</source>
        <translation>die Datei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Give the file read permission.</source>
        <translation>Geben Sie der Datei Leserechte.</translation>
    </message>
    <message>
        <source>the file %1 is in use by another program</source>
        <translation>die Datei %1 wird von einem anderen Programm benutzt</translation>
    </message>
    <message>
        <source>Close the other program.</source>
        <translation>Schließen Sie das andere Programm.</translation>
    </message>
    <message>
        <source>the file %1 is damaged</source>
        <translation>die Datei %1 ist beschädigt</translation>
    </message>
    <message>
        <source>Restore it from a backup copy.</source>
        <translation>Stellen Sie sie aus einer Sicherungskopie wieder her.</translation>
    </message>
</context>
<context>
    <name>GamePanel</name>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Cash</source>
        <translation>Bargeld</translation>
    </message>
    <message>
        <source>Stocks</source>
        <translation>Aktien</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Since the game began</source>
        <translation>Seit Spielbeginn</translation>
    </message>
    <message>
        <source>Since the day began</source>
        <translation>Seit Tagesbeginn</translation>
    </message>
    <message>
        <source>Open orders</source>
        <translation>Offene Aufträge</translation>
    </message>
    <message>
        <source>Latest news</source>
        <translation>Letzte Meldung</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>blank</source>
        <translation>leer</translation>
    </message>
</context>
<context>
    <name>HallOfFameWindow</name>
    <message>
        <source>Hall of fame</source>
        <translation>Ruhmeshalle</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Trades</source>
        <translation>Geschäfte</translation>
    </message>
    <message>
        <source>Worth</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Rendite</translation>
    </message>
    <message>
        <source>Market</source>
        <translation>Markt</translation>
    </message>
    <message>
        <source>Beat by</source>
        <translation>Vorsprung</translation>
    </message>
    <message>
        <source>News</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>The hall of fame cannot be read from the market</source>
        <translation>Die Ruhmeshalle kann nicht aus dem Markt gelesen werden</translation>
    </message>
    <message>
        <source>No game has ended yet. A game that made a trade enters when it is closed.</source>
        <translation>Noch kein Spiel ist beendet. Ein Spiel mit mindestens einem Geschäft kommt hinein, wenn es geschlossen wird.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>is not a text file</source>
        <translation>ist keine Textdatei</translation>
    </message>
    <message>
        <source>has topic %1 twice</source>
        <translation>hat das Thema %1 zweimal</translation>
    </message>
    <message>
        <source>has text before its first topic</source>
        <translation>hat Text vor dem ersten Thema</translation>
    </message>
    <message>
        <source>holds no topic</source>
        <translation>enthält kein Thema</translation>
    </message>
    <message>
        <source>has no contents page (topic 0)</source>
        <translation>hat keine Inhaltsseite (Thema 0)</translation>
    </message>
    <message>
        <source>cannot be found</source>
        <translation>wurde nicht gefunden</translation>
    </message>
    <message>
        <source>is too large to be a help file</source>
        <translation>ist zu groß für eine Hilfedatei</translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation>kann nicht geöffnet werden (%1)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Varnel Ticora Help</source>
        <translation>Varnel Ticora Hilfe</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>C&amp;ontinue...</source>
        <translation>&amp;Fortsetzen …</translation>
    </message>
    <message>
        <source>&amp;Hall of fame</source>
        <translation>&amp;Ruhmeshalle</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>T&amp;rade</source>
        <translation>&amp;Handeln</translation>
    </message>
    <message>
        <source>&amp;Prices</source>
        <translation>&amp;Kurse</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translatorcomment>same on purpose</translatorcomment>
        <translation>&amp;Chart</translation>
    </message>
    <message>
        <source>&amp;Orders</source>
        <translation>A&amp;ufträge</translation>
    </message>
    <message>
        <source>&amp;News</source>
        <translation>&amp;Nachrichten</translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <extracomment>The Balance menu&apos;s entry that opens the Balance window.
----------
The Balance menu, which holds the entry that opens the Balance window.</extracomment>
        <translation>&amp;Saldo</translation>
    </message>
    <message>
        <source>P&amp;osition</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Transaction</source>
        <translation>&amp;Umsätze</translation>
    </message>
    <message>
        <source>Pe&amp;rformance</source>
        <translation>&amp;Entwicklung</translation>
    </message>
    <message>
        <source>A&amp;dd new assets</source>
        <translation>Neue Aktien &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit assets</source>
        <translation>Aktien &amp;bearbeiten</translation>
    </message>
    <message>
        <source>Market &amp;news</source>
        <translation>Markt&amp;nachrichten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Varnel Ticora</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>A&amp;ssets</source>
        <translation>&amp;Aktien</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <extracomment>The help menu, which holds Help and About.</extracomment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Проект уже запущен!</source>
        <translation>Varnel Ticora läuft bereits.</translation>
    </message>
    <message>
        <source>News on</source>
        <translation>Nachrichten an</translation>
    </message>
    <message>
        <source>What the market did</source>
        <translation>Was der Markt tat</translation>
    </message>
    <message>
        <source>Varnel Ticora: </source>
        <translatorcomment>same on purpose</translatorcomment>
        <translation>Varnel Ticora: </translation>
    </message>
    <message>
        <source>Varnel Korvath: </source>
        <translatorcomment>same on purpose</translatorcomment>
        <translation>Varnel Korvath: </translation>
    </message>
    <message>
        <source>There is no game to continue.</source>
        <translation>Es gibt kein Spiel zum Fortsetzen.</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>Under the toolbar&apos;s picture: a new game.</extracomment>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Trading desk</source>
        <translation>Handelstisch</translation>
    </message>
    <message>
        <source>Trade</source>
        <extracomment>Under the toolbar&apos;s picture: the Trading desk.</extracomment>
        <translation>Handeln</translation>
    </message>
    <message>
        <source>Stock performance chart</source>
        <translation>Kursverlauf als Chart</translation>
    </message>
    <message>
        <source>Chart</source>
        <translatorcomment>same on purpose</translatorcomment>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Market news</source>
        <translation>Marktnachrichten</translation>
    </message>
    <message>
        <source>Pause and speed</source>
        <translation>Pause und Geschwindigkeit</translation>
    </message>
    <message>
        <source>Simulated weekday</source>
        <translation>Simulierter Wochentag</translation>
    </message>
    <message>
        <source>Simulated date and time</source>
        <translation>Simuliertes Datum und Uhrzeit</translation>
    </message>
</context>
<context>
    <name>Market</name>
    <message>
        <source>The new trading day could not be prepared</source>
        <translation>Der neue Handelstag konnte nicht vorbereitet werden</translation>
    </message>
    <message>
        <source>The market could not move</source>
        <translation>Der Markt konnte sich nicht bewegen</translation>
    </message>
    <message>
        <source>The price of %1 is 0, so it cannot move: correct it in Tools &gt; Edit assets.</source>
        <translation>Der Kurs von %1 ist 0 und kann sich deshalb nicht bewegen: Korrigieren Sie ihn unter Extras &gt; Aktien bearbeiten.</translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <source>&amp;End the game</source>
        <translation>&amp;Spiel beenden</translation>
    </message>
    <message>
        <source>&amp;Keep it for later</source>
        <translation>&amp;Für später behalten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>it is empty or only blanks. Type a name for the game</source>
        <translation>er ist leer oder besteht nur aus Leerzeichen. Geben Sie einen Namen für das Spiel ein</translation>
    </message>
    <message>
        <source>it contains a slash or backslash</source>
        <translation>er enthält einen Schrägstrich oder einen umgekehrten Schrägstrich</translation>
    </message>
    <message>
        <source>it contains a control character</source>
        <translation>er enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>it is too long for a file name</source>
        <translation>er ist zu lang für einen Dateinamen</translation>
    </message>
    <message>
        <source>The market file %1 is missing.</source>
        <translation>Die Marktdatei %1 fehlt.</translation>
    </message>
    <message>
        <source>Copy it back from a backup. In an installed copy of %1, starting the program again puts the starter market back.</source>
        <translation>Kopieren Sie sie aus einer Sicherung zurück. In einer installierten Kopie von %1 legt ein erneuter Programmstart den Startmarkt wieder an.</translation>
    </message>
    <message>
        <source>The market file %1 cannot be read (%2).</source>
        <translation>Die Marktdatei %1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>Give the file read and write permission, then choose New again.</source>
        <translation>Geben Sie der Datei Lese- und Schreibrechte und wählen Sie dann erneut Neu.</translation>
    </message>
    <message>
        <source>The market file %1 is in use by another program (%2).</source>
        <translation>Die Marktdatei %1 wird von einem anderen Programm benutzt (%2).</translation>
    </message>
    <message>
        <source>Close the other program, then choose New again.</source>
        <translation>Schließen Sie das andere Programm und wählen Sie dann erneut Neu.</translation>
    </message>
    <message>
        <source>The market file %1 is damaged and cannot be used (%2).</source>
        <translation>Die Marktdatei %1 ist beschädigt und kann nicht verwendet werden (%2).</translation>
    </message>
    <message>
        <source>Restore it from a backup copy. In an installed copy of %1 you can instead remove it: the starter market is put back the next time the program starts.</source>
        <translation>Stellen Sie sie aus einer Sicherungskopie wieder her. In einer installierten Kopie von %1 können Sie sie stattdessen entfernen: Beim nächsten Programmstart wird der Startmarkt wieder angelegt.</translation>
    </message>
    <message>
        <source> No game was started.

</source>
        <translation> Es wurde kein Spiel begonnen.

</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be used for a game file: %2.</source>
        <translation>Der Name „%1“ kann nicht für eine Spieldatei verwendet werden: %2.</translation>
    </message>
    <message>
        <source>Market error</source>
        <translation>Marktfehler</translation>
    </message>
    <message>
        <source>The game file could not be created</source>
        <translation>Die Spieldatei konnte nicht angelegt werden</translation>
    </message>
    <message>
        <source>it contains one of &lt; &gt; : &quot; | ? *</source>
        <translation>er enthält eines der Zeichen &lt; &gt; : &quot; | ? *</translation>
    </message>
    <message>
        <source>it ends in a dot or a blank</source>
        <translation>er endet auf einen Punkt oder ein Leerzeichen</translation>
    </message>
    <message>
        <source>it is a name Windows keeps for a device</source>
        <translation>er ist ein Name, den Windows für ein Gerät reserviert</translation>
    </message>
    <message>
        <source>

The file &quot;%1&quot; was left as it was.</source>
        <translation>

Die Datei „%1“ blieb unverändert.</translation>
    </message>
</context>
<context>
    <name>NewGameDialog</name>
    <message>
        <source>Information</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Geben Sie Ihren Namen ein</translation>
    </message>
    <message>
        <source>Starting Account Balance</source>
        <translation>Startkapital</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>File already exist. Overwrite?</source>
        <translation>Die Datei gibt es schon. Überschreiben?</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Dateifehler</translation>
    </message>
</context>
<context>
    <name>News</name>
    <message>
        <source>%1 wins a large contract</source>
        <translation>%1 gewinnt einen großen Auftrag</translation>
    </message>
    <message>
        <source>Takeover talk around %1</source>
        <translation>Übernahmegespräche um %1</translation>
    </message>
    <message>
        <source>%1 raises its forecast</source>
        <translation>%1 hebt die Prognose an</translation>
    </message>
    <message>
        <source>%1 warns on profits</source>
        <translation>%1 warnt vor sinkenden Gewinnen</translation>
    </message>
    <message>
        <source>Inquiry into %1&apos;s accounts</source>
        <translation>Untersuchung der Bücher von %1</translation>
    </message>
    <message>
        <source>%1 loses its largest customer</source>
        <translation>%1 verliert den größten Kunden</translation>
    </message>
    <message>
        <source>Markets rally on strong figures</source>
        <translation>Märkte steigen nach starken Zahlen</translation>
    </message>
    <message>
        <source>Markets rally as interest rates fall</source>
        <translation>Märkte steigen, die Zinsen fallen</translation>
    </message>
    <message>
        <source>Markets slide on fears of a recession</source>
        <translation>Märkte fallen aus Angst vor einer Rezession</translation>
    </message>
    <message>
        <source>Markets slide as interest rates rise</source>
        <translation>Märkte fallen, die Zinsen steigen</translation>
    </message>
    <message>
        <source>Rumour: %1 is about to win a large order</source>
        <translation>Gerücht: %1 steht vor einem großen Auftrag</translation>
    </message>
    <message>
        <source>Rumour: %1 is in trouble</source>
        <translation>Gerücht: %1 steckt in Schwierigkeiten</translation>
    </message>
    <message>
        <source>%1 denies the rumour</source>
        <translation>%1 dementiert das Gerücht</translation>
    </message>
</context>
<context>
    <name>NewsWindow</name>
    <message>
        <source>News</source>
        <translation>Nachrichten</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Headline</source>
        <translation>Schlagzeile</translation>
    </message>
    <message>
        <source>The news cannot be read from the market</source>
        <translation>Die Nachrichten können nicht aus dem Markt gelesen werden</translation>
    </message>
    <message>
        <source>No headline yet</source>
        <translation>Noch keine Schlagzeile</translation>
    </message>
    <message>
        <source>No news yet. Turn it on in Tools &gt; Market news.</source>
        <translation>Noch keine Nachrichten. Schalten Sie sie unter Extras &gt; Marktnachrichten ein.</translation>
    </message>
</context>
<context>
    <name>Orders</name>
    <message>
        <source>at or below</source>
        <translation>Kurs ≤</translation>
    </message>
    <message>
        <source>at or above</source>
        <translation>Kurs ≥</translation>
    </message>
    <message>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>filled</source>
        <translation>ausgeführt</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>storniert</translation>
    </message>
    <message>
        <source>buy %1 of %2 %3 %4</source>
        <translation>Kauf von %1 %2, %3 %4</translation>
    </message>
    <message>
        <source>sell %1 of %2 %3 %4</source>
        <translation>Verkauf von %1 %2, %3 %4</translation>
    </message>
    <message>
        <source>cover short %1 of %2 %3 %4</source>
        <translation>Eindeckung von %1 %2, %3 %4</translation>
    </message>
    <message>
        <source>sell short %1 of %2 %3 %4</source>
        <translation>Leerverkauf von %1 %2, %3 %4</translation>
    </message>
    <message>
        <source>The order could not be placed in the game file</source>
        <translation>Der Auftrag konnte nicht in der Spieldatei erteilt werden</translation>
    </message>
    <message>
        <source>The order could not be cancelled in the game file</source>
        <translation>Der Auftrag konnte in der Spieldatei nicht storniert werden</translation>
    </message>
</context>
<context>
    <name>OrdersWindow</name>
    <message>
        <source>Symbol</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Stück</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Limit/Stop</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Placed</source>
        <translation>Erteilt</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Orders</source>
        <translation>Aufträge</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Aktie</translation>
    </message>
    <message>
        <source>Current price</source>
        <translation>Aktueller Kurs</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Erteilen</translation>
    </message>
    <message>
        <source>Cancel order</source>
        <translation>Auftrag stornieren</translation>
    </message>
    <message>
        <source>Select a stock</source>
        <translation>Aktie wählen</translation>
    </message>
    <message>
        <source>The orders cannot be read from the game file</source>
        <translation>Die Aufträge können nicht aus der Spieldatei gelesen werden</translation>
    </message>
    <message>
        <source>Choose a condition: at or below, or at or above.</source>
        <translation>Wählen Sie Limit/Stop: Kurs ≤ oder Kurs ≥.</translation>
    </message>
    <message>
        <source>Type the price the order waits for: a number above 0.</source>
        <translation>Geben Sie den Kurs ein, auf den der Auftrag wartet: eine Zahl über 0.</translation>
    </message>
    <message>
        <source>You have %1 open orders, as many as the market keeps: cancel one before you place another.</source>
        <translation>Sie haben %1 offene Aufträge, so viele, wie der Markt führt: Stornieren Sie einen, bevor Sie einen weiteren erteilen.</translation>
    </message>
    <message>
        <source>Order placed: </source>
        <translation>Auftrag erteilt: </translation>
    </message>
    <message>
        <source>Choose an open order in the list first.</source>
        <translation>Wählen Sie zuerst einen offenen Auftrag in der Liste.</translation>
    </message>
    <message>
        <source>Order cancelled: </source>
        <translation>Auftrag storniert: </translation>
    </message>
</context>
<context>
    <name>PerformanceWindow</name>
    <message>
        <source>Symbol</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Stück</translation>
    </message>
    <message>
        <source>Average paid</source>
        <translation>Durchschnittlich bezahlt</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Realised</source>
        <translation>Realisiert</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Entwicklung</translation>
    </message>
    <message>
        <source>The performance cannot be worked out</source>
        <translation>Die Entwicklung kann nicht berechnet werden</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
</context>
<context>
    <name>PortfolioWindow</name>
    <message>
        <source>Portfolio</source>
        <translation>Depot</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Stück</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>The portfolio cannot be worked out</source>
        <translation>Das Depot kann nicht berechnet werden</translation>
    </message>
    <message>
        <source>No shares</source>
        <translation>Keine Aktien</translation>
    </message>
</context>
<context>
    <name>PositionWindow</name>
    <message>
        <source>Position</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Stück</translation>
    </message>
    <message>
        <source>The position cannot be read from the game file</source>
        <translation>Der Bestand kann nicht aus der Spieldatei gelesen werden</translation>
    </message>
    <message>
        <source>You don&apos;t have any stock</source>
        <translation>Sie haben keine Aktien</translation>
    </message>
</context>
<context>
    <name>PriceBoard</name>
    <message>
        <source>Symbol</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Min/Day</source>
        <translation>Tief/Tag</translation>
    </message>
    <message>
        <source>Max/Day</source>
        <translation>Hoch/Tag</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Min/History</source>
        <translation>Tief/Verlauf</translation>
    </message>
    <message>
        <source>Max/History</source>
        <translation>Hoch/Verlauf</translation>
    </message>
    <message>
        <source>Price Information</source>
        <translation>Kursinformation</translation>
    </message>
    <message>
        <source>The price board cannot be read from the market</source>
        <translation>Die Kurstafel kann nicht aus dem Markt gelesen werden</translation>
    </message>
    <message>
        <source>No price history for: %1</source>
        <translation>Kein Kursverlauf für: %1</translation>
    </message>
</context>
<context>
    <name>SavedGames</name>
    <message>
        <source> The file was left as it is: restore it from a backup copy, or delete it.</source>
        <translation> Die Datei wurde gelassen, wie sie ist: Stellen Sie sie aus einer Sicherungskopie wieder her oder löschen Sie sie.</translation>
    </message>
    <message>
        <source>the file is no longer there.</source>
        <translation>die Datei ist nicht mehr da.</translation>
    </message>
    <message>
        <source>it cannot be read (%1). Give the file read permission, then try again.</source>
        <translation>sie kann nicht gelesen werden (%1). Geben Sie der Datei Leserechte und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>it is in use by another program (%1). Close the other program, then try again.</source>
        <translation>sie wird von einem anderen Programm benutzt (%1). Schließen Sie das andere Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>it is damaged or is not a game of %1 (%2).</source>
        <translation>sie ist beschädigt oder kein Spiel von %1 (%2).</translation>
    </message>
    <message>
        <source>it holds no player&apos;s record.</source>
        <translation>sie enthält keine Angaben zum Spieler.</translation>
    </message>
    <message>
        <source>it cannot be read as a game (%1).</source>
        <translation>sie kann nicht als Spiel gelesen werden (%1).</translation>
    </message>
    <message>
        <source>%1: cannot be continued: %2 Last changed %3.</source>
        <translation>%1: kann nicht fortgesetzt werden: %2 Zuletzt geändert am %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n trade(s)</source>
        <translation>
            <numerusform>%n Geschäft</numerusform>
            <numerusform>%n Geschäfte</numerusform>
        </translation>
    </message>
    <message>
        <source>cash %1, stocks %2, balance %3</source>
        <translation>Bargeld %1, Aktien %2, Saldo %3</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>its worth cannot be read from the market now</source>
        <translation>sein Wert kann gerade nicht aus dem Markt gelesen werden</translation>
    </message>
    <message>
        <source>%1: %2, %3. Last played %4.</source>
        <translation>%1: %2, %3. Zuletzt gespielt am %4.</translation>
    </message>
    <message>
        <source>A game is open. Close it before you continue another.</source>
        <translation>Ein Spiel ist geöffnet. Schließen Sie es, bevor Sie ein anderes fortsetzen.</translation>
    </message>
    <message>
        <source>The game in &quot;%1&quot; cannot be continued: %2</source>
        <translation>Das Spiel in „%1“ kann nicht fortgesetzt werden: %2</translation>
    </message>
    <message>
        <source>The game in &quot;%1&quot; cannot be continued</source>
        <translation>Das Spiel in „%1“ kann nicht fortgesetzt werden</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>The game file &quot;%1&quot; could not be deleted</source>
        <translation>Die Spieldatei „%1“ konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>The help cannot be shown: the help file %1 %2.</source>
        <translation>Die Hilfe kann nicht angezeigt werden: Die Hilfedatei %1 %2.</translation>
    </message>
    <message>
        <source>Order filled: </source>
        <translation>Auftrag ausgeführt: </translation>
    </message>
    <message>
        <source>Orders filled: </source>
        <translation>Aufträge ausgeführt: </translation>
    </message>
    <message>
        <source>Something went wrong: %1</source>
        <translation>Etwas ist schiefgegangen: %1</translation>
    </message>
    <message>
        <source>The market&apos;s news could not be switched</source>
        <translation>Die Nachrichten des Markts konnten nicht umgeschaltet werden</translation>
    </message>
    <message>
        <source>The window cannot be opened</source>
        <translation>Das Fenster kann nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>StockPerformanceDialog</name>
    <message>
        <source>Stock Performance</source>
        <translation>Kursverlauf</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Aktie</translation>
    </message>
    <message>
        <source>Select stock</source>
        <translation>Aktie wählen</translation>
    </message>
    <message>
        <source>Company name</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>View chart</source>
        <translation>Chart zeigen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The stock cannot be shown</source>
        <translation>Die Aktie kann nicht angezeigt werden</translation>
    </message>
    <message>
        <source>Choose the stock to chart from the Stock list first.</source>
        <translation>Wählen Sie zuerst die Aktie für den Chart aus der Liste „Aktie“.</translation>
    </message>
    <message>
        <source>No stock &quot;%1&quot; is listed: choose the stock to chart from the Stock list.</source>
        <translation>Eine Aktie „%1“ ist nicht notiert: Wählen Sie die Aktie für den Chart aus der Liste „Aktie“.</translation>
    </message>
</context>
<context>
    <name>Trading</name>
    <message>
        <source>Varnel Stock Exchange is closed at the moment.</source>
        <translation>Die Varnel-Börse ist im Moment geschlossen.</translation>
    </message>
    <message>
        <source>The trade could not be recorded in the game file</source>
        <translation>Das Geschäft konnte nicht in der Spieldatei festgehalten werden</translation>
    </message>
    <message>
        <source>The stock is no longer listed.</source>
        <translation>Die Aktie ist nicht mehr notiert.</translation>
    </message>
    <message>
        <source>The orders could not be carried out in the game file</source>
        <translation>Die Aufträge konnten in der Spieldatei nicht ausgeführt werden</translation>
    </message>
    <message>
        <source>The margin call could not be recorded in the game file</source>
        <translation>Die Nachschussforderung konnte nicht in der Spieldatei festgehalten werden</translation>
    </message>
    <message>
        <source>Margin call: your balance %1 fell below 30 % of your short positions %2, so they were covered at the market&apos;s prices.</source>
        <translation>Nachschussforderung: Ihr Saldo %1 fiel unter 30 % Ihrer Leerverkaufspositionen %2, deshalb wurden sie zu Marktkursen eingedeckt.</translation>
    </message>
    <message>
        <source>bought</source>
        <extracomment>What a trade did: &quot;You bought 10 of ALDR&quot;, &quot;bought 10 of ALDR at 12.34&quot;.</extracomment>
        <translation>gekauft</translation>
    </message>
    <message>
        <source>sold</source>
        <translation>verkauft</translation>
    </message>
    <message>
        <source>covered</source>
        <translation>eingedeckt</translation>
    </message>
    <message>
        <source>sold short</source>
        <translation>leerverkauft</translation>
    </message>
    <message>
        <source>You %1 %2 of %3 at a price %4 for the overall sum %5</source>
        <translation>Sie haben %2 Stück %3 zum Kurs %4 für insgesamt %5 %1</translation>
    </message>
    <message>
        <source>Sum of this thansaction %1 and is more than your cash %2</source>
        <translation>Die Summe dieses Geschäfts, %1, ist größer als Ihr Bargeld %2</translation>
    </message>
    <message>
        <source>You hold %1 of %2: sell them before you sell short.</source>
        <translation>Sie halten %1 Stück %2: Verkaufen Sie diese, bevor Sie leerverkaufen.</translation>
    </message>
    <message>
        <source>A short sale of %1 needs a balance of at least half of your short positions: your balance would be %2 and half of your short positions %3.</source>
        <translation>Ein Leerverkauf über %1 braucht einen Saldo von mindestens der Hälfte Ihrer Leerverkaufspositionen: Ihr Saldo wäre %2 und die Hälfte Ihrer Leerverkaufspositionen %3.</translation>
    </message>
    <message>
        <source>You have no short position in %1.</source>
        <translation>Sie haben keine Leerverkaufsposition in %1.</translation>
    </message>
    <message>
        <source>You are short only %1 of %2.</source>
        <translation>Sie haben nur %1 Stück %2 leerverkauft.</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Kauf</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Verkauf</translation>
    </message>
    <message>
        <source>Cover short</source>
        <translation>Eindeckung</translation>
    </message>
    <message>
        <source>Sell short</source>
        <translation>Leerverkauf</translation>
    </message>
    <message>
        <source>You must enter a valid units amount.</source>
        <translation>Sie müssen eine gültige Stückzahl eingeben.</translation>
    </message>
    <message>
        <source>UnitsSheet Error</source>
        <translation>Fehler bei der Stückzahl</translation>
    </message>
    <message>
        <source>Choose transaction type</source>
        <translation>Wählen Sie die Art des Geschäfts</translation>
    </message>
    <message>
        <source>Choose a stock from the list first.</source>
        <translation>Wählen Sie zuerst eine Aktie aus der Liste.</translation>
    </message>
    <message>
        <source>%1 %2 of %3 at %4</source>
        <translation>%2 Stück %3 zu %4 %1</translation>
    </message>
    <message>
        <source>You don&apos;t have any stock to sell</source>
        <translation>Sie haben keine Aktien zu verkaufen</translation>
    </message>
    <message>
        <source>You don&apos;t have this kind of stock!</source>
        <translation>Diese Aktie haben Sie nicht!</translation>
    </message>
    <message>
        <source>You don&apos;t have this number of stock</source>
        <translation>So viele Stück dieser Aktie haben Sie nicht</translation>
    </message>
</context>
<context>
    <name>TradingDesk</name>
    <message>
        <source>Trading desk</source>
        <translation>Handelstisch</translation>
    </message>
    <message>
        <source>Stock</source>
        <translation>Aktie</translation>
    </message>
    <message>
        <source>Choose a stock</source>
        <translation>Wählen Sie eine Aktie</translation>
    </message>
    <message>
        <source>Select a stock</source>
        <translation>Aktie wählen</translation>
    </message>
    <message>
        <source>Company name</source>
        <translation>Firmenname</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Tief</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Stück</translation>
    </message>
    <message>
        <source>Trade price</source>
        <translation>Handelskurs</translation>
    </message>
    <message>
        <source>Sum of the trade</source>
        <translation>Summe des Geschäfts</translation>
    </message>
    <message>
        <source>Cash available</source>
        <translation>Verfügbares Bargeld</translation>
    </message>
    <message>
        <source>Units held</source>
        <translation>Bestand in Stück</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The stock cannot be shown</source>
        <translation>Die Aktie kann nicht angezeigt werden</translation>
    </message>
</context>
<context>
    <name>TransactionsWindow</name>
    <message>
        <source>Transactions</source>
        <translation>Umsätze</translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Stück</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Number of transactions</source>
        <translation>Anzahl der Umsätze</translation>
    </message>
    <message>
        <source>The transactions cannot be read from the game file</source>
        <translation>Die Umsätze können nicht aus der Spieldatei gelesen werden</translation>
    </message>
    <message>
        <source>There isn&apos;t any transaction yet</source>
        <translation>Es gibt noch keine Umsätze</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Sell</source>
        <translation>Verkauf</translation>
    </message>
    <message>
        <source>Buy</source>
        <translation>Kauf</translation>
    </message>
</context>
<context>
    <name>WorthChart</name>
    <message>
        <source>Game time</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Worth %1 of %2: %3 at %4, %5</source>
        <translation>Wert %1 von %2: %3 um %4, %5</translation>
    </message>
    <message>
        <source>Worth</source>
        <translation>Wert</translation>
    </message>
    <message numerus="yes">
        <source>%n figure(s)</source>
        <translation>
            <numerusform>%n Wert</numerusform>
            <numerusform>%n Werte</numerusform>
        </translation>
    </message>
    <message>
        <source>no figures</source>
        <translation>keine Werte</translation>
    </message>
    <message>
        <source>Your worth</source>
        <translation>Ihr Wert</translation>
    </message>
    <message>
        <source>The market</source>
        <translation>Der Markt</translation>
    </message>
    <message>
        <source>; market %1</source>
        <translation>; Markt %1</translation>
    </message>
    <message>
        <source>. Now: worth %1, market %2</source>
        <translation>. Jetzt: Wert %1, Markt %2</translation>
    </message>
</context>
<context>
    <name>WorthLog</name>
    <message>
        <source>The game&apos;s worth could not be recorded</source>
        <translation>Der Wert des Spiels konnte nicht festgehalten werden</translation>
    </message>
</context>
</TS>
