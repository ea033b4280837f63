<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Dishline</source>
        <translation>Sobre o Dishline</translation>
    </message>
    <message>
        <source>Dishline Version 1.3</source>
        <translation>Dishline versão 1.3</translation>
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
        <translation>Aplicar ordem de arquivo</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nº</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarização</translation>
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
        <translation>Rádio %1</translation>
    </message>
    <message>
        <source>TV %1</source>
        <translation>TV %1</translation>
    </message>
    <message>
        <source>Reference: %1
%2 of %3 channels of the reference paired: %4 by service ID and frequency, %5 by service ID alone, %6 by name.
Satellites pair by position within %7°, channels by service ID and frequency within %8 MHz, then by name (without regard to case and a trailing HD, SD or UHD).</source>
        <translation>Referência: %1
%2 de %3 canais da referência combinados: %4 por Service ID e frequência, %5 só por Service ID, %6 pelo nome.
Os satélites são combinados pela posição com margem de %7°, os canais por Service ID e frequência com margem de %8 MHz e depois pelo nome (sem diferenciar maiúsculas nem um HD, SD ou UHD no final).</translation>
    </message>
    <message>
        <source>Reference satellite</source>
        <translation>Satélite da referência</translation>
    </message>
    <message>
        <source>Satellite here</source>
        <translation>Satélite aqui</translation>
    </message>
    <message>
        <source>Channels in the reference</source>
        <translation>Canais na referência</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Combinados</translation>
    </message>
    <message>
        <source>Channels here</source>
        <translation>Canais aqui</translation>
    </message>
    <message>
        <source>not found here</source>
        <translation>não encontrado aqui</translation>
    </message>
    <message>
        <source>%1: %2 channels</source>
        <translation>%1: %2 canais</translation>
    </message>
    <message>
        <source>Satellites of the reference with channels and no partner here: %1. Their channels and favorites cannot be placed.</source>
        <translation>Satélites da referência com canais e sem correspondente aqui: %1. Seus canais e favoritos não podem ser posicionados.</translation>
    </message>
    <message>
        <source>&amp;Satellites:</source>
        <translation>&amp;Satélites:</translation>
    </message>
    <message>
        <source>Channels of the reference &amp;not found here: %1</source>
        <translation>Canais da referência &amp;não encontrados aqui: %1</translation>
    </message>
    <message>
        <source>Channels here &amp;without a partner: %1</source>
        <translation>Canais daqui sem co&amp;rrespondente: %1</translation>
    </message>
    <message>
        <source>&amp;Favorite groups</source>
        <translation>&amp;Grupos de favoritos</translation>
    </message>
    <message>
        <source>&amp;Locks, skips and &quot;Don&apos;t update&quot; marks, with the names kept by &quot;Don&apos;t update name&quot;</source>
        <translation>&amp;Bloqueios, saltos e marcas &quot;Não atualizar&quot;, com os nomes mantidos por &quot;Não atualizar o nome&quot;</translation>
    </message>
    <message>
        <source>&amp;Every name from the reference</source>
        <translation>&amp;Todos os nomes da referência</translation>
    </message>
    <message>
        <source>These satellites of the reference have channels and no partner here:
%1

Their channels and favorites will not be placed. Apply anyway?</source>
        <translation>Estes satélites da referência têm canais e não têm correspondente aqui:
%1

Seus canais e favoritos não serão posicionados. Aplicar mesmo assim?</translation>
    </message>
    <message>
        <source>Channel o&amp;rder</source>
        <translation>Or&amp;dem dos canais</translation>
    </message>
</context>
<context>
    <name>AudioDialog</name>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
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
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Modificar</translation>
    </message>
    <message>
        <source>Invalid PID</source>
        <translation>PID inválido</translation>
    </message>
    <message>
        <source>A program holds at most 255 audio tracks.</source>
        <translation>Um canal comporta no máximo 255 faixas de áudio.</translation>
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
        <translation>Barra de ferramentas</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>CAPS</translation>
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
        <translation>Lista de canais</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Renomear</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>&amp;How to use...</source>
        <translation>&amp;Instruções...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>All Satellites</source>
        <translation>Todos os satélites</translation>
    </message>
    <message>
        <source>%1 of %2 selected</source>
        <translation>%1 de %2 selecionados</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canais</translation>
    </message>
    <message>
        <source>Channel List (Modified)</source>
        <translation>Lista de canais (modificada)</translation>
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
Para ordenar a lista de canais

	- Clique com o botão esquerdo do mouse no cabeçalho de uma coluna.

Para mover um canal

	- Arraste e solte o canal.

Para adicionar um canal a um grupo de favoritos
Para remover um canal de um grupo de favoritos

	- Clique com o botão direito do mouse no nome do canal
</translation>
    </message>
    <message>
        <source>No match was found...</source>
        <translation>Nenhuma correspondência encontrada...</translation>
    </message>
    <message>
        <source>Discard the changes to the channel list?</source>
        <translation>Descartar as alterações na lista de canais?</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Mover para o início</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Mover para o fim</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Mover para a posição...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Adicionar a %1</translation>
    </message>
    <message>
        <source>Remove from %1</source>
        <translation>Remover de %1</translation>
    </message>
    <message>
        <source>Delete 1 channel?</source>
        <translation>Excluir 1 canal?</translation>
    </message>
    <message>
        <source>Delete %1 channels?</source>
        <translation>Excluir %1 canais?</translation>
    </message>
    <message>
        <source>Channel &amp;Group</source>
        <translation>&amp;Grupo de canais</translation>
    </message>
    <message>
        <source>&amp;TV</source>
        <translation>&amp;TV</translation>
    </message>
    <message>
        <source>R&amp;adio</source>
        <translation>R&amp;ádio</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guia do usuário</translation>
    </message>
    <message>
        <source>Every key of the list (picking rows, Lock, Skip, renaming, moving) is described in the user guide: press F1, or choose Help &gt; User Guide in the main window.</source>
        <translation>Todas as teclas da lista (selecionar linhas, bloquear, pular, renomear, mover) estão descritas no guia do usuário: pressione F1 ou escolha Ajuda &gt; Guia do usuário na janela principal.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pular</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Renomear canal</translation>
    </message>
</context>
<context>
    <name>ChannelListModel</name>
    <message>
        <source>No.</source>
        <translation>Nº</translation>
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
        <translation>Pular</translation>
    </message>
</context>
<context>
    <name>ChannelListView</name>
    <message>
        <source>%1 channels</source>
        <translation>%1 canais</translation>
    </message>
</context>
<context>
    <name>CleanUp</name>
    <message>
        <source>duplicate programs</source>
        <translation>canais duplicados</translation>
    </message>
    <message>
        <source>duplicate transponders</source>
        <translation>transponders duplicados</translation>
    </message>
    <message>
        <source>broken favorite entries</source>
        <translation>entradas de favoritos danificadas</translation>
    </message>
    <message>
        <source>programs whose transponder does not exist</source>
        <translation>canais cujo transponder não existe</translation>
    </message>
    <message>
        <source>transponders without programs</source>
        <translation>transponders sem canais</translation>
    </message>
    <message>
        <source>TV %1</source>
        <translation>TV %1</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Rádio %1</translation>
    </message>
    <message>
        <source>a missing satellite</source>
        <translation>um satélite ausente</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3: same as %4</source>
        <translation>%1 em %2, Service ID %3: igual a %4</translation>
    </message>
    <message>
        <source>%1, service ID %2: transponder %3 does not exist</source>
        <translation>%1, Service ID %2: o transponder %3 não existe</translation>
    </message>
    <message>
        <source>%1, symbol rate %2: same as %3 %4, %5 channels move there</source>
        <translation>%1, taxa de símbolos %2: igual a %3 %4, %5 canais passam para ele</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1, taxa de símbolos %2</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Grupo %1 %2</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: program %3 does not exist</source>
        <translation>%1, entrada %2 da lista de TV: o canal %3 não existe</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: program %3 does not exist</source>
        <translation>%1, entrada %2 da lista de rádio: o canal %3 não existe</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: repeats %3</source>
        <translation>%1, entrada %2 da lista de TV: repete %3</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: repeats %3</source>
        <translation>%1, entrada %2 da lista de rádio: repete %3</translation>
    </message>
</context>
<context>
    <name>CleanUpDialog</name>
    <message>
        <source>Clean Up</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing to clean up.</source>
        <translation>Nada para limpar.</translation>
    </message>
    <message>
        <source>Clean Up removed channels: %1, transponders: %2, favorite entries: %3.</source>
        <translation>A limpeza removeu canais: %1, transponders: %2, entradas de favoritos: %3.</translation>
    </message>
    <message>
        <source>Checked for removal: %1</source>
        <translation>Marcados para remoção: %1</translation>
    </message>
    <message>
        <source>Check &amp;what to remove:</source>
        <translation>Marque o que re&amp;mover:</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New...	Ctrl+N</source>
        <translation>&amp;Novo...	Ctrl+N</translation>
    </message>
    <message>
        <source>Creates a new NDF file</source>
        <translation>Cria um novo arquivo NDF</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Abrir...	Ctrl+O</translation>
    </message>
    <message>
        <source>Opens an existing NDF file</source>
        <translation>Abre um arquivo NDF existente</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Closes the NDF file</source>
        <translation>Fecha o arquivo NDF</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Salvar	Ctrl+S</translation>
    </message>
    <message>
        <source>Saves the NDF file</source>
        <translation>Salva o arquivo NDF</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>Saves the NDF file with a new name</source>
        <translation>Salva o arquivo NDF com um novo nome</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimir...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print all or parts of the NDF file</source>
        <translation>Imprime todo o arquivo NDF ou parte dele</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Export Channel List...</source>
        <translation>&amp;Exportar lista de canais...</translation>
    </message>
    <message>
        <source>Save the channel list as a CSV, HTML or PDF file</source>
        <translation>Salva a lista de canais como arquivo CSV, HTML ou PDF</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Exportar lista de canais</translation>
    </message>
    <message>
        <source>Modification &amp;Date...</source>
        <translation>&amp;Data de modificação...</translation>
    </message>
    <message>
        <source>Show/Edit the recent modification date</source>
        <translation>Mostra ou altera a data da última modificação</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt+F4</source>
        <translation>Sai&amp;r	Alt+F4</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the NDF file</source>
        <translation>Encerra o aplicativo; pergunta se o arquivo NDF deve ser salvo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Desfaz a última alteração</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>Redo the change that was undone</source>
        <translation>Refaz a alteração desfeita</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Restore &amp;Discarded Channel List Changes</source>
        <translation>Recuperar as alterações des&amp;cartadas da lista de canais</translation>
    </message>
    <message>
        <source>Open the channel list again with the changes that were discarded</source>
        <translation>Reabre a lista de canais com as alterações descartadas</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Editbar</source>
        <translation>Barra de &amp;edição</translation>
    </message>
    <message>
        <source>Show or hide the edit bar</source>
        <translation>Mostra ou oculta a barra de edição</translation>
    </message>
    <message>
        <source>Toggle EditBar</source>
        <translation>Mostrar/ocultar barra de edição</translation>
    </message>
    <message>
        <source>Show the channel list</source>
        <translation>Mostra a lista de canais</translation>
    </message>
    <message>
        <source>Ch List</source>
        <translation>Lista de canais</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barra de &amp;ferramentas</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Mostra ou oculta a barra de ferramentas</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Mostrar/ocultar barra de ferramentas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Mostra ou oculta a barra de status</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Mostrar/ocultar barra de status</translation>
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
        <translation>Carrega o satélite selecionado de um arquivo SATCODX</translation>
    </message>
    <message>
        <source>SATCODX</source>
        <translation>SATCODX</translation>
    </message>
    <message>
        <source>Sort by &amp;Degree</source>
        <translation>&amp;Ordenar por posição</translation>
    </message>
    <message>
        <source>Sort the satellite list by degree</source>
        <translation>Ordena a lista de satélites pela posição orbital</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Ordenar por posição</translation>
    </message>
    <message>
        <source>&amp;Transponder</source>
        <translation>&amp;Transponder</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Adicionar novo</translation>
    </message>
    <message>
        <source>Add a new transponder</source>
        <translation>Adiciona um novo transponder</translation>
    </message>
    <message>
        <source>Add Tp</source>
        <translation>Adicionar transponder</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Excluir selecionado</translation>
    </message>
    <message>
        <source>Delete the selected transponder</source>
        <translation>Exclui o transponder selecionado</translation>
    </message>
    <message>
        <source>Delete Tp</source>
        <translation>Excluir transponder</translation>
    </message>
    <message>
        <source>Delete All in &amp;Net</source>
        <translation>Excluir todos do &amp;satélite</translation>
    </message>
    <message>
        <source>Delete all transponders in the selected network</source>
        <translation>Exclui todos os transponders do satélite selecionado</translation>
    </message>
    <message>
        <source>Delete All Tps in Net</source>
        <translation>Excluir todos os transponders do satélite</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Canal</translation>
    </message>
    <message>
        <source>Add a new program</source>
        <translation>Adiciona um novo canal</translation>
    </message>
    <message>
        <source>Add Prog</source>
        <translation>Adicionar canal</translation>
    </message>
    <message>
        <source>Delete the selected program</source>
        <translation>Exclui o canal selecionado</translation>
    </message>
    <message>
        <source>Delete Prog</source>
        <translation>Excluir canal</translation>
    </message>
    <message>
        <source>Delete All in &amp;Transponder</source>
        <translation>Excluir todos do &amp;transponder</translation>
    </message>
    <message>
        <source>Delete all programs in the selected transponder</source>
        <translation>Exclui todos os canais do transponder selecionado</translation>
    </message>
    <message>
        <source>Delete Progs In Tp</source>
        <translation>Excluir todos os canais do transponder</translation>
    </message>
    <message>
        <source>Delete all programs in the selected network</source>
        <translation>Exclui todos os canais do satélite selecionado</translation>
    </message>
    <message>
        <source>Delete Progs In Net</source>
        <translation>Excluir todos os canais do satélite</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Aplicar ordem</translation>
    </message>
    <message>
        <source>Find duplicate and broken records and remove them</source>
        <translation>Encontra registros duplicados e danificados e os remove</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Show what differs between this file and another NDF file</source>
        <translation>Mostra as diferenças entre este arquivo e outro arquivo NDF</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Comparar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;About Dishline...</source>
        <translation>&amp;Sobre o Dishline...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Mostra informações do programa, número da versão e direitos autorais</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Take the channel order, favorite groups, locks, skips and kept names from another NDF file</source>
        <translation>Traz a ordem dos canais, os grupos de favoritos, os bloqueios, os saltos e os nomes mantidos de outro arquivo NDF</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Localizar...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find programs, transponders and satellites by name or number</source>
        <translation>Localiza canais, transponders e satélites pelo nome ou número</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>&amp;Lock	Ctrl+L</source>
        <translation>&amp;Bloquear	Ctrl+L</translation>
    </message>
    <message>
        <source>Lock or unlock the selected programs</source>
        <translation>Bloqueia ou desbloqueia os canais selecionados</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Bloquear</translation>
    </message>
    <message>
        <source>S&amp;kip	Ctrl+K</source>
        <translation>&amp;Pular	Ctrl+K</translation>
    </message>
    <message>
        <source>Mark or unmark the selected programs to be skipped</source>
        <translation>Marca ou desmarca os canais selecionados para serem pulados na troca de canal</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pular</translation>
    </message>
    <message>
        <source>&amp;Channel List	F7</source>
        <translation>&amp;Lista de canais	F7</translation>
    </message>
    <message>
        <source>Apply &amp;Order from File...	Ctrl+Shift+O</source>
        <translation>Aplicar &amp;ordem de arquivo...	Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>&amp;Clean Up...	Ctrl+Shift+L</source>
        <translation>&amp;Limpar...	Ctrl+Shift+L</translation>
    </message>
    <message>
        <source>Co&amp;mpare with File...	Ctrl+Shift+M</source>
        <translation>&amp;Comparar com arquivo...	Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>&amp;User Guide	F1</source>
        <translation>&amp;Guia do usuário	F1</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Abre o guia do usuário</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guia do usuário</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>No differences.</source>
        <translation>Nenhuma diferença.</translation>
    </message>
    <message>
        <source>Satellites only in A</source>
        <translation>Satélites só em A</translation>
    </message>
    <message>
        <source>Satellites only in B</source>
        <translation>Satélites só em B</translation>
    </message>
    <message>
        <source>Satellites changed</source>
        <translation>Satélites alterados</translation>
    </message>
    <message>
        <source>Transponders only in A</source>
        <translation>Transponders só em A</translation>
    </message>
    <message>
        <source>Transponders only in B</source>
        <translation>Transponders só em B</translation>
    </message>
    <message>
        <source>Transponders changed</source>
        <translation>Transponders alterados</translation>
    </message>
    <message>
        <source>Programs only in A</source>
        <translation>Canais só em A</translation>
    </message>
    <message>
        <source>Programs only in B</source>
        <translation>Canais só em B</translation>
    </message>
    <message>
        <source>Programs changed</source>
        <translation>Canais alterados</translation>
    </message>
    <message>
        <source>Programs moved</source>
        <translation>Canais movidos</translation>
    </message>
    <message>
        <source>Favorite groups only in A</source>
        <translation>Grupos de favoritos só em A</translation>
    </message>
    <message>
        <source>Favorite groups only in B</source>
        <translation>Grupos de favoritos só em B</translation>
    </message>
    <message>
        <source>Favorite groups changed</source>
        <translation>Grupos de favoritos alterados</translation>
    </message>
    <message>
        <source>name</source>
        <translation>nome</translation>
    </message>
    <message>
        <source>position</source>
        <translation>posição</translation>
    </message>
    <message>
        <source>positioner ID</source>
        <translation>posição do motor</translation>
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
        <translation>configuração da antena</translation>
    </message>
    <message>
        <source>DiSEqC mode</source>
        <translation>modo DiSEqC</translation>
    </message>
    <message>
        <source>LNB supply</source>
        <translation>alimentação LNB</translation>
    </message>
    <message>
        <source>switch port</source>
        <translation>porta da chave</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>tipo de LNB</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>frequência LNB</translation>
    </message>
    <message>
        <source>LNB frequency high</source>
        <translation>frequência LNB alta</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frequência</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>taxa de símbolos</translation>
    </message>
    <message>
        <source>polarity</source>
        <translation>polarização</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>frequency drift</source>
        <translation>desvio de frequência</translation>
    </message>
    <message>
        <source>GMT error</source>
        <translation>diferença GMT</translation>
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
        <translation>PIDs de vídeo</translation>
    </message>
    <message>
        <source>audio PIDs</source>
        <translation>PIDs de áudio</translation>
    </message>
    <message>
        <source>teletext PIDs</source>
        <translation>PIDs de teletexto</translation>
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
        <translation>Bloqueio</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pular</translation>
    </message>
    <message>
        <source>Bit 3</source>
        <translation>Bit 3</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>Não atualizar os PIDs de vídeo/áudio</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Não atualizar o nome</translation>
    </message>
    <message>
        <source>Don&apos;t update with service ID</source>
        <translation>Não atualizar pelo Service ID</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
    <message>
        <source>present</source>
        <translation>presente</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>não definido</translation>
    </message>
    <message>
        <source>TV %1</source>
        <translation>TV %1</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Rádio %1</translation>
    </message>
    <message>
        <source>program %1 (missing)</source>
        <translation>canal %1 (ausente)</translation>
    </message>
    <message>
        <source>transponder %1 (missing)</source>
        <translation>transponder %1 (ausente)</translation>
    </message>
    <message>
        <source>a missing satellite</source>
        <translation>um satélite ausente</translation>
    </message>
    <message>
        <source>a missing transponder</source>
        <translation>um transponder ausente</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1, taxa de símbolos %2</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3</source>
        <translation>%1 em %2, Service ID %3</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Grupo %1 %2</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>%1 TV, %2 rádio</translation>
    </message>
    <message>
        <source>TV list: %1 only in A</source>
        <translation>Lista de TV: %1 só em A</translation>
    </message>
    <message>
        <source>TV list: %1 only in B</source>
        <translation>Lista de TV: %1 só em B</translation>
    </message>
    <message>
        <source>radio list: %1 only in A</source>
        <translation>lista de rádio: %1 só em A</translation>
    </message>
    <message>
        <source>radio list: %1 only in B</source>
        <translation>lista de rádio: %1 só em B</translation>
    </message>
    <message>
        <source>TV list: order changed</source>
        <translation>Lista de TV: ordem alterada</translation>
    </message>
    <message>
        <source>radio list: order changed</source>
        <translation>lista de rádio: ordem alterada</translation>
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
        <translation>Comparar com arquivo</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>Co&amp;piar</translation>
    </message>
</context>
<context>
    <name>EditBar</name>
    <message>
        <source>Empty</source>
        <translation>Vazio</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
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
        <translation>Nenhuma linha de satélite foi encontrada em %1.</translation>
    </message>
    <message>
        <source>The listing is for %1, but the selected satellite is %2 at %3. Import it anyway?</source>
        <translation>A lista é de %1, mas o satélite selecionado é %2 em %3. Importar mesmo assim?</translation>
    </message>
    <message>
        <source>%1 transponders added to %2; %3 already present, %4 lines skipped.</source>
        <translation>%1 transponders adicionados a %2; %3 já existiam, %4 linhas ignoradas.</translation>
    </message>
    <message>
        <source>Some of network parameters are changed.
Do you want to apply?</source>
        <translation>Alguns parâmetros do satélite foram alterados.
Deseja aplicar as alterações?</translation>
    </message>
    <message>
        <source>Some of antenna configurations are changed.
Do you want to apply?</source>
        <translation>Algumas configurações da antena foram alteradas.
Deseja aplicar as alterações?</translation>
    </message>
    <message>
        <source>Invalid frequency or symbol rate
Correct the errors or delete the transponder</source>
        <translation>Frequência ou taxa de símbolos inválida
Corrija os erros ou exclua o transponder</translation>
    </message>
    <message>
        <source>Some of transponder parameters are changed.
Do you want to apply?</source>
        <translation>Alguns parâmetros do transponder foram alterados.
Deseja aplicar as alterações?</translation>
    </message>
    <message>
        <source>Some of program parameters are changed.
Do you want to apply?</source>
        <translation>Alguns parâmetros do canal foram alterados.
Deseja aplicar as alterações?</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Sem nome</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvar as alterações em %1?</translation>
    </message>
    <message>
        <source> (Modified)</source>
        <translation> (modificado)</translation>
    </message>
    <message>
        <source>Not yet ...</source>
        <translation>Ainda não disponível ...</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|Web page (*.html)|*.html|PDF file (*.pdf)|*.pdf||</source>
        <translation>Arquivo CSV (*.csv)|*.csv|Página da web (*.html)|*.html|Arquivo PDF (*.pdf)|*.pdf||</translation>
    </message>
    <message>
        <source>Exporting the channel list...</source>
        <translation>Exportando a lista de canais...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Exportar lista de canais</translation>
    </message>
    <message>
        <source>Network Dababase File (*.NDF)|*.NDF|All file (*.*)|*.*||</source>
        <translation>Banco de dados de canais NDF (*.NDF)|*.NDF|Todos os arquivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SATCODX File (*.SDX)|*.SDX|All file (*.*)|*.*||</source>
        <translation>Arquivo SATCODX (*.SDX)|*.SDX|Todos os arquivos (*.*)|*.*||</translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>&amp;Desfazer: %1	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <translation>&amp;Refazer: %1	Ctrl+Y</translation>
    </message>
    <message>
        <source>Sort by Degree needs one antenna configuration for each satellite.</source>
        <translation>Para ordenar por posição, cada satélite precisa de sua própria configuração de antena.</translation>
    </message>
    <message>
        <source>Work on %1 from %2 was not saved.
Do you want to recover it?</source>
        <translation>O trabalho em %1 de %2 não foi salvo.
Deseja recuperá-lo?</translation>
    </message>
    <message>
        <source>%1 was changed by another program after it was opened.
Do you want to overwrite it?</source>
        <translation>%1 foi alterado por outro programa depois de aberto.
Deseja sobrescrevê-lo?</translation>
    </message>
    <message>
        <source>The file on disk has not been changed.</source>
        <translation>O arquivo no disco não foi alterado.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Nenhum arquivo foi gravado.</translation>
    </message>
    <message>
        <source>A: %1 (open)
B: %2</source>
        <translation>A: %1 (aberto)
B: %2</translation>
    </message>
    <message>
        <source>%1 (%2 selected)</source>
        <translation>%1 (%2 selecionados)</translation>
    </message>
    <message>
        <source>Delete the program &quot;%1&quot;?</source>
        <translation>Excluir o canal &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Delete %1 programs?</source>
        <translation>Excluir %1 canais?</translation>
    </message>
    <message>
        <source>Delete the transponder %1 with its programs?</source>
        <translation>Excluir o transponder %1 com seus canais?</translation>
    </message>
    <message>
        <source>Delete %1 transponders with their programs?</source>
        <translation>Excluir %1 transponders com seus canais?</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>en</source>
        <extracomment>The language code of the exported web page&apos;s lang attribute: &quot;de&quot; in German.</extracomment>
        <translation>pt</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nº</translation>
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
        <translation>Satélite</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarização</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Taxa de símbolos</translation>
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
        <translation>Lista de canais: %1</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Rádio</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 canal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 canais</translation>
    </message>
    <message>
        <source>No channels.</source>
        <translation>Nenhum canal.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Todos os canais</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>Canais de TV</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Canais de rádio</translation>
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
        <translation>Exportar lista de canais</translation>
    </message>
    <message>
        <source>&amp;All channels</source>
        <translation>&amp;Todos os canais</translation>
    </message>
    <message>
        <source>&amp;TV channels</source>
        <translation>Canais de T&amp;V</translation>
    </message>
    <message>
        <source>&amp;Radio channels</source>
        <translation>Canais de &amp;rádio</translation>
    </message>
    <message>
        <source>One &amp;satellite:</source>
        <translation>Um &amp;satélite:</translation>
    </message>
    <message>
        <source>One &amp;favorite group:</source>
        <translation>Um grupo de &amp;favoritos:</translation>
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
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>%1 channels: a web page this long is more than a browser prints well. To print the list, export it as a PDF file.</source>
        <translation>%1 canais: um navegador não imprime bem uma página da web tão longa. Para imprimir a lista, exporte-a como arquivo PDF.</translation>
    </message>
</context>
<context>
    <name>FavoriteNamesDialog</name>
    <message>
        <source>Favorite Group Name</source>
        <translation>Nome do grupo de favoritos</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
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
        <translation>Localizar:</translation>
    </message>
    <message>
        <source>Name, service ID or frequency</source>
        <translation>Nome, Service ID ou frequência</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Correspondência anterior (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Próxima correspondência (F3)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Show only the matching programs with their transponders and satellites</source>
        <translation>Mostra só os canais correspondentes, com seus transponders e satélites</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Fechar (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Nenhuma correspondência</translation>
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
        <translation>%1 (desconhecido)</translation>
    </message>
</context>
<context>
    <name>ModificationDateDialog</name>
    <message>
        <source>Recent modification date</source>
        <translation>Data da última modificação</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>[Area code][Version in decimal] EX&gt; B002</source>
        <translation>[Código de região][Versão em decimal] Ex.: B002</translation>
    </message>
    <message>
        <source>Invalid version input</source>
        <translation>Versão inválida</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Versão</translation>
    </message>
</context>
<context>
    <name>MoveToPositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>Mover para a posição</translation>
    </message>
    <message>
        <source>&amp;Number (1 to %1):</source>
        <translation>&amp;Número (de 1 a %1):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
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
        <translation>Simples</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Universal</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DESL.</translation>
    </message>
    <message>
        <source>ON (Auto)</source>
        <translation>LIG. (auto)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ligado</translation>
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
        <translation> No&amp;me</translation>
    </message>
    <message>
        <source> &amp;Degree</source>
        <translation> Pos&amp;ição</translation>
    </message>
    <message>
        <source> LNB T&amp;ype</source>
        <translation> Tipo de LN&amp;B</translation>
    </message>
    <message>
        <source> &amp;LNB Freq</source>
        <translation> Freq&amp;uência LNB</translation>
    </message>
    <message>
        <source> L&amp;NB Freq H</source>
        <translation> Fre&amp;quência LNB H</translation>
    </message>
    <message>
        <source> LN&amp;B Power/Switch</source>
        <translation> Alimentação &amp;LNB/comutação</translation>
    </message>
    <message>
        <source> &amp;22Khz Switch</source>
        <translation> Comutação &amp;22 kHz</translation>
    </message>
    <message>
        <source> &amp;12V Switch</source>
        <translation> Comutação &amp;12 V</translation>
    </message>
    <message>
        <source> D&amp;iSEqC Switch Level</source>
        <translation> Ve&amp;rsão da chave DiSEqC</translation>
    </message>
    <message>
        <source> DiSEqC S&amp;witch Port</source>
        <translation> Porta da c&amp;have DiSEqC</translation>
    </message>
    <message>
        <source> DiSEqC Positione&amp;r Level</source>
        <translation> &amp;Versão do motor DiSEqC</translation>
    </message>
    <message>
        <source> DiSE&amp;qC Positioner ID</source>
        <translation> &amp;Posição do motor DiSEqC</translation>
    </message>
    <message>
        <source> Skew &amp;Controller</source>
        <translation> Co&amp;ntrole de skew</translation>
    </message>
    <message>
        <source> Skew &amp;Angle V</source>
        <translation> Ângulo &amp;de skew V</translation>
    </message>
    <message>
        <source> Skew An&amp;gle H</source>
        <translation> &amp;Ângulo de skew H</translation>
    </message>
</context>
<context>
    <name>NetworkTreeModel</name>
    <message>
        <source>(No name)</source>
        <translation>(Sem nome)</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Bloqueado</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Pulado</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Codificado</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Rádio</translation>
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
        <translation>Rádio</translation>
    </message>
    <message>
        <source>Subt</source>
        <translation>Leg.</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Atributos</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Não atualizar o nome</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>Não atualizar os PIDs de vídeo/áudio</translation>
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
        <translation>Co&amp;dificado</translation>
    </message>
    <message>
        <source>More A&amp;udio...</source>
        <translation>&amp;Mais faixas de áudio...</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Bloquear</translation>
    </message>
    <message>
        <source>Sk&amp;ip</source>
        <translation>P&amp;ular</translation>
    </message>
    <message>
        <source>Don&apos;t update &amp;with service ID</source>
        <translation>Não atualizar &amp;pelo Service ID</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> &amp;Nome</translation>
    </message>
    <message>
        <source> Se&amp;rvice ID</source>
        <translation> Ser&amp;vice ID</translation>
    </message>
    <message>
        <source> Service T&amp;ype</source>
        <translation> Tipo de servi&amp;ço</translation>
    </message>
    <message>
        <source> P&amp;MT PID</source>
        <translation> P&amp;ID PMT</translation>
    </message>
    <message>
        <source> P&amp;CR PID</source>
        <translation> PID PC&amp;R</translation>
    </message>
    <message>
        <source> Vi&amp;deo PID</source>
        <translation> PID de v&amp;ídeo</translation>
    </message>
    <message>
        <source> &amp;Audio PID</source>
        <translation> PID de &amp;áudio</translation>
    </message>
    <message>
        <source> Telete&amp;xt PID</source>
        <translation> PID de te&amp;letexto</translation>
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
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Insufficient memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>Nenhum arquivo encontrado</translation>
    </message>
    <message>
        <source>File crashed</source>
        <translation>Arquivo danificado</translation>
    </message>
    <message>
        <source>Creating file failed</source>
        <translation>Não foi possível criar o arquivo</translation>
    </message>
    <message>
        <source>Invalid NDF format</source>
        <translation>Formato NDF inválido</translation>
    </message>
    <message>
        <source>Bad checksum</source>
        <translation>Soma de verificação incorreta</translation>
    </message>
    <message>
        <source>NDF Version not supported</source>
        <translation>Versão NDF não suportada</translation>
    </message>
    <message>
        <source>Too many records for the NDF format</source>
        <translation>Registros demais para o formato NDF</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Modification Date</source>
        <translation>Data de modificação</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Lista de canais</translation>
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
        <translation>Editar transponder</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Editar canal</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Ordenar por posição</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Adicionar transponder</translation>
    </message>
    <message>
        <source>Add Program</source>
        <translation>Adicionar canal</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Excluir transponder</translation>
    </message>
    <message>
        <source>Delete All Transponders in Net</source>
        <translation>Excluir todos os transponders do satélite</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Excluir canal</translation>
    </message>
    <message>
        <source>Delete All Programs in Transponder</source>
        <translation>Excluir todos os canais do transponder</translation>
    </message>
    <message>
        <source>Delete All Programs in Net</source>
        <translation>Excluir todos os canais do satélite</translation>
    </message>
    <message>
        <source>Apply Order from File</source>
        <translation>Aplicar ordem de arquivo</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Limpar</translation>
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
        <translation>Pular</translation>
    </message>
    <message>
        <source>Do Not Skip</source>
        <translation>Não pular</translation>
    </message>
    <message>
        <source>Delete Programs</source>
        <translation>Excluir canais</translation>
    </message>
    <message>
        <source>Delete Transponders</source>
        <translation>Excluir transponders</translation>
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
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
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
        <translation>Circular direita</translation>
    </message>
    <message>
        <source>Circular Left</source>
        <translation>Circular esquerda</translation>
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
        <translation> F&amp;requência</translation>
    </message>
    <message>
        <source> S&amp;ymbol Rate</source>
        <translation> Taxa de s&amp;ímbolos</translation>
    </message>
    <message>
        <source> Po&amp;larity</source>
        <translation> &amp;Polarização</translation>
    </message>
    <message>
        <source> FE&amp;C</source>
        <translation> C&amp;ódigo FEC</translation>
    </message>
    <message>
        <source> Freq &amp;Drift</source>
        <translation> Des&amp;vio de frequência</translation>
    </message>
    <message>
        <source> &amp;GMT Error</source>
        <translation> &amp;Diferença GMT</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>Dishline User Guide</source>
        <translation>Guia do usuário do Dishline</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>&amp;Sumário</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
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
        <translation>Editor de bancos de dados de canais NDF</translation>
    </message>
    <message>
        <source>An NDF file to open.</source>
        <translation>Um arquivo NDF para abrir.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[arquivo]</translation>
    </message>
</context>
</TS>
