<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>TCFront</name>
    <message>
        <source>The database access library &quot;%1&quot; lacks the entry point(s) %2</source>
        <translation>Databasetilgangsbiblioteket «%1» mangler inngangspunkt(ene) %2</translation>
    </message>
    <message>
        <source>Cannot load the database access library &quot;%1&quot;. %2</source>
        <translation>Databasetilgangsbiblioteket «%1» kan ikke lastes inn. %2</translation>
    </message>
    <message>
        <source>Cannot find the database access library &quot;%1&quot; in %2</source>
        <translation>Databasetilgangsbiblioteket «%1» ble ikke funnet i %2</translation>
    </message>
</context>
<context>
    <name>TComparisonModel</name>
    <message>
        <source>Added</source>
        <translation>Lagt til</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Fjernet</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Endret</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Uendret</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <translation>%1 (før %2)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Endring</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Old Date/Time</source>
        <translation>Dato/tid gml.</translation>
    </message>
    <message>
        <source>New Date/Time</source>
        <translation>Dato/tid ny</translation>
    </message>
    <message>
        <source>Old Size</source>
        <translation>Str. gml.</translation>
    </message>
    <message>
        <source>New Size</source>
        <translation>Str. ny</translation>
    </message>
    <message>
        <source>Old Version List</source>
        <translation>Gammel versjonsliste</translation>
    </message>
    <message>
        <source>New Version List</source>
        <translation>Ny versjonsliste</translation>
    </message>
    <message>
        <source>License Permissions</source>
        <translation>Lisensrettigheter</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Lik</translation>
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
        <translation>Indeksen</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot;</source>
        <translation>Filen «%1»</translation>
    </message>
    <message>
        <source>%1 does not look like an object file: its first entry is not text. %2</source>
        <translation>%1 ser ikke ut som en objektfil: den første oppføringen er ikke tekst. %2</translation>
    </message>
    <message>
        <source> Entry %1 at byte %2</source>
        <translation> Oppføring %1 ved byte %2</translation>
    </message>
    <message>
        <source> of &quot;%1&quot;.</source>
        <translation> i «%1».</translation>
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
        <translation>Filtrer etter navn, versjonsliste eller ID, eller et ID-område som 50000..99999</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>Alle typer</translation>
    </message>
    <message>
        <source>&amp;Missing rights</source>
        <translation>&amp;Manglende rettigheter</translation>
    </message>
    <message>
        <source>Only objects the licence grants less than RIMDX (tables) or X (other types)</source>
        <translation>Bare objekter som lisensen gir mindre enn RIMDX (tabeller) eller X (andre typer)</translation>
    </message>
    <message>
        <source>Clear the filter and close the bar (Esc)</source>
        <translation>Tøm filteret og lukk linjen (Esc)</translation>
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
        <translation>Lukk filter</translation>
    </message>
</context>
<context>
    <name>TFindBar</name>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Søk:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Søk</translation>
    </message>
    <message>
        <source>The text to find; Enter finds the next match, Shift+Enter the previous one</source>
        <translation>Teksten det skal søkes etter; Enter finner neste treff, Skift+Enter det forrige</translation>
    </message>
    <message>
        <source>Find Next (F3)</source>
        <translation>Finn neste (F3)</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Finn neste</translation>
    </message>
    <message>
        <source>Find Previous (Shift+F3)</source>
        <translation>Finn forrige (Skift+F3)</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Finn forrige</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Lukk søkelinjen (Esc)</translation>
    </message>
    <message>
        <source>Close Find</source>
        <translation>Lukk søk</translation>
    </message>
</context>
<context>
    <name>TLicenseStatus</name>
    <message>
        <source>No licence</source>
        <translation>Ingen lisens</translation>
    </message>
    <message>
        <source>No licence is active: no object is granted any permission. Load one with Tools, License File...</source>
        <translation>Ingen lisens er aktiv: ingen objekter får noen rettigheter. Last inn en med Verktøy, Lisensfil...</translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation>Lisens: %1</translation>
    </message>
    <message>
        <source>Licence: %1 (information only)</source>
        <translation>Lisens: %1 (bare informasjon)</translation>
    </message>
    <message>
        <source>%1
Written by the ERP: its text is shown, its permissions can&apos;t be read here, so no object is granted any.</source>
        <translation>%1
Skrevet av ERP-systemet: teksten vises, rettighetene kan ikke leses her, så ingen objekter får noen.</translation>
    </message>
    <message>
        <source>Licence %1 can&apos;t be used</source>
        <translation>Lisens %1 kan ikke brukes</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fil</translation>
    </message>
    <message>
        <source>Cannot load licence file &quot;%1&quot;. %2</source>
        <translation>Lisensfilen «%1» kan ikke lastes inn. %2</translation>
    </message>
    <message>
        <source>Licence not reported</source>
        <translation>Lisens ikke oppgitt</translation>
    </message>
    <message>
        <source>The database access library doesn&apos;t tell which licence is active.</source>
        <translation>Databasetilgangsbiblioteket oppgir ikke hvilken lisens som er aktiv.</translation>
    </message>
    <message>
        <source> (%1 not loaded)</source>
        <translation> (%1 ikke lastet inn)</translation>
    </message>
    <message>
        <source>No licence file is active.</source>
        <translation>Ingen lisensfil er aktiv.</translation>
    </message>
    <message>
        <source>The database access library doesn&apos;t tell which licence file is active.</source>
        <translation>Databasetilgangsbiblioteket oppgir ikke hvilken lisensfil som er aktiv.</translation>
    </message>
    <message>
        <source>%1 (information only)</source>
        <translation>%1 (bare informasjon)</translation>
    </message>
    <message>
        <source>%1 (can&apos;t be used)</source>
        <translation>%1 (kan ikke brukes)</translation>
    </message>
</context>
<context>
    <name>TNavisionBinaryFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Ukjent feil</translation>
    </message>
    <message>
        <source>Another program holds the file locked</source>
        <translation>Et annet program holder filen låst</translation>
    </message>
    <message>
        <source>Cannot write the list. %1</source>
        <translation>Listen kan ikke skrives. %1</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Filen «%1» kan ikke åpnes. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Filen «%1» kan ikke opprettes. %2</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listeindeks utenfor gyldig område (%1)</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Det er ikke en vanlig fil</translation>
    </message>
    <message>
        <source>Cannot read the index again. %1</source>
        <translation>Indeksen kan ikke leses på nytt. %1</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Filen «%1» kan ikke skrives. %2</translation>
    </message>
    <message>
        <source>Cannot read the index. %1</source>
        <translation>Indeksen kan ikke leses. %1</translation>
    </message>
    <message>
        <source>The object entry is cut short: the file ends after %1 of its %2 bytes</source>
        <translation>Objektoppføringen er avkortet: filen slutter etter %1 av dens %2 byte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands in &quot;%2&quot; and in &quot;%3&quot;; the first is listed</source>
        <translation>«%1» finnes i «%2» og i «%3»; det første vises</translation>
    </message>
</context>
<context>
    <name>TNavisionLicenseFile</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listeindeks utenfor gyldig område (%1)</translation>
    </message>
    <message>
        <source>Cannot load licence file &quot;%1&quot;. %2</source>
        <translation>Lisensfilen «%1» kan ikke lastes inn. %2</translation>
    </message>
</context>
<context>
    <name>TNavisionObject</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» er ikke en gyldig heltallsverdi</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>«%1» er ikke en gyldig dato og et gyldig klokkeslett</translation>
    </message>
    <message>
        <source>The name &apos;%1&apos; is longer than %2 characters</source>
        <translation>Navnet «%1» er lengre enn %2 tegn</translation>
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
        <translation>Ukjent feil</translation>
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
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Navn</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Dato/klokkeslett</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
    </message>
    <message>
        <source>Version List</source>
        <translation>Versjonsliste</translation>
    </message>
    <message>
        <source>License Permissions</source>
        <translation>Lisensrettigheter</translation>
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
            <numerusform>og %n til</numerusform>
            <numerusform>og %n til</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read; the other files are listed:</source>
        <translation>
            <numerusform>%n fil kunne ikke leses; de andre filene vises:</numerusform>
            <numerusform>%n filer kunne ikke leses; de andre filene vises:</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects that stand in more than one file:</source>
        <translation>Objekter som finnes i mer enn én fil:</translation>
    </message>
    <message numerus="yes">
        <source>; %n file(s) not read</source>
        <translation>
            <numerusform>; %n fil ikke lest</numerusform>
            <numerusform>; %n filer ikke lest</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRecentFiles</name>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Tøm listen</translation>
    </message>
</context>
<context>
    <name>TTextExport</name>
    <message>
        <source>The line is longer than %1 bytes</source>
        <translation>Linjen er lengre enn %1 byte</translation>
    </message>
    <message>
        <source>Cannot read the file. %1</source>
        <translation>Filen kan ikke leses. %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an object line</source>
        <translation>«%1» er ikke en OBJECT-linje</translation>
    </message>
    <message>
        <source>The object &quot;%1 %2 %3&quot; ends within its OBJECT-PROPERTIES</source>
        <translation>Objektet «%1 %2 %3» slutter inne i sine OBJECT-PROPERTIES</translation>
    </message>
    <message>
        <source>It is not an object file: its first line is no OBJECT line</source>
        <translation>Det er ikke en objektfil: den første linjen er ikke en OBJECT-linje</translation>
    </message>
</context>
<context>
    <name>TfrmCompare</name>
    <message>
        <source>Export Comparison</source>
        <translation>Eksporter sammenligning</translation>
    </message>
    <message>
        <source>Text (Tab Delimited) (*.txt)</source>
        <translation>Tekst (tabulatordelt) (*.txt)</translation>
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
        <translation>Vis &amp;uendrede objekter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Eksporter...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vis</translation>
    </message>
    <message>
        <source>Show &amp;Unchanged Objects</source>
        <translation>Vis &amp;uendrede objekter</translation>
    </message>
    <message>
        <source>%1 → %2 - %3</source>
        <translation>%1 → %2 - %3</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 changed, %4 unchanged</source>
        <translation>%1 lagt til, %2 fjernet, %3 endret, %4 uendret</translation>
    </message>
    <message>
        <source> (unchanged objects are hidden)</source>
        <translation> (uendrede objekter er skjult)</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Filen «%1» kan ikke opprettes. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Filen «%1» kan ikke skrives. %2</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Forskjeller</translation>
    </message>
    <message>
        <source>What the new file adds, removes and changes against the old one</source>
        <translation>Hva den nye filen legger til, fjerner og endrer sammenlignet med den gamle</translation>
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
        <translation>Vis &amp;forskjeller</translation>
    </message>
    <message>
        <source>A binary file holds no text of its objects</source>
        <translation>En binærfil inneholder ingen tekst for objektene sine</translation>
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
        <translation>Endrede linjer er merket; F8 går til neste endring, Skift+F8 til den forrige</translation>
    </message>
    <message>
        <source>The texts have no different lines</source>
        <translation>Tekstene har ingen ulike linjer</translation>
    </message>
    <message>
        <source>Change %1 of %2 (F8: next, Shift+F8: previous)</source>
        <translation>Endring %1 av %2 (F8: neste, Skift+F8: forrige)</translation>
    </message>
</context>
<context>
    <name>TfrmLicense</name>
    <message>
        <source>License File</source>
        <translation>Lisensfil</translation>
    </message>
    <message>
        <source>C&amp;hange...</source>
        <translation>&amp;Endre...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message>
        <source>Load License File</source>
        <translation>Last inn lisensfil</translation>
    </message>
    <message>
        <source>Navision License Files (*.flf)</source>
        <translation>Navision-lisensfiler (*.flf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle filer (*)</translation>
    </message>
    <message>
        <source>License Information</source>
        <translation>Lisensinformasjon</translation>
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
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Vis</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>V&amp;erktøy</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Åpne...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åpne</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fil</translation>
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
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Avslutt</translation>
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
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Sort by &amp;Type</source>
        <translation>Sorter etter &amp;type</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vis</translation>
    </message>
    <message>
        <source>Sort by &amp;ID</source>
        <translation>Sorter etter &amp;ID</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>Sorter etter &amp;navn</translation>
    </message>
    <message>
        <source>Sort by &amp;Date/Time</source>
        <translation>Sorter etter &amp;dato/klokkeslett</translation>
    </message>
    <message>
        <source>Sort by &amp;Size</source>
        <translation>Sorter etter &amp;størrelse</translation>
    </message>
    <message>
        <source>Sort by &amp;Version List</source>
        <translation>Sorter etter &amp;versjonsliste</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Lukk</translation>
    </message>
    <message>
        <source>Export &amp;List...</source>
        <translation>&amp;Eksporter liste...</translation>
    </message>
    <message>
        <source>&amp;Hide System Objects</source>
        <translation>Skjul s&amp;ystemobjekter</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;License File...</source>
        <translation>&amp;Lisensfil...</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Verktøy</translation>
    </message>
    <message>
        <source>Sort by License &amp;Permissions</source>
        <translation>Sorter etter lisens&amp;rettigheter</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>&amp;Eksporter liste...</translation>
    </message>
    <message>
        <source>Navision Object File (*.fob)</source>
        <translation>Navision-objektfil (*.fob)</translation>
    </message>
    <message>
        <source>Navision Backup File (*.fbk)</source>
        <translation>Navision-sikkerhetskopifil (*.fbk)</translation>
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
        <translation>Eksporter liste</translation>
    </message>
    <message>
        <source>Text (Tab Delimited) (*.txt)</source>
        <translation>Tekst (tabulatordelt) (*.txt)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Merk &amp;alt</translation>
    </message>
    <message>
        <source>&amp;Filter...</source>
        <translation>&amp;Filtrer...</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>Last &amp;inn på nytt</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objekter</translation>
    </message>
    <message>
        <source>The objects of the open file; typing the start of a type, ID or name goes to the first object it matches</source>
        <translation>Objektene i den åpne filen; skriv begynnelsen av en type, en ID eller et navn for å gå til det første objektet som passer</translation>
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
        <translation>Åpne ma&amp;ppe...</translation>
    </message>
    <message>
        <source>Compare With Fol&amp;der...</source>
        <translation>Sammenlign me&amp;d mappe...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Åpne mappe</translation>
    </message>
    <message>
        <source>Compare With Folder</source>
        <translation>Sammenlign med mappe</translation>
    </message>
    <message>
        <source>Recen&amp;t Files</source>
        <translation>&amp;Nylige filer</translation>
    </message>
    <message>
        <source>%1 (read as %2)</source>
        <translation>%1 (lest som %2)</translation>
    </message>
    <message>
        <source>%1 could not be read; %2 is shown again</source>
        <translation>%1 kunne ikke leses; %2 vises igjen</translation>
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
        <translation>En binærfil inneholder ingen tekst for objektene sine</translation>
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
        <translation>Objektets tekst slik den står i filen, med filens linjenumre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found</source>
        <translation>«%1» ble ikke funnet</translation>
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
        <translation>Versjon %1</translation>
    </message>
    <message>
        <source>System resources:</source>
        <translation>Systemressurser:</translation>
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
        <translation>%1 % ledig</translation>
    </message>
    <message>
        <source>; dates read as %1</source>
        <translation>; datoer lest som %1</translation>
    </message>
    <message>
        <source>Read Dates &amp;As</source>
        <translation>Les d&amp;atoer som</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatisk</translation>
    </message>
    <message>
        <source>&amp;Regional Settings</source>
        <translation>&amp;Regionale innstillinger</translation>
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
        <translation>&amp;År/måned/dag</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist</source>
        <translation>Mappen «%1» finnes ikke</translation>
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
            <numerusform>%1 av %n objekt</numerusform>
            <numerusform>%1 av %n objekter</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) exported to %1</source>
        <translation>
            <numerusform>%n objekt eksportert til %1</numerusform>
            <numerusform>%n objekter eksportert til %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Physical memory available to %1:</source>
        <translation>Fysisk minne tilgjengelig for %1:</translation>
    </message>
    <message>
        <source>; dates read file by file, in no one order</source>
        <translation>; datoer lest fil for fil, ikke i én rekkefølge</translation>
    </message>
</context>
</TS>
