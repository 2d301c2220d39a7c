<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
<context>
    <name>TCFront</name>
    <message>
        <source>The database access library &quot;%1&quot; lacks the entry point(s) %2</source>
        <translation>Databaseadgangsbiblioteket »%1« mangler indgangspunkt(erne) %2</translation>
    </message>
    <message>
        <source>Cannot load the database access library &quot;%1&quot;. %2</source>
        <translation>Databaseadgangsbiblioteket »%1« kan ikke indlæses. %2</translation>
    </message>
    <message>
        <source>Cannot find the database access library &quot;%1&quot; in %2</source>
        <translation>Databaseadgangsbiblioteket »%1« blev ikke fundet i %2</translation>
    </message>
</context>
<context>
    <name>TComparisonModel</name>
    <message>
        <source>Added</source>
        <translation>Tilføjet</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Fjernet</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Ændret</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Uændret</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <translation>%1 (før %2)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ændring</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Old Date/Time</source>
        <translation>Dato/tid gl.</translation>
    </message>
    <message>
        <source>New Date/Time</source>
        <translation>Dato/tid ny</translation>
    </message>
    <message>
        <source>Old Size</source>
        <translation>Str. gl.</translation>
    </message>
    <message>
        <source>New Size</source>
        <translation>Str. ny</translation>
    </message>
    <message>
        <source>Old Version List</source>
        <translation>Gammel versionsliste</translation>
    </message>
    <message>
        <source>New Version List</source>
        <translation>Ny versionsliste</translation>
    </message>
    <message>
        <source>License Permissions</source>
        <translation>Licenstilladelser</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Samme</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Tekst</translation>
    </message>
</context>
<context>
    <name>TDateOrder</name>
    <message>
        <source>day/month/year</source>
        <translation>dag/måned/år</translation>
    </message>
    <message>
        <source>month/day/year</source>
        <translation>måned/dag/år</translation>
    </message>
    <message>
        <source>year/month/day</source>
        <translation>år/måned/dag</translation>
    </message>
</context>
<context>
    <name>TError</name>
    <message>
        <source>The index</source>
        <translation>Indekset</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot;</source>
        <translation>Filen »%1«</translation>
    </message>
    <message>
        <source>%1 does not look like an object file: its first entry is not text. %2</source>
        <translation>%1 ligner ikke en objektfil: dens første post er ikke tekst. %2</translation>
    </message>
    <message>
        <source> Entry %1 at byte %2</source>
        <translation> Post %1 ved byte %2</translation>
    </message>
    <message>
        <source> of &quot;%1&quot;.</source>
        <translation> i »%1«.</translation>
    </message>
    <message>
        <source> Line %1</source>
        <translation> Linje %1</translation>
    </message>
</context>
<context>
    <name>TFilterBar</name>
    <message>
        <source>Filter by name, version list or ID, or an ID range such as 50000..99999</source>
        <translation>Filtrér efter navn, versionsliste eller id, eller et id-interval som 50000..99999</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>Alle typer</translation>
    </message>
    <message>
        <source>&amp;Missing rights</source>
        <translation>&amp;Manglende rettigheder</translation>
    </message>
    <message>
        <source>Only objects the licence grants less than RIMDX (tables) or X (other types)</source>
        <translation>Kun objekter, som licensen giver mindre end RIMDX (tabeller) eller X (andre typer)</translation>
    </message>
    <message>
        <source>Clear the filter and close the bar (Esc)</source>
        <translation>Ryd filteret og luk linjen (Esc)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Object type</source>
        <translation>Objekttype</translation>
    </message>
    <message>
        <source>Close Filter</source>
        <translation>Luk filter</translation>
    </message>
</context>
<context>
    <name>TFindBar</name>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Søg:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Søg</translation>
    </message>
    <message>
        <source>The text to find; Enter finds the next match, Shift+Enter the previous one</source>
        <translation>Teksten, der skal søges efter; Enter finder det næste fund, Skift+Enter det forrige</translation>
    </message>
    <message>
        <source>Find Next (F3)</source>
        <translation>Find næste (F3)</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Find næste</translation>
    </message>
    <message>
        <source>Find Previous (Shift+F3)</source>
        <translation>Find forrige (Skift+F3)</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Find forrige</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Luk søgelinjen (Esc)</translation>
    </message>
    <message>
        <source>Close Find</source>
        <translation>Luk søgning</translation>
    </message>
</context>
<context>
    <name>TLicenseStatus</name>
    <message>
        <source>No licence</source>
        <translation>Ingen licens</translation>
    </message>
    <message>
        <source>No licence is active: no object is granted any permission. Load one with Tools, License File...</source>
        <translation>Ingen licens er aktiv: intet objekt får nogen tilladelse. Indlæs en med Funktioner, Licensfil...</translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation>Licens: %1</translation>
    </message>
    <message>
        <source>Licence: %1 (information only)</source>
        <translation>Licens: %1 (kun information)</translation>
    </message>
    <message>
        <source>%1
Written by the ERP: its text is shown, its permissions can&apos;t be read here, so no object is granted any.</source>
        <translation>%1
Skrevet af ERP-systemet: teksten vises, tilladelserne kan ikke læses her, så intet objekt får nogen.</translation>
    </message>
    <message>
        <source>Licence %1 can&apos;t be used</source>
        <translation>Licens %1 kan ikke bruges</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fil</translation>
    </message>
    <message>
        <source>Cannot load licence file &quot;%1&quot;. %2</source>
        <translation>Licensfilen »%1« kan ikke indlæses. %2</translation>
    </message>
    <message>
        <source>Licence not reported</source>
        <translation>Licens ikke oplyst</translation>
    </message>
    <message>
        <source>The database access library doesn&apos;t tell which licence is active.</source>
        <translation>Databaseadgangsbiblioteket oplyser ikke, hvilken licens der er aktiv.</translation>
    </message>
    <message>
        <source> (%1 not loaded)</source>
        <translation> (%1 ikke indlæst)</translation>
    </message>
    <message>
        <source>No licence file is active.</source>
        <translation>Ingen licensfil er aktiv.</translation>
    </message>
    <message>
        <source>The database access library doesn&apos;t tell which licence file is active.</source>
        <translation>Databaseadgangsbiblioteket oplyser ikke, hvilken licensfil der er aktiv.</translation>
    </message>
    <message>
        <source>%1 (information only)</source>
        <translation>%1 (kun information)</translation>
    </message>
    <message>
        <source>%1 (can&apos;t be used)</source>
        <translation>%1 (kan ikke bruges)</translation>
    </message>
</context>
<context>
    <name>TNavisionBinaryFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Ukendt fejl</translation>
    </message>
    <message>
        <source>Another program holds the file locked</source>
        <translation>Et andet program har låst filen</translation>
    </message>
    <message>
        <source>Cannot write the list. %1</source>
        <translation>Listen kan ikke skrives. %1</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Filen »%1« kan ikke åbnes. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Filen »%1« kan ikke oprettes. %2</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listeindeks uden for gyldigt område (%1)</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Det er ikke en almindelig fil</translation>
    </message>
    <message>
        <source>Cannot read the index again. %1</source>
        <translation>Indekset kan ikke læses igen. %1</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Filen »%1« kan ikke skrives. %2</translation>
    </message>
    <message>
        <source>Cannot read the index. %1</source>
        <translation>Indekset kan ikke læses. %1</translation>
    </message>
    <message>
        <source>The object entry is cut short: the file ends after %1 of its %2 bytes</source>
        <translation>Objektposten er afkortet: filen slutter efter %1 af dens %2 byte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands in &quot;%2&quot; and in &quot;%3&quot;; the first is listed</source>
        <translation>»%1« findes i »%2« og i »%3«; det første vises</translation>
    </message>
</context>
<context>
    <name>TNavisionLicenseFile</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listeindeks uden for gyldigt område (%1)</translation>
    </message>
    <message>
        <source>Cannot load licence file &quot;%1&quot;. %2</source>
        <translation>Licensfilen »%1« kan ikke indlæses. %2</translation>
    </message>
</context>
<context>
    <name>TNavisionObject</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>»%1« er ikke en gyldig heltalsværdi</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>»%1« er ikke en gyldig dato og et gyldigt klokkeslæt</translation>
    </message>
    <message>
        <source>The name &apos;%1&apos; is longer than %2 characters</source>
        <translation>Navnet »%1« er længere end %2 tegn</translation>
    </message>
</context>
<context>
    <name>TObjectComparison</name>
    <message>
        <source>Cannot write the comparison. %1</source>
        <translation>Sammenligningen kan ikke skrives. %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Ukendt fejl</translation>
    </message>
</context>
<context>
    <name>TObjectListModel</name>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Dato/klokkeslæt</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>Version List</source>
        <translation>Versionsliste</translation>
    </message>
    <message>
        <source>License Permissions</source>
        <translation>Licenstilladelser</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
    </message>
</context>
<context>
    <name>TReadProblems</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>og %n mere</numerusform>
            <numerusform>og %n mere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read; the other files are listed:</source>
        <translation>
            <numerusform>%n fil kunne ikke læses; de andre filer vises:</numerusform>
            <numerusform>%n filer kunne ikke læses; de andre filer vises:</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects that stand in more than one file:</source>
        <translation>Objekter, der findes i mere end én fil:</translation>
    </message>
    <message numerus="yes">
        <source>; %n file(s) not read</source>
        <translation>
            <numerusform>; %n fil ikke læst</numerusform>
            <numerusform>; %n filer ikke læst</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRecentFiles</name>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Ryd liste</translation>
    </message>
</context>
<context>
    <name>TTextExport</name>
    <message>
        <source>The line is longer than %1 bytes</source>
        <translation>Linjen er længere end %1 byte</translation>
    </message>
    <message>
        <source>Cannot read the file. %1</source>
        <translation>Filen kan ikke læses. %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an object line</source>
        <translation>»%1« er ikke en OBJECT-linje</translation>
    </message>
    <message>
        <source>The object &quot;%1 %2 %3&quot; ends within its OBJECT-PROPERTIES</source>
        <translation>Objektet »%1 %2 %3« slutter inde i sine OBJECT-PROPERTIES</translation>
    </message>
    <message>
        <source>It is not an object file: its first line is no OBJECT line</source>
        <translation>Det er ikke en objektfil: dens første linje er ikke en OBJECT-linje</translation>
    </message>
</context>
<context>
    <name>TfrmCompare</name>
    <message>
        <source>Export Comparison</source>
        <translation>Eksportér sammenligning</translation>
    </message>
    <message>
        <source>Text (Tab Delimited) (*.txt)</source>
        <translation>Tekst (tabulatorsepareret) (*.txt)</translation>
    </message>
    <message>
        <source>Old file:</source>
        <translation>Gammel fil:</translation>
    </message>
    <message>
        <source>New file:</source>
        <translation>Ny fil:</translation>
    </message>
    <message>
        <source>Show &amp;unchanged objects</source>
        <translation>Vis &amp;uændrede objekter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Filer</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Eksportér...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Luk</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vis</translation>
    </message>
    <message>
        <source>Show &amp;Unchanged Objects</source>
        <translation>Vis &amp;uændrede objekter</translation>
    </message>
    <message>
        <source>%1 → %2 - %3</source>
        <translation>%1 → %2 - %3</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 changed, %4 unchanged</source>
        <translation>%1 tilføjet, %2 fjernet, %3 ændret, %4 uændret</translation>
    </message>
    <message>
        <source> (unchanged objects are hidden)</source>
        <translation> (uændrede objekter er skjult)</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Filen »%1« kan ikke oprettes. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Filen »%1« kan ikke skrives. %2</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Forskelle</translation>
    </message>
    <message>
        <source>What the new file adds, removes and changes against the old one</source>
        <translation>Hvad den nye fil tilføjer, fjerner og ændrer i forhold til den gamle</translation>
    </message>
    <message>
        <source>Old: %1</source>
        <translation>Gammel: %1</translation>
    </message>
    <message>
        <source>New: %1</source>
        <translation>Ny: %1</translation>
    </message>
    <message>
        <source>View &amp;Differences</source>
        <translation>Vis &amp;forskelle</translation>
    </message>
    <message>
        <source>A binary file holds no text of its objects</source>
        <translation>En binær fil indeholder ingen tekst til sine objekter</translation>
    </message>
</context>
<context>
    <name>TfrmDifference</name>
    <message>
        <source>Old text</source>
        <translation>Gammel tekst</translation>
    </message>
    <message>
        <source>New text</source>
        <translation>Ny tekst</translation>
    </message>
    <message>
        <source>Changed lines are marked; F8 goes to the next change, Shift+F8 to the previous one</source>
        <translation>Ændrede linjer er markeret; F8 går til næste ændring, Skift+F8 til den forrige</translation>
    </message>
    <message>
        <source>The texts have no different lines</source>
        <translation>Teksterne har ingen forskellige linjer</translation>
    </message>
    <message>
        <source>Change %1 of %2 (F8: next, Shift+F8: previous)</source>
        <translation>Ændring %1 af %2 (F8: næste, Skift+F8: forrige)</translation>
    </message>
</context>
<context>
    <name>TfrmLicense</name>
    <message>
        <source>License File</source>
        <translation>Licensfil</translation>
    </message>
    <message>
        <source>C&amp;hange...</source>
        <translation>&amp;Skift...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Luk</translation>
    </message>
    <message>
        <source>Load License File</source>
        <translation>Indlæs licensfil</translation>
    </message>
    <message>
        <source>Navision License Files (*.flf)</source>
        <translation>Navision-licensfiler (*.flf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
    <message>
        <source>License Information</source>
        <translation>Licensoplysninger</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Quintarel</source>
        <translation>Quintarel</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Filer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vis</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>Funk&amp;tioner</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Åbn...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Filer</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>Sa&amp;mmenlign med...</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Om...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>Sort by &amp;Type</source>
        <translation>Sortér efter &amp;type</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Sort by &amp;ID</source>
        <translation>Sortér efter &amp;id</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>Sortér efter &amp;navn</translation>
    </message>
    <message>
        <source>Sort by &amp;Date/Time</source>
        <translation>Sortér efter &amp;dato/klokkeslæt</translation>
    </message>
    <message>
        <source>Sort by &amp;Size</source>
        <translation>Sortér efter &amp;størrelse</translation>
    </message>
    <message>
        <source>Sort by &amp;Version List</source>
        <translation>Sortér efter &amp;versionsliste</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Luk</translation>
    </message>
    <message>
        <source>Export &amp;List...</source>
        <translation>&amp;Eksportér liste...</translation>
    </message>
    <message>
        <source>&amp;Hide System Objects</source>
        <translation>Sk&amp;jul systemobjekter</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;License File...</source>
        <translation>&amp;Licensfil...</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Funktioner</translation>
    </message>
    <message>
        <source>Sort by License &amp;Permissions</source>
        <translation>Sortér efter &amp;licenstilladelser</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>&amp;Eksportér liste...</translation>
    </message>
    <message>
        <source>Navision Object File (*.fob)</source>
        <translation>Navision-objektfil (*.fob)</translation>
    </message>
    <message>
        <source>Navision Backup File (*.fbk)</source>
        <translation>Navision-sikkerhedskopifil (*.fbk)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Sammenlign med</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Eksportér liste</translation>
    </message>
    <message>
        <source>Text (Tab Delimited) (*.txt)</source>
        <translation>Tekst (tabulatorsepareret) (*.txt)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiér</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Markér &amp;alt</translation>
    </message>
    <message>
        <source>&amp;Filter...</source>
        <translation>&amp;Filtrér...</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Genindlæs</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objekter</translation>
    </message>
    <message>
        <source>The objects of the open file; typing the start of a type, ID or name goes to the first object it matches</source>
        <translation>Objekterne i den åbne fil; når du skriver begyndelsen af en type, et id eller et navn, går markøren til det første objekt, der passer</translation>
    </message>
    <message>
        <source>Object Files (*.fob *.fbk *.txt)</source>
        <translation>Objektfiler (*.fob *.fbk *.txt)</translation>
    </message>
    <message>
        <source>Text Export (*.txt)</source>
        <translation>Teksteksport (*.txt)</translation>
    </message>
    <message>
        <source>Open &amp;Folder...</source>
        <translation>Åbn ma&amp;ppe...</translation>
    </message>
    <message>
        <source>Compare With Fol&amp;der...</source>
        <translation>Sammenlign me&amp;d mappe...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Åbn mappe</translation>
    </message>
    <message>
        <source>Compare With Folder</source>
        <translation>Sammenlign med mappe</translation>
    </message>
    <message>
        <source>Recen&amp;t Files</source>
        <translation>&amp;Seneste filer</translation>
    </message>
    <message>
        <source>%1 (read as %2)</source>
        <translation>%1 (læst som %2)</translation>
    </message>
    <message>
        <source>%1 could not be read; %2 is shown again</source>
        <translation>%1 kunne ikke læses; %2 vises igen</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Objekt</translation>
    </message>
    <message>
        <source>View Object &amp;Text</source>
        <translation>Vis objekt&amp;tekst</translation>
    </message>
    <message>
        <source>A binary file holds no text of its objects</source>
        <translation>En binær fil indeholder ingen tekst til sine objekter</translation>
    </message>
</context>
<context>
    <name>TfrmObjectText</name>
    <message>
        <source>Object text</source>
        <translation>Objekttekst</translation>
    </message>
    <message>
        <source>The object&apos;s text as it stands in its file, with the file&apos;s line numbers</source>
        <translation>Objektets tekst, som den står i filen, med filens linjenumre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found</source>
        <translation>»%1« blev ikke fundet</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, linje %2</translation>
    </message>
</context>
<context>
    <name>UiStrings</name>
    <message>
        <source>Quintarel</source>
        <translation>Quintarel</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source> (system objects are hidden)</source>
        <translation> (systemobjekter er skjult)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Om %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>System resources:</source>
        <translation>Systemressourcer:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1% Free</source>
        <translation>%1 % fri</translation>
    </message>
    <message>
        <source>; dates read as %1</source>
        <translation>; datoer læst som %1</translation>
    </message>
    <message>
        <source>Read Dates &amp;As</source>
        <translation>Læs d&amp;atoer som</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatisk</translation>
    </message>
    <message>
        <source>&amp;Regional Settings</source>
        <translation>&amp;Områdeindstillinger</translation>
    </message>
    <message>
        <source>&amp;Day/Month/Year</source>
        <translation>&amp;Dag/måned/år</translation>
    </message>
    <message>
        <source>&amp;Month/Day/Year</source>
        <translation>&amp;Måned/dag/år</translation>
    </message>
    <message>
        <source>&amp;Year/Month/Day</source>
        <translation>Å&amp;r/måned/dag</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist</source>
        <translation>Mappen »%1« findes ikke</translation>
    </message>
    <message numerus="yes">
        <source>%n object(s)</source>
        <translation>
            <numerusform>%n objekt</numerusform>
            <numerusform>%n objekter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n object(s)</source>
        <translation>
            <numerusform>%1 af %n objekt</numerusform>
            <numerusform>%1 af %n objekter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) exported to %1</source>
        <translation>
            <numerusform>%n objekt eksporteret til %1</numerusform>
            <numerusform>%n objekter eksporteret til %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Physical memory available to %1:</source>
        <translation>Fysisk hukommelse til rådighed for %1:</translation>
    </message>
    <message>
        <source>; dates read file by file, in no one order</source>
        <translation>; datoer læst fil for fil, ikke i én rækkefølge</translation>
    </message>
</context>
</TS>
