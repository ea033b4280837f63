<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Dishline</source>
        <translation>À propos de Dishline</translation>
    </message>
    <message>
        <source>Dishline Version 1.3</source>
        <translation>Dishline version 1.3</translation>
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
        <translation>Appliquer l&apos;ordre d&apos;un fichier</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service ID</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
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
        <translation>Référence : %1
%2 des %3 chaînes de la référence appariées : %4 par Service ID et fréquence, %5 par Service ID seul, %6 par nom.
Les satellites s&apos;apparient par position à %7° près, les chaînes par Service ID et fréquence à %8 MHz près, puis par nom (sans tenir compte de la casse ni d&apos;un HD, SD ou UHD final).</translation>
    </message>
    <message>
        <source>Reference satellite</source>
        <translation>Satellite de la référence</translation>
    </message>
    <message>
        <source>Satellite here</source>
        <translation>Satellite ici</translation>
    </message>
    <message>
        <source>Channels in the reference</source>
        <translation>Chaînes de la référence</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Appariées</translation>
    </message>
    <message>
        <source>Channels here</source>
        <translation>Chaînes ici</translation>
    </message>
    <message>
        <source>not found here</source>
        <translation>introuvable ici</translation>
    </message>
    <message>
        <source>%1: %2 channels</source>
        <translation>%1 : %2 chaînes</translation>
    </message>
    <message>
        <source>Satellites of the reference with channels and no partner here: %1. Their channels and favorites cannot be placed.</source>
        <translation>Satellites de la référence avec des chaînes et sans correspondance ici : %1. Leurs chaînes et favoris ne peuvent pas être placés.</translation>
    </message>
    <message>
        <source>&amp;Satellites:</source>
        <translation>&amp;Satellites :</translation>
    </message>
    <message>
        <source>Channels of the reference &amp;not found here: %1</source>
        <translation>Chaînes de la référence &amp;introuvables ici : %1</translation>
    </message>
    <message>
        <source>Channels here &amp;without a partner: %1</source>
        <translation>Chaînes d&apos;ici sans &amp;correspondance : %1</translation>
    </message>
    <message>
        <source>&amp;Favorite groups</source>
        <translation>&amp;Groupes de favoris</translation>
    </message>
    <message>
        <source>&amp;Locks, skips and &quot;Don&apos;t update&quot; marks, with the names kept by &quot;Don&apos;t update name&quot;</source>
        <translation>&amp;Verrouillages, sauts et marques « Ne pas mettre à jour », avec les noms conservés par « Ne pas mettre à jour le nom »</translation>
    </message>
    <message>
        <source>&amp;Every name from the reference</source>
        <translation>&amp;Tous les noms de la référence</translation>
    </message>
    <message>
        <source>These satellites of the reference have channels and no partner here:
%1

Their channels and favorites will not be placed. Apply anyway?</source>
        <translation>Ces satellites de la référence ont des chaînes mais aucune correspondance ici :
%1

Leurs chaînes et favoris ne seront pas placés. Appliquer quand même ?</translation>
    </message>
    <message>
        <source>Channel o&amp;rder</source>
        <translation>O&amp;rdre des chaînes</translation>
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
        <translation>Langue</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>Invalid PID</source>
        <translation>PID non valide</translation>
    </message>
    <message>
        <source>A program holds at most 255 audio tracks.</source>
        <translation>Une chaîne comporte au plus 255 pistes audio.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DÉF</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAJ</translation>
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
        <translation>Liste des chaînes</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>Re&amp;chercher</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>&amp;How to use...</source>
        <translation>&amp;Mode d&apos;emploi...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>All Satellites</source>
        <translation>Tous les satellites</translation>
    </message>
    <message>
        <source>%1 of %2 selected</source>
        <translation>%1 sur %2 sélectionnées</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 chaînes</translation>
    </message>
    <message>
        <source>Channel List (Modified)</source>
        <translation>Liste des chaînes (modifiée)</translation>
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
Pour trier la liste des chaînes

	- Cliquez avec le bouton gauche de la souris sur un en-tête de colonne.

Pour déplacer une chaîne

	- Faites glisser la chaîne et déposez-la.

Pour ajouter une chaîne à un groupe de favoris
Pour retirer une chaîne d&apos;un groupe de favoris

	- Cliquez avec le bouton droit de la souris sur le nom de la chaîne
</translation>
    </message>
    <message>
        <source>No match was found...</source>
        <translation>Aucune correspondance trouvée...</translation>
    </message>
    <message>
        <source>Discard the changes to the channel list?</source>
        <translation>Abandonner les modifications de la liste des chaînes ?</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Placer en tête</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Placer en fin</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Déplacer à la position...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Ajouter à %1</translation>
    </message>
    <message>
        <source>Remove from %1</source>
        <translation>Retirer de %1</translation>
    </message>
    <message>
        <source>Delete 1 channel?</source>
        <translation>Supprimer 1 chaîne ?</translation>
    </message>
    <message>
        <source>Delete %1 channels?</source>
        <translation>Supprimer %1 chaînes ?</translation>
    </message>
    <message>
        <source>Channel &amp;Group</source>
        <translation>&amp;Groupe de chaînes</translation>
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
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Every key of the list (picking rows, Lock, Skip, renaming, moving) is described in the user guide: press F1, or choose Help &gt; User Guide in the main window.</source>
        <translation>Toutes les touches de la liste (sélection de lignes, verrouillage, saut, renommage, déplacement) sont décrites dans le guide de l&apos;utilisateur : appuyez sur F1 ou choisissez Aide &gt; Guide de l&apos;utilisateur dans la fenêtre principale.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Sauter</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Renommer la chaîne</translation>
    </message>
</context>
<context>
    <name>ChannelListModel</name>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
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
        <translation>Favori</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verr.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saut</translation>
    </message>
</context>
<context>
    <name>ChannelListView</name>
    <message>
        <source>%1 channels</source>
        <translation>%1 chaînes</translation>
    </message>
</context>
<context>
    <name>CleanUp</name>
    <message>
        <source>duplicate programs</source>
        <translation>chaînes en double</translation>
    </message>
    <message>
        <source>duplicate transponders</source>
        <translation>transpondeurs en double</translation>
    </message>
    <message>
        <source>broken favorite entries</source>
        <translation>entrées de favoris endommagées</translation>
    </message>
    <message>
        <source>programs whose transponder does not exist</source>
        <translation>chaînes dont le transpondeur n&apos;existe pas</translation>
    </message>
    <message>
        <source>transponders without programs</source>
        <translation>transpondeurs sans chaînes</translation>
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
        <translation>un satellite absent</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3: same as %4</source>
        <translation>%1 sur %2, Service ID %3 : identique à %4</translation>
    </message>
    <message>
        <source>%1, service ID %2: transponder %3 does not exist</source>
        <translation>%1, Service ID %2 : le transpondeur %3 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1, symbol rate %2: same as %3 %4, %5 channels move there</source>
        <translation>%1, débit symbole %2 : identique à %3 %4, %5 chaînes y sont déplacées</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1, débit symbole %2</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Groupe %1 %2</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: program %3 does not exist</source>
        <translation>%1, entrée %2 de la liste TV : la chaîne %3 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: program %3 does not exist</source>
        <translation>%1, entrée %2 de la liste radio : la chaîne %3 n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: repeats %3</source>
        <translation>%1, entrée %2 de la liste TV : répète %3</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: repeats %3</source>
        <translation>%1, entrée %2 de la liste radio : répète %3</translation>
    </message>
</context>
<context>
    <name>CleanUpDialog</name>
    <message>
        <source>Clean Up</source>
        <translation>Nettoyer</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Nothing to clean up.</source>
        <translation>Rien à nettoyer.</translation>
    </message>
    <message>
        <source>Clean Up removed channels: %1, transponders: %2, favorite entries: %3.</source>
        <translation>Le nettoyage a supprimé chaînes : %1, transpondeurs : %2, entrées de favoris : %3.</translation>
    </message>
    <message>
        <source>Checked for removal: %1</source>
        <translation>Cochés pour suppression : %1</translation>
    </message>
    <message>
        <source>Check &amp;what to remove:</source>
        <translation>Cochez ce qu&apos;il faut &amp;supprimer :</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New...	Ctrl+N</source>
        <translation>&amp;Nouveau...	Ctrl+N</translation>
    </message>
    <message>
        <source>Creates a new NDF file</source>
        <translation>Crée un nouveau fichier NDF</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Ouvrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>Opens an existing NDF file</source>
        <translation>Ouvre un fichier NDF existant</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Closes the NDF file</source>
        <translation>Ferme le fichier NDF</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>Saves the NDF file</source>
        <translation>Enregistre le fichier NDF</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Saves the NDF file with a new name</source>
        <translation>Enregistre le fichier NDF sous un nouveau nom</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print all or parts of the NDF file</source>
        <translation>Imprime tout ou partie du fichier NDF</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&amp;Export Channel List...</source>
        <translation>E&amp;xporter la liste des chaînes...</translation>
    </message>
    <message>
        <source>Save the channel list as a CSV, HTML or PDF file</source>
        <translation>Enregistre la liste des chaînes au format CSV, HTML ou PDF</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Exporter la liste des chaînes</translation>
    </message>
    <message>
        <source>Modification &amp;Date...</source>
        <translation>&amp;Date de modification...</translation>
    </message>
    <message>
        <source>Show/Edit the recent modification date</source>
        <translation>Affiche ou modifie la date de dernière modification</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt+F4</source>
        <translation>&amp;Quitter	Alt+F4</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the NDF file</source>
        <translation>Quitte l&apos;application ; propose d&apos;enregistrer le fichier NDF</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Annule la dernière modification</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Redo the change that was undone</source>
        <translation>Rétablit la modification annulée</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Restore &amp;Discarded Channel List Changes</source>
        <translation>Restaurer les &amp;modifications abandonnées de la liste des chaînes</translation>
    </message>
    <message>
        <source>Open the channel list again with the changes that were discarded</source>
        <translation>Rouvre la liste des chaînes avec les modifications abandonnées</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Editbar</source>
        <translation>Barre d&apos;&amp;édition</translation>
    </message>
    <message>
        <source>Show or hide the edit bar</source>
        <translation>Affiche ou masque la barre d&apos;édition</translation>
    </message>
    <message>
        <source>Toggle EditBar</source>
        <translation>Afficher/masquer la barre d&apos;édition</translation>
    </message>
    <message>
        <source>Show the channel list</source>
        <translation>Affiche la liste des chaînes</translation>
    </message>
    <message>
        <source>Ch List</source>
        <translation>Liste des chaînes</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barre d&apos;&amp;outils</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Affiche ou masque la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Afficher/masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Affiche ou masque la barre d&apos;état</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Afficher/masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>&amp;Satellite</source>
        <translation>&amp;Satellite</translation>
    </message>
    <message>
        <source>Import &amp;SATCODX</source>
        <translation>&amp;Importer SATCODX</translation>
    </message>
    <message>
        <source>Load the selected satellite from SATCODX file</source>
        <translation>Charge le satellite sélectionné depuis un fichier SATCODX</translation>
    </message>
    <message>
        <source>SATCODX</source>
        <translation>SATCODX</translation>
    </message>
    <message>
        <source>Sort by &amp;Degree</source>
        <translation>&amp;Trier par position</translation>
    </message>
    <message>
        <source>Sort the satellite list by degree</source>
        <translation>Trie la liste des satellites par position orbitale</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Trier par position</translation>
    </message>
    <message>
        <source>&amp;Transponder</source>
        <translation>&amp;Transpondeur</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Add a new transponder</source>
        <translation>Ajoute un nouveau transpondeur</translation>
    </message>
    <message>
        <source>Add Tp</source>
        <translation>Ajouter un transpondeur</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Supprimer la sélection</translation>
    </message>
    <message>
        <source>Delete the selected transponder</source>
        <translation>Supprime le transpondeur sélectionné</translation>
    </message>
    <message>
        <source>Delete Tp</source>
        <translation>Supprimer le transpondeur</translation>
    </message>
    <message>
        <source>Delete All in &amp;Net</source>
        <translation>Tout supprimer sur le sa&amp;tellite</translation>
    </message>
    <message>
        <source>Delete all transponders in the selected network</source>
        <translation>Supprime tous les transpondeurs du satellite sélectionné</translation>
    </message>
    <message>
        <source>Delete All Tps in Net</source>
        <translation>Supprimer tous les transpondeurs du satellite</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Chaîne</translation>
    </message>
    <message>
        <source>Add a new program</source>
        <translation>Ajoute une nouvelle chaîne</translation>
    </message>
    <message>
        <source>Add Prog</source>
        <translation>Ajouter une chaîne</translation>
    </message>
    <message>
        <source>Delete the selected program</source>
        <translation>Supprime la chaîne sélectionnée</translation>
    </message>
    <message>
        <source>Delete Prog</source>
        <translation>Supprimer la chaîne</translation>
    </message>
    <message>
        <source>Delete All in &amp;Transponder</source>
        <translation>Tout supprimer sur le t&amp;ranspondeur</translation>
    </message>
    <message>
        <source>Delete all programs in the selected transponder</source>
        <translation>Supprime toutes les chaînes du transpondeur sélectionné</translation>
    </message>
    <message>
        <source>Delete Progs In Tp</source>
        <translation>Supprimer toutes les chaînes du transpondeur</translation>
    </message>
    <message>
        <source>Delete all programs in the selected network</source>
        <translation>Supprime toutes les chaînes du satellite sélectionné</translation>
    </message>
    <message>
        <source>Delete Progs In Net</source>
        <translation>Supprimer toutes les chaînes du satellite</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Appliquer l&apos;ordre</translation>
    </message>
    <message>
        <source>Find duplicate and broken records and remove them</source>
        <translation>Recherche les enregistrements en double ou endommagés et les supprime</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Nettoyer</translation>
    </message>
    <message>
        <source>Show what differs between this file and another NDF file</source>
        <translation>Affiche les différences entre ce fichier et un autre fichier NDF</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;About Dishline...</source>
        <translation>À &amp;propos de Dishline...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Affiche les informations sur le programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Take the channel order, favorite groups, locks, skips and kept names from another NDF file</source>
        <translation>Reprend l&apos;ordre des chaînes, les groupes de favoris, les verrouillages, les sauts et les noms conservés d&apos;un autre fichier NDF</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>Re&amp;chercher...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find programs, transponders and satellites by name or number</source>
        <translation>Recherche des chaînes, transpondeurs et satellites par nom ou numéro</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&amp;Lock	Ctrl+L</source>
        <translation>&amp;Verrouiller	Ctrl+L</translation>
    </message>
    <message>
        <source>Lock or unlock the selected programs</source>
        <translation>Verrouille ou déverrouille les chaînes sélectionnées</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>S&amp;kip	Ctrl+K</source>
        <translation>Sa&amp;uter	Ctrl+K</translation>
    </message>
    <message>
        <source>Mark or unmark the selected programs to be skipped</source>
        <translation>Marque ou démarque les chaînes sélectionnées à sauter lors du zapping</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Sauter</translation>
    </message>
    <message>
        <source>&amp;Channel List	F7</source>
        <translation>&amp;Liste des chaînes	F7</translation>
    </message>
    <message>
        <source>Apply &amp;Order from File...	Ctrl+Shift+O</source>
        <translation>Appliquer l&apos;&amp;ordre d&apos;un fichier...	Ctrl+Maj+O</translation>
    </message>
    <message>
        <source>&amp;Clean Up...	Ctrl+Shift+L</source>
        <translation>&amp;Nettoyer...	Ctrl+Maj+L</translation>
    </message>
    <message>
        <source>Co&amp;mpare with File...	Ctrl+Shift+M</source>
        <translation>&amp;Comparer avec un fichier...	Ctrl+Maj+M</translation>
    </message>
    <message>
        <source>&amp;User Guide	F1</source>
        <translation>&amp;Guide de l&apos;utilisateur	F1</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Ouvre le guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guide de l&apos;utilisateur</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>No differences.</source>
        <translation>Aucune différence.</translation>
    </message>
    <message>
        <source>Satellites only in A</source>
        <translation>Satellites seulement dans A</translation>
    </message>
    <message>
        <source>Satellites only in B</source>
        <translation>Satellites seulement dans B</translation>
    </message>
    <message>
        <source>Satellites changed</source>
        <translation>Satellites modifiés</translation>
    </message>
    <message>
        <source>Transponders only in A</source>
        <translation>Transpondeurs seulement dans A</translation>
    </message>
    <message>
        <source>Transponders only in B</source>
        <translation>Transpondeurs seulement dans B</translation>
    </message>
    <message>
        <source>Transponders changed</source>
        <translation>Transpondeurs modifiés</translation>
    </message>
    <message>
        <source>Programs only in A</source>
        <translation>Chaînes seulement dans A</translation>
    </message>
    <message>
        <source>Programs only in B</source>
        <translation>Chaînes seulement dans B</translation>
    </message>
    <message>
        <source>Programs changed</source>
        <translation>Chaînes modifiées</translation>
    </message>
    <message>
        <source>Programs moved</source>
        <translation>Chaînes déplacées</translation>
    </message>
    <message>
        <source>Favorite groups only in A</source>
        <translation>Groupes de favoris seulement dans A</translation>
    </message>
    <message>
        <source>Favorite groups only in B</source>
        <translation>Groupes de favoris seulement dans B</translation>
    </message>
    <message>
        <source>Favorite groups changed</source>
        <translation>Groupes de favoris modifiés</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <source>position</source>
        <translation>position</translation>
    </message>
    <message>
        <source>positioner ID</source>
        <translation>position du moteur</translation>
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
        <translation>réglage d&apos;antenne</translation>
    </message>
    <message>
        <source>DiSEqC mode</source>
        <translation>mode DiSEqC</translation>
    </message>
    <message>
        <source>LNB supply</source>
        <translation>alimentation LNB</translation>
    </message>
    <message>
        <source>switch port</source>
        <translation>entrée du commutateur</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>type de LNB</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>fréquence LNB</translation>
    </message>
    <message>
        <source>LNB frequency high</source>
        <translation>fréquence LNB haute</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>fréquence</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>débit symbole</translation>
    </message>
    <message>
        <source>polarity</source>
        <translation>polarisation</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>frequency drift</source>
        <translation>dérive de fréquence</translation>
    </message>
    <message>
        <source>GMT error</source>
        <translation>écart GMT</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>transpondeur</translation>
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
        <translation>PID vidéo</translation>
    </message>
    <message>
        <source>audio PIDs</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>teletext PIDs</source>
        <translation>PID télétexte</translation>
    </message>
    <message>
        <source>CA mask</source>
        <translation>masque CA</translation>
    </message>
    <message>
        <source>attributes</source>
        <translation>attributs</translation>
    </message>
    <message>
        <source>attributes 2</source>
        <translation>attributs 2</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Cryptée</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouillage</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saut</translation>
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
        <translation>Ne pas mettre à jour les PID vidéo/audio</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Ne pas mettre à jour le nom</translation>
    </message>
    <message>
        <source>Don&apos;t update with service ID</source>
        <translation>Ne pas mettre à jour par Service ID</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>present</source>
        <translation>présent</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>non défini</translation>
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
        <translation>chaîne %1 (absente)</translation>
    </message>
    <message>
        <source>transponder %1 (missing)</source>
        <translation>transpondeur %1 (absent)</translation>
    </message>
    <message>
        <source>a missing satellite</source>
        <translation>un satellite absent</translation>
    </message>
    <message>
        <source>a missing transponder</source>
        <translation>un transpondeur absent</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1, débit symbole %2</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3</source>
        <translation>%1 sur %2, Service ID %3</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Groupe %1 %2</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>%1 TV, %2 radio</translation>
    </message>
    <message>
        <source>TV list: %1 only in A</source>
        <translation>Liste TV : %1 seulement dans A</translation>
    </message>
    <message>
        <source>TV list: %1 only in B</source>
        <translation>Liste TV : %1 seulement dans B</translation>
    </message>
    <message>
        <source>radio list: %1 only in A</source>
        <translation>liste radio : %1 seulement dans A</translation>
    </message>
    <message>
        <source>radio list: %1 only in B</source>
        <translation>liste radio : %1 seulement dans B</translation>
    </message>
    <message>
        <source>TV list: order changed</source>
        <translation>Liste TV : ordre modifié</translation>
    </message>
    <message>
        <source>radio list: order changed</source>
        <translation>liste radio : ordre modifié</translation>
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
        <translation>Comparer avec un fichier</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Copier</translation>
    </message>
</context>
<context>
    <name>EditBar</name>
    <message>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Chaîne</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>No satellite lines were found in %1.</source>
        <translation>Aucune ligne de satellite trouvée dans %1.</translation>
    </message>
    <message>
        <source>The listing is for %1, but the selected satellite is %2 at %3. Import it anyway?</source>
        <translation>La liste concerne %1, mais le satellite sélectionné est %2 à %3. Importer quand même ?</translation>
    </message>
    <message>
        <source>%1 transponders added to %2; %3 already present, %4 lines skipped.</source>
        <translation>%1 transpondeurs ajoutés à %2 ; %3 déjà présents, %4 lignes ignorées.</translation>
    </message>
    <message>
        <source>Some of network parameters are changed.
Do you want to apply?</source>
        <translation>Certains paramètres du satellite ont été modifiés.
Voulez-vous appliquer les modifications ?</translation>
    </message>
    <message>
        <source>Some of antenna configurations are changed.
Do you want to apply?</source>
        <translation>Certains réglages d&apos;antenne ont été modifiés.
Voulez-vous appliquer les modifications ?</translation>
    </message>
    <message>
        <source>Invalid frequency or symbol rate
Correct the errors or delete the transponder</source>
        <translation>Fréquence ou débit symbole non valide
Corrigez les erreurs ou supprimez le transpondeur</translation>
    </message>
    <message>
        <source>Some of transponder parameters are changed.
Do you want to apply?</source>
        <translation>Certains paramètres du transpondeur ont été modifiés.
Voulez-vous appliquer les modifications ?</translation>
    </message>
    <message>
        <source>Some of program parameters are changed.
Do you want to apply?</source>
        <translation>Certains paramètres de la chaîne ont été modifiés.
Voulez-vous appliquer les modifications ?</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Sans nom</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source> (Modified)</source>
        <translation> (modifié)</translation>
    </message>
    <message>
        <source>Not yet ...</source>
        <translation>Pas encore disponible ...</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|Web page (*.html)|*.html|PDF file (*.pdf)|*.pdf||</source>
        <translation>Fichier CSV (*.csv)|*.csv|Page web (*.html)|*.html|Fichier PDF (*.pdf)|*.pdf||</translation>
    </message>
    <message>
        <source>Exporting the channel list...</source>
        <translation>Exportation de la liste des chaînes...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Exporter la liste des chaînes</translation>
    </message>
    <message>
        <source>Network Dababase File (*.NDF)|*.NDF|All file (*.*)|*.*||</source>
        <translation>Base de chaînes NDF (*.NDF)|*.NDF|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SATCODX File (*.SDX)|*.SDX|All file (*.*)|*.*||</source>
        <translation>Fichier SATCODX (*.SDX)|*.SDX|Tous les fichiers (*.*)|*.*||</translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>&amp;Annuler : %1	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <translation>&amp;Rétablir : %1	Ctrl+Y</translation>
    </message>
    <message>
        <source>Sort by Degree needs one antenna configuration for each satellite.</source>
        <translation>Pour trier par position, chaque satellite doit avoir son propre réglage d&apos;antenne.</translation>
    </message>
    <message>
        <source>Work on %1 from %2 was not saved.
Do you want to recover it?</source>
        <translation>Le travail sur %1 du %2 n&apos;a pas été enregistré.
Voulez-vous le récupérer ?</translation>
    </message>
    <message>
        <source>%1 was changed by another program after it was opened.
Do you want to overwrite it?</source>
        <translation>%1 a été modifié par un autre programme après son ouverture.
Voulez-vous l&apos;écraser ?</translation>
    </message>
    <message>
        <source>The file on disk has not been changed.</source>
        <translation>Le fichier sur le disque n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Aucun fichier n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>A: %1 (open)
B: %2</source>
        <translation>A : %1 (ouvert)
B : %2</translation>
    </message>
    <message>
        <source>%1 (%2 selected)</source>
        <translation>%1 (%2 sélectionnés)</translation>
    </message>
    <message>
        <source>Delete the program &quot;%1&quot;?</source>
        <translation>Supprimer la chaîne « %1 » ?</translation>
    </message>
    <message>
        <source>Delete %1 programs?</source>
        <translation>Supprimer %1 chaînes ?</translation>
    </message>
    <message>
        <source>Delete the transponder %1 with its programs?</source>
        <translation>Supprimer le transpondeur %1 avec ses chaînes ?</translation>
    </message>
    <message>
        <source>Delete %1 transponders with their programs?</source>
        <translation>Supprimer %1 transpondeurs avec leurs chaînes ?</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>en</source>
        <extracomment>The language code of the exported web page&apos;s lang attribute: &quot;de&quot; in German.</extracomment>
        <translation>fr</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Débit symbole</translation>
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
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Channel list: %1</source>
        <translation>Liste des chaînes : %1</translation>
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
        <translation>%1 chaîne</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 chaînes</translation>
    </message>
    <message>
        <source>No channels.</source>
        <translation>Aucune chaîne.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Toutes les chaînes</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Chaînes TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Chaînes radio</translation>
    </message>
    <message>
        <source>Satellite %1 (%2)</source>
        <translation>Satellite %1 (%2)</translation>
    </message>
    <message>
        <source>Favorite group %1</source>
        <translation>Groupe de favoris %1</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Exporter la liste des chaînes</translation>
    </message>
    <message>
        <source>&amp;All channels</source>
        <translation>&amp;Toutes les chaînes</translation>
    </message>
    <message>
        <source>&amp;TV channels</source>
        <translation>Chaînes T&amp;V</translation>
    </message>
    <message>
        <source>&amp;Radio channels</source>
        <translation>Chaînes &amp;radio</translation>
    </message>
    <message>
        <source>One &amp;satellite:</source>
        <translation>Un &amp;satellite :</translation>
    </message>
    <message>
        <source>One &amp;favorite group:</source>
        <translation>Un groupe de &amp;favoris :</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Fav%1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>%1 channels: a web page this long is more than a browser prints well. To print the list, export it as a PDF file.</source>
        <translation>%1 chaînes : un navigateur imprime mal une page web aussi longue. Pour imprimer la liste, exportez-la au format PDF.</translation>
    </message>
</context>
<context>
    <name>FavoriteNamesDialog</name>
    <message>
        <source>Favorite Group Name</source>
        <translation>Nom du groupe de favoris</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Rechercher :</translation>
    </message>
    <message>
        <source>Name, service ID or frequency</source>
        <translation>Nom, Service ID ou fréquence</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Résultat précédent (Maj+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Résultat suivant (F3)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Show only the matching programs with their transponders and satellites</source>
        <translation>N&apos;affiche que les chaînes trouvées avec leurs transpondeurs et satellites</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fermer (Échap)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucun résultat</translation>
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
        <translation>%1 (inconnu)</translation>
    </message>
</context>
<context>
    <name>ModificationDateDialog</name>
    <message>
        <source>Recent modification date</source>
        <translation>Date de dernière modification</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>[Area code][Version in decimal] EX&gt; B002</source>
        <translation>[Code de zone][Version en décimal] Ex. : B002</translation>
    </message>
    <message>
        <source>Invalid version input</source>
        <translation>Version saisie non valide</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Date</translation>
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
        <translation>Déplacer à la position</translation>
    </message>
    <message>
        <source>&amp;Number (1 to %1):</source>
        <translation>&amp;Numéro (1 à %1) :</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>NetworkPane</name>
    <message>
        <source>Single</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universel</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ARRÊT</translation>
    </message>
    <message>
        <source>ON (Auto)</source>
        <translation>MARCHE (auto)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>BOTH</source>
        <translation>LES DEUX</translation>
    </message>
    <message>
        <source>Exists</source>
        <translation>Présent</translation>
    </message>
    <message>
        <source> Na&amp;me</source>
        <translation> No&amp;m</translation>
    </message>
    <message>
        <source> &amp;Degree</source>
        <translation> &amp;Position</translation>
    </message>
    <message>
        <source> LNB T&amp;ype</source>
        <translation> T&amp;ype de LNB</translation>
    </message>
    <message>
        <source> &amp;LNB Freq</source>
        <translation> Fré&amp;quence LNB</translation>
    </message>
    <message>
        <source> L&amp;NB Freq H</source>
        <translation> Fréquence &amp;LNB H</translation>
    </message>
    <message>
        <source> LN&amp;B Power/Switch</source>
        <translation> Al&amp;imentation LNB/commutation</translation>
    </message>
    <message>
        <source> &amp;22Khz Switch</source>
        <translation> Commutation &amp;22 kHz</translation>
    </message>
    <message>
        <source> &amp;12V Switch</source>
        <translation> Commutation &amp;12 V</translation>
    </message>
    <message>
        <source> D&amp;iSEqC Switch Level</source>
        <translation> Ve&amp;rsion du commutateur DiSEqC</translation>
    </message>
    <message>
        <source> DiSEqC S&amp;witch Port</source>
        <translation> &amp;Entrée du commutateur DiSEqC</translation>
    </message>
    <message>
        <source> DiSEqC Positione&amp;r Level</source>
        <translation> &amp;Version du moteur DiSEqC</translation>
    </message>
    <message>
        <source> DiSE&amp;qC Positioner ID</source>
        <translation> Position d&amp;u moteur DiSEqC</translation>
    </message>
    <message>
        <source> Skew &amp;Controller</source>
        <translation> Contr&amp;ôleur de skew</translation>
    </message>
    <message>
        <source> Skew &amp;Angle V</source>
        <translation> A&amp;ngle de skew V</translation>
    </message>
    <message>
        <source> Skew An&amp;gle H</source>
        <translation> Angle de skew &amp;H</translation>
    </message>
</context>
<context>
    <name>NetworkTreeModel</name>
    <message>
        <source>(No name)</source>
        <translation>(Sans nom)</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Verrouillée</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Sautée</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Cryptée</translation>
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
        <translation>S.-titres</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attributs</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Ne pas mettre à jour le nom</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>Ne pas mettre à jour les PID vidéo/audio</translation>
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
        <translation>C&amp;ryptée</translation>
    </message>
    <message>
        <source>More A&amp;udio...</source>
        <translation>Autres &amp;bandes son...</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>Verroui&amp;ller</translation>
    </message>
    <message>
        <source>Sk&amp;ip</source>
        <translation>Sa&amp;uter</translation>
    </message>
    <message>
        <source>Don&apos;t update &amp;with service ID</source>
        <translation>Ne pas mettre &amp;à jour par Service ID</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> &amp;Nom</translation>
    </message>
    <message>
        <source> Se&amp;rvice ID</source>
        <translation> S&amp;ervice ID</translation>
    </message>
    <message>
        <source> Service T&amp;ype</source>
        <translation> T&amp;ype de service</translation>
    </message>
    <message>
        <source> P&amp;MT PID</source>
        <translation> PID P&amp;MT</translation>
    </message>
    <message>
        <source> P&amp;CR PID</source>
        <translation> P&amp;ID PCR</translation>
    </message>
    <message>
        <source> Vi&amp;deo PID</source>
        <translation> PID &amp;vidéo</translation>
    </message>
    <message>
        <source> &amp;Audio PID</source>
        <translation> &amp;PID audio</translation>
    </message>
    <message>
        <source> Telete&amp;xt PID</source>
        <translation> PID téléte&amp;xte</translation>
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
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Insufficient memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>Aucun fichier trouvé</translation>
    </message>
    <message>
        <source>File crashed</source>
        <translation>Fichier endommagé</translation>
    </message>
    <message>
        <source>Creating file failed</source>
        <translation>Impossible de créer le fichier</translation>
    </message>
    <message>
        <source>Invalid NDF format</source>
        <translation>Format NDF non valide</translation>
    </message>
    <message>
        <source>Bad checksum</source>
        <translation>Somme de contrôle incorrecte</translation>
    </message>
    <message>
        <source>NDF Version not supported</source>
        <translation>Version NDF non prise en charge</translation>
    </message>
    <message>
        <source>Too many records for the NDF format</source>
        <translation>Trop d&apos;enregistrements pour le format NDF</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Modification Date</source>
        <translation>Date de modification</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Liste des chaînes</translation>
    </message>
    <message>
        <source>Import SATCODX</source>
        <translation>Importer SATCODX</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Modifier le satellite</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Modifier le transpondeur</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Modifier la chaîne</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Trier par position</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Ajouter un transpondeur</translation>
    </message>
    <message>
        <source>Add Program</source>
        <translation>Ajouter une chaîne</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Supprimer le transpondeur</translation>
    </message>
    <message>
        <source>Delete All Transponders in Net</source>
        <translation>Supprimer tous les transpondeurs du satellite</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Supprimer la chaîne</translation>
    </message>
    <message>
        <source>Delete All Programs in Transponder</source>
        <translation>Supprimer toutes les chaînes du transpondeur</translation>
    </message>
    <message>
        <source>Delete All Programs in Net</source>
        <translation>Supprimer toutes les chaînes du satellite</translation>
    </message>
    <message>
        <source>Apply Order from File</source>
        <translation>Appliquer l&apos;ordre d&apos;un fichier</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Nettoyer</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Verrouiller</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Déverrouiller</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Sauter</translation>
    </message>
    <message>
        <source>Do Not Skip</source>
        <translation>Ne pas sauter</translation>
    </message>
    <message>
        <source>Delete Programs</source>
        <translation>Supprimer les chaînes</translation>
    </message>
    <message>
        <source>Delete Transponders</source>
        <translation>Supprimer les transpondeurs</translation>
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
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
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
        <translation>Horizontale</translation>
    </message>
    <message>
        <source>Circular Right</source>
        <translation>Circulaire droite</translation>
    </message>
    <message>
        <source>Circular Left</source>
        <translation>Circulaire gauche</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> &amp;Nom</translation>
    </message>
    <message>
        <source> F&amp;requency</source>
        <translation> Fré&amp;quence</translation>
    </message>
    <message>
        <source> S&amp;ymbol Rate</source>
        <translation> Dé&amp;bit symbole</translation>
    </message>
    <message>
        <source> Po&amp;larity</source>
        <translation> &amp;Polarisation</translation>
    </message>
    <message>
        <source> FE&amp;C</source>
        <translation> F&amp;EC</translation>
    </message>
    <message>
        <source> Freq &amp;Drift</source>
        <translation> Dé&amp;rive de fréquence</translation>
    </message>
    <message>
        <source> &amp;GMT Error</source>
        <translation> Écart &amp;GMT</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>Dishline User Guide</source>
        <translation>Guide de l&apos;utilisateur de Dishline</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
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
        <translation>Éditeur de bases de chaînes NDF</translation>
    </message>
    <message>
        <source>An NDF file to open.</source>
        <translation>Un fichier NDF à ouvrir.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[fichier]</translation>
    </message>
</context>
</TS>
