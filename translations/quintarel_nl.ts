<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>TCFront</name>
    <message>
        <source>The database access library &quot;%1&quot; lacks the entry point(s) %2</source>
        <translation>De databasetoegangsbibliotheek &quot;%1&quot; mist het/de ingangspunt(en) %2</translation>
    </message>
    <message>
        <source>Cannot load the database access library &quot;%1&quot;. %2</source>
        <translation>De databasetoegangsbibliotheek &quot;%1&quot; kan niet worden geladen. %2</translation>
    </message>
    <message>
        <source>Cannot find the database access library &quot;%1&quot; in %2</source>
        <translation>De databasetoegangsbibliotheek &quot;%1&quot; is niet gevonden in %2</translation>
    </message>
</context>
<context>
    <name>TComparisonModel</name>
    <message>
        <source>Added</source>
        <translation>Toegevoegd</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Verwijderd</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Gewijzigd</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Ongewijzigd</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <translation>%1 (was %2)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Wijziging</translation>
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
        <translation>Naam</translation>
    </message>
    <message>
        <source>Old Date/Time</source>
        <translation>Oude datum/tijd</translation>
    </message>
    <message>
        <source>New Date/Time</source>
        <translation>Nieuwe datum/tijd</translation>
    </message>
    <message>
        <source>Old Size</source>
        <translation>Gr. oud</translation>
    </message>
    <message>
        <source>New Size</source>
        <translation>Gr. nieuw</translation>
    </message>
    <message>
        <source>Old Version List</source>
        <translation>Oude versielijst</translation>
    </message>
    <message>
        <source>New Version List</source>
        <translation>Nieuwe versielijst</translation>
    </message>
    <message>
        <source>License Permissions</source>
        <translation>Licentierechten</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Gelijk</translation>
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
        <translation>dag/maand/jaar</translation>
    </message>
    <message>
        <source>month/day/year</source>
        <translation>maand/dag/jaar</translation>
    </message>
    <message>
        <source>year/month/day</source>
        <translation>jaar/maand/dag</translation>
    </message>
</context>
<context>
    <name>TError</name>
    <message>
        <source>The index</source>
        <translation>De index</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot;</source>
        <translation>Het bestand &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 does not look like an object file: its first entry is not text. %2</source>
        <translation>%1 lijkt geen objectbestand: de eerste vermelding is geen tekst. %2</translation>
    </message>
    <message>
        <source> Entry %1 at byte %2</source>
        <translation> Vermelding %1 bij byte %2</translation>
    </message>
    <message>
        <source> of &quot;%1&quot;.</source>
        <translation> van &quot;%1&quot;.</translation>
    </message>
    <message>
        <source> Line %1</source>
        <translation> Regel %1</translation>
    </message>
</context>
<context>
    <name>TFilterBar</name>
    <message>
        <source>Filter by name, version list or ID, or an ID range such as 50000..99999</source>
        <translation>Filteren op naam, versielijst of id, of een id-bereik zoals 50000..99999</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>Alle typen</translation>
    </message>
    <message>
        <source>&amp;Missing rights</source>
        <translation>&amp;Ontbrekende rechten</translation>
    </message>
    <message>
        <source>Only objects the licence grants less than RIMDX (tables) or X (other types)</source>
        <translation>Alleen objecten waarvoor de licentie minder dan RIMDX (tabellen) of X (andere typen) toekent</translation>
    </message>
    <message>
        <source>Clear the filter and close the bar (Esc)</source>
        <translation>Filter wissen en de balk sluiten (Esc)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Object type</source>
        <translation>Objecttype</translation>
    </message>
    <message>
        <source>Close Filter</source>
        <translation>Filter sluiten</translation>
    </message>
</context>
<context>
    <name>TFindBar</name>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Zoeken:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>The text to find; Enter finds the next match, Shift+Enter the previous one</source>
        <translation>De te zoeken tekst; Enter vindt de volgende overeenkomst, Shift+Enter de vorige</translation>
    </message>
    <message>
        <source>Find Next (F3)</source>
        <translation>Volgende zoeken (F3)</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Volgende zoeken</translation>
    </message>
    <message>
        <source>Find Previous (Shift+F3)</source>
        <translation>Vorige zoeken (Shift+F3)</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Vorige zoeken</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Zoekbalk sluiten (Esc)</translation>
    </message>
    <message>
        <source>Close Find</source>
        <translation>Zoeken sluiten</translation>
    </message>
</context>
<context>
    <name>TLicenseStatus</name>
    <message>
        <source>No licence</source>
        <translation>Geen licentie</translation>
    </message>
    <message>
        <source>No licence is active: no object is granted any permission. Load one with Tools, License File...</source>
        <translation>Er is geen licentie actief: geen enkel object krijgt rechten. Laad er een met Extra, Licentiebestand...</translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation>Licentie: %1</translation>
    </message>
    <message>
        <source>Licence: %1 (information only)</source>
        <translation>Licentie: %1 (alleen ter informatie)</translation>
    </message>
    <message>
        <source>%1
Written by the ERP: its text is shown, its permissions can&apos;t be read here, so no object is granted any.</source>
        <translation>%1
Geschreven door het ERP: de tekst wordt getoond, de rechten kunnen hier niet worden gelezen, dus geen enkel object krijgt rechten.</translation>
    </message>
    <message>
        <source>Licence %1 can&apos;t be used</source>
        <translation>Licentie %1 kan niet worden gebruikt</translation>
    </message>
    <message>
        <source>file</source>
        <translation>bestand</translation>
    </message>
    <message>
        <source>Cannot load licence file &quot;%1&quot;. %2</source>
        <translation>Het licentiebestand &quot;%1&quot; kan niet worden geladen. %2</translation>
    </message>
    <message>
        <source>Licence not reported</source>
        <translation>Licentie niet gemeld</translation>
    </message>
    <message>
        <source>The database access library doesn&apos;t tell which licence is active.</source>
        <translation>De databasetoegangsbibliotheek geeft niet aan welke licentie actief is.</translation>
    </message>
    <message>
        <source> (%1 not loaded)</source>
        <translation> (%1 niet geladen)</translation>
    </message>
    <message>
        <source>No licence file is active.</source>
        <translation>Er is geen licentiebestand actief.</translation>
    </message>
    <message>
        <source>The database access library doesn&apos;t tell which licence file is active.</source>
        <translation>De databasetoegangsbibliotheek geeft niet aan welk licentiebestand actief is.</translation>
    </message>
    <message>
        <source>%1 (information only)</source>
        <translation>%1 (alleen ter informatie)</translation>
    </message>
    <message>
        <source>%1 (can&apos;t be used)</source>
        <translation>%1 (niet bruikbaar)</translation>
    </message>
</context>
<context>
    <name>TNavisionBinaryFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
    <message>
        <source>Another program holds the file locked</source>
        <translation>Een ander programma houdt het bestand vergrendeld</translation>
    </message>
    <message>
        <source>Cannot write the list. %1</source>
        <translation>De lijst kan niet worden geschreven. %1</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Het bestand &quot;%1&quot; kan niet worden geopend. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Het bestand &quot;%1&quot; kan niet worden aangemaakt. %2</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Lijstindex buiten het geldige bereik (%1)</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>Cannot read the index again. %1</source>
        <translation>De index kan niet opnieuw worden gelezen. %1</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Het bestand &quot;%1&quot; kan niet worden geschreven. %2</translation>
    </message>
    <message>
        <source>Cannot read the index. %1</source>
        <translation>De index kan niet worden gelezen. %1</translation>
    </message>
    <message>
        <source>The object entry is cut short: the file ends after %1 of its %2 bytes</source>
        <translation>De objectvermelding is afgekapt: het bestand eindigt na %1 van de %2 bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands in &quot;%2&quot; and in &quot;%3&quot;; the first is listed</source>
        <translation>‘%1’ staat in ‘%2’ en in ‘%3’; het eerste wordt getoond</translation>
    </message>
</context>
<context>
    <name>TNavisionLicenseFile</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Lijstindex buiten het geldige bereik (%1)</translation>
    </message>
    <message>
        <source>Cannot load licence file &quot;%1&quot;. %2</source>
        <translation>Het licentiebestand &quot;%1&quot; kan niet worden geladen. %2</translation>
    </message>
</context>
<context>
    <name>TNavisionObject</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&quot;%1&quot; is geen geldige gehele waarde</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>&quot;%1&quot; is geen geldige datum en tijd</translation>
    </message>
    <message>
        <source>The name &apos;%1&apos; is longer than %2 characters</source>
        <translation>De naam &quot;%1&quot; is langer dan %2 tekens</translation>
    </message>
</context>
<context>
    <name>TObjectComparison</name>
    <message>
        <source>Cannot write the comparison. %1</source>
        <translation>De vergelijking kan niet worden geschreven. %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
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
        <translation>Naam</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/tijd</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Version List</source>
        <translation>Versielijst</translation>
    </message>
    <message>
        <source>License Permissions</source>
        <translation>Licentierechten</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
</context>
<context>
    <name>TReadProblems</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>en nog %n</numerusform>
            <numerusform>en nog %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read; the other files are listed:</source>
        <translation>
            <numerusform>%n bestand kon niet worden gelezen; de andere bestanden worden getoond:</numerusform>
            <numerusform>%n bestanden konden niet worden gelezen; de andere bestanden worden getoond:</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects that stand in more than one file:</source>
        <translation>Objecten die in meer dan één bestand staan:</translation>
    </message>
    <message numerus="yes">
        <source>; %n file(s) not read</source>
        <translation>
            <numerusform>; %n bestand niet gelezen</numerusform>
            <numerusform>; %n bestanden niet gelezen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRecentFiles</name>
    <message>
        <source>&amp;Clear List</source>
        <translation>Lijst &amp;wissen</translation>
    </message>
</context>
<context>
    <name>TTextExport</name>
    <message>
        <source>The line is longer than %1 bytes</source>
        <translation>De regel is langer dan %1 bytes</translation>
    </message>
    <message>
        <source>Cannot read the file. %1</source>
        <translation>Het bestand kan niet worden gelezen. %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an object line</source>
        <translation>‘%1’ is geen OBJECT-regel</translation>
    </message>
    <message>
        <source>The object &quot;%1 %2 %3&quot; ends within its OBJECT-PROPERTIES</source>
        <translation>Het object ‘%1 %2 %3’ eindigt binnen zijn OBJECT-PROPERTIES</translation>
    </message>
    <message>
        <source>It is not an object file: its first line is no OBJECT line</source>
        <translation>Het is geen objectbestand: de eerste regel is geen OBJECT-regel</translation>
    </message>
</context>
<context>
    <name>TfrmCompare</name>
    <message>
        <source>Export Comparison</source>
        <translation>Vergelijking exporteren</translation>
    </message>
    <message>
        <source>Text (Tab Delimited) (*.txt)</source>
        <translation>Tekst (tabgescheiden) (*.txt)</translation>
    </message>
    <message>
        <source>Old file:</source>
        <translation>Oud bestand:</translation>
    </message>
    <message>
        <source>New file:</source>
        <translation>Nieuw bestand:</translation>
    </message>
    <message>
        <source>Show &amp;unchanged objects</source>
        <translation>&amp;Ongewijzigde objecten weergeven</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporteren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>Show &amp;Unchanged Objects</source>
        <translation>&amp;Ongewijzigde objecten weergeven</translation>
    </message>
    <message>
        <source>%1 → %2 - %3</source>
        <translation>%1 → %2 - %3</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 changed, %4 unchanged</source>
        <translation>%1 toegevoegd, %2 verwijderd, %3 gewijzigd, %4 ongewijzigd</translation>
    </message>
    <message>
        <source> (unchanged objects are hidden)</source>
        <translation> (ongewijzigde objecten zijn verborgen)</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Het bestand &quot;%1&quot; kan niet worden aangemaakt. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Het bestand &quot;%1&quot; kan niet worden geschreven. %2</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Verschillen</translation>
    </message>
    <message>
        <source>What the new file adds, removes and changes against the old one</source>
        <translation>Wat het nieuwe bestand toevoegt, verwijdert en wijzigt ten opzichte van het oude</translation>
    </message>
    <message>
        <source>Old: %1</source>
        <translation>Oud: %1</translation>
    </message>
    <message>
        <source>New: %1</source>
        <translation>Nieuw: %1</translation>
    </message>
    <message>
        <source>View &amp;Differences</source>
        <translation>&amp;Verschillen weergeven</translation>
    </message>
    <message>
        <source>A binary file holds no text of its objects</source>
        <translation>Een binair bestand bevat geen tekst van zijn objecten</translation>
    </message>
</context>
<context>
    <name>TfrmDifference</name>
    <message>
        <source>Old text</source>
        <translation>Oude tekst</translation>
    </message>
    <message>
        <source>New text</source>
        <translation>Nieuwe tekst</translation>
    </message>
    <message>
        <source>Changed lines are marked; F8 goes to the next change, Shift+F8 to the previous one</source>
        <translation>Gewijzigde regels zijn gemarkeerd; F8 gaat naar de volgende wijziging, Shift+F8 naar de vorige</translation>
    </message>
    <message>
        <source>The texts have no different lines</source>
        <translation>De teksten hebben geen verschillende regels</translation>
    </message>
    <message>
        <source>Change %1 of %2 (F8: next, Shift+F8: previous)</source>
        <translation>Wijziging %1 van %2 (F8: volgende, Shift+F8: vorige)</translation>
    </message>
</context>
<context>
    <name>TfrmLicense</name>
    <message>
        <source>License File</source>
        <translation>Licentiebestand</translation>
    </message>
    <message>
        <source>C&amp;hange...</source>
        <translation>&amp;Wijzigen...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Load License File</source>
        <translation>Licentiebestand laden</translation>
    </message>
    <message>
        <source>Navision License Files (*.flf)</source>
        <translation>Navision-licentiebestanden (*.flf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>License Information</source>
        <translation>Licentiegegevens</translation>
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
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtra</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>&amp;Vergelijken met...</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Info...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Sort by &amp;Type</source>
        <translation>Sorteren op &amp;type</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Beeld</translation>
    </message>
    <message>
        <source>Sort by &amp;ID</source>
        <translation>Sorteren op &amp;id</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>Sorteren op &amp;naam</translation>
    </message>
    <message>
        <source>Sort by &amp;Date/Time</source>
        <translation>Sorteren op &amp;datum/tijd</translation>
    </message>
    <message>
        <source>Sort by &amp;Size</source>
        <translation>Sorteren op &amp;grootte</translation>
    </message>
    <message>
        <source>Sort by &amp;Version List</source>
        <translation>Sorteren op &amp;versielijst</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Export &amp;List...</source>
        <translation>Lijst &amp;exporteren...</translation>
    </message>
    <message>
        <source>&amp;Hide System Objects</source>
        <translation>&amp;Systeemobjecten verbergen</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;License File...</source>
        <translation>&amp;Licentiebestand...</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Sort by License &amp;Permissions</source>
        <translation>Sorteren op licentie&amp;rechten</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>Lijst &amp;exporteren...</translation>
    </message>
    <message>
        <source>Navision Object File (*.fob)</source>
        <translation>Navision-objectbestand (*.fob)</translation>
    </message>
    <message>
        <source>Navision Backup File (*.fbk)</source>
        <translation>Navision-back-upbestand (*.fbk)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergelijken met</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Lijst exporteren</translation>
    </message>
    <message>
        <source>Text (Tab Delimited) (*.txt)</source>
        <translation>Tekst (tabgescheiden) (*.txt)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles selecteren</translation>
    </message>
    <message>
        <source>&amp;Filter...</source>
        <translation>&amp;Filteren...</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>Opnieuw &amp;laden</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objecten</translation>
    </message>
    <message>
        <source>The objects of the open file; typing the start of a type, ID or name goes to the first object it matches</source>
        <translation>De objecten van het geopende bestand; typ het begin van een type, id of naam om naar het eerste passende object te gaan</translation>
    </message>
    <message>
        <source>Object Files (*.fob *.fbk *.txt)</source>
        <translation>Objectbestanden (*.fob *.fbk *.txt)</translation>
    </message>
    <message>
        <source>Text Export (*.txt)</source>
        <translation>Tekstexport (*.txt)</translation>
    </message>
    <message>
        <source>Open &amp;Folder...</source>
        <translation>&amp;Map openen...</translation>
    </message>
    <message>
        <source>Compare With Fol&amp;der...</source>
        <translation>Vergelijken met ma&amp;p...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>Compare With Folder</source>
        <translation>Vergelijken met map</translation>
    </message>
    <message>
        <source>Recen&amp;t Files</source>
        <translation>&amp;Recente bestanden</translation>
    </message>
    <message>
        <source>%1 (read as %2)</source>
        <translation>%1 (gelezen als %2)</translation>
    </message>
    <message>
        <source>%1 could not be read; %2 is shown again</source>
        <translation>%1 kon niet worden gelezen; %2 wordt weer getoond</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>Ob&amp;ject</translation>
    </message>
    <message>
        <source>View Object &amp;Text</source>
        <translation>Object&amp;tekst weergeven</translation>
    </message>
    <message>
        <source>A binary file holds no text of its objects</source>
        <translation>Een binair bestand bevat geen tekst van zijn objecten</translation>
    </message>
</context>
<context>
    <name>TfrmObjectText</name>
    <message>
        <source>Object text</source>
        <translation>Objecttekst</translation>
    </message>
    <message>
        <source>The object&apos;s text as it stands in its file, with the file&apos;s line numbers</source>
        <translation>De tekst van het object zoals die in zijn bestand staat, met de regelnummers van het bestand</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found</source>
        <translation>‘%1’ is niet gevonden</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, regel %2</translation>
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
        <translation> (systeemobjecten zijn verborgen)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>System resources:</source>
        <translation>Systeembronnen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 kB</translation>
    </message>
    <message>
        <source>%1% Free</source>
        <translation>%1% vrij</translation>
    </message>
    <message>
        <source>; dates read as %1</source>
        <translation>; datums gelezen als %1</translation>
    </message>
    <message>
        <source>Read Dates &amp;As</source>
        <translation>Datums lezen &amp;als</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatisch</translation>
    </message>
    <message>
        <source>&amp;Regional Settings</source>
        <translation>&amp;Landinstellingen</translation>
    </message>
    <message>
        <source>&amp;Day/Month/Year</source>
        <translation>&amp;Dag/maand/jaar</translation>
    </message>
    <message>
        <source>&amp;Month/Day/Year</source>
        <translation>&amp;Maand/dag/jaar</translation>
    </message>
    <message>
        <source>&amp;Year/Month/Day</source>
        <translation>&amp;Jaar/maand/dag</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist</source>
        <translation>De map &quot;%1&quot; bestaat niet</translation>
    </message>
    <message numerus="yes">
        <source>%n object(s)</source>
        <translation>
            <numerusform>%n object</numerusform>
            <numerusform>%n objecten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n object(s)</source>
        <translation>
            <numerusform>%1 van %n object</numerusform>
            <numerusform>%1 van %n objecten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) exported to %1</source>
        <translation>
            <numerusform>%n object geëxporteerd naar %1</numerusform>
            <numerusform>%n objecten geëxporteerd naar %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Physical memory available to %1:</source>
        <translation>Fysiek geheugen beschikbaar voor %1:</translation>
    </message>
    <message>
        <source>; dates read file by file, in no one order</source>
        <translation>; datums per bestand gelezen, niet in één volgorde</translation>
    </message>
</context>
</TS>
