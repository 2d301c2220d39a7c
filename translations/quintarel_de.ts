<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>TCFront</name>
    <message>
        <source>The database access library &quot;%1&quot; lacks the entry point(s) %2</source>
        <translation>Der Datenbank-Zugriffsbibliothek „%1“ fehlen die Einstiegspunkte %2</translation>
    </message>
    <message>
        <source>Cannot load the database access library &quot;%1&quot;. %2</source>
        <translation>Die Datenbank-Zugriffsbibliothek „%1“ kann nicht geladen werden. %2</translation>
    </message>
    <message>
        <source>Cannot find the database access library &quot;%1&quot; in %2</source>
        <translation>Die Datenbank-Zugriffsbibliothek „%1“ wurde in %2 nicht gefunden</translation>
    </message>
</context>
<context>
    <name>TComparisonModel</name>
    <message>
        <source>Added</source>
        <translation>Hinzugefügt</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Entfernt</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <translation>%1 (vorher %2)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Old Date/Time</source>
        <translation>Datum/Zeit alt</translation>
    </message>
    <message>
        <source>New Date/Time</source>
        <translation>Datum/Zeit neu</translation>
    </message>
    <message>
        <source>Old Size</source>
        <translation>Größe alt</translation>
    </message>
    <message>
        <source>New Size</source>
        <translation>Größe neu</translation>
    </message>
    <message>
        <source>Old Version List</source>
        <translation>Versionsliste alt</translation>
    </message>
    <message>
        <source>New Version List</source>
        <translation>Versionsliste neu</translation>
    </message>
    <message>
        <source>License Permissions</source>
        <translation>Lizenzberechtigungen</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>TDateOrder</name>
    <message>
        <source>day/month/year</source>
        <translation>Tag/Monat/Jahr</translation>
    </message>
    <message>
        <source>month/day/year</source>
        <translation>Monat/Tag/Jahr</translation>
    </message>
    <message>
        <source>year/month/day</source>
        <translation>Jahr/Monat/Tag</translation>
    </message>
</context>
<context>
    <name>TError</name>
    <message>
        <source>The index</source>
        <translation>Der Index</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot;</source>
        <translation>Die Datei „%1“</translation>
    </message>
    <message>
        <source>%1 does not look like an object file: its first entry is not text. %2</source>
        <translation>%1 sieht nicht wie eine Objektdatei aus: Der erste Eintrag ist kein Text. %2</translation>
    </message>
    <message>
        <source> Entry %1 at byte %2</source>
        <translation> Eintrag %1 bei Byte %2</translation>
    </message>
    <message>
        <source> of &quot;%1&quot;.</source>
        <translation> in „%1“.</translation>
    </message>
    <message>
        <source> Line %1</source>
        <translation> Zeile %1</translation>
    </message>
</context>
<context>
    <name>TFilterBar</name>
    <message>
        <source>Filter by name, version list or ID, or an ID range such as 50000..99999</source>
        <translation>Nach Name, Versionsliste oder ID filtern, oder ein ID-Bereich wie 50000..99999</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>Alle Typen</translation>
    </message>
    <message>
        <source>&amp;Missing rights</source>
        <translation>&amp;Fehlende Rechte</translation>
    </message>
    <message>
        <source>Only objects the licence grants less than RIMDX (tables) or X (other types)</source>
        <translation>Nur Objekte, denen die Lizenz weniger als RIMDX (Tabellen) bzw. X (andere Typen) gewährt</translation>
    </message>
    <message>
        <source>Clear the filter and close the bar (Esc)</source>
        <translation>Filter leeren und Leiste schließen (Esc)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Object type</source>
        <translation>Objekttyp</translation>
    </message>
    <message>
        <source>Close Filter</source>
        <translation>Filter schließen</translation>
    </message>
</context>
<context>
    <name>TFindBar</name>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>The text to find; Enter finds the next match, Shift+Enter the previous one</source>
        <translation>Der zu suchende Text; Enter findet die nächste Fundstelle, Umschalt+Enter die vorige</translation>
    </message>
    <message>
        <source>Find Next (F3)</source>
        <translation>Weitersuchen (F3)</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Find Previous (Shift+F3)</source>
        <translation>Rückwärts suchen (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Suchleiste schließen (Esc)</translation>
    </message>
    <message>
        <source>Close Find</source>
        <translation>Suche schließen</translation>
    </message>
</context>
<context>
    <name>TLicenseStatus</name>
    <message>
        <source>No licence</source>
        <translation>Keine Lizenz</translation>
    </message>
    <message>
        <source>No licence is active: no object is granted any permission. Load one with Tools, License File...</source>
        <translation>Keine Lizenz ist aktiv: Kein Objekt erhält eine Berechtigung. Laden Sie eine mit Extras, Lizenzdatei...</translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation>Lizenz: %1</translation>
    </message>
    <message>
        <source>Licence: %1 (information only)</source>
        <translation>Lizenz: %1 (nur Information)</translation>
    </message>
    <message>
        <source>%1
Written by the ERP: its text is shown, its permissions can&apos;t be read here, so no object is granted any.</source>
        <translation>%1
Vom ERP geschrieben: Ihr Text wird angezeigt, ihre Berechtigungen können hier nicht gelesen werden, daher erhält kein Objekt eine.</translation>
    </message>
    <message>
        <source>Licence %1 can&apos;t be used</source>
        <translation>Lizenz %1 kann nicht verwendet werden</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Cannot load licence file &quot;%1&quot;. %2</source>
        <translation>Die Lizenzdatei „%1“ kann nicht geladen werden. %2</translation>
    </message>
    <message>
        <source>Licence not reported</source>
        <translation>Lizenz nicht gemeldet</translation>
    </message>
    <message>
        <source>The database access library doesn&apos;t tell which licence is active.</source>
        <translation>Die Datenbank-Zugriffsbibliothek gibt nicht an, welche Lizenz aktiv ist.</translation>
    </message>
    <message>
        <source> (%1 not loaded)</source>
        <translation> (%1 nicht geladen)</translation>
    </message>
    <message>
        <source>No licence file is active.</source>
        <translation>Keine Lizenzdatei ist aktiv.</translation>
    </message>
    <message>
        <source>The database access library doesn&apos;t tell which licence file is active.</source>
        <translation>Die Datenbank-Zugriffsbibliothek gibt nicht an, welche Lizenzdatei aktiv ist.</translation>
    </message>
    <message>
        <source>%1 (information only)</source>
        <translation>%1 (nur Information)</translation>
    </message>
    <message>
        <source>%1 (can&apos;t be used)</source>
        <translation>%1 (nicht verwendbar)</translation>
    </message>
</context>
<context>
    <name>TNavisionBinaryFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Another program holds the file locked</source>
        <translation>Ein anderes Programm hält die Datei gesperrt</translation>
    </message>
    <message>
        <source>Cannot write the list. %1</source>
        <translation>Die Liste kann nicht geschrieben werden. %1</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Cannot read the index. %1</source>
        <translation>Der Index kann nicht gelesen werden. %1</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Cannot read the index again. %1</source>
        <translation>Der Index kann nicht erneut gelesen werden. %1</translation>
    </message>
    <message>
        <source>The object entry is cut short: the file ends after %1 of its %2 bytes</source>
        <translation>Der Objekteintrag ist abgeschnitten: Die Datei endet nach %1 seiner %2 Bytes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands in &quot;%2&quot; and in &quot;%3&quot;; the first is listed</source>
        <translation>„%1“ steht in „%2“ und in „%3“; das erste wird aufgeführt</translation>
    </message>
</context>
<context>
    <name>TNavisionLicenseFile</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Listenindex außerhalb des gültigen Bereichs (%1)</translation>
    </message>
    <message>
        <source>Cannot load licence file &quot;%1&quot;. %2</source>
        <translation>Die Lizenzdatei „%1“ kann nicht geladen werden. %2</translation>
    </message>
</context>
<context>
    <name>TNavisionObject</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist kein gültiger Ganzzahlwert</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>„%1“ ist kein gültiger Wert für Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>The name &apos;%1&apos; is longer than %2 characters</source>
        <translation>Der Name „%1“ ist länger als %2 Zeichen</translation>
    </message>
</context>
<context>
    <name>TObjectComparison</name>
    <message>
        <source>Cannot write the comparison. %1</source>
        <translation>Der Vergleich kann nicht geschrieben werden. %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>TObjectListModel</name>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Datum/Zeit</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Version List</source>
        <translation>Versionsliste</translation>
    </message>
    <message>
        <source>License Permissions</source>
        <translation>Lizenzberechtigungen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>TReadProblems</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weitere</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read; the other files are listed:</source>
        <translation>
            <numerusform>%n Datei konnte nicht gelesen werden; die anderen Dateien sind aufgeführt:</numerusform>
            <numerusform>%n Dateien konnten nicht gelesen werden; die anderen Dateien sind aufgeführt:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n file(s) not read</source>
        <translation>
            <numerusform>; %n Datei nicht gelesen</numerusform>
            <numerusform>; %n Dateien nicht gelesen</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects that stand in more than one file:</source>
        <translation>Objekte, die in mehr als einer Datei stehen:</translation>
    </message>
</context>
<context>
    <name>TRecentFiles</name>
    <message>
        <source>&amp;Clear List</source>
        <translation>Liste &amp;leeren</translation>
    </message>
</context>
<context>
    <name>TTextExport</name>
    <message>
        <source>The line is longer than %1 bytes</source>
        <translation>Die Zeile ist länger als %1 Byte</translation>
    </message>
    <message>
        <source>Cannot read the file. %1</source>
        <translation>Die Datei kann nicht gelesen werden. %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an object line</source>
        <translation>„%1“ ist keine OBJECT-Zeile</translation>
    </message>
    <message>
        <source>The object &quot;%1 %2 %3&quot; ends within its OBJECT-PROPERTIES</source>
        <translation>Das Objekt „%1 %2 %3“ endet innerhalb seiner OBJECT-PROPERTIES</translation>
    </message>
    <message>
        <source>It is not an object file: its first line is no OBJECT line</source>
        <translation>Es ist keine Objektdatei: Ihre erste Zeile ist keine OBJECT-Zeile</translation>
    </message>
</context>
<context>
    <name>TfrmCompare</name>
    <message>
        <source>Export Comparison</source>
        <translation>Vergleich exportieren</translation>
    </message>
    <message>
        <source>Text (Tab Delimited) (*.txt)</source>
        <translation>Text (Tabulatorgetrennt) (*.txt)</translation>
    </message>
    <message>
        <source>Old file:</source>
        <translation>Alte Datei:</translation>
    </message>
    <message>
        <source>New file:</source>
        <translation>Neue Datei:</translation>
    </message>
    <message>
        <source>Show &amp;unchanged objects</source>
        <translation>&amp;Unveränderte Objekte anzeigen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Show &amp;Unchanged Objects</source>
        <translation>&amp;Unveränderte Objekte anzeigen</translation>
    </message>
    <message>
        <source>%1 → %2 - %3</source>
        <translation>%1 → %2 - %3</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 changed, %4 unchanged</source>
        <translation>%1 hinzugefügt, %2 entfernt, %3 geändert, %4 unverändert</translation>
    </message>
    <message>
        <source> (unchanged objects are hidden)</source>
        <translation> (unveränderte Objekte sind ausgeblendet)</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>What the new file adds, removes and changes against the old one</source>
        <translation>Was die neue Datei gegenüber der alten hinzufügt, entfernt und ändert</translation>
    </message>
    <message>
        <source>Old: %1</source>
        <translation>Alt: %1</translation>
    </message>
    <message>
        <source>New: %1</source>
        <translation>Neu: %1</translation>
    </message>
    <message>
        <source>View &amp;Differences</source>
        <translation>Unterschie&amp;de anzeigen</translation>
    </message>
    <message>
        <source>A binary file holds no text of its objects</source>
        <translation>Eine Binärdatei enthält keinen Text ihrer Objekte</translation>
    </message>
</context>
<context>
    <name>TfrmDifference</name>
    <message>
        <source>Old text</source>
        <translation>Alter Text</translation>
    </message>
    <message>
        <source>New text</source>
        <translation>Neuer Text</translation>
    </message>
    <message>
        <source>Changed lines are marked; F8 goes to the next change, Shift+F8 to the previous one</source>
        <translation>Geänderte Zeilen sind markiert; F8 springt zur nächsten Änderung, Umschalt+F8 zur vorigen</translation>
    </message>
    <message>
        <source>The texts have no different lines</source>
        <translation>Die Texte haben keine unterschiedlichen Zeilen</translation>
    </message>
    <message>
        <source>Change %1 of %2 (F8: next, Shift+F8: previous)</source>
        <translation>Änderung %1 von %2 (F8: nächste, Umschalt+F8: vorige)</translation>
    </message>
</context>
<context>
    <name>TfrmLicense</name>
    <message>
        <source>License File</source>
        <translation>Lizenzdatei</translation>
    </message>
    <message>
        <source>C&amp;hange...</source>
        <translation>Ä&amp;ndern...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Load License File</source>
        <translation>Lizenzdatei laden</translation>
    </message>
    <message>
        <source>Navision License Files (*.flf)</source>
        <translation>Navision-Lizenzdateien (*.flf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>License Information</source>
        <translation>Lizenzinformationen</translation>
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
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Sort by &amp;Type</source>
        <translation>Nach &amp;Typ sortieren</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Sort by &amp;ID</source>
        <translation>Nach &amp;ID sortieren</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>Nach &amp;Name sortieren</translation>
    </message>
    <message>
        <source>Sort by &amp;Date/Time</source>
        <translation>Nach &amp;Datum/Zeit sortieren</translation>
    </message>
    <message>
        <source>Sort by &amp;Size</source>
        <translation>Nach &amp;Größe sortieren</translation>
    </message>
    <message>
        <source>Sort by &amp;Version List</source>
        <translation>Nach &amp;Versionsliste sortieren</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Export &amp;List...</source>
        <translation>&amp;Liste exportieren...</translation>
    </message>
    <message>
        <source>&amp;Hide System Objects</source>
        <translation>&amp;Systemobjekte ausblenden</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;License File...</source>
        <translation>&amp;Lizenzdatei...</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Sort by License &amp;Permissions</source>
        <translation>Nach Lizenz&amp;berechtigungen sortieren</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>Liste &amp;exportieren...</translation>
    </message>
    <message>
        <source>Navision Object File (*.fob)</source>
        <translation>Navision-Objektdatei (*.fob)</translation>
    </message>
    <message>
        <source>Navision Backup File (*.fbk)</source>
        <translation>Navision-Sicherungsdatei (*.fbk)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Liste exportieren</translation>
    </message>
    <message>
        <source>Text (Tab Delimited) (*.txt)</source>
        <translation>Text (Tabulatorgetrennt) (*.txt)</translation>
    </message>
    <message>
        <source>&amp;Filter...</source>
        <translation>&amp;Filtern...</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>&amp;Vergleichen mit...</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>The objects of the open file; typing the start of a type, ID or name goes to the first object it matches</source>
        <translation>Die Objekte der geöffneten Datei; der Anfang eines Typs, einer ID oder eines Namens springt beim Tippen zum ersten passenden Objekt</translation>
    </message>
    <message>
        <source>Object Files (*.fob *.fbk *.txt)</source>
        <translation>Objektdateien (*.fob *.fbk *.txt)</translation>
    </message>
    <message>
        <source>Text Export (*.txt)</source>
        <translation>Textexport (*.txt)</translation>
    </message>
    <message>
        <source>Open &amp;Folder...</source>
        <translation>&amp;Ordner öffnen...</translation>
    </message>
    <message>
        <source>Compare With Fol&amp;der...</source>
        <translation>Mit Ordner ve&amp;rgleichen...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Compare With Folder</source>
        <translation>Mit Ordner vergleichen</translation>
    </message>
    <message>
        <source>Recen&amp;t Files</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>%1 (read as %2)</source>
        <translation>%1 (gelesen als %2)</translation>
    </message>
    <message>
        <source>%1 could not be read; %2 is shown again</source>
        <translation>%1 konnte nicht gelesen werden; %2 wird wieder angezeigt</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>&amp;Objekt</translation>
    </message>
    <message>
        <source>View Object &amp;Text</source>
        <translation>Objekt&amp;text anzeigen</translation>
    </message>
    <message>
        <source>A binary file holds no text of its objects</source>
        <translation>Eine Binärdatei enthält keinen Text ihrer Objekte</translation>
    </message>
</context>
<context>
    <name>TfrmObjectText</name>
    <message>
        <source>Object text</source>
        <translation>Objekttext</translation>
    </message>
    <message>
        <source>The object&apos;s text as it stands in its file, with the file&apos;s line numbers</source>
        <translation>Der Text des Objekts, wie er in seiner Datei steht, mit den Zeilennummern der Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found</source>
        <translation>„%1“ wurde nicht gefunden</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, Zeile %2</translation>
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
        <translation> (Systemobjekte sind ausgeblendet)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>System resources:</source>
        <translation>Systemressourcen:</translation>
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
        <translation>%1 % frei</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist</source>
        <translation>Der Ordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>; dates read as %1</source>
        <translation>; Datumsangaben gelesen als %1</translation>
    </message>
    <message>
        <source>Read Dates &amp;As</source>
        <translation>Datumsangaben &amp;lesen als</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatisch</translation>
    </message>
    <message>
        <source>&amp;Regional Settings</source>
        <translation>&amp;Regionale Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Day/Month/Year</source>
        <translation>&amp;Tag/Monat/Jahr</translation>
    </message>
    <message>
        <source>&amp;Month/Day/Year</source>
        <translation>&amp;Monat/Tag/Jahr</translation>
    </message>
    <message>
        <source>&amp;Year/Month/Day</source>
        <translation>&amp;Jahr/Monat/Tag</translation>
    </message>
    <message numerus="yes">
        <source>%n object(s)</source>
        <translation>
            <numerusform>%n Objekt</numerusform>
            <numerusform>%n Objekte</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n object(s)</source>
        <translation>
            <numerusform>%1 von %n Objekt</numerusform>
            <numerusform>%1 von %n Objekten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) exported to %1</source>
        <translation>
            <numerusform>%n Objekt nach %1 exportiert</numerusform>
            <numerusform>%n Objekte nach %1 exportiert</numerusform>
        </translation>
    </message>
    <message>
        <source>Physical memory available to %1:</source>
        <translation>Für %1 verfügbarer physischer Speicher:</translation>
    </message>
    <message>
        <source>; dates read file by file, in no one order</source>
        <translation>; Datumsangaben Datei für Datei gelesen, in keiner einheitlichen Reihenfolge</translation>
    </message>
</context>
</TS>
