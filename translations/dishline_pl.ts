<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Dishline</source>
        <translation>O programie Dishline</translation>
    </message>
    <message>
        <source>Dishline Version 1.3</source>
        <translation>Dishline, wersja 1.3</translation>
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
        <translation>Zastosuj kolejność z pliku</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polaryzacja</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service ID</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Ulubione</translation>
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
        <source>Reference: %1
%2 of %3 channels of the reference paired: %4 by service ID and frequency, %5 by service ID alone, %6 by name.
Satellites pair by position within %7°, channels by service ID and frequency within %8 MHz, then by name (without regard to case and a trailing HD, SD or UHD).</source>
        <translation>Wzorzec: %1
Dopasowano %2 z %3 kanałów wzorca: %4 po Service ID i częstotliwości, %5 tylko po Service ID, %6 po nazwie.
Satelity są dopasowywane po pozycji z dokładnością do %7°, kanały po Service ID i częstotliwości z dokładnością do %8 MHz, potem po nazwie (bez względu na wielkość liter i końcowe HD, SD lub UHD).</translation>
    </message>
    <message>
        <source>Reference satellite</source>
        <translation>Satelita wzorca</translation>
    </message>
    <message>
        <source>Satellite here</source>
        <translation>Satelita tutaj</translation>
    </message>
    <message>
        <source>Channels in the reference</source>
        <translation>Kanały we wzorcu</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Dopasowane</translation>
    </message>
    <message>
        <source>Channels here</source>
        <translation>Kanały tutaj</translation>
    </message>
    <message>
        <source>not found here</source>
        <translation>nie znaleziono tutaj</translation>
    </message>
    <message>
        <source>%1: %2 channels</source>
        <translation>%1: kanały: %2</translation>
    </message>
    <message>
        <source>Satellites of the reference with channels and no partner here: %1. Their channels and favorites cannot be placed.</source>
        <translation>Satelity wzorca z kanałami, ale bez odpowiednika tutaj: %1. Ich kanałów i ulubionych nie można umieścić.</translation>
    </message>
    <message>
        <source>&amp;Satellites:</source>
        <translation>&amp;Satelity:</translation>
    </message>
    <message>
        <source>Channels of the reference &amp;not found here: %1</source>
        <translation>Kanały wzorca, których tu &amp;nie znaleziono: %1</translation>
    </message>
    <message>
        <source>Channels here &amp;without a partner: %1</source>
        <translation>Kanały tutaj &amp;bez odpowiednika: %1</translation>
    </message>
    <message>
        <source>&amp;Favorite groups</source>
        <translation>&amp;Grupy ulubionych</translation>
    </message>
    <message>
        <source>&amp;Locks, skips and &quot;Don&apos;t update&quot; marks, with the names kept by &quot;Don&apos;t update name&quot;</source>
        <translation>B&amp;lokady, pominięcia i znaczniki „Nie aktualizuj” wraz z nazwami zachowanymi przez „Nie aktualizuj nazwy”</translation>
    </message>
    <message>
        <source>&amp;Every name from the reference</source>
        <translation>&amp;Wszystkie nazwy z wzorca</translation>
    </message>
    <message>
        <source>These satellites of the reference have channels and no partner here:
%1

Their channels and favorites will not be placed. Apply anyway?</source>
        <translation>Te satelity wzorca mają kanały, ale nie mają tu odpowiednika:
%1

Ich kanały i ulubione nie zostaną umieszczone. Zastosować mimo to?</translation>
    </message>
    <message>
        <source>Channel o&amp;rder</source>
        <translation>&amp;Kolejność kanałów</translation>
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
        <translation>Język</translation>
    </message>
    <message>
        <source>Enc</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Dodaj</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Zmień</translation>
    </message>
    <message>
        <source>Invalid PID</source>
        <translation>Nieprawidłowy PID</translation>
    </message>
    <message>
        <source>A program holds at most 255 audio tracks.</source>
        <translation>Kanał może mieć najwyżej 255 ścieżek audio.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Gotowy</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAP</translation>
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
        <translation>Lista kanałów</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Zmień nazwę</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Szukaj</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>&amp;How to use...</source>
        <translation>&amp;Jak używać...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>All Satellites</source>
        <translation>Wszystkie satelity</translation>
    </message>
    <message>
        <source>%1 of %2 selected</source>
        <translation>Zaznaczono %1 z %2</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>Kanały: %1</translation>
    </message>
    <message>
        <source>Channel List (Modified)</source>
        <translation>Lista kanałów (zmieniona)</translation>
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
Aby posortować listę kanałów

	- Kliknij lewym przyciskiem myszy nagłówek kolumny listy.

Aby przenieść kanał

	- Przeciągnij i upuść kanał.

Aby dodać kanał do grupy ulubionych
Aby usunąć kanał z grupy ulubionych

	- Kliknij prawym przyciskiem myszy nazwę kanału
</translation>
    </message>
    <message>
        <source>No match was found...</source>
        <translation>Nie znaleziono...</translation>
    </message>
    <message>
        <source>Discard the changes to the channel list?</source>
        <translation>Odrzucić zmiany listy kanałów?</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Przenieś w górę</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Przenieś w dół</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Przenieś na początek</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Przenieś na koniec</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Przenieś na pozycję...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Dodaj do %1</translation>
    </message>
    <message>
        <source>Remove from %1</source>
        <translation>Usuń z %1</translation>
    </message>
    <message>
        <source>Delete 1 channel?</source>
        <translation>Usunąć 1 kanał?</translation>
    </message>
    <message>
        <source>Delete %1 channels?</source>
        <translation>Usunąć kanały (%1)?</translation>
    </message>
    <message>
        <source>Channel &amp;Group</source>
        <translation>&amp;Grupa kanałów</translation>
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
        <translation>Podręcznik użytkownika</translation>
    </message>
    <message>
        <source>Every key of the list (picking rows, Lock, Skip, renaming, moving) is described in the user guide: press F1, or choose Help &gt; User Guide in the main window.</source>
        <translation>Wszystkie klawisze listy (zaznaczanie wierszy, blokada, pomijanie, zmiana nazwy, przenoszenie) opisuje podręcznik użytkownika: naciśnij F1 lub wybierz w oknie głównym Pomoc &gt; Podręcznik użytkownika.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blokada</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Zmiana nazwy kanału</translation>
    </message>
</context>
<context>
    <name>ChannelListModel</name>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blok.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
</context>
<context>
    <name>ChannelListView</name>
    <message>
        <source>%1 channels</source>
        <translation>Kanały: %1</translation>
    </message>
</context>
<context>
    <name>CleanUp</name>
    <message>
        <source>duplicate programs</source>
        <translation>zdublowane kanały</translation>
    </message>
    <message>
        <source>duplicate transponders</source>
        <translation>zdublowane transpondery</translation>
    </message>
    <message>
        <source>broken favorite entries</source>
        <translation>uszkodzone wpisy ulubionych</translation>
    </message>
    <message>
        <source>programs whose transponder does not exist</source>
        <translation>kanały, których transponder nie istnieje</translation>
    </message>
    <message>
        <source>transponders without programs</source>
        <translation>transpondery bez kanałów</translation>
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
        <translation>brakujący satelita</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3: same as %4</source>
        <translation>%1 na %2, Service ID %3: taki sam jak %4</translation>
    </message>
    <message>
        <source>%1, service ID %2: transponder %3 does not exist</source>
        <translation>%1, Service ID %2: transponder %3 nie istnieje</translation>
    </message>
    <message>
        <source>%1, symbol rate %2: same as %3 %4, %5 channels move there</source>
        <translation>%1, symbol rate %2: taki sam jak %3 %4, kanały przenoszone tam: %5</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1, symbol rate %2</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Grupa %1 %2</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: program %3 does not exist</source>
        <translation>%1, wpis listy TV %2: kanał %3 nie istnieje</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: program %3 does not exist</source>
        <translation>%1, wpis listy radiowej %2: kanał %3 nie istnieje</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: repeats %3</source>
        <translation>%1, wpis listy TV %2: powtarza %3</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: repeats %3</source>
        <translation>%1, wpis listy radiowej %2: powtarza %3</translation>
    </message>
</context>
<context>
    <name>CleanUpDialog</name>
    <message>
        <source>Clean Up</source>
        <translation>Porządkowanie</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing to clean up.</source>
        <translation>Nie ma czego porządkować.</translation>
    </message>
    <message>
        <source>Clean Up removed channels: %1, transponders: %2, favorite entries: %3.</source>
        <translation>Porządkowanie usunęło kanały: %1, transpondery: %2, wpisy ulubionych: %3.</translation>
    </message>
    <message>
        <source>Checked for removal: %1</source>
        <translation>Zaznaczone do usunięcia: %1</translation>
    </message>
    <message>
        <source>Check &amp;what to remove:</source>
        <translation>Zaznacz, co &amp;usunąć:</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New...	Ctrl+N</source>
        <translation>&amp;Nowy...	Ctrl+N</translation>
    </message>
    <message>
        <source>Creates a new NDF file</source>
        <translation>Tworzy nowy plik NDF</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Otwórz...	Ctrl+O</translation>
    </message>
    <message>
        <source>Opens an existing NDF file</source>
        <translation>Otwiera istniejący plik NDF</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Closes the NDF file</source>
        <translation>Zamyka plik NDF</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>Za&amp;pisz	Ctrl+S</translation>
    </message>
    <message>
        <source>Saves the NDF file</source>
        <translation>Zapisuje plik NDF</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>Saves the NDF file with a new name</source>
        <translation>Zapisuje plik NDF pod nową nazwą</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drukuj...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print all or parts of the NDF file</source>
        <translation>Drukuje cały plik NDF lub jego część</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>&amp;Export Channel List...</source>
        <translation>&amp;Eksportuj listę kanałów...</translation>
    </message>
    <message>
        <source>Save the channel list as a CSV, HTML or PDF file</source>
        <translation>Zapisuje listę kanałów jako plik CSV, HTML lub PDF</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Eksportuj listę kanałów</translation>
    </message>
    <message>
        <source>Modification &amp;Date...</source>
        <translation>Data &amp;modyfikacji...</translation>
    </message>
    <message>
        <source>Show/Edit the recent modification date</source>
        <translation>Pokazuje lub zmienia datę ostatniej modyfikacji</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt+F4</source>
        <translation>Za&amp;kończ	Alt+F4</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the NDF file</source>
        <translation>Zamyka program; pyta o zapisanie pliku NDF</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Cofa ostatnią zmianę</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Redo the change that was undone</source>
        <translation>Ponawia cofniętą zmianę</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Restore &amp;Discarded Channel List Changes</source>
        <translation>Przywróć &amp;odrzucone zmiany listy kanałów</translation>
    </message>
    <message>
        <source>Open the channel list again with the changes that were discarded</source>
        <translation>Otwiera ponownie listę kanałów z odrzuconymi zmianami</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Editbar</source>
        <translation>Pasek &amp;edycji</translation>
    </message>
    <message>
        <source>Show or hide the edit bar</source>
        <translation>Pokazuje lub ukrywa pasek edycji</translation>
    </message>
    <message>
        <source>Toggle EditBar</source>
        <translation>Pasek edycji</translation>
    </message>
    <message>
        <source>Show the channel list</source>
        <translation>Pokazuje listę kanałów</translation>
    </message>
    <message>
        <source>Ch List</source>
        <translation>Lista kanałów</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Pasek &amp;narzędzi</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Pokazuje lub ukrywa pasek narzędzi</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Pasek &amp;stanu</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Pokazuje lub ukrywa pasek stanu</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Pasek stanu</translation>
    </message>
    <message>
        <source>&amp;Satellite</source>
        <translation>&amp;Satelita</translation>
    </message>
    <message>
        <source>Import &amp;SATCODX</source>
        <translation>&amp;Importuj SATCODX</translation>
    </message>
    <message>
        <source>Load the selected satellite from SATCODX file</source>
        <translation>Wczytuje zaznaczonego satelitę z pliku SATCODX</translation>
    </message>
    <message>
        <source>SATCODX</source>
        <translation>SATCODX</translation>
    </message>
    <message>
        <source>Sort by &amp;Degree</source>
        <translation>&amp;Sortuj według pozycji</translation>
    </message>
    <message>
        <source>Sort the satellite list by degree</source>
        <translation>Sortuje listę satelitów według pozycji orbitalnej</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Sortuj według pozycji</translation>
    </message>
    <message>
        <source>&amp;Transponder</source>
        <translation>&amp;Transponder</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Dodaj nowy</translation>
    </message>
    <message>
        <source>Add a new transponder</source>
        <translation>Dodaje nowy transponder</translation>
    </message>
    <message>
        <source>Add Tp</source>
        <translation>Dodaj transponder</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Usuń zaznaczony</translation>
    </message>
    <message>
        <source>Delete the selected transponder</source>
        <translation>Usuwa zaznaczony transponder</translation>
    </message>
    <message>
        <source>Delete Tp</source>
        <translation>Usuń transponder</translation>
    </message>
    <message>
        <source>Delete All in &amp;Net</source>
        <translation>Usuń wszystkie na &amp;satelicie</translation>
    </message>
    <message>
        <source>Delete all transponders in the selected network</source>
        <translation>Usuwa wszystkie transpondery zaznaczonego satelity</translation>
    </message>
    <message>
        <source>Delete All Tps in Net</source>
        <translation>Usuń wszystkie transpondery satelity</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Kanał</translation>
    </message>
    <message>
        <source>Add a new program</source>
        <translation>Dodaje nowy kanał</translation>
    </message>
    <message>
        <source>Add Prog</source>
        <translation>Dodaj kanał</translation>
    </message>
    <message>
        <source>Delete the selected program</source>
        <translation>Usuwa zaznaczony kanał</translation>
    </message>
    <message>
        <source>Delete Prog</source>
        <translation>Usuń kanał</translation>
    </message>
    <message>
        <source>Delete All in &amp;Transponder</source>
        <translation>Usuń wszystkie na &amp;transponderze</translation>
    </message>
    <message>
        <source>Delete all programs in the selected transponder</source>
        <translation>Usuwa wszystkie kanały zaznaczonego transpondera</translation>
    </message>
    <message>
        <source>Delete Progs In Tp</source>
        <translation>Usuń wszystkie kanały transpondera</translation>
    </message>
    <message>
        <source>Delete all programs in the selected network</source>
        <translation>Usuwa wszystkie kanały zaznaczonego satelity</translation>
    </message>
    <message>
        <source>Delete Progs In Net</source>
        <translation>Usuń wszystkie kanały satelity</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Zastosuj kolejność</translation>
    </message>
    <message>
        <source>Find duplicate and broken records and remove them</source>
        <translation>Wyszukuje i usuwa zdublowane i uszkodzone wpisy</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Porządkuj</translation>
    </message>
    <message>
        <source>Show what differs between this file and another NDF file</source>
        <translation>Pokazuje różnice między tym a innym plikiem NDF</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Porównaj</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;About Dishline...</source>
        <translation>&amp;O programie Dishline...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Wyświetla informacje o programie, numer wersji i prawa autorskie</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Take the channel order, favorite groups, locks, skips and kept names from another NDF file</source>
        <translation>Przejmuje kolejność kanałów, grupy ulubionych, blokady, pominięcia i zachowane nazwy z innego pliku NDF</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Znajdź...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find programs, transponders and satellites by name or number</source>
        <translation>Wyszukuje kanały, transpondery i satelity według nazwy lub numeru</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Znajdź</translation>
    </message>
    <message>
        <source>&amp;Lock	Ctrl+L</source>
        <translation>&amp;Blokada	Ctrl+L</translation>
    </message>
    <message>
        <source>Lock or unlock the selected programs</source>
        <translation>Blokuje zaznaczone kanały lub zdejmuje blokadę</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blokada</translation>
    </message>
    <message>
        <source>S&amp;kip	Ctrl+K</source>
        <translation>&amp;Pomiń	Ctrl+K</translation>
    </message>
    <message>
        <source>Mark or unmark the selected programs to be skipped</source>
        <translation>Oznacza zaznaczone kanały do pomijania przy przełączaniu lub usuwa to oznaczenie</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
    <message>
        <source>&amp;Channel List	F7</source>
        <translation>&amp;Lista kanałów	F7</translation>
    </message>
    <message>
        <source>Apply &amp;Order from File...	Ctrl+Shift+O</source>
        <translation>Zastosuj &amp;kolejność z pliku...	Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>&amp;Clean Up...	Ctrl+Shift+L</source>
        <translation>&amp;Porządkuj...	Ctrl+Shift+L</translation>
    </message>
    <message>
        <source>Co&amp;mpare with File...	Ctrl+Shift+M</source>
        <translation>Poró&amp;wnaj z plikiem...	Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>&amp;User Guide	F1</source>
        <translation>&amp;Podręcznik użytkownika	F1</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Otwiera podręcznik użytkownika</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Podręcznik użytkownika</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>No differences.</source>
        <translation>Brak różnic.</translation>
    </message>
    <message>
        <source>Satellites only in A</source>
        <translation>Satelity tylko w A</translation>
    </message>
    <message>
        <source>Satellites only in B</source>
        <translation>Satelity tylko w B</translation>
    </message>
    <message>
        <source>Satellites changed</source>
        <translation>Zmienione satelity</translation>
    </message>
    <message>
        <source>Transponders only in A</source>
        <translation>Transpondery tylko w A</translation>
    </message>
    <message>
        <source>Transponders only in B</source>
        <translation>Transpondery tylko w B</translation>
    </message>
    <message>
        <source>Transponders changed</source>
        <translation>Zmienione transpondery</translation>
    </message>
    <message>
        <source>Programs only in A</source>
        <translation>Kanały tylko w A</translation>
    </message>
    <message>
        <source>Programs only in B</source>
        <translation>Kanały tylko w B</translation>
    </message>
    <message>
        <source>Programs changed</source>
        <translation>Zmienione kanały</translation>
    </message>
    <message>
        <source>Programs moved</source>
        <translation>Przeniesione kanały</translation>
    </message>
    <message>
        <source>Favorite groups only in A</source>
        <translation>Grupy ulubionych tylko w A</translation>
    </message>
    <message>
        <source>Favorite groups only in B</source>
        <translation>Grupy ulubionych tylko w B</translation>
    </message>
    <message>
        <source>Favorite groups changed</source>
        <translation>Zmienione grupy ulubionych</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nazwa</translation>
    </message>
    <message>
        <source>position</source>
        <translation>pozycja</translation>
    </message>
    <message>
        <source>positioner ID</source>
        <translation>pozycja pozycjonera</translation>
    </message>
    <message>
        <source>skew V</source>
        <translation>skew V</translation>
    </message>
    <message>
        <source>skew H</source>
        <translation>skew H</translation>
    </message>
    <message>
        <source>antenna configuration</source>
        <translation>ustawienie anteny</translation>
    </message>
    <message>
        <source>DiSEqC mode</source>
        <translation>tryb DiSEqC</translation>
    </message>
    <message>
        <source>LNB supply</source>
        <translation>zasilanie LNB</translation>
    </message>
    <message>
        <source>switch port</source>
        <translation>wejście przełącznika</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>typ LNB</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>częstotliwość LNB</translation>
    </message>
    <message>
        <source>LNB frequency high</source>
        <translation>częstotliwość LNB górna</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>częstotliwość</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>symbol rate</translation>
    </message>
    <message>
        <source>polarity</source>
        <translation>polaryzacja</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>frequency drift</source>
        <translation>dryft częstotliwości</translation>
    </message>
    <message>
        <source>GMT error</source>
        <translation>korekta GMT</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>transponder</translation>
    </message>
    <message>
        <source>service ID</source>
        <translation>Service ID</translation>
    </message>
    <message>
        <source>PMT PID</source>
        <translation>PMT PID</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PCR PID</translation>
    </message>
    <message>
        <source>video PIDs</source>
        <translation>PID-y wideo</translation>
    </message>
    <message>
        <source>audio PIDs</source>
        <translation>PID-y audio</translation>
    </message>
    <message>
        <source>teletext PIDs</source>
        <translation>PID-y telegazety</translation>
    </message>
    <message>
        <source>CA mask</source>
        <translation>maska CA</translation>
    </message>
    <message>
        <source>attributes</source>
        <translation>atrybuty</translation>
    </message>
    <message>
        <source>attributes 2</source>
        <translation>atrybuty 2</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Kodowany</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blokada</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomijanie</translation>
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
        <translation>Nie aktualizuj PID-ów wideo/audio</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Nie aktualizuj nazwy</translation>
    </message>
    <message>
        <source>Don&apos;t update with service ID</source>
        <translation>Nie aktualizuj po Service ID</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>present</source>
        <translation>jest</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>nieustawione</translation>
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
        <translation>kanał %1 (brak)</translation>
    </message>
    <message>
        <source>transponder %1 (missing)</source>
        <translation>transponder %1 (brak)</translation>
    </message>
    <message>
        <source>a missing satellite</source>
        <translation>brakujący satelita</translation>
    </message>
    <message>
        <source>a missing transponder</source>
        <translation>brakujący transponder</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1, symbol rate %2</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3</source>
        <translation>%1 na %2, Service ID %3</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Grupa %1 %2</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>TV: %1, radio: %2</translation>
    </message>
    <message>
        <source>TV list: %1 only in A</source>
        <translation>Lista TV: %1 tylko w A</translation>
    </message>
    <message>
        <source>TV list: %1 only in B</source>
        <translation>Lista TV: %1 tylko w B</translation>
    </message>
    <message>
        <source>radio list: %1 only in A</source>
        <translation>lista radiowa: %1 tylko w A</translation>
    </message>
    <message>
        <source>radio list: %1 only in B</source>
        <translation>lista radiowa: %1 tylko w B</translation>
    </message>
    <message>
        <source>TV list: order changed</source>
        <translation>Lista TV: zmieniona kolejność</translation>
    </message>
    <message>
        <source>radio list: order changed</source>
        <translation>lista radiowa: zmieniona kolejność</translation>
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
        <translation>Porównanie z plikiem</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
</context>
<context>
    <name>EditBar</name>
    <message>
        <source>Empty</source>
        <translation>Pusty</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Kanał</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>No satellite lines were found in %1.</source>
        <translation>W pliku %1 nie znaleziono wierszy satelitów.</translation>
    </message>
    <message>
        <source>The listing is for %1, but the selected satellite is %2 at %3. Import it anyway?</source>
        <translation>Lista dotyczy %1, a zaznaczony satelita to %2 na %3. Zaimportować mimo to?</translation>
    </message>
    <message>
        <source>%1 transponders added to %2; %3 already present, %4 lines skipped.</source>
        <translation>Dodano transpondery do %2: %1; już istniejące: %3, pominięte wiersze: %4.</translation>
    </message>
    <message>
        <source>Some of network parameters are changed.
Do you want to apply?</source>
        <translation>Niektóre parametry satelity zostały zmienione.
Czy zastosować zmiany?</translation>
    </message>
    <message>
        <source>Some of antenna configurations are changed.
Do you want to apply?</source>
        <translation>Niektóre ustawienia anteny zostały zmienione.
Czy zastosować zmiany?</translation>
    </message>
    <message>
        <source>Invalid frequency or symbol rate
Correct the errors or delete the transponder</source>
        <translation>Nieprawidłowa częstotliwość lub symbol rate
Popraw błędy lub usuń transponder</translation>
    </message>
    <message>
        <source>Some of transponder parameters are changed.
Do you want to apply?</source>
        <translation>Niektóre parametry transpondera zostały zmienione.
Czy zastosować zmiany?</translation>
    </message>
    <message>
        <source>Some of program parameters are changed.
Do you want to apply?</source>
        <translation>Niektóre parametry kanału zostały zmienione.
Czy zastosować zmiany?</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Bez nazwy</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Zapisać zmiany w %1?</translation>
    </message>
    <message>
        <source> (Modified)</source>
        <translation> (zmieniony)</translation>
    </message>
    <message>
        <source>Not yet ...</source>
        <translation>Jeszcze niedostępne ...</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|Web page (*.html)|*.html|PDF file (*.pdf)|*.pdf||</source>
        <translation>Plik CSV (*.csv)|*.csv|Strona WWW (*.html)|*.html|Plik PDF (*.pdf)|*.pdf||</translation>
    </message>
    <message>
        <source>Exporting the channel list...</source>
        <translation>Eksportowanie listy kanałów...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Eksportuj listę kanałów</translation>
    </message>
    <message>
        <source>Network Dababase File (*.NDF)|*.NDF|All file (*.*)|*.*||</source>
        <translation>Baza kanałów NDF (*.NDF)|*.NDF|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SATCODX File (*.SDX)|*.SDX|All file (*.*)|*.*||</source>
        <translation>Plik SATCODX (*.SDX)|*.SDX|Wszystkie pliki (*.*)|*.*||</translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>&amp;Cofnij: %1	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <translation>&amp;Ponów: %1	Ctrl+Y</translation>
    </message>
    <message>
        <source>Sort by Degree needs one antenna configuration for each satellite.</source>
        <translation>Do sortowania według pozycji każdy satelita potrzebuje własnego ustawienia anteny.</translation>
    </message>
    <message>
        <source>Work on %1 from %2 was not saved.
Do you want to recover it?</source>
        <translation>Praca nad %1 z %2 nie została zapisana.
Czy chcesz ją odzyskać?</translation>
    </message>
    <message>
        <source>%1 was changed by another program after it was opened.
Do you want to overwrite it?</source>
        <translation>Plik %1 został zmieniony przez inny program po otwarciu.
Czy chcesz go nadpisać?</translation>
    </message>
    <message>
        <source>The file on disk has not been changed.</source>
        <translation>Plik na dysku nie został zmieniony.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Nie zapisano żadnego pliku.</translation>
    </message>
    <message>
        <source>A: %1 (open)
B: %2</source>
        <translation>A: %1 (otwarty)
B: %2</translation>
    </message>
    <message>
        <source>%1 (%2 selected)</source>
        <translation>%1 (zaznaczono: %2)</translation>
    </message>
    <message>
        <source>Delete the program &quot;%1&quot;?</source>
        <translation>Usunąć kanał „%1”?</translation>
    </message>
    <message>
        <source>Delete %1 programs?</source>
        <translation>Usunąć kanały (%1)?</translation>
    </message>
    <message>
        <source>Delete the transponder %1 with its programs?</source>
        <translation>Usunąć transponder %1 razem z jego kanałami?</translation>
    </message>
    <message>
        <source>Delete %1 transponders with their programs?</source>
        <translation>Usunąć transpondery (%1) razem z ich kanałami?</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>en</source>
        <extracomment>The language code of the exported web page&apos;s lang attribute: &quot;de&quot; in German.</extracomment>
        <translation>pl</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satelita</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Częstotliwość</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polaryzacja</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Symbol rate</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service ID</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Ulubione</translation>
    </message>
    <message>
        <source>Channel list: %1</source>
        <translation>Lista kanałów: %1</translation>
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
        <translation>Kanały: %1</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>Kanały: %1</translation>
    </message>
    <message>
        <source>No channels.</source>
        <translation>Brak kanałów.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Wszystkie kanały</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Kanały TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Kanały radiowe</translation>
    </message>
    <message>
        <source>Satellite %1 (%2)</source>
        <translation>Satelita %1 (%2)</translation>
    </message>
    <message>
        <source>Favorite group %1</source>
        <translation>Grupa ulubionych %1</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Eksportuj listę kanałów</translation>
    </message>
    <message>
        <source>&amp;All channels</source>
        <translation>&amp;Wszystkie kanały</translation>
    </message>
    <message>
        <source>&amp;TV channels</source>
        <translation>Kanały &amp;TV</translation>
    </message>
    <message>
        <source>&amp;Radio channels</source>
        <translation>Kanały &amp;radiowe</translation>
    </message>
    <message>
        <source>One &amp;satellite:</source>
        <translation>Jeden &amp;satelita:</translation>
    </message>
    <message>
        <source>One &amp;favorite group:</source>
        <translation>Jedna grupa &amp;ulubionych:</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Ulub%1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>%1 channels: a web page this long is more than a browser prints well. To print the list, export it as a PDF file.</source>
        <translation>Kanały: %1. Tak długiej strony WWW przeglądarka nie wydrukuje dobrze. Aby wydrukować listę, wyeksportuj ją jako plik PDF.</translation>
    </message>
</context>
<context>
    <name>FavoriteNamesDialog</name>
    <message>
        <source>Favorite Group Name</source>
        <translation>Nazwa grupy ulubionych</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Znajdź:</translation>
    </message>
    <message>
        <source>Name, service ID or frequency</source>
        <translation>Nazwa, Service ID lub częstotliwość</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Poprzednie trafienie (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Następne trafienie (F3)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtr</translation>
    </message>
    <message>
        <source>Show only the matching programs with their transponders and satellites</source>
        <translation>Pokazuje tylko pasujące kanały z ich transponderami i satelitami</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Zamknij (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Brak trafień</translation>
    </message>
</context>
<context>
    <name>FormPane</name>
    <message>
        <source>O&amp;K</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>FormWidgets</name>
    <message>
        <source>%1 (unknown)</source>
        <translation>%1 (nieznany)</translation>
    </message>
</context>
<context>
    <name>ModificationDateDialog</name>
    <message>
        <source>Recent modification date</source>
        <translation>Data ostatniej modyfikacji</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>[Area code][Version in decimal] EX&gt; B002</source>
        <translation>[Kod regionu][Wersja dziesiętnie] Np.: B002</translation>
    </message>
    <message>
        <source>Invalid version input</source>
        <translation>Nieprawidłowa wersja</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Wersja</translation>
    </message>
</context>
<context>
    <name>MoveToPositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>Przenieś na pozycję</translation>
    </message>
    <message>
        <source>&amp;Number (1 to %1):</source>
        <translation>&amp;Numer (od 1 do %1):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
</context>
<context>
    <name>NetworkPane</name>
    <message>
        <source>Single</source>
        <translation>Jednopasmowy</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Uniwersalny</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>WYŁ.</translation>
    </message>
    <message>
        <source>ON (Auto)</source>
        <translation>WŁ. (auto)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>BOTH</source>
        <translation>OBA</translation>
    </message>
    <message>
        <source>Exists</source>
        <translation>Jest</translation>
    </message>
    <message>
        <source> Na&amp;me</source>
        <translation> N&amp;azwa</translation>
    </message>
    <message>
        <source> &amp;Degree</source>
        <translation> Poz&amp;ycja</translation>
    </message>
    <message>
        <source> LNB T&amp;ype</source>
        <translation> Typ LN&amp;B</translation>
    </message>
    <message>
        <source> &amp;LNB Freq</source>
        <translation> Cz&amp;ęstotliwość LNB</translation>
    </message>
    <message>
        <source> L&amp;NB Freq H</source>
        <translation> Częstotliwość &amp;LNB H</translation>
    </message>
    <message>
        <source> LN&amp;B Power/Switch</source>
        <translation> &amp;Zasilanie LNB/przełączanie</translation>
    </message>
    <message>
        <source> &amp;22Khz Switch</source>
        <translation> Przełączanie &amp;22 kHz</translation>
    </message>
    <message>
        <source> &amp;12V Switch</source>
        <translation> Przełączanie &amp;12 V</translation>
    </message>
    <message>
        <source> D&amp;iSEqC Switch Level</source>
        <translation> Wers&amp;ja przełącznika DiSEqC</translation>
    </message>
    <message>
        <source> DiSEqC S&amp;witch Port</source>
        <translation> Wej&amp;ście przełącznika DiSEqC</translation>
    </message>
    <message>
        <source> DiSEqC Positione&amp;r Level</source>
        <translation> We&amp;rsja pozycjonera DiSEqC</translation>
    </message>
    <message>
        <source> DiSE&amp;qC Positioner ID</source>
        <translation> Pozycja pozycjonera &amp;DiSEqC</translation>
    </message>
    <message>
        <source> Skew &amp;Controller</source>
        <translation> Sterown&amp;ik Skew</translation>
    </message>
    <message>
        <source> Skew &amp;Angle V</source>
        <translation> Kąt Skew &amp;V</translation>
    </message>
    <message>
        <source> Skew An&amp;gle H</source>
        <translation> Kąt Skew &amp;H</translation>
    </message>
</context>
<context>
    <name>NetworkTreeModel</name>
    <message>
        <source>(No name)</source>
        <translation>(Bez nazwy)</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Zablokowany</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pomijany</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Kodowany</translation>
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
        <translation>Napisy</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Atrybuty</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Nie aktualizuj nazwy</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>Nie aktualizuj PID-ów wideo/audio</translation>
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
        <translation>Ko&amp;dowany</translation>
    </message>
    <message>
        <source>More A&amp;udio...</source>
        <translation>Więcej &amp;ścieżek audio...</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Blokada</translation>
    </message>
    <message>
        <source>Sk&amp;ip</source>
        <translation>Pomi&amp;ń</translation>
    </message>
    <message>
        <source>Don&apos;t update &amp;with service ID</source>
        <translation>Nie &amp;aktualizuj po Service ID</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> Na&amp;zwa</translation>
    </message>
    <message>
        <source> Se&amp;rvice ID</source>
        <translation> Ser&amp;vice ID</translation>
    </message>
    <message>
        <source> Service T&amp;ype</source>
        <translation> T&amp;yp usługi</translation>
    </message>
    <message>
        <source> P&amp;MT PID</source>
        <translation> P&amp;MT PID</translation>
    </message>
    <message>
        <source> P&amp;CR PID</source>
        <translation> PC&amp;R PID</translation>
    </message>
    <message>
        <source> Vi&amp;deo PID</source>
        <translation> P&amp;ID wideo</translation>
    </message>
    <message>
        <source> &amp;Audio PID</source>
        <translation> PID a&amp;udio</translation>
    </message>
    <message>
        <source> Telete&amp;xt PID</source>
        <translation> PID te&amp;legazety</translation>
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
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Insufficient memory</source>
        <translation>Za mało pamięci</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>Nie znaleziono pliku</translation>
    </message>
    <message>
        <source>File crashed</source>
        <translation>Plik uszkodzony</translation>
    </message>
    <message>
        <source>Creating file failed</source>
        <translation>Nie udało się utworzyć pliku</translation>
    </message>
    <message>
        <source>Invalid NDF format</source>
        <translation>Nieprawidłowy format NDF</translation>
    </message>
    <message>
        <source>Bad checksum</source>
        <translation>Błędna suma kontrolna</translation>
    </message>
    <message>
        <source>NDF Version not supported</source>
        <translation>Nieobsługiwana wersja NDF</translation>
    </message>
    <message>
        <source>Too many records for the NDF format</source>
        <translation>Za dużo wpisów dla formatu NDF</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Modification Date</source>
        <translation>Data modyfikacji</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Lista kanałów</translation>
    </message>
    <message>
        <source>Import SATCODX</source>
        <translation>Import SATCODX</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Edycja satelity</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Edycja transpondera</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Edycja kanału</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Sortowanie według pozycji</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Dodanie transpondera</translation>
    </message>
    <message>
        <source>Add Program</source>
        <translation>Dodanie kanału</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Usunięcie transpondera</translation>
    </message>
    <message>
        <source>Delete All Transponders in Net</source>
        <translation>Usunięcie wszystkich transponderów satelity</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Usunięcie kanału</translation>
    </message>
    <message>
        <source>Delete All Programs in Transponder</source>
        <translation>Usunięcie wszystkich kanałów transpondera</translation>
    </message>
    <message>
        <source>Delete All Programs in Net</source>
        <translation>Usunięcie wszystkich kanałów satelity</translation>
    </message>
    <message>
        <source>Apply Order from File</source>
        <translation>Zastosowanie kolejności z pliku</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Porządkowanie</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Zablokowanie</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Odblokowanie</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomijanie</translation>
    </message>
    <message>
        <source>Do Not Skip</source>
        <translation>Bez pomijania</translation>
    </message>
    <message>
        <source>Delete Programs</source>
        <translation>Usunięcie kanałów</translation>
    </message>
    <message>
        <source>Delete Transponders</source>
        <translation>Usunięcie transponderów</translation>
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
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
</context>
<context>
    <name>TransponderPane</name>
    <message>
        <source>Vert</source>
        <translation>Pionowa</translation>
    </message>
    <message>
        <source>Horz</source>
        <translation>Pozioma</translation>
    </message>
    <message>
        <source>Circular Right</source>
        <translation>Kołowa prawa</translation>
    </message>
    <message>
        <source>Circular Left</source>
        <translation>Kołowa lewa</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> N&amp;azwa</translation>
    </message>
    <message>
        <source> F&amp;requency</source>
        <translation> C&amp;zęstotliwość</translation>
    </message>
    <message>
        <source> S&amp;ymbol Rate</source>
        <translation> Symbol &amp;rate</translation>
    </message>
    <message>
        <source> Po&amp;larity</source>
        <translation> Po&amp;laryzacja</translation>
    </message>
    <message>
        <source> FE&amp;C</source>
        <translation> &amp;FEC</translation>
    </message>
    <message>
        <source> Freq &amp;Drift</source>
        <translation> &amp;Dryft częstotliwości</translation>
    </message>
    <message>
        <source> &amp;GMT Error</source>
        <translation> Korekta &amp;GMT</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>Dishline User Guide</source>
        <translation>Podręcznik użytkownika Dishline</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Wstecz</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>en</source>
        <extracomment>The language code of the user guide in this language: the guide is :/guide/guide-&lt;code&gt;.html.</extracomment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Editor of NDF channel databases</source>
        <translation>Edytor baz kanałów NDF</translation>
    </message>
    <message>
        <source>An NDF file to open.</source>
        <translation>Plik NDF do otwarcia.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[plik]</translation>
    </message>
</context>
</TS>
