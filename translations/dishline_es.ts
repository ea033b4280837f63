<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Dishline</source>
        <translation>Acerca de Dishline</translation>
    </message>
    <message>
        <source>Dishline Version 1.3</source>
        <translation>Dishline versión 1.3</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>ApplyOrderDialog</name>
    <message>
        <source>Apply Order from File</source>
        <translation>Aplicar orden desde archivo</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarización</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service ID</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
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
        <translation>Referencia: %1
%2 de %3 canales de la referencia emparejados: %4 por Service ID y frecuencia, %5 solo por Service ID, %6 por nombre.
Los satélites se emparejan por posición con un margen de %7°, los canales por Service ID y frecuencia con un margen de %8 MHz y después por nombre (sin distinguir mayúsculas ni un HD, SD o UHD final).</translation>
    </message>
    <message>
        <source>Reference satellite</source>
        <translation>Satélite de referencia</translation>
    </message>
    <message>
        <source>Satellite here</source>
        <translation>Satélite aquí</translation>
    </message>
    <message>
        <source>Channels in the reference</source>
        <translation>Canales en la referencia</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Emparejados</translation>
    </message>
    <message>
        <source>Channels here</source>
        <translation>Canales aquí</translation>
    </message>
    <message>
        <source>not found here</source>
        <translation>no encontrado aquí</translation>
    </message>
    <message>
        <source>%1: %2 channels</source>
        <translation>%1: %2 canales</translation>
    </message>
    <message>
        <source>Satellites of the reference with channels and no partner here: %1. Their channels and favorites cannot be placed.</source>
        <translation>Satélites de la referencia con canales y sin pareja aquí: %1. Sus canales y favoritos no se pueden colocar.</translation>
    </message>
    <message>
        <source>&amp;Satellites:</source>
        <translation>&amp;Satélites:</translation>
    </message>
    <message>
        <source>Channels of the reference &amp;not found here: %1</source>
        <translation>Canales de la referencia &amp;no encontrados aquí: %1</translation>
    </message>
    <message>
        <source>Channels here &amp;without a partner: %1</source>
        <translation>Canales de aquí sin &amp;pareja: %1</translation>
    </message>
    <message>
        <source>&amp;Favorite groups</source>
        <translation>&amp;Grupos de favoritos</translation>
    </message>
    <message>
        <source>&amp;Locks, skips and &quot;Don&apos;t update&quot; marks, with the names kept by &quot;Don&apos;t update name&quot;</source>
        <translation>&amp;Bloqueos, saltos y marcas «No actualizar», con los nombres conservados por «No actualizar el nombre»</translation>
    </message>
    <message>
        <source>&amp;Every name from the reference</source>
        <translation>&amp;Todos los nombres de la referencia</translation>
    </message>
    <message>
        <source>These satellites of the reference have channels and no partner here:
%1

Their channels and favorites will not be placed. Apply anyway?</source>
        <translation>Estos satélites de la referencia tienen canales y no tienen pareja aquí:
%1

Sus canales y favoritos no se colocarán. ¿Aplicar de todos modos?</translation>
    </message>
    <message>
        <source>Channel o&amp;rder</source>
        <translation>&amp;Orden de canales</translation>
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
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Enc</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Aña&amp;dir</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <source>Invalid PID</source>
        <translation>PID no válido</translation>
    </message>
    <message>
        <source>A program holds at most 255 audio tracks.</source>
        <translation>Un canal admite como máximo 255 pistas de audio.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>DESPL</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>MAYÚS</translation>
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
        <translation>Lista de canales</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>Cambiar &amp;nombre</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>&amp;How to use...</source>
        <translation>&amp;Instrucciones...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>All Satellites</source>
        <translation>Todos los satélites</translation>
    </message>
    <message>
        <source>%1 of %2 selected</source>
        <translation>%1 de %2 seleccionados</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>Channel List (Modified)</source>
        <translation>Lista de canales (modificada)</translation>
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
Para ordenar la lista de canales

	- Haga clic con el botón izquierdo del ratón en el encabezado de una columna.

Para mover un canal

	- Arrastre y suelte el canal.

Para añadir un canal a un grupo de favoritos
Para quitar un canal de un grupo de favoritos

	- Haga clic con el botón derecho del ratón en el nombre del canal
</translation>
    </message>
    <message>
        <source>No match was found...</source>
        <translation>No se encontró ninguna coincidencia...</translation>
    </message>
    <message>
        <source>Discard the changes to the channel list?</source>
        <translation>¿Descartar los cambios de la lista de canales?</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Mover al principio</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Mover al final</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Mover a la posición...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Añadir a %1</translation>
    </message>
    <message>
        <source>Remove from %1</source>
        <translation>Quitar de %1</translation>
    </message>
    <message>
        <source>Delete 1 channel?</source>
        <translation>¿Eliminar 1 canal?</translation>
    </message>
    <message>
        <source>Delete %1 channels?</source>
        <translation>¿Eliminar %1 canales?</translation>
    </message>
    <message>
        <source>Channel &amp;Group</source>
        <translation>&amp;Grupo de canales</translation>
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
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>Every key of the list (picking rows, Lock, Skip, renaming, moving) is described in the user guide: press F1, or choose Help &gt; User Guide in the main window.</source>
        <translation>Todas las teclas de la lista (seleccionar filas, bloquear, saltar, cambiar nombre, mover) se describen en la guía del usuario: pulse F1 o elija Ayuda &gt; Guía del usuario en la ventana principal.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saltar</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Cambiar nombre del canal</translation>
    </message>
</context>
<context>
    <name>ChannelListModel</name>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favorito</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloq.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saltar</translation>
    </message>
</context>
<context>
    <name>ChannelListView</name>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
</context>
<context>
    <name>CleanUp</name>
    <message>
        <source>duplicate programs</source>
        <translation>canales duplicados</translation>
    </message>
    <message>
        <source>duplicate transponders</source>
        <translation>transpondedores duplicados</translation>
    </message>
    <message>
        <source>broken favorite entries</source>
        <translation>entradas de favoritos dañadas</translation>
    </message>
    <message>
        <source>programs whose transponder does not exist</source>
        <translation>canales cuyo transpondedor no existe</translation>
    </message>
    <message>
        <source>transponders without programs</source>
        <translation>transpondedores sin canales</translation>
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
        <translation>un satélite que falta</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3: same as %4</source>
        <translation>%1 en %2, Service ID %3: igual que %4</translation>
    </message>
    <message>
        <source>%1, service ID %2: transponder %3 does not exist</source>
        <translation>%1, Service ID %2: el transpondedor %3 no existe</translation>
    </message>
    <message>
        <source>%1, symbol rate %2: same as %3 %4, %5 channels move there</source>
        <translation>%1, tasa de símbolos %2: igual que %3 %4, %5 canales pasan a él</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1, tasa de símbolos %2</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Grupo %1 %2</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: program %3 does not exist</source>
        <translation>%1, entrada %2 de la lista de TV: el canal %3 no existe</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: program %3 does not exist</source>
        <translation>%1, entrada %2 de la lista de radio: el canal %3 no existe</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: repeats %3</source>
        <translation>%1, entrada %2 de la lista de TV: repite %3</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: repeats %3</source>
        <translation>%1, entrada %2 de la lista de radio: repite %3</translation>
    </message>
</context>
<context>
    <name>CleanUpDialog</name>
    <message>
        <source>Clean Up</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing to clean up.</source>
        <translation>No hay nada que limpiar.</translation>
    </message>
    <message>
        <source>Clean Up removed channels: %1, transponders: %2, favorite entries: %3.</source>
        <translation>La limpieza eliminó canales: %1, transpondedores: %2, entradas de favoritos: %3.</translation>
    </message>
    <message>
        <source>Checked for removal: %1</source>
        <translation>Marcados para eliminar: %1</translation>
    </message>
    <message>
        <source>Check &amp;what to remove:</source>
        <translation>Marque lo que se va a &amp;eliminar:</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New...	Ctrl+N</source>
        <translation>&amp;Nuevo...	Control+N</translation>
    </message>
    <message>
        <source>Creates a new NDF file</source>
        <translation>Crea un archivo NDF nuevo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Control+O</translation>
    </message>
    <message>
        <source>Opens an existing NDF file</source>
        <translation>Abre un archivo NDF existente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Closes the NDF file</source>
        <translation>Cierra el archivo NDF</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Guardar	Control+S</translation>
    </message>
    <message>
        <source>Saves the NDF file</source>
        <translation>Guarda el archivo NDF</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar c&amp;omo...</translation>
    </message>
    <message>
        <source>Saves the NDF file with a new name</source>
        <translation>Guarda el archivo NDF con otro nombre</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Control+P</translation>
    </message>
    <message>
        <source>Print all or parts of the NDF file</source>
        <translation>Imprime todo el archivo NDF o parte de él</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Export Channel List...</source>
        <translation>&amp;Exportar lista de canales...</translation>
    </message>
    <message>
        <source>Save the channel list as a CSV, HTML or PDF file</source>
        <translation>Guarda la lista de canales como archivo CSV, HTML o PDF</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Exportar lista de canales</translation>
    </message>
    <message>
        <source>Modification &amp;Date...</source>
        <translation>&amp;Fecha de modificación...</translation>
    </message>
    <message>
        <source>Show/Edit the recent modification date</source>
        <translation>Muestra o cambia la fecha de la última modificación</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt+F4</source>
        <translation>&amp;Salir	Alt+F4</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the NDF file</source>
        <translation>Cierra la aplicación; pregunta si se guarda el archivo NDF</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Deshace el último cambio</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Redo the change that was undone</source>
        <translation>Rehace el cambio deshecho</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Restore &amp;Discarded Channel List Changes</source>
        <translation>Recuperar los &amp;cambios descartados de la lista de canales</translation>
    </message>
    <message>
        <source>Open the channel list again with the changes that were discarded</source>
        <translation>Vuelve a abrir la lista de canales con los cambios descartados</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Editbar</source>
        <translation>Barra de &amp;edición</translation>
    </message>
    <message>
        <source>Show or hide the edit bar</source>
        <translation>Muestra u oculta la barra de edición</translation>
    </message>
    <message>
        <source>Toggle EditBar</source>
        <translation>Mostrar/ocultar barra de edición</translation>
    </message>
    <message>
        <source>Show the channel list</source>
        <translation>Muestra la lista de canales</translation>
    </message>
    <message>
        <source>Ch List</source>
        <translation>Lista de canales</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Muestra u oculta la barra de herramientas</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Mostrar/ocultar barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de e&amp;stado</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Muestra u oculta la barra de estado</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Mostrar/ocultar barra de estado</translation>
    </message>
    <message>
        <source>&amp;Satellite</source>
        <translation>&amp;Satélite</translation>
    </message>
    <message>
        <source>Import &amp;SATCODX</source>
        <translation>&amp;Importar SATCODX</translation>
    </message>
    <message>
        <source>Load the selected satellite from SATCODX file</source>
        <translation>Carga el satélite seleccionado desde un archivo SATCODX</translation>
    </message>
    <message>
        <source>SATCODX</source>
        <translation>SATCODX</translation>
    </message>
    <message>
        <source>Sort by &amp;Degree</source>
        <translation>&amp;Ordenar por posición</translation>
    </message>
    <message>
        <source>Sort the satellite list by degree</source>
        <translation>Ordena la lista de satélites por posición orbital</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Ordenar por posición</translation>
    </message>
    <message>
        <source>&amp;Transponder</source>
        <translation>&amp;Transpondedor</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Añadir nuevo</translation>
    </message>
    <message>
        <source>Add a new transponder</source>
        <translation>Añade un transpondedor nuevo</translation>
    </message>
    <message>
        <source>Add Tp</source>
        <translation>Añadir transpondedor</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Eliminar seleccionado</translation>
    </message>
    <message>
        <source>Delete the selected transponder</source>
        <translation>Elimina el transpondedor seleccionado</translation>
    </message>
    <message>
        <source>Delete Tp</source>
        <translation>Eliminar transpondedor</translation>
    </message>
    <message>
        <source>Delete All in &amp;Net</source>
        <translation>Eliminar todos del &amp;satélite</translation>
    </message>
    <message>
        <source>Delete all transponders in the selected network</source>
        <translation>Elimina todos los transpondedores del satélite seleccionado</translation>
    </message>
    <message>
        <source>Delete All Tps in Net</source>
        <translation>Eliminar todos los transpondedores del satélite</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Canal</translation>
    </message>
    <message>
        <source>Add a new program</source>
        <translation>Añade un canal nuevo</translation>
    </message>
    <message>
        <source>Add Prog</source>
        <translation>Añadir canal</translation>
    </message>
    <message>
        <source>Delete the selected program</source>
        <translation>Elimina el canal seleccionado</translation>
    </message>
    <message>
        <source>Delete Prog</source>
        <translation>Eliminar canal</translation>
    </message>
    <message>
        <source>Delete All in &amp;Transponder</source>
        <translation>Eliminar todos del &amp;transpondedor</translation>
    </message>
    <message>
        <source>Delete all programs in the selected transponder</source>
        <translation>Elimina todos los canales del transpondedor seleccionado</translation>
    </message>
    <message>
        <source>Delete Progs In Tp</source>
        <translation>Eliminar todos los canales del transpondedor</translation>
    </message>
    <message>
        <source>Delete all programs in the selected network</source>
        <translation>Elimina todos los canales del satélite seleccionado</translation>
    </message>
    <message>
        <source>Delete Progs In Net</source>
        <translation>Eliminar todos los canales del satélite</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Aplicar orden</translation>
    </message>
    <message>
        <source>Find duplicate and broken records and remove them</source>
        <translation>Busca registros duplicados y dañados y los elimina</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Show what differs between this file and another NDF file</source>
        <translation>Muestra las diferencias entre este archivo y otro archivo NDF</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About Dishline...</source>
        <translation>&amp;Acerca de Dishline...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Muestra información del programa, número de versión y copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Take the channel order, favorite groups, locks, skips and kept names from another NDF file</source>
        <translation>Toma el orden de canales, los grupos de favoritos, los bloqueos, los saltos y los nombres conservados de otro archivo NDF</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Buscar...	Control+F</translation>
    </message>
    <message>
        <source>Find programs, transponders and satellites by name or number</source>
        <translation>Busca canales, transpondedores y satélites por nombre o número</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Lock	Ctrl+L</source>
        <translation>&amp;Bloquear	Control+L</translation>
    </message>
    <message>
        <source>Lock or unlock the selected programs</source>
        <translation>Bloquea o desbloquea los canales seleccionados</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>S&amp;kip	Ctrl+K</source>
        <translation>Sa&amp;ltar	Control+K</translation>
    </message>
    <message>
        <source>Mark or unmark the selected programs to be skipped</source>
        <translation>Marca o desmarca los canales seleccionados para saltarlos al cambiar de canal</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saltar</translation>
    </message>
    <message>
        <source>&amp;Channel List	F7</source>
        <translation>&amp;Lista de canales	F7</translation>
    </message>
    <message>
        <source>Apply &amp;Order from File...	Ctrl+Shift+O</source>
        <translation>Aplicar &amp;orden desde archivo...	Control+Mayúsculas+O</translation>
    </message>
    <message>
        <source>&amp;Clean Up...	Ctrl+Shift+L</source>
        <translation>&amp;Limpiar...	Control+Mayúsculas+L</translation>
    </message>
    <message>
        <source>Co&amp;mpare with File...	Ctrl+Shift+M</source>
        <translation>&amp;Comparar con archivo...	Control+Mayúsculas+M</translation>
    </message>
    <message>
        <source>&amp;User Guide	F1</source>
        <translation>&amp;Guía del usuario	F1</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Abre la guía del usuario</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guía del usuario</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>No differences.</source>
        <translation>No hay diferencias.</translation>
    </message>
    <message>
        <source>Satellites only in A</source>
        <translation>Satélites solo en A</translation>
    </message>
    <message>
        <source>Satellites only in B</source>
        <translation>Satélites solo en B</translation>
    </message>
    <message>
        <source>Satellites changed</source>
        <translation>Satélites cambiados</translation>
    </message>
    <message>
        <source>Transponders only in A</source>
        <translation>Transpondedores solo en A</translation>
    </message>
    <message>
        <source>Transponders only in B</source>
        <translation>Transpondedores solo en B</translation>
    </message>
    <message>
        <source>Transponders changed</source>
        <translation>Transpondedores cambiados</translation>
    </message>
    <message>
        <source>Programs only in A</source>
        <translation>Canales solo en A</translation>
    </message>
    <message>
        <source>Programs only in B</source>
        <translation>Canales solo en B</translation>
    </message>
    <message>
        <source>Programs changed</source>
        <translation>Canales cambiados</translation>
    </message>
    <message>
        <source>Programs moved</source>
        <translation>Canales movidos</translation>
    </message>
    <message>
        <source>Favorite groups only in A</source>
        <translation>Grupos de favoritos solo en A</translation>
    </message>
    <message>
        <source>Favorite groups only in B</source>
        <translation>Grupos de favoritos solo en B</translation>
    </message>
    <message>
        <source>Favorite groups changed</source>
        <translation>Grupos de favoritos cambiados</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>position</source>
        <translation>posición</translation>
    </message>
    <message>
        <source>positioner ID</source>
        <translation>posición del motor</translation>
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
        <translation>ajuste de antena</translation>
    </message>
    <message>
        <source>DiSEqC mode</source>
        <translation>modo DiSEqC</translation>
    </message>
    <message>
        <source>LNB supply</source>
        <translation>alimentación LNB</translation>
    </message>
    <message>
        <source>switch port</source>
        <translation>puerto del conmutador</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>tipo de LNB</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>frecuencia LNB</translation>
    </message>
    <message>
        <source>LNB frequency high</source>
        <translation>frecuencia LNB alta</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>tasa de símbolos</translation>
    </message>
    <message>
        <source>polarity</source>
        <translation>polarización</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>frequency drift</source>
        <translation>deriva de frecuencia</translation>
    </message>
    <message>
        <source>GMT error</source>
        <translation>desfase GMT</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>transpondedor</translation>
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
        <translation>PID de vídeo</translation>
    </message>
    <message>
        <source>audio PIDs</source>
        <translation>PID de audio</translation>
    </message>
    <message>
        <source>teletext PIDs</source>
        <translation>PID de teletexto</translation>
    </message>
    <message>
        <source>CA mask</source>
        <translation>máscara CA</translation>
    </message>
    <message>
        <source>attributes</source>
        <translation>atributos</translation>
    </message>
    <message>
        <source>attributes 2</source>
        <translation>atributos 2</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Codificado</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloqueo</translation>
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
        <translation>No actualizar los PID de vídeo/audio</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>No actualizar el nombre</translation>
    </message>
    <message>
        <source>Don&apos;t update with service ID</source>
        <translation>No actualizar por Service ID</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>present</source>
        <translation>presente</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>sin definir</translation>
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
        <translation>canal %1 (falta)</translation>
    </message>
    <message>
        <source>transponder %1 (missing)</source>
        <translation>transpondedor %1 (falta)</translation>
    </message>
    <message>
        <source>a missing satellite</source>
        <translation>un satélite que falta</translation>
    </message>
    <message>
        <source>a missing transponder</source>
        <translation>un transpondedor que falta</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1, tasa de símbolos %2</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3</source>
        <translation>%1 en %2, Service ID %3</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Grupo %1 %2</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>%1 TV, %2 radio</translation>
    </message>
    <message>
        <source>TV list: %1 only in A</source>
        <translation>Lista de TV: %1 solo en A</translation>
    </message>
    <message>
        <source>TV list: %1 only in B</source>
        <translation>Lista de TV: %1 solo en B</translation>
    </message>
    <message>
        <source>radio list: %1 only in A</source>
        <translation>lista de radio: %1 solo en A</translation>
    </message>
    <message>
        <source>radio list: %1 only in B</source>
        <translation>lista de radio: %1 solo en B</translation>
    </message>
    <message>
        <source>TV list: order changed</source>
        <translation>Lista de TV: orden cambiado</translation>
    </message>
    <message>
        <source>radio list: order changed</source>
        <translation>lista de radio: orden cambiado</translation>
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
        <translation>Comparar con archivo</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Copiar</translation>
    </message>
</context>
<context>
    <name>EditBar</name>
    <message>
        <source>Empty</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondedor</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Canal</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>No satellite lines were found in %1.</source>
        <translation>No se encontraron líneas de satélite en %1.</translation>
    </message>
    <message>
        <source>The listing is for %1, but the selected satellite is %2 at %3. Import it anyway?</source>
        <translation>La lista es para %1, pero el satélite seleccionado es %2 en %3. ¿Importarla de todos modos?</translation>
    </message>
    <message>
        <source>%1 transponders added to %2; %3 already present, %4 lines skipped.</source>
        <translation>%1 transpondedores añadidos a %2; %3 ya existían, %4 líneas omitidas.</translation>
    </message>
    <message>
        <source>Some of network parameters are changed.
Do you want to apply?</source>
        <translation>Se han cambiado algunos parámetros del satélite.
¿Desea aplicar los cambios?</translation>
    </message>
    <message>
        <source>Some of antenna configurations are changed.
Do you want to apply?</source>
        <translation>Se han cambiado algunos ajustes de antena.
¿Desea aplicar los cambios?</translation>
    </message>
    <message>
        <source>Invalid frequency or symbol rate
Correct the errors or delete the transponder</source>
        <translation>Frecuencia o tasa de símbolos no válida
Corrija los errores o elimine el transpondedor</translation>
    </message>
    <message>
        <source>Some of transponder parameters are changed.
Do you want to apply?</source>
        <translation>Se han cambiado algunos parámetros del transpondedor.
¿Desea aplicar los cambios?</translation>
    </message>
    <message>
        <source>Some of program parameters are changed.
Do you want to apply?</source>
        <translation>Se han cambiado algunos parámetros del canal.
¿Desea aplicar los cambios?</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Sin nombre</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>¿Guardar los cambios en %1?</translation>
    </message>
    <message>
        <source> (Modified)</source>
        <translation> (modificado)</translation>
    </message>
    <message>
        <source>Not yet ...</source>
        <translation>Todavía no disponible ...</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|Web page (*.html)|*.html|PDF file (*.pdf)|*.pdf||</source>
        <translation>Archivo CSV (*.csv)|*.csv|Página web (*.html)|*.html|Archivo PDF (*.pdf)|*.pdf||</translation>
    </message>
    <message>
        <source>Exporting the channel list...</source>
        <translation>Exportando la lista de canales...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Exportar lista de canales</translation>
    </message>
    <message>
        <source>Network Dababase File (*.NDF)|*.NDF|All file (*.*)|*.*||</source>
        <translation>Base de datos de canales NDF (*.NDF)|*.NDF|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SATCODX File (*.SDX)|*.SDX|All file (*.*)|*.*||</source>
        <translation>Archivo SATCODX (*.SDX)|*.SDX|Todos los archivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>&amp;Deshacer: %1	Control+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <translation>&amp;Rehacer: %1	Control+Y</translation>
    </message>
    <message>
        <source>Sort by Degree needs one antenna configuration for each satellite.</source>
        <translation>Para ordenar por posición, cada satélite necesita su propio ajuste de antena.</translation>
    </message>
    <message>
        <source>Work on %1 from %2 was not saved.
Do you want to recover it?</source>
        <translation>El trabajo en %1 del %2 no se guardó.
¿Desea recuperarlo?</translation>
    </message>
    <message>
        <source>%1 was changed by another program after it was opened.
Do you want to overwrite it?</source>
        <translation>Otro programa cambió %1 después de abrirlo.
¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>The file on disk has not been changed.</source>
        <translation>El archivo en disco no ha cambiado.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>No se escribió ningún archivo.</translation>
    </message>
    <message>
        <source>A: %1 (open)
B: %2</source>
        <translation>A: %1 (abierto)
B: %2</translation>
    </message>
    <message>
        <source>%1 (%2 selected)</source>
        <translation>%1 (%2 seleccionados)</translation>
    </message>
    <message>
        <source>Delete the program &quot;%1&quot;?</source>
        <translation>¿Eliminar el canal «%1»?</translation>
    </message>
    <message>
        <source>Delete %1 programs?</source>
        <translation>¿Eliminar %1 canales?</translation>
    </message>
    <message>
        <source>Delete the transponder %1 with its programs?</source>
        <translation>¿Eliminar el transpondedor %1 con sus canales?</translation>
    </message>
    <message>
        <source>Delete %1 transponders with their programs?</source>
        <translation>¿Eliminar %1 transpondedores con sus canales?</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>en</source>
        <extracomment>The language code of the exported web page&apos;s lang attribute: &quot;de&quot; in German.</extracomment>
        <translation>es</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarización</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Tasa de símbolos</translation>
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
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Channel list: %1</source>
        <translation>Lista de canales: %1</translation>
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
        <translation>%1 canal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canales</translation>
    </message>
    <message>
        <source>No channels.</source>
        <translation>No hay canales.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Todos los canales</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Canales de TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Canales de radio</translation>
    </message>
    <message>
        <source>Satellite %1 (%2)</source>
        <translation>Satélite %1 (%2)</translation>
    </message>
    <message>
        <source>Favorite group %1</source>
        <translation>Grupo de favoritos %1</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Exportar lista de canales</translation>
    </message>
    <message>
        <source>&amp;All channels</source>
        <translation>&amp;Todos los canales</translation>
    </message>
    <message>
        <source>&amp;TV channels</source>
        <translation>Canales de T&amp;V</translation>
    </message>
    <message>
        <source>&amp;Radio channels</source>
        <translation>Canales de &amp;radio</translation>
    </message>
    <message>
        <source>One &amp;satellite:</source>
        <translation>Un &amp;satélite:</translation>
    </message>
    <message>
        <source>One &amp;favorite group:</source>
        <translation>Un grupo de &amp;favoritos:</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Fav%1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>%1 channels: a web page this long is more than a browser prints well. To print the list, export it as a PDF file.</source>
        <translation>%1 canales: un navegador no imprime bien una página web tan larga. Para imprimir la lista, expórtela como archivo PDF.</translation>
    </message>
</context>
<context>
    <name>FavoriteNamesDialog</name>
    <message>
        <source>Favorite Group Name</source>
        <translation>Nombre del grupo de favoritos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Buscar:</translation>
    </message>
    <message>
        <source>Name, service ID or frequency</source>
        <translation>Nombre, Service ID o frecuencia</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Coincidencia anterior (Mayúsculas+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Coincidencia siguiente (F3)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Show only the matching programs with their transponders and satellites</source>
        <translation>Muestra solo los canales que coinciden, con sus transpondedores y satélites</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Cerrar (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Sin coincidencias</translation>
    </message>
</context>
<context>
    <name>FormPane</name>
    <message>
        <source>O&amp;K</source>
        <translation>Ace&amp;ptar</translation>
    </message>
</context>
<context>
    <name>FormWidgets</name>
    <message>
        <source>%1 (unknown)</source>
        <translation>%1 (desconocido)</translation>
    </message>
</context>
<context>
    <name>ModificationDateDialog</name>
    <message>
        <source>Recent modification date</source>
        <translation>Fecha de la última modificación</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>[Area code][Version in decimal] EX&gt; B002</source>
        <translation>[Código de zona][Versión en decimal] Ej.: B002</translation>
    </message>
    <message>
        <source>Invalid version input</source>
        <translation>Versión no válida</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Fecha</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versión</translation>
    </message>
</context>
<context>
    <name>MoveToPositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>Mover a la posición</translation>
    </message>
    <message>
        <source>&amp;Number (1 to %1):</source>
        <translation>&amp;Número (de 1 a %1):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
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
        <translation>Universal</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>ON (Auto)</source>
        <translation>SÍ (auto)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Activado</translation>
    </message>
    <message>
        <source>BOTH</source>
        <translation>AMBOS</translation>
    </message>
    <message>
        <source>Exists</source>
        <translation>Presente</translation>
    </message>
    <message>
        <source> Na&amp;me</source>
        <translation> Nom&amp;bre</translation>
    </message>
    <message>
        <source> &amp;Degree</source>
        <translation> Pos&amp;ición</translation>
    </message>
    <message>
        <source> LNB T&amp;ype</source>
        <translation> Tipo de L&amp;NB</translation>
    </message>
    <message>
        <source> &amp;LNB Freq</source>
        <translation> &amp;Frecuencia LNB</translation>
    </message>
    <message>
        <source> L&amp;NB Freq H</source>
        <translation> F&amp;recuencia LNB H</translation>
    </message>
    <message>
        <source> LN&amp;B Power/Switch</source>
        <translation> Alimentación &amp;LNB/conmutación</translation>
    </message>
    <message>
        <source> &amp;22Khz Switch</source>
        <translation> Conmutación &amp;22 kHz</translation>
    </message>
    <message>
        <source> &amp;12V Switch</source>
        <translation> Conmutación &amp;12 V</translation>
    </message>
    <message>
        <source> D&amp;iSEqC Switch Level</source>
        <translation> Versión del conm&amp;utador DiSEqC</translation>
    </message>
    <message>
        <source> DiSEqC S&amp;witch Port</source>
        <translation> Puerto del conmutador DiSE&amp;qC</translation>
    </message>
    <message>
        <source> DiSEqC Positione&amp;r Level</source>
        <translation> Versión del &amp;motor DiSEqC</translation>
    </message>
    <message>
        <source> DiSE&amp;qC Positioner ID</source>
        <translation> Posici&amp;ón del motor DiSEqC</translation>
    </message>
    <message>
        <source> Skew &amp;Controller</source>
        <translation> C&amp;ontrol de skew</translation>
    </message>
    <message>
        <source> Skew &amp;Angle V</source>
        <translation> Ángulo &amp;de skew V</translation>
    </message>
    <message>
        <source> Skew An&amp;gle H</source>
        <translation> &amp;Ángulo de skew H</translation>
    </message>
</context>
<context>
    <name>NetworkTreeModel</name>
    <message>
        <source>(No name)</source>
        <translation>(Sin nombre)</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Se salta</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Codificado</translation>
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
        <translation>Subt.</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Atributos</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>No actualizar el nombre</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>No actualizar los PID de vídeo/audio</translation>
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
        <translation>Codi&amp;ficado</translation>
    </message>
    <message>
        <source>More A&amp;udio...</source>
        <translation>&amp;Más pistas de audio...</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Bloquear</translation>
    </message>
    <message>
        <source>Sk&amp;ip</source>
        <translation>Sa&amp;ltar</translation>
    </message>
    <message>
        <source>Don&apos;t update &amp;with service ID</source>
        <translation>No actuali&amp;zar por Service ID</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> &amp;Nombre</translation>
    </message>
    <message>
        <source> Se&amp;rvice ID</source>
        <translation> Se&amp;rvice ID</translation>
    </message>
    <message>
        <source> Service T&amp;ype</source>
        <translation> Tip&amp;o de servicio</translation>
    </message>
    <message>
        <source> P&amp;MT PID</source>
        <translation> P&amp;ID PMT</translation>
    </message>
    <message>
        <source> P&amp;CR PID</source>
        <translation> PI&amp;D PCR</translation>
    </message>
    <message>
        <source> Vi&amp;deo PID</source>
        <translation> PID de v&amp;ídeo</translation>
    </message>
    <message>
        <source> &amp;Audio PID</source>
        <translation> PID de a&amp;udio</translation>
    </message>
    <message>
        <source> Telete&amp;xt PID</source>
        <translation> PID de telete&amp;xto</translation>
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
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Insufficient memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>File crashed</source>
        <translation>Archivo dañado</translation>
    </message>
    <message>
        <source>Creating file failed</source>
        <translation>No se pudo crear el archivo</translation>
    </message>
    <message>
        <source>Invalid NDF format</source>
        <translation>Formato NDF no válido</translation>
    </message>
    <message>
        <source>Bad checksum</source>
        <translation>Suma de comprobación incorrecta</translation>
    </message>
    <message>
        <source>NDF Version not supported</source>
        <translation>Versión de NDF no admitida</translation>
    </message>
    <message>
        <source>Too many records for the NDF format</source>
        <translation>Demasiados registros para el formato NDF</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Modification Date</source>
        <translation>Fecha de modificación</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Lista de canales</translation>
    </message>
    <message>
        <source>Import SATCODX</source>
        <translation>Importar SATCODX</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Editar satélite</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Editar transpondedor</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Editar canal</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Ordenar por posición</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Añadir transpondedor</translation>
    </message>
    <message>
        <source>Add Program</source>
        <translation>Añadir canal</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Eliminar transpondedor</translation>
    </message>
    <message>
        <source>Delete All Transponders in Net</source>
        <translation>Eliminar todos los transpondedores del satélite</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Eliminar canal</translation>
    </message>
    <message>
        <source>Delete All Programs in Transponder</source>
        <translation>Eliminar todos los canales del transpondedor</translation>
    </message>
    <message>
        <source>Delete All Programs in Net</source>
        <translation>Eliminar todos los canales del satélite</translation>
    </message>
    <message>
        <source>Apply Order from File</source>
        <translation>Aplicar orden desde archivo</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Limpiar</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Desbloquear</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saltar</translation>
    </message>
    <message>
        <source>Do Not Skip</source>
        <translation>No saltar</translation>
    </message>
    <message>
        <source>Delete Programs</source>
        <translation>Eliminar canales</translation>
    </message>
    <message>
        <source>Delete Transponders</source>
        <translation>Eliminar transpondedores</translation>
    </message>
</context>
<context>
    <name>ToolDialogs</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
</context>
<context>
    <name>TransponderPane</name>
    <message>
        <source>Vert</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Horz</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Circular Right</source>
        <translation>Circular derecha</translation>
    </message>
    <message>
        <source>Circular Left</source>
        <translation>Circular izquierda</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> &amp;Nombre</translation>
    </message>
    <message>
        <source> F&amp;requency</source>
        <translation> F&amp;recuencia</translation>
    </message>
    <message>
        <source> S&amp;ymbol Rate</source>
        <translation> Tasa de s&amp;ímbolos</translation>
    </message>
    <message>
        <source> Po&amp;larity</source>
        <translation> P&amp;olarización</translation>
    </message>
    <message>
        <source> FE&amp;C</source>
        <translation> C&amp;ódigo FEC</translation>
    </message>
    <message>
        <source> Freq &amp;Drift</source>
        <translation> Deriva de &amp;frecuencia</translation>
    </message>
    <message>
        <source> &amp;GMT Error</source>
        <translation> &amp;Desfase GMT</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>Dishline User Guide</source>
        <translation>Guía del usuario de Dishline</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>C&amp;ontenido</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
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
        <translation>Editor de bases de datos de canales NDF</translation>
    </message>
    <message>
        <source>An NDF file to open.</source>
        <translation>Un archivo NDF para abrir.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[archivo]</translation>
    </message>
</context>
</TS>
