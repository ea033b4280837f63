<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Dishline</source>
        <translation>О программе Dishline</translation>
    </message>
    <message>
        <source>Dishline Version 1.3</source>
        <translation>Dishline, версия 1.3</translation>
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
        <translation>Применить порядок из файла</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Поляризация</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service ID</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Радио %1</translation>
    </message>
    <message>
        <source>TV %1</source>
        <translation>ТВ %1</translation>
    </message>
    <message>
        <source>Reference: %1
%2 of %3 channels of the reference paired: %4 by service ID and frequency, %5 by service ID alone, %6 by name.
Satellites pair by position within %7°, channels by service ID and frequency within %8 MHz, then by name (without regard to case and a trailing HD, SD or UHD).</source>
        <translation>Образец: %1
Сопоставлено каналов образца: %2 из %3; по Service ID и частоте: %4, только по Service ID: %5, по имени: %6.
Спутники сопоставляются по позиции с точностью до %7°, каналы — по Service ID и частоте с точностью до %8 МГц, затем по имени (без учёта регистра и окончания HD, SD или UHD).</translation>
    </message>
    <message>
        <source>Reference satellite</source>
        <translation>Спутник образца</translation>
    </message>
    <message>
        <source>Satellite here</source>
        <translation>Спутник здесь</translation>
    </message>
    <message>
        <source>Channels in the reference</source>
        <translation>Каналы в образце</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Сопоставлено</translation>
    </message>
    <message>
        <source>Channels here</source>
        <translation>Каналы здесь</translation>
    </message>
    <message>
        <source>not found here</source>
        <translation>здесь не найден</translation>
    </message>
    <message>
        <source>%1: %2 channels</source>
        <translation>%1: каналов: %2</translation>
    </message>
    <message>
        <source>Satellites of the reference with channels and no partner here: %1. Their channels and favorites cannot be placed.</source>
        <translation>Спутники образца с каналами, но без пары здесь: %1. Их каналы и избранное не могут быть перенесены.</translation>
    </message>
    <message>
        <source>&amp;Satellites:</source>
        <translation>&amp;Спутники:</translation>
    </message>
    <message>
        <source>Channels of the reference &amp;not found here: %1</source>
        <translation>Каналы образца, &amp;не найденные здесь: %1</translation>
    </message>
    <message>
        <source>Channels here &amp;without a partner: %1</source>
        <translation>Каналы здесь &amp;без пары: %1</translation>
    </message>
    <message>
        <source>&amp;Favorite groups</source>
        <translation>&amp;Группы избранного</translation>
    </message>
    <message>
        <source>&amp;Locks, skips and &quot;Don&apos;t update&quot; marks, with the names kept by &quot;Don&apos;t update name&quot;</source>
        <translation>Б&amp;локировки, пропуски и отметки «Не обновлять», с именами, сохранёнными отметкой «Не обновлять имя»</translation>
    </message>
    <message>
        <source>&amp;Every name from the reference</source>
        <translation>&amp;Все имена из образца</translation>
    </message>
    <message>
        <source>These satellites of the reference have channels and no partner here:
%1

Their channels and favorites will not be placed. Apply anyway?</source>
        <translation>У этих спутников образца есть каналы, но здесь нет пары:
%1

Их каналы и избранное не будут перенесены. Всё равно применить?</translation>
    </message>
    <message>
        <source>Channel o&amp;rder</source>
        <translation>&amp;Порядок каналов</translation>
    </message>
</context>
<context>
    <name>AudioDialog</name>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Enc</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>Invalid PID</source>
        <translation>Недопустимый PID</translation>
    </message>
    <message>
        <source>A program holds at most 255 audio tracks.</source>
        <translation>Канал может содержать не более 255 аудиодорожек.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
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
        <translation>Список каналов</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Переименовать</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Найти</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>&amp;How to use...</source>
        <translation>&amp;Как пользоваться...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>All Satellites</source>
        <translation>Все спутники</translation>
    </message>
    <message>
        <source>%1 of %2 selected</source>
        <translation>Выбрано: %1 из %2</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>Каналов: %1</translation>
    </message>
    <message>
        <source>Channel List (Modified)</source>
        <translation>Список каналов (изменён)</translation>
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
Чтобы отсортировать список каналов

	- Щёлкните левой кнопкой мыши по заголовку столбца списка.

Чтобы переместить канал

	- Перетащите канал мышью.

Чтобы добавить канал в группу избранного
Чтобы удалить канал из группы избранного

	- Щёлкните правой кнопкой мыши по имени канала
</translation>
    </message>
    <message>
        <source>No match was found...</source>
        <translation>Совпадений не найдено...</translation>
    </message>
    <message>
        <source>Discard the changes to the channel list?</source>
        <translation>Отменить изменения списка каналов?</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Переместить вверх</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Переместить вниз</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>Переместить в начало</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>Переместить в конец</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Переместить на позицию...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Добавить в «%1»</translation>
    </message>
    <message>
        <source>Remove from %1</source>
        <translation>Удалить из «%1»</translation>
    </message>
    <message>
        <source>Delete 1 channel?</source>
        <translation>Удалить 1 канал?</translation>
    </message>
    <message>
        <source>Delete %1 channels?</source>
        <translation>Удалить каналы (%1)?</translation>
    </message>
    <message>
        <source>Channel &amp;Group</source>
        <translation>&amp;Группа каналов</translation>
    </message>
    <message>
        <source>&amp;TV</source>
        <translation>&amp;ТВ</translation>
    </message>
    <message>
        <source>R&amp;adio</source>
        <translation>&amp;Радио</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>Every key of the list (picking rows, Lock, Skip, renaming, moving) is described in the user guide: press F1, or choose Help &gt; User Guide in the main window.</source>
        <translation>Все клавиши списка (выбор строк, блокировка, пропуск, переименование, перемещение) описаны в руководстве пользователя: нажмите F1 или выберите в главном окне Справка &gt; Руководство пользователя.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Блокировка</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропуск</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Переименование канала</translation>
    </message>
</context>
<context>
    <name>ChannelListModel</name>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Блок.</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропуск</translation>
    </message>
</context>
<context>
    <name>ChannelListView</name>
    <message>
        <source>%1 channels</source>
        <translation>Каналов: %1</translation>
    </message>
</context>
<context>
    <name>CleanUp</name>
    <message>
        <source>duplicate programs</source>
        <translation>повторяющиеся каналы</translation>
    </message>
    <message>
        <source>duplicate transponders</source>
        <translation>повторяющиеся транспондеры</translation>
    </message>
    <message>
        <source>broken favorite entries</source>
        <translation>повреждённые записи избранного</translation>
    </message>
    <message>
        <source>programs whose transponder does not exist</source>
        <translation>каналы несуществующих транспондеров</translation>
    </message>
    <message>
        <source>transponders without programs</source>
        <translation>транспондеры без каналов</translation>
    </message>
    <message>
        <source>TV %1</source>
        <translation>ТВ %1</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Радио %1</translation>
    </message>
    <message>
        <source>a missing satellite</source>
        <translation>отсутствующий спутник</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3: same as %4</source>
        <translation>%1 на %2, Service ID %3: то же, что %4</translation>
    </message>
    <message>
        <source>%1, service ID %2: transponder %3 does not exist</source>
        <translation>%1, Service ID %2: транспондер %3 не существует</translation>
    </message>
    <message>
        <source>%1, symbol rate %2: same as %3 %4, %5 channels move there</source>
        <translation>%1, символьная скорость %2: то же, что %3 %4; каналов переносится туда: %5</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1, символьная скорость %2</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Группа %1 %2</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: program %3 does not exist</source>
        <translation>%1, запись ТВ-списка %2: канал %3 не существует</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: program %3 does not exist</source>
        <translation>%1, запись радиосписка %2: канал %3 не существует</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: repeats %3</source>
        <translation>%1, запись ТВ-списка %2: повторяет %3</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: repeats %3</source>
        <translation>%1, запись радиосписка %2: повторяет %3</translation>
    </message>
</context>
<context>
    <name>CleanUpDialog</name>
    <message>
        <source>Clean Up</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing to clean up.</source>
        <translation>Очищать нечего.</translation>
    </message>
    <message>
        <source>Clean Up removed channels: %1, transponders: %2, favorite entries: %3.</source>
        <translation>Очистка удалила каналов: %1, транспондеров: %2, записей избранного: %3.</translation>
    </message>
    <message>
        <source>Checked for removal: %1</source>
        <translation>Отмечено для удаления: %1</translation>
    </message>
    <message>
        <source>Check &amp;what to remove:</source>
        <translation>Отметьте, что &amp;удалить:</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New...	Ctrl+N</source>
        <translation>&amp;Создать...	Ctrl+N</translation>
    </message>
    <message>
        <source>Creates a new NDF file</source>
        <translation>Создаёт новый файл NDF</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Открыть...	Ctrl+O</translation>
    </message>
    <message>
        <source>Opens an existing NDF file</source>
        <translation>Открывает существующий файл NDF</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Closes the NDF file</source>
        <translation>Закрывает файл NDF</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>Со&amp;хранить	Ctrl+S</translation>
    </message>
    <message>
        <source>Saves the NDF file</source>
        <translation>Сохраняет файл NDF</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>Saves the NDF file with a new name</source>
        <translation>Сохраняет файл NDF под новым именем</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Печать...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print all or parts of the NDF file</source>
        <translation>Печатает файл NDF целиком или частично</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>&amp;Export Channel List...</source>
        <translation>&amp;Экспорт списка каналов...</translation>
    </message>
    <message>
        <source>Save the channel list as a CSV, HTML or PDF file</source>
        <translation>Сохраняет список каналов в файл CSV, HTML или PDF</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Экспорт списка каналов</translation>
    </message>
    <message>
        <source>Modification &amp;Date...</source>
        <translation>&amp;Дата изменения...</translation>
    </message>
    <message>
        <source>Show/Edit the recent modification date</source>
        <translation>Показывает или изменяет дату последнего изменения</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt+F4</source>
        <translation>&amp;Выход	Alt+F4</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the NDF file</source>
        <translation>Завершает работу программы; предлагает сохранить файл NDF</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Отменяет последнее изменение</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <source>Redo the change that was undone</source>
        <translation>Повторяет отменённое изменение</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Restore &amp;Discarded Channel List Changes</source>
        <translation>&amp;Вернуть отменённые изменения списка каналов</translation>
    </message>
    <message>
        <source>Open the channel list again with the changes that were discarded</source>
        <translation>Снова открывает список каналов с отменёнными изменениями</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Editbar</source>
        <translation>&amp;Панель редактирования</translation>
    </message>
    <message>
        <source>Show or hide the edit bar</source>
        <translation>Показывает или скрывает панель редактирования</translation>
    </message>
    <message>
        <source>Toggle EditBar</source>
        <translation>Панель редактирования</translation>
    </message>
    <message>
        <source>Show the channel list</source>
        <translation>Показывает список каналов</translation>
    </message>
    <message>
        <source>Ch List</source>
        <translation>Список каналов</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Панель &amp;инструментов</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Показывает или скрывает панель инструментов</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Строка с&amp;остояния</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Показывает или скрывает строку состояния</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Строка состояния</translation>
    </message>
    <message>
        <source>&amp;Satellite</source>
        <translation>&amp;Спутник</translation>
    </message>
    <message>
        <source>Import &amp;SATCODX</source>
        <translation>&amp;Импорт SATCODX</translation>
    </message>
    <message>
        <source>Load the selected satellite from SATCODX file</source>
        <translation>Загружает выбранный спутник из файла SATCODX</translation>
    </message>
    <message>
        <source>SATCODX</source>
        <translation>SATCODX</translation>
    </message>
    <message>
        <source>Sort by &amp;Degree</source>
        <translation>&amp;Сортировать по позиции</translation>
    </message>
    <message>
        <source>Sort the satellite list by degree</source>
        <translation>Сортирует список спутников по орбитальной позиции</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Сортировать по позиции</translation>
    </message>
    <message>
        <source>&amp;Transponder</source>
        <translation>&amp;Транспондер</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>Add a new transponder</source>
        <translation>Добавляет новый транспондер</translation>
    </message>
    <message>
        <source>Add Tp</source>
        <translation>Добавить транспондер</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Удалить выбранный</translation>
    </message>
    <message>
        <source>Delete the selected transponder</source>
        <translation>Удаляет выбранный транспондер</translation>
    </message>
    <message>
        <source>Delete Tp</source>
        <translation>Удалить транспондер</translation>
    </message>
    <message>
        <source>Delete All in &amp;Net</source>
        <translation>Удалить все на &amp;спутнике</translation>
    </message>
    <message>
        <source>Delete all transponders in the selected network</source>
        <translation>Удаляет все транспондеры выбранного спутника</translation>
    </message>
    <message>
        <source>Delete All Tps in Net</source>
        <translation>Удалить все транспондеры спутника</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Канал</translation>
    </message>
    <message>
        <source>Add a new program</source>
        <translation>Добавляет новый канал</translation>
    </message>
    <message>
        <source>Add Prog</source>
        <translation>Добавить канал</translation>
    </message>
    <message>
        <source>Delete the selected program</source>
        <translation>Удаляет выбранный канал</translation>
    </message>
    <message>
        <source>Delete Prog</source>
        <translation>Удалить канал</translation>
    </message>
    <message>
        <source>Delete All in &amp;Transponder</source>
        <translation>Удалить все на &amp;транспондере</translation>
    </message>
    <message>
        <source>Delete all programs in the selected transponder</source>
        <translation>Удаляет все каналы выбранного транспондера</translation>
    </message>
    <message>
        <source>Delete Progs In Tp</source>
        <translation>Удалить все каналы транспондера</translation>
    </message>
    <message>
        <source>Delete all programs in the selected network</source>
        <translation>Удаляет все каналы выбранного спутника</translation>
    </message>
    <message>
        <source>Delete Progs In Net</source>
        <translation>Удалить все каналы спутника</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>С&amp;ервис</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Применить порядок</translation>
    </message>
    <message>
        <source>Find duplicate and broken records and remove them</source>
        <translation>Находит и удаляет повторяющиеся и повреждённые записи</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Show what differs between this file and another NDF file</source>
        <translation>Показывает различия между этим и другим файлом NDF</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Сп&amp;равка</translation>
    </message>
    <message>
        <source>&amp;About Dishline...</source>
        <translation>&amp;О программе Dishline...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Показывает сведения о программе, номер версии и авторские права</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Take the channel order, favorite groups, locks, skips and kept names from another NDF file</source>
        <translation>Переносит порядок каналов, группы избранного, блокировки, пропуски и сохранённые имена из другого файла NDF</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Найти...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find programs, transponders and satellites by name or number</source>
        <translation>Ищет каналы, транспондеры и спутники по имени или номеру</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>&amp;Lock	Ctrl+L</source>
        <translation>&amp;Блокировка	Ctrl+L</translation>
    </message>
    <message>
        <source>Lock or unlock the selected programs</source>
        <translation>Блокирует выбранные каналы или снимает блокировку</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Блокировка</translation>
    </message>
    <message>
        <source>S&amp;kip	Ctrl+K</source>
        <translation>&amp;Пропуск	Ctrl+K</translation>
    </message>
    <message>
        <source>Mark or unmark the selected programs to be skipped</source>
        <translation>Отмечает выбранные каналы для пропуска при переключении или снимает отметку</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропуск</translation>
    </message>
    <message>
        <source>&amp;Channel List	F7</source>
        <translation>&amp;Список каналов	F7</translation>
    </message>
    <message>
        <source>Apply &amp;Order from File...	Ctrl+Shift+O</source>
        <translation>&amp;Применить порядок из файла...	Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>&amp;Clean Up...	Ctrl+Shift+L</source>
        <translation>&amp;Очистка...	Ctrl+Shift+L</translation>
    </message>
    <message>
        <source>Co&amp;mpare with File...	Ctrl+Shift+M</source>
        <translation>&amp;Сравнить с файлом...	Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>&amp;User Guide	F1</source>
        <translation>&amp;Руководство пользователя	F1</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Открывает руководство пользователя</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Руководство пользователя</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>No differences.</source>
        <translation>Различий нет.</translation>
    </message>
    <message>
        <source>Satellites only in A</source>
        <translation>Спутники только в A</translation>
    </message>
    <message>
        <source>Satellites only in B</source>
        <translation>Спутники только в B</translation>
    </message>
    <message>
        <source>Satellites changed</source>
        <translation>Изменённые спутники</translation>
    </message>
    <message>
        <source>Transponders only in A</source>
        <translation>Транспондеры только в A</translation>
    </message>
    <message>
        <source>Transponders only in B</source>
        <translation>Транспондеры только в B</translation>
    </message>
    <message>
        <source>Transponders changed</source>
        <translation>Изменённые транспондеры</translation>
    </message>
    <message>
        <source>Programs only in A</source>
        <translation>Каналы только в A</translation>
    </message>
    <message>
        <source>Programs only in B</source>
        <translation>Каналы только в B</translation>
    </message>
    <message>
        <source>Programs changed</source>
        <translation>Изменённые каналы</translation>
    </message>
    <message>
        <source>Programs moved</source>
        <translation>Перемещённые каналы</translation>
    </message>
    <message>
        <source>Favorite groups only in A</source>
        <translation>Группы избранного только в A</translation>
    </message>
    <message>
        <source>Favorite groups only in B</source>
        <translation>Группы избранного только в B</translation>
    </message>
    <message>
        <source>Favorite groups changed</source>
        <translation>Изменённые группы избранного</translation>
    </message>
    <message>
        <source>name</source>
        <translation>имя</translation>
    </message>
    <message>
        <source>position</source>
        <translation>позиция</translation>
    </message>
    <message>
        <source>positioner ID</source>
        <translation>позиция позиционера</translation>
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
        <translation>настройка антенны</translation>
    </message>
    <message>
        <source>DiSEqC mode</source>
        <translation>режим DiSEqC</translation>
    </message>
    <message>
        <source>LNB supply</source>
        <translation>питание LNB</translation>
    </message>
    <message>
        <source>switch port</source>
        <translation>вход переключателя</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>тип LNB</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>частота LNB</translation>
    </message>
    <message>
        <source>LNB frequency high</source>
        <translation>верхняя частота LNB</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>частота</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>символьная скорость</translation>
    </message>
    <message>
        <source>polarity</source>
        <translation>поляризация</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>frequency drift</source>
        <translation>уход частоты</translation>
    </message>
    <message>
        <source>GMT error</source>
        <translation>поправка GMT</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>транспондер</translation>
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
        <translation>PID видео</translation>
    </message>
    <message>
        <source>audio PIDs</source>
        <translation>PID аудио</translation>
    </message>
    <message>
        <source>teletext PIDs</source>
        <translation>PID телетекста</translation>
    </message>
    <message>
        <source>CA mask</source>
        <translation>маска CA</translation>
    </message>
    <message>
        <source>attributes</source>
        <translation>свойства</translation>
    </message>
    <message>
        <source>attributes 2</source>
        <translation>свойства 2</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Кодированный</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Блокировка</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропуск</translation>
    </message>
    <message>
        <source>Bit 3</source>
        <translation>Бит 3</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>Не обновлять PID видео/аудио</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Не обновлять имя</translation>
    </message>
    <message>
        <source>Don&apos;t update with service ID</source>
        <translation>Не обновлять по Service ID</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>present</source>
        <translation>есть</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>отсутствует</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>не задано</translation>
    </message>
    <message>
        <source>TV %1</source>
        <translation>ТВ %1</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Радио %1</translation>
    </message>
    <message>
        <source>program %1 (missing)</source>
        <translation>канал %1 (отсутствует)</translation>
    </message>
    <message>
        <source>transponder %1 (missing)</source>
        <translation>транспондер %1 (отсутствует)</translation>
    </message>
    <message>
        <source>a missing satellite</source>
        <translation>отсутствующий спутник</translation>
    </message>
    <message>
        <source>a missing transponder</source>
        <translation>отсутствующий транспондер</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1, символьная скорость %2</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3</source>
        <translation>%1 на %2, Service ID %3</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Группа %1 %2</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>ТВ: %1, радио: %2</translation>
    </message>
    <message>
        <source>TV list: %1 only in A</source>
        <translation>ТВ-список: %1 только в A</translation>
    </message>
    <message>
        <source>TV list: %1 only in B</source>
        <translation>ТВ-список: %1 только в B</translation>
    </message>
    <message>
        <source>radio list: %1 only in A</source>
        <translation>радиосписок: %1 только в A</translation>
    </message>
    <message>
        <source>radio list: %1 only in B</source>
        <translation>радиосписок: %1 только в B</translation>
    </message>
    <message>
        <source>TV list: order changed</source>
        <translation>ТВ-список: порядок изменён</translation>
    </message>
    <message>
        <source>radio list: order changed</source>
        <translation>радиосписок: порядок изменён</translation>
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
        <translation>Сравнение с файлом</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;Копировать</translation>
    </message>
</context>
<context>
    <name>EditBar</name>
    <message>
        <source>Empty</source>
        <translation>Пусто</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Транспондер</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Канал</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>No satellite lines were found in %1.</source>
        <translation>В %1 не найдено ни одной строки спутника.</translation>
    </message>
    <message>
        <source>The listing is for %1, but the selected satellite is %2 at %3. Import it anyway?</source>
        <translation>Список относится к %1, а выбран спутник %2 на %3. Всё равно импортировать?</translation>
    </message>
    <message>
        <source>%1 transponders added to %2; %3 already present, %4 lines skipped.</source>
        <translation>Добавлено транспондеров в %2: %1; уже были: %3, пропущено строк: %4.</translation>
    </message>
    <message>
        <source>Some of network parameters are changed.
Do you want to apply?</source>
        <translation>Некоторые параметры спутника изменены.
Применить изменения?</translation>
    </message>
    <message>
        <source>Some of antenna configurations are changed.
Do you want to apply?</source>
        <translation>Некоторые настройки антенны изменены.
Применить изменения?</translation>
    </message>
    <message>
        <source>Invalid frequency or symbol rate
Correct the errors or delete the transponder</source>
        <translation>Недопустимая частота или символьная скорость
Исправьте ошибки или удалите транспондер</translation>
    </message>
    <message>
        <source>Some of transponder parameters are changed.
Do you want to apply?</source>
        <translation>Некоторые параметры транспондера изменены.
Применить изменения?</translation>
    </message>
    <message>
        <source>Some of program parameters are changed.
Do you want to apply?</source>
        <translation>Некоторые параметры канала изменены.
Применить изменения?</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Сохранить изменения в %1?</translation>
    </message>
    <message>
        <source> (Modified)</source>
        <translation> (изменён)</translation>
    </message>
    <message>
        <source>Not yet ...</source>
        <translation>Пока недоступно ...</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|Web page (*.html)|*.html|PDF file (*.pdf)|*.pdf||</source>
        <translation>Файл CSV (*.csv)|*.csv|Веб-страница (*.html)|*.html|Файл PDF (*.pdf)|*.pdf||</translation>
    </message>
    <message>
        <source>Exporting the channel list...</source>
        <translation>Экспорт списка каналов...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Экспорт списка каналов</translation>
    </message>
    <message>
        <source>Network Dababase File (*.NDF)|*.NDF|All file (*.*)|*.*||</source>
        <translation>База каналов NDF (*.NDF)|*.NDF|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SATCODX File (*.SDX)|*.SDX|All file (*.*)|*.*||</source>
        <translation>Файл SATCODX (*.SDX)|*.SDX|Все файлы (*.*)|*.*||</translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>&amp;Отменить: %1	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <translation>&amp;Повторить: %1	Ctrl+Y</translation>
    </message>
    <message>
        <source>Sort by Degree needs one antenna configuration for each satellite.</source>
        <translation>Для сортировки по позиции у каждого спутника должна быть своя настройка антенны.</translation>
    </message>
    <message>
        <source>Work on %1 from %2 was not saved.
Do you want to recover it?</source>
        <translation>Работа над %1 от %2 не была сохранена.
Восстановить её?</translation>
    </message>
    <message>
        <source>%1 was changed by another program after it was opened.
Do you want to overwrite it?</source>
        <translation>Файл %1 был изменён другой программой после открытия.
Перезаписать его?</translation>
    </message>
    <message>
        <source>The file on disk has not been changed.</source>
        <translation>Файл на диске не изменён.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Файл не записан.</translation>
    </message>
    <message>
        <source>A: %1 (open)
B: %2</source>
        <translation>A: %1 (открыт)
B: %2</translation>
    </message>
    <message>
        <source>%1 (%2 selected)</source>
        <translation>%1 (выбрано: %2)</translation>
    </message>
    <message>
        <source>Delete the program &quot;%1&quot;?</source>
        <translation>Удалить канал «%1»?</translation>
    </message>
    <message>
        <source>Delete %1 programs?</source>
        <translation>Удалить каналы (%1)?</translation>
    </message>
    <message>
        <source>Delete the transponder %1 with its programs?</source>
        <translation>Удалить транспондер %1 вместе с его каналами?</translation>
    </message>
    <message>
        <source>Delete %1 transponders with their programs?</source>
        <translation>Удалить транспондеры (%1) вместе с их каналами?</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>en</source>
        <extracomment>The language code of the exported web page&apos;s lang attribute: &quot;de&quot; in German.</extracomment>
        <translation>ru</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Спутник</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Поляризация</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Символьная скорость</translation>
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
        <translation>Избранное</translation>
    </message>
    <message>
        <source>Channel list: %1</source>
        <translation>Список каналов: %1</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>Каналов: %1</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>Каналов: %1</translation>
    </message>
    <message>
        <source>No channels.</source>
        <translation>Нет каналов.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Все каналы</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>ТВ-каналы</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Радиоканалы</translation>
    </message>
    <message>
        <source>Satellite %1 (%2)</source>
        <translation>Спутник %1 (%2)</translation>
    </message>
    <message>
        <source>Favorite group %1</source>
        <translation>Группа избранного %1</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Экспорт списка каналов</translation>
    </message>
    <message>
        <source>&amp;All channels</source>
        <translation>&amp;Все каналы</translation>
    </message>
    <message>
        <source>&amp;TV channels</source>
        <translation>&amp;ТВ-каналы</translation>
    </message>
    <message>
        <source>&amp;Radio channels</source>
        <translation>&amp;Радиоканалы</translation>
    </message>
    <message>
        <source>One &amp;satellite:</source>
        <translation>Один &amp;спутник:</translation>
    </message>
    <message>
        <source>One &amp;favorite group:</source>
        <translation>Одна &amp;группа избранного:</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Избр. %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>%1 channels: a web page this long is more than a browser prints well. To print the list, export it as a PDF file.</source>
        <translation>Каналов: %1. Такую длинную веб-страницу браузер не сможет хорошо напечатать. Чтобы напечатать список, экспортируйте его в файл PDF.</translation>
    </message>
</context>
<context>
    <name>FavoriteNamesDialog</name>
    <message>
        <source>Favorite Group Name</source>
        <translation>Имя группы избранного</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Найти:</translation>
    </message>
    <message>
        <source>Name, service ID or frequency</source>
        <translation>Имя, Service ID или частота</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 из %2</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Предыдущее совпадение (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Следующее совпадение (F3)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Show only the matching programs with their transponders and satellites</source>
        <translation>Показывать только найденные каналы с их транспондерами и спутниками</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Закрыть (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Совпадений нет</translation>
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
        <translation>%1 (неизвестно)</translation>
    </message>
</context>
<context>
    <name>ModificationDateDialog</name>
    <message>
        <source>Recent modification date</source>
        <translation>Дата последнего изменения</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>[Area code][Version in decimal] EX&gt; B002</source>
        <translation>[Код региона][Версия в десятичном виде] Пример: B002</translation>
    </message>
    <message>
        <source>Invalid version input</source>
        <translation>Недопустимая версия</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Дата</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Версия</translation>
    </message>
</context>
<context>
    <name>MoveToPositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>Переместить на позицию</translation>
    </message>
    <message>
        <source>&amp;Number (1 to %1):</source>
        <translation>&amp;Номер (от 1 до %1):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
</context>
<context>
    <name>NetworkPane</name>
    <message>
        <source>Single</source>
        <translation>Однодиапазонный</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Универсальный</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>ON (Auto)</source>
        <translation>ВКЛ (авто)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл</translation>
    </message>
    <message>
        <source>BOTH</source>
        <translation>ОБА</translation>
    </message>
    <message>
        <source>Exists</source>
        <translation>Есть</translation>
    </message>
    <message>
        <source> Na&amp;me</source>
        <translation> И&amp;мя</translation>
    </message>
    <message>
        <source> &amp;Degree</source>
        <translation> П&amp;озиция</translation>
    </message>
    <message>
        <source> LNB T&amp;ype</source>
        <translation> Тип &amp;LNB</translation>
    </message>
    <message>
        <source> &amp;LNB Freq</source>
        <translation> &amp;Частота LNB</translation>
    </message>
    <message>
        <source> L&amp;NB Freq H</source>
        <translation> Частота LNB &amp;H</translation>
    </message>
    <message>
        <source> LN&amp;B Power/Switch</source>
        <translation> Пит&amp;ание LNB/переключение</translation>
    </message>
    <message>
        <source> &amp;22Khz Switch</source>
        <translation> Переключение &amp;22 кГц</translation>
    </message>
    <message>
        <source> &amp;12V Switch</source>
        <translation> Переключение &amp;12 В</translation>
    </message>
    <message>
        <source> D&amp;iSEqC Switch Level</source>
        <translation> Верси&amp;я DiSEqC-переключателя</translation>
    </message>
    <message>
        <source> DiSEqC S&amp;witch Port</source>
        <translation> В&amp;ход DiSEqC-переключателя</translation>
    </message>
    <message>
        <source> DiSEqC Positione&amp;r Level</source>
        <translation> Верс&amp;ия DiSEqC-позиционера</translation>
    </message>
    <message>
        <source> DiSE&amp;qC Positioner ID</source>
        <translation> Позиция &amp;DiSEqC-позиционера</translation>
    </message>
    <message>
        <source> Skew &amp;Controller</source>
        <translation> Ре&amp;гулятор Skew</translation>
    </message>
    <message>
        <source> Skew &amp;Angle V</source>
        <translation> Угол &amp;Skew V</translation>
    </message>
    <message>
        <source> Skew An&amp;gle H</source>
        <translation> &amp;Угол Skew H</translation>
    </message>
</context>
<context>
    <name>NetworkTreeModel</name>
    <message>
        <source>(No name)</source>
        <translation>(Без имени)</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Заблокирован</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропускается</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Кодированный</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
</context>
<context>
    <name>ProgramPane</name>
    <message>
        <source>TV</source>
        <translation>ТВ</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Радио</translation>
    </message>
    <message>
        <source>Subt</source>
        <translation>Субт.</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Не обновлять имя</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>Не обновлять PID видео/аудио</translation>
    </message>
    <message>
        <source> CA</source>
        <translation> CA</translation>
    </message>
    <message>
        <source>AC&amp;3</source>
        <translation>&amp;AC3</translation>
    </message>
    <message>
        <source>Scram&amp;bled</source>
        <translation>К&amp;одирован</translation>
    </message>
    <message>
        <source>More A&amp;udio...</source>
        <translation>&amp;Другие аудиодорожки...</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>&amp;Блокировка</translation>
    </message>
    <message>
        <source>Sk&amp;ip</source>
        <translation>Проп&amp;уск</translation>
    </message>
    <message>
        <source>Don&apos;t update &amp;with service ID</source>
        <translation>&amp;Не обновлять по Service ID</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> И&amp;мя</translation>
    </message>
    <message>
        <source> Se&amp;rvice ID</source>
        <translation> &amp;Service ID</translation>
    </message>
    <message>
        <source> Service T&amp;ype</source>
        <translation> Т&amp;ип сервиса</translation>
    </message>
    <message>
        <source> P&amp;MT PID</source>
        <translation> P&amp;MT PID</translation>
    </message>
    <message>
        <source> P&amp;CR PID</source>
        <translation> P&amp;CR PID</translation>
    </message>
    <message>
        <source> Vi&amp;deo PID</source>
        <translation> Видео &amp;PID</translation>
    </message>
    <message>
        <source> &amp;Audio PID</source>
        <translation> &amp;Аудио PID</translation>
    </message>
    <message>
        <source> Telete&amp;xt PID</source>
        <translation> Те&amp;летекст PID</translation>
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
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Insufficient memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>Файл не найден</translation>
    </message>
    <message>
        <source>File crashed</source>
        <translation>Файл повреждён</translation>
    </message>
    <message>
        <source>Creating file failed</source>
        <translation>Не удалось создать файл</translation>
    </message>
    <message>
        <source>Invalid NDF format</source>
        <translation>Неверный формат NDF</translation>
    </message>
    <message>
        <source>Bad checksum</source>
        <translation>Неверная контрольная сумма</translation>
    </message>
    <message>
        <source>NDF Version not supported</source>
        <translation>Версия NDF не поддерживается</translation>
    </message>
    <message>
        <source>Too many records for the NDF format</source>
        <translation>Слишком много записей для формата NDF</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Modification Date</source>
        <translation>Дата изменения</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Список каналов</translation>
    </message>
    <message>
        <source>Import SATCODX</source>
        <translation>Импорт SATCODX</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Изменение спутника</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Изменение транспондера</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Изменение канала</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Сортировка по позиции</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Добавление транспондера</translation>
    </message>
    <message>
        <source>Add Program</source>
        <translation>Добавление канала</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Удаление транспондера</translation>
    </message>
    <message>
        <source>Delete All Transponders in Net</source>
        <translation>Удаление всех транспондеров спутника</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Удаление канала</translation>
    </message>
    <message>
        <source>Delete All Programs in Transponder</source>
        <translation>Удаление всех каналов транспондера</translation>
    </message>
    <message>
        <source>Delete All Programs in Net</source>
        <translation>Удаление всех каналов спутника</translation>
    </message>
    <message>
        <source>Apply Order from File</source>
        <translation>Применение порядка из файла</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Блокировка</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Снятие блокировки</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Пропуск</translation>
    </message>
    <message>
        <source>Do Not Skip</source>
        <translation>Без пропуска</translation>
    </message>
    <message>
        <source>Delete Programs</source>
        <translation>Удаление каналов</translation>
    </message>
    <message>
        <source>Delete Transponders</source>
        <translation>Удаление транспондеров</translation>
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
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
</context>
<context>
    <name>TransponderPane</name>
    <message>
        <source>Vert</source>
        <translation>Вертикальная</translation>
    </message>
    <message>
        <source>Horz</source>
        <translation>Горизонтальная</translation>
    </message>
    <message>
        <source>Circular Right</source>
        <translation>Круговая правая</translation>
    </message>
    <message>
        <source>Circular Left</source>
        <translation>Круговая левая</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> И&amp;мя</translation>
    </message>
    <message>
        <source> F&amp;requency</source>
        <translation> &amp;Частота</translation>
    </message>
    <message>
        <source> S&amp;ymbol Rate</source>
        <translation> С&amp;имвольная скорость</translation>
    </message>
    <message>
        <source> Po&amp;larity</source>
        <translation> П&amp;оляризация</translation>
    </message>
    <message>
        <source> FE&amp;C</source>
        <translation> &amp;FEC</translation>
    </message>
    <message>
        <source> Freq &amp;Drift</source>
        <translation> &amp;Уход частоты</translation>
    </message>
    <message>
        <source> &amp;GMT Error</source>
        <translation> Поправка &amp;GMT</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>Dishline User Guide</source>
        <translation>Руководство пользователя Dishline</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
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
        <translation>Редактор баз каналов NDF</translation>
    </message>
    <message>
        <source>An NDF file to open.</source>
        <translation>Файл NDF для открытия.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[файл]</translation>
    </message>
</context>
</TS>
