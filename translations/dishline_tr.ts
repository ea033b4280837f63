<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Dishline</source>
        <translation>Dishline Hakkında</translation>
    </message>
    <message>
        <source>Dishline Version 1.3</source>
        <translation>Dishline Sürüm 1.3</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
</context>
<context>
    <name>ApplyOrderDialog</name>
    <message>
        <source>Apply Order from File</source>
        <translation>Sıralamayı Dosyadan Al</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(yok)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarizasyon</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Servis ID</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriler</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Radyo %1</translation>
    </message>
    <message>
        <source>TV %1</source>
        <translation>TV %1</translation>
    </message>
    <message>
        <source>Reference: %1
%2 of %3 channels of the reference paired: %4 by service ID and frequency, %5 by service ID alone, %6 by name.
Satellites pair by position within %7°, channels by service ID and frequency within %8 MHz, then by name (without regard to case and a trailing HD, SD or UHD).</source>
        <translation>Referans: %1
Referanstaki %3 kanaldan %2 tanesi eşleşti: %4 tanesi servis ID ve frekansla, %5 tanesi yalnızca servis ID ile, %6 tanesi adla.
Uydular %7° içindeki konumla, kanallar servis ID ve %8 MHz içindeki frekansla, ardından adla (büyük/küçük harf ve sondaki HD, SD veya UHD dikkate alınmadan) eşleşir.</translation>
    </message>
    <message>
        <source>Reference satellite</source>
        <translation>Referans uydusu</translation>
    </message>
    <message>
        <source>Satellite here</source>
        <translation>Buradaki uydu</translation>
    </message>
    <message>
        <source>Channels in the reference</source>
        <translation>Referanstaki kanallar</translation>
    </message>
    <message>
        <source>Paired</source>
        <translation>Eşleşen</translation>
    </message>
    <message>
        <source>Channels here</source>
        <translation>Buradaki kanallar</translation>
    </message>
    <message>
        <source>not found here</source>
        <translation>burada bulunamadı</translation>
    </message>
    <message>
        <source>%1: %2 channels</source>
        <translation>%1: %2 kanal</translation>
    </message>
    <message>
        <source>Satellites of the reference with channels and no partner here: %1. Their channels and favorites cannot be placed.</source>
        <translation>Referansta kanalı olup burada eşi olmayan uydular: %1. Bunların kanalları ve favorileri yerleştirilemez.</translation>
    </message>
    <message>
        <source>&amp;Satellites:</source>
        <translation>&amp;Uydular:</translation>
    </message>
    <message>
        <source>Channels of the reference &amp;not found here: %1</source>
        <translation>Referansın burada &amp;bulunamayan kanalları: %1</translation>
    </message>
    <message>
        <source>Channels here &amp;without a partner: %1</source>
        <translation>Burada &amp;eşi olmayan kanallar: %1</translation>
    </message>
    <message>
        <source>&amp;Favorite groups</source>
        <translation>&amp;Favori grupları</translation>
    </message>
    <message>
        <source>&amp;Locks, skips and &quot;Don&apos;t update&quot; marks, with the names kept by &quot;Don&apos;t update name&quot;</source>
        <translation>&amp;Kilitler, atlamalar ve &quot;Güncellenmesin&quot; işaretleri, &quot;Ad güncellenmesin&quot; ile korunan adlarla</translation>
    </message>
    <message>
        <source>&amp;Every name from the reference</source>
        <translation>Referanstaki tüm a&amp;dlar</translation>
    </message>
    <message>
        <source>These satellites of the reference have channels and no partner here:
%1

Their channels and favorites will not be placed. Apply anyway?</source>
        <translation>Referanstaki şu uyduların kanalları var, ancak burada eşleri yok:
%1

Bunların kanalları ve favorileri yerleştirilmeyecek. Yine de uygulansın mı?</translation>
    </message>
    <message>
        <source>Channel o&amp;rder</source>
        <translation>Kanal &amp;sıralaması</translation>
    </message>
</context>
<context>
    <name>AudioDialog</name>
    <message>
        <source>Audio</source>
        <translation>Ses</translation>
    </message>
    <message>
        <source>PID</source>
        <translation>PID</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Enc</source>
        <translation>Biçim</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;İptal</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Sil</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ekle</translation>
    </message>
    <message>
        <source>&amp;Modify</source>
        <translation>&amp;Değiştir</translation>
    </message>
    <message>
        <source>Invalid PID</source>
        <translation>Geçersiz PID</translation>
    </message>
    <message>
        <source>A program holds at most 255 audio tracks.</source>
        <translation>Bir kanal en fazla 255 ses parçası içerebilir.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Ready</source>
        <translation>Hazır</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Araç çubuğu</translation>
    </message>
    <message>
        <source>SCRL</source>
        <translation>KAYDIR</translation>
    </message>
    <message>
        <source>CAP</source>
        <translation>BÜYÜK</translation>
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
        <translation>Kanal Listesi</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Yeniden Adlandır</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Ara</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri Al</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>&amp;How to use...</source>
        <translation>&amp;Nasıl Kullanılır...</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;İptal</translation>
    </message>
    <message>
        <source>All Satellites</source>
        <translation>Tüm Uydular</translation>
    </message>
    <message>
        <source>%1 of %2 selected</source>
        <translation>%1 / %2 seçili</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 kanal</translation>
    </message>
    <message>
        <source>Channel List (Modified)</source>
        <translation>Kanal Listesi (Değiştirildi)</translation>
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
Kanal listesini sıralamak için

	- Listenin bir sütun başlığına farenin sol tuşuyla tıklayın.

Bir kanalı taşımak için

	- Kanalı sürükleyip bırakın.

Bir kanalı favori grubuna eklemek için
Bir kanalı favori grubundan çıkarmak için

	- Kanalın adına farenin sağ tuşuyla tıklayın
</translation>
    </message>
    <message>
        <source>No match was found...</source>
        <translation>Eşleşme bulunamadı...</translation>
    </message>
    <message>
        <source>Discard the changes to the channel list?</source>
        <translation>Kanal listesindeki değişiklikler atılsın mı?</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Yukarı Taşı</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Aşağı Taşı</translation>
    </message>
    <message>
        <source>Move to Top</source>
        <translation>En Üste Taşı</translation>
    </message>
    <message>
        <source>Move to Bottom</source>
        <translation>En Alta Taşı</translation>
    </message>
    <message>
        <source>Move to Position...</source>
        <translation>Konuma Taşı...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Add to %1</source>
        <translation>Ekle: %1</translation>
    </message>
    <message>
        <source>Remove from %1</source>
        <translation>Çıkar: %1</translation>
    </message>
    <message>
        <source>Delete 1 channel?</source>
        <translation>1 kanal silinsin mi?</translation>
    </message>
    <message>
        <source>Delete %1 channels?</source>
        <translation>%1 kanal silinsin mi?</translation>
    </message>
    <message>
        <source>Channel &amp;Group</source>
        <translation>Kanal &amp;Grubu</translation>
    </message>
    <message>
        <source>&amp;TV</source>
        <translation>T&amp;V</translation>
    </message>
    <message>
        <source>R&amp;adio</source>
        <translation>&amp;Radyo</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Kullanım Kılavuzu</translation>
    </message>
    <message>
        <source>Every key of the list (picking rows, Lock, Skip, renaming, moving) is described in the user guide: press F1, or choose Help &gt; User Guide in the main window.</source>
        <translation>Listenin tüm tuşları (satır seçme, Kilitle, Atla, yeniden adlandırma, taşıma) kullanım kılavuzunda anlatılır: F1 tuşuna basın veya ana pencerede Yardım &gt; Kullanım Kılavuzu&apos;nu seçin.</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kilitle</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Rename Channel</source>
        <translation>Kanalı Yeniden Adlandır</translation>
    </message>
</context>
<context>
    <name>ChannelListModel</name>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Favorite</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kilit</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
</context>
<context>
    <name>ChannelListView</name>
    <message>
        <source>%1 channels</source>
        <translation>%1 kanal</translation>
    </message>
</context>
<context>
    <name>CleanUp</name>
    <message>
        <source>duplicate programs</source>
        <translation>yinelenen kanallar</translation>
    </message>
    <message>
        <source>duplicate transponders</source>
        <translation>yinelenen transponderler</translation>
    </message>
    <message>
        <source>broken favorite entries</source>
        <translation>bozuk favori kayıtları</translation>
    </message>
    <message>
        <source>programs whose transponder does not exist</source>
        <translation>transponderi olmayan kanallar</translation>
    </message>
    <message>
        <source>transponders without programs</source>
        <translation>kanalı olmayan transponderler</translation>
    </message>
    <message>
        <source>TV %1</source>
        <translation>TV %1</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Radyo %1</translation>
    </message>
    <message>
        <source>a missing satellite</source>
        <translation>eksik bir uydu</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3: same as %4</source>
        <translation>%2 üzerindeki %1, servis ID %3: %4 ile aynı</translation>
    </message>
    <message>
        <source>%1, service ID %2: transponder %3 does not exist</source>
        <translation>%1, servis ID %2: %3 transponderi yok</translation>
    </message>
    <message>
        <source>%1, symbol rate %2: same as %3 %4, %5 channels move there</source>
        <translation>%1, sembol oranı %2: %3 %4 ile aynı, %5 kanal oraya taşınır</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1, sembol oranı %2</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Grup %1 %2</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: program %3 does not exist</source>
        <translation>%1, TV listesi kaydı %2: %3 kanalı yok</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: program %3 does not exist</source>
        <translation>%1, radyo listesi kaydı %2: %3 kanalı yok</translation>
    </message>
    <message>
        <source>%1, TV list entry %2: repeats %3</source>
        <translation>%1, TV listesi kaydı %2: %3 tekrarı</translation>
    </message>
    <message>
        <source>%1, radio list entry %2: repeats %3</source>
        <translation>%1, radyo listesi kaydı %2: %3 tekrarı</translation>
    </message>
</context>
<context>
    <name>CleanUpDialog</name>
    <message>
        <source>Clean Up</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Nothing to clean up.</source>
        <translation>Temizlenecek bir şey yok.</translation>
    </message>
    <message>
        <source>Clean Up removed channels: %1, transponders: %2, favorite entries: %3.</source>
        <translation>Temizleme şunları kaldırdı: kanal: %1, transponder: %2, favori kaydı: %3.</translation>
    </message>
    <message>
        <source>Checked for removal: %1</source>
        <translation>Kaldırmak için işaretli: %1</translation>
    </message>
    <message>
        <source>Check &amp;what to remove:</source>
        <translation>&amp;Kaldırılacakları işaretleyin:</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;New...	Ctrl+N</source>
        <translation>&amp;Yeni...	Ctrl+N</translation>
    </message>
    <message>
        <source>Creates a new NDF file</source>
        <translation>Yeni bir NDF dosyası oluşturur</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>&amp;Aç...	Ctrl+O</translation>
    </message>
    <message>
        <source>Opens an existing NDF file</source>
        <translation>Var olan bir NDF dosyasını açar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ka&amp;pat</translation>
    </message>
    <message>
        <source>Closes the NDF file</source>
        <translation>NDF dosyasını kapatır</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Kaydet	Ctrl+S</translation>
    </message>
    <message>
        <source>Saves the NDF file</source>
        <translation>NDF dosyasını kaydeder</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Farklı Kaydet...</translation>
    </message>
    <message>
        <source>Saves the NDF file with a new name</source>
        <translation>NDF dosyasını yeni bir adla kaydeder</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>Yazdı&amp;r...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print all or parts of the NDF file</source>
        <translation>NDF dosyasının tamamını veya bir kısmını yazdırır</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>&amp;Export Channel List...</source>
        <translation>Kanal Listesini &amp;Dışa Aktar...</translation>
    </message>
    <message>
        <source>Save the channel list as a CSV, HTML or PDF file</source>
        <translation>Kanal listesini CSV, HTML veya PDF dosyası olarak kaydeder</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Kanal Listesini Dışa Aktar</translation>
    </message>
    <message>
        <source>Modification &amp;Date...</source>
        <translation>Değişiklik &amp;Tarihi...</translation>
    </message>
    <message>
        <source>Show/Edit the recent modification date</source>
        <translation>Son değişiklik tarihini gösterir veya düzenler</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt+F4</source>
        <translation>&amp;Çıkış	Alt+F4</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save the NDF file</source>
        <translation>Programdan çıkar; NDF dosyasının kaydedilmesini sorar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri Al</translation>
    </message>
    <message>
        <source>Undo the last change</source>
        <translation>Son değişikliği geri alır</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri Al</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>Redo the change that was undone</source>
        <translation>Geri alınan değişikliği yineler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
    <message>
        <source>Restore &amp;Discarded Channel List Changes</source>
        <translation>&amp;Atılan Kanal Listesi Değişikliklerini Geri Getir</translation>
    </message>
    <message>
        <source>Open the channel list again with the changes that were discarded</source>
        <translation>Kanal listesini atılan değişikliklerle yeniden açar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>&amp;Editbar</source>
        <translation>&amp;Düzenleme Çubuğu</translation>
    </message>
    <message>
        <source>Show or hide the edit bar</source>
        <translation>Düzenleme çubuğunu gösterir veya gizler</translation>
    </message>
    <message>
        <source>Toggle EditBar</source>
        <translation>Düzenleme Çubuğunu Aç/Kapat</translation>
    </message>
    <message>
        <source>Show the channel list</source>
        <translation>Kanal listesini gösterir</translation>
    </message>
    <message>
        <source>Ch List</source>
        <translation>Kanal Listesi</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Araç Çubuğu</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Araç çubuğunu gösterir veya gizler</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Araç Çubuğunu Aç/Kapat</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Du&amp;rum Çubuğu</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Durum çubuğunu gösterir veya gizler</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Durum Çubuğunu Aç/Kapat</translation>
    </message>
    <message>
        <source>&amp;Satellite</source>
        <translation>&amp;Uydu</translation>
    </message>
    <message>
        <source>Import &amp;SATCODX</source>
        <translation>&amp;SATCODX İçe Aktar</translation>
    </message>
    <message>
        <source>Load the selected satellite from SATCODX file</source>
        <translation>Seçili uyduyu bir SATCODX dosyasından yükler</translation>
    </message>
    <message>
        <source>SATCODX</source>
        <translation>SATCODX</translation>
    </message>
    <message>
        <source>Sort by &amp;Degree</source>
        <translation>&amp;Dereceye Göre Sırala</translation>
    </message>
    <message>
        <source>Sort the satellite list by degree</source>
        <translation>Uydu listesini derecesine (yörünge konumuna) göre sıralar</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Dereceye Göre Sırala</translation>
    </message>
    <message>
        <source>&amp;Transponder</source>
        <translation>&amp;Transponder</translation>
    </message>
    <message>
        <source>&amp;Add New</source>
        <translation>&amp;Yeni Ekle</translation>
    </message>
    <message>
        <source>Add a new transponder</source>
        <translation>Yeni bir transponder ekler</translation>
    </message>
    <message>
        <source>Add Tp</source>
        <translation>Transponder Ekle</translation>
    </message>
    <message>
        <source>&amp;Delete Selected</source>
        <translation>&amp;Seçileni Sil</translation>
    </message>
    <message>
        <source>Delete the selected transponder</source>
        <translation>Seçili transponderi siler</translation>
    </message>
    <message>
        <source>Delete Tp</source>
        <translation>Transponder Sil</translation>
    </message>
    <message>
        <source>Delete All in &amp;Net</source>
        <translation>&amp;Uydudaki Tümünü Sil</translation>
    </message>
    <message>
        <source>Delete all transponders in the selected network</source>
        <translation>Seçili uydudaki tüm transponderleri siler</translation>
    </message>
    <message>
        <source>Delete All Tps in Net</source>
        <translation>Uydudaki Tüm Transponderleri Sil</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Kanal</translation>
    </message>
    <message>
        <source>Add a new program</source>
        <translation>Yeni bir kanal ekler</translation>
    </message>
    <message>
        <source>Add Prog</source>
        <translation>Kanal Ekle</translation>
    </message>
    <message>
        <source>Delete the selected program</source>
        <translation>Seçili kanalı siler</translation>
    </message>
    <message>
        <source>Delete Prog</source>
        <translation>Kanal Sil</translation>
    </message>
    <message>
        <source>Delete All in &amp;Transponder</source>
        <translation>&amp;Transponderdeki Tümünü Sil</translation>
    </message>
    <message>
        <source>Delete all programs in the selected transponder</source>
        <translation>Seçili transponderdeki tüm kanalları siler</translation>
    </message>
    <message>
        <source>Delete Progs In Tp</source>
        <translation>Transponderdeki Tüm Kanalları Sil</translation>
    </message>
    <message>
        <source>Delete all programs in the selected network</source>
        <translation>Seçili uydudaki tüm kanalları siler</translation>
    </message>
    <message>
        <source>Delete Progs In Net</source>
        <translation>Uydudaki Tüm Kanalları Sil</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Araçlar</translation>
    </message>
    <message>
        <source>Apply Order</source>
        <translation>Sıralamayı Al</translation>
    </message>
    <message>
        <source>Find duplicate and broken records and remove them</source>
        <translation>Yinelenen ve bozuk kayıtları bulup kaldırır</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Temizle</translation>
    </message>
    <message>
        <source>Show what differs between this file and another NDF file</source>
        <translation>Bu dosya ile başka bir NDF dosyası arasındaki farkları gösterir</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Karşılaştır</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;About Dishline...</source>
        <translation>Dishline &amp;Hakkında...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Program bilgilerini, sürüm numarasını ve telif hakkını gösterir</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Take the channel order, favorite groups, locks, skips and kept names from another NDF file</source>
        <translation>Kanal sıralamasını, favori gruplarını, kilitleri, atlamaları ve korunan adları başka bir NDF dosyasından alır</translation>
    </message>
    <message>
        <source>&amp;Find...	Ctrl+F</source>
        <translation>&amp;Bul...	Ctrl+F</translation>
    </message>
    <message>
        <source>Find programs, transponders and satellites by name or number</source>
        <translation>Kanalları, transponderleri ve uyduları ada veya numaraya göre bulur</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Bul</translation>
    </message>
    <message>
        <source>&amp;Lock	Ctrl+L</source>
        <translation>&amp;Kilitle	Ctrl+L</translation>
    </message>
    <message>
        <source>Lock or unlock the selected programs</source>
        <translation>Seçili kanalları kilitler veya kilidini açar</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kilitle</translation>
    </message>
    <message>
        <source>S&amp;kip	Ctrl+K</source>
        <translation>&amp;Atla	Ctrl+K</translation>
    </message>
    <message>
        <source>Mark or unmark the selected programs to be skipped</source>
        <translation>Seçili kanalları kanal değiştirirken atlanacak olarak işaretler veya işareti kaldırır</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
    <message>
        <source>&amp;Channel List	F7</source>
        <translation>&amp;Kanal Listesi	F7</translation>
    </message>
    <message>
        <source>Apply &amp;Order from File...	Ctrl+Shift+O</source>
        <translation>&amp;Sıralamayı Dosyadan Al...	Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>&amp;Clean Up...	Ctrl+Shift+L</source>
        <translation>&amp;Temizle...	Ctrl+Shift+L</translation>
    </message>
    <message>
        <source>Co&amp;mpare with File...	Ctrl+Shift+M</source>
        <translation>Dosyayla &amp;Karşılaştır...	Ctrl+Shift+M</translation>
    </message>
    <message>
        <source>&amp;User Guide	F1</source>
        <translation>&amp;Kullanım Kılavuzu	F1</translation>
    </message>
    <message>
        <source>Open the user guide</source>
        <translation>Kullanım kılavuzunu açar</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Kullanım Kılavuzu</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>No differences.</source>
        <translation>Fark yok.</translation>
    </message>
    <message>
        <source>Satellites only in A</source>
        <translation>Yalnızca A&apos;daki uydular</translation>
    </message>
    <message>
        <source>Satellites only in B</source>
        <translation>Yalnızca B&apos;deki uydular</translation>
    </message>
    <message>
        <source>Satellites changed</source>
        <translation>Değişen uydular</translation>
    </message>
    <message>
        <source>Transponders only in A</source>
        <translation>Yalnızca A&apos;daki transponderler</translation>
    </message>
    <message>
        <source>Transponders only in B</source>
        <translation>Yalnızca B&apos;deki transponderler</translation>
    </message>
    <message>
        <source>Transponders changed</source>
        <translation>Değişen transponderler</translation>
    </message>
    <message>
        <source>Programs only in A</source>
        <translation>Yalnızca A&apos;daki kanallar</translation>
    </message>
    <message>
        <source>Programs only in B</source>
        <translation>Yalnızca B&apos;deki kanallar</translation>
    </message>
    <message>
        <source>Programs changed</source>
        <translation>Değişen kanallar</translation>
    </message>
    <message>
        <source>Programs moved</source>
        <translation>Taşınan kanallar</translation>
    </message>
    <message>
        <source>Favorite groups only in A</source>
        <translation>Yalnızca A&apos;daki favori grupları</translation>
    </message>
    <message>
        <source>Favorite groups only in B</source>
        <translation>Yalnızca B&apos;deki favori grupları</translation>
    </message>
    <message>
        <source>Favorite groups changed</source>
        <translation>Değişen favori grupları</translation>
    </message>
    <message>
        <source>name</source>
        <translation>ad</translation>
    </message>
    <message>
        <source>position</source>
        <translation>konum</translation>
    </message>
    <message>
        <source>positioner ID</source>
        <translation>motor konumu</translation>
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
        <translation>anten ayarı</translation>
    </message>
    <message>
        <source>DiSEqC mode</source>
        <translation>DiSEqC modu</translation>
    </message>
    <message>
        <source>LNB supply</source>
        <translation>LNB besleme</translation>
    </message>
    <message>
        <source>switch port</source>
        <translation>anahtar portu</translation>
    </message>
    <message>
        <source>LNB type</source>
        <translation>LNB tipi</translation>
    </message>
    <message>
        <source>LNB frequency</source>
        <translation>LNB frekansı</translation>
    </message>
    <message>
        <source>LNB frequency high</source>
        <translation>LNB yüksek frekansı</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frekans</translation>
    </message>
    <message>
        <source>symbol rate</source>
        <translation>sembol oranı</translation>
    </message>
    <message>
        <source>polarity</source>
        <translation>polarizasyon</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>frequency drift</source>
        <translation>frekans kayması</translation>
    </message>
    <message>
        <source>GMT error</source>
        <translation>GMT farkı</translation>
    </message>
    <message>
        <source>transponder</source>
        <translation>transponder</translation>
    </message>
    <message>
        <source>service ID</source>
        <translation>servis ID</translation>
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
        <translation>video PID&apos;leri</translation>
    </message>
    <message>
        <source>audio PIDs</source>
        <translation>ses PID&apos;leri</translation>
    </message>
    <message>
        <source>teletext PIDs</source>
        <translation>teletekst PID&apos;leri</translation>
    </message>
    <message>
        <source>CA mask</source>
        <translation>CA maskesi</translation>
    </message>
    <message>
        <source>attributes</source>
        <translation>özellikler</translation>
    </message>
    <message>
        <source>attributes 2</source>
        <translation>özellikler 2</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Şifreli</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kilit</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atla</translation>
    </message>
    <message>
        <source>Bit 3</source>
        <translation>Bit 3</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>Video/ses PID&apos;leri güncellenmesin</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Ad güncellenmesin</translation>
    </message>
    <message>
        <source>Don&apos;t update with service ID</source>
        <translation>Servis ID ile güncellenmesin</translation>
    </message>
    <message>
        <source>none</source>
        <translation>yok</translation>
    </message>
    <message>
        <source>present</source>
        <translation>var</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>eksik</translation>
    </message>
    <message>
        <source>unset</source>
        <translation>ayarlanmamış</translation>
    </message>
    <message>
        <source>TV %1</source>
        <translation>TV %1</translation>
    </message>
    <message>
        <source>Radio %1</source>
        <translation>Radyo %1</translation>
    </message>
    <message>
        <source>program %1 (missing)</source>
        <translation>kanal %1 (eksik)</translation>
    </message>
    <message>
        <source>transponder %1 (missing)</source>
        <translation>transponder %1 (eksik)</translation>
    </message>
    <message>
        <source>a missing satellite</source>
        <translation>eksik bir uydu</translation>
    </message>
    <message>
        <source>a missing transponder</source>
        <translation>eksik bir transponder</translation>
    </message>
    <message>
        <source>%1, symbol rate %2</source>
        <translation>%1, sembol oranı %2</translation>
    </message>
    <message>
        <source>%1 on %2, service ID %3</source>
        <translation>%2 üzerindeki %1, servis ID %3</translation>
    </message>
    <message>
        <source>Group %1 %2</source>
        <translation>Grup %1 %2</translation>
    </message>
    <message>
        <source>%1 TV, %2 radio</source>
        <translation>%1 TV, %2 radyo</translation>
    </message>
    <message>
        <source>TV list: %1 only in A</source>
        <translation>TV listesi: %1 yalnızca A&apos;da</translation>
    </message>
    <message>
        <source>TV list: %1 only in B</source>
        <translation>TV listesi: %1 yalnızca B&apos;de</translation>
    </message>
    <message>
        <source>radio list: %1 only in A</source>
        <translation>radyo listesi: %1 yalnızca A&apos;da</translation>
    </message>
    <message>
        <source>radio list: %1 only in B</source>
        <translation>radyo listesi: %1 yalnızca B&apos;de</translation>
    </message>
    <message>
        <source>TV list: order changed</source>
        <translation>TV listesi: sıralama değişti</translation>
    </message>
    <message>
        <source>radio list: order changed</source>
        <translation>radyo listesi: sıralama değişti</translation>
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
        <translation>Dosyayla Karşılaştır</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>K&amp;opyala</translation>
    </message>
</context>
<context>
    <name>EditBar</name>
    <message>
        <source>Empty</source>
        <translation>Boş</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Kanal</translation>
    </message>
</context>
<context>
    <name>EditorView</name>
    <message>
        <source>No satellite lines were found in %1.</source>
        <translation>%1 içinde hiç uydu satırı bulunamadı.</translation>
    </message>
    <message>
        <source>The listing is for %1, but the selected satellite is %2 at %3. Import it anyway?</source>
        <translation>Liste %1 için, ancak seçili uydu %3 konumundaki %2. Yine de içe aktarılsın mı?</translation>
    </message>
    <message>
        <source>%1 transponders added to %2; %3 already present, %4 lines skipped.</source>
        <translation>%2 uydusuna %1 transponder eklendi; %3 tanesi zaten vardı, %4 satır atlandı.</translation>
    </message>
    <message>
        <source>Some of network parameters are changed.
Do you want to apply?</source>
        <translation>Bazı uydu parametreleri değiştirildi.
Değişiklikler uygulansın mı?</translation>
    </message>
    <message>
        <source>Some of antenna configurations are changed.
Do you want to apply?</source>
        <translation>Bazı anten ayarları değiştirildi.
Değişiklikler uygulansın mı?</translation>
    </message>
    <message>
        <source>Invalid frequency or symbol rate
Correct the errors or delete the transponder</source>
        <translation>Geçersiz frekans veya sembol oranı
Hataları düzeltin ya da transponderi silin</translation>
    </message>
    <message>
        <source>Some of transponder parameters are changed.
Do you want to apply?</source>
        <translation>Bazı transponder parametreleri değiştirildi.
Değişiklikler uygulansın mı?</translation>
    </message>
    <message>
        <source>Some of program parameters are changed.
Do you want to apply?</source>
        <translation>Bazı kanal parametreleri değiştirildi.
Değişiklikler uygulansın mı?</translation>
    </message>
    <message>
        <source>No Name</source>
        <translation>Adsız</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>%1 dosyasındaki değişiklikler kaydedilsin mi?</translation>
    </message>
    <message>
        <source> (Modified)</source>
        <translation> (Değiştirildi)</translation>
    </message>
    <message>
        <source>Not yet ...</source>
        <translation>Henüz yok ...</translation>
    </message>
    <message>
        <source>CSV file (*.csv)|*.csv|Web page (*.html)|*.html|PDF file (*.pdf)|*.pdf||</source>
        <translation>CSV dosyası (*.csv)|*.csv|Web sayfası (*.html)|*.html|PDF dosyası (*.pdf)|*.pdf||</translation>
    </message>
    <message>
        <source>Exporting the channel list...</source>
        <translation>Kanal listesi dışa aktarılıyor...</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;İptal</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Kanal Listesini Dışa Aktar</translation>
    </message>
    <message>
        <source>Network Dababase File (*.NDF)|*.NDF|All file (*.*)|*.*||</source>
        <translation>Kanal veritabanı dosyası (*.NDF)|*.NDF|Tüm dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>SATCODX File (*.SDX)|*.SDX|All file (*.*)|*.*||</source>
        <translation>SATCODX dosyası (*.SDX)|*.SDX|Tüm dosyalar (*.*)|*.*||</translation>
    </message>
    <message>
        <source>&amp;Undo %1	Ctrl+Z</source>
        <translation>&amp;Geri Al: %1	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Redo %1	Ctrl+Y</source>
        <translation>&amp;Yinele: %1	Ctrl+Y</translation>
    </message>
    <message>
        <source>Sort by Degree needs one antenna configuration for each satellite.</source>
        <translation>Dereceye göre sıralamak için her uydunun kendi anten ayarı olmalıdır.</translation>
    </message>
    <message>
        <source>Work on %1 from %2 was not saved.
Do you want to recover it?</source>
        <translation>%1 üzerinde %2 tarihinde yapılan çalışma kaydedilmedi.
Kurtarmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>%1 was changed by another program after it was opened.
Do you want to overwrite it?</source>
        <translation>%1, açıldıktan sonra başka bir program tarafından değiştirildi.
Üzerine yazmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>The file on disk has not been changed.</source>
        <translation>Diskteki dosya değiştirilmedi.</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Hiçbir dosya yazılmadı.</translation>
    </message>
    <message>
        <source>A: %1 (open)
B: %2</source>
        <translation>A: %1 (açık)
B: %2</translation>
    </message>
    <message>
        <source>%1 (%2 selected)</source>
        <translation>%1 (%2 seçili)</translation>
    </message>
    <message>
        <source>Delete the program &quot;%1&quot;?</source>
        <translation>&quot;%1&quot; kanalı silinsin mi?</translation>
    </message>
    <message>
        <source>Delete %1 programs?</source>
        <translation>%1 kanal silinsin mi?</translation>
    </message>
    <message>
        <source>Delete the transponder %1 with its programs?</source>
        <translation>%1 transponderi kanallarıyla birlikte silinsin mi?</translation>
    </message>
    <message>
        <source>Delete %1 transponders with their programs?</source>
        <translation>%1 transponder kanallarıyla birlikte silinsin mi?</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>en</source>
        <extracomment>The language code of the exported web page&apos;s lang attribute: &quot;de&quot; in German.</extracomment>
        <translation>tr</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarizasyon</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Sembol Oranı</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>Servis ID</translation>
    </message>
    <message>
        <source>CA</source>
        <translation>CA</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriler</translation>
    </message>
    <message>
        <source>Channel list: %1</source>
        <translation>Kanal listesi: %1</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
    </message>
    <message>
        <source>%1 channel</source>
        <translation>%1 kanal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 kanal</translation>
    </message>
    <message>
        <source>No channels.</source>
        <translation>Kanal yok.</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sayfa %1 / %2</translation>
    </message>
    <message>
        <source>All channels</source>
        <translation>Tüm kanallar</translation>
    </message>
    <message>
        <source>TV channels</source>
        <translation>TV kanalları</translation>
    </message>
    <message>
        <source>Radio channels</source>
        <translation>Radyo kanalları</translation>
    </message>
    <message>
        <source>Satellite %1 (%2)</source>
        <translation>Uydu %1 (%2)</translation>
    </message>
    <message>
        <source>Favorite group %1</source>
        <translation>Favori grubu %1</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Kanal Listesini Dışa Aktar</translation>
    </message>
    <message>
        <source>&amp;All channels</source>
        <translation>Tüm &amp;kanallar</translation>
    </message>
    <message>
        <source>&amp;TV channels</source>
        <translation>T&amp;V kanalları</translation>
    </message>
    <message>
        <source>&amp;Radio channels</source>
        <translation>&amp;Radyo kanalları</translation>
    </message>
    <message>
        <source>One &amp;satellite:</source>
        <translation>Tek &amp;uydu:</translation>
    </message>
    <message>
        <source>One &amp;favorite group:</source>
        <translation>Tek &amp;favori grubu:</translation>
    </message>
    <message>
        <source>Fav%1</source>
        <translation>Fav%1</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;İptal</translation>
    </message>
    <message>
        <source>%1 channels: a web page this long is more than a browser prints well. To print the list, export it as a PDF file.</source>
        <translation>%1 kanal: bu kadar uzun bir web sayfasını tarayıcılar düzgün yazdıramaz. Listeyi yazdırmak için PDF dosyası olarak dışa aktarın.</translation>
    </message>
</context>
<context>
    <name>FavoriteNamesDialog</name>
    <message>
        <source>Favorite Group Name</source>
        <translation>Favori Grubu Adı</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;İptal</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find:</source>
        <translation>Bul:</translation>
    </message>
    <message>
        <source>Name, service ID or frequency</source>
        <translation>Ad, servis ID veya frekans</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Önceki eşleşme (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Sonraki eşleşme (F3)</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Süz</translation>
    </message>
    <message>
        <source>Show only the matching programs with their transponders and satellites</source>
        <translation>Yalnızca eşleşen kanalları transponderleri ve uydularıyla gösterir</translation>
    </message>
    <message>
        <source>Close (Esc)</source>
        <translation>Kapat (Esc)</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Eşleşme yok</translation>
    </message>
</context>
<context>
    <name>FormPane</name>
    <message>
        <source>O&amp;K</source>
        <translation>Ta&amp;mam</translation>
    </message>
</context>
<context>
    <name>FormWidgets</name>
    <message>
        <source>%1 (unknown)</source>
        <translation>%1 (bilinmiyor)</translation>
    </message>
</context>
<context>
    <name>ModificationDateDialog</name>
    <message>
        <source>Recent modification date</source>
        <translation>Son değişiklik tarihi</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;İptal</translation>
    </message>
    <message>
        <source>[Area code][Version in decimal] EX&gt; B002</source>
        <translation>[Bölge kodu][Ondalık sürüm] Örn.: B002</translation>
    </message>
    <message>
        <source>Invalid version input</source>
        <translation>Geçersiz sürüm girişi</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>Ta&amp;rih</translation>
    </message>
    <message>
        <source>&amp;Version</source>
        <translation>&amp;Sürüm</translation>
    </message>
</context>
<context>
    <name>MoveToPositionDialog</name>
    <message>
        <source>Move to Position</source>
        <translation>Konuma Taşı</translation>
    </message>
    <message>
        <source>&amp;Number (1 to %1):</source>
        <translation>&amp;Numara (1 - %1):</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;İptal</translation>
    </message>
</context>
<context>
    <name>NetworkPane</name>
    <message>
        <source>Single</source>
        <translation>Tek bantlı</translation>
    </message>
    <message>
        <source>Universal</source>
        <translation>Üniversal</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>KAPALI</translation>
    </message>
    <message>
        <source>ON (Auto)</source>
        <translation>AÇIK (Otomatik)</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>BOTH</source>
        <translation>İKİSİ DE</translation>
    </message>
    <message>
        <source>Exists</source>
        <translation>Var</translation>
    </message>
    <message>
        <source> Na&amp;me</source>
        <translation> Ad&amp;ı</translation>
    </message>
    <message>
        <source> &amp;Degree</source>
        <translation> De&amp;rece</translation>
    </message>
    <message>
        <source> LNB T&amp;ype</source>
        <translation> LN&amp;B Tipi</translation>
    </message>
    <message>
        <source> &amp;LNB Freq</source>
        <translation> L&amp;NB Frekansı</translation>
    </message>
    <message>
        <source> L&amp;NB Freq H</source>
        <translation> LNB &amp;Frekansı H</translation>
    </message>
    <message>
        <source> LN&amp;B Power/Switch</source>
        <translation> &amp;LNB Besleme/Anahtar</translation>
    </message>
    <message>
        <source> &amp;22Khz Switch</source>
        <translation> &amp;22kHz Anahtarı</translation>
    </message>
    <message>
        <source> &amp;12V Switch</source>
        <translation> &amp;12V Anahtarı</translation>
    </message>
    <message>
        <source> D&amp;iSEqC Switch Level</source>
        <translation> DiSE&amp;qC Anahtar Sürümü</translation>
    </message>
    <message>
        <source> DiSEqC S&amp;witch Port</source>
        <translation> DiSEqC Anahtar &amp;Portu</translation>
    </message>
    <message>
        <source> DiSEqC Positione&amp;r Level</source>
        <translation> DiSEq&amp;C Motor Sürümü</translation>
    </message>
    <message>
        <source> DiSE&amp;qC Positioner ID</source>
        <translation> D&amp;iSEqC Motor Konumu</translation>
    </message>
    <message>
        <source> Skew &amp;Controller</source>
        <translation> Sk&amp;ew Denetleyici</translation>
    </message>
    <message>
        <source> Skew &amp;Angle V</source>
        <translation> Skew Açısı &amp;V</translation>
    </message>
    <message>
        <source> Skew An&amp;gle H</source>
        <translation> &amp;Skew Açısı H</translation>
    </message>
</context>
<context>
    <name>NetworkTreeModel</name>
    <message>
        <source>(No name)</source>
        <translation>(Adsız)</translation>
    </message>
    <message>
        <source>Locked</source>
        <translation>Kilitli</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Atlanır</translation>
    </message>
    <message>
        <source>Scrambled</source>
        <translation>Şifreli</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radyo</translation>
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
        <translation>Radyo</translation>
    </message>
    <message>
        <source>Subt</source>
        <translation>Altyazı</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Özellikler</translation>
    </message>
    <message>
        <source>Don&apos;t update name</source>
        <translation>Ad güncellenmesin</translation>
    </message>
    <message>
        <source>Don&apos;t update video/audio PIDs</source>
        <translation>Video/ses PID&apos;leri güncellenmesin</translation>
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
        <translation>&amp;Şifreli</translation>
    </message>
    <message>
        <source>More A&amp;udio...</source>
        <translation>Di&amp;ğer Ses Parçaları...</translation>
    </message>
    <message>
        <source>&amp;Lock</source>
        <translation>K&amp;ilitli</translation>
    </message>
    <message>
        <source>Sk&amp;ip</source>
        <translation>At&amp;la</translation>
    </message>
    <message>
        <source>Don&apos;t update &amp;with service ID</source>
        <translation>Se&amp;rvis ID ile güncellenmesin</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> Ad&amp;ı</translation>
    </message>
    <message>
        <source> Se&amp;rvice ID</source>
        <translation> Ser&amp;vis ID</translation>
    </message>
    <message>
        <source> Service T&amp;ype</source>
        <translation> Servis T&amp;ürü</translation>
    </message>
    <message>
        <source> P&amp;MT PID</source>
        <translation> &amp;PMT PID</translation>
    </message>
    <message>
        <source> P&amp;CR PID</source>
        <translation> P&amp;CR PID</translation>
    </message>
    <message>
        <source> Vi&amp;deo PID</source>
        <translation> Vide&amp;o PID</translation>
    </message>
    <message>
        <source> &amp;Audio PID</source>
        <translation> &amp;Ses PID</translation>
    </message>
    <message>
        <source> Telete&amp;xt PID</source>
        <translation> T&amp;eletekst PID</translation>
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
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>İptal edildi</translation>
    </message>
    <message>
        <source>Insufficient memory</source>
        <translation>Yetersiz bellek</translation>
    </message>
    <message>
        <source>No file found</source>
        <translation>Dosya bulunamadı</translation>
    </message>
    <message>
        <source>File crashed</source>
        <translation>Dosya bozuk</translation>
    </message>
    <message>
        <source>Creating file failed</source>
        <translation>Dosya oluşturulamadı</translation>
    </message>
    <message>
        <source>Invalid NDF format</source>
        <translation>Geçersiz NDF biçimi</translation>
    </message>
    <message>
        <source>Bad checksum</source>
        <translation>Hatalı sağlama toplamı</translation>
    </message>
    <message>
        <source>NDF Version not supported</source>
        <translation>NDF sürümü desteklenmiyor</translation>
    </message>
    <message>
        <source>Too many records for the NDF format</source>
        <translation>NDF biçimi için çok fazla kayıt</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Bilinmeyen hata</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>Modification Date</source>
        <translation>Değişiklik Tarihi</translation>
    </message>
    <message>
        <source>Channel List</source>
        <translation>Kanal Listesi</translation>
    </message>
    <message>
        <source>Import SATCODX</source>
        <translation>SATCODX İçe Aktarma</translation>
    </message>
    <message>
        <source>Edit Satellite</source>
        <translation>Uydu Düzenleme</translation>
    </message>
    <message>
        <source>Edit Transponder</source>
        <translation>Transponder Düzenleme</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Kanal Düzenleme</translation>
    </message>
    <message>
        <source>Sort by Degree</source>
        <translation>Dereceye Göre Sıralama</translation>
    </message>
    <message>
        <source>Add Transponder</source>
        <translation>Transponder Ekleme</translation>
    </message>
    <message>
        <source>Add Program</source>
        <translation>Kanal Ekleme</translation>
    </message>
    <message>
        <source>Delete Transponder</source>
        <translation>Transponder Silme</translation>
    </message>
    <message>
        <source>Delete All Transponders in Net</source>
        <translation>Uydudaki Tüm Transponderleri Silme</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Kanal Silme</translation>
    </message>
    <message>
        <source>Delete All Programs in Transponder</source>
        <translation>Transponderdeki Tüm Kanalları Silme</translation>
    </message>
    <message>
        <source>Delete All Programs in Net</source>
        <translation>Uydudaki Tüm Kanalları Silme</translation>
    </message>
    <message>
        <source>Apply Order from File</source>
        <translation>Sıralamayı Dosyadan Alma</translation>
    </message>
    <message>
        <source>Clean Up</source>
        <translation>Temizleme</translation>
    </message>
    <message>
        <source>Lock</source>
        <translation>Kilitleme</translation>
    </message>
    <message>
        <source>Unlock</source>
        <translation>Kilit Açma</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Atlama</translation>
    </message>
    <message>
        <source>Do Not Skip</source>
        <translation>Atlamama</translation>
    </message>
    <message>
        <source>Delete Programs</source>
        <translation>Kanalları Silme</translation>
    </message>
    <message>
        <source>Delete Transponders</source>
        <translation>Transponderleri Silme</translation>
    </message>
</context>
<context>
    <name>ToolDialogs</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;İptal</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
</context>
<context>
    <name>TransponderPane</name>
    <message>
        <source>Vert</source>
        <translation>Dikey</translation>
    </message>
    <message>
        <source>Horz</source>
        <translation>Yatay</translation>
    </message>
    <message>
        <source>Circular Right</source>
        <translation>Dairesel Sağ</translation>
    </message>
    <message>
        <source>Circular Left</source>
        <translation>Dairesel Sol</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Otomatik</translation>
    </message>
    <message>
        <source> &amp;Name</source>
        <translation> Ad&amp;ı</translation>
    </message>
    <message>
        <source> F&amp;requency</source>
        <translation> Fr&amp;ekans</translation>
    </message>
    <message>
        <source> S&amp;ymbol Rate</source>
        <translation> &amp;Sembol Oranı</translation>
    </message>
    <message>
        <source> Po&amp;larity</source>
        <translation> &amp;Polarizasyon</translation>
    </message>
    <message>
        <source> FE&amp;C</source>
        <translation> FE&amp;C</translation>
    </message>
    <message>
        <source> Freq &amp;Drift</source>
        <translation> F&amp;rekans Kayması</translation>
    </message>
    <message>
        <source> &amp;GMT Error</source>
        <translation> GMT &amp;Farkı</translation>
    </message>
</context>
<context>
    <name>UserGuideWindow</name>
    <message>
        <source>Dishline User Guide</source>
        <translation>Dishline Kullanım Kılavuzu</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Geri</translation>
    </message>
    <message>
        <source>C&amp;ontents</source>
        <translation>&amp;İçindekiler</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
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
        <translation>NDF kanal veritabanı düzenleyicisi</translation>
    </message>
    <message>
        <source>An NDF file to open.</source>
        <translation>Açılacak bir NDF dosyası.</translation>
    </message>
    <message>
        <source>[file]</source>
        <translation>[dosya]</translation>
    </message>
</context>
</TS>
