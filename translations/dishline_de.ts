<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Dishline</source>
        <translation>Über Dishline</translation>
    </message>
    <message>
        <source>Dishline Version 1.3</source>
        <translation>Dishline Version 1.3</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>ApplyOrderDialog</name>
    <message>
        <source>Apply Order from File</source>
        <translation>Reihenfolge aus Datei übernehmen</translation>
    </message>
    <message>
        <source>Reference: %1
%2 of %3 channels of the reference paired: %4 by service ID and frequency, %5 by service ID alone, %6 by name.
Satellites pair by position within %7°, channels by service ID and frequency within %8 MHz, then by name (without regard to case and a trailing HD, SD or UHD).</source>
        <translation>Referenz: %1
%2 von %3 Sendern der Referenz zugeordnet: %4 über Service-ID und Frequenz, %5 allein über die Service-ID, %6 über den Namen.
Satelliten werden über die Position auf %7° genau zugeordnet, Sender über Service-ID und Frequenz auf %8 MHz genau, danach über den Namen (ohne Rücksicht auf Groß-/Kleinschreibung und ein angehängtes HD, SD oder UHD).</translation>
    </message>
    <message>
        <source>Reference satellite</source>
        <translation>Satellit der Referenz</translation>
    </message>
    <message>
        <source>Satellite here</source>
        <translation>Satellit hier</translation>
    </message>
    <message>
        <source>Channels in the reference</source>
        <translation>Sender in der Referenz</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Zugeordnet</translation>
    </message>
    <message>
        <source>Channels here</source>
        <translation>Sender hier</translation>
    </message>
    <message>
        <source>not found here</source>
        <translation>hier nicht gefunden</translation>
    </message>
    <message>
        <source>%1: %2 channels</source>
        <translation>%1: %2 Sender</translation>
    </message>
    <message>
        <source>Satellites of the reference with channels and no partner here: %1. Their channels and favorites cannot be placed.</source>
        <translation>Satelliten der Referenz mit Sendern ohne Gegenstück hier: %1. Ihre Sender und Favoriten können nicht übernommen werden.</translation>
    </message>
    <message>
        <source>&amp;Satellites:</source>
        <translation>&amp;Satelliten:</translation>
    </message>
    <message>
        <source>Channels of the reference &amp;not found here: %1</source>
        <translation>Sender der Referenz, die hier &amp;nicht gefunden wurden: %1</translation>
    </message>
    <message>
        <source>Channels here &amp;without a partner: %1</source>
        <translation>Sender hier ohne &amp;Gegenstück: %1</translation>
    </message>
    <message>
        <source>&amp;Favorite groups</source>
        <translation>&amp;Favoritengruppen</translation>
    </message>
    <message>
        <source>&amp;Locks, skips and &quot;Don&apos;t update&quot; marks, with the names kept by &quot;Don&apos;t update name&quot;</source>
        <translation>S&amp;perren, Überspringen und „Nicht aktualisieren“-Markierungen, mit den durch „Namen nicht aktualisieren“ bewahrten Namen</translation>
    </message>
    <message>
        <source>&amp;Every name from the reference</source>
        <translation>All&amp;e Namen aus der Referenz</translation>
    </message>
    <message>
        <source>These satellites of the reference have channels and no partner here:
%1

Their channels and favorites will not be placed. Apply anyway?</source>
        <translation>Diese Satelliten der Referenz haben Sender, aber hier kein Gegenstück:
%1

Ihre Sender und Favoriten werden nicht übernommen. Trotzdem übernehmen?</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Radio %1</translation>
    </message>
    <message>
        <source>TV %1</source>
        <translation>TV %1</translation>
    </message>
    <message>
        <source>Channel o&amp;rder</source>
        <translation>Sender&amp;reihenfolge</translation>
    </message>
</context>
<context>
    <name>AudioDialog</name>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Enc</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Invalid PID</source>
        <translation>Ungültige PID</translation>
    </message>
    <message>
        <source>A program holds at most 255 audio tracks.</source>
        <translation>Ein Programm kann höchstens 255 Audiospuren enthalten.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>Ä&amp;ndern</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Symbolleiste</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>RF</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>UF</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
</context>
<context>
    <name>ChannelListDialog</name>
    <message>
        <source>Channel List</source>
        <translation>Senderliste</translation>
    </message>
    <message>
        <source>Channel List (Modified)</source>
        <translation>Senderliste (geändert)</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>All Satellites</source>
        <translation>Alle Satelliten</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Sender</translation>
    </message>
    <message>
        <source>
To sort the channel list

	- Click the left mouse button on a column header of the list.

To move a channel item

	- Drag and drop a channel item.

To add a channel item to a favorite group
To remove a channel item from a favorite group

	- Click the right mouse button on the name of a channel item
</source>
        <translation>
Senderliste sortieren

	- Mit der linken Maustaste auf einen Spaltenkopf der Liste klicken.

Sender verschieben

	- Den Sender mit der Maus ziehen und ablegen.

Sender zu einer Favoritengruppe hinzufügen
Sender aus einer Favoritengruppe entfernen

	- Mit der rechten Maustaste auf den Namen des Senders klicken
</translation>
    </message>
    <message>
        <source>No match was found...</source>
        <translation>Kein Treffer gefunden...</translation>
    </message>
    <message>
        <source>Discard the changes to the channel list?</source>
        <translation>Die Änderungen an der Senderliste verwerfen?</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>An den Anfang</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Ans Ende</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>An Position verschieben...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Zu %1 hinzufügen</translation>
    </message>
    <message>
        <source>Remove from %1</source>
        <translation>Aus %1 entfernen</translation>
    </message>
    <message>
        <source>Delete 1 channel?</source>
        <translation>1 Sender löschen?</translation>
    </message>
    <message>
        <source>Delete %1 channels?</source>
        <translation>%1 Sender löschen?</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;How to use...</source>
        <translation>&amp;Bedienung...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>%1 of %2 selected</source>
        <translation>%1 von %2 ausgewählt</translation>
    </message>
    <message>
        <source>Channel &amp;Group</source>
        <translation>Sender&amp;gruppe</translation>
    </message>
    <message>
        <source>&amp;TV</source>
        <translation>&amp;TV</translation>
    </message>
    <message>
        <source>R&amp;adio</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Every key of the list (picking rows, Lock, Skip, renaming, moving) is described in the user guide: press F1, or choose Help &gt; User Guide in the main window.</source>
        <translation>Alle Tasten der Liste (Zeilen auswählen, Sperren, Überspringen, Umbenennen, Verschieben) beschreibt das Benutzerhandbuch: F1 drücken oder im Hauptfenster Hilfe &gt; Benutzerhandbuch wählen.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Sender umbenennen</translation>
    </message>
</context>
<context>
    <name>ChannelListModel</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Übersp.</translation>
    </message>
</context>
<context>
    <name>ChannelListView</name>
    <message>
        <source>%1 channels</source>
        <translation>%1 Sender</translation>
    </message>
</context>
<context>
    <name>CleanUp</name>
    <message>
        <source>duplicate programs</source>
        <translation>doppelte Programme</translation>
    </message>
    <message>
        <source>duplicate transponders</source>
        <translation>doppelte Transponder</translation>
    </message>
    <message>
        <source>broken favorite entries</source>
        <translation>defekte Favoriteneinträge</translation>
    </message>
    <message>
        <source>programs whose transponder does not exist</source>
        <translation>Programme ohne vorhandenen Transponder</translation>
    </message>
    <message>
        <source>transponders without programs</source>
        <translation>Transponder ohne Programme</translation>
    </message>
    <message>
        <source>TV %1</source>
        <translation>TV %1</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Radio %1</translation>
    </message>
    <message>
        <source>a missing satellite</source>
        <translation>ein fehlender Satellit</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3: same as %4</source>
        <translation>%1 auf %2, Service-ID %3: gleich wie %4</translation>
    </message>
    <message>
        <source>%1, service ID %2: transponder %3 does not exist</source>
        <translation>%1, Service-ID %2: Transponder %3 existiert nicht</translation>
    </message>
    <message>
        <source>%1, symbol rate %2: same as %3 %4, %5 channels move there</source>
        <translation>%1, Symbolrate %2: gleich wie %3 %4, %5 Kanäle ziehen dorthin</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1, Symbolrate %2</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Gruppe %1 %2</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: program %3 does not exist</source>
        <translation>%1, TV-Liste Eintrag %2: Programm %3 existiert nicht</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: program %3 does not exist</source>
        <translation>%1, Radioliste Eintrag %2: Programm %3 existiert nicht</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: repeats %3</source>
        <translation>%1, TV-Liste Eintrag %2: wiederholt %3</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: repeats %3</source>
        <translation>%1, Radioliste Eintrag %2: wiederholt %3</translation>
    </message>
</context>
<context>
    <name>CleanUpDialog</name>
    <message>
        <source>Clean Up</source>
        <translation>Bereinigen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing to clean up.</source>
        <translation>Nichts zu bereinigen.</translation>
    </message>
    <message>
        <source>Clean Up removed channels: %1, transponders: %2, favorite entries: %3.</source>
        <translation>Bereinigen hat entfernt: Kanäle: %1, Transponder: %2, Favoriteneinträge: %3.</translation>
    </message>
    <message>
        <source>Checked for removal: %1</source>
        <translation>Zum Entfernen markiert: %1</translation>
    </message>
    <message>
        <source>Check &amp;what to remove:</source>
        <translation>Markieren Sie, &amp;was entfernt werden soll:</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New...	Ctrl+N</source>
        <translation>&amp;Neu...	Strg+N</translation>
    </message>
    <message>
        <source>Creates a new NDF file</source>
        <translation>Erstellt eine neue NDF-Datei</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Strg+O</translation>
    </message>
    <message>
        <source>Opens an existing NDF file</source>
        <translation>Öffnet eine vorhandene NDF-Datei</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Closes the NDF file</source>
        <translation>Schließt die NDF-Datei</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>S&amp;peichern	Strg+S</translation>
    </message>
    <message>
        <source>Saves the NDF file</source>
        <translation>Speichert die NDF-Datei</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Saves the NDF file with a new name</source>
        <translation>Speichert die NDF-Datei unter einem neuen Namen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>D&amp;rucken...	Strg+P</translation>
    </message>
    <message>
        <source>Print all or parts of the NDF file</source>
        <translation>Druckt die NDF-Datei ganz oder teilweise</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Export Channel List...</source>
        <translation>Senderliste &amp;exportieren...</translation>
    </message>
    <message>
        <source>Save the channel list as a CSV, HTML or PDF file</source>
        <translation>Speichert die Senderliste als CSV-, HTML- oder PDF-Datei</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Senderliste exportieren</translation>
    </message>
    <message>
        <source>Modification &amp;Date...</source>
        <translation>Änderungs&amp;datum...</translation>
    </message>
    <message>
        <source>Show/Edit the recent modification date</source>
        <translation>Zeigt oder ändert das letzte Änderungsdatum</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt+F4</source>
        <translation>&amp;Beenden	Alt+F4</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the NDF file</source>
        <translation>Beendet das Programm; fragt, ob die NDF-Datei gespeichert werden soll</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Macht die letzte Änderung rückgängig</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>Redo the change that was undone</source>
        <translation>Stellt die rückgängig gemachte Änderung wieder her</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Editbar</source>
        <translation>&amp;Bearbeitungsleiste</translation>
    </message>
    <message>
        <source>Show or hide the edit bar</source>
        <translation>Blendet die Bearbeitungsleiste ein oder aus</translation>
    </message>
    <message>
        <source>Toggle EditBar</source>
        <translation>Bearbeitungsleiste ein/aus</translation>
    </message>
    <message>
        <source>Show the channel list</source>
        <translation>Zeigt die Senderliste</translation>
    </message>
    <message>
        <source>Ch List</source>
        <translation>Senderliste</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Blendet die Symbolleiste ein oder aus</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Symbolleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Blendet die Statusleiste ein oder aus</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>&amp;Satellite</source>
        <translation>&amp;Satellit</translation>
    </message>
    <message>
        <source>Import &amp;SATCODX</source>
        <translation>&amp;SATCODX importieren</translation>
    </message>
    <message>
        <source>Load the selected satellite from SATCODX file</source>
        <translation>Lädt den markierten Satelliten aus einer SATCODX-Datei</translation>
    </message>
    <message>
        <source>SATCODX</source>
        <translation>SATCODX</translation>
    </message>
    <message>
        <source>Sort by &amp;Degree</source>
        <translation>Nach &amp;Orbitposition sortieren</translation>
    </message>
    <message>
        <source>Sort the satellite list by degree</source>
        <translation>Sortiert die Satellitenliste nach Orbitposition</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Nach Orbitposition sortieren</translation>
    </message>
    <message>
        <source>&amp;Transponder</source>
        <translation>&amp;Transponder</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Neu hinzufügen</translation>
    </message>
    <message>
        <source>Add a new transponder</source>
        <translation>Fügt einen neuen Transponder hinzu</translation>
    </message>
    <message>
        <source>Add Tp</source>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>Markierten &amp;löschen</translation>
    </message>
    <message>
        <source>Delete the selected transponder</source>
        <translation>Löscht den markierten Transponder</translation>
    </message>
    <message>
        <source>Delete Tp</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Delete All in &amp;Net</source>
        <translation>Alle im &amp;Satelliten löschen</translation>
    </message>
    <message>
        <source>Delete all transponders in the selected network</source>
        <translation>Löscht alle Transponder des markierten Satelliten</translation>
    </message>
    <message>
        <source>Delete All Tps in Net</source>
        <translation>Alle Transponder des Satelliten löschen</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programm</translation>
    </message>
    <message>
        <source>Add a new program</source>
        <translation>Fügt ein neues Programm hinzu</translation>
    </message>
    <message>
        <source>Add Prog</source>
        <translation>Programm hinzufügen</translation>
    </message>
    <message>
        <source>Delete the selected program</source>
        <translation>Löscht das markierte Programm</translation>
    </message>
    <message>
        <source>Delete Prog</source>
        <translation>Programm löschen</translation>
    </message>
    <message>
        <source>Delete All in &amp;Transponder</source>
        <translation>Alle im &amp;Transponder löschen</translation>
    </message>
    <message>
        <source>Delete all programs in the selected transponder</source>
        <translation>Löscht alle Programme des markierten Transponders</translation>
    </message>
    <message>
        <source>Delete Progs In Tp</source>
        <translation>Alle Programme des Transponders löschen</translation>
    </message>
    <message>
        <source>Delete all programs in the selected network</source>
        <translation>Löscht alle Programme des markierten Satelliten</translation>
    </message>
    <message>
        <source>Delete Progs In Net</source>
        <translation>Alle Programme des Satelliten löschen</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Take the channel order, favorite groups, locks, skips and kept names from another NDF file</source>
        <translation>Übernimmt Senderreihenfolge, Favoritengruppen, Sperren, Überspringen und bewahrte Namen aus einer anderen NDF-Datei</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Reihenfolge übernehmen</translation>
    </message>
    <message>
        <source>Find duplicate and broken records and remove them</source>
        <translation>Sucht doppelte und defekte Einträge und entfernt sie</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Bereinigen</translation>
    </message>
    <message>
        <source>Show what differs between this file and another NDF file</source>
        <translation>Zeigt die Unterschiede zwischen dieser und einer anderen NDF-Datei</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Vergleichen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Dishline...</source>
        <translation>Ü&amp;ber Dishline...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Zeigt Programminformationen, Versionsnummer und Copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Restore &amp;Discarded Channel List Changes</source>
        <translation>&amp;Verworfene Senderlisten-Änderungen zurückholen</translation>
    </message>
    <message>
        <source>Open the channel list again with the changes that were discarded</source>
        <translation>Die Senderliste mit den verworfenen Änderungen wieder öffnen</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Suchen...	Strg+F</translation>
    </message>
    <message>
        <source>Find programs, transponders and satellites by name or number</source>
        <translation>Sucht Programme, Transponder und Satelliten nach Name oder Nummer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Lock	Ctrl+L</source>
        <translation>S&amp;perren	Strg+L</translation>
    </message>
    <message>
        <source>Lock or unlock the selected programs</source>
        <translation>Sperrt die markierten Programme oder hebt ihre Sperre auf</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>S&amp;kip	Ctrl+K</source>
        <translation>Ü&amp;berspringen	Strg+K</translation>
    </message>
    <message>
        <source>Mark or unmark the selected programs to be skipped</source>
        <translation>Lässt die markierten Programme beim Umschalten überspringen oder nicht mehr</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>&amp;Channel List	F7</source>
        <translation>Sender&amp;liste	F7</translation>
    </message>
    <message>
        <source>Apply &amp;Order from File...	Ctrl+Shift+O</source>
        <translation>&amp;Reihenfolge aus Datei übernehmen...	Strg+Umschalt+O</translation>
    </message>
    <message>
        <source>&amp;Clean Up...	Ctrl+Shift+L</source>
        <translation>&amp;Bereinigen...	Strg+Umschalt+L</translation>
    </message>
    <message>
        <source>Co&amp;mpare with File...	Ctrl+Shift+M</source>
        <translation>Mit Datei &amp;vergleichen...	Strg+Umschalt+M</translation>
    </message>
    <message>
        <source>&amp;User Guide	F1</source>
        <translation>Benutzer&amp;handbuch	F1</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Das Benutzerhandbuch öffnen</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>No differences.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message>
        <source>Satellites only in A</source>
        <translation>Satelliten nur in A</translation>
    </message>
    <message>
        <source>Satellites only in B</source>
        <translation>Satelliten nur in B</translation>
    </message>
    <message>
        <source>Satellites changed</source>
        <translation>Geänderte Satelliten</translation>
    </message>
    <message>
        <source>Transponders only in A</source>
        <translation>Transponder nur in A</translation>
    </message>
    <message>
        <source>Transponders only in B</source>
        <translation>Transponder nur in B</translation>
    </message>
    <message>
        <source>Transponders changed</source>
        <translation>Geänderte Transponder</translation>
    </message>
    <message>
        <source>Programs only in A</source>
        <translation>Programme nur in A</translation>
    </message>
    <message>
        <source>Programs only in B</source>
        <translation>Programme nur in B</translation>
    </message>
    <message>
        <source>Programs changed</source>
        <translation>Geänderte Programme</translation>
    </message>
    <message>
        <source>Programs moved</source>
        <translation>Verschobene Programme</translation>
    </message>
    <message>
        <source>Favorite groups only in A</source>
        <translation>Favoritengruppen nur in A</translation>
    </message>
    <message>
        <source>Favorite groups only in B</source>
        <translation>Favoritengruppen nur in B</translation>
    </message>
    <message>
        <source>Favorite groups changed</source>
        <translation>Geänderte Favoritengruppen</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>positioner ID</source>
        <translation>Positioner-ID</translation>
    </message>
    <message>
        <source>skew V</source>
        <translation>Skew V</translation>
    </message>
    <message>
        <source>skew H</source>
        <translation>Skew H</translation>
    </message>
    <message>
        <source>antenna configuration</source>
        <translation>Antennenkonfiguration</translation>
    </message>
    <message>
        <source>DiSEqC mode</source>
        <translation>DiSEqC-Modus</translation>
    </message>
    <message>
        <source>LNB supply</source>
        <translation>LNB-Versorgung</translation>
    </message>
    <message>
        <source>switch port</source>
        <translation>Schalteranschluss</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>LNB-Typ</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>LNB-Frequenz</translation>
    </message>
    <message>
        <source>LNB frequency high</source>
        <translation>LNB-Frequenz hoch</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>polarity</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>frequency drift</source>
        <translation>Frequenzdrift</translation>
    </message>
    <message>
        <source>GMT error</source>
        <translation>GMT-Abweichung</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>PMT PID</source>
        <translation>PMT-PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>video PIDs</source>
        <translation>Video-PIDs</translation>
    </message>
    <message>
        <source>audio PIDs</source>
        <translation>Audio-PIDs</translation>
    </message>
    <message>
        <source>teletext PIDs</source>
        <translation>Videotext-PIDs</translation>
    </message>
    <message>
        <source>CA mask</source>
        <translation>CA-Maske</translation>
    </message>
    <message>
        <source>attributes</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>attributes 2</source>
        <translation>Attribute 2</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperre</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Bit 3</source>
        <translation>Bit 3</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>Video-/Audio-PIDs nicht aktualisieren</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Namen nicht aktualisieren</translation>
    </message>
    <message>
        <source>Don&apos;t update with service ID</source>
        <translation>Nicht über Service-ID aktualisieren</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>present</source>
        <translation>vorhanden</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>nicht gesetzt</translation>
    </message>
    <message>
        <source>TV %1</source>
        <translation>TV %1</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Radio %1</translation>
    </message>
    <message>
        <source>program %1 (missing)</source>
        <translation>Programm %1 (fehlt)</translation>
    </message>
    <message>
        <source>transponder %1 (missing)</source>
        <translation>Transponder %1 (fehlt)</translation>
    </message>
    <message>
        <source>a missing satellite</source>
        <translation>ein fehlender Satellit</translation>
    </message>
    <message>
        <source>a missing transponder</source>
        <translation>ein fehlender Transponder</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1, Symbolrate %2</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3</source>
        <translation>%1 auf %2, Service-ID %3</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Gruppe %1 %2</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>%1 TV, %2 Radio</translation>
    </message>
    <message>
        <source>TV list: %1 only in A</source>
        <translation>TV-Liste: %1 nur in A</translation>
    </message>
    <message>
        <source>TV list: %1 only in B</source>
        <translation>TV-Liste: %1 nur in B</translation>
    </message>
    <message>
        <source>radio list: %1 only in A</source>
        <translation>Radioliste: %1 nur in A</translation>
    </message>
    <message>
        <source>radio list: %1 only in B</source>
        <translation>Radioliste: %1 nur in B</translation>
    </message>
    <message>
        <source>TV list: order changed</source>
        <translation>TV-Liste: Reihenfolge geändert</translation>
    </message>
    <message>
        <source>radio list: order changed</source>
        <translation>Radioliste: Reihenfolge geändert</translation>
    </message>
    <message>
        <source>%1 -&gt; %2</source>
        <translation>%1 -&gt; %2</translation>
    </message>
    <message>
        <source>%1 %2 -&gt; %3</source>
        <translation>%1 %2 -&gt; %3</translation>
    </message>
</context>
<context>
    <name>CompareDialog</name>
    <message>
        <source>Compare with File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>EditBar</name>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>No satellite lines were found in %1.</source>
        <translation>In %1 wurden keine Satellitenzeilen gefunden.</translation>
    </message>
    <message>
        <source>The listing is for %1, but the selected satellite is %2 at %3. Import it anyway?</source>
        <translation>Die Liste gilt für %1, der markierte Satellit ist aber %2 auf %3. Trotzdem importieren?</translation>
    </message>
    <message>
        <source>%1 transponders added to %2; %3 already present, %4 lines skipped.</source>
        <translation>%1 Transponder zu %2 hinzugefügt; %3 bereits vorhanden, %4 Zeilen übersprungen.</translation>
    </message>
    <message>
        <source>Some of network parameters are changed.
Do you want to apply?</source>
        <translation>Einige Satellitenparameter wurden geändert.
Sollen die Änderungen übernommen werden?</translation>
    </message>
    <message>
        <source>Some of antenna configurations are changed.
Do you want to apply?</source>
        <translation>Einige Antenneneinstellungen wurden geändert.
Sollen die Änderungen übernommen werden?</translation>
    </message>
    <message>
        <source>Invalid frequency or symbol rate
Correct the errors or delete the transponder</source>
        <translation>Ungültige Frequenz oder Symbolrate
Korrigieren Sie die Fehler oder löschen Sie den Transponder</translation>
    </message>
    <message>
        <source>Some of transponder parameters are changed.
Do you want to apply?</source>
        <translation>Einige Transponderparameter wurden geändert.
Sollen die Änderungen übernommen werden?</translation>
    </message>
    <message>
        <source>Some of program parameters are changed.
Do you want to apply?</source>
        <translation>Einige Programmparameter wurden geändert.
Sollen die Änderungen übernommen werden?</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source> (Modified)</source>
        <translation> (geändert)</translation>
    </message>
    <message>
        <source>Not yet ...</source>
        <translation>Noch nicht verfügbar ...</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|Web page (*.html)|*.html|PDF file (*.pdf)|*.pdf||</source>
        <translation>CSV-Datei (*.csv)|*.csv|Webseite (*.html)|*.html|PDF-Datei (*.pdf)|*.pdf||</translation>
    </message>
    <message>
        <source>Network Dababase File (*.NDF)|*.NDF|All file (*.*)|*.*||</source>
        <translation>Senderdatenbank (*.NDF)|*.NDF|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SATCODX File (*.SDX)|*.SDX|All file (*.*)|*.*||</source>
        <translation>SATCODX-Datei (*.SDX)|*.SDX|Alle Dateien (*.*)|*.*||</translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>&amp;Rückgängig: %1	Strg+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <translation>&amp;Wiederholen: %1	Strg+Y</translation>
    </message>
    <message>
        <source>Sort by Degree needs one antenna configuration for each satellite.</source>
        <translation>Zum Sortieren nach Orbitposition braucht jeder Satellit eine eigene Antenneneinstellung.</translation>
    </message>
    <message>
        <source>A: %1 (open)
B: %2</source>
        <translation>A: %1 (geöffnet)
B: %2</translation>
    </message>
    <message>
        <source>Exporting the channel list...</source>
        <translation>Senderliste wird exportiert ...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Senderliste exportieren</translation>
    </message>
    <message>
        <source>Work on %1 from %2 was not saved.
Do you want to recover it?</source>
        <translation>Die Arbeit an %1 vom %2 wurde nicht gespeichert.
Möchten Sie sie wiederherstellen?</translation>
    </message>
    <message>
        <source>%1 was changed by another program after it was opened.
Do you want to overwrite it?</source>
        <translation>%1 wurde nach dem Öffnen von einem anderen Programm geändert.
Möchten Sie die Datei überschreiben?</translation>
    </message>
    <message>
        <source>The file on disk has not been changed.</source>
        <translation>Die Datei auf dem Datenträger wurde nicht verändert.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Es wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>%1 (%2 selected)</source>
        <translation>%1 (%2 markiert)</translation>
    </message>
    <message>
        <source>Delete the program &quot;%1&quot;?</source>
        <translation>Das Programm „%1“ löschen?</translation>
    </message>
    <message>
        <source>Delete %1 programs?</source>
        <translation>%1 Programme löschen?</translation>
    </message>
    <message>
        <source>Delete the transponder %1 with its programs?</source>
        <translation>Den Transponder %1 mit seinen Programmen löschen?</translation>
    </message>
    <message>
        <source>Delete %1 transponders with their programs?</source>
        <translation>%1 Transponder mit ihren Programmen löschen?</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Channel List</source>
        <translation>Senderliste exportieren</translation>
    </message>
    <message>
        <source>&amp;All channels</source>
        <translation>&amp;Alle Sender</translation>
    </message>
    <message>
        <source>&amp;TV channels</source>
        <translation>&amp;TV-Sender</translation>
    </message>
    <message>
        <source>&amp;Radio channels</source>
        <translation>&amp;Radiosender</translation>
    </message>
    <message>
        <source>One &amp;satellite:</source>
        <translation>Ein &amp;Satellit:</translation>
    </message>
    <message>
        <source>One &amp;favorite group:</source>
        <translation>Eine &amp;Favoritengruppe:</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Fav%1</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language code of the exported web page&apos;s lang attribute: &quot;de&quot; in German.</extracomment>
        <translation>de</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbolrate</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service-ID</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Channel list: %1</source>
        <translation>Senderliste: %1</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 Sender</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Sender</translation>
    </message>
    <message>
        <source>No channels.</source>
        <translation>Keine Sender.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Alle Sender</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV-Sender</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radiosender</translation>
    </message>
    <message>
        <source>Satellite %1 (%2)</source>
        <translation>Satellit %1 (%2)</translation>
    </message>
    <message>
        <source>Favorite group %1</source>
        <translation>Favoritengruppe %1</translation>
    </message>
    <message>
        <source>%1 channels: a web page this long is more than a browser prints well. To print the list, export it as a PDF file.</source>
        <translation>%1 Sender: Eine so lange Webseite kann ein Browser nicht mehr gut drucken. Zum Drucken die Liste als PDF-Datei exportieren.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
</context>
<context>
    <name>FavoriteNamesDialog</name>
    <message>
        <source>Favorite Group Name</source>
        <translation>Name der Favoritengruppe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Suchen:</translation>
    </message>
    <message>
        <source>Name, service ID or frequency</source>
        <translation>Name, Service-ID oder Frequenz</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Vorheriger Treffer (Umschalt+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Nächster Treffer (F3)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Show only the matching programs with their transponders and satellites</source>
        <translation>Nur die passenden Programme mit ihren Transpondern und Satelliten zeigen</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Schließen (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
</context>
<context>
    <name>FormPane</name>
    <message>
        <source>O&amp;K</source>
        <translation>O&amp;K</translation>
    </message>
</context>
<context>
    <name>FormWidgets</name>
    <message>
        <source>%1 (unknown)</source>
        <translation>%1 (unbekannt)</translation>
    </message>
</context>
<context>
    <name>ModificationDateDialog</name>
    <message>
        <source>Recent modification date</source>
        <translation>Letztes Änderungsdatum</translation>
    </message>
    <message>
        <source>[Area code][Version in decimal] EX&gt; B002</source>
        <translation>[Gebietskennung][Version dezimal] Bsp.: B002</translation>
    </message>
    <message>
        <source>Invalid version input</source>
        <translation>Ungültige Versionseingabe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Datum</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Version</translation>
    </message>
</context>
<context>
    <name>MoveToPositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>An Position verschieben</translation>
    </message>
    <message>
        <source>&amp;Number (1 to %1):</source>
        <translation>&amp;Nummer (1 bis %1):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>NetworkPane</name>
    <message>
        <source>Single</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universal</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>ON (Auto)</source>
        <translation>EIN (Auto)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>BOTH</source>
        <translation>BEIDE</translation>
    </message>
    <message>
        <source>Exists</source>
        <translation>Vorhanden</translation>
    </message>
    <message>
        <source> Na&amp;me</source>
        <translation> &amp;Name</translation>
    </message>
    <message>
        <source> &amp;Degree</source>
        <translation> &amp;Orbitposition</translation>
    </message>
    <message>
        <source> LNB T&amp;ype</source>
        <translation> &amp;LNB-Typ</translation>
    </message>
    <message>
        <source> &amp;LNB Freq</source>
        <translation> LNB-&amp;Frequenz</translation>
    </message>
    <message>
        <source> L&amp;NB Freq H</source>
        <translation> LNB-Fre&amp;quenz H</translation>
    </message>
    <message>
        <source> LN&amp;B Power/Switch</source>
        <translation> LNB-Speisung/&amp;Umschaltung</translation>
    </message>
    <message>
        <source> &amp;22Khz Switch</source>
        <translation> &amp;22-kHz-Umschaltung</translation>
    </message>
    <message>
        <source> &amp;12V Switch</source>
        <translation> &amp;12-V-Umschaltung</translation>
    </message>
    <message>
        <source> D&amp;iSEqC Switch Level</source>
        <translation> DiSEqC-Schalter&amp;version</translation>
    </message>
    <message>
        <source> DiSEqC S&amp;witch Port</source>
        <translation> D&amp;iSEqC-Eingang</translation>
    </message>
    <message>
        <source> DiSEqC Positione&amp;r Level</source>
        <translation> DiSEqC-&amp;Motorversion</translation>
    </message>
    <message>
        <source> DiSE&amp;qC Positioner ID</source>
        <translation> DiSEq&amp;C-Motorposition</translation>
    </message>
    <message>
        <source> Skew &amp;Controller</source>
        <translation> Skew-&amp;Regler</translation>
    </message>
    <message>
        <source> Skew &amp;Angle V</source>
        <translation> Skew-&amp;Winkel V</translation>
    </message>
    <message>
        <source> Skew An&amp;gle H</source>
        <translation> Sk&amp;ew-Winkel H</translation>
    </message>
</context>
<context>
    <name>NetworkTreeModel</name>
    <message>
        <source>(No name)</source>
        <translation>(Ohne Namen)</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Gesperrt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Verschlüsselt</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
</context>
<context>
    <name>ProgramPane</name>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Subt</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Namen nicht aktualisieren</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>Video-/Audio-PIDs nicht aktualisieren</translation>
    </message>
    <message>
        <source> CA</source>
        <translation> CA</translation>
    </message>
    <message>
        <source>AC&amp;3</source>
        <translation>AC&amp;3</translation>
    </message>
    <message>
        <source>Scram&amp;bled</source>
        <translation>Ve&amp;rschlüsselt</translation>
    </message>
    <message>
        <source>More A&amp;udio...</source>
        <translation>&amp;Weitere Audiospuren...</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>Sp&amp;erren</translation>
    </message>
    <message>
        <source>Sk&amp;ip</source>
        <translation>Übersprin&amp;gen</translation>
    </message>
    <message>
        <source>Don&apos;t update &amp;with service ID</source>
        <translation>Nicht über Service-ID aktua&amp;lisieren</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> &amp;Name</translation>
    </message>
    <message>
        <source> Se&amp;rvice ID</source>
        <translation> Service-&amp;ID</translation>
    </message>
    <message>
        <source> Service T&amp;ype</source>
        <translation> Sendert&amp;yp</translation>
    </message>
    <message>
        <source> P&amp;MT PID</source>
        <translation> P&amp;MT-PID</translation>
    </message>
    <message>
        <source> P&amp;CR PID</source>
        <translation> P&amp;CR-PID</translation>
    </message>
    <message>
        <source> Vi&amp;deo PID</source>
        <translation> &amp;Video-PID</translation>
    </message>
    <message>
        <source> &amp;Audio PID</source>
        <translation> A&amp;udio-PID</translation>
    </message>
    <message>
        <source> Telete&amp;xt PID</source>
        <translation> Vide&amp;otext-PID</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Insufficient memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>Keine Datei gefunden</translation>
    </message>
    <message>
        <source>File crashed</source>
        <translation>Datei beschädigt</translation>
    </message>
    <message>
        <source>Creating file failed</source>
        <translation>Die Datei konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>Invalid NDF format</source>
        <translation>Ungültiges NDF-Format</translation>
    </message>
    <message>
        <source>Bad checksum</source>
        <translation>Falsche Prüfsumme</translation>
    </message>
    <message>
        <source>NDF Version not supported</source>
        <translation>NDF-Version wird nicht unterstützt</translation>
    </message>
    <message>
        <source>Too many records for the NDF format</source>
        <translation>Zu viele Einträge für das NDF-Format</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Modification Date</source>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Senderliste</translation>
    </message>
    <message>
        <source>Import SATCODX</source>
        <translation>SATCODX-Import</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Satellit bearbeiten</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Transponder bearbeiten</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Programm bearbeiten</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Nach Orbitposition sortieren</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Transponder hinzufügen</translation>
    </message>
    <message>
        <source>Add Program</source>
        <translation>Programm hinzufügen</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Transponder löschen</translation>
    </message>
    <message>
        <source>Delete All Transponders in Net</source>
        <translation>Alle Transponder des Satelliten löschen</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Programm löschen</translation>
    </message>
    <message>
        <source>Delete All Programs in Transponder</source>
        <translation>Alle Programme des Transponders löschen</translation>
    </message>
    <message>
        <source>Delete All Programs in Net</source>
        <translation>Alle Programme des Satelliten löschen</translation>
    </message>
    <message>
        <source>Apply Order from File</source>
        <translation>Reihenfolge aus Datei übernehmen</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Bereinigen</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Sperren</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Entsperren</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Do Not Skip</source>
        <translation>Nicht überspringen</translation>
    </message>
    <message>
        <source>Delete Programs</source>
        <translation>Programme löschen</translation>
    </message>
    <message>
        <source>Delete Transponders</source>
        <translation>Transponder löschen</translation>
    </message>
</context>
<context>
    <name>ToolDialogs</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>TransponderPane</name>
    <message>
        <source>Vert</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Horz</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Circular Right</source>
        <translation>Zirkular rechts</translation>
    </message>
    <message>
        <source>Circular Left</source>
        <translation>Zirkular links</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> &amp;Name</translation>
    </message>
    <message>
        <source> F&amp;requency</source>
        <translation> F&amp;requenz</translation>
    </message>
    <message>
        <source> S&amp;ymbol Rate</source>
        <translation> S&amp;ymbolrate</translation>
    </message>
    <message>
        <source> Po&amp;larity</source>
        <translation> P&amp;olarisation</translation>
    </message>
    <message>
        <source> FE&amp;C</source>
        <translation> &amp;FEC</translation>
    </message>
    <message>
        <source> Freq &amp;Drift</source>
        <translation> Fr&amp;equenzdrift</translation>
    </message>
    <message>
        <source> &amp;GMT Error</source>
        <translation> &amp;GMT-Abweichung</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>Dishline User Guide</source>
        <translation>Dishline-Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language code of the user guide in this language: the guide is :/guide/guide-&lt;code&gt;.html.</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Editor of NDF channel databases</source>
        <translation>Editor für NDF-Senderdatenbanken</translation>
    </message>
    <message>
        <source>An NDF file to open.</source>
        <translation>Eine zu öffnende NDF-Datei.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[Datei]</translation>
    </message>
</context>
</TS>
