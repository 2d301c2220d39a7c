<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>TCFront</name>
    <message>
        <source>The database access library &quot;%1&quot; lacks the entry point(s) %2</source>
        <translation>La bibliothèque d&apos;accès à la base de données «&#xa0;%1&#xa0;» ne contient pas le ou les points d&apos;entrée %2</translation>
    </message>
    <message>
        <source>Cannot load the database access library &quot;%1&quot;. %2</source>
        <translation>Impossible de charger la bibliothèque d&apos;accès à la base de données «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot find the database access library &quot;%1&quot; in %2</source>
        <translation>Bibliothèque d&apos;accès à la base de données «&#xa0;%1&#xa0;» introuvable dans %2</translation>
    </message>
</context>
<context>
    <name>TComparisonModel</name>
    <message>
        <source>Added</source>
        <translation>Ajouté</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Supprimé</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Inchangé</translation>
    </message>
    <message>
        <source>%1 (was %2)</source>
        <translation>%1 (avant %2)</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
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
        <translation>Nom</translation>
    </message>
    <message>
        <source>Old Date/Time</source>
        <translation>Date/heure avant</translation>
    </message>
    <message>
        <source>New Date/Time</source>
        <translation>Date/heure après</translation>
    </message>
    <message>
        <source>Old Size</source>
        <translation>Taille av.</translation>
    </message>
    <message>
        <source>New Size</source>
        <translation>Taille ap.</translation>
    </message>
    <message>
        <source>Old Version List</source>
        <translation>Versions avant</translation>
    </message>
    <message>
        <source>New Version List</source>
        <translation>Versions après</translation>
    </message>
    <message>
        <source>License Permissions</source>
        <translation>Autorisations de licence</translation>
    </message>
    <message>
        <source>Same</source>
        <translation>Identique</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>TDateOrder</name>
    <message>
        <source>day/month/year</source>
        <translation>jour/mois/année</translation>
    </message>
    <message>
        <source>month/day/year</source>
        <translation>mois/jour/année</translation>
    </message>
    <message>
        <source>year/month/day</source>
        <translation>année/mois/jour</translation>
    </message>
</context>
<context>
    <name>TError</name>
    <message>
        <source>The index</source>
        <translation>L&apos;index</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot;</source>
        <translation>Le fichier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1 does not look like an object file: its first entry is not text. %2</source>
        <translation>%1 ne ressemble pas à un fichier objet&#xa0;: sa première entrée n&apos;est pas du texte. %2</translation>
    </message>
    <message>
        <source> Entry %1 at byte %2</source>
        <translation> Entrée %1 à l&apos;octet %2</translation>
    </message>
    <message>
        <source> of &quot;%1&quot;.</source>
        <translation> de «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source> Line %1</source>
        <translation> Ligne %1</translation>
    </message>
</context>
<context>
    <name>TFilterBar</name>
    <message>
        <source>Filter by name, version list or ID, or an ID range such as 50000..99999</source>
        <translation>Filtrer par nom, liste des versions ou ID, ou une plage d&apos;ID comme 50000..99999</translation>
    </message>
    <message>
        <source>All Types</source>
        <translation>Tous les types</translation>
    </message>
    <message>
        <source>&amp;Missing rights</source>
        <translation>Droits &amp;manquants</translation>
    </message>
    <message>
        <source>Only objects the licence grants less than RIMDX (tables) or X (other types)</source>
        <translation>Seulement les objets auxquels la licence accorde moins que RIMDX (tables) ou X (autres types)</translation>
    </message>
    <message>
        <source>Clear the filter and close the bar (Esc)</source>
        <translation>Effacer le filtre et fermer la barre (Échap)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Object type</source>
        <translation>Type d&apos;objet</translation>
    </message>
    <message>
        <source>Close Filter</source>
        <translation>Fermer le filtre</translation>
    </message>
</context>
<context>
    <name>TFindBar</name>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>The text to find; Enter finds the next match, Shift+Enter the previous one</source>
        <translation>Le texte à rechercher ; Entrée trouve l&apos;occurrence suivante, Maj+Entrée la précédente</translation>
    </message>
    <message>
        <source>Find Next (F3)</source>
        <translation>Rechercher le suivant (F3)</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Rechercher le suivant</translation>
    </message>
    <message>
        <source>Find Previous (Shift+F3)</source>
        <translation>Rechercher le précédent (Maj+F3)</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Rechercher le précédent</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Fermer la barre de recherche (Échap)</translation>
    </message>
    <message>
        <source>Close Find</source>
        <translation>Fermer la recherche</translation>
    </message>
</context>
<context>
    <name>TLicenseStatus</name>
    <message>
        <source>No licence</source>
        <translation>Aucune licence</translation>
    </message>
    <message>
        <source>No licence is active: no object is granted any permission. Load one with Tools, License File...</source>
        <translation>Aucune licence n&apos;est active&#xa0;: aucun objet ne reçoit d&apos;autorisation. Chargez-en une avec Outils, Fichier de licence...</translation>
    </message>
    <message>
        <source>Licence: %1</source>
        <translation>Licence&#xa0;: %1</translation>
    </message>
    <message>
        <source>Licence: %1 (information only)</source>
        <translation>Licence&#xa0;: %1 (pour information seulement)</translation>
    </message>
    <message>
        <source>%1
Written by the ERP: its text is shown, its permissions can&apos;t be read here, so no object is granted any.</source>
        <translation>%1
Écrite par l&apos;ERP&#xa0;: son texte est affiché, ses autorisations ne peuvent pas être lues ici, donc aucun objet n&apos;en reçoit.</translation>
    </message>
    <message>
        <source>Licence %1 can&apos;t be used</source>
        <translation>La licence %1 ne peut pas être utilisée</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>Cannot load licence file &quot;%1&quot;. %2</source>
        <translation>Impossible de charger le fichier de licence «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Licence not reported</source>
        <translation>Licence non indiquée</translation>
    </message>
    <message>
        <source>The database access library doesn&apos;t tell which licence is active.</source>
        <translation>La bibliothèque d&apos;accès à la base de données n&apos;indique pas quelle licence est active.</translation>
    </message>
    <message>
        <source> (%1 not loaded)</source>
        <translation> (%1 non chargé)</translation>
    </message>
    <message>
        <source>No licence file is active.</source>
        <translation>Aucun fichier de licence n&apos;est actif.</translation>
    </message>
    <message>
        <source>The database access library doesn&apos;t tell which licence file is active.</source>
        <translation>La bibliothèque d&apos;accès à la base de données n&apos;indique pas quel fichier de licence est actif.</translation>
    </message>
    <message>
        <source>%1 (information only)</source>
        <translation>%1 (pour information seulement)</translation>
    </message>
    <message>
        <source>%1 (can&apos;t be used)</source>
        <translation>%1 (inutilisable)</translation>
    </message>
</context>
<context>
    <name>TNavisionBinaryFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Another program holds the file locked</source>
        <translation>Un autre programme verrouille le fichier</translation>
    </message>
    <message>
        <source>Cannot write the list. %1</source>
        <translation>Impossible d&apos;écrire la liste. %1</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot read the index again. %1</source>
        <translation>Impossible de relire l&apos;index. %1</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;écrire le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot read the index. %1</source>
        <translation>Impossible de lire l&apos;index. %1</translation>
    </message>
    <message>
        <source>The object entry is cut short: the file ends after %1 of its %2 bytes</source>
        <translation>L&apos;entrée de l&apos;objet est tronquée&#xa0;: le fichier se termine après %1 de ses %2 octets</translation>
    </message>
    <message>
        <source>&quot;%1&quot; stands in &quot;%2&quot; and in &quot;%3&quot;; the first is listed</source>
        <translation>« %1 » figure dans « %2 » et dans « %3 » ; le premier est listé</translation>
    </message>
</context>
<context>
    <name>TNavisionLicenseFile</name>
    <message>
        <source>List index out of bounds (%1)</source>
        <translation>Indice de liste hors limites (%1)</translation>
    </message>
    <message>
        <source>Cannot load licence file &quot;%1&quot;. %2</source>
        <translation>Impossible de charger le fichier de licence «&#xa0;%1&#xa0;». %2</translation>
    </message>
</context>
<context>
    <name>TNavisionObject</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date and time</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une date et heure valide</translation>
    </message>
    <message>
        <source>The name &apos;%1&apos; is longer than %2 characters</source>
        <translation>Le nom «&#xa0;%1&#xa0;» dépasse %2 caractères</translation>
    </message>
</context>
<context>
    <name>TObjectComparison</name>
    <message>
        <source>Cannot write the comparison. %1</source>
        <translation>Impossible d&apos;écrire la comparaison. %1</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
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
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date/Time</source>
        <translation>Date/heure</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Version List</source>
        <translation>Liste des versions</translation>
    </message>
    <message>
        <source>License Permissions</source>
        <translation>Autorisations de licence</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
</context>
<context>
    <name>TReadProblems</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be read; the other files are listed:</source>
        <translation>
            <numerusform>%n fichier n’a pas pu être lu ; les autres fichiers sont listés :</numerusform>
            <numerusform>%n fichiers n’ont pas pu être lus ; les autres fichiers sont listés :</numerusform>
        </translation>
    </message>
    <message>
        <source>Objects that stand in more than one file:</source>
        <translation>Objets présents dans plus d’un fichier :</translation>
    </message>
    <message numerus="yes">
        <source>; %n file(s) not read</source>
        <translation>
            <numerusform>; %n fichier non lu</numerusform>
            <numerusform>; %n fichiers non lus</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TRecentFiles</name>
    <message>
        <source>&amp;Clear List</source>
        <translation>&amp;Effacer la liste</translation>
    </message>
</context>
<context>
    <name>TTextExport</name>
    <message>
        <source>The line is longer than %1 bytes</source>
        <translation>La ligne dépasse %1 octets</translation>
    </message>
    <message>
        <source>Cannot read the file. %1</source>
        <translation>Impossible de lire le fichier. %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not an object line</source>
        <translation>« %1 » n’est pas une ligne OBJECT</translation>
    </message>
    <message>
        <source>The object &quot;%1 %2 %3&quot; ends within its OBJECT-PROPERTIES</source>
        <translation>L’objet « %1 %2 %3 » se termine dans ses OBJECT-PROPERTIES</translation>
    </message>
    <message>
        <source>It is not an object file: its first line is no OBJECT line</source>
        <translation>Ce n’est pas un fichier d’objets : sa première ligne n’est pas une ligne OBJECT</translation>
    </message>
</context>
<context>
    <name>TfrmCompare</name>
    <message>
        <source>Export Comparison</source>
        <translation>Exporter la comparaison</translation>
    </message>
    <message>
        <source>Text (Tab Delimited) (*.txt)</source>
        <translation>Texte (séparé par des tabulations) (*.txt)</translation>
    </message>
    <message>
        <source>Old file:</source>
        <translation>Ancien fichier&#xa0;:</translation>
    </message>
    <message>
        <source>New file:</source>
        <translation>Nouveau fichier&#xa0;:</translation>
    </message>
    <message>
        <source>Show &amp;unchanged objects</source>
        <translation>Afficher les objets &amp;inchangés</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Show &amp;Unchanged Objects</source>
        <translation>Afficher les objets &amp;inchangés</translation>
    </message>
    <message>
        <source>%1 → %2 - %3</source>
        <translation>%1 → %2 - %3</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 changed, %4 unchanged</source>
        <translation>%1 ajouté(s), %2 supprimé(s), %3 modifié(s), %4 inchangé(s)</translation>
    </message>
    <message>
        <source> (unchanged objects are hidden)</source>
        <translation> (les objets inchangés sont masqués)</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;écrire le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
    <message>
        <source>What the new file adds, removes and changes against the old one</source>
        <translation>Ce que le nouveau fichier ajoute, supprime et modifie par rapport à l&apos;ancien</translation>
    </message>
    <message>
        <source>Old: %1</source>
        <translation>Ancien : %1</translation>
    </message>
    <message>
        <source>New: %1</source>
        <translation>Nouveau : %1</translation>
    </message>
    <message>
        <source>View &amp;Differences</source>
        <translation>Afficher les &amp;différences</translation>
    </message>
    <message>
        <source>A binary file holds no text of its objects</source>
        <translation>Un fichier binaire ne contient pas le texte de ses objets</translation>
    </message>
</context>
<context>
    <name>TfrmDifference</name>
    <message>
        <source>Old text</source>
        <translation>Ancien texte</translation>
    </message>
    <message>
        <source>New text</source>
        <translation>Nouveau texte</translation>
    </message>
    <message>
        <source>Changed lines are marked; F8 goes to the next change, Shift+F8 to the previous one</source>
        <translation>Les lignes modifiées sont marquées ; F8 va à la modification suivante, Maj+F8 à la précédente</translation>
    </message>
    <message>
        <source>The texts have no different lines</source>
        <translation>Les textes n&apos;ont aucune ligne différente</translation>
    </message>
    <message>
        <source>Change %1 of %2 (F8: next, Shift+F8: previous)</source>
        <translation>Modification %1 sur %2 (F8 : suivante, Maj+F8 : précédente)</translation>
    </message>
</context>
<context>
    <name>TfrmLicense</name>
    <message>
        <source>License File</source>
        <translation>Fichier de licence</translation>
    </message>
    <message>
        <source>C&amp;hange...</source>
        <translation>Mo&amp;difier...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>Load License File</source>
        <translation>Charger un fichier de licence</translation>
    </message>
    <message>
        <source>Navision License Files (*.flf)</source>
        <translation>Fichiers de licence Navision (*.flf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>License Information</source>
        <translation>Informations de licence</translation>
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
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Compare &amp;With...</source>
        <translation>&amp;Comparer avec...</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Sort by &amp;Type</source>
        <translation>Trier par &amp;type</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Sort by &amp;ID</source>
        <translation>Trier par &amp;ID</translation>
    </message>
    <message>
        <source>Sort by &amp;Name</source>
        <translation>Trier par &amp;nom</translation>
    </message>
    <message>
        <source>Sort by &amp;Date/Time</source>
        <translation>Trier par &amp;date/heure</translation>
    </message>
    <message>
        <source>Sort by &amp;Size</source>
        <translation>Trier par t&amp;aille</translation>
    </message>
    <message>
        <source>Sort by &amp;Version List</source>
        <translation>Trier par liste des &amp;versions</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Fer&amp;mer</translation>
    </message>
    <message>
        <source>Export &amp;List...</source>
        <translation>&amp;Exporter la liste...</translation>
    </message>
    <message>
        <source>&amp;Hide System Objects</source>
        <translation>&amp;Masquer les objets système</translation>
    </message>
    <message>
        <source>Ctrl+H</source>
        <translation>Ctrl+H</translation>
    </message>
    <message>
        <source>&amp;License File...</source>
        <translation>Fichier de &amp;licence...</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Sort by License &amp;Permissions</source>
        <translation>Trier par autorisations de &amp;licence</translation>
    </message>
    <message>
        <source>&amp;Export List...</source>
        <translation>&amp;Exporter la liste...</translation>
    </message>
    <message>
        <source>Navision Object File (*.fob)</source>
        <translation>Fichier objet Navision (*.fob)</translation>
    </message>
    <message>
        <source>Navision Backup File (*.fbk)</source>
        <translation>Fichier de sauvegarde Navision (*.fbk)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>Export List</source>
        <translation>Exporter la liste</translation>
    </message>
    <message>
        <source>Text (Tab Delimited) (*.txt)</source>
        <translation>Texte (séparé par des tabulations) (*.txt)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Tout &amp;sélectionner</translation>
    </message>
    <message>
        <source>&amp;Filter...</source>
        <translation>&amp;Filtrer...</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objets</translation>
    </message>
    <message>
        <source>The objects of the open file; typing the start of a type, ID or name goes to the first object it matches</source>
        <translation>Les objets du fichier ouvert&#xa0;; taper le début d&apos;un type, d&apos;un ID ou d&apos;un nom mène au premier objet correspondant</translation>
    </message>
    <message>
        <source>Object Files (*.fob *.fbk *.txt)</source>
        <translation>Fichiers objet (*.fob *.fbk *.txt)</translation>
    </message>
    <message>
        <source>Text Export (*.txt)</source>
        <translation>Export texte (*.txt)</translation>
    </message>
    <message>
        <source>Open &amp;Folder...</source>
        <translation>Ouvrir un &amp;dossier...</translation>
    </message>
    <message>
        <source>Compare With Fol&amp;der...</source>
        <translation>Comparer avec un do&amp;ssier...</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir un dossier</translation>
    </message>
    <message>
        <source>Compare With Folder</source>
        <translation>Comparer avec un dossier</translation>
    </message>
    <message>
        <source>Recen&amp;t Files</source>
        <translation>&amp;Fichiers récents</translation>
    </message>
    <message>
        <source>%1 (read as %2)</source>
        <translation>%1 (lu en %2)</translation>
    </message>
    <message>
        <source>%1 could not be read; %2 is shown again</source>
        <translation>%1 n’a pas pu être lu ; %2 est de nouveau affiché</translation>
    </message>
    <message>
        <source>&amp;Object</source>
        <translation>O&amp;bjet</translation>
    </message>
    <message>
        <source>View Object &amp;Text</source>
        <translation>Afficher le &amp;texte de l&apos;objet</translation>
    </message>
    <message>
        <source>A binary file holds no text of its objects</source>
        <translation>Un fichier binaire ne contient pas le texte de ses objets</translation>
    </message>
</context>
<context>
    <name>TfrmObjectText</name>
    <message>
        <source>Object text</source>
        <translation>Texte de l&apos;objet</translation>
    </message>
    <message>
        <source>The object&apos;s text as it stands in its file, with the file&apos;s line numbers</source>
        <translation>Le texte de l&apos;objet tel qu&apos;il figure dans son fichier, avec les numéros de ligne du fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found</source>
        <translation>« %1 » est introuvable</translation>
    </message>
    <message>
        <source>%1, line %2</source>
        <translation>%1, ligne %2</translation>
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
        <translation> (les objets système sont masqués)</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>System resources:</source>
        <translation>Ressources système&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1% Free</source>
        <translation>%1&#xa0;% libre</translation>
    </message>
    <message>
        <source>; dates read as %1</source>
        <translation>; dates lues comme %1</translation>
    </message>
    <message>
        <source>Read Dates &amp;As</source>
        <translation>Lire les dates &amp;comme</translation>
    </message>
    <message>
        <source>&amp;Automatic</source>
        <translation>&amp;Automatique</translation>
    </message>
    <message>
        <source>&amp;Regional Settings</source>
        <translation>Paramètres &amp;régionaux</translation>
    </message>
    <message>
        <source>&amp;Day/Month/Year</source>
        <translation>&amp;Jour/mois/année</translation>
    </message>
    <message>
        <source>&amp;Month/Day/Year</source>
        <translation>&amp;Mois/jour/année</translation>
    </message>
    <message>
        <source>&amp;Year/Month/Day</source>
        <translation>A&amp;nnée/mois/jour</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n&apos;existe pas</translation>
    </message>
    <message numerus="yes">
        <source>%n object(s)</source>
        <translation>
            <numerusform>%n objet</numerusform>
            <numerusform>%n objets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n object(s)</source>
        <translation>
            <numerusform>%1 sur %n objet</numerusform>
            <numerusform>%1 sur %n objets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n object(s) exported to %1</source>
        <translation>
            <numerusform>%n objet exporté vers %1</numerusform>
            <numerusform>%n objets exportés vers %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Physical memory available to %1:</source>
        <translation>Mémoire physique disponible pour %1 :</translation>
    </message>
    <message>
        <source>; dates read file by file, in no one order</source>
        <translation>; dates lues fichier par fichier, sans ordre commun</translation>
    </message>
</context>
</TS>
