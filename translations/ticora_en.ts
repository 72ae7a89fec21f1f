<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnel Ticora V1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feel free to be the sponsore of the next version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your advertisment will be placed on the starting screen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AddAssetDialog</name>
    <message>
        <source>Add Asset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stock Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stock Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stock current price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the necessary information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source>Free some space on its disk, or give the folder write permission, then start the program again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The starter market cannot be copied to %1 (%2). %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1, where %2 keeps the market and the games, cannot be made. %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Assets</name>
    <message>
        <source>This stock already exist in your game!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stock %1 could not be added; the market is as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stock could not be changed; the market is as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No changes were made!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the current price as a number above 0, for example %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the day&apos;s lowest price as a number of 0 or more, for example %1, or leave it empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the day&apos;s highest price as a number of 0 or more, for example %1, or leave it empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the volume as a number of 0 or more, for example 1000, or leave it empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a word of the database language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the database could not try it (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The symbol &quot;%1&quot; cannot be used: a symbol starts with a letter and holds only the letters A to Z, digits and &quot;_&quot;, without blanks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The symbol &quot;%1&quot; cannot be used: a symbol has at most %2 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The symbol &quot;%1&quot; cannot be used: names starting with &quot;sqlite_&quot; are the database&apos;s own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The symbol &quot;%1&quot; cannot be used: the market keeps the name &quot;%2&quot; for its own tables.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The symbol &quot;%1&quot; cannot be used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The symbol &quot;%1&quot; cannot be used: its table or query &quot;%2&quot; would clash with &quot;%3&quot;, which the market already holds.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BalanceWindow</name>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Portfolio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not listed in the market, valued at 0: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The balance cannot be worked out</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Chart</name>
    <message numerus="yes">
        <source>%n price(s)</source>
        <translation>
            <numerusform>%n price</numerusform>
            <numerusform>%n prices</numerusform>
        </translation>
    </message>
    <message>
        <source>no prices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick %1: no price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, first %3, last %4, lowest %5, highest %6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, change %1%2 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left and Right move through the figures one by one, Page Up and Page Down by ten, Home and End to the first and the last.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClockMenu</name>
    <message>
        <source>Pa&amp;use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Slower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarter speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Half speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four times speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ten times speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContinueDialog</name>
    <message>
        <source>Continue a game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Games that were never closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games that were never closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the game of %1 for good?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game file &quot;%1&quot; could not be deleted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EditStockDialog</name>
    <message>
        <source>Edit stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose stock symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stock name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stock cannot be shown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EndGame</name>
    <message>
        <source>End the game of %1 for good? Its result goes into the hall of fame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game&apos;s result could not be entered in the hall of fame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

The game file &quot;%1&quot; was kept: continue the game later and close it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your game ranks %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your game ended with a return of %1 %, the market&apos;s %2 %: %3 points apart. It did not enter the hall of fame&apos;s best %4.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>the disk that holds %1 is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free some space on it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the file write permission.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the program from a folder you can write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the file read permission.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 is in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the other program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file %1 is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore it from a backup copy.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GamePanel</name>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Since the game began</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Since the day began</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latest news</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>blank</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HallOfFameWindow</name>
    <message>
        <source>Hall of fame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beat by</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>News</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hall of fame cannot be read from the market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game has ended yet. A game that made a trade enters when it is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>is not a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has topic %1 twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has text before its first topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds no topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has no contents page (topic 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is too large to be a help file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot be opened (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Varnel Ticora Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;ontinue...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hall of fame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;rade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Prices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;News</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Balance</source>
        <extracomment>The Balance menu&apos;s entry that opens the Balance window.
----------
The Balance menu, which holds the entry that opens the Balance window.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;osition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transaction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pe&amp;rformance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;dd new assets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit assets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Market &amp;news</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A&amp;ssets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <extracomment>The help menu, which holds Help and About.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проект уже запущен!</source>
        <translation>Varnel Ticora is already running.</translation>
    </message>
    <message>
        <source>News on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the market did</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnel Ticora: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varnel Korvath: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no game to continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>Under the toolbar&apos;s picture: a new game.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trading desk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trade</source>
        <extracomment>Under the toolbar&apos;s picture: the Trading desk.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stock performance chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Market news</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause and speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulated weekday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulated date and time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Market</name>
    <message>
        <source>The new trading day could not be prepared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The market could not move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The price of %1 is 0, so it cannot move: correct it in Tools &gt; Edit assets.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MsgBox</name>
    <message>
        <source>&amp;End the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep it for later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewGame</name>
    <message>
        <source>it is empty or only blanks. Type a name for the game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it contains a slash or backslash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it contains one of &lt; &gt; : &quot; | ? *</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it contains a control character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it ends in a dot or a blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a name Windows keeps for a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is too long for a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The market file %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy it back from a backup. In an installed copy of %1, starting the program again puts the starter market back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The market file %1 cannot be read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the file read and write permission, then choose New again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The market file %1 is in use by another program (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the other program, then choose New again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The market file %1 is damaged and cannot be used (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore it from a backup copy. In an installed copy of %1 you can instead remove it: the starter market is put back the next time the program starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> No game was started.

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; cannot be used for a game file: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Market error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game file could not be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

The file &quot;%1&quot; was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewGameDialog</name>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting Account Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File already exist. Overwrite?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>News</name>
    <message>
        <source>%1 wins a large contract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takeover talk around %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 raises its forecast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 warns on profits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inquiry into %1&apos;s accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 loses its largest customer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markets rally on strong figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markets rally as interest rates fall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markets slide on fears of a recession</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Markets slide as interest rates rise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rumour: %1 is about to win a large order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rumour: %1 is in trouble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 denies the rumour</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NewsWindow</name>
    <message>
        <source>News</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Headline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The news cannot be read from the market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No headline yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No news yet. Turn it on in Tools &gt; Market news.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Orders</name>
    <message>
        <source>at or below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at or above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>filled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>buy %1 of %2 %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sell %1 of %2 %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cover short %1 of %2 %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sell short %1 of %2 %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The order could not be placed in the game file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The order could not be cancelled in the game file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrdersWindow</name>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Placed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The orders cannot be read from the game file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a condition: at or below, or at or above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the price the order waits for: a number above 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have %1 open orders, as many as the market keeps: cancel one before you place another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order placed: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an open order in the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order cancelled: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PerformanceWindow</name>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average paid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Realised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Performance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The performance cannot be worked out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortfolioWindow</name>
    <message>
        <source>Portfolio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The portfolio cannot be worked out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No shares</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PositionWindow</name>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The position cannot be read from the game file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have any stock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PriceBoard</name>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min/Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max/Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min/History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max/History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The price board cannot be read from the market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No price history for: %1</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source> The file was left as it is: restore it from a backup copy, or delete it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is no longer there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read (%1). Give the file read permission, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is in use by another program (%1). Close the other program, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is damaged or is not a game of %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no player&apos;s record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read as a game (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be continued: %2 Last changed %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cash %1, stocks %2, balance %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its worth cannot be read from the market now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2, %3. Last played %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A game is open. Close it before you continue another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game in &quot;%1&quot; cannot be continued: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game in &quot;%1&quot; cannot be continued</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>The game file &quot;%1&quot; could not be deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help cannot be shown: the help file %1 %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The market&apos;s news could not be switched</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order filled: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orders filled: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Something went wrong: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StockPerformanceDialog</name>
    <message>
        <source>Stock Performance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stock cannot be shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the stock to chart from the Stock list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No stock &quot;%1&quot; is listed: choose the stock to chart from the Stock list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Trading</name>
    <message>
        <source>Varnel Stock Exchange is closed at the moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trade could not be recorded in the game file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stock is no longer listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The orders could not be carried out in the game file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The margin call could not be recorded in the game file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin call: your balance %1 fell below 30 % of your short positions %2, so they were covered at the market&apos;s prices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bought</source>
        <extracomment>What a trade did: &quot;You bought 10 of ALDR&quot;, &quot;bought 10 of ALDR at 12.34&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>covered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sold short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You %1 %2 of %3 at a price %4 for the overall sum %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum of this thansaction %1 and is more than your cash %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You hold %1 of %2: sell them before you sell short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A short sale of %1 needs a balance of at least half of your short positions: your balance would be %2 and half of your short positions %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have no short position in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are short only %1 of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cover short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sell short</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a valid units amount.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UnitsSheet Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose transaction type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a stock from the list first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 of %3 at %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have any stock to sell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have this kind of stock!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You don&apos;t have this number of stock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TradingDesk</name>
    <message>
        <source>Trading desk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a stock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trade price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum of the trade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units held</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stock cannot be shown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransactionsWindow</name>
    <message>
        <source>Transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symbol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of transactions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The transactions cannot be read from the game file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There isn&apos;t any transaction yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N/A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>Game time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your worth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The market</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worth %1 of %2: %3 at %4, %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; market %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. Now: worth %1, market %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorthLog</name>
    <message>
        <source>The game&apos;s worth could not be recorded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
