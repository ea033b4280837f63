<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Dishline</source>
        <translation>حول Dishline</translation>
    </message>
    <message>
        <source>Dishline Version 1.3</source>
        <translation>Dishline الإصدار 1.3</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
</context>
<context>
    <name>ApplyOrderDialog</name>
    <message>
        <source>Apply Order from File</source>
        <translation>تطبيق الترتيب من ملف</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(لا يوجد)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Service ID</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>راديو %1</translation>
    </message>
    <message>
        <source>TV %1</source>
        <translation>تلفزيون %1</translation>
    </message>
    <message>
        <source>Reference: %1
%2 of %3 channels of the reference paired: %4 by service ID and frequency, %5 by service ID alone, %6 by name.
Satellites pair by position within %7°, channels by service ID and frequency within %8 MHz, then by name (without regard to case and a trailing HD, SD or UHD).</source>
        <translation>المرجع: %1
تمت مطابقة %2 من %3 قناة في المرجع: %4 عبر Service ID والتردد، و%5 عبر Service ID وحده، و%6 عبر الاسم.
تُطابق الأقمار حسب الموقع ضمن %7°، والقنوات حسب Service ID والتردد ضمن %8 ميغاهرتز، ثم حسب الاسم (دون اعتبار لحالة الأحرف ولا للاحقة HD أو SD أو UHD).</translation>
    </message>
    <message>
        <source>Reference satellite</source>
        <translation>قمر المرجع</translation>
    </message>
    <message>
        <source>Satellite here</source>
        <translation>القمر هنا</translation>
    </message>
    <message>
        <source>Channels in the reference</source>
        <translation>القنوات في المرجع</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>المطابقة</translation>
    </message>
    <message>
        <source>Channels here</source>
        <translation>القنوات هنا</translation>
    </message>
    <message>
        <source>not found here</source>
        <translation>غير موجود هنا</translation>
    </message>
    <message>
        <source>%1: %2 channels</source>
        <translation>%1: %2 قناة</translation>
    </message>
    <message>
        <source>Satellites of the reference with channels and no partner here: %1. Their channels and favorites cannot be placed.</source>
        <translation>أقمار المرجع التي لها قنوات وليس لها نظير هنا: %1. لا يمكن وضع قنواتها ومفضلاتها.</translation>
    </message>
    <message>
        <source>&amp;Satellites:</source>
        <translation>ال&amp;أقمار:</translation>
    </message>
    <message>
        <source>Channels of the reference &amp;not found here: %1</source>
        <translation>قنوات المرجع غير الموجودة &amp;هنا: %1</translation>
    </message>
    <message>
        <source>Channels here &amp;without a partner: %1</source>
        <translation>قنوات هنا &amp;بلا نظير: %1</translation>
    </message>
    <message>
        <source>&amp;Favorite groups</source>
        <translation>مجموعات المف&amp;ضلة</translation>
    </message>
    <message>
        <source>&amp;Locks, skips and &quot;Don&apos;t update&quot; marks, with the names kept by &quot;Don&apos;t update name&quot;</source>
        <translation>الأق&amp;فال والتخطي وعلامات «عدم التحديث»، مع الأسماء المحفوظة بـ«عدم تحديث الاسم»</translation>
    </message>
    <message>
        <source>&amp;Every name from the reference</source>
        <translation>&amp;كل الأسماء من المرجع</translation>
    </message>
    <message>
        <source>These satellites of the reference have channels and no partner here:
%1

Their channels and favorites will not be placed. Apply anyway?</source>
        <translation>لهذه الأقمار في المرجع قنوات وليس لها نظير هنا:
%1

لن توضع قنواتها ومفضلاتها. هل تريد التطبيق على أي حال؟</translation>
    </message>
    <message>
        <source>Channel o&amp;rder</source>
        <translation>&amp;ترتيب القنوات</translation>
    </message>
</context>
<context>
    <name>AudioDialog</name>
    <message>
        <source>Audio</source>
        <translation>الصوت</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Enc</source>
        <translation>الصيغة</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;حذف</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>إ&amp;ضافة</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;تعديل</translation>
    </message>
    <message>
        <source>Invalid PID</source>
        <translation>PID غير صالح</translation>
    </message>
    <message>
        <source>A program holds at most 255 audio tracks.</source>
        <translation>تحتوي القناة على 255 مسارًا صوتيًا على الأكثر.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>شريط الأدوات</translation>
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
        <translation>قائمة القنوات</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>إعادة ت&amp;سمية</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;بحث</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>&amp;How to use...</source>
        <translation>&amp;طريقة الاستخدام...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>All Satellites</source>
        <translation>كل الأقمار</translation>
    </message>
    <message>
        <source>%1 of %2 selected</source>
        <translation>تم تحديد %1 من %2</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 قناة</translation>
    </message>
    <message>
        <source>Channel List (Modified)</source>
        <translation>قائمة القنوات (معدّلة)</translation>
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
لترتيب قائمة القنوات

	- انقر بزر الفأرة الأيسر على عنوان أحد أعمدة القائمة.

لنقل قناة

	- اسحب القناة وأفلتها.

لإضافة قناة إلى مجموعة مفضلة
لإزالة قناة من مجموعة مفضلة

	- انقر بزر الفأرة الأيمن على اسم القناة
</translation>
    </message>
    <message>
        <source>No match was found...</source>
        <translation>لم يُعثر على تطابق...</translation>
    </message>
    <message>
        <source>Discard the changes to the channel list?</source>
        <translation>هل تريد تجاهل التغييرات على قائمة القنوات؟</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>نقل لأعلى</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>نقل لأسفل</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>نقل إلى البداية</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>نقل إلى النهاية</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>نقل إلى الموضع...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>إضافة إلى %1</translation>
    </message>
    <message>
        <source>Remove from %1</source>
        <translation>إزالة من %1</translation>
    </message>
    <message>
        <source>Delete 1 channel?</source>
        <translation>هل تريد حذف قناة واحدة؟</translation>
    </message>
    <message>
        <source>Delete %1 channels?</source>
        <translation>هل تريد حذف %1 قناة؟</translation>
    </message>
    <message>
        <source>Channel &amp;Group</source>
        <translation>مجموعة ال&amp;قنوات</translation>
    </message>
    <message>
        <source>&amp;TV</source>
        <translation>&amp;تلفزيون</translation>
    </message>
    <message>
        <source>R&amp;adio</source>
        <translation>&amp;راديو</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>دليل المستخدم</translation>
    </message>
    <message>
        <source>Every key of the list (picking rows, Lock, Skip, renaming, moving) is described in the user guide: press F1, or choose Help &gt; User Guide in the main window.</source>
        <translation>كل مفاتيح القائمة (تحديد الصفوف، القفل، التخطي، إعادة التسمية، النقل) موصوفة في دليل المستخدم: اضغط F1 أو اختر مساعدة &gt; دليل المستخدم في النافذة الرئيسية.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>قفل</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>تخطٍّ</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>إعادة تسمية القناة</translation>
    </message>
</context>
<context>
    <name>ChannelListModel</name>
    <message>
        <source>No.</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>قفل</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>تخطٍّ</translation>
    </message>
</context>
<context>
    <name>ChannelListView</name>
    <message>
        <source>%1 channels</source>
        <translation>%1 قناة</translation>
    </message>
</context>
<context>
    <name>CleanUp</name>
    <message>
        <source>duplicate programs</source>
        <translation>قنوات مكررة</translation>
    </message>
    <message>
        <source>duplicate transponders</source>
        <translation>ترانسبوندرات مكررة</translation>
    </message>
    <message>
        <source>broken favorite entries</source>
        <translation>إدخالات مفضلة تالفة</translation>
    </message>
    <message>
        <source>programs whose transponder does not exist</source>
        <translation>قنوات لا يوجد الترانسبوندر الخاص بها</translation>
    </message>
    <message>
        <source>transponders without programs</source>
        <translation>ترانسبوندرات بلا قنوات</translation>
    </message>
    <message>
        <source>TV %1</source>
        <translation>تلفزيون %1</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>راديو %1</translation>
    </message>
    <message>
        <source>a missing satellite</source>
        <translation>قمر مفقود</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3: same as %4</source>
        <translation>%1 على %2، Service ID %3: مطابق لـ %4</translation>
    </message>
    <message>
        <source>%1, service ID %2: transponder %3 does not exist</source>
        <translation>%1، Service ID %2: الترانسبوندر %3 غير موجود</translation>
    </message>
    <message>
        <source>%1, symbol rate %2: same as %3 %4, %5 channels move there</source>
        <translation>%1، معدل الترميز %2: مطابق لـ %3 %4، تنتقل إليه %5 قناة</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1، معدل الترميز %2</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>المجموعة %1 %2</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: program %3 does not exist</source>
        <translation>%1، إدخال قائمة التلفزيون %2: القناة %3 غير موجودة</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: program %3 does not exist</source>
        <translation>%1، إدخال قائمة الراديو %2: القناة %3 غير موجودة</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: repeats %3</source>
        <translation>%1، إدخال قائمة التلفزيون %2: يكرر %3</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: repeats %3</source>
        <translation>%1، إدخال قائمة الراديو %2: يكرر %3</translation>
    </message>
</context>
<context>
    <name>CleanUpDialog</name>
    <message>
        <source>Clean Up</source>
        <translation>تنظيف</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing to clean up.</source>
        <translation>لا يوجد ما يحتاج إلى تنظيف.</translation>
    </message>
    <message>
        <source>Clean Up removed channels: %1, transponders: %2, favorite entries: %3.</source>
        <translation>أزال التنظيف: قنوات: %1، ترانسبوندرات: %2، إدخالات مفضلة: %3.</translation>
    </message>
    <message>
        <source>Checked for removal: %1</source>
        <translation>محدد للإزالة: %1</translation>
    </message>
    <message>
        <source>Check &amp;what to remove:</source>
        <translation>&amp;حدّد ما تريد إزالته:</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;New...	Ctrl+N</source>
        <translation>&amp;جديد...	Ctrl+N</translation>
    </message>
    <message>
        <source>Creates a new NDF file</source>
        <translation>ينشئ ملف NDF جديدًا</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;فتح...	Ctrl+O</translation>
    </message>
    <message>
        <source>Opens an existing NDF file</source>
        <translation>يفتح ملف NDF موجودًا</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Closes the NDF file</source>
        <translation>يغلق ملف NDF</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;حفظ	Ctrl+S</translation>
    </message>
    <message>
        <source>Saves the NDF file</source>
        <translation>يحفظ ملف NDF</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>حفظ &amp;باسم...</translation>
    </message>
    <message>
        <source>Saves the NDF file with a new name</source>
        <translation>يحفظ ملف NDF باسم جديد</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;طباعة...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print all or parts of the NDF file</source>
        <translation>يطبع ملف NDF كله أو أجزاء منه</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>&amp;Export Channel List...</source>
        <translation>&amp;تصدير قائمة القنوات...</translation>
    </message>
    <message>
        <source>Save the channel list as a CSV, HTML or PDF file</source>
        <translation>يحفظ قائمة القنوات كملف CSV أو HTML أو PDF</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>تصدير قائمة القنوات</translation>
    </message>
    <message>
        <source>Modification &amp;Date...</source>
        <translation>تاريخ التعد&amp;يل...</translation>
    </message>
    <message>
        <source>Show/Edit the recent modification date</source>
        <translation>يعرض تاريخ آخر تعديل أو يغيّره</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt+F4</source>
        <translation>&amp;خروج	Alt+F4</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the NDF file</source>
        <translation>ينهي البرنامج ويسأل عن حفظ ملف NDF</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>ت&amp;راجع</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>يتراجع عن آخر تغيير</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>إ&amp;عادة</translation>
    </message>
    <message>
        <source>Redo the change that was undone</source>
        <translation>يعيد التغيير الذي تم التراجع عنه</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
    <message>
        <source>Restore &amp;Discarded Channel List Changes</source>
        <translation>استعادة &amp;تغييرات قائمة القنوات المتجاهلة</translation>
    </message>
    <message>
        <source>Open the channel list again with the changes that were discarded</source>
        <translation>يعيد فتح قائمة القنوات مع التغييرات التي تم تجاهلها</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;Editbar</source>
        <translation>شريط ال&amp;تحرير</translation>
    </message>
    <message>
        <source>Show or hide the edit bar</source>
        <translation>يُظهر شريط التحرير أو يخفيه</translation>
    </message>
    <message>
        <source>Toggle EditBar</source>
        <translation>إظهار/إخفاء شريط التحرير</translation>
    </message>
    <message>
        <source>Show the channel list</source>
        <translation>يعرض قائمة القنوات</translation>
    </message>
    <message>
        <source>Ch List</source>
        <translation>قائمة القنوات</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>شريط الأ&amp;دوات</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>يُظهر شريط الأدوات أو يخفيه</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>إظهار/إخفاء شريط الأدوات</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>شريط ال&amp;حالة</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>يُظهر شريط الحالة أو يخفيه</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>إظهار/إخفاء شريط الحالة</translation>
    </message>
    <message>
        <source>&amp;Satellite</source>
        <translation>القمر ال&amp;صناعي</translation>
    </message>
    <message>
        <source>Import &amp;SATCODX</source>
        <translation>استيراد &amp;SATCODX</translation>
    </message>
    <message>
        <source>Load the selected satellite from SATCODX file</source>
        <translation>يحمّل القمر المحدد من ملف SATCODX</translation>
    </message>
    <message>
        <source>SATCODX</source>
        <translation>SATCODX</translation>
    </message>
    <message>
        <source>Sort by &amp;Degree</source>
        <translation>&amp;ترتيب حسب الموقع المداري</translation>
    </message>
    <message>
        <source>Sort the satellite list by degree</source>
        <translation>يرتب قائمة الأقمار حسب الموقع المداري</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>ترتيب حسب الموقع المداري</translation>
    </message>
    <message>
        <source>&amp;Transponder</source>
        <translation>الترانس&amp;بوندر</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>إضافة &amp;جديد</translation>
    </message>
    <message>
        <source>Add a new transponder</source>
        <translation>يضيف ترانسبوندر جديدًا</translation>
    </message>
    <message>
        <source>Add Tp</source>
        <translation>إضافة ترانسبوندر</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;حذف المحدد</translation>
    </message>
    <message>
        <source>Delete the selected transponder</source>
        <translation>يحذف الترانسبوندر المحدد</translation>
    </message>
    <message>
        <source>Delete Tp</source>
        <translation>حذف الترانسبوندر</translation>
    </message>
    <message>
        <source>Delete All in &amp;Net</source>
        <translation>حذف الكل في ال&amp;قمر</translation>
    </message>
    <message>
        <source>Delete all transponders in the selected network</source>
        <translation>يحذف كل ترانسبوندرات القمر المحدد</translation>
    </message>
    <message>
        <source>Delete All Tps in Net</source>
        <translation>حذف كل ترانسبوندرات القمر</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>ال&amp;قناة</translation>
    </message>
    <message>
        <source>Add a new program</source>
        <translation>يضيف قناة جديدة</translation>
    </message>
    <message>
        <source>Add Prog</source>
        <translation>إضافة قناة</translation>
    </message>
    <message>
        <source>Delete the selected program</source>
        <translation>يحذف القناة المحددة</translation>
    </message>
    <message>
        <source>Delete Prog</source>
        <translation>حذف القناة</translation>
    </message>
    <message>
        <source>Delete All in &amp;Transponder</source>
        <translation>حذف الكل في الترانس&amp;بوندر</translation>
    </message>
    <message>
        <source>Delete all programs in the selected transponder</source>
        <translation>يحذف كل قنوات الترانسبوندر المحدد</translation>
    </message>
    <message>
        <source>Delete Progs In Tp</source>
        <translation>حذف كل قنوات الترانسبوندر</translation>
    </message>
    <message>
        <source>Delete all programs in the selected network</source>
        <translation>يحذف كل قنوات القمر المحدد</translation>
    </message>
    <message>
        <source>Delete Progs In Net</source>
        <translation>حذف كل قنوات القمر</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;أدوات</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>تطبيق الترتيب</translation>
    </message>
    <message>
        <source>Find duplicate and broken records and remove them</source>
        <translation>يبحث عن السجلات المكررة والتالفة ويزيلها</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>تنظيف</translation>
    </message>
    <message>
        <source>Show what differs between this file and another NDF file</source>
        <translation>يعرض الفروق بين هذا الملف وملف NDF آخر</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>مقارنة</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;About Dishline...</source>
        <translation>&amp;حول Dishline...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>يعرض معلومات البرنامج ورقم الإصدار وحقوق النشر</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Take the channel order, favorite groups, locks, skips and kept names from another NDF file</source>
        <translation>يأخذ ترتيب القنوات ومجموعات المفضلة والأقفال والتخطي والأسماء المحفوظة من ملف NDF آخر</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;بحث...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find programs, transponders and satellites by name or number</source>
        <translation>يبحث عن القنوات والترانسبوندرات والأقمار بالاسم أو الرقم</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>&amp;Lock	Ctrl+L</source>
        <translation>ق&amp;فل	Ctrl+L</translation>
    </message>
    <message>
        <source>Lock or unlock the selected programs</source>
        <translation>يقفل القنوات المحددة أو يفتح قفلها</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>قفل</translation>
    </message>
    <message>
        <source>S&amp;kip	Ctrl+K</source>
        <translation>&amp;تخطٍّ	Ctrl+K</translation>
    </message>
    <message>
        <source>Mark or unmark the selected programs to be skipped</source>
        <translation>يعلّم القنوات المحددة ليتم تخطيها عند التنقل أو يزيل العلامة</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>تخطٍّ</translation>
    </message>
    <message>
        <source>&amp;Channel List	F7</source>
        <translation>&amp;قائمة القنوات	F7</translation>
    </message>
    <message>
        <source>Apply &amp;Order from File...	Ctrl+Shift+O</source>
        <translation>تطبيق ال&amp;ترتيب من ملف...	Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>&amp;Clean Up...	Ctrl+Shift+L</source>
        <translation>ت&amp;نظيف...	Ctrl+Shift+L</translation>
    </message>
    <message>
        <source>Co&amp;mpare with File...	Ctrl+Shift+M</source>
        <translation>م&amp;قارنة بملف...	Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>&amp;User Guide	F1</source>
        <translation>&amp;دليل المستخدم	F1</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>يفتح دليل المستخدم</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>دليل المستخدم</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>No differences.</source>
        <translation>لا توجد فروق.</translation>
    </message>
    <message>
        <source>Satellites only in A</source>
        <translation>أقمار في A فقط</translation>
    </message>
    <message>
        <source>Satellites only in B</source>
        <translation>أقمار في B فقط</translation>
    </message>
    <message>
        <source>Satellites changed</source>
        <translation>أقمار متغيرة</translation>
    </message>
    <message>
        <source>Transponders only in A</source>
        <translation>ترانسبوندرات في A فقط</translation>
    </message>
    <message>
        <source>Transponders only in B</source>
        <translation>ترانسبوندرات في B فقط</translation>
    </message>
    <message>
        <source>Transponders changed</source>
        <translation>ترانسبوندرات متغيرة</translation>
    </message>
    <message>
        <source>Programs only in A</source>
        <translation>قنوات في A فقط</translation>
    </message>
    <message>
        <source>Programs only in B</source>
        <translation>قنوات في B فقط</translation>
    </message>
    <message>
        <source>Programs changed</source>
        <translation>قنوات متغيرة</translation>
    </message>
    <message>
        <source>Programs moved</source>
        <translation>قنوات منقولة</translation>
    </message>
    <message>
        <source>Favorite groups only in A</source>
        <translation>مجموعات مفضلة في A فقط</translation>
    </message>
    <message>
        <source>Favorite groups only in B</source>
        <translation>مجموعات مفضلة في B فقط</translation>
    </message>
    <message>
        <source>Favorite groups changed</source>
        <translation>مجموعات مفضلة متغيرة</translation>
    </message>
    <message>
        <source>name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>position</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>positioner ID</source>
        <translation>موضع المحرك</translation>
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
        <translation>إعداد الهوائي</translation>
    </message>
    <message>
        <source>DiSEqC mode</source>
        <translation>وضع DiSEqC</translation>
    </message>
    <message>
        <source>LNB supply</source>
        <translation>تغذية LNB</translation>
    </message>
    <message>
        <source>switch port</source>
        <translation>منفذ المفتاح</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>نوع LNB</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>تردد LNB</translation>
    </message>
    <message>
        <source>LNB frequency high</source>
        <translation>تردد LNB العالي</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>معدل الترميز</translation>
    </message>
    <message>
        <source>polarity</source>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>frequency drift</source>
        <translation>انحراف التردد</translation>
    </message>
    <message>
        <source>GMT error</source>
        <translation>فرق GMT</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>الترانسبوندر</translation>
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
        <translation>PID الصورة</translation>
    </message>
    <message>
        <source>audio PIDs</source>
        <translation>PID الصوت</translation>
    </message>
    <message>
        <source>teletext PIDs</source>
        <translation>PID التليتكست</translation>
    </message>
    <message>
        <source>CA mask</source>
        <translation>قناع CA</translation>
    </message>
    <message>
        <source>attributes</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <source>attributes 2</source>
        <translation>الخصائص 2</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>مشفرة</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>قفل</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>تخطٍّ</translation>
    </message>
    <message>
        <source>Bit 3</source>
        <translation>البت 3</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>عدم تحديث PID الصورة/الصوت</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>عدم تحديث الاسم</translation>
    </message>
    <message>
        <source>Don&apos;t update with service ID</source>
        <translation>عدم التحديث عبر Service ID</translation>
    </message>
    <message>
        <source>none</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>present</source>
        <translation>موجود</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>مفقود</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>غير محدد</translation>
    </message>
    <message>
        <source>TV %1</source>
        <translation>تلفزيون %1</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>راديو %1</translation>
    </message>
    <message>
        <source>program %1 (missing)</source>
        <translation>القناة %1 (مفقودة)</translation>
    </message>
    <message>
        <source>transponder %1 (missing)</source>
        <translation>الترانسبوندر %1 (مفقود)</translation>
    </message>
    <message>
        <source>a missing satellite</source>
        <translation>قمر مفقود</translation>
    </message>
    <message>
        <source>a missing transponder</source>
        <translation>ترانسبوندر مفقود</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1، معدل الترميز %2</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3</source>
        <translation>%1 على %2، Service ID %3</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>المجموعة %1 %2</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>%1 تلفزيون، %2 راديو</translation>
    </message>
    <message>
        <source>TV list: %1 only in A</source>
        <translation>قائمة التلفزيون: %1 في A فقط</translation>
    </message>
    <message>
        <source>TV list: %1 only in B</source>
        <translation>قائمة التلفزيون: %1 في B فقط</translation>
    </message>
    <message>
        <source>radio list: %1 only in A</source>
        <translation>قائمة الراديو: %1 في A فقط</translation>
    </message>
    <message>
        <source>radio list: %1 only in B</source>
        <translation>قائمة الراديو: %1 في B فقط</translation>
    </message>
    <message>
        <source>TV list: order changed</source>
        <translation>قائمة التلفزيون: تغيّر الترتيب</translation>
    </message>
    <message>
        <source>radio list: order changed</source>
        <translation>قائمة الراديو: تغيّر الترتيب</translation>
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
        <translation>مقارنة بملف</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>&amp;نسخ</translation>
    </message>
</context>
<context>
    <name>EditBar</name>
    <message>
        <source>Empty</source>
        <translation>فارغ</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>الترانسبوندر</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>القناة</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>No satellite lines were found in %1.</source>
        <translation>لم يُعثر على أسطر أقمار في %1.</translation>
    </message>
    <message>
        <source>The listing is for %1, but the selected satellite is %2 at %3. Import it anyway?</source>
        <translation>القائمة خاصة بـ %1، لكن القمر المحدد هو %2 عند %3. هل تريد الاستيراد على أي حال؟</translation>
    </message>
    <message>
        <source>%1 transponders added to %2; %3 already present, %4 lines skipped.</source>
        <translation>أُضيف %1 ترانسبوندر إلى %2؛ %3 موجود مسبقًا، وتم تخطي %4 سطر.</translation>
    </message>
    <message>
        <source>Some of network parameters are changed.
Do you want to apply?</source>
        <translation>تم تغيير بعض معاملات القمر.
هل تريد تطبيق التغييرات؟</translation>
    </message>
    <message>
        <source>Some of antenna configurations are changed.
Do you want to apply?</source>
        <translation>تم تغيير بعض إعدادات الهوائي.
هل تريد تطبيق التغييرات؟</translation>
    </message>
    <message>
        <source>Invalid frequency or symbol rate
Correct the errors or delete the transponder</source>
        <translation>تردد أو معدل ترميز غير صالح
صحّح الأخطاء أو احذف الترانسبوندر</translation>
    </message>
    <message>
        <source>Some of transponder parameters are changed.
Do you want to apply?</source>
        <translation>تم تغيير بعض معاملات الترانسبوندر.
هل تريد تطبيق التغييرات؟</translation>
    </message>
    <message>
        <source>Some of program parameters are changed.
Do you want to apply?</source>
        <translation>تم تغيير بعض معاملات القناة.
هل تريد تطبيق التغييرات؟</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>بلا اسم</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>هل تريد حفظ التغييرات على %1؟</translation>
    </message>
    <message>
        <source> (Modified)</source>
        <translation> (معدّل)</translation>
    </message>
    <message>
        <source>Not yet ...</source>
        <translation>غير متاح بعد ...</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|Web page (*.html)|*.html|PDF file (*.pdf)|*.pdf||</source>
        <translation>ملف CSV (*.csv)|*.csv|صفحة ويب (*.html)|*.html|ملف PDF (*.pdf)|*.pdf||</translation>
    </message>
    <message>
        <source>Exporting the channel list...</source>
        <translation>جارٍ تصدير قائمة القنوات...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>تصدير قائمة القنوات</translation>
    </message>
    <message>
        <source>Network Dababase File (*.NDF)|*.NDF|All file (*.*)|*.*||</source>
        <translation>قاعدة بيانات قنوات NDF (*.NDF)|*.NDF|كل الملفات (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SATCODX File (*.SDX)|*.SDX|All file (*.*)|*.*||</source>
        <translation>ملف SATCODX (*.SDX)|*.SDX|كل الملفات (*.*)|*.*||</translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>ت&amp;راجع: %1	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <translation>إ&amp;عادة: %1	Ctrl+Y</translation>
    </message>
    <message>
        <source>Sort by Degree needs one antenna configuration for each satellite.</source>
        <translation>يحتاج الترتيب حسب الموقع المداري إلى إعداد هوائي خاص لكل قمر.</translation>
    </message>
    <message>
        <source>Work on %1 from %2 was not saved.
Do you want to recover it?</source>
        <translation>لم يُحفظ العمل على %1 من %2.
هل تريد استعادته؟</translation>
    </message>
    <message>
        <source>%1 was changed by another program after it was opened.
Do you want to overwrite it?</source>
        <translation>غيّر برنامج آخر الملف %1 بعد فتحه.
هل تريد الكتابة فوقه؟</translation>
    </message>
    <message>
        <source>The file on disk has not been changed.</source>
        <translation>لم يتغير الملف على القرص.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>لم يُكتب أي ملف.</translation>
    </message>
    <message>
        <source>A: %1 (open)
B: %2</source>
        <translation>A: %1 (مفتوح)
B: %2</translation>
    </message>
    <message>
        <source>%1 (%2 selected)</source>
        <translation>%1 (%2 محدد)</translation>
    </message>
    <message>
        <source>Delete the program &quot;%1&quot;?</source>
        <translation>هل تريد حذف القناة &quot;%1&quot;؟</translation>
    </message>
    <message>
        <source>Delete %1 programs?</source>
        <translation>هل تريد حذف %1 قناة؟</translation>
    </message>
    <message>
        <source>Delete the transponder %1 with its programs?</source>
        <translation>هل تريد حذف الترانسبوندر %1 مع قنواته؟</translation>
    </message>
    <message>
        <source>Delete %1 transponders with their programs?</source>
        <translation>هل تريد حذف %1 ترانسبوندر مع قنواتها؟</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>en</source>
        <extracomment>The language code of the exported web page&apos;s lang attribute: &quot;de&quot; in German.</extracomment>
        <translation>ar</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>معدل الترميز</translation>
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
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>Channel list: %1</source>
        <translation>قائمة القنوات: %1</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>تلفزيون</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 قناة</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 قناة</translation>
    </message>
    <message>
        <source>No channels.</source>
        <translation>لا توجد قنوات.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>صفحة %1 من %2</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>كل القنوات</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>قنوات التلفزيون</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>قنوات الراديو</translation>
    </message>
    <message>
        <source>Satellite %1 (%2)</source>
        <translation>القمر %1 (%2)</translation>
    </message>
    <message>
        <source>Favorite group %1</source>
        <translation>مجموعة المفضلة %1</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>تصدير قائمة القنوات</translation>
    </message>
    <message>
        <source>&amp;All channels</source>
        <translation>&amp;كل القنوات</translation>
    </message>
    <message>
        <source>&amp;TV channels</source>
        <translation>قنوات ال&amp;تلفزيون</translation>
    </message>
    <message>
        <source>&amp;Radio channels</source>
        <translation>قنوات ال&amp;راديو</translation>
    </message>
    <message>
        <source>One &amp;satellite:</source>
        <translation>قمر &amp;واحد:</translation>
    </message>
    <message>
        <source>One &amp;favorite group:</source>
        <translation>مجموعة م&amp;فضلة واحدة:</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>مفضلة %1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>%1 channels: a web page this long is more than a browser prints well. To print the list, export it as a PDF file.</source>
        <translation>%1 قناة: صفحة ويب بهذا الطول لا يطبعها المتصفح جيدًا. لطباعة القائمة صدّرها كملف PDF.</translation>
    </message>
</context>
<context>
    <name>FavoriteNamesDialog</name>
    <message>
        <source>Favorite Group Name</source>
        <translation>اسم مجموعة المفضلة</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>بحث:</translation>
    </message>
    <message>
        <source>Name, service ID or frequency</source>
        <translation>الاسم أو Service ID أو التردد</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>التطابق السابق (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>التطابق التالي (F3)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>تصفية</translation>
    </message>
    <message>
        <source>Show only the matching programs with their transponders and satellites</source>
        <translation>يعرض القنوات المطابقة فقط مع ترانسبوندراتها وأقمارها</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>إغلاق (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>لا توجد تطابقات</translation>
    </message>
</context>
<context>
    <name>FormPane</name>
    <message>
        <source>O&amp;K</source>
        <translation>مو&amp;افق</translation>
    </message>
</context>
<context>
    <name>FormWidgets</name>
    <message>
        <source>%1 (unknown)</source>
        <translation>%1 (غير معروف)</translation>
    </message>
</context>
<context>
    <name>ModificationDateDialog</name>
    <message>
        <source>Recent modification date</source>
        <translation>تاريخ آخر تعديل</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>[Area code][Version in decimal] EX&gt; B002</source>
        <translation>[رمز المنطقة][الإصدار بالعشري] مثال: B002</translation>
    </message>
    <message>
        <source>Invalid version input</source>
        <translation>إصدار غير صالح</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>ال&amp;تاريخ</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>الإ&amp;صدار</translation>
    </message>
</context>
<context>
    <name>MoveToPositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>نقل إلى الموضع</translation>
    </message>
    <message>
        <source>&amp;Number (1 to %1):</source>
        <translation>ال&amp;رقم (من 1 إلى %1):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
</context>
<context>
    <name>NetworkPane</name>
    <message>
        <source>Single</source>
        <translation>مفرد</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>عالمي</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>ON (Auto)</source>
        <translation>تشغيل (تلقائي)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>BOTH</source>
        <translation>كلاهما</translation>
    </message>
    <message>
        <source>Exists</source>
        <translation>موجود</translation>
    </message>
    <message>
        <source> Na&amp;me</source>
        <translation> ا&amp;لاسم</translation>
    </message>
    <message>
        <source> &amp;Degree</source>
        <translation> الم&amp;وقع المداري</translation>
    </message>
    <message>
        <source> LNB T&amp;ype</source>
        <translation> نوع &amp;LNB</translation>
    </message>
    <message>
        <source> &amp;LNB Freq</source>
        <translation> ت&amp;ردد LNB</translation>
    </message>
    <message>
        <source> L&amp;NB Freq H</source>
        <translation> تردد LNB &amp;H</translation>
    </message>
    <message>
        <source> LN&amp;B Power/Switch</source>
        <translation> ت&amp;غذية LNB/التبديل</translation>
    </message>
    <message>
        <source> &amp;22Khz Switch</source>
        <translation> مفتاح &amp;22 كيلوهرتز</translation>
    </message>
    <message>
        <source> &amp;12V Switch</source>
        <translation> مفتاح &amp;12 فولت</translation>
    </message>
    <message>
        <source> D&amp;iSEqC Switch Level</source>
        <translation> &amp;إصدار مفتاح DiSEqC</translation>
    </message>
    <message>
        <source> DiSEqC S&amp;witch Port</source>
        <translation> م&amp;نفذ مفتاح DiSEqC</translation>
    </message>
    <message>
        <source> DiSEqC Positione&amp;r Level</source>
        <translation> إص&amp;دار محرك DiSEqC</translation>
    </message>
    <message>
        <source> DiSE&amp;qC Positioner ID</source>
        <translation> موضع محرك &amp;DiSEqC</translation>
    </message>
    <message>
        <source> Skew &amp;Controller</source>
        <translation> مت&amp;حكم Skew</translation>
    </message>
    <message>
        <source> Skew &amp;Angle V</source>
        <translation> زاوية &amp;Skew V</translation>
    </message>
    <message>
        <source> Skew An&amp;gle H</source>
        <translation> &amp;زاوية Skew H</translation>
    </message>
</context>
<context>
    <name>NetworkTreeModel</name>
    <message>
        <source>(No name)</source>
        <translation>(بلا اسم)</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>مقفلة</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>متخطاة</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>مشفرة</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
</context>
<context>
    <name>ProgramPane</name>
    <message>
        <source>TV</source>
        <translation>تلفزيون</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>راديو</translation>
    </message>
    <message>
        <source>Subt</source>
        <translation>ترجمة</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>الخصائص</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>عدم تحديث الاسم</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>عدم تحديث PID الصورة/الصوت</translation>
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
        <translation>م&amp;شفرة</translation>
    </message>
    <message>
        <source>More A&amp;udio...</source>
        <translation>مسا&amp;رات صوت أخرى...</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>ق&amp;فل</translation>
    </message>
    <message>
        <source>Sk&amp;ip</source>
        <translation>ت&amp;خطٍّ</translation>
    </message>
    <message>
        <source>Don&apos;t update &amp;with service ID</source>
        <translation>عدم التحديث عبر &amp;Service ID</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> ا&amp;لاسم</translation>
    </message>
    <message>
        <source> Se&amp;rvice ID</source>
        <translation> Service &amp;ID</translation>
    </message>
    <message>
        <source> Service T&amp;ype</source>
        <translation> &amp;نوع الخدمة</translation>
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
        <translation> PID الص&amp;ورة</translation>
    </message>
    <message>
        <source> &amp;Audio PID</source>
        <translation> &amp;PID الصوت</translation>
    </message>
    <message>
        <source> Telete&amp;xt PID</source>
        <translation> PI&amp;D التليتكست</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>أُلغي</translation>
    </message>
    <message>
        <source>Insufficient memory</source>
        <translation>الذاكرة غير كافية</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>لم يُعثر على ملف</translation>
    </message>
    <message>
        <source>File crashed</source>
        <translation>الملف تالف</translation>
    </message>
    <message>
        <source>Creating file failed</source>
        <translation>تعذر إنشاء الملف</translation>
    </message>
    <message>
        <source>Invalid NDF format</source>
        <translation>تنسيق NDF غير صالح</translation>
    </message>
    <message>
        <source>Bad checksum</source>
        <translation>مجموع تحقق خاطئ</translation>
    </message>
    <message>
        <source>NDF Version not supported</source>
        <translation>إصدار NDF غير مدعوم</translation>
    </message>
    <message>
        <source>Too many records for the NDF format</source>
        <translation>عدد السجلات أكبر مما تتسع له صيغة NDF</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>خطأ غير معروف</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Modification Date</source>
        <translation>تاريخ التعديل</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>قائمة القنوات</translation>
    </message>
    <message>
        <source>Import SATCODX</source>
        <translation>استيراد SATCODX</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>تحرير القمر</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>تحرير الترانسبوندر</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>تحرير القناة</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>الترتيب حسب الموقع المداري</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>إضافة ترانسبوندر</translation>
    </message>
    <message>
        <source>Add Program</source>
        <translation>إضافة قناة</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>حذف الترانسبوندر</translation>
    </message>
    <message>
        <source>Delete All Transponders in Net</source>
        <translation>حذف كل ترانسبوندرات القمر</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>حذف القناة</translation>
    </message>
    <message>
        <source>Delete All Programs in Transponder</source>
        <translation>حذف كل قنوات الترانسبوندر</translation>
    </message>
    <message>
        <source>Delete All Programs in Net</source>
        <translation>حذف كل قنوات القمر</translation>
    </message>
    <message>
        <source>Apply Order from File</source>
        <translation>تطبيق الترتيب من ملف</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>تنظيف</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>قفل</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>فتح القفل</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>تخطٍّ</translation>
    </message>
    <message>
        <source>Do Not Skip</source>
        <translation>عدم التخطي</translation>
    </message>
    <message>
        <source>Delete Programs</source>
        <translation>حذف القنوات</translation>
    </message>
    <message>
        <source>Delete Transponders</source>
        <translation>حذف الترانسبوندرات</translation>
    </message>
</context>
<context>
    <name>ToolDialogs</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
</context>
<context>
    <name>TransponderPane</name>
    <message>
        <source>Vert</source>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>Horz</source>
        <translation>أفقي</translation>
    </message>
    <message>
        <source>Circular Right</source>
        <translation>دائري يمين</translation>
    </message>
    <message>
        <source>Circular Left</source>
        <translation>دائري يسار</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> ا&amp;لاسم</translation>
    </message>
    <message>
        <source> F&amp;requency</source>
        <translation> الت&amp;ردد</translation>
    </message>
    <message>
        <source> S&amp;ymbol Rate</source>
        <translation> مع&amp;دل الترميز</translation>
    </message>
    <message>
        <source> Po&amp;larity</source>
        <translation> الاستق&amp;طاب</translation>
    </message>
    <message>
        <source> FE&amp;C</source>
        <translation> &amp;FEC</translation>
    </message>
    <message>
        <source> Freq &amp;Drift</source>
        <translation> ا&amp;نحراف التردد</translation>
    </message>
    <message>
        <source> &amp;GMT Error</source>
        <translation> &amp;فرق GMT</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>Dishline User Guide</source>
        <translation>دليل مستخدم Dishline</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;رجوع</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>ال&amp;محتويات</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
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
        <translation>محرر قواعد بيانات قنوات NDF</translation>
    </message>
    <message>
        <source>An NDF file to open.</source>
        <translation>ملف NDF لفتحه.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[ملف]</translation>
    </message>
</context>
</TS>
