<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Dishline</source>
        <translation>Informazioni su Dishline</translation>
    </message>
    <message>
        <source>Dishline Version 1.3</source>
        <translation>Dishline versione 1.3</translation>
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
        <translation>Applica ordine da file</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarizzazione</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service ID</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Preferiti</translation>
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
        <translation>Riferimento: %1
%2 di %3 canali del riferimento abbinati: %4 per Service ID e frequenza, %5 solo per Service ID, %6 per nome.
I satelliti si abbinano per posizione entro %7°, i canali per Service ID e frequenza entro %8 MHz, poi per nome (senza distinguere maiuscole e minuscole né un HD, SD o UHD finale).</translation>
    </message>
    <message>
        <source>Reference satellite</source>
        <translation>Satellite del riferimento</translation>
    </message>
    <message>
        <source>Satellite here</source>
        <translation>Satellite qui</translation>
    </message>
    <message>
        <source>Channels in the reference</source>
        <translation>Canali nel riferimento</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Abbinati</translation>
    </message>
    <message>
        <source>Channels here</source>
        <translation>Canali qui</translation>
    </message>
    <message>
        <source>not found here</source>
        <translation>non trovato qui</translation>
    </message>
    <message>
        <source>%1: %2 channels</source>
        <translation>%1: %2 canali</translation>
    </message>
    <message>
        <source>Satellites of the reference with channels and no partner here: %1. Their channels and favorites cannot be placed.</source>
        <translation>Satelliti del riferimento con canali e senza corrispondenza qui: %1. I loro canali e preferiti non possono essere collocati.</translation>
    </message>
    <message>
        <source>&amp;Satellites:</source>
        <translation>&amp;Satelliti:</translation>
    </message>
    <message>
        <source>Channels of the reference &amp;not found here: %1</source>
        <translation>Canali del riferimento &amp;non trovati qui: %1</translation>
    </message>
    <message>
        <source>Channels here &amp;without a partner: %1</source>
        <translation>Canali qui senza &amp;corrispondenza: %1</translation>
    </message>
    <message>
        <source>&amp;Favorite groups</source>
        <translation>&amp;Gruppi preferiti</translation>
    </message>
    <message>
        <source>&amp;Locks, skips and &quot;Don&apos;t update&quot; marks, with the names kept by &quot;Don&apos;t update name&quot;</source>
        <translation>&amp;Blocchi, salti e contrassegni «Non aggiornare», con i nomi conservati da «Non aggiornare il nome»</translation>
    </message>
    <message>
        <source>&amp;Every name from the reference</source>
        <translation>&amp;Tutti i nomi dal riferimento</translation>
    </message>
    <message>
        <source>These satellites of the reference have channels and no partner here:
%1

Their channels and favorites will not be placed. Apply anyway?</source>
        <translation>Questi satelliti del riferimento hanno canali ma nessuna corrispondenza qui:
%1

I loro canali e preferiti non verranno collocati. Applicare comunque?</translation>
    </message>
    <message>
        <source>Channel o&amp;rder</source>
        <translation>O&amp;rdine dei canali</translation>
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
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Enc</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;ggiungi</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>Invalid PID</source>
        <translation>PID non valido</translation>
    </message>
    <message>
        <source>A program holds at most 255 audio tracks.</source>
        <translation>Un canale può avere al massimo 255 tracce audio.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Pronto</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra degli strumenti</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCORR</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAIUSC</translation>
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
        <translation>Lista canali</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Rinomina</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>&amp;How to use...</source>
        <translation>&amp;Istruzioni...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>All Satellites</source>
        <translation>Tutti i satelliti</translation>
    </message>
    <message>
        <source>%1 of %2 selected</source>
        <translation>%1 di %2 selezionati</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canali</translation>
    </message>
    <message>
        <source>Channel List (Modified)</source>
        <translation>Lista canali (modificata)</translation>
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
Per ordinare la lista canali

	- Fare clic con il pulsante sinistro del mouse sull&apos;intestazione di una colonna.

Per spostare un canale

	- Trascinare e rilasciare il canale.

Per aggiungere un canale a un gruppo preferiti
Per togliere un canale da un gruppo preferiti

	- Fare clic con il pulsante destro del mouse sul nome del canale
</translation>
    </message>
    <message>
        <source>No match was found...</source>
        <translation>Nessuna corrispondenza trovata...</translation>
    </message>
    <message>
        <source>Discard the changes to the channel list?</source>
        <translation>Scartare le modifiche alla lista canali?</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Sposta in cima</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Sposta in fondo</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Sposta alla posizione...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Aggiungi a %1</translation>
    </message>
    <message>
        <source>Remove from %1</source>
        <translation>Togli da %1</translation>
    </message>
    <message>
        <source>Delete 1 channel?</source>
        <translation>Eliminare 1 canale?</translation>
    </message>
    <message>
        <source>Delete %1 channels?</source>
        <translation>Eliminare %1 canali?</translation>
    </message>
    <message>
        <source>Channel &amp;Group</source>
        <translation>&amp;Gruppo di canali</translation>
    </message>
    <message>
        <source>&amp;TV</source>
        <translation>&amp;TV</translation>
    </message>
    <message>
        <source>R&amp;adio</source>
        <translation>Ra&amp;dio</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guida utente</translation>
    </message>
    <message>
        <source>Every key of the list (picking rows, Lock, Skip, renaming, moving) is described in the user guide: press F1, or choose Help &gt; User Guide in the main window.</source>
        <translation>Tutti i tasti della lista (selezione delle righe, blocco, salto, rinomina, spostamento) sono descritti nella guida utente: premere F1 o scegliere Guida &gt; Guida utente nella finestra principale.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Rinomina canale</translation>
    </message>
</context>
<context>
    <name>ChannelListModel</name>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Preferito</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
</context>
<context>
    <name>ChannelListView</name>
    <message>
        <source>%1 channels</source>
        <translation>%1 canali</translation>
    </message>
</context>
<context>
    <name>CleanUp</name>
    <message>
        <source>duplicate programs</source>
        <translation>canali duplicati</translation>
    </message>
    <message>
        <source>duplicate transponders</source>
        <translation>transponder duplicati</translation>
    </message>
    <message>
        <source>broken favorite entries</source>
        <translation>voci preferiti danneggiate</translation>
    </message>
    <message>
        <source>programs whose transponder does not exist</source>
        <translation>canali il cui transponder non esiste</translation>
    </message>
    <message>
        <source>transponders without programs</source>
        <translation>transponder senza canali</translation>
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
        <translation>un satellite mancante</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3: same as %4</source>
        <translation>%1 su %2, Service ID %3: uguale a %4</translation>
    </message>
    <message>
        <source>%1, service ID %2: transponder %3 does not exist</source>
        <translation>%1, Service ID %2: il transponder %3 non esiste</translation>
    </message>
    <message>
        <source>%1, symbol rate %2: same as %3 %4, %5 channels move there</source>
        <translation>%1, symbol rate %2: uguale a %3 %4, %5 canali vi vengono spostati</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1, symbol rate %2</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Gruppo %1 %2</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: program %3 does not exist</source>
        <translation>%1, voce %2 della lista TV: il canale %3 non esiste</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: program %3 does not exist</source>
        <translation>%1, voce %2 della lista radio: il canale %3 non esiste</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: repeats %3</source>
        <translation>%1, voce %2 della lista TV: ripete %3</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: repeats %3</source>
        <translation>%1, voce %2 della lista radio: ripete %3</translation>
    </message>
</context>
<context>
    <name>CleanUpDialog</name>
    <message>
        <source>Clean Up</source>
        <translation>Pulizia</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing to clean up.</source>
        <translation>Niente da pulire.</translation>
    </message>
    <message>
        <source>Clean Up removed channels: %1, transponders: %2, favorite entries: %3.</source>
        <translation>La pulizia ha eliminato canali: %1, transponder: %2, voci preferiti: %3.</translation>
    </message>
    <message>
        <source>Checked for removal: %1</source>
        <translation>Selezionati per l&apos;eliminazione: %1</translation>
    </message>
    <message>
        <source>Check &amp;what to remove:</source>
        <translation>Selezionare cosa &amp;eliminare:</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;New...	Ctrl+N</source>
        <translation>&amp;Nuovo...	Ctrl+N</translation>
    </message>
    <message>
        <source>Creates a new NDF file</source>
        <translation>Crea un nuovo file NDF</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Apri...	Ctrl+O</translation>
    </message>
    <message>
        <source>Opens an existing NDF file</source>
        <translation>Apre un file NDF esistente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Closes the NDF file</source>
        <translation>Chiude il file NDF</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Salva	Ctrl+S</translation>
    </message>
    <message>
        <source>Saves the NDF file</source>
        <translation>Salva il file NDF</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva c&amp;on nome...</translation>
    </message>
    <message>
        <source>Saves the NDF file with a new name</source>
        <translation>Salva il file NDF con un nuovo nome</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>S&amp;tampa...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print all or parts of the NDF file</source>
        <translation>Stampa tutto il file NDF o una sua parte</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>&amp;Export Channel List...</source>
        <translation>&amp;Esporta lista canali...</translation>
    </message>
    <message>
        <source>Save the channel list as a CSV, HTML or PDF file</source>
        <translation>Salva la lista canali come file CSV, HTML o PDF</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Esporta lista canali</translation>
    </message>
    <message>
        <source>Modification &amp;Date...</source>
        <translation>&amp;Data di modifica...</translation>
    </message>
    <message>
        <source>Show/Edit the recent modification date</source>
        <translation>Mostra o modifica la data dell&apos;ultima modifica</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt+F4</source>
        <translation>Esc&amp;i	Alt+F4</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the NDF file</source>
        <translation>Chiude il programma; chiede se salvare il file NDF</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Annulla l&apos;ultima modifica</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Redo the change that was undone</source>
        <translation>Ripete la modifica annullata</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Restore &amp;Discarded Channel List Changes</source>
        <translation>Ripristina &amp;modifiche scartate alla lista canali</translation>
    </message>
    <message>
        <source>Open the channel list again with the changes that were discarded</source>
        <translation>Riapre la lista canali con le modifiche scartate</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Editbar</source>
        <translation>Barra di &amp;modifica</translation>
    </message>
    <message>
        <source>Show or hide the edit bar</source>
        <translation>Mostra o nasconde la barra di modifica</translation>
    </message>
    <message>
        <source>Toggle EditBar</source>
        <translation>Mostra/nascondi barra di modifica</translation>
    </message>
    <message>
        <source>Show the channel list</source>
        <translation>Mostra la lista canali</translation>
    </message>
    <message>
        <source>Ch List</source>
        <translation>Lista canali</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra degli &amp;strumenti</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostra o nasconde la barra degli strumenti</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Mostra/nascondi barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra di s&amp;tato</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostra o nasconde la barra di stato</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Mostra/nascondi barra di stato</translation>
    </message>
    <message>
        <source>&amp;Satellite</source>
        <translation>&amp;Satellite</translation>
    </message>
    <message>
        <source>Import &amp;SATCODX</source>
        <translation>&amp;Importa SATCODX</translation>
    </message>
    <message>
        <source>Load the selected satellite from SATCODX file</source>
        <translation>Carica il satellite selezionato da un file SATCODX</translation>
    </message>
    <message>
        <source>SATCODX</source>
        <translation>SATCODX</translation>
    </message>
    <message>
        <source>Sort by &amp;Degree</source>
        <translation>&amp;Ordina per posizione</translation>
    </message>
    <message>
        <source>Sort the satellite list by degree</source>
        <translation>Ordina la lista dei satelliti per posizione orbitale</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Ordina per posizione</translation>
    </message>
    <message>
        <source>&amp;Transponder</source>
        <translation>&amp;Transponder</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Aggiungi nuovo</translation>
    </message>
    <message>
        <source>Add a new transponder</source>
        <translation>Aggiunge un nuovo transponder</translation>
    </message>
    <message>
        <source>Add Tp</source>
        <translation>Aggiungi transponder</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Elimina selezionato</translation>
    </message>
    <message>
        <source>Delete the selected transponder</source>
        <translation>Elimina il transponder selezionato</translation>
    </message>
    <message>
        <source>Delete Tp</source>
        <translation>Elimina transponder</translation>
    </message>
    <message>
        <source>Delete All in &amp;Net</source>
        <translation>Elimina tutti nel &amp;satellite</translation>
    </message>
    <message>
        <source>Delete all transponders in the selected network</source>
        <translation>Elimina tutti i transponder del satellite selezionato</translation>
    </message>
    <message>
        <source>Delete All Tps in Net</source>
        <translation>Elimina tutti i transponder del satellite</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Canale</translation>
    </message>
    <message>
        <source>Add a new program</source>
        <translation>Aggiunge un nuovo canale</translation>
    </message>
    <message>
        <source>Add Prog</source>
        <translation>Aggiungi canale</translation>
    </message>
    <message>
        <source>Delete the selected program</source>
        <translation>Elimina il canale selezionato</translation>
    </message>
    <message>
        <source>Delete Prog</source>
        <translation>Elimina canale</translation>
    </message>
    <message>
        <source>Delete All in &amp;Transponder</source>
        <translation>Elimina tutti nel &amp;transponder</translation>
    </message>
    <message>
        <source>Delete all programs in the selected transponder</source>
        <translation>Elimina tutti i canali del transponder selezionato</translation>
    </message>
    <message>
        <source>Delete Progs In Tp</source>
        <translation>Elimina tutti i canali del transponder</translation>
    </message>
    <message>
        <source>Delete all programs in the selected network</source>
        <translation>Elimina tutti i canali del satellite selezionato</translation>
    </message>
    <message>
        <source>Delete Progs In Net</source>
        <translation>Elimina tutti i canali del satellite</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>St&amp;rumenti</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Applica ordine</translation>
    </message>
    <message>
        <source>Find duplicate and broken records and remove them</source>
        <translation>Trova ed elimina i record duplicati e danneggiati</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Pulizia</translation>
    </message>
    <message>
        <source>Show what differs between this file and another NDF file</source>
        <translation>Mostra le differenze tra questo file e un altro file NDF</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Confronta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;About Dishline...</source>
        <translation>&amp;Informazioni su Dishline...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostra informazioni sul programma, numero di versione e copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Take the channel order, favorite groups, locks, skips and kept names from another NDF file</source>
        <translation>Riprende l&apos;ordine dei canali, i gruppi preferiti, i blocchi, i salti e i nomi conservati da un altro file NDF</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Trova...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find programs, transponders and satellites by name or number</source>
        <translation>Cerca canali, transponder e satelliti per nome o numero</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trova</translation>
    </message>
    <message>
        <source>&amp;Lock	Ctrl+L</source>
        <translation>&amp;Blocca	Ctrl+L</translation>
    </message>
    <message>
        <source>Lock or unlock the selected programs</source>
        <translation>Blocca o sblocca i canali selezionati</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocca</translation>
    </message>
    <message>
        <source>S&amp;kip	Ctrl+K</source>
        <translation>Sa&amp;lta	Ctrl+K</translation>
    </message>
    <message>
        <source>Mark or unmark the selected programs to be skipped</source>
        <translation>Contrassegna i canali selezionati da saltare o toglie il contrassegno</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>&amp;Channel List	F7</source>
        <translation>&amp;Lista canali	F7</translation>
    </message>
    <message>
        <source>Apply &amp;Order from File...	Ctrl+Shift+O</source>
        <translation>Applica &amp;ordine da file...	Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>&amp;Clean Up...	Ctrl+Shift+L</source>
        <translation>&amp;Pulizia...	Ctrl+Shift+L</translation>
    </message>
    <message>
        <source>Co&amp;mpare with File...	Ctrl+Shift+M</source>
        <translation>&amp;Confronta con file...	Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>&amp;User Guide	F1</source>
        <translation>&amp;Guida utente	F1</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Apre la guida utente</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guida utente</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>No differences.</source>
        <translation>Nessuna differenza.</translation>
    </message>
    <message>
        <source>Satellites only in A</source>
        <translation>Satelliti solo in A</translation>
    </message>
    <message>
        <source>Satellites only in B</source>
        <translation>Satelliti solo in B</translation>
    </message>
    <message>
        <source>Satellites changed</source>
        <translation>Satelliti modificati</translation>
    </message>
    <message>
        <source>Transponders only in A</source>
        <translation>Transponder solo in A</translation>
    </message>
    <message>
        <source>Transponders only in B</source>
        <translation>Transponder solo in B</translation>
    </message>
    <message>
        <source>Transponders changed</source>
        <translation>Transponder modificati</translation>
    </message>
    <message>
        <source>Programs only in A</source>
        <translation>Canali solo in A</translation>
    </message>
    <message>
        <source>Programs only in B</source>
        <translation>Canali solo in B</translation>
    </message>
    <message>
        <source>Programs changed</source>
        <translation>Canali modificati</translation>
    </message>
    <message>
        <source>Programs moved</source>
        <translation>Canali spostati</translation>
    </message>
    <message>
        <source>Favorite groups only in A</source>
        <translation>Gruppi preferiti solo in A</translation>
    </message>
    <message>
        <source>Favorite groups only in B</source>
        <translation>Gruppi preferiti solo in B</translation>
    </message>
    <message>
        <source>Favorite groups changed</source>
        <translation>Gruppi preferiti modificati</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>position</source>
        <translation>posizione</translation>
    </message>
    <message>
        <source>positioner ID</source>
        <translation>posizione motore</translation>
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
        <translation>impostazione antenna</translation>
    </message>
    <message>
        <source>DiSEqC mode</source>
        <translation>modalità DiSEqC</translation>
    </message>
    <message>
        <source>LNB supply</source>
        <translation>alimentazione LNB</translation>
    </message>
    <message>
        <source>switch port</source>
        <translation>porta switch</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>tipo LNB</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>frequenza LNB</translation>
    </message>
    <message>
        <source>LNB frequency high</source>
        <translation>frequenza LNB alta</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frequenza</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>symbol rate</translation>
    </message>
    <message>
        <source>polarity</source>
        <translation>polarizzazione</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>frequency drift</source>
        <translation>deriva di frequenza</translation>
    </message>
    <message>
        <source>GMT error</source>
        <translation>scarto GMT</translation>
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
        <translation>PID PMT</translation>
    </message>
    <message>
        <source>PCR PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>video PIDs</source>
        <translation>PID video</translation>
    </message>
    <message>
        <source>audio PIDs</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>teletext PIDs</source>
        <translation>PID televideo</translation>
    </message>
    <message>
        <source>CA mask</source>
        <translation>maschera CA</translation>
    </message>
    <message>
        <source>attributes</source>
        <translation>attributi</translation>
    </message>
    <message>
        <source>attributes 2</source>
        <translation>attributi 2</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Codificato</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salto</translation>
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
        <translation>Non aggiornare i PID video/audio</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Non aggiornare il nome</translation>
    </message>
    <message>
        <source>Don&apos;t update with service ID</source>
        <translation>Non aggiornare tramite Service ID</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>present</source>
        <translation>presente</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>mancante</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>non impostato</translation>
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
        <translation>canale %1 (mancante)</translation>
    </message>
    <message>
        <source>transponder %1 (missing)</source>
        <translation>transponder %1 (mancante)</translation>
    </message>
    <message>
        <source>a missing satellite</source>
        <translation>un satellite mancante</translation>
    </message>
    <message>
        <source>a missing transponder</source>
        <translation>un transponder mancante</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1, symbol rate %2</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3</source>
        <translation>%1 su %2, Service ID %3</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Gruppo %1 %2</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>%1 TV, %2 radio</translation>
    </message>
    <message>
        <source>TV list: %1 only in A</source>
        <translation>Lista TV: %1 solo in A</translation>
    </message>
    <message>
        <source>TV list: %1 only in B</source>
        <translation>Lista TV: %1 solo in B</translation>
    </message>
    <message>
        <source>radio list: %1 only in A</source>
        <translation>lista radio: %1 solo in A</translation>
    </message>
    <message>
        <source>radio list: %1 only in B</source>
        <translation>lista radio: %1 solo in B</translation>
    </message>
    <message>
        <source>TV list: order changed</source>
        <translation>Lista TV: ordine modificato</translation>
    </message>
    <message>
        <source>radio list: order changed</source>
        <translation>lista radio: ordine modificato</translation>
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
        <translation>Confronta con file</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opia</translation>
    </message>
</context>
<context>
    <name>EditBar</name>
    <message>
        <source>Empty</source>
        <translation>Vuoto</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Canale</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>No satellite lines were found in %1.</source>
        <translation>Nessuna riga di satellite trovata in %1.</translation>
    </message>
    <message>
        <source>The listing is for %1, but the selected satellite is %2 at %3. Import it anyway?</source>
        <translation>L&apos;elenco è per %1, ma il satellite selezionato è %2 a %3. Importare comunque?</translation>
    </message>
    <message>
        <source>%1 transponders added to %2; %3 already present, %4 lines skipped.</source>
        <translation>%1 transponder aggiunti a %2; %3 già presenti, %4 righe saltate.</translation>
    </message>
    <message>
        <source>Some of network parameters are changed.
Do you want to apply?</source>
        <translation>Alcuni parametri del satellite sono stati modificati.
Applicare le modifiche?</translation>
    </message>
    <message>
        <source>Some of antenna configurations are changed.
Do you want to apply?</source>
        <translation>Alcune impostazioni dell&apos;antenna sono state modificate.
Applicare le modifiche?</translation>
    </message>
    <message>
        <source>Invalid frequency or symbol rate
Correct the errors or delete the transponder</source>
        <translation>Frequenza o symbol rate non validi
Correggere gli errori o eliminare il transponder</translation>
    </message>
    <message>
        <source>Some of transponder parameters are changed.
Do you want to apply?</source>
        <translation>Alcuni parametri del transponder sono stati modificati.
Applicare le modifiche?</translation>
    </message>
    <message>
        <source>Some of program parameters are changed.
Do you want to apply?</source>
        <translation>Alcuni parametri del canale sono stati modificati.
Applicare le modifiche?</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Senza nome</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
    <message>
        <source> (Modified)</source>
        <translation> (modificato)</translation>
    </message>
    <message>
        <source>Not yet ...</source>
        <translation>Non ancora disponibile ...</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|Web page (*.html)|*.html|PDF file (*.pdf)|*.pdf||</source>
        <translation>File CSV (*.csv)|*.csv|Pagina web (*.html)|*.html|File PDF (*.pdf)|*.pdf||</translation>
    </message>
    <message>
        <source>Exporting the channel list...</source>
        <translation>Esportazione della lista canali...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Esporta lista canali</translation>
    </message>
    <message>
        <source>Network Dababase File (*.NDF)|*.NDF|All file (*.*)|*.*||</source>
        <translation>Database canali NDF (*.NDF)|*.NDF|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SATCODX File (*.SDX)|*.SDX|All file (*.*)|*.*||</source>
        <translation>File SATCODX (*.SDX)|*.SDX|Tutti i file (*.*)|*.*||</translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>&amp;Annulla: %1	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <translation>&amp;Ripeti: %1	Ctrl+Y</translation>
    </message>
    <message>
        <source>Sort by Degree needs one antenna configuration for each satellite.</source>
        <translation>Per ordinare per posizione ogni satellite deve avere una propria impostazione d&apos;antenna.</translation>
    </message>
    <message>
        <source>Work on %1 from %2 was not saved.
Do you want to recover it?</source>
        <translation>Il lavoro su %1 del %2 non è stato salvato.
Recuperarlo?</translation>
    </message>
    <message>
        <source>%1 was changed by another program after it was opened.
Do you want to overwrite it?</source>
        <translation>%1 è stato modificato da un altro programma dopo l&apos;apertura.
Sovrascriverlo?</translation>
    </message>
    <message>
        <source>The file on disk has not been changed.</source>
        <translation>Il file su disco non è stato modificato.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Nessun file è stato scritto.</translation>
    </message>
    <message>
        <source>A: %1 (open)
B: %2</source>
        <translation>A: %1 (aperto)
B: %2</translation>
    </message>
    <message>
        <source>%1 (%2 selected)</source>
        <translation>%1 (%2 selezionati)</translation>
    </message>
    <message>
        <source>Delete the program &quot;%1&quot;?</source>
        <translation>Eliminare il canale «%1»?</translation>
    </message>
    <message>
        <source>Delete %1 programs?</source>
        <translation>Eliminare %1 canali?</translation>
    </message>
    <message>
        <source>Delete the transponder %1 with its programs?</source>
        <translation>Eliminare il transponder %1 con i suoi canali?</translation>
    </message>
    <message>
        <source>Delete %1 transponders with their programs?</source>
        <translation>Eliminare %1 transponder con i loro canali?</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>en</source>
        <extracomment>The language code of the exported web page&apos;s lang attribute: &quot;de&quot; in German.</extracomment>
        <translation>it</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarizzazione</translation>
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
        <translation>Preferiti</translation>
    </message>
    <message>
        <source>Channel list: %1</source>
        <translation>Lista canali: %1</translation>
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
        <translation>%1 canale</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canali</translation>
    </message>
    <message>
        <source>No channels.</source>
        <translation>Nessun canale.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Tutti i canali</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Canali TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Canali radio</translation>
    </message>
    <message>
        <source>Satellite %1 (%2)</source>
        <translation>Satellite %1 (%2)</translation>
    </message>
    <message>
        <source>Favorite group %1</source>
        <translation>Gruppo preferiti %1</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Esporta lista canali</translation>
    </message>
    <message>
        <source>&amp;All channels</source>
        <translation>&amp;Tutti i canali</translation>
    </message>
    <message>
        <source>&amp;TV channels</source>
        <translation>Canali T&amp;V</translation>
    </message>
    <message>
        <source>&amp;Radio channels</source>
        <translation>Canali &amp;radio</translation>
    </message>
    <message>
        <source>One &amp;satellite:</source>
        <translation>Un &amp;satellite:</translation>
    </message>
    <message>
        <source>One &amp;favorite group:</source>
        <translation>Un gruppo &amp;preferiti:</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Pref%1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>%1 channels: a web page this long is more than a browser prints well. To print the list, export it as a PDF file.</source>
        <translation>%1 canali: una pagina web così lunga non viene stampata bene da un browser. Per stampare la lista, esportarla come file PDF.</translation>
    </message>
</context>
<context>
    <name>FavoriteNamesDialog</name>
    <message>
        <source>Favorite Group Name</source>
        <translation>Nome del gruppo preferiti</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Trova:</translation>
    </message>
    <message>
        <source>Name, service ID or frequency</source>
        <translation>Nome, Service ID o frequenza</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Corrispondenza precedente (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Corrispondenza successiva (F3)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Show only the matching programs with their transponders and satellites</source>
        <translation>Mostra solo i canali corrispondenti con i loro transponder e satelliti</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Chiudi (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Nessuna corrispondenza</translation>
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
        <translation>%1 (sconosciuto)</translation>
    </message>
</context>
<context>
    <name>ModificationDateDialog</name>
    <message>
        <source>Recent modification date</source>
        <translation>Data dell&apos;ultima modifica</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>[Area code][Version in decimal] EX&gt; B002</source>
        <translation>[Codice area][Versione in decimale] Es.: B002</translation>
    </message>
    <message>
        <source>Invalid version input</source>
        <translation>Versione non valida</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versione</translation>
    </message>
</context>
<context>
    <name>MoveToPositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>Sposta alla posizione</translation>
    </message>
    <message>
        <source>&amp;Number (1 to %1):</source>
        <translation>&amp;Numero (da 1 a %1):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
</context>
<context>
    <name>NetworkPane</name>
    <message>
        <source>Single</source>
        <translation>Singolo</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universale</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>ON (Auto)</source>
        <translation>ON (auto)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>BOTH</source>
        <translation>ENTRAMBI</translation>
    </message>
    <message>
        <source>Exists</source>
        <translation>Presente</translation>
    </message>
    <message>
        <source> Na&amp;me</source>
        <translation> Nom&amp;e</translation>
    </message>
    <message>
        <source> &amp;Degree</source>
        <translation> &amp;Posizione</translation>
    </message>
    <message>
        <source> LNB T&amp;ype</source>
        <translation> T&amp;ipo LNB</translation>
    </message>
    <message>
        <source> &amp;LNB Freq</source>
        <translation> Frequenza &amp;LNB</translation>
    </message>
    <message>
        <source> L&amp;NB Freq H</source>
        <translation> Frequenza LNB &amp;H</translation>
    </message>
    <message>
        <source> LN&amp;B Power/Switch</source>
        <translation> Alimentazione LN&amp;B/commutazione</translation>
    </message>
    <message>
        <source> &amp;22Khz Switch</source>
        <translation> Commutazione &amp;22 kHz</translation>
    </message>
    <message>
        <source> &amp;12V Switch</source>
        <translation> Commutazione &amp;12 V</translation>
    </message>
    <message>
        <source> D&amp;iSEqC Switch Level</source>
        <translation> Versione s&amp;witch DiSEqC</translation>
    </message>
    <message>
        <source> DiSEqC S&amp;witch Port</source>
        <translation> Porta switch &amp;DiSEqC</translation>
    </message>
    <message>
        <source> DiSEqC Positione&amp;r Level</source>
        <translation> Versione motore DiSE&amp;qC</translation>
    </message>
    <message>
        <source> DiSE&amp;qC Positioner ID</source>
        <translation> Posi&amp;zione motore DiSEqC</translation>
    </message>
    <message>
        <source> Skew &amp;Controller</source>
        <translation> Controllo s&amp;kew</translation>
    </message>
    <message>
        <source> Skew &amp;Angle V</source>
        <translation> A&amp;ngolo skew V</translation>
    </message>
    <message>
        <source> Skew An&amp;gle H</source>
        <translation> &amp;Angolo skew H</translation>
    </message>
</context>
<context>
    <name>NetworkTreeModel</name>
    <message>
        <source>(No name)</source>
        <translation>(Senza nome)</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloccato</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Saltato</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Codificato</translation>
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
        <translation>Sottot.</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attributi</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Non aggiornare il nome</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>Non aggiornare i PID video/audio</translation>
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
        <translation>Codific&amp;ato</translation>
    </message>
    <message>
        <source>More A&amp;udio...</source>
        <translation>Altre tracce a&amp;udio...</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Blocca</translation>
    </message>
    <message>
        <source>Sk&amp;ip</source>
        <translation>&amp;Salta</translation>
    </message>
    <message>
        <source>Don&apos;t update &amp;with service ID</source>
        <translation>Non aggiornare &amp;tramite Service ID</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> &amp;Nome</translation>
    </message>
    <message>
        <source> Se&amp;rvice ID</source>
        <translation> S&amp;ervice ID</translation>
    </message>
    <message>
        <source> Service T&amp;ype</source>
        <translation> Tipo di servi&amp;zio</translation>
    </message>
    <message>
        <source> P&amp;MT PID</source>
        <translation> PI&amp;D PMT</translation>
    </message>
    <message>
        <source> P&amp;CR PID</source>
        <translation> P&amp;ID PCR</translation>
    </message>
    <message>
        <source> Vi&amp;deo PID</source>
        <translation> &amp;PID video</translation>
    </message>
    <message>
        <source> &amp;Audio PID</source>
        <translation> PID a&amp;udio</translation>
    </message>
    <message>
        <source> Telete&amp;xt PID</source>
        <translation> PID te&amp;levideo</translation>
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
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Insufficient memory</source>
        <translation>Memoria insufficiente</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>Nessun file trovato</translation>
    </message>
    <message>
        <source>File crashed</source>
        <translation>File danneggiato</translation>
    </message>
    <message>
        <source>Creating file failed</source>
        <translation>Impossibile creare il file</translation>
    </message>
    <message>
        <source>Invalid NDF format</source>
        <translation>Formato NDF non valido</translation>
    </message>
    <message>
        <source>Bad checksum</source>
        <translation>Checksum errato</translation>
    </message>
    <message>
        <source>NDF Version not supported</source>
        <translation>Versione NDF non supportata</translation>
    </message>
    <message>
        <source>Too many records for the NDF format</source>
        <translation>Troppi record per il formato NDF</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Modification Date</source>
        <translation>Data di modifica</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Lista canali</translation>
    </message>
    <message>
        <source>Import SATCODX</source>
        <translation>Importa SATCODX</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Modifica satellite</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Modifica transponder</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Modifica canale</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Ordina per posizione</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Aggiungi transponder</translation>
    </message>
    <message>
        <source>Add Program</source>
        <translation>Aggiungi canale</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Elimina transponder</translation>
    </message>
    <message>
        <source>Delete All Transponders in Net</source>
        <translation>Elimina tutti i transponder del satellite</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Elimina canale</translation>
    </message>
    <message>
        <source>Delete All Programs in Transponder</source>
        <translation>Elimina tutti i canali del transponder</translation>
    </message>
    <message>
        <source>Delete All Programs in Net</source>
        <translation>Elimina tutti i canali del satellite</translation>
    </message>
    <message>
        <source>Apply Order from File</source>
        <translation>Applica ordine da file</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Pulizia</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Blocco</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Sblocco</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Salta</translation>
    </message>
    <message>
        <source>Do Not Skip</source>
        <translation>Non saltare</translation>
    </message>
    <message>
        <source>Delete Programs</source>
        <translation>Elimina canali</translation>
    </message>
    <message>
        <source>Delete Transponders</source>
        <translation>Elimina transponder</translation>
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
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
</context>
<context>
    <name>TransponderPane</name>
    <message>
        <source>Vert</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Horz</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Circular Right</source>
        <translation>Circolare destra</translation>
    </message>
    <message>
        <source>Circular Left</source>
        <translation>Circolare sinistra</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> &amp;Nome</translation>
    </message>
    <message>
        <source> F&amp;requency</source>
        <translation> Fre&amp;quenza</translation>
    </message>
    <message>
        <source> S&amp;ymbol Rate</source>
        <translation> S&amp;ymbol rate</translation>
    </message>
    <message>
        <source> Po&amp;larity</source>
        <translation> &amp;Polarizzazione</translation>
    </message>
    <message>
        <source> FE&amp;C</source>
        <translation> F&amp;EC</translation>
    </message>
    <message>
        <source> Freq &amp;Drift</source>
        <translation> &amp;Deriva di frequenza</translation>
    </message>
    <message>
        <source> &amp;GMT Error</source>
        <translation> Sc&amp;arto GMT</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>Dishline User Guide</source>
        <translation>Guida utente di Dishline</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
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
        <translation>Editor di database canali NDF</translation>
    </message>
    <message>
        <source>An NDF file to open.</source>
        <translation>Un file NDF da aprire.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[file]</translation>
    </message>
</context>
</TS>
